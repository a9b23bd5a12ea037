#include "clirun.h"
#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "rom/names.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTest>

namespace {

constexpr int Quill = 3;  // "Quill Bread", ended by 0x05, read by no other entry
constexpr int Crumb = 20; // "Crumb Pie", read by enemy 4 too, and by item 6 from its "Pie"

// The demo image with the names above, item 8 pointing below 7FF0 and item 9 at a run of 32768
// characters. `cut` ends the file inside "Crumb Pie", before its end byte.
QByteArray testImage(bool cut = false) {
    SyntheticImage image = MakeDemoImage(9);
    image.setWord(ItemEntryOffset(Quill), image.addName(QStringLiteral("Quill Bread"), 0x05));
    const int crumb = image.addName(QStringLiteral("Crumb Pie"));
    image.setWord(ItemEntryOffset(Crumb), crumb);
    image.setWord(EnemyEntryOffset(4) + 0x18, crumb);
    image.setWord(ItemEntryOffset(6), crumb + 6);
    image.setWord(ItemEntryOffset(8), 0x1234);
    image.bytes.replace(0x4000, MaxNameLength + 1, QByteArray(MaxNameLength + 1, char(0xC1)));
    image.setWord(ItemEntryOffset(9), 0x4000 + PointerBias);
    return cut ? image.bytes.left(crumb - PointerBias + 9) : image.bytes;
}

// One command line, its words split at "|".
CliRun tool(const QString& words) {
    return RunTool(words.split(QLatin1Char('|')));
}

QString nameIn(const QString& csv, int index) {
    return csv.split(QStringLiteral("\r\n")).at(index + 1).section(QLatin1Char(','), 1, 1);
}

} // namespace

class tst_Renaming : public QObject {
    Q_OBJECT
private slots:
    void renameWritesOnlyTheNameBytes_data();
    void renameWritesOnlyTheNameBytes();
    void writesNothing_data();
    void writesNothing();
    void sharedTextIsListedAndWrittenWithShared();
};

void tst_Renaming::renameWritesOnlyTheNameBytes_data() {
    QTest::addColumn<QString>("entry"); // "item|3"
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("summary");
    QTest::newRow("shorter item name") << "item|3"
                                       << "Quill Roll"
                                       << "item 3 now shows \"Quill Roll\"; 5 bytes changed.";
    QTest::newRow("enemy name") << "enemy|7"
                                << "Xy"
                                << "enemy 7 now shows \"Xy\"; ";
}

void tst_Renaming::renameWritesOnlyTheNameBytes() {
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QString, summary);
    ImageOnDisk disk(testImage());
    const QByteArray before = disk.bytes();
    const bool item = entry.startsWith(QLatin1String("item"));
    const int index = entry.section(QLatin1Char('|'), 1).toInt();
    const qint32 at = item ? ItemEntryOffset(index) : EnemyEntryOffset(index) + 0x18;
    const qint64 start = quint8(before[at]) + 256 * quint8(before[at + 1]) - PointerBias;
    qint64 oldEnd = start;
    while (quint8(before[oldEnd]) >= 0x80)
        ++oldEnd;

    const CliRun run = tool(QStringLiteral("rename|%1|--%2|%3").arg(disk.path(), entry, name));
    QVERIFY2(run.code == 0 && run.out.contains(summary), qPrintable(run.out + run.err));
    const QByteArray after = disk.bytes();
    for (const qint64 changed : DifferingOffsets(before, after))
        QVERIFY(changed >= start && changed <= start + name.size());
    if (start + name.size() < oldEnd) // a shorter name ends with the old name's end byte
        QCOMPARE(after[start + name.size()], before[oldEnd]);
    const CliRun exported = tool(QStringLiteral("export|%1|--table|%2")
                                     .arg(disk.path(), QLatin1String(item ? "items" : "enemies")));
    QCOMPARE(nameIn(exported.out, index), name);
}

void tst_Renaming::writesNothing_data() {
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("arguments"); // after "rename|IMAGE"
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text"); // what the run says
    const QByteArray image = testImage();
    QTest::newRow("longer than the old name")
        << image << "--item|3|Quill Breads" << 1
        << "item 3 in %1: \"Quill Breads\" is 12 characters long, but the name it replaces at "
           "pointer ";
    QTest::newRow("a character above 7F")
        << image << "--item|3|Quill Br\u00F6d" << 1
        << "item 3 in %1: the character \"\u00F6\" (U+00F6) at position 9 cannot be written";
    QTest::newRow("positions count characters, not halves")
        << image << "--item|3|Qu\U0001F35E" << 1 << "(U+1F35E) at position 3";
    QTest::newRow("a pointer with no offset")
        << image << "--item|8|X" << 1 << "item 8 in %1: the name pointer 1234 has no offset";
    QTest::newRow("a name at the end of the file")
        << testImage(true) << "--item|20|C" << 1 << "runs past the end of the file, which is ";
    QTest::newRow("a name past the longest the readers accept")
        << image << "--item|9|A" << 1 << "runs on past 32767 characters";
    QTest::newRow("shared text without --shared")
        << image << "--item|20|Crumb Pot" << 1
        << "item 20 in %1: its name text is shared with 2 other entries listed above; give "
           "--shared";
    QTest::newRow("dry run") << image << "--item|3|Quill|--dry-run" << 0
                             << "item 3 would show \"Quill\"; 1 byte would change (dry run: "
                                "nothing was written).";
    QTest::newRow("two entries") << image << "--item|1|--enemy|1|Xy" << 2 << "give one entry";
}

void tst_Renaming::writesNothing() {
    QFETCH(QByteArray, image);
    QFETCH(QString, arguments);
    QFETCH(int, code);
    QFETCH(QString, text);
    ImageOnDisk disk(image);
    const CliRun run = tool(QStringLiteral("rename|%1|%2").arg(disk.path(), arguments));
    QCOMPARE(run.code, code);
    const QString said = run.out + run.err;
    text.replace(QLatin1String("%1"), QDir::toNativeSeparators(disk.path()));
    QVERIFY2(said.contains(text), qPrintable(said));
    if (code == 1)
        QVERIFY(run.err.startsWith(QLatin1String("tolvane-cli: cannot rename ")) &&
                run.err.contains(QLatin1String("Nothing was written.")));
    QCOMPARE(disk.bytes(), image);
}

void tst_Renaming::sharedTextIsListedAndWrittenWithShared() {
    ImageOnDisk disk(testImage());
    const QString rename = QStringLiteral("rename|%1|--item|20|Crumb Pot").arg(disk.path());
    const QString listing = QStringLiteral("item 20: \"Crumb Pie\" -> \"Crumb Pot\"\n"
                                           "  shares the text: item 6 \"Pie\" -> \"Pot\"\n"
                                           "  shares the text: enemy 4 \"Crumb Pie\" -> \"Crumb "
                                           "Pot\"\n");
    QCOMPARE(tool(rename).out, listing);
    const CliRun run = tool(rename + QStringLiteral("|--shared"));
    QCOMPARE(run.out, listing + QStringLiteral(
                                    "item 20, enemy 4 now show \"Crumb Pot\"; 2 bytes changed.\n"));
    const QString items = tool(QStringLiteral("export|") + disk.path()).out;
    QCOMPARE(nameIn(items, 6), QStringLiteral("Pot"));
    QCOMPARE(nameIn(tool(QStringLiteral("export|%1|--table|enemies").arg(disk.path())).out, 4),
             QStringLiteral("Crumb Pot"));
}

QTEST_GUILESS_MAIN(tst_Renaming)
#include "tst_renaming.moc"
