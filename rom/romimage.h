#pragma once

#include "rom/newfile.h"
#include "rom/outcome.h"
#include "rom/result.h"
#include "rom/systemfile.h"
#include "rom/writekey.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <stdexcept>
#include <unordered_map>

// An error of the image layer. Callers decide what the user is told; the outcome names the
// operation, the offset, the file and the operating system's code.
class RomError : public std::runtime_error {
public:
    explicit RomError(Outcome outcome);
    const Outcome& outcome() const { return m_outcome; }

private:
    Outcome m_outcome;
};

// The one open image. Reads go through a small page cache so that a table load costs a few system
// calls instead of one per byte; every write goes straight to the file and into the cached page,
// so a read after a write returns the written value. refresh() drops the cache: each table load
// calls it first and so sees the file as it stands on disk, changes by other programs included.
class RomImage {
public:
    RomImage(const QString& path, OpenedFile file);
    virtual ~RomImage();
    RomImage(const RomImage&) = delete;
    RomImage& operator=(const RomImage&) = delete;

    const QString& path() const { return m_path; }
    bool isReadOnly() const { return m_readOnly; }

    // Whether the path still leads to the file this image holds open. Another program may have
    // saved the image by writing a new file and renaming it over this one (Replaced), or deleted
    // or moved it (Gone); writes through the old file would then reach nobody.
    enum class PathState { Same, Replaced, Gone };
    PathState pathState() const;

    // The history and the backup lie beside the file that the path leads to, links followed, so
    // that every name of the image through a link finds the same ones. (Hard links are names of
    // their own: each keeps its own history.)
    const QString& filePath() const { return m_filePath; }

    // From now on, the first write of this opening first copies the file as it stands to
    // backupPath(); later writes leave that copy alone. The backup's calls are in imagebackup.cpp.
    void enableBackup() { m_backupWanted = true; }
    bool backupWanted() const { return m_backupWanted; }
    bool backupMade() const { return m_backupMade; }
    QString backupPath() const { return m_filePath + QStringLiteral(".bak"); }
    // Makes the backup in two steps, so that an older backup is replaced only once the image will
    // be written: prepareBackup() copies the image as it stands to a fresh file beside it and
    // syncs it, placeBackup() moves that copy over backupPath(). Both do nothing unless a backup
    // is wanted and not yet made. RomError when it cannot be made; nothing has been written to the
    // image then, and the older backup stands.
    void prepareBackup();
    void placeBackup();
    // Both at once.
    void ensureBackup() {
        prepareBackup();
        placeBackup();
    }
    // Removes the fresh files that a writer of this image, killed while it made the backup, left
    // beside it. Only the holder of the writers' lock calls it: no other writer of ours is making
    // one then.
    void removeStaleTemporaries();
    // What the fresh files of this image's backup have in their names (see FreshFileName).
    QString backupTag() const;

    // The file's length as the operating system reports it now.
    qint64 size() const;
    void refresh();

    // Fills out[0..len) from position pos; bytes at or past the end read as 0. A negative
    // position is refused with RomError::BadOffset, and nothing is read or written.
    void read(qint64 pos, quint8* out, qint64 len);
    QByteArray bytes(qint64 pos, qint64 len);
    quint8 readByte(qint64 pos);
    // Writes one byte at once; a write past the end extends the file, the gap reading as 0.
    void write(const WriteKey& key, qint64 pos, quint8 value);
    // Writes `bytes` at `pos` without making the backup first: a recovery puts back what an
    // interrupted write changed, and the backup must not take the half-written image.
    void restore(const WriteKey& key, qint64 pos, QByteArrayView bytes);
    // Hands the written bytes to the disk.
    void sync();

    // The history beside the image (see historyfile.h), and the calls that write and sync it,
    // which go through the same seam as the image's own.
    QString historyPath() const { return m_filePath + QStringLiteral(".history"); }
    // A file opened by name keeps a history beside it; one with no name (in memory) has nowhere
    // to keep it.
    bool keepsHistory() const { return m_identity.has_value(); }
    IoResult appendTo(FileHandle file, QByteArrayView bytes) {
        return appendRaw(file, bytes.data(), bytes.size());
    }
    int syncHandle(FileHandle file) { return syncRaw(file); }
    int syncFolderOf(const QString& path) { return syncFolderRaw(path); }
    int permissions() const { return PermissionsOfFile(m_file); }

    // The writers' lock (see LockForWriting): 0, or the system's code.
    int lockForWriting(int waitMs) { return LockForWriting(m_file, waitMs); }
    void unlockForWriting() { UnlockForWriting(m_file); }

protected:
    // The system calls behind the cache and the history, virtual so that tests can inject
    // faults and crashes.
    virtual IoResult readRaw(qint64 pos, char* out, qint64 len);
    // The file's length; an image held in memory gives its own.
    virtual IoResult sizeRaw() const;
    virtual IoResult writeRaw(qint64 pos, const char* data, qint64 len);
    virtual IoResult appendRaw(FileHandle file, const char* data, qint64 len);
    // Syncs the image (`file` is its handle) or its history.
    virtual int syncRaw(FileHandle file);
    virtual int syncFolderRaw(const QString& path);
    FileHandle handle() const { return m_file; }

private:
    static constexpr qint64 PageSize = 4096;
    using Page = std::array<quint8, PageSize>;
    const Page& page(qint64 index);
    Outcome outcome(Fault fault, Operation operation, qint64 pos) const;
    [[noreturn]] void fail(Operation operation, qint64 pos, int error) const;
    void checkPosition(Operation operation, qint64 pos) const;

    QString m_path;
    QString m_filePath;
    FileHandle m_file;
    bool m_readOnly;
    std::optional<FileIdentity> m_identity;
    bool m_backupWanted = false;
    bool m_backupMade = false;
    std::unique_ptr<NewFile> m_preparedBackup;
    std::unordered_map<qint64, std::unique_ptr<Page>> m_pages;
    // The page the last read used: a table load reads one page byte after byte.
    qint64 m_lastIndex = -1;
    const Page* m_lastPage = nullptr;
};

// Opens an image as a RomImage, or says why not: NotAFile or a SystemCall of Operation::Read.
Result<std::unique_ptr<RomImage>> OpenRomImage(const QString& path);

// The file that `path` leads to through the symbolic links at it, even when nothing stands there
// yet; `path` itself when it is no link, or a loop of them.
QString FollowLinks(const QString& path);
