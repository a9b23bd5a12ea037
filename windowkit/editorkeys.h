#pragma once

#include <functional>

class QComboBox;
class QDialog;
class QPushButton;
class QString;
struct TableFormat;

// What both editors add to their design without a visible control: Ctrl+S (the platform's Save
// key) presses Save; Ctrl+Page Down and Ctrl+Page Up show the next and the previous entry of
// `list`, as choosing it there does, `display` being the window's display step.
void AddEditorKeys(QDialog* editor, QComboBox* list, QPushButton* save,
                   const std::function<void()>& display);

// A right-click on `list` offers "Save history of this entry…", which calls `open`.
void OfferEntryHistory(QComboBox* list, const std::function<void()>& open);

// Opens the save history window over an editor, filtered to an entry ("enemy 12"), and returns
// once it is closed. The main window hands it to the editors, which stand below that window.
using HistoryOpener = std::function<void(QDialog* editor, const QString& entry)>;

// Opens the history over `editor` filtered to the entry `list` shows, then, as after a Save, runs
// `reload` and shows that line again through `display`: an undo there may have changed the image.
void ShowEntryHistory(QDialog* editor, const HistoryOpener& opener, QComboBox* list,
                      const TableFormat& table, const std::function<void()>& reload,
                      const std::function<void()>& display);
