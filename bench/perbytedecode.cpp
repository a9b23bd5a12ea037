#include "perbytedecode.h"

#include "rom/names.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

PerByteFile::PerByteFile(const QString& path)
    : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC)) {
    if (m_fd < 0)
        qFatal("cannot open %s for the per-byte baseline", qPrintable(path));
}

PerByteFile::~PerByteFile() {
    ::close(m_fd);
}

quint8 PerByteFile::byte(qint64 offset) {
    quint8 value = 0;
    ++m_reads;
    if (::pread(m_fd, &value, 1, off_t(offset)) < 0)
        qFatal("per-byte read failed");
    return value;
}

qint32 PerByteFile::word(qint64 offset) {
    const quint8 low = byte(offset);
    return byte(offset + 1) * 256 + low;
}

namespace {

// A name up to its terminator, or `tooLong` once a character follows the 32767th.
QString scanName(PerByteFile& file, qint64 offset, bool* tooLong) {
    QString name;
    *tooLong = false;
    for (qint64 at = offset;; ++at) {
        const quint8 b = file.byte(at);
        if (b < 0x80)
            return name;
        if (name.size() == MaxNameLength) {
            *tooLong = true;
            return name;
        }
        name.append(QChar(b - 0x80));
    }
}

// Entry `index` with a read of its own for every byte a field holds, each shared byte read once.
// An enemy's name is empty when it runs too long; an item's is cut.
template <class Record>
Record decodeEntry(PerByteFile& file, const TableFormat& format, int index) {
    const qint32 base = format.entryOffset(index);
    QByteArray entry(format.size, '\0');
    int last = -1;
    for (const RecordField& f : format.fields)
        for (int at = f.offset; at < f.offset + f.width(); ++at)
            if (at != last)
                entry[at] = char(file.byte(base + (last = at)));
    Record r;
    DecodeFields(format, entry, &r);
    const qint64 nameOffset = qint64(r.NamePtr) - PointerBias;
    bool tooLong = false;
    if (nameOffset >= 0)
        r.Name = scanName(file, nameOffset, &tooLong);
    if constexpr (std::is_same_v<Record, EnemyRecord>) {
        if (tooLong)
            r.Name.clear();
        r.Type = quint8(entry.at(0x0A)) & 0xFC;
    }
    return r;
}

template <class Record> std::vector<Record> decodeTable(PerByteFile& file, const TableFormat& f) {
    std::vector<Record> table;
    for (int i = 0; i < f.count; ++i)
        table.push_back(decodeEntry<Record>(file, f, i));
    return table;
}

template <class Record>
bool sameTable(const TableFormat& format, const std::vector<Record>& a,
               const std::vector<Record>& b) {
    const auto same = [&format](const Record& x, const Record& y) {
        for (const RecordField& f : format.fields)
            if (f.get(&x) != f.get(&y))
                return false;
        return x.Name == y.Name;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), same);
}

} // namespace

std::vector<ItemRecord> PerByteItemTable(PerByteFile& file) {
    return decodeTable<ItemRecord>(file, ItemFormat);
}

std::vector<EnemyRecord> PerByteEnemyTable(PerByteFile& file) {
    return decodeTable<EnemyRecord>(file, EnemyFormat);
}

bool SameTable(const std::vector<ItemRecord>& a, const std::vector<ItemRecord>& b) {
    return sameTable(ItemFormat, a, b);
}

bool SameTable(const std::vector<EnemyRecord>& a, const std::vector<EnemyRecord>& b) {
    return sameTable(EnemyFormat, a, b) &&
           std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const EnemyRecord& x, const EnemyRecord& y) { return x.Type == y.Type; });
}
