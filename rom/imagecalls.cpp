#include "rom/imagecalls.h"

#include "rom/modstuff.h"

namespace {

// The one place where the image layer's exception becomes an outcome for the callers above it.
template <class Call> Outcome attempt(Call&& call) {
    try {
        call();
        return {};
    } catch (const RomError& e) {
        return e.outcome();
    }
}

} // namespace

Result<qint64> ImageSize(const RomImage& rom) {
    qint64 size = 0;
    if (Outcome failed = attempt([&] { size = rom.size(); }); failed.failed())
        return failed;
    return size;
}

Result<QByteArray> ImageBytes(RomImage& rom, qint64 pos, qint64 len) {
    QByteArray bytes;
    if (Outcome failed = attempt([&] { bytes = rom.bytes(pos, len); }); failed.failed())
        return failed;
    return bytes;
}

Outcome WriteImageByte(const WriteKey& key, RomImage& rom, qint32 offset, quint8 value) {
    return attempt([&] { modStuff::WriteByte(key, rom, offset, value); });
}

Outcome RestoreImageBytes(const WriteKey& key, RomImage& rom, qint64 pos, QByteArrayView bytes) {
    return attempt([&] { rom.restore(key, pos, bytes); });
}

Outcome SyncImage(RomImage& rom) {
    return attempt([&] { rom.sync(); });
}

Outcome PrepareImageBackup(RomImage& rom) {
    return attempt([&] { rom.prepareBackup(); });
}

Outcome PlaceImageBackup(RomImage& rom) {
    return attempt([&] { rom.placeBackup(); });
}
