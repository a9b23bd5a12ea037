#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QComboBox;
class QWidget;

// Geometry in twips (1/1440 inch), converted at the widget's logical DPI: twips / 15 at 96 DPI.
int TwipsToPixels(const QWidget* widget, int twips);
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);
// Fixes a window's client area, so it cannot be resized.
void FixClientSizeTwips(QWidget* window, int width, int height);
// Whether every caption of the window's controls fits inside its control's fixed geometry.
bool CaptionsFit(const QWidget* window, const QFont& font);
// Gives a window, once its controls stand at their places, the largest font (up to 12 pixels at
// 96 DPI) at which every caption fits inside its control's fixed geometry.
void ApplyWindowFont(QWidget* window);

// Selects a list line as the program does: no signal is raised, and the caller runs the list's
// display step itself. QComboBox raises nothing when the position is already current and selects
// line 0 by itself when the first line is added, neither of which fits an editor that must show
// the entry exactly when it selects one.
void SelectLine(QComboBox* list, int index);

// Every message the editor shows goes through here, so that tests can record it instead of
// blocking on a modal box.
using MessageHandler = std::function<void(QWidget* parent, QMessageBox::Icon icon,
                                          const QString& title, const QString& text)>;
void SetMessageHandler(MessageHandler handler); // an empty handler restores the message box
void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                 const QString& text);

// The open dialog's answer, replaceable by tests: a path, or an empty text for a cancel.
using OpenDialogHandler = std::function<QString(QWidget* parent)>;
void SetOpenDialogHandler(OpenDialogHandler handler); // empty restores the real dialog
const OpenDialogHandler& OpenDialogOverride();
