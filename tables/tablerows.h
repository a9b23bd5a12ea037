#pragma once

#include "rom/romimage.h"
#include "tables/cell.h"
#include "tables/namewriter.h"
#include "tables/recordfield.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <optional>
#include <utility>

// The tables as rows of text, one per entry, and the way back from a row to what the editors'
// saves take. The columns come from the tables' field descriptions: the index and the name, then
// one column per field, named by its key, an item's name behind the item. Their names and order
// are fixed: files made by one version read in the next.

// A table, by its description. The tables an image holds are described where their records are;
// what spans all of them takes them as a list, in the order files and messages list them.
using Table = const TableFormat*;
using Tables = QList<Table>;

// A field's column has the kind of its field.
enum class ColumnKind {
    Number = int(FieldKind::Number),   // a whole number from 0 to the column's upper bound
    Flag = int(FieldKind::Flag),       // 0 or 1
    Pointer = int(FieldKind::Pointer), // the name pointer, hexadecimal as the editors show it
    Item = int(FieldKind::Item),       // the enemy's item number
    Index,                             // the entry's index, decimal
    Name,                              // the name read through the pointer: shown, never written
    ItemName,                          // that item's name: shown, never written
};

struct Column {
    QString name;
    ColumnKind kind;
    qint32 upper = 0;
    const RecordField* field = nullptr; // the field the column shows, for all but index and name
    // How the patch notes head it, a FieldCaption text: its field's heading, or the name's.
    const char* heading = nullptr;
};

QString TableName(Table table);                              // "items", "enemies"
Table TableNamed(const Tables& tables, const QString& name); // null for no such table
const QList<Column>& Columns(Table table);
// The position of the first column of that kind, or -1 when the table has none.
int ColumnOf(Table table, ColumnKind kind);
int EntryCount(Table table);
// "item 5", "enemy 57": how messages name an entry.
QString EntryLabel(Table table, int index);

// Every entry as the editors show it, in column order.
QList<QStringList> ExportRows(RomImage& rom, Table table);

// Every entry of the tables with the name pointer it holds now, in the tables' order: whose names
// a rename may change. HolderIndex gives an entry's place in that list.
QList<NameHolder> NameHolders(RomImage& rom, const Tables& tables);
int HolderIndex(const Tables& tables, Table table, int index);
// The tables' records, which no name may be written into.
QList<ProtectedRange> TableRanges(const Tables& tables);

// One row of an input file: its cells by column name and where the row starts.
struct KeyedRow {
    int line = 1;
    int column = 1;
    QHash<QString, Cell> cells;
};

// Checks every cell of `row` against its column and gives the texts in column order, each number
// and pointer in the form ExportRows writes it (" 7" and "7.0" give "7", "8a0f" gives "8A0F"), the
// name columns as they were given. An item number is taken from 0 to 255 here: whether one above
// 113 may stand depends on what the image holds. Nothing when a cell is bad, with one error per
// bad cell appended.
std::optional<QStringList> CheckRow(Table table, const KeyedRow& row, QList<InputError>* errors);

// What the editors' saves take, from the texts CheckRow gave. `keepItem` leaves the stored item
// byte as it is, as the enemy editor does for one above 113.
EntryForm FormFromRow(Table table, const QStringList& texts, bool keepItem);

// "KEY OLD -> NEW" for each column but the index and the item name whose text differs.
QStringList ChangedFields(Table table, const QStringList& before, const QStringList& after);

// How diff, import and history print one changed field: "hp 78 -> 1023", or with `quoted` (a
// name) `name "Old" -> "New"`; and an entry with its changed fields: `enemy 12 "Moushmo": hp 78
// -> 1023, gold 5 -> 6`.
QString FieldChangeText(const QString& key, const QString& before, const QString& after,
                        bool quoted);
QString EntryChangesText(const QString& entry, const QString& name, const QStringList& fields);
