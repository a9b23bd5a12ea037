#include "tables/importnames.h"

#include <QHash>

void PlanImportNames(RomImage& rom, std::vector<NameEdit>& names, const QList<NameHolder>& holders,
                     bool shared, const QList<ProtectedRange>& kept, QList<InputError>* errors) {
    QHash<QString, QString> asked;
    for (const NameEdit& n : names)
        asked.insert(holders[n.holder].entry, n.text);
    NameBytes pending;
    for (NameEdit& n : names) {
        const NameHolder& holder = holders[n.holder];
        const auto error = [&](const Outcome& why) {
            errors->append({n.cell.line, n.cell.column, why});
        };
        if (Outcome refused = PlanRename(rom, holder, n.text, holders, pending, kept, &n.plan);
            refused.failed()) {
            error(refused);
            continue;
        }
        Outcome unasked;
        for (const SharedName& s : n.plan.shared)
            if (!asked.contains(s.entry) || asked[s.entry] != s.after)
                unasked.names << s;
        if (!unasked.names.isEmpty() && !shared) {
            unasked.fault = RowFault::SharedName;
            unasked.entry = holder.entry;
            unasked.text = n.text;
            error(unasked);
            continue;
        }
        for (const auto& [at, value] : n.plan.changes)
            pending[at] = value;
        n.planned = true;
    }
    for (const NameEdit& n : names) {
        const NameHolder& holder = holders[n.holder];
        const QString final = NameOnceWritten(rom, holder.pointer, pending);
        if (n.planned && final != n.text) {
            Outcome why;
            why.fault = RowFault::NameWouldRead;
            why.entry = holder.entry;
            why.otherName = final;
            why.text = n.text;
            errors->append({n.cell.line, n.cell.column, why});
        }
    }
}

Outcome PlanEntryRename(RomImage& rom, const Tables& tables, Table table, int index,
                        const QString& text, RenamePlan* plan) {
    const QList<NameHolder> holders = NameHolders(rom, tables);
    return PlanRename(rom, holders[HolderIndex(tables, table, index)], text, holders, {},
                      TableRanges(tables), plan);
}
