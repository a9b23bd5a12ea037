#pragma once

#include "rom/romimage.h"

#include <QString>

#include <optional>
#include <vector>

// One field of a table entry as a save writes it: a byte or a little-endian word.
struct PlannedWrite {
    QString field; // as the save's messages name it
    qint32 offset;
    qint32 value;
    int width; // 1 or 2
};

// The writes of one save, in the order they reach the file. Every value has been checked and
// converted before the plan is made, so the only failures left are the file's own.
struct WritePlan {
    QString entry; // "item 12", "enemy 57"
    qint32 base;
    int size;
    std::vector<PlannedWrite> writes;
    // The entry's bytes as the user was shown them, when a window showed them: the save goes
    // ahead only while the file still holds these, so that another program's change to the entry
    // is not overwritten unseen. Empty: nothing to compare.
    QByteArray shown;
};

// How every refused save is told: "Cannot save item 5: CAUSE. Nothing was written." With `file`,
// "Cannot save item 5 to FILE:" and the cause on a line of its own. `after` takes the place of the
// full stop behind "Nothing was written" when there is more to say.
QString CannotSave(const QString& entry, const QString& cause, const QString& file = {},
                   const QString& after = QStringLiteral("."));
// The same for an error of the file itself, whose message is a sentence of its own.
QString CannotSave(const QString& entry, const RomError& error);

// Why the entry cannot be written at all (open for reading only, the path no longer leading to
// the open file, or the entry lying wholly or partly beyond the end of a file that is too short),
// or nothing when it can. A refused save writes nothing: extending a file that is not a full
// image would silently change it.
std::optional<QString> CheckEntryWritable(RomImage& rom, const QString& entry, qint32 base,
                                          int size);

// Checks the entry and that the file still holds the bytes shown, makes the image's backup if one
// is wanted and not yet made, then runs the writes in order and syncs the file. On failure returns
// the message for the user: the file, the cause, and which fields were written before the failure
// (they stay in the file) and which were not.
std::optional<QString> ExecutePlan(RomImage& rom, const WritePlan& plan);
