#include "tables/gridsnapshot.h"

#include "rom/imagebytes.h"
#include "rom/names.h"

QString NameInBytes(const QByteArray& image, qint32 pointer) {
    const qint64 offset = qint64(pointer) - PointerBias;
    if (offset < 0 || offset >= image.size())
        return {};
    return ScanNameBytes(image, offset).text;
}

Result<GridSnapshot> ReadGridSnapshot(RomImage& rom, Table table, const Tables& tables) {
    auto image = ReadWholeImage(rom);
    if (!image)
        return image.failure();
    for (const Table t : tables) {
        const qint64 end = t->entryOffset(t->count);
        if (end > image->size()) {
            // The first entry the file cuts off, as the editors' saves name it.
            const int index = std::max(0, int((image->size() - t->offset) / t->size));
            return Outcome{.fault = SaveFault::ShortFile,
                           .file = rom.path(),
                           .entry = t->label(index),
                           .first = t->entryOffset(index),
                           .last = t->entryOffset(index) + t->size - 1,
                           .length = image->size()};
        }
    }
    GridSnapshot s;
    s.table = table;
    s.image = std::move(*image);
    s.tables = tables;
    for (const Table t : tables) {
        const RecordField& pointer = *t->fieldOf(FieldKind::Pointer);
        for (int i = 0; i < t->count; ++i)
            s.holders << NameHolder{t->label(i), pointer.valueIn(QByteArrayView(s.image).sliced(
                                                     t->entryOffset(i), t->size))};
    }
    const TableFormat& f = *table;
    const RecordField& pointer = *f.fieldOf(FieldKind::Pointer);
    s.entries.reserve(size_t(f.count));
    s.values.reserve(size_t(f.count));
    for (int i = 0; i < f.count; ++i) {
        const QByteArray entry = s.image.mid(f.entryOffset(i), f.size);
        std::vector<qint32> values;
        values.reserve(f.fields.size());
        for (const RecordField& field : f.fields)
            values.push_back(field.valueIn(entry));
        s.names << NameInBytes(s.image, pointer.valueIn(entry));
        s.entries.push_back(entry);
        s.values.push_back(std::move(values));
    }
    return s;
}
