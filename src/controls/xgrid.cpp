#include "controls/xgrid.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "base/cp1252.h"
#include "controls/control_context.h"
#include "controls/qt_text.h"
#include "controls/xgrid_inplace_edit.h"
#include "controls/xgrid_picklist.h"
#include "controls/xgrid_totals.h"

namespace cgt {
namespace {

constexpr int kGridLine = 1;
constexpr int kTitleMarginX = 4;
constexpr int kTitleMarginY = 2;
constexpr int kCellMargin = 3;
constexpr int kPickListDefaultLines = 8;

bool Ignorable(Qt::FocusReason r) {
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
}

}  // namespace

TXGrid::TXGrid(QWidget* parent) : QAbstractScrollArea(parent), model_(clock_) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    setFont(f);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    editor_ = new TXGridInplaceEdit(this, viewport());
    setFocusProxy(editor_);
    pickList_ = new XGridPickList(this);
    connect(pickList_, &XGridPickList::accepted, this, [this](int i) { AcceptPickItem(i); });
    connect(editor_, &QLineEdit::textEdited, this, [this](const QString& t) { EditorTextEdited(t); });
    model_.OnChanged = [this] { ModelChanged(); };
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setSingleStep(1);
    RecomputeTitleHeight();
    UpdateScrollBars();
    MoveTo(model_.FirstTabColumn(), 1, false);
}

TXGrid::~TXGrid() {
    model_.OnChanged = nullptr;
    if (totals_) totals_->grid_ = nullptr;
    delete pickList_;
    // Gone before the grid's members: a focused editor destroyed later, with
    // the grid's children, would report leaving its cell to a grid whose
    // cells no longer exist.
    delete editor_;
    editor_ = nullptr;
}

Dialogs& TXGrid::GridDialogs() const {
    return ControlDialogs(this);
}

// --- properties --------------------------------------------------------------

void TXGrid::setColCount(int n) {
    for (const std::string& e : model_.SetColCount(n)) GridDialogs().Error(e);
    if (col_ >= n) col_ = std::max(0, n - 1);
    UpdateScrollBars();
    PlaceEditor();
}

void TXGrid::setDefaultRowHeight(int h) {
    rowHeight_ = std::max(1, h);
    UpdateScrollBars();
    PlaceEditor();
    if (totals_) totals_->Place();
    viewport()->update();
}

QString TXGrid::colWidths() const {
    QStringList parts;
    for (int c = 0; c < model_.ColCount(); ++c) parts << QString::number(model_.ColWidth(c));
    return parts.join(',');
}

void TXGrid::setColWidths(const QString& widths) {
    const QStringList parts = widths.split(',', Qt::SkipEmptyParts);
    for (int c = 0; c < parts.size() && c < model_.ColCount(); ++c) {
        bool ok = false;
        const int w = parts[c].trimmed().toInt(&ok);
        if (ok) model_.SetColWidth(c, w);
    }
    UpdateScrollBars();
    PlaceEditor();
}

QStringList TXGrid::display() const {
    QStringList l;
    for (const std::string& s : model_.Display()) l << ToQt(s);
    return l;
}

void TXGrid::setDisplay(const QStringList& specs) {
    std::vector<std::string> d;
    for (const QString& s : specs) d.push_back(FromQt(s));
    for (const std::string& e : model_.SetDisplay(std::move(d))) GridDialogs().Error(e);
    MoveTo(model_.FirstTabColumn(), std::min(row_, std::max(1, model_.RowCount() - 1)), false);
}

void TXGrid::setTitleLines(int n) {
    model_.TitleLines = n;
    RecomputeTitleHeight();
}

QString TXGrid::Cell(int col, int row) const {
    return ToQt(model_.Cell(col, row));
}

void TXGrid::SetCell(int col, int row, const QString& text) {
    model_.SetCell(col, row, FromQt(text));
}

// --- geometry ----------------------------------------------------------------

void TXGrid::RecomputeTitleHeight() {
    const QFontMetrics fm(font());
    titleHeight_ = fm.boundingRect(QStringLiteral("W")).height() * std::max(1, model_.TitleLines) + 4;
    UpdateScrollBars();
    PlaceEditor();
    viewport()->update();
}

