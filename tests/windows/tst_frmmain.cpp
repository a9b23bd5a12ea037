#include "enemies/enemyrecord.h"
#include "enemies/frmenemy.h"
#include "items/frmitem.h"
#include "items/itemnames.h"
#include "items/itemrecord.h"
#include "main/arguments.h"
#include "main/frmmain.h"
#include "rom/modstuff.h"
#include "rom/systemfile.h"
#include "support/testsupport.h"
#include "windowdriver.h"
#include "windowkit/changemarks.h"
#include "wording/phrases.h"
#include "wording/wording.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QGroupBox>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>

namespace {

// An image whose enemy 0 and item 1 carry the given names.
SyntheticImage NamedImage(const QString& enemyName, const QString& itemName) {
    SyntheticImage image = MakeDemoImage(11);
    SyntheticImage::Enemy enemy;
    enemy.namePtr = image.addName(enemyName);
    image.setEnemy(0, enemy);
    SyntheticImage::Item item;
    item.namePtr = image.addName(itemName);
    image.setItem(1, item);
    return image;
}

// The three ways a path reaches the open sequence.
enum class Route { Dialog, Argument, Drop };

// What an open left behind, for comparing one way with another.
struct OpenResult {
    QStringList messages;
    bool imageOpen = false;
    QString romPath;
    bool frameVisible = false;
    QStringList itemNames;
    bool operator==(const OpenResult&) const = default;
};

char* toString(const OpenResult& o) {
    return QTest::toString(QStringLiteral("messages %1; image %2, path '%3'; frame %4; %5 names")
                               .arg(o.messages.join(QLatin1Char('|')))
                               .arg(o.imageOpen)
                               .arg(o.romPath)
                               .arg(o.frameVisible)
                               .arg(o.itemNames.size()));
}

} // namespace

class tst_FrmMain : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startState();
    void cancelledDialog();
    void failedOpen_data();
    void failedOpen();
    void idleButtons();
    void itemEditorReused();
    void enemyEditorFollowsTheOpenImage();
    void tabOrder();
    void playTestNamesTheCommand();
    void everyWayOpensAlike_data();
    void everyWayOpensAlike();
    void givenArguments_data();
    void givenArguments();
    void drops_data();
    void drops();
    void noDropWhileAnEditorIsOpen();
    void openPutsRightACutShortSave();

private:
    template <class Control> Control* c(const char* name) {
        return Find<Control>(window.get(), name);
    }
    void open(const QString& path);
    void openBy(Route route, const QString& path);
    Qt::DropAction drop(QMimeData* data, Qt::DropActions actions);
    OpenResult outcome() const;

    MessageRecorder messages;
    std::unique_ptr<frmMain> window;
};

void tst_FrmMain::init() {
    messages.install();
    window = std::make_unique<frmMain>();
    window->show();
}

void tst_FrmMain::cleanup() {
    window.reset();
    modStuff::RomFile.reset();
    modStuff::RomPath.clear();
    ItemNames.clear();
    MessageRecorder::remove();
    SetOpenDialogHandler({});
}

void tst_FrmMain::open(const QString& path) {
    SetOpenDialogHandler([path](QWidget*) { return path; });
    QTest::mouseClick(c<QToolButton>("cmdOpen"), Qt::LeftButton);
}

void tst_FrmMain::openBy(Route route, const QString& path) {
    switch (route) {
    case Route::Dialog:
        open(path);
        break;
    case Route::Argument:
        OpenGivenImage(*window, {QStringLiteral("tolvane"), path});
        break;
    case Route::Drop: {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QCOMPARE(drop(&data, Qt::CopyAction | Qt::MoveAction), Qt::CopyAction);
        break;
    }
    }
}

// Drags `data` over the middle of the window and drops it there, through the routing of the
// window's platform window, as a drag from a file manager arrives. Returns the action the drop was
// taken with, IgnoreAction when the drag or the drop was refused.
Qt::DropAction tst_FrmMain::drop(QMimeData* data, Qt::DropActions actions) {
    QWindow* handle = window->windowHandle();
    const QPoint at = window->rect().center();
    QDragEnterEvent enter(at, actions, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &enter);
    if (!enter.isAccepted())
        return Qt::IgnoreAction;
    QDropEvent dropped(at, actions, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &dropped);
    // The image is opened once the drop has returned.
    QCoreApplication::processEvents();
    return dropped.isAccepted() ? dropped.dropAction() : Qt::IgnoreAction;
}

