// The image layer's file calls on POSIX systems.
#include "rom/systemfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What a path that is not a regular file names, for the message that refuses it.
NodeKind kindOfNonFile(mode_t mode) {
    if (S_ISFIFO(mode))
        return NodeKind::Fifo;
    if (S_ISSOCK(mode))
        return NodeKind::Socket;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return NodeKind::Device;
    return NodeKind::Other;
}

Outcome systemFault(int error) {
    Outcome fault;
    fault.fault = ImageFault::SystemCall;
    fault.error = error;
    return fault;
}

FileIdentity identityOf(const struct stat& info) {
    return {quint64(info.st_dev), quint64(info.st_ino)};
}

} // namespace

Result<OpenedFile> OpenSystemFile(const QString& path, bool writable) {
    const QByteArray name = QFile::encodeName(path);
    OpenedFile file;
    int fd = -1;
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer that never comes.
    // It is cleared again once the path is known to be a regular file.
    if (writable) {
        fd = ::open(name.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
        writable = !(fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM));
    }
    if (!writable) {
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        file.readOnly = true;
    }
    if (fd < 0)
        return systemFault(errno);
    struct stat info {};
    Outcome refusal;
    if (::fstat(fd, &info) != 0) {
        refusal = systemFault(errno);
    } else if (S_ISDIR(info.st_mode)) {
        refusal = systemFault(EISDIR);
    } else if (!S_ISREG(info.st_mode)) {
        refusal.fault = ImageFault::NotAFile;
        refusal.node = kindOfNonFile(info.st_mode);
    } else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        refusal = systemFault(errno);
    }
    if (refusal.failed()) {
        ::close(fd);
        return refusal;
    }
    file.handle = fd;
    file.identity = identityOf(info);
    return file;
}

Result<HeldIdentity> IdentityOfFile(FileHandle file) {
    struct stat info {};
    if (::fstat(int(file), &info) != 0)
        return systemFault(errno);
    return HeldIdentity{identityOf(info), int(info.st_nlink)};
}

std::optional<FileIdentity> IdentityAtPath(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return identityOf(info);
}

void CloseFile(FileHandle file) {
    if (file != NoFile)
        ::close(int(file));
}

IoResult ReadAt(FileHandle file, qint64 pos, char* out, qint64 len) {
    if (pos < 0)
        return {-1, EINVAL};
    ssize_t got;
    do {
        got = ::pread(int(file), out, size_t(len), off_t(pos));
    } while (got < 0 && errno == EINTR);
    return got < 0 ? IoResult{-1, errno} : IoResult{got, 0};
}

IoResult WriteAt(FileHandle file, qint64 pos, const char* data, qint64 len) {
    if (pos < 0)
        return {-1, EINVAL};
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
    // The data and the length are what a reader needs; the times need not wait for the disk. A
    // device or a file system that cannot sync (EINVAL, EROFS) has nothing more to hand over.
    if (::fdatasync(int(file)) != 0 && errno != EINVAL && errno != EROFS)
        return errno;
    return 0;
}

IoResult FileSize(FileHandle file) {
    struct stat info {};
    if (::fstat(int(file), &info) != 0)
        return {-1, errno};
    return {qint64(info.st_size), 0};
}

Result<FreshFile> CreateFreshFile(const QString& folder, const QString& tag, int permissions) {
#ifdef O_TMPFILE
    // Unnamed until it is whole: nothing of it outlives a writer that is killed.
    const int unnamed = ::open(QFile::encodeName(folder).constData(),
                               O_TMPFILE | O_WRONLY | O_CLOEXEC, permissions >= 0 ? 0600 : 0666);
    if (unnamed >= 0) {
        if (permissions >= 0 && ::fchmod(unnamed, mode_t(permissions)) != 0) {
            const Outcome refusal = systemFault(errno);
            ::close(unnamed);
            return refusal;
        }
        return FreshFile{unnamed, {}};
    }
    // A file system without unnamed files (or an older kernel) refuses them in several ways; the
    // named file below then reports any fault of the folder itself.
#endif
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = QDir(folder).filePath(FreshFileName(tag));
        // O_EXCL and O_NOFOLLOW: never a file or a link that someone else put there.
        const int fd = ::open(QFile::encodeName(name).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              permissions >= 0 ? 0600 : 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return systemFault(errno);
        // The mode given at creation passes through the umask; these bits must stand exactly.
        if (permissions >= 0 && ::fchmod(fd, mode_t(permissions)) != 0) {
            const Outcome refusal = systemFault(errno);
            ::close(fd);
            ::unlink(QFile::encodeName(name).constData());
            return refusal;
        }
        return FreshFile{fd, name};
    }
    return systemFault(EEXIST);
}

