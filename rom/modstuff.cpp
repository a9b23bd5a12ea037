#include "rom/modstuff.h"

#include <limits>

namespace modStuff {

QString RomPath;
std::unique_ptr<RomImage> RomFile;

bool ReopenIfReplaced() {
    if (!RomFile || RomFile->pathState() != RomImage::PathState::Replaced)
        return false;
    auto fresh = OpenRomImage(RomFile->path(), nullptr);
    if (!fresh)
        return false;
    if (RomFile->backupWanted())
        fresh->enableBackup();
    RomFile = std::move(fresh);
    return true;
}

namespace {

// Checks an access of `width` bytes at `offset` before anything is read or written. The file
// interface behind the original design numbered positions from 1, so the last byte's position
// (offset + width) had to fit a signed 32-bit value; the same limit holds here.
void checkOffset(qint32 offset, int width, const char* operation) {
    if (qint64(offset) + width > std::numeric_limits<qint32>::max())
        throw RomError(RomError::Kind::Overflow,
                       QStringLiteral("%1 at offset %2: overflow, the offset is too large.")
                           .arg(QLatin1String(operation), HexOffset(offset)));
    if (offset < 0)
        throw RomError(RomError::Kind::BadOffset,
                       QStringLiteral("%1 at offset -%2: the position lies before the start of "
                                      "the file.")
                           .arg(QLatin1String(operation), HexOffset(-qint64(offset))));
}

} // namespace

quint8 ReadByte(RomImage& rom, qint32 offset) {
    checkOffset(offset, 1, "Read byte");
    return rom.readByte(offset);
}

qint32 ReadWord(RomImage& rom, qint32 offset) {
    checkOffset(offset, 2, "Read word");
    quint8 bytes[2] = {0, 0};
    rom.read(offset, bytes, 2);
    return bytes[1] * 256 + bytes[0];
}

void WriteByte(RomImage& rom, qint32 offset, quint8 value) {
    checkOffset(offset, 1, "Write byte");
    rom.write(offset, value);
}

void WriteWord(RomImage& rom, qint32 offset, qint32 value) {
    if (value < 0 || value > 0xFFFF)
        throw RomError(RomError::Kind::Overflow,
                       QStringLiteral("Write word at offset %1: overflow, %2 does not fit in 16 "
                                      "bits.")
                           .arg(HexOffset(offset))
                           .arg(value));
    checkOffset(offset, 2, "Write word");
    rom.write(offset, quint8(value & 0xFF));
    rom.write(qint64(offset) + 1, quint8(value >> 8));
}

} // namespace modStuff
