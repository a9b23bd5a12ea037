#include "memoryimage.h"

#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

IoResult MemoryRom::writeRaw(qint64 pos, const char* data, qint64 len) {
    ++m_writes;
    return RomImage::writeRaw(pos, data, len);
}

std::unique_ptr<MemoryRom> MemoryImage(const uint8_t* data, size_t size) {
    const int fd = memfd_create("image", MFD_CLOEXEC);
    if (fd < 0)
        std::abort();
    for (size_t done = 0; done < size;) {
        const ssize_t n = pwrite(fd, data + done, size - done, off_t(done));
        if (n <= 0)
            std::abort();
        done += size_t(n);
    }
    // A file with no name has no identity for a save to check.
    return std::make_unique<MemoryRom>(QStringLiteral("memory"),
                                       OpenedFile{fd, false, std::nullopt});
}

std::string MemoryImageBytes(RomImage& rom) {
    std::string bytes(size_t(rom.size()), '\0');
    rom.refresh();
    rom.read(0, reinterpret_cast<quint8*>(bytes.data()), qint64(bytes.size()));
    return bytes;
}