void TXGrid::setFixedCols(int n) {
    fixedCols_ = std::max(0, n);
    leftCol_ = std::max(leftCol_, fixedCols_);
    UpdateScrollBars();
    PlaceEditor();
    viewport()->update();
}

bool TXGrid::ColumnVisible(int col) const {
    return (col < fixedCols_ || col >= leftCol_) && col >= 0 && col < model_.ColCount() &&
           model_.ColWidth(col) != kGridHiddenColWidth;
}

std::vector<int> TXGrid::ShownColumns() const {
    std::vector<int> cols;
    for (int c = 0; c < model_.ColCount(); ++c)
        if (ColumnVisible(c)) cols.push_back(c);
    return cols;
}

int TXGrid::ColumnX(int col) const {
    int x = 0;
    for (int c = 0; c < col && c < model_.ColCount(); ++c)
        if (ColumnVisible(c)) x += model_.ColWidth(c) + kGridLine;
    return x;
}

QRect TXGrid::CellRect(int col, int row) const {
    if (!ColumnVisible(col) || row < 0 || row >= model_.RowCount()) return {};
    const int x = ColumnX(col);
    if (row == 0) return {x, 0, model_.ColWidth(col), titleHeight_};
    if (row < topRow_) return {};
    const int y = titleHeight_ + kGridLine + (row - topRow_) * (rowHeight_ + kGridLine);
    return {x, y, model_.ColWidth(col), rowHeight_};
}

QPoint TXGrid::CellAt(const QPoint& p) const {
    int col = -1;
    for (int c : ShownColumns()) {
        const int x = ColumnX(c);
        if (p.x() >= x && p.x() < x + model_.ColWidth(c) + kGridLine) {
            col = c;
            break;
        }
    }
    int row = -1;
    if (p.y() < titleHeight_ + kGridLine)
        row = 0;
    else
        row = topRow_ + (p.y() - titleHeight_ - kGridLine) / (rowHeight_ + kGridLine);
    if (row >= model_.RowCount()) row = -1;
    return {col, row};
}

void TXGrid::UpdateScrollBars() {
    const int vw = viewport()->width();
    const int vh = viewport()->height();
    // The last left column that still fills the width.
    int maxLeft = fixedCols_;
    int width = 0;
    for (int c = 0; c < fixedCols_ && c < model_.ColCount(); ++c)
        if (model_.ColWidth(c) != kGridHiddenColWidth) width += model_.ColWidth(c) + kGridLine;
    for (int c = model_.ColCount() - 1; c >= fixedCols_; --c) {
        const int w = model_.ColWidth(c);
        if (w == kGridHiddenColWidth) continue;
        width += w + kGridLine;
        if (width > vw) {
            maxLeft = c + 1;
            break;
        }
    }
    maxLeft = std::max(fixedCols_, std::min(maxLeft, std::max(0, model_.ColCount() - 1)));
    const int visibleRows = std::max(1, (vh - titleHeight_ - kGridLine) / (rowHeight_ + kGridLine));
    const int maxTop = std::max(1, model_.RowCount() - visibleRows);
    horizontalScrollBar()->setRange(fixedCols_, maxLeft);
    verticalScrollBar()->setRange(1, maxTop);
    leftCol_ = std::clamp(leftCol_, fixedCols_, maxLeft);
    topRow_ = std::clamp(topRow_, 1, maxTop);
    horizontalScrollBar()->setValue(leftCol_);
    verticalScrollBar()->setValue(topRow_);
}

void TXGrid::EnsureVisible(int col, int row) {
    const int vh = viewport()->height();
    const int visibleRows = std::max(1, (vh - titleHeight_ - kGridLine) / (rowHeight_ + kGridLine));
    if (row >= 1 && row < topRow_) topRow_ = row;
    if (row >= topRow_ + visibleRows) topRow_ = row - visibleRows + 1;
    if (col >= fixedCols_ && col < leftCol_) leftCol_ = col;
    while (col >= fixedCols_ && leftCol_ < col &&
           ColumnX(col) + std::max(0, model_.ColWidth(col)) > viewport()->width())
        ++leftCol_;
    UpdateScrollBars();
}

