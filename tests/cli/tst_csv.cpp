#include "cli/csv.h"

#include <QTest>

class tst_Csv : public QObject {
    Q_OBJECT
private slots:
    void fieldsRoundTrip_data();
    void fieldsRoundTrip();
    void cellsKnowWhereTheyStart();
    void malformedTextIsRefused_data();
    void malformedTextIsRefused();
};

void tst_Csv::fieldsRoundTrip_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("quoted");
    QTest::newRow("plain") << "Nelfen" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks kept") << "  two  blanks " << false;
    QTest::newRow("comma") << "Quill, the Bold" << true;
    QTest::newRow("quote") << "the \"Bold\"" << true;
    QTest::newRow("comma and quote") << "\"Quill\", \"\"odd\"" << true;
    QTest::newRow("line feed") << "two\nlines" << true;
    QTest::newRow("CRLF") << "two\r\nlines" << true;
    QTest::newRow("only a quote") << "\"" << true;
}

void tst_Csv::fieldsRoundTrip() {
    QFETCH(QString, field);
    QFETCH(bool, quoted);
    QCOMPARE(CsvField(field).startsWith(QLatin1Char('"')), quoted);
    // The field between others, and alone on a second line, as a spreadsheet would meet it.
    const QList<QStringList> records = {{QStringLiteral("a"), field, QStringLiteral("b")}, {field}};
    const CsvRecords read = ReadCsv(WriteCsv(records));
    QVERIFY(!read.error);
    QCOMPARE(read.records.size(), 2);
    QCOMPARE(read.records[0].size(), 3);
    QCOMPARE(read.records[0][1].text, field);
    QCOMPARE(read.records[0][2].text, QStringLiteral("b"));
    QCOMPARE(read.records[1].size(), 1);
    QCOMPARE(read.records[1][0].text, field);
}

void tst_Csv::cellsKnowWhereTheyStart() {
    // CRLF, a blank line, a quoted line break, a bare LF and a lone CR.
    const CsvRecords read = ReadCsv(QStringLiteral("a,b\r\n\r\n\"x\ny\",cd\nz\r,last,"));
    QVERIFY(!read.error);
    QCOMPARE(read.records.size(), 4);
    const Cell& cd = read.records[1][1];
    QCOMPARE(cd.text, QStringLiteral("cd"));
    QCOMPARE(cd.line, 4);
    QCOMPARE(cd.column, 4);
    QCOMPARE(read.records[1][0].text, QStringLiteral("x\ny"));
    QCOMPARE(read.records[1][0].line, 3);
    const QList<Cell>& last = read.records[3];
    QCOMPARE(last.size(), 3); // a trailing comma ends in an empty cell
    QCOMPARE(last[1].line, 6);
    QCOMPARE(last[1].column, 2);
    QCOMPARE(last[2].text, QString());
}

void tst_Csv::malformedTextIsRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::newRow("quote left open") << "a,b\n1,\"open,2\n3" << 2 << 3;
    QTest::newRow("quote inside a plain field") << "a,b\n1,ab\"c" << 2 << 5;
    QTest::newRow("text after the closing quote") << "a,\"b\"x,c" << 1 << 6;
}

void tst_Csv::malformedTextIsRefused() {
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(int, column);
    const CsvRecords read = ReadCsv(text);
    QVERIFY(read.error);
    QCOMPARE(read.error->line, line);
    QCOMPARE(read.error->column, column);
}

QTEST_GUILESS_MAIN(tst_Csv)
#include "tst_csv.moc"
