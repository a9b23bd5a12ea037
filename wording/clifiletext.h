#pragma once

#include "rom/outcome.h"

#include <QString>

// What befell one of tolvane-cli's files or its standard output (CliFileFault): "cannot read
// FILE: REASON".
QString CliFileFaultText(const Outcome& o);
