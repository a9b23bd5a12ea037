#include "cli/knowntables.h"
#include "cli/tablefile.h"
#include "clirun.h"
#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "support/testsupport.h"
#include "tables/importplan.h"
#include "tables/tablerows.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

constexpr int KeptItemEnemy = 10; // carries item byte 200, which no list line shows
constexpr int FlaggedItem = 5;    // flag byte 0x38: Teddy and the two hidden bits

SyntheticImage testImage() {
    SyntheticImage image = MakeDemoImage(3);
    // A name that needs quoting in CSV and escaping in JSON.
    image.setWord(ItemEntryOffset(3), image.addName(QStringLiteral("Quill, the \"Bold\"")));
    image.setByte(ItemEntryOffset(FlaggedItem) + 2, 0x38);
    image.setByte(EnemyEntryOffset(KeptItemEnemy) + 0x1E, 200);
    image.setByte(EnemyEntryOffset(4) + 0x04, 0xFD); // HP bits 8-9 = 1, other bits set
    return image;
}

// The image beside a table file, both in one temporary folder.
struct Workspace {
    ImageOnDisk disk{testImage()};
    QString table(const QString& name) const { return QFileInfo(disk.path()).dir().filePath(name); }
    QStringList exportLines(const QString& table) const {
        const CliRun run =
            RunTool({QStringLiteral("export"), disk.path(), QStringLiteral("--table"), table});
        return run.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
    CliRun import(const QString& name, const QByteArray& content,
                  const QStringList& extra = {}) const {
        PutFile(table(name), content);
        return RunTool(QStringList{QStringLiteral("import"), disk.path(), table(name)} + extra);
    }
};

QByteArray csv(const QStringList& lines) {
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

int columnOf(const QString& table, const QString& name) {
    const QList<Column>& columns = Columns(TableNamed(KnownTables(), table));
    for (int k = 0; k < columns.size(); ++k)
        if (columns[k].name == name)
            return k;
    return -1;
}

} // namespace

class tst_Import : public QObject {
    Q_OBJECT
private slots:
    void unchangedExportLeavesImage_data();
    void unchangedExportLeavesImage();
    void oneCellChangesOnlyItsField_data();
    void oneCellChangesOnlyItsField();
    void invalidInputWritesNothing_data();
    void invalidInputWritesNothing();
    void jsonErrorPointsAtItsValue_data();
    void jsonErrorPointsAtItsValue();
    void dryRunAndNamesWriteNothing();
    void shortFileRefusesEntriesBeyondItsEnd();
    void backupAndPartialWrites_data();
    void backupAndPartialWrites();
    void changeByAnotherProgramIsNotOverwritten();
};

void tst_Import::unchangedExportLeavesImage_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("format");
    for (const char* table : {"items", "enemies"})
        for (const char* format : {"csv", "json"})
            QTest::addRow("%s %s", table, format) << table << format;
}

void tst_Import::unchangedExportLeavesImage() {
    QFETCH(QString, table);
    QFETCH(QString, format);
    Workspace w;
    const QByteArray before = w.disk.bytes();
    const QString file = w.table(QStringLiteral("t.") + format);
    const CliRun exported = RunTool({QStringLiteral("export"), w.disk.path(),
                                     QStringLiteral("--table"), table, QStringLiteral("-o"), file});
    QCOMPARE(exported.code, 0);
    const CliRun run = RunTool({QStringLiteral("import"), w.disk.path(), file});
    QVERIFY2(run.code == 0, qPrintable(run.err));
    // No name note either: the quoted name came back exactly.
    QCOMPARE(run.out, QStringLiteral("No changes: the image already holds every row.\n"));
    QCOMPARE(w.disk.bytes(), before);
}

