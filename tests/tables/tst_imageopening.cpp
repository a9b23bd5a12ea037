#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "support/testsupport.h"
#include "tables/imageopening.h"
#include "tools/syntheticimage.h"

#include <QFile>
#include <QTest>

namespace {

const Tables Both{&ItemFormat, &EnemyFormat};

// Item 6's strength set to `value` through the editors' save, recorded in the image's history.
void saveStrength(const ImageOnDisk& disk, int value) {
    const auto rom = disk.open();
    const std::vector<ItemRecord> items = DecodeItemTable(*rom);
    EntryForm form = FormOf(ItemFormat, &items[6]);
    form[1] = QString::number(value);
    QCOMPARE(SaveEntry(*rom, ItemFormat, 6, form).fault, Fault::None);
}

// The history with its last bytes gone: the record's done mark never got to the disk.
void cutHistory(const ImageOnDisk& disk) {
    const QString history = disk.path() + QStringLiteral(".history");
    const QByteArray whole = FileBytes(history);
    QFile file(history);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(whole.chopped(4)) == whole.size() - 4);
}

} // namespace

class tst_ImageOpening : public QObject {
    Q_OBJECT
private slots:
    void open_data();
    void open();
    void base();
    void changesFollowTheHistory();
};

void tst_ImageOpening::open_data() {
    QTest::addColumn<bool>("there");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("cutShort");
    QTest::addColumn<bool>("write");
    QTest::addColumn<Fault>("refused");
    QTest::addColumn<RecoveryAction>("action");
    QTest::newRow("no such file") << false << qint64(0) << false << true
                                  << Fault(CliFileFault::ImageNotOpened) << RecoveryAction::None;
    QTest::newRow("longer than the limit")
        << true << qint64(1000) << false << true << Fault(CliFileFault::FileTooLarge)
        << RecoveryAction::None;
    QTest::newRow("opened") << true << qint64(0) << false << true << Fault::None
                            << RecoveryAction::None;
    QTest::newRow("a save cut short, put right")
        << true << qint64(0) << true << true << Fault::None << RecoveryAction::Finished;
    QTest::newRow("a save cut short, only reported")
        << true << qint64(0) << true << false << Fault::None << RecoveryAction::Reported;
}

// The one sequence that the editor and tolvane-cli open an image with: the open's own failure as
// the cause, the limit before any read, and a recovery whose record's entries are named for the
// messages, which read no image themselves.
void tst_ImageOpening::open() {
    QFETCH(bool, there);
    QFETCH(qint64, limit);
    QFETCH(bool, cutShort);
    QFETCH(bool, write);
    QFETCH(Fault, refused);
    QFETCH(RecoveryAction, action);
    ImageOnDisk disk(MakeDemoImage());
    if (cutShort) {
        saveStrength(disk, 99);
        cutHistory(disk);
    }
    const QString path = there ? disk.path() : disk.path() + QStringLiteral(".gone");
    const auto opened = ImageOpening::Open(path, write, Both, OpenRomImage, limit);
    QCOMPARE(opened ? Fault::None : opened.failure().fault, refused);
    if (!opened) {
        QCOMPARE(opened.failure().file, path);
        if (refused == CliFileFault::ImageNotOpened)
            QCOMPARE(opened.failure().cause.value(0).fault, ImageFault::SystemCall);
        else
            QCOMPARE(opened.failure().length, qint64(disk.bytes().size()));
        return;
    }
    QCOMPARE(opened->image->path(), path);
    QCOMPARE(opened->recovery.action, action);
    QCOMPARE(opened->entries.all, action == RecoveryAction::None
                                      ? QStringList()
                                      : QStringList{QStringLiteral("item 6")});
}

// A base stands for the original only when it can be read and has the image's size; the marks are
// then drawn against it, read whole.
void tst_ImageOpening::base() {
    ImageOnDisk disk(MakeDemoImage());
    ImageOnDisk copy(disk.bytes(), QStringLiteral("base.nes"));
    ImageOnDisk cut(disk.bytes().first(4000), QStringLiteral("cut.nes"));
    saveStrength(disk, 99);
    const auto rom = disk.open();
    ImageOpening opening;
    QCOMPARE(opening.baseFault(*rom).fault, Fault::None);

    opening.setBase(copy.path() + QStringLiteral(".gone"));
    QCOMPARE(opening.baseFault(*rom).file, copy.path() + QStringLiteral(".gone"));
    QVERIFY(opening.changes(*rom, &ItemFormat).isEmpty());

    opening.setBase(cut.path());
    const Outcome sizes = opening.baseFault(*rom);
    QCOMPARE(sizes.fault, CompareFault::SizesDiffer);
    QCOMPARE(sizes.otherLength, qint64(4000));
    QVERIFY(opening.changes(*rom, &ItemFormat).isEmpty());

    opening.setBase(copy.path());
    QCOMPARE(opening.baseFault(*rom).fault, Fault::None);
    const QList<NetChange> changes = opening.changes(*rom, &ItemFormat);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.front().index, 6);
    QCOMPARE(changes.front().current, QStringLiteral("99"));
}

// Without a base, the original is the history's, read on as it grows between loads.
void tst_ImageOpening::changesFollowTheHistory() {
    ImageOnDisk disk(MakeDemoImage());
    const auto rom = disk.open();
    ImageOpening opening;
    QVERIFY(opening.changes(*rom, &ItemFormat).isEmpty());
    saveStrength(disk, 98);
    QCOMPARE(opening.changes(*rom, &ItemFormat).size(), 1);
    saveStrength(disk, 97);
    const QList<NetChange> changes = opening.changes(*rom, &ItemFormat);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.front().current, QStringLiteral("97"));
}

QTEST_MAIN(tst_ImageOpening)
#include "tst_imageopening.moc"
