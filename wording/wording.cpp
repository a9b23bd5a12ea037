#include "wording/wording.h"

#include "fields/numbertext.h"
#include "rom/names.h"
#include "rom/nativepath.h"
#include "tables/historyview.h"
#include "tables/recovery.h"
#include "wording/catalogues.h"
#include "wording/changestext.h"
#include "wording/clitext.h"
#include "wording/translation.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <functional>

// Every program that words anything, tests included, speaks its user's language from the start.
Q_COREAPP_STARTUP_FUNCTION(InstallCatalogues)

namespace {

// How messages word a call: a call of the image by its two sentences, for a reason the system
// gave and for a position before the start of the file; a primitive by its own name, with which
// its messages begin.
struct CallWords {
    const char* failed = nullptr;
    const char* beforeStart = nullptr;
    const char* primitive = nullptr;
};

CallWords callWords(Operation operation) {
    switch (operation) {
    case Operation::Read:
        return {QT_TRANSLATE_NOOP("Wording", "Cannot read %1 at offset %2:\n%3."),
                QT_TRANSLATE_NOOP("Wording", "Cannot read %1 at offset -%2: the position lies "
                                             "before the start of the file.")};
    case Operation::Write:
        return {QT_TRANSLATE_NOOP("Wording", "Cannot write to %1 at offset %2:\n%3."),
                QT_TRANSLATE_NOOP("Wording", "Cannot write to %1 at offset -%2: the position lies "
                                             "before the start of the file.")};
    case Operation::Sync:
        return {QT_TRANSLATE_NOOP("Wording", "Cannot sync %1 at offset %2:\n%3."),
                QT_TRANSLATE_NOOP("Wording", "Cannot sync %1 at offset -%2: the position lies "
                                             "before the start of the file.")};
    case Operation::Size:
        return {QT_TRANSLATE_NOOP("Wording", "Cannot find the size of %1 at offset %2:\n%3."),
                QT_TRANSLATE_NOOP("Wording", "Cannot find the size of %1 at offset -%2: the "
                                             "position lies before the start of the file.")};
    case Operation::ReadByte:
        return {.primitive = "Read byte"};
    case Operation::ReadWord:
        return {.primitive = "Read word"};
    case Operation::WriteByte:
        return {.primitive = "Write byte"};
    case Operation::WriteWord:
        return {.primitive = "Write word"};
    }
    return {};
}

QString primitiveName(Operation operation) {
    return QLatin1String(callWords(operation).primitive);
}

// "Cannot read FILE at offset 0x10:\nREASON."
QString failedCall(const Outcome& o, const QString& reason) {
    const CallWords words = callWords(o.operation);
    if (words.failed)
        return Wording::tr(words.failed).arg(NativePath(o.file), HexOffset(o.offset), reason);
    return Wording::tr("Cannot %1 %2 at offset %3:\n%4.")
        .arg(QLatin1String(words.primitive), NativePath(o.file), HexOffset(o.offset), reason);
}

// "Cannot read FILE at offset -0x10: the position lies before the start of the file."
QString beforeStart(const Outcome& o) {
    const CallWords words = callWords(o.operation);
    const QString offset = HexOffset(-o.offset);
    if (words.beforeStart)
        return Wording::tr(words.beforeStart).arg(NativePath(o.file), offset);
    return Wording::tr("%1 at offset -%2: the position lies before the start of the file.")
        .arg(QLatin1String(words.primitive), offset);
}

// "item 5", or "the name of item 5" for its name text.
QString partName(const QString& entry, bool name) {
    return name ? Wording::tr("the name of %1").arg(entry) : entry;
}

QString partName(const Outcome& o) {
    return partName(o.entry, o.name);
}

QString joined(const QStringList& list) {
    return list.join(Wording::tr(", ", "between the parts of a list"));
}

// "a", "a and b", "a, b and c": a list inside a sentence.
QString listed(const QStringList& list) {
    if (list.size() < 2)
        return list.value(0);
    return Wording::tr("%1 and %2", "the last two parts of a list")
        .arg(joined(list.mid(0, list.size() - 1)), list.back());
}

// A refused save's sentence, `text`, given the entry as %1 and the file as %2.
QString cannotSave(const Outcome& o, const QString& text) {
    return text.arg(partName(o), NativePath(o.file));
}

// Of a failed transaction whose old bytes could not all go back: what is in the file and what
// is not, each as `label` names it.
void splitLanded(const QList<Landed>& landed, const std::function<QString(const Landed&)>& label,
                 QStringList* written, QStringList* notWritten) {
    for (const Landed& l : landed) {
        const QString name = label(l);
        if (l.bytes == l.of && l.of > 0)
            *written << name;
        else if (l.bytes == 0)
            *notWritten << name;
        else {
            *written << Wording::tr("part of %1").arg(name);
            *notWritten << Wording::tr("the rest of %1").arg(name);
        }
    }
}

// Which function's form a fault's words take: every fault of the image layer is a sentence of
// its own, a save's names the entry, and the reasons of a name, a table file's row or an undo are
// clauses that their command's sentence holds.
enum class Family { None, Image, Save, Name, Row, Undo, Compare, CommandLine };

Family familyOf(Fault fault) {
    switch (fault) {
    case Fault::None:
        return Family::None;
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
        return Family::Image;
    case Fault::ReadOnly:
    case Fault::Replaced:
    case Fault::Gone:
    case Fault::ShortFile:
    case Fault::ChangedOnDisk:
    case Fault::NoSuchEntry:
    case Fault::BadValue:
    case Fault::Locked:
    case Fault::WrittenInPart:
    case Fault::NotSynced:
    case Fault::HistoryNotWritten:
    case Fault::HistoryUnreadable:
        return Family::Save;
    case Fault::NamePointerNoOffset:
    case Fault::NameRunsOn:
    case Fault::NamePastEnd:
    case Fault::NameCharacter:
    case Fault::NameLonger:
    case Fault::NameIntoRecord:
        return Family::Name;
    case Fault::RepeatedEntry:
    case Fault::NoSuchItem:
    case Fault::NameNotWritten:
    case Fault::SharedName:
    case Fault::NameWouldRead:
        return Family::Row;
    case Fault::UndoOverwritten:
    case Fault::NoSuchRecord:
    case Fault::RecordNotDone:
    case Fault::RecordTakenBack:
        return Family::Undo;
    case Fault::NoOriginal:
    case Fault::SizesDiffer:
    case Fault::NotAnImage:
    case Fault::MergeConflicts:
    case Fault::OutputNotWritten:
        return Family::Compare;
    case Fault::CsvStrayQuote:
    case Fault::CsvQuoteOpen:
    case Fault::CsvAfterQuote:
    case Fault::TableFileEmpty:
    case Fault::NoColumnNames:
    case Fault::UnknownColumn:
    case Fault::ColumnNamedTwice:
    case Fault::ColumnMissing:
    case Fault::CellCount:
    case Fault::JsonSyntax:
    case Fault::JsonKeyTwice:
    case Fault::JsonNoTable:
    case Fault::JsonNoEntries:
    case Fault::JsonEntryNotObject:
    case Fault::JsonCellTwice:
    case Fault::JsonCellType:
    case Fault::IpsTooLong:
    case Fault::IpsCannotCut:
    case Fault::NotIps:
    case Fault::IpsCutBeforeEnd:
    case Fault::IpsCutInHeader:
    case Fault::IpsCutInData:
    case Fault::IpsCutInRun:
    case Fault::IpsTrailingBytes:
    case Fault::NotBps:
    case Fault::BpsChecksum:
    case Fault::BpsHeader:
    case Fault::BpsTooLarge:
    case Fault::BpsOtherSource:
    case Fault::BpsActionOutside:
    case Fault::BpsActionsShort:
    case Fault::BpsTargetChecksum:
    case Fault::NotAPatch:
    case Fault::FileNotRead:
    case Fault::FileTooLarge:
    case Fault::ImageNotOpened:
    case Fault::OutputIsInput:
    case Fault::OutputIsHistory:
    case Fault::OutputIsBackup:
    case Fault::StandardOutputLost:
    case Fault::NodeNotWritten:
    case Fault::HistoryDamaged:
    case Fault::RecordPastEnd:
    case Fault::NoCommand:
    case Fault::UnknownCommand:
    case Fault::ArgumentsRefused:
    case Fault::ArgumentNotText:
    case Fault::FileNameCount:
    case Fault::TableOption:
    case Fault::ExportFormatOption:
    case Fault::ChangesFormatOption:
    case Fault::PreferOption:
    case Fault::SaveOption:
    case Fault::NoEntryOption:
    case Fault::EntryOption:
    case Fault::SharedWithoutNames:
    case Fault::PatchOutputName:
    case Fault::NoOutputOption:
    case Fault::MergeToStandardOutput:
        return Family::CommandLine;
    }
    return Family::None;
}

// "cannot undo in FILE: WHY. Nothing was written."
QString undoRefused(const Outcome& o, const QString& why) {
    return NothingWrittenAfter(Wording::tr("cannot undo in %1: %2").arg(NativePath(o.file), why));
}

// The parts an undo finds changed since: "the hp and the speed of enemy 12, and item 3".
QString overwrittenParts(const Outcome& o) {
    QStringList parts;
    for (qsizetype k = 0; k < o.landed.size();) {
        const QString& entry = o.landed[k].entry;
        QStringList fields;
        for (; k < o.landed.size() && o.landed[k].entry == entry; ++k)
            if (!o.landed[k].field.isEmpty())
                fields << Wording::tr("the %1", "a field of an entry").arg(o.landed[k].field);
        parts << (fields.isEmpty() ? entry : Wording::tr("%1 of %2").arg(listed(fields), entry));
    }
    return listed(parts);
}

// The save whose parts failed to write, and what of it is in the file.
QString savedInPart(const Outcome& o) {
    QStringList written, notWritten;
    splitLanded(
        o.landed, [](const Landed& l) { return l.field; }, &written, &notWritten);
    const QString done =
        written.isEmpty()
            ? Wording::tr("Nothing was written.")
            : Wording::tr("Already written, and kept in the file: %1.").arg(joined(written));
    return Wording::tr("Saving %1 stopped at the %2.\n%3\n%4\nNot written: %5.")
        .arg(partName(o), o.field, ImageErrorText(o.cause.value(0)), done, joined(notWritten));
}

QString backupNotMade(const Outcome& o) {
    const QString reason =
        o.replaced ? Wording::tr("another program replaced, moved or deleted the image while "
                                 "its backup was made")
        : o.error  ? SystemText(o.error)
                   : NodeText(o.node);
    return Wording::tr("Cannot make the backup %1 of %2:\n%3.")
        .arg(NativePath(o.other), NativePath(o.file), reason);
}

} // namespace

