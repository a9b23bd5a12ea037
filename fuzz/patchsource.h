#pragma once

#include <QByteArray>

#include <cstring>

// The file the patch fuzzers apply their inputs to: 512 bytes, an image header then a pattern with
// no two neighbours alike, so that a patch that copies the wrong bytes builds a different result.
// The seed patches in corpus/ips and corpus/bps were made for exactly these bytes.
inline const QByteArray& PatchSource() {
    static const QByteArray source = [] {
        QByteArray bytes(512, '\0');
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = char((i * 37 + 11) & 0xFF);
        std::memcpy(bytes.data(), "NES\x1A", 4);
        return bytes;
    }();
    return source;
}
