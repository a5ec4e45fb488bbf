#include "reports/chart/ChartGeometry.h"

#include <QAbstractSeries>
#include <QBarSeries>
#include <QChart>
#include <QFontMetricsF>
#include <QPainterPathStroker>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace Chart {

namespace {

constexpr double kMaxDepth = 16;
constexpr double kMinDepth = 4;
constexpr double kPointRadius = 6;
constexpr double kLineReach = 8;
constexpr double kLabelGap = 3;
constexpr double kPieSize = 0.7; // Qt's own share of the plot that a pie takes

} // namespace

Geometry::Geometry(QChart& chart, const Content& content, const Drawn& drawn)
    : chart_(chart)
    , content_(content)
    , drawn_(drawn) {}

QRectF Geometry::Plot() const {
    return chart_.plotArea();
}

QPointF Geometry::position(double x, double value) const {
    QAbstractSeries* series = drawn_.Positioned();
    if (!series)
        return {};
    return chart_.mapToPosition(QPointF(x, value), series);
}

double Geometry::xOf(int row) const {
    return content_.style.shape == Shape::XY ? row + 1 : row;
}

double Geometry::categoryWidth() const {
    if (content_.Rows() < 2 && content_.style.shape != Shape::XY)
        return Plot().width();
    return std::abs(position(xOf(1), 0).x() - position(xOf(0), 0).x());
}

QPointF Geometry::Depth() const {
    if (!Deep())
        return {};
    const double depth = std::clamp(categoryWidth() * 0.5, kMinDepth, kMaxDepth);
    return QPointF(depth, -depth);
}

QPointF Geometry::ValuePoint(int row) const {
    return position(xOf(row), content_.values.value(row));
}

QPointF Geometry::BasePoint(int row) const {
    return position(xOf(row), 0);
}

QRectF Geometry::BarFront(int row) const {
    const bool block = content_.style.shape == Shape::Step;
    const double half = block ? 0.5 : kBarWidth / 2;
    const QPointF left = position(xOf(row) - half, content_.values.value(row));
    const QPointF right = position(xOf(row) + half, 0);
    return QRectF(left, right).normalized();
}

QPolygonF Geometry::Outline() const {
    QPolygonF outline;
    const bool steps = content_.style.shape == Shape::Step;
    for (int row = 0; row < content_.Rows(); ++row) {
        if (steps) {
            const QRectF block = BarFront(row);
            const double top = ValuePoint(row).y();
            outline << QPointF(block.left(), top) << QPointF(block.right(), top);
        } else {
            outline << ValuePoint(row);
        }
    }
    return outline;
}

QPolygonF Geometry::Filled() const {
    QPolygonF filled = Outline();
    if (filled.isEmpty())
        return filled;
    const double floor = BasePoint(0).y();
    filled << QPointF(filled.last().x(), floor) << QPointF(filled.first().x(), floor);
    return filled;
}

QPolygonF Geometry::CombinationLine() const {
    QPolygonF line;
    for (int row = 0; row < content_.Rows(); ++row)
        line << ValuePoint(row);
    return line;
}

QPolygonF Geometry::DepthFace(const QPointF& from, const QPointF& to) const {
    const QPointF depth = Depth();
    return QPolygonF({from, to, to + depth, from + depth});
}

QPainterPath Geometry::depthOfBar(int row) const {
    const QRectF front = BarFront(row);
    QPainterPath path;
    path.addPolygon(DepthFace(front.topLeft(), front.topRight()));
    path.addPolygon(DepthFace(front.topRight(), front.bottomRight()));
    return path;
}

