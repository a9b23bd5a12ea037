#pragma once

#include "enemies/enemyrecord.h"
#include "rom/writeplan.h"

#include <QString>

#include <optional>

// What the enemy editor's controls hold when Save is pressed.
struct EnemyForm {
    QString namePtr;
    QString hp, pp, off, def;
    QString fight, speed, wisdom, str, force;
    QString exp, money;
    // The selected position of the item list; -1 when none is selected, as for an entry whose
    // stored item byte is above 113: the stored byte is then kept.
    int itemPosition = -1;
};

// The form as the enemy editor shows a decoded record: saving it unchanged writes the entry back
// as it stands, an item byte above 113 included.
EnemyForm EnemyFormOf(const EnemyRecord& r);

// Checks and converts every field of `form` before anything is written, then gives the writes of
// entry n in the order they reach the file: name pointer, Fight..Force, item, Experience, Money,
// then bytes 0x03..0x0A. The four second bytes are read from the file as it stands, so that their
// bits 2-7 are kept. On a refusal returns the message for the user, and the plan is not made.
std::optional<QString> PlanEnemySave(RomImage& rom, int n, const EnemyForm& form, WritePlan* plan);

// The whole save of entry n: plan it, then write it, provided the file still holds the entry's
// bytes `shown` (when given). The message of a refusal (nothing was written) or of a failure
// (what was written and what was not), or nothing on success.
std::optional<QString> SaveEnemy(RomImage& rom, int n, const EnemyForm& form,
                                 const QByteArray& shown = {});
