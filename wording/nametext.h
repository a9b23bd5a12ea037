#pragma once

#include "rom/outcome.h"

#include <QString>

// Why a name cannot be written (NameFault), as a clause of the rename's sentence: "the name at
// pointer 8010 runs on past 32767 characters, ...".
QString NameFaultText(const Outcome& o);
