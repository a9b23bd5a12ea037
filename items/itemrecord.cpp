#include "items/itemrecord.h"

#include "rom/names.h"

namespace {

using K = FieldKind;

// Key, caption, heading (FieldCaption texts), offset, mask, kind and step of each field, in the
// order of tolvane-cli's columns. A
// save writes them by step, which is the order of their bytes. Bits 5 and 4 of the flag byte belong
// to no field and are kept as stored; the six flags share that byte, and messages call it "flags".
constexpr RecordField Fields[] = {
    Field<&ItemRecord::NamePtr>("pointer", QT_TRANSLATE_NOOP("FieldCaption", "pointer to name"),
                                QT_TRANSLATE_NOOP("FieldCaption", "Pointer to name"), 0, 0xFFFF,
                                K::Pointer, 0),
    Field<&ItemRecord::Str>("strength", QT_TRANSLATE_NOOP("FieldCaption", "strength"),
                            QT_TRANSLATE_NOOP("FieldCaption", "Equippable/Item strength"), 3, 0xFF,
                            K::Number, 2),
    Field<&ItemRecord::EffOut>(
        "effect_out", QT_TRANSLATE_NOOP("FieldCaption", "effect out of battle"),
        QT_TRANSLATE_NOOP("FieldCaption", "Effect out of battle"), 4, 0xFF, K::Number, 3),
    Field<&ItemRecord::EffIn>("effect_in", QT_TRANSLATE_NOOP("FieldCaption", "effect in battle"),
                              QT_TRANSLATE_NOOP("FieldCaption", "Effect in battle"), 5, 0xFF,
                              K::Number, 4),
    Field<&ItemRecord::Cost>("cost", QT_TRANSLATE_NOOP("FieldCaption", "cost"),
                             QT_TRANSLATE_NOOP("FieldCaption", "Cost"), 6, 0xFFFF, K::Number, 5),
    Field<&ItemRecord::Perm>("permanent", QT_TRANSLATE_NOOP("FieldCaption", "flags"),
                             QT_TRANSLATE_NOOP("FieldCaption", "Permanent"), 2, 0x80, K::Flag, 1),
    Field<&ItemRecord::Edible>("edible", QT_TRANSLATE_NOOP("FieldCaption", "flags"),
                               QT_TRANSLATE_NOOP("FieldCaption", "Edible"), 2, 0x40, K::Flag, 1),
    Field<&ItemRecord::Ninten>("ninten", QT_TRANSLATE_NOOP("FieldCaption", "flags"),
                               QT_TRANSLATE_NOOP("FieldCaption", "Ninten"), 2, 0x01, K::Flag, 1),
    Field<&ItemRecord::Ana>("ana", QT_TRANSLATE_NOOP("FieldCaption", "flags"),
                            QT_TRANSLATE_NOOP("FieldCaption", "Ana"), 2, 0x02, K::Flag, 1),
    Field<&ItemRecord::Loid>("loid", QT_TRANSLATE_NOOP("FieldCaption", "flags"),
                             QT_TRANSLATE_NOOP("FieldCaption", "Loid"), 2, 0x04, K::Flag, 1),
    Field<&ItemRecord::Teddy>("teddy", QT_TRANSLATE_NOOP("FieldCaption", "flags"),
                              QT_TRANSLATE_NOOP("FieldCaption", "Teddy"), 2, 0x08, K::Flag, 1),
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
