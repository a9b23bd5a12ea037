#include "fields/entryrule.h"
#include "support/entryrulerows.h"

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
    for (const EntryRuleRow& row : EntryRuleRows)
        QTest::newRow(row.tag) << QString::fromLatin1(row.text) << row.upper
                               << QString::fromLatin1(row.rewritten)
                               << QString::fromLatin1(row.settled);
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
