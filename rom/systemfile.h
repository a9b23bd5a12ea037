#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The operating system's file calls under the image layer. Exactly one implementation is built:
// systemfile_posix.cpp on Linux, systemfile_win32.cpp on Windows.

// A POSIX file descriptor or a Windows HANDLE, whichever the system hands out.
using FileHandle = std::intptr_t;
inline constexpr FileHandle NoFile = -1;

// A file opened on an image, before it is wrapped in a RomImage.
struct OpenedFile {
    FileHandle handle = NoFile;
    bool readOnly = false;
};

// What one call did: the bytes it moved, or -1 with the system's error code.
struct IoResult {
    qint64 count = -1;
    int error = 0;
};

// Opens `path` for reading and writing; a file that can only be read is opened for reading alone
// (every write through it then fails with a clear message). Another program may read and write
// the file while it is open. A directory or a missing path is refused. On failure `error` gets the
// operating system's reason.
// With `writable` false, the file is opened for reading alone, as one that cannot be written is.
std::optional<OpenedFile> OpenSystemFile(const QString& path, bool writable, QString* error);
inline std::optional<OpenedFile> OpenImageFile(const QString& path, QString* error) {
    return OpenSystemFile(path, true, error);
}
inline std::optional<OpenedFile> OpenImageFileForReading(const QString& path, QString* error) {
    return OpenSystemFile(path, false, error);
}
void CloseFile(FileHandle file);

// Positioned reads and writes; an interrupted call is resumed. A read past the end moves 0 bytes.
IoResult ReadAt(FileHandle file, qint64 pos, char* out, qint64 len);
IoResult WriteAt(FileHandle file, qint64 pos, const char* data, qint64 len);
// Hands the written bytes to the disk: 0, or the system's error code.
int SyncFile(FileHandle file);
// The file's length as the system reports it now, in `count`.
IoResult FileSize(FileHandle file);

// The system's own text for an error code.
QString SystemReason(int error);
// The code the system gives when a write finds the disk full.
int DiskFullError();
