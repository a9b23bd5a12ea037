#include "rom/historyfile.h"

#include "rom/result.h"

#include <cstring>
#include <utility>

namespace {

// Fails with the system's code.
Result<QByteArray> readAt(FileHandle file, qint64 pos, qint64 len) {
    QByteArray bytes(len, Qt::Uninitialized);
    for (qint64 done = 0; done < len;) {
        const IoResult got = ReadAt(file, pos + done, bytes.data() + done, len - done);
        if (got.count < 0)
            return Outcome{.fault = ImageFault::SystemCall, .error = got.error};
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

// The whole entry that ends at `end` of the history in `file`, as the size before `end` gives it;
// nothing when those bytes are no whole entry. Fails with the system's code.
Result<std::optional<HistoryEntry>> entryEndingAt(FileHandle file, qint64 end) {
    if (end <= HistoryHeaderSize + 4)
        return std::optional<HistoryEntry>();
    const auto last = readAt(file, end - 4, 4);
    if (!last)
        return last.failure();
    const qint64 length = TrailingEntryLength(*last);
    if (length <= 0 || length > end - HistoryHeaderSize)
        return std::optional<HistoryEntry>();
    const auto bytes = readAt(file, end - length, length);
    if (!bytes)
        return bytes.failure();
    return DecodeEntry(*bytes);
}

// Reads the header and the last entry of the history in `file`, `size` bytes long (a mark with the
// record before it), and only when those do not tell the last number the whole file. `missing` gets
// the header bytes a history cut short as it was made still lacks. The outcome is
// HistoryFault::Unreadable's facts, without the file's names.
Outcome readTail(FileHandle file, qint64 size, HistoryTail* tail, QByteArray* missing) {
    const auto unreadable = [](qint64 version = NotAHistory, int error = 0) {
        return Outcome{.fault = HistoryFault::Unreadable, .version = version, .error = error};
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
    const auto last = entryEndingAt(file, size);
    if (!last)
        return unreadable(NotAHistory, last.failure().error);
    if (*last && !(*last)->mark) {
        tail->lastNumber = (*last)->record.number;
        tail->pending = (*last)->record;
        return {};
    }
    // A mark tells the last number only when the entry before it is the record it ends: a mark
    // may name a record that is not there, and its number would then come again.
    if (*last) {
        const qint64 end = size - EncodeMark(0, HistoryState::Done).size();
        const auto before = entryEndingAt(file, end);
        if (!before)
            return unreadable(NotAHistory, before.failure().error);
        if (*before && !(*before)->mark && (*before)->record.number == (*last)->record.number) {
            tail->lastNumber = (*before)->record.number;
            return {};
        }
    }
    // A cut-short or damaged end, or a mark not after its record: only a reading from the start
    // tells what went before it.
    const auto whole = readAt(file, 0, size);
    if (!whole)
        return failedRead(whole);
    *tail = tailOf(ParseHistory(*whole));
    return {};
}

Outcome historyFault(Outcome o, const QString& historyPath) {
    o.fault = HistoryFault::Unreadable;
    o.other = historyPath;
    return o;
}

// A history open for reading, with its identity and length; no file where there is none yet.
struct OpenHistory {
    FileHandle handle = NoFile;
    std::optional<FileIdentity> identity;
    qint64 size = 0;
    OpenHistory() = default;
    OpenHistory(OpenHistory&& o) noexcept
        : handle(std::exchange(o.handle, NoFile)), identity(o.identity), size(o.size) {}
    ~OpenHistory() { CloseFile(handle); }
};

// Opened for reading only, never made.
Result<OpenHistory> openToRead(const QString& historyPath) {
    OpenHistory open;
    if (!IdentityAtPath(historyPath) && !NodeAtPath(historyPath))
        return open;
    const auto file = OpenSystemFile(historyPath, false);
    if (!file)
        return historyFault(file.failure(), historyPath);
    open.handle = file->handle;
    open.identity = file->identity;
    const IoResult size = FileSize(open.handle);
    if (size.count < 0)
        return historyFault({.error = size.error}, historyPath);
    open.size = size.count;
    return open;
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
    Outcome o = fault(HistoryFault::NotWritten, why.error);
    o.node = why.node;
    o.hasNode = why.fault == ImageFault::NotAFile;
    return o;
}

Outcome HistoryFile::open() {
    // A history is made only with its first record: a command that is refused leaves none.
    if (Outcome opened = openFile(false); opened.failed()) {
        if (opened.hasNode || opened.error != MissingFileError())
            return opened;
        m_missing = HistoryHeader();
        return {};
    }
    const IoResult size = FileSize(m_file);
    if (size.count < 0)
        return fault(HistoryFault::NotWritten, size.error);
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
        return fault(HistoryFault::NotWritten, put.error);
    m_missing.clear();
    return {};
}

Outcome HistoryFile::sync() {
    if (const int error = m_rom.syncHandle(m_file))
        return fault(HistoryFault::NotWritten, error);
    if (m_created) {
        if (const int error = m_rom.syncFolderOf(m_rom.historyPath()))
            return fault(HistoryFault::NotWritten, error);
        m_created = false;
    }
    return {};
}

HistoryReading ReadHistory(const QString& historyPath, bool tailOnly) {
    HistoryReading reading;
    if (!tailOnly) {
        HistoryReader reader(historyPath);
        reading.fault = reader.read();
        reading.log = std::move(reader).take();
        reading.tail = tailOf(reading.log);
        return reading;
    }
    const auto file = openToRead(historyPath);
    QByteArray missing;
    if (!file)
        reading.fault = file.failure();
    else if (file->handle != NoFile)
        if (Outcome read = readTail(file->handle, file->size, &reading.tail, &missing);
            read.failed())
            reading.fault = historyFault(read, historyPath);
    return reading;
}

bool HistoryReader::readBefore(FileHandle file) const {
    // A history is only appended to: bytes read before that now differ mean it was rewritten in
    // place, at whatever length. Its start and the stretch the last read ended on are compared,
    // byte for byte (a checksum of whole entries, each ending in its own CRC-32, would be the
    // same for any): reading all of it again would cost what reading only what was appended
    // saves.
    for (const Seen& seen : m_seen)
        if (const auto bytes = readAt(file, seen.from, seen.bytes.size());
            !bytes || *bytes != seen.bytes)
            return false;
    return true;
}

Outcome HistoryReader::read() {
    const auto file = openToRead(m_path);
    if (!file || file->identity != m_identity || file->size < m_length ||
        (file->handle != NoFile && !readBefore(file->handle)))
        *this = HistoryReader(m_path);
    if (!file)
        return file.failure();
    if (file->handle == NoFile)
        return {};
    const qint64 from = m_parser.settled();
    const auto fresh = readAt(file->handle, from, file->size - from);
    if (!fresh) {
        *this = HistoryReader(m_path);
        return historyFault(fresh.failure(), m_path);
    }
    m_parser.read(*fresh);
    m_identity = file->identity;
    m_length = from + fresh->size();
    // What the next read compares: the start, and the end of what it will not read again.
    const qint64 settled = m_parser.settled();
    m_seen.clear();
    const std::pair<qint64, qint64> stretches[] = {
        {0, std::min(settled, SeenBytes)}, {std::max(SeenBytes, settled - SeenBytes), settled}};
    for (const auto& [at, end] : stretches) {
        if (end <= at)
            continue;
        if (at >= from && end <= from + fresh->size())
            m_seen.push_back({at, fresh->mid(at - from, end - at)});
        else if (const auto again = readAt(file->handle, at, end - at); again)
            m_seen.push_back({at, *again});
    }
    const HistoryLog& log = m_parser.log();
    if (log.foreign || (log.version != HistoryVersion && m_length >= HistoryHeaderSize))
        return historyFault({.version = log.foreign ? NotAHistory : log.version}, m_path);
    return {};
}
