#pragma once

#include <QStringList>

#include <optional>

class frmMain;

// Whether the command line asks for --help or --version, which are answered before QApplication
// is built: it needs a display, and they must work without one.
bool AsksForHelpOrVersion(int argc, char* argv[]);

// Reads the editor's own command line: --help and --version, which print (in a message box on
// Windows) and end the process with 0, and the images to open. `arguments` is
// QCoreApplication::arguments(), from which QApplication has already taken its own options
// (-platform, -style). An unknown option is named on the error stream (in a message box on
// Windows) and gives the exit code 2; otherwise the result is empty and `images` holds what was
// given, "--" letting a name begin with "-", and `base`, if asked for, the absolute path given with
// --base, which the main window's image opening then compares with.
std::optional<int> ReadCommandLine(const QStringList& arguments, QStringList* images,
                                   QString* base = nullptr);

// Opens the image named on the command line (`tolvane IMAGE`, which is also how a file manager's
// "Open with" starts the program) through the window's open sequence, as if it had been chosen in
// the open dialog. `arguments` is QCoreApplication::arguments(): the program, then what was
// given. With nothing given the window starts as it always did; given more than one image, it
// opens none and says so.
void OpenGivenImage(frmMain& window, const QStringList& arguments);
