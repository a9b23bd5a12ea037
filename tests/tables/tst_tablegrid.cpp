#include "cli/clirun.h"
#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "rom/historyfile.h"
#include "support/testsupport.h"
#include "tables/tablegrid.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const Tables Both = {&ItemFormat, &EnemyFormat};

int columnOf(const TableGrid& grid, const char* key) {
    for (size_t k = 0; k < grid.table()->fields.size(); ++k)
        if (qstrcmp(grid.table()->fields[k].key, key) == 0)
            return TableGrid::FirstField + int(k);
    return qstrcmp(key, "name") == 0 ? TableGrid::NameColumn : -1;
}

// The value of a field as the file holds it now.
qint32 stored(const QByteArray& image, Table table, int index, const char* key) {
    for (const RecordField& f : table->fields)
        if (qstrcmp(f.key, key) == 0)
            return f.valueIn(QByteArrayView(image).sliced(table->entryOffset(index), table->size));
    return -1;
}

size_t recordsOf(const QString& image) {
    HistoryReader reader(image + QStringLiteral(".history"));
    return reader.read().failed() ? 0 : reader.log().records.size();
}

struct Opened {
    ImageOnDisk disk{MakeDemoImage(7)};
    std::unique_ptr<RomImage> rom = disk.open();
    TableGrid grid;
    explicit Opened(Table table) : grid(table, Both) {
        if (grid.load(*rom).failed())
            qFatal("the demo image did not load");
    }
};

} // namespace

class tst_TableGrid : public QObject {
    Q_OBJECT
private slots:
    void editOfEveryKind_data();
    void editOfEveryKind();
    void pasteRefusedWhole_data();
    void pasteRefusedWhole();
    void pasteTakenWhole_data();
    void pasteTakenWhole();
    void putBackDropsTheEdit();
    void manyEntriesSaveAsOneRecordOneUndoPutsBack();
    void saveRefusedWhenReplaced();
};

void tst_TableGrid::editOfEveryKind_data() {
    QTest::addColumn<bool>("enemies");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: refused, the cell keeps its value
    // Number, a word, a byte, the rounding of the editors' Save, a pointer, an item, and refusals.
    QTest::newRow("hp") << true << "hp"
                        << "866" << 866;
    QTest::newRow("hp rounds half to even") << true << "hp"
                                            << "2.5" << 2;
    QTest::newRow("hp past its bound") << true << "hp"
                                       << "1024" << -1;
    QTest::newRow("experience word") << true << "experience"
                                     << "65535" << 65535;
    QTest::newRow("pointer in hexadecimal") << true << "pointer"
                                            << "8a0f" << 0x8A0F;
    QTest::newRow("pointer of five digits") << true << "pointer"
                                            << "12345" << -1;
    QTest::newRow("item in the list") << true << "item"
                                      << "113" << 113;
    QTest::newRow("item beyond the list") << true << "item"
                                          << "114" << -1;
    QTest::newRow("item cost") << false << "cost"
                               << "900" << 900;
    QTest::newRow("item strength not a number") << false << "strength"
                                                << "x" << -1;
}

void tst_TableGrid::editOfEveryKind() {
    QFETCH(bool, enemies);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(int, expected);
    Opened o(enemies ? Table(&EnemyFormat) : Table(&ItemFormat));
    TableGrid& grid = o.grid;
    const QModelIndex cell = grid.index(5, columnOf(grid, key.toLatin1().constData()));
    const QVariant before = cell.data(TableGrid::ExportRole);
    QSignalSpy refused(&grid, &TableGrid::refused);
    QCOMPARE(grid.setData(cell, text), expected >= 0);
    QCOMPARE(refused.size(), expected >= 0 ? 0 : 1);
    if (expected < 0) {
        QCOMPARE(cell.data(TableGrid::ExportRole), before);
        QVERIFY(grid.edits().empty());
        QCOMPARE(refused.at(0).at(0).value<Outcome>().entry,
                 QLatin1String(enemies ? "enemy 5" : "item 5"));
        return;
    }
    QCOMPARE(cell.data(TableGrid::PendingRole).toBool(), expected != before.toString().toInt());
    QVERIFY(grid.headerData(5, Qt::Vertical, TableGrid::PendingRole).toBool());
    QCOMPARE(ApplyTransaction(*o.rom, grid.plan()).fault, Fault::None);
    QCOMPARE(stored(o.disk.bytes(), grid.table(), 5, key.toLatin1().constData()), expected);
}

void tst_TableGrid::pasteRefusedWhole_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("cell");
    QTest::addColumn<Fault>("fault");
    QTest::newRow("a word in the second line") << "hp"
                                               << "10\t20\n30\tmany\n"
                                               << 2 << 2 << Fault(SaveFault::BadValue);
    QTest::newRow("out of range") << "hp"
                                  << "1024" << 1 << 1 << Fault(SaveFault::BadValue);
    QTest::newRow("a flag of 2 in an item's edible")
        << "pointer"
        << "8000\t1\t2\t3\t4\t0\t2" << 1 << 7 << Fault(SaveFault::BadValue);
    QTest::newRow("past the last column") << "item"
                                          << "1\t2" << 1 << 2 << Fault(SaveFault::NoSuchEntry);
    QTest::newRow("a name longer than the old one")
        << "name" << QStringLiteral("10\n") + QString(40, QLatin1Char('W')) << 2 << 1
        << Fault(NameFault::Longer);
    QTest::newRow("a name beyond ASCII") << "name"
                                         << "Caf\u00E9" << 1 << 1 << Fault(NameFault::Character);
}

