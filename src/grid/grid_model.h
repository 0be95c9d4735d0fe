#pragma once
// The entry grid without a widget: columns described by specification
// strings, cells by column and row (row 0 holds the titles, data rows are
// 1 onwards), the list form a field stores, sorting, totals and the rules for
// typing into and leaving a cell. The widget TXGrid draws it and maps Qt
// events onto it; calculations build their grids on it directly.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "grid/cell_rules.h"
#include "grid/column_spec.h"
#include "store/datatype.h"

namespace cgt {

class Clock;
class Dialogs;

// The total of the cells of a number column, as ColumnTotal forms it: the
// numbers among them summed; the explicit zero when the sum is 0 and some
// cell holds a typed zero.
class NumberColumnTotal {
public:
    void Add(std::string_view cell);
    long double Value() const;

private:
    long double sum_ = 0;
    bool zeroSeen_ = false;
};

inline constexpr int kGridDefaultColCount = 5;
inline constexpr int kGridDefaultRowCount = 5;
inline constexpr int kGridDefaultColWidth = 64;
inline constexpr int kGridDefaultRowHeight = 20;
inline constexpr int kGridHiddenColWidth = -1;
// A column narrower than this is hidden as a -1 column is: a sliver of a few
// pixels shows nothing of its cells, only scraps of its title.
inline constexpr int kGridNarrowestShownColWidth = 4;

inline constexpr const char* kPicklistMismatchMessage = "Entry must match one of the picklist entries";
inline constexpr const char* kInvalidAbnMessage = "Invalid Australian Business Number (ABN)";
inline constexpr const char* kInvalidTfnMessage = "Invalid Tax File Number (TFN)";
inline constexpr const char* kBadDateMessage = "Enter date in dd/mm/yyyy format";
inline constexpr const char* kInvalidNumberSuffix =
    " is an invalid numeric entry. Please re-enter amount before continuing.";
inline constexpr const char* kInvalidNumericEntryMessage = "Invalid numeric entry";
inline constexpr const char* kRowDeletionRefusedMessage = "Row deletion not allowed on this grid";
inline constexpr const char* kConfirmRowDeletionMessage = "Are you sure you want to delete this row?";
// Line break inside the digit-count warnings.
inline constexpr const char* kGridMessageLineBreak = "\r\n";

// One error box (OK button) to show; `beep` before it when it refuses the move.
struct GridMessage {
    std::string text;
    bool beep = false;
    bool operator==(const GridMessage&) const = default;
};

struct CellCheckResult {
    bool accepted = true;
    std::string text;  // the cell's text after the check (also written into the cell)
    std::vector<GridMessage> messages;
};

struct GridCell {
    int col = 0;
    int row = 0;
    bool operator==(const GridCell&) const = default;
};

// The screen may replace a strict pick-list column's items before they are used.
using PicklistDropdownHandler = std::function<void(int col, int row, std::vector<std::string>& picklist)>;
// The cell (col, row) passed its checks and is about to be left for (aCol, aRow);
// setting `enterExitCell` false keeps the cursor there.
using ExitCellHandler = std::function<void(int col, int row, int aCol, int aRow, bool& enterExitCell)>;

class GridModel {
public:
    explicit GridModel(int colCount = kGridDefaultColCount, int rowCount = kGridDefaultRowCount);
    // Two-digit years of typed dates are read through `clock`.
    GridModel(const Clock& clock, int colCount = kGridDefaultColCount, int rowCount = kGridDefaultRowCount);

    // --- shape -------------------------------------------------------------
    int ColCount() const { return int(specs_->size()); }
    // New columns take their specification from Display (or the default one).
    // Returns the parse errors of the new columns.
    std::vector<std::string> SetColCount(int count);
    int RowCount() const { return int(rows_.size()); }
    // Row 0 (titles) always stays; a count below 1 counts as 1.
    void SetRowCount(int count);
    // Appends an empty row; returns its index.
    int AddRow();
    // An empty row at `index` (1 to RowCount); the rows from there move down.
    void InsertRow(int index);
    // Removes data row `index` (1 to RowCount - 1); nothing for another index.
    void DeleteRow(int index);
    // Moves a column with its cells, specification and width.
    void MoveColumn(int from, int to);

    // --- column specifications -----------------------------------------------
    const std::vector<std::string>& Display() const { return *display_; }
    // Rebuilds every column's specification (and its title cell) from `display`;
    // columns beyond it use kDefaultColumnSpec. Returns the messages of
    // malformed specifications ("Bad character set !"), one per column, for
    // the caller to show as error boxes.
    std::vector<std::string> SetDisplay(std::vector<std::string> display);
    // SetColCount(display.size()) and SetDisplay(display).
    std::vector<std::string> DefineColumns(std::vector<std::string> display);
    const ColumnSpec& Spec(int col) const;
    ColKind ColumnKind(int col) const { return Spec(col).kind; }
    void SetColumnReadOnly(int col);
    void SetColumnEditable(int col);
    void SetColumnDisplayOnly(int col, bool flag);
    // A number column whose total means nothing (amounts of different kinds).
    void SetColumnNoTotal(int col, bool flag);
    void SetTabStop(int col, bool on);
    // Every column is read-only or display-only: nothing in the grid can be typed.
    bool AllColumnsReadOnly() const;
    // Tab stops in the column (a hidden column has none).
    bool IsTabStop(int col) const;
    // The last column with a Tab stop; -1 when none has one.
    int LastTabColumn() const { return lastTabColumn_; }
    // The first column with a Tab stop at or after `col`, wrapping past the
    // last column; `col` itself when no column has a Tab stop.
    int SkipToTabStop(int col) const;
    int FirstTabColumn() const { return SkipToTabStop(0); }
    const std::vector<std::string>& PickList(int col) const { return Spec(col).pickList; }
    void SetPickList(int col, std::vector<std::string> items);

