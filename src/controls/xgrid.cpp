#include "controls/xgrid.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
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
const QColor kLineColor(192, 192, 192);

bool Ignorable(Qt::FocusReason r) {
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
}

// A title with its line breaks as the painter takes them.
QString TitleText(const QString& title) {
    QString t = title;
    return t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
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
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusLine"));
    status_->setAutoFillBackground(true);
    status_->setBackgroundRole(QPalette::ToolTipBase);
    status_->setForegroundRole(QPalette::ToolTipText);
    status_->setIndent(kCellMargin);
    status_->setStyleSheet(QStringLiteral("border-top: 1px solid rgb(192, 192, 192)"));
    status_->hide();
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

void TXGrid::setStretchColumn(int col) {
    stretchColumn_ = col;
    UpdateScrollBars();
    UpdateStatusLine();
    PlaceEditor();
    viewport()->update();
}

void TXGrid::setReadOnly(bool on) {
    readOnly_ = on;
    ModelChanged();
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
    // The titles' widths are worked out afresh for the font and lines.
    titleWidths_.clear();
    UpdateScrollBars();
    UpdateStatusLine();
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

bool TXGrid::InView(int col) const {
    return (col < fixedCols_ || col >= leftCol_) && col >= 0 && col < model_.ColCount() && !model_.ColumnHidden(col);
}

bool TXGrid::ColumnVisible(int col) const {
    if (!InView(col)) return false;
    if (col < fixedCols_) return true;
    // A scrolled column is drawn whole or not at all (the first of them
    // always): a sliver at the right edge shows scraps of a title and cut
    // figures that read as other figures.
    const int x = ColumnX(col);
    return x == ColumnX(fixedCols_) || x + ColumnWidth(col) <= viewport()->width();
}

int TXGrid::TitleWidth(int col) const {
    const QString title = TitleText(Cell(col, 0));
    if (title.trimmed().isEmpty()) return 0;
    if (const auto it = titleWidths_.constFind(title); it != titleWidths_.constEnd()) return *it;
    const QFontMetrics fm(font());
    const int height = std::max(1, titleHeight_ - 2 * kTitleMarginY);
    constexpr int kUnbounded = 1 << 20;
    const auto fits = [&](int w) {
        const QRect r = fm.boundingRect(QRect(0, 0, w, kUnbounded), Qt::TextWordWrap, title);
        return r.width() <= w && r.height() <= height;
    };
    // From the longest word (a word is never broken) up to each written line
    // on a line of its own: the narrowest width whose lines fit the title row.
    int lo = 0;
    for (const QString& word : title.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        lo = std::max(lo, fm.horizontalAdvance(word));
    int hi = fm.boundingRect(QRect(0, 0, kUnbounded, kUnbounded), Qt::TextWordWrap, title).width();
    if (fits(hi)) {
        while (lo < hi) {
            const int mid = (lo + hi) / 2;
            if (fits(mid))
                hi = mid;
            else
                lo = mid + 1;
        }
    }
    const int width = hi + 2 * kTitleMarginX + 1;
    titleWidths_.insert(title, width);
    return width;
}

void TXGrid::LayoutColumns() {
    const int n = model_.ColCount();
    widths_.assign(std::size_t(n), 0);
    int total = 0;
    for (int c = 0; c < n; ++c) {
        if (model_.ColumnHidden(c)) continue;
        widths_[std::size_t(c)] = std::max(model_.ColWidth(c), TitleWidth(c));
        total += widths_[std::size_t(c)] + kGridLine;
    }
    const int spare = viewport()->width() - total;
    if (const int s = StretchColumnIndex(); s >= 0 && spare > 0) widths_[std::size_t(s)] += spare;
}

int TXGrid::ColumnWidth(int col) const {
    if (col < 0 || col >= int(widths_.size())) return 0;
    return widths_[std::size_t(col)];
}

int TXGrid::StretchColumnIndex() const {
    const int n = model_.ColCount();
    if (stretchColumn_ >= 0) return stretchColumn_ < n && !model_.ColumnHidden(stretchColumn_) ? stretchColumn_ : -1;
    if (stretchColumn_ != kAutoStretch) return -1;
    int widest = -1;
    for (int c = 0; c < n; ++c) {
        if (model_.ColumnHidden(c) || model_.Spec(c).kind != ColKind::Text) continue;
        if (widest < 0 || model_.ColWidth(c) > model_.ColWidth(widest)) widest = c;
    }
    return widest;
}

int TXGrid::ColumnsWidth() const {
    int total = 0;
    for (int c = 0; c < model_.ColCount(); ++c)
        if (!model_.ColumnHidden(c)) total += std::max(model_.ColWidth(c), TitleWidth(c)) + kGridLine;
    return total;
}

int TXGrid::RowsHeight() const {
    return titleHeight_ + kGridLine + (model_.RowCount() - 1) * (rowHeight_ + kGridLine);
}

void TXGrid::FitHeightToRows() {
    const QMargins m = viewportMargins();
    int height = RowsHeight() + 2 * frameWidth() + m.top() + m.bottom();
    if (horizontalScrollBar()->isVisibleTo(this)) height += horizontalScrollBar()->sizeHint().height();
    resize(width(), height);
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
        if (InView(c)) x += ColumnWidth(c) + kGridLine;
    return x;
}

QRect TXGrid::CellRect(int col, int row) const {
    if (!ColumnVisible(col) || row < 0 || row >= model_.RowCount()) return {};
    const int x = ColumnX(col);
    if (row == 0) return {x, 0, ColumnWidth(col), titleHeight_};
    if (row < topRow_) return {};
    const int y = titleHeight_ + kGridLine + (row - topRow_) * (rowHeight_ + kGridLine);
    return {x, y, ColumnWidth(col), rowHeight_};
}

QPoint TXGrid::CellAt(const QPoint& p) const {
    int col = -1;
    for (int c : ShownColumns()) {
        const int x = ColumnX(c);
        if (p.x() >= x && p.x() < x + ColumnWidth(c) + kGridLine) {
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
    LayoutColumns();
    const int vw = viewport()->width();
    const int vh = viewport()->height();
    // The last left column that still fills the width.
    int maxLeft = fixedCols_;
    int width = 0;
    for (int c = 0; c < fixedCols_ && c < model_.ColCount(); ++c)
        if (!model_.ColumnHidden(c)) width += ColumnWidth(c) + kGridLine;
    for (int c = model_.ColCount() - 1; c >= fixedCols_; --c) {
        if (model_.ColumnHidden(c)) continue;
        width += ColumnWidth(c) + kGridLine;
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
    while (col >= fixedCols_ && leftCol_ < col && ColumnX(col) + ColumnWidth(col) > viewport()->width()) ++leftCol_;
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
    // A column wider or narrower may cut the current cell's text or not.
    UpdateStatusLine();
    PlaceEditor();
    PlaceStatusLine();
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
    // The lines end under the last row: below it there is no cell.
    const int rowsBottom = std::min(
        viewport()->height(), titleHeight_ + kGridLine + (model_.RowCount() - topRow_) * (rowHeight_ + kGridLine));
    int right = 0;
    for (int c : ShownColumns()) {
        const ColumnSpec& spec = model_.Spec(c);
        // Title cell: its lines wrap within the title row.
        const QRect t = CellRect(c, 0);
        p.fillRect(t, pal.color(QPalette::Button));
        p.setPen(Qt::black);
        int align = Qt::AlignLeft;
        if (spec.titleAlign == TitleAlign::Right) align = Qt::AlignRight;
        if (spec.titleAlign == TitleAlign::Centre) align = Qt::AlignHCenter;
        p.drawText(t.adjusted(kTitleMarginX, kTitleMarginY, -kTitleMarginX, -kTitleMarginY),
                   align | Qt::AlignVCenter | Qt::TextWordWrap, TitleText(Cell(c, 0)));
        // Data cells.
        for (int r = topRow_; r < model_.RowCount(); ++r) {
            const QRect cr = CellRect(c, r);
            if (cr.isEmpty() || cr.top() > viewport()->height()) break;
            PaintCell(p, cr, c, r);
        }
        right = t.right() + 1;
        p.setPen(kLineColor);
        p.drawLine(right, 0, right, rowsBottom - 1);
    }
    p.setPen(kLineColor);
    p.drawLine(0, titleHeight_, right, titleHeight_);
    for (int r = topRow_; r < model_.RowCount(); ++r) {
        const int y = titleHeight_ + kGridLine + (r - topRow_) * (rowHeight_ + kGridLine) + rowHeight_;
        if (y > viewport()->height()) break;
        p.drawLine(0, y, right, y);
    }
    RepaintTotals();
}

void TXGrid::PaintCell(QPainter& p, const QRect& cell, int col, int row) const {
    const QPalette& pal = palette();
    const ColumnSpec& spec = model_.Spec(col);
    p.fillRect(cell, pal.color(QPalette::Base));
    p.setPen(pal.color(QPalette::Text));
    const int align = spec.Alignment() == CellAlign::Right ? Qt::AlignRight : Qt::AlignLeft;
    const QRect text(cell.left() + kCellMargin, cell.top(), TextWidth(col), cell.height());
    p.drawText(text, align | Qt::AlignVCenter | Qt::TextSingleLine, DisplayedText(col, row));
    if (spec.hasButton) {
        const int arrowWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        DrawDropDownArrow(p, QRect(cell.right() - arrowWidth + 1, cell.top(), arrowWidth, cell.height()),
                          pal.color(QPalette::Disabled, QPalette::Text));
    }
}

// --- what a cell shows -------------------------------------------------------

int TXGrid::TextWidth(int col) const {
    int width = ColumnWidth(col) - 2 * kCellMargin;
    // The drop-down arrow of a pick-list column takes the right of the cell.
    if (model_.Spec(col).hasButton) width -= style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return std::max(0, width);
}

QString TXGrid::WholeText(int col, int row) const {
    QString text = Cell(col, row);
    text.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace('\r', ' ').replace('\n', ' ');
    // Figures are padded on the left to their column's width; the padding
    // is not part of what they say.
    if (model_.Spec(col).Alignment() == CellAlign::Right) text = text.trimmed();
    return text;
}

QString TXGrid::DisplayedText(int col, int row) const {
    if (col < 0 || col >= model_.ColCount() || row < 0 || row >= model_.RowCount()) return {};
    if (row == 0) return Cell(col, 0);
    if (model_.ColumnHidden(col)) return {};
    return QFontMetrics(font()).elidedText(WholeText(col, row), Qt::ElideRight, TextWidth(col));
}

bool TXGrid::TextCut(int col, int row) const {
    if (row < 1 || model_.ColumnHidden(col)) return false;
    return DisplayedText(col, row) != WholeText(col, row);
}

QString TXGrid::ToolTipAt(const QPoint& pos) const {
    if (pos.y() < titleHeight_) return HintAt(pos);
    const QPoint cell = CellAt(pos);
    if (cell.x() < 0 || cell.y() < 1 || !TextCut(cell.x(), cell.y())) return {};
    return WholeText(cell.x(), cell.y());
}

QString TXGrid::StatusText() const {
    return status_ && !status_->isHidden() ? status_->toolTip() : QString();
}

void TXGrid::UpdateStatusLine() {
    if (!editor_ || !status_) return;
    const bool cut = row_ >= 1 && row_ < model_.RowCount() && col_ < model_.ColCount() && TextCut(col_, row_);
    const QString whole = cut ? WholeText(col_, row_) : QString();
    // The editor lies over the current cell: hovering it shows what the cell would.
    editor_->setToolTip(whole);
    // The current cell is shown as such in a grid that takes typing, and in
    // a read-only grid only while it holds the keyboard.
    const bool show = cut && (!ReadOnlyGrid() || editor_->hasFocus());
    status_->setToolTip(show ? whole : QString());
    const int height = show ? rowHeight_ + kGridLine : 0;
    if (viewportMargins().bottom() == height) {
        PlaceStatusLine();
        return;
    }
    // The rows' area gives up a row's height to the line, and the current
    // row stays in sight above it.
    setViewportMargins(0, 0, 0, height);
    status_->setVisible(show);
    PlaceStatusLine();
    if (show) EnsureVisible(col_, row_);
    emit statusLineToggled(show);
}

void TXGrid::PlaceStatusLine() {
    if (!status_ || status_->isHidden()) return;
    const QRect vp = viewport()->geometry();
    status_->setGeometry(vp.left(), vp.bottom() + 1, vp.width(), viewportMargins().bottom());
    const QFontMetrics fm(status_->font());
    status_->setText(fm.elidedText(status_->toolTip(), Qt::ElideRight, vp.width() - 2 * kCellMargin));
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
    SelectFromStart();
    loadingEditor_ = false;
}

void TXGrid::SelectFromStart() {
    // The whole text selected, so that typing replaces it, with the cursor at
    // its start: a text longer than the cell shows its beginning.
    const int length = int(editor_->text().size());
    editor_->setSelection(length, -length);
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
    // A grid without Tab stops still never stands in a hidden column.
    for (int i = 0; i < model_.ColCount() && model_.ColumnHidden(col); ++i) col = (col + 1) % model_.ColCount();
    col_ = col;
    row_ = row;
    model_.EnterCell(col_, row_);
    const ColumnSpec& spec = model_.Spec(col_);
    editor_->SetStyle(spec.Style());
    editor_->setReadOnly(spec.readOnly || spec.displayOnly || readOnly_);
    EnsureVisible(col_, row_);
    PlaceEditor();
    loadingEditor_ = true;
    editor_->setText(Cell(col_, row_));
    SelectFromStart();
    loadingEditor_ = false;
    UpdateStatusLine();
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
        editor_->setReadOnly(spec.readOnly || spec.displayOnly || readOnly_);
    }
    if (!loadingEditor_ && editor_ && editor_->text() != Cell(col_, row_)) LoadEditor();
    UpdateStatusLine();
    if (editor_) editor_->update();
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
        while (next < last && !model_.IsTabStop(next)) ++next;
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
        while (prev > first && !model_.IsTabStop(prev)) --prev;
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
        if (readOnly_) return true;
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
    // Rows are neither added to nor taken from a grid where nothing can be typed.
    if (ctrl && (e->key() == Qt::Key_Insert || e->key() == Qt::Key_Delete) && ReadOnlyGrid()) return true;
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
    // A read-only grid shows its current cell while it holds the keyboard.
    UpdateStatusLine();
    if (Ignorable(e->reason()) || focused_) return;
    focused_ = true;
    // A click chooses its own cell; otherwise the grid starts in row 1 of the
    // first column with a Tab stop.
    if (e->reason() != Qt::MouseFocusReason) QTimer::singleShot(0, this, [this] { EnterFirstCell(); });
}

void TXGrid::EditorFocusOut(QFocusEvent* e) {
    UpdateStatusLine();
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
        const QString tip = ToolTipAt(he->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(he->globalPos(), tip, viewport());
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
