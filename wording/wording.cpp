#include "wording/wording.h"

#include "wording/catalogues.h"
#include "wording/clifiletext.h"
#include "wording/comparetext.h"
#include "wording/historytext.h"
#include "wording/imagetext.h"
#include "wording/nametext.h"
#include "wording/patchtext.h"
#include "wording/phrases.h"
#include "wording/rowtext.h"
#include "wording/savetext.h"
#include "wording/tablefiletext.h"
#include "wording/translation.h"
#include "wording/undotext.h"
#include "wording/usagetext.h"
#include "wording/valuetext.h"

// Every program that words anything, tests included, speaks its user's language from the start.
Q_COREAPP_STARTUP_FUNCTION(InstallCatalogues)

// The one dispatcher: each family of faults is worded in its own file, and only here is a fault
// handed to the file of its family.
QString ImageErrorText(const Outcome& o) {
    switch (o.fault.family()) {
    case FaultFamily::None:
        return {};
    case FaultFamily::Image:
        return ImageFaultText(o);
    case FaultFamily::Save:
        return SaveFaultText(o);
    case FaultFamily::History:
        return HistoryStopsSaveText(o);
    case FaultFamily::Name:
        return NameFaultText(o);
    case FaultFamily::Row:
        return RowFaultText(o);
    case FaultFamily::Undo:
        return UndoFaultText(o);
    case FaultFamily::Compare:
        return CompareFaultText(o);
    case FaultFamily::TableFile:
        return TableFileFaultText(o);
    case FaultFamily::Patch:
        return PatchFaultText(o);
    case FaultFamily::CliFile:
        return CliFileFaultText(o);
    case FaultFamily::Usage:
        return UsageFaultText(o);
    }
    return {};
}

QString SaveText(const Outcome& o) {
    if (o.fault.family() == FaultFamily::Save || o.fault.family() == FaultFamily::History)
        return ImageErrorText(o);
    // Another layer's words are a sentence of their own: the save only says whose it was.
    return Wording::tr("Cannot save %1.\n%2\nNothing was written.")
        .arg(PartName(o), ImageErrorText(o));
}

QString SaveLine(const Outcome& o) {
    return SaveText(o).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

namespace {

// Why a row of a table file is refused: its own reason, a name's or a value's as a clause, and
// anything else as the save of that row words it.
QString inputReason(const Outcome& o) {
    switch (o.fault.family()) {
    case FaultFamily::Row:
    case FaultFamily::TableFile:
    case FaultFamily::Patch:
    case FaultFamily::CliFile:
    case FaultFamily::Usage:
        return ImageErrorText(o);
    case FaultFamily::Name:
        return Wording::tr("cannot write the name of %1: %2").arg(o.entry, ImageErrorText(o));
    case FaultFamily::Save:
        if (o.fault == SaveFault::BadValue)
            return ValueText(o);
        return SaveLine(o);
    case FaultFamily::None:
    case FaultFamily::Image:
    case FaultFamily::History:
    case FaultFamily::Undo:
    case FaultFamily::Compare:
        return SaveLine(o);
    }
    return SaveLine(o);
}

} // namespace

QString InputErrorText(const QString& file, const InputError& e) {
    return QStringLiteral("%1:%2:%3: %4")
        .arg(file, QString::number(e.line), QString::number(e.column), inputReason(e.why));
}

QString RenameRefusedText(const QString& entry, const QString& file, const QString& reason) {
    return NothingWrittenAfter(
        Wording::tr("cannot rename %1 in %2: %3").arg(entry, NativePath(file), reason));
}

QString PlanFailedText(const Outcome& o) {
    return ImageErrorText(o) + Wording::tr("\nNothing was written.");
}

QString CommandWriteText(const Outcome& o, const QString& backupPath) {
    if (o.fault == SaveFault::ChangedOnDisk) {
        QStringList parts;
        for (const Landed& l : o.landed)
            parts << PartName(l.entry, l.name);
        return Wording::tr("cannot write to %1: another program changed %2 in it after this "
                           "command read it. Nothing was written.")
            .arg(NativePath(o.file), JoinedText(parts));
    }
    if (o.fault != SaveFault::WrittenInPart && o.fault != SaveFault::NotSynced)
        return SaveText(o);
    const QString backup =
        backupPath.isEmpty()
            ? Wording::tr("No backup was made.")
            : Wording::tr("The backup %1 holds the image as it was before this command.")
                  .arg(NativePath(backupPath));
    if (o.fault == SaveFault::NotSynced)
        return Wording::tr("%1\nEvery write of this command is in %2, but the system may not "
                           "have it on disk.\n%3")
            .arg(ImageErrorText(o.cause.value(0)), NativePath(o.file), backup);
    QStringList written, notWritten;
    SplitLanded(
        o.landed, [](const Landed& l) { return PartName(l.entry, l.name); }, &written, &notWritten);
    return Wording::tr("%1\n%2 is written in part.\nWritten: %3.\nNot written: %4.\n%5")
        .arg(ImageErrorText(o.cause.value(0)), NativePath(o.file), JoinedText(written),
             notWritten.isEmpty() ? Wording::tr("nothing") : JoinedText(notWritten), backup);
}

QString RecoveryProblemText(const Outcome& o) {
    return o.fault.family() == FaultFamily::History ? HistoryReasonText(o) : ImageErrorText(o);
}

QString UndoRefusedText(const Outcome& o) {
    if (o.fault.family() == FaultFamily::Undo)
        return ImageErrorText(o);
    if (o.fault == HistoryFault::Unreadable)
        return UndoRefusedBecause(o, HistoryReasonText(o));
    return CommandWriteText(o, {});
}

QString NothingWrittenText(const QString& file) {
    return Wording::tr("nothing was written to %1.").arg(NativePath(file));
}

QString DryRunText() {
    return Wording::tr("(dry run: nothing was written)");
}
