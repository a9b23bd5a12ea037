#include "tablewindow/tablechart.h"

#include "tables/tablegrid.h"

#include <QAbstractItemModel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

constexpr int Margin = 8;

} // namespace

TableChart::TableChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chart"));
    setMouseTracking(true);
    setMinimumHeight(120);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

QSize TableChart::sizeHint() const {
    return {600, 200};
}

void TableChart::show(QAbstractItemModel* model, const QList<int>& columns) {
    m_model = model;
    m_columns = columns.size() <= 2 ? columns : QList<int>();
    for (int k = 0; k < m_columns.size(); ++k) {
        m_most[k] = 1;
        for (int row = 0; row < model->rowCount(); ++row)
            m_most[k] = std::max(m_most[k], valueOf(row, m_columns[k]));
    }
    update();
}

void TableChart::setLine(bool line) {
    m_line = line;
    update();
}

qint32 TableChart::valueOf(int row, int column) const {
    return m_model->index(row, column).data(TableGrid::SortRole).toInt();
}

QRectF TableChart::plotArea() const {
    const QFontMetrics metrics = fontMetrics();
    const int left = metrics.horizontalAdvance(QStringLiteral("000000")) + Margin;
    return QRectF(left, Margin + metrics.height(), width() - left - Margin,
                  height() - 2 * Margin - 2 * metrics.height());
}

QPointF TableChart::markOf(int row) const {
    const QRectF area = plotArea();
    const int rows = std::max(1, m_model->rowCount());
    const bool scatter = m_columns.size() == 2;
    const double across =
        scatter ? double(valueOf(row, m_columns[0])) / m_most[0] : (row + 0.5) / rows;
    const double up = double(valueOf(row, m_columns.back())) / m_most[scatter ? 1 : 0];
    return {area.left() + across * area.width(), area.bottom() - up * area.height()};
}

int TableChart::rowAt(const QPointF& at) const {
    if (!m_model || m_columns.isEmpty())
        return -1;
    int best = -1;
    double nearest = 0;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QPointF mark = markOf(row);
        // Bars are found by their column alone; scatter points by their distance.
        const double d = m_columns.size() == 2 ? std::hypot(mark.x() - at.x(), mark.y() - at.y())
                                               : std::abs(mark.x() - at.x());
        if (best < 0 || d < nearest) {
            best = row;
            nearest = d;
        }
    }
    return best;
}

void TableChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    if (!m_model || m_columns.isEmpty() || m_model->rowCount() == 0) {
        p.setPen(pal.color(QPalette::PlaceholderText));
        p.drawText(rect(), Qt::AlignCenter, tr("Select a numeric column, or two for a scatter."));
        return;
    }
    const QRectF area = plotArea();
    const bool scatter = m_columns.size() == 2;
    const QString yCaption = m_model->headerData(m_columns.back(), Qt::Horizontal).toString();
    p.setPen(pal.color(QPalette::Text));
    // The axes, with the largest value at the top and the column's caption above.
    p.drawLine(area.bottomLeft(), area.topLeft());
    p.drawLine(area.bottomLeft(), area.bottomRight());
    const QFontMetrics metrics = fontMetrics();
    const qint32 top = m_most[scatter ? 1 : 0];
    p.drawText(QRectF(0, area.top() - metrics.height() / 2.0, area.left() - 4, metrics.height()),
               Qt::AlignRight | Qt::AlignVCenter, QString::number(top));
    p.drawText(QRectF(0, area.bottom() - metrics.height() / 2.0, area.left() - 4, metrics.height()),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    p.drawText(QRectF(area.left(), 0, area.width(), area.top()), Qt::AlignLeft | Qt::AlignVCenter,
               yCaption);
    const QString xCaption = scatter
                                 ? m_model->headerData(m_columns[0], Qt::Horizontal).toString() +
                                       QStringLiteral(" (0\u2013%1)").arg(m_most[0])
                                 : tr("%n row(s) in the order shown", nullptr, m_model->rowCount());
    p.drawText(QRectF(area.left(), area.bottom() + 2, area.width(), metrics.height()),
               Qt::AlignHCenter | Qt::AlignTop, xCaption);

    const QColor mark = pal.color(QPalette::Highlight);
    const int rows = m_model->rowCount();
    if (scatter) {
        p.setPen(Qt::NoPen);
        p.setBrush(mark);
        for (int row = 0; row < rows; ++row)
            p.drawEllipse(markOf(row), 3, 3);
    } else if (m_line) {
        QPainterPath path(markOf(0));
        for (int row = 1; row < rows; ++row)
            path.lineTo(markOf(row));
        p.setPen(QPen(mark, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    } else {
        const double bar = std::max(1.0, area.width() / rows - 1);
        p.setPen(Qt::NoPen);
        p.setBrush(mark);
        for (int row = 0; row < rows; ++row) {
            const QPointF at = markOf(row);
            p.drawRect(QRectF(at.x() - bar / 2, at.y(), bar, area.bottom() - at.y()));
        }
    }
}

void TableChart::mouseMoveEvent(QMouseEvent* event) {
    const int row = rowAt(event->position());
    if (row < 0) {
        QToolTip::hideText();
        return;
    }
    const QString name = m_model->index(row, TableGrid::NameColumn).data().toString();
    QStringList values;
    for (const int column : m_columns)
        values << QStringLiteral("%1 %2").arg(
            m_model->headerData(column, Qt::Horizontal).toString(),
            QString::number(valueOf(row, column)));
    QToolTip::showText(event->globalPosition().toPoint(),
                       QStringLiteral("%1: %2").arg(name, values.join(QStringLiteral(", "))), this);
}

void TableChart::mousePressEvent(QMouseEvent* event) {
    if (const int row = rowAt(event->position()); row >= 0)
        emit rowClicked(row);
}
