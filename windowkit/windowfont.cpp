#include "windowkit/windowfont.h"

#include "windowkit/twips.h"

#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>

namespace {

// The room a control's caption has inside its fixed geometry.
int roomForText(const QWidget* control) {
    if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QStyle* style = box->style();
        return box->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, &option, box) -
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box) - 2;
    }
    if (qobject_cast<const QPushButton*>(control))
        return control->width() - 8;
    return control->width();
}

QString captionOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return {};
}

} // namespace

bool CaptionsFit(const QWidget* window, const QFont& font) {
    const QFontMetrics metrics(font);
    const auto controls = window->findChildren<QWidget*>();
    for (const QWidget* control : controls) {
        const QString caption = captionOf(control);
        if (!caption.isEmpty() && metrics.horizontalAdvance(caption) > roomForText(control))
            return false;
        if (!caption.isEmpty() && metrics.height() > control->height())
            return false;
    }
    return true;
}

void ApplyWindowFont(QWidget* window) {
    QFont font = window->font();
    // Narrow sans-serif faces first; the size then shrinks until every caption fits.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("DejaVu Sans Condensed"), font.family()});
    const int largest = std::max(9, TwipsToPixels(window, 180));
    for (int pixels = largest; pixels >= 8; --pixels) {
        font.setPixelSize(pixels);
        if (CaptionsFit(window, font))
            break;
    }
    window->setFont(font);
}
