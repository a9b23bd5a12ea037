#include "cli/importnames.h"

#include <QHash>

void PlanImportNames(RomImage& rom, std::vector<NameEdit>& names, const QList<NameHolder>& holders,
                     bool shared, const QList<ProtectedRange>& kept, QList<InputError>* errors) {
    QHash<QString, QString> asked;
    for (const NameEdit& n : names)
        asked.insert(holders[n.holder].entry, n.text);
    NameBytes pending;
    for (NameEdit& n : names) {
        const NameHolder& holder = holders[n.holder];
        const auto error = [&](const QString& reason) {
            errors->append({n.cell.line, n.cell.column, reason});
        };
        if (auto refused = PlanRename(rom, holder, n.text, holders, pending, kept, &n.plan)) {
            error(QStringLiteral("cannot write the name of %1: %2").arg(holder.entry, *refused));
            continue;
        }
        QList<SharedName> unasked;
        for (const SharedName& s : n.plan.shared)
            if (!asked.contains(s.entry) || asked[s.entry] != s.after)
                unasked << s;
        if (!unasked.isEmpty() && !shared) {
            error(QStringLiteral("the name text of %1 is shared: writing \"%2\" would also change "
                                 "%3; give --shared to allow it")
                      .arg(holder.entry, n.text, SharedNamesText(unasked)));
            continue;
        }
        for (const auto& [at, value] : n.plan.changes)
            pending[at] = value;
        n.planned = true;
    }
    for (const NameEdit& n : names) {
        const NameHolder& holder = holders[n.holder];
        const QString final = NameOnceWritten(rom, holder.pointer, pending);
        if (n.planned && final != n.text)
            errors->append({n.cell.line, n.cell.column,
                            QStringLiteral("the name of %1 would read \"%2\" once the other names "
                                           "of this file are written, not \"%3\"")
                                .arg(holder.entry, final, n.text)});
    }
}
