#include "wording/clitext.h"

#include "rom/names.h"
#include "rom/nativepath.h"
#include "wording/translation.h"
#include "wording/wording.h"

#include <QJsonParseError>

namespace {

QString bytesText(qint64 count) {
    return CliWording::tr("%n byte(s)", nullptr, int(count));
}

// The parser's own words for its errors.
QString jsonSyntaxText(int error) {
    switch (QJsonParseError::ParseError(error)) {
    case QJsonParseError::NoError:
        return CliWording::tr("no error occurred");
    case QJsonParseError::UnterminatedObject:
        return CliWording::tr("unterminated object");
    case QJsonParseError::MissingNameSeparator:
        return CliWording::tr("missing name separator");
    case QJsonParseError::UnterminatedArray:
        return CliWording::tr("unterminated array");
    case QJsonParseError::MissingValueSeparator:
        return CliWording::tr("missing value separator");
    case QJsonParseError::IllegalValue:
        return CliWording::tr("illegal value");
    case QJsonParseError::TerminationByNumber:
        return CliWording::tr("invalid termination by number");
    case QJsonParseError::IllegalNumber:
        return CliWording::tr("illegal number");
    case QJsonParseError::IllegalEscapeSequence:
        return CliWording::tr("invalid escape sequence");
    case QJsonParseError::IllegalUTF8String:
        return CliWording::tr("invalid UTF8 string");
    case QJsonParseError::UnterminatedString:
        return CliWording::tr("unterminated string");
    case QJsonParseError::MissingObject:
        return CliWording::tr("object is missing after a comma");
    case QJsonParseError::DeepNesting:
        return CliWording::tr("too deeply nested document");
    case QJsonParseError::DocumentTooLarge:
        return CliWording::tr("too large document");
    case QJsonParseError::GarbageAtEnd:
        return CliWording::tr("garbage at the end of the document");
    }
    return CliWording::tr("unknown error");
}

QString checksumText(quint32 crc) {
    return QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0'));
}

// "done", "rolled back" or "pending", as the line of a record shows what became of it.
QString madeByText(const HistoryRecord& r, const RecordStatus& status) {
    const QString name = MadeByName(r.madeBy);
    const QString made =
        r.madeBy == MadeBy::Undo ? CliWording::tr("%1 of %2").arg(name).arg(r.undoes) : name;
    switch (r.state) {
    case HistoryState::Left:
        return CliWording::tr("%1 (pending: the image held other bytes)").arg(made);
    case HistoryState::RolledBack:
        return CliWording::tr("%1 (rolled back)").arg(made);
    case HistoryState::Pending:
        return CliWording::tr("%1 (pending)").arg(made);
    case HistoryState::Done:
        break;
    }
    return status.undoneBy != 0 ? CliWording::tr("%1 (undone by %2)").arg(made).arg(status.undoneBy)
                                : made;
}

} // namespace

