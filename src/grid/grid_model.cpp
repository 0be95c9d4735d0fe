#include "grid/grid_model.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "base/clock.h"
#include "base/text.h"

namespace cgt {
namespace {

const std::string kEmpty;

// A copy of what only the caller holds is not needed.
template <typename T>
T& Own(std::shared_ptr<T>& shared) {
    if (shared.use_count() != 1) shared = std::make_shared<T>(*shared);
    return *shared;
}

}  // namespace

GridModel::GridModel(int colCount, int rowCount) : GridModel(DefaultClock(), colCount, rowCount) {}

GridModel::GridModel(const Clock& clock, int colCount, int rowCount)
    : clock_(&clock),
      display_(std::make_shared<std::vector<std::string>>()),
      specs_(std::make_shared<std::vector<ColumnSpec>>()) {
    SetRowCount(rowCount);
    SetColCount(colCount);
}

std::vector<ColumnSpec>& GridModel::MutableSpecs() {
    return Own(specs_);
}

std::vector<std::string>& GridModel::MutableDisplay() {
    return Own(display_);
}

// --- shape -------------------------------------------------------------------

std::vector<std::string> GridModel::SetColCount(int count) {
    count = std::max(0, count);
    std::vector<std::string> errors;
    const int old = ColCount();
    std::vector<ColumnSpec>& specs = MutableSpecs();
    specs.resize(std::size_t(count));
    colWidths_.resize(std::size_t(count), kGridDefaultColWidth);
    for (auto& row : rows_) row.resize(std::size_t(count));
    for (int c = old; c < count; ++c) {
        specs[std::size_t(c)] = ParseOrDefault(c, &errors);
        SetTitleCell(c);
    }
    RecomputeLastTabColumn();
    Changed();
    return errors;
}

void GridModel::SetRowCount(int count) {
    count = std::max(1, count);
    rows_.resize(std::size_t(count), std::vector<std::string>(Specs().size()));
    Changed();
}

int GridModel::AddRow() {
    rows_.emplace_back(Specs().size());
    Changed();
    return RowCount() - 1;
}

void GridModel::InsertRow(int index) {
    index = std::clamp(index, 1, RowCount());
    rows_.insert(rows_.begin() + index, std::vector<std::string>(Specs().size()));
    Changed();
}

void GridModel::DeleteRow(int index) {
    if (index < 1 || index >= RowCount()) return;
    rows_.erase(rows_.begin() + index);
    Changed();
}

void GridModel::MoveColumn(int from, int to) {
    const int n = ColCount();
    if (from < 0 || from >= n || to < 0 || to >= n || from == to) return;
    auto move = [from, to](auto& v) {
        auto item = std::move(v[std::size_t(from)]);
        v.erase(v.begin() + from);
        v.insert(v.begin() + to, std::move(item));
    };
    move(MutableSpecs());
    move(colWidths_);
    for (auto& row : rows_) move(row);
    if (std::size_t(std::max(from, to)) < Display().size()) move(MutableDisplay());
    RecomputeLastTabColumn();
    Changed();
}

// --- column specifications ---------------------------------------------------

ColumnSpec GridModel::ParseOrDefault(int col, std::vector<std::string>* errors) const {
    const bool has = std::size_t(col) < Display().size();
    const ParsedColumn& parsed =
        ParseColumnSpecOnce(has ? std::string_view(Display()[std::size_t(col)]) : kDefaultColumnSpec);
    if (parsed.error && errors) errors->push_back(*parsed.error);
    return parsed.spec;
}

void GridModel::SetTitleCell(int col) {
    if (rows_.empty()) rows_.emplace_back(Specs().size());
    rows_[0][std::size_t(col)] = Specs()[std::size_t(col)].title;
}

std::vector<std::string> GridModel::SetDisplay(std::vector<std::string> display) {
    display_ = std::make_shared<std::vector<std::string>>(std::move(display));
    std::vector<std::string> errors;
    std::vector<ColumnSpec>& specs = MutableSpecs();
    for (int c = 0; c < ColCount(); ++c) {
        specs[std::size_t(c)] = ParseOrDefault(c, &errors);
        SetTitleCell(c);
    }
    RecomputeLastTabColumn();
    Changed();
    return errors;
}

std::vector<std::string> GridModel::DefineColumns(std::vector<std::string> display) {
    const int count = int(display.size());
    display_ = std::make_shared<std::vector<std::string>>();
    specs_ = std::make_shared<std::vector<ColumnSpec>>();
    colWidths_.clear();
    SetColCount(count);
    return SetDisplay(std::move(display));
}

const ColumnSpec& GridModel::Spec(int col) const {
    if (col < 0 || col >= ColCount()) throw std::out_of_range("grid column " + std::to_string(col));
    return Specs()[std::size_t(col)];
}

ColumnSpec& GridModel::MutableSpec(int col) {
    if (col < 0 || col >= ColCount()) throw std::out_of_range("grid column " + std::to_string(col));
    return MutableSpecs()[std::size_t(col)];
}

void GridModel::SetColumnReadOnly(int col) {
    ColumnSpec& s = MutableSpec(col);
    s.readOnly = true;
    s.tabStop = false;
    RecomputeLastTabColumn();
    Changed();
}

void GridModel::SetColumnEditable(int col) {
    ColumnSpec& s = MutableSpec(col);
    s.readOnly = false;
    s.tabStop = true;
    RecomputeLastTabColumn();
    Changed();
}

void GridModel::SetColumnDisplayOnly(int col, bool flag) {
    MutableSpec(col).displayOnly = flag;
    Changed();
}

void GridModel::SetColumnNoTotal(int col, bool flag) {
    MutableSpec(col).noTotal = flag;
    Changed();
}

void GridModel::SetTabStop(int col, bool on) {
    MutableSpec(col).tabStop = on;
    RecomputeLastTabColumn();
}

bool GridModel::AllColumnsReadOnly() const {
    return std::all_of(Specs().begin(), Specs().end(), [](const ColumnSpec& s) { return s.readOnly || s.displayOnly; });
}

bool GridModel::IsTabStop(int col) const {
    return Specs()[std::size_t(col)].tabStop && !ColumnHidden(col);
}

void GridModel::RecomputeLastTabColumn() {
    lastTabColumn_ = -1;
    for (int c = 0; c < ColCount(); ++c)
        if (IsTabStop(c)) lastTabColumn_ = c;
}

int GridModel::SkipToTabStop(int col) const {
    const int n = ColCount();
    if (n == 0 || lastTabColumn_ < 0) return col;
    int c = std::clamp(col, 0, n - 1);
    while (!IsTabStop(c)) c = (c + 1) % n;
    return c;
}

void GridModel::SetPickList(int col, std::vector<std::string> items) {
    MutableSpec(col).pickList = std::move(items);
}

int GridModel::ColWidth(int col) const {
    Spec(col);
    return colWidths_[std::size_t(col)];
}

void GridModel::SetColWidth(int col, int width) {
    Spec(col);
    colWidths_[std::size_t(col)] = width;
    RecomputeLastTabColumn();
    Changed();
}

void GridModel::ScaleColWidths(double factor) {
    for (int& w : colWidths_)
        if (w != kGridHiddenColWidth) w = int(std::lround(w * factor));
    RecomputeLastTabColumn();
    Changed();
}

// --- cells ---------------------------------------------------------------------

const std::string& GridModel::Cell(int col, int row) const {
    if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return kEmpty;
    return rows_[std::size_t(row)][std::size_t(col)];
}

void GridModel::SetCell(int col, int row, std::string text) {
    if (col < 0 || col >= ColCount() || row < 0)
        throw std::out_of_range("grid cell " + std::to_string(col) + "," + std::to_string(row));
    if (row >= RowCount()) rows_.resize(std::size_t(row) + 1, std::vector<std::string>(Specs().size()));
    rows_[std::size_t(row)][std::size_t(col)] = std::move(text);
    Changed();
}

// --- list form -------------------------------------------------------------------

void GridModel::SaveToList(TextList& list) const {
    list.clear();
    for (std::size_t r = 1; r < rows_.size(); ++r) {
        const auto& row = rows_[r];
        const bool empty = std::all_of(row.begin(), row.end(), [](const std::string& s) { return Trim(s).empty(); });
        if (!empty) list.insert(list.end(), row.begin(), row.end());
    }
}

TextList GridModel::SaveToList() const {
    TextList list;
    SaveToList(list);
    return list;
}

void GridModel::LoadFromList(const TextList& list) {
    const std::size_t cols = Specs().size();
    std::size_t row = 1;
    if (cols > 0) {
        for (std::size_t k = 0; list.size() >= k * cols + 1; ++k, ++row) {
            if (row >= rows_.size()) rows_.emplace_back(cols);
            for (std::size_t c = 0; c < cols; ++c) {
                const std::size_t i = k * cols + c;
                rows_[row][c] = i < list.size() ? list[i] : std::string();
            }
        }
    }
    for (; row < rows_.size(); ++row)
        for (auto& cell : rows_[row]) cell.clear();
    Changed();
}

void GridModel::ClearRows() {
    LoadFromList({});
}

void GridModel::Changed() {
    if (OnChanged) OnChanged();
}

}  // namespace cgt
