#include "fields/numbertext.h"
#include "support/entryrulerows.h"

#include <QTest>

#include <limits>

namespace {

// QCOMPARE allows doubles a relative error of 1e-12, too coarse for rounding near 2^52.
void compareExactly(double actual, double expected) {
    QVERIFY2(
        actual == expected,
        qPrintable(
            QStringLiteral("%1, expected %2").arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

} // namespace

class tst_NumberText : public QObject {
    Q_OBJECT
private slots:
    void lenientNumber_data();
    void lenientNumber();
    void canonicalNumberText_data();
    void canonicalNumberText();
    void canonicalTextReadsBackToItself_data();
    void canonicalTextReadsBackToItself();
    void strictNumber_data();
    void strictNumber();
    void roundHalfEven_data();
    void roundHalfEven();
    void fieldValue_data();
    void fieldValue();
    void pointerValue_data();
    void pointerValue();
    void pointerTextReadsBack();
};

void tst_NumberText::lenientNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    for (const EntryRuleRow& row : EntryRuleRows)
        QTest::newRow(row.tag) << QString::fromLatin1(row.text) << row.number;
    QTest::newRow("blanks, tabs, line feeds dropped") << " 1 \t2\n3" << 123.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("e and sign without digits") << "1e+" << 1.0;
    QTest::newRow("exponent after point") << "1.e2" << 100.0;
    QTest::newRow("&hff lower case") << "&hff" << 255.0;
    QTest::newRow("&H8000 folds to 16 bits") << "&H8000" << -32768.0;
    QTest::newRow("& suffix keeps 32 bits") << "&H8000&" << 32768.0;
    QTest::newRow("&H80000000") << "&H80000000" << -2147483648.0;
    QTest::newRow("hex of 300 digits")
        << QStringLiteral("&H") + QString(300, QLatin1Char('F')) << LargestDouble;
    QTest::newRow("&H blanks inside") << "& H 1 2" << 18.0;
    QTest::newRow("&H no digits") << "&H" << 0.0;
    QTest::newRow("&O8 no octal digit") << "&O8" << 0.0;
    QTest::newRow("&O177777 folds to 16 bits") << "&o177777" << -1.0;
    QTest::newRow("octal beyond 32 bits") << "&O77777777777" << 8589934591.0;
    QTest::newRow("huge exponent") << "1e99999999999999999999" << LargestDouble;
}

void tst_NumberText::lenientNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    compareExactly(LenientNumber(text), expected);
}

void tst_NumberText::canonicalNumberText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    for (const EntryRuleRow& row : EntryRuleRows)
        QTest::newRow(row.tag) << row.number << QString::fromLatin1(row.rewritten);
    QTest::newRow("65535") << 65535.0 << "65535";
    QTest::newRow("10^14") << 1e14 << "100000000000000";
    QTest::newRow("15 nines") << 999999999999999.0 << "999999999999999";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
}

void tst_NumberText::canonicalNumberText() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(CanonicalNumberText(value), expected);
}

void tst_NumberText::canonicalTextReadsBackToItself_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("10^15") << 1e15;
    QTest::newRow("999999999999999.5") << 999999999999999.5;
    QTest::newRow("0.1") << 0.1;
    QTest::newRow("10^-5") << 1e-5;
    QTest::newRow("many digits") << 123456.789012345678;
    QTest::newRow("largest double") << LargestDouble;
    QTest::newRow("lowest double") << -LargestDouble;
    QTest::newRow("smallest normal") << std::numeric_limits<double>::min();
    QTest::newRow("smallest denormal") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("negative denormal") << -std::numeric_limits<double>::denorm_min() * 3;
    QTest::newRow("negative zero") << -0.0;
    QTest::newRow("2^53 + 1") << 9007199254740993.0;
}

void tst_NumberText::canonicalTextReadsBackToItself() {
    QFETCH(double, value);
    const QString canonical = CanonicalNumberText(value);
    QCOMPARE(CanonicalNumberText(LenientNumber(canonical)), canonical);
}

