// Both table decoders and the item name table over arbitrary image files, and encode after
// decode: writing back an entry just decoded changes no byte. The input is laid over the image
// three times (tiled from the start, and verbatim at each table) so that short inputs still reach
// both tables and the name area; its first three bytes choose the file's length.
#include "enemies/enemyrecord.h"
#include "fields/numbertext.h"
#include "items/itemnames.h"
#include "items/itemrecord.h"
#include "memoryimage.h"
#include "tables/recordfield.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr size_t LargestImage = 0x10 + 0x40000;

// Saving a form just decoded, refused or not, changes no byte.
template <class Save> void saveUnchanged(RomImage& rom, Save save) {
    const std::string before = MemoryImageBytes(rom);
    (void)save(); // may be refused for an entry beyond the end
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
    saveUnchanged(*rom, [&] {
        return SaveEntry(*rom, ItemFormat, item, FormOf(ItemFormat, &items[size_t(item)]));
    });
    const int enemy = payload[payloadSize - 1] % EnemyCount;
    saveUnchanged(*rom, [&] {
        return SaveEntry(*rom, EnemyFormat, enemy, FormOf(EnemyFormat, &enemies[size_t(enemy)]));
    });
    return 0;
}