QString CommandLineText(const Outcome& o) {
    const QString file = NativePath(o.file);
    switch (o.fault) {
    // Table files: the reason behind "FILE:LINE:COLUMN: ".
    case Fault::CsvStrayQuote:
        return CliWording::tr("a quote inside a field that does not start with one; quote the "
                              "whole field and double the quote");
    case Fault::CsvQuoteOpen:
        return CliWording::tr("this quoted field is not closed");
    case Fault::CsvAfterQuote:
        return CliWording::tr("only a comma or the end of the line may follow a closing quote");
    case Fault::TableFileEmpty:
        return CliWording::tr("the file is empty");
    case Fault::NoColumnNames:
        return CliWording::tr("the first line must name the columns: %1 or %2")
            .arg(o.choices.value(0), o.choices.value(1));
    case Fault::UnknownColumn:
        return CliWording::tr("\"%1\" is no column of the %2 table").arg(o.text, o.table);
    case Fault::ColumnNamedTwice:
        return CliWording::tr("the column %1 is named twice").arg(o.field);
    case Fault::ColumnMissing:
        return CliWording::tr("the column %1 is missing").arg(o.field);
    case Fault::CellCount:
        return CliWording::tr("this line has %1 cells, but %2 columns are named")
            .arg(o.count)
            .arg(o.expected);
    case Fault::JsonSyntax:
        return jsonSyntaxText(o.jsonError);
    case Fault::JsonKeyTwice:
        return CliWording::tr("the key \"%1\" is given twice").arg(o.text);
    case Fault::JsonNoTable:
        return CliWording::tr("\"table\" must be \"items\" or \"enemies\"");
    case Fault::JsonNoEntries:
        return CliWording::tr("\"entries\" must be a list of objects");
    case Fault::JsonEntryNotObject:
        return CliWording::tr("each entry must be an object");
    case Fault::JsonCellTwice:
        return CliWording::tr("the %1 is given twice").arg(o.field);
    case Fault::JsonCellType:
        return CliWording::tr("the %1 must be a number or a text").arg(o.field);

    // Patches.
    case Fault::IpsTooLong:
        return CliWording::tr("%1: IPS offsets have 3 bytes, so the modified file may have at most "
                              "16 MiB; use a BPS patch")
            .arg(file);
    case Fault::IpsCannotCut:
        return CliWording::tr("%1: the modified file is shorter than the original and 16 MiB or "
                              "longer, a length that an IPS patch cannot cut the file to; use a "
                              "BPS patch")
            .arg(file);
    case Fault::NotIps:
        return CliWording::tr("%1: not an IPS patch: it does not start with \"PATCH\". Nothing was "
                              "written.")
            .arg(file);
    case Fault::IpsCutBeforeEnd:
        return CliWording::tr("%1: the patch is cut short before its end marker \"EOF\" (at byte "
                              "%2 of %3). Nothing was written.")
            .arg(file)
            .arg(o.offset)
            .arg(o.length);
    case Fault::IpsCutInHeader:
        return CliWording::tr("%1: the patch is cut short inside a record header (at byte %2 of "
                              "%3). Nothing was written.")
            .arg(file)
            .arg(o.offset)
            .arg(o.length);
    case Fault::IpsCutInData:
        return CliWording::tr("%1: the patch is cut short inside a record's data (at byte %2 of "
                              "%3). Nothing was written.")
            .arg(file)
            .arg(o.offset)
            .arg(o.length);
    case Fault::IpsCutInRun:
        return CliWording::tr("%1: the patch is cut short inside a run record (at byte %2 of %3). "
                              "Nothing was written.")
            .arg(file)
            .arg(o.offset)
            .arg(o.length);
    case Fault::IpsTrailingBytes:
        return CliWording::tr("%1: the patch carries %2 unexpected bytes after its end marker. "
                              "Nothing was written.")
            .arg(file)
            .arg(o.count);
    case Fault::NotBps:
        return CliWording::tr("%1: not a BPS patch: it does not start with \"BPS1\". Nothing was "
                              "written.")
            .arg(file);
    case Fault::BpsChecksum:
        return CliWording::tr("%1: the patch is damaged or cut short: its own checksum does not "
                              "match. Nothing was written.")
            .arg(file);
    case Fault::BpsHeader:
        return CliWording::tr("%1: the patch's header is damaged. Nothing was written.").arg(file);
    case Fault::BpsTooLarge:
        return CliWording::tr("%1: the patch names a result of %2 bytes; at most %3 are taken. "
                              "Nothing was written.")
            .arg(file)
            .arg(o.expected)
            .arg(o.limit);
    case Fault::BpsOtherSource:
        return CliWording::tr("%1: the patch was made for another file: it expects %2 bytes with "
                              "checksum %3, the file has %4 bytes with checksum %5. Nothing was "
                              "written.")
            .arg(file, QString::number(o.expected), checksumText(o.expectedChecksum),
                 QString::number(o.otherLength), checksumText(o.checksum));
    case Fault::BpsActionOutside:
        return CliWording::tr("%1: the patch is damaged: an action at byte %2 reaches outside the "
                              "files. Nothing was written.")
            .arg(file)
            .arg(o.built);
    case Fault::BpsActionsShort:
        return CliWording::tr("%1: the patch is damaged: its actions build %2 of the %3 bytes it "
                              "names. Nothing was written.")
            .arg(file)
            .arg(o.built)
            .arg(o.expected);
    case Fault::BpsTargetChecksum:
        return CliWording::tr("%1: the result does not match the patch's target checksum. Nothing "
                              "was written.")
            .arg(file);
    case Fault::NotAPatch:
        return CliWording::tr("%1: not an IPS or BPS patch. Nothing was written.").arg(file);

    // The command line's files.
    case Fault::FileNotRead:
        return CliWording::tr("cannot read %1: %2").arg(file, ReasonText(o.cause.value(0)));
    case Fault::FileTooLarge:
        return CliWording::tr("cannot read %1: it is %2 bytes long, more than the %3 bytes (%4 "
                              "MiB) such a file may have")
            .arg(file, QString::number(o.length), QString::number(o.limit),
                 QString::number(o.limit >> 20));
    case Fault::ImageNotOpened:
        return CliWording::tr("cannot open %1: %2").arg(file, ReasonText(o.cause.value(0)));
    case Fault::OutputIsInput:
        return CliWording::tr("cannot write %1: it is the file %2 that this command reads")
            .arg(file, NativePath(o.other));
    case Fault::OutputIsHistory:
        return o.other.isEmpty()
                   ? CliWording::tr("cannot write %1: it is a history of saves, which only the "
                                    "saves themselves write")
                         .arg(file)
                   : CliWording::tr("cannot write %1: it is the history of the saves of %2, which "
                                    "only those saves write")
                         .arg(file, NativePath(o.other));
    case Fault::OutputIsBackup:
        return CliWording::tr("cannot write %1: it is the backup of %2, which only the saves of "
                              "%2 replace")
            .arg(file, NativePath(o.other));
    case Fault::StandardOutputLost:
        return o.reason.isEmpty()
                   ? CliWording::tr("cannot write to the standard output: the stream failed")
                   : CliWording::tr("cannot write to the standard output: %1").arg(o.reason);
    case Fault::NodeNotWritten:
        return CliWording::tr("cannot write %1: %2").arg(file, o.reason);
    case Fault::HistoryDamaged:
        return CliWording::tr("%1: %2 damaged bytes were skipped; the records around them are "
                              "listed")
            .arg(file)
            .arg(o.count);
    case Fault::RecordPastEnd:
        return CliWording::tr("%1: record %2 reaches past the end of the image, so it belongs to "
                              "another image or the image was cut short since; its bytes are "
                              "left out of the original")
            .arg(file)
            .arg(o.record);

    // The command line's arguments.
    case Fault::NoCommand:
        return CliWording::tr("no command given");
    case Fault::UnknownCommand:
        return CliWording::tr("unknown command \"%1\"").arg(o.text);
    case Fault::ArgumentsRefused:
        return o.reason;
    case Fault::ArgumentNotText:
        return CliWording::tr("the argument \"%1\" is not text in this system's encoding, so no "
                              "file can be named by it exactly; rename the file, or run under a "
                              "locale whose encoding its name is in")
            .arg(o.text);
    case Fault::FileNameCount:
        return CliWording::tr("wrong number of file names.\n%1").arg(o.text);
    case Fault::TableOption:
        return CliWording::tr("--table takes items or enemies, not \"%1\"").arg(o.text);
    case Fault::ExportFormatOption:
        return CliWording::tr("--format takes csv or json, not \"%1\"").arg(o.text);
    case Fault::ChangesFormatOption:
        return CliWording::tr("--format takes text, csv, json or markdown, not \"%1\"").arg(o.text);
    case Fault::PreferOption:
        return CliWording::tr("--prefer takes ours or theirs, not \"%1\"").arg(o.text);
    case Fault::SaveOption:
        return CliWording::tr("--save takes a save's number, not \"%1\"").arg(o.text);
    case Fault::NoEntryOption:
        return CliWording::tr("give one entry: --item N or --enemy N");
    case Fault::EntryOption:
        return CliWording::tr("%1 takes a whole number from 0 to %2, not \"%3\"")
            .arg(o.option, QString::number(o.upper), o.text);
    case Fault::SharedWithoutNames:
        return CliWording::tr("--shared goes with --names");
    case Fault::PatchOutputName:
        return CliWording::tr("-o must name a file ending in .ips or .bps");
    case Fault::NoOutputOption:
        return CliWording::tr("-o OUT names the file to write");
    case Fault::MergeToStandardOutput:
        return CliWording::tr("merge writes its image to a file: give -o OUT");

    // Worded by the rest of wording/.
    case Fault::None:
    case Fault::SystemCall:
    case Fault::BeforeStart:
    case Fault::OpenForReading:
    case Fault::OffsetTooLarge:
    case Fault::WordTooLarge:
    case Fault::PointerBeforeStart:
    case Fault::NameTooLong:
    case Fault::BitStringTooLarge:
    case Fault::NotAFile:
    case Fault::BackupNotMade:
    case Fault::ReadOnly:
    case Fault::Replaced:
    case Fault::Gone:
    case Fault::ShortFile:
    case Fault::ChangedOnDisk:
    case Fault::NoSuchEntry:
    case Fault::BadValue:
    case Fault::Locked:
    case Fault::NamePointerNoOffset:
    case Fault::NameRunsOn:
    case Fault::NamePastEnd:
    case Fault::NameCharacter:
    case Fault::NameLonger:
    case Fault::NameIntoRecord:
    case Fault::RepeatedEntry:
    case Fault::NoSuchItem:
    case Fault::NameNotWritten:
    case Fault::SharedName:
    case Fault::NameWouldRead:
    case Fault::WrittenInPart:
    case Fault::NotSynced:
    case Fault::HistoryNotWritten:
    case Fault::HistoryUnreadable:
    case Fault::UndoOverwritten:
    case Fault::NoSuchRecord:
    case Fault::RecordNotDone:
    case Fault::RecordTakenBack:
    case Fault::NoOriginal:
    case Fault::SizesDiffer:
    case Fault::NotAnImage:
    case Fault::MergeConflicts:
    case Fault::OutputNotWritten:
        break;
    }
    return {};
}

