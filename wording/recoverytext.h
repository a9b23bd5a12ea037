#pragma once

#include "rom/romimage.h"
#include "tables/recovery.h"
#include "tables/tablerows.h"

#include <QString>

// The words about a save that an opening found cut short.

// What an opening of `image` did with a save that was cut short, in one message naming the save's
// time and its entries as `tables` read them (or only its number, when they cannot be read).
QString RecoveryText(RomImage& image, const Tables& tables, const Recovery& r);
// Why a command that reads the tables refuses an image that holds a save cut short halfway
// (`r.torn`), naming its entries and what puts it right.
QString TornImageText(RomImage& image, const Tables& tables, const Recovery& r);
