#include "items/itemrecord.h"

#include "rom/names.h"

namespace {

using K = FieldKind;

// Key, caption, offset, mask, kind and step of each field, in the order of tolvane-cli's columns. A
// save writes them by step, which is the order of their bytes. Bits 5 and 4 of the flag byte belong
// to no field and are kept as stored; the six flags share that byte, and messages call it "flags".
constexpr RecordField Fields[] = {
    Field<&ItemRecord::NamePtr>("pointer", "pointer to name", 0, 0xFFFF, K::Pointer, 0),
    Field<&ItemRecord::Str>("strength", "strength", 3, 0xFF, K::Number, 2),
    Field<&ItemRecord::EffOut>("effect_out", "effect out of battle", 4, 0xFF, K::Number, 3),
    Field<&ItemRecord::EffIn>("effect_in", "effect in battle", 5, 0xFF, K::Number, 4),
    Field<&ItemRecord::Cost>("cost", "cost", 6, 0xFFFF, K::Number, 5),
    Field<&ItemRecord::Perm>("permanent", "flags", 2, 0x80, K::Flag, 1),
    Field<&ItemRecord::Edible>("edible", "flags", 2, 0x40, K::Flag, 1),
    Field<&ItemRecord::Ninten>("ninten", "flags", 2, 0x01, K::Flag, 1),
    Field<&ItemRecord::Ana>("ana", "flags", 2, 0x02, K::Flag, 1),
    Field<&ItemRecord::Loid>("loid", "flags", 2, 0x04, K::Flag, 1),
    Field<&ItemRecord::Teddy>("teddy", "flags", 2, 0x08, K::Flag, 1),
};

} // namespace

constexpr TableFormat ItemFormat = {"items",       "item", ItemTableOffset, ItemCount,
                                    ItemEntrySize, Fields, &GetItemName};

QString GetItemName(RomImage& rom, qint32 pointer) {
    const qint64 offset = qint64(pointer) - PointerBias;
    if (offset < 0)
        return {};
    bool tooLong = false;
    return ScanName(rom, offset, &tooLong);
}

ItemRecord DecodeItem(RomImage& rom, int index) {
    ItemRecord r;
    DecodeFields(ItemFormat, rom.bytes(ItemEntryOffset(index), ItemEntrySize), &r);
    r.Name = GetItemName(rom, r.NamePtr);
    return r;
}

std::vector<ItemRecord> DecodeItemTable(RomImage& rom) {
    return DecodeTable(rom, ItemFormat, &DecodeItem);
}
