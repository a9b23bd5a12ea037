// Both name readers over arbitrary bytes: the first two bytes are the pointer, the rest is the
// image. The shared reader fails cleanly or agrees with the item editor's reader.
#include "items/itemrecord.h"
#include "memoryimage.h"
#include "rom/modstuff.h"
#include "rom/names.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const qint32 pointer = data[0] | data[1] << 8;
    auto rom = MemoryImage(data + 2, size - 2);
    const QString lenient = GetItemName(*rom, pointer);
    if (lenient.size() > MaxNameLength)
        std::abort();
    try {
        const QString strict = modStuff::ReadName(*rom, pointer);
        if (strict != lenient)
            std::abort(); // both end at the first byte below 0x80
    } catch (const RomError& e) {
        if (pointer >= PointerBias && lenient.size() < MaxNameLength)
            std::abort(); // the shared reader failed on a readable name
    }
    return 0;
}