Result<QString> NameFreshFile(FileHandle file, const QString& folder, const QString& tag) {
    // Through /proc, which needs no more rights than the folder's; the handle itself
    // (AT_EMPTY_PATH) where /proc is not mounted, which only a privileged process may link.
    const QByteArray handlePath = "/proc/self/fd/" + QByteArray::number(qint64(file));
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = QDir(folder).filePath(FreshFileName(tag));
        const QByteArray encoded = QFile::encodeName(name);
        if (::linkat(AT_FDCWD, handlePath.constData(), AT_FDCWD, encoded.constData(),
                     AT_SYMLINK_FOLLOW) == 0)
            return name;
        if (errno == EEXIST)
            continue;
        if (::linkat(int(file), "", AT_FDCWD, encoded.constData(), AT_EMPTY_PATH) == 0)
            return name;
        if (errno != EEXIST)
            return systemFault(errno);
    }
    return systemFault(EEXIST);
}

int CloseWrittenFile(FileHandle file) {
    return ::close(int(file)) == 0 || errno == EINTR ? 0 : errno;
}

int MoveOver(const QString& from, const QString& to) {
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0
               ? 0
               : errno;
}

void RemoveFile(const QString& path) {
    ::unlink(QFile::encodeName(path).constData());
}

int PermissionsOfFile(FileHandle file) {
    struct stat info {};
    return ::fstat(int(file), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

int PermissionsAtPath(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode)
               ? int(info.st_mode & 0777)
               : -1;
}

std::optional<NodeKind> NodeAtPath(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode) ||
        S_ISLNK(info.st_mode))
        return std::nullopt;
    return S_ISDIR(info.st_mode) ? NodeKind::Folder : kindOfNonFile(info.st_mode);
}

int FolderError() {
    return EISDIR;
}

int NameTooLongError() {
    return ENAMETOOLONG;
}

int MissingFileError() {
    return ENOENT;
}

Result<AppendingFile> OpenForAppending(const QString& path, bool create, int permissions) {
    const QByteArray name = QFile::encodeName(path);
    // O_NOFOLLOW: a link at the name is refused, never written through. O_NONBLOCK keeps a FIFO
    // from holding the open; it is cleared once the file is known to be a regular one.
    int fd = -1;
    errno = EEXIST;
    if (create)
        fd = ::open(name.constData(), O_RDWR | O_APPEND | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    permissions >= 0 ? 0600 : 0666);
    const bool created = fd >= 0;
    if (fd < 0 && errno == EEXIST)
        fd = ::open(name.constData(), O_RDWR | O_APPEND | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 && errno == ELOOP)
        return Outcome{.fault = ImageFault::NotAFile, .node = NodeKind::Link};
    if (fd < 0)
        return systemFault(errno);
    struct stat info {};
    Outcome refusal;
    if (::fstat(fd, &info) != 0)
        refusal = systemFault(errno);
    else if (!S_ISREG(info.st_mode))
        refusal = Outcome{.fault = ImageFault::NotAFile, .node = kindOfNonFile(info.st_mode)};
    else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        refusal = systemFault(errno);
    // The mode given at creation passes through the umask; the image's bits must stand exactly.
    else if (created && permissions >= 0 && ::fchmod(fd, mode_t(permissions)) != 0)
        refusal = systemFault(errno);
    if (refusal.failed()) {
        ::close(fd);
        if (created)
            ::unlink(name.constData());
        return refusal;
    }
    return AppendingFile{fd, created};
}

IoResult AppendToFile(FileHandle file, const char* data, qint64 len) {
    ssize_t put;
    do {
        put = ::write(int(file), data, size_t(len));
    } while (put < 0 && errno == EINTR);
    if (put < 0)
        return {-1, errno};
    return put == len ? IoResult{put, 0} : IoResult{-1, ENOSPC};
}

int SyncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS ? errno : 0;
    ::close(fd);
    return error;
}

int LockForWriting(FileHandle file, int waitMs) {
    // flock, not fcntl locks: those belong to the process and are dropped when any of its
    // descriptors of the file closes, the backup's reads and a reload's included.
    for (int waited = 0;; waited += 10) {
        if (::flock(int(file), LOCK_EX | LOCK_NB) == 0)
            return 0;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return errno;
        if (waited >= waitMs)
            return LockHeld;
        ::usleep(10000);
    }
}

void UnlockForWriting(FileHandle file) {
    ::flock(int(file), LOCK_UN);
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}
