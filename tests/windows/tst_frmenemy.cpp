#include "enemies/enemyrecord.h"
#include "enemies/frmenemy.h"
#include "items/itemnames.h"
#include "rom/historyformat.h"
#include "support/failingrom.h"
#include "windowdriver.h"
#include "wording/phrases.h"
#include "wording/wording.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

// The demo image with a few enemies whose values the tests rely on.
SyntheticImage EnemyImage() {
    SyntheticImage image = MakeDemoImage(9);
    SyntheticImage::Enemy enemy;
    enemy.namePtr = image.addName(QStringLiteral("Grumwald"));
    enemy.hp = 40;
    enemy.item = 5;
    image.setEnemy(0, enemy);
    enemy.namePtr = image.addName(QStringLiteral("Oskavi"));
    enemy.item = 200;
    enemy.highBits = 0x58;
    image.setEnemy(9, enemy);
    enemy.namePtr = image.addName(QStringLiteral("Pellork"));
    enemy.hp = 300;
    enemy.highBits = 0xA4;
    enemy.item = 0;
    image.setEnemy(12, enemy);
    return image;
}

} // namespace

class tst_FrmEnemy : public QObject, EditorFixture<frmEnemy> {
    Q_OBJECT
private slots:
    void init() { messages.install(); }
    void cleanup() { tearDown(); }
    void typicalEdit();
    void listLines();
    void reselectionDropsEdits();
    void fieldsHaveNoTypedLimit();
    void refusedPointer_data();
    void refusedPointer();
    void keptItemByte();
    void unchangedSave_data();
    void unchangedSave();
    void failingWrite();
    void shortImage_data();
    void shortImage();
    void marksFollowTheHistory_data();
    void marksFollowTheHistory();
    void layout();
    void playAsksAboutEdits_data();
    void playAsksAboutEdits();
};

void tst_FrmEnemy::typicalEdit() {
    openWindow(EnemyImage());
    auto* hp = c<QLineEdit>("txtHP");

    ChooseLine(c<QComboBox>("cboEnem"), 12);
    QCOMPARE(hp->text(), QStringLiteral("300"));
    TypeInto(hp, QStringLiteral("150"));
    QCOMPARE(hp->text(), QStringLiteral("150"));
    QTest::keyClick(hp, Qt::Key_0);
    QCOMPARE(hp->text(), QStringLiteral("1023"));
    save();

    QCOMPARE(messages.texts, QStringList());
    const int base = EnemyEntryOffset(12);
    QCOMPARE(DifferingOffsets(before, disk->bytes()), QList<qint64>({base + 3, base + 4}));
    QCOMPARE(quint8(disk->bytes().at(base + 3)), quint8(0xFF));
    QCOMPARE(quint8(disk->bytes().at(base + 4)), quint8(0xA7)); // bits 2-7 kept
    QCOMPARE(c<QComboBox>("cboEnem")->currentIndex(), 12);
    QCOMPARE(hp->text(), QStringLiteral("1023"));
}

void tst_FrmEnemy::listLines() {
    openWindow(EnemyImage());
    auto* enemies = c<QComboBox>("cboEnem");
    auto* items = c<QComboBox>("cboItem");

    QCOMPARE(enemies->count(), EnemyCount);
    QCOMPARE(enemies->itemText(0), QStringLiteral("Grumwald [000]"));
    QCOMPARE(enemies->itemText(12), QStringLiteral("Pellork [012]"));
    QVERIFY(enemies->itemText(120).endsWith(QLatin1String(" [120]")));

    QCOMPARE(items->count(), HighestItem + 1);
    QCOMPARE(items->itemText(0), QStringLiteral("<nothing>"));
    for (int j = 1; j <= HighestItem; ++j)
        QCOMPARE(items->itemText(j), ItemNames.at(j));
    QVERIFY(!ItemNames.at(5).isEmpty());
    QCOMPARE(items->currentText(), ItemNames.at(5));
}

void tst_FrmEnemy::reselectionDropsEdits() {
    openWindow(EnemyImage());
    auto* list = c<QComboBox>("cboEnem");
    auto* hp = c<QLineEdit>("txtHP");
    auto* pointer = c<QLineEdit>("txtNamePtr");

    ChooseLine(list, 12);
    const QString storedPointer = pointer->text();
    TypeInto(hp, QStringLiteral("5"));
    TypeInto(pointer, QStringLiteral("1FZ"));
    QCOMPARE(pointer->text(), QStringLiteral("1FZ"));

    ChooseLine(list, 12);
    QCOMPARE(hp->text(), QStringLiteral("300"));
    QCOMPARE(pointer->text(), storedPointer);

    TypeInto(hp, QStringLiteral("5"));
    window->LoadData();
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(hp->text(), QStringLiteral("40"));
}

