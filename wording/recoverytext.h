#pragma once

#include "tables/recoverednames.h"
#include "tables/recovery.h"
#include "tables/tablerows.h"

#include <QString>

// The words about a save that an opening found cut short.

// What an opening did with a save that was cut short, in one message naming the save's time and
// its entries, `names` (or only its number, when they name none).
QString RecoveryText(const RecoveredEntries& names, const Recovery& r);
// Why a command that reads the tables refuses an image that holds a save cut short halfway
// (`r.torn`), naming its entries and what puts it right.
QString TornImageText(const RecoveredEntries& names, const Recovery& r);
