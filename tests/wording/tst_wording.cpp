// Every text the user reads about what the core did, from the outcome that causes it: the other
// tests check outcomes, this one that each reads word for word as it always has.
#include "support/failingrom.h"
#include "support/testsupport.h"
#include "wording/phrases.h"
#include "wording/wording.h"

#include <QDir>
#include <QHash>
#include <QJsonParseError>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

const QString File = QStringLiteral("/images/my.nes");
const QString Item = QStringLiteral("item 5");
const QString Bread = QStringLiteral("Bread");
const QString Other = QStringLiteral("/images/other.bin");

Outcome io(Operation operation, qint64 offset) {
    return {.fault = ImageFault::SystemCall,
            .operation = operation,
            .file = File,
            .offset = offset,
            .error = DiskFullError()};
}

Outcome bad(ValueKind kind, const char* field, const char* text) {
    return {.fault = SaveFault::BadValue,
            .kind = kind,
            .file = File,
            .entry = Item,
            .field = u8(field),
            .text = u8(text),
            .upper = 255};
}

Outcome entry(Fault fault) {
    return {.fault = fault, .file = File, .entry = Item};
}

} // namespace

class tst_Wording : public QObject {
    Q_OBJECT
private slots:
    void texts_data();
    void texts();
    void everyFaultIsWorded();
};

