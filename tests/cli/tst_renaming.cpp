#include "clirun.h"
#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "rom/names.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

constexpr int Quill = 3;  // "Quill Bread", ended by 0x05, read by no other entry
constexpr int Crumb = 20; // "Crumb Pie", read by enemy 4 too, and by item 6 from its "Pie"

// The demo image with the names above, item 8 pointing below 7FF0, item 9 at a run of 32768
// characters and item 10 at its own record, whose strength and effect bytes read "AB". `cut` ends
// the file inside "Crumb Pie", before its end byte.
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
    image.setWord(ItemEntryOffset(10), ItemEntryOffset(10) + 3 + PointerBias);
    image.bytes.replace(ItemEntryOffset(10) + 3, 3, QByteArray("\xC1\xC2\x00", 3));
    return cut ? image.bytes.left(crumb - PointerBias + 9) : image.bytes;
}

// One command line, its words split at "|".
CliRun tool(const QString& words) {
    return RunTool(words.split(QLatin1Char('|')));
}

QString nameIn(const QString& csv, int index) {
    return csv.split(QStringLiteral("\r\n")).at(index + 1).section(QLatin1Char(','), 1, 1);
}

// `table`, CSV or JSON as the export writes them, with entry `index`'s name replaced.
QString withName(const QString& table, int index, const QString& name) {
    if (!table.startsWith(QLatin1Char('{'))) {
        QStringList lines = table.split(QStringLiteral("\r\n"));
        QStringList cells = lines[index + 1].split(QLatin1Char(','));
        cells[1] = name;
        lines[index + 1] = cells.join(QLatin1Char(','));
        return lines.join(QStringLiteral("\r\n"));
    }
    const QString key = QStringLiteral("\"name\": \"");
    qsizetype at = -1;
    for (int k = 0; k <= index; ++k)
        at = table.indexOf(key, at + 1);
    const qsizetype from = at + key.size();
    return table.left(from) + name + table.mid(table.indexOf(QLatin1Char('"'), from));
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
    void importNames_data();
    void importNames();
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
    QTest::newRow("a name that looks like a placeholder") << "item|3"
                                                          << "Q%1 %2"
                                                          << "item 3 now shows \"Q%1 %2\"; ";
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
    QTest::newRow("a name in the item table")
        << image << "--item|10|A" << 1
        << "item 10 in %1: the name at pointer 9853 (offset 0x1863) is no name text: writing "
           "\"A\" would overwrite item 10's record at 0x1860. Nothing";
    QTest::newRow("shared text without --shared")
        << image << "--item|20|Crumb Pot" << 1
        << "item 20 in %1: its name text is shared with 2 other entries listed below; give "
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
    const CliRun refused = tool(rename);
    QCOMPARE(refused.out, QString());
    QVERIFY2(refused.err.endsWith(listing), qPrintable(refused.err));
    const CliRun run = tool(rename + QStringLiteral("|--shared"));
    QCOMPARE(run.out, listing + QStringLiteral(
                                    "item 20, enemy 4 now show \"Crumb Pot\"; 2 bytes changed.\n"));
    const QString items = tool(QStringLiteral("export|") + disk.path()).out;
    QCOMPARE(nameIn(items, 6), QStringLiteral("Pot"));
    QCOMPARE(nameIn(tool(QStringLiteral("export|%1|--table|enemies").arg(disk.path())).out, 4),
             QStringLiteral("Crumb Pot"));
}

