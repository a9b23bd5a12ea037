// The BPS applier over arbitrary patches, and the writer against it. Each input is applied as a
// patch to a fixed file twice: as it is, and sealed (the fixed file's checksum and the patch's own
// put into its footer), so that mutated actions get past the checksums and are carried out. Then
// the input is split into a source and a target, and the patch made from them must rebuild the
// target exactly.
#include "cli/bps.h"
#include "patchsource.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

constexpr qsizetype FooterSize = 12;
// The applier takes results up to 256 MiB by design, and a patch of a few bytes may name one.
// Sealed, such a patch would spend the fuzzer's time filling memory rather than reading actions.
constexpr quint64 LargestSealedTarget = 1 << 20;

// The target size the header names, its numbers read as the applier reads them; nothing when the
// header is cut short.
std::optional<quint64> namedTargetSize(const QByteArray& patch) {
    qsizetype at = 4;
    quint64 numbers[2] = {0, 0};
    for (quint64& value : numbers) {
        for (quint64 shift = 1;; shift <<= 7) {
            if (at >= patch.size() || shift > (quint64(1) << 56))
                return std::nullopt;
            const quint8 byte = quint8(patch[at++]);
            value += (byte & 0x7F) * shift;
            if (byte & 0x80)
                break;
            value += shift << 7;
        }
    }
    return numbers[1];
}

void putCrc(QByteArray* patch, qsizetype at, quint32 crc) {
    for (int k = 0; k < 4; ++k)
        (*patch)[at + k] = char((crc >> (8 * k)) & 0xFF);
}

void applyChecked(const QByteArray& patch) {
    const auto applied = ApplyBps(patch, PatchSource());
    if (!applied && applied.failure().ok())
        std::abort(); // a refusal always says why
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    applyChecked(input);
    if (input.startsWith("BPS1") && input.size() >= 4 + FooterSize &&
        namedTargetSize(input).value_or(0) <= LargestSealedTarget) {
        QByteArray sealed = input;
        putCrc(&sealed, sealed.size() - FooterSize, Crc32(PatchSource()));
        putCrc(&sealed, sealed.size() - 4, Crc32(sealed.left(sealed.size() - 4)));
        applyChecked(sealed);
    }

    if (size == 0)
        return 0;
    const qsizetype cut = data[0] % qsizetype(size);
    const QByteArray source = input.mid(1, cut);
    const QByteArray target = input.mid(1 + cut);
    const auto rebuilt = ApplyBps(MakeBps(source, target), source);
    if (!rebuilt || *rebuilt != target)
        std::abort();
    return 0;
}
