#include "benchimages.h"

#include "tools/syntheticimage.h"

#include <QDir>
#include <QFile>

#include <linux/magic.h>
#include <sys/vfs.h>

namespace {

QString folderBase() {
    // /var/tmp survives a reboot, so it is kept on disk even where /tmp is a memory file system.
    const QString varTmp = QStringLiteral("/var/tmp");
    return QDir(varTmp).exists() ? varTmp : QDir::tempPath();
}

} // namespace

BenchFolder::BenchFolder() : m_dir(folderBase() + QStringLiteral("/tolvane-bench-XXXXXX")) {
    if (!m_dir.isValid())
        qFatal("cannot make a temporary folder for the benchmark images");
}

QString BenchFolder::write(const QString& name, const QByteArray& bytes) const {
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write the benchmark image %s", qPrintable(path));
    return path;
}

QString BenchFolder::fileSystem() const {
    struct statfs info {};
    if (::statfs(QFile::encodeName(m_dir.path()).constData(), &info) != 0)
        return QStringLiteral("unknown");
    switch (static_cast<unsigned long>(info.f_type)) {
    case EXT4_SUPER_MAGIC:
        return QStringLiteral("ext4");
    case XFS_SUPER_MAGIC:
        return QStringLiteral("xfs");
    case BTRFS_SUPER_MAGIC:
        return QStringLiteral("btrfs");
    case OVERLAYFS_SUPER_MAGIC:
        return QStringLiteral("overlay");
    case TMPFS_MAGIC:
        return QStringLiteral("tmpfs");
    case RAMFS_MAGIC:
        return QStringLiteral("ramfs");
    default:
        return QStringLiteral("0x%1").arg(static_cast<unsigned long>(info.f_type), 0, 16);
    }
}

bool BenchFolder::onMemoryFileSystem() const {
    const QString kind = fileSystem();
    return kind == QLatin1String("tmpfs") || kind == QLatin1String("ramfs");
}

QByteArray UsualImageBytes() {
    return MakeDemoImage().bytes;
}

QByteArray WorstImageBytes() {
    return QByteArray(SyntheticImage::FullSize, '\xFF');
}
