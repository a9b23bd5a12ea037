#pragma once

#include "play/emulator.h"

#include <QString>

// The sentences about playing an image, for the windows and tolvane-cli alike.

// No emulator was found for `image`: what was looked for, in the order of the search, and how to
// set TOLVANE_EMULATOR; or that the variable is set to no command line.
QString NoEmulatorText(const QString& image, const EmulatorSearch& search);
// The emulator's command could not be started: the command and the system's reason.
QString EmulatorNotStartedText(const QStringList& words, const QString& reason);
