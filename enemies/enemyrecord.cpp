#include "enemies/enemyrecord.h"

#include "items/itemnames.h"
#include "rom/names.h"

namespace {

using K = FieldKind;

// Key, caption, heading (FieldCaption texts), offset, mask, kind and step of each field, in the
// order of tolvane-cli's columns.
// HP, PP, Offense and Defense are 10-bit values: a low byte, then a second byte whose bits 0-1
// are bits 8-9 of the value and whose bits 2-7 hold other data, which a save keeps. A save writes
// the name pointer, Fight..Force, the item, Experience, Money, then the four 10-bit values.
constexpr RecordField Fields[] = {
    Field<&EnemyRecord::NamePtr>("pointer", QT_TRANSLATE_NOOP("FieldCaption", "pointer to name"),
                                 QT_TRANSLATE_NOOP("FieldCaption", "Pointer to Name"), 0x18, 0xFFFF,
                                 K::Pointer, 0),
    Field<&EnemyRecord::HP>("hp", QT_TRANSLATE_NOOP("FieldCaption", "HP"),
                            QT_TRANSLATE_NOOP("FieldCaption", "HP"), 0x03, 0x03FF, K::Number, 9),
    Field<&EnemyRecord::PP>("pp", QT_TRANSLATE_NOOP("FieldCaption", "PP"),
                            QT_TRANSLATE_NOOP("FieldCaption", "PP"), 0x05, 0x03FF, K::Number, 10),
    Field<&EnemyRecord::Off>("offense", QT_TRANSLATE_NOOP("FieldCaption", "offense"),
                             QT_TRANSLATE_NOOP("FieldCaption", "Offense"), 0x07, 0x03FF, K::Number,
                             11),
    Field<&EnemyRecord::Def>("defense", QT_TRANSLATE_NOOP("FieldCaption", "defense"),
                             QT_TRANSLATE_NOOP("FieldCaption", "Defense"), 0x09, 0x03FF, K::Number,
                             12),
    Field<&EnemyRecord::Fight>("fight", QT_TRANSLATE_NOOP("FieldCaption", "fight"),
                               QT_TRANSLATE_NOOP("FieldCaption", "Fight"), 0x0B, 0xFF, K::Number,
                               1),
    Field<&EnemyRecord::Speed>("speed", QT_TRANSLATE_NOOP("FieldCaption", "speed"),
                               QT_TRANSLATE_NOOP("FieldCaption", "Speed"), 0x0C, 0xFF, K::Number,
                               2),
    Field<&EnemyRecord::Wisdom>("wisdom", QT_TRANSLATE_NOOP("FieldCaption", "wisdom"),
                                QT_TRANSLATE_NOOP("FieldCaption", "Wisdom"), 0x0D, 0xFF, K::Number,
                                3),
    Field<&EnemyRecord::Str>("strength", QT_TRANSLATE_NOOP("FieldCaption", "strength"),
                             QT_TRANSLATE_NOOP("FieldCaption", "Strength"), 0x0E, 0xFF, K::Number,
                             4),
    Field<&EnemyRecord::Force>("force", QT_TRANSLATE_NOOP("FieldCaption", "force"),
                               QT_TRANSLATE_NOOP("FieldCaption", "Force"), 0x0F, 0xFF, K::Number,
                               5),
    Field<&EnemyRecord::Exp>("experience", QT_TRANSLATE_NOOP("FieldCaption", "experience"),
                             QT_TRANSLATE_NOOP("FieldCaption", "Experience"), 0x1A, 0xFFFF,
                             K::Number, 7),
    Field<&EnemyRecord::Money>("money", QT_TRANSLATE_NOOP("FieldCaption", "money"),
                               QT_TRANSLATE_NOOP("FieldCaption", "Money"), 0x1C, 0xFFFF, K::Number,
                               8),
    Field<&EnemyRecord::Item>("item", QT_TRANSLATE_NOOP("FieldCaption", "item"),
                              QT_TRANSLATE_NOOP("FieldCaption", "Item"), 0x1E, 0xFF, K::Item, 6),
};

QStringList itemChoices(RomImage& rom) {
    return ItemChoices(BuildItemNames(rom));
}

} // namespace

constexpr TableFormat EnemyFormat = {"enemies",      "enemy", EnemyTableOffset, EnemyCount,
                                     EnemyEntrySize, Fields,  &ReadNameOrEmpty, &itemChoices};

EnemyRecord DecodeEnemy(RomImage& rom, int n) {
    const QByteArray entry = rom.bytes(EnemyEntryOffset(n), EnemyEntrySize);
    EnemyRecord r;
    DecodeFields(EnemyFormat, entry, &r);
    r.Name = ReadNameOrEmpty(rom, r.NamePtr);
    r.Type = quint8(entry.at(0x0A)) & 0xFC;
    return r;
}

std::vector<EnemyRecord> DecodeEnemyTable(RomImage& rom) {
    return DecodeTable(rom, EnemyFormat, &DecodeEnemy);
}