QString UsageErrorText(const Outcome& o) {
    return CliWording::tr("%1\nRun 'tolvane-cli --help' for usage.").arg(ImageErrorText(o));
}

QString AboutFileText(const QString& file, const QString& message) {
    return QStringLiteral("%1: %2").arg(NativePath(file), message);
}

QStringList HistoryLines(const HistoryRecord& record, const RecordStatus& status,
                         const QStringList& changes) {
    const QString head =
        QStringLiteral("%1  %2  %3")
            .arg(QString::number(record.number), RecordTime(record), madeByText(record, status));
    if (changes.isEmpty())
        return {CliWording::tr("%1  (no changes)").arg(head)};
    QStringList lines;
    for (const QString& change : changes)
        lines << QStringLiteral("%1  %2").arg(head, change);
    return lines;
}

QString NoSavesText() {
    return CliWording::tr("No saves are recorded.");
}

QString UndoneText(quint32 record, qint64 bytes, bool dryRun) {
    if (dryRun)
        return CliWording::tr("Save %1 would be undone; %2 would be written %3.")
            .arg(QString::number(record), bytesText(bytes), DryRunText());
    return CliWording::tr("Save %1 undone; %2 written.")
        .arg(QString::number(record), bytesText(bytes));
}

QString ImportedText(qint64 entries, qint64 fields, qint64 bytes, bool dryRun) {
    const QString entriesText = CliWording::tr("%n entry(s)", nullptr, int(entries));
    const QString fieldsText = CliWording::tr("%n field(s)", nullptr, int(fields));
    if (dryRun)
        return CliWording::tr("%1, %2 changed; %3 would be written %4.")
            .arg(entriesText, fieldsText, bytesText(bytes), DryRunText());
    return CliWording::tr("%1, %2 changed; %3 written.")
        .arg(entriesText, fieldsText, bytesText(bytes));
}

