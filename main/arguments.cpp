#include "main/arguments.h"

#include "main/frmmain.h"
#include "windowkit/seams.h"

#include <QDir>
#include <QFileInfo>

void OpenGivenImage(frmMain& window, const QStringList& arguments) {
    const QStringList given = arguments.mid(1);
    if (given.isEmpty())
        return;
    if (given.size() > 1) {
        QStringList shown;
        for (const QString& path : given)
            shown << QDir::toNativeSeparators(path);
        ShowMessage(&window, QMessageBox::Warning, QStringLiteral("Open ROM"),
                    QStringLiteral("Tolvane opens one image at a time, so none of these was "
                                   "opened:\n%1")
                        .arg(shown.join(QLatin1Char('\n'))));
        return;
    }
    // The open dialog hands over absolute paths; a relative one would name another file if the
    // working folder ever changed, and reads worse in a message.
    window.openImage(QFileInfo(given.first()).absoluteFilePath());
}
