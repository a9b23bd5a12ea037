#include "wording/phrases.h"

#include "rom/systemfile.h"
#include "wording/translation.h"

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
    return o.fault == ImageFault::NotAFile ? NodeText(o.node) : SystemText(o.error);
}

QString JoinedText(const QStringList& list) {
    return list.join(Wording::tr(", ", "between the parts of a list"));
}

QString ListedText(const QStringList& list) {
    if (list.size() < 2)
        return list.value(0);
    return Wording::tr("%1 and %2", "the last two parts of a list")
        .arg(JoinedText(list.mid(0, list.size() - 1)), list.back());
}

QString PartName(const QString& entry, bool name) {
    return name ? Wording::tr("the name of %1").arg(entry) : entry;
}

QString PartName(const Outcome& o) {
    return PartName(o.entry, o.name);
}

QString FieldCaptionText(const char* caption) {
    return QCoreApplication::translate("FieldCaption", caption);
}

QString FieldCaptionText(const QString& caption) {
    return FieldCaptionText(caption.toUtf8().constData());
}

QString NothingWrittenAfter(const QString& sentence) {
    return Wording::tr("%1. Nothing was written.").arg(sentence);
}

void SplitLanded(const QList<Landed>& landed, const std::function<QString(const Landed&)>& label,
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
