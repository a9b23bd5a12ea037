#pragma once

#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "tables/tablerows.h"

// The tables of an image that tolvane-cli reads and writes, items first: the order of info, diff
// and every list of entries.
inline const Tables& KnownTables() {
    static const Tables tables{&ItemFormat, &EnemyFormat};
    return tables;
}
