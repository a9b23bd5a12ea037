#pragma once

class QDialog;
class QPushButton;
class QString;
class QWidget;

// Makes `window` an editor's window: modal, with a close button only, and a client area of
// `width` by `height` twips that cannot be resized.
void FrameEditorWindow(QDialog* window, const char* name, const QString& title, int width,
                       int height);

// An editor's Save button at the window's left edge. It never becomes the dialog's default button,
// so Return in a field does not save.
QPushButton* MakeSaveButton(QWidget* window, int top);
