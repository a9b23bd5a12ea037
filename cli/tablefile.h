#pragma once

#include "tables/tablerows.h"

#include <QByteArray>

// An import file read into rows by column name, before any cell is checked. A file whose first
// character (after a byte order mark and blanks) is "{" is JSON, any other CSV.
struct TableInput {
    Table table = nullptr;
    QList<KeyedRow> rows;
    QList<InputError> errors; // the file's shape: header, cell count, syntax
};

TableInput ReadTableInput(const QByteArray& content);

// The most an import file may hold. An export of a real image is far below it (the demo's item
// table takes 6 KiB; an image whose every name runs to its limit of 32767 characters, 3.7 MB),
// and reading takes memory and time in proportion to the file, some 160 bytes for each of its
// bytes at the most: a larger file is no table of this game.
inline constexpr qint64 MaxTableFileBytes = qint64(8) << 20;

// CSV: the first line names the columns, in any order, each once; the table is the one whose
// column names they are. Every further line is one entry with as many cells as there are names.
TableInput ReadCsvTable(const QString& text);
