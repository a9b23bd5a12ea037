#include "fields/numbertext.h"
#include "items/itemrecord.h"
#include "support/failingrom.h"
#include "support/testsupport.h"

#include <QTest>

namespace {

constexpr int Index = 7;
constexpr int Base = 0x1810 + 8 * Index;

// Plans and runs the save: what it did.
Fault save(RomImage& rom, int index, const EntryForm& form) {
    return SaveEntry(rom, ItemFormat, index, form).fault;
}

EntryForm formOf(const ItemRecord& r) {
    return FormOf(ItemFormat, &r);
}

QString& cell(EntryForm& form, const char* key) {
    return FormText(form, ItemFormat, key);
}

QString flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

class tst_ItemSave : public QObject {
    Q_OBJECT
private slots:
    void pointerText_data();
    void pointerText();
    void numberTexts_data();
    void numberTexts();
    void flagsKeepBits5And4_data();
    void flagsKeepBits5And4();
    void unchangedSaveKeepsTheFile_data();
    void unchangedSaveKeepsTheFile();
    void onlyTheEntryChangesInOrder();
    void entryBeyondTheEndIsRefused_data();
    void entryBeyondTheEndIsRefused();
    void writeFailureKeepsEarlierFields_data();
    void writeFailureKeepsEarlierFields();
};

void tst_ItemSave::pointerText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("word"); // -1: refused
    QTest::newRow("8000") << "8000" << 0x8000;
    QTest::newRow("abcd") << "abcd" << 0xABCD;
    QTest::newRow("12G4") << "12G4" << 0x0012;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("0x12") << "0x12" << 0;
    QTest::newRow("&H12") << "&H12" << 0;
    QTest::newRow("10000") << "10000" << -1;
    QTest::newRow("80000000") << "80000000" << -1;
    QTest::newRow("FFFFFFFF") << "FFFFFFFF" << -1;
    QTest::newRow("9 digits") << "123456789" << -1;
}

void tst_ItemSave::pointerText() {
    QFETCH(QString, text);
    QFETCH(int, word);
    ImageOnDisk disk(MakeDemoImage());
    const QByteArray before = disk.bytes();
    auto rom = disk.open();
    EntryForm form = formOf(DecodeItem(*rom, Index));
    cell(form, "pointer") = text;
    const Fault saved = save(*rom, Index, form);
    if (word < 0) {
        QCOMPARE(saved, SaveFault::BadValue);
        QCOMPARE(disk.bytes(), before);
        return;
    }
    QCOMPARE(saved, Fault::None);
    const QByteArray after = disk.bytes();
    QCOMPARE(quint8(after.at(Base)), quint8(word & 0xFF));
    QCOMPARE(quint8(after.at(Base + 1)), quint8(word >> 8));
}

void tst_ItemSave::numberTexts_data() {
    QTest::addColumn<int>("field"); // entry byte: 3 strength, 4 out, 5 in, 6 cost
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored"); // -1: refused
    QTest::newRow("strength 1.5") << 3 << "1.5" << 2;
    QTest::newRow("strength 2.5") << 3 << "2.5" << 2;
    QTest::newRow("strength 254.5") << 3 << "254.5" << 254;
    QTest::newRow("effect out 255") << 4 << "255" << 255;
    QTest::newRow("effect in 0") << 5 << "0" << 0;
    QTest::newRow("cost 10.5") << 6 << "10.5" << 10;
    QTest::newRow("cost 65535") << 6 << "65535" << 65535;
    QTest::newRow("strength 256") << 3 << "256" << -1;
    QTest::newRow("effect in 255.5") << 5 << "255.5" << -1;
    QTest::newRow("cost 65536") << 6 << "65536" << -1;
    QTest::newRow("effect out abc") << 4 << "abc" << -1;
}

void tst_ItemSave::numberTexts() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(int, stored);
    ImageOnDisk disk(MakeDemoImage());
    const QByteArray before = disk.bytes();
    auto rom = disk.open();
    EntryForm form = formOf(DecodeItem(*rom, Index));
    const char* const keys[] = {"strength", "effect_out", "effect_in", "cost"};
    cell(form, keys[field - 3]) = text;
    const Fault saved = save(*rom, Index, form);
    if (stored < 0) {
        QCOMPARE(saved, SaveFault::BadValue);
        QCOMPARE(disk.bytes(), before);
        return;
    }
    QCOMPARE(saved, Fault::None);
    const QByteArray after = disk.bytes();
    const int width = field == 6 ? 2 : 1;
    QByteArray expected = before;
    for (int k = 0; k < width; ++k)
        expected[Base + field + k] = char(stored >> (8 * k));
    QCOMPARE(after, expected);
}

void tst_ItemSave::flagsKeepBits5And4_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("written");
    QTest::newRow("over 00") << 0x00 << 0x83;
    QTest::newRow("over 30") << 0x30 << 0xB3;
    QTest::newRow("over 10") << 0x10 << 0x93;
    QTest::newRow("over FF") << 0xFF << 0xB3;
}

void tst_ItemSave::flagsKeepBits5And4() {
    QFETCH(int, stored);
    QFETCH(int, written);
    SyntheticImage image = MakeDemoImage();
    image.setByte(Base + 2, quint8(stored));
    ImageOnDisk disk(image);
    auto rom = disk.open();
    EntryForm form = formOf(DecodeItem(*rom, Index));
    cell(form, "permanent") = cell(form, "ana") = cell(form, "ninten") = flag(true);
    cell(form, "edible") = cell(form, "teddy") = cell(form, "loid") = flag(false);
    QCOMPARE(save(*rom, Index, form), Fault::None);
    QCOMPARE(quint8(disk.bytes().at(Base + 2)), quint8(written));
}

