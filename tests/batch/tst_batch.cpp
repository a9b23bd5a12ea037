#include "batch/batchrun.h"
#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "tables/heldimage.h"
#include "tools/syntheticimage.h"
#include "wording/batchtext.h"

#include <QTest>

#include <memory>

namespace {

const Tables Both = {&ItemFormat, &EnemyFormat};
constexpr int KeptItemEnemy = 7; // holds item byte 200, past the list

// Both tables of a demo image, read as the grid reads them, each with its edits.
struct Grids {
    std::unique_ptr<GridSnapshot> items, enemies;
    std::unique_ptr<GridEdits> itemEdits, enemyEdits;
    Grids() {
        SyntheticImage image = MakeDemoImage(11);
        image.setByte(EnemyEntryOffset(KeptItemEnemy) + 0x1E, 200);
        for (const int item : {3, 4})
            image.setByte(ItemEntryOffset(item) + 2, 0); // no flag set
        const auto rom = ImageOfBytes(image.bytes);
        items = std::make_unique<GridSnapshot>(*ReadGridSnapshot(*rom, &ItemFormat, Both));
        enemies = std::make_unique<GridSnapshot>(*ReadGridSnapshot(*rom, &EnemyFormat, Both));
        itemEdits = std::make_unique<GridEdits>(*items);
        enemyEdits = std::make_unique<GridEdits>(*enemies);
    }
    GridEdits& of(const QString& table) {
        return table == QLatin1String("items") ? *itemEdits : *enemyEdits;
    }
};

int fieldOf(const GridEdits& edits, const char* key) {
    for (size_t k = 0; k < edits.format().fields.size(); ++k)
        if (qstrcmp(edits.format().fields[k].key, key) == 0)
            return int(k);
    return -1;
}

std::vector<int> allRows(const GridEdits& edits) {
    std::vector<int> rows;
    for (int row = 0; row < edits.snapshot().count(); ++row)
        rows.push_back(row);
    return rows;
}

// "row:field=value" for each change, in the run's order.
QStringList changesText(const BatchRun& run, const std::vector<const GridEdits*>& tables) {
    QStringList lines;
    for (const BatchChange& c : run.changes)
        lines << QStringLiteral("%1:%2=%3")
                     .arg(c.row)
                     .arg(QLatin1String(
                         tables[size_t(c.table)]->format().fields[size_t(c.field)].key))
                     .arg(c.value);
    return lines;
}

QStringList texts(std::initializer_list<const char*> list) {
    QStringList texts;
    for (const char* text : list)
        texts << QString::fromUtf8(text);
    return texts;
}

// Small limits, so that a runaway stops at once.
BatchOptions tight() {
    BatchOptions options;
    options.limits.instructions = 2'000'000;
    options.limits.memory = qint64(8) << 20;
    return options;
}

} // namespace

class tst_Batch : public QObject {
    Q_OBJECT
private slots:
    void editValues_data();
    void editValues();
    void refusals_data();
    void refusals();
    void whereChoosesRows_data();
    void whereChoosesRows();
    void scriptOverBothTables();
    void sandboxHolds_data();
    void sandboxHolds();
    void runawayStops_data();
    void runawayStops();
    void takenChangesArePendingEdits();
    void finalizerAfterTheRunReachesNothing();
};