void tst_Wording::texts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString file = QDir::toNativeSeparators(File);
    const QString full = SystemText(DiskFullError());
    const Outcome writeFailed = io(Operation::Write, 0x1814);
    const Outcome shortFile = {.fault = SaveFault::ShortFile,
                               .file = File,
                               .entry = Item,
                               .first = 0x1838,
                               .last = 0x183F,
                               .length = 6203};
    const Outcome backup = {
        .fault = ImageFault::BackupNotMade, .file = File, .other = File + QStringLiteral(".bak")};
    const auto rename = [&](Fault fault) {
        return Outcome{
            .fault = fault, .entry = Item, .text = Bread, .offset = 0x20, .pointer = 0x8010};
    };

    // The image layer's errors.
    QTest::newRow("read")
        << ImageErrorText(io(Operation::Read, 0x1810))
        << QStringLiteral("Cannot read %1 at offset 0x1810:\n%2.").arg(file, full);
    QTest::newRow("primitive before the start")
        << ImageErrorText(Outcome{
               .fault = ImageFault::BeforeStart, .operation = Operation::ReadWord, .offset = -1})
        << u8("Read word at offset -0x1: the position lies before the start of the file.");
    const QString cannotBackUp = QStringLiteral("Cannot make the backup %1.bak of %1:\n").arg(file);
    Outcome because = backup;
    because.replaced = true;
    QTest::newRow("backup: replaced")
        << ImageErrorText(because)
        << cannotBackUp + u8("another program replaced, moved or deleted the image while its "
                             "backup was made.");

    // What the editors' Save tells.
    QTest::newRow("item")
        << SaveText(bad(ValueKind::Item, "item", "114"))
        << u8("Cannot save item 5: there is no item 114; items run from 0 to 255. Nothing "
              "was written.");
    Outcome failed = writeFailed;
    failed.entry = Item;
    QTest::newRow("put back")
        << SaveText(failed)
        << QStringLiteral("Cannot save item 5.\nCannot write to %1 at offset 0x1814:\n%2.\nNothing "
                          "was written.")
               .arg(file, full);
    failed = entry(SaveFault::WrittenInPart);
    failed.field = QStringLiteral("cost");
    failed.cause << writeFailed;
    failed.landed = {{Item, QStringLiteral("pointer to name"), false, 2, 2},
                     {Item, QStringLiteral("cost"), false, 1, 2},
                     {Item, QStringLiteral("flags"), false, 0, 1}};
    QTest::newRow("written in part")
        << SaveText(failed)
        << QStringLiteral("Saving item 5 stopped at the cost.\nCannot write to %1 at offset "
                          "0x1814:\n%2.\nAlready written, and kept in the file: pointer to name, "
                          "part of cost.\nNot written: the rest of cost, flags.")
               .arg(file, full);
    Outcome unsynced = entry(SaveFault::NotSynced);
    unsynced.cause << io(Operation::Sync, 0);
    QTest::newRow("not synced")
        << SaveText(unsynced)
        << QStringLiteral("Saving item 5: every field was written, but Cannot sync %1 at offset "
                          "0x0:\n%2.")
               .arg(file, full);

    // Renames, and the rows of a table file.
    Outcome name = rename(NameFault::Longer);
    name.otherName = QStringLiteral("Bun");
    QTest::newRow("name longer")
        << ImageErrorText(name)
        << u8("\"Bread\" is 5 characters long, but the name it replaces at pointer 8010, \"Bun\", "
              "is only 3: a new name may not be longer than the old one");
    name = rename(NameFault::Character);
    name.text = QStringLiteral("\u00E9");
    name.position = 3;
    QTest::newRow("name character")
        << ImageErrorText(name)
        << QStringLiteral("the character \"\u00E9\" (U+00E9) at position 3 cannot be written: name "
                          "text holds only the codes 0x00 to 0x7F");
    name = rename(RowFault::SharedName);
    name.names = {{QStringLiteral("enemy 7"), QStringLiteral("Bun"), Bread}};
    QTest::newRow("shared name")
        << InputErrorText(QStringLiteral("t.csv"), {4, 7, name})
        << u8("t.csv:4:7: the name text of item 5 is shared: writing \"Bread\" would also change "
              "enemy 7 \"Bun\" -> \"Bread\"; give --shared to allow it");
    QTest::newRow("row's save refused")
        << InputErrorText(QStringLiteral("t.csv"), {2, 1, shortFile})
        << QStringLiteral("t.csv:2:1: Cannot save item 5 to %1: the entry lies at offsets 0x1838 "
                          "to 0x183F, but the file is only 6203 bytes long. Nothing was written.")
               .arg(file);
    QTest::newRow("cell") << InputErrorText(QStringLiteral("t.csv"),
                                            {3, 9, bad(ValueKind::CellFlag, "edible", "2")})
                          << u8("t.csv:3:9: the edible flag \"2\" is neither 0 nor 1");

    // What a command that writes says when its transaction fails.
    Outcome command = entry(SaveFault::WrittenInPart);
    command.cause << writeFailed;
    command.landed = {{QStringLiteral("item 1"), {}, false, 2, 2},
                      {QStringLiteral("item 2"), {}, false, 1, 2},
                      {QStringLiteral("item 3"), {}, true, 0, 3}};
    QTest::newRow("command: written in part")
        << CommandWriteText(command, File + QStringLiteral(".bak"))
        << QStringLiteral("Cannot write to %1 at offset 0x1814:\n%2.\n%1 is written in "
                          "part.\nWritten: item 1, part of item 2.\nNot written: the rest of item "
                          "2, the name of item 3.\nThe backup %1.bak holds the image as it was "
                          "before this command.")
               .arg(file, full);
}

void tst_Wording::texts() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