QString NothingToImportText() {
    return CliWording::tr("No changes: the image already holds every row.");
}

QString SameTablesText() {
    return CliWording::tr("Every field of both tables is the same.");
}

QString ChangedBytesText(qint64 inside, qint64 outside) {
    return CliWording::tr("Changed bytes: %1 inside the tables, %2 outside them.")
        .arg(inside)
        .arg(outside);
}

QString RenameLine(const QString& entry, const QString& before, const QString& after) {
    // One arg() call for all: a name may itself hold "%1".
    return CliWording::tr("%1: \"%2\" -> \"%3\"")
        .arg(entry, TerminalName(before), TerminalName(after));
}

QString SharedTextLine(const QString& entry, const QString& before, const QString& after) {
    return CliWording::tr("  shares the text: %1 \"%2\" -> \"%3\"")
        .arg(entry, TerminalName(before), TerminalName(after));
}

QString SharedRefusedText(const QString& entry, const QString& file, qint64 others) {
    return RenameRefusedText(
        entry, file,
        CliWording::tr("its name text is shared with %n other entry(s) listed below; give --shared "
                       "to change them too",
                       nullptr, int(others)));
}

QString RenamedText(const QStringList& entries, const QString& after, qint64 bytes, bool dryRun) {
    const QString shown = entries.join(QStringLiteral(", "));
    if (dryRun)
        return CliWording::tr("%1 would show \"%2\"; %3 would change %4.")
            .arg(shown, TerminalName(after), bytesText(bytes), DryRunText());
    return (entries.size() == 1 ? CliWording::tr("%1 now shows \"%2\"; %3 changed.")
                                : CliWording::tr("%1 now show \"%2\"; %3 changed."))
        .arg(shown, TerminalName(after), bytesText(bytes));
}

