#include "items/itemrecord.h"

#include "rom/bitstrings.h"
#include "rom/modstuff.h"
#include "rom/names.h"

using namespace modStuff;

QString GetItemName(RomImage& rom, qint32 pointer) {
    const qint64 offset = qint64(pointer) - PointerBias;
    if (offset < 0)
        return {};
    bool tooLong = false;
    return ScanName(rom, offset, &tooLong);
}

ItemRecord DecodeItem(RomImage& rom, int index) {
    const qint32 base = ItemEntryOffset(index);
    ItemRecord r;
    r.Name = GetItemName(rom, ReadWord(rom, base));
    r.NamePtr = ReadWord(rom, base);
    // Eight digits, digit 1 standing for bit 7; digits 3 and 4 (bits 5 and 4) are not shown.
    const QString flags = PaddedBitString(ReadByte(rom, base + 2), 8);
    const auto set = [&flags](int digit) { return flags.at(digit - 1) == QLatin1Char('1'); };
    r.Perm = set(1);
    r.Edible = set(2);
    r.Teddy = set(5);
    r.Loid = set(6);
    r.Ana = set(7);
    r.Ninten = set(8);
    r.Cost = ReadWord(rom, base + 6);
    r.EffIn = ReadByte(rom, base + 5);
    r.EffOut = ReadByte(rom, base + 4);
    r.Str = ReadByte(rom, base + 3);
    return r;
}

std::vector<ItemRecord> DecodeItemTable(RomImage& rom) {
    rom.refresh();
    std::vector<ItemRecord> table;
    table.reserve(ItemCount);
    for (int i = 0; i < ItemCount; ++i)
        table.push_back(DecodeItem(rom, i));
    return table;
}

quint8 EncodeItemFlags(const ItemRecord& item, quint8 storedByte) {
    const QString kept = PaddedBitString(storedByte, 8).mid(2, 2);
    const auto digit = [](bool on) { return on ? QLatin1Char('1') : QLatin1Char('0'); };
    QString bits;
    bits += digit(item.Perm);
    bits += digit(item.Edible);
    bits += kept;
    bits += digit(item.Teddy);
    bits += digit(item.Loid);
    bits += digit(item.Ana);
    bits += digit(item.Ninten);
    return quint8(FromBitString(bits));
}
