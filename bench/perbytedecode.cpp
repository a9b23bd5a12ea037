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

ItemRecord decodeItem(PerByteFile& file, int index) {
    const qint32 base = ItemEntryOffset(index);
    ItemRecord r;
    const qint64 nameOffset = qint64(file.word(base)) - PointerBias;
    bool tooLong = false;
    if (nameOffset >= 0)
        r.Name = scanName(file, nameOffset, &tooLong);
    r.NamePtr = file.word(base);
    const quint8 flags = file.byte(base + 2);
    r.Perm = flags & 0x80;
    r.Edible = flags & 0x40;
    r.Teddy = flags & 0x08;
    r.Loid = flags & 0x04;
    r.Ana = flags & 0x02;
    r.Ninten = flags & 0x01;
    r.Cost = file.word(base + 6);
    r.EffIn = file.byte(base + 5);
    r.EffOut = file.byte(base + 4);
    r.Str = file.byte(base + 3);
    return r;
}

EnemyRecord decodeEnemy(PerByteFile& file, int n) {
    const qint32 base = EnemyEntryOffset(n);
    EnemyRecord r;
    r.NamePtr = file.word(base + 0x18);
    const qint64 nameOffset = qint64(r.NamePtr) - PointerBias;
    bool tooLong = false;
    if (nameOffset >= 0) {
        r.Name = scanName(file, nameOffset, &tooLong);
        if (tooLong)
            r.Name.clear();
    }
    const auto tenBit = [&](int lowAt) {
        const quint8 low = file.byte(base + lowAt);
        return qint16((file.byte(base + lowAt + 1) & 0x03) << 8 | low);
    };
    r.HP = tenBit(0x03);
    r.PP = tenBit(0x05);
    r.Off = tenBit(0x07);
    r.Def = tenBit(0x09);
    r.Type = file.byte(base + 0x0A) & 0xFC;
    r.Fight = file.byte(base + 0x0B);
    r.Speed = file.byte(base + 0x0C);
    r.Wisdom = file.byte(base + 0x0D);
    r.Str = file.byte(base + 0x0E);
    r.Force = file.byte(base + 0x0F);
    r.Exp = file.word(base + 0x1A);
    r.Money = file.word(base + 0x1C);
    r.Item = file.byte(base + 0x1E);
    return r;
}

} // namespace

std::vector<ItemRecord> PerByteItemTable(PerByteFile& file) {
    std::vector<ItemRecord> table;
    table.reserve(ItemCount);
    for (int i = 0; i < ItemCount; ++i)
        table.push_back(decodeItem(file, i));
    return table;
}

std::vector<EnemyRecord> PerByteEnemyTable(PerByteFile& file) {
    std::vector<EnemyRecord> table;
    table.reserve(EnemyCount);
    for (int n = 0; n < EnemyCount; ++n)
        table.push_back(decodeEnemy(file, n));
    return table;
}

bool SameTable(const std::vector<ItemRecord>& a, const std::vector<ItemRecord>& b) {
    const auto same = [](const ItemRecord& x, const ItemRecord& y) {
        return x.Name == y.Name && x.NamePtr == y.NamePtr && x.Perm == y.Perm &&
               x.Edible == y.Edible && x.Ninten == y.Ninten && x.Ana == y.Ana && x.Loid == y.Loid &&
               x.Teddy == y.Teddy && x.Cost == y.Cost && x.EffIn == y.EffIn &&
               x.EffOut == y.EffOut && x.Str == y.Str;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), same);
}

bool SameTable(const std::vector<EnemyRecord>& a, const std::vector<EnemyRecord>& b) {
    const auto same = [](const EnemyRecord& x, const EnemyRecord& y) {
        return x.HP == y.HP && x.PP == y.PP && x.Off == y.Off && x.Def == y.Def &&
               x.Type == y.Type && x.Fight == y.Fight && x.Speed == y.Speed &&
               x.Wisdom == y.Wisdom && x.Str == y.Str && x.Force == y.Force && x.Name == y.Name &&
               x.NamePtr == y.NamePtr && x.Exp == y.Exp && x.Money == y.Money && x.Item == y.Item;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), same);
}
