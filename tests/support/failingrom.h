#pragma once

#include "rom/romimage.h"

#include <QList>

#include <cerrno>

// An image that records the position of every byte it writes and refuses `failures` writes from
// write number `failAt` on (counting from 0), as a full disk would; by default every one from
// there. failAt = -1 never fails. While `failReads` is set, every read fails as a damaged disk
// would.
class FailingRom : public RomImage {
public:
    explicit FailingRom(const QString& path, int failAt = -1, int failures = -1)
        : RomImage(path, *OpenImageFile(path)), m_failAt(failAt), m_failures(failures) {}

    QList<qint64> written;
    bool failReads = false;
    // Every sync of the image, or of its history, fails as a failing disk's would.
    enum class SyncFault { None, Image, History } failSyncs = SyncFault::None;

protected:
    IoResult readRaw(qint64 pos, char* out, qint64 len) override {
        if (failReads)
            return {-1, EIO};
        return RomImage::readRaw(pos, out, len);
    }
    IoResult writeRaw(qint64 pos, const char* data, qint64 len) override {
        if (m_failAt >= 0 && written.size() >= m_failAt && m_failures != 0) {
            m_failures -= m_failures > 0 ? 1 : 0;
            return {-1, DiskFullError()};
        }
        written << pos;
        return RomImage::writeRaw(pos, data, len);
    }

    int syncRaw(FileHandle file) override {
        if (failSyncs == (file == handle() ? SyncFault::Image : SyncFault::History))
            return EIO;
        return RomImage::syncRaw(file);
    }

private:
    int m_failAt;
    int m_failures;
};
