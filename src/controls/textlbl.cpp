#include "controls/textlbl.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "controls/control_context.h"

namespace cgt {
namespace {

std::uint32_t ToRgb(const QColor& c) {
    return std::uint32_t(c.rgb() & 0xFFFFFF);
}

QColor FromRgb(std::uint32_t rgb) {
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

// Display height above which the screens are laid out for 482 pixels.
constexpr int kTallDisplay = 600;
constexpr int kReferenceHeight = 482;

}  // namespace

QFont ToQFont(const MarkupFont& f) {
    QFont q(QString::fromStdString(f.name));
    q.setPointSize(f.size > 0 ? f.size : 1);
    q.setBold(f.style & MarkupFont::Bold);
    q.setItalic(f.style & MarkupFont::Italic);
    q.setUnderline(f.style & MarkupFont::Underline);
    return q;
}

TextExtent QtTextMeasurer::Measure(const MarkupFont& font, const std::string& text) {
    const QFontMetrics fm(ToQFont(font));
    return {fm.horizontalAdvance(QString::fromStdString(text)), fm.height()};
}

TTextLbl::TTextLbl(QWidget* parent) : QWidget(parent) {
    resize(80, 40);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    setFont(f);
    color_ = palette().color(QPalette::Window);
    setMouseTracking(true);
    layout_.beep = [this] { ControlDialogs(this).Beep(); };
    layout_.onScreenTag = [this](int id, std::string& tag) {
        if (onScreenTag_) onScreenTag_(this, id, tag);
    };
    layout_.onCheckTag = [this](int id, bool& pass) {
        if (onCheckTag_) onCheckTag_(this, id, pass);
    };
    layout_.onColorTag = [this](int id, std::uint32_t& rgb) {
        if (!onColorTag_) return;
        QColor c = FromRgb(rgb);
        onColorTag_(this, id, c);
        rgb = ToRgb(c);
    };
}

void TTextLbl::setColor(const QColor& c) {
    color_ = c;
    update();
}

void TTextLbl::setLineSpacing(int v) {
    if (v == lineSpacing_) return;
    lineSpacing_ = v;
    update();
}

void TTextLbl::setText(const QStringList& lines) {
    text_ = lines;
    update();
}

void TTextLbl::setTransparent(bool t) {
    transparent_ = t;
    update();
}

void TTextLbl::setBevelInner(Bevel b) {
    bevelInner_ = b;
    update();
}

void TTextLbl::setBevelOuter(Bevel b) {
    bevelOuter_ = b;
    update();
}

void TTextLbl::setBevelWidth(int w) {
    bevelWidth_ = w;
    update();
}

void TTextLbl::setCurrentSection(int s) {
    if (s == layout_.currentSection) return;
    layout_.currentSection = s;
    update();
}

void TTextLbl::setCalculateHeight(bool b) {
    if (b == calculateHeight_) return;
    calculateHeight_ = b;
    update();
}

void TTextLbl::setTextBottomMargin(int m) {
    if (m == bottomMargin_) return;
    bottomMargin_ = m;
    update();
}

void TTextLbl::setParentBottomMargin(int m) {
    if (m == parentBottomMargin_) return;
    parentBottomMargin_ = m;
    update();
}

void TTextLbl::ScaleBy(int m, int d) {
    if (!baseTaken_) PrepareLayout();
    layout_.SetScale(m, d);
    setGeometry(int(std::lround(double(x()) * m / d)), int(std::lround(double(y()) * m / d)),
                int(std::lround(double(width()) * m / d)), int(std::lround(double(height()) * m / d)));
    QFont f = font();
    f.setPointSize(int(std::lround(double(f.pointSize()) * m / d)));
    setFont(f);
}

void TTextLbl::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange || e->type() == QEvent::PaletteChange) update();
    QWidget::changeEvent(e);
}