QString SaveText(const Outcome& o) {
    if (familyOf(o.fault) == Family::Save)
        return ImageErrorText(o);
    // Another layer's words are a sentence of their own: the save only says whose it was.
    return Wording::tr("Cannot save %1.\n%2\nNothing was written.")
        .arg(partName(o), ImageErrorText(o));
}

QString SystemText(int error) {
    const QString text = SystemReason(error);
    if (!text.isEmpty())
        return text;
    // Older systems have no text for the code that says a path is a folder.
    return error == FolderError() ? NodeText(NodeKind::Folder)
                                  : Wording::tr("system error %1").arg(error);
}

QString NodeText(NodeKind node) {
    switch (node) {
    case NodeKind::Fifo:
        return Wording::tr("it is a FIFO (a named pipe), not a file");
    case NodeKind::Socket:
        return Wording::tr("it is a socket, not a file");
    case NodeKind::Device:
        return Wording::tr("it is a device, not a file");
    case NodeKind::Pipe:
        return Wording::tr("it is a pipe, not a file");
    case NodeKind::Folder:
        return Wording::tr("it is a directory, not a file");
    case NodeKind::Link:
        return Wording::tr("it is a link, which is never written through");
    case NodeKind::Other:
        break;
    }
#ifdef Q_OS_WIN
    return Wording::tr("it is not a disk file");
#else
    return Wording::tr("it is not a regular file");
#endif
}

