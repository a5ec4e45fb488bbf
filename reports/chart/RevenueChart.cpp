#include "reports/chart/RevenueChart.h"

#include "core/Currency.h"
#include "core/RuntimeErrors.h"
#include "reports/chart/ChartHitTest.h"
#include "reports/chart/DepthDrawing.h"
#include "reports/chart/SliceLegend.h"
#include "reports/chart/ValueLabels.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QHelpEvent>
#include <QLegend>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
#include <QValueAxis>

#include <cmath>

namespace {

constexpr int kMargin = 20;
// Room above and to the right of the plot for the depth of the rows at its edges.
constexpr int kDepthRoom = 16;
// What a day's label needs beside its text not to be cut short.
constexpr double kLabelPadding = 12;
constexpr double kSmallestLabelPoints = 5;

int buttonsOf(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

RevenueChart::RevenueChart(QWidget* parent)
    : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    QChart* drawing = chart();
    drawing->legend()->setAlignment(Qt::AlignRight);
    axes_ = Chart::AddAxes(*drawing);
    dayLabelsFont_ = axes_.days->labelsFont();
    const auto geometryNow = [this] { return drawnGeometry(); };
    const auto contentNow = [this]() -> const Chart::Content& { return content_; };
    walls_ =
        new Chart::DepthLayer(drawing, Chart::DepthLayer::Layer::Walls, geometryNow, contentNow);
    faces_ =
        new Chart::DepthLayer(drawing, Chart::DepthLayer::Layer::Faces, geometryNow, contentNow);
    labels_ = new Chart::ValueLabels(drawing, geometryNow, contentNow);
    sliceLegend_ = new Chart::SliceLegend(
        drawing, [this]() -> const Chart::Drawn& { return drawn_; }, contentNow);
    connect(drawing, &QChart::plotAreaChanged, this, &RevenueChart::refreshLayers);
    connect(drawing, &QGraphicsWidget::geometryChanged, this, [this] {
        makeDepthRoom();
        refreshLayers();
    });
    content_.style = *Chart::StyleOfType(content_.type);
    redrawPending_ = true;
    Redraw();
}

RevenueChart::~RevenueChart() = default;

Chart::Geometry RevenueChart::drawnGeometry() const {
    return Chart::Geometry(*chart(), content_, drawn_);
}

// Every change is drawn once, when the event loop next runs or when something needs the
// drawing earlier: a month's fill sets many rows and draws once.
void RevenueChart::changed() {
    if (redrawPending_)
        return;
    redrawPending_ = true;
    QTimer::singleShot(0, this, &RevenueChart::Redraw);
}

void RevenueChart::Redraw() {
    if (!redrawPending_)
        return;
    redrawPending_ = false;
    drawn_ = Chart::DrawSeries(*chart(), axes_, content_, drawn_);
    applyLook();
}

// What is asked of the drawing (where a row lies, what is under the pointer, the picture) is
// read from it drawn and laid out as it stands now.
void RevenueChart::settle() {
    Redraw();
    chart()->layout()->activate();
}

void RevenueChart::applyLook() {
    QChart* drawing = chart();
    const bool deep = content_.style.depth;
    drawing->setTitle(content_.title);
    // A pie's slices are named by a legend of its own, which holds a month of days.
    drawing->legend()->setVisible(content_.legendShown &&
                                  content_.style.shape != Chart::Shape::Pie);
    axes_.days->setTitleText(content_.xTitle);
    axes_.dayNumbers->setTitleText(content_.xTitle);
    axes_.values->setTitleText(content_.yTitle);
    axes_.days->setGridLineVisible(false);
    axes_.dayNumbers->setGridLineVisible(false);
    // With depth the grid is drawn on the walls behind the rows; a pie has none, and its hidden
    // value axis would still draw its grid.
    axes_.values->setGridLineVisible(!deep && content_.style.shape != Chart::Shape::Pie);
    drawing->setPlotAreaBackgroundBrush(content_.plotColor);
    drawing->setPlotAreaBackgroundVisible(!deep);
    makeLegendRoom();
    makeDepthRoom();
    refreshLayers();
}

// The pie's legend stands at the chart's right, in room the chart leaves it beside the pie.
void RevenueChart::makeLegendRoom() {
    const int legend = int(std::ceil(sliceLegend_->WidthFor(chart()->plotArea().height())));
    const QMargins margins(kMargin, kMargin, kMargin + legend, kMargin);
    if (chart()->margins() != margins)
        chart()->setMargins(margins);
}

// The depth rises above the plot and reaches to its right: the plot gives up that room inside
// the place Qt laid out for it, so the title above and the legend beside stay clear of it. Only
// then is the chart laid out at once, to learn that place; a flat chart is laid out by Qt when
// it is next drawn, once.
void RevenueChart::makeDepthRoom() {
    if (makingDepthRoom_)
        return;
    makingDepthRoom_ = true;
    QChart* drawing = chart();
    const bool needsRoom = content_.style.depth && content_.style.shape != Chart::Shape::Pie;
    if (needsRoom || plotAreaGivesRoom_)
        drawing->setPlotArea(QRectF());
    if (needsRoom) {
        drawing->layout()->activate();
        drawing->setPlotArea(drawing->plotArea().adjusted(0, kDepthRoom, -kDepthRoom, 0));
    }
    plotAreaGivesRoom_ = needsRoom;
    makingDepthRoom_ = false;
}

void RevenueChart::refreshLayers() {
    fitDayLabels();
    fitDayNumbers();
    // The plot's height tells how many columns the pie's legend needs.
    makeLegendRoom();
    walls_->Refresh();
    faces_->Refresh();
    labels_->Refresh();
    sliceLegend_->Refresh();
}

// Day numbers too wide for their days are written smaller instead of being cut short.
void RevenueChart::fitDayLabels() {
    const int rows = std::max(content_.Rows(), 1);
    const double dayWidth = chart()->plotArea().width() / rows;
    QFont font = dayLabelsFont_;
    const double textWidth = QFontMetricsF(font).horizontalAdvance(QStringLiteral("00"));
    if (textWidth + kLabelPadding > dayWidth) {
        const double fitting = font.pointSizeF() * (dayWidth - kLabelPadding) / textWidth;
        font.setPointSizeF(std::max(std::floor(fitting * 2) / 2, kSmallestLabelPoints));
    }
    if (axes_.days->labelsFont() != font)
        axes_.days->setLabelsFont(font);
}

// The XY chart's day numbers stand on whole days, every day or every few days, so that their
// labels stay apart.
void RevenueChart::fitDayNumbers() {
    const int days = std::max(content_.Rows(), 2);
    const double dayWidth = chart()->plotArea().width() / (days - 1);
    const double labelWidth =
        QFontMetricsF(axes_.dayNumbers->labelsFont()).horizontalAdvance(QStringLiteral("00")) +
        kLabelPadding;
    const int every = dayWidth > 0 ? std::clamp(int(std::ceil(labelWidth / dayWidth)), 1, days) : 1;
    if (axes_.dayNumbers->tickInterval() != every)
        axes_.dayNumbers->setTickInterval(every);
}

void RevenueChart::checkRow(int row) const {
    if (row < 1 || row > content_.Rows())
        throw RuntimeError::IndexOutOfBounds();
}

void RevenueChart::SetRowCount(int rows) {
    if (rows < 0)
        throw RuntimeError::InvalidPropertyValue();
    content_.values.resize(rows, 0.0);
    content_.labels.resize(rows);
    changed();
}

int RevenueChart::RowCount() const {
    return content_.Rows();
}

void RevenueChart::SetRowValue(int row, const QString& valueText) {
    checkRow(row);
    const std::optional<Currency> value = Currency::Parse(valueText);
    if (!value)
        throw RuntimeError::TypeMismatch();
    content_.values[row - 1] = value->ToDouble();
    changed();
}

double RevenueChart::RowValue(int row) const {
    checkRow(row);
    return content_.values.at(row - 1);
}

void RevenueChart::SetRowLabel(int row, const QString& label) {
    checkRow(row);
    content_.labels[row - 1] = label;
    changed();
}

QString RevenueChart::RowLabel(int row) const {
    checkRow(row);
    return content_.labels.at(row - 1);
}

void RevenueChart::SetChartType(int chartType) {
    const std::optional<Chart::Style> style = Chart::StyleOfType(chartType);
    if (!style)
        return;
    content_.type = chartType;
    content_.style = *style;
    changed();
}

int RevenueChart::ChartType() const {
    return content_.type;
}

void RevenueChart::SetTitleText(const QString& text) {
    content_.title = text;
    changed();
}

QString RevenueChart::TitleText() const {
    return content_.title;
}

void RevenueChart::SetAxisTitle(int axis, const QString& text) {
    (axis == Chart::kXAxis ? content_.xTitle : content_.yTitle) = text;
    changed();
}

QString RevenueChart::AxisTitle(int axis) const {
    return axis == Chart::kXAxis ? content_.xTitle : content_.yTitle;
}

void RevenueChart::SetColumnLabel(const QString& label) {
    content_.columnLabel = label;
    changed();
}

QString RevenueChart::ColumnLabel() const {
    return content_.columnLabel;
}

void RevenueChart::SetLegendShown(bool shown) {
    content_.legendShown = shown;
    changed();
}

bool RevenueChart::LegendShown() const {
    return content_.legendShown;
}

void RevenueChart::ShowValueLabels(Chart::ValueFormat format) {
    content_.valueFormat = format;
    content_.valueLabelsShown = true;
    changed();
}

void RevenueChart::HideValueLabels() {
    content_.valueLabelsShown = false;
    changed();
}

bool RevenueChart::ValueLabelsShown() const {
    return content_.valueLabelsShown;
}

QString RevenueChart::ValueLabelText(int row) const {
    checkRow(row);
    return Chart::ValueLabels::TextOf(content_, row - 1);
}

QList<Chart::ValueLabels::Placed> RevenueChart::DrawnValueLabels() {
    settle();
    return labels_->Placements();
}

void RevenueChart::SetPlotColor(const QColor& color) {
    content_.plotColor = color;
    changed();
}

QColor RevenueChart::PlotColor() const {
    return content_.plotColor;
}

void RevenueChart::SetSeriesColor(const QColor& color) {
    content_.seriesColor = color;
    changed();
}

QColor RevenueChart::SeriesColor() const {
    return content_.seriesColor;
}

QPointF RevenueChart::toChart(const QPoint& viewportPoint) const {
    return chart()->mapFromScene(mapToScene(viewportPoint));
}

Chart::Hit RevenueChart::PartAt(const QPoint& viewportPoint) {
    settle();
    return Chart::PartAt(*this, drawnGeometry(), content_, *labels_, LegendPlace(), viewportPoint);
}

QRectF RevenueChart::LegendPlace() {
    settle();
    if (content_.style.shape == Chart::Shape::Pie)
        return sliceLegend_->Place();
    const QLegend* legend = chart()->legend();
    return legend->isVisible() ? legend->geometry() : QRectF();
}

QList<Chart::SliceLegend::Entry> RevenueChart::DrawnSliceLegend() {
    settle();
    return sliceLegend_->Entries();
}

QPoint RevenueChart::RowPosition(int row) {
    checkRow(row);
    settle();
    return mapFromScene(chart()->mapToScene(drawnGeometry().ValuePoint(row - 1)));
}

QPointF RevenueChart::DepthOffset() {
    settle();
    return drawnGeometry().Depth();
}

QImage RevenueChart::Picture() {
    settle();
    return grab().toImage();
}

void RevenueChart::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseMove(buttonsOf(event->buttons()), shiftOf(event->modifiers()), at.x(), at.y());
    QChartView::mouseMoveEvent(event);
}

// A double-click on a part raises that part's event.
void RevenueChart::mouseDoubleClickEvent(QMouseEvent* event) {
    QChartView::mouseDoubleClickEvent(event);
    const Chart::Hit hit = PartAt(event->position().toPoint());
    switch (hit.part) {
    case Chart::Part::Title:
        emit TitleActivated();
        break;
    case Chart::Part::AxisTitle:
        emit AxisTitleActivated(hit.axis, 1);
        break;
    case Chart::Part::Plot:
        emit PlotActivated();
        break;
    case Chart::Part::Series:
        emit SeriesActivated(hit.series);
        break;
    case Chart::Part::Point:
        emit PointActivated(hit.series, hit.point);
        break;
    case Chart::Part::PointLabel:
        emit PointLabelActivated(hit.series, hit.point);
        break;
    default:
        break;
    }
}

// The chart's tip is its own text, which the pointer's moves keep current; the scene's items
// carry none.
bool RevenueChart::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (toolTip().isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), toolTip(), this);
        return true;
    }
    return QChartView::viewportEvent(event);
}
