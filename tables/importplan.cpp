#include "tables/importplan.h"

#include "fields/numbertext.h"
#include "rom/names.h"
#include "tables/heldimage.h"
#include "tables/importnames.h"

#include <QHash>

#include <vector>

namespace {

// Drops the writes whose bytes the file already holds: only what differs is written. A field of
// a whole word counts as one: it is written whole when either of its bytes differs.
void dropUnchanged(RomImage& rom, const TableFormat& format, WritePart* plan) {
    const auto wordAt = [&](qint64 at) {
        for (const RecordField& f : format.fields)
            if (f.mask == 0xFFFF && plan->base + f.offset == at)
                return true;
        return false;
    };
    std::vector<ByteWrite> kept;
    const std::vector<ByteWrite>& writes = plan->writes;
    for (size_t k = 0; k < writes.size(); ++k) {
        const size_t width = wordAt(writes[k].offset) && k + 1 < writes.size() ? 2 : 1;
        bool differs = false;
        for (size_t b = 0; b < width; ++b)
            differs |= rom.readByte(writes[k + b].offset) != writes[k + b].value;
        if (differs)
            kept.insert(kept.end(), writes.begin() + qsizetype(k),
                        writes.begin() + qsizetype(k + width));
        k += width - 1;
    }
    plan->writes = kept;
}

// What one row changes.
struct EntryEdit {
    QString label;      // item 5 "Bread"
    QStringList fields; // "KEY OLD -> NEW", one per field that changes
    WritePart plan;     // the writes of the fields that differ
};

InputError at(const Cell& cell, const Outcome& why) {
    return {cell.line, cell.column, why};
}

} // namespace

Result<ImportPlan> PlanImport(RomImage& rom, Table table, const QList<KeyedRow>& rows,
                              const ImportOptions& options, const Tables& tables) {
    // Read from the image as it stands now, held whole; the saves' own checks still go to `rom`,
    // whose file they will write.
    const auto held = HoldImage(rom);
    if (!held)
        return held.failure();
    RomImage& now = **held;
    ImportPlan result;
    QList<InputError>& errors = result.errors;
    const int nameAt = ColumnOf(table, ColumnKind::Name);
    const int pointerAt = ColumnOf(table, ColumnKind::Pointer);
    const int itemAt = ColumnOf(table, ColumnKind::Item);

    const QList<QStringList> stored = ExportRows(now, table);
    // With names, the pointers as the rows leave them: a rename reaches the text its row points at.
    QList<NameHolder> holders = options.names ? NameHolders(now, tables) : QList<NameHolder>();
    QHash<int, int> lineOfIndex;
    std::vector<EntryEdit> edits;
    std::vector<NameEdit> names;
    for (const KeyedRow& row : rows) {
        auto texts = CheckRow(table, row, &errors);
        if (!texts)
            continue;
        const int index = texts->first().toInt();
        const Cell& indexCell = row.cells[QStringLiteral("index")];
        const QString entry = EntryLabel(table, index);
        Outcome why;
        why.entry = entry;
        if (lineOfIndex.contains(index)) {
            why.fault = RowFault::RepeatedEntry;
            why.line = lineOfIndex[index];
            errors << at(indexCell, why);
            continue;
        }
        lineOfIndex.insert(index, row.line);
        const QStringList& before = stored[index];
        const QString label = QStringLiteral("%1 \"%2\"").arg(entry, TerminalName(before[nameAt]));

        bool renamed = false;
        if ((*texts)[nameAt] != before[nameAt]) {
            const Cell& nameCell = row.cells[Columns(table)[nameAt].name];
            if (options.names) {
                names.push_back({HolderIndex(tables, table, index),
                                 0,
                                 before[nameAt],
                                 (*texts)[nameAt],
                                 nameCell,
                                 false,
                                 {}});
                renamed = true;
            } else {
                why.fault = RowFault::NameNotWritten;
                result.notes << at(nameCell, why);
            }
            (*texts)[nameAt] = before[nameAt];
        }
        if (options.names)
            holders[HolderIndex(tables, table, index)].pointer = *PointerValue((*texts)[pointerAt]);
        bool keepItem = false;
        const Column* item = itemAt >= 0 ? &Columns(table)[itemAt] : nullptr;
        if (item && (*texts)[itemAt].toInt() > item->field->upper()) {
            // The enemy editor keeps an item byte it has no line for; any other value above 113
            // would be an item that does not exist.
            keepItem = (*texts)[itemAt] == before[itemAt];
            if (!keepItem) {
                why.fault = RowFault::NoSuchItem;
                why.text = (*texts)[itemAt];
                why.upper = item->field->upper();
                errors << at(row.cells[item->name], why);
                continue;
            }
        }
        const QStringList changed = ChangedFields(table, before, *texts);
        if (changed.isEmpty() && !renamed)
            continue;

        WritePart plan;
        if (!changed.isEmpty()) {
            if (Outcome refused =
                    PlanEntrySave(rom, *table, index, FormFromRow(table, *texts, keepItem), &plan);
                refused.failed()) {
                errors << InputError{row.line, row.column, refused};
                continue;
            }
            dropUnchanged(now, *table, &plan);
        }
        edits.push_back({label, changed, plan});
        if (renamed)
            names.back().edit = edits.size() - 1;
    }
    if (options.names)
        PlanImportNames(now, names, holders, options.shared, TableRanges(tables), &errors);
    if (!errors.isEmpty())
        return result;

    for (const NameEdit& n : names) {
        QString field = FieldChangeText(QStringLiteral("name"), n.stored, n.text, true);
        if (!n.plan.shared.isEmpty())
            field += QStringLiteral(" (also %1)").arg(SharedNamesText(n.plan.shared));
        edits[n.edit].fields << field;
        result.bytes += int(n.plan.changes.size());
    }
    for (const EntryEdit& e : edits) {
        result.changes << e.label + QStringLiteral(": ") + e.fields.join(QStringLiteral(", "));
        result.entries += 1;
        result.fields += int(e.fields.size());
        result.bytes += int(e.plan.writes.size());
        if (!e.plan.writes.empty())
            result.writes.parts.push_back(e.plan);
    }
    for (const NameEdit& n : names)
        if (!n.plan.changes.empty())
            result.writes.parts.push_back(RenameWrites(n.plan));
    result.writes.madeBy = MadeBy::Import;
    return result;
}
