#pragma once

#include "reports/chart/ChartLayer.h"
#include "reports/chart/ChartSeries.h"

#include <QColor>
#include <QList>
#include <QString>

#include <functional>

namespace Chart {

// The legend of a pie: each slice that shows, by its colour and its day, in as many columns as
// the plot's height needs, at the chart's right, where the chart leaves it room.
class SliceLegend final : public ChartLayer {
public:
    SliceLegend(QChart* chart, std::function<const Drawn&()> drawn,
                std::function<const Content&()> content);

    struct Entry {
        QString label;
        QColor color;
        QRectF place; // the colour's box and the label, in the chart's coordinates
    };
    // The entries as they are drawn now, in the order of the slices; none while it is hidden.
    QList<Entry> Entries() const;
    // Where the legend stands in the chart; empty while it is hidden.
    QRectF Place() const;
    // The room it needs at the right of a plot of this height; 0 while it is hidden.
    double WidthFor(double plotHeight) const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    struct Columns {
        int rows = 0;
        int columns = 0;
    };
    bool shown() const;
    QList<Entry> slicesShown() const;
    Columns columnsFor(qsizetype entries, double plotHeight) const;
    double entryHeight() const;
    double columnWidth(const QList<Entry>& entries) const;

    std::function<const Drawn&()> drawn_;
    std::function<const Content&()> content_;
};

} // namespace Chart
