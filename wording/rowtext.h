#pragma once

#include "rom/outcome.h"

#include <QString>

// Why an import refuses a row of its table file (RowFault), as a clause: "item 5 is already given
// on line 3".
QString RowFaultText(const Outcome& o);
