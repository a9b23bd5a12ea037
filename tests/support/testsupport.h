#pragma once

#include "rom/romimage.h"
#include "tables/recordfield.h"
#include "tools/syntheticimage.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstring>
#include <memory>

// A synthetic image written into a temporary folder, and the helpers the tests share to open it
// and to compare the file's bytes afterwards.
class ImageOnDisk {
public:
    explicit ImageOnDisk(const SyntheticImage& image,
                         const QString& name = QStringLiteral("t.nes"));
    explicit ImageOnDisk(const QByteArray& bytes, const QString& name = QStringLiteral("t.nes"));

    const QString& path() const { return m_path; }
    QByteArray bytes() const; // what the file holds now
    std::unique_ptr<RomImage> open() const;
    // Opens the image as the editor's current one (modStuff::RomFile), as the open sequence does.
    void makeCurrent() const;

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// Whether a file's mode or attribute keeps this process from opening it for writing: not for root
// on Linux, always on Windows.
bool FileModesBindUs();
// A device that opens like an image and reports no length: /dev/full, or NUL on Windows.
QString DeviceOfNoLength();

// What a file holds now, or nothing when it cannot be read.
QByteArray FileBytes(const QString& path);
// Another program's saves: into the file itself, as a hex editor writes, or as a new file in the
// old one's place, as many other programs do.
bool WriteFileBytes(const QString& path, const QByteArray& bytes);
bool ReplaceFileBytes(const QString& path, const QByteArray& bytes);

// Under Wine a file deleted while held open keeps its name, and no call reports the pending delete.
bool WineKeepsDeletedNames();

// A save that a crash cut short: its record, begun and never marked, in the image's history, for
// writing `after` over the bytes at `offset`, of which only the first `landed` reached the image.
// The record's `before` is what the image holds there unless given. The record's number.
quint32 CutShortSave(const QString& image, qint64 offset, const QByteArray& after, int landed,
                     const QByteArray& before = {});

// While it lives, this process may take only `room` more bytes of address space than it holds
// now, so that an allocation out of proportion fails (std::bad_alloc) instead of taking the
// machine's memory. Windows has no such limit: there, applies() is false and nothing is limited.
class AddressSpaceCap {
public:
    explicit AddressSpaceCap(qint64 room);
    ~AddressSpaceCap();
    AddressSpaceCap(const AddressSpaceCap&) = delete;
    AddressSpaceCap& operator=(const AddressSpaceCap&) = delete;
    bool applies() const { return m_applies; }

private:
    bool m_applies = false;
    quint64 m_was = 0;
};

// Offsets at which two byte arrays differ (arrays of unequal length differ past the shorter end).
QList<qint64> DifferingOffsets(const QByteArray& a, const QByteArray& b);

// The text of the field `key` in a save's form, which grows to hold every field of `format`.
inline QString& FormText(EntryForm& form, const TableFormat& format, const char* key) {
    while (form.size() < qsizetype(format.fields.size()))
        form << QString();
    for (size_t k = 0; k < format.fields.size(); ++k)
        if (std::strcmp(format.fields[k].key, key) == 0)
            return form[qsizetype(k)];
    qFatal("No field %s.", key);
}

#include "rom/writekey.h"

// The primitives' own tests write through them directly, as only a transaction may otherwise.
class PrimitiveWriter {
public:
    static WriteKey key() { return {}; }
};
inline const WriteKey TestKey = PrimitiveWriter::key();