QRectF Geometry::pieCircle() const {
    const QRectF plot = Plot();
    const double radius = std::min(plot.width(), plot.height()) * kPieSize / 2;
    return QRectF(plot.center() - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
}

QPainterPath Geometry::sliceRegion(int row) const {
    QPainterPath path;
    if (!drawn_.pie || row >= drawn_.pie->count())
        return path;
    const QPieSlice* slice = drawn_.pie->slices().at(row);
    const QRectF circle = pieCircle();
    // The slices run clockwise from twelve o'clock; a painter path's arcs counter-clockwise
    // from three.
    path.moveTo(circle.center());
    path.arcTo(circle, 90 - slice->startAngle(), -slice->angleSpan());
    path.closeSubpath();
    return path;
}

// Beside the middle of the slice's arc, just outside the pie.
QRectF Geometry::pieLabelRect(int row, const QSizeF& size) const {
    if (!drawn_.pie || row >= drawn_.pie->count())
        return {};
    const QPieSlice* slice = drawn_.pie->slices().at(row);
    if (slice->angleSpan() <= 0)
        return {};
    const QRectF circle = pieCircle();
    const double angle = qDegreesToRadians(slice->startAngle() + slice->angleSpan() / 2);
    const double reach = circle.width() / 2 + kLabelGap + std::max(size.width(), size.height()) / 2;
    const QPointF anchor =
        circle.center() + QPointF(reach * std::sin(angle), -reach * std::cos(angle));
    return QRectF(anchor - QPointF(size.width() / 2, size.height() / 2), size);
}

QPainterPath Geometry::PointRegion(int row) const {
    QPainterPath region;
    if (row < 0 || row >= content_.Rows())
        return region;
    switch (content_.style.shape) {
    case Shape::Pie:
        return sliceRegion(row);
    case Shape::Bar:
    case Shape::Combination:
        region.addRect(BarFront(row));
        if (Deep())
            region.addPath(depthOfBar(row));
        break;
    case Shape::Step:
        if (Deep()) {
            region.addRect(BarFront(row));
        } else {
            const QRectF block = BarFront(row);
            const double top = ValuePoint(row).y();
            region.addRect(
                QRectF(block.left(), top - kPointRadius, block.width(), 2 * kPointRadius));
        }
        break;
    case Shape::Line:
    case Shape::XY:
    case Shape::Area:
        region.addEllipse(ValuePoint(row), kPointRadius, kPointRadius);
        break;
    }
    return region;
}

QPainterPath Geometry::SeriesRegion() const {
    QPainterPath region;
    QPainterPath line;
    line.addPolygon(content_.style.shape == Shape::Combination ? CombinationLine() : Outline());
    QPainterPathStroker stroker;
    stroker.setWidth(kLineReach);
    switch (content_.style.shape) {
    case Shape::Pie:
    case Shape::Bar:
        break;
    case Shape::Area:
        region.addPolygon(Filled());
        break;
    case Shape::Step:
        region = stroker.createStroke(line);
        if (Deep())
            region.addPolygon(Filled());
        break;
    case Shape::Line:
    case Shape::XY:
    case Shape::Combination:
        region = stroker.createStroke(line);
        break;
    }
    // The sides of the depth belong to the series.
    if (Deep() && content_.style.shape != Shape::Bar && content_.style.shape != Shape::Pie) {
        const QPolygonF outline = Outline();
        for (qsizetype i = 0; i + 1 < outline.size(); ++i)
            region.addPolygon(DepthFace(outline.at(i), outline.at(i + 1)));
    }
    return region.simplified();
}

QRectF Geometry::ValueLabelRect(int row, const QString& text, const QFontMetricsF& metrics) const {
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
    if (content_.style.shape == Shape::Pie)
        return pieLabelRect(row, size);
    const QPointF point = ValuePoint(row) + QPointF(Depth().x() / 2, Depth().y());
    return QRectF(QPointF(point.x() - size.width() / 2, point.y() - kLabelGap - size.height()),
                  size);
}

QList<double> Geometry::GridValues() const {
    QList<double> values;
    const QValueAxis* axis = drawn_.valueAxis;
    if (!axis || axis->tickCount() < 2)
        return values;
    const double step = (axis->max() - axis->min()) / (axis->tickCount() - 1);
    for (int tick = 0; tick < axis->tickCount(); ++tick)
        values << axis->min() + tick * step;
    return values;
}

double Geometry::YOf(double value) const {
    return position(0, value).y();
}

} // namespace Chart
