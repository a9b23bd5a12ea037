#include "items/itemnames.h"

#include "items/itemrecord.h"
#include "rom/imagecalls.h"
#include "rom/modstuff.h"
#include "rom/names.h"

QStringList ItemNames;

QStringList BuildItemNames(RomImage& rom) {
    rom.refresh();
    QStringList names;
    names.reserve(ItemCount);
    for (int i = 0; i < ItemCount; ++i) {
        // The entry's first word, its name pointer, low byte first.
        const auto pointer = ImageBytes(rom, ItemEntryOffset(i), 2);
        names << (pointer
                      ? ReadNameOrEmpty(rom, quint8(pointer->at(0)) | quint8(pointer->at(1)) << 8)
                      : QString());
    }
    return names;
}

QStringList ItemChoices(const QStringList& names) {
    QStringList lines{QStringLiteral("<nothing>")};
    for (int j = 1; j <= HighestItem; ++j)
        lines << names.value(j);
    return lines;
}

void FollowReplacedImage() {
    if (modStuff::ReopenIfReplaced())
        ItemNames = BuildItemNames(*modStuff::RomFile);
}