void tst_Import::oneCellChangesOnlyItsField_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown"); // what the next export shows
    QTest::addColumn<QList<int>>("bytes");
    QTest::newRow("item cost") << "items" << 7 << "cost"
                               << "300"
                               << "300" << QList<int>{6, 7};
    QTest::newRow("item pointer") << "items" << 7 << "pointer"
                                  << "80a0"
                                  << "80A0" << QList<int>{0, 1};
    QTest::newRow("item flag keeps bits 5 and 4") << "items" << FlaggedItem << "teddy"
                                                  << "0"
                                                  << "0" << QList<int>{2};
    QTest::newRow("enemy HP keeps bits 2-7") << "enemies" << 4 << "hp"
                                             << "1023"
                                             << "1023" << QList<int>{3, 4};
    QTest::newRow("enemy HP to 0") << "enemies" << 4 << "hp"
                                   << "0"
                                   << "0" << QList<int>{3, 4};
    QTest::newRow("enemy money") << "enemies" << 4 << "money"
                                 << "65535"
                                 << "65535" << QList<int>{0x1C, 0x1D};
    QTest::newRow("enemy item above 113 replaced") << "enemies" << KeptItemEnemy << "item"
                                                   << "7"
                                                   << "7" << QList<int>{0x1E};
    QTest::newRow("enemy item above 113 kept") << "enemies" << KeptItemEnemy << "fight"
                                               << "3"
                                               << "3" << QList<int>{0x0B};
}

void tst_Import::oneCellChangesOnlyItsField() {
    QFETCH(QString, table);
    QFETCH(int, index);
    QFETCH(QString, column);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QList<int>, bytes);
    Workspace w;
    const QByteArray before = w.disk.bytes();
    const QStringList lines = w.exportLines(table);
    const int k = columnOf(table, column);
    QStringList cells = lines[index + 1].split(QLatin1Char(','));
    cells[k] = text;
    QStringList edited = lines;
    edited[index + 1] = cells.join(QLatin1Char(','));

    const CliRun run = w.import(QStringLiteral("t.csv"), csv(edited));
    QVERIFY2(run.code == 0, qPrintable(run.err));
    QVERIFY(run.out.contains(QStringLiteral("1 entry, 1 field changed")));

    const qint32 base =
        table == QLatin1String("items") ? ItemEntryOffset(index) : EnemyEntryOffset(index);
    const QByteArray after = w.disk.bytes();
    const QList<qint64> changed = DifferingOffsets(before, after);
    QVERIFY(!changed.isEmpty());
    for (const qint64 offset : changed) {
        const int rel = int(offset - base);
        QVERIFY2(bytes.contains(rel), qPrintable(QStringLiteral("byte %1 changed").arg(rel)));
        const quint8 was = quint8(before[offset]), is = quint8(after[offset]);
        if (table == QLatin1String("items") && rel == 2)
            QCOMPARE(is & 0x30, was & 0x30);
        if (table == QLatin1String("enemies") && rel >= 4 && rel <= 10 && rel % 2 == 0)
            QCOMPARE(is & 0xFC, was & 0xFC);
    }
    // Read back, the row shows the new value and every other cell as before.
    QStringList expected = lines;
    cells[k] = shown;
    const QStringList now = w.exportLines(table);
    // The names read through a changed pointer or item number follow it.
    const QStringList nowCells = now[index + 1].split(QLatin1Char(','));
    if (column == QLatin1String("item"))
        cells.last() = nowCells.last();
    if (column == QLatin1String("pointer"))
        cells[1] = nowCells[1];
    expected[index + 1] = cells.join(QLatin1Char(','));
    QCOMPARE(now, expected);
}

