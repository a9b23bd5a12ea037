#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

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
