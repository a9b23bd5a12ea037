#include "fields/entryrule.h"

#include <QTest>

class tst_EntryRule : public QObject {
    Q_OBJECT
private slots:
    void settle_data();
    void settle();
};

void tst_EntryRule::settle_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("upper");
    QTest::addColumn<QString>("rewritten"); // after step 1
    QTest::addColumn<QString>("settled");   // after steps 2 and 3
    QTest::newRow("emptied") << "" << 255.0 << "0"
                             << "0";
    QTest::newRow("abc") << "abc" << 255.0 << "0"
                         << "0";
    QTest::newRow("12abc") << "12abc" << 255.0 << "12"
                           << "12";
    QTest::newRow("abc12") << "abc12" << 255.0 << "0"
                           << "0";
    QTest::newRow("2,5") << "2,5" << 255.0 << "2"
                         << "2";
    QTest::newRow("1 2") << "1 2" << 255.0 << "12"
                         << "12";
    QTest::newRow("007") << "007" << 255.0 << "7"
                         << "7";
    QTest::newRow("+5") << "+5" << 255.0 << "5"
                        << "5";
    QTest::newRow("-5") << "-5" << 255.0 << "-5"
                        << "0";
    QTest::newRow("300") << "300" << 255.0 << "300"
                         << "255";
    QTest::newRow("255") << "255" << 255.0 << "255"
                         << "255";
    QTest::newRow("255.5") << "255.5" << 255.0 << "255.5"
                           << "255";
    QTest::newRow("1.5 stays") << "1.5" << 255.0 << "1.5"
                               << "1.5";
    QTest::newRow("1.") << "1." << 255.0 << "1"
                        << "1";
    QTest::newRow("1e") << "1e" << 255.0 << "1"
                        << "1";
    QTest::newRow("&HFF") << "&HFF" << 255.0 << "255"
                          << "255";
    QTest::newRow("&H100") << "&H100" << 255.0 << "256"
                           << "255";
    QTest::newRow("&O17") << "&O17" << 255.0 << "15"
                          << "15";
    QTest::newRow("1e3, bound 255") << "1e3" << 255.0 << "1000"
                                    << "255";
    QTest::newRow("1e3, bound 1023") << "1e3" << 1023.0 << "1000"
                                     << "1000";
    QTest::newRow("&HFFFF, bound 1023") << "&HFFFF" << 1023.0 << "-1"
                                        << "0";
    QTest::newRow("cost 9999") << "9999" << 65535.0 << "9999"
                               << "9999";
    QTest::newRow("cost 1e4") << "1e4" << 65535.0 << "10000"
                              << "10000";
    QTest::newRow("cost 9e99") << "9e99" << 65535.0 << "9E+99"
                               << "65535";
    QTest::newRow("-0") << "-0" << 255.0 << "0"
                        << "0";
    QTest::newRow("1e400") << "1e400" << 255.0 << "1.79769313486232E+308"
                           << "255";
    QTest::newRow("-1e400") << "-1e400" << 255.0 << "-1.79769313486232E+308"
                            << "0";
    QTest::newRow("1e-400") << "1e-400" << 255.0 << "0"
                            << "0";
    QTest::newRow("tiny fraction") << "1e-5" << 255.0 << "1E-05"
                                   << "1E-05";
    QTest::newRow("&H1FFFFFFFF") << "&H1FFFFFFFF" << 65535.0 << "8589934591"
                                 << "65535";
    QTest::newRow("&HFFFFFFFF") << "&HFFFFFFFF" << 65535.0 << "-1"
                                << "0";
    QTest::newRow("&H10000, bound 65535") << "&H10000" << 65535.0 << "65536"
                                          << "65535";
}

void tst_EntryRule::settle() {
    QFETCH(QString, text);
    QFETCH(double, upper);
    QFETCH(QString, rewritten);
    QFETCH(QString, settled);
    QCOMPARE(EntryRuleRewrite(text), rewritten);
    QCOMPARE(EntryRuleClamp(rewritten, upper), settled);
    QCOMPARE(EntryRuleSettle(text, upper), settled);
    // The nested runs start from these texts; each must leave its text as it is, or the
    // re-entry would never end.
    QCOMPARE(EntryRuleRewrite(rewritten), rewritten);
    QCOMPARE(EntryRuleSettle(settled, upper), settled);
}

QTEST_GUILESS_MAIN(tst_EntryRule)
#include "tst_entryrule.moc"
