#pragma once

#include "rom/names.h"
#include "rom/outcome.h"
#include "rom/result.h"
#include "rom/romimage.h"
#include "tables/transaction.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// Writing name text in place. A new name takes the room of the old one: it may not be longer, only
// the bytes that differ are written, and a shorter name is ended by the byte that ended the old
// one. The old text behind the new end stays as it was, because other entries may point into it.

// An entry that reaches its name through a pointer.
struct NameHolder {
    QString entry; // "item 5", "enemy 57"
    qint32 pointer = 0;
};

// Bytes that hold records, not name text, which no rename may write into. This layer knows no
// tables: the callers that do hand them in.
struct ProtectedRange {
    qint64 first = 0;
    qint64 length = 0;
    // The entry whose record holds `offset` ("item 0"), and where that record starts.
    std::function<std::pair<QString, qint64>(qint64 offset)> recordAt;
};

// An entry whose name changes with a rename, because its text overlaps the bytes written.
using SharedName = NameChange;

struct RenamePlan {
    QString entry;
    qint32 pointer = 0;
    QString before;
    QString after;
    NameBytes changes;        // only the bytes that differ from what is there now
    QByteArray stored;        // the file's bytes from the first change to the last, as planned
    QList<SharedName> shared; // every other entry whose name text overlaps `changes`
};

// `text` as name text, one byte per character (its code + 0x80), without the end byte. A
// character whose code is above 0x7F is refused as NameCharacter, naming it and its position.
Result<QByteArray> EncodeNameText(const QString& text);

// Plans writing `text` as the name of `holder`, over the file with `pending` laid over it.
// `holders` are all entries that reach a name (`holder` among them or not); the others whose text
// the rename would change are listed in the plan, and whether that may happen is the caller's
// decision. Refused, with nothing planned: a pointer below 0x7FF0, a name that runs past the end
// of the file or past the longest name the readers accept, a character above 0x7F, a new name
// longer than the old one, and a byte to be written inside one of `kept`. The outcome names the
// entry. It reads `rom` as it is: its callers hand it the image held whole (HoldImage), whose
// reads cannot fail.
Outcome PlanRename(RomImage& rom, const NameHolder& holder, const QString& text,
                   const QList<NameHolder>& holders, const NameBytes& pending,
                   const QList<ProtectedRange>& kept, RenamePlan* plan);

// The name at `pointer` as it will read once `pending` is written, cut at the longest name the
// readers accept; empty for a pointer below 0x7FF0.
QString NameOnceWritten(RomImage& rom, qint32 pointer, const NameBytes& pending);

// The rename's part of a transaction, its writes in ascending order, expecting the bytes the file
// held under them when the plan was made.
WritePart RenameWrites(const RenamePlan& plan);

// enemy 7 "Bread" -> "Toast", item 9 "read" -> "oast": the names a rename changes, as the
// command line lists them.
QString SharedNamesText(const QList<SharedName>& names);
