#include "cli/tablerows.h"

#include "enemies/enemyrecord.h"
#include "fields/numbertext.h"
#include "items/itemnames.h"
#include "items/itemrecord.h"

namespace {

QList<Column> columnsOf(const TableFormat& format) {
    QList<Column> columns = {{QStringLiteral("index"), ColumnKind::Index},
                             {QStringLiteral("name"), ColumnKind::Name}};
    for (const RecordField& f : format.fields) {
        // An item column takes any byte: whether one above HighestItem may stand depends on what
        // the image holds.
        const bool item = f.kind == FieldKind::Item;
        const QString key = QLatin1String(f.key);
        columns << Column{key, ColumnKind(f.kind), item ? 255 : f.upper(), &f};
        if (item)
            columns << Column{key + QStringLiteral("_name"), ColumnKind::ItemName, 0, &f};
    }
    return columns;
}

QString flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString number(qint32 value) {
    return QString::number(value);
}

bool isHexDigits(const QString& text) {
    if (text.isEmpty() || text.size() > 4)
        return false;
    for (const QChar c : text)
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) &&
            !(c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F')))
            return false;
    return true;
}

// The cell's text in the form ExportRows writes, or the reason it cannot be taken.
std::optional<QString> checkCell(const Column& c, Table table, const QString& raw, QString* why) {
    const QString text = raw.trimmed();
    switch (c.kind) {
    case ColumnKind::Name:
    case ColumnKind::ItemName:
        return raw;
    case ColumnKind::Index: {
        bool ok = false;
        const int index = text.toInt(&ok);
        if (ok && index >= 0 && index < EntryCount(table) && !text.startsWith(QLatin1Char('+')))
            return number(index);
        *why = QStringLiteral("the index \"%1\" is not a whole number from 0 to %2")
                   .arg(raw, QString::number(EntryCount(table) - 1));
        return std::nullopt;
    }
    case ColumnKind::Pointer:
        // Stricter than the editors' field, which reads "12G4" as 12: a typing slip in a file
        // would otherwise point a name at the wrong text without a word.
        if (isHexDigits(text))
            return PointerText(*PointerValue(text));
        *why = QStringLiteral("the pointer \"%1\" is not one to four hexadecimal digits").arg(raw);
        return std::nullopt;
    case ColumnKind::Flag:
        if (text == QLatin1String("0") ||
            text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return flag(false);
        if (text == QLatin1String("1") ||
            text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return flag(true);
        *why = QStringLiteral("the %1 flag \"%2\" is neither 0 nor 1").arg(c.name, raw);
        return std::nullopt;
    case ColumnKind::Number:
    case ColumnKind::Item:
        if (const auto value = FieldValue(text, c.upper))
            return number(*value);
        *why = QStringLiteral("the %1 \"%2\" is not a number from 0 to %3")
                   .arg(c.name, raw, QString::number(c.upper));
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

QString TableName(Table table) {
    return table == Table::Items ? QStringLiteral("items") : QStringLiteral("enemies");
}

std::optional<Table> TableNamed(const QString& name) {
    for (const Table t : {Table::Items, Table::Enemies})
        if (name == TableName(t))
            return t;
    return std::nullopt;
}

const TableFormat& FormatOf(Table table) {
    return table == Table::Items ? ItemFormat : EnemyFormat;
}

const QList<Column>& Columns(Table table) {
    static const QList<Column> items = columnsOf(ItemFormat);
    static const QList<Column> enemies = columnsOf(EnemyFormat);
    return table == Table::Items ? items : enemies;
}

int ColumnOf(Table table, ColumnKind kind) {
    const QList<Column>& columns = Columns(table);
    for (int k = 0; k < columns.size(); ++k)
        if (columns[k].kind == kind)
            return k;
    return -1;
}

int EntryCount(Table table) {
    return FormatOf(table).count;
}

QString EntryLabel(Table table, int index) {
    return FormatOf(table).label(index);
}

QList<ProtectedRange> TableRanges() {
    QList<ProtectedRange> ranges;
    for (const Table table : {Table::Items, Table::Enemies}) {
        const TableFormat& f = FormatOf(table);
        ranges << ProtectedRange{f.offset, qint64(f.size) * f.count, [&f](qint64 at) {
                                     const int index = int((at - f.offset) / f.size);
                                     return QStringLiteral("%1's record at %2")
                                         .arg(f.label(index), HexOffset(f.entryOffset(index)));
                                 }};
    }
    return ranges;
}

QList<QStringList> ExportRows(RomImage& rom, Table table) {
    const TableFormat& format = FormatOf(table);
    // The enemy editor's item list: "<nothing>" at 0, no line at all above HighestItem.
    const QStringList itemLines =
        format.fieldOf(FieldKind::Item) ? ItemChoices(BuildItemNames(rom)) : QStringList();
    rom.refresh();
    const RecordField& pointer = *format.fieldOf(FieldKind::Pointer);
    QList<QStringList> rows;
    for (int i = 0; i < format.count; ++i) {
        const QByteArray entry = rom.bytes(format.entryOffset(i), format.size);
        QStringList row{number(i), format.readName(rom, pointer.valueIn(entry))};
        for (const RecordField& f : format.fields) {
            row << FieldText(f, f.valueIn(entry));
            if (f.kind == FieldKind::Item)
                row << itemLines.value(f.valueIn(entry));
        }
        rows << row;
    }
    return rows;
}

QList<NameHolder> NameHolders(RomImage& rom) {
    rom.refresh();
    QList<NameHolder> holders;
    for (const Table table : {Table::Items, Table::Enemies}) {
        const TableFormat& f = FormatOf(table);
        const RecordField& pointer = *f.fieldOf(FieldKind::Pointer);
        for (int i = 0; i < f.count; ++i)
            holders << NameHolder{f.label(i), pointer.valueIn(rom.bytes(f.entryOffset(i), f.size))};
    }
    return holders;
}

int HolderIndex(Table table, int index) {
    return table == Table::Items ? index : ItemFormat.count + index;
}

std::optional<QStringList> CheckRow(Table table, const KeyedRow& row, QList<InputError>* errors) {
    QStringList texts;
    bool bad = false;
    for (const Column& c : Columns(table)) {
        const Cell cell = row.cells.value(c.name, Cell{{}, row.line, row.column});
        QString why;
        if (const auto text = checkCell(c, table, cell.text, &why)) {
            texts << *text;
        } else {
            errors->append({cell.line, cell.column, why});
            bad = true;
        }
    }
    if (bad)
        return std::nullopt;
    return texts;
}

EntryForm FormFromRow(Table table, const QStringList& texts, bool keepItem) {
    EntryForm form;
    const QList<Column>& columns = Columns(table);
    for (qsizetype k = 0; k < columns.size(); ++k) {
        const ColumnKind kind = columns[k].kind;
        if (kind == ColumnKind::Item && keepItem)
            form << QStringLiteral("-1");
        else if (columns[k].field && kind != ColumnKind::ItemName)
            form << texts.at(k);
    }
    return form;
}

QStringList ChangedFields(Table table, const QStringList& before, const QStringList& after) {
    QStringList changes;
    const QList<Column>& columns = Columns(table);
    for (int k = 0; k < columns.size(); ++k) {
        const ColumnKind kind = columns[k].kind;
        if (kind == ColumnKind::Index || kind == ColumnKind::ItemName || before[k] == after[k])
            continue;
        if (kind == ColumnKind::Name)
            changes
                << QStringLiteral("%1 \"%2\" -> \"%3\"").arg(columns[k].name, before[k], after[k]);
        else
            changes << QStringLiteral("%1 %2 -> %3").arg(columns[k].name, before[k], after[k]);
    }
    return changes;
}
