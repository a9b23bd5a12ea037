// Every kind of bad image and file fault, opened and edited as a user would: nothing crashes or
// hangs, the user is told where they acted, and no byte outside a saved entry ever changes.
#include "enemies/enemyrecord.h"
#include "enemies/frmenemy.h"
#include "items/frmitem.h"
#include "items/itemrecord.h"
#include "main/frmmain.h"
#include "rom/modstuff.h"
#include "rom/names.h"
#include "rom/newfile.h"
#include "support/failingrom.h"
#include "support/testsupport.h"
#include "windowkit/seams.h"
#include "windowkit/selectline.h"
#include "wording/phrases.h"
#include "wording/wording.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QToolButton>

#include <filesystem>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

// The matrix's own faults, apart from the core's Fault.
namespace matrix {
enum class Fault {
    None,
    OtherEntryChanged,
    DeleteWhileOpen,
    ReplaceWhileOpen,
    EntryChanged,
    TruncateWhileOpen,
    BackupImpossible,
    BackupLinksToImage,
    BackupLinksToOther,
    BackupLinksNowhere,
    BackupWriteFails,
    BackupSyncFails,
    ReadOnly,
    FailFirstWrite,
    FailThirdWrite,
    FailLastWrite,
    FailThirdWriteForGood
};
} // namespace matrix
enum class Editor { Items, Enemies };

QByteArray filled(int size, char byte) {
    return QByteArray(size, byte);
}

QByteArray withAllPointers(int pointer) {
    SyntheticImage image = MakeDemoImage();
    for (int i = 0; i < ItemCount; ++i)
        image.setWord(ItemEntryOffset(i), pointer);
    for (int n = 0; n < EnemyCount; ++n)
        image.setWord(EnemyEntryOffset(n) + 0x18, pointer);
    return image.bytes;
}

QByteArray withNameBytes(const QByteArray& text) {
    SyntheticImage image = MakeDemoImage();
    const int at = 0x6000;
    image.bytes.replace(at, text.size(), text);
    for (int i = 0; i < ItemCount; ++i)
        image.setWord(ItemEntryOffset(i), at + PointerBias);
    for (int n = 0; n < EnemyCount; ++n)
        image.setWord(EnemyEntryOffset(n) + 0x18, at + PointerBias);
    return image.bytes;
}

// The entry a save of the last item or enemy writes, as [first, last] offsets.
std::pair<qint64, qint64> savedEntry(Editor editor) {
    const qint64 base =
        editor == Editor::Items ? ItemEntryOffset(ItemCount - 1) : EnemyEntryOffset(EnemyCount - 1);
    return {base, base + (editor == Editor::Items ? ItemEntrySize : EnemyEntrySize) - 1};
}

} // namespace

class tst_BadImages : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void refusedOpen_data();
    void refusedOpen();
    void editAndSave_data();
    void editAndSave();
    void failedLoadDisablesSave();

private:
    QStringList m_messages;
    QTemporaryDir m_dir;
};

void tst_BadImages::init() {
    m_messages.clear();
    SetMessageHandler([this](QWidget*, QMessageBox::Icon, const QString&, const QString& text) {
        m_messages << text;
    });
}

void tst_BadImages::cleanup() {
    SetMessageHandler({});
    SetOpenDialogHandler({});
    SetNewFileFault({});
    modStuff::RomFile.reset();
}

void tst_BadImages::refusedOpen_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing path") << QStringLiteral("/nonexistent/tolvane/none.nes") << QString();
    QTest::newRow("directory") << QDir::tempPath() << QString();
    QTest::newRow("device") << DeviceOfNoLength() << QStringLiteral("device, not a file");
#ifndef Q_OS_WIN
    // Opening a FIFO for reading waits for a writer; with none, the open must not hang.
    const QString fifo = m_dir.filePath(QStringLiteral("fifo.nes"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0400) == 0);
    QTest::newRow("FIFO") << fifo << QStringLiteral("FIFO");
#endif
}

void tst_BadImages::refusedOpen() {
    QFETCH(QString, path);
    QFETCH(QString, reason);
    frmMain main;
    SetOpenDialogHandler([&](QWidget*) { return path; });
    QTest::mouseClick(main.findChild<QToolButton*>(QStringLiteral("cmdOpen")), Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains(QDir::toNativeSeparators(path)) &&
                 m_messages.first().contains(reason),
             qPrintable(m_messages.first()));
    QVERIFY(!modStuff::RomFile);
    QVERIFY(main.findChild<QGroupBox*>(QStringLiteral("fraMain"))->isHidden());
}

