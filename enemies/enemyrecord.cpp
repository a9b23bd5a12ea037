#include "enemies/enemyrecord.h"

#include "items/itemnames.h"
#include "rom/names.h"

namespace {

using K = FieldKind;

// Key, caption, offset, mask, kind and step of each field, in the order of tolvane-cli's columns.
// HP, PP, Offense and Defense are 10-bit values: a low byte, then a second byte whose bits 0-1
// are bits 8-9 of the value and whose bits 2-7 hold other data, which a save keeps. A save writes
// the name pointer, Fight..Force, the item, Experience, Money, then the four 10-bit values.
constexpr RecordField Fields[] = {
    Field<&EnemyRecord::NamePtr>("pointer", "pointer to name", 0x18, 0xFFFF, K::Pointer, 0),
    Field<&EnemyRecord::HP>("hp", "HP", 0x03, 0x03FF, K::Number, 9),
    Field<&EnemyRecord::PP>("pp", "PP", 0x05, 0x03FF, K::Number, 10),
    Field<&EnemyRecord::Off>("offense", "offense", 0x07, 0x03FF, K::Number, 11),
    Field<&EnemyRecord::Def>("defense", "defense", 0x09, 0x03FF, K::Number, 12),
    Field<&EnemyRecord::Fight>("fight", "fight", 0x0B, 0xFF, K::Number, 1),
    Field<&EnemyRecord::Speed>("speed", "speed", 0x0C, 0xFF, K::Number, 2),
    Field<&EnemyRecord::Wisdom>("wisdom", "wisdom", 0x0D, 0xFF, K::Number, 3),
    Field<&EnemyRecord::Str>("strength", "strength", 0x0E, 0xFF, K::Number, 4),
    Field<&EnemyRecord::Force>("force", "force", 0x0F, 0xFF, K::Number, 5),
    Field<&EnemyRecord::Exp>("experience", "experience", 0x1A, 0xFFFF, K::Number, 7),
    Field<&EnemyRecord::Money>("money", "money", 0x1C, 0xFFFF, K::Number, 8),
    Field<&EnemyRecord::Item>("item", "item", 0x1E, 0xFF, K::Item, 6),
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
