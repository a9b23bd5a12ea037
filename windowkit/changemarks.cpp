#include "windowkit/changemarks.h"

#include "windowkit/putback.h"
#include "wording/changestext.h"

#include <QCheckBox>
#include <QComboBox>

#include <optional>

namespace {

constexpr int OriginalsRole = Qt::UserRole + 40;
constexpr int OriginalNameRole = Qt::UserRole + 41;

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

std::vector<EntryMarks> TableMarks(ImageOpening& opening, RomImage& rom, Table table) {
    return MarksOf(opening.changes(rom, table), table);
}

void MarkEntries(QComboBox* list, ImageOpening& opening, RomImage& rom, Table table) {
    const std::vector<EntryMarks> marks = TableMarks(opening, rom, table);
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
