#include "windowkit/seams.h"

namespace {

MessageHandler& messageHandler() {
    static MessageHandler handler;
    return handler;
}

OpenDialogHandler& openDialogHandler() {
    static OpenDialogHandler handler;
    return handler;
}

} // namespace

void SetMessageHandler(MessageHandler handler) {
    messageHandler() = std::move(handler);
}

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                 const QString& text) {
    if (messageHandler()) {
        messageHandler()(parent, icon, title, text);
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void SetOpenDialogHandler(OpenDialogHandler handler) {
    openDialogHandler() = std::move(handler);
}

const OpenDialogHandler& OpenDialogOverride() {
    return openDialogHandler();
}
