#include "tables/tablediff.h"

#include <algorithm>

QStringList TableDifferences(RomImage& a, RomImage& b, const Tables& tables) {
    QStringList lines;
    for (const Table table : tables) {
        const QList<QStringList> before = ExportRows(a, table);
        const QList<QStringList> after = ExportRows(b, table);
        const int name = ColumnOf(table, ColumnKind::Name);
        for (int i = 0; i < EntryCount(table); ++i) {
            const QStringList changed = ChangedFields(table, before[i], after[i]);
            if (!changed.isEmpty())
                lines << EntryChangesText(EntryLabel(table, i), before[i][name], changed);
        }
    }
    return lines;
}

ChangedBytes CountChangedBytes(const QByteArray& a, const QByteArray& b, const Tables& tables) {
    const auto inTables = [&](qint64 offset) {
        for (const Table f : tables) {
            if (offset >= f->offset && offset < f->offset + qint64(f->count) * f->size)
                return true;
        }
        return false;
    };
    ChangedBytes counts;
    const qint64 common = std::min(a.size(), b.size());
    for (qint64 i = 0; i < std::max(a.size(), b.size()); ++i)
        if (i >= common || a.at(i) != b.at(i))
            ++(inTables(i) ? counts.inside : counts.outside);
    return counts;
}
