#pragma once

#include "rom/romimage.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// An image held in an anonymous in-memory file, so that a fuzzer drives the real file layer
// without touching the disk.
std::unique_ptr<RomImage> MemoryImage(const uint8_t* data, size_t size);

// What the in-memory file holds now.
std::string MemoryImageBytes(RomImage& rom);
