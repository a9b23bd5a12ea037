#pragma once

class QWidget;

// Geometry in twips (1/1440 inch), converted at the widget's logical DPI: twips / 15 at 96 DPI.
int TwipsToPixels(const QWidget* widget, int twips);
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);
// Fixes a window's client area, so it cannot be resized.
void FixClientSizeTwips(QWidget* window, int width, int height);
