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
    // Bit 7 permanent, bit 6 edible, bits 3..0 Teddy, Loid, Ana, Ninten; bits 5 and 4 are not
    // shown. Taken with masks rather than through bit strings: a load decodes 114 flag bytes.
    const quint8 flags = ReadByte(rom, base + 2);
    r.Perm = flags & 0x80;
    r.Edible = flags & 0x40;
    r.Teddy = flags & 0x08;
    r.Loid = flags & 0x04;
    r.Ana = flags & 0x02;
    r.Ninten = flags & 0x01;
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
