#include "rom/names.h"

#include "rom/modstuff.h"

#include <QStringBuilder>

#include <algorithm>

StoredName ScanStoredName(RomImage& rom, qint64 offset, const NameBytes& pending) {
    StoredName name;
    quint8 chunk[256];
    constexpr qint64 Chunk = sizeof chunk;
    // Names are read a chunk at a time; the page cache makes this a memory copy. Each run of
    // characters is added in one go: a load reads hundreds of names.
    for (qint64 at = offset;; at += Chunk) {
        rom.read(at, chunk, Chunk);
        for (auto it = pending.lower_bound(at); it != pending.end() && it->first < at + Chunk; ++it)
            chunk[it->first - at] = it->second;
        qsizetype run = 0;
        while (run < Chunk && chunk[run] >= 0x80)
            ++run;
        const qsizetype room = MaxNameLength - name.text.size();
        const qsizetype take = std::min(run, room);
        const qsizetype start = name.text.size();
        name.text.resize(start + take);
        QChar* out = name.text.data() + start;
        for (qsizetype k = 0; k < take; ++k)
            out[k] = QChar(chunk[k] - 0x80);
        if (run > room || run < Chunk) {
            name.tooLong = run > room;
            name.end = at + take;
            name.endByte = chunk[take];
            return name;
        }
    }
}

QString ScanName(RomImage& rom, qint64 offset, bool* tooLong) {
    StoredName name = ScanStoredName(rom, offset);
    *tooLong = name.tooLong;
    return std::move(name.text);
}

namespace modStuff {

QString ReadName(RomImage& rom, qint32 pointer) {
    const qint64 offset = qint64(pointer) - PointerBias;
    if (offset < 0)
        throw RomError(RomError::Kind::BadOffset,
                       QStringLiteral("Name pointer %1 lies before the start of the file.")
                           .arg(HexDigits(pointer)));
    bool tooLong = false;
    QString name = ScanName(rom, offset, &tooLong);
    if (tooLong)
        throw RomError(RomError::Kind::Overflow,
                       QStringLiteral("Name at pointer %1: overflow, more than %2 characters.")
                           .arg(HexDigits(pointer))
                           .arg(MaxNameLength));
    return name;
}

} // namespace modStuff

QString ReadNameOrEmpty(RomImage& rom, qint32 pointer) {
    try {
        return modStuff::ReadName(rom, pointer);
    } catch (const RomError&) {
        return {};
    }
}

QString ListEntryText(const QString& name, int index) {
    // The last three digits, padded with zeros: indices 0..999 show as 000..999.
    return name % QLatin1String(" [") %
           QString::number(index).rightJustified(3, QLatin1Char('0')).right(3) % QLatin1Char(']');
}
