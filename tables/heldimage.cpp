#include "tables/heldimage.h"

#include "rom/imagebytes.h"
#include "tables/original.h"

Result<std::unique_ptr<RomImage>> HoldImage(RomImage& rom) {
    const auto bytes = ReadWholeImage(rom);
    if (!bytes)
        return bytes.failure();
    return ImageOfBytes(*bytes);
}