void TXGrid::scrollContentsBy(int, int) {
    leftCol_ = horizontalScrollBar()->value();
    topRow_ = verticalScrollBar()->value();
    PlaceEditor();
    viewport()->update();
    RepaintTotals();
}

void TXGrid::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    UpdateScrollBars();
    PlaceEditor();
    if (totals_) totals_->Place();
}

void TXGrid::moveEvent(QMoveEvent* e) {
    QAbstractScrollArea::moveEvent(e);
    if (totals_) totals_->Place();
}

void TXGrid::changeEvent(QEvent* e) {
    QAbstractScrollArea::changeEvent(e);
    if (e->type() == QEvent::FontChange) RecomputeTitleHeight();
}

void TXGrid::ScaleBy(int m, int d) {
    const double f = double(m) / double(d);
    model_.ScaleColWidths(f);
    rowHeight_ = int(std::lround(rowHeight_ * f));
    QFont font = this->font();
    font.setPointSize(int(std::lround(font.pointSize() * f)));
    setGeometry(int(std::lround(x() * f)), int(std::lround(y() * f)), int(std::lround(width() * f)),
                int(std::lround(height() * f)));
    setFont(font);
    RecomputeTitleHeight();
}

// --- drawing -----------------------------------------------------------------

void TXGrid::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const QPalette& pal = palette();
    p.fillRect(viewport()->rect(), pal.color(QPalette::Base));
    p.setFont(font());
    const QColor lineColor(192, 192, 192);
    const int arrowWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    int right = 0;
    for (int c : ShownColumns()) {
        const ColumnSpec& spec = model_.Spec(c);
        // Title cell.
        const QRect t = CellRect(c, 0);
        p.fillRect(t, pal.color(QPalette::Button));
        p.setPen(Qt::black);
        int align = Qt::AlignLeft;
        if (spec.titleAlign == TitleAlign::Right) align = Qt::AlignRight;
        if (spec.titleAlign == TitleAlign::Centre) align = Qt::AlignHCenter;
        QString title = Cell(c, 0);
        title.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
        p.drawText(t.adjusted(kTitleMarginX, kTitleMarginY, -kTitleMarginX, -kTitleMarginY),
                   align | Qt::AlignVCenter | Qt::TextWordWrap, title);
        // Data cells.
        for (int r = topRow_; r < model_.RowCount(); ++r) {
            const QRect cr = CellRect(c, r);
            if (cr.isEmpty() || cr.top() > viewport()->height()) break;
            p.fillRect(cr, pal.color(QPalette::Base));
            p.setPen(pal.color(QPalette::Text));
            const int a = spec.Alignment() == CellAlign::Right ? Qt::AlignRight : Qt::AlignLeft;
            const QRect textRect = cr.adjusted(kCellMargin, 0, -kCellMargin, 0);
            const QString text = Cell(c, r);
            // Text that wraps past the row's height starts at the top, so its
            // first line shows whole rather than two halves.
            const bool overflows = p.boundingRect(textRect, a | Qt::TextWordWrap, text).height() > textRect.height();
            p.drawText(textRect, a | (overflows ? Qt::AlignTop : Qt::AlignVCenter) | Qt::TextWordWrap, text);
            if (spec.hasButton)
                DrawDropDownArrow(p, QRect(cr.right() - arrowWidth + 1, cr.top(), arrowWidth, cr.height()),
                                  pal.color(QPalette::Disabled, QPalette::Text));
        }
        right = t.right() + 1;
        p.setPen(lineColor);
        p.drawLine(right, 0, right, viewport()->height());
    }
    p.setPen(lineColor);
    p.drawLine(0, titleHeight_, right, titleHeight_);
    for (int r = topRow_; r < model_.RowCount(); ++r) {
        const int y = titleHeight_ + kGridLine + (r - topRow_) * (rowHeight_ + kGridLine) + rowHeight_;
        if (y > viewport()->height()) break;
        p.drawLine(0, y, right, y);
    }
    RepaintTotals();
}