QString SizeText(qint64 bytes) {
    return CliWording::tr("%1 bytes").arg(bytes);
}

QString RomSizeText(qint64 bytes, int bankKiB) {
    const qint64 bank = bankKiB * 1024;
    if (bytes % bank != 0)
        return SizeText(bytes);
    return CliWording::tr("%1 x %2 KiB (%3 bytes)").arg(bytes / bank).arg(bankKiB).arg(bytes);
}

QString DeclaredSizeText(qint64 declared, qint64 size) {
    if (declared == size)
        return CliWording::tr("%1 bytes, as the file holds").arg(declared);
    return (declared > size ? CliWording::tr("%1 bytes, %2 more than the file holds")
                            : CliWording::tr("%1 bytes, %2 fewer than the file holds"))
        .arg(declared)
        .arg(qAbs(declared - size));
}

QString TableFactsText(const TableFacts& facts) {
    return CliWording::tr("%1 of %2 entries inside the file, %3 name pointers into it, %4 "
                          "printable names")
        .arg(facts.entriesInside)
        .arg(facts.entries)
        .arg(facts.pointersInside)
        .arg(facts.printableNames);
}

QString LookRightText(const QString& whyNot) {
    return whyNot.isEmpty() ? CliWording::tr("yes") : CliWording::tr("no (%1)").arg(whyNot);
}

QString NoTableToExportText(const QString& file, Table table, const TableFacts& facts) {
    // The verdict is merge's and info's, so each command names the same fault in the same words.
    return CliWording::tr("%1 does not hold the tables as the editors read them (%2), so it has "
                          "no table to export. Nothing was written.")
        .arg(NativePath(file), TablesVerdictText({{table, facts}}));
}