OpenResult tst_FrmMain::outcome() const {
    return {messages.texts, modStuff::RomFile != nullptr, modStuff::RomPath,
            Find<QGroupBox>(window.get(), "fraMain")->isVisible(), ItemNames};
}

void tst_FrmMain::startState() {
    QCOMPARE(window->windowTitle(), QStringLiteral("Tolvane, v0.2.0"));
    QVERIFY(!c<QGroupBox>("fraMain")->isVisible());
    auto* openButton = c<QToolButton>("cmdOpen");
    QCOMPARE(openButton->toolTip(), QStringLiteral("Open ROM..."));
    QVERIFY(!openButton->icon().availableSizes().isEmpty());
    QVERIFY(!window->windowIcon().availableSizes().isEmpty());

    const auto px = [this](int t) { return TwipsToPixels(window.get(), t); };
    QCOMPARE(window->size(), QSize(px(4335), px(6105)));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(
        !(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    if (window->logicalDpiY() == 96)
        QCOMPARE(openButton->size(), QSize(25, 25));
    const std::pair<const char*, QRect> controls[] = {{"cmdOpen", {0, 0, 375, 375}},
                                                      {"fraMain", {120, 480, 4095, 5535}},
                                                      {"cmdItem", {120, 240, 2055, 375}},
                                                      {"cmdText", {120, 1680, 2055, 375}},
                                                      {"cmdItemTable", {120, 2160, 2055, 375}},
                                                      {"cmdEnemyTable", {120, 2640, 2055, 375}},
                                                      {"cmdHistory", {120, 3120, 2055, 375}},
                                                      {"cmdPlay", {120, 3600, 2055, 375}}};
    for (const auto& [name, t] : controls)
        QVERIFY2(c<QWidget>(name)->geometry() ==
                     QRect(px(t.x()), px(t.y()), px(t.width()), px(t.height())),
                 name);
}

void tst_FrmMain::cancelledDialog() {
    open(QString());
    QVERIFY(!c<QGroupBox>("fraMain")->isVisible());
    QVERIFY(!modStuff::RomFile);
    QCOMPARE(messages.texts, QStringList());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tolvane, v0.2.0"));

    ImageOnDisk disk(MakeDemoImage());
    open(disk.path());
    const RomImage* current = modStuff::RomFile.get();
    open(QString());
    QCOMPARE(modStuff::RomFile.get(), current);
    QVERIFY(c<QGroupBox>("fraMain")->isVisible());
}

void tst_FrmMain::failedOpen_data() {
    QTest::addColumn<bool>("directory");
    QTest::addColumn<bool>("imageBefore");
    QTest::newRow("missing path, no image before") << false << false;
    QTest::newRow("directory, no image before") << true << false;
    QTest::newRow("missing path, image kept") << false << true;
    QTest::newRow("directory, image kept") << true << true;
}

void tst_FrmMain::failedOpen() {
    QFETCH(bool, directory);
    QFETCH(bool, imageBefore);
    ImageOnDisk disk(NamedImage(QStringLiteral("Vorrum"), QStringLiteral("Skellet")));
    QTemporaryDir folder;
    const QString bad = directory ? folder.path() : folder.filePath(QStringLiteral("gone.nes"));
    if (imageBefore)
        open(disk.path());
    const RomImage* before = modStuff::RomFile.get();
    const QStringList namesBefore = ItemNames;
    messages.texts.clear();

    open(bad);

    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].contains(QDir::toNativeSeparators(bad)),
             qPrintable(messages.texts[0]));
    QCOMPARE(modStuff::RomFile.get(), before);
    QCOMPARE(modStuff::RomPath, imageBefore ? disk.path() : QString());
    QCOMPARE(ItemNames, namesBefore);
    QCOMPARE(c<QGroupBox>("fraMain")->isVisible(), imageBefore);
}

