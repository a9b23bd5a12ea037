#include "items/frmitem.h"
#include "items/itemrecord.h"
#include "play/emulator.h"
#include "support/failingrom.h"
#include "windowdriver.h"
#include "wording/phrases.h"
#include "wording/wording.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace {

struct Known {
    int quimboPtr = 0; // item 7's name pointer
};

// The demo image with a few items whose values the tests rely on.
SyntheticImage ItemImage(Known* known = nullptr) {
    SyntheticImage image = MakeDemoImage(5);
    SyntheticImage::Item item;
    item.namePtr = image.addName(QStringLiteral("Brovel"));
    item.cost = 120;
    image.setItem(0, item);
    item.namePtr = image.addName(QStringLiteral("Tarnik"));
    item.cost = 65535;
    image.setItem(3, item);
    item.namePtr = image.addName(QString());
    image.setItem(5, item);
    item.namePtr = image.addName(QStringLiteral("Quimbo"));
    image.setItem(7, item);
    if (known)
        known->quimboPtr = item.namePtr;
    // Bits 5 and 4 set, with Loid and Ninten.
    image.setItem(9, {image.addName(QStringLiteral("Fesk")), 0x35, 7, 8, 9, 300});
    item.namePtr = image.addName(QStringLiteral("Zestrel"));
    image.setItem(113, item);
    return image;
}

} // namespace

class tst_FrmItem : public QObject, EditorFixture<frmItem> {
    Q_OBJECT
private slots:
    void init() { messages.install(); }
    void cleanup() { tearDown(); }
    void listLines();
    void reselectionDropsEdits();
    void typedLimit();
    void saveWritesTheEntry();
    void savedFieldsAreMarked();
    void unchangedSave_data();
    void unchangedSave();
    void failingWrite();
    void readOnlyImage();
    void shortImage_data();
    void shortImage();
    void layout();
    void f5Plays();
};

void tst_FrmItem::listLines() {
    openWindow(ItemImage());
    auto* list = c<QComboBox>("cboItem");
    auto* name = c<QLineEdit>("txtName");

    QCOMPARE(list->count(), ItemCount);
    QCOMPARE(list->itemText(0), QStringLiteral("Brovel [000]"));
    QCOMPARE(list->itemText(5), QStringLiteral(" [005]"));
    QCOMPARE(list->itemText(7), QStringLiteral("Quimbo [007]"));
    QCOMPARE(list->itemText(113), QStringLiteral("Zestrel [113]"));
    QCOMPARE(name->text(), QStringLiteral("Brovel"));
    QVERIFY(name->isEnabled());

    ChooseLine(list, 5);
    QCOMPARE(name->text(), QString());
    QVERIFY(!name->isEnabled());
}

void tst_FrmItem::reselectionDropsEdits() {
    openWindow(ItemImage());
    auto* list = c<QComboBox>("cboItem");
    auto* cost = c<QLineEdit>("txtCost");
    auto* perm = c<QCheckBox>("chkPerm");

    ChooseLine(list, 9);
    QCOMPARE(cost->text(), QStringLiteral("300"));
    TypeInto(cost, QStringLiteral("42"));
    QTest::mouseClick(perm, Qt::LeftButton);
    QVERIFY(perm->isChecked());

    ChooseLine(list, 9);
    QCOMPARE(cost->text(), QStringLiteral("300"));
    QVERIFY(!perm->isChecked());

    TypeInto(cost, QStringLiteral("42"));
    window->LoadData();
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(cost->text(), QStringLiteral("120"));
}

