#include "interview/screen_layout.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTextDocument>
#include <QWidget>
#include <algorithm>
#include <numeric>

#include "controls/qt_text.h"
#include "controls/textlbl.h"
#include "controls/xgrid.h"
#include "controls/xgrid_totals.h"
#include "interview/childform.h"

namespace cgt {

namespace {

// A part at least this share of its parent's width widens with it.
constexpr int kWidePercent = 45;
// Edges this close count as touching.
constexpr int kSlack = 3;
// Boxes whose tops lie this close read as one row.
constexpr int kRowTolerance = 8;

std::vector<QWidget*> ChildWidgets(const QWidget* parent) {
    std::vector<QWidget*> out;
    for (QObject* o : parent->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow()) out.push_back(w);
    return out;
}

bool IsEntryControl(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

// Grids, lists and texts: parts that show more when given more room, and
// whose insides are their own business.
bool IsViewPart(const QWidget* w) {
    return qobject_cast<const TXGrid*>(w) || qobject_cast<const QAbstractScrollArea*>(w) ||
           qobject_cast<const TTextLbl*>(w) || qobject_cast<const QLabel*>(w) || qobject_cast<const TXGridTotals*>(w);
}

// Panels and group boxes whose children this layout places.
bool IsContainer(const QWidget* w) {
    return !IsEntryControl(w) && !IsViewPart(w) && !w->layout();
}

bool Widens(const QWidget* w, int parentWidth) {
    if (IsEntryControl(w) || parentWidth <= 0) return false;
    return w->width() * 100 >= parentWidth * kWidePercent;
}

bool GrowsTall(const QWidget* w) {
    if (qobject_cast<const TXGrid*>(w)) return true;
    if (qobject_cast<const QAbstractScrollArea*>(w)) return !qobject_cast<const QComboBox*>(w);
    if (!IsContainer(w)) return false;
    const auto children = ChildWidgets(w);
    return std::any_of(children.begin(), children.end(), [](const QWidget* c) { return GrowsTall(c); });
}

bool OverlapsVertically(const QRect& a, const QRect& b) {
    return a.top() < b.bottom() && b.top() < a.bottom();
}

// Text a markup label draws below `y` (its parent's coordinates) across the
// columns of `span`: such a label pins what lies below the tallest part.
bool LabelTextBelow(TTextLbl* label, int y, const QRect& span) {
    const MarkupLayout::Result laid = label->Relayout();
    for (const MarkupRun& run : laid.runs) {
        if (run.text.find_first_not_of(' ') == std::string::npos) continue;
        const int top = label->y() + run.y;
        const int left = label->x() + run.x;
        if (top >= y - kSlack && left < span.right()) return true;
    }
    return false;
}

void StretchChildren(QWidget* parent, int widthBefore, int dx, int dy);

// The panel inside a scroll box takes the box's extra height, and its extra
// width when it was drawn to fit the box's width (one drawn wider scrolls
// sideways at any size). Which of the two it is, is read once, at the size
// the screen was drawn for.
void StretchScrolledPanel(QScrollArea* area, int areaWidthBefore, int dw, int dh) {
    QWidget* panel = area->widget();
    if (!panel || area->widgetResizable()) return;
    static const char* const kFollowsWidth = "cgtPanelFollowsWidth";
    if (!panel->property(kFollowsWidth).isValid()) panel->setProperty(kFollowsWidth, panel->width() <= areaWidthBefore);
    const int panelDw = panel->property(kFollowsWidth).toBool() ? dw : 0;
    const int panelWidth = panel->width();
    panel->resize(std::max(1, panelWidth + panelDw), std::max(1, panel->height() + dh));
    StretchChildren(panel, panelWidth, panelDw, dh);
}

// `widthBefore` is the parent's width before the change: what counts as
// wide is judged at the size the children were laid out for.
void StretchChildren(QWidget* parent, int widthBefore, int dx, int dy) {
    if (dx == 0 && dy == 0) return;
    const std::vector<QWidget*> children = ChildWidgets(parent);
    const int width = widthBefore;
    std::vector<QRect> rects;
    for (QWidget* c : children) rects.push_back(c->geometry());

    // Across: wide parts widen; what stands wholly to the right of one moves.
    // A text with a box standing beside it keeps its width, so that the box
    // stays by its question.
    auto besideSomething = [&](std::size_t i) {
        for (std::size_t j = 0; j < children.size(); ++j)
            if (j != i && rects[i].right() < rects[j].left() && OverlapsVertically(rects[i], rects[j])) return true;
        return false;
    };
    std::vector<bool> wide(children.size());
    for (std::size_t i = 0; i < children.size(); ++i) {
        const bool text = qobject_cast<TTextLbl*>(children[i]) || qobject_cast<QLabel*>(children[i]);
        wide[i] = Widens(children[i], width) && !(text && besideSomething(i));
    }
    std::vector<QRect> next = rects;
    if (dx != 0) {
        for (std::size_t i = 0; i < children.size(); ++i) {
            bool rightOfWide = false;
            for (std::size_t j = 0; j < children.size(); ++j)
                if (j != i && wide[j] && rects[j].right() < rects[i].left() && OverlapsVertically(rects[i], rects[j]))
                    rightOfWide = true;
            if (rightOfWide)
                next[i].translate(dx, 0);
            else if (wide[i])
                next[i].setWidth(std::max(1, rects[i].width() + dx));
        }
    }

    // Down: the tallest part that can use the height takes it, with any part
    // that ends where it ends (views shown in its place at times); what lies
    // below moves down and what encloses it grows.
    if (dy != 0) {
        int tallest = -1;
        for (std::size_t i = 0; i < children.size(); ++i)
            if (GrowsTall(children[i]) && (tallest < 0 || rects[i].height() > rects[std::size_t(tallest)].height()))
                tallest = int(i);
        if (tallest >= 0) {
            const QRect s = rects[std::size_t(tallest)];
            const int bottom = s.top() + s.height();
            bool pinned = false;
            for (std::size_t i = 0; i < children.size() && !pinned; ++i) {
                auto* label = qobject_cast<TTextLbl*>(children[i]);
                const int labelBottom = rects[i].top() + rects[i].height();
                if (label && !label->isHidden() && rects[i].top() < bottom - kSlack && labelBottom > bottom + kSlack)
                    pinned = LabelTextBelow(label, bottom, s);
            }
            if (!pinned) {
                for (std::size_t i = 0; i < children.size(); ++i) {
                    const QRect& r = rects[i];
                    const int rBottom = r.top() + r.height();
                    const bool stacked =
                        GrowsTall(children[i]) && r.top() < bottom && std::abs(rBottom - bottom) <= kSlack;
                    const bool encloses = r.top() <= s.top() + kSlack && rBottom >= bottom - kSlack;
                    if (stacked || encloses)
                        next[i].setHeight(std::max(1, r.height() + dy));
                    else if (r.top() >= bottom - kSlack)
                        next[i].translate(0, dy);
                }
            }
        }
    }

    for (std::size_t i = 0; i < children.size(); ++i) {
        QWidget* c = children[i];
        if (next[i] == rects[i]) continue;
        c->setGeometry(next[i]);
        const int dw = next[i].width() - rects[i].width();
        const int dh = next[i].height() - rects[i].height();
        if (IsContainer(c))
            StretchChildren(c, rects[i].width(), dw, dh);
        else if (auto* area = qobject_cast<QScrollArea*>(c))
            StretchScrolledPanel(area, rects[i].width(), dw, dh);
    }
}

bool IsTabLeaf(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

void CollectTabControls(const QWidget* parent, std::vector<QWidget*>& out) {
    const std::vector<QWidget*> children = ChildWidgets(parent);
    std::vector<QRect> rects;
    for (QWidget* c : children) rects.push_back(c->geometry());
    for (int i : ReadingOrder(rects)) {
        QWidget* c = children[std::size_t(i)];
        if (IsTabLeaf(c))
            out.push_back(c);
        else if (!IsViewPart(c) && !IsEntryControl(c))
            CollectTabControls(c, out);
    }
}

QString WithoutMnemonic(QString text) {
    text.replace(QLatin1String("&&"), QString(QChar(0x1)));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(0x1), QLatin1Char('&'));
    return text.simplified();
}

// A piece of text on the screen, in the screen's coordinates.
struct TextPiece {
    QRect box;
    QString text;
    bool bold = false;    // a heading
    bool markup = false;  // a line of the screen's texts (not a label of its own)
    int points = 0;
};

// A screen's own heading: its texts' larger bold lines.
bool IsHeading(const TextPiece& p) {
    constexpr int kHeadingPoints = 11;
    return p.bold && p.markup && p.points >= kHeadingPoints;
}

// Controls taller than this hold lines of their own (grids, lists): a
// heading above names them better than the line just above.
constexpr int kTallControl = 48;

QString PlainLabelText(const QLabel* label) {
    if (Qt::mightBeRichText(label->text())) {
        QTextDocument doc;
        doc.setHtml(label->text());
        return doc.toPlainText().simplified();
    }
    return WithoutMnemonic(label->text());
}

void CollectTextPieces(const QWidget* screen, const QWidget* parent, std::vector<TextPiece>& out) {
    for (QWidget* c : ChildWidgets(parent)) {
        if (c->isHidden()) continue;
        const QPoint origin = c->mapTo(screen, QPoint(0, 0));
        if (auto* label = qobject_cast<TTextLbl*>(c)) {
            const MarkupLayout::Result laid = label->Relayout();
            for (const MarkupRun& run : laid.runs) {
                const QString text = ToQt(run.text);
                if (text.trimmed().isEmpty()) continue;
                QFont font(QString::fromStdString(run.font.name));
                font.setPointSize(std::max(1, run.font.size));
                font.setBold(run.font.style & MarkupFont::Bold);
                const QFontMetrics fm(font);
                out.push_back({QRect(origin + QPoint(run.x, run.y), QSize(fm.horizontalAdvance(text), fm.height())),
                               text, font.bold(), true, run.font.size});
            }
        } else if (auto* label = qobject_cast<QLabel*>(c)) {
            const QString text = PlainLabelText(label);
            if (!text.isEmpty()) out.push_back({QRect(origin, label->size()), text, label->font().bold()});
        } else if (!IsEntryControl(c) && !IsViewPart(c)) {
            CollectTextPieces(screen, c, out);
        }
    }
}

// Pieces as one text: line by line from the top, each line left to right.
QString JoinPieces(std::vector<TextPiece> pieces) {
    std::sort(pieces.begin(), pieces.end(), [](const TextPiece& a, const TextPiece& b) {
        if (std::abs(a.box.top() - b.box.top()) > kSlack) return a.box.top() < b.box.top();
        return a.box.x() < b.box.x();
    });
    QString text;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0 && std::abs(pieces[i].box.top() - pieces[i - 1].box.top()) > kSlack) text += QLatin1Char(' ');
        text += pieces[i].text;
    }
    return text.simplified();
}

bool OnLineOf(const TextPiece& p, const QRect& r) {
    const int middle = p.box.center().y();
    return middle >= r.top() - kSlack && middle <= r.bottom() + kSlack;
}

// The text on the control's line between the nearest control to its left
// (or the screen's edge) and the control.
QString LineLeftOf(const std::vector<TextPiece>& pieces, const std::vector<QRect>& controls, const QRect& r) {
    int from = -1;
    for (const QRect& c : controls)
        if (c != r && c.right() < r.left() && c.top() <= r.bottom() && r.top() <= c.bottom())
            from = std::max(from, c.right());
    std::vector<TextPiece> line;
    for (const TextPiece& p : pieces)
        if (OnLineOf(p, r) && p.box.left() < r.left() && p.box.left() > from) line.push_back(p);
    return JoinPieces(line);
}

QString LineRightOf(const std::vector<TextPiece>& pieces, const QRect& r) {
    std::vector<TextPiece> line;
    for (const TextPiece& p : pieces)
        if (OnLineOf(p, r) && p.box.left() >= r.right() - kSlack) line.push_back(p);
    return JoinPieces(line);
}

// The nearest line above the control that reaches across it, among the
// pieces `accept` takes.
template <typename Accept>
QString NearestLineAbove(const std::vector<TextPiece>& pieces, const QRect& r, Accept accept) {
    int best = -1;
    for (const TextPiece& p : pieces) {
        const bool above = p.box.bottom() <= r.top() + kSlack;
        const bool across = p.box.left() < r.right() && p.box.right() > r.left() - 20;
        if (above && across && accept(p) && p.box.bottom() > best) best = p.box.bottom();
    }
    if (best < 0) return {};
    std::vector<TextPiece> line;
    for (const TextPiece& p : pieces)
        if (std::abs(p.box.bottom() - best) <= kSlack && accept(p)) line.push_back(p);
    return JoinPieces(line);
}

const QWidget* ScreenOf(const QWidget* control) {
    for (const QWidget* w = control; w; w = w->parentWidget())
        if (qobject_cast<const TChildForm*>(w)) return w;
    return control->window();
}

// Moves the siblings of `child` that start at or below `from` up by `shift`;
// a group box or panel that ends up with room to spare at its foot gives it
// back to its own parent.
void ShiftUpBelow(QWidget* child, int from, int shift) {
    QWidget* parent = child->parentWidget();
    if (!parent || shift <= 0) return;
    for (QWidget* c : ChildWidgets(parent))
        if (c != child && c->y() >= from) c->move(c->x(), c->y() - shift);
}

void ShrinkContainer(QWidget* container, int shift) {
    if (shift <= 0 || qobject_cast<TChildForm*>(container) || !container->parentWidget()) return;
    const int oldBottom = container->y() + container->height();
    container->resize(container->width(), container->height() - shift);
    ShiftUpBelow(container, oldBottom - kSlack, shift);
}

}  // namespace

