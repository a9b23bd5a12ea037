#include "tables/merge.h"

#include "rom/names.h"
#include "tables/original.h"

namespace {

// Which side's value stands, or None for a conflict.
MergeSide winner(const QString& base, const QString& ours, const QString& theirs) {
    if (ours == base || ours == theirs)
        return MergeSide::Theirs;
    if (theirs == base)
        return MergeSide::Ours;
    return MergeSide::None;
}

// Lays the name text that entry `index` reads in `from` (its end byte included) over `into`.
void copyName(RomImage& from, const TableFormat& f, int index, QByteArray* into) {
    const RecordField& pointer = *f.fieldOf(FieldKind::Pointer);
    const qint64 start =
        qint64(pointer.valueIn(from.bytes(f.entryOffset(index), f.size))) - PointerBias;
    if (start < 0 || start >= into->size())
        return;
    const qint64 end = std::min<qint64>(ScanStoredName(from, start).end, into->size() - 1);
    into->replace(start, end - start + 1, from.bytes(start, end - start + 1));
}

} // namespace

MergeResult MergeImages(const QByteArray& base, const QByteArray& ours, const QByteArray& theirs,
                        const Tables& tables, MergeSide prefer) {
    MergeResult result;
    QByteArray& merged = result.bytes;
    merged = theirs;
    // Bit by bit: where ours changed a bit, ours; else theirs, changed or not.
    for (qsizetype k = 0; k < merged.size(); ++k) {
        const quint8 b = quint8(base[k]), o = quint8(ours[k]), t = quint8(theirs[k]);
        const quint8 mine = quint8(o ^ b);
        merged[k] = char((o & mine) | (t & ~mine));
    }
    const auto baseHeld = ImageOfBytes(base), oursHeld = ImageOfBytes(ours),
               theirsHeld = ImageOfBytes(theirs);
    RomImage &baseImage = *baseHeld, &oursImage = *oursHeld, &theirsImage = *theirsHeld;
    for (const Table table : tables) {
        const TableFormat& f = *table;
        const QList<QStringList> rowsBase = ExportRows(baseImage, table);
        const QList<QStringList> rowsOurs = ExportRows(oursImage, table);
        const QList<QStringList> rowsTheirs = ExportRows(theirsImage, table);
        const QList<Column>& columns = Columns(table);
        const int nameColumn = ColumnOf(table, ColumnKind::Name);
        for (int i = 0; i < f.count; ++i) {
            const qint64 at = f.entryOffset(i);
            QByteArray entry = merged.mid(at, f.size);
            const QByteArray entryOurs = ours.mid(at, f.size);
            const QByteArray entryTheirs = theirs.mid(at, f.size);
            for (int k = 0; k < columns.size(); ++k) {
                const ColumnKind kind = columns[k].kind;
                if (kind == ColumnKind::Index || kind == ColumnKind::ItemName)
                    continue;
                const QString& b = rowsBase[i][k];
                MergeSide side = winner(b, rowsOurs[i][k], rowsTheirs[i][k]);
                if (side == MergeSide::None) {
                    result.conflicts << MergeConflict{
                        table, i, k, rowsBase[i][nameColumn], b, rowsOurs[i][k], rowsTheirs[i][k]};
                    side = prefer;
                }
                if (side == MergeSide::None)
                    continue;
                if (kind == ColumnKind::Name) {
                    // A rename lands whole, from the side whose text stands.
                    if (rowsOurs[i][k] != b || rowsTheirs[i][k] != b)
                        copyName(side == MergeSide::Ours ? oursImage : theirsImage, f, i, &merged);
                    continue;
                }
                const RecordField& field = *columns[k].field;
                field.put(field.valueIn(side == MergeSide::Ours ? entryOurs : entryTheirs), &entry);
            }
            merged.replace(at, f.size, entry);
        }
    }
    return result;
}
