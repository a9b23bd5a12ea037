#include "rom/modstuff.h"
#include "support/failingrom.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace modStuff;

namespace {

// The four primitives, then the image layer beneath them, which refuses what slips past them.
enum class Op { ReadByte, ReadWord, WriteByte, WriteWord, ImageRead, ImageWrite };

// A 32-byte file: the header's first bytes, then 0x10 + i at offset i.
QByteArray smallFile() {
    QByteArray bytes = SyntheticImage(32).bytes;
    for (int i = 16; i < 32; ++i)
        bytes[i] = char(0x10 + i);
    return bytes;
}

} // namespace

class tst_Primitives : public QObject {
    Q_OBJECT
private slots:
    void wordByteOrder_data();
    void wordByteOrder();
    void readsAtAndPastTheEnd_data();
    void readsAtAndPastTheEnd();
    void writePastTheEndExtends();
    void failedCallChangesNothing_data();
    void failedCallChangesNothing();
    void readAfterWriteSeesTheWrite();
    void refreshSeesAnotherWriter();
    void readOnlyFileRefusesWrites();
    void systemFailureNamesFileOffsetAndReason();
    void nonAsciiPath();
};

void tst_Primitives::wordByteOrder_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("0x1234") << 0x1234 << 0x34 << 0x12;
    QTest::newRow("65535") << 65535 << 0xFF << 0xFF;
    QTest::newRow("high bit only") << 0x8000 << 0x00 << 0x80;
    QTest::newRow("low byte only") << 0x00FF << 0xFF << 0x00;
}

void tst_Primitives::wordByteOrder() {
    QFETCH(int, value);
    QFETCH(int, low);
    QFETCH(int, high);
    SyntheticImage image(64);
    image.setByte(20, quint8(low));
    image.setByte(21, quint8(high));
    ImageOnDisk disk(image);
    auto rom = disk.open();
    QCOMPARE(ReadWord(*rom, 20), value);

    WriteWord(TestKey, *rom, 40, value);
    const QByteArray after = disk.bytes();
    QCOMPARE(quint8(after.at(40)), quint8(low));
    QCOMPARE(quint8(after.at(41)), quint8(high));
}

void tst_Primitives::readsAtAndPastTheEnd_data() {
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("expected");
    QTest::newRow("first header byte") << int(Op::ReadByte) << 0 << int('N');
    QTest::newRow("last byte") << int(Op::ReadByte) << 31 << 0x2F;
    QTest::newRow("byte at the length") << int(Op::ReadByte) << 32 << 0;
    QTest::newRow("byte far past the end") << int(Op::ReadByte) << 1000000 << 0;
    QTest::newRow("word at the last byte") << int(Op::ReadWord) << 31 << 0x2F;
    QTest::newRow("word at the length") << int(Op::ReadWord) << 32 << 0;
    QTest::newRow("highest byte offset") << int(Op::ReadByte) << 0x7FFFFFFE << 0;
    QTest::newRow("highest word offset") << int(Op::ReadWord) << 0x7FFFFFFD << 0;
}

void tst_Primitives::readsAtAndPastTheEnd() {
    QFETCH(int, op);
    QFETCH(int, offset);
    QFETCH(int, expected);
    ImageOnDisk disk(smallFile());
    auto rom = disk.open();
    const int got = Op(op) == Op::ReadByte ? ReadByte(*rom, offset) : ReadWord(*rom, offset);
    QCOMPARE(got, expected);
    QCOMPARE(disk.bytes(), smallFile());
}

void tst_Primitives::writePastTheEndExtends() {
    ImageOnDisk disk(smallFile());
    auto rom = disk.open();
    QCOMPARE(ReadByte(*rom, 40), quint8(0)); // caches the page past the end first
    WriteByte(TestKey, *rom, 40, 0x5A);
    WriteWord(TestKey, *rom, 50, 0x1234);

    QByteArray expected = smallFile();
    expected.resize(52, '\0');
    expected[40] = char(0x5A);
    expected[50] = char(0x34);
    expected[51] = char(0x12);
    QCOMPARE(disk.bytes(), expected);
    QCOMPARE(ReadByte(*rom, 40), quint8(0x5A));
    QCOMPARE(ReadByte(*rom, 45), quint8(0));
    QCOMPARE(ReadWord(*rom, 50), 0x1234);
}

