#pragma once

#include "tables/recordfield.h"

#include <initializer_list>
#include <vector>

class QWidget;

// The control that shows a field of an entry, named by the field's key.
struct FieldControl {
    const char* key;
    QWidget* control;
};

// The control of each field of `format`, in the order of its fields, from `controls`, which must
// name every field once. A line edit of a numeric field gets the entry rule with the field's bound.
std::vector<QWidget*> BindFieldControls(const TableFormat& format,
                                        std::initializer_list<FieldControl> controls);

// Shows `record` in the controls as the program does: a line edit gets the field's text, a check
// box is ticked for a set flag, and a list selects the line of the item (none above its last).
void ShowRecord(const TableFormat& format, const std::vector<QWidget*>& controls,
                const void* record);

// The texts the controls hold, as a save takes them.
EntryForm FormOfControls(const std::vector<QWidget*>& controls);
