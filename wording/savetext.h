#pragma once

#include "rom/outcome.h"

#include <QString>

// Why an entry cannot be saved (SaveFault), as the editors' Save tells it, naming the entry:
// "Cannot save item 5 to FILE:\nthe file is open for reading only. Nothing was written.", and
// what of the save is in the file.
QString SaveFaultText(const Outcome& o);
