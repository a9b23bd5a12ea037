#pragma once

#include "batch/batcherror.h"

#include <QString>

// The words about batches in Lua, for the table window and tolvane-cli alike.

// What went wrong, naming the text (the Where expression, the Set assignments or the script's
// file), its line, and the entry, the field and the value where they are known.
QString BatchErrorText(const BatchError& e);
// "enemy 5 hp: 70000 clamped to 65535"
QString ClampedText(const ClampedValue& c);
// That edit was given no --set.
QString BatchNeedsSetText();
// That a batch changed no field, so nothing is written.
QString BatchChangesNothingText();
