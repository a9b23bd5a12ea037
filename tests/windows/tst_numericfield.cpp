#include "fields/numericfield.h"
#include "windowdriver.h"

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
    const auto l = [](std::initializer_list<const char*> texts) {
        QStringList list;
        for (const char* t : texts)
            list << QString::fromLatin1(t);
        return list;
    };
    QTest::newRow("program fills 17") << 255.0 << true << s("17") << l({"17"});
    QTest::newRow("program fills 65535") << 65535.0 << true << s("65535") << l({"65535"});
    QTest::newRow("pasted fraction stands") << 255.0 << false << s("1.5") << l({"1.5"});
    QTest::newRow("pasted negative") << 255.0 << false << s("-5") << l({"-5", "0"});
    QTest::newRow("pasted hex past the bound")
        << 255.0 << false << s("&H100") << l({"&H100", "256", "255"});
    QTest::newRow("pasted &HFFFF, no limit")
        << 1023.0 << false << s("&HFFFF") << l({"&HFFFF", "-1", "0"});
    QTest::newRow("pasted exponent, bound 255")
        << 255.0 << false << s("1e3") << l({"1e3", "1000", "255"});
    QTest::newRow("pasted exponent, bound 1023")
        << 1023.0 << false << s("1e3") << l({"1e3", "1000"});
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
