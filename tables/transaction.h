#pragma once

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
    bool empty() const;
};

// How long one writer waits for another of ours to finish with the same image.
inline constexpr int WriterWaitMs = 5000;

// Why `size` bytes of `entry` at `base` cannot be written at all: the file is open for reading
// only, the path no longer leads to the open file, or the entry lies wholly or partly beyond the
// end of a file that is too short (extending a file that is not a full image would silently
// change it). The outcome names `entry` and the file.
Outcome CheckEntryWritable(RomImage& rom, const QString& entry, qint64 base, int size);

// Applies `t` as one unit. It checks every part, takes the image's writers' lock for its whole
// length, compares every part's bytes with those it was planned from, makes the image's backup if
// one is wanted and not yet made, writes every byte and syncs. Any refusal writes nothing. When a
// write or the sync fails, the old bytes of what was written go back and are synced, and the
// outcome is that failure, with nothing written; only when that too fails does it say what stands
// in the file (WrittenInPart or NotSynced). Every outcome names the part it concerns in `entry`.
Outcome ApplyTransaction(RomImage& rom, const Transaction& t);