// --- cursor and editor -------------------------------------------------------

void TXGrid::PlaceEditor() {
    if (!editor_) return;
    const QRect r = CellRect(col_, row_);
    if (r.isEmpty()) {
        editor_->hide();
        return;
    }
    editor_->setGeometry(r);
    editor_->show();
}

void TXGrid::LoadEditor() {
    const QString t = Cell(col_, row_);
    if (editor_->text() == t) return;
    loadingEditor_ = true;
    editor_->setText(t);
    editor_->selectAll();
    loadingEditor_ = false;
}

bool TXGrid::MoveTo(int col, int row, bool checkLeft) {
    if (model_.ColCount() == 0 || row < 1 || row >= model_.RowCount() || col < 0 || col >= model_.ColCount())
        return false;
    if (PickListOpen()) pickList_->hide();
    if (checkLeft && focused_ && row_ < model_.RowCount()) {
        model_.SetCell(col_, row_, FromQt(editor_->text()));
        const bool ok = model_.LeaveCell(col_, row_, col, row, GridDialogs());
        LoadEditor();
        if (!ok) return false;
    }
    emit cellEntered(col, row);
    col = model_.SkipToTabStop(col);
    col_ = col;
    row_ = row;
    model_.EnterCell(col_, row_);
    const ColumnSpec& spec = model_.Spec(col_);
    editor_->SetStyle(spec.Style());
    editor_->setReadOnly(spec.readOnly || spec.displayOnly);
    EnsureVisible(col_, row_);
    PlaceEditor();
    loadingEditor_ = true;
    editor_->setText(Cell(col_, row_));
    editor_->selectAll();
    loadingEditor_ = false;
    viewport()->update();
    return true;
}

void TXGrid::EnterFirstCell() {
    if (!focused_) return;
    MoveTo(model_.FirstTabColumn(), 1, false);
}

void TXGrid::ModelChanged() {
    if (row_ >= model_.RowCount()) row_ = std::max(1, model_.RowCount() - 1);
    if (col_ >= model_.ColCount()) col_ = std::max(0, model_.ColCount() - 1);
    UpdateScrollBars();
    PlaceEditor();
    if (editor_ && model_.ColCount() > 0) {
        // A column made read-only or display-only while the cursor is in it.
        const ColumnSpec& spec = model_.Spec(col_);
        editor_->SetStyle(spec.Style());
        editor_->setReadOnly(spec.readOnly || spec.displayOnly);
    }
    if (!loadingEditor_ && editor_ && editor_->text() != Cell(col_, row_)) LoadEditor();
    viewport()->update();
    RepaintTotals();
}

void TXGrid::EditorTextEdited(const QString& text) {
    if (loadingEditor_) return;
    loadingEditor_ = true;
    model_.SetCell(col_, row_, FromQt(text));
    loadingEditor_ = false;
    // Any change the user makes (Delete and paste included) marks the grid.
    model_.SetModified(true);
}

void TXGrid::RepaintTotals() {
    if (totals_) totals_->update();
}

// --- keys --------------------------------------------------------------------

void TXGrid::TabForward() {
    const int last = model_.LastTabColumn();
    if (col_ < last) {
        int next = col_ + 1;
        while (next < last && !model_.Spec(next).tabStop) ++next;
        MoveTo(next, row_);
        return;
    }
    if (row_ == model_.RowCount() - 1) model_.MovePastLastRow(row_);
    if (row_ + 1 < model_.RowCount()) {
        MoveTo(model_.FirstTabColumn(), row_ + 1);
        return;
    }
    // The last cell of the grid: Tab leaves the grid.
    focusNextPrevChild(true);
}

void TXGrid::TabBackward() {
    const int first = model_.FirstTabColumn();
    if (col_ > first) {
        int prev = col_ - 1;
        while (prev > first && !model_.Spec(prev).tabStop) --prev;
        MoveTo(prev, row_);
        return;
    }
    if (row_ > 1) {
        const int last = model_.LastTabColumn();
        MoveTo(last >= 0 ? last : col_, row_ - 1);
        return;
    }
    focusNextPrevChild(false);
}

