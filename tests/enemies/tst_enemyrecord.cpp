#include "enemies/enemyrecord.h"
#include "support/testsupport.h"

#include <QTest>

class tst_EnemyRecord : public QObject {
    Q_OBJECT
private slots:
    void decodeAtTheTableEnds_data();
    void decodeAtTheTableEnds();
    void badNamePointerDecodesTheRest();
};

void tst_EnemyRecord::decodeAtTheTableEnds_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("base");
    QTest::newRow("entry 0") << 0 << 0x2C030;
    QTest::newRow("entry 120") << 120 << 0x2CF30;
}

void tst_EnemyRecord::decodeAtTheTableEnds() {
    QFETCH(int, n);
    QFETCH(int, base);
    QCOMPARE(EnemyEntryOffset(n), base);
    SyntheticImage image;
    // Every byte of the entry set by hand, at offsets independent of the code under test.
    const QByteArray entry("\x01\x02\x03"         // other data
                           "\xE8\x03\x00\xFD"     // HP 1000, PP 256
                           "\xFF\xAB\x05\x02"     // Offense 1023 (AB keeps bits 2-7), Defense 517
                           "\x0B\x0C\x0D\x0E\x0F" // Fight .. Force
                           "\x55\x55\x55\x55\x55\x55\x55\x55"
                           "\x10\x80\x34\x12\x88\x13\x05\x66", // pointer 8010, 4660, 5000, item 5
                           32);
    image.bytes.replace(base, 32, entry);
    image.bytes.replace(0x20, 3, QByteArray("\xDA\xEF\x00", 3)); // "Zo" at pointer 0x8010
    ImageOnDisk disk(image);
    auto rom = disk.open();
    const std::vector<EnemyRecord> table = DecodeEnemyTable(*rom);
    QCOMPARE(int(table.size()), EnemyCount);
    const EnemyRecord& r = table[size_t(n)];
    QCOMPARE(r.NamePtr, 0x8010);
    QCOMPARE(r.Name, QStringLiteral("Zo"));
    QCOMPARE(r.HP, qint16(1000));
    QCOMPARE(r.PP, qint16(256));
    QCOMPARE(r.Off, qint16(1023));
    QCOMPARE(r.Def, qint16(517));
    QCOMPARE(r.Type, quint8(0x00));
    QCOMPARE(QList<int>({r.Fight, r.Speed, r.Wisdom, r.Str, r.Force}),
             QList<int>({0x0B, 0x0C, 0x0D, 0x0E, 0x0F}));
    QCOMPARE(r.Exp, 4660);
    QCOMPARE(r.Money, 5000);
    QCOMPARE(r.Item, quint8(5));
    QCOMPARE(quint8(disk.bytes().at(base + 0x1E)), quint8(5));
}

void tst_EnemyRecord::badNamePointerDecodesTheRest() {
    SyntheticImage image = MakeDemoImage();
    const int base = 0x2C030 + 32 * 40;
    image.setWord(base + 0x18, 0x1234);
    image.setByte(base + 0x0A, 0xAB);
    image.setByte(base + 0x0B, 77);
    ImageOnDisk disk(image);
    auto rom = disk.open();
    const std::vector<EnemyRecord> table = DecodeEnemyTable(*rom);
    QCOMPARE(table[40].Name, QString());
    QCOMPARE(table[40].NamePtr, 0x1234);
    QCOMPARE(table[40].Fight, quint8(77));
    QCOMPARE(table[40].Type, quint8(0xA8));
    QCOMPARE(table[40].Def & 0x300, 0x300);
    QVERIFY(!table[39].Name.isEmpty());
    QVERIFY(!table[41].Name.isEmpty());
}

QTEST_GUILESS_MAIN(tst_EnemyRecord)
#include "tst_enemyrecord.moc"
