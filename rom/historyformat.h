#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <unordered_map>
#include <vector>

// The layout of an image's history file, IMAGE.history: every transaction written into the image,
// with the bytes it replaced and the bytes it wrote, kept in the order they were made. The file is
// only ever appended to. docs/history.md describes the layout for other tools.

// What made a transaction, as the file stores it.
enum class MadeBy : quint8 { Editor = 1, Import = 2, Rename = 3, Undo = 4, Edit = 5, Script = 6 };

// How a transaction ended: recorded by a mark after its record. A record with no mark is pending:
// its writes may have been cut short.
enum class HistoryState : quint8 {
    Pending = 0,
    Done = 'D',       // every byte went in
    RolledBack = 'R', // none stands: it was put back, or never written
    Left = 'L',       // the image held other bytes at its next opening; nothing was written then
};

// One run of bytes a transaction writes: `before` as the file held it, `after` as written.
struct HistoryRange {
    qint64 offset = 0;
    QByteArray before;
    QByteArray after;
};

struct HistoryRecord {
    quint32 number = 0;
    qint64 time = 0;      // milliseconds since 1970-01-01 UTC
    qint32 utcOffset = 0; // seconds east of UTC in the local time of its making
    MadeBy madeBy = MadeBy::Editor;
    quint32 undoes = 0; // the record an undo puts back; 0 for none
    std::vector<HistoryRange> ranges;
    HistoryState state = HistoryState::Pending;
};

inline constexpr quint32 HistoryVersion = 1;
inline constexpr int HistoryHeaderSize = 16;

QByteArray HistoryHeader();
QByteArray EncodeRecord(const HistoryRecord& record);
QByteArray EncodeMark(quint32 number, HistoryState state);

// One whole entry of the file, as its framing and checksum vouch for.
struct HistoryEntry {
    bool mark = false;
    HistoryRecord record; // a mark fills only number and state
};
// The entry that occupies exactly `bytes`, or nothing when they are not one whole, intact entry.
std::optional<HistoryEntry> DecodeEntry(QByteArrayView bytes);
// The length of the entry that ends at the end of `tail`, as its last four bytes give it.
qint64 TrailingEntryLength(QByteArrayView tail);

// A whole history, read from the start: every record with the state its mark gives.
struct HistoryLog {
    bool foreign = false; // the file is not a history: it does not begin with the header
    quint32 version = 0;  // the header's; a newer one than HistoryVersion is not read further
    std::vector<HistoryRecord> records;
    qint64 damaged = 0;     // bytes that were no whole entry, skipped
    quint32 lastNumber = 0; // the highest number of a record; marks count for nothing
};
// Damaged or cut-short entries are skipped, so that one bad stretch loses nothing around it. The
// cost is linear in the size of `bytes`, however they were made.
HistoryLog ParseHistory(QByteArrayView bytes);

// A history read as it grows, a stretch at a time: after each read(), log() is what ParseHistory
// gives of every byte read so far. What the end of those bytes leaves in doubt (an entry that
// may yet be whole, damage that a magic may yet end) is read again with the next stretch, so a
// mark always finds the record it ends, however the appends fell.
class HistoryParser {
public:
    // `bytes` are the file's from settled() on, to its end now.
    void read(QByteArrayView bytes);
    // Where the next read() begins: nothing appended changes what the bytes before it say.
    qint64 settled() const { return m_settled; }
    const HistoryLog& log() const { return m_log; }
    HistoryLog take() && { return std::move(m_log); }
    // The first record that the last read() added or gave another state: those before it are as
    // the read before left them.
    size_t changedFrom() const { return m_changedFrom; }

private:
    void apply(HistoryEntry&& entry);
    void undoDoubt();

    HistoryLog m_log;
    qint64 m_settled = 0;
    size_t m_changedFrom = 0;
    // The newest record of each number, by index, made the first time a mark is not of the last
    // record (a mark follows its record): searching back for every such mark would be quadratic.
    std::unordered_map<quint32, size_t> m_newest;
    // What the part in doubt did to the log, undone before it is read again.
    struct Doubt {
        size_t records = 0;
        qint64 damaged = 0;
        quint32 lastNumber = 0;
        std::vector<std::pair<size_t, HistoryState>> states; // each record's state before
    };
    std::optional<Doubt> m_doubt;
};
