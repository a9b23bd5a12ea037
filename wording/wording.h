#pragma once

#include "rom/outcome.h"
#include "rom/romimage.h"
#include "tables/cell.h"

#include <QString>

// Every text the user reads about what the core did: the windows and tolvane-cli turn outcomes
// into words in wording/, and nowhere else. Each family of faults is worded in a file of its own
// (imagetext, savetext, historytext, nametext, rowtext, undotext, comparetext, tablefiletext,
// patchtext, clifiletext, usagetext) over the shared phrases of phrases.h; this is the one
// dispatcher above them, and the sentences that hold a fault of any family.

// A fault of any family as a sentence of its own: "Cannot read FILE at offset 0x1810:\n
// Input/output error."
QString ImageErrorText(const Outcome& o);

// What a refused or failed save tells the user, naming the entry: "Cannot save item 5 to FILE:\n
// the file is open for reading only", and what of the save is in the file.
QString SaveText(const Outcome& o);
// The same on one line, as a table file's row reports it.
QString SaveLine(const Outcome& o);

// "items.csv:5:12: reason", the form editors and terminals turn into a link.
QString InputErrorText(const QString& file, const InputError& e);

// The command line's words for what a command that writes the image did.

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

// What went wrong with a recovery: the history's own fault, or the image's.
QString RecoveryProblemText(const Outcome& o);
// Why an undo was refused, and that nothing was written.
QString UndoRefusedText(const Outcome& o);
