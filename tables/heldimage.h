#pragma once

#include "rom/result.h"
#include "rom/romimage.h"
#include "tables/original.h"

#include <QByteArray>

#include <memory>

// Images held in memory, read-only: the original of an image, an image of given bytes, and the
// image as its file holds it now.

// The image `now` with the original's bytes laid over it: read-only, held in memory, read through
// `now`'s cache, which it must not outlive.
std::unique_ptr<RomImage> OriginalImage(RomImage& now, const OriginalBytes& original);
// An image of `bytes` alone, read-only, with no file and no history behind it.
std::unique_ptr<RomImage> ImageOfBytes(const QByteArray& bytes);
// The image as its file holds it now, read whole once and held in memory: what a load, a plan or
// a command reads and decodes, so that a failure of the file is met once, as the result, and can
// never reach a reader half-way through. It stands for no file, and it can only be read.
Result<std::unique_ptr<RomImage>> HoldImage(RomImage& rom);
