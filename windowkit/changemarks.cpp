#include "windowkit/changemarks.h"

#include "rom/historyfile.h"
#include "tables/original.h"
#include "windowkit/putback.h"
#include "wording/changestext.h"

#include <QCheckBox>
#include <QComboBox>

#include <memory>
#include <optional>

namespace {

constexpr int OriginalsRole = Qt::UserRole + 40;
constexpr int OriginalNameRole = Qt::UserRole + 41;

QString basePath;

// The original as far as the history has been read: a later load reads only what was appended
// since, so that a Save's reload does not read a long history again.
struct HistorySeen {
    HistoryReader reader;
    OriginalBytes original;
};
std::optional<HistorySeen> seen;

// The original of `rom` from its history; null when it has none or it cannot be read.
const OriginalBytes* historyOriginal(RomImage& rom) {
    if (!seen || seen->reader.path() != rom.historyPath())
        seen.emplace(HistorySeen{HistoryReader(rom.historyPath()), {}});
    if (seen->reader.read().failed())
        return nullptr;
    seen->original.follow(seen->reader.log().records, rom.size(), seen->reader.changedFrom());
    return seen->original.knowsAny() ? &seen->original : nullptr;
}

// The base, or why it cannot stand for the original of `rom`.
Result<std::unique_ptr<RomImage>> baseFor(const RomImage& rom) {
    auto base = OpenRomImage(basePath);
    if (!base) {
        Outcome why = base.failure();
        why.file = basePath;
        return why;
    }
    if ((*base)->size() != rom.size())
        return Outcome{.fault = CompareFault::SizesDiffer,
                       .file = rom.path(),
                       .other = basePath,
                       .length = rom.size(),
                       .otherLength = (*base)->size()};
    return base;
}

QList<NetChange> changesOf(RomImage& rom, Table table) {
    try {
        if (!basePath.isEmpty()) {
            const auto base = baseFor(rom);
            return base ? NetChanges(rom, **base, {table}) : QList<NetChange>();
        }
        if (const OriginalBytes* original = historyOriginal(rom)) {
            const auto image = OriginalImage(rom, *original);
            return NetChanges(rom, *image, {table});
        }
    } catch (const RomError&) {
        // Marks are a help: an image that cannot be read shows none, and its load says why.
    }
    return {};
}

void mark(QWidget* control, bool changed, const QString& original) {
    control->setToolTip(changed ? OriginalTipText(original) : QString());
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        QFont font = box->font();
        font.setUnderline(changed);
        box->setFont(font);
        return;
    }
    if (!changed) {
        // A palette that sets nothing: the control takes its window's again.
        control->setPalette(QPalette());
        return;
    }
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, MarkTint(palette));
    palette.setColor(QPalette::Button, MarkTint(palette));
    control->setPalette(palette);
}

} // namespace

QColor MarkTint(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base), mark = palette.color(QPalette::Highlight);
    return QColor::fromRgbF(base.redF() * 0.75f + mark.redF() * 0.25f,
                            base.greenF() * 0.75f + mark.greenF() * 0.25f,
                            base.blueF() * 0.75f + mark.blueF() * 0.25f);
}

void SetMarksBase(const QString& path) {
    basePath = path;
}

Outcome MarksBaseFault(const RomImage& rom) {
    if (basePath.isEmpty())
        return {};
    Outcome why;
    try {
        if (const auto base = baseFor(rom); !base)
            why = base.failure();
    } catch (const RomError& e) {
        // The image's size was read as it opened: a size that cannot be read is the base's.
        why = e.outcome();
        why.file = basePath;
    }
    return why;
}

std::vector<EntryMarks> TableMarks(RomImage& rom, Table table) {
    return MarksOf(changesOf(rom, table), table);
}

void MarkEntries(QComboBox* list, RomImage& rom, Table table) {
    const std::vector<EntryMarks> marks = TableMarks(rom, table);
    QFont bold = list->font();
    bold.setBold(true);
    for (int i = 0; i < list->count() && size_t(i) < marks.size(); ++i) {
        list->setItemData(i, marks[size_t(i)].originals, OriginalsRole);
        const std::optional<QString>& name = marks[size_t(i)].originalName;
        list->setItemData(i, name ? QVariant(*name) : QVariant(), OriginalNameRole);
        list->setItemData(i, marks[size_t(i)].changed ? QVariant(bold) : QVariant(), Qt::FontRole);
    }
}

void ShowMarks(const QComboBox* list, const std::vector<QWidget*>& controls, QWidget* nameBox) {
    const QStringList originals = list->currentData(OriginalsRole).toStringList();
    for (size_t k = 0; k < controls.size(); ++k) {
        const QString original = originals.value(qsizetype(k));
        mark(controls[k], !original.isEmpty(), original);
        OfferOriginal(controls[k], original);
    }
    // A name may have been empty: only the role's absence says that it is unchanged.
    if (nameBox) {
        const QVariant name = list->currentData(OriginalNameRole);
        mark(nameBox, name.isValid(), name.toString());
    }
}
