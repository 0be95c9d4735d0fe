#pragma once
// A paint device that keeps every text item drawn on it, with its font and
// where it stands, at 600 dots per inch: what a printed page would show,
// readable by a test.
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>
#include <climits>
#include <memory>
#include <vector>

namespace cgt::test {

struct DrawnText {
    QString text;
    QFont font;
    QPointF at;    // the start of its baseline, device pixels
    double width;  // its advance, device pixels
    double Right() const { return at.x() + width; }
};

class TextRecorder : public QPaintDevice {
public:
    static constexpr int kDpi = 600;

    TextRecorder() : engine_(std::make_unique<Engine>(this)) {}
    QPaintEngine* paintEngine() const override { return engine_.get(); }

    std::vector<DrawnText> drawn;

    // The items whose text is `text`.
    std::vector<DrawnText> Find(const QString& text) const {
        std::vector<DrawnText> out;
        for (const DrawnText& d : drawn)
            if (d.text == text) out.push_back(d);
        return out;
    }
    // Script units (0.1 mm) from the page's left origin in device pixels.
    static double Units(double units, double marginMm = 0) { return (marginMm + units * 0.1) * kDpi / 25.4; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth: return 4961;
            case PdmHeight: return 7016;
            case PdmWidthMM: return 210;
            case PdmHeightMM: return 297;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY: return kDpi;
            case PdmDepth: return 32;
            case PdmNumColors: return INT_MAX;
            case PdmDevicePixelRatio: return 1;
            case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
            default: return 0;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(TextRecorder* device) : QPaintEngine(AllFeatures), device_(device) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& state) override {
            if (state.state() & DirtyTransform) transform_ = state.transform();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
        void drawRects(const QRectF*, int) override {}
        void drawRects(const QRect*, int) override {}
        void drawLines(const QLineF*, int) override {}
        void drawLines(const QLine*, int) override {}
        void drawEllipse(const QRectF&) override {}
        void drawEllipse(const QRect&) override {}
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            const QFontMetricsF fm(item.font(), device_);
            device_->drawn.push_back({item.text(), item.font(), transform_.map(p), fm.horizontalAdvance(item.text())});
        }
        Type type() const override { return User; }

    private:
        TextRecorder* device_;
        QTransform transform_;
    };
    std::unique_ptr<Engine> engine_;
};

}  // namespace cgt::test