void tst_BadImages::editAndSave_data() {
    using matrix::Fault;
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("editor");
    const QByteArray demo = MakeDemoImage().bytes;
    const int full = SyntheticImage::FullSize;
    struct Image {
        const char* name;
        QByteArray bytes;
    };
    const Image images[] = {
        {"empty file", {}},
        {"one byte", QByteArray(1, 'N')},
        {"ends inside the item table", demo.left(ItemEntryOffset(60) + 3)},
        {"ends inside the enemy table", demo.left(EnemyEntryOffset(80) + 17)},
        {"all 0xFF", filled(full, char(0xFF))},
        {"all 0x00", filled(full, 0)},
        {"every name pointer below 0x7FF0", withAllPointers(0x1234)},
        {"names of bytes 0x01-0x7F", withNameBytes("\x01\x41\x7F\x05")},
        {"a 40000-byte name", withNameBytes(QByteArray(40000, char(0xC1)) + '\0')},
    };
    for (const Image& image : images)
        for (const Editor editor : {Editor::Items, Editor::Enemies})
            QTest::addRow("%s, %s", image.name, editor == Editor::Items ? "items" : "enemies")
                << image.bytes << int(Fault::None) << int(editor);
    const std::pair<const char*, Fault> faults[] = {
        {"another entry changed by another program", Fault::OtherEntryChanged},
        {"deleted while open", Fault::DeleteWhileOpen},
        {"replaced while open", Fault::ReplaceWhileOpen},
        {"the entry changed by another program", Fault::EntryChanged},
        {"backup impossible", Fault::BackupImpossible},
        {"backup a link to the image", Fault::BackupLinksToImage},
        {"backup a link to another file", Fault::BackupLinksToOther},
        {"backup a dangling link", Fault::BackupLinksNowhere},
        {"backup write fails", Fault::BackupWriteFails},
        {"backup sync fails", Fault::BackupSyncFails},
        {"truncated while open", Fault::TruncateWhileOpen},
        {"read-only", Fault::ReadOnly},
        {"write fails after the first", Fault::FailFirstWrite},
        {"write fails after the third", Fault::FailThirdWrite},
        {"last write fails", Fault::FailLastWrite},
        {"writes fail for good after the third", Fault::FailThirdWriteForGood},
    };
    for (const auto& [name, fault] : faults)
        for (const Editor editor : {Editor::Items, Editor::Enemies})
            QTest::addRow("%s, %s", name, editor == Editor::Items ? "items" : "enemies")
                << demo << int(fault) << int(editor);
}