void tst_FrmMain::idleButtons() {
    ImageOnDisk disk(MakeDemoImage());
    open(disk.path());
    const QByteArray before = disk.bytes();
    const auto windowsBefore = QApplication::topLevelWidgets().size();

    QTest::mouseClick(c<QPushButton>("cmdPSI"), Qt::LeftButton);
    QTest::mouseClick(c<QPushButton>("cmdText"), Qt::LeftButton);

    QCOMPARE(messages.texts, QStringList());
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    QVERIFY(!window->itemEditor() && !window->enemyEditor());
    QCOMPARE(modStuff::RomPath, disk.path());
    QCOMPARE(disk.bytes(), before);
}

void tst_FrmMain::itemEditorReused() {
    ImageOnDisk disk(MakeDemoImage());
    open(disk.path());
    QWidget* first = nullptr;
    PressModal(c<QPushButton>("cmdItem"), [&](QWidget* editor) {
        first = editor;
        QVERIFY(editor && editor->isModal());
        ChooseLine(Find<QComboBox>(editor, "cboItem"), 4);
        TypeInto(Find<QLineEdit>(editor, "txtCost"), QStringLiteral("4321"));
        QTest::mouseClick(Find<QPushButton>(editor, "cmdSave"), Qt::LeftButton);
        ChooseLine(Find<QComboBox>(editor, "cboItem"), 6);
    });
    QCOMPARE(first, static_cast<QWidget*>(window->itemEditor()));
    const int cost = ItemEntryOffset(4) + 6;
    QCOMPARE(quint8(disk.bytes().at(cost)) | quint8(disk.bytes().at(cost + 1)) << 8, 4321);

    QWidget* second = nullptr;
    int shownLine = -1;
    QString savedCost;
    PressModal(c<QPushButton>("cmdItem"), [&](QWidget* editor) {
        second = editor;
        QVERIFY(editor);
        auto* list = Find<QComboBox>(editor, "cboItem");
        shownLine = list->currentIndex();
        ChooseLine(list, 4);
        savedCost = Find<QLineEdit>(editor, "txtCost")->text();
    });
    QCOMPARE(second, first);
    QCOMPARE(shownLine, 0);
    QCOMPARE(savedCost, QStringLiteral("4321"));
}

void tst_FrmMain::enemyEditorFollowsTheOpenImage() {
    ImageOnDisk one(NamedImage(QStringLiteral("Vorrum"), QStringLiteral("Skellet")));
    ImageOnDisk two(NamedImage(QStringLiteral("Brisk"), QStringLiteral("Dunmaw")),
                    QStringLiteral("u.nes"));
    const auto look = [this](QWidget** editor, QString* enemy, QString* item) {
        PressModal(c<QPushButton>("cmdEnemy"), [=](QWidget* shown) {
            *editor = shown;
            QVERIFY(shown);
            *enemy = Find<QComboBox>(shown, "cboEnem")->itemText(0);
            *item = Find<QComboBox>(shown, "cboItem")->itemText(1);
        });
    };
    QWidget* first = nullptr;
    QWidget* second = nullptr;
    QString enemy, item;

    open(one.path());
    look(&first, &enemy, &item);
    QCOMPARE(enemy, QStringLiteral("Vorrum [000]"));
    QCOMPARE(item, QStringLiteral("Skellet"));

    open(two.path());
    look(&second, &enemy, &item);
    QCOMPARE(second, first);
    QCOMPARE(enemy, QStringLiteral("Brisk [000]"));
    QCOMPARE(item, QStringLiteral("Dunmaw"));
}

void tst_FrmMain::tabOrder() {
    ImageOnDisk disk(MakeDemoImage());
    open(disk.path());
    const QStringList expected = {QStringLiteral("cmdOpen"),       QStringLiteral("cmdItem"),
                                  QStringLiteral("cmdEnemy"),      QStringLiteral("cmdPSI"),
                                  QStringLiteral("cmdText"),       QStringLiteral("cmdItemTable"),
                                  QStringLiteral("cmdEnemyTable"), QStringLiteral("cmdHistory"),
                                  QStringLiteral("cmdPlay")};
    QCOMPARE(TabChain(c<QToolButton>("cmdOpen")), expected);
}

