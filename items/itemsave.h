#pragma once

#include "items/itemrecord.h"
#include "rom/writeplan.h"

#include <QString>

#include <optional>

// What the item editor's controls hold when Save is pressed.
struct ItemForm {
    QString namePtr;
    QString str;
    QString effOut;
    QString effIn;
    QString cost;
    bool perm = false;
    bool edible = false;
    bool teddy = false;
    bool loid = false;
    bool ana = false;
    bool ninten = false;
};

// The form as the item editor shows a decoded record: saving it unchanged writes the entry back as
// it stands.
ItemForm ItemFormOf(const ItemRecord& r);

// Checks and converts every field of `form` before anything is written, then gives the writes of
// entry `index` in the order they reach the file: bytes 0-1, 2, 3, 4, 5, then 6-7. The stored flag
// byte is read from the file as it stands, so that its bits 5 and 4 are kept. On a refusal returns
// the message for the user, and the plan is not made.
std::optional<QString> PlanItemSave(RomImage& rom, int index, const ItemForm& form,
                                    WritePlan* plan);

// The whole save of entry `index`: plan it, then write it, provided the file still holds the
// entry's bytes `shown` (when given). The message of a refusal (nothing was written) or of a
// failure (what was written and what was not), or nothing on success.
std::optional<QString> SaveItem(RomImage& rom, int index, const ItemForm& form,
                                const QByteArray& shown = {});
