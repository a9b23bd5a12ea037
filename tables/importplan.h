#pragma once

#include "tables/tablerows.h"
#include "tables/transaction.h"

#include <QList>
#include <QStringList>

struct ImportOptions {
    bool names = false;  // write the name cells that differ, by the rules of the rename command
    bool shared = false; // a new name may change other entries that read the same text
};

// What an import of a table file's rows would do.
struct ImportPlan {
    QList<InputError> errors; // every bad row and cell; with any, nothing may be written
    QList<InputError> notes;  // edited names left unwritten without --names
    QStringList changes;      // one line per entry that changes: item 5 "Name": KEY OLD -> NEW, ...
    int entries = 0;
    int fields = 0;
    int bytes = 0;
    // The fields that differ, each entry in the order its editor writes it, then the names in the
    // order of the rows, each expecting the bytes it was planned from.
    Transaction writes;
};

// Checks every row and cell of a table file made by the export, and gives each row that differs
// from the image to the editors' own save checks, and with `names` each name that differs to the
// name writer. `tables` are all the image's tables, whose names a rename may reach. The plan reads
// the image whole, once; when it cannot, that failure is the result and nothing is planned.
Result<ImportPlan> PlanImport(RomImage& rom, Table table, const QList<KeyedRow>& rows,
                              const ImportOptions& options, const Tables& tables);