void tst_FrmEnemy::fieldsHaveNoTypedLimit() {
    openWindow(EnemyImage());

    TypeInto(c<QLineEdit>("txtExp"), QStringLiteral("100000"));
    QCOMPARE(c<QLineEdit>("txtExp")->text(), QStringLiteral("65535"));
    PasteInto(c<QLineEdit>("txtHP"), QStringLiteral("&HFFFF"));
    QCOMPARE(c<QLineEdit>("txtHP")->text(), QStringLiteral("0"));
    TypeInto(c<QLineEdit>("txtNamePtr"), QStringLiteral("123456789"));
    QCOMPARE(c<QLineEdit>("txtNamePtr")->text(), QStringLiteral("123456789"));
}

void tst_FrmEnemy::refusedPointer_data() {
    QTest::addColumn<QString>("pointer");
    QTest::newRow("five digits") << QStringLiteral("10000");
    QTest::newRow("negative as 32 bits") << QStringLiteral("80000000");
    QTest::newRow("past 32 bits") << QStringLiteral("123456789");
}

void tst_FrmEnemy::refusedPointer() {
    QFETCH(QString, pointer);
    openWindow(EnemyImage());

    ChooseLine(c<QComboBox>("cboEnem"), 12);
    const QString storedPointer = c<QLineEdit>("txtNamePtr")->text();
    TypeInto(c<QLineEdit>("txtFight"), QStringLiteral("17"));
    TypeInto(c<QLineEdit>("txtNamePtr"), pointer);
    save();

    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].contains(pointer), qPrintable(messages.texts[0]));
    QCOMPARE(disk->bytes(), before);
    QCOMPARE(c<QComboBox>("cboEnem")->currentIndex(), 12);
    QCOMPARE(c<QLineEdit>("txtNamePtr")->text(), storedPointer);
    QCOMPARE(c<QLineEdit>("txtFight")->text(), QStringLiteral("0"));
}

void tst_FrmEnemy::keptItemByte() {
    openWindow(EnemyImage());
    auto* items = c<QComboBox>("cboItem");
    QCOMPARE(items->currentIndex(), 5);

    // The entry shown before had item 5; the stored 200 has no line.
    ChooseLine(c<QComboBox>("cboEnem"), 9);
    QCOMPARE(items->currentIndex(), -1);
    TypeInto(c<QLineEdit>("txtMoney"), QStringLiteral("321"));
    save();

    QCOMPARE(messages.texts, QStringList());
    const int base = EnemyEntryOffset(9);
    QCOMPARE(quint8(disk->bytes().at(base + 0x1E)), quint8(200));
    QCOMPARE(DifferingOffsets(before, disk->bytes()), QList<qint64>({base + 0x1C, base + 0x1D}));
    QCOMPARE(items->currentIndex(), -1);
}

void tst_FrmEnemy::unchangedSave_data() {
    QTest::addColumn<int>("entry");
    QTest::newRow("entry 0") << 0;
    QTest::newRow("entry 12") << 12;
    QTest::newRow("entry 57") << 57;
    QTest::newRow("entry 120") << 120;
}

void tst_FrmEnemy::unchangedSave() {
    QFETCH(int, entry);
    openWindow(EnemyImage());

    ChooseLine(c<QComboBox>("cboEnem"), entry);
    save();

    QCOMPARE(messages.texts, QStringList());
    QCOMPARE(DifferingOffsets(before, disk->bytes()), QList<qint64>());
    QCOMPARE(c<QComboBox>("cboEnem")->currentIndex(), entry);
}

