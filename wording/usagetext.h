#pragma once

#include "rom/outcome.h"

#include <QString>

// What is wrong with tolvane-cli's arguments (UsageFault): "unknown command \"x\"".
QString UsageFaultText(const Outcome& o);