void tst_FrmMain::playTestNamesTheCommand() {
    ImageOnDisk disk(MakeDemoImage(), QStringLiteral("my image.nes"));
    open(disk.path());
    const QByteArray before = disk.bytes();
    qputenv("TOLVANE_EMULATOR", "\"/no/such/emulator\" --rom=%f");
    QTest::mouseClick(c<QPushButton>("cmdPlay"), Qt::LeftButton);
    qunsetenv("TOLVANE_EMULATOR");
    // A start that fails says so, with the command as it was run; the image is not touched.
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts.first().contains(QStringLiteral("/no/such/emulator \"--rom=%1\"")
                                                 .arg(QDir::toNativeSeparators(disk.path()))),
             qPrintable(messages.texts.first()));
    QCOMPARE(disk.bytes(), before);
}

void tst_FrmMain::everyWayOpensAlike_data() {
    QTest::addColumn<int>("route");
    QTest::addColumn<QString>("name"); // t.nes is the image; the others lie in another folder
    QTest::addColumn<bool>("opens");
    const std::pair<const char*, Route> routes[] = {{"argument", Route::Argument},
                                                    {"drop", Route::Drop}};
    for (const auto& [route, r] : routes) {
        QTest::addRow("%s: an image", route) << int(r) << QStringLiteral("t.nes") << true;
        QTest::addRow("%s: a missing path", route) << int(r) << QStringLiteral("gone.nes") << false;
        QTest::addRow("%s: a folder", route) << int(r) << QStringLiteral("folder.nes") << false;
    }
}

// A path given on the command line or dropped on the window gives exactly what the open dialog
// gives for it: the same messages, the same image, frame and names.
void tst_FrmMain::everyWayOpensAlike() {
    QFETCH(int, route);
    QFETCH(QString, name);
    QFETCH(bool, opens);
    ImageOnDisk disk(NamedImage(QStringLiteral("Vorrum"), QStringLiteral("Skellet")));
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.nes")));
    const QString path = name == QLatin1String("t.nes") ? disk.path() : folder.filePath(name);

    open(path);
    const OpenResult byDialog = outcome();
    QCOMPARE(byDialog.imageOpen, opens);
    QCOMPARE(byDialog.messages.size(), opens ? 0 : 1);

    cleanup();
    init();
    openBy(Route(route), path);
    QCOMPARE(outcome(), byDialog);
}

void tst_FrmMain::givenArguments_data() {
    QTest::addColumn<QStringList>("given"); // relative to the image's folder
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QStringList>("named"); // by the one message, if any
    const QString image = QStringLiteral("t.nes");
    QTest::newRow("nothing") << QStringList() << false << QStringList();
    QTest::newRow("a relative path") << QStringList{image} << true << QStringList();
    QTest::newRow("two images") << QStringList{image, QStringLiteral("u.nes")} << false
                                << QStringList{image, QStringLiteral("u.nes")};
    // The image opens all the same; only its marks depend on the base.
    QTest::newRow("a base that cannot be read")
        << QStringList{QStringLiteral("--base"), QStringLiteral("gone.nes"), image} << true
        << QStringList{QStringLiteral("gone.nes"), SystemText(MissingFileError())};
    QTest::newRow("a base of another size")
        << QStringList{QStringLiteral("--base"), QStringLiteral("short.nes"), image} << true
        << QStringList{QStringLiteral("short.nes"), QStringLiteral(" 16 bytes")};
    QTest::newRow("a base of the same size")
        << QStringList{QStringLiteral("--base"), image, image} << true << QStringList();
}

void tst_FrmMain::givenArguments() {
    QFETCH(QStringList, given);
    QFETCH(bool, opens);
    QFETCH(QStringList, named);
    ImageOnDisk disk(MakeDemoImage());
    const QString start = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QFileInfo(disk.path()).path()));
    QFile shortBase(QStringLiteral("short.nes"));
    QVERIFY(shortBase.open(QIODevice::WriteOnly) && shortBase.write(QByteArray(16, 0)) == 16);
    shortBase.close();

    QStringList images;
    QString base;
    QCOMPARE(ReadCommandLine(QStringList{QStringLiteral("tolvane")} + given, &images, &base),
             std::nullopt);
    window->imageOpening().setBase(base);
    OpenGivenImage(*window, QStringList{QStringLiteral("tolvane")} + images);
    QVERIFY(QDir::setCurrent(start));

    QCOMPARE(messages.texts.size(), named.isEmpty() ? 0 : 1);
    for (const QString& part : named)
        QVERIFY2(messages.texts.value(0).contains(part), qPrintable(messages.texts.value(0)));
    QCOMPARE(modStuff::RomPath, opens ? disk.path() : QString());
    QCOMPARE(c<QGroupBox>("fraMain")->isVisible(), opens);
}

