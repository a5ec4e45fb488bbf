#include "reports/chart/ChartSeries.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace Chart {

namespace {

constexpr int kLineWidth = 2;
constexpr double kMarkerSize = 8;
// Room above the highest point for its value label, as a share of the values' span.
constexpr double kLabelHeadroom = 0.12;

// The value axis always shows zero, so bars, areas and lines stand on the same floor.
void setValueRange(QValueAxis& axis, const Content& content) {
    double low = 0;
    double high = 0;
    for (double value : content.values) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
    if (high <= low)
        high = low + 1;
    if (content.valueLabelsShown)
        high += (high - low) * kLabelHeadroom;
    axis.setRange(low, high);
    axis.applyNiceNumbers();
    // Whole numbers while every tick is one; amounts in cents otherwise.
    const double step = (axis.max() - axis.min()) / std::max(axis.tickCount() - 1, 1);
    const bool whole = step == std::floor(step) && axis.min() == std::floor(axis.min());
    axis.setLabelFormat(whole ? QStringLiteral("%.0f") : QStringLiteral("%.2f"));
}

// Points at the days' categories (0 for the first day).
QList<QPointF> categoryPoints(const Content& content) {
    QList<QPointF> points;
    for (int row = 0; row < content.Rows(); ++row)
        points << QPointF(row, content.values.at(row));
    return points;
}

// Points at the day numbers (1 for the first day).
QList<QPointF> dayPoints(const Content& content) {
    QList<QPointF> points;
    for (int row = 0; row < content.Rows(); ++row)
        points << QPointF(row + 1, content.values.at(row));
    return points;
}

// Each day's value held across its whole category.
QList<QPointF> stepPoints(const Content& content) {
    QList<QPointF> points;
    for (int row = 0; row < content.Rows(); ++row) {
        points << QPointF(row - 0.5, content.values.at(row));
        points << QPointF(row + 0.5, content.values.at(row));
    }
    return points;
}

QBarSeries* barsOf(const Content& content) {
    auto* set = new QBarSet(content.columnLabel);
    for (double value : content.values)
        set->append(value);
    set->setColor(content.seriesColor);
    set->setBorderColor(content.seriesColor.darker(130));
    auto* bars = new QBarSeries();
    bars->setBarWidth(kBarWidth);
    bars->append(set);
    return bars;
}

QLineSeries* lineOf(const QList<QPointF>& points, const QString& name, const QColor& color) {
    auto* line = new QLineSeries();
    line->setName(name);
    line->append(points);
    line->setPen(QPen(color, kLineWidth));
    return line;
}

QAreaSeries* areaOf(const QList<QPointF>& points, const Content& content) {
    QLineSeries* upper = lineOf(points, content.columnLabel, content.seriesColor);
    auto* area = new QAreaSeries(upper);
    upper->setParent(area); // an area series does not own its boundary line
    area->setName(content.columnLabel);
    area->setBrush(content.seriesColor);
    area->setPen(QPen(content.seriesColor.darker(130), 1));
    return area;
}

// The colour of the slice-th slice that shows: the series' colour first, then hues far from
// the one before, so that the legend tells each slice from its neighbours.
QColor sliceColor(const QColor& seriesColor, int slice) {
    constexpr double kGoldenAngle = 137.508;
    const QColor base = seriesColor.toHsl();
    const int hue = (std::max(base.hslHue(), 0) + int(std::lround(slice * kGoldenAngle))) % 360;
    return QColor::fromHsl(hue, base.hslSaturation(), base.lightness());
}

// One slice per day, named by the day's label; a day of nothing has no slice to show.
QPieSeries* pieOf(const Content& content) {
    auto* pie = new QPieSeries();
    pie->setName(content.columnLabel);
    int shown = 0;
    for (int row = 0; row < content.Rows(); ++row) {
        QPieSlice* slice = pie->append(content.labels.value(row), content.values.at(row));
        slice->setBorderColor(Qt::white);
        if (content.values.at(row) != 0)
            slice->setColor(sliceColor(content.seriesColor, shown++));
    }
    return pie;
}

void remove(QChart& chart, QAbstractSeries* series) {
    if (!series)
        return;
    chart.removeSeries(series);
    delete series;
}

void attach(QChart& chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    if (!series)
        return;
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

// The series of each shape, before they join the chart.
Drawn seriesOf(const Content& content) {
    Drawn drawn;
    switch (content.style.shape) {
    case Shape::Bar:
        drawn.bars = barsOf(content);
        break;
    case Shape::Combination:
        drawn.bars = barsOf(content);
        drawn.line =
            lineOf(categoryPoints(content), content.columnLabel, content.seriesColor.darker(170));
        break;
    case Shape::Line:
        drawn.line =
            lineOf(categoryPoints(content), content.columnLabel,
                   content.style.depth ? content.seriesColor.darker(130) : content.seriesColor);
        break;
    case Shape::XY:
        drawn.line = lineOf(dayPoints(content), content.columnLabel, content.seriesColor);
        drawn.line->setPointsVisible(true);
        drawn.line->setMarkerSize(kMarkerSize);
        break;
    case Shape::Area:
        drawn.area = areaOf(categoryPoints(content), content);
        break;
    case Shape::Step:
        // With depth the steps are solid blocks; flat, they are the stepped line alone.
        if (content.style.depth)
            drawn.area = areaOf(stepPoints(content), content);
        else
            drawn.line = lineOf(stepPoints(content), content.columnLabel, content.seriesColor);
        break;
    case Shape::Pie:
        drawn.pie = pieOf(content);
        break;
    }
    return drawn;
}

} // namespace

QAbstractSeries* Drawn::Positioned() const {
    if (bars)
        return bars;
    if (line)
        return line;
    return area;
}

Axes AddAxes(QChart& chart) {
    Axes axes{new QBarCategoryAxis(), new QValueAxis(), new QValueAxis()};
    // Ticks stand on whole days, from the first; RevenueChart spaces them to fit their labels.
    axes.dayNumbers->setLabelFormat(QStringLiteral("%d"));
    axes.dayNumbers->setTickType(QValueAxis::TicksDynamic);
    axes.dayNumbers->setTickAnchor(1);
    axes.dayNumbers->setTickInterval(1);
    chart.addAxis(axes.days, Qt::AlignBottom);
    chart.addAxis(axes.dayNumbers, Qt::AlignBottom);
    chart.addAxis(axes.values, Qt::AlignLeft);
    return axes;
}

Drawn DrawSeries(QChart& chart, const Axes& axes, const Content& content, const Drawn& previous) {
    remove(chart, previous.bars);
    remove(chart, previous.line);
    remove(chart, previous.area);
    remove(chart, previous.pie);

    Drawn drawn = seriesOf(content);
    const bool pie = content.style.shape == Shape::Pie;
    const bool xy = content.style.shape == Shape::XY;
    // Without a row the days' axis keeps one blank day: Qt lays out no category axis without
    // any, and its title would stand in the chart's corner.
    axes.days->setCategories(content.labels.isEmpty() ? QStringList{QStringLiteral(" ")}
                                                      : content.labels);
    axes.dayNumbers->setRange(1, std::max(content.Rows(), 2));
    setValueRange(*axes.values, content);
    axes.days->setVisible(!pie && !xy);
    axes.dayNumbers->setVisible(xy);
    axes.values->setVisible(!pie);

    if (pie) {
        chart.addSeries(drawn.pie);
        return drawn;
    }
    QAbstractAxis* x = xy ? static_cast<QAbstractAxis*>(axes.dayNumbers) : axes.days;
    attach(chart, drawn.bars, x, axes.values);
    attach(chart, drawn.area, x, axes.values);
    attach(chart, drawn.line, x, axes.values);
    drawn.valueAxis = axes.values;
    // The combination's line is the bars' own series again: one legend entry for both.
    if (drawn.bars && drawn.line)
        for (QLegendMarker* marker : chart.legend()->markers(drawn.line))
            marker->setVisible(false);
    return drawn;
}

} // namespace Chart
