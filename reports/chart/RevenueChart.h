#pragma once

#include "reports/chart/ChartContent.h"
#include "reports/chart/ChartGeometry.h"
#include "reports/chart/ChartSeries.h"
#include "reports/chart/SliceLegend.h"
#include "reports/chart/ValueLabels.h"

#include <QChartView>
#include <QImage>

namespace Chart {
class DepthLayer;
} // namespace Chart

// The chart of the revenue window: one series over rows that each hold a value and a label,
// drawn as one of the chart types (flat ones by Qt Charts, those with depth as an oblique
// projection over it), with a title, axis titles, a legend and value labels. Its parts raise
// their events when double-clicked; the pointer's moves are reported.
class RevenueChart final : public QChartView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RevenueChart)

public:
    explicit RevenueChart(QWidget* parent = nullptr);
    ~RevenueChart() override;

    // Rows count from 1; rows that a larger count adds hold 0 and an empty label.
    void SetRowCount(int rows);
    int RowCount() const;
    // Takes the number the text shows: the system's currency text or a plain number; a text
    // that shows no number raises "Type mismatch".
    void SetRowValue(int row, const QString& valueText);
    double RowValue(int row) const;
    void SetRowLabel(int row, const QString& label);
    QString RowLabel(int row) const;

    // A chart-type value the type list uses; any other value changes nothing.
    void SetChartType(int chartType);
    int ChartType() const;

    void SetTitleText(const QString& text);
    QString TitleText() const;
    // Chart::kXAxis or Chart::kYAxis.
    void SetAxisTitle(int axis, const QString& text);
    QString AxisTitle(int axis) const;
    void SetColumnLabel(const QString& label);
    QString ColumnLabel() const;
    void SetLegendShown(bool shown);
    bool LegendShown() const;
    void ShowValueLabels(Chart::ValueFormat format);
    void HideValueLabels();
    bool ValueLabelsShown() const;
    // The text above a row's point while the labels are shown.
    QString ValueLabelText(int row) const;
    // The value labels as drawn now, in the chart's coordinates.
    QList<Chart::ValueLabels::Placed> DrawnValueLabels();
    // Where the legend stands now, the pie's or the series' own, in the chart's coordinates;
    // empty while none is shown.
    QRectF LegendPlace();
    // A pie's legend as drawn now: one entry per slice that shows.
    QList<Chart::SliceLegend::Entry> DrawnSliceLegend();

    void SetPlotColor(const QColor& color);
    QColor PlotColor() const;
    // The fill of every point of the series, its label font and its markers.
    void SetSeriesColor(const QColor& color);
    QColor SeriesColor() const;

    // The part under a point of the viewport.
    Chart::Hit PartAt(const QPoint& viewportPoint);
    // Where a row's value lies in the viewport as drawn now.
    QPoint RowPosition(int row);
    // The depth's offset in pixels (none for a flat chart).
    QPointF DepthOffset();
    // Draws at once what changed since the last drawing.
    void Redraw();
    // The chart painted into an image of its size.
    QImage Picture();

signals:
    void TitleActivated();
    void AxisTitleActivated(int axisId, int axisIndex);
    void PlotActivated();
    void SeriesActivated(int series);
    void PointActivated(int series, int dataPoint);
    void PointLabelActivated(int series, int dataPoint);
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt; viewport coordinates.
    void MouseMove(int button, int shift, int x, int y);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void changed();
    void settle();
    void applyLook();
    void refreshLayers();
    void fitDayLabels();
    void fitDayNumbers();
    void makeDepthRoom();
    void makeLegendRoom();
    Chart::Geometry drawnGeometry() const;
    QPointF toChart(const QPoint& viewportPoint) const;
    void checkRow(int row) const;

    Chart::Content content_;
    Chart::Axes axes_;
    Chart::Drawn drawn_;
    Chart::DepthLayer* walls_ = nullptr;
    Chart::DepthLayer* faces_ = nullptr;
    Chart::ValueLabels* labels_ = nullptr;
    Chart::SliceLegend* sliceLegend_ = nullptr;
    QFont dayLabelsFont_;
    bool redrawPending_ = false;
    bool makingDepthRoom_ = false;
    // The plot area is set by hand, smaller than Qt would lay it out, to make room for depth.
    bool plotAreaGivesRoom_ = false;
};
