#include "items/itemrecord.h"
#include "rom/modstuff.h"
#include "support/testsupport.h"

#include <QTest>

namespace {

// The six flags as digits in the order Perm, Edible, Teddy, Loid, Ana, Ninten.
QString flagDigits(const ItemRecord& r) {
    QString s;
    for (const bool on : {r.Perm, r.Edible, r.Teddy, r.Loid, r.Ana, r.Ninten})
        s += on ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

// The flag byte `stored` with the six flags of `r` put in.
quint8 flagByte(const ItemRecord& r, quint8 stored) {
    QByteArray entry(ItemEntrySize, '\0');
    entry[2] = char(stored);
    for (const RecordField& f : ItemFormat.fields)
        if (f.kind == FieldKind::Flag)
            f.put(f.get(&r), &entry);
    return quint8(entry.at(2));
}

} // namespace

class tst_ItemRecord : public QObject {
    Q_OBJECT
private slots:
    void decodeFlags_data();
    void decodeFlags();
    void decodeFieldsAtTheirOffsets_data();
    void decodeFieldsAtTheirOffsets();
    void getItemName_data();
    void getItemName();
    void encodeFlags_data();
    void encodeFlags();
    void encodeUndoesDecodeForEveryByte();
};

void tst_ItemRecord::decodeFlags_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("flags");
    QTest::newRow("FF all") << 0xFF << "111111";
    QTest::newRow("30 none") << 0x30 << "000000";
    QTest::newRow("81 permanent, Ninten") << 0x81 << "100001";
    QTest::newRow("00 none") << 0x00 << "000000";
    QTest::newRow("C3") << 0xC3 << "110011";
    QTest::newRow("08 Teddy") << 0x08 << "001000";
    QTest::newRow("04 Loid") << 0x04 << "000100";
}

void tst_ItemRecord::decodeFlags() {
    QFETCH(int, stored);
    QFETCH(QString, flags);
    SyntheticImage image;
    image.setByte(0x1810 + 8 * 3 + 2, quint8(stored));
    ImageOnDisk disk(image);
    auto rom = disk.open();
    QCOMPARE(flagDigits(DecodeItem(*rom, 3)), flags);
}

void tst_ItemRecord::decodeFieldsAtTheirOffsets_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("offset");
    QTest::newRow("entry 0") << 0 << 0x1810;
    QTest::newRow("entry 1") << 1 << 0x1818;
    QTest::newRow("entry 113") << 113 << 0x1B98;
}

void tst_ItemRecord::decodeFieldsAtTheirOffsets() {
    QFETCH(int, index);
    QFETCH(int, offset);
    QCOMPARE(ItemEntryOffset(index), offset);
    SyntheticImage image;
    const QByteArray entry("\x00\x80\x81\x11\x22\x33\xFF\xFF", 8);
    image.bytes.replace(offset, 8, entry);
    image.bytes.replace(0x10, 4, QByteArray("\xC7\xF5\xE2\x00", 4)); // "Gub" at pointer 0x8000
    ImageOnDisk disk(image);
    auto rom = disk.open();
    const std::vector<ItemRecord> table = DecodeItemTable(*rom);
    QCOMPARE(int(table.size()), ItemCount);
    const ItemRecord& r = table[size_t(index)];
    QCOMPARE(r.Name, QStringLiteral("Gub"));
    QCOMPARE(r.NamePtr, 32768);
    QCOMPARE(flagDigits(r), QStringLiteral("100001"));
    QCOMPARE(r.Str, quint8(0x11));
    QCOMPARE(r.EffOut, quint8(0x22));
    QCOMPARE(r.EffIn, quint8(0x33));
    QCOMPARE(r.Cost, 65535);
    // The neighbours hold nothing of this entry.
    for (const int other : {index - 1, index + 1})
        if (other >= 0 && other < ItemCount)
            QCOMPARE(table[size_t(other)].Cost, 0);
    QCOMPARE(disk.bytes(), image.bytes);
}

void tst_ItemRecord::getItemName_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<QString>("expected");
    QTest::newRow("00 ends") << QByteArray("\xDA\xF5\x00\xC1", 4) << 0x8000 << "Zu";
    QTest::newRow("01 ends") << QByteArray("\xDA\xF5\x01\xC1") << 0x8000 << "Zu";
    QTest::newRow("7F ends") << QByteArray("\xDA\xF5\x7F\xC1") << 0x8000 << "Zu";
    QTest::newRow("pointer 7FEF") << QByteArray("\xC7") << 0x7FEF << "";
    QTest::newRow("pointer 0") << QByteArray("\xC7") << 0 << "";
    QTest::newRow("pointer 7FF0 reads the header") << QByteArray("\xC7") << 0x7FF0 << "";
    QTest::newRow("runs to the end of the file") << QByteArray("\xDA\xF5") << 0x8000 << "Zu";
    QTest::newRow("40000 bytes cut at 32767")
        << QByteArray(40000, char(0xC1)) << 0x8000 << QString(32767, QLatin1Char('A'));
}

void tst_ItemRecord::getItemName() {
    QFETCH(QByteArray, text);
    QFETCH(int, pointer);
    QFETCH(QString, expected);
    ImageOnDisk disk(SyntheticImage(16).bytes + text);
    auto rom = disk.open();
    QCOMPARE(GetItemName(*rom, pointer), expected);
}

void tst_ItemRecord::encodeFlags_data() {
    QTest::addColumn<QString>("flags"); // Perm, Edible, Teddy, Loid, Ana, Ninten
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("P A N over 00") << "100011" << 0x00 << 0x83;
    QTest::newRow("P A N over 30") << "100011" << 0x30 << 0xB3;
    QTest::newRow("P A N over FF") << "100011" << 0xFF << 0xB3;
    QTest::newRow("none over FF") << "000000" << 0xFF << 0x30;
    QTest::newRow("all over 00") << "111111" << 0x00 << 0xCF;
    QTest::newRow("E T L over 10") << "011100" << 0x10 << 0x5C;
    QTest::newRow("none over 20") << "000000" << 0x20 << 0x20;
}

void tst_ItemRecord::encodeFlags() {
    QFETCH(QString, flags);
    QFETCH(int, stored);
    QFETCH(int, expected);
    ItemRecord r;
    bool* const fields[] = {&r.Perm, &r.Edible, &r.Teddy, &r.Loid, &r.Ana, &r.Ninten};
    for (int k = 0; k < 6; ++k)
        *fields[k] = flags.at(k) == QLatin1Char('1');
    QCOMPARE(int(flagByte(r, quint8(stored))), expected);
}

void tst_ItemRecord::encodeUndoesDecodeForEveryByte() {
    ImageOnDisk disk(SyntheticImage{});
    auto rom = disk.open();
    for (int stored = 0; stored < 256; ++stored) {
        modStuff::WriteByte(TestKey, *rom, 0x1812, quint8(stored));
        QCOMPARE(int(flagByte(DecodeItem(*rom, 0), quint8(stored))), stored);
    }
}

QTEST_GUILESS_MAIN(tst_ItemRecord)
#include "tst_itemrecord.moc"
