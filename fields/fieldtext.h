#pragma once

#include <QString>

#include <optional>

// One reading of a field's text for each kind of field, used by the editors' saves and by
// imports alike.

enum class FieldKind {
    Number,  // a whole number from 0 to what its bits can hold
    Flag,    // one bit, 0 or 1
    Pointer, // a name pointer, shown in hexadecimal
    Item,    // an item number; the editor's item list holds items 0 to HighestItem only
};

// Where a text comes from. A window's control is read as its save has always read it; a cell of
// a table file more strictly, since nobody saw it typed: blanks around it are dropped, a flag is
// 0, 1, false or true, a pointer is one to four hexadecimal digits ("12G4", which a control
// reads as 12, is refused), and a number or an item is decimal digits alone: "1.5", "1e2" and
// "1.000", which a control rounds or reads as a decimal, are refused.
enum class TextFrom { Control, Cell };

// The value `text` stands for as a field of `kind` whose values run up to `upper`, or nothing when
// it stands for none. From a control, a flag is "1" or anything else for 0, and an item is the
// selected line of the list: -1 for none keeps the stored byte.
std::optional<qint32> ReadFieldText(FieldKind kind, qint32 upper, const QString& text,
                                    TextFrom from);
