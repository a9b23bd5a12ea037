#include "rom/names.h"

#include "rom/modstuff.h"

QString ScanName(RomImage& rom, qint64 offset, bool* tooLong) {
    QString name;
    quint8 chunk[256];
    *tooLong = false;
    // Names are read a chunk at a time; the page cache makes this a memory copy.
    for (qint64 at = offset;; at += sizeof chunk) {
        rom.read(at, chunk, sizeof chunk);
        for (const quint8 byte : chunk) {
            if (byte < 0x80)
                return name;
            if (name.size() == MaxNameLength) {
                *tooLong = true;
                return name;
            }
            name.append(QChar(byte - 0x80));
        }
    }
}

namespace modStuff {

QString ReadName(RomImage& rom, qint32 pointer) {
    const qint64 offset = qint64(pointer) - PointerBias;
    if (offset < 0)
        throw RomError(RomError::Kind::BadOffset,
                       QStringLiteral("Name pointer %1 lies before the start of the file.")
                           .arg(QString::number(pointer, 16).toUpper()));
    bool tooLong = false;
    QString name = ScanName(rom, offset, &tooLong);
    if (tooLong)
        throw RomError(RomError::Kind::Overflow,
                       QStringLiteral("Name at pointer %1: overflow, more than %2 characters.")
                           .arg(QString::number(pointer, 16).toUpper())
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
    return name + QStringLiteral(" [") + (QStringLiteral("000") + QString::number(index)).right(3) +
           QLatin1Char(']');
}
