// The image layer's file calls on POSIX systems.
#include "rom/systemfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<OpenedFile> OpenSystemFile(const QString& path, bool writable, QString* error) {
    const QByteArray name = QFile::encodeName(path);
    OpenedFile file;
    int fd = -1;
    if (writable) {
        fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
        writable = !(fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM));
    }
    if (!writable) {
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        file.readOnly = true;
    }
    if (fd < 0) {
        if (error)
            *error = SystemReason(errno);
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int reason = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        if (error)
            *error = SystemReason(reason);
        return std::nullopt;
    }
    file.handle = fd;
    return file;
}

void CloseFile(FileHandle file) {
    if (file != NoFile)
        ::close(int(file));
}

IoResult ReadAt(FileHandle file, qint64 pos, char* out, qint64 len) {
    ssize_t got;
    do {
        got = ::pread(int(file), out, size_t(len), off_t(pos));
    } while (got < 0 && errno == EINTR);
    return got < 0 ? IoResult{-1, errno} : IoResult{got, 0};
}

IoResult WriteAt(FileHandle file, qint64 pos, const char* data, qint64 len) {
    qint64 done = 0;
    while (done < len) {
        const ssize_t put = ::pwrite(int(file), data + done, size_t(len - done), off_t(pos + done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return {-1, put < 0 ? errno : EIO};
        done += put;
    }
    return {done, 0};
}

int SyncFile(FileHandle file) {
    // A device or a file system that cannot sync (EINVAL, EROFS) has nothing more to hand over.
    if (::fsync(int(file)) != 0 && errno != EINVAL && errno != EROFS)
        return errno;
    return 0;
}

IoResult FileSize(FileHandle file) {
    struct stat info {};
    if (::fstat(int(file), &info) != 0)
        return {-1, errno};
    return {qint64(info.st_size), 0};
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

int DiskFullError() {
    return ENOSPC;
}
