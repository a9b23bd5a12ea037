#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>

class QAbstractItemModel;

// A chart of one numeric column across the rows in their shown order, as bars or a line, or of two
// columns as a scatter (the first across, the second up). Hovering names the entry and its value;
// a click picks its row. Drawn with QPainter alone.
class TableChart : public QWidget {
    Q_OBJECT
public:
    explicit TableChart(QWidget* parent = nullptr);

    // The rows of `model` and the columns to chart: one or two, else the chart says it has none.
    void show(QAbstractItemModel* model, const QList<int>& columns);
    void setLine(bool line);
    QSize sizeHint() const override;

signals:
    void rowClicked(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRectF plotArea() const;
    // The row whose mark is nearest `at`, or -1.
    int rowAt(const QPointF& at) const;
    QPointF markOf(int row) const;
    qint32 valueOf(int row, int column) const;

    QAbstractItemModel* m_model = nullptr;
    QList<int> m_columns;
    bool m_line = false;
    qint32 m_most[2] = {1, 1};
};