QString ReasonText(const Outcome& o) {
    return o.fault == Fault::NotAFile ? NodeText(o.node) : SystemText(o.error);
}

QString ImageErrorText(const Outcome& o) {
    const QString file = NativePath(o.file);
    const QString pointer = HexDigits(o.pointer);
    switch (o.fault) {
    case Fault::None:
        return {};
    case Fault::SystemCall:
        return failedCall(o, SystemText(o.error));
    case Fault::BeforeStart:
        return beforeStart(o);
    case Fault::OpenForReading:
        return Wording::tr("Cannot write to %1 at offset %2:\nthe file is open for reading only.")
            .arg(file, HexOffset(o.offset));
    case Fault::OffsetTooLarge:
        return Wording::tr("%1 at offset %2: overflow, the offset is too large.")
            .arg(primitiveName(o.operation), HexOffset(o.offset));
    case Fault::WordTooLarge:
        return Wording::tr("Write word at offset %1: overflow, %2 does not fit in 16 bits.")
            .arg(HexOffset(o.offset))
            .arg(o.word);
    case Fault::PointerBeforeStart:
        return Wording::tr("Name pointer %1 lies before the start of the file.").arg(pointer);
    case Fault::NameTooLong:
        return Wording::tr("Name at pointer %1: overflow, more than %2 characters.")
            .arg(pointer)
            .arg(MaxNameLength);
    case Fault::BitStringTooLarge:
        return Wording::tr("Bit string \"%1\": overflow, the value does not fit in 32 bits.")
            .arg(o.text.left(40));
    case Fault::BackupNotMade:
        return backupNotMade(o);
    case Fault::NotAFile:
        return NodeText(o.node);

    case Fault::ReadOnly:
        return cannotSave(o, Wording::tr("Cannot save %1 to %2:\nthe file is open for reading "
                                         "only. Nothing was written."));
    case Fault::Replaced:
        return cannotSave(o, Wording::tr("Cannot save %1 to %2:\nthe image was replaced on disk by "
                                         "another program after this entry was shown. Nothing "
                                         "was written."));
    case Fault::Gone:
        return cannotSave(o, Wording::tr("Cannot save %1 to %2:\nthe image was deleted or moved "
                                         "away after it was opened. Nothing was written, and no "
                                         "file was made in its place."));
    case Fault::ShortFile:
        return Wording::tr("Cannot save %1 to %2:\nthe entry lies at offsets %3 to %4, but the "
                           "file is only %5 bytes long. Nothing was written.")
            .arg(partName(o), NativePath(o.file), HexOffset(o.first), HexOffset(o.last),
                 QString::number(o.length));
    case Fault::ChangedOnDisk:
        return cannotSave(o, Wording::tr("Cannot save %1 to %2:\nanother program changed %1 in the "
                                         "file after it was shown. Nothing was written; %1 is "
                                         "shown again as the file now holds it."));
    case Fault::Locked:
        return Wording::tr("Cannot save %1 to %2:\nanother Tolvane program kept writing to the "
                           "image for more than %3 seconds. Nothing was written.")
            .arg(partName(o), NativePath(o.file), QString::number(WriterWaitMs / 1000));
    case Fault::BadValue:
        return Wording::tr("Cannot save %1: %2. Nothing was written.")
            .arg(partName(o), ValueText(o));
    case Fault::NoSuchEntry:
        return Wording::tr("Cannot save: there is no %1.").arg(o.entry);
    case Fault::WrittenInPart:
        return savedInPart(o);
    case Fault::NotSynced:
        return Wording::tr("Saving %1: every field was written, but %2")
            .arg(partName(o), ImageErrorText(o.cause.value(0)));
    case Fault::HistoryNotWritten:
    case Fault::HistoryUnreadable:
        return Wording::tr("Cannot save %1 to %2:\n%3. Nothing was written.")
            .arg(partName(o), NativePath(o.file), HistoryReasonText(o));

    case Fault::NamePointerNoOffset:
        return Wording::tr("the name pointer %1 has no offset in the file: pointers below 7FF0 "
                           "lie before its start")
            .arg(pointer);
    case Fault::NameRunsOn:
        return Wording::tr("the name at pointer %1 runs on past %2 characters, the longest "
                           "name the readers accept")
            .arg(pointer, QString::number(MaxNameLength));
    case Fault::NamePastEnd:
        return Wording::tr("the name at pointer %1 (offset %2) runs past the end of the file, "
                           "which is %3 bytes long")
            .arg(pointer, HexOffset(o.offset), QString::number(o.length));
    case Fault::NameCharacter:
        return Wording::tr("the character \"%1\" (U+%2) at position %3 cannot be written: "
                           "name text holds only the codes 0x00 to 0x7F")
            .arg(TerminalName(o.text), HexDigits(o.text.toUcs4().value(0)).rightJustified(4, u'0'),
                 QString::number(o.position));
    case Fault::NameLonger:
        // One arg() call for all: a name may itself hold "%1".
        return Wording::tr("\"%1\" is %2 characters long, but the name it replaces at pointer "
                           "%3, \"%4\", is only %5: a new name may not be longer than the old "
                           "one")
            .arg(TerminalName(o.text), QString::number(o.text.toUcs4().size()), pointer,
                 TerminalName(o.otherName), QString::number(o.otherName.size()));
    case Fault::NameIntoRecord:
        return Wording::tr("the name at pointer %1 (offset %2) is no name text: writing "
                           "\"%3\" would overwrite %4's record at %5")
            .arg(pointer, HexOffset(o.offset), TerminalName(o.text), o.field, HexOffset(o.first));

    case Fault::RepeatedEntry:
        return Wording::tr("%1 is already given on line %2").arg(o.entry).arg(o.line);
    case Fault::NoSuchItem:
        return Wording::tr("there is no item %1; items run from 0 to %2").arg(o.text).arg(o.upper);
    case Fault::NameNotWritten:
        return Wording::tr("the name of %1 is not written; give --names to write it").arg(o.entry);
    case Fault::SharedName:
        return Wording::tr("the name text of %1 is shared: writing \"%2\" would also change "
                           "%3; give --shared to allow it")
            .arg(o.entry, TerminalName(o.text), SharedNamesText(o.names));
    case Fault::NameWouldRead:
        return Wording::tr("the name of %1 would read \"%2\" once the other names of this "
                           "file are written, not \"%3\"")
            .arg(o.entry, TerminalName(o.otherName), TerminalName(o.text));

    case Fault::UndoOverwritten:
        return undoRefused(
            o, (o.landed.size() == 1
                    ? Wording::tr("%1 no longer holds what record %2 wrote: a later save or "
                                  "another program changed it")
                    : Wording::tr("%1 no longer hold what record %2 wrote: a later save or "
                                  "another program changed them"))
                   .arg(overwrittenParts(o))
                   .arg(o.record));
    case Fault::NoSuchRecord:
        return undoRefused(o, o.record == 0
                                  ? Wording::tr("its history holds no save left to undo")
                                  : Wording::tr("its history has no record %1").arg(o.record));
    case Fault::RecordNotDone:
        return undoRefused(
            o, Wording::tr("record %1 never went in whole, so there is nothing of it to undo")
                   .arg(o.record));
    case Fault::RecordTakenBack:
        return undoRefused(o, Wording::tr("save %1 no longer stands: undo %2 took it back")
                                  .arg(o.record)
                                  .arg(o.undoneBy));

    case Fault::NoOriginal:
        return NoOriginalText(o);
    case Fault::SizesDiffer:
        return SizesDifferText(o);
    case Fault::NotAnImage:
        return NotAnImageText(o, {});
    case Fault::MergeConflicts:
        return MergeConflictsText(o);
    case Fault::OutputNotWritten:
        return OutputNotWrittenText(o);

    case Fault::CsvStrayQuote:
    case Fault::CsvQuoteOpen:
    case Fault::CsvAfterQuote:
    case Fault::TableFileEmpty:
    case Fault::NoColumnNames:
    case Fault::UnknownColumn:
    case Fault::ColumnNamedTwice:
    case Fault::ColumnMissing:
    case Fault::CellCount:
    case Fault::JsonSyntax:
    case Fault::JsonKeyTwice:
    case Fault::JsonNoTable:
    case Fault::JsonNoEntries:
    case Fault::JsonEntryNotObject:
    case Fault::JsonCellTwice:
    case Fault::JsonCellType:
    case Fault::IpsTooLong:
    case Fault::IpsCannotCut:
    case Fault::NotIps:
    case Fault::IpsCutBeforeEnd:
    case Fault::IpsCutInHeader:
    case Fault::IpsCutInData:
    case Fault::IpsCutInRun:
    case Fault::IpsTrailingBytes:
    case Fault::NotBps:
    case Fault::BpsChecksum:
    case Fault::BpsHeader:
    case Fault::BpsTooLarge:
    case Fault::BpsOtherSource:
    case Fault::BpsActionOutside:
    case Fault::BpsActionsShort:
    case Fault::BpsTargetChecksum:
    case Fault::NotAPatch:
    case Fault::FileNotRead:
    case Fault::FileTooLarge:
    case Fault::ImageNotOpened:
    case Fault::OutputIsInput:
    case Fault::OutputIsHistory:
    case Fault::OutputIsBackup:
    case Fault::StandardOutputLost:
    case Fault::NodeNotWritten:
    case Fault::HistoryDamaged:
    case Fault::RecordPastEnd:
    case Fault::NoCommand:
    case Fault::UnknownCommand:
    case Fault::ArgumentsRefused:
    case Fault::ArgumentNotText:
    case Fault::FileNameCount:
    case Fault::TableOption:
    case Fault::ExportFormatOption:
    case Fault::ChangesFormatOption:
    case Fault::PreferOption:
    case Fault::SaveOption:
    case Fault::NoEntryOption:
    case Fault::EntryOption:
    case Fault::SharedWithoutNames:
    case Fault::PatchOutputName:
    case Fault::NoOutputOption:
    case Fault::MergeToStandardOutput:
        return CommandLineText(o);
    }
    return {};
}

