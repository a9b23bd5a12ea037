#pragma once

#include "batch/batcherror.h"
#include "batch/sandbox.h"
#include "tables/gridedits.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

// Batches in Lua over the tables' unsaved edits: an expression that chooses entries, assignments
// made to each chosen entry, and whole scripts over both tables. An entry's fields are numbers
// named as export names its columns, its flags booleans; `index` and `name` are read only. A value
// that is not a whole number is rounded half to even, as the editors' Save rounds. Each run is
// checked whole: a value out of range, no number, or a field that does not exist stops it, and
// then nothing of it is taken.

struct BatchOptions {
    bool clamp = false; // pull a value out of range to its nearest bound instead of refusing it
    BatchLimits limits;
    std::function<void(const QString&)> print; // where print() writes, one line a call
};

// One value a batch changed: `field` of entry `row` of the `table`th table given.
struct BatchChange {
    int table = 0;
    int row = 0;
    int field = 0;
    qint32 value = 0;
};

struct BatchRun {
    BatchError error;
    std::vector<ClampedValue> clamped;
    std::vector<BatchChange> changes; // in table, entry and field order; none after an error
};

// The entries among `rows` of `edits`' table for which `where` holds (any value but false and
// nil), in their order; an empty `where` holds for all.
struct WhereRun {
    BatchError error;
    std::vector<int> rows;
};
WhereRun RunWhere(const GridEdits& edits, const std::vector<int>& rows, const QString& where,
                  const BatchOptions& options = {});

// `set`, assignments to one entry's fields, made to every entry among `rows` for which `where`
// holds.
BatchRun RunEdit(const GridEdits& edits, const std::vector<int>& rows, const QString& where,
                 const QString& set, const BatchOptions& options = {});

// A script that sees each table of `tables` under its name (`items`, `enemies`), indexed from 0
// as the game numbers the entries. `file` names it in errors.
BatchRun RunScript(const std::vector<const GridEdits*>& tables, const QByteArray& script,
                   const QString& file, const BatchOptions& options = {});

// Takes a run's changes into the edits they were made over, `tables` in the order the run had them.
void TakeChanges(const BatchRun& run, const std::vector<GridEdits*>& tables);
