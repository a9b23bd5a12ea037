#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "rom/historyfile.h"
#include "tables/tablegrid.h"
#include "tablewindow/frmtable.h"
#include "windowdriver.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>

namespace {

const Tables Both = {&ItemFormat, &EnemyFormat};

int hpColumn() {
    return TableGrid::FirstField + 1; // pointer, then HP
}

// The enemy table's window over a demo image of its own.
struct EnemyTable {
    ImageOnDisk disk{MakeDemoImage(3)};
    std::unique_ptr<RomImage> rom = disk.open();
    ImageOpening opening;
    frmTable window{opening, *rom, &EnemyFormat, Both, {}, QStringLiteral("Enemy Table")};
};

} // namespace

class tst_frmTable : public QObject {
    Q_OBJECT
private slots:
    void init() { messages.install(); }
    void cleanup() { MessageRecorder::remove(); }
    void opensWithTheGridFocused();
    void sortsAsNumbersByIndexWhenEqual_data();
    void sortsAsNumbersByIndexWhenEqual();
    void filterKeepsTheNamesThatHoldIt();
    void typedCellFollowsTheEntryRule();
    void copiedRowsPasteBackAndSave();
    void refusedSaveKeepsTheEdits();
    void whereAndSetBoxes_data();
    void whereAndSetBoxes();

private:
    MessageRecorder messages;
};

void tst_frmTable::opensWithTheGridFocused() {
    EnemyTable table;
    frmTable& window = table.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), window.view());
    QCOMPARE(window.view()->model()->rowCount(), EnemyCount);
    QCOMPARE(window.view()->model()->headerData(hpColumn(), Qt::Horizontal).toString(),
             QStringLiteral("HP"));
    QVERIFY(window.width() <= 1024 && window.height() <= 768);
}

void tst_frmTable::sortsAsNumbersByIndexWhenEqual_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::newRow("hp ascending") << hpColumn() << int(Qt::AscendingOrder);
    QTest::newRow("experience descending")
        << TableGrid::FirstField + 10 << int(Qt::DescendingOrder);
    QTest::newRow("item ascending, many equal")
        << TableGrid::FirstField + 12 << int(Qt::AscendingOrder);
}

void tst_frmTable::sortsAsNumbersByIndexWhenEqual() {
    QFETCH(int, column);
    QFETCH(int, order);
    EnemyTable table;
    frmTable& window = table.window;
    window.view()->sortByColumn(column, Qt::SortOrder(order));
    const QAbstractItemModel* shown = window.view()->model();
    for (int row = 1; row < shown->rowCount(); ++row) {
        const int a = shown->index(row - 1, column).data(TableGrid::SortRole).toInt();
        const int b = shown->index(row, column).data(TableGrid::SortRole).toInt();
        const int ia = shown->index(row - 1, TableGrid::IndexColumn).data().toInt();
        const int ib = shown->index(row, TableGrid::IndexColumn).data().toInt();
        if (order == Qt::AscendingOrder)
            QVERIFY2(a < b || (a == b && ia < ib), qPrintable(QString::number(row)));
        else
            QVERIFY2(a > b || (a == b && ia > ib), qPrintable(QString::number(row)));
    }
}

void tst_frmTable::filterKeepsTheNamesThatHoldIt() {
    EnemyTable table;
    frmTable& window = table.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QString name = window.grid()->index(40, TableGrid::NameColumn).data().toString();
    const QString part = name.mid(1, 3).toUpper();
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    auto* filter = Find<QLineEdit>(&window, "txtFilter");
    QCOMPARE(QApplication::focusWidget(), filter);
    QTest::keyClicks(filter, part);
    const QAbstractItemModel* shown = window.view()->model();
    QVERIFY(shown->rowCount() > 0 && shown->rowCount() < EnemyCount);
    bool found = false;
    for (int row = 0; row < shown->rowCount(); ++row) {
        QVERIFY(shown->index(row, TableGrid::NameColumn)
                    .data()
                    .toString()
                    .contains(part, Qt::CaseInsensitive));
        found = found || shown->index(row, TableGrid::IndexColumn).data().toInt() == 40;
    }
    QVERIFY(found);
}

void tst_frmTable::typedCellFollowsTheEntryRule() {
    EnemyTable table;
    frmTable& window = table.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTableView* view = window.view();
    view->setCurrentIndex(view->model()->index(12, hpColumn()));
    QTest::keyClick(view, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    TypeInto(editor, QStringLiteral("1500"));
    QCOMPARE(editor->text(), QStringLiteral("1023"));
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits a cell once the editor has handled the key, from the event loop.
    const QModelIndex hp = window.grid()->index(12, hpColumn());
    QTRY_COMPARE(hp.data(TableGrid::ExportRole).toString(), QStringLiteral("1023"));
    QVERIFY(hp.data(TableGrid::PendingRole).toBool());
    QCOMPARE(view->model()->headerData(12, Qt::Vertical).toString(), QString(QChar(0x25CF)));
    QCOMPARE(view->model()->headerData(11, Qt::Vertical).toString(), QString());
    QVERIFY(view->model()->index(12, hpColumn()).data(Qt::FontRole).value<QFont>().bold());
}

void tst_frmTable::copiedRowsPasteBackAndSave() {
    EnemyTable table;
    frmTable& window = table.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTableView* view = window.view();
    const QAbstractItemModel* shown = view->model();
    // HP and PP of entries 20 and 21 copied onto 30 and 31.
    view->selectionModel()->select(
        QItemSelection(shown->index(20, hpColumn()), shown->index(21, hpColumn() + 1)),
        QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied.count(QLatin1Char('\n')), 2);
    view->setCurrentIndex(shown->index(30, hpColumn()));
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(QLatin1Char('\n'))));
    QCOMPARE(window.grid()->copy({30, 31}, {hpColumn(), hpColumn() + 1}), copied);
    QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
    QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(QLatin1Char('\n'))));
    QVERIFY(window.grid()->edits().empty());
    // Reread from the file after the save.
    QCOMPARE(window.grid()->copy({30, 31}, {hpColumn(), hpColumn() + 1}), copied);
}

