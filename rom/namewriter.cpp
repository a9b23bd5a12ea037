#include "rom/namewriter.h"

#include <QStringList>

std::optional<QByteArray> EncodeNameText(const QString& text, QString* why) {
    QByteArray bytes;
    bytes.reserve(text.size());
    const QList<uint> codes = text.toUcs4();
    for (qsizetype k = 0; k < codes.size(); ++k) {
        const char32_t code = codes[k];
        if (code > 0x7F) {
            *why = QStringLiteral("the character \"%1\" (U+%2) at position %3 cannot be written: "
                                  "name text holds only the codes 0x00 to 0x7F")
                       .arg(QString::fromUcs4(&code, 1), HexDigits(code).rightJustified(4, u'0'),
                            QString::number(k + 1));
            return std::nullopt;
        }
        bytes.append(char(code + 0x80));
    }
    return bytes;
}

std::optional<QString> PlanRename(RomImage& rom, const NameHolder& holder, const QString& text,
                                  const QList<NameHolder>& holders, const NameBytes& pending,
                                  const QList<ProtectedRange>& kept, RenamePlan* plan) {
    const qint64 offset = qint64(holder.pointer) - PointerBias;
    if (offset < 0)
        return QStringLiteral("the name pointer %1 has no offset in the file: pointers below 7FF0 "
                              "lie before its start")
            .arg(HexDigits(holder.pointer));
    const StoredName old = ScanStoredName(rom, offset, pending);
    if (old.tooLong)
        return QStringLiteral("the name at pointer %1 runs on past %2 characters, the longest "
                              "name the readers accept")
            .arg(HexDigits(holder.pointer), QString::number(MaxNameLength));
    // A name the end of the file cuts off has no end byte to keep; writing one would extend the
    // file.
    const qint64 length = rom.size();
    if (old.end >= length)
        return QStringLiteral("the name at pointer %1 (offset %2) runs past the end of the file, "
                              "which is %3 bytes long")
            .arg(HexDigits(holder.pointer), HexOffset(offset), QString::number(length));
    QString why;
    const auto bytes = EncodeNameText(text, &why);
    if (!bytes)
        return why;
    // One arg() call for all: a name may itself hold "%1".
    if (bytes->size() > old.text.size())
        return QStringLiteral("\"%1\" is %2 characters long, but the name it replaces at pointer "
                              "%3, \"%4\", is only %5: a new name may not be longer than the old "
                              "one")
            .arg(text, QString::number(bytes->size()), HexDigits(holder.pointer), old.text,
                 QString::number(old.text.size()));

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
            if (at >= range.first && at - range.first < range.length)
                return QStringLiteral("the name at pointer %1 (offset %2) is no name text: writing "
                                      "\"%3\" would overwrite %4")
                    .arg(HexDigits(holder.pointer), HexOffset(offset), text, range.recordAt(at));

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
    return std::nullopt;
}

QString NameOnceWritten(RomImage& rom, qint32 pointer, const NameBytes& pending) {
    const qint64 offset = qint64(pointer) - PointerBias;
    return offset < 0 ? QString() : ScanStoredName(rom, offset, pending).text;
}

WritePlan RenameWrites(const RenamePlan& plan) {
    WritePlan writes;
    writes.entry = QStringLiteral("the name of %1").arg(plan.entry);
    writes.base = qint32(plan.pointer - PointerBias);
    writes.size = 0;
    if (!plan.changes.empty()) {
        writes.base = qint32(plan.changes.begin()->first);
        writes.size = int(plan.changes.rbegin()->first - writes.base + 1);
    }
    for (const auto& [at, value] : plan.changes)
        writes.writes.push_back({QStringLiteral("name"), qint32(at), value, 1});
    return writes;
}

QString SharedNamesText(const QList<SharedName>& names) {
    QStringList lines;
    for (const SharedName& s : names)
        lines << QStringLiteral("%1 \"%2\" -> \"%3\"").arg(s.entry, s.before, s.after);
    return lines.join(QStringLiteral(", "));
}
