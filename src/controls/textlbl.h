#pragma once
// The markup label of the question screens: draws its Text lines through
// MarkupLayout, two passes per paint, and turns link hot spots into clicks.
#include <QColor>
#include <QFont>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "controls/markup_layout.h"

class QPainter;

namespace cgt {

class TTextLbl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(int lineSpacing READ lineSpacing WRITE setLineSpacing)
    Q_PROPERTY(QStringList text READ text WRITE setText)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(Bevel bevelInner READ bevelInner WRITE setBevelInner)
    Q_PROPERTY(Bevel bevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int bevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(int section READ section WRITE setSection)
    Q_PROPERTY(int currentSection READ currentSection WRITE setCurrentSection)
    Q_PROPERTY(bool calculateHeight READ calculateHeight WRITE setCalculateHeight)
    // Not "bottomMargin": uic turns that name into contents margins.
    Q_PROPERTY(int textBottomMargin READ textBottomMargin WRITE setTextBottomMargin)
    Q_PROPERTY(int parentBottomMargin READ parentBottomMargin WRITE setParentBottomMargin)

public:
    enum Bevel { bvNone, bvLowered, bvRaised, bvSpace };
    Q_ENUM(Bevel)

    explicit TTextLbl(QWidget* parent = nullptr);

    QColor color() const { return color_; }
    void setColor(const QColor& c);
    int lineSpacing() const { return lineSpacing_; }
    void setLineSpacing(int v);
    QStringList text() const { return text_; }
    void setText(const QStringList& lines);
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);
    Bevel bevelInner() const { return bevelInner_; }
    void setBevelInner(Bevel b);
    Bevel bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(Bevel b);
    int bevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int w);
    int section() const { return layout_.section; }
    void setSection(int s) { layout_.section = s; }
    int currentSection() const { return layout_.currentSection; }
    void setCurrentSection(int s);
    bool calculateHeight() const { return calculateHeight_; }
    void setCalculateHeight(bool b);
    int textBottomMargin() const { return bottomMargin_; }
    void setTextBottomMargin(int m);
    int parentBottomMargin() const { return parentBottomMargin_; }
    void setParentBottomMargin(int m);

    // Scales positions by m/d and fonts by m/d cut to two decimals, then the
    // geometry and font as any control.
    void ScaleBy(int m, int d);

    // Handlers asked during layout by the V, v and c codes.
    void SetOnScreenTag(std::function<void(TTextLbl*, int, std::string&)> f) { onScreenTag_ = std::move(f); }
    void SetOnCheckTag(std::function<void(TTextLbl*, int, bool&)> f) { onCheckTag_ = std::move(f); }
    void SetOnColorTag(std::function<void(TTextLbl*, int, QColor&)> f) { onColorTag_ = std::move(f); }

    // Runs both passes as a paint does, without drawing, applying the height
    // and position rules; returns the draw pass.
    MarkupLayout::Result Relayout();
    // Hot spots of the last paint.
    const std::vector<HotSpot>& JumpSpots() const { return jumps_; }
    const std::vector<HotSpot>& ScreenSpots() const { return screens_; }
    bool OverLink() const { return overLink_; }

signals:
    void jumpClicked(int jumpId);
    void screenClicked(int screenId);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void PrepareLayout();
    std::vector<std::string> Lines() const;
    MarkupArea Area() const;
    void ApplyGeometry(int penY);
    void DrawBevel(QPainter& p, QRect& r, Bevel b) const;

    MarkupLayout layout_;
    QColor color_;
    int lineSpacing_ = 10;
    QStringList text_;
    bool transparent_ = false;
    Bevel bevelInner_ = bvNone;
    Bevel bevelOuter_ = bvNone;
    int bevelWidth_ = 1;
    bool calculateHeight_ = false;
    int bottomMargin_ = 3;
    int parentBottomMargin_ = -1;
    int baseSize_ = 10;
    QColor baseColor_{Qt::black};
    bool baseTaken_ = false;
    int currentJump_ = 0;
    int currentScreen_ = 0;
    bool overLink_ = false;
    std::vector<HotSpot> jumps_;
    std::vector<HotSpot> screens_;
    std::function<void(TTextLbl*, int, std::string&)> onScreenTag_;
    std::function<void(TTextLbl*, int, bool&)> onCheckTag_;
    std::function<void(TTextLbl*, int, QColor&)> onColorTag_;
};

// Measures markup text with QFontMetrics (Liberation fonts stand in for Arial).
class QtTextMeasurer final : public TextMeasurer {
public:
    TextExtent Measure(const MarkupFont& font, const std::string& text) override;
};

QFont ToQFont(const MarkupFont& f);

}  // namespace cgt