void tst_FrmMain::drops_data() {
    QTest::addColumn<QStringList>("urls"); // file names in the image's folder, or whole URLs
    QTest::addColumn<int>("actions");
    QTest::addColumn<int>("taken"); // the action the drop is taken with; IgnoreAction: refused
    const int copyOrMove = Qt::CopyAction | Qt::MoveAction;
    const QStringList one{QStringLiteral("t.nes")};
    QTest::newRow("one image") << one << copyOrMove << int(Qt::CopyAction);
    QTest::newRow("upper-case extension")
        << QStringList{QStringLiteral("T.NES")} << copyOrMove << int(Qt::CopyAction);
    QTest::newRow("link only") << one << int(Qt::LinkAction) << int(Qt::LinkAction);
    QTest::newRow("move only") << one << int(Qt::MoveAction) << int(Qt::IgnoreAction);
    QTest::newRow("another kind of file")
        << QStringList{QStringLiteral("t.txt")} << copyOrMove << int(Qt::IgnoreAction);
    QTest::newRow("two images") << QStringList{QStringLiteral("t.nes"), QStringLiteral("u.nes")}
                                << copyOrMove << int(Qt::IgnoreAction);
    QTest::newRow("a remote image")
        << QStringList{QStringLiteral("sftp://host/t.nes")} << copyOrMove << int(Qt::IgnoreAction);
    QTest::newRow("text, no file") << QStringList() << copyOrMove << int(Qt::IgnoreAction);
}

void tst_FrmMain::drops() {
    QFETCH(QStringList, urls);
    QFETCH(int, actions);
    QFETCH(int, taken);
    QTemporaryDir folder;
    QList<QUrl> dragged;
    for (const QString& name : urls) {
        if (name.contains(QLatin1Char(':'))) {
            dragged << QUrl(name);
            continue;
        }
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(MakeDemoImage().bytes) > 0);
        dragged << QUrl::fromLocalFile(folder.filePath(name));
    }
    QMimeData data;
    data.setUrls(dragged);
    if (dragged.isEmpty())
        data.setText(QStringLiteral("t.nes"));

    QCOMPARE(int(drop(&data, Qt::DropActions(actions))), taken);
    const bool opened = taken != Qt::IgnoreAction;
    QCOMPARE(modStuff::RomPath, opened ? dragged.first().toLocalFile() : QString());
    QCOMPARE(c<QGroupBox>("fraMain")->isVisible(), opened);
    QCOMPARE(messages.texts, QStringList());
}

void tst_FrmMain::noDropWhileAnEditorIsOpen() {
    ImageOnDisk first(MakeDemoImage());
    ImageOnDisk second(MakeDemoImage(), QStringLiteral("u.nes"));
    open(first.path());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(second.path())});
    Qt::DropAction taken = Qt::CopyAction;
    PressModal(c<QPushButton>("cmdEnemy"),
               [&](QWidget*) { taken = drop(&data, Qt::CopyAction | Qt::MoveAction); });
    QCOMPARE(taken, Qt::IgnoreAction);
    QCOMPARE(modStuff::RomPath, first.path());
    QCOMPARE(messages.texts, QStringList());
}

void tst_FrmMain::openPutsRightACutShortSave() {
    // A crash left enemy 5's save with 3 of its 8 bytes written.
    ImageOnDisk disk(MakeDemoImage(4));
    const QByteArray before = disk.bytes();
    const qint64 at = EnemyEntryOffset(5);
    QByteArray after = before.mid(at, 8);
    for (char& b : after)
        b = char(~b);
    CutShortSave(disk.path(), at, after, 3);
    open(disk.path());
    QCOMPARE(disk.bytes(), before);
    QCOMPARE(messages.texts.size(), 1);
    for (const char* part : {"enemy 5", "2025-12-09 09:00:00", "put back"})
        QVERIFY2(messages.texts[0].contains(QLatin1String(part)), qPrintable(messages.texts[0]));
    // A recovery makes no backup: it would hold the torn image.
    QVERIFY(!QFile::exists(disk.path() + QStringLiteral(".bak")));
}

QTEST_MAIN(tst_FrmMain)
#include "tst_frmmain.moc"