void HideAndCloseUp(QWidget* control) {
    control->hide();
    QWidget* parent = control->parentWidget();
    if (!parent) return;
    const QRect band = control->geometry();
    const int bandBottom = band.top() + band.height();
    int nextTop = -1;
    int lastBottom = 0;
    for (QWidget* c : ChildWidgets(parent)) {
        if (c == control || c->isHidden()) continue;
        const QRect r = c->geometry();
        const int bottom = r.top() + r.height();
        if (r.top() < bandBottom && bottom > band.top()) return;  // the band is shared
        if (r.top() >= bandBottom && (nextTop < 0 || r.top() < nextTop)) nextTop = r.top();
        if (bottom <= band.top()) lastBottom = std::max(lastBottom, bottom);
    }
    if (nextTop >= 0) {
        ShiftUpBelow(control, nextTop, nextTop - band.top());
        return;
    }
    // It was the last thing in its panel: the panel keeps its margin below
    // what is left in it.
    const int margin = parent->height() - bandBottom;
    ShrinkContainer(parent, parent->height() - (lastBottom + margin));
}

void StretchScreen(QWidget* screen, QSize size) {
    const QSize before = screen->size();
    if (before == size) return;
    const int dx = size.width() - before.width();
    const int dy = size.height() - before.height();
    StretchChildren(screen, before.width(), dx, dy);
    screen->resize(size);
}