void tst_ItemSave::unchangedSaveKeepsTheFile_data() {
    QTest::addColumn<int>("index");
    for (const int index : {0, 57, 113})
        QTest::addRow("entry %d", index) << index;
}

void tst_ItemSave::unchangedSaveKeepsTheFile() {
    QFETCH(int, index);
    ImageOnDisk disk(MakeDemoImage(index + 1));
    const QByteArray before = disk.bytes();
    auto rom = disk.open();
    QCOMPARE(save(*rom, index, formOf(DecodeItem(*rom, index))), Fault::None);
    QCOMPARE(disk.bytes(), before);
}

void tst_ItemSave::onlyTheEntryChangesInOrder() {
    ImageOnDisk disk(MakeDemoImage());
    const QByteArray before = disk.bytes();
    FailingRom rom(disk.path());
    const ItemRecord old = DecodeItem(rom, Index);
    EntryForm form;
    cell(form, "pointer") = QStringLiteral("8123");
    cell(form, "strength") = QString::number(old.Str ^ 1);
    cell(form, "effect_out") = QString::number(old.EffOut ^ 1);
    cell(form, "effect_in") = QString::number(old.EffIn ^ 1);
    cell(form, "cost") = QString::number(old.Cost ^ 0x0101);
    cell(form, "permanent") = flag(!old.Perm);
    QCOMPARE(save(rom, Index, form), Fault::None);
    QCOMPARE(rom.written, (QList<qint64>{Base, Base + 1, Base + 2, Base + 3, Base + 4, Base + 5,
                                         Base + 6, Base + 7}));
    for (const qint64 offset : DifferingOffsets(before, disk.bytes()))
        QVERIFY2(offset >= Base && offset < Base + 8, qPrintable(HexOffset(offset)));
    rom.refresh();
    const ItemRecord now = DecodeItem(rom, Index);
    QCOMPARE(now.NamePtr, 0x8123);
    QCOMPARE(now.Str, quint8(old.Str ^ 1));
    QCOMPARE(now.EffOut, quint8(old.EffOut ^ 1));
    QCOMPARE(now.EffIn, quint8(old.EffIn ^ 1));
    QCOMPARE(now.Cost, old.Cost ^ 0x0101);
}

void tst_ItemSave::entryBeyondTheEndIsRefused_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("refused");
    QTest::newRow("entry 9 lies in the file") << 9 << false;
    QTest::newRow("entry 10 is cut by the end") << 10 << true;
    QTest::newRow("entry 50 lies past the end") << 50 << true;
}

void tst_ItemSave::entryBeyondTheEndIsRefused() {
    QFETCH(int, index);
    QFETCH(bool, refused);
    // The file ends three bytes into entry 10.
    ImageOnDisk disk(MakeDemoImage().bytes.left(0x1810 + 8 * 10 + 3));
    const QByteArray before = disk.bytes();
    auto rom = disk.open();
    EntryForm form;
    cell(form, "pointer") = QStringLiteral("8000");
    for (const char* key : {"strength", "effect_out", "effect_in", "cost"})
        cell(form, key) = QStringLiteral("1");
    QCOMPARE(save(*rom, index, form), refused ? SaveFault::ShortFile : Fault::None);
    if (refused)
        QCOMPARE(disk.bytes(), before);
    else
        QCOMPARE(disk.bytes().size(), before.size());
}

void tst_ItemSave::writeFailureKeepsEarlierFields_data() {
    // Every write fails from `failAt` on, so the old bytes cannot go back either. (The bad-image
    // matrix covers a single failure, after which they do.)
    QTest::addColumn<int>("failAt");
    QTest::addColumn<QList<int>>("landed"); // of each field's bytes, how many stand in the file
    QTest::newRow("inside the pointer") << 1 << QList<int>{1, 0, 0, 0, 0, 0};
    QTest::newRow("inside the cost") << 7 << QList<int>{2, 1, 1, 1, 1, 1};
}

void tst_ItemSave::writeFailureKeepsEarlierFields() {
    QFETCH(int, failAt);
    QFETCH(QList<int>, landed);
    ImageOnDisk disk(MakeDemoImage());
    const QByteArray before = disk.bytes();
    FailingRom rom(disk.path(), failAt);
    EntryForm form;
    cell(form, "pointer") = QStringLiteral("9ABC");
    for (const char* key : {"strength", "effect_out", "effect_in"})
        cell(form, key) = QStringLiteral("1");
    cell(form, "cost") = QStringLiteral("4660");
    for (const char* key : {"permanent", "edible", "ninten", "ana", "loid", "teddy"})
        cell(form, key) = flag(true);
    const QByteArray entry = QByteArray("\xBC\x9A", 2) + char(before.at(Base + 2) | 0xCF) +
                             QByteArray("\x01\x01\x01\x34\x12");
    const Outcome saved = SaveEntry(rom, ItemFormat, Index, form);
    QCOMPARE(saved.fault, SaveFault::WrittenInPart);
    QList<int> counted;
    for (const Landed& l : saved.landed)
        counted << l.bytes;
    QCOMPARE(counted.mid(0, landed.size()), landed);
    QByteArray expected = before;
    expected.replace(Base, failAt, entry.left(failAt));
    QCOMPARE(disk.bytes(), expected);
}

QTEST_GUILESS_MAIN(tst_ItemSave)
#include "tst_itemsave.moc"
