#pragma once

#include "rom/outcome.h"
#include "tables/imagefacts.h"
#include "tables/tablerows.h"

#include <QString>

// The refusals of `changes` and `merge` (CompareFault), each a whole sentence.
QString CompareFaultText(const Outcome& o);

// Each of them, where a command words it with more than the outcome: NotAnImage with the tables'
// facts.
QString NoOriginalText(const Outcome& o);
QString SizesDifferText(const Outcome& o);
QString NotAnImageText(const Outcome& o, const QList<std::pair<Table, TableFacts>>& tables);
QString OutputNotWrittenText(const Outcome& o);
// That `file` was not written for `count` conflicts (MergeConflicts); `changed`: some conflict is
// not a field or name both sides changed, but one that both sides' bytes taken together make read
// what neither gave it.
QString MergeConflictsText(const Outcome& o);

// Why the tables do not look like the ones the editors know, empty when they do: "items: 3 of
// its 114 entries lie inside the file; enemies: ...".
QString TablesVerdictText(const QList<std::pair<Table, TableFacts>>& tables);