void tst_Primitives::failedCallChangesNothing_data() {
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::addColumn<ImageFault>("fault");
    QTest::newRow("read byte at -1") << int(Op::ReadByte) << -1 << 0 << ImageFault::BeforeStart;
    QTest::newRow("read word at -1") << int(Op::ReadWord) << -1 << 0 << ImageFault::BeforeStart;
    QTest::newRow("write byte at -1") << int(Op::WriteByte) << -1 << 7 << ImageFault::BeforeStart;
    QTest::newRow("write word at lowest")
        << int(Op::WriteWord) << int(0x80000000) << 7 << ImageFault::BeforeStart;
    QTest::newRow("word 65536") << int(Op::WriteWord) << 20 << 65536 << ImageFault::WordTooLarge;
    QTest::newRow("word -1") << int(Op::WriteWord) << 20 << -1 << ImageFault::WordTooLarge;
    QTest::newRow("word -1 at -1") << int(Op::WriteWord) << -1 << -1 << ImageFault::WordTooLarge;
    QTest::newRow("read byte at 0x7FFFFFFF")
        << int(Op::ReadByte) << 0x7FFFFFFF << 0 << ImageFault::OffsetTooLarge;
    QTest::newRow("write byte at 0x7FFFFFFF")
        << int(Op::WriteByte) << 0x7FFFFFFF << 1 << ImageFault::OffsetTooLarge;
    QTest::newRow("read word at 0x7FFFFFFE")
        << int(Op::ReadWord) << 0x7FFFFFFE << 0 << ImageFault::OffsetTooLarge;
    QTest::newRow("write word at 0x7FFFFFFE")
        << int(Op::WriteWord) << 0x7FFFFFFE << 1 << ImageFault::OffsetTooLarge;
    QTest::newRow("image read at -1") << int(Op::ImageRead) << -1 << 0 << ImageFault::BeforeStart;
    QTest::newRow("image write at -1") << int(Op::ImageWrite) << -1 << 7 << ImageFault::BeforeStart;
}

void tst_Primitives::failedCallChangesNothing() {
    QFETCH(int, op);
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(ImageFault, fault);
    ImageOnDisk disk(smallFile());
    auto rom = disk.open();
    try {
        switch (Op(op)) {
        case Op::ReadByte:
            ReadByte(*rom, offset);
            break;
        case Op::ReadWord:
            ReadWord(*rom, offset);
            break;
        case Op::WriteByte:
            WriteByte(TestKey, *rom, offset, quint8(value));
            break;
        case Op::WriteWord:
            WriteWord(TestKey, *rom, offset, value);
            break;
        case Op::ImageRead:
            rom->readByte(offset);
            break;
        case Op::ImageWrite:
            rom->write(TestKey, offset, quint8(value));
            break;
        }
        QFAIL("the call did not fail");
    } catch (const RomError& e) {
        QCOMPARE(e.outcome().fault, fault);
    }
    // The system layer refuses too: on Windows, -1 would mean "append".
    const auto file = OpenImageFile(disk.path());
    QCOMPARE(WriteAt(file->handle, -1, "x", 1).count, -1);
    CloseFile(file->handle);
    QCOMPARE(disk.bytes(), smallFile());
}

