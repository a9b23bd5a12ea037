// The image layer's file calls on Windows.
#include "rom/systemfile.h"

#include <QDir>

#include <windows.h>

namespace {

// ERROR_DIRECTORY_NOT_SUPPORTED, which mingw's headers lack: "An operation is not supported on a
// directory".
constexpr DWORD DirectoryNotSupported = 336;

HANDLE asHandle(FileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

// The system's text for an error, or an empty text where it has none.
QString formatted(DWORD error) {
    wchar_t text[512];
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                        text, DWORD(std::size(text)), nullptr);
    if (length == 0)
        return {};
    // The messages end in ".\r\n"; the image layer ends its sentences itself.
    QString reason = QString::fromWCharArray(text, int(length)).trimmed();
    while (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    return reason;
}

Outcome refusal(DWORD error) {
    return Outcome{.fault = ImageFault::SystemCall, .error = int(error)};
}

// What a name that is not a disk file leads to, for the message that refuses it.
Outcome nonFile(DWORD type) {
    return Outcome{.fault = ImageFault::NotAFile,
                   .node = type == FILE_TYPE_PIPE   ? NodeKind::Pipe
                           : type == FILE_TYPE_CHAR ? NodeKind::Device
                                                    : NodeKind::Other};
}

Result<HeldIdentity> identityOf(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info))
        return refusal(GetLastError());
    HeldIdentity held{
        {info.dwVolumeSerialNumber, (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow},
        int(info.nNumberOfLinks)};
    // A file deleted while others hold it open keeps its links until the last handle closes.
    FILE_STANDARD_INFO standard{};
    if (GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard) &&
        standard.DeletePending)
        held.links = 0;
    return held;
}

OVERLAPPED at(qint64 pos) {
    OVERLAPPED where{};
    where.Offset = DWORD(quint64(pos) & 0xFFFFFFFFu);
    where.OffsetHigh = DWORD(quint64(pos) >> 32);
    return where;
}

} // namespace

Result<OpenedFile> OpenSystemFile(const QString& path, bool writable) {
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        // CreateFileW would only say "Access is denied".
        return refusal(DirectoryNotSupported);
    // Other programs (an emulator, a hex editor) may read, write, rename or delete the file
    // while it is open here, as they may on Linux.
    const DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    // The read-only attribute is the owner's word that the file is not to be written, whoever
    // asks: Wine run as root would otherwise open it for writing.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        writable = false;
    OpenedFile file;
    HANDLE handle = INVALID_HANDLE_VALUE;
    DWORD reason = ERROR_SUCCESS;
    if (writable) {
        handle = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, sharing, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        reason = GetLastError();
        // The read-only attribute, a write-protected medium, or a program that lets others
        // read but not write: the image can still be shown.
        writable = handle != INVALID_HANDLE_VALUE ||
                   !(reason == ERROR_ACCESS_DENIED || reason == ERROR_WRITE_PROTECT ||
                     reason == ERROR_SHARING_VIOLATION);
    }
    if (!writable) {
        handle = CreateFileW(name.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        reason = GetLastError();
        file.readOnly = true;
    }
    if (handle == INVALID_HANDLE_VALUE)
        return refusal(reason);
    // NUL, a console or a pipe opens like a file but is none.
    if (const DWORD type = GetFileType(handle); type != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return nonFile(type);
    }
    const auto held = identityOf(handle);
    if (!held) {
        CloseHandle(handle);
        return held.failure();
    }
    file.identity = held->identity;
    file.handle = reinterpret_cast<FileHandle>(handle);
    return file;
}

Result<HeldIdentity> IdentityOfFile(FileHandle file) {
    return identityOf(asHandle(file));
}

std::optional<FileIdentity> IdentityAtPath(const QString& path) {
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    // No access rights asked: only the file's information is read, and a file that others hold
    // without sharing can still be asked.
    HANDLE handle =
        CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const auto held = identityOf(handle);
    CloseHandle(handle);
    if (!held)
        return std::nullopt;
    return held->identity;
}

void CloseFile(FileHandle file) {
    if (file != NoFile)
        CloseHandle(asHandle(file));
}

IoResult ReadAt(FileHandle file, qint64 pos, char* out, qint64 len) {
    // A negative offset would not be refused: -1 means "at the end of the file".
    if (pos < 0)
        return {-1, int(ERROR_NEGATIVE_SEEK)};
    OVERLAPPED where = at(pos);
    DWORD got = 0;
    const DWORD want = DWORD(qMin<qint64>(len, MAXDWORD));
    if (!ReadFile(asHandle(file), out, want, &got, &where)) {
        const DWORD reason = GetLastError();
        // A read that starts at or past the end.
        if (reason == ERROR_HANDLE_EOF)
            return {0, 0};
        return {-1, int(reason)};
    }
    return {qint64(got), 0};
}

IoResult WriteAt(FileHandle file, qint64 pos, const char* data, qint64 len) {
    // An offset of -1 would append to the file.
    if (pos < 0)
        return {-1, int(ERROR_NEGATIVE_SEEK)};
    qint64 done = 0;
    while (done < len) {
        OVERLAPPED where = at(pos + done);
        DWORD put = 0;
        const DWORD want = DWORD(qMin<qint64>(len - done, MAXDWORD));
        if (!WriteFile(asHandle(file), data + done, want, &put, &where))
            return {-1, int(GetLastError())};
        if (put == 0)
            return {-1, int(ERROR_WRITE_FAULT)};
        done += put;
    }
    return {done, 0};
}

int SyncFile(FileHandle file) {
    // A device (NUL, a console) has nothing to hand over to a disk.
    if (FlushFileBuffers(asHandle(file)))
        return 0;
    const DWORD reason = GetLastError();
    return GetFileType(asHandle(file)) == FILE_TYPE_DISK ? int(reason) : 0;
}

IoResult FileSize(FileHandle file) {
    LARGE_INTEGER size{};
    if (GetFileSizeEx(asHandle(file), &size))
        return {qint64(size.QuadPart), 0};
    const DWORD reason = GetLastError();
    // A device has no length, as on Linux, where it reports 0.
    if (GetFileType(asHandle(file)) != FILE_TYPE_DISK)
        return {0, 0};
    return {-1, int(reason)};
}

Result<QString> NameFreshFile(FileHandle, const QString&, const QString&) {
    // Every fresh file is made named here.
    return refusal(ERROR_NOT_SUPPORTED);
}

Result<FreshFile> CreateFreshFile(const QString& folder, const QString& tag, int) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = QDir(folder).filePath(FreshFileName(tag));
        // CREATE_NEW: never a file that someone else put there.
        HANDLE handle =
            CreateFileW(QDir::toNativeSeparators(name).toStdWString().c_str(), GENERIC_WRITE, 0,
                        nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS)
            continue;
        if (handle == INVALID_HANDLE_VALUE)
            return refusal(GetLastError());
        return FreshFile{reinterpret_cast<FileHandle>(handle), name};
    }
    return refusal(ERROR_FILE_EXISTS);
}