std::vector<int> ReadingOrder(const std::vector<QRect>& boxes) {
    std::vector<int> byTop(boxes.size());
    std::iota(byTop.begin(), byTop.end(), 0);
    std::stable_sort(byTop.begin(), byTop.end(), [&](int a, int b) { return boxes[a].top() < boxes[b].top(); });
    std::vector<int> out;
    std::size_t i = 0;
    while (i < byTop.size()) {
        const int rowTop = boxes[std::size_t(byTop[i])].top();
        std::size_t end = i;
        while (end < byTop.size() && boxes[std::size_t(byTop[end])].top() - rowTop <= kRowTolerance) ++end;
        std::vector<int> row(byTop.begin() + long(i), byTop.begin() + long(end));
        std::stable_sort(row.begin(), row.end(), [&](int a, int b) { return boxes[a].left() < boxes[b].left(); });
        out.insert(out.end(), row.begin(), row.end());
        i = end;
    }
    return out;
}

std::vector<QWidget*> TabControls(const QWidget* screen) {
    std::vector<QWidget*> out;
    CollectTabControls(screen, out);
    return out;
}

void ApplyReadingTabOrder(QWidget* screen) {
    const std::vector<QWidget*> controls = TabControls(screen);
    for (std::size_t i = 1; i < controls.size(); ++i) QWidget::setTabOrder(controls[i - 1], controls[i]);
}

