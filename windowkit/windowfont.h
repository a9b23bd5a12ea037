#pragma once

class QFont;
class QWidget;

// Whether every caption of the window's controls fits inside its control's fixed geometry.
bool CaptionsFit(const QWidget* window, const QFont& font);

// Gives a window, once its controls stand at their places, the largest font (up to 12 pixels at
// 96 DPI) at which every caption fits inside its control's fixed geometry.
void ApplyWindowFont(QWidget* window);