QString SaveLine(const Outcome& o) {
    return SaveText(o).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QString ValueText(const Outcome& o) {
    switch (o.kind) {
    case ValueKind::Pointer:
        return Wording::tr("the pointer to the name \"%1\" is not a hexadecimal number from 0 "
                           "to FFFF")
            .arg(o.text);
    case ValueKind::CellPointer:
        return Wording::tr("the pointer \"%1\" is not one to four hexadecimal digits").arg(o.text);
    case ValueKind::Item:
        return ImageErrorText({.fault = Fault::NoSuchItem, .text = o.text, .upper = o.upper});
    case ValueKind::CellFlag:
    case ValueKind::Flag:
        return Wording::tr("the %1 flag \"%2\" is neither 0 nor 1").arg(o.field, o.text);
    case ValueKind::Index:
        return Wording::tr("the index \"%1\" is not a whole number from 0 to %2")
            .arg(o.text, QString::number(o.upper));
    case ValueKind::CellNumber:
        return Wording::tr("the %1 \"%2\" is not a whole number from 0 to %3 in decimal digits")
            .arg(o.field, o.text, QString::number(o.upper));
    case ValueKind::Number:
        break;
    }
    return Wording::tr("the %1 \"%2\" is not a number from 0 to %3")
        .arg(o.field, o.text, QString::number(o.upper));
}

namespace {

// Why a row of a table file is refused: its own reason, a name's or a value's as a clause, and
// anything else as the save of that row words it.
QString inputReason(const Outcome& o) {
    switch (familyOf(o.fault)) {
    case Family::Row:
        return ImageErrorText(o);
    case Family::Name:
        return Wording::tr("cannot write the name of %1: %2").arg(o.entry, ImageErrorText(o));
    case Family::Save:
        if (o.fault == Fault::BadValue)
            return ValueText(o);
        return SaveLine(o);
    case Family::None:
    case Family::Image:
    case Family::Undo:
    case Family::Compare:
        return SaveLine(o);
    case Family::CommandLine:
        return CommandLineText(o);
    }
    return SaveLine(o);
}

} // namespace

QString InputErrorText(const QString& file, const InputError& e) {
    return QStringLiteral("%1:%2:%3: %4")
        .arg(file, QString::number(e.line), QString::number(e.column), inputReason(e.why));
}

QString NothingWrittenAfter(const QString& sentence) {
    return Wording::tr("%1. Nothing was written.").arg(sentence);
}

QString RenameRefusedText(const QString& entry, const QString& file, const QString& reason) {
    return NothingWrittenAfter(
        Wording::tr("cannot rename %1 in %2: %3").arg(entry, NativePath(file), reason));
}

QString PlanFailedText(const Outcome& o) {
    return ImageErrorText(o) + Wording::tr("\nNothing was written.");
}

QString CommandWriteText(const Outcome& o, const QString& backupPath) {
    if (o.fault == Fault::ChangedOnDisk) {
        QStringList parts;
        for (const Landed& l : o.landed)
            parts << partName(l.entry, l.name);
        return Wording::tr("cannot write to %1: another program changed %2 in it after this "
                           "command read it. Nothing was written.")
            .arg(NativePath(o.file), joined(parts));
    }
    if (o.fault != Fault::WrittenInPart && o.fault != Fault::NotSynced)
        return SaveText(o);
    const QString backup =
        backupPath.isEmpty()
            ? Wording::tr("No backup was made.")
            : Wording::tr("The backup %1 holds the image as it was before this command.")
                  .arg(NativePath(backupPath));
    if (o.fault == Fault::NotSynced)
        return Wording::tr("%1\nEvery write of this command is in %2, but the system may not "
                           "have it on disk.\n%3")
            .arg(ImageErrorText(o.cause.value(0)), NativePath(o.file), backup);
    QStringList written, notWritten;
    splitLanded(
        o.landed, [](const Landed& l) { return partName(l.entry, l.name); }, &written, &notWritten);
    return Wording::tr("%1\n%2 is written in part.\nWritten: %3.\nNot written: %4.\n%5")
        .arg(ImageErrorText(o.cause.value(0)), NativePath(o.file), joined(written),
             notWritten.isEmpty() ? Wording::tr("nothing") : joined(notWritten), backup);
}

QString HistoryReasonText(const Outcome& o) {
    const QString history = NativePath(o.other);
    if (o.error == NameTooLongError())
        return Wording::tr("its history %1 cannot be made: that name is %2 bytes long, longer "
                           "than this file system allows, and the history's name is the "
                           "image's with \".history\" added; rename the image to a name at "
                           "least 8 bytes shorter than the longest this file system allows "
                           "(most allow 255)")
            .arg(history)
            .arg(QFile::encodeName(QFileInfo(o.other).fileName()).size());
    if (o.fault == Fault::HistoryNotWritten && o.record != 0)
        return Wording::tr("its history %1 already holds record %2, the highest number a record "
                           "can have, so no save can be recorded after it")
            .arg(history)
            .arg(o.record);
    if (o.fault == Fault::HistoryNotWritten)
        return Wording::tr("its history %1 cannot be written: %2")
            .arg(history, o.hasNode ? NodeText(o.node) : SystemText(o.error));
    if (o.error)
        return Wording::tr("its history %1 cannot be read: %2").arg(history, SystemText(o.error));
    if (o.node != NodeKind::Other || o.hasNode)
        return Wording::tr("its history %1 cannot be read: %2").arg(history, NodeText(o.node));
    if (o.version == NotAHistory)
        return Wording::tr("%1 is not a Tolvane history, so it is left as it is").arg(history);
    if (o.version > qint64(HistoryVersion))
        return Wording::tr("its history %1 was written by a newer version of Tolvane (history "
                           "version %2)")
            .arg(history)
            .arg(o.version);
    return Wording::tr("its history %1 is of history version %2, which this version of Tolvane "
                       "does not read, so it is left as it is")
        .arg(history)
        .arg(o.version);
}

QString RecoveryProblemText(const Outcome& o) {
    return o.fault == Fault::HistoryUnreadable || o.fault == Fault::HistoryNotWritten
               ? HistoryReasonText(o)
               : ImageErrorText(o);
}

namespace {

// A cut-short save's sentence, `text`, given the save's time as %1, its record as %2, its
// entries as %3 and `more` after them, all in one pass: an entry's name may hold "%4".
QString cutShortSave(const QString& text, const Recovery& r, const QStringList& entries,
                     const QStringList& more = {}) {
    const QString time = RecordTime(r.record);
    const QString record = QString::number(r.record.number);
    const QString listed = entries.isEmpty() ? Wording::tr("no entry") : joined(entries);
    if (more.isEmpty())
        return text.arg(time, record, listed);
    if (more.size() == 1)
        return text.arg(time, record, listed, more[0]);
    return text.arg(time, record, listed, more[0], more[1]);
}

// Why a pending record is left as it is, and what puts it right.
QString heldText(const Recovery& r) {
    switch (r.held) {
    case RecoveryHeld::NotAsked:
        return Wording::tr("this command only reads the image; any command that writes it, or "
                           "the editor, puts it right");
    case RecoveryHeld::ReadOnly:
        return Wording::tr("the image can only be read; open it where it can be written to put "
                           "it right");
    case RecoveryHeld::Locked:
        return Wording::tr("another Tolvane program kept writing to the image for more than %1 "
                           "seconds; once it is done, open the image again")
            .arg(WriterWaitMs / 1000);
    case RecoveryHeld::Failed:
        return Wording::tr("%1; once that is mended, open the image again to put it right")
            .arg(RecoveryProblemText(r.fault));
    }
    return {};
}

// What a recovery's entries are called in its sentence: their list, or the image.
QString recoveredParts(const QStringList& entries) {
    return entries.isEmpty() ? Wording::tr("the image") : listed(entries);
}

} // namespace

QString RecoveryText(const RecoveredEntries& names, const Recovery& r) {
    const QStringList& entries = names.all;
    switch (r.action) {
    case RecoveryAction::Finished:
        return cutShortSave(Wording::tr("The save of %1 (record %2: %3) was cut short after its "
                                        "last write: it stands whole, as saved."),
                            r, entries);
    case RecoveryAction::NeverWritten:
        return cutShortSave(Wording::tr("The save of %1 (record %2: %3) was cut short before its "
                                        "first write: the image is as it was before it."),
                            r, entries);
    case RecoveryAction::RolledBack:
        return cutShortSave(entries.size() == 1
                                ? Wording::tr("The save of %1 (record %2: %3) was cut short "
                                              "halfway: the bytes it had written were put back, "
                                              "so %4 is as it was before it.")
                                : Wording::tr("The save of %1 (record %2: %3) was cut short "
                                              "halfway: the bytes it had written were put back, "
                                              "so %4 are as they were before it."),
                            r, entries, {recoveredParts(entries)});
    case RecoveryAction::Left:
        return cutShortSave(Wording::tr("The save of %1 (record %2: %3) was cut short, and the "
                                        "image now holds other bytes there, or the record "
                                        "reaches past its end: another program changed it, or "
                                        "the history belongs to another image. Nothing was "
                                        "written."),
                            r, entries);
    case RecoveryAction::Reported:
        return cutShortSave(r.torn ? Wording::tr("The save of %1 (record %2: %3) was cut short "
                                                 "halfway. It is left as it is: %4.")
                                   : Wording::tr("The save of %1 (record %2: %3) was cut short. It "
                                                 "is left as it is: %4."),
                            r, entries, {heldText(r)});
    case RecoveryAction::None:
        break;
    }
    return {};
}

QString TornImageText(const RecoveredEntries& names, const Recovery& r) {
    const QStringList& entries = names.all;
    // Only the entries that hold some of the save's bytes and some of their old ones are torn;
    // the others read wholly as before it or as saved, and are said to.
    QStringList saved = names.saved, before = names.before, mixed;
    for (const QString& entry : std::as_const(saved))
        if (before.contains(entry))
            mixed << entry;
    for (const QString& entry : std::as_const(mixed)) {
        saved.removeAll(entry);
        before.removeAll(entry);
    }
    QString text =
        mixed.isEmpty()
            ? cutShortSave(Wording::tr("The save of %1 (record %2: %3) was cut short halfway, "
                                       "and it cannot be put right now: %4. Until it is, the "
                                       "image holds only part of it, so the tables are not "
                                       "read."),
                           r, entries, {heldText(r)})
            : cutShortSave(Wording::tr("The save of %1 (record %2: %3) was cut short halfway, "
                                       "and it cannot be put right now: %4. Until it is, %5 "
                                       "would read neither as before the save nor as saved, so "
                                       "the tables are not read."),
                           r, entries, {heldText(r), listed(mixed)});
    if (!before.isEmpty())
        text += QLatin1Char(' ') + Wording::tr("As before the save: %1.").arg(joined(before));
    if (!saved.isEmpty())
        text += QLatin1Char(' ') + Wording::tr("As saved: %1.").arg(joined(saved));
    return text;
}

QString UndoRefusedText(const Outcome& o) {
    if (familyOf(o.fault) == Family::Undo)
        return ImageErrorText(o);
    if (o.fault == Fault::HistoryUnreadable)
        return undoRefused(o, HistoryReasonText(o));
    return CommandWriteText(o, {});
}

QString NothingWrittenText(const QString& file) {
    return Wording::tr("nothing was written to %1.").arg(NativePath(file));
}

QString DryRunText() {
    return Wording::tr("(dry run: nothing was written)");
}

QString TablesVerdictText(const QList<std::pair<Table, TableFacts>>& tables) {
    QStringList parts;
    for (const auto& [table, facts] : tables) {
        if (LooksRight(facts))
            continue;
        QStringList why;
        if (facts.entriesInside < facts.entries)
            why << Wording::tr("%1 of its %2 entries lie inside the file")
                       .arg(facts.entriesInside)
                       .arg(facts.entries);
        const int needed = PrintableNamesNeeded(facts);
        if (facts.printableNames < needed)
            why << Wording::tr("%1 of its %2 names are printable, fewer than %3")
                       .arg(facts.printableNames)
                       .arg(facts.entries)
                       .arg(needed);
        parts << Wording::tr("%1: %2", "a table, and why it does not look like the game's")
                     .arg(TableName(table), why.join(Wording::tr(", and ")));
    }
    return parts.join(QLatin1String("; "));
}
