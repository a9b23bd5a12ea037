#include "tables/namewriter.h"

#include "rom/names.h"

#include <QStringList>

#include <tuple>

Result<QByteArray> EncodeNameText(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    const QList<uint> codes = text.toUcs4();
    for (qsizetype k = 0; k < codes.size(); ++k) {
        const char32_t code = codes[k];
        if (code > 0x7F)
            return Outcome{.fault = NameFault::Character,
                           .text = QString::fromUcs4(&code, 1),
                           .position = k + 1};
        bytes.append(char(code + 0x80));
    }
    return bytes;
}

Outcome PlanRename(RomImage& rom, const NameHolder& holder, const QString& text,
                   const QList<NameHolder>& holders, const NameBytes& pending,
                   const QList<ProtectedRange>& kept, RenamePlan* plan) {
    const qint64 offset = qint64(holder.pointer) - PointerBias;
    Outcome refused;
    refused.entry = holder.entry;
    refused.pointer = holder.pointer;
    refused.offset = offset;
    refused.text = text;
    const auto refuse = [&](Fault fault) {
        refused.fault = fault;
        return refused;
    };
    if (offset < 0)
        return refuse(NameFault::PointerNoOffset);
    const StoredName old = ScanStoredName(rom, offset, pending);
    if (old.tooLong)
        return refuse(NameFault::RunsOn);
    // A name the end of the file cuts off has no end byte to keep; writing one would extend the
    // file.
    const qint64 length = rom.size();
    refused.length = length;
    if (old.end >= length)
        return refuse(NameFault::PastEnd);
    const auto bytes = EncodeNameText(text);
    if (!bytes) {
        refused.text = bytes.failure().text;
        refused.position = bytes.failure().position;
        return refuse(bytes.failure().fault);
    }
    refused.otherName = old.text;
    if (bytes->size() > old.text.size())
        return refuse(NameFault::Longer);

    RenamePlan result;
    result.entry = holder.entry;
    result.pointer = holder.pointer;
    result.before = old.text;
    result.after = text;
    for (qsizetype k = 0; k < bytes->size(); ++k)
        if (quint8(bytes->at(k)) != old.text[k].unicode() + 0x80)
            result.changes[offset + k] = quint8(bytes->at(k));
    if (bytes->size() < old.text.size())
        result.changes[offset + bytes->size()] = old.endByte;
    // A pointer mistyped into a table finds bytes that read as a name; writing there would
    // silently change records.
    for (const auto& [at, value] : result.changes)
        for (const ProtectedRange& range : kept)
            if (at >= range.first && at - range.first < range.length) {
                std::tie(refused.field, refused.first) = range.recordAt(at);
                return refuse(NameFault::IntoRecord);
            }
    if (!result.changes.empty()) {
        const qint64 first = result.changes.begin()->first;
        result.stored = rom.bytes(first, result.changes.rbegin()->first - first + 1);
    }

    NameBytes after = pending;
    for (const auto& [at, value] : result.changes)
        after[at] = value;
    for (const NameHolder& other : holders) {
        const qint64 start = qint64(other.pointer) - PointerBias;
        if (other.entry == holder.entry || start < 0)
            continue;
        const StoredName name = ScanStoredName(rom, start, pending);
        const auto written = result.changes.lower_bound(start);
        if (written == result.changes.end() || written->first > name.end)
            continue;
        result.shared << SharedName{other.entry, name.text, ScanStoredName(rom, start, after).text};
    }
    *plan = result;
    return {};
}

QString NameOnceWritten(RomImage& rom, qint32 pointer, const NameBytes& pending) {
    const qint64 offset = qint64(pointer) - PointerBias;
    return offset < 0 ? QString() : ScanStoredName(rom, offset, pending).text;
}

WritePart RenameWrites(const RenamePlan& plan) {
    WritePart part;
    part.entry = plan.entry;
    part.name = true;
    part.base = plan.changes.empty() ? plan.pointer - PointerBias : plan.changes.begin()->first;
    part.expected = plan.stored;
    for (const auto& [at, value] : plan.changes)
        part.writes.push_back({at, value, {}});
    return part;
}

QString SharedNamesText(const QList<SharedName>& names) {
    QStringList lines;
    for (const SharedName& s : names)
        lines << QStringLiteral("%1 \"%2\" -> \"%3\"")
                     .arg(s.entry, TerminalName(s.before), TerminalName(s.after));
    return lines.join(QStringLiteral(", "));
}
