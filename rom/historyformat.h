#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <vector>

// The layout of an image's history file, IMAGE.history: every transaction written into the image,
// with the bytes it replaced and the bytes it wrote, kept in the order they were made. The file is
// only ever appended to. docs/history.md describes the layout for other tools.

// What made a transaction, as the file stores it.
enum class MadeBy : quint8 { Editor = 1, Import = 2, Rename = 3, Undo = 4 };

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
    qint64 damaged = 0; // bytes that were no whole entry, skipped
    quint32 lastNumber = 0;
};
// Damaged or cut-short entries are skipped, so that one bad stretch loses nothing around it. The
// cost is linear in the size of `bytes`, however they were made.
HistoryLog ParseHistory(QByteArrayView bytes);
