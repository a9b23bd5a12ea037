#pragma once

#include "rom/result.h"
#include "rom/romimage.h"

#include <memory>

// The image as its file holds it now, read whole once and held in memory: what a load, a plan or
// a command reads and decodes, so that a failure of the file is met once, as the result, and can
// never reach a reader half-way through. It stands for no file, and it can only be read.
Result<std::unique_ptr<RomImage>> HoldImage(RomImage& rom);
