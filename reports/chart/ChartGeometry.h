#pragma once

#include "reports/chart/ChartContent.h"
#include "reports/chart/ChartSeries.h"

#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

class QChart;
class QFontMetricsF;

namespace Chart {

// Where the chart's rows are drawn, in the chart's own coordinates, as the chart lies now. The
// drawing of the depth and of the value labels and the pointer's hit test all read it, so they
// agree with one another. Rows count from 0.
class Geometry {
public:
    Geometry(QChart& chart, const Content& content, const Drawn& drawn);

    QRectF Plot() const;
    bool Deep() const { return content_.style.depth; }
    // The oblique offset of the depth, to the right and up; none for a flat chart.
    QPointF Depth() const;

    QPointF ValuePoint(int row) const;
    QPointF BasePoint(int row) const;
    // A bar's front face; for a step with depth, its block.
    QRectF BarFront(int row) const;
    // The line along the rows' values: the line itself, the top of an area, the steps.
    QPolygonF Outline() const;
    // The outline down to the floor and back: the front of an area or of the blocks.
    QPolygonF Filled() const;
    // The part of the line of a combination chart.
    QPolygonF CombinationLine() const;

    // What the pointer finds of a row's point (bar, marker, step, slice) and of the series
    // beyond its points (the line between them, an area's fill, the sides of the depth).
    QPainterPath PointRegion(int row) const;
    QPainterPath SeriesRegion() const;

    // Where a row's value label stands: just above its point, or beside its slice; empty for
    // a slice of nothing.
    QRectF ValueLabelRect(int row, const QString& text, const QFontMetricsF& metrics) const;

    // The values of the value axis' grid lines.
    QList<double> GridValues() const;
    double YOf(double value) const;

    // A face of the depth behind a segment of the front: the segment and its copy moved back.
    QPolygonF DepthFace(const QPointF& from, const QPointF& to) const;

private:
    QPointF position(double x, double value) const;
    double xOf(int row) const;
    double categoryWidth() const;
    QPainterPath sliceRegion(int row) const;
    QRectF pieCircle() const;
    QRectF pieLabelRect(int row, const QSizeF& size) const;
    QPainterPath depthOfBar(int row) const;

    QChart& chart_;
    const Content& content_;
    const Drawn& drawn_;
};

} // namespace Chart
