#include "cli/importer.h"

#include "cli/tablefile.h"
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

} // namespace

ImportResult ImportTable(RomImage& rom, const QString& fileName, const QByteArray& content,
                         bool dryRun) {
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
    const int itemAt = ColumnOf(table, ColumnKind::Item);

    const QList<QStringList> stored = ExportRows(rom, table);
    QHash<int, int> lineOfIndex;
    std::vector<WritePlan> plans;
    for (const KeyedRow& row : input.rows) {
        auto texts = CheckRow(table, row, &errors);
        if (!texts)
            continue;
        const int index = texts->first().toInt();
        const Cell& indexCell = row.cells[QStringLiteral("index")];
        if (lineOfIndex.contains(index)) {
            errors << InputError{indexCell.line, indexCell.column,
                                 QStringLiteral("%1 is already given on line %2")
                                     .arg(EntryLabel(table, index))
                                     .arg(lineOfIndex[index])};
            continue;
        }
        lineOfIndex.insert(index, row.line);
        const QStringList& before = stored[index];
        const QString label =
            QStringLiteral("%1 \"%2\"").arg(EntryLabel(table, index), before[nameAt]);

        if ((*texts)[nameAt] != before[nameAt]) {
            const Cell& nameCell = row.cells[Columns(table)[nameAt].name];
            result.notes << FormatInputError(
                fileName, {nameCell.line, nameCell.column,
                           QStringLiteral("the name of %1 is not written; to rename it, point it "
                                          "at other name text")
                               .arg(EntryLabel(table, index))});
            (*texts)[nameAt] = before[nameAt];
        }
        bool keepItem = false;
        if (itemAt >= 0 && (*texts)[itemAt].toInt() > HighestItem) {
            // The enemy editor keeps an item byte it has no line for; any other value above 113
            // would be an item that does not exist.
            keepItem = (*texts)[itemAt] == before[itemAt];
            if (!keepItem) {
                const Cell& itemCell = row.cells[QStringLiteral("item")];
                errors << InputError{itemCell.line, itemCell.column,
                                     QStringLiteral("there is no item %1; items run from 0 to %2")
                                         .arg((*texts)[itemAt])
                                         .arg(HighestItem)};
                continue;
            }
        }
        const QStringList changed = ChangedFields(table, before, *texts);
        if (changed.isEmpty())
            continue;

        WritePlan plan;
        const auto refused =
            table == Table::Items
                ? PlanItemSave(rom, index, ItemFormFromRow(*texts), &plan)
                : PlanEnemySave(rom, index, EnemyFormFromRow(*texts, keepItem), &plan);
        if (refused) {
            errors << InputError{row.line, row.column,
                                 QString(*refused).replace(QLatin1Char('\n'), QLatin1Char(' '))};
            continue;
        }
        dropUnchanged(rom, &plan);
        result.changes << label + QStringLiteral(": ") + changed.join(QStringLiteral(", "));
        result.entries += 1;
        result.fields += int(changed.size());
        for (const PlannedWrite& w : plan.writes)
            result.bytes += w.width;
        plans.push_back(plan);
    }
    if (!errors.isEmpty() || dryRun)
        return report();

    for (const WritePlan& plan : plans) {
        if (plan.writes.empty())
            continue;
        if (const auto failed = ExecutePlan(rom, plan)) {
            result.errors << *failed;
            result.writeFailed = true;
            return result;
        }
    }
    return result;
}
