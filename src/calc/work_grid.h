#pragma once
// The grid operations the worksheet calculations use, on the entry grid's
// model: a grid built from column specifications with the default five rows.
#include <string>
#include <vector>

#include "grid/grid_model.h"
#include "store/fieldstore.h"

namespace cgt {

// A grid model with the given columns, as a screen's grid is created.
GridModel MakeWorkGrid(const std::vector<std::string>& columnSpecs);
// Empties the grids made once, at the end of a run.
void ForgetWorkGrids();

// Saves a grid into its list field as the frame's generic save does: the
// field's own list is filled (created when there is none) and stored.
void SaveGridToField(FieldStore& store, int tag, const GridModel& grid);

// The last data row holding any text; 0 when none.
int LastUsedRow(const GridModel& grid);

}  // namespace cgt
