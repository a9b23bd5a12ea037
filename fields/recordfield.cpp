#include "fields/recordfield.h"

#include "fields/numbertext.h"

#include <algorithm>
#include <vector>

qint32 RecordField::valueIn(QByteArrayView entry) const {
    qint32 stored = quint8(entry.at(offset));
    if (width() == 2)
        stored |= quint8(entry.at(offset + 1)) << 8;
    return (stored & mask) >> shift();
}

void RecordField::put(qint32 value, QByteArray* entry) const {
    qint32 stored = quint8(entry->at(offset));
    if (width() == 2)
        stored |= quint8(entry->at(offset + 1)) << 8;
    stored = (stored & ~qint32(mask)) | ((value << shift()) & mask);
    (*entry)[offset] = char(stored & 0xFF);
    if (width() == 2)
        (*entry)[offset + 1] = char(stored >> 8);
}

QString TableFormat::label(int index) const {
    return QStringLiteral("%1 %2").arg(QLatin1String(entry)).arg(index);
}

const RecordField* TableFormat::fieldOf(FieldKind kind) const {
    for (const RecordField& f : fields)
        if (f.kind == kind)
            return &f;
    return nullptr;
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

// The value a save stores for `text`, or why it cannot: -1 for an item keeps the stored byte.
std::optional<qint32> formValue(const RecordField& f, const QString& text, QString* why) {
    std::optional<qint32> value;
    switch (f.kind) {
    case FieldKind::Flag:
        return text == QLatin1String("1");
    case FieldKind::Pointer:
        if (!(value = PointerValue(text)))
            *why = QStringLiteral("the pointer to the name \"%1\" is not a hexadecimal number from "
                                  "0 to FFFF")
                       .arg(text.left(40));
        return value;
    case FieldKind::Item: {
        bool ok = false;
        value = text.toInt(&ok);
        if (ok && *value >= -1 && *value <= f.upper())
            return value;
        *why = QStringLiteral("there is no item %1").arg(text.left(40));
        return std::nullopt;
    }
    case FieldKind::Number:
        if (!(value = FieldValue(text, f.upper())))
            *why = QStringLiteral("the %1 \"%2\" is not a number from 0 to %3")
                       .arg(QLatin1String(f.caption), text.left(40), QString::number(f.upper()));
        return value;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> PlanEntrySave(RomImage& rom, const TableFormat& format, int index,
                                     const EntryForm& form, WritePlan* plan) {
    if (index < 0 || index >= format.count)
        return QStringLiteral("Cannot save: there is no %1.").arg(format.label(index));
    const QString entry = format.label(index);
    std::vector<qint32> values;
    for (qsizetype k = 0; k < qsizetype(format.fields.size()); ++k) {
        QString why;
        const auto value = formValue(format.fields[size_t(k)], form.value(k), &why);
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
    for (size_t k = 0; k < values.size(); ++k) {
        const RecordField& f = format.fields[k];
        if (f.kind == FieldKind::Item && values[k] < 0)
            continue;
        f.put(values[k], &bytes);
        order.push_back(&f);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const RecordField* a, const RecordField* b) { return a->step < b->step; });

    plan->entry = entry;
    plan->base = base;
    plan->size = format.size;
    plan->writes.clear();
    const auto byteAt = [&bytes](int at) { return qint32(quint8(bytes.at(at))); };
    for (const RecordField* f : order) {
        const qint32 at = base + f->offset;
        // Fields that share a byte (the flags) are written once, with the first of them.
        if (std::any_of(plan->writes.begin(), plan->writes.end(),
                        [at](const PlannedWrite& w) { return w.offset == at; }))
            continue;
        const QString name = QLatin1String(f->caption);
        if (f->ownsBytes() && f->width() == 2) {
            plan->writes.push_back({name, at, byteAt(f->offset) | byteAt(f->offset + 1) << 8, 2});
            continue;
        }
        // Bytes shared with data the editor does not show go one by one, each as stored but for
        // the field's own bits.
        for (int b = 0; b < f->width(); ++b)
            plan->writes.push_back({name, at + b, byteAt(f->offset + b), 1});
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
