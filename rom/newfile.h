#pragma once

#include "rom/systemfile.h"

#include <QString>
#include <QStringList>

#include <functional>

// A file that takes the place of whatever stands at a path only once every byte of it is written
// and on disk. It is written in the same folder, unnamed where the system allows (a writer killed
// meanwhile leaves nothing), synced, given a fresh name, closed and moved over the path in one
// step, so a failure at any of these leaves nothing at the path but what stood there before; the
// folder is synced last, and its failure is reported though the file stands. What stands there
// is replaced, never written through: a link at the path is replaced itself, its target kept.
class NewFile {
public:
    // `tag` goes into the fresh name, so that what a killed writer left can be found by it later
    // (see StaleTemporaries).
    explicit NewFile(const QString& path, const QString& tag = {}) : m_path(path), m_tag(tag) {}
    ~NewFile();
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    // Each step returns false with the system's code in error() and leaves nothing at the path;
    // a later step is then refused too. `permissions`: POSIX mode bits, or -1 for the system's
    // default for a new file.
    bool open(int permissions = -1);
    bool write(const char* data, qint64 len);
    // commit() is finish() then place(): the file is synced and closed under its fresh name, then
    // moved over the path and its folder synced. Between the two, nothing at the path has changed.
    bool commit() { return finish() && place(); }
    bool finish();
    bool place();

    int error() const { return m_error; }

private:
    bool failed(int error);

    QString m_path;
    QString m_tag;
    QString m_temporary;
    FileHandle m_file = NoFile;
    qint64 m_written = 0;
    int m_error = 0;
};

// A seam for tests: while set, every write and every sync of a NewFile asks it first, and fails
// with the system's code it returns (0 lets the call through). A full disk shows at either.
enum class NewFileStep { Write, Sync, FolderSync };
void SetNewFileFault(std::function<int(NewFileStep)> fault);

// The fresh files that NewFiles with `tag` made in `folder` and never moved into place: what a
// writer killed in the middle leaves. Only the writer that holds the lock of their image may
// remove them.
QStringList StaleTemporaries(const QString& folder, const QString& tag);
