#pragma once

#include "cli/cliio.h"
#include "rom/writeplan.h"

// The commands that write into the image (import, rename) run each save through here, so that a
// write that stops part-way is told apart from one that left the file as it was.

struct FailedWrite {
    QString message;  // ExecutePlan's: the file, the cause, the fields written and not
    bool fileChanged; // any byte of the entry differs from before; when unsure, true
};

// Runs `plan` with ExecutePlan; nothing when every write landed.
std::optional<FailedWrite> RunPlan(RomImage& rom, const WritePlan& plan);

// Tells the user that `image` now holds part of the command's writes: `written` and `notWritten`
// name them ("item 5", "part of the name of item 3"), and where the backup is. Returns
// ExitWrittenInPart.
int WrittenInPart(Io& io, const RomImage& image, const QStringList& written,
                  const QStringList& notWritten);
