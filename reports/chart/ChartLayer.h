#pragma once

#include <QChart>
#include <QGraphicsItem>

namespace Chart {

// A drawing of the program's own over the chart: as large as the chart, at its own height among
// the parts Qt Charts draws, and taking no mouse button, so that the chart's parts get them.
class ChartLayer : public QGraphicsItem {
public:
    ChartLayer(QChart* chart, double z)
        : QGraphicsItem(chart)
        , chart_(chart) {
        setZValue(z);
        setAcceptedMouseButtons(Qt::NoButton);
    }

    // The chart was drawn or laid out again: the layer covers its new size and is drawn again.
    void Refresh() {
        prepareGeometryChange();
        update();
    }

    QRectF boundingRect() const override { return chart_->rect(); }

protected:
    QChart* chart_;
};

} // namespace Chart
