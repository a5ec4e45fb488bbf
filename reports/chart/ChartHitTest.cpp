#include "reports/chart/ChartHitTest.h"

#include "reports/chart/ValueLabels.h"

#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsTextItem>

namespace Chart {

namespace {

constexpr double kAxisReach = 3;

Hit pointHit(Part part, int row) {
    return {part, 1, row + 1, -1};
}

Hit axisHit(Part part, int axis) {
    return {part, 0, 0, axis};
}

// The title, an axis title or an axis label that Qt Charts drew under the point.
std::optional<Hit> textAt(const QChartView& view, const QChart& chart, const QPoint& viewportPoint,
                          const QPointF& chartPoint) {
    const QGraphicsItem* chartItem = &chart;
    const QList<QGraphicsItem*> items = view.items(viewportPoint);
    for (const QGraphicsItem* item : items) {
        if (item->type() != QGraphicsTextItem::Type || !item->isVisible())
            continue;
        const auto* text = static_cast<const QGraphicsTextItem*>(item);
        const QString shown = text->toPlainText();
        if (shown.isEmpty())
            continue;
        const int axis = chartPoint.y() > chart.plotArea().bottom() ? kXAxis : kYAxis;
        if (item->parentItem() == chartItem)
            return shown == chart.title() ? Hit{Part::Title, 0, 0, -1}
                                          : axisHit(Part::AxisTitle, axis);
        // Axis labels sit in the axes' groups, which are the chart's own children.
        if (item->parentItem() && item->parentItem()->parentItem() == chartItem)
            return axisHit(Part::AxisLabel, axis);
    }
    return std::nullopt;
}

std::optional<Hit> axisLineAt(const Geometry& geometry, const QPointF& point) {
    const QRectF plot = geometry.Plot();
    const bool alongY =
        point.y() >= plot.top() - kAxisReach && point.y() <= plot.bottom() + kAxisReach;
    const bool alongX =
        point.x() >= plot.left() - kAxisReach && point.x() <= plot.right() + kAxisReach;
    if (alongY && std::abs(point.x() - plot.left()) <= kAxisReach)
        return axisHit(Part::Axis, kYAxis);
    if (alongX && std::abs(point.y() - plot.bottom()) <= kAxisReach)
        return axisHit(Part::Axis, kXAxis);
    return std::nullopt;
}

bool inPlot(const Geometry& geometry, const QPointF& point) {
    const QRectF plot = geometry.Plot();
    return plot.contains(point) || plot.translated(geometry.Depth()).contains(point);
}

} // namespace

Hit PartAt(const QChartView& view, const Geometry& geometry, const Content& content,
           const ValueLabels& labels, const QRectF& legendPlace, const QPoint& viewportPoint) {
    const QChart& chart = *view.chart();
    const QPointF point = chart.mapFromScene(view.mapToScene(viewportPoint));
    if (!chart.rect().contains(point))
        return {};
    if (legendPlace.contains(point))
        return {Part::Legend, 0, 0, -1};
    if (const int row = labels.LabelAt(point); row >= 0)
        return pointHit(Part::PointLabel, row);
    for (int row = 0; row < content.Rows(); ++row)
        if (geometry.PointRegion(row).contains(point))
            return pointHit(Part::Point, row);
    if (const std::optional<Hit> text = textAt(view, chart, viewportPoint, point))
        return *text;
    const bool cartesian = content.style.shape != Shape::Pie;
    if (cartesian) {
        if (const std::optional<Hit> axis = axisLineAt(geometry, point))
            return *axis;
        if (geometry.SeriesRegion().contains(point))
            return {Part::Series, 1, 0, -1};
    }
    if (inPlot(geometry, point))
        return {Part::Plot, 0, 0, -1};
    return {Part::ChartArea, 0, 0, -1};
}

} // namespace Chart
