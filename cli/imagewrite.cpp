#include "cli/imagewrite.h"

#include <QDir>

namespace {

std::optional<QByteArray> bytesAt(RomImage& rom, qint32 base, int size) {
    try {
        return rom.bytes(base, size);
    } catch (const RomError&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<FailedWrite> RunPlan(RomImage& rom, const WritePlan& plan) {
    const auto before = bytesAt(rom, plan.base, plan.size);
    const auto failed = ExecutePlan(rom, plan);
    if (!failed)
        return std::nullopt;
    // What the disk holds, not what the cache remembers of the writes that were tried.
    rom.refresh();
    const auto after = bytesAt(rom, plan.base, plan.size);
    return FailedWrite{*failed, !before || !after || *before != *after};
}

int WrittenInPart(Io& io, const RomImage& image, const QStringList& written,
                  const QStringList& notWritten) {
    const QString separator = QStringLiteral(", ");
    const QString backup =
        image.backupMade()
            ? QStringLiteral("The backup %1 holds the image as it was before this command.")
                  .arg(QDir::toNativeSeparators(image.backupPath()))
            : QStringLiteral("No backup was made.");
    io.err << QStringLiteral("tolvane-cli: %1 is written in part.\nWritten: %2.\nNot written: "
                             "%3.\n%4")
                  .arg(QDir::toNativeSeparators(image.path()), written.join(separator),
                       notWritten.isEmpty() ? QStringLiteral("nothing")
                                            : notWritten.join(separator),
                       backup)
           << Qt::endl;
    return ExitWrittenInPart;
}