void tst_BadImages::editAndSave() {
    using matrix::Fault;
    QFETCH(QByteArray, image);
    QFETCH(int, fault);
    QFETCH(int, editor);
    const Editor which = Editor(editor);
    const Fault f = Fault(fault);
    const QByteArray original = image;
    ImageOnDisk disk(image);
    const QString backup = disk.path() + QStringLiteral(".bak");
    // The image is closed before its folder is removed: Windows keeps an open file's name.
    const auto closeFirst = qScopeGuard([] { modStuff::RomFile.reset(); });
    // An unusual mode, which the backup must take over.
    QVERIFY(QFile::setPermissions(disk.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));

    frmMain main;
    SetOpenDialogHandler([&](QWidget*) { return disk.path(); });
    QTest::mouseClick(main.findChild<QToolButton*>(QStringLiteral("cmdOpen")), Qt::LeftButton);
    QVERIFY(modStuff::RomFile);
    QVERIFY(m_messages.isEmpty());

    const int writes = which == Editor::Items ? 8 : 20;
    switch (f) {
    case Fault::TruncateWhileOpen:
        QVERIFY(QFile::resize(disk.path(), 0x100));
        image.truncate(0x100);
        break;
    case Fault::ReadOnly:
        // Permissions do not stop root, so the image is opened for reading alone directly.
        modStuff::RomFile =
            std::make_unique<RomImage>(disk.path(), *OpenImageFileForReading(disk.path()));
        break;
    // One write fails, and the old bytes then go back; or every write fails from the fourth on.
    case Fault::FailFirstWrite:
        modStuff::RomFile = std::make_unique<FailingRom>(disk.path(), 1, 1);
        break;
    case Fault::FailThirdWrite:
        modStuff::RomFile = std::make_unique<FailingRom>(disk.path(), 3, 1);
        break;
    case Fault::FailLastWrite:
        modStuff::RomFile = std::make_unique<FailingRom>(disk.path(), writes - 1, 1);
        break;
    case Fault::FailThirdWriteForGood:
        modStuff::RomFile = std::make_unique<FailingRom>(disk.path(), 3);
        break;
    default:
        break;
    }
    modStuff::RomFile->enableBackup();

    // Load the editor, pick the last entry, change one field and save.
    std::unique_ptr<QDialog> window;
    QComboBox* list;
    QLineEdit* field;
    if (which == Editor::Items) {
        auto* item = new frmItem(main.imageOpening(), &main);
        window.reset(item);
        item->Form_Load();
        list = item->findChild<QComboBox*>(QStringLiteral("cboItem"));
        field = item->findChild<QLineEdit*>(QStringLiteral("txtStr"));
    } else {
        auto* enemy = new frmEnemy(main.imageOpening(), &main);
        window.reset(enemy);
        enemy->Form_Load();
        list = enemy->findChild<QComboBox*>(QStringLiteral("cboEnem"));
        field = enemy->findChild<QLineEdit*>(QStringLiteral("txtHP"));
    }
    window->show();
    QCOMPARE(list->count(), which == Editor::Items ? ItemCount : EnemyCount);
    const int last = list->count() - 1;
    SelectLine(list, last);
    emit list->activated(last);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("77"));
    QCOMPARE(field->text(), QStringLiteral("77"));

    // Strength is byte 3 of an item; HP's low byte is byte 3 of an enemy.
    const auto [first, end] = savedEntry(which);
    const qint64 valueAt = first + 3;
    // Another program acts on the file while the entry is shown.
    QString refusal, linkTarget;
    QByteArray targetBytes;
    switch (f) {
    case Fault::OtherEntryChanged:
        image[valueAt - (end - first + 1)] = char(0x42);
        QVERIFY(WriteFileBytes(disk.path(), image));
        break;
    case Fault::EntryChanged:
    case Fault::ReplaceWhileOpen: {
        image[valueAt] = char(0x42);
        const bool inPlace = f == Fault::EntryChanged;
        QVERIFY(inPlace ? WriteFileBytes(disk.path(), image)
                        : ReplaceFileBytes(disk.path(), image));
        refusal = QLatin1String(inPlace ? "another program changed" : "replaced on disk");
        break;
    }
    case Fault::DeleteWhileOpen:
        if (WineKeepsDeletedNames())
            QSKIP("Wine keeps a deleted open file's name and reports no pending delete");
        QVERIFY(QFile::remove(disk.path()));
        refusal = QStringLiteral("deleted or moved away");
        break;
    case Fault::BackupImpossible:
        QVERIFY(QDir().mkdir(backup));
        refusal = QStringLiteral("Cannot make the backup");
        break;
    case Fault::BackupLinksToImage:
    case Fault::BackupLinksToOther:
    case Fault::BackupLinksNowhere: {
        linkTarget = f == Fault::BackupLinksToImage ? disk.path()
                     : f == Fault::BackupLinksToOther
                         ? m_dir.filePath(QStringLiteral("theirs"))
                         : m_dir.filePath(QStringLiteral("nowhere/none"));
        if (f == Fault::BackupLinksToOther)
            QVERIFY(WriteFileBytes(linkTarget, "theirs"));
        targetBytes = FileBytes(linkTarget);
        std::error_code error;
        std::filesystem::create_symlink(linkTarget.toStdWString(), backup.toStdWString(), error);
        if (error)
            QSKIP("symbolic links cannot be made here");
        break;
    }
    case Fault::BackupWriteFails:
    case Fault::BackupSyncFails: {
        // An older backup, which a failed one must leave whole.
        QVERIFY(WriteFileBytes(backup, "older"));
        const auto step = f == Fault::BackupWriteFails ? NewFileStep::Write : NewFileStep::Sync;
        SetNewFileFault([step](NewFileStep at) { return at == step ? DiskFullError() : 0; });
        refusal = SystemText(DiskFullError());
        break;
    }
    case Fault::FailFirstWrite:
    case Fault::FailThirdWrite:
    case Fault::FailLastWrite:
        refusal = SystemText(DiskFullError());
        break;
    default:
        break;
    }
    window->findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();

    // The saved entry is still shown, and it shows what the file holds.
    QCOMPARE(list->currentIndex(), last);
    const bool fits = image.size() > end;
    const bool failing = f >= Fault::ReadOnly;
    QCOMPARE(m_messages.size(), fits && !failing && refusal.isEmpty() ? 0 : 1);
    if (!refusal.isEmpty())
        QVERIFY2(m_messages.first().contains(refusal) &&
                     m_messages.first().contains(QStringLiteral("Nothing was written")),
                 qPrintable(m_messages.first()));
    if (f == Fault::DeleteWhileOpen) {
        // Nothing is made at the path; the window still shows the deleted file as it was.
        QVERIFY(!QFile::exists(disk.path()));
        QCOMPARE(field->text(), QString::number(quint8(image.at(valueAt))));
        return;
    }
    const QByteArray now = disk.bytes();
    for (const qint64 offset : DifferingOffsets(image, now))
        QVERIFY2(refusal.isEmpty() && offset >= first && offset <= end,
                 qPrintable(QStringLiteral("byte %1 outside the saved entry changed").arg(offset)));
    if (!fits) {
        QCOMPARE(now, image);
        QVERIFY2(m_messages.first().contains(QStringLiteral("Nothing was written")),
                 qPrintable(m_messages.first()));
    }
    const int stored = now.size() > valueAt ? quint8(now.at(valueAt)) : 0;
    const int storedHigh = which == Editor::Enemies && now.size() > valueAt + 1
                               ? (quint8(now.at(valueAt + 1)) & 3) << 8
                               : 0;
    QCOMPARE(field->text(), QString::number(stored + storedHigh));
    // Written in part only when some byte differs from before: the first writes of a save may
    // put back the very bytes that stood there.
    if (f == Fault::FailThirdWriteForGood)
        QVERIFY2(m_messages.first().contains(now == image ? QStringLiteral("Nothing was written")
                                                          : QStringLiteral("stopped at the")),
                 qPrintable(m_messages.first()));

    // A save that wrote made one backup, of the image as it was opened, and a second save in the
    // same opening leaves it alone. One whose writes were put back made it too.
    const bool rolledBack =
        f == Fault::FailFirstWrite || f == Fault::FailThirdWrite || f == Fault::FailLastWrite;
    const bool wrote = (fits && refusal.isEmpty() && f != Fault::ReadOnly) || rolledBack;
    const bool older = f == Fault::BackupWriteFails || f == Fault::BackupSyncFails;
    QCOMPARE(QFileInfo(backup).isFile(), wrote || older);
    if (older)
        QCOMPARE(FileBytes(backup), QByteArray("older"));
    if (!linkTarget.isEmpty()) {
        // The link was replaced, never followed: what it led to is as it was.
        QVERIFY(!QFileInfo(backup).isSymLink());
        QCOMPARE(modStuff::RomFile->pathState(), RomImage::PathState::Same);
        if (f != Fault::BackupLinksToImage)
            QCOMPARE(FileBytes(linkTarget), targetBytes);
        QCOMPARE(QFile::exists(linkTarget), f != Fault::BackupLinksNowhere);
    }
    if (wrote)
        QCOMPARE(QFile::permissions(backup), QFile::permissions(disk.path()));
    if (wrote && !failing && !rolledBack) {
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("78"));
        window->findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
        QCOMPARE(field->text(), QStringLiteral("78"));
    }
    if (wrote)
        QCOMPARE(FileBytes(backup), f == Fault::OtherEntryChanged ? image : original);
}

void tst_BadImages::failedLoadDisablesSave() {
    ImageOnDisk disk(MakeDemoImage());
    disk.makeCurrent();
    auto* failing = new FailingRom(disk.path());
    modStuff::RomFile.reset(failing);
    failing->failReads = true;
    ImageOpening opening;
    frmEnemy enemy(opening);
    enemy.Form_Load();
    auto* save = enemy.findChild<QPushButton*>(QStringLiteral("cmdSave"));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(!save->isEnabled());
    failing->failReads = false;
    enemy.LoadData();
    QVERIFY(save->isEnabled());
}

QTEST_MAIN(tst_BadImages)
#include "tst_badimages.moc"