void tst_FrmItem::typedLimit() {
    openWindow(ItemImage());
    auto* cost = c<QLineEdit>("txtCost");

    ChooseLine(c<QComboBox>("cboItem"), 3);
    QCOMPARE(cost->text(), QStringLiteral("65535"));
    cost->end(false);
    QTest::keyClick(cost, Qt::Key_1);
    QCOMPARE(cost->text(), QStringLiteral("65535"));

    TypeInto(cost, QStringLiteral("9999"));
    QCOMPARE(cost->text(), QStringLiteral("9999"));
    QTest::keyClick(cost, Qt::Key_5);
    QCOMPARE(cost->text(), QStringLiteral("9999"));
    PasteInto(cost, QStringLiteral("12345"));
    QCOMPARE(cost->text(), QStringLiteral("1234"));
    PasteInto(cost, QStringLiteral("1e4"));
    QCOMPARE(cost->text(), QStringLiteral("10000"));

    TypeInto(c<QLineEdit>("txtNamePtr"), QStringLiteral("8A3C5"));
    QCOMPARE(c<QLineEdit>("txtNamePtr")->text(), QStringLiteral("8A3C"));
}

void tst_FrmItem::savedFieldsAreMarked() {
    Known known;
    openWindow(ItemImage(&known));
    auto* cost = c<QLineEdit>("txtCost");
    auto* name = c<QLineEdit>("txtName");
    const QPalette unmarked = cost->palette();
    ChooseLine(c<QComboBox>("cboItem"), 3);
    const bool edible = c<QCheckBox>("chkEdible")->isChecked();
    TypeInto(cost, QStringLiteral("7"));
    // Typing marks nothing: the marks follow what is stored.
    QCOMPARE(cost->toolTip(), QString());
    QTest::mouseClick(c<QCheckBox>("chkEdible"), Qt::LeftButton);
    TypeInto(c<QLineEdit>("txtNamePtr"), QString::number(known.quimboPtr, 16));
    save();

    QCOMPARE(name->text(), QStringLiteral("Quimbo"));
    QCOMPARE(name->toolTip(), QStringLiteral("Original: Tarnik"));
    QVERIFY(name->palette().color(QPalette::Base) != unmarked.color(QPalette::Base));

    QCOMPARE(cost->toolTip(), QStringLiteral("Original: 65535"));
    QVERIFY(cost->palette().color(QPalette::Base) != unmarked.color(QPalette::Base));
    QCOMPARE(c<QCheckBox>("chkEdible")->toolTip(),
             QStringLiteral("Original: ") + (edible ? QStringLiteral("1") : QStringLiteral("0")));
    QVERIFY(c<QCheckBox>("chkEdible")->font().underline());
    auto* str = c<QLineEdit>("txtStr");
    QCOMPARE(str->toolTip(), QString());
    QCOMPARE(str->palette().color(QPalette::Base), unmarked.color(QPalette::Base));
    QVERIFY(!c<QCheckBox>("chkPerm")->font().underline());
    auto* list = c<QComboBox>("cboItem");
    QCOMPARE(list->itemText(3), QStringLiteral("Quimbo [003]"));
    QVERIFY(list->itemData(3, Qt::FontRole).value<QFont>().bold());
    QVERIFY(!list->itemData(4, Qt::FontRole).isValid());
    // Another entry shows no marks.
    ChooseLine(list, 0);
    QCOMPARE(cost->toolTip(), QString());
    QCOMPARE(cost->palette().color(QPalette::Base), unmarked.color(QPalette::Base));
    QCOMPARE(name->toolTip(), QString());
    QCOMPARE(name->palette().color(QPalette::Base), unmarked.color(QPalette::Base));
}