void tst_Import::invalidInputWritesNothing_data() {
    // Line 4 (entry 2) is replaced; line 2 also edits entry 0, which must not be written either.
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("errorTexts"); // "|" between two
    const auto item = [](const char* strength, const char* cost, const char* teddy) {
        return QStringLiteral("2,x,8000,%1,0,0,%2,0,0,0,0,0,%3")
            .arg(QLatin1String(strength), QLatin1String(cost), QLatin1String(teddy));
    };
    QTest::newRow("bad cell") << "items" << 4 << item("abc", "0", "0")
                              << "t.csv:4:10: the strength \"abc\"";
    QTest::newRow("a cell holding %1") << "items" << 4 << item("5%1", "0", "0")
                                       << "t.csv:4:10: the strength \"5%1\" is not a whole number";
    // A cell is the whole number itself: a spreadsheet's "1.000" (a thousand) or an exponent is
    // never guessed at, nor a fraction rounded.
    QTest::newRow("a thousand with a point") << "items" << 4 << item("1", "1.000", "0")
                                             << "t.csv:4:16: the cost \"1.000\" is not a whole";
    QTest::newRow("a fraction") << "items" << 4 << item("1.5", "0", "0")
                                << "t.csv:4:10: the strength \"1.5\" is not a whole";
    QTest::newRow("an exponent") << "items" << 4 << item("1", "1e2", "0")
                                 << "t.csv:4:16: the cost \"1e2\" is not a whole";
    QTest::newRow("a sign") << "items" << 4 << item("+1", "0", "0")
                            << "t.csv:4:10: the strength \"+1\" is not a whole";
    QTest::newRow("out of range") << "items" << 4 << item("1", "65536", "0")
                                  << "t.csv:4:16: the cost \"65536\"";
    QTest::newRow("two bad cells") << "items" << 4 << item("256", "0", "2")
                                   << "t.csv:4:10: the strength|t.csv:4:30: the teddy";
    QTest::newRow("pointer beyond FFFF") << "items" << 4 << "2,x,10000,1,0,0,0,0,0,0,0,0,0"
                                         << "t.csv:4:5: the pointer \"10000\"";
    QTest::newRow("pointer with junk") << "items" << 4 << "2,x,12G4,1,0,0,0,0,0,0,0,0,0"
                                       << "t.csv:4:5: the pointer";
    QTest::newRow("too many cells") << "items" << 4 << item("1", "0", "0") + QStringLiteral(",0")
                                    << "t.csv:4:1: this line has 14 cells";
    QTest::newRow("too few cells") << "items" << 4 << "2,x,8000"
                                   << "t.csv:4:1: this line has 3 cells";
    QTest::newRow("duplicate index") << "items" << 4 << "1,x,8000,1,0,0,0,0,0,0,0,0,0"
                                     << "t.csv:4:1: item 1 is already given on line 3";
    QTest::newRow("index beyond the table") << "items" << 4 << "114,x,8000,1,0,0,0,0,0,0,0,0,0"
                                            << "t.csv:4:1: the index \"114\"";
    QTest::newRow("unknown column") << "items" << 1
                                    << "index,name,pointer,strength,effect_out,effect_in,cost,"
                                       "permanent,edible,ninten,ana,loid,teddy,colour"
                                    << "t.csv:1:94: \"colour\" is no column";
    QTest::newRow("missing column") << "items" << 1
                                    << "index,name,pointer,strength,effect_out,effect_in,cost,"
                                       "permanent,edible,ninten,ana,loid"
                                    << "t.csv:1:1: the column teddy is missing";
    const auto enemy = [](const char* hp, const char* carried) {
        return QStringLiteral("2,x,8000,%1,0,0,0,0,0,0,0,0,0,0,%2,x")
            .arg(QLatin1String(hp), QLatin1String(carried));
    };
    QTest::newRow("HP beyond 10 bits")
        << "enemies" << 4 << enemy("1024", "0") << "t.csv:4:10: the hp \"1024\"";
    QTest::newRow("item that does not exist")
        << "enemies" << 4 << enemy("1", "114") << "t.csv:4:32: there is no item 114";
}