    // Pixel widths kept for the widget; -1 (or any width below
    // kGridNarrowestShownColWidth) hides a column.
    int ColWidth(int col) const;
    bool ColumnHidden(int col) const { return ColWidth(col) < kGridNarrowestShownColWidth; }
    void SetColWidth(int col, int width);
    // Scales every width other than -1 and rounds.
    void ScaleColWidths(double factor);

    // --- cells -------------------------------------------------------------
    // "" outside the grid.
    const std::string& Cell(int col, int row) const;
    // Grows the grid to hold `row`; throws std::out_of_range for a bad column or a negative row.
    void SetCell(int col, int row, std::string text);
    const std::vector<std::string>& Row(int row) const { return rows_.at(row); }

    // --- list form (row-major, ColCount strings per non-empty data row) -----
    void SaveToList(TextList& list) const;
    TextList SaveToList() const;
    // Fills rows 1 onwards from the list (growing the grid) and empties the
    // remaining data rows; the row count never shrinks.
    void LoadFromList(const TextList& list);
    void ClearRows();

    // --- sorting and totals ------------------------------------------------
    // `keys`: column indexes separated by commas, most significant first ("1,2,0").
    void SortRows(std::string_view keys);
    // Sum of a number column's data cells (0 for other kinds); the explicit
    // zero when the sum is 0 and some cell holds a typed zero.
    long double ColumnTotal(int col) const;
    // The total in fixed notation with the column's decimals.
    std::string ColumnTotalText(int col) const;

    // --- typing and leaving a cell -------------------------------------------
    // Filters one typed character of the cell editor in `col`; an accepted
    // printable character sets the modified flag.
    TypedChar TypeChar(int col, std::string_view editorText, bool hasSelection, char ch);
    // Entering a cell: refreshes a strict pick list through the handler and,
    // when the column restricts its characters, strips the others from the
    // cell. Returns the cell's text.
    const std::string& EnterCell(int col, int row);
    // The checks on leaving (col, row), up to and including the reformat; the
    // resulting text is written into the cell and the last numeric and date
    // values are updated. Does not show anything nor raise OnExitCell.
    CellCheckResult CheckCell(int col, int row);
    // The full leave: CheckCell, its messages shown through `dialogs` (a beep
    // before a refusing one), then OnExitCell when the checks passed. True
    // when the cursor may move to (targetCol, targetRow).
    bool LeaveCell(int col, int row, int targetCol, int targetRow, Dialogs& dialogs);
    // Focus leaves the grid: as LeaveCell with the cell itself as target; a
    // cell that fails is emptied.
    void LoseFocus(int col, int row, Dialogs& dialogs);
    // Ctrl+Delete on `row`: refuses on DoNotDelete, asks, keeps at least one
    // data row. True when a row was deleted.
    bool ConfirmDeleteRow(int row, Dialogs& dialogs);
    // Tab past the last Tab column of the last row, or Down in the last row:
    // adds a row when RowAutoInc. True when a row was added.
    bool MovePastLastRow(int row);
    // Writes a chosen pick-list item (cut to the column's maximum length),
    // sets the modified flag and returns the next cell (the next column, or
    // the first column of the next row, added when needed).
    GridCell ChoosePickItem(int col, int row, const std::string& item);
    // The first item that starts with `text` (the one the drop-down selects); -1 when none.
    int PickListMatch(int col, std::string_view text) const;

    // --- state -------------------------------------------------------------
    bool Modified() const { return modified_; }
    void SetModified(bool m) { modified_ = m; }
    long double LastNumValue() const { return lastNumValue_; }
    long double LastDateValue() const { return lastDateValue_; }

    int TitleLines = 1;
    bool RowAutoInc = true;
    bool DoNotDelete = false;
    bool ShowColHints = true;
    // A totals strip is attached (the cell check then warns about long totals).
    bool HasTotals = false;
    PicklistDropdownHandler OnPicklistDropdown;
    ExitCellHandler OnExitCell;
    // Called after every change of cells or shape, so the widget can repaint.
    std::function<void()> OnChanged;

private:
    ColumnSpec ParseOrDefault(int col, std::vector<std::string>* errors) const;
    void SetTitleCell(int col);
    void RecomputeLastTabColumn();
    void RefreshPickList(int col, int row);
    void Changed();
    ColumnSpec& MutableSpec(int col);
    const std::vector<ColumnSpec>& Specs() const { return *specs_; }
    std::vector<ColumnSpec>& MutableSpecs();
    std::vector<std::string>& MutableDisplay();

    const Clock* clock_;
    // The columns are shared by the copies of a grid until one of them
    // changes its own: a calculation copies a prepared grid for every asset.
    std::shared_ptr<std::vector<std::string>> display_;
    std::shared_ptr<std::vector<ColumnSpec>> specs_;
    std::vector<int> colWidths_;
    std::vector<std::vector<std::string>> rows_;  // rows_[row][col]
    int lastTabColumn_ = -1;
    bool modified_ = false;
    long double lastNumValue_ = 0;
    long double lastDateValue_ = 0;
};

}  // namespace cgt
