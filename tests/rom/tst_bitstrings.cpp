#include "rom/bitstrings.h"
#include "rom/romimage.h"

#include <QTest>

#include <limits>

using namespace modStuff;

namespace {

QString repeat(char digit, int count) {
    return QString(count, QLatin1Char(digit));
}

} // namespace

class tst_BitStrings : public QObject {
    Q_OBJECT
private slots:
    void toBitString_data();
    void toBitString();
    void fromBitString_data();
    void fromBitString();
    void fromBitStringOverflow_data();
    void fromBitStringOverflow();
    void roundTrip();
};

void tst_BitStrings::toBitString_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0") << 0 << "0";
    QTest::newRow("1") << 1 << "1";
    QTest::newRow("2") << 2 << "10";
    QTest::newRow("5") << 5 << "101";
    QTest::newRow("128") << 128 << "10000000";
    QTest::newRow("255") << 255 << "11111111";
    QTest::newRow("1023") << 1023 << "1111111111";
    QTest::newRow("-4") << -4 << "0";
    QTest::newRow("-3") << -3 << "1";
    QTest::newRow("lowest") << std::numeric_limits<int>::min() << "0";
    QTest::newRow("highest") << std::numeric_limits<int>::max() << repeat('1', 31);
    QTest::newRow("2^30") << (1 << 30) << QLatin1Char('1') + repeat('0', 30);
}

void tst_BitStrings::toBitString() {
    QFETCH(int, n);
    QFETCH(QString, expected);
    QCOMPARE(ToBitString(n), expected);
}

void tst_BitStrings::fromBitString_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("0000000101") << "0000000101" << 5;
    QTest::newRow("10000000") << "10000000" << 128;
    QTest::newRow("12") << "12" << 4;
    QTest::newRow("1x") << "1x" << 2;
    QTest::newRow("9 at bit 0") << "9" << 9;
    QTest::newRow("31 ones") << repeat('1', 31) << std::numeric_limits<int>::max();
    QTest::newRow("200 leading zeros") << repeat('0', 200) + QStringLiteral("101") << 5;
    QTest::newRow("40 leading zeros, then 31 ones")
        << repeat('0', 40) + repeat('1', 31) << std::numeric_limits<int>::max();
    QTest::newRow("letters count 0") << repeat('z', 50) + QLatin1Char('1') << 1;
}

void tst_BitStrings::fromBitString() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(FromBitString(text), expected);
}

void tst_BitStrings::fromBitStringOverflow_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("1 and 31 zeros") << QLatin1Char('1') + repeat('0', 31);
    QTest::newRow("32 ones") << repeat('1', 32);
    QTest::newRow("2 and 30 zeros") << QLatin1Char('2') + repeat('0', 30);
    QTest::newRow("9 and 28 zeros") << QLatin1Char('9') + repeat('0', 28);
    QTest::newRow("1 and 40 zeros") << QLatin1Char('1') + repeat('0', 40);
    QTest::newRow("1 and 100 zeros") << QLatin1Char('1') + repeat('0', 100);
}

void tst_BitStrings::fromBitStringOverflow() {
    QFETCH(QString, text);
    try {
        FromBitString(text);
        QFAIL("no overflow");
    } catch (const RomError& e) {
        QCOMPARE(e.outcome().fault, ImageFault::BitStringTooLarge);
    }
}

void tst_BitStrings::roundTrip() {
    for (qint32 n = 0; n <= 0x10000; ++n)
        QCOMPARE(FromBitString(ToBitString(n)), n);
    for (const qint32 n : {0x12345678, 0x40000000, std::numeric_limits<qint32>::max()})
        QCOMPARE(FromBitString(ToBitString(n)), n);
}

QTEST_GUILESS_MAIN(tst_BitStrings)
#include "tst_bitstrings.moc"