int CloseWrittenFile(FileHandle file) {
    return CloseHandle(asHandle(file)) ? 0 : int(GetLastError());
}

int MoveOver(const QString& from, const QString& to) {
    // A link at `to` is replaced as a name of its own, as rename does on POSIX.
    return MoveFileExW(QDir::toNativeSeparators(from).toStdWString().c_str(),
                       QDir::toNativeSeparators(to).toStdWString().c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : int(GetLastError());
}

void RemoveFile(const QString& path) {
    DeleteFileW(QDir::toNativeSeparators(path).toStdWString().c_str());
}

// Windows keeps no POSIX mode bits; a new file takes its folder's access rights.
int PermissionsOfFile(FileHandle) {
    return -1;
}

int PermissionsAtPath(const QString&) {
    return -1;
}

std::optional<NodeKind> NodeAtPath(const QString& path) {
    const DWORD attributes =
        GetFileAttributesW(QDir::toNativeSeparators(path).toStdWString().c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return std::nullopt;
    return NodeKind::Folder;
}

int FolderError() {
    return int(DirectoryNotSupported);
}

int NameTooLongError() {
    return int(ERROR_FILENAME_EXCED_RANGE);
}

int MissingFileError() {
    return int(ERROR_FILE_NOT_FOUND);
}

Result<AppendingFile> OpenForAppending(const QString& path, bool create, int) {
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    // GENERIC_WRITE, not FILE_APPEND_DATA alone: FlushFileBuffers needs it. Appends say so in
    // each write (AppendToFile). FILE_FLAG_OPEN_REPARSE_POINT opens a link itself, which is then
    // refused.
    HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                create ? OPEN_ALWAYS : OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return refusal(GetLastError());
    const bool created = create && GetLastError() != ERROR_ALREADY_EXISTS;
    const auto reject = [&](Outcome why) -> Result<AppendingFile> {
        CloseHandle(handle);
        if (created)
            DeleteFileW(name.c_str());
        return why;
    };
    if (const DWORD type = GetFileType(handle); type != FILE_TYPE_DISK)
        return reject(nonFile(type));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info))
        return reject(refusal(GetLastError()));
    if (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY))
        return reject(Outcome{.fault = ImageFault::NotAFile,
                              .node = info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY
                                          ? NodeKind::Folder
                                          : NodeKind::Link});
    return AppendingFile{reinterpret_cast<FileHandle>(handle), created};
}

IoResult AppendToFile(FileHandle file, const char* data, qint64 len) {
    // Both halves of the offset all ones: at the end of the file as it is at the write, in one
    // step, whoever else appends.
    OVERLAPPED end{};
    end.Offset = MAXDWORD;
    end.OffsetHigh = MAXDWORD;
    DWORD put = 0;
    if (!WriteFile(asHandle(file), data, DWORD(len), &put, &end))
        return {-1, int(GetLastError())};
    return put == DWORD(len) ? IoResult{len, 0} : IoResult{-1, int(ERROR_DISK_FULL)};
}

int SyncFolderOf(const QString&) {
    return 0;
}

int LockForWriting(FileHandle file, int waitMs) {
    // One byte far past any image's end: locking it keeps other writers out without holding up
    // a single read or write of the bytes themselves.
    for (int waited = 0;; waited += 10) {
        OVERLAPPED where = at(qint64(1) << 62);
        if (LockFileEx(asHandle(file), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                       &where))
            return 0;
        const DWORD error = GetLastError();
        if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING)
            return int(error);
        if (waited >= waitMs)
            return LockHeld;
        Sleep(10);
    }
}

void UnlockForWriting(FileHandle file) {
    OVERLAPPED where = at(qint64(1) << 62);
    UnlockFileEx(asHandle(file), 0, 1, 0, &where);
}

QString SystemReason(int error) {
    return formatted(DWORD(error));
}
