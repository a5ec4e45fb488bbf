#include "reports/chart/ValueLabels.h"

#include <QChart>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace Chart {

namespace {

// Above the series (4) of Qt Charts, below its legend (5).
constexpr double kLabelsZ = 4.5;
// The least room between two labels.
constexpr double kLabelSpacing = 2;

// A little smaller than the chart's text, as a month of labels stands close together.
QFont labelFont(const QChart& chart) {
    QFont font = chart.font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    return font;
}

// The label moved sideways into the room where it would stick out of it, as the first and last
// days' labels do; a label wider than the room stays as it was.
QRectF keptInside(QRectF place, const QRectF& room) {
    if (place.width() > room.width())
        return place;
    if (place.left() < room.left())
        place.moveLeft(room.left());
    else if (place.right() > room.right())
        place.moveRight(room.right());
    return place;
}

} // namespace

ValueLabels::ValueLabels(QChart* chart, std::function<Geometry()> geometry,
                         std::function<const Content&()> content)
    : ChartLayer(chart, kLabelsZ)
    , geometry_(std::move(geometry))
    , content_(std::move(content)) {}

QString ValueLabels::TextOf(const Content& content, int row) {
    return ValueText(content.values.value(row), content.valueFormat);
}

bool ValueLabels::shown() const {
    const Content& content = content_();
    return content.valueLabelsShown;
}

QList<ValueLabels::Placed> ValueLabels::Placements() const {
    QList<Placed> placed;
    if (!shown())
        return placed;
    const Content& content = content_();
    const Geometry geometry = geometry_();
    const QFontMetricsF metrics(labelFont(*chart_));
    const QPointF depth = geometry.Depth();
    const QRectF room = geometry.Plot().adjusted(0, depth.y(), depth.x(), 0);
    const auto clashes = [&placed](const QRectF& place) {
        const QRectF spaced = place.adjusted(-kLabelSpacing, 0, kLabelSpacing, 0);
        return std::any_of(placed.cbegin(), placed.cend(), [&spaced](const Placed& other) {
            return other.place.intersects(spaced);
        });
    };
    for (int row = 0; row < content.Rows(); ++row) {
        if (content.values.at(row) == 0)
            continue;
        const QString text = TextOf(content, row);
        const QRectF place = keptInside(geometry.ValueLabelRect(row, text, metrics), room);
        if (!place.isEmpty() && room.contains(place) && !clashes(place))
            placed.append({row, text, place});
    }
    return placed;
}

int ValueLabels::LabelAt(const QPointF& chartPoint) const {
    for (const Placed& label : Placements())
        if (label.place.contains(chartPoint))
            return label.row;
    return -1;
}

void ValueLabels::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QList<Placed> labels = Placements();
    if (labels.isEmpty())
        return;
    painter->save();
    painter->setFont(labelFont(*chart_));
    painter->setPen(content_().seriesColor);
    for (const Placed& label : labels)
        painter->drawText(label.place, Qt::AlignCenter, label.text);
    painter->restore();
}

} // namespace Chart
