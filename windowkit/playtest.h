#pragma once

class QString;
class QWidget;

// Plays the image at `path` as it stands on disk, in the user's emulator, started detached: the
// window stays usable, and the emulator outlives Tolvane. When no emulator is found or it does not
// start, a message box over `parent` says what was looked for, or the command and the reason.
void PlayImage(QWidget* parent, const QString& path);

// The answer to "save the shown entry's edits before playing?".
enum class PlayChoice { Save, PlayWithout, Cancel };
// Asks it over `window`; Save is the default.
PlayChoice AskSaveBeforePlay(QWidget* window);
