#pragma once

#include "tables/cell.h"

#include <QList>
#include <QStringList>

#include <optional>

// RFC 4180 text: fields separated by commas, records ended by CRLF. A field that holds a comma, a
// quote, CR or LF is quoted and its quotes doubled; any other field is written as it is.
QString CsvField(const QString& text);
QString WriteCsv(const QList<QStringList>& records);

// Reads RFC 4180 text; bare LF and CR line ends are accepted too, as spreadsheets write them. Lines
// without a single character are skipped. Every cell keeps where it starts, for messages; a quote
// left open or a stray quote ends the reading with an error.
struct CsvRecords {
    QList<QList<Cell>> records;
    std::optional<InputError> error;
};
CsvRecords ReadCsv(const QString& text);
