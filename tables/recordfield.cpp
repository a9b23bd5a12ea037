#include "tables/recordfield.h"

#include "fields/numbertext.h"
#include "rom/imagecalls.h"

#include <algorithm>
#include <vector>

qint32 RecordField::stored(QByteArrayView entry) const {
    return quint8(entry.at(offset)) | (width() == 2 ? quint8(entry.at(offset + 1)) << 8 : 0);
}

void RecordField::put(qint32 value, QByteArray* entry) const {
    const qint32 bytes = (stored(*entry) & ~qint32(mask)) | ((value << shift()) & mask);
    (*entry)[offset] = char(bytes & 0xFF);
    if (width() == 2)
        (*entry)[offset + 1] = char(bytes >> 8);
}

const RecordField* TableFormat::fieldOf(FieldKind kind) const {
    const auto f = std::find_if(fields.begin(), fields.end(),
                                [kind](const RecordField& each) { return each.kind == kind; });
    return f == fields.end() ? nullptr : &*f;
}

void DecodeFields(const TableFormat& format, QByteArrayView entry, void* record) {
    for (const RecordField& f : format.fields)
        f.set(record, f.valueIn(entry));
}

QString FieldText(const RecordField& field, qint32 value) {
    return field.kind == FieldKind::Pointer ? PointerText(value) : QString::number(value);
}

EntryForm FormOf(const TableFormat& format, const void* record) {
    EntryForm form;
    for (const RecordField& f : format.fields) {
        const qint32 value = f.get(record);
        // An item byte above the list's last line selects no line.
        form << (f.kind == FieldKind::Item && value > f.upper() ? QStringLiteral("-1")
                                                                : FieldText(f, value));
    }
    return form;
}

WritePart EntryWrites(const TableFormat& format, int index, const QByteArray& entry,
                      const std::vector<std::optional<qint32>>& values) {
    WritePart plan;
    plan.entry = format.label(index);
    plan.base = format.entryOffset(index);
    plan.expected = entry;
    QByteArray bytes = entry;
    std::vector<const RecordField*> order;
    for (size_t k = 0; k < values.size() && k < format.fields.size(); ++k)
        if (values[k]) {
            format.fields[k].put(*values[k], &bytes);
            order.push_back(&format.fields[k]);
        }
    std::stable_sort(order.begin(), order.end(),
                     [](const RecordField* a, const RecordField* b) { return a->step < b->step; });

    for (const RecordField* f : order) {
        const QString name = QLatin1String(f->caption);
        // A byte that holds other data too goes as stored but for the field's bits; a byte
        // several fields share (the flags) is written once. A word goes low byte first.
        for (int b = 0; b < f->width(); ++b) {
            const qint64 at = plan.base + f->offset + b;
            if (plan.writes.empty() || plan.writes.back().offset != at)
                plan.writes.push_back({at, quint8(bytes.at(f->offset + b)), name});
        }
    }
    return plan;
}

Outcome PlanEntrySave(RomImage& rom, const TableFormat& format, int index, const EntryForm& form,
                      WritePart* plan) {
    const QString entry = format.label(index);
    Outcome refused;
    refused.entry = entry;
    refused.file = rom.path();
    if (index < 0 || index >= format.count) {
        refused.fault = SaveFault::NoSuchEntry;
        return refused;
    }
    std::vector<std::optional<qint32>> values;
    for (const RecordField& f : format.fields) {
        const QString text = form.value(qsizetype(values.size()));
        const auto value = ReadFieldText(f.kind, f.upper(), text, TextFrom::Control);
        if (!value) {
            refused.fault = SaveFault::BadValue;
            refused.kind = ValueKind(f.kind);
            refused.field = QLatin1String(f.caption);
            refused.text = text.left(40);
            refused.upper = f.upper();
            return refused;
        }
        // An item of -1 (no line of the list) keeps the stored byte.
        values.push_back(f.kind == FieldKind::Item && *value < 0 ? std::nullopt : value);
    }

    const qint32 base = format.entryOffset(index);
    if (Outcome unwritable = CheckEntryWritable(rom, entry, base, format.size); unwritable.failed())
        return unwritable;
    rom.refresh();
    const auto bytes = ImageBytes(rom, base, format.size);
    if (!bytes) {
        Outcome o = bytes.failure();
        o.entry = entry;
        return o;
    }
    *plan = EntryWrites(format, index, *bytes, values);
    return {};
}

Outcome SaveEntry(RomImage& rom, const TableFormat& format, int index, const EntryForm& form,
                  const QByteArray& shown) {
    WritePart plan;
    if (Outcome refused = PlanEntrySave(rom, format, index, form, &plan); refused.failed())
        return refused;
    if (!shown.isEmpty())
        plan.expected = shown;
    Transaction t;
    t.parts.push_back(plan);
    return ApplyTransaction(rom, t);
}
