#pragma once

#include "tables/cell.h"
#include "tables/namewriter.h"
#include "tables/tablerows.h"

#include <vector>

// A name cell of an import that differs from the name the image shows.
struct NameEdit {
    int holder = 0;  // the entry's place among the name holders
    size_t edit = 0; // the importer's record of the same row
    QString stored;  // the name the image showed
    QString text;    // the cell
    Cell cell;
    bool planned = false;
    RenamePlan plan;
};

// Plans the renames of one import in row order, each over the ones before it, with `holders` as
// the rows leave the pointers. A rename may change another entry's name only with `shared`, or
// where that entry's own row asks for the very name it gets. Once all are planned, every renamed
// row must read the name its cell gives: with `shared` a later rename could change an earlier one.
// No name is written into `kept`. Each refusal is appended to `errors` at the name's cell.
void PlanImportNames(RomImage& rom, std::vector<NameEdit>& names, const QList<NameHolder>& holders,
                     bool shared, const QList<ProtectedRange>& kept, QList<InputError>* errors);

// Plans writing `text` as the name of entry `index` of `table`, whose text the entries of all
// `tables` may share; no byte of any table's records is written. Planned over the image held
// whole (HoldImage), whose reads cannot fail.
Outcome PlanEntryRename(RomImage& rom, const Tables& tables, Table table, int index,
                        const QString& text, RenamePlan* plan);
