#include "fields/recordfield.h"

#include "fields/numbertext.h"

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

namespace {

// The value a save stores for `text`, or why there is none: -1 for an item keeps the stored byte.
std::optional<qint32> formValue(const RecordField& f, const QString& text, QString* why) {
    const QString shown = text.left(40);
    std::optional<qint32> value;
    switch (f.kind) {
    case FieldKind::Flag:
        return text == QLatin1String("1");
    case FieldKind::Pointer:
        if (!(value = PointerValue(text)))
            *why = QStringLiteral("the pointer to the name \"%1\" is not a hexadecimal number from "
                                  "0 to FFFF")
                       .arg(shown);
        return value;
    case FieldKind::Item: {
        bool ok = false;
        if (const int item = text.toInt(&ok); ok && item >= -1 && item <= f.upper())
            return item;
        *why = QStringLiteral("there is no item %1").arg(shown);
        return std::nullopt;
    }
    case FieldKind::Number:
        if (!(value = FieldValue(text, f.upper())))
            *why = QStringLiteral("the %1 \"%2\" is not a number from 0 to %3")
                       .arg(QLatin1String(f.caption), shown, QString::number(f.upper()));
        return value;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> PlanEntrySave(RomImage& rom, const TableFormat& format, int index,
                                     const EntryForm& form, WritePlan* plan) {
    const QString entry = format.label(index);
    if (index < 0 || index >= format.count)
        return QStringLiteral("Cannot save: there is no %1.").arg(entry);
    std::vector<qint32> values;
    for (const RecordField& f : format.fields) {
        QString why;
        const auto value = formValue(f, form.value(qsizetype(values.size())), &why);
        if (!value)
            return CannotSave(entry, why);
        values.push_back(*value);
    }

    const qint32 base = format.entryOffset(index);
    if (auto refused = CheckEntryWritable(rom, entry, base, format.size))
        return refused;
    rom.refresh();
    QByteArray bytes;
    try {
        bytes = rom.bytes(base, format.size);
    } catch (const RomError& e) {
        return CannotSave(entry, e);
    }
    std::vector<const RecordField*> order;
    for (size_t k = 0; k < values.size(); ++k)
        if (format.fields[k].kind != FieldKind::Item || values[k] >= 0) {
            format.fields[k].put(values[k], &bytes);
            order.push_back(&format.fields[k]);
        }
    std::stable_sort(order.begin(), order.end(),
                     [](const RecordField* a, const RecordField* b) { return a->step < b->step; });

    *plan = {entry, base, format.size, {}, {}};
    for (const RecordField* f : order) {
        const qint32 at = base + f->offset;
        const QString name = QLatin1String(f->caption);
        if (f->mask == 0xFFFF) {
            plan->writes.push_back({name, at, f->valueIn(bytes), 2});
            continue;
        }
        // A byte that holds other data too goes on its own, as stored but for the field's bits;
        // a byte several fields share (the flags) is written once.
        for (int b = 0; b < f->width(); ++b)
            if (plan->writes.empty() || plan->writes.back().offset != at + b)
                plan->writes.push_back({name, at + b, quint8(bytes.at(f->offset + b)), 1});
    }
    return std::nullopt;
}

std::optional<QString> SaveEntry(RomImage& rom, const TableFormat& format, int index,
                                 const EntryForm& form, const QByteArray& shown) {
    WritePlan plan;
    if (auto refused = PlanEntrySave(rom, format, index, form, &plan))
        return refused;
    plan.shown = shown;
    return ExecutePlan(rom, plan);
}
