#pragma once

#include "rom/romimage.h"
#include "tables/recordfield.h"

#include <QString>

#include <vector>

// The enemy table: 121 entries of 32 bytes from ROM offset 0x2C030. EnemyFormat (enemyrecord.cpp)
// describes every field of an entry; bytes 0x00-0x02, 0x10-0x17 and 0x1F are never read or written.
inline constexpr qint32 EnemyTableOffset = 0x2C030;
inline constexpr int EnemyCount = 121;
inline constexpr int EnemyEntrySize = 32;

struct EnemyRecord {
    qint16 HP = 0;
    qint16 PP = 0;
    qint16 Off = 0;
    qint16 Def = 0;
    // Bits 2-7 of byte 0x0A kept in place (the byte AND 0xFC), so that Type / 4 is the number
    // those six bits form: the position of the hidden type list, which only knows 0..7.
    quint8 Type = 0;
    quint8 Fight = 0;
    quint8 Speed = 0;
    quint8 Wisdom = 0;
    quint8 Str = 0;
    quint8 Force = 0;
    QString Name;
    qint32 NamePtr = 0; // as stored
    qint32 Exp = 0;
    qint32 Money = 0;
    quint8 Item = 0;
};

extern const TableFormat EnemyFormat;

inline qint32 EnemyEntryOffset(int n) {
    return EnemyFormat.entryOffset(n);
}

// Decodes entry n (0..120). A name that cannot be read (a pointer below 0x7FF0, a name longer
// than 32767 characters) is empty; the other fields decode as usual.
EnemyRecord DecodeEnemy(RomImage& rom, int n);
// The whole table, read afresh from the file.
std::vector<EnemyRecord> DecodeEnemyTable(RomImage& rom);
