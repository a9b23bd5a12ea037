#include "tools/syntheticimage.h"

#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "rom/names.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

SyntheticImage::SyntheticImage(int size) : bytes(size, '\0') {
    const char header[] = {'N', 'E', 'S', '\x1A', 0x10, 0x00, 0x10, 0x00};
    for (int i = 0; i < int(sizeof header) && i < size; ++i)
        bytes[i] = header[i];
}

void SyntheticImage::setByte(int offset, quint8 value) {
    if (offset >= bytes.size())
        bytes.resize(offset + 1, '\0');
    bytes[offset] = char(value);
}

void SyntheticImage::setWord(int offset, int value) {
    setByte(offset, quint8(value & 0xFF));
    setByte(offset + 1, quint8((value >> 8) & 0xFF));
}

int SyntheticImage::addName(const QString& name, quint8 terminator) {
    const int offset = m_nextName;
    for (const QChar c : name)
        setByte(m_nextName++, quint8(0x80 + (c.unicode() & 0x7F)));
    setByte(m_nextName++, terminator);
    return offset + PointerBias;
}

void SyntheticImage::setItem(int index, const Item& item) {
    const int base = ItemEntryOffset(index);
    setWord(base, item.namePtr);
    setByte(base + 2, item.flags);
    setByte(base + 3, item.str);
    setByte(base + 4, item.effOut);
    setByte(base + 5, item.effIn);
    setWord(base + 6, item.cost);
}

void SyntheticImage::setEnemy(int n, const Enemy& e) {
    const int base = EnemyEntryOffset(n);
    const int tenBit[] = {e.hp, e.pp, e.off, e.def};
    for (int k = 0; k < 4; ++k) {
        setByte(base + 3 + 2 * k, quint8(tenBit[k] & 0xFF));
        setByte(base + 4 + 2 * k, quint8((e.highBits & 0xFC) | ((tenBit[k] >> 8) & 3)));
    }
    setByte(base + 0x0B, e.fight);
    setByte(base + 0x0C, e.speed);
    setByte(base + 0x0D, e.wisdom);
    setByte(base + 0x0E, e.str);
    setByte(base + 0x0F, e.force);
    setWord(base + 0x18, e.namePtr);
    setWord(base + 0x1A, e.exp);
    setWord(base + 0x1C, e.money);
    setByte(base + 0x1E, e.item);
}

bool SyntheticImage::save(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

QString InventedName(quint32 seed, int words) {
    static const char* const syllables[] = {"bra", "kel", "mo",  "ziv", "tul",  "fen", "ora",
                                            "pim", "dax", "rue", "sol", "quen", "vy",  "lom",
                                            "tar", "gis", "nel", "o",   "ush",  "ka"};
    QRandomGenerator random(seed);
    QStringList parts;
    for (int w = 0; w < words; ++w) {
        QString word;
        const int count = 1 + int(random.bounded(3));
        for (int s = 0; s < count; ++s)
            word += QLatin1String(syllables[random.bounded(int(std::size(syllables)))]);
        word[0] = word[0].toUpper();
        parts << word;
    }
    return parts.join(QLatin1Char(' '));
}

SyntheticImage MakeDemoImage(quint32 seed) {
    SyntheticImage image;
    QRandomGenerator random(seed);
    // Filler in the program data, so that bytes the editor never writes are not all zero.
    for (int offset = 0x10; offset < image.bytes.size(); offset += 7)
        image.bytes[offset] = char(random.bounded(256));
    for (int i = 0; i < ItemCount; ++i) {
        SyntheticImage::Item item;
        item.namePtr = image.addName(InventedName(seed * 1000 + quint32(i)));
        item.flags = quint8(random.bounded(256));
        item.str = quint8(random.bounded(4) == 0 ? 0 : random.bounded(1, 120));
        item.effOut = quint8(random.bounded(256));
        item.effIn = quint8(random.bounded(256));
        item.cost = random.bounded(8) == 0 ? 0 : 10 * random.bounded(1, 2000);
        image.setItem(i, item);
    }
    for (int n = 0; n < EnemyCount; ++n) {
        SyntheticImage::Enemy enemy;
        enemy.namePtr = image.addName(InventedName(seed * 7000 + quint32(n), 1 + n % 2));
        enemy.hp = random.bounded(1, 1024);
        enemy.pp = random.bounded(0, 200);
        enemy.off = random.bounded(1, 700);
        enemy.def = random.bounded(1, 700);
        enemy.highBits = quint8(random.bounded(256));
        enemy.fight = quint8(random.bounded(256));
        enemy.speed = quint8(random.bounded(256));
        enemy.wisdom = quint8(random.bounded(256));
        enemy.str = quint8(random.bounded(256));
        enemy.force = quint8(random.bounded(256));
        enemy.exp = random.bounded(0, 65536);
        enemy.money = random.bounded(0, 5000);
        enemy.item = quint8(random.bounded(3) == 0 ? 0 : random.bounded(1, HighestItem + 1));
        image.setEnemy(n, enemy);
    }
    return image;
}
