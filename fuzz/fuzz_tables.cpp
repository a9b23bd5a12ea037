// Both table decoders and the item name table over arbitrary image files, and encode after
// decode: writing back an entry just decoded changes no byte. The input is laid over the image
// three times (tiled from the start, and verbatim at each table) so that short inputs still reach
// both tables and the name area; its first three bytes choose the file's length.
#include "enemies/enemysave.h"
#include "fields/numbertext.h"
#include "items/itemsave.h"
#include "main/itemnames.h"
#include "memoryimage.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr size_t LargestImage = 0x10 + 0x40000;

ItemForm formOf(const ItemRecord& r) {
    ItemForm f;
    f.namePtr = PointerText(r.NamePtr);
    f.str = QString::number(r.Str);
    f.effOut = QString::number(r.EffOut);
    f.effIn = QString::number(r.EffIn);
    f.cost = QString::number(r.Cost);
    f.perm = r.Perm;
    f.edible = r.Edible;
    f.teddy = r.Teddy;
    f.loid = r.Loid;
    f.ana = r.Ana;
    f.ninten = r.Ninten;
    return f;
}

EnemyForm formOf(const EnemyRecord& r) {
    EnemyForm f;
    f.namePtr = PointerText(r.NamePtr);
    f.hp = QString::number(r.HP);
    f.pp = QString::number(r.PP);
    f.off = QString::number(r.Off);
    f.def = QString::number(r.Def);
    f.fight = QString::number(r.Fight);
    f.speed = QString::number(r.Speed);
    f.wisdom = QString::number(r.Wisdom);
    f.str = QString::number(r.Str);
    f.force = QString::number(r.Force);
    f.exp = QString::number(r.Exp);
    f.money = QString::number(r.Money);
    f.itemPosition = r.Item <= HighestItem ? r.Item : -1;
    return f;
}

void saveUnchanged(RomImage& rom, const WritePlan& plan) {
    const std::string before = MemoryImageBytes(rom);
    (void)ExecutePlan(rom, plan); // may be refused for an entry beyond the end
    if (MemoryImageBytes(rom) != before)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    const size_t length = (data[0] | data[1] << 8 | size_t(data[2]) << 16) % (LargestImage + 1);
    const uint8_t* payload = data + 3;
    const size_t payloadSize = size - 3;
    std::vector<uint8_t> image(length);
    for (size_t i = 0; i < length; ++i)
        image[i] = payload[i % payloadSize];
    for (const size_t at : {size_t(ItemTableOffset), size_t(EnemyTableOffset)})
        if (at < length)
            std::memcpy(image.data() + at, payload, std::min(payloadSize, length - at));

    auto rom = MemoryImage(image.data(), image.size());
    const QStringList names = BuildItemNames(*rom);
    if (names.size() != ItemCount)
        std::abort();
    const auto items = DecodeItemTable(*rom);
    const auto enemies = DecodeEnemyTable(*rom);

    const int item = payload[0] % ItemCount;
    WritePlan plan;
    if (!PlanItemSave(*rom, item, formOf(items[size_t(item)]), &plan))
        saveUnchanged(*rom, plan);
    const int enemy = payload[payloadSize - 1] % EnemyCount;
    plan = WritePlan{};
    if (!PlanEnemySave(*rom, enemy, formOf(enemies[size_t(enemy)]), &plan))
        saveUnchanged(*rom, plan);
    return 0;
}
