#pragma once

#include <QFontMetricsF>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <QWidget>

namespace TestSupport {

// A text as a widget drew it: the characters and where they stand, in the widget's pixels.
struct DrawnText {
    QString text;
    QRectF place;
};

// Paints a widget into nothing and keeps every text it draws, so a test reads what the user
// sees (an elided cell, a cut figure) without depending on the machine's fonts or pixels.
class TextRecorder final : public QPaintDevice {
public:
    explicit TextRecorder(const QWidget* widget)
        : size_(widget->size())
        , dpiX_(widget->logicalDpiX())
        , dpiY_(widget->logicalDpiY()) {}

    static QList<DrawnText> Of(QWidget* widget) {
        TextRecorder recorder(widget);
        widget->render(&recorder, QPoint(), QRegion(), QWidget::DrawChildren);
        return recorder.engine_.texts;
    }

    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return dpiX_;
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return dpiY_;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    class Engine final : public QPaintEngine {
    public:
        Engine()
            : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& changed) override {
            if (changed.state() & DirtyTransform)
                transform_ = changed.transform();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawTextItem(const QPointF& baseline, const QTextItem& item) override {
            const QFontMetricsF metrics(item.font());
            const QRectF place(baseline.x(), baseline.y() - metrics.ascent(),
                               metrics.horizontalAdvance(item.text()), metrics.height());
            texts.append({item.text(), transform_.mapRect(place)});
        }
        Type type() const override { return User; }

        QList<DrawnText> texts;

    private:
        QTransform transform_;
    };

    QSize size_;
    int dpiX_;
    int dpiY_;
    mutable Engine engine_;
};

} // namespace TestSupport
