#include "cli/importer.h"

#include "cli/imagewrite.h"
#include "cli/importnames.h"
#include "cli/tablefile.h"
#include "fields/numbertext.h"
#include "rom/modstuff.h"
#include "rom/writeplan.h"

#include <QHash>

#include <vector>

namespace {

// Drops the writes whose bytes the file already holds: only what differs is written.
void dropUnchanged(RomImage& rom, WritePlan* plan) {
    std::vector<PlannedWrite> kept;
    for (const PlannedWrite& w : plan->writes) {
        const qint32 stored =
            w.width == 2 ? modStuff::ReadWord(rom, w.offset) : modStuff::ReadByte(rom, w.offset);
        if (stored != w.value)
            kept.push_back(w);
    }
    plan->writes = kept;
}

// What one row changes.
struct EntryEdit {
    QString label;      // item 5 "Bread"
    QStringList fields; // "KEY OLD -> NEW", one per field that changes
    WritePlan plan;     // the writes of the fields that differ
};

} // namespace

ImportResult ImportTable(RomImage& rom, const QString& fileName, const QByteArray& content,
                         const ImportOptions& options) {
    ImportResult result;
    QList<InputError> errors;
    const TableInput input = ReadTableInput(content);
    errors << input.errors;
    const auto report = [&] {
        for (const InputError& e : errors)
            result.errors << FormatInputError(fileName, e);
        return result;
    };
    if (!input.table)
        return report();
    const Table table = *input.table;
    const int nameAt = ColumnOf(table, ColumnKind::Name);
    const int pointerAt = ColumnOf(table, ColumnKind::Pointer);
    const int itemAt = ColumnOf(table, ColumnKind::Item);

    const QList<QStringList> stored = ExportRows(rom, table);
    // With names, the pointers as the rows leave them: a rename reaches the text its row points at.
    QList<NameHolder> holders = options.names ? NameHolders(rom) : QList<NameHolder>();
    QHash<int, int> lineOfIndex;
    std::vector<EntryEdit> edits;
    std::vector<NameEdit> names;
    for (const KeyedRow& row : input.rows) {
        auto texts = CheckRow(table, row, &errors);
        if (!texts)
            continue;
        const int index = texts->first().toInt();
        const Cell& indexCell = row.cells[QStringLiteral("index")];
        const QString entry = EntryLabel(table, index);
        if (lineOfIndex.contains(index)) {
            errors << InputError{indexCell.line, indexCell.column,
                                 QStringLiteral("%1 is already given on line %2")
                                     .arg(entry, QString::number(lineOfIndex[index]))};
            continue;
        }
        lineOfIndex.insert(index, row.line);
        const QStringList& before = stored[index];
        const QString label = QStringLiteral("%1 \"%2\"").arg(entry, before[nameAt]);

        bool renamed = false;
        if ((*texts)[nameAt] != before[nameAt]) {
            const Cell& nameCell = row.cells[Columns(table)[nameAt].name];
            if (options.names) {
                names.push_back({HolderIndex(table, index),
                                 0,
                                 before[nameAt],
                                 (*texts)[nameAt],
                                 nameCell,
                                 false,
                                 {}});
                renamed = true;
            } else {
                result.notes << FormatInputError(
                    fileName,
                    {nameCell.line, nameCell.column,
                     QStringLiteral("the name of %1 is not written; give --names to write it")
                         .arg(entry)});
            }
            (*texts)[nameAt] = before[nameAt];
        }
        if (options.names)
            holders[HolderIndex(table, index)].pointer = *PointerValue((*texts)[pointerAt]);
        bool keepItem = false;
        const Column* item = itemAt >= 0 ? &Columns(table)[itemAt] : nullptr;
        if (item && (*texts)[itemAt].toInt() > item->field->upper()) {
            // The enemy editor keeps an item byte it has no line for; any other value above 113
            // would be an item that does not exist.
            keepItem = (*texts)[itemAt] == before[itemAt];
            if (!keepItem) {
                const Cell& itemCell = row.cells[item->name];
                errors << InputError{
                    itemCell.line, itemCell.column,
                    QStringLiteral("there is no item %1; items run from 0 to %2")
                        .arg((*texts)[itemAt], QString::number(item->field->upper()))};
                continue;
            }
        }
        const QStringList changed = ChangedFields(table, before, *texts);
        if (changed.isEmpty() && !renamed)
            continue;

        WritePlan plan;
        if (!changed.isEmpty()) {
            const auto refused = PlanEntrySave(rom, FormatOf(table), index,
                                               FormFromRow(table, *texts, keepItem), &plan);
            if (refused) {
                errors << InputError{
                    row.line, row.column,
                    QString(*refused).replace(QLatin1Char('\n'), QLatin1Char(' '))};
                continue;
            }
            dropUnchanged(rom, &plan);
        }
        edits.push_back({label, changed, plan});
        if (renamed)
            names.back().edit = edits.size() - 1;
    }
    if (options.names)
        PlanImportNames(rom, names, holders, options.shared, TableRanges(), &errors);
    if (!errors.isEmpty())
        return report();

    for (const NameEdit& n : names) {
        QString field = QStringLiteral("name \"%1\" -> \"%2\"").arg(n.stored, n.text);
        if (!n.plan.shared.isEmpty())
            field += QStringLiteral(" (also %1)").arg(SharedNamesText(n.plan.shared));
        edits[n.edit].fields << field;
        result.bytes += int(n.plan.changes.size());
    }
    for (const EntryEdit& e : edits) {
        result.changes << e.label + QStringLiteral(": ") + e.fields.join(QStringLiteral(", "));
        result.entries += 1;
        result.fields += int(e.fields.size());
        for (const PlannedWrite& w : e.plan.writes)
            result.bytes += w.width;
    }
    if (options.dryRun)
        return result;

    // The fields of every row, then the names in the order they were planned, each over the ones
    // before it.
    std::vector<WritePlan> plans;
    for (const EntryEdit& e : edits)
        plans.push_back(e.plan);
    for (const NameEdit& n : names)
        plans.push_back(RenameWrites(n.plan));
    for (size_t k = 0; k < plans.size(); ++k) {
        if (plans[k].writes.empty())
            continue;
        const auto failed = RunPlan(rom, plans[k]);
        if (!failed) {
            result.written << plans[k].entry;
            continue;
        }
        result.errors << failed->message;
        result.writeFailed = true;
        if (failed->fileChanged) {
            result.written << QStringLiteral("part of ") + plans[k].entry;
            result.notWritten << QStringLiteral("the rest of ") + plans[k].entry;
        } else {
            result.notWritten << plans[k].entry;
        }
        for (size_t j = k + 1; j < plans.size(); ++j)
            if (!plans[j].writes.empty())
                result.notWritten << plans[j].entry;
        return result;
    }
    return result;
}