void TXGrid::RowDown() {
    if (row_ == model_.RowCount() - 1) model_.MovePastLastRow(row_);
    if (row_ + 1 < model_.RowCount()) MoveTo(col_, row_ + 1);
}

bool TXGrid::EditorKeyPress(QKeyEvent* e) {
    const int key = e->key();
    const auto mods = e->modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    const bool alt = mods & Qt::AltModifier;
    const ColumnSpec& spec = model_.Spec(col_);
    if (PickListOpen()) return true;
    switch (key) {
        case Qt::Key_Tab:
            if (mods & Qt::ShiftModifier)
                TabBackward();
            else
                TabForward();
            return true;
        case Qt::Key_Backtab: TabBackward(); return true;
        case Qt::Key_Down:
        case Qt::Key_Up:
            if (alt) {
                if (spec.Style() == EditStyle::PickList) OpenPickList();
                return true;
            }
            if (key == Qt::Key_Down)
                RowDown();
            else if (row_ > 1)
                MoveTo(col_, row_ - 1);
            return true;
        case Qt::Key_Delete:
            if (ctrl) return true;  // acted on at release
            return false;
        case Qt::Key_Insert: model_.SetModified(true); return ctrl;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (ctrl && spec.Style() == EditStyle::Ellipsis) {
                emit elippsisClicked(col_, row_);
                return true;
            }
            return false;  // a plain Enter goes on to the window's default button
        case Qt::Key_Backspace:
            model_.SetModified(true);
            if (spec.Style() == EditStyle::PickList && !editor_->isReadOnly()) {
                editor_->clear();
                model_.SetCell(col_, row_, std::string());
                return true;
            }
            return false;
        default: break;
    }
    const QString text = e->text();
    if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() != 127 && !ctrl && !alt) {
        const std::string bytes = FromQt(text);
        const TypedChar r =
            model_.TypeChar(col_, FromQt(editor_->text()), editor_->hasSelectedText(), bytes.empty() ? '?' : bytes[0]);
        if (r.accepted) {
            editor_->InsertAccepted(ToQt(std::string(1, r.ch)));
            EditorTextEdited(editor_->text());
        } else if (r.beep) {
            GridDialogs().Beep();
        }
        return true;
    }
    return false;
}

bool TXGrid::EditorKeyRelease(QKeyEvent* e) {
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    if (ctrl && e->key() == Qt::Key_Insert) {
        model_.InsertRow(row_);
        LoadEditor();
        return true;
    }
    if (ctrl && e->key() == Qt::Key_Delete) {
        if (model_.ConfirmDeleteRow(row_, GridDialogs())) {
            if (row_ >= model_.RowCount()) row_ = model_.RowCount() - 1;
            LoadEditor();
            RepaintTotals();
        }
        return true;
    }
    if (model_.Spec(col_).kind == ColKind::Number) RepaintTotals();
    return false;
}

// --- focus -------------------------------------------------------------------

void TXGrid::EditorFocusIn(QFocusEvent* e) {
    if (Ignorable(e->reason()) || focused_) return;
    focused_ = true;
    // A click chooses its own cell; otherwise the grid starts in row 1 of the
    // first column with a Tab stop.
    if (e->reason() != Qt::MouseFocusReason) QTimer::singleShot(0, this, [this] { EnterFirstCell(); });
}

void TXGrid::EditorFocusOut(QFocusEvent* e) {
    if (Ignorable(e->reason()) || !focused_) return;
    QWidget* now = QApplication::focusWidget();
    if (now && (now == editor_ || now == pickList_ || isAncestorOf(now))) return;
    focused_ = false;
    if (PickListOpen()) pickList_->hide();
    model_.SetCell(col_, row_, FromQt(editor_->text()));
    model_.LoseFocus(col_, row_, GridDialogs());
    LoadEditor();
    viewport()->update();
}

// --- mouse -------------------------------------------------------------------

