#include "support/testsupport.h"
#include "wording/phrases.h"
#include "wording/wording.h"

#include "items/itemnames.h"
#include "rom/historyfile.h"
#include "rom/modstuff.h"

#include <QFile>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>

bool FileModesBindUs() {
    return true;
}

bool WineKeepsDeletedNames() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

QString DeviceOfNoLength() {
    return QStringLiteral("NUL");
}

AddressSpaceCap::AddressSpaceCap(qint64) {}
AddressSpaceCap::~AddressSpaceCap() = default;
#else
#include <sys/resource.h>
#include <unistd.h>

AddressSpaceCap::AddressSpaceCap(qint64 room) {
    QFile statm(QStringLiteral("/proc/self/statm"));
    rlimit limit{};
    if (!statm.open(QIODevice::ReadOnly) || getrlimit(RLIMIT_AS, &limit) != 0)
        return;
    const qint64 held = statm.readAll().split(' ').value(0).toLongLong() * sysconf(_SC_PAGESIZE);
    m_was = limit.rlim_cur;
    limit.rlim_cur = rlim_t(held + room);
    m_applies = held > 0 && setrlimit(RLIMIT_AS, &limit) == 0;
}

AddressSpaceCap::~AddressSpaceCap() {
    rlimit limit{};
    if (m_applies && getrlimit(RLIMIT_AS, &limit) == 0) {
        limit.rlim_cur = rlim_t(m_was);
        setrlimit(RLIMIT_AS, &limit);
    }
}

bool FileModesBindUs() {
    return ::geteuid() != 0;
}

bool WineKeepsDeletedNames() {
    return false;
}

QString DeviceOfNoLength() {
    return QStringLiteral("/dev/full");
}
#endif

ImageOnDisk::ImageOnDisk(const SyntheticImage& image, const QString& name)
    : ImageOnDisk(image.bytes, name) {}

ImageOnDisk::ImageOnDisk(const QByteArray& bytes, const QString& name) {
    m_path = m_dir.filePath(name);
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test image");
}

QByteArray ImageOnDisk::bytes() const {
    return FileBytes(m_path);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool ReplaceFileBytes(const QString& path, const QByteArray& bytes) {
    // Moved aside, not renamed over: Wine refuses to rename over a file another handle holds.
    const QString aside = path + QStringLiteral(".old");
    return QFile::rename(path, aside) && WriteFileBytes(path, bytes);
}

std::unique_ptr<RomImage> ImageOnDisk::open() const {
    auto image = OpenRomImage(m_path);
    if (!image)
        qFatal("cannot open the test image: %s", qPrintable(ReasonText(image.failure())));
    return *std::move(image);
}

void ImageOnDisk::makeCurrent() const {
    modStuff::RomFile = open();
    modStuff::RomPath = m_path;
    ItemNames = BuildItemNames(*modStuff::RomFile);
}

QList<qint64> DifferingOffsets(const QByteArray& a, const QByteArray& b) {
    QList<qint64> offsets;
    const qint64 common = std::min(a.size(), b.size());
    for (qint64 i = 0; i < common; ++i)
        if (a.at(i) != b.at(i))
            offsets << i;
    for (qint64 i = common; i < std::max(a.size(), b.size()); ++i)
        offsets << i;
    return offsets;
}

quint32 CutShortSave(const QString& image, qint64 offset, const QByteArray& after, int landed,
                     const QByteArray& before) {
    auto rom = *OpenRomImage(image);
    HistoryFile history(*rom);
    if (history.open().failed())
        qFatal("cannot open the history of %s", qPrintable(image));
    HistoryRecord record{.number = history.tail().lastNumber + 1,
                         .time = 1765267200000, // 2025-12-09 08:00 UTC
                         .utcOffset = 3600,
                         .ranges = {{offset,
                                     before.isNull() ? rom->bytes(offset, after.size())
                                                     : before.leftJustified(after.size(), '\0'),
                                     after}}};
    if (history.append(EncodeRecord(record)).failed() || history.sync().failed())
        qFatal("cannot append to the history of %s", qPrintable(image));
    QByteArray bytes = FileBytes(image);
    bytes.replace(offset, landed, after.left(landed));
    if (!WriteFileBytes(image, bytes))
        qFatal("cannot write %s", qPrintable(image));
    return record.number;
}
