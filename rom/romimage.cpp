#include "rom/romimage.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>

RomError::RomError(Outcome outcome)
    : std::runtime_error("image access failed"), m_outcome(std::move(outcome)) {}

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
    throw RomError(o);
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
        throw RomError(outcome(ImageFault::BeforeStart, operation, pos));
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
        throw RomError(outcome(ImageFault::OpenForReading, Operation::Write, pos));
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
