#include "reports/chart/DepthDrawing.h"

#include <QChart>
#include <QPainter>

#include <cmath>

namespace Chart {

namespace {

// Below the grid (2), and between the axes (3) and the series (4) of Qt Charts.
constexpr double kWallsZ = 0.5;
constexpr double kFacesZ = 3.5;

QColor topShade(const QColor& color) {
    return color.lighter(125);
}

QColor sideShade(const QColor& color) {
    return color.darker(140);
}

void fill(QPainter& painter, const QPolygonF& face, const QColor& color) {
    painter.setBrush(color);
    painter.setPen(QPen(color.darker(115), 0));
    painter.drawPolygon(face);
}

// A face that runs along the top of a shape is lit; one that runs up or down its side is not.
QColor shadeOfSegment(const QPointF& from, const QPointF& to, const QColor& color) {
    const QPointF run = to - from;
    return std::abs(run.y()) > std::abs(run.x()) ? sideShade(color) : topShade(color);
}

} // namespace

DepthLayer::DepthLayer(QChart* chart, Layer layer, std::function<Geometry()> geometry,
                       std::function<const Content&()> content)
    : ChartLayer(chart, layer == Layer::Walls ? kWallsZ : kFacesZ)
    , layer_(layer)
    , geometry_(std::move(geometry))
    , content_(std::move(content)) {}

void DepthLayer::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const Content& content = content_();
    if (!content.style.depth || content.Rows() == 0)
        return;
    const Geometry geometry = geometry_();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (layer_ == Layer::Walls)
        paintWalls(*painter, geometry, content);
    else
        paintFaces(*painter, geometry, content);
    painter->restore();
}

void DepthLayer::paintWalls(QPainter& painter, const Geometry& geometry,
                            const Content& content) const {
    const QRectF plot = geometry.Plot();
    const QPointF depth = geometry.Depth();
    const double floorY = geometry.YOf(0);
    fill(painter, QPolygonF(plot.translated(depth)), content.plotColor);
    fill(painter, geometry.DepthFace(plot.topLeft(), plot.bottomLeft()),
         content.plotColor.darker(108));
    fill(painter, geometry.DepthFace(QPointF(plot.left(), floorY), QPointF(plot.right(), floorY)),
         content.plotColor.darker(118));
    // The grid on the walls, at the value axis' ticks.
    painter.setPen(QPen(QColor(0xc8, 0xc8, 0xc8), 0));
    for (double value : geometry.GridValues()) {
        const QPointF front(plot.left(), geometry.YOf(value));
        painter.drawLine(front, front + depth);
        painter.drawLine(front + depth, QPointF(plot.right(), front.y()) + depth);
    }
}

void DepthLayer::paintFaces(QPainter& painter, const Geometry& geometry,
                            const Content& content) const {
    switch (content.style.shape) {
    case Shape::Bar:
        paintBars(painter, geometry, content.seriesColor);
        break;
    case Shape::Combination:
        paintBars(painter, geometry, content.seriesColor);
        paintRibbon(painter, geometry, geometry.CombinationLine(), content.seriesColor.darker(170));
        break;
    case Shape::Line:
        paintRibbon(painter, geometry, geometry.Outline(), content.seriesColor);
        break;
    case Shape::Area:
    case Shape::Step: {
        const QPolygonF outline = geometry.Outline();
        paintRibbon(painter, geometry, outline, content.seriesColor);
        if (!outline.isEmpty())
            fill(painter,
                 geometry.DepthFace(outline.last(), QPointF(outline.last().x(), geometry.YOf(0))),
                 sideShade(content.seriesColor));
        break;
    }
    case Shape::Pie:
    case Shape::XY:
        break;
    }
}

void DepthLayer::paintBars(QPainter& painter, const Geometry& geometry, const QColor& color) const {
    for (int row = 0; row < content_().Rows(); ++row) {
        const QRectF front = geometry.BarFront(row);
        fill(painter, geometry.DepthFace(front.topRight(), front.bottomRight()), sideShade(color));
        fill(painter, geometry.DepthFace(front.topLeft(), front.topRight()), topShade(color));
    }
}

void DepthLayer::paintRibbon(QPainter& painter, const Geometry& geometry, const QPolygonF& line,
                             const QColor& color) const {
    for (qsizetype i = 0; i + 1 < line.size(); ++i)
        fill(painter, geometry.DepthFace(line.at(i), line.at(i + 1)),
             shadeOfSegment(line.at(i), line.at(i + 1), color));
}

} // namespace Chart
