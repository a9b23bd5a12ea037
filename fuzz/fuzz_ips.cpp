// The IPS applier over arbitrary patches, and the writer against it. Each input is applied as a
// patch to a fixed file; then it is split into a source and a target, and the patch made from them
// must rebuild the target exactly.
#include "cli/ips.h"
#include "patchsource.h"

#include <cstdint>
#include <cstdlib>

namespace {

// A record reaches at most offset 0xFFFFFF plus 0xFFFF bytes.
constexpr qsizetype LargestResult = 0xFFFFFF + 0xFFFF;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto applied = ApplyIps(input, PatchSource());
    if (!applied && applied.failure().ok())
        std::abort(); // a refusal always says why
    if (applied && applied->size() > std::max(PatchSource().size(), LargestResult))
        std::abort();

    if (size == 0)
        return 0;
    const qsizetype cut = data[0] % qsizetype(size);
    const QByteArray source = input.mid(1, cut);
    const QByteArray target = input.mid(1 + cut);
    const auto patch = MakeIps(source, target);
    if (!patch)
        std::abort(); // every target this short fits the format
    const auto rebuilt = ApplyIps(*patch, source);
    if (!rebuilt || *rebuilt != target)
        std::abort();
    return 0;
}
