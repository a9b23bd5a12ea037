#include "main/imagedrop.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

// The one image file a drag carries, or an empty text when it carries anything else: no file,
// several, a remote one, or another kind of file.
QString draggedImage(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return path.endsWith(QLatin1String(".nes"), Qt::CaseInsensitive) ? path : QString();
}

// A move would let the source delete the image once the drop was taken.
Qt::DropAction harmlessAction(Qt::DropActions possible) {
    if (possible & Qt::CopyAction)
        return Qt::CopyAction;
    if (possible & Qt::LinkAction)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

} // namespace

QString AcceptImageDrop(QDropEvent* event) {
    const QString path = draggedImage(event->mimeData());
    const Qt::DropAction action = harmlessAction(event->possibleActions());
    if (QApplication::activeModalWidget() || action == Qt::IgnoreAction || path.isEmpty()) {
        event->ignore();
        return {};
    }
    event->setDropAction(action);
    event->accept();
    return path;
}