void tst_Batch::editValues_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("set");
    QTest::addColumn<bool>("clamp");
    QTest::addColumn<QStringList>("changes"); // of the rows 3 and 4
    QTest::addColumn<QStringList>("clamped");

    const auto rows = [](const char* a, const char* b) { return texts({a, b}); };
    QTest::newRow("a tie rounds down to even")
        << "enemies"
        << ""
        << "hp = 4.5" << false << rows("3:hp=4", "4:hp=4") << QStringList();
    QTest::newRow("a tie rounds up to even")
        << "enemies"
        << ""
        << "hp = 5.5" << false << rows("3:hp=6", "4:hp=6") << QStringList();
    QTest::newRow("below a half rounds down")
        << "enemies"
        << ""
        << "speed = 2.4999" << false << rows("3:speed=2", "4:speed=2") << QStringList();
    QTest::newRow("integer division and two statements")
        << "enemies"
        << ""
        << "hp = 7 * 3 // 2; money = index + 0.5" << false
        << texts({"3:hp=10", "3:money=4", "4:hp=10", "4:money=4"}) << QStringList();
    QTest::newRow("a flag takes a boolean and a number")
        << "items"
        << ""
        << "edible = true; ninten = 1; ana = 0" << false
        << texts({"3:edible=1", "3:ninten=1", "4:edible=1", "4:ninten=1"}) << QStringList();
    QTest::newRow("where with or") << "enemies"
                                   << "index == 3 or index > 100"
                                   << "fight = 1" << false << texts({"3:fight=1"}) << QStringList();
    QTest::newRow("clamp above and below")
        << "enemies"
        << ""
        << "hp = 5000; pp = -3" << true << texts({"3:hp=1023", "3:pp=0", "4:hp=1023", "4:pp=0"})
        << texts({"enemy 3, field hp: 5000 clamped to 1023", "enemy 3, field pp: -3 clamped to 0",
                  "enemy 4, field hp: 5000 clamped to 1023", "enemy 4, field pp: -3 clamped to 0"});
    QTest::newRow("clamp rounds first")
        << "enemies"
        << ""
        << "speed = 255.4" << true << rows("3:speed=255", "4:speed=255") << QStringList();
    QTest::newRow("a local and the libraries")
        << "items"
        << ""
        << "local c = math.floor(10.9); cost = c + #string.format('%d', 12)" << false
        << rows("3:cost=12", "4:cost=12") << QStringList();
}

void tst_Batch::editValues() {
    QFETCH(QString, table);
    QFETCH(QString, where);
    QFETCH(QString, set);
    QFETCH(bool, clamp);
    QFETCH(QStringList, changes);
    QFETCH(QStringList, clamped);
    Grids grids;
    BatchOptions options;
    options.clamp = clamp;
    const GridEdits& edits = grids.of(table);
    const BatchRun run = RunEdit(edits, {3, 4}, where, set, options);
    QVERIFY2(!run.error.failed(), qPrintable(BatchErrorText(run.error)));
    QCOMPARE(changesText(run, {&edits}), changes);
    QStringList clampedLines;
    for (const ClampedValue& c : run.clamped)
        clampedLines << ClampedText(c);
    QCOMPARE(clampedLines, clamped);
}