namespace {

// What labels the controls of a screen: its texts, and where its controls
// stand, in the screen's coordinates. Gathered once for every control named.
struct ScreenText {
    explicit ScreenText(const QWidget* s) : screen(s) {
        CollectTextPieces(screen, screen, pieces);
        for (const QWidget* c : TabControls(screen))
            if (!c->isHidden()) controls.push_back({BoxOf(c), qobject_cast<const QAbstractButton*>(c) != nullptr});
    }
    QRect BoxOf(const QWidget* c) const { return QRect(c->mapTo(screen, QPoint(0, 0)), c->size()); }
    // The boxes of the controls, or of those that are not buttons only.
    std::vector<QRect> Boxes(bool withButtons) const {
        std::vector<QRect> out;
        for (const auto& [box, button] : controls)
            if (withButtons || !button) out.push_back(box);
        return out;
    }

    const QWidget* screen;
    std::vector<TextPiece> pieces;
    std::vector<std::pair<QRect, bool>> controls;  // box, is a button
};

QString LabelTextIn(const ScreenText& on, const QWidget* control) {
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
        const QString own = WithoutMnemonic(button->text());
        if (!own.isEmpty()) return own;
    }
    // A label that names the control as its buddy says so itself.
    for (const QLabel* label : on.screen->findChildren<QLabel*>())
        if (label->buddy() == control && !PlainLabelText(label).isEmpty()) return PlainLabelText(label);
    const std::vector<TextPiece>& pieces = on.pieces;
    const QRect r = on.BoxOf(control);
    // A tick box or radio button with no text of its own is labelled to its
    // right; other controls to their left, or from above: a grid or list by
    // the heading above it.
    QString text;
    if (qobject_cast<const QAbstractButton*>(control)) text = LineRightOf(pieces, r);
    if (text.isEmpty()) text = LineLeftOf(pieces, on.Boxes(true), r);
    if (r.height() > kTallControl) {
        // The screen's own heading first; a bold label (the asset's name) next.
        if (text.isEmpty()) text = NearestLineAbove(pieces, r, IsHeading);
        if (text.isEmpty()) text = NearestLineAbove(pieces, r, [](const TextPiece& p) { return p.bold; });
    }
    if (text.isEmpty()) text = NearestLineAbove(pieces, r, [](const TextPiece&) { return true; });
    if (text.isEmpty())
        for (const QWidget* w = control->parentWidget(); w && w != on.screen && text.isEmpty(); w = w->parentWidget())
            if (auto* box = qobject_cast<const QGroupBox*>(w)) text = WithoutMnemonic(box->title());
    if (text.isEmpty()) text = control->toolTip().simplified();
    return text;
}

QString QuestionIn(const ScreenText& on, const QWidget* control) {
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    if (!button || qobject_cast<const QPushButton*>(control) || WithoutMnemonic(button->text()).isEmpty()) return {};
    // The answers of one question (Yes, No) stand side by side: the question
    // is the text left of the first of them.
    return LineLeftOf(on.pieces, on.Boxes(false), on.BoxOf(control));
}

}  // namespace

QString LabelTextFor(const QWidget* control) {
    return LabelTextIn(ScreenText(ScreenOf(control)), control);
}

QString QuestionFor(const QWidget* control) {
    return QuestionIn(ScreenText(ScreenOf(control)), control);
}

void NameControls(QWidget* screen) {
    const ScreenText text(screen);
    for (QWidget* control : TabControls(screen)) {
        if (control->accessibleName().isEmpty()) control->setAccessibleName(LabelTextIn(text, control));
        if (control->accessibleDescription().isEmpty()) control->setAccessibleDescription(QuestionIn(text, control));
    }
}

}  // namespace cgt
