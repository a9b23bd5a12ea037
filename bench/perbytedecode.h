#pragma once

#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"

#include <QString>

#include <vector>

// The baseline the image layer is measured against: the table decodes as they run when every byte
// is its own positioned read, with no buffering of any kind. Fields are converted exactly as the
// editor converts them, through the same field descriptions, so the two differ only in how the
// bytes reach memory.
class PerByteFile {
public:
    explicit PerByteFile(const QString& path);
    ~PerByteFile();
    PerByteFile(const PerByteFile&) = delete;
    PerByteFile& operator=(const PerByteFile&) = delete;

    quint8 byte(qint64 offset);
    // Low byte first, two reads.
    qint32 word(qint64 offset);
    qint64 reads() const { return m_reads; }

private:
    int m_fd;
    qint64 m_reads = 0;
};

std::vector<ItemRecord> PerByteItemTable(PerByteFile& file);
std::vector<EnemyRecord> PerByteEnemyTable(PerByteFile& file);

// Whether two decodes agree in every field; a baseline that decodes differently measures nothing.
bool SameTable(const std::vector<ItemRecord>& a, const std::vector<ItemRecord>& b);
bool SameTable(const std::vector<EnemyRecord>& a, const std::vector<EnemyRecord>& b);
