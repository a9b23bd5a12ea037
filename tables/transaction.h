#pragma once

#include "rom/historyformat.h"
#include "rom/outcome.h"
#include "rom/romimage.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Every write into an image is one transaction: some entries and name texts, each with the bytes
// it was planned from. It lands whole or not at all.

// One byte a transaction writes, and the field it belongs to, as messages name it.
struct ByteWrite {
    qint64 offset = 0;
    quint8 value = 0;
    QString field;
};

// One entry's or one name's part: the bytes it was planned from, and its writes in the order they
// reach the file.
struct WritePart {
    QString entry;     // "item 12"
    bool name = false; // the entry's name text, not its record
    qint64 base = 0;
    // The bytes at `base` as the plan saw them, or as a window showed them: the transaction goes
    // ahead only while the file still holds these, so that another program's change is not
    // overwritten unseen.
    QByteArray expected;
    std::vector<ByteWrite> writes;
};

struct Transaction {
    std::vector<WritePart> parts;
    // How the image's history records it.
    MadeBy madeBy = MadeBy::Editor;
    quint32 undoes = 0;
    bool empty() const;
};

// How long one writer waits for another of ours to finish with the same image.
inline constexpr int WriterWaitMs = 5000;

// Holds the image's writers' lock while a transaction or a recovery runs. Where the file system
// keeps no locks, the writer goes ahead without one, as every write did before there was a lock.
class WriterLock {
public:
    explicit WriterLock(RomImage& rom) : m_rom(rom), m_error(rom.lockForWriting(WriterWaitMs)) {}
    ~WriterLock() {
        if (m_error == 0)
            m_rom.unlockForWriting();
    }
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;
    bool heldByAnother() const { return m_error == LockHeld; }

private:
    RomImage& m_rom;
    int m_error;
};

// The ranges a transaction writes, one per part, with the bytes the file holds there now and the
// bytes it will hold: what the history records.
Result<std::vector<HistoryRange>> RangesOf(RomImage& rom, const Transaction& t);

// Why `size` bytes of `entry` at `base` cannot be written at all: the file is open for reading
// only, the path no longer leads to the open file, or the entry lies wholly or partly beyond the
// end of a file that is too short (extending a file that is not a full image would silently
// change it). The outcome names `entry` and the file.
Outcome CheckEntryWritable(RomImage& rom, const QString& entry, qint64 base, int size);

// Applies `t` as one unit. It checks every part, takes the image's writers' lock for its whole
// length, finishes a transaction of another writer that was cut short, compares every part's bytes
// with those it was planned from and makes the image's backup if one is wanted and not yet made.
// Then, so that a crash or a power loss at any point leaves nothing the next opening cannot put
// right: it appends the record of the transaction to the image's history and syncs it, writes
// every byte, syncs the image and marks the record done. Any refusal writes nothing. When a write
// or a sync fails, the old bytes of what was written go back and are synced, and the outcome is
// that failure, with nothing written; only when that too fails does it say what stands in the file
// (WrittenInPart or NotSynced), and the record stays for the next opening to finish. Every outcome
// names the part it concerns in `entry`.
Outcome ApplyTransaction(RomImage& rom, const Transaction& t);
