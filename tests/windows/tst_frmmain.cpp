#include "enemies/frmenemy.h"
#include "items/frmitem.h"
#include "items/itemnames.h"
#include "items/itemrecord.h"
#include "main/frmmain.h"
#include "rom/modstuff.h"
#include "support/testsupport.h"
#include "windowdriver.h"

#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>

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

private:
    template <class Control> Control* c(const char* name) {
        return Find<Control>(window.get(), name);
    }
    void open(const QString& path);

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
                                                      {"cmdText", {120, 1680, 2055, 375}}};
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
    const QStringList expected = {QStringLiteral("cmdOpen"), QStringLiteral("cmdItem"),
                                  QStringLiteral("cmdEnemy"), QStringLiteral("cmdPSI"),
                                  QStringLiteral("cmdText")};
    QCOMPARE(TabChain(c<QToolButton>("cmdOpen")), expected);
}

QTEST_MAIN(tst_FrmMain)
#include "tst_frmmain.moc"