void tst_Import::invalidInputWritesNothing() {
    QFETCH(QString, table);
    QFETCH(int, line);
    QFETCH(QString, replacement);
    QFETCH(QString, errorTexts);
    const QStringList errors = errorTexts.split(QLatin1Char('|'));
    Workspace w;
    const QByteArray before = w.disk.bytes();
    QStringList lines = w.exportLines(table);
    QStringList first = lines[1].split(QLatin1Char(','));
    first[3] = first[3] == QLatin1String("7") ? QStringLiteral("8") : QStringLiteral("7");
    lines[1] = first.join(QLatin1Char(','));
    lines[line - 1] = replacement;
    const CliRun run = w.import(QStringLiteral("t.csv"), csv(lines));
    QCOMPARE(run.code, 1);
    for (const QString& error : errors)
        QVERIFY2(run.err.contains(QDir::toNativeSeparators(w.table(error))), qPrintable(run.err));
    QCOMPARE(run.err.count(QStringLiteral("t.csv:")), errors.size());
    QCOMPARE(w.disk.bytes(), before);
}

void tst_Import::jsonErrorPointsAtItsValue_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("shift"); // from the value's column to the error's
    QTest::addColumn<QString>("reason");
    QTest::newRow("a text for a number") << "\"lots\"," << 0 << "the cost \"lots\"";
    // Qt's parser would silently keep the second.
    QTest::newRow("a key given twice") << "1, \"cost\": 2," << 3 << "the cost is given twice";
}

void tst_Import::jsonErrorPointsAtItsValue() {
    QFETCH(QString, value);
    QFETCH(int, shift);
    QFETCH(QString, reason);
    Workspace w;
    const QByteArray before = w.disk.bytes();
    const QString file = w.table(QStringLiteral("t.json"));
    QCOMPARE(RunTool({QStringLiteral("export"), w.disk.path(), QStringLiteral("-o"), file}).code,
             0);
    QStringList lines = QString::fromUtf8(FileBytes(file)).split(QLatin1Char('\n'));
    // The cost of entry 6: each object has one cost line, in entry order.
    int line = -1;
    for (int k = 0, seen = 0; k < lines.size() && line < 0; ++k)
        if (lines[k].contains(QLatin1String("\"cost\": ")) && seen++ == 6)
            line = k;
    QVERIFY(line > 0);
    const int column = int(lines[line].indexOf(QLatin1Char(':'))) + 3;
    lines[line] = lines[line].left(column - 1) + value;
    PutFile(file, lines.join(QLatin1Char('\n')).toUtf8());
    const CliRun run = RunTool({QStringLiteral("import"), w.disk.path(), file});
    QCOMPARE(run.code, 1);
    const QString expected =
        QStringLiteral("t.json:%1:%2: ").arg(line + 1).arg(column + shift) + reason;
    QVERIFY2(run.err.contains(expected), qPrintable(run.err));
    QCOMPARE(w.disk.bytes(), before);
}

void tst_Import::dryRunAndNamesWriteNothing() {
    Workspace w;
    const QByteArray before = w.disk.bytes();
    QStringList lines = w.exportLines(QStringLiteral("enemies"));
    lines[6].replace(QRegularExpression(QStringLiteral("^5,[^,]*,")), QStringLiteral("5,Renamed,"));
    const CliRun names = w.import(QStringLiteral("t.csv"), csv(lines));
    QCOMPARE(names.code, 0);
    QVERIFY(names.out.contains(QStringLiteral("t.csv:7:3: the name of enemy 5 is not written")));
    QCOMPARE(w.disk.bytes(), before);

    QStringList cells = lines[6].split(QLatin1Char(','));
    cells[columnOf(QStringLiteral("enemies"), QStringLiteral("wisdom"))] = QStringLiteral("0");
    cells[columnOf(QStringLiteral("enemies"), QStringLiteral("force"))] = QStringLiteral("1");
    lines[6] = cells.join(QLatin1Char(','));
    const CliRun dry = w.import(QStringLiteral("t.csv"), csv(lines), {QStringLiteral("--dry-run")});
    QCOMPARE(dry.code, 0);
    QVERIFY(
        dry.out.contains(QStringLiteral("1 entry, 2 fields changed; 2 bytes would be written")));
    QCOMPARE(w.disk.bytes(), before);
}

