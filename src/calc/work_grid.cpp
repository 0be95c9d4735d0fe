#include "calc/work_grid.h"

#include "base/text.h"
#include "store/fieldstore.h"

namespace cgt {

GridModel MakeWorkGrid(const std::vector<std::string>& columnSpecs) {
    GridModel grid(int(columnSpecs.size()), kGridDefaultRowCount);
    grid.DefineColumns(columnSpecs);
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
