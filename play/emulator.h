#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Which emulator plays an image, and how it is started. QtCore only: the windows and tolvane-cli
// share it, and its tests need no display.

// The variable a user sets to choose the emulator: a command line in which %f stands for the image.
inline constexpr char EmulatorVariable[] = "TOLVANE_EMULATOR";

// A command line split into words as a shell splits them where only double quotes are special:
// blanks separate words, a double quote opens or closes a part in which blanks belong to the word,
// and the quotes themselves are dropped; two quotes inside a quoted part stand for one. A backslash
// is an ordinary character, so that Windows paths are written as they are. Empty when a quote is
// never closed or there is no word.
std::optional<QStringList> SplitCommandLine(const QString& line);

// The words with every %f replaced by `image`, inside the word that holds it, so that the path
// stays one argument whatever it holds; without a %f the path is appended as the last word.
QStringList SubstituteImage(const QStringList& words, const QString& image);

// The words of a command as a line that SplitCommandLine reads back into the same words.
QString JoinCommandLine(const QStringList& words);

// The command of a desktop file's Exec key, with its file and URL codes made %f and the others
// (icon, caption, desktop file) dropped; empty when the file has no usable Exec.
std::optional<QStringList> DesktopEntryCommand(const QString& desktopFileText);

// Where a command was found.
enum class EmulatorSource {
    Variable,    // TOLVANE_EMULATOR
    Path,        // a well-known emulator on PATH
    Association, // the application the system opens .nes files with
};

// A command to run, program first; %f not yet replaced.
struct EmulatorCommand {
    QStringList words;
    EmulatorSource source = EmulatorSource::Variable;
};

// What the system opens .nes files with: its command (%f for the file) and how the system names
// it (a desktop file's name, or the program), or nothing.
struct Association {
    QStringList words;
    QString name;
};

// What the search looks at. SystemPlayEnvironment() gives the running program's; tests give
// their own.
struct PlayEnvironment {
    std::optional<QString> variable; // TOLVANE_EMULATOR, when set
    QStringList path;                // the folders of PATH
    QStringList knownNames;          // the emulators looked for there, in order
    // The system's association for .nes, when it has one.
    std::function<std::optional<Association>()> association;
};

// The well-known emulators of this system, in the order they are looked for.
QStringList KnownEmulators();
PlayEnvironment SystemPlayEnvironment();
// The association of .nes, as this system keeps it: xdg-mime and the desktop files on Linux, the
// file association on Windows. `path` is where xdg-mime is looked for.
std::optional<Association> SystemAssociation(const QStringList& path);

// What was looked at and what stood in the way, for the message when nothing was found.
struct EmulatorSearch {
    bool variableBroken = false;    // TOLVANE_EMULATOR is set but no command line (an open quote)
    QStringList knownNames;         // looked for on PATH, none found
    QString association;            // the association's name, when there is one
    bool associationIsSelf = false; // it is Tolvane itself, which plays nothing
};

// The emulator for an image: TOLVANE_EMULATOR; else the first well-known emulator on PATH; else
// the system's association for .nes, unless that is Tolvane itself. Without a command, `search`
// says what was looked at.
std::optional<EmulatorCommand> FindEmulator(const PlayEnvironment& env, EmulatorSearch* search);

// Whether a program is Tolvane or its companion, which the association must not lead back to.
bool IsTolvane(const QString& program);

// Starts `words` (program first, no shell between) detached from this process: it goes on when
// the program ends. The process id, or the system's reason why it could not start.
struct Started {
    qint64 pid = 0;
    QString failure; // empty when it started
};
Started StartDetached(const QStringList& words);
