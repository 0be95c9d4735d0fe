#include "calc/work_grid.h"

#include <utility>

#include "base/text.h"
#include "store/fieldstore.h"

namespace cgt {
namespace {

// The calculations use three sets of columns; any more are not kept for long.
constexpr std::size_t kGridsKept = 8;

// Made once per set of columns, then copied: the copies share the parsed
// columns. A plain static, never thread_local: a thread-local object with a
// destructor keeps a loaded library in the process until the thread ends.
std::vector<std::pair<std::vector<std::string>, GridModel>>& MadeGrids() {
    static std::vector<std::pair<std::vector<std::string>, GridModel>> made;
    return made;
}

}  // namespace

void ForgetWorkGrids() {
    MadeGrids().clear();
}

GridModel MakeWorkGrid(const std::vector<std::string>& columnSpecs) {
    auto& made = MadeGrids();
    for (const auto& [specs, grid] : made)
        if (specs == columnSpecs) return grid;
    GridModel grid(int(columnSpecs.size()), kGridDefaultRowCount);
    grid.DefineColumns(columnSpecs);
    if (made.size() >= kGridsKept) made.clear();
    made.emplace_back(columnSpecs, grid);
    return grid;
}

void SaveGridToField(FieldStore& store, int tag, const GridModel& grid) {
    TextListPtr list = store.GetFieldLst(tag);
    if (!list) list = std::make_shared<TextList>();
    grid.SaveToList(*list);
    store.SetFieldLst(tag, list);
}

int LastUsedRow(const GridModel& grid) {
    for (int r = grid.RowCount() - 1; r >= 1; --r)
        for (const std::string& cell : grid.Row(r))
            if (!Trim(cell).empty()) return r;
    return 0;
}

}  // namespace cgt
