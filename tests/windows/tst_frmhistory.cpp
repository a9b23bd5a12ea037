#include "enemies/enemyrecord.h"
#include "enemies/frmenemy.h"
#include "historywindow/frmhistory.h"
#include "items/itemrecord.h"
#include "tables/transaction.h"
#include "windowdriver.h"

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace {

// One recorded save of `value` into the byte at `offset`, as any writer of ours makes it.
void SaveByte(const ImageOnDisk& disk, const QString& entry, qint64 offset, quint8 value) {
    const auto rom = disk.open();
    Transaction t;
    t.parts.push_back({entry, false, offset, rom->bytes(offset, 1), {{offset, value, {}}}});
    QVERIFY(!ApplyTransaction(*rom, t).failed());
}

// The save numbers the window lists, top to bottom.
QList<quint32> Listed(const frmHistory& window) {
    auto* list = Find<QTreeWidget>(&window, "lstSaves");
    QList<quint32> numbers;
    for (int k = 0; k < list->topLevelItemCount(); ++k)
        numbers << list->topLevelItem(k)->text(0).toUInt();
    return numbers;
}

quint32 Selected(const frmHistory& window) {
    const QTreeWidgetItem* line = Find<QTreeWidget>(&window, "lstSaves")->currentItem();
    return line ? line->text(0).toUInt() : 0;
}

void Select(frmHistory& window, quint32 number) {
    auto* list = Find<QTreeWidget>(&window, "lstSaves");
    const QList<QTreeWidgetItem*> found =
        list->findItems(QString::number(number), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    list->setCurrentItem(found.first());
}

} // namespace

class tst_FrmHistory : public QObject, EditorFixture<frmEnemy> {
    Q_OBJECT
private slots:
    void init() { messages.install(); }
    void cleanup() { tearDown(); }
    void nothingToUndo_data();
    void nothingToUndo();
    void undoRedoAndRefusal();
    void editorKeysAndPutBack();
};

void tst_FrmHistory::nothingToUndo_data() {
    QTest::addColumn<QByteArray>("history");
    QTest::addColumn<QString>("says");
    QTest::newRow("no history") << QByteArray() << "No save has been recorded for this image yet.";
    QTest::newRow("no history of ours")
        << QByteArray("a text file, not a history\n") << "t.nes.history";
}

void tst_FrmHistory::nothingToUndo() {
    QFETCH(QByteArray, history);
    QFETCH(QString, says);
    putOnDisk(MakeDemoImage());
    if (!history.isEmpty())
        QVERIFY(WriteFileBytes(disk->path() + QStringLiteral(".history"), history));
    frmHistory shown(*modStuff::RomFile, {});
    QCOMPARE(Listed(shown), QList<quint32>());
    QVERIFY2(Find<QLabel>(&shown, "lblState")->text().contains(says),
             qPrintable(Find<QLabel>(&shown, "lblState")->text()));
    QVERIFY(!Find<QPushButton>(&shown, "cmdUndo")->isEnabled());
    QCOMPARE(disk->bytes(), before);
}

void tst_FrmHistory::undoRedoAndRefusal() {
    putOnDisk(MakeDemoImage());
    const qint64 hp = EnemyEntryOffset(3) + 3, cost = ItemFormat.entryOffset(5) + 6;
    SaveByte(*disk, QStringLiteral("enemy 3"), hp, quint8(before[hp] ^ 0x11));
    SaveByte(*disk, QStringLiteral("item 5"), cost, quint8(before[cost] ^ 0x22));
    const QByteArray saved = disk->bytes();

    // Opened from an editor, filtered to its entry; the filter cleared shows every save.
    frmHistory shown(*modStuff::RomFile, QStringLiteral("item 5"));
    // Keys reach a window's shortcuts only while it is the active one.
    shown.show();
    QVERIFY(QTest::qWaitForWindowActive(&shown));
    QCOMPARE(Listed(shown), QList<quint32>({2}));
    Find<QLineEdit>(&shown, "txtEntry")->clear();
    QCOMPARE(Listed(shown), QList<quint32>({2, 1}));
    QCOMPARE(Selected(shown), 2u);

    // Undo of save 1 puts back enemy 3's byte alone; the undo is listed first and selected.
    Select(shown, 1);
    QTest::mouseClick(Find<QPushButton>(&shown, "cmdUndo"), Qt::LeftButton);
    QCOMPARE(messages.texts, QStringList());
    QCOMPARE(DifferingOffsets(before, disk->bytes()), QList<qint64>({cost}));
    QCOMPARE(Listed(shown), QList<quint32>({3, 2, 1}));
    QCOMPARE(Selected(shown), 3u);
    QVERIFY(Find<QPlainTextEdit>(&shown, "txtChanges")
                ->toPlainText()
                .contains(QStringLiteral("This save undid save 1.")));

    // Ctrl+Z on the undo redoes the save.
    QTest::keyClick(Find<QTreeWidget>(&shown, "lstSaves"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(disk->bytes(), saved);
    QCOMPARE(Listed(shown), QList<quint32>({4, 3, 2, 1}));

    // Another program changes the byte: undoing the redo is refused, and nothing is written.
    QByteArray changed = saved;
    changed[hp] = char(changed[hp] ^ 0x01); // a bit the save changed
    QVERIFY(WriteFileBytes(disk->path(), changed));
    QTest::mouseClick(Find<QPushButton>(&shown, "cmdUndo"), Qt::LeftButton);
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts.first().contains(QStringLiteral("record 4")) &&
                 messages.texts.first().contains(QStringLiteral("enemy 3")),
             qPrintable(messages.texts.first()));
    QCOMPARE(disk->bytes(), changed);
    QCOMPARE(Listed(shown), QList<quint32>({4, 3, 2, 1}));
}

void tst_FrmHistory::editorKeysAndPutBack() {
    putOnDisk(MakeDemoImage());
    openWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto* enemies = c<QComboBox>("cboEnem");
    auto* hp = c<QLineEdit>("txtHP");
    QTest::keyClick(hp, Qt::Key_PageDown, Qt::ControlModifier);
    QTest::keyClick(hp, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(enemies->currentIndex(), 2);
    QTest::keyClick(hp, Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(enemies->currentIndex(), 1);
    const QString original = hp->text();

    // Ctrl+S saves; the saved field is then tinted and offers its original first.
    TypeInto(hp, original == QLatin1String("7") ? QStringLiteral("8") : QStringLiteral("7"));
    QTest::keyClick(hp, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(messages.texts, QStringList());
    QVERIFY(disk->bytes() != before);
    QCOMPARE(enemies->currentIndex(), 1);
    QString offered;
    QTimer::singleShot(0, hp, [&offered] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction* first = menu->actions().value(0);
        offered = first->text();
        if (first->objectName() == QLatin1String("actPutBack"))
            first->trigger();
        menu->close();
    });
    emit hp->customContextMenuRequested(QPoint(2, 2));
    QCOMPARE(offered, QStringLiteral("Put back the original (%1)").arg(original));
    QCOMPARE(hp->text(), original);
    QCOMPARE(disk->bytes().size(), before.size());
    QVERIFY(disk->bytes() != before); // filled in, not written

    save();
    QCOMPARE(messages.texts, QStringList());
    QCOMPARE(DifferingOffsets(disk->bytes(), before), QList<qint64>());
}

QTEST_MAIN(tst_FrmHistory)
#include "tst_frmhistory.moc"