void tst_Import::shortFileRefusesEntriesBeyondItsEnd() {
    // The file ends inside the item table: item 40 lies wholly beyond it. Its table, as the image
    // padded with zeros gives it (export refuses the short file itself).
    const QByteArray cut = testImage().bytes.left(ItemEntryOffset(30));
    ImageOnDisk disk(cut + QByteArray(testImage().bytes.size() - cut.size(), '\0'));
    const QString file = QFileInfo(disk.path()).dir().filePath(QStringLiteral("t.csv"));
    QCOMPARE(RunTool({QStringLiteral("export"), disk.path(), QStringLiteral("-o"), file}).code, 0);
    PutFile(disk.path(), cut);
    const QByteArray before = disk.bytes();
    CliRun run = RunTool({QStringLiteral("import"), disk.path(), file});
    QCOMPARE(run.code, 0); // entries beyond the end read as zeros and stand unchanged

    QStringList lines = QString::fromUtf8(FileBytes(file)).split(QStringLiteral("\r\n"));
    lines[41].replace(QRegularExpression(QStringLiteral("^40,,0,0,")), QStringLiteral("40,,0,5,"));
    lines[2].replace(QRegularExpression(QStringLiteral(",[0-9]+,([01],){5}[01]$")),
                     QStringLiteral(",1,0,0,0,0,0,0")); // item 1, inside the file, changes too
    PutFile(file, lines.join(QStringLiteral("\r\n")).toUtf8());
    run = RunTool({QStringLiteral("import"), disk.path(), file});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains(QStringLiteral("t.csv:42:1: Cannot save item 40")),
             qPrintable(run.err));
    QCOMPARE(disk.bytes(), before);
}

void tst_Import::backupAndPartialWrites_data() {
    // Costs of items 1 and 2 change in both bytes: four writes. From write `failAt` on, `failures`
    // writes fail (-1: all); the bytes written before go back unless those writes fail too.
    QTest::addColumn<QString>("command"); // "import", or the arguments after rename IMAGE
    QTest::addColumn<int>("failAt");      // -1: no write fails
    QTest::addColumn<int>("failures");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("backup");
    QTest::addColumn<int>("landed"); // bytes that differ afterwards, when a write failed
    QTest::newRow("import") << "import" << -1 << 0 << 0 << "2 entries" << true << 0;
    QTest::newRow("import --no-backup") << "import|--no-backup" << -1 << 0 << 0 << "" << false << 0;
    QTest::newRow("rename --no-backup")
        << "--item|3|Quall|--no-backup" << -1 << 0 << 0 << "" << false << 0;
    QTest::newRow("import, first write")
        << "import" << 0 << -1 << 1 << "Nothing was written." << true << 0;
    QTest::newRow("import, third write, put back")
        << "import" << 2 << 1 << 1 << "Nothing was written." << true << 0;
    QTest::newRow("import, last write, put back")
        << "import|--no-backup" << 3 << 1 << 1 << "Nothing was written." << false << 0;
    QTest::newRow("import, inside an entry")
        << "import" << 1 << -1 << 3
        << "Written: part of item 1.\nNot written: the rest of item 1, item 2.\nThe backup " << true
        << 1;
    QTest::newRow("import, between entries")
        << "import|--no-backup" << 2 << -1 << 3
        << "Written: item 1.\nNot written: item 2.\nNo backup was made." << false << 2;
    QTest::newRow("rename, first write")
        << "--item|3|Quall" << 0 << -1 << 1 << "Nothing was written." << true << 0;
    QTest::newRow("rename, second write, put back")
        << "--item|3|Quall" << 1 << 1 << 1 << "Nothing was written." << true << 0;
    QTest::newRow("rename, inside the name")
        << "--item|3|Quall" << 1 << -1 << 3
        << "Written: part of the name of item 3.\nNot written: the rest of the name of item 3."
        << true << 1;
    // A failing disk, and a command that writes nothing leaves the backup from before it.
    QTest::newRow("import, first write, image sync fails")
        << "image sync|import" << 0 << -1 << 1 << "Nothing was written." << true << 0;
    QTest::newRow("import, history sync fails")
        << "history sync|import" << 1000 << 0 << 1 << "Nothing was written." << false << 0;
}

