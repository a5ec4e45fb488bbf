#pragma once

#include "reports/chart/ChartGeometry.h"

class QChartView;

namespace Chart {

class ValueLabels;

// The part of the chart that lies under a point of the view's viewport: a row's point or value
// label, the title, the legend (where it stands, empty while hidden), an axis with its labels and
// title, the series beyond its points, the plot, or the chart's background.
Hit PartAt(const QChartView& view, const Geometry& geometry, const Content& content,
           const ValueLabels& labels, const QRectF& legendPlace, const QPoint& viewportPoint);

} // namespace Chart