void TTextLbl::PrepareLayout() {
    const QFont f = font();
    if (!baseTaken_) {
        baseTaken_ = true;
        baseSize_ = f.pointSize();
        baseColor_ = palette().color(QPalette::WindowText);
    }
    MarkupFont mf;
    mf.name = f.family().toStdString();
    mf.size = f.pointSize();
    mf.style = (f.bold() ? MarkupFont::Bold : 0) | (f.italic() ? MarkupFont::Italic : 0) |
               (f.underline() ? MarkupFont::Underline : 0);
    mf.color = ToRgb(palette().color(QPalette::WindowText));
    layout_.labelFont = mf;
    layout_.baseSize = baseSize_;
    layout_.baseColor = ToRgb(baseColor_);
    layout_.lineSpacing = lineSpacing_;
    layout_.bevelOffset = (bevelInner_ != bvNone ? bevelWidth_ : 0) + (bevelOuter_ != bvNone ? bevelWidth_ : 0);
    layout_.colors.table[17] = ToRgb(palette().color(QPalette::Button));
    layout_.colors.table[18] = ToRgb(palette().color(QPalette::Base));
}

std::vector<std::string> TTextLbl::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(text_.size());
    for (const QString& s : text_) lines.push_back(s.toStdString());
    return lines;
}

MarkupArea TTextLbl::Area() const {
    return {0, 0, width(), height()};
}

void TTextLbl::ApplyGeometry(int penY) {
    QWidget* parent = parentWidget();
    int referenceHeight = parent ? parent->height() : 0;
    if (const QScreen* s = screen(); s && s->geometry().height() > kTallDisplay) referenceHeight = kReferenceHeight;
    if (calculateHeight_ && height() != bottomMargin_ + penY) resize(width(), bottomMargin_ + penY);
    if (parentBottomMargin_ != -1 && parent) {
        const int top = layout_.positionScale != 1.0 ? parent->height() - height() - parentBottomMargin_
                                                     : referenceHeight - height() - parentBottomMargin_;
        if (top != y()) move(x(), top);
    }
}

MarkupLayout::Result TTextLbl::Relayout() {
    PrepareLayout();
    QtTextMeasurer measurer;
    const auto lines = Lines();
    layout_.Layout(lines, Area(), false, measurer);
    auto result = layout_.Layout(lines, Area(), true, measurer);
    jumps_ = result.jumps;
    screens_ = result.screens;
    if (!result.empty) ApplyGeometry(result.penY);
    return result;
}

void TTextLbl::DrawBevel(QPainter& p, QRect& r, Bevel b) const {
    if (b == bvNone) return;
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    const QColor topLeft = b == bvLowered ? shadow : light;
    const QColor bottomRight = b == bvLowered ? light : shadow;
    for (int i = 0; i < bevelWidth_; ++i) {
        p.setPen(topLeft);
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        p.setPen(bottomRight);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

void TTextLbl::paintEvent(QPaintEvent*) {
    currentJump_ = 0;
    currentScreen_ = 0;
    const auto result = Relayout();
    QPainter p(this);
    if (!transparent_) p.fillRect(rect(), color_);
    if (result.empty) {
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(rect(), Qt::TextWordWrap, objectName());
    } else {
        for (const MarkupRun& run : result.runs) {
            const QFont f = ToQFont(run.font);
            p.setFont(f);
            p.setPen(FromRgb(run.font.color));
            p.drawText(run.x, run.y + QFontMetrics(f).ascent(), QString::fromStdString(run.text));
        }
    }
    QRect r = rect();
    DrawBevel(p, r, bevelOuter_);
    DrawBevel(p, r, bevelInner_);
}

void TTextLbl::mouseMoveEvent(QMouseEvent* e) {
    QWidget::mouseMoveEvent(e);
    const QPoint pt = e->position().toPoint();
    currentJump_ = 0;
    currentScreen_ = 0;
    for (const HotSpot& h : jumps_)
        if (h.Contains(pt.x(), pt.y())) {
            currentJump_ = h.id;
            currentScreen_ = 0;
            break;
        }
    for (const HotSpot& h : screens_)
        if (h.Contains(pt.x(), pt.y())) {
            currentScreen_ = h.id;
            currentJump_ = 0;
            break;
        }
    overLink_ = currentJump_ > 0 || currentScreen_ > 0;
    if (overLink_)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TTextLbl::mousePressEvent(QMouseEvent* e) {
    QWidget::mousePressEvent(e);
    if (!overLink_) return;
    if (currentJump_ > 0) emit jumpClicked(currentJump_);
    if (currentScreen_ > 0) emit screenClicked(currentScreen_);
}

}  // namespace cgt
