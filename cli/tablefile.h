#pragma once

#include "cli/tablerows.h"

#include <QByteArray>

// An import file read into rows by column name, before any cell is checked. A file whose first
// character (after a byte order mark and blanks) is "{" is JSON, any other CSV.
struct TableInput {
    std::optional<Table> table;
    QList<KeyedRow> rows;
    QList<InputError> errors; // the file's shape: header, cell count, syntax
};

TableInput ReadTableInput(const QByteArray& content);

// CSV: the first line names the columns, in any order, each once; the table is the one whose
// column names they are. Every further line is one entry with as many cells as there are names.
TableInput ReadCsvTable(const QString& text);
