#pragma once
// The entry grid: a string grid whose columns are described by
// specification strings. The rules (typing, cell checks, totals, sorting,
// the list form) are GridModel's; this widget draws the model, keeps the
// cell editor over the current cell and maps keys, mouse and focus onto it.
//
// Every cell reads whole somewhere: a data cell's text is drawn on one line,
// cut with "…" where it does not fit, and the whole text is its tooltip and,
// while the cell is current, the grid's status line (a strip at the foot of
// the grid, shown only then). Columns are at least as wide as their titles
// need to show whole within the title lines; a grid wider than its columns
// gives the spare width to its stretch column.
#include <QAbstractScrollArea>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <vector>

class QLabel;

#include "controls/control_context.h"
#include "controls/xgrid_totals.h"
#include "grid/grid_model.h"

namespace cgt {

class TXGridInplaceEdit;
class XGridPickList;

class TXGrid : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(int fieldTag READ fieldTag WRITE setFieldTag)
    Q_PROPERTY(int colCount READ colCount WRITE setColCount)
    Q_PROPERTY(int rowCount READ rowCount WRITE setRowCount)
    Q_PROPERTY(int defaultRowHeight READ defaultRowHeight WRITE setDefaultRowHeight)
    // Pixel widths separated by commas ("80,120,-1"); -1 hides a column.
    Q_PROPERTY(QString colWidths READ colWidths WRITE setColWidths)
    Q_PROPERTY(QStringList display READ display WRITE setDisplay)
    Q_PROPERTY(int titleLines READ titleLines WRITE setTitleLines)
    Q_PROPERTY(bool rowAutoInc READ rowAutoInc WRITE setRowAutoInc)
    Q_PROPERTY(bool doNotDelete READ doNotDelete WRITE setDoNotDelete)
    Q_PROPERTY(bool showColHints READ showColHints WRITE setShowColHints)
    // Leading columns that stay in place when the grid scrolls sideways.
    Q_PROPERTY(int fixedCols READ fixedCols WRITE setFixedCols)
    // The column that takes the spare width of a grid wider than its columns:
    // kAutoStretch for the widest text column, kNoStretch for none.
    Q_PROPERTY(int stretchColumn READ stretchColumn WRITE setStretchColumn)
    // Nothing in the grid can be typed; a grid whose columns are all
    // read-only or display-only is so without it.
    Q_PROPERTY(bool readOnly READ readOnly WRITE setReadOnly)

public:
    static constexpr int kAutoStretch = -1;
    static constexpr int kNoStretch = -2;

    explicit TXGrid(QWidget* parent = nullptr);
    ~TXGrid() override;

    GridModel& Model() { return model_; }
    const GridModel& Model() const { return model_; }