void tst_FrmItem::saveWritesTheEntry() {
    Known known;
    openWindow(ItemImage(&known));

    ChooseLine(c<QComboBox>("cboItem"), 9);
    QTest::mouseClick(c<QCheckBox>("chkPerm"), Qt::LeftButton);
    QTest::mouseClick(c<QCheckBox>("chkNinten"), Qt::LeftButton);
    PasteInto(c<QLineEdit>("txtStr"), QStringLiteral("2.5"));
    TypeInto(c<QLineEdit>("txtEffOut"), QStringLiteral("300"));
    TypeInto(c<QLineEdit>("txtEffIn"), QStringLiteral("0"));
    TypeInto(c<QLineEdit>("txtCost"), QStringLiteral("1234"));
    TypeInto(c<QLineEdit>("txtNamePtr"), QString::number(known.quimboPtr, 16));
    save();

    QCOMPARE(messages.texts, QStringList());
    QByteArray expected = before;
    const int base = ItemEntryOffset(9);
    // Bits 5 and 4 of the flag byte stay set.
    const quint8 entry[] = {
        quint8(known.quimboPtr), quint8(known.quimboPtr >> 8), 0xB4, 2, 255, 0, 0xD2, 0x04};
    for (int k = 0; k < ItemEntrySize; ++k)
        expected[base + k] = char(entry[k]);
    QCOMPARE(DifferingOffsets(disk->bytes(), expected), QList<qint64>());

    // Shown again as stored; the new pointer names the line.
    QCOMPARE(c<QComboBox>("cboItem")->currentIndex(), 9);
    QCOMPARE(c<QComboBox>("cboItem")->itemText(9), QStringLiteral("Quimbo [009]"));
    QCOMPARE(c<QLineEdit>("txtStr")->text(), QStringLiteral("2"));
    QCOMPARE(c<QLineEdit>("txtNamePtr")->text(), QString::number(known.quimboPtr, 16).toUpper());
    QVERIFY(c<QCheckBox>("chkPerm")->isChecked());
    QVERIFY(!c<QCheckBox>("chkNinten")->isChecked());
}

void tst_FrmItem::unchangedSave_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("item 0") << 0;
    QTest::newRow("item 9, bits 5 and 4 set") << 9;
    QTest::newRow("item 42") << 42;
    QTest::newRow("item 113") << 113;
}

void tst_FrmItem::unchangedSave() {
    QFETCH(int, index);
    openWindow(ItemImage());

    ChooseLine(c<QComboBox>("cboItem"), index);
    save();

    QCOMPARE(messages.texts, QStringList());
    QCOMPARE(DifferingOffsets(disk->bytes(), before), QList<qint64>());
    QCOMPARE(c<QComboBox>("cboItem")->currentIndex(), index);
}

void tst_FrmItem::failingWrite() {
    Known known;
    putOnDisk(ItemImage(&known));
    // The pointer's two bytes and the flag byte land; the strength is the first write to fail.
    modStuff::RomFile = std::make_unique<FailingRom>(disk->path(), 3);
    openWindow();

    ChooseLine(c<QComboBox>("cboItem"), 9);
    QTest::mouseClick(c<QCheckBox>("chkPerm"), Qt::LeftButton);
    TypeInto(c<QLineEdit>("txtStr"), QStringLiteral("77"));
    TypeInto(c<QLineEdit>("txtCost"), QStringLiteral("999"));
    TypeInto(c<QLineEdit>("txtNamePtr"), QString::number(known.quimboPtr, 16));
    save();

    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].contains(QDir::toNativeSeparators(disk->path())),
             qPrintable(messages.texts[0]));
    QVERIFY2(messages.texts[0].contains(SystemText(DiskFullError())),
             qPrintable(messages.texts[0]));
    QByteArray expected = before;
    const int base = ItemEntryOffset(9);
    expected[base] = char(known.quimboPtr & 0xFF);
    expected[base + 1] = char(known.quimboPtr >> 8);
    expected[base + 2] = char(0xB5);
    QCOMPARE(DifferingOffsets(disk->bytes(), expected), QList<qint64>());

    // The window shows the file, not what was typed.
    QCOMPARE(c<QComboBox>("cboItem")->currentIndex(), 9);
    QVERIFY(c<QCheckBox>("chkPerm")->isChecked());
    QCOMPARE(c<QLineEdit>("txtStr")->text(), QStringLiteral("7"));
    QCOMPARE(c<QLineEdit>("txtCost")->text(), QStringLiteral("300"));
    QCOMPARE(c<QLineEdit>("txtNamePtr")->text(), QString::number(known.quimboPtr, 16).toUpper());
}

