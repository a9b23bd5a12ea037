#include "main/windowkit.h"

#include <QComboBox>
#include <QFont>
#include <QSignalBlocker>
#include <QWidget>

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

int TwipsToPixels(const QWidget* widget, int twips) {
    return (twips * widget->logicalDpiY() + 720) / 1440;
}

void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsToPixels(widget, left), TwipsToPixels(widget, top),
                        TwipsToPixels(widget, width), TwipsToPixels(widget, height));
}

void FixClientSizeTwips(QWidget* window, int width, int height) {
    window->setFixedSize(TwipsToPixels(window, width), TwipsToPixels(window, height));
}

void ApplyWindowFont(QWidget* window) {
    QFont font = window->font();
    // Captions are 255 twips high, 17 pixels at 96 DPI.
    font.setPixelSize(std::max(9, TwipsToPixels(window, 165)));
    window->setFont(font);
}

void SelectLine(QComboBox* list, int index) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index);
}

void SetMessageHandler(MessageHandler handler) { messageHandler() = std::move(handler); }

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                 const QString& text) {
    if (messageHandler()) {
        messageHandler()(parent, icon, title, text);
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void SetOpenDialogHandler(OpenDialogHandler handler) { openDialogHandler() = std::move(handler); }

const OpenDialogHandler& OpenDialogOverride() { return openDialogHandler(); }
