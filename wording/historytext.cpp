#include "wording/historytext.h"

#include "rom/historyformat.h"
#include "rom/systemfile.h"
#include "wording/phrases.h"
#include "wording/translation.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A history that cannot be read: the system's reason, what stands there, or what it holds.
QString unreadable(const Outcome& o) {
    const QString history = NativePath(o.other);
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

} // namespace

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
    const HistoryFault fault =
        o.fault == HistoryFault::NotWritten ? HistoryFault::NotWritten : HistoryFault::Unreadable;
    switch (fault) {
    case HistoryFault::NotWritten:
        if (o.record != 0)
            return Wording::tr("its history %1 already holds record %2, the highest number a "
                               "record can have, so no save can be recorded after it")
                .arg(history)
                .arg(o.record);
        return Wording::tr("its history %1 cannot be written: %2")
            .arg(history, o.hasNode ? NodeText(o.node) : SystemText(o.error));
    case HistoryFault::Unreadable:
        return unreadable(o);
    }
    return {};
}

QString HistoryStopsSaveText(const Outcome& o) {
    return Wording::tr("Cannot save %1 to %2:\n%3. Nothing was written.")
        .arg(PartName(o), NativePath(o.file), HistoryReasonText(o));
}
