#pragma once

#include "rom/romimage.h"

#include <QStringList>

// The 114 item names read when an image is opened; the enemy editor's item list shows them. They
// are not refreshed by a save: only opening an image replaces them.
extern QStringList ItemNames;

// Reads the names of all 114 items through the shared name reader. A name that cannot be read is
// empty and the build goes on with the next item.
QStringList BuildItemNames(RomImage& rom);

// The lines of the enemy editor's item list: "<nothing>" for item 0, then the names of items 1 to
// HighestItem. An item above HighestItem has no line.
QStringList ItemChoices(const QStringList& names);

// Before an editor loads: when another program has replaced the image file on disk, opens the new
// one in its place and reads its item names, as opening it would.
void FollowReplacedImage();
