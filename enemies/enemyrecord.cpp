#include "enemies/enemyrecord.h"

#include "rom/bitstrings.h"
#include "rom/modstuff.h"
#include "rom/names.h"

using namespace modStuff;

qint16 TenBitValue(quint8 low, quint8 second) {
    // Bits 0-1 of the second byte in front of the eight of the low byte. A load decodes 484 of
    // these, so they are taken with a mask rather than through bit strings.
    return qint16((second & 0x03) << 8 | low);
}

void PackTenBit(qint32 value, quint8 storedSecond, quint8* low, quint8* second) {
    const QString ten = PaddedBitString(value, 10);
    *low = quint8(FromBitString(ten.right(8)));
    // The six digits of bits 7..2 as stored, then the two leftmost digits of the value.
    *second = quint8(FromBitString(PaddedBitString(storedSecond, 8).left(6) + ten.left(2)));
}

EnemyRecord DecodeEnemy(RomImage& rom, int n) {
    const qint32 base = EnemyEntryOffset(n);
    EnemyRecord r;
    r.NamePtr = ReadWord(rom, base + 0x18);
    r.Name = ReadNameOrEmpty(rom, r.NamePtr);
    const auto tenBit = [&](int lowAt) {
        return TenBitValue(ReadByte(rom, base + lowAt), ReadByte(rom, base + lowAt + 1));
    };
    r.HP = tenBit(0x03);
    r.PP = tenBit(0x05);
    r.Off = tenBit(0x07);
    r.Def = tenBit(0x09);
    r.Type = ReadByte(rom, base + 0x0A) & 0xFC;
    r.Fight = ReadByte(rom, base + 0x0B);
    r.Speed = ReadByte(rom, base + 0x0C);
    r.Wisdom = ReadByte(rom, base + 0x0D);
    r.Str = ReadByte(rom, base + 0x0E);
    r.Force = ReadByte(rom, base + 0x0F);
    r.Exp = ReadWord(rom, base + 0x1A);
    r.Money = ReadWord(rom, base + 0x1C);
    r.Item = ReadByte(rom, base + 0x1E);
    return r;
}

std::vector<EnemyRecord> DecodeEnemyTable(RomImage& rom) {
    rom.refresh();
    std::vector<EnemyRecord> table;
    table.reserve(EnemyCount);
    for (int n = 0; n < EnemyCount; ++n)
        table.push_back(DecodeEnemy(rom, n));
    return table;
}
