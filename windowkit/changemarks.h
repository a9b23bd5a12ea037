#pragma once

#include "rom/romimage.h"
#include "tables/imageopening.h"
#include "tables/netchanges.h"
#include "tables/original.h"
#include "tables/tablerows.h"

#include <QString>

#include <vector>

class QColor;
class QComboBox;
class QPalette;
class QWidget;

// The editors' marks of what differs from the image's original: a tinted field with the original
// in its tooltip, an underlined check box caption, and the entry's line of the list in bold. The
// original is the image as its history first knew it, or the base given with `tolvane --base`, as
// the opening of the image that the main window hands every window holds it.

// The tint of a field that differs from the original: the palette's base colour with a quarter of
// its highlight mixed in, legible in any theme.
QColor MarkTint(const QPalette& palette);

// What differs in `table` as `rom` stands now, per entry: what the table window marks.
std::vector<EntryMarks> TableMarks(ImageOpening& opening, RomImage& rom, Table table);

// Reads what differs in `table` as `rom` stands now and keeps it with the lines of `list`, which
// hold the table's entries in order; entries with a change are shown in bold.
void MarkEntries(QComboBox* list, ImageOpening& opening, RomImage& rom, Table table);
// Marks the controls of the entry that `list` selects, `controls` holding the table's fields in
// order, and `nameBox`, if any, showing its name; clears the marks of those as in the original.
void ShowMarks(const QComboBox* list, const std::vector<QWidget*>& controls,
               QWidget* nameBox = nullptr);
