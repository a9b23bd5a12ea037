#pragma once

#include "cli/tablefile.h"
#include "tables/tablerows.h"

#include <QByteArray>

// {"table": "items", "columns": [...], "entries": [{...}, ...]}: one object per entry, keyed by
// column name; numbers and flags as JSON numbers, names and pointers as texts.
QByteArray WriteJsonTable(Table table, const QList<QStringList>& rows);

// Reads such a document. Numbers, texts, true and false and null are taken as the cell's text
// ("7", "8A0F", "true", ""), to be checked like a CSV cell; "columns" is not needed.
TableInput ReadJsonTable(const QByteArray& content);