void tst_FrmEnemy::failingWrite() {
    const SyntheticImage image = EnemyImage();
    putOnDisk(image);
    // The pointer's two bytes and Fight land; Speed is the first write to fail.
    modStuff::RomFile = std::make_unique<FailingRom>(disk->path(), 3);
    openWindow();
    const int base = EnemyEntryOffset(12);
    const int otherPointer = image.word(EnemyEntryOffset(0) + 0x18);

    ChooseLine(c<QComboBox>("cboEnem"), 12);
    TypeInto(c<QLineEdit>("txtNamePtr"), QString::number(otherPointer, 16));
    TypeInto(c<QLineEdit>("txtFight"), QStringLiteral("17"));
    TypeInto(c<QLineEdit>("txtSpeed"), QStringLiteral("18"));
    TypeInto(c<QLineEdit>("txtHP"), QStringLiteral("5"));
    save();

    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].contains(QDir::toNativeSeparators(disk->path())),
             qPrintable(messages.texts[0]));
    QVERIFY2(messages.texts[0].contains(SystemText(DiskFullError())),
             qPrintable(messages.texts[0]));
    QByteArray expected = before;
    expected[base + 0x18] = char(otherPointer & 0xFF);
    expected[base + 0x19] = char(otherPointer >> 8);
    expected[base + 0x0B] = char(17);
    QCOMPARE(DifferingOffsets(disk->bytes(), expected), QList<qint64>());

    // The window shows the file, not what was typed.
    QCOMPARE(c<QComboBox>("cboEnem")->currentIndex(), 12);
    QCOMPARE(c<QComboBox>("cboEnem")->itemText(12), QStringLiteral("Grumwald [012]"));
    QCOMPARE(c<QLineEdit>("txtFight")->text(), QStringLiteral("17"));
    QCOMPARE(c<QLineEdit>("txtSpeed")->text(), QStringLiteral("0"));
    QCOMPARE(c<QLineEdit>("txtHP")->text(), QStringLiteral("300"));
}

void tst_FrmEnemy::shortImage_data() {
    QTest::addColumn<int>("entry");
    QTest::newRow("entry partly beyond the end") << 5;
    QTest::newRow("entry wholly beyond the end") << 100;
}

void tst_FrmEnemy::shortImage() {
    QFETCH(int, entry);
    SyntheticImage image = EnemyImage();
    image.bytes.truncate(EnemyEntryOffset(5) + 10);
    openWindow(image);

    ChooseLine(c<QComboBox>("cboEnem"), entry);
    TypeInto(c<QLineEdit>("txtMoney"), QStringLiteral("77"));
    save();

    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].contains(QDir::toNativeSeparators(disk->path())),
             qPrintable(messages.texts[0]));
    QCOMPARE(disk->bytes(), before);
    QCOMPARE(c<QComboBox>("cboEnem")->currentIndex(), entry);
    QCOMPARE(c<QLineEdit>("txtMoney")->text(), QStringLiteral("0"));
}

void tst_FrmEnemy::marksFollowTheHistory_data() {
    QTest::addColumn<QString>("history");
    QTest::addColumn<QString>("original"); // the HP field's tooltip after the history changed
    // A done record that claims to have written 4 GiB past the start: it counts for nothing, and
    // following it must not take memory in proportion.
    QTest::newRow("a record far past the image") << "far" << QString();
    // Rewritten in place at the same length: read again from the start (longer in place:
    // tst_historyreader).
    QTest::newRow("rewritten in place") << "rewritten" << QStringLiteral("Original: 99");
}

void tst_FrmEnemy::marksFollowTheHistory() {
    QFETCH(QString, history);
    QFETCH(QString, original);
    const RecordField* hp = nullptr;
    for (const RecordField& field : EnemyFormat.fields)
        hp = std::strcmp(field.key, "hp") == 0 ? &field : hp;
    QVERIFY(hp);
    putOnDisk(EnemyImage());
    const QString path = disk->path() + QStringLiteral(".history");
    if (history == QLatin1String("far")) {
        const HistoryRecord far{.number = 1,
                                .madeBy = MadeBy::Import,
                                .ranges = {{0xFFFFFF00, QByteArray(1, 'b'), QByteArray(1, 'a')}}};
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(HistoryHeader() + EncodeRecord(far) + EncodeMark(1, HistoryState::Done));
        file.close();
        const AddressSpaceCap cap(512 << 20);
        openWindow();
    } else {
        openWindow();
        TypeInto(c<QLineEdit>("txtHP"), QStringLiteral("150"));
        save();
        QCOMPARE(c<QLineEdit>("txtHP")->toolTip(), QStringLiteral("Original: 40"));
        // Another tool writes the history again, in place, saying HP was 99 before.
        HistoryLog log = ParseHistory(FileBytes(path));
        QCOMPARE(log.records.size(), size_t(1));
        HistoryRecord record = log.records.front();
        QByteArray entry = record.ranges.front().before;
        hp->put(99, &entry);
        record.ranges.front().before = entry;
        const QByteArray bytes =
            HistoryHeader() + EncodeRecord(record) + EncodeMark(1, HistoryState::Done);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite)); // the same file, not another moved over it
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();
        // The editor opened again in the same run reads its marks from the history now.
        window.reset();
        openWindow();
    }
    ChooseLine(c<QComboBox>("cboEnem"), 0);
    QCOMPARE(c<QLineEdit>("txtHP")->toolTip(), original);
}

