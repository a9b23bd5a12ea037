// Every kind of bad image and file fault, opened and edited as a user would: nothing crashes or
// hangs, the user is told where they acted, and no byte outside a saved entry ever changes.
#include "enemies/enemyrecord.h"
#include "enemies/frmenemy.h"
#include "items/frmitem.h"
#include "items/itemrecord.h"
#include "main/frmmain.h"
#include "rom/modstuff.h"
#include "rom/names.h"
#include "support/failingrom.h"
#include "support/testsupport.h"
#include "windowkit/seams.h"
#include "windowkit/selectline.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QToolButton>

namespace {

enum class Fault {
    None,
    DeleteWhileOpen,
    TruncateWhileOpen,
    ReadOnly,
    FailFirstWrite,
    FailThirdWrite,
    FailLastWrite
};
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
    void deviceOfNoLength();

private:
    QStringList m_messages;
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
    modStuff::RomFile.reset();
}

void tst_BadImages::refusedOpen_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("missing path") << QStringLiteral("/nonexistent/tolvane/none.nes");
    QTest::newRow("directory") << QDir::tempPath();
}

void tst_BadImages::refusedOpen() {
    QFETCH(QString, path);
    frmMain main;
    SetOpenDialogHandler([&](QWidget*) { return path; });
    QTest::mouseClick(main.findChild<QToolButton*>(QStringLiteral("cmdOpen")), Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains(QDir::toNativeSeparators(path)),
             qPrintable(m_messages.first()));
    QVERIFY(!modStuff::RomFile);
    QVERIFY(main.findChild<QGroupBox*>(QStringLiteral("fraMain"))->isHidden());
}

void tst_BadImages::editAndSave_data() {
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
        {"deleted while open", Fault::DeleteWhileOpen},
        {"truncated while open", Fault::TruncateWhileOpen},
        {"read-only", Fault::ReadOnly},
        {"write fails after the first", Fault::FailFirstWrite},
        {"write fails after the third", Fault::FailThirdWrite},
        {"last write fails", Fault::FailLastWrite},
    };
    for (const auto& [name, fault] : faults)
        for (const Editor editor : {Editor::Items, Editor::Enemies})
            QTest::addRow("%s, %s", name, editor == Editor::Items ? "items" : "enemies")
                << demo << int(fault) << int(editor);
}

void tst_BadImages::editAndSave() {
    QFETCH(QByteArray, image);
    QFETCH(int, fault);
    QFETCH(int, editor);
    const Editor which = Editor(editor);
    ImageOnDisk disk(image);
    // The image is closed before its folder is removed: Windows keeps an open file's name.
    const auto closeFirst = qScopeGuard([] { modStuff::RomFile.reset(); });

    frmMain main;
    SetOpenDialogHandler([&](QWidget*) { return disk.path(); });
    QTest::mouseClick(main.findChild<QToolButton*>(QStringLiteral("cmdOpen")), Qt::LeftButton);
    QVERIFY(modStuff::RomFile);
    QVERIFY(m_messages.isEmpty());

    const int writes = which == Editor::Items ? 8 : 20;
    switch (Fault(fault)) {
    case Fault::DeleteWhileOpen:
        QVERIFY(QFile::remove(disk.path()));
        break;
    case Fault::TruncateWhileOpen:
        QVERIFY(QFile::resize(disk.path(), 0x100));
        image.truncate(0x100);
        break;
    case Fault::ReadOnly:
        // Permissions do not stop root, so the image is opened for reading alone directly.
        modStuff::RomFile =
            std::make_unique<RomImage>(disk.path(), *OpenImageFileForReading(disk.path(), nullptr));
        break;
    case Fault::FailFirstWrite:
        modStuff::RomFile = std::make_unique<FailingRom>(disk.path(), 1);
        break;
    case Fault::FailThirdWrite:
        modStuff::RomFile = std::make_unique<FailingRom>(disk.path(), 3);
        break;
    case Fault::FailLastWrite:
        modStuff::RomFile = std::make_unique<FailingRom>(disk.path(), writes - 1);
        break;
    case Fault::None:
        break;
    }

    // Load the editor, pick the last entry, change one field and save.
    std::unique_ptr<QDialog> window;
    QComboBox* list;
    QLineEdit* field;
    if (which == Editor::Items) {
        auto* item = new frmItem(&main);
        window.reset(item);
        item->Form_Load();
        list = item->findChild<QComboBox*>(QStringLiteral("cboItem"));
        field = item->findChild<QLineEdit*>(QStringLiteral("txtStr"));
    } else {
        auto* enemy = new frmEnemy(&main);
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
    window->findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();

    // The saved entry is still shown, and it shows what the file holds.
    QCOMPARE(list->currentIndex(), last);
    const auto [first, end] = savedEntry(which);
    const bool fits = image.size() > end;
    const bool failing = Fault(fault) >= Fault::ReadOnly;
    if (Fault(fault) == Fault::DeleteWhileOpen) {
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(field->text(), QStringLiteral("77"));
        return;
    }
    QCOMPARE(m_messages.size(), fits && !failing ? 0 : 1);
    const QByteArray now = disk.bytes();
    for (const qint64 offset : DifferingOffsets(image, now))
        QVERIFY2(offset >= first && offset <= end,
                 qPrintable(QStringLiteral("byte %1 outside the saved entry changed").arg(offset)));
    if (!fits) {
        QCOMPARE(now, image);
        QVERIFY2(m_messages.first().contains(QStringLiteral("Nothing was written")),
                 qPrintable(m_messages.first()));
    }
    // Strength is byte 3 of an item; HP's low byte is byte 3 of an enemy.
    const qint64 valueAt = first + 3;
    const int stored = now.size() > valueAt ? quint8(now.at(valueAt)) : 0;
    const int storedHigh = which == Editor::Enemies && now.size() > valueAt + 1
                               ? (quint8(now.at(valueAt + 1)) & 3) << 8
                               : 0;
    QCOMPARE(field->text(), QString::number(stored + storedHigh));
    if (Fault(fault) == Fault::FailThirdWrite || Fault(fault) == Fault::FailFirstWrite)
        QVERIFY2(m_messages.first().contains(QStringLiteral("kept in the file")),
                 qPrintable(m_messages.first()));
}

void tst_BadImages::deviceOfNoLength() {
    // A device reports a length of 0 and reads as zeros (/dev/full also refuses every write; NUL
    // takes them all): each save is refused as lying beyond the end, and nothing is attempted.
    const QString device = DeviceOfNoLength();
    frmMain main;
    SetOpenDialogHandler([&](QWidget*) { return device; });
    QTest::mouseClick(main.findChild<QToolButton*>(QStringLiteral("cmdOpen")), Qt::LeftButton);
    QVERIFY(modStuff::RomFile);
    frmEnemy enemy(&main);
    enemy.Form_Load();
    enemy.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains(QStringLiteral("only 0 bytes long")),
             qPrintable(m_messages.first()));
    frmItem item(&main);
    item.Form_Load();
    item.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
    QCOMPARE(m_messages.size(), 2);
}

QTEST_MAIN(tst_BadImages)
#include "tst_badimages.moc"