void tst_Batch::refusals_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("set");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");

    const int where = int(BatchSource::Where), set = int(BatchSource::Set);
    QTest::newRow("out of range, on the second line")
        << "enemies"
        << "index == 4"
        << "fight = 1\nhp = hp + 2000" << int(BatchFault::OutOfRange) << set << 2 << "enemy 4"
        << "hp"
        << "";
    QTest::newRow("a tie past the top")
        << "enemies"
        << ""
        << "speed = 255.5" << int(BatchFault::OutOfRange) << set << 1 << "enemy 0"
        << "speed"
        << "255.5";
    QTest::newRow("negative") << "items"
                              << ""
                              << "cost = -1" << int(BatchFault::OutOfRange) << set << 1 << "item 0"
                              << "cost"
                              << "-1";
    QTest::newRow("a string") << "items"
                              << ""
                              << "cost = '12'" << int(BatchFault::NotANumber) << set << 1
                              << "item 0"
                              << "cost"
                              << "\"12\"";
    QTest::newRow("nil") << "items"
                         << ""
                         << "cost = nil" << int(BatchFault::NotANumber) << set << 1 << "item 0"
                         << "cost"
                         << "nil";
    QTest::newRow("a boolean into a number")
        << "enemies"
        << ""
        << "hp = true" << int(BatchFault::NotANumber) << set << 1 << "enemy 0"
        << "hp"
        << "true";
    QTest::newRow("NaN") << "items"
                         << ""
                         << "cost = 0/0" << int(BatchFault::NotFinite) << set << 1 << "item 0"
                         << "cost"
                         << "";
    QTest::newRow("infinity") << "items"
                              << ""
                              << "cost = math.huge" << int(BatchFault::NotFinite) << set << 1
                              << "item 0"
                              << "cost"
                              << "inf";
    QTest::newRow("an unknown field assigned")
        << "enemies"
        << ""
        << "hpp = 1" << int(BatchFault::NoSuchField) << set << 1 << "enemy 0"
        << "hpp"
        << "";
    QTest::newRow("an unknown field read")
        << "enemies"
        << "hp > 5 and exp < 3"
        << "hp = 1" << int(BatchFault::NoSuchField) << where << 1 << "enemy 0"
        << "exp"
        << "";
    QTest::newRow("index is read only")
        << "items"
        << ""
        << "index = 3" << int(BatchFault::ReadOnly) << set << 1 << "item 0"
        << "index"
        << "3";
    QTest::newRow("name is read only")
        << "items"
        << ""
        << "name = 'Bob'" << int(BatchFault::ReadOnly) << set << 1 << "item 0"
        << "name"
        << "\"Bob\"";
    QTest::newRow("where does not parse")
        << "items"
        << "cost >"
        << "cost = 1" << int(BatchFault::Syntax) << where << 1 << ""
        << ""
        << "";
    QTest::newRow("set does not parse")
        << "items"
        << ""
        << "cost = 1\ncost = = 2" << int(BatchFault::Syntax) << set << 2 << ""
        << ""
        << "";
    QTest::newRow("an error raised")
        << "items"
        << ""
        << "cost = 1\nerror('no')" << int(BatchFault::Runtime) << set << 2 << ""
        << ""
        << "";
    QTest::newRow("a refusal the text caught itself")
        << "items"
        << ""
        << "pcall(function() cost = -1 end)" << int(BatchFault::OutOfRange) << set << 1 << "item 0"
        << "cost"
        << "-1";
}

void tst_Batch::refusals() {
    QFETCH(QString, table);
    QFETCH(QString, where);
    QFETCH(QString, set);
    QFETCH(int, fault);
    QFETCH(int, source);
    QFETCH(int, line);
    QFETCH(QString, entry);
    QFETCH(QString, field);
    QFETCH(QString, value);
    Grids grids;
    const GridEdits& edits = grids.of(table);
    const BatchRun run = RunEdit(edits, allRows(edits), where, set);
    QCOMPARE(int(run.error.fault), fault);
    QCOMPARE(int(run.error.source), source);
    QCOMPARE(run.error.line, line);
    QCOMPARE(run.error.entry, entry);
    QCOMPARE(run.error.field, field);
    if (!value.isEmpty())
        QCOMPARE(run.error.value, value);
    QVERIFY(run.changes.empty());
    const QString text = BatchErrorText(run.error);
    QVERIFY2(text.contains(QStringLiteral("line %1").arg(line)) && text.contains(entry) &&
                 text.contains(field),
             qPrintable(text));
}

void tst_Batch::whereChoosesRows_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("expected"); // a Lua test over the row's values, run in C++ below
    QTest::newRow("and") << "hp > 500 and experience < 10000"
                         << "";
    QTest::newRow("or with a flag") << "cost < 50 or edible"
                                    << "";
    QTest::newRow("the name") << "name:sub(1, 1) == 'K'"
                              << "";
    QTest::newRow("empty chooses all") << ""
                                       << "";
}

void tst_Batch::whereChoosesRows() {
    QFETCH(QString, where);
    Grids grids;
    const bool items = where.contains(QLatin1String("cost"));
    const GridEdits& edits = items ? *grids.itemEdits : *grids.enemyEdits;
    const WhereRun run = RunWhere(edits, allRows(edits), where);
    QVERIFY2(!run.error.failed(), qPrintable(BatchErrorText(run.error)));
    std::vector<int> expected;
    for (int row = 0; row < edits.snapshot().count(); ++row) {
        const auto v = [&](const char* key) { return edits.value(row, fieldOf(edits, key)); };
        bool holds = true;
        if (where.startsWith(QLatin1String("hp")))
            holds = v("hp") > 500 && v("experience") < 10000;
        else if (items)
            holds = v("cost") < 50 || v("edible") != 0;
        else if (where.startsWith(QLatin1String("name")))
            holds = edits.name(row).startsWith(QLatin1Char('K'));
        if (holds)
            expected.push_back(row);
    }
    QVERIFY(!expected.empty());
    QCOMPARE(run.rows, expected);
}

