// The backup an image's first write of an opening makes: copied to a fresh file beside it,
// synced, and only then moved over the older one.

#include "rom/romimage.h"

#include <QFileInfo>

#include <zlib.h>

QString RomImage::backupTag() const {
    // The same for every writer of this image, and short whatever its name.
    const QByteArray name = QFileInfo(backupPath()).absoluteFilePath().toUtf8();
    return QStringLiteral("%1").arg(
        quint32(crc32_z(0L, reinterpret_cast<const Bytef*>(name.constData()), size_t(name.size()))),
        8, 16, QLatin1Char('0'));
}

void RomImage::removeStaleTemporaries() {
    if (!m_identity)
        return;
    for (const QString& stale :
         StaleTemporaries(QFileInfo(backupPath()).absolutePath(), backupTag()))
        RemoveFile(stale);
}

void RomImage::prepareBackup() {
    if (!m_backupWanted || m_backupMade || m_preparedBackup)
        return;
    const QString backup = backupPath();
    Outcome why;
    why.fault = ImageFault::BackupNotMade;
    why.file = m_path;
    why.other = backup;
    const auto refuse = [&](int error) {
        m_preparedBackup.reset();
        why.error = error;
        throw RomError(why);
    };
    // A FIFO or a device at the backup's name is someone's, not a backup to replace.
    if (const auto node = NodeAtPath(backup)) {
        why.node = *node;
        refuse(*node == NodeKind::Folder ? FolderError() : 0);
    }
    // Written beside the old backup and moved over it only once synced: a failure leaves the
    // older backup whole, and a link at its name is replaced, never written through. The copy is
    // read through the open file, so it is of the image being written, whatever the path names by
    // now, and it may be read by those who may read the image, and no others.
    m_preparedBackup = std::make_unique<NewFile>(backup, backupTag());
    NewFile& file = *m_preparedBackup;
    if (!file.open(PermissionsOfFile(m_file)))
        refuse(file.error());
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (qint64 done = 0;;) {
        const IoResult got = readRaw(done, chunk.data(), chunk.size());
        if (got.count < 0)
            refuse(got.error);
        if (got.count == 0)
            break;
        if (!file.write(chunk.constData(), got.count))
            refuse(file.error());
        done += got.count;
    }
    if (!file.finish())
        refuse(file.error());
}

void RomImage::placeBackup() {
    prepareBackup();
    if (!m_preparedBackup)
        return;
    Outcome why;
    why.fault = ImageFault::BackupNotMade;
    why.file = m_path;
    why.other = backupPath();
    const std::unique_ptr<NewFile> file = std::move(m_preparedBackup);
    if (!file->place()) {
        why.error = file->error();
        throw RomError(why);
    }
    // The last look before the first write: the path must still name the file written into.
    if (pathState() != PathState::Same) {
        why.replaced = true;
        throw RomError(why);
    }
    m_backupMade = true;
}
