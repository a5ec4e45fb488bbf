#include "reports/chart/SliceLegend.h"

#include <QChart>
#include <QFontMetricsF>
#include <QLegend>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>

#include <algorithm>
#include <cmath>

namespace Chart {

namespace {

// Where Qt Charts draws its own legend (5).
constexpr double kLegendZ = 5;
// Between the pie's plot and the legend, between two columns, and between two entries.
constexpr double kPlotGap = 12;
constexpr double kColumnGap = 14;
constexpr double kEntrySpacing = 4;
// Between the colour's box and the label.
constexpr double kBoxGap = 6;

} // namespace

SliceLegend::SliceLegend(QChart* chart, std::function<const Drawn&()> drawn,
                         std::function<const Content&()> content)
    : ChartLayer(chart, kLegendZ)
    , drawn_(std::move(drawn))
    , content_(std::move(content)) {}

bool SliceLegend::shown() const {
    const Content& content = content_();
    return content.legendShown && content.style.shape == Shape::Pie && drawn_().pie;
}

QList<SliceLegend::Entry> SliceLegend::slicesShown() const {
    QList<Entry> entries;
    if (!shown())
        return entries;
    for (QPieSlice* slice : drawn_().pie->slices())
        if (slice->value() != 0)
            entries.append({slice->label(), slice->color(), {}});
    return entries;
}

double SliceLegend::entryHeight() const {
    return std::ceil(QFontMetricsF(chart_->legend()->font()).height()) + kEntrySpacing;
}

double SliceLegend::columnWidth(const QList<Entry>& entries) const {
    const QFontMetricsF metrics(chart_->legend()->font());
    double widest = 0;
    for (const Entry& entry : entries)
        widest = std::max(widest, metrics.horizontalAdvance(entry.label));
    return std::ceil(metrics.height() / 2 + kBoxGap + widest + kColumnGap);
}

// Down the first column as far as the plot reaches, then on in the next; the columns hold
// alike many.
SliceLegend::Columns SliceLegend::columnsFor(qsizetype entries, double plotHeight) const {
    if (entries == 0)
        return {};
    const int fitting = std::max(1, int(std::floor(plotHeight / entryHeight())));
    const int columns = int((entries + fitting - 1) / fitting);
    return {int((entries + columns - 1) / columns), columns};
}

double SliceLegend::WidthFor(double plotHeight) const {
    const QList<Entry> entries = slicesShown();
    if (entries.isEmpty())
        return 0;
    return kPlotGap + columnsFor(entries.size(), plotHeight).columns * columnWidth(entries);
}

QList<SliceLegend::Entry> SliceLegend::Entries() const {
    QList<Entry> entries = slicesShown();
    const QRectF plot = chart_->plotArea();
    const Columns columns = columnsFor(entries.size(), plot.height());
    const double height = entryHeight();
    const double width = columnWidth(entries);
    const double top = std::max(plot.top(), plot.center().y() - columns.rows * height / 2);
    const QFontMetricsF metrics(chart_->legend()->font());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const double left = plot.right() + kPlotGap + double(i / columns.rows) * width;
        const double y = top + double(i % columns.rows) * height;
        entries[i].place =
            QRectF(left, y,
                   metrics.height() / 2 + kBoxGap + metrics.horizontalAdvance(entries.at(i).label),
                   metrics.height());
    }
    return entries;
}

QRectF SliceLegend::Place() const {
    QRectF place;
    for (const Entry& entry : Entries())
        place |= entry.place;
    return place;
}

void SliceLegend::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QList<Entry> entries = Entries();
    if (entries.isEmpty())
        return;
    const QFont font = chart_->legend()->font();
    const double box = QFontMetricsF(font).height() / 2;
    painter->save();
    painter->setFont(font);
    for (const Entry& entry : entries) {
        const QRectF square(entry.place.left(), entry.place.center().y() - box / 2, box, box);
        painter->setPen(QPen(entry.color.darker(130), 0));
        painter->setBrush(entry.color);
        painter->drawRect(square);
        painter->setPen(chart_->legend()->labelColor());
        painter->drawText(entry.place.adjusted(box + kBoxGap, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter, entry.label);
    }
    painter->restore();
}

} // namespace Chart
