#pragma once

#include "rom/outcome.h"
#include "tables/imagefacts.h"
#include "tables/merge.h"
#include "tables/netchanges.h"

#include <QString>
#include <QStringList>

// The words of `changes` and `merge`, and of the editors' marks of what changed.

// `changes` as diff prints its lines, one per entry: `enemy 12 "Moushmo": hp 78 -> 1023`.
QStringList NetChangeLines(const QList<NetChange>& changes);
// When nothing differs.
QString NoNetChangesText();
// Patch notes for players, in Markdown: one section per table, each entry under its name, each
// change under its field's heading: "- HP: 866 → 1000".
QString PatchNotesText(const QList<NetChange>& changes);
// A marked control's tooltip: "Original: 866".
QString OriginalTipText(const QString& original);

// `enemy 3 "Name": hp: base 866, ours 900, theirs 902`.
QString MergeConflictLine(const MergeConflict& conflict);
// After the conflicts, with `taken` the side each conflict was taken from. `together`: some
// conflict is not a field or name both sides changed, but one that both sides' bytes taken
// together make read what neither gave it. (That the output was not written is MergeConflicts,
// in comparetext.)
QString ConflictsTakenText(qint64 count, MergeSide taken, bool together);
// "Wrote OUT (262160 bytes)."
QString MergedText(const QString& file, qint64 bytes);