// Each fault of each family is worded with the facts its outcome's comment names, and in words
// of its own: with every fact of the outcome set to a value of its own, each fault's text must
// show the values of its facts ($ for the system's words), and no two faults may read alike.
void tst_Wording::everyFaultIsWorded() {
    const Outcome facts{
        .node = NodeKind::Fifo,
        .file = File,
        .other = Other,
        .otherName = u"OldName"_s,
        .entry = Item,
        .field = u"fieldname"_s,
        .text = u"TXT"_s,
        .offset = 0x1234,
        .first = 0x1838,
        .last = 0x183F,
        .length = 6203,
        .word = 70001,
        .pointer = 0x8A2B,
        .upper = 97,
        .line = 41,
        .position = 43,
        .version = 7,
        .record = 59,
        .undoneBy = 61,
        .count = 67,
        .otherLength = 71003,
        .expected = 73,
        .limit = 5242880,
        .built = 79,
        .checksum = 0xCAFEF00D,
        .expectedChecksum = 0x0BADF00D,
        .jsonError = QJsonParseError::IllegalValue,
        .table = u"tbl"_s,
        .option = u"--opt"_s,
        .reason = u"REASON-QT"_s,
        .choices = {u"CH1"_s, u"CH2"_s},
        .error = DiskFullError(),
        .landed = {{u"enemy 9"_s, u"landedfield"_s, false, 1, 2}},
        .names = {{u"enemy 7"_s, u"Bun"_s, u"Bread"_s}},
        .cause = {{.fault = ImageFault::SystemCall, .file = File, .error = MissingFileError()}}};
    const QHash<QString, QString> system = {{u"$error"_s, SystemText(DiskFullError())},
                                            {u"$cause"_s, SystemText(MissingFileError())},
                                            {u"$node"_s, NodeText(NodeKind::Fifo)}};
    const std::pair<const char*, QList<Fault>> faults[] = {
        {"",
         {TableFileFault::CsvStrayQuote, TableFileFault::CsvQuoteOpen,
          TableFileFault::CsvAfterQuote, TableFileFault::TableFileEmpty, TableFileFault::JsonSyntax,
          TableFileFault::JsonNoTable, TableFileFault::JsonNoEntries,
          TableFileFault::JsonEntryNotObject, UsageFault::NoCommand, UsageFault::NoEntryOption,
          UsageFault::SharedWithoutNames, UsageFault::PatchOutputName, UsageFault::NoOutputOption,
          UsageFault::MergeToStandardOutput}},
        {"my.nes",
         {ImageFault::BeforeStart, CompareFault::NoOriginal, CompareFault::NotAnImage,
          PatchFault::IpsTooLong, PatchFault::IpsCannotCut, PatchFault::NotIps, PatchFault::NotBps,
          PatchFault::BpsChecksum, PatchFault::BpsHeader, PatchFault::BpsTargetChecksum,
          PatchFault::NotAPatch}},
        {"TXT",
         {ImageFault::BitStringTooLarge, TableFileFault::JsonKeyTwice, UsageFault::UnknownCommand,
          UsageFault::ArgumentNotText, UsageFault::FileNameCount, UsageFault::TableOption,
          UsageFault::ExportFormatOption, UsageFault::ChangesFormatOption, UsageFault::PreferOption,
          UsageFault::SaveOption}},
        {"8A2B",
         {ImageFault::PointerBeforeStart, ImageFault::NameTooLong, NameFault::PointerNoOffset,
          NameFault::RunsOn}},
        {"fieldname",
         {TableFileFault::ColumnNamedTwice, TableFileFault::ColumnMissing,
          TableFileFault::JsonCellTwice, TableFileFault::JsonCellType}},
        {"item 5|my.nes",
         {SaveFault::ReadOnly, SaveFault::Replaced, SaveFault::Gone, SaveFault::ChangedOnDisk,
          SaveFault::Locked}},
        {"item 5", {SaveFault::NoSuchEntry, RowFault::NameNotWritten}},
        {"my.nes|59",
         {UndoFault::NoSuchRecord, UndoFault::RecordNotDone, CliFileFault::RecordPastEnd}},
        {"my.nes|4660|6203",
         {PatchFault::IpsCutBeforeEnd, PatchFault::IpsCutInHeader, PatchFault::IpsCutInData,
          PatchFault::IpsCutInRun}},
        {"my.nes|other.bin",
         {CliFileFault::OutputIsInput, CliFileFault::OutputIsHistory,
          CliFileFault::OutputIsBackup}},
        {"my.nes|$cause", {CliFileFault::FileNotRead, CliFileFault::ImageNotOpened}},
        {"my.nes|67", {PatchFault::IpsTrailingBytes, CliFileFault::HistoryDamaged}},
        {"REASON-QT", {CliFileFault::StandardOutputLost, UsageFault::ArgumentsRefused}},
        {"my.nes|0x1234|$error", {ImageFault::SystemCall}},
        {"my.nes|0x1234", {ImageFault::OpenForReading}},
        {"0x1234", {ImageFault::OffsetTooLarge}},
        {"0x1234|70001", {ImageFault::WordTooLarge}},
        {"$node", {ImageFault::NotAFile}},
        {"my.nes|other.bin|$error", {ImageFault::BackupNotMade, HistoryFault::Unreadable}},
        {"item 5|my.nes|0x1838|0x183F|6203", {SaveFault::ShortFile}},
        {"item 5|fieldname|TXT|97", {SaveFault::BadValue}},
        {"item 5|fieldname|$cause|landedfield", {SaveFault::WrittenInPart}},
        {"item 5|$cause", {SaveFault::NotSynced}},
        {"item 5|my.nes|other.bin|59", {HistoryFault::NotWritten}},
        {"8A2B|0x1234|6203", {NameFault::PastEnd}},
        {"TXT|43", {NameFault::Character}},
        {"TXT|8A2B|OldName", {NameFault::Longer}},
        {"8A2B|0x1234|TXT|fieldname|0x1838", {NameFault::IntoRecord}},
        {"item 5|41", {RowFault::RepeatedEntry}},
        {"TXT|97", {RowFault::NoSuchItem}},
        {"item 5|TXT|enemy 7", {RowFault::SharedName}},
        {"item 5|OldName|TXT", {RowFault::NameWouldRead}},
        {"my.nes|landedfield|59", {UndoFault::Overwritten}},
        {"my.nes|59|61", {UndoFault::RecordTakenBack}},
        {"other.bin|71003|my.nes|6203", {CompareFault::SizesDiffer}},
        {"67|my.nes", {CompareFault::MergeConflicts}},
        {"my.nes|$error", {CompareFault::OutputNotWritten}},
        {"CH2", {TableFileFault::NoColumnNames}},
        {"TXT|tbl", {TableFileFault::UnknownColumn}},
        {"67|73", {TableFileFault::CellCount}},
        {"my.nes|73|5242880", {PatchFault::BpsTooLarge}},
        {"my.nes|73|0badf00d|71003|cafef00d", {PatchFault::BpsOtherSource}},
        {"my.nes|79", {PatchFault::BpsActionOutside}},
        {"my.nes|79|73", {PatchFault::BpsActionsShort}},
        {"my.nes|6203|5242880", {CliFileFault::FileTooLarge}},
        {"my.nes|REASON-QT", {CliFileFault::NodeNotWritten}},
        {"--opt|97|TXT", {UsageFault::EntryOption}}};
    QHash<QString, QString> wordedBy;
    int worded = 0;
    for (const auto& [shown, group] : faults)
        for (const Fault& fault : group) {
            Outcome o = facts;
            o.fault = fault;
            const QString text = ImageErrorText(o);
            const QString where =
                QStringLiteral("the fault that shows %1: \"%2\"").arg(QLatin1String(shown), text);
            QVERIFY2(!text.isEmpty(), qPrintable(where));
            for (const QString& fact : QString::fromLatin1(shown).split(u'|', Qt::SkipEmptyParts))
                QVERIFY2(text.contains(system.value(fact, fact)),
                         qPrintable(fact + u" not in "_s + where));
            QVERIFY2(!wordedBy.contains(text),
                     qPrintable(where + u" reads as "_s + wordedBy[text]));
            wordedBy.insert(text, QString::fromLatin1(shown));
            ++worded;
        }
    QCOMPARE(worded, 101); // every fault of every family: a new one needs its facts here
}

QTEST_GUILESS_MAIN(tst_Wording)
#include "tst_wording.moc"
