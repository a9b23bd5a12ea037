#include "rom/romimage.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

} // namespace

RomError::RomError(Kind kind, const QString& message)
    : std::runtime_error(message.toStdString()), m_kind(kind) {}

QString HexOffset(qint64 offset) {
    return QStringLiteral("0x%1").arg(QString::number(offset, 16).toUpper());
}

std::optional<OpenedFile> OpenImageFile(const QString& path, QString* error) {
    const QByteArray name = QFile::encodeName(path);
    OpenedFile file;
    file.fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
    if (file.fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        file.fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        file.readOnly = true;
    }
    if (file.fd < 0) {
        if (error)
            *error = systemReason(errno);
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int reason = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(file.fd);
        if (error)
            *error = systemReason(reason);
        return std::nullopt;
    }
    return file;
}

std::unique_ptr<RomImage> OpenRomImage(const QString& path, QString* error) {
    auto file = OpenImageFile(path, error);
    if (!file)
        return nullptr;
    return std::make_unique<RomImage>(path, *file);
}

RomImage::RomImage(const QString& path, OpenedFile file)
    : m_path(path), m_fd(file.fd), m_readOnly(file.readOnly) {}

RomImage::~RomImage() {
    if (m_fd >= 0)
        ::close(m_fd);
}

qint64 RomImage::size() const {
    struct stat info {};
    if (::fstat(m_fd, &info) != 0)
        fail("find the size of", 0, errno);
    return info.st_size;
}

void RomImage::refresh() {
    m_pages.clear();
    m_lastIndex = -1;
    m_lastPage = nullptr;
}

void RomImage::fail(const char* action, qint64 pos, int errorNumber) const {
    throw RomError(RomError::Kind::Io,
                   QStringLiteral("Cannot %1 %2 at offset %3:\n%4.")
                       .arg(QLatin1String(action), QDir::toNativeSeparators(m_path), HexOffset(pos),
                            systemReason(errorNumber)));
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
            const qint64 got = readRaw(
                start + filled, reinterpret_cast<char*>(fresh->data()) + filled, PageSize - filled);
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                m_pages.erase(index);
                fail("read", start + filled, errno);
            }
            if (got == 0)
                break;
            filled += got;
        }
        // Past the end of the file every byte reads as 0.
        std::fill(fresh->begin() + filled, fresh->end(), quint8(0));
        slot = std::move(fresh);
    }
    m_lastIndex = index;
    m_lastPage = slot.get();
    return *slot;
}

void RomImage::read(qint64 pos, quint8* out, qint64 len) {
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

quint8 RomImage::readByte(qint64 pos) {
    quint8 value = 0;
    read(pos, &value, 1);
    return value;
}

void RomImage::write(qint64 pos, quint8 value) {
    if (m_readOnly)
        throw RomError(RomError::Kind::Io,
                       QStringLiteral("Cannot write to %1 at offset %2:\nthe file is open for "
                                      "reading only.")
                           .arg(QDir::toNativeSeparators(m_path), HexOffset(pos)));
    const char byte = char(value);
    qint64 done;
    do {
        done = writeRaw(pos, &byte, 1);
    } while (done < 0 && errno == EINTR);
    if (done != 1)
        fail("write to", pos, done < 0 ? errno : EIO);
    if (auto found = m_pages.find(pos / PageSize); found != m_pages.end())
        (*found->second)[size_t(pos % PageSize)] = value;
}

void RomImage::sync() {
    // A device or a file system that cannot sync (EINVAL, EROFS) has nothing more to hand over.
    if (::fsync(m_fd) != 0 && errno != EINVAL && errno != EROFS)
        fail("sync", 0, errno);
}

qint64 RomImage::readRaw(qint64 pos, char* out, qint64 len) {
    return ::pread(m_fd, out, size_t(len), off_t(pos));
}

qint64 RomImage::writeRaw(qint64 pos, const char* data, qint64 len) {
    return ::pwrite(m_fd, data, size_t(len), off_t(pos));
}