void tst_frmTable::refusedSaveKeepsTheEdits() {
    EnemyTable table;
    frmTable& window = table.window;
    QVERIFY(window.grid()->setData(window.grid()->index(2, hpColumn()), QStringLiteral("5")));
    QByteArray other = table.disk.bytes();
    other[EnemyFormat.entryOffset(2) + 3] = char(0x11); // another program's HP
    QVERIFY(WriteFileBytes(table.disk.path(), other));
    QVERIFY(!window.save());
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].contains(QStringLiteral("enemy 2")), qPrintable(messages.texts[0]));
    QCOMPARE(table.disk.bytes(), other);
    QCOMPARE(window.grid()->edits().pendingRows(), 1);
}

void tst_frmTable::whereAndSetBoxes_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("set");
    QTest::addColumn<bool>("clamp");
    QTest::addColumn<bool>("whereHolds");
    QTest::addColumn<int>("factor");      // of each shown row's HP after the Set; 0 for none taken
    QTest::addColumn<QString>("message"); // what the window says, if anything
    QTest::newRow("double the HP under 100") << "hp < 100"
                                             << "hp = hp * 2" << false << true << 2 << "";
    QTest::newRow("a Where that does not parse keeps the rows") << "hp <"
                                                                << "" << false << false << 0 << "";
    QTest::newRow("a Set past the range takes nothing")
        << "hp < 100"
        << "hp = hp * 100" << false << true << 0
        << "Nothing was changed. The Set assignments, line 1: enemy ";
    QTest::newRow("with Clamp, it is clamped and listed")
        << "hp < 100"
        << "hp = hp * 100" << true << true << -1 << "clamped to 1023";
}

void tst_frmTable::whereAndSetBoxes() {
    QFETCH(QString, where);
    QFETCH(QString, set);
    QFETCH(bool, clamp);
    QFETCH(bool, whereHolds);
    QFETCH(int, factor);
    QFETCH(QString, message);
    EnemyTable table;
    frmTable& window = table.window;
    TableGrid& grid = *window.grid();
    QAbstractItemModel* shown = window.view()->model();
    auto* whereBox = window.findChild<QLineEdit*>(QStringLiteral("txtWhere"));
    auto* setBox = window.findChild<QLineEdit*>(QStringLiteral("txtSet"));
    QTest::keyClicks(whereBox, where);
    std::vector<int> low;
    for (int row = 0; row < grid.rowCount(); ++row)
        if (grid.edits().value(row, 1) < 100)
            low.push_back(row);
    QCOMPARE(whereBox->property("refused").toBool(), !whereHolds);
    if (!whereHolds) {
        QVERIFY(whereBox->toolTip().contains(QStringLiteral("this is not Lua")));
        // The rows as they were when the text last held: "hp" reads as a field, "hp <" not.
        QCOMPARE(shown->rowCount(), EnemyCount);
        return;
    }
    QVERIFY(whereBox->toolTip().isEmpty());
    QVERIFY(!low.empty() && int(low.size()) < EnemyCount);
    QCOMPARE(shown->rowCount(), int(low.size()));
    window.findChild<QCheckBox*>(QStringLiteral("chkClamp"))->setChecked(clamp);
    QTest::keyClicks(setBox, set);
    QTest::keyClick(setBox, Qt::Key_Return);
    if (message.isEmpty())
        QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(QLatin1Char('\n'))));
    else
        QVERIFY2(messages.texts.size() == 1 && messages.texts[0].contains(message),
                 qPrintable(messages.texts.join(QLatin1Char('\n'))));
    QCOMPARE(grid.edits().pendingRows(), factor == 0 ? 0 : int(low.size()));
    for (const int row : low) {
        const qint32 before = grid.edits().saved(row, 1);
        const qint32 expected = factor == 0    ? before
                                : factor == -1 ? std::min(before * 100, 1023)
                                               : before * factor;
        QCOMPARE(grid.edits().value(row, 1), expected);
        QCOMPARE(grid.data(grid.index(row, hpColumn()), TableGrid::PendingRole).toBool(),
                 expected != before);
    }
    if (factor == 0)
        return;
    // Save writes them with the rest, as one record.
    QVERIFY(grid.setData(grid.index(0, hpColumn() + 1), QStringLiteral("7"))); // PP of enemy 0
    QVERIFY(window.save());
    HistoryReader reader(table.disk.path() + QStringLiteral(".history"));
    QVERIFY(!reader.read().failed());
    QCOMPARE(reader.log().records.size(), size_t(1));
    QCOMPARE(grid.edits().pendingRows(), 0);
}

QTEST_MAIN(tst_frmTable)
#include "tst_frmtable.moc"