void TXGrid::mousePressEvent(QMouseEvent* e) {
    const QPoint cell = CellAt(e->position().toPoint());
    if (cell.x() < 0 || cell.y() < 1) return;
    const bool wasFocused = focused_;
    if (!wasFocused) {
        editor_->setFocus(Qt::MouseFocusReason);
        focused_ = true;
    }
    MoveTo(cell.x(), cell.y(), wasFocused);
}

void TXGrid::mouseMoveEvent(QMouseEvent* e) {
    QAbstractScrollArea::mouseMoveEvent(e);
}

QString TXGrid::HintAt(const QPoint& pos) const {
    if (!model_.ShowColHints || pos.y() >= titleHeight_) return {};
    const int col = CellAt(pos).x();
    if (col < 0) return {};
    const int hint = model_.Spec(col).hint;
    if (hint == 0 || !hintSource_) return {};
    return hintSource_(hint);
}

bool TXGrid::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* he = static_cast<QHelpEvent*>(e);
        const QString hint = HintAt(he->pos());
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(he->globalPos(), hint, viewport());
        return true;
    }
    return QAbstractScrollArea::viewportEvent(e);
}

// --- pick list ---------------------------------------------------------------

bool TXGrid::PickListOpen() const {
    return pickList_ && pickList_->isVisible();
}

void TXGrid::OpenPickList() {
    const ColumnSpec& spec = model_.Spec(col_);
    if (spec.Style() != EditStyle::PickList) return;
    std::vector<std::string> items = spec.pickList;
    if (model_.OnPicklistDropdown) {
        model_.OnPicklistDropdown(col_, row_, items);
        model_.SetPickList(col_, items);
    }
    pickList_->clear();
    const QFontMetrics fm(pickList_->font());
    int widest = 0;
    for (const std::string& s : items) {
        pickList_->addItem(ToQt(s));
        widest = std::max(widest, fm.horizontalAdvance(ToQt(s)));
    }
    const int match = model_.PickListMatch(col_, FromQt(editor_->text()));
    if (match >= 0) pickList_->setCurrentRow(match);
    const QRect cell = CellRect(col_, row_);
    const int lines =
        std::max(1, std::min(spec.dropDownLines > 0 ? spec.dropDownLines : kPickListDefaultLines, int(items.size())));
    const int rowH = pickList_->sizeHintForRow(0) > 0 ? pickList_->sizeHintForRow(0) : fm.height();
    const int frame = 2 * pickList_->frameWidth();
    const int w = std::max(cell.width(), widest + 10 + frame);
    const int h = lines * rowH + frame;
    QPoint at = viewport()->mapToGlobal(QPoint(cell.left(), cell.bottom() + 1));
    if (const QScreen* s = screen(); s && at.y() + h > s->geometry().bottom())
        at = viewport()->mapToGlobal(QPoint(cell.left(), cell.top() - h));
    pickList_->setGeometry(at.x(), at.y(), w, h);
    pickList_->show();
    pickList_->setFocus(Qt::PopupFocusReason);
}

void TXGrid::AcceptPickItem(int index) {
    const auto& items = model_.PickList(col_);
    pickList_->hide();
    if (index < 0 || index >= int(items.size())) return;
    const GridCell next = model_.ChoosePickItem(col_, row_, items[std::size_t(index)]);
    LoadEditor();
    editor_->setFocus(Qt::PopupFocusReason);
    MoveTo(next.col, next.row);
}

void TXGrid::EditorButtonClicked() {
    const EditStyle s = model_.Spec(col_).Style();
    if (s == EditStyle::Ellipsis) emit elippsisClicked(col_, row_);
    if (s == EditStyle::PickList) {
        if (PickListOpen())
            pickList_->hide();
        else
            OpenPickList();
    }
}

// --- totals strip ------------------------------------------------------------

void TXGrid::AttachTotals(TXGridTotals* t) {
    if (totals_ && totals_ != t) totals_->grid_ = nullptr;
    totals_ = t;
    model_.HasTotals = t != nullptr;
    if (t) t->Place();
}

void TXGrid::DetachTotals(TXGridTotals* t) {
    if (totals_ == t) {
        totals_ = nullptr;
        model_.HasTotals = false;
    }
}

}  // namespace cgt