void tst_Batch::scriptOverBothTables() {
    Grids grids;
    QStringList printed;
    BatchOptions options;
    options.print = [&printed](const QString& line) { printed << line; };
    const QByteArray script = "-- experience is HP divided by 4\n"
                              "for i = 0, #enemies do\n"
                              "  local e = enemies[i]\n"
                              "  e.experience = e.hp // 4\n"
                              "end\n"
                              "items[113].cost = items[0].cost + 1\n"
                              "print(#items, #enemies, enemies[120].index)\n";
    const BatchRun run = RunScript({grids.itemEdits.get(), grids.enemyEdits.get()}, script,
                                   QStringLiteral("rules.lua"), options);
    QVERIFY2(!run.error.failed(), qPrintable(BatchErrorText(run.error)));
    QCOMPARE(printed, QStringList{QStringLiteral("113\t120\t120")});
    const GridEdits& enemies = *grids.enemyEdits;
    std::vector<qint32> after(size_t(enemies.snapshot().count()));
    for (int row = 0; row < enemies.snapshot().count(); ++row)
        after[size_t(row)] = enemies.value(row, fieldOf(enemies, "experience"));
    for (const BatchChange& c : run.changes)
        if (c.table == 1)
            after[size_t(c.row)] = c.value;
    for (int row = 0; row < enemies.snapshot().count(); ++row)
        QCOMPARE(after[size_t(row)], enemies.value(row, fieldOf(enemies, "hp")) / 4);
    QCOMPARE(run.changes.front().table, 0);
    QCOMPARE(run.changes.front().row, 113);
    QCOMPARE(run.changes.front().value,
             grids.itemEdits->value(0, fieldOf(*grids.itemEdits, "cost")) + 1);

    // An error names the script's file and its line.
    const BatchRun bad = RunScript({grids.itemEdits.get(), grids.enemyEdits.get()},
                                   "\n\nenemies[5].hp = 'x'\n", QStringLiteral("rules.lua"));
    QCOMPARE(BatchErrorText(bad.error),
             QStringLiteral("rules.lua, line 3: enemy 5, field hp: \"x\" is not a number."));
}

void tst_Batch::sandboxHolds_data() {
    QTest::addColumn<QByteArray>("test"); // a Lua expression that must be true in the sandbox
    for (const char* absent :
         {"io", "os", "package", "require", "debug", "load", "loadfile", "dofile", "collectgarbage",
          "string.dump", "('').dump", "coroutine", "string.match", "('').gmatch", "string.gsub"})
        QTest::newRow(absent) << "(" + QByteArray(absent) + ") == nil";
    QTest::newRow("find searches plain text")
        << QByteArray("select(2, ('a.b-c'):find('.b-', 1)) == 4 and ('abc'):find('.') == nil");
    QTest::newRow("rep of nothing, many times") << QByteArray("string.rep('', 1 << 60) == ''");
    QTest::newRow("an entry's metatable") << QByteArray("getmetatable(items[0]) == false");
    for (const char* present : {"string.format", "math.floor", "table.concat", "utf8.char", "pcall",
                                "tostring", "ipairs", "print"})
        QTest::newRow(present) << "type(" + QByteArray(present) + ") == 'function'";
}

void tst_Batch::sandboxHolds() {
    QFETCH(QByteArray, test);
    Grids grids;
    const BatchRun run =
        RunScript({grids.itemEdits.get()}, "if not (" + test + ") then error('fails') end",
                  QStringLiteral("s.lua"));
    QVERIFY2(!run.error.failed(), qPrintable(BatchErrorText(run.error)));
}

