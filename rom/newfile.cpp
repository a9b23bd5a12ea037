#include "rom/newfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

std::function<int(NewFileStep)>& fault() {
    static std::function<int(NewFileStep)> hook;
    return hook;
}

int injected(NewFileStep step) {
    return fault() ? fault()(step) : 0;
}

} // namespace

QString FreshFileName(const QString& tag) {
    const QString digits =
        QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    return tag.isEmpty() ? QStringLiteral(".tolvane-%1.tmp").arg(digits)
                         : QStringLiteral(".tolvane-%1-%2.tmp").arg(tag, digits);
}

void SetNewFileFault(std::function<int(NewFileStep)> hook) {
    fault() = std::move(hook);
}

NewFile::~NewFile() {
    if (m_file != NoFile)
        CloseFile(m_file);
    if (!m_temporary.isEmpty())
        RemoveFile(m_temporary);
}

bool NewFile::failed(int error) {
    m_error = error;
    if (m_file != NoFile)
        CloseFile(m_file);
    m_file = NoFile;
    if (!m_temporary.isEmpty())
        RemoveFile(m_temporary);
    m_temporary.clear();
    return false;
}

bool NewFile::open(int permissions) {
    const auto made = CreateFreshFile(QFileInfo(m_path).absolutePath(), m_tag, permissions);
    if (!made)
        return failed(made.failure().error);
    m_file = made->handle;
    m_temporary = made->path;
    return true;
}

bool NewFile::write(const char* data, qint64 len) {
    if (m_file == NoFile)
        return false;
    if (const int error = injected(NewFileStep::Write))
        return failed(error);
    const IoResult done = WriteAt(m_file, m_written, data, len);
    if (done.count != len)
        return failed(done.error);
    m_written += len;
    return true;
}

bool NewFile::finish() {
    if (m_file == NoFile)
        return false;
    if (int error = injected(NewFileStep::Sync); error || (error = SyncFile(m_file)))
        return failed(error);
    // An unnamed file gets its name only now, whole and synced, just before it is moved into
    // place: a writer killed before this leaves nothing in the folder.
    if (m_temporary.isEmpty()) {
        const auto named = NameFreshFile(m_file, QFileInfo(m_path).absolutePath(), m_tag);
        if (!named)
            return failed(named.failure().error);
        m_temporary = *named;
    }
    const int closed = CloseWrittenFile(m_file);
    m_file = NoFile;
    if (closed)
        return failed(closed);
    return true;
}

bool NewFile::place() {
    if (m_temporary.isEmpty() || m_file != NoFile)
        return false;
    if (const int error = MoveOver(m_temporary, m_path))
        return failed(error);
    m_temporary.clear();
    // The new name reaches the disk with its folder: until then a power loss may bring back
    // the old file, or none.
    if (int error = injected(NewFileStep::FolderSync); error || (error = SyncFolderOf(m_path))) {
        m_error = error;
        return false;
    }
    return true;
}

QStringList StaleTemporaries(const QString& folder, const QString& tag) {
    const QDir dir(folder);
    QStringList found;
    for (const QString& name :
         dir.entryList({FreshFilePattern(tag)}, QDir::Files | QDir::Hidden | QDir::System))
        found << dir.filePath(name);
    return found;
}
