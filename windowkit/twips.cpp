#include "windowkit/twips.h"

#include <QWidget>

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
