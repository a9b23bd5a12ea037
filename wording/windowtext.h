#pragma once

#include "rom/outcome.h"
#include "rom/romimage.h"
#include "tables/recoverednames.h"
#include "tables/recovery.h"
#include "tables/tablerows.h"

#include <QString>
#include <QStringList>

// The sentences the windows and the editor's command line show about what happened, one function
// for each situation, so that each is worded, and translated, whole. Paths are given as the program
// holds them; the texts show them in the system's own form.

// An image that cannot be opened: "Cannot open file FILE:\nREASON."
QString OpenFailedText(const QString& path, const Outcome& reason);
// An image left closed at opening: it holds a save cut short that cannot be put right now.
QString OpenTornText(const QString& path, const RecoveredEntries& names, const Recovery& r);
// What went wrong while an opening put right a save cut short.
QString OpenRecoveryProblemText(const QString& path, const Outcome& fault);
// What an opening did with a save cut short.
QString OpenRecoveryText(const QString& path, const RecoveredEntries& names, const Recovery& r);
// An image opened for reading only, since it can only be read.
QString OpenReadOnlyText(const QString& path);
// The base given with --base cannot stand for the original of the image just opened: it cannot be
// opened (`file` names it, with the reason), or it has another size (SizesDiffer); the editors then
// mark nothing.
QString MarksBaseRefusedText(const Outcome& why);
// More than one image named on the command line: none of them is opened.
QString OneImageAtATimeText(const QStringList& paths);
// A command line the editor cannot read: the parser's reason, and where usage is told.
QString CommandLineErrorText(const QString& reason);

// An editor whose table cannot be read from the image.
QString ItemTableUnreadableText(const Outcome& o);
QString EnemyTableUnreadableText(const Outcome& o);
