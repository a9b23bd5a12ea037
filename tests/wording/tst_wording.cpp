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
    because.changed = true;
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
    name.other = QStringLiteral("Bun");
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
// of its own: an outcome with every fact set, each to a value of its own, must show those facts.
void tst_Wording::everyFaultIsWorded() {
    const QHash<QString, QString> shown = {
        {u"file"_s, QDir::toNativeSeparators(File)},
        {u"other"_s, QDir::toNativeSeparators(Other)},
        {u"entry"_s, Item},
        {u"field"_s, u"fieldname"_s},
        {u"text"_s, u"TXT"_s},
        {u"offset"_s, u"0x1234"_s},
        {u"decimal offset"_s, u"4660"_s},
        {u"first"_s, u"0x1838"_s},
        {u"last"_s, u"0x183F"_s},
        {u"length"_s, u"6203"_s},
        {u"word"_s, u"70001"_s},
        {u"pointer"_s, u"8A2B"_s},
        {u"upper"_s, u"97"_s},
        {u"line"_s, u"41"_s},
        {u"position"_s, u"43"_s},
        {u"version"_s, u"history version 7"_s},
        {u"record"_s, u"59"_s},
        {u"undoneBy"_s, u"61"_s},
        {u"count"_s, u"67"_s},
        {u"otherLength"_s, u"71003"_s},
        {u"expected"_s, u"73"_s},
        {u"limit"_s, u"5242880"_s},
        {u"built"_s, u"79"_s},
        {u"checksum"_s, u"cafef00d"_s},
        {u"expectedChecksum"_s, u"0badf00d"_s},
        {u"table"_s, u"tbl"_s},
        {u"option"_s, u"--opt"_s},
        {u"reason"_s, u"REASON-QT"_s},
        {u"choices"_s, u"CH2"_s},
        {u"node"_s, NodeText(NodeKind::Fifo)},
        {u"error"_s, SystemText(DiskFullError())},
        {u"cause"_s, SystemText(MissingFileError())},
        {u"landed"_s, u"landedfield"_s},
        {u"names"_s, u"enemy 7"_s},
    };
    const Outcome facts{
        .node = NodeKind::Fifo,
        .file = File,
        .other = Other,
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
    const std::pair<Fault, const char*> faults[] = {
        {ImageFault::SystemCall, "file offset error"},
        {ImageFault::BeforeStart, "file"},
        {ImageFault::OpenForReading, "file offset"},
        {ImageFault::OffsetTooLarge, "offset"},
        {ImageFault::WordTooLarge, "offset word"},
        {ImageFault::PointerBeforeStart, "pointer"},
        {ImageFault::NameTooLong, "pointer"},
        {ImageFault::BitStringTooLarge, "text"},
        {ImageFault::NotAFile, "node"},
        {ImageFault::BackupNotMade, "file other error"},
        {SaveFault::ReadOnly, "entry file"},
        {SaveFault::Replaced, "entry file"},
        {SaveFault::Gone, "entry file"},
        {SaveFault::ShortFile, "entry file first last length"},
        {SaveFault::ChangedOnDisk, "entry file"},
        {SaveFault::NoSuchEntry, "entry"},
        {SaveFault::BadValue, "entry field text upper"},
        {SaveFault::Locked, "entry file"},
        {SaveFault::WrittenInPart, "entry field cause landed"},
        {SaveFault::NotSynced, "entry cause"},
        {HistoryFault::NotWritten, "entry file other record"},
        {HistoryFault::Unreadable, "entry file other error"},
        {NameFault::PointerNoOffset, "pointer"},
        {NameFault::RunsOn, "pointer"},
        {NameFault::PastEnd, "pointer offset length"},
        {NameFault::Character, "text position"},
        {NameFault::Longer, "text pointer other"},
        {NameFault::IntoRecord, "pointer offset text field first"},
        {RowFault::RepeatedEntry, "entry line"},
        {RowFault::NoSuchItem, "text upper"},
        {RowFault::NameNotWritten, "entry"},
        {RowFault::SharedName, "entry text names"},
        {RowFault::NameWouldRead, "entry other text"},
        {UndoFault::Overwritten, "file landed record"},
        {UndoFault::NoSuchRecord, "file record"},
        {UndoFault::RecordNotDone, "file record"},
        {UndoFault::RecordTakenBack, "file record undoneBy"},
        {CompareFault::NoOriginal, "file"},
        {CompareFault::SizesDiffer, "other otherLength file length"},
        {CompareFault::NotAnImage, "file"},
        {CompareFault::MergeConflicts, "count file"},
        {CompareFault::OutputNotWritten, "file error"},
        {TableFileFault::CsvStrayQuote, ""},
        {TableFileFault::CsvQuoteOpen, ""},
        {TableFileFault::CsvAfterQuote, ""},
        {TableFileFault::TableFileEmpty, ""},
        {TableFileFault::NoColumnNames, "choices"},
        {TableFileFault::UnknownColumn, "text table"},
        {TableFileFault::ColumnNamedTwice, "field"},
        {TableFileFault::ColumnMissing, "field"},
        {TableFileFault::CellCount, "count expected"},
        {TableFileFault::JsonSyntax, ""},
        {TableFileFault::JsonKeyTwice, "text"},
        {TableFileFault::JsonNoTable, ""},
        {TableFileFault::JsonNoEntries, ""},
        {TableFileFault::JsonEntryNotObject, ""},
        {TableFileFault::JsonCellTwice, "field"},
        {TableFileFault::JsonCellType, "field"},
        {PatchFault::IpsTooLong, "file"},
        {PatchFault::IpsCannotCut, "file"},
        {PatchFault::NotIps, "file"},
        {PatchFault::IpsCutBeforeEnd, "file decimal_offset length"},
        {PatchFault::IpsCutInHeader, "file decimal_offset length"},
        {PatchFault::IpsCutInData, "file decimal_offset length"},
        {PatchFault::IpsCutInRun, "file decimal_offset length"},
        {PatchFault::IpsTrailingBytes, "file count"},
        {PatchFault::NotBps, "file"},
        {PatchFault::BpsChecksum, "file"},
        {PatchFault::BpsHeader, "file"},
        {PatchFault::BpsTooLarge, "file expected limit"},
        {PatchFault::BpsOtherSource, "file expected expectedChecksum otherLength checksum"},
        {PatchFault::BpsActionOutside, "file built"},
        {PatchFault::BpsActionsShort, "file built expected"},
        {PatchFault::BpsTargetChecksum, "file"},
        {PatchFault::NotAPatch, "file"},
        {CliFileFault::FileNotRead, "file cause"},
        {CliFileFault::FileTooLarge, "file length limit"},
        {CliFileFault::ImageNotOpened, "file cause"},
        {CliFileFault::OutputIsInput, "file other"},
        {CliFileFault::OutputIsHistory, "file other"},
        {CliFileFault::OutputIsBackup, "file other"},
        {CliFileFault::StandardOutputLost, "reason"},
        {CliFileFault::NodeNotWritten, "file reason"},
        {CliFileFault::HistoryDamaged, "file count"},
        {CliFileFault::RecordPastEnd, "file record"},
        {UsageFault::NoCommand, ""},
        {UsageFault::UnknownCommand, "text"},
        {UsageFault::ArgumentsRefused, "reason"},
        {UsageFault::ArgumentNotText, "text"},
        {UsageFault::FileNameCount, "text"},
        {UsageFault::TableOption, "text"},
        {UsageFault::ExportFormatOption, "text"},
        {UsageFault::ChangesFormatOption, "text"},
        {UsageFault::PreferOption, "text"},
        {UsageFault::SaveOption, "text"},
        {UsageFault::NoEntryOption, ""},
        {UsageFault::EntryOption, "option upper text"},
        {UsageFault::SharedWithoutNames, ""},
        {UsageFault::PatchOutputName, ""},
        {UsageFault::NoOutputOption, ""},
        {UsageFault::MergeToStandardOutput, ""},
    };
    QHash<QString, qsizetype> wordedBy;
    for (qsizetype k = 0; k < qsizetype(std::size(faults)); ++k) {
        Outcome o = facts;
        o.fault = faults[k].first;
        const QString text = ImageErrorText(o);
        const QString where = QStringLiteral("fault %1 of the table: \"%2\"").arg(k).arg(text);
        QVERIFY2(!text.isEmpty(), qPrintable(where));
        for (const QString& fact :
             QString::fromLatin1(faults[k].second).split(u' ', Qt::SkipEmptyParts))
            QVERIFY2(text.contains(shown.value(QString(fact).replace(u'_', u' '), u"?"_s)),
                     qPrintable(fact + QStringLiteral(" missing from ") + where));
        QVERIFY2(
            !wordedBy.contains(text),
            qPrintable(where + QStringLiteral(" also words fault %1").arg(wordedBy.value(text))));
        wordedBy.insert(text, k);
    }
}

QTEST_GUILESS_MAIN(tst_Wording)
#include "tst_wording.moc"
