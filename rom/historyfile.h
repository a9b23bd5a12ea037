#pragma once

#include "rom/historyformat.h"
#include "rom/outcome.h"
#include "rom/romimage.h"

#include <optional>

// An image's history file, IMAGE.history, as the writers use it: opened for one transaction or one
// recovery, read at its end, appended to and synced through the image's own seam.

// What the end of a history says, read without reading the rest.
struct HistoryTail {
    quint32 lastNumber = 0;
    // The newest record when no mark has ended it: its writes may have been cut short.
    std::optional<HistoryRecord> pending;
};

class HistoryFile {
public:
    explicit HistoryFile(RomImage& rom) : m_rom(rom) {}
    ~HistoryFile();
    HistoryFile(const HistoryFile&) = delete;
    HistoryFile& operator=(const HistoryFile&) = delete;

    // Opens the history for appending and reads its end; where there is none, it is made with
    // the image's permissions at the first append. Refused, with nothing written: a link, a FIFO
    // or a folder at its name, a file that is no history of ours or of another version, or the
    // system's refusal.
    Outcome open();
    const HistoryTail& tail() const { return m_tail; }

    // Appends one entry in one write.
    Outcome append(const QByteArray& entry);
    // Hands what was appended to the disk; after the file was made, its folder too.
    Outcome sync();

private:
    Outcome fault(Fault fault, int error = 0) const;
    Outcome openFile(bool create);

    RomImage& m_rom;
    FileHandle m_file = NoFile;
    bool m_created = false;
    QByteArray m_missing; // the header bytes a new history still lacks
    HistoryTail m_tail;
};

// What the history of the image at `imagePath` holds: its end alone when `tailOnly`, else every
// record. A missing history is an empty one. Opened for reading only, never made.
struct HistoryReading {
    Outcome fault; // HistoryFault::Unreadable: why it cannot be read
    HistoryTail tail;
    HistoryLog log; // with !tailOnly
};
HistoryReading ReadHistory(const QString& historyPath, bool tailOnly);

// The history at `historyPath` read as it grows: each read() takes in only what was appended
// since the last, and then log() is what ReadHistory(historyPath, false) gives of the whole file.
// A file shorter than at the last read, another file at the name, or one rewritten in place (its
// first bytes, or the last it had read, differ from what that read found) is read from the start.
class HistoryReader {
public:
    explicit HistoryReader(const QString& historyPath) : m_path(historyPath) {}
    const QString& path() const { return m_path; }
    // ReadHistory's fault; after one the system gave, the next read starts over.
    Outcome read();
    const HistoryLog& log() const { return m_parser.log(); }
    HistoryLog take() && { return std::move(m_parser).take(); }
    // The first record of log() that the last read() added or gave another state.
    size_t changedFrom() const { return m_parser.changedFrom(); }

private:
    // A stretch of the file as the last read found it.
    struct Seen {
        qint64 from = 0;
        QByteArray bytes;
    };
    static constexpr qint64 SeenBytes = 16 << 10;
    bool readBefore(FileHandle file) const;

    QString m_path;
    std::optional<FileIdentity> m_identity;
    qint64 m_length = 0;
    HistoryParser m_parser;
    std::vector<Seen> m_seen;
};
