#include "tables/heldimage.h"

#include "rom/imagebytes.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

// An image without a file: its bytes come from `source`, read-only.
class HeldImage : public RomImage {
public:
    HeldImage(qint64 size, std::function<void(qint64, char*, qint64)> source)
        : RomImage(QStringLiteral("original"), OpenedFile{NoFile, true, std::nullopt}),
          m_size(size), m_source(std::move(source)) {}

protected:
    IoResult readRaw(qint64 pos, char* out, qint64 len) override {
        const qint64 take = std::clamp<qint64>(m_size - pos, 0, len);
        if (take > 0)
            m_source(pos, out, take);
        return {take, 0};
    }
    IoResult sizeRaw() const override { return {m_size, 0}; }

private:
    qint64 m_size;
    std::function<void(qint64, char*, qint64)> m_source;
};

} // namespace

std::unique_ptr<RomImage> OriginalImage(RomImage& now, const OriginalBytes& original) {
    return std::make_unique<HeldImage>(now.size(),
                                       [&now, &original](qint64 pos, char* out, qint64 len) {
                                           now.read(pos, reinterpret_cast<quint8*>(out), len);
                                           for (qint64 k = 0; k < len; ++k)
                                               if (const int byte = original.at(pos + k); byte >= 0)
                                                   out[k] = char(byte);
                                       });
}

std::unique_ptr<RomImage> ImageOfBytes(const QByteArray& bytes) {
    return std::make_unique<HeldImage>(bytes.size(), [bytes](qint64 pos, char* out, qint64 len) {
        std::memcpy(out, bytes.constData() + pos, size_t(len));
    });
}

Result<std::unique_ptr<RomImage>> HoldImage(RomImage& rom) {
    const auto bytes = ReadWholeImage(rom);
    if (!bytes)
        return bytes.failure();
    return ImageOfBytes(*bytes);
}