void tst_FrmItem::readOnlyImage() {
    putOnDisk(ItemImage());
    QVERIFY(QFile::setPermissions(disk->path(), QFile::ReadOwner | QFile::ReadGroup));
    auto file = OpenImageFile(disk->path());
    QVERIFY(file);
    if (!file->readOnly) {
        // Root may write to any file; open it for reading only, as for any other user.
        CloseFile(file->handle);
        file = OpenImageFileForReading(disk->path());
        QVERIFY(file);
    }
    modStuff::RomFile = std::make_unique<RomImage>(disk->path(), *file);
    openWindow();

    TypeInto(c<QLineEdit>("txtCost"), QStringLiteral("77"));
    save();

    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].contains(QDir::toNativeSeparators(disk->path())),
             qPrintable(messages.texts[0]));
    QCOMPARE(disk->bytes(), before);
    QCOMPARE(c<QLineEdit>("txtCost")->text(), QStringLiteral("120"));
}

void tst_FrmItem::shortImage_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("index");
    QTest::newRow("entry partly beyond the end") << ItemEntryOffset(113) + 4 << 113;
    QTest::newRow("entry wholly beyond the end") << ItemEntryOffset(100) << 110;
}

void tst_FrmItem::shortImage() {
    QFETCH(int, size);
    QFETCH(int, index);
    openWindow(SyntheticImage(size));

    ChooseLine(c<QComboBox>("cboItem"), index);
    TypeInto(c<QLineEdit>("txtCost"), QStringLiteral("77"));
    save();

    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].contains(QDir::toNativeSeparators(disk->path())),
             qPrintable(messages.texts[0]));
    QCOMPARE(disk->bytes(), before);
    QCOMPARE(c<QLineEdit>("txtCost")->text(), QStringLiteral("0"));
}

void tst_FrmItem::layout() {
    openWindow(ItemImage());
    QCOMPARE(window->size(), pixels(QRect(0, 0, 4440, 4200)).size());
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(
        !(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    const std::pair<const char*, QRect> controls[] = {{"cboItem", {120, 120, 2895, 315}},
                                                      {"Label2", {0, 1200, 1815, 255}},
                                                      {"txtCost", {1920, 2280, 1095, 285}},
                                                      {"chkTeddy", {1320, 3360, 1095, 255}},
                                                      {"cmdSave", {120, 3720, 1455, 375}}};
    for (const auto& [name, twips] : controls)
        QVERIFY2(c<QWidget>(name)->geometry() == pixels(twips), name);
    QVERIFY(c<QLabel>("Label6")->alignment() & Qt::AlignRight);
    QVERIFY(!(c<QLabel>("Label7")->alignment() & Qt::AlignRight));

    const QStringList tabs = {
        QStringLiteral("txtNamePtr"), QStringLiteral("txtStr"),    QStringLiteral("txtEffOut"),
        QStringLiteral("txtEffIn"),   QStringLiteral("txtCost"),   QStringLiteral("cmdSave"),
        QStringLiteral("chkPerm"),    QStringLiteral("chkEdible"), QStringLiteral("chkNinten"),
        QStringLiteral("chkAna"),     QStringLiteral("chkLoid"),   QStringLiteral("chkTeddy"),
        QStringLiteral("cboItem"),    QStringLiteral("txtName")};
    QCOMPARE(TabChain(c<QLineEdit>("txtNamePtr")), tabs);
}

QTEST_MAIN(tst_FrmItem)
void tst_FrmItem::f5Plays() {
    // The item editor plays at F5 as the enemy editor does: without edits, at once, here with an
    // emulator that cannot start, whose message shows that playing was tried.
    openWindow(ItemImage());
    qputenv("TOLVANE_EMULATOR", "\"/no/such/emulator\" %f");
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F5);
    qunsetenv("TOLVANE_EMULATOR");
    QCOMPARE(messages.texts.size(), 1);
    const QString command = JoinCommandLine(
        {QStringLiteral("/no/such/emulator"), QDir::toNativeSeparators(disk->path())});
    QVERIFY2(messages.texts.first().contains(command), qPrintable(messages.texts.first()));
    QCOMPARE(disk->bytes(), before);
}

#include "tst_frmitem.moc"
