#include "cli/tablerows.h"

#include "fields/numbertext.h"
#include "items/itemnames.h"

namespace {

Column column(const char* name, ColumnKind kind, qint32 upper = 0) {
    return {QLatin1String(name), kind, upper};
}

QString flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString number(qint32 value) {
    return QString::number(value);
}

int at(Table table, const char* name) {
    const QList<Column>& columns = Columns(table);
    for (int k = 0; k < columns.size(); ++k)
        if (columns[k].name == QLatin1String(name))
            return k;
    Q_UNREACHABLE();
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

const QList<Column>& Columns(Table table) {
    using K = ColumnKind;
    static const QList<Column> items = {column("index", K::Index),
                                        column("name", K::Name),
                                        column("pointer", K::Pointer),
                                        column("strength", K::Number, 255),
                                        column("effect_out", K::Number, 255),
                                        column("effect_in", K::Number, 255),
                                        column("cost", K::Number, 65535),
                                        column("permanent", K::Flag),
                                        column("edible", K::Flag),
                                        column("ninten", K::Flag),
                                        column("ana", K::Flag),
                                        column("loid", K::Flag),
                                        column("teddy", K::Flag)};
    static const QList<Column> enemies = {column("index", K::Index),
                                          column("name", K::Name),
                                          column("pointer", K::Pointer),
                                          column("hp", K::Number, 1023),
                                          column("pp", K::Number, 1023),
                                          column("offense", K::Number, 1023),
                                          column("defense", K::Number, 1023),
                                          column("fight", K::Number, 255),
                                          column("speed", K::Number, 255),
                                          column("wisdom", K::Number, 255),
                                          column("strength", K::Number, 255),
                                          column("force", K::Number, 255),
                                          column("experience", K::Number, 65535),
                                          column("money", K::Number, 65535),
                                          column("item", K::Item, 255),
                                          column("item_name", K::ItemName)};
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
    return table == Table::Items ? ItemCount : EnemyCount;
}

QString EntryLabel(Table table, int index) {
    return (table == Table::Items ? QStringLiteral("item %1") : QStringLiteral("enemy %1"))
        .arg(index);
}

QList<ProtectedRange> TableRanges() {
    const auto range = [](Table table, qint32 first, int size) {
        return ProtectedRange{first, qint64(size) * EntryCount(table), [=](qint64 at) {
                                  const int index = int((at - first) / size);
                                  return QStringLiteral("%1's record at %2")
                                      .arg(EntryLabel(table, index),
                                           HexOffset(first + qint64(size) * index));
                              }};
    };
    return {range(Table::Items, ItemTableOffset, ItemEntrySize),
            range(Table::Enemies, EnemyTableOffset, EnemyEntrySize)};
}

QList<QStringList> ExportRows(RomImage& rom, Table table) {
    QList<QStringList> rows;
    if (table == Table::Items) {
        const std::vector<ItemRecord> items = DecodeItemTable(rom);
        for (int i = 0; i < int(items.size()); ++i) {
            const ItemRecord& r = items[size_t(i)];
            rows << QStringList{number(i),      r.Name,           PointerText(r.NamePtr),
                                number(r.Str),  number(r.EffOut), number(r.EffIn),
                                number(r.Cost), flag(r.Perm),     flag(r.Edible),
                                flag(r.Ninten), flag(r.Ana),      flag(r.Loid),
                                flag(r.Teddy)};
        }
        return rows;
    }
    const QStringList itemNames = BuildItemNames(rom);
    const std::vector<EnemyRecord> enemies = DecodeEnemyTable(rom);
    for (int n = 0; n < int(enemies.size()); ++n) {
        const EnemyRecord& r = enemies[size_t(n)];
        // The enemy editor's item list: "<nothing>" at 0, no line at all above 113.
        const QString itemName = r.Item == 0             ? QStringLiteral("<nothing>")
                                 : r.Item <= HighestItem ? itemNames.value(r.Item)
                                                         : QString();
        rows << QStringList{
            number(n),       r.Name,           PointerText(r.NamePtr), number(r.HP),
            number(r.PP),    number(r.Off),    number(r.Def),          number(r.Fight),
            number(r.Speed), number(r.Wisdom), number(r.Str),          number(r.Force),
            number(r.Exp),   number(r.Money),  number(r.Item),         itemName};
    }
    return rows;
}

QList<NameHolder> NameHolders(RomImage& rom) {
    QList<NameHolder> holders;
    const std::vector<ItemRecord> items = DecodeItemTable(rom);
    for (int i = 0; i < int(items.size()); ++i)
        holders << NameHolder{EntryLabel(Table::Items, i), items[size_t(i)].NamePtr};
    const std::vector<EnemyRecord> enemies = DecodeEnemyTable(rom);
    for (int n = 0; n < int(enemies.size()); ++n)
        holders << NameHolder{EntryLabel(Table::Enemies, n), enemies[size_t(n)].NamePtr};
    return holders;
}

int HolderIndex(Table table, int index) {
    return table == Table::Items ? index : ItemCount + index;
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

ItemForm ItemFormFromRow(const QStringList& t) {
    const auto cell = [&t](const char* name) { return t.at(at(Table::Items, name)); };
    const auto on = [&](const char* name) { return cell(name) == QLatin1String("1"); };
    ItemForm f;
    f.namePtr = cell("pointer");
    f.str = cell("strength");
    f.effOut = cell("effect_out");
    f.effIn = cell("effect_in");
    f.cost = cell("cost");
    f.perm = on("permanent");
    f.edible = on("edible");
    f.teddy = on("teddy");
    f.loid = on("loid");
    f.ana = on("ana");
    f.ninten = on("ninten");
    return f;
}

EnemyForm EnemyFormFromRow(const QStringList& t, bool keepItem) {
    const auto cell = [&t](const char* name) { return t.at(at(Table::Enemies, name)); };
    EnemyForm f;
    f.namePtr = cell("pointer");
    f.hp = cell("hp");
    f.pp = cell("pp");
    f.off = cell("offense");
    f.def = cell("defense");
    f.fight = cell("fight");
    f.speed = cell("speed");
    f.wisdom = cell("wisdom");
    f.str = cell("strength");
    f.force = cell("force");
    f.exp = cell("experience");
    f.money = cell("money");
    f.itemPosition = keepItem ? -1 : cell("item").toInt();
    return f;
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
