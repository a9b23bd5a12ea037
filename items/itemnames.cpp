#include "items/itemnames.h"

#include "items/itemrecord.h"
#include "rom/modstuff.h"
#include "rom/names.h"

QStringList ItemNames;

QStringList BuildItemNames(RomImage& rom) {
    rom.refresh();
    QStringList names;
    names.reserve(ItemCount);
    for (int i = 0; i < ItemCount; ++i) {
        try {
            names << ReadNameOrEmpty(rom, modStuff::ReadWord(rom, ItemEntryOffset(i)));
        } catch (const RomError&) {
            names << QString();
        }
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
