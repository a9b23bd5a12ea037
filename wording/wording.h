#pragma once

#include "rom/outcome.h"
#include "rom/romimage.h"
#include "tables/cell.h"
#include "tables/imagefacts.h"
#include "tables/namewriter.h"
#include "tables/recoverednames.h"
#include "tables/recovery.h"
#include "tables/tablerows.h"

#include <QString>

// Every text the user reads about what the core did: the windows and tolvane-cli turn outcomes
// into words here, and nowhere else.

// The system's text for an error code; "system error 5" where it has none.
QString SystemText(int error);

// What stands at a path instead of a file: "it is a FIFO (a named pipe), not a file".
QString NodeText(NodeKind node);
// Why a file could not be opened or read: the system's reason, or what stands there.
QString ReasonText(const Outcome& o);

// An error of the image layer as a sentence of its own: "Cannot read FILE at offset 0x1810:\n
// Input/output error."
QString ImageErrorText(const Outcome& o);

// What a refused or failed save tells the user, naming the entry: "Cannot save item 5 to FILE:\n
// the file is open for reading only", and what of the save is in the file.
QString SaveText(const Outcome& o);
// The same on one line, as a table file's row reports it.
QString SaveLine(const Outcome& o);

// Why a value of a table file's cell or a window's control is refused: "the strength "x" is not a
// number from 0 to 255".
QString ValueText(const Outcome& o);

// "items.csv:5:12: reason", the form editors and terminals turn into a link.
QString InputErrorText(const QString& file, const InputError& e);

// The command line's words for what a command that writes the image did.

// The sentence, then that no file was changed: a refusal that left every file as it was.
QString NothingWrittenAfter(const QString& sentence);
// Why a rename was refused: "cannot rename item 5 in FILE: REASON", and that nothing changed.
QString RenameRefusedText(const QString& entry, const QString& file, const QString& reason);
// An image error while a writing command planned: nothing was written.
QString PlanFailedText(const Outcome& o);
// A transaction of a command that failed: what happened, and whether anything of it is in the
// file. `backupPath` is the backup the command made, or empty when it made none.
QString CommandWriteText(const Outcome& o, const QString& backupPath);
// "nothing was written to FILE."
QString NothingWrittenText(const QString& file);
// "(dry run: nothing was written)", behind what a dry run would do.
QString DryRunText();

// Why the tables do not look like the ones the editors know, empty when they do: "items: 3 of
// its 114 entries lie inside the file; enemies: ...".
QString TablesVerdictText(const QList<std::pair<Table, TableFacts>>& tables);

// Why an image's history could not be read or written: "its history FILE cannot be written: the
// system's reason".
QString HistoryReasonText(const Outcome& o);
// What went wrong with a recovery: the history's own fault, or the image's.
QString RecoveryProblemText(const Outcome& o);
// What an opening did with a save that was cut short, in one message naming the save's time and
// its entries, `names` (or only its number, when they name none).
QString RecoveryText(const RecoveredEntries& names, const Recovery& r);
// Why a command that reads the tables refuses an image that holds a save cut short halfway
// (`r.torn`), naming its entries and what puts it right.
QString TornImageText(const RecoveredEntries& names, const Recovery& r);
// Why an undo was refused, and that nothing was written.
QString UndoRefusedText(const Outcome& o);
