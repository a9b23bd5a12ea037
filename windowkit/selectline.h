#pragma once

class QComboBox;

// Selects a list line as the program does: no signal is raised, and the caller runs the list's
// display step itself. QComboBox raises nothing when the position is already current and selects
// line 0 by itself when the first line is added, neither of which fits an editor that must show
// the entry exactly when it selects one.
void SelectLine(QComboBox* list, int index);
