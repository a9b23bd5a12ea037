#include "wording/savetext.h"

#include "fields/numbertext.h"
#include "tables/transaction.h"
#include "wording/imagetext.h"
#include "wording/phrases.h"
#include "wording/translation.h"
#include "wording/valuetext.h"

namespace {

// A refused save's sentence, `text`, given the entry as %1 and the file as %2.
QString cannotSave(const Outcome& o, const QString& text) {
    return text.arg(PartName(o), NativePath(o.file));
}

// The save whose parts failed to write, and what of it is in the file.
QString savedInPart(const Outcome& o) {
    QStringList written, notWritten;
    SplitLanded(
        o.landed, [](const Landed& l) { return FieldCaptionText(l.field); }, &written, &notWritten);
    const QString done =
        written.isEmpty()
            ? Wording::tr("Nothing was written.")
            : Wording::tr("Already written, and kept in the file: %1.").arg(JoinedText(written));
    return Wording::tr("Saving %1 stopped at the %2.\n%3\n%4\nNot written: %5.")
        .arg(PartName(o), FieldCaptionText(o.field), CauseText(o.cause), done,
             JoinedText(notWritten));
}

} // namespace

QString SaveFaultText(const Outcome& o) {
    switch (o.fault.in<SaveFault>()) {
    case SaveFault::ReadOnly:
        return cannotSave(o, Wording::tr("Cannot save %1 to %2:\nthe file is open for reading "
                                         "only. Nothing was written."));
    case SaveFault::Replaced:
        return cannotSave(o, Wording::tr("Cannot save %1 to %2:\nthe image was replaced on disk by "
                                         "another program after this entry was shown. Nothing "
                                         "was written."));
    case SaveFault::Gone:
        return cannotSave(o, Wording::tr("Cannot save %1 to %2:\nthe image was deleted or moved "
                                         "away after it was opened. Nothing was written, and no "
                                         "file was made in its place."));
    case SaveFault::ShortFile:
        return Wording::tr("Cannot save %1 to %2:\nthe entry lies at offsets %3 to %4, but the "
                           "file is only %5 bytes long. Nothing was written.")
            .arg(PartName(o), NativePath(o.file), HexOffset(o.first), HexOffset(o.last),
                 QString::number(o.length));
    case SaveFault::ChangedOnDisk:
        return cannotSave(o, Wording::tr("Cannot save %1 to %2:\nanother program changed %1 in the "
                                         "file after it was shown. Nothing was written; %1 is "
                                         "shown again as the file now holds it."));
    case SaveFault::Locked:
        return Wording::tr("Cannot save %1 to %2:\nanother Tolvane program kept writing to the "
                           "image for more than %3 seconds. Nothing was written.")
            .arg(PartName(o), NativePath(o.file), QString::number(WriterWaitMs / 1000));
    case SaveFault::BadValue:
        return Wording::tr("Cannot save %1: %2. Nothing was written.")
            .arg(PartName(o), ValueText(o));
    case SaveFault::NoSuchEntry:
        return Wording::tr("Cannot save: there is no %1.").arg(o.entry);
    case SaveFault::WrittenInPart:
        return savedInPart(o);
    case SaveFault::NotSynced:
        return Wording::tr("Saving %1: every field was written, but %2")
            .arg(PartName(o), CauseText(o.cause));
    }
    return {};
}
