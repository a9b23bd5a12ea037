#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder for the benchmark's image files. It lies on a disk-backed file system where
// one can be found: a sync on a memory file system returns at once and would measure nothing.
class BenchFolder {
public:
    BenchFolder();
    // Writes `bytes` as `name` in the folder and returns the file's path.
    QString write(const QString& name, const QByteArray& bytes) const;
    // The file system the folder lies on, as "ext4" or "tmpfs".
    QString fileSystem() const;
    bool onMemoryFileSystem() const;

private:
    QTemporaryDir m_dir;
};

// The demo image every usual figure is measured on.
QByteArray UsualImageBytes();
// The image that costs the most to open: every byte 0xFF, so every name pointer is FFFF and every
// name runs on past its limit of 32767 characters.
QByteArray WorstImageBytes();