void tst_Batch::runawayStops_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("fault");
    QTest::addColumn<qint64>("memory"); // the cap, 0 for tight()'s
    const int budget = int(BatchFault::Budget), memory = int(BatchFault::Memory);
    QTest::newRow("a loop without end") << QByteArray("while true do end") << budget << qint64(0);
    QTest::newRow("a loop that catches its stop")
        << QByteArray("while true do pcall(function() while true do end end) end") << budget
        << qint64(0);
    QTest::newRow("endless recursion, caught")
        << QByteArray("local function f() return pcall(f) end while true do f() end") << budget
        << qint64(0);
    QTest::newRow("a table without end")
        << QByteArray("local t = {} while true do t[#t + 1] = string.rep('x', 4096) .. #t end")
        << memory << qint64(0);
    QTest::newRow("one string past the cap")
        << QByteArray("local s = string.rep('x', 1e9)") << memory << qint64(0);
    QTest::newRow("a refused allocation caught")
        << QByteArray("pcall(string.rep, 'x', 1e9)") << memory << qint64(0);
    QTest::newRow("a move over empty keys without end")
        << QByteArray("table.move({}, 1, 1 << 60, 2)") << int(BatchFault::Runtime) << qint64(0);
    QTest::newRow("bytecode") << QByteArray("\x1bLua\x54\x00", 6) << int(BatchFault::Syntax)
                              << qint64(0);
    QTest::newRow("a cap too small to open the libraries")
        << QByteArray() << memory << qint64(4096);
}

void tst_Batch::runawayStops() {
    QFETCH(QByteArray, script);
    QFETCH(int, fault);
    QFETCH(qint64, memory);
    Grids grids;
    BatchOptions options = tight();
    if (memory > 0)
        options.limits.memory = memory;
    // Something is changed first: a stopped script takes none of it.
    const BatchRun run = RunScript({grids.itemEdits.get()}, "items[0].cost = 7\n" + script,
                                   QStringLiteral("loop.lua"), options);
    QCOMPARE(int(run.error.fault), fault);
    QVERIFY(run.changes.empty());
    QVERIFY(!BatchErrorText(run.error).isEmpty());
}

void tst_Batch::takenChangesArePendingEdits() {
    Grids grids;
    GridEdits& enemies = *grids.enemyEdits;
    const int hp = fieldOf(enemies, "hp");
    enemies.setValue(2, hp, 100); // an edit made before the batch is what it reads
    const BatchRun run = RunEdit(enemies, allRows(enemies), QStringLiteral("hp == 100"),
                                 QStringLiteral("hp = hp * 2"));
    QVERIFY2(!run.error.failed(), qPrintable(BatchErrorText(run.error)));
    TakeChanges(run, {&enemies});
    QCOMPARE(enemies.value(2, hp), 200);
    QVERIFY(enemies.pending(2, hp));
    QCOMPARE(enemies.plan().madeBy, MadeBy::Editor);

    // The value a field holds stands, even an item byte past the list, and changes nothing.
    const BatchRun same = RunEdit(enemies, {KeptItemEnemy}, {}, QStringLiteral("item = item"));
    QVERIFY2(!same.error.failed(), qPrintable(BatchErrorText(same.error)));
    QVERIFY(same.changes.empty());
}

void tst_Batch::finalizerAfterTheRunReachesNothing() {
    Grids grids;
    // The state runs the finalizer as it closes, after the run has given its outcome.
    const BatchRun run = RunScript(
        {grids.itemEdits.get()},
        "setmetatable({}, {__gc = function() items[0].cost = 9999; print(items[0].cost) end})\n"
        "items[1].cost = 5\n",
        QStringLiteral("gc.lua"));
    QVERIFY2(!run.error.failed(), qPrintable(BatchErrorText(run.error)));
    QCOMPARE(changesText(run, {grids.itemEdits.get()}), QStringList{QStringLiteral("1:cost=5")});
}

QTEST_GUILESS_MAIN(tst_Batch)
#include "tst_batch.moc"
