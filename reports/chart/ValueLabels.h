#pragma once

#include "reports/chart/ChartGeometry.h"
#include "reports/chart/ChartLayer.h"

#include <functional>

namespace Chart {

// The value of each row written just above its point (beside its slice in a pie), in the
// labels' format and the series' colour, while the chart shows value labels.
class ValueLabels final : public ChartLayer {
public:
    ValueLabels(QChart* chart, std::function<Geometry()> geometry,
                std::function<const Content&()> content);

    struct Placed {
        int row = 0;
        QString text;
        QRectF place;
    };
    // The labels drawn, in row order: a row of nothing has none, and a label that would lie
    // outside the plot (and its depth) or on an earlier one is left out, so none overlap one
    // another or the titles, the axes and the legend around the plot.
    QList<Placed> Placements() const;

    // The row whose label lies under the point, or -1.
    int LabelAt(const QPointF& chartPoint) const;
    static QString TextOf(const Content& content, int row);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    bool shown() const;

    std::function<Geometry()> geometry_;
    std::function<const Content&()> content_;
};

} // namespace Chart
