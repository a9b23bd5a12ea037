#include "rom/modstuff.h"
#include "rom/names.h"
#include "support/testsupport.h"

#include <QTest>

using namespace modStuff;

namespace {

// The header, then `text` from offset 0x10 (pointer 0x8000) to the end of the file.
QByteArray fileWithText(const QByteArray& text) {
    return SyntheticImage(16).bytes + text;
}

QByteArray run(int length, char byte = char(0xC1)) {
    return QByteArray(length, byte);
}

} // namespace

class tst_Names : public QObject {
    Q_OBJECT
private slots:
    void readName_data();
    void readName();
    void readNameFails_data();
    void readNameFails();
    void listEntryText_data();
    void listEntryText();
};

void tst_Names::readName_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<QString>("expected");
    const QByteArray hello("\xC8\xC5\xCC\xCC\xCF\x00", 6);
    QTest::newRow("00 ends") << hello << 0x8000 << "HELLO";
    QTest::newRow("05 ends") << QByteArray("\xC8\xC9\x05") << 0x8000 << "HI";
    QTest::newRow("7F ends") << QByteArray("\xC1\x7F\xC2") << 0x8000 << "A";
    QTest::newRow("first byte below 80") << QByteArray("\x41\xC1") << 0x8000 << "";
    QTest::newRow("pointer into the text") << hello << 0x8003 << "LO";
    QTest::newRow("pointer 7FF0 reads the header") << hello << 0x7FF0 << "";
    QTest::newRow("runs to the end of the file") << QByteArray("\xC1\xC2") << 0x8000 << "AB";
    QTest::newRow("pointer past the end") << hello << 0x9000 << "";
    QTest::newRow("32767 characters")
        << run(32767) + '\0' << 0x8000 << QString(32767, QLatin1Char('A'));
    QTest::newRow("32767 characters to the end of the file")
        << run(32767) << 0x8000 << QString(32767, QLatin1Char('A'));
    QTest::newRow("80 inside") << QByteArray("\xC1\x80\xC2", 3) << 0x8000
                               << QStringLiteral("A") + QChar(0) + QLatin1Char('B');
}

void tst_Names::readName() {
    QFETCH(QByteArray, text);
    QFETCH(int, pointer);
    QFETCH(QString, expected);
    ImageOnDisk disk(fileWithText(text));
    auto rom = disk.open();
    QCOMPARE(ReadName(*rom, pointer), expected);
    QCOMPARE(ReadNameOrEmpty(*rom, pointer), expected);
    QCOMPARE(disk.bytes(), fileWithText(text));
}

void tst_Names::readNameFails_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<ImageFault>("fault");
    QTest::newRow("pointer 7FEF") << QByteArray("\xC1") << 0x7FEF << ImageFault::PointerBeforeStart;
    QTest::newRow("pointer 0") << QByteArray("\xC1") << 0 << ImageFault::PointerBeforeStart;
    QTest::newRow("32768 characters") << run(32768) << 0x8000 << ImageFault::NameTooLong;
    QTest::newRow("40000 characters") << run(40000) + '\0' << 0x8000 << ImageFault::NameTooLong;
}

void tst_Names::readNameFails() {
    QFETCH(QByteArray, text);
    QFETCH(int, pointer);
    QFETCH(ImageFault, fault);
    ImageOnDisk disk(fileWithText(text));
    auto rom = disk.open();
    try {
        ReadName(*rom, pointer);
        QFAIL("the name was read");
    } catch (const RomError& e) {
        QCOMPARE(e.outcome().fault, fault);
    }
    QCOMPARE(ReadNameOrEmpty(*rom, pointer), QString());
}

void tst_Names::listEntryText_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two digits padded") << "Abc" << 7 << "Abc [007]";
    QTest::newRow("empty name") << "" << 0 << " [000]";
    QTest::newRow("three digits") << "Zov Tul" << 120 << "Zov Tul [120]";
}

void tst_Names::listEntryText() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, expected);
    QCOMPARE(ListEntryText(name, index), expected);
}

QTEST_GUILESS_MAIN(tst_Names)
#include "tst_names.moc"
