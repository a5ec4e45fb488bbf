#pragma once

#include "reports/chart/ChartGeometry.h"
#include "reports/chart/ChartLayer.h"

#include <functional>

namespace Chart {

// The depth of a chart drawn with it: an oblique projection of the plot's walls and of the
// rows' bars, areas, lines and steps, their tops lit and their sides shaded. Qt Charts draws
// the fronts; these layers draw what lies behind them.
class DepthLayer final : public ChartLayer {
public:
    enum class Layer {
        Walls, // the back wall, the left wall and the floor with the grid: below the grid
        Faces, // the tops and sides of the rows: below the fronts of the series
    };

    DepthLayer(QChart* chart, Layer layer, std::function<Geometry()> geometry,
               std::function<const Content&()> content);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    void paintWalls(QPainter& painter, const Geometry& geometry, const Content& content) const;
    void paintFaces(QPainter& painter, const Geometry& geometry, const Content& content) const;
    void paintBars(QPainter& painter, const Geometry& geometry, const QColor& color) const;
    void paintRibbon(QPainter& painter, const Geometry& geometry, const QPolygonF& line,
                     const QColor& color) const;

    Layer layer_;
    std::function<Geometry()> geometry_;
    std::function<const Content&()> content_;
};

} // namespace Chart
