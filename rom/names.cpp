#include "rom/names.h"

#include "rom/modstuff.h"

#include <QStringBuilder>

#include <algorithm>
#include <cstring>

namespace {

// Reads a name chunk by chunk through `fill`, which puts the bytes from a position into a chunk.
// Names are read a chunk at a time; the page cache makes this a memory copy. Each run of
// characters is added in one go: a load reads hundreds of names.
template <class Fill> StoredName scan(qint64 offset, Fill fill) {
    StoredName name;
    quint8 chunk[256];
    constexpr qint64 Chunk = sizeof chunk;
    for (qint64 at = offset;; at += Chunk) {
        fill(at, chunk, Chunk);
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

} // namespace

StoredName ScanStoredName(RomImage& rom, qint64 offset, const NameBytes& pending) {
    return scan(offset, [&](qint64 at, quint8* chunk, qint64 length) {
        rom.read(at, chunk, length);
        for (auto it = pending.lower_bound(at); it != pending.end() && it->first < at + length;
             ++it)
            chunk[it->first - at] = it->second;
    });
}

StoredName ScanNameBytes(QByteArrayView bytes, qint64 offset) {
    return scan(offset, [&](qint64 at, quint8* chunk, qint64 length) {
        const qint64 inside = std::clamp(bytes.size() - at, qint64(0), length);
        if (inside > 0)
            std::memcpy(chunk, bytes.data() + at, size_t(inside));
        std::memset(chunk + inside, 0, size_t(length - inside));
    });
}

QString ScanName(RomImage& rom, qint64 offset, bool* tooLong) {
    StoredName name = ScanStoredName(rom, offset);
    *tooLong = name.tooLong;
    return std::move(name.text);
}

namespace modStuff {

QString ReadName(RomImage& rom, qint32 pointer) {
    const qint64 offset = qint64(pointer) - PointerBias;
    Outcome why;
    why.pointer = pointer;
    if (offset < 0) {
        why.fault = ImageFault::PointerBeforeStart;
        throw RomError(why);
    }
    bool tooLong = false;
    QString name = ScanName(rom, offset, &tooLong);
    if (tooLong) {
        why.fault = ImageFault::NameTooLong;
        throw RomError(why);
    }
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

QString TerminalName(const QString& name) {
    QString shown;
    shown.reserve(name.size());
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u != 0x7F && !(u >= 0x80 && u <= 0x9F)) {
            shown += c;
            continue;
        }
        switch (u) {
        case u'\n':
            shown += QLatin1String("\\n");
            break;
        case u'\r':
            shown += QLatin1String("\\r");
            break;
        case u'\t':
            shown += QLatin1String("\\t");
            break;
        default:
            shown += QLatin1String("\\x") +
                     QStringLiteral("%1").arg(int(u), 2, 16, QLatin1Char('0')).toUpper();
        }
    }
    return shown;
}

QString MarkdownName(const QString& name) {
    static const QString structure = QStringLiteral("\\`*_[]<>#|~");
    QString escaped;
    escaped.reserve(name.size());
    for (const QChar c : name) {
        if (structure.contains(c))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return TerminalName(escaped);
}
