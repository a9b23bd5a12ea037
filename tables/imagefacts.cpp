#include "tables/imagefacts.h"

#include "rom/names.h"

#include <QCryptographicHash>

#include <zlib.h>

#include <algorithm>

namespace {

// NES 2.0 widens a bank count with a nibble of byte 9; the nibble 0xF turns the count byte into
// an exponent and a multiplier instead. Exponents past 2^48 bytes are held there: no such file
// exists, and the size must still fit in the sums that follow.
qint64 RomBytes(quint8 count, quint8 nibble, bool nes2, qint64 bankSize) {
    if (!nes2)
        return count * bankSize;
    if (nibble != 0x0F)
        return (qint64(nibble) << 8 | count) * bankSize;
    const int exponent = count >> 2;
    return (qint64(1) << std::min(exponent, 48)) * ((count & 3) * 2 + 1);
}

bool isPrintableName(QByteArrayView bytes, qint64 offset) {
    const StoredName name = ScanNameBytes(bytes, offset);
    return !name.tooLong && !name.text.isEmpty() &&
           std::all_of(name.text.begin(), name.text.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() <= 0x7E; });
}

} // namespace

std::optional<InesHeader> ReadInesHeader(QByteArrayView bytes) {
    if (bytes.size() < InesHeaderSize || !bytes.startsWith(QByteArrayView("NES\x1A", 4)))
        return std::nullopt;
    const auto at = [&](int i) { return quint8(bytes[i]); };
    InesHeader header;
    header.nes2 = (at(7) & 0x0C) == 0x08;
    header.prgBytes = RomBytes(at(4), at(9) & 0x0F, header.nes2, 16384);
    header.chrBytes = RomBytes(at(5), at(9) >> 4, header.nes2, 8192);
    header.mapper = at(6) >> 4 | (at(7) & 0xF0);
    header.mirroring = (at(6) & 0x08)   ? Mirroring::FourScreen
                       : (at(6) & 0x01) ? Mirroring::Vertical
                                        : Mirroring::Horizontal;
    header.battery = at(6) & 0x02;
    header.trainer = at(6) & 0x04;
    return header;
}

Checksums ChecksumsOf(QByteArrayView bytes) {
    const uLong crc = crc32_z(crc32_z(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(bytes.data()),
                              size_t(bytes.size()));
    return {QStringLiteral("%1").arg(quint32(crc), 8, 16, QLatin1Char('0')),
            QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex())};
}

TableFacts InspectTable(QByteArrayView bytes, Table table) {
    const TableFormat& format = *table;
    TableFacts facts;
    facts.entries = format.count;
    const RecordField& pointerField = *format.fieldOf(FieldKind::Pointer);
    for (int i = 0; i < format.count; ++i) {
        const qint64 entry = format.entryOffset(i);
        if (entry + format.size > bytes.size())
            break;
        ++facts.entriesInside;
        const qint64 pointer = pointerField.valueIn(bytes.sliced(entry, format.size));
        const qint64 offset = pointer - PointerBias;
        if (offset < 0 || offset >= bytes.size())
            continue;
        ++facts.pointersInside;
        if (isPrintableName(bytes, offset))
            ++facts.printableNames;
    }
    return facts;
}

bool LooksRight(const TableFacts& facts) {
    return facts.entriesInside == facts.entries &&
           facts.printableNames >= PrintableNamesNeeded(facts);
}

int PrintableNamesNeeded(const TableFacts& facts) {
    return (facts.entries * 3 + 3) / 4;
}
