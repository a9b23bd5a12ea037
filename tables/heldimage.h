#pragma once

#include "rom/romimage.h"
#include "tables/original.h"

#include <QByteArray>

#include <memory>

// Images held in memory, read-only: the original of an image, and an image of given bytes.

// The image `now` with the original's bytes laid over it: read-only, held in memory, read through
// `now`'s cache, which it must not outlive.
std::unique_ptr<RomImage> OriginalImage(RomImage& now, const OriginalBytes& original);
// An image of `bytes` alone, read-only, with no file and no history behind it.
std::unique_ptr<RomImage> ImageOfBytes(const QByteArray& bytes);