void tst_Primitives::readAfterWriteSeesTheWrite() {
    ImageOnDisk disk(smallFile());
    auto rom = disk.open();
    QCOMPARE(ReadWord(*rom, 20), 0x2524); // the page is now cached
    WriteByte(TestKey, *rom, 20, 0xAB);
    QCOMPARE(ReadByte(*rom, 20), quint8(0xAB));
    WriteWord(TestKey, *rom, 21, 0xCDEF);
    QCOMPARE(ReadWord(*rom, 20), 0xEFAB);
    QCOMPARE(ReadWord(*rom, 21), 0xCDEF);
    QCOMPARE(disk.bytes().mid(20, 3), QByteArray("\xAB\xEF\xCD"));
}

void tst_Primitives::refreshSeesAnotherWriter() {
    ImageOnDisk disk(smallFile());
    auto rom = disk.open();
    QCOMPARE(ReadByte(*rom, 20), quint8(0x24));
    QCOMPARE(ReadByte(*rom, 40), quint8(0));
    {
        QFile other(disk.path());
        QVERIFY(other.open(QIODevice::ReadWrite));
        QVERIFY(other.seek(20));
        other.write("\x77", 1);
        QVERIFY(other.seek(40));
        other.write("\x66", 1);
    }
    rom->refresh();
    QCOMPARE(ReadByte(*rom, 20), quint8(0x77));
    QCOMPARE(ReadByte(*rom, 40), quint8(0x66));
}

void tst_Primitives::readOnlyFileRefusesWrites() {
    ImageOnDisk disk(smallFile());
    const auto forReading = OpenImageFileForReading(disk.path());
    QVERIFY(forReading);
    RomImage rom(disk.path(), *forReading);
    QCOMPARE(ReadByte(rom, 20), quint8(0x24));
    try {
        WriteByte(TestKey, rom, 20, 1);
        QFAIL("a write to a file open for reading succeeded");
    } catch (const RomError& e) {
        QCOMPARE(e.outcome().fault, ImageFault::OpenForReading);
        QCOMPARE(e.outcome().file, disk.path());
    }
    QCOMPARE(disk.bytes(), smallFile());

    if (FileModesBindUs()) {
        QVERIFY(QFile::setPermissions(disk.path(), QFile::ReadOwner));
        const auto opened = OpenImageFile(disk.path());
        QVERIFY(opened);
        QVERIFY(opened->readOnly);
        CloseFile(opened->handle);
        // A read-only file would outlast its temporary folder on Windows.
        QVERIFY(QFile::setPermissions(disk.path(), QFile::ReadOwner | QFile::WriteOwner));
    }
}

void tst_Primitives::systemFailureNamesFileOffsetAndReason() {
    ImageOnDisk disk(smallFile());
    FailingRom rom(disk.path(), 0);
    try {
        WriteWord(TestKey, rom, 0x1A, 0x1234);
        QFAIL("the write did not fail");
    } catch (const RomError& e) {
        const Outcome& o = e.outcome();
        QCOMPARE(o.fault, ImageFault::SystemCall);
        QCOMPARE(o.operation, Operation::Write);
        QCOMPARE(o.file, disk.path());
        QCOMPARE(o.offset, 0x1A);
        QCOMPARE(o.error, DiskFullError());
    }
    QCOMPARE(disk.bytes(), smallFile());
}

void tst_Primitives::nonAsciiPath() {
    // The path reaches the system as it is: a folder named "Zoë" holding a file named in Greek.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Zo\u00EB")));
    const QString path = dir.filePath(QStringLiteral("Zo\u00EB/\u03B1\u03B2.nes"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(smallFile());
    }
    const auto rom = *OpenRomImage(path);
    QVERIFY(rom);
    QCOMPARE(ReadByte(*rom, 20), quint8(0x24));
    WriteByte(TestKey, *rom, 20, 0x99);
    QByteArray expected = smallFile();
    expected[20] = char(0x99);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), expected);

    FailingRom failing(path, 0);
    try {
        WriteByte(TestKey, failing, 21, 1);
        QFAIL("the write did not fail");
    } catch (const RomError& e) {
        QCOMPARE(e.outcome().file, path);
    }
}

QTEST_GUILESS_MAIN(tst_Primitives)
#include "tst_primitives.moc"
