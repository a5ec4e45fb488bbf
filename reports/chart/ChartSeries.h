#pragma once

#include "reports/chart/ChartContent.h"

class QAbstractSeries;
class QBarCategoryAxis;
class QBarSeries;
class QChart;
class QLineSeries;
class QPieSeries;
class QValueAxis;
class QXYSeries;

namespace Chart {

// The chart's axes, made once: the days as categories, the days as numbers (XY), the values.
struct Axes {
    QBarCategoryAxis* days = nullptr;
    QValueAxis* dayNumbers = nullptr;
    QValueAxis* values = nullptr;
};
Axes AddAxes(QChart& chart);

// The series one drawing put on the chart.
struct Drawn {
    QBarSeries* bars = nullptr;
    // The line of a line, step, XY or combination chart; the top of an area.
    QXYSeries* line = nullptr;
    QAbstractSeries* area = nullptr;
    QPieSeries* pie = nullptr;
    QValueAxis* valueAxis = nullptr; // null for a pie

    // The series that maps rows to positions: the bars when there are, else the line or area.
    QAbstractSeries* Positioned() const;
};

// Bars take this share of their day's width.
inline constexpr double kBarWidth = 0.6;

// Replaces the previous drawing's series with the ones the content's style asks for, attached
// to the axes it uses; the other axes are hidden.
Drawn DrawSeries(QChart& chart, const Axes& axes, const Content& content, const Drawn& previous);

} // namespace Chart