    int fieldTag() const { return fieldTag_; }
    void setFieldTag(int t) { fieldTag_ = t; }
    int colCount() const { return model_.ColCount(); }
    void setColCount(int n);
    int rowCount() const { return model_.RowCount(); }
    void setRowCount(int n) { model_.SetRowCount(n); }
    int defaultRowHeight() const { return rowHeight_; }
    void setDefaultRowHeight(int h);
    QString colWidths() const;
    void setColWidths(const QString& widths);
    QStringList display() const;
    void setDisplay(const QStringList& specs);
    int titleLines() const { return model_.TitleLines; }
    void setTitleLines(int n);
    bool rowAutoInc() const { return model_.RowAutoInc; }
    void setRowAutoInc(bool b) { model_.RowAutoInc = b; }
    bool doNotDelete() const { return model_.DoNotDelete; }
    void setDoNotDelete(bool b) { model_.DoNotDelete = b; }
    bool showColHints() const { return model_.ShowColHints; }
    void setShowColHints(bool b) { model_.ShowColHints = b; }
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int n);
    int stretchColumn() const { return stretchColumn_; }
    void setStretchColumn(int col);
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool on);
    // Nothing can be typed: the grid shows no selection and no current cell
    // but a focus frame while it holds the keyboard.
    bool ReadOnlyGrid() const { return readOnly_ || model_.AllColumnsReadOnly(); }

    // Cell text (Unicode at this boundary; the model holds Windows-1252).
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);

    // The grid's operations by their usual names; the rules are the model's.
    ColKind ColumnKind(int col) const { return model_.ColumnKind(col); }
    long double ColumnTotal(int col) const { return model_.ColumnTotal(col); }
    std::string ColumnTotalText(int col) const { return model_.ColumnTotalText(col); }
    void SaveToList(TextList& list) const { model_.SaveToList(list); }
    void LoadFromList(const TextList& list) { model_.LoadFromList(list); }
    void ClearRows() { model_.ClearRows(); }
    void SortRows(std::string_view keys) { model_.SortRows(keys); }
    void SetColumnReadOnly(int col) { model_.SetColumnReadOnly(col); }
    void SetColumnNoTotal(int col, bool flag) { model_.SetColumnNoTotal(col, flag); }
    void SetColumnEditable(int col) { model_.SetColumnEditable(col); }
    void SetColumnDisplayOnly(int col, bool flag) { model_.SetColumnDisplayOnly(col, flag); }
    void InsertRow(int index) { model_.InsertRow(index); }
    void DeleteRow(int index) { model_.DeleteRow(index); }
    bool Modified() const { return model_.Modified(); }

    int Col() const { return col_; }
    int Row() const { return row_; }
    // Moves the cursor as a click or key would: the cell being left is
    // checked first (unless `checkLeft` is false) and may refuse.
    bool MoveTo(int col, int row, bool checkLeft = true);
    // The first column that scrolls into view after the fixed ones.
    int LeftCol() const { return leftCol_; }
    int TopRow() const { return topRow_; }
    int TitleRowHeight() const { return titleHeight_; }
    // Cell rectangle in viewport coordinates; empty when hidden or scrolled away.
    QRect CellRect(int col, int row) const;
    // Left edge of a column in viewport coordinates, following the horizontal scroll.
    int ColumnX(int col) const;
    // The column is drawn: not hidden, scrolled into view and, unless it is
    // fixed or the first scrolled one, whole within the viewport.
    bool ColumnVisible(int col) const;
    // The columns drawn, left to right: the fixed ones, then from LeftCol().
    std::vector<int> ShownColumns() const;
    // The width a column is drawn at: its own width, widened until its title
    // shows whole within the title lines, and for the stretch column the
    // spare width of the grid; 0 for a hidden column.
    int ColumnWidth(int col) const;
    // The narrowest width at which a column's title shows whole.
    int TitleWidth(int col) const;
    // The column given the spare width; -1 when none.
    int StretchColumnIndex() const;
    // The width the shown columns take side by side before any spare width
    // is given out, grid lines included.
    int ColumnsWidth() const;
    // The height of the title row and every data row, grid lines included.
    int RowsHeight() const;
    // Resizes the grid to show every row, and nothing below the last.
    void FitHeightToRows();

    // The text a cell shows: a data cell's on one line, cut with "…" when it
    // does not fit; a title as written (it wraps onto the title lines).
    QString DisplayedText(int col, int row) const;
    // A data cell's whole text as one line (its tooltip and status line).
    QString WholeText(int col, int row) const;
    // The data cell shows less than its whole text.
    bool TextCut(int col, int row) const;
    // The tooltip for a point of the viewport: the column hint over the
    // title row, the whole text over a data cell that is cut.
    QString ToolTipAt(const QPoint& viewportPos) const;
    // The status line under the rows: the whole text of the current cell
    // while that cell is cut; "" when the line is not shown.
    QString StatusText() const;
    QLabel* StatusLine() const { return status_; }
    // Draws a data cell as the grid does (the editor of a read-only grid too).
    void PaintCell(class QPainter& p, const QRect& cell, int col, int row) const;

    TXGridInplaceEdit* Editor() const { return editor_; }
    XGridPickList* PickListPopup() const { return pickList_; }
    bool PickListOpen() const;
    void OpenPickList();
    TXGridTotals* Totals() const { return totals_; }

    // Column hint texts by string resource number (field 4 of a specification).
    void SetHintSource(std::function<QString(int)> source) { hintSource_ = std::move(source); }
    // The hint shown for a point over the title row; empty below it.
    QString HintAt(const QPoint& viewportPos) const;

    void ScaleBy(int m, int d);

signals:
    // OnEnterCell
    void cellEntered(int col, int row);
    // OnElippsisclicked
    void elippsisClicked(int col, int row);
    // The status line was shown or hidden: the rows' area changed height.
    void statusLineToggled(bool shown);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;

private:
    friend class TXGridInplaceEdit;
    friend class XGridPickList;
    friend class TXGridTotals;

    // Called by the editor; true when the grid handled the key.
    bool EditorKeyPress(QKeyEvent* e);
    bool EditorKeyRelease(QKeyEvent* e);
    void EditorFocusIn(QFocusEvent* e);
    void EditorFocusOut(QFocusEvent* e);
    void EditorTextEdited(const QString& text);
    void EditorButtonClicked();
    void AcceptPickItem(int index);

    void EnterFirstCell();
    void TabForward();
    void TabBackward();
    void RowDown();
    void ModelChanged();
    void PlaceEditor();
    void LoadEditor();
    void EnsureVisible(int col, int row);
    // The column is scrolled into view (it may not fit whole).
    bool InView(int col) const;
    void UpdateScrollBars();
    void LayoutColumns();
    void UpdateStatusLine();
    void PlaceStatusLine();
    void SelectFromStart();
    int TextWidth(int col) const;
    void RecomputeTitleHeight();
    QPoint CellAt(const QPoint& viewportPos) const;
    void AttachTotals(TXGridTotals* t);
    void DetachTotals(TXGridTotals* t);
    void RepaintTotals();
    class Dialogs& GridDialogs() const;

    ContextClock clock_{this};  // the two-digit-year window of typed dates
    GridModel model_;
    TXGridInplaceEdit* editor_ = nullptr;
    XGridPickList* pickList_ = nullptr;
    QLabel* status_ = nullptr;
    QPointer<TXGridTotals> totals_;
    std::function<QString(int)> hintSource_;
    int fieldTag_ = 0;
    int fixedCols_ = 0;
    int stretchColumn_ = kAutoStretch;
    bool readOnly_ = false;
    // The widths columns are drawn at (ColumnWidth), and the title widths
    // worked out for the font and title lines in use, by title.
    std::vector<int> widths_;
    mutable QHash<QString, int> titleWidths_;
    int col_ = 0;
    int row_ = 1;
    int leftCol_ = 0;
    int topRow_ = 1;
    int rowHeight_ = kGridDefaultRowHeight;
    int titleHeight_ = kGridDefaultRowHeight;
    bool focused_ = false;  // the grid (its editor) holds the keyboard
    bool loadingEditor_ = false;
};

}  // namespace cgt
