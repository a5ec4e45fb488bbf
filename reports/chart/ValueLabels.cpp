#include "reports/chart/ValueLabels.h"

#include <QChart>
#include <QFontMetricsF>
#include <QPainter>

namespace Chart {

namespace {

// Above the series (4) of Qt Charts, below its legend (5).
constexpr double kLabelsZ = 4.5;

// A little smaller than the chart's text, as a month of labels stands close together.
QFont labelFont(const QChart& chart) {
    QFont font = chart.font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    return font;
}

} // namespace

ValueLabels::ValueLabels(QChart* chart, std::function<Geometry()> geometry,
                         std::function<const Content&()> content)
    : QGraphicsItem(chart)
    , chart_(chart)
    , geometry_(std::move(geometry))
    , content_(std::move(content)) {
    setZValue(kLabelsZ);
    setAcceptedMouseButtons(Qt::NoButton);
}

QString ValueLabels::TextOf(const Content& content, int row) {
    return ValueText(content.values.value(row), content.valueFormat);
}

bool ValueLabels::shown() const {
    const Content& content = content_();
    return content.valueLabelsShown;
}

int ValueLabels::LabelAt(const QPointF& chartPoint) const {
    if (!shown())
        return -1;
    const Content& content = content_();
    const Geometry geometry = geometry_();
    const QFontMetricsF metrics(labelFont(*chart_));
    for (int row = 0; row < content.Rows(); ++row)
        if (geometry.ValueLabelRect(row, TextOf(content, row), metrics).contains(chartPoint))
            return row;
    return -1;
}

void ValueLabels::Refresh() {
    prepareGeometryChange();
    update();
}

QRectF ValueLabels::boundingRect() const {
    return chart_->rect();
}

void ValueLabels::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (!shown())
        return;
    const Content& content = content_();
    const Geometry geometry = geometry_();
    const QFontMetricsF metrics(labelFont(*chart_));
    painter->save();
    painter->setFont(labelFont(*chart_));
    painter->setPen(content.seriesColor);
    for (int row = 0; row < content.Rows(); ++row) {
        const QString text = TextOf(content, row);
        const QRectF place = geometry.ValueLabelRect(row, text, metrics);
        if (!place.isEmpty())
            painter->drawText(place, Qt::AlignCenter, text);
    }
    painter->restore();
}

} // namespace Chart
