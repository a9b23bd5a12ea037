#pragma once

#include "rom/romimage.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// An image held in an anonymous in-memory file, so that a fuzzer drives the real file layer
// without touching the disk. It counts the writes that reach the file: "nothing was written" is
// then checked without reading the whole image back.
class MemoryRom : public RomImage {
public:
    using RomImage::RomImage;
    qint64 writes() const { return m_writes; }

protected:
    IoResult writeRaw(qint64 pos, const char* data, qint64 len) override;

private:
    qint64 m_writes = 0;
};

std::unique_ptr<MemoryRom> MemoryImage(const uint8_t* data, size_t size);

// What the in-memory file holds now.
std::string MemoryImageBytes(RomImage& rom);
