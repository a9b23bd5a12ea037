#pragma once

#include "rom/historyformat.h"
#include "rom/romimage.h"
#include "tables/tablerows.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Every field and name of an image that differs from its original, and what the editors mark of
// them.

// One field, or an entry's name text, whose value now differs from the original.
struct NetChange {
    Table table = nullptr;
    int index = 0;
    int column = 0;   // in Columns(table): the name column, or a field's
    QString name;     // the entry's name now
    QString original; // as export writes it
    QString current;
    QString originalItem; // an item field's item names, as export's item_name column writes them
    QString currentItem;
    std::vector<quint32> saves; // the done records that changed it, oldest first
};

// Every field and name that differs between `original` and `now`, in table order, each entry's
// name first, then its fields.
QList<NetChange> NetChanges(RomImage& now, RomImage& original, const Tables& tables);

// Fills in the records of `records` that changed each of `changes`: a field's bits, or for a name
// a byte of its text as either image reads it, or the entry's pointer.
void FindSaves(QList<NetChange>& changes, RomImage& now, RomImage& original,
               const std::vector<HistoryRecord>& records);

// Whether each entry of `table` has a change, and its fields' original texts: what the editors
// mark. Built from NetChanges for one table.
struct EntryMarks {
    // Per field of the table, in its order: the original text, or empty where it is unchanged.
    QStringList originals;
    // The entry's name text in the original, where it now reads otherwise.
    std::optional<QString> originalName;
    bool changed = false;
};
std::vector<EntryMarks> MarksOf(const QList<NetChange>& changes, Table table);
