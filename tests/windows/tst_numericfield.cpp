#include "support/entryrulerows.h"
#include "windowdriver.h"
#include "windowkit/numericfield.h"

#include <QLineEdit>
#include <QSignalSpy>

// The numeric entry rule as bound to a text field: what the user sees while typing and pasting,
// and how often the rule runs.
class tst_NumericField : public QObject {
    Q_OBJECT
private slots:
    void typing_data();
    void typing();
    void nestedRuns_data();
    void nestedRuns();
};

void tst_NumericField::typing_data() {
    QTest::addColumn<double>("upper");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caretAfter");

    const auto s = [](const char* text) { return QString::fromLatin1(text); };
    QTest::newRow("two digits into the middle")
        << 65535.0 << s("125") << 1 << s("09") << s("10925") << 3;
    QTest::newRow("a blank in the middle vanishes")
        << 65535.0 << s("12") << 1 << s(" 3") << s("132") << 2;
    QTest::newRow("a zero in front vanishes") << 255.0 << s("5") << 0 << s("07") << s("75") << 1;
    QTest::newRow("a point after the last digit")
        << 255.0 << s("1") << 1 << s(".5") << s("15") << 2;
    QTest::newRow("clamped to the bound") << 255.0 << s("25") << 2 << s("9") << s("255") << 3;
    QTest::newRow("emptied, then typed") << 255.0 << s("12") << 2 << s("\b\b") << s("0") << 1;
    QTest::newRow("typed over the zero") << 255.0 << s("12") << 2 << s("\b\b7") << s("7") << 1;
}

void tst_NumericField::typing() {
    QFETCH(double, upper);
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(QString, keys);

    QLineEdit edit;
    NumericField::bind(&edit, upper);
    SetFieldText(&edit, start);
    edit.setCursorPosition(caret);
    QTest::keyClicks(&edit, keys);

    QTEST(edit.text(), "text");
    QTEST(edit.cursorPosition(), "caretAfter");
}

void tst_NumericField::nestedRuns_data() {
    QTest::addColumn<double>("upper");
    QTest::addColumn<bool>("byProgram");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("changes");

    const auto s = [](const char* text) { return QString::fromLatin1(text); };
    QTest::newRow("program fills 17") << 255.0 << true << s("17") << QStringList{s("17")};
    QTest::newRow("program fills 65535")
        << 65535.0 << true << s("65535") << QStringList{s("65535")};
    for (const EntryRuleRow& row : EntryRuleRows) {
        if (*row.text == '\0')
            continue; // pasting nothing into the empty field changes nothing
        // The pasted text, then each step's text that differs from the one before.
        QStringList changes{s(row.text)};
        for (const char* next : {row.rewritten, row.settled})
            if (changes.constLast() != s(next))
                changes << s(next);
        QTest::addRow("pasted %s", row.tag) << row.upper << false << s(row.text) << changes;
    }
}

void tst_NumericField::nestedRuns() {
    QFETCH(double, upper);
    QFETCH(bool, byProgram);
    QFETCH(QString, text);
    QFETCH(QStringList, changes);

    QLineEdit edit;
    // Connected before the rule, so that every change is recorded in the order it began.
    QSignalSpy spy(&edit, &QLineEdit::textChanged);
    NumericField::bind(&edit, upper);
    if (byProgram)
        SetFieldText(&edit, text);
    else
        PasteInto(&edit, text);

    QStringList seen;
    for (const QList<QVariant>& change : spy)
        seen << change.at(0).toString();
    QCOMPARE(seen, changes);
    QCOMPARE(edit.text(), changes.constLast());
}

QTEST_MAIN(tst_NumericField)
#include "tst_numericfield.moc"
