#pragma once

#include <QByteArray>
#include <QString>

// An image built in memory: an iNES header, then zeros, with helpers to place names, item entries
// and enemy entries at the offsets the editor reads. Every name is invented.
class SyntheticImage {
public:
    // 16 header bytes and 256 KiB of program data: both tables and the name area fit.
    static constexpr int FullSize = 0x10 + 0x40000;
    // Names are placed from here on, inside the first 32 KiB behind the header.
    static constexpr int NameAreaStart = 0x2000;

    explicit SyntheticImage(int size = FullSize);

    QByteArray bytes;

    void setByte(int offset, quint8 value);
    void setWord(int offset, int value);
    quint8 byte(int offset) const { return quint8(bytes.at(offset)); }
    int word(int offset) const { return byte(offset) | byte(offset + 1) << 8; }

    // Stores `name` as name text (each character + 0x80, then `terminator`) at the next free place
    // of the name area and returns the pointer to it.
    int addName(const QString& name, quint8 terminator = 0x00);

    struct Item {
        int namePtr = 0x8000;
        quint8 flags = 0;
        quint8 str = 0, effOut = 0, effIn = 0;
        int cost = 0;
    };
    void setItem(int index, const Item& item);

    struct Enemy {
        int namePtr = 0x8000;
        int hp = 0, pp = 0, off = 0, def = 0; // 10-bit values
        quint8 highBits = 0;                  // bits 2-7 of each second byte
        quint8 fight = 0, speed = 0, wisdom = 0, str = 0, force = 0;
        int exp = 0, money = 0;
        quint8 item = 0;
    };
    void setEnemy(int n, const Enemy& enemy);

    // Writes the image to `path`; false when the file cannot be written.
    bool save(const QString& path) const;

private:
    int m_nextName = NameAreaStart;
};

// An invented name made of syllables, the same for the same seed.
QString InventedName(quint32 seed, int words = 2);

// A complete image: invented names for all 114 items and 121 enemies, plausible values, a mix of
// flags and of packed high bits, and filler in the bytes the editor never touches.
SyntheticImage MakeDemoImage(quint32 seed = 1);
