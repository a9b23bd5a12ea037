#include "rom/modstuff.h"

#include <limits>

namespace modStuff {

QString RomPath;
std::unique_ptr<RomImage> RomFile;

bool ReopenIfReplaced() {
    if (!RomFile || RomFile->pathState() != RomImage::PathState::Replaced)
        return false;
    auto opened = OpenRomImage(RomFile->path());
    if (!opened)
        return false;
    auto fresh = *std::move(opened);
    if (RomFile->backupWanted())
        fresh->enableBackup();
    RomFile = std::move(fresh);
    return true;
}

namespace {

// Checks an access of `width` bytes at `offset` before anything is read or written. The file
// interface behind the original design numbered positions from 1, so the last byte's position
// (offset + width) had to fit a signed 32-bit value; the same limit holds here.
[[noreturn]] void refuse(Fault fault, Operation operation, qint32 offset, qint64 value = 0) {
    Outcome o;
    o.fault = fault;
    o.operation = operation;
    o.offset = offset;
    o.word = value;
    throw RomError(o);
}

void checkOffset(qint32 offset, int width, Operation operation) {
    if (qint64(offset) + width > std::numeric_limits<qint32>::max())
        refuse(ImageFault::OffsetTooLarge, operation, offset);
    if (offset < 0)
        refuse(ImageFault::BeforeStart, operation, offset);
}

} // namespace

quint8 ReadByte(RomImage& rom, qint32 offset) {
    checkOffset(offset, 1, Operation::ReadByte);
    return rom.readByte(offset);
}

qint32 ReadWord(RomImage& rom, qint32 offset) {
    checkOffset(offset, 2, Operation::ReadWord);
    quint8 bytes[2] = {0, 0};
    rom.read(offset, bytes, 2);
    return bytes[1] * 256 + bytes[0];
}

void WriteByte(const WriteKey& key, RomImage& rom, qint32 offset, quint8 value) {
    checkOffset(offset, 1, Operation::WriteByte);
    rom.write(key, offset, value);
}

void WriteWord(const WriteKey& key, RomImage& rom, qint32 offset, qint32 value) {
    if (value < 0 || value > 0xFFFF)
        refuse(ImageFault::WordTooLarge, Operation::WriteWord, offset, value);
    checkOffset(offset, 2, Operation::WriteWord);
    rom.write(key, offset, quint8(value & 0xFF));
    rom.write(key, qint64(offset) + 1, quint8(value >> 8));
}

} // namespace modStuff
