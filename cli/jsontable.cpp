#include "cli/jsontable.h"

#include "cli/jsonplaces.h"
#include "cli/knowntables.h"
#include "fields/numbertext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const QString EntriesKey = QStringLiteral("entries");

bool isNumeric(ColumnKind kind) {
    return kind == ColumnKind::Index || kind == ColumnKind::Number || kind == ColumnKind::Flag ||
           kind == ColumnKind::Item;
}

std::optional<QString> cellText(const QJsonValue& v) {
    switch (v.type()) {
    case QJsonValue::String:
        return v.toString();
    case QJsonValue::Double:
        return CanonicalNumberText(v.toDouble());
    case QJsonValue::Bool:
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Null:
        return QString();
    default:
        return std::nullopt;
    }
}

InputError errorAt(const JsonPlace& p, Outcome why) {
    return {p.line, p.column, std::move(why)};
}

} // namespace

QByteArray WriteJsonTable(Table table, const QList<QStringList>& rows) {
    const QList<Column>& columns = Columns(table);
    QJsonArray names, entries;
    for (const Column& c : columns)
        names.append(c.name);
    for (const QStringList& row : rows) {
        QJsonObject entry;
        for (qsizetype k = 0; k < columns.size(); ++k)
            entry.insert(columns[k].name, isNumeric(columns[k].kind) ? QJsonValue(row[k].toInt())
                                                                     : QJsonValue(row[k]));
        entries.append(entry);
    }
    QJsonObject document;
    document.insert(QStringLiteral("table"), TableName(table));
    document.insert(QStringLiteral("columns"), names);
    document.insert(EntriesKey, entries);
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

TableInput ReadJsonTable(const QByteArray& content) {
    TableInput input;
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(content, &parse);
    if (parse.error != QJsonParseError::NoError) {
        input.errors << errorAt(PlaceOfOffset(content, parse.offset),
                                {.fault = TableFileFault::JsonSyntax, .jsonError = parse.error});
        return input;
    }
    const JsonLayout layout = LocateJson(content, EntriesKey);
    for (const auto& [key, at] : layout.top.repeated)
        input.errors << errorAt(at, {.fault = TableFileFault::JsonKeyTwice, .text = key});
    if (!input.errors.isEmpty())
        return input;
    const QJsonObject top = document.object();
    const QString tableName = top.value(QStringLiteral("table")).toString();
    input.table = TableNamed(KnownTables(), tableName);
    if (!input.table) {
        input.errors << errorAt(layout.top.values.value(QStringLiteral("table"), layout.top.at),
                                {.fault = TableFileFault::JsonNoTable});
        return input;
    }
    if (!top.value(EntriesKey).isArray()) {
        input.errors << errorAt(layout.top.values.value(EntriesKey, layout.top.at),
                                {.fault = TableFileFault::JsonNoEntries});
        return input;
    }
    const QJsonArray entries = top.value(EntriesKey).toArray();
    const QList<Column>& columns = Columns(input.table);
    for (qsizetype k = 0; k < entries.size(); ++k) {
        const JsonMembers places = layout.elements.value(k);
        if (!entries[k].isObject()) {
            input.errors << errorAt(places.at, {.fault = TableFileFault::JsonEntryNotObject});
            continue;
        }
        const QJsonObject entry = entries[k].toObject();
        KeyedRow row{places.at.line, places.at.column, {}};
        bool bad = !places.repeated.isEmpty();
        for (const auto& [key, at] : places.repeated)
            input.errors << errorAt(at, {.fault = TableFileFault::JsonCellTwice, .field = key});
        for (auto it = entry.begin(); it != entry.end(); ++it) {
            const bool known = std::any_of(columns.begin(), columns.end(),
                                           [&](const Column& c) { return c.name == it.key(); });
            const JsonPlace at = places.values.value(it.key(), places.at);
            const auto text = cellText(it.value());
            if (!known)
                input.errors << errorAt(
                    places.keys.value(it.key(), places.at),
                    {.fault = TableFileFault::UnknownColumn, .text = it.key(), .table = tableName});
            else if (!text)
                input.errors << errorAt(at,
                                        {.fault = TableFileFault::JsonCellType, .field = it.key()});
            else
                row.cells.insert(it.key(), Cell{*text, at.line, at.column});
            bad = bad || !known || !text;
        }
        for (const Column& c : columns)
            if (!entry.contains(c.name)) {
                input.errors << errorAt(places.at,
                                        {.fault = TableFileFault::ColumnMissing, .field = c.name});
                bad = true;
            }
        if (!bad)
            input.rows << row;
    }
    return input;
}
