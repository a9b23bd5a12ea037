#pragma once

#include "rom/outcome.h"

#include <QString>

// Why a table file, CSV or JSON, cannot be read (TableFileFault): the reason behind
// "FILE:LINE:COLUMN: ".
QString TableFileFaultText(const Outcome& o);
