#include "rom/historyfile.h"

#include <cstring>

namespace {

// Fails with the system's code.
Result<QByteArray> readAt(FileHandle file, qint64 pos, qint64 len) {
    QByteArray bytes(len, Qt::Uninitialized);
    for (qint64 done = 0; done < len;) {
        const IoResult got = ReadAt(file, pos + done, bytes.data() + done, len - done);
        if (got.count < 0)
            return Outcome{.fault = Fault::SystemCall, .error = got.error};
        if (got.count == 0)
            return bytes.left(done);
        done += got.count;
    }
    return bytes;
}

// The end of a history read whole: its newest number, and its last record if no mark ended it.
HistoryTail tailOf(const HistoryLog& log) {
    HistoryTail tail{log.lastNumber, std::nullopt};
    if (!log.records.empty() && log.records.back().state == HistoryState::Pending)
        tail.pending = log.records.back();
    return tail;
}

// Reads the header and the last entry of the history in `file`, `size` bytes long, and only when
// that entry is damaged the whole file. `missing` gets the header bytes a history cut short as it
// was made still lacks. The outcome is HistoryUnreadable's facts, without the file's names.
Outcome readTail(FileHandle file, qint64 size, HistoryTail* tail, QByteArray* missing) {
    const auto unreadable = [](qint64 version = NotAHistory, int error = 0) {
        return Outcome{.fault = Fault::HistoryUnreadable, .version = version, .error = error};
    };
    const auto failedRead = [&](const Result<QByteArray>& read) {
        return unreadable(NotAHistory, read.failure().error);
    };
    const QByteArray header = HistoryHeader();
    const auto start = readAt(file, 0, std::min<qint64>(size, HistoryHeaderSize));
    if (!start)
        return failedRead(start);
    if (start->size() < HistoryHeaderSize) {
        if (!header.startsWith(*start))
            return unreadable();
        *missing = header.mid(start->size());
        return {};
    }
    const HistoryLog head = ParseHistory(*start);
    if (head.foreign || head.version != HistoryVersion)
        return unreadable(head.foreign ? NotAHistory : head.version);
    if (size == HistoryHeaderSize)
        return {};
    const auto last = readAt(file, size - 4, 4);
    if (!last)
        return failedRead(last);
    const qint64 length = TrailingEntryLength(*last);
    if (length > 0 && length <= size - HistoryHeaderSize) {
        const auto bytes = readAt(file, size - length, length);
        if (!bytes)
            return failedRead(bytes);
        if (const auto entry = DecodeEntry(*bytes)) {
            tail->lastNumber = entry->record.number;
            if (!entry->mark)
                tail->pending = entry->record;
            return {};
        }
    }
    // A cut-short or damaged end: only a reading from the start tells what went before it.
    const auto whole = readAt(file, 0, size);
    if (!whole)
        return failedRead(whole);
    *tail = tailOf(ParseHistory(*whole));
    return {};
}

} // namespace

HistoryFile::~HistoryFile() {
    CloseFile(m_file);
}

Outcome HistoryFile::fault(Fault fault, int error) const {
    return Outcome{
        .fault = fault, .file = m_rom.path(), .other = m_rom.historyPath(), .error = error};
}

Outcome HistoryFile::openFile(bool create) {
    const auto opened = OpenForAppending(m_rom.historyPath(), create, m_rom.permissions());
    if (opened) {
        m_file = opened->handle;
        m_created = opened->created;
        return {};
    }
    const Outcome& why = opened.failure();
    Outcome o = fault(Fault::HistoryNotWritten, why.error);
    o.node = why.node;
    o.changed = why.fault == Fault::NotAFile; // `node` says what stands there
    return o;
}

Outcome HistoryFile::open() {
    // A history is made only with its first record: a command that is refused leaves none.
    if (Outcome opened = openFile(false); opened.failed()) {
        if (opened.changed || opened.error != MissingFileError())
            return opened;
        m_missing = HistoryHeader();
        return {};
    }
    const IoResult size = FileSize(m_file);
    if (size.count < 0)
        return fault(Fault::HistoryNotWritten, size.error);
    Outcome read = readTail(m_file, size.count, &m_tail, &m_missing);
    if (read.failed()) {
        read.file = m_rom.path();
        read.other = m_rom.historyPath();
    }
    return read;
}

Outcome HistoryFile::append(const QByteArray& entry) {
    if (m_file == NoFile)
        if (Outcome made = openFile(true); made.failed())
            return made;
    // A history made anew gets its header with its first entry, in the same write.
    const QByteArray bytes = m_missing.isEmpty() ? entry : m_missing + entry;
    const IoResult put = m_rom.appendTo(m_file, bytes);
    if (put.count != bytes.size())
        return fault(Fault::HistoryNotWritten, put.error);
    m_missing.clear();
    return {};
}

Outcome HistoryFile::sync() {
    if (const int error = m_rom.syncHandle(m_file))
        return fault(Fault::HistoryNotWritten, error);
    if (m_created) {
        if (const int error = m_rom.syncFolderOf(m_rom.historyPath()))
            return fault(Fault::HistoryNotWritten, error);
        m_created = false;
    }
    return {};
}

HistoryReading ReadHistory(const QString& historyPath, bool tailOnly) {
    HistoryReading reading;
    const auto fail = [&](Outcome o) {
        o.fault = Fault::HistoryUnreadable;
        o.other = historyPath;
        reading.fault = o;
        return reading;
    };
    if (!IdentityAtPath(historyPath) && !NodeAtPath(historyPath))
        return reading; // no history yet
    const auto file = OpenSystemFile(historyPath, false);
    if (!file)
        return fail(file.failure());
    struct Closer {
        FileHandle f;
        ~Closer() { CloseFile(f); }
    } closer{file->handle};
    const IoResult size = FileSize(file->handle);
    if (size.count < 0)
        return fail(Outcome{.error = size.error});
    if (tailOnly) {
        QByteArray missing;
        if (Outcome read = readTail(file->handle, size.count, &reading.tail, &missing);
            read.failed())
            return fail(read);
        return reading;
    }
    const auto whole = readAt(file->handle, 0, size.count);
    if (!whole)
        return fail(whole.failure());
    reading.log = ParseHistory(*whole);
    if (reading.log.foreign ||
        (reading.log.version != HistoryVersion && whole->size() >= HistoryHeaderSize))
        return fail(Outcome{.version = reading.log.foreign ? NotAHistory : reading.log.version});
    reading.tail = tailOf(reading.log);
    return reading;
}