void tst_Import::backupAndPartialWrites() {
    QFETCH(QString, command);
    QFETCH(int, failAt);
    QFETCH(int, failures);
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(bool, backup);
    QFETCH(int, landed);
    Workspace w;
    QStringList lines = w.exportLines(QStringLiteral("items"));
    const int cost = columnOf(QStringLiteral("items"), QStringLiteral("cost"));
    for (const int line : {2, 3}) {
        QStringList cells = lines[line].split(QLatin1Char(','));
        cells[cost] = QString::number((cells[cost].toInt() + 0x101) & 0xFFFF);
        lines[line] = cells.join(QLatin1Char(','));
    }
    PutFile(w.table(QStringLiteral("t.csv")), csv(lines));
    QStringList words = command.split(QLatin1Char('|'));
    auto syncs = FailingRom::SyncFault::None;
    const QString bak = w.disk.path() + QStringLiteral(".bak");
    if (words.first().endsWith(QLatin1String(" sync"))) {
        syncs = words.takeFirst() == QLatin1String("image sync") ? FailingRom::SyncFault::Image
                                                                 : FailingRom::SyncFault::History;
        if (syncs == FailingRom::SyncFault::History)
            PutFile(bak, "older");
    }
    const QStringList arguments =
        words.first() == QLatin1String("import")
            ? QStringList{words.takeFirst(), w.disk.path(), w.table(QStringLiteral("t.csv"))} +
                  words
            : QStringList{QStringLiteral("rename"), w.disk.path()} + words;
    const QByteArray before = w.disk.bytes();
    const CliRun run = RunTool(arguments, failAt, failures, syncs);
    QCOMPARE(run.code, code);
    QVERIFY2(run.out.contains(text) || run.err.contains(text), qPrintable(run.out + run.err));
    if (failAt >= 0)
        QCOMPARE(DifferingOffsets(before, w.disk.bytes()).size(), landed);
    if (syncs == FailingRom::SyncFault::History)
        QCOMPARE(FileBytes(bak), QByteArray("older"));
    else
        QCOMPARE(QFile::exists(bak), backup);
    if (backup)
        QVERIFY(FileBytes(bak) == before);
}

void tst_Import::changeByAnotherProgramIsNotOverwritten() {
    // Between the plan and the writes, another program saves item 2, one of the rows imported.
    Workspace w;
    QStringList lines = w.exportLines(QStringLiteral("items"));
    const int cost = columnOf(QStringLiteral("items"), QStringLiteral("cost"));
    for (const int line : {2, 3}) {
        QStringList cells = lines[line].split(QLatin1Char(','));
        cells[cost] = QString::number((cells[cost].toInt() + 1) & 0xFFFF);
        lines[line] = cells.join(QLatin1Char(','));
    }
    const TableInput input = ReadTableInput(csv({lines[0], lines[2], lines[3]}));
    auto rom = w.disk.open();
    const auto plan = PlanImport(*rom, input.table, input.rows, {}, KnownTables());
    QVERIFY(plan);
    QCOMPARE(plan->entries, 2);
    QByteArray theirs = w.disk.bytes();
    theirs[ItemEntryOffset(2) + 3] = char(quint8(theirs.at(ItemEntryOffset(2) + 3)) ^ 0x11);
    QVERIFY(WriteFileBytes(w.disk.path(), theirs));

    const Outcome written = ApplyTransaction(*rom, plan->writes);
    QCOMPARE(written.fault, SaveFault::ChangedOnDisk);
    QCOMPARE(written.landed.size(), 1);
    QCOMPARE(written.landed.first().entry, QStringLiteral("item 2"));
    QCOMPARE(w.disk.bytes(), theirs); // their change stands, and item 1 is not written either
}

QTEST_GUILESS_MAIN(tst_Import)
#include "tst_import.moc"
