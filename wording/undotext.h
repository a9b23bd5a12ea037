#pragma once

#include "rom/outcome.h"

#include <QString>

// Why an undo was refused (UndoFault), and that nothing was written: "cannot undo in FILE: its
// history has no record 9. Nothing was written."
QString UndoFaultText(const Outcome& o);
// The same sentence for a reason another family words.
QString UndoRefusedBecause(const Outcome& o, const QString& why);
