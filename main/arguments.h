#pragma once

#include <QStringList>

class frmMain;

// Opens the image named on the command line (`tolvane IMAGE`, which is also how a file manager's
// "Open with" starts the program) through the window's open sequence, as if it had been chosen in
// the open dialog. `arguments` is QCoreApplication::arguments(): the program, then what was
// given. With nothing given the window starts as it always did; given more than one image, it
// opens none and says so.
void OpenGivenImage(frmMain& window, const QStringList& arguments);
