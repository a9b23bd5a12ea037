#include "cli/tablefile.h"

#include "cli/csv.h"
#include "cli/jsontable.h"
#include "cli/knowntables.h"

#include <QSet>

namespace {

int matches(Table table, const QList<Cell>& header) {
    int count = 0;
    for (const Cell& cell : header)
        for (const Column& c : Columns(table))
            count += cell.text.trimmed().compare(c.name, Qt::CaseInsensitive) == 0;
    return count;
}

QString columnNames(Table table) {
    QStringList names;
    for (const Column& c : Columns(table))
        names << c.name;
    return names.join(QLatin1Char(','));
}

} // namespace

TableInput ReadCsvTable(const QString& text) {
    TableInput input;
    const CsvRecords csv = ReadCsv(text);
    if (csv.error) {
        input.errors << *csv.error;
        return input;
    }
    if (csv.records.isEmpty()) {
        input.errors << InputError{1, 1, {.fault = TableFileFault::TableFileEmpty}};
        return input;
    }
    const QList<Cell>& header = csv.records.first();
    const Table table =
        matches(&EnemyFormat, header) > matches(&ItemFormat, header) ? &EnemyFormat : &ItemFormat;
    if (matches(table, header) == 0) {
        input.errors << InputError{
            1,
            1,
            {.fault = TableFileFault::NoColumnNames,
             .choices = {columnNames(&ItemFormat), columnNames(&EnemyFormat)}}};
        return input;
    }
    input.table = table;

    QStringList names; // the column of each header cell, in the file's order
    QSet<QString> seen;
    for (const Cell& cell : header) {
        QString name;
        for (const Column& c : Columns(table))
            if (cell.text.trimmed().compare(c.name, Qt::CaseInsensitive) == 0)
                name = c.name;
        if (name.isEmpty())
            input.errors << InputError{cell.line,
                                       cell.column,
                                       {.fault = TableFileFault::UnknownColumn,
                                        .text = cell.text,
                                        .table = TableName(table)}};
        else if (seen.contains(name))
            input.errors << InputError{
                cell.line, cell.column, {.fault = TableFileFault::ColumnNamedTwice, .field = name}};
        seen.insert(name);
        names << name;
    }
    for (const Column& c : Columns(table))
        if (!seen.contains(c.name))
            input.errors << InputError{
                1, 1, {.fault = TableFileFault::ColumnMissing, .field = c.name}};
    if (!input.errors.isEmpty())
        return input;

    for (qsizetype r = 1; r < csv.records.size(); ++r) {
        const QList<Cell>& record = csv.records[r];
        KeyedRow row{record.first().line, record.first().column, {}};
        if (record.size() != names.size()) {
            input.errors << InputError{row.line,
                                       row.column,
                                       {.fault = TableFileFault::CellCount,
                                        .count = record.size(),
                                        .expected = names.size()}};
            continue;
        }
        for (qsizetype k = 0; k < record.size(); ++k)
            row.cells.insert(names[k], record[k]);
        input.rows << row;
    }
    return input;
}

TableInput ReadTableInput(const QByteArray& content) {
    // Spreadsheets often put a byte order mark in front of UTF-8.
    const QByteArray bytes = content.startsWith("\xEF\xBB\xBF") ? content.mid(3) : content;
    if (bytes.trimmed().startsWith('{'))
        return ReadJsonTable(bytes);
    return ReadCsvTable(QString::fromUtf8(bytes));
}