void tst_NumberText::strictNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("expected");
    QTest::newRow("0") << "0" << true << 0.0;
    QTest::newRow("255") << "255" << true << 255.0;
    QTest::newRow("1.5") << "1.5" << true << 1.5;
    QTest::newRow("-5") << "-5" << true << -5.0;
    QTest::newRow("exponent form") << "1E+15" << true << 1e15;
    QTest::newRow("small exponent form") << "1E-05" << true << 1e-5;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("trailing letters") << "12abc" << false << 0.0;
    QTest::newRow("blank inside") << "1 2" << false << 0.0;
    QTest::newRow("leading blank") << " 5" << false << 0.0;
    QTest::newRow("comma") << "2,5" << false << 0.0;
    QTest::newRow("hex constant") << "&HFF" << false << 0.0;
    QTest::newRow("e without digits") << "1e" << false << 0.0;
    QTest::newRow("sign alone") << "+" << false << 0.0;
    QTest::newRow("beyond a double") << "1e400" << false << 0.0;
    QTest::newRow("non-ASCII digit") << QString(QChar(0x0661)) << false << 0.0;
}

void tst_NumberText::strictNumber() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(double, expected);
    const auto number = StrictNumber(text);
    QCOMPARE(number.has_value(), accepted);
    if (accepted)
        compareExactly(*number, expected);
}

void tst_NumberText::roundHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("3.5") << 3.5 << 4.0;
    QTest::newRow("254.5") << 254.5 << 254.0;
    QTest::newRow("-0.5") << -0.5 << 0.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("-2.6") << -2.6 << -3.0;
    QTest::newRow("just below a half") << 0.49999999999999994 << 0.0;
    QTest::newRow("just above 2.5") << 2.5000000000000004 << 3.0;
    QTest::newRow("2^52 - 0.5") << 4503599627370495.5 << 4503599627370496.0;
}

void tst_NumberText::roundHalfEven() {
    QFETCH(double, value);
    QFETCH(double, expected);
    compareExactly(RoundHalfEven(value), expected);
}

void tst_NumberText::fieldValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("expected"); // -1: refused
    QTest::newRow("1.5") << "1.5" << 255 << 2;
    QTest::newRow("2.5") << "2.5" << 255 << 2;
    QTest::newRow("254.5") << "254.5" << 255 << 254;
    QTest::newRow("255") << "255" << 255 << 255;
    QTest::newRow("255.5 rounds past the bound") << "255.5" << 255 << -1;
    QTest::newRow("256") << "256" << 255 << -1;
    QTest::newRow("cost 10.5") << "10.5" << 65535 << 10;
    QTest::newRow("cost 65535") << "65535" << 65535 << 65535;
    QTest::newRow("-0.5 rounds to 0") << "-0.5" << 255 << 0;
    QTest::newRow("not a number") << "abc" << 255 << -1;
    QTest::newRow("empty") << "" << 255 << -1;
    QTest::newRow("beyond a double") << "1e400" << 65535 << -1;
}

void tst_NumberText::fieldValue() {
    QFETCH(QString, text);
    QFETCH(int, upper);
    QFETCH(int, expected);
    QCOMPARE(FieldValue(text, upper).value_or(-1), expected);
}

void tst_NumberText::pointerValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: refused
    QTest::newRow("8000") << "8000" << 0x8000;
    QTest::newRow("abcd") << "abcd" << 0xABCD;
    QTest::newRow("FFFF") << "FFFF" << 0xFFFF;
    QTest::newRow("12G4") << "12G4" << 0x12;
    QTest::newRow("1FZ") << "1FZ" << 0x1F;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("0x prefix") << "0x12" << 0;
    QTest::newRow("&H prefix") << "&H12" << 0;
    QTest::newRow("blanks dropped") << " 80 00" << 0x8000;
    QTest::newRow("leading zeros") << "0000FFFF" << 0xFFFF;
    QTest::newRow("10000") << "10000" << -1;
    QTest::newRow("80000000") << "80000000" << -1;
    QTest::newRow("FFFFFFFF") << "FFFFFFFF" << -1;
    QTest::newRow("9 digits") << "123456789" << -1;
}

void tst_NumberText::pointerValue() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(PointerValue(text).value_or(-1), expected);
}

void tst_NumberText::pointerTextReadsBack() {
    QCOMPARE(PointerText(0xABCD), QStringLiteral("ABCD"));
    QCOMPARE(PointerText(0x1F), QStringLiteral("1F"));
    for (qint32 p = 0; p <= 0xFFFF; ++p)
        QCOMPARE(PointerValue(PointerText(p)).value_or(-1), p);
}

QTEST_GUILESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"
