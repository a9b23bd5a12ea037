#include "tables/imageopening.h"

#include "rom/imagecalls.h"
#include "tables/heldimage.h"

Result<OpenedImage> ImageOpening::Open(const QString& path, bool write, const Tables& tables,
                                       const Opener& open, qint64 limit) {
    auto opened = open(path);
    if (!opened)
        return Outcome{
            .fault = CliFileFault::ImageNotOpened, .file = path, .cause = {opened.failure()}};
    OpenedImage result{*std::move(opened), {}, {}};
    if (limit > 0) {
        // Before recovery or any reader: every reader of ours takes it whole or in tables, and
        // neither is worth a file of gigabytes.
        const auto size = ImageSize(*result.image);
        if (!size)
            return size.failure();
        if (*size > limit)
            return Outcome{
                .fault = CliFileFault::FileTooLarge, .file = path, .length = *size, .limit = limit};
    }
    result.recovery = RecoverImage(*result.image, write);
    if (result.recovery.action != RecoveryAction::None)
        result.entries = RecoveredEntriesOf(*result.image, tables, result.recovery);
    return result;
}

void ImageOpening::setBase(const QString& path) {
    m_base = path;
}

Result<std::unique_ptr<RomImage>> ImageOpening::baseFor(const RomImage& rom) const {
    auto base = OpenRomImage(m_base);
    // The image's size was read as it opened: a size that cannot be read is taken for the base's.
    const auto unreadable = [this](Outcome why) {
        why.file = m_base;
        return why;
    };
    if (!base)
        return unreadable(base.failure());
    const auto length = ImageSize(rom);
    if (!length)
        return unreadable(length.failure());
    const auto otherLength = ImageSize(**base);
    if (!otherLength)
        return unreadable(otherLength.failure());
    if (*otherLength != *length)
        return Outcome{.fault = CompareFault::SizesDiffer,
                       .file = rom.path(),
                       .other = m_base,
                       .length = *length,
                       .otherLength = *otherLength};
    return base;
}

Outcome ImageOpening::baseFault(const RomImage& rom) const {
    if (m_base.isEmpty())
        return {};
    const auto base = baseFor(rom);
    return base ? Outcome{} : base.failure();
}

const OriginalBytes* ImageOpening::historyOriginal(const RomImage& rom, qint64 size) {
    if (!m_seen || m_seen->reader.path() != rom.historyPath())
        m_seen.emplace(HistorySeen{HistoryReader(rom.historyPath()), {}});
    if (m_seen->reader.read().failed())
        return nullptr;
    m_seen->original.follow(m_seen->reader.log().records, size, m_seen->reader.changedFrom());
    return m_seen->original.knowsAny() ? &m_seen->original : nullptr;
}

QList<NetChange> ImageOpening::changes(RomImage& rom, Table table) {
    const auto now = HoldImage(rom);
    if (!now)
        return {};
    if (!m_base.isEmpty()) {
        const auto base = baseFor(rom);
        const auto original = base ? HoldImage(**base) : base.failure();
        return original ? NetChanges(**now, **original, {table}) : QList<NetChange>();
    }
    if (const OriginalBytes* original = historyOriginal(rom, (*now)->size())) {
        const auto image = OriginalImage(**now, *original);
        return NetChanges(**now, *image, {table});
    }
    return {};
}
