#pragma once

#include "rom/romimage.h"

#include <QString>

#include <vector>

// The item table: 114 entries of 8 bytes from ROM offset 0x1810.
//   0-1  name pointer (word)     2  flag byte     3  strength
//   4    effect out of battle    5  effect in battle     6-7  cost (word)
inline constexpr qint32 ItemTableOffset = 0x1810;
inline constexpr int ItemCount = 114;
inline constexpr int ItemEntrySize = 8;

// Flag byte: bit 7 permanent, bit 6 edible, bits 3..0 Teddy, Loid, Ana, Ninten. Bits 5 and 4 hold
// data the editor does not show; a save keeps them as they are stored.
inline constexpr quint8 ItemHiddenFlagBits = 0x30;

struct ItemRecord {
    QString Name;
    qint32 NamePtr = 0; // as stored, no bias applied
    bool Perm = false;
    bool Edible = false;
    bool Ninten = false;
    bool Ana = false;
    bool Loid = false;
    bool Teddy = false;
    qint32 Cost = 0;
    quint8 EffIn = 0;
    quint8 EffOut = 0;
    quint8 Str = 0;
};

inline qint32 ItemEntryOffset(int index) {
    return ItemTableOffset + ItemEntrySize * index;
}

// The item editor's name reader. Where the shared reader fails it still gives a name, so a load
// always goes on with the next item: a pointer below 0x7FF0 gives an empty name, a byte from 0x01
// to 0x7F ends the name as 0x00 does, and a name longer than 32767 characters is cut there.
QString GetItemName(RomImage& rom, qint32 pointer);

// Decodes entry `index` (0..113) as the file holds it now.
ItemRecord DecodeItem(RomImage& rom, int index);

// The whole table, read afresh from the file.
std::vector<ItemRecord> DecodeItemTable(RomImage& rom);

// The six flags of `item` over the stored byte, whose bits 5 and 4 are kept.
quint8 EncodeItemFlags(const ItemRecord& item, quint8 storedByte);
