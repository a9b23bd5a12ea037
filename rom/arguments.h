#pragma once

#include "rom/result.h"

#include <QStringList>

// The command line exactly as the system gave it, or ArgumentNotText with the argument that is no
// text, its bytes outside printable ASCII written as \xNN. On POSIX an argument is bytes: each is
// decoded in the locale's encoding and must encode back to the very same bytes, since a file name
// that is no text there ("caf\xE9.nes" under UTF-8) would otherwise become another name and lead to
// another file, or to none. Windows hands programs UTF-16, which Qt keeps as it is. Call it once
// QCoreApplication has taken its own options.
Result<QStringList> ArgumentsAsGiven(int argc, char** argv);