void tst_FrmEnemy::layout() {
    openWindow(EnemyImage());
    QCOMPARE(window->size(), pixels(QRect(0, 0, 4095, 5985)).size());
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(
        !(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    const std::pair<const char*, QRect> controls[] = {
        {"cboEnem", {120, 120, 3855, 315}},   {"Label1", {120, 480, 1335, 255}},
        {"txtHP", {1560, 480, 1095, 285}},    {"cboItem", {1560, 4800, 1935, 315}},
        {"Label14", {2760, 5160, 1215, 255}}, {"cmdSave", {120, 5520, 1455, 375}}};
    for (const auto& [name, twips] : controls)
        QVERIFY2(c<QWidget>(name)->geometry() == pixels(twips), name);
    QVERIFY(c<QLabel>("Label13")->alignment() & Qt::AlignRight);
    QVERIFY(!(c<QLabel>("Label14")->alignment() & Qt::AlignRight));

    // The type row stays hidden, also after an entry is shown, and Tab passes it by.
    ChooseLine(c<QComboBox>("cboEnem"), 12);
    QVERIFY(!c<QLabel>("Label4")->isVisible());
    QVERIFY(!c<QComboBox>("cboType")->isVisible());
    const QStringList tabs = {
        QStringLiteral("cboEnem"),  QStringLiteral("txtHP"),      QStringLiteral("txtPP"),
        QStringLiteral("txtOff"),   QStringLiteral("txtDef"),     QStringLiteral("txtFight"),
        QStringLiteral("txtSpeed"), QStringLiteral("txtWisdom"),  QStringLiteral("txtStr"),
        QStringLiteral("txtForce"), QStringLiteral("txtExp"),     QStringLiteral("txtMoney"),
        QStringLiteral("cboItem"),  QStringLiteral("txtNamePtr"), QStringLiteral("cmdSave")};
    QCOMPARE(TabChain(c<QComboBox>("cboEnem")), tabs);
}

QTEST_MAIN(tst_FrmEnemy)
void tst_FrmEnemy::playAsksAboutEdits_data() {
    QTest::addColumn<QString>("hp");      // typed into entry 12's HP; empty for no edit
    QTest::addColumn<QString>("pointer"); // typed into its pointer; empty for none
    QTest::addColumn<QString>("answer");  // the button pressed; empty when no question is due
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("played");
    const QString none;
    const QString hp = QStringLiteral("150");
    QTest::newRow("no edit: plays at once") << none << none << none << false << true;
    QTest::newRow("Save") << hp << none << QStringLiteral("Save") << true << true;
    QTest::newRow("Play without them")
        << hp << none << QStringLiteral("Play without them") << false << true;
    QTest::newRow("Cancel") << hp << none << QStringLiteral("Cancel") << false << false;
    QTest::newRow("a refused Save plays nothing")
        << hp << QStringLiteral("10000") << QStringLiteral("Save") << false << false;
}

void tst_FrmEnemy::playAsksAboutEdits() {
    QFETCH(QString, hp);
    QFETCH(QString, pointer);
    QFETCH(QString, answer);
    QFETCH(bool, saved);
    QFETCH(bool, played);
    openWindow(EnemyImage());
    ChooseLine(c<QComboBox>("cboEnem"), 12);
    if (!hp.isEmpty())
        TypeInto(c<QLineEdit>("txtHP"), hp);
    if (!pointer.isEmpty())
        TypeInto(c<QLineEdit>("txtNamePtr"), pointer);
    // An emulator that cannot start: its message tells that playing was tried.
    qputenv("TOLVANE_EMULATOR", "\"/no/such/emulator\" %f");
    QString asked;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->objectName() != QLatin1String("msgSaveBeforePlay"))
            return;
        asked = box->text();
        QCOMPARE(box->defaultButton()->text(), QStringLiteral("Save"));
        for (QAbstractButton* button : box->buttons())
            if (button->text() == answer)
                button->click();
    });
    answerer.start(10);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F5);
    answerer.stop();
    qunsetenv("TOLVANE_EMULATOR");

    QCOMPARE(asked.isEmpty(), answer.isEmpty());
    QCOMPARE(disk->bytes() != before, saved);
    const bool tried =
        std::any_of(messages.texts.begin(), messages.texts.end(), [](const QString& t) {
            return t.contains(QLatin1String("/no/such/emulator"));
        });
    QCOMPARE(tried, played);
    // Only the refused Save speaks of anything else.
    QCOMPARE(messages.texts.size() - int(tried), int(!pointer.isEmpty()));
}

#include "tst_frmenemy.moc"
