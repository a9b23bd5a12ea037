#pragma once

#include "rom/outcome.h"
#include "rom/result.h"

#include <QString>

#include <cstdint>
#include <optional>

// The operating system's file calls under the image layer. Exactly one implementation is built:
// systemfile_posix.cpp on Linux, systemfile_win32.cpp on Windows.

// A POSIX file descriptor or a Windows HANDLE, whichever the system hands out.
using FileHandle = std::intptr_t;
inline constexpr FileHandle NoFile = -1;

// Which file a name leads to: the device and inode on POSIX, the volume serial number and file
// index on Windows. Two names of one file give the same identity; a file written anew and renamed
// over the old name gives another.
struct FileIdentity {
    quint64 volume = 0;
    quint64 index = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// A file opened on an image, before it is wrapped in a RomImage. `identity` is known when it was
// opened by name; a file made otherwise (an in-memory one) has no name to check against.
struct OpenedFile {
    FileHandle handle = NoFile;
    bool readOnly = false;
    std::optional<FileIdentity> identity;
};

// What one call did: the bytes it moved, or -1 with the system's error code.
struct IoResult {
    qint64 count = -1;
    int error = 0;
};

// Opens `path` for reading and writing; a file that can only be read is opened for reading alone
// (every write through it then fails with a clear message). Another program may read and write
// the file while it is open. Only a regular file is taken: a directory, a missing path, a FIFO, a
// socket or a device is refused, and the open never waits for another process (a FIFO with no
// writer would block it forever). A refusal says why: NotAFile with what stands there, or the
// system's code (a folder is refused with the system's own code for one).
// With `writable` false, the file is opened for reading alone, as one that cannot be written is.
Result<OpenedFile> OpenSystemFile(const QString& path, bool writable);
inline Result<OpenedFile> OpenImageFile(const QString& path) {
    return OpenSystemFile(path, true);
}
inline Result<OpenedFile> OpenImageFileForReading(const QString& path) {
    return OpenSystemFile(path, false);
}
void CloseFile(FileHandle file);

// An open file's identity, and how many names it still has: 0 once it was deleted.
struct HeldIdentity {
    FileIdentity identity;
    int links = 0;
};
// Fails with the system's code.
Result<HeldIdentity> IdentityOfFile(FileHandle file);
// The identity of the file that `path` names now, or nothing when no file is there.
std::optional<FileIdentity> IdentityAtPath(const QString& path);

// Positioned reads and writes; an interrupted call is resumed. A read past the end moves 0 bytes.
// A negative position is refused with the system's code for an invalid argument.
IoResult ReadAt(FileHandle file, qint64 pos, char* out, qint64 len);
IoResult WriteAt(FileHandle file, qint64 pos, const char* data, qint64 len);
// Hands the written bytes to the disk: 0, or the system's error code.
int SyncFile(FileHandle file);
// The file's length as the system reports it now, in `count`.
IoResult FileSize(FileHandle file);

// A file made in `folder`, open for writing. Where the system has them (Linux), it is an unnamed
// file, `path` empty, which vanishes with its handle, so a writer killed at any point leaves
// nothing behind; elsewhere it is made under a fresh name, FreshFileName(tag), where nothing
// stood. With `permissions` (POSIX mode bits) it has exactly those, else the system's default
// for a new file. Fails with the system's code.
struct FreshFile {
    FileHandle handle = NoFile;
    QString path;
};
Result<FreshFile> CreateFreshFile(const QString& folder, const QString& tag, int permissions);
// Gives an unnamed fresh file of `folder` a fresh name there, FreshFileName(tag), so that it can be
// moved into place: the name, or the system's code. Only systems that make unnamed files have
// this; elsewhere it fails.
Result<QString> NameFreshFile(FileHandle file, const QString& folder, const QString& tag);
// ".tolvane-1a2b3c4d.tmp", or with a tag ".tolvane-TAG-1a2b3c4d.tmp": a short name of its own, as
// one derived from the final name could be too long where the final name itself fits. The
// pattern matches every name made with `tag`, and none made without it.
QString FreshFileName(const QString& tag);
inline QString FreshFilePattern(const QString& tag) {
    return QStringLiteral(".tolvane-%1-*.tmp").arg(tag);
}
// Closes a file that was written to: 0, or the system's code (some file systems report a failed
// write only here).
int CloseWrittenFile(FileHandle file);
// Moves the file at `from` over `to` in one step: 0, or the system's code. Whatever stands at `to`
// is replaced, never written through; a link there is replaced, not followed.
int MoveOver(const QString& from, const QString& to);
void RemoveFile(const QString& path);
// The permission bits of an open file, or of the file a path leads to; -1 where there are none to
// copy (Windows, a missing path).
int PermissionsOfFile(FileHandle file);
int PermissionsAtPath(const QString& path);
// What stands at `path` itself, links not followed, when it is neither a regular file, a link nor
// nothing. A new file must never be moved over one.
std::optional<NodeKind> NodeAtPath(const QString& path);
// The system's code for "this is a folder", which names a folder in messages.
int FolderError();
// The system's code for a name longer than the file system takes.
int NameTooLongError();

// Takes the image's writers' lock on `file`, waiting up to `waitMs` for another writer to let go:
// 0, LockHeld when the wait ran out, or the system's code when the file system keeps no such
// locks (some network and FUSE ones), where writers can only go ahead unguarded. Readers are
// never held up: the lock guards writers against each other, not the bytes.
inline constexpr int LockHeld = -1;
int LockForWriting(FileHandle file, int waitMs);
void UnlockForWriting(FileHandle file);

// Opens the file at `path` for reading and appending. With `create`, it is made with
// `permissions` (POSIX mode bits, or -1 for the system's default) where nothing stands, and
// `created` says whether it was made now; without, nothing there is refused with the system's
// code for a missing file (MissingFileError). A link at the path is never followed and only a
// regular file is taken: anything else is refused as NotAFile, and the system's own refusal comes
// with its code.
struct AppendingFile {
    FileHandle handle = NoFile;
    bool created = false;
};
Result<AppendingFile> OpenForAppending(const QString& path, bool create, int permissions);
int MissingFileError();
// Writes `len` bytes at the end of the file in one call.
IoResult AppendToFile(FileHandle file, const char* data, qint64 len);
// Hands the folder that holds `path` to the disk, so that a file just made there is found after a
// power loss: 0, or the system's code. Windows keeps a folder's entries safe by itself.
int SyncFolderOf(const QString& path);

// The system's own text for an error code, empty where it has none (the wording module then
// names the code).
QString SystemReason(int error);
