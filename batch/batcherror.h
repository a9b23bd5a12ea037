#pragma once

#include <QString>

// What went wrong in a batch, as data: batch/ never words a message. wording/batchtext.h turns
// these into the texts the user reads.

// Which text of the batch a fault is in.
enum class BatchSource {
    Where,  // the expression that chooses the entries
    Set,    // the assignments made to each chosen entry
    Script, // a whole script, `file`
};

enum class BatchFault {
    None,
    Syntax,      // the text does not parse: `message` is Lua's reason, at `line`
    Runtime,     // the text raised an error while it ran: `message`, at `line`
    NotANumber,  // `entry`'s `field` was given `value`, which is no number (a string, nil, ...)
    NotFinite,   // ... given NaN or an infinity
    OutOfRange,  // ... given `value`, which lies outside 0 to `upper` once rounded
    NoSuchField, // `entry` has no field `field` (read or assigned)
    ReadOnly,    // `entry`'s `field` (index or name) was assigned
    Budget,      // stopped after `limit` instructions
    Memory,      // stopped at a cap of `limit` bytes
};

struct BatchError {
    BatchFault fault = BatchFault::None;
    BatchSource source = BatchSource::Set;
    QString file;    // the script's path, for BatchSource::Script
    int line = 0;    // in the text, from 1; 0 where no line is known
    QString entry;   // "enemy 5"
    QString field;   // the field's key, as export names its column, or the name asked for
    QString value;   // the value given, as Lua writes it
    QString message; // Lua's own words, for Syntax and Runtime
    qint64 upper = 0;
    qint64 limit = 0;

    bool failed() const { return fault != BatchFault::None; }
};

// A value out of range that --clamp pulled to the nearest bound, as the entry rule does.
struct ClampedValue {
    QString entry;
    QString field;
    QString given; // as Lua writes it
    qint32 stored = 0;
};
