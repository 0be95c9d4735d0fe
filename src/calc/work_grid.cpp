#include "calc/work_grid.h"

#include <algorithm>

#include "base/numtext.h"
#include "base/rounding.h"
#include "base/text.h"
#include "calc/calc_util.h"

namespace cgt {
namespace {

constexpr int kKindText = 0, kKindNumber = 1, kKindDate = 2;

std::vector<std::string> Fields(const std::string& spec) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const auto bar = spec.find('|', start);
        out.push_back(spec.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return out;
}

}  // namespace

WorkGrid::WorkGrid(const std::vector<std::string>& columnSpecs) {
    std::vector<std::string> titles;
    for (const std::string& spec : columnSpecs) {
        const auto f = Fields(spec);
        titles.push_back(f.empty() ? std::string() : f[0]);
        kinds_.push_back(f.size() > 2 ? int(TryStrToInt(f[2]).value_or(0)) : 0);
    }
    rows_.push_back(titles);
    SetRowCount(5);
}

int WorkGrid::ColCount() const {
    return int(kinds_.size());
}
int WorkGrid::RowCount() const {
    return int(rows_.size());
}

void WorkGrid::SetRowCount(int rows) {
    rows_.resize(std::size_t(std::max(rows, 1)), std::vector<std::string>(kinds_.size()));
}

std::string WorkGrid::Cell(int col, int row) const {
    if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return {};
    return rows_[std::size_t(row)][std::size_t(col)];
}

void WorkGrid::SetCell(int col, int row, const std::string& text) {
    if (col < 0 || col >= ColCount() || row < 0) return;
    if (row >= RowCount()) SetRowCount(row + 1);
    rows_[std::size_t(row)][std::size_t(col)] = text;
}

void WorkGrid::ClearRows() {
    LoadFromList({});
}

long double WorkGrid::ColumnTotal(int col) const {
    if (col < 0 || col >= ColCount() || kinds_[std::size_t(col)] != kKindNumber) return 0;
    long double sum = 0;
    bool zeroSeen = false;
    for (std::size_t r = 1; r < rows_.size(); ++r) {
        std::string t;
        for (char c : rows_[r][std::size_t(col)])
            if ((c >= '0' && c <= '9') || c == '-' || c == '.') t += c;
        if (t == "0" || t == "0.00") zeroSeen = true;
        sum += TryStrToFloat(t).value_or(0.0L);
    }
    if (sum == 0 && zeroSeen) return kExplicitZero;
    return sum;
}

void WorkGrid::SaveToList(TextList& list) const {
    list.clear();
    for (std::size_t r = 1; r < rows_.size(); ++r) {
        const auto& row = rows_[r];
        if (std::all_of(row.begin(), row.end(), [](const std::string& c) { return Trim(c).empty(); })) continue;
        list.insert(list.end(), row.begin(), row.end());
    }
}

void WorkGrid::LoadFromList(const TextList& list) {
    const std::size_t cols = kinds_.size();
    std::size_t k = 0;
    for (; cols > 0 && list.size() >= k * cols + 1; ++k) {
        const std::size_t row = k + 1;
        if (row >= rows_.size()) SetRowCount(int(row + 1));
        for (std::size_t c = 0; c < cols; ++c) {
            const std::size_t i = k * cols + c;
            rows_[row][c] = i < list.size() ? list[i] : std::string();
        }
    }
    for (std::size_t r = k + 1; r < rows_.size(); ++r) std::fill(rows_[r].begin(), rows_[r].end(), std::string());
}

void WorkGrid::SortRows(std::string_view keys) {
    std::vector<int> keyCols;
    std::size_t start = 0;
    while (start <= keys.size()) {
        const auto comma = keys.find(',', start);
        const auto piece = keys.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (auto k = TryStrToInt(Trim(piece)); k && *k >= 0 && *k < ColCount()) keyCols.push_back(int(*k));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    // Negative: a before b; positive: a after b; 0: keep order.
    const auto compare = [&](const std::vector<std::string>& a, const std::vector<std::string>& b) {
        for (int col : keyCols) {
            const std::string& x = a[std::size_t(col)];
            const std::string& y = b[std::size_t(col)];
            if (x == y) continue;
            if (x.empty()) return 1;
            if (y.empty()) return -1;
            const int kind = kinds_[std::size_t(col)];
            if (kind == kKindNumber) {
                const long double u = AmountOfText(x), v = AmountOfText(y);
                return u == v ? 0 : (u < v ? -1 : 1);
            }
            if (kind == kKindDate) {
                const int u = DateOfText(x).value_or(0), v = DateOfText(y).value_or(0);
                return u == v ? 0 : (u < v ? -1 : 1);
            }
            if (kind == kKindText) {
                const std::string u = UpperCase(x), v = UpperCase(y);
                return u == v ? 0 : (u < v ? -1 : 1);
            }
            return 0;
        }
        return 0;
    };
    std::stable_sort(rows_.begin() + 1, rows_.end(),
                     [&](const auto& a, const auto& b) { return compare(a, b) < 0; });
}

}  // namespace cgt
