#include "tables/tablerows.h"

#include "fields/numbertext.h"
#include "rom/names.h"

namespace {

QList<Column> columnsOf(const TableFormat& format) {
    QList<Column> columns = {{QStringLiteral("index"), ColumnKind::Index},
                             {QStringLiteral("name"), ColumnKind::Name, 0, nullptr,
                              QT_TRANSLATE_NOOP("FieldCaption", "Name")}};
    for (const RecordField& f : format.fields) {
        // An item column takes any byte: whether one above HighestItem may stand depends on what
        // the image holds.
        const bool item = f.kind == FieldKind::Item;
        const QString key = QLatin1String(f.key);
        columns << Column{key, ColumnKind(f.kind), item ? 255 : f.upper(), &f, f.heading};
        if (item)
            columns << Column{key + QStringLiteral("_name"), ColumnKind::ItemName, 0, &f};
    }
    return columns;
}

QString number(qint32 value) {
    return QString::number(value);
}

// The cell's text in the form ExportRows writes, or why the cell is refused.
Result<QString> checkCell(const Column& c, Table table, const QString& raw) {
    const QString trimmed = raw.trimmed();
    Outcome refused{.fault = SaveFault::BadValue, .field = c.name, .text = raw, .upper = c.upper};
    switch (c.kind) {
    case ColumnKind::Name:
    case ColumnKind::ItemName:
        return raw;
    case ColumnKind::Index: {
        bool ok = false;
        const int index = trimmed.toInt(&ok);
        if (ok && index >= 0 && index < EntryCount(table) && !trimmed.startsWith(QLatin1Char('+')))
            return number(index);
        refused.kind = ValueKind::Index;
        refused.upper = EntryCount(table) - 1;
        return refused;
    }
    case ColumnKind::Pointer:
    case ColumnKind::Flag:
    case ColumnKind::Number:
    case ColumnKind::Item:
        break;
    }
    const FieldKind kind = FieldKind(c.kind);
    if (const auto value = ReadFieldText(kind, c.upper, raw, TextFrom::Cell))
        return kind == FieldKind::Pointer ? PointerText(*value) : number(*value);
    refused.kind = kind == FieldKind::Pointer ? ValueKind::CellPointer
                   : kind == FieldKind::Flag  ? ValueKind::CellFlag
                                              : ValueKind::CellNumber;
    return refused;
}

} // namespace

QString TableName(Table table) {
    return QLatin1String(table->table);
}

Table TableNamed(const Tables& tables, const QString& name) {
    for (const Table t : tables)
        if (name == TableName(t))
            return t;
    return nullptr;
}

const QList<Column>& Columns(Table table) {
    // Built once per table; the descriptions live as long as the program.
    static QHash<Table, QList<Column>> columns;
    auto found = columns.find(table);
    if (found == columns.end())
        found = columns.insert(table, columnsOf(*table));
    return *found;
}

int ColumnOf(Table table, ColumnKind kind) {
    const QList<Column>& columns = Columns(table);
    for (int k = 0; k < columns.size(); ++k)
        if (columns[k].kind == kind)
            return k;
    return -1;
}

int EntryCount(Table table) {
    return table->count;
}

QString EntryLabel(Table table, int index) {
    return table->label(index);
}

QList<ProtectedRange> TableRanges(const Tables& tables) {
    QList<ProtectedRange> ranges;
    for (const Table f : tables)
        ranges << ProtectedRange{
            f->offset, qint64(f->size) * f->count, [f](qint64 at) {
                const int index = int((at - f->offset) / f->size);
                return std::pair{f->label(index), qint64(f->entryOffset(index))};
            }};
    return ranges;
}

QList<QStringList> ExportRows(RomImage& rom, Table table) {
    const TableFormat& format = *table;
    // The enemy editor's item list: "<nothing>" at 0, no line at all above HighestItem.
    const QStringList itemLines = format.fieldOf(FieldKind::Item) && format.itemChoices
                                      ? format.itemChoices(rom)
                                      : QStringList();
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

QList<NameHolder> NameHolders(RomImage& rom, const Tables& tables) {
    rom.refresh();
    QList<NameHolder> holders;
    for (const Table table : tables) {
        const TableFormat& f = *table;
        const RecordField& pointer = *f.fieldOf(FieldKind::Pointer);
        for (int i = 0; i < f.count; ++i)
            holders << NameHolder{f.label(i), pointer.valueIn(rom.bytes(f.entryOffset(i), f.size))};
    }
    return holders;
}

int HolderIndex(const Tables& tables, Table table, int index) {
    for (const Table t : tables) {
        if (t == table)
            break;
        index += t->count;
    }
    return index;
}

std::optional<QStringList> CheckRow(Table table, const KeyedRow& row, QList<InputError>* errors) {
    QStringList texts;
    bool bad = false;
    for (const Column& c : Columns(table)) {
        const Cell cell = row.cells.value(c.name, Cell{{}, row.line, row.column});
        if (const auto text = checkCell(c, table, cell.text)) {
            texts << *text;
        } else {
            errors->append({cell.line, cell.column, text.failure()});
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
        changes << FieldChangeText(columns[k].name, before[k], after[k], kind == ColumnKind::Name);
    }
    return changes;
}

QString FieldChangeText(const QString& key, const QString& before, const QString& after,
                        bool quoted) {
    // Names reach a terminal here: diff, history, changes and import all word their lines so.
    return quoted ? QStringLiteral("%1 \"%2\" -> \"%3\"")
                        .arg(key, TerminalName(before), TerminalName(after))
                  : QStringLiteral("%1 %2 -> %3").arg(key, before, after);
}

QString EntryChangesText(const QString& entry, const QString& name, const QStringList& fields) {
    return QStringLiteral("%1 \"%2\": %3")
        .arg(entry, TerminalName(name), fields.join(QStringLiteral(", ")));
}