void tst_Renaming::importNames_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("names"); // index:name, "|" between two
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QString>("error"); // none: the import succeeds and round-trips
    for (const char* file : {"t.csv", "t.json"}) {
        QTest::addRow("items %s", file) << file << "items"
                                        << "3:Ab|30:C"
                                        << ""
                                        << "";
        QTest::addRow("enemies %s", file) << file << "enemies"
                                          << "7:Ab|9:C"
                                          << ""
                                          << "";
    }
    // Each refused import also holds a valid rename of item 1, which must not be written either.
    QTest::newRow("longer than the old name")
        << "t.csv"
        << "items"
        << "1:A|3:Quill Breads"
        << ""
        << "t.csv:5:3: cannot write the name of item 3: \"Quill Breads\" is 12 characters long";
    QTest::newRow("a character above 7F")
        << "t.csv"
        << "items"
        << "1:A|3:Quill Br\u00F6d"
        << ""
        << "t.csv:5:3: cannot write the name of item 3: the character \"\u00F6\" (U+00F6) at "
           "position 9 cannot be written";
    QTest::newRow("a pointer with no offset")
        << "t.csv"
        << "items"
        << "1:A|8:X"
        << ""
        << "t.csv:10:3: cannot write the name of item 8: the name pointer 1234 has no offset";
    QTest::newRow("a name in the item table")
        << "t.csv"
        << "items"
        << "1:A|10:B"
        << ""
        << "t.csv:12:4: cannot write the name of item 10: the name at pointer 9853 (offset "
           "0x1863) is no name text: writing \"B\" would overwrite item 10's record at 0x1860";
    QTest::newRow("shared text without --shared")
        << "t.csv"
        << "items"
        << "1:A|20:Crumb Pot"
        << ""
        << "t.csv:22:4: the name text of item 20 is shared: writing \"Crumb Pot\" would also "
           "change item 6 \"Pie\" -> \"Pot\", enemy 4 \"Crumb Pie\" -> \"Crumb Pot\"; give "
           "--shared to allow it";
    // Item 20 asks for what item 6's rename gives it; enemy 4, in the other table, does not.
    QTest::newRow("shared with an entry that does not ask")
        << "t.csv"
        << "items"
        << "1:A|20:Crumb Pot|6:Pot"
        << ""
        << "t.csv:8:3: the name text of item 6 is shared: writing \"Pot\" would also change enemy "
           "4 \"Crumb Pie\" -> \"Crumb Pot\"; give --shared";
    QTest::newRow("--shared") << "t.csv"
                              << "items"
                              << "20:Crumb Pot|6:Pot"
                              << "--shared"
                              << "";
    QTest::newRow("a later row undoes an earlier one")
        << "t.csv"
        << "items"
        << "1:A|20:Crumb Pot|6:Pig"
        << "--shared"
        << "t.csv:8:3: the name of item 6 would read \"Pot\" once the other names of this file "
           "are written, not \"Pig\"";
}

void tst_Renaming::importNames() {
    QFETCH(QString, file);
    QFETCH(QString, table);
    QFETCH(QString, names);
    QFETCH(QString, extra);
    QFETCH(QString, error);
    ImageOnDisk disk(testImage());
    const QByteArray before = disk.bytes();
    const QString path = QFileInfo(disk.path()).dir().filePath(file);
    const QString exportTo = QStringLiteral("export|%1|--table|%2|-o|%3").arg(disk.path(), table);
    QCOMPARE(tool(exportTo.arg(path)).code, 0);
    QString edited = QString::fromUtf8(FileBytes(path));
    for (const QString& name : names.split(QLatin1Char('|')))
        edited = withName(edited, name.section(QLatin1Char(':'), 0, 0).toInt(),
                          name.section(QLatin1Char(':'), 1));
    PutFile(path, edited.toUtf8());

    const CliRun run =
        tool(QStringLiteral("import|%1|%2|--names%3")
                 .arg(disk.path(), path, extra.isEmpty() ? QString() : QLatin1Char('|') + extra));
    if (error.isEmpty()) {
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QString again = path + QStringLiteral(".again");
        QCOMPARE(tool(exportTo.arg(again) + QStringLiteral("|--format|") +
                      file.section(QLatin1Char('.'), 1))
                     .code,
                 0);
        QCOMPARE(QString::fromUtf8(FileBytes(again)), edited);
        return;
    }
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.startsWith(QDir::toNativeSeparators(QFileInfo(path).dir().filePath(error))),
             qPrintable(run.err));
    QCOMPARE(disk.bytes(), before);
}

QTEST_GUILESS_MAIN(tst_Renaming)
#include "tst_renaming.moc"
