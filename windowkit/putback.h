#pragma once

class QString;
class QWidget;

// "Put back the original (866)", first in the context menu of a field or check box whose value
// differs from the original: it fills the control with `original` (a field's text as a save takes
// it) as if the user had typed it, and writes nothing. An empty `original` takes the offer back.
// A line edit keeps the rest of its own context menu.
void OfferOriginal(QWidget* control, const QString& original);