void tst_TableGrid::pasteRefusedWhole() {
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(int, cell);
    QFETCH(Fault, fault);
    // The flag row pastes into the items, from their pointer on; the rest into the enemies.
    Opened o(key == QLatin1String("pointer") ? Table(&ItemFormat) : Table(&EnemyFormat));
    const QList<int> rows = {3, 4, 5};
    const Outcome why = o.grid.paste(rows, columnOf(o.grid, key.toLatin1().constData()), text);
    QCOMPARE(why.fault, fault);
    QCOMPARE(why.line, line);
    QCOMPARE(why.column, cell);
    QVERIFY(o.grid.edits().empty());
    QVERIFY(o.grid.plan().empty());
}

void tst_TableGrid::pasteTakenWhole_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("a final line end") << "1000\t20\n900\t30\n";
    QTest::newRow("none") << "1000\t20\n900\t30";
    QTest::newRow("a spreadsheet's line ends") << "1000\t20\r\n900\t30\r\n";
}

void tst_TableGrid::pasteTakenWhole() {
    QFETCH(QString, text);
    Opened o(&EnemyFormat);
    // Rows as a sorted view shows them: entry 9 above entry 2.
    QVERIFY(o.grid.paste({9, 2}, columnOf(o.grid, "hp"), text).ok());
    const int hp = columnOf(o.grid, "hp");
    QCOMPARE(o.grid.index(9, hp).data(TableGrid::SortRole).toInt(), 1000);
    QCOMPARE(o.grid.index(9, hp + 1).data(TableGrid::SortRole).toInt(), 20);
    QCOMPARE(o.grid.index(2, hp).data(TableGrid::SortRole).toInt(), 900);
    QCOMPARE(o.grid.edits().pendingRows(), 2);
    // What is copied pastes back as the same text.
    QCOMPARE(o.grid.copy({9, 2}, {hp, hp + 1}), QStringLiteral("1000\t20\n900\t30\n"));
}

void tst_TableGrid::putBackDropsTheEdit() {
    Opened o(&EnemyFormat);
    const QModelIndex hp = o.grid.index(4, columnOf(o.grid, "hp"));
    const QString saved = hp.data(TableGrid::ExportRole).toString();
    QVERIFY(o.grid.setData(hp, QStringLiteral("1")));
    QCOMPARE(hp.data(TableGrid::OriginalRole).toString(), saved);
    QVERIFY(o.grid.putBack({hp}).ok());
    QCOMPARE(hp.data(TableGrid::ExportRole).toString(), saved);
    QVERIFY(!hp.data(TableGrid::OriginalRole).isValid());
    QVERIFY(o.grid.edits().empty());
}

void tst_TableGrid::manyEntriesSaveAsOneRecordOneUndoPutsBack() {
    Opened o(&EnemyFormat);
    const QByteArray before = o.disk.bytes();
    const int hp = columnOf(o.grid, "hp");
    for (int row = 0; row < EnemyCount; ++row)
        QVERIFY(o.grid.setData(o.grid.index(row, hp), QString::number(row + 1)));
    // Two names in the same save: shorter than their old ones.
    QVERIFY(o.grid.setData(o.grid.index(3, TableGrid::NameColumn), QStringLiteral("Ab")));
    QVERIFY(o.grid.setData(o.grid.index(7, TableGrid::NameColumn), QStringLiteral("Cd")));
    o.rom->enableBackup();
    QCOMPARE(ApplyTransaction(*o.rom, o.grid.plan()).fault, Fault::None);
    const QByteArray after = o.disk.bytes();
    for (int row = 0; row < EnemyCount; ++row)
        QCOMPARE(stored(after, &EnemyFormat, row, "hp"), row + 1);
    QCOMPARE(recordsOf(o.disk.path()), size_t(1));
    QCOMPARE(FileBytes(o.disk.path() + QStringLiteral(".bak")), before);
    QVERIFY(o.grid.load(*o.rom).ok());
    QCOMPARE(o.grid.index(3, TableGrid::NameColumn).data().toString(), QStringLiteral("Ab"));

    o.rom.reset();
    const CliRun undo = RunTool({QStringLiteral("undo"), o.disk.path()});
    QVERIFY2(undo.code == 0, qPrintable(undo.err));
    QCOMPARE(o.disk.bytes(), before);
    QCOMPARE(recordsOf(o.disk.path()), size_t(2));
}

void tst_TableGrid::saveRefusedWhenReplaced() {
    Opened o(&EnemyFormat);
    QVERIFY(o.grid.setData(o.grid.index(1, columnOf(o.grid, "hp")), QStringLiteral("77")));
    QByteArray other = o.disk.bytes();
    other[0x2000] = char(0x42);
    QVERIFY(ReplaceFileBytes(o.disk.path(), other));
    const Outcome saved = ApplyTransaction(*o.rom, o.grid.plan());
    QCOMPARE(saved.fault, SaveFault::Replaced);
    QCOMPARE(saved.entry, QStringLiteral("enemy 1"));
    QCOMPARE(o.disk.bytes(), other);
    QVERIFY(!QFile::exists(o.disk.path() + QStringLiteral(".history")));
    QCOMPARE(o.grid.edits().pendingRows(), 1);
}

QTEST_GUILESS_MAIN(tst_TableGrid)
#include "tst_tablegrid.moc"
