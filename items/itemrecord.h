#pragma once

#include "rom/romimage.h"
#include "tables/recordfield.h"

#include <QString>

#include <vector>

// The item table: 114 entries of 8 bytes from ROM offset 0x1810. ItemFormat (itemrecord.cpp)
// describes every field of an entry.
inline constexpr qint32 ItemTableOffset = 0x1810;
inline constexpr int ItemCount = 114;
inline constexpr int ItemEntrySize = 8;

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

extern const TableFormat ItemFormat;

inline qint32 ItemEntryOffset(int index) {
    return ItemFormat.entryOffset(index);
}

// The item editor's name reader. Where the shared reader fails it still gives a name, so a load
// always goes on with the next item: a pointer below 0x7FF0 gives an empty name, a byte from 0x01
// to 0x7F ends the name as 0x00 does, and a name longer than 32767 characters is cut there.
QString GetItemName(RomImage& rom, qint32 pointer);

// Decodes entry `index` (0..113) as the file holds it now.
ItemRecord DecodeItem(RomImage& rom, int index);

// The whole table, read afresh from the file.
std::vector<ItemRecord> DecodeItemTable(RomImage& rom);
