#pragma once

#include "rom/outcome.h"

#include <QString>

// Why a value of a table file's cell or a window's control is refused: "the strength "x" is not a
// number from 0 to 255".
QString ValueText(const Outcome& o);
