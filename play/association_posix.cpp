#include "play/emulator.h"

#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace {

// How long xdg-mime may take before the search goes on without it.
constexpr int QueryMilliseconds = 5000;

QString NesMimeType() {
    const QString known =
        QMimeDatabase()
            .mimeTypeForFile(QStringLiteral("image.nes"), QMimeDatabase::MatchExtension)
            .name();
    // Without the system's MIME database, the name it gives .nes files.
    return known == QLatin1String("application/octet-stream")
               ? QStringLiteral("application/x-nes-rom")
               : known;
}

} // namespace

std::optional<Association> SystemAssociation(const QStringList& path) {
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"), path);
    if (query.isEmpty())
        return std::nullopt;
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"), NesMimeType()});
    if (!process.waitForFinished(QueryMilliseconds)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    const QString desktopId = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    if (process.exitCode() != 0 || desktopId.isEmpty())
        return std::nullopt;
    QFile desktopFile(QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId));
    if (desktopFile.fileName().isEmpty() || !desktopFile.open(QIODevice::ReadOnly))
        return std::nullopt;
    const auto words = DesktopEntryCommand(QString::fromUtf8(desktopFile.readAll()));
    if (!words)
        return std::nullopt;
    return Association{*words, desktopId};
}
