#include "wording/clifiletext.h"

#include "wording/phrases.h"
#include "wording/translation.h"

QString CliFileFaultText(const Outcome& o) {
    const QString file = NativePath(o.file);
    switch (o.fault.in<CliFileFault>()) {
    case CliFileFault::FileNotRead:
        return CliWording::tr("cannot read %1: %2").arg(file, ReasonText(o.cause.value(0)));
    case CliFileFault::FileTooLarge:
        return CliWording::tr("cannot read %1: it is %2 bytes long, more than the %3 bytes (%4 "
                              "MiB) such a file may have")
            .arg(file, QString::number(o.length), QString::number(o.limit),
                 QString::number(o.limit >> 20));
    case CliFileFault::ImageNotOpened:
        return CliWording::tr("cannot open %1: %2").arg(file, ReasonText(o.cause.value(0)));
    case CliFileFault::OutputIsInput:
        return CliWording::tr("cannot write %1: it is the file %2 that this command reads")
            .arg(file, NativePath(o.other));
    case CliFileFault::OutputIsHistory:
        return o.other.isEmpty()
                   ? CliWording::tr("cannot write %1: it is a history of saves, which only the "
                                    "saves themselves write")
                         .arg(file)
                   : CliWording::tr("cannot write %1: it is the history of the saves of %2, which "
                                    "only those saves write")
                         .arg(file, NativePath(o.other));
    case CliFileFault::OutputIsBackup:
        return CliWording::tr("cannot write %1: it is the backup of %2, which only the saves of "
                              "%2 replace")
            .arg(file, NativePath(o.other));
    case CliFileFault::StandardOutputLost:
        return o.reason.isEmpty()
                   ? CliWording::tr("cannot write to the standard output: the stream failed")
                   : CliWording::tr("cannot write to the standard output: %1").arg(o.reason);
    case CliFileFault::NodeNotWritten:
        return CliWording::tr("cannot write %1: %2").arg(file, o.reason);
    case CliFileFault::HistoryDamaged:
        return CliWording::tr("%1: %2 damaged bytes were skipped; the records around them are "
                              "listed")
            .arg(file)
            .arg(o.count);
    case CliFileFault::RecordPastEnd:
        return CliWording::tr("%1: record %2 reaches past the end of the image, so it belongs to "
                              "another image or the image was cut short since; its bytes are "
                              "left out of the original")
            .arg(file)
            .arg(o.record);
    }
    return {};
}
