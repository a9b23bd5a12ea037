#include "rom/romimage.h"

#include <QFileInfo>

#include <zlib.h>

#include <algorithm>
#include <cstring>

RomError::RomError(Kind kind, Outcome outcome)
    : std::runtime_error("image access failed"), m_kind(kind), m_outcome(std::move(outcome)) {}

Result<std::unique_ptr<RomImage>> OpenRomImage(const QString& path) {
    auto file = OpenImageFile(path);
    if (!file)
        return file.failure();
    return std::make_unique<RomImage>(path, *file);
}

QString FollowLinks(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymbolicLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymbolicLink() ? path : info.filePath();
}

RomImage::RomImage(const QString& path, OpenedFile file)
    : m_path(path), m_filePath(file.identity ? FollowLinks(path) : path), m_file(file.handle),
      m_readOnly(file.readOnly), m_identity(file.identity) {}

RomImage::~RomImage() {
    CloseFile(m_file);
}

IoResult RomImage::sizeRaw() const {
    return FileSize(m_file);
}

qint64 RomImage::size() const {
    const IoResult size = sizeRaw();
    if (size.count < 0)
        fail(Operation::Size, 0, size.error);
    return size.count;
}

RomImage::PathState RomImage::pathState() const {
    if (!m_identity)
        return PathState::Same;
    const auto there = IdentityAtPath(m_path);
    if (!there)
        return PathState::Gone;
    if (*there != *m_identity)
        return PathState::Replaced;
    if (const auto held = IdentityOfFile(m_file); held && held->links == 0)
        return PathState::Gone;
    return PathState::Same;
}

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
        throw RomError(RomError::Kind::Io, why);
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
        throw RomError(RomError::Kind::Io, why);
    }
    // The last look before the first write: the path must still name the file written into.
    if (pathState() != PathState::Same) {
        why.changed = true;
        throw RomError(RomError::Kind::Io, why);
    }
    m_backupMade = true;
}

void RomImage::refresh() {
    m_pages.clear();
    m_lastIndex = -1;
    m_lastPage = nullptr;
}

Outcome RomImage::outcome(Fault fault, Operation operation, qint64 pos) const {
    Outcome o;
    o.fault = fault;
    o.operation = operation;
    o.file = m_path;
    o.offset = pos;
    return o;
}

void RomImage::fail(Operation operation, qint64 pos, int error) const {
    Outcome o = outcome(ImageFault::SystemCall, operation, pos);
    o.error = error;
    throw RomError(RomError::Kind::Io, o);
}

const RomImage::Page& RomImage::page(qint64 index) {
    if (index == m_lastIndex)
        return *m_lastPage;
    auto& slot = m_pages[index];
    if (!slot) {
        auto fresh = std::make_unique<Page>();
        const qint64 start = index * PageSize;
        qint64 filled = 0;
        while (filled < PageSize) {
            const IoResult got = readRaw(
                start + filled, reinterpret_cast<char*>(fresh->data()) + filled, PageSize - filled);
            if (got.count < 0) {
                m_pages.erase(index);
                fail(Operation::Read, start + filled, got.error);
            }
            if (got.count == 0)
                break;
            filled += got.count;
        }
        // Past the end of the file every byte reads as 0.
        std::fill(fresh->begin() + filled, fresh->end(), quint8(0));
        slot = std::move(fresh);
    }
    m_lastIndex = index;
    m_lastPage = slot.get();
    return *slot;
}

void RomImage::checkPosition(Operation operation, qint64 pos) const {
    if (pos < 0)
        throw RomError(RomError::Kind::BadOffset, outcome(ImageFault::BeforeStart, operation, pos));
}

void RomImage::read(qint64 pos, quint8* out, qint64 len) {
    checkPosition(Operation::Read, pos);
    while (len > 0) {
        const qint64 index = pos / PageSize;
        const qint64 within = pos % PageSize;
        const qint64 take = std::min(len, PageSize - within);
        const Page& p = page(index);
        std::memcpy(out, p.data() + within, size_t(take));
        out += take;
        pos += take;
        len -= take;
    }
}

QByteArray RomImage::bytes(qint64 pos, qint64 len) {
    QByteArray out(len, Qt::Uninitialized);
    read(pos, reinterpret_cast<quint8*>(out.data()), len);
    return out;
}

quint8 RomImage::readByte(qint64 pos) {
    quint8 value = 0;
    read(pos, &value, 1);
    return value;
}

void RomImage::write(const WriteKey&, qint64 pos, quint8 value) {
    if (m_readOnly)
        throw RomError(RomError::Kind::Io,
                       outcome(ImageFault::OpenForReading, Operation::Write, pos));
    checkPosition(Operation::Write, pos);
    ensureBackup();
    const char byte = char(value);
    const IoResult done = writeRaw(pos, &byte, 1);
    if (done.count != 1)
        fail(Operation::Write, pos, done.error);
    if (auto found = m_pages.find(pos / PageSize); found != m_pages.end())
        (*found->second)[size_t(pos % PageSize)] = value;
}

void RomImage::restore(const WriteKey&, qint64 pos, QByteArrayView bytes) {
    checkPosition(Operation::Write, pos);
    const IoResult done = writeRaw(pos, bytes.data(), bytes.size());
    if (done.count != bytes.size())
        fail(Operation::Write, pos, done.error);
    refresh();
}

void RomImage::sync() {
    if (const int error = syncRaw(m_file))
        fail(Operation::Sync, 0, error);
}

IoResult RomImage::appendRaw(FileHandle file, const char* data, qint64 len) {
    return AppendToFile(file, data, len);
}

int RomImage::syncRaw(FileHandle file) {
    return SyncFile(file);
}

int RomImage::syncFolderRaw(const QString& path) {
    return SyncFolderOf(path);
}

IoResult RomImage::readRaw(qint64 pos, char* out, qint64 len) {
    return ReadAt(m_file, pos, out, len);
}

IoResult RomImage::writeRaw(qint64 pos, const char* data, qint64 len) {
    return WriteAt(m_file, pos, data, len);
}
