// Copies of a grid share its columns until one of them changes its own.
#include <gtest/gtest.h>

#include <functional>

#include "grid/grid_model.h"

namespace cgt {
namespace {

const std::vector<std::string> kColumns = {"A|0|0|10|", "Amount|2|1|10|0|F|F|2|T||||-1|0|F|T|", "C|0|0|10|"};

TEST(SharedColumnsTest, AChangeStaysWithTheGridThatMadeIt) {
    const struct {
        const char* what;
        std::function<void(GridModel&)> change;
        std::function<bool(const GridModel&)> took;
    } cases[] = {
        {"read-only", [](GridModel& g) { g.SetColumnReadOnly(0); },
         [](const GridModel& g) { return g.Spec(0).readOnly; }},
        {"editable", [](GridModel& g) { g.SetColumnEditable(2); },
         [](const GridModel& g) { return !g.Spec(2).readOnly && g.LastTabColumn() == 2; }},
        {"display only", [](GridModel& g) { g.SetColumnDisplayOnly(0, true); },
         [](const GridModel& g) { return g.Spec(0).displayOnly; }},
        {"no tab stop", [](GridModel& g) { g.SetTabStop(1, false); },
         [](const GridModel& g) { return !g.Spec(1).tabStop; }},
        {"pick list",
         [](GridModel& g) {
             g.SetPickList(0, {"X", "Y"});
         },
         [](const GridModel& g) { return g.PickList(0).size() == 2; }},
        {"moved column", [](GridModel& g) { g.MoveColumn(0, 2); },
         [](const GridModel& g) { return g.Spec(2).title == "A" && g.Display()[2] == kColumns[0]; }},
        {"other columns", [](GridModel& g) { g.DefineColumns({"Z|0|0|5|"}); },
         [](const GridModel& g) { return g.ColCount() == 1 && g.Spec(0).title == "Z"; }},
        {"other display",
         [](GridModel& g) {
             g.SetDisplay({"Q|0|0|5|", "R|0|0|5|", "S|0|0|5|"});
         },
         [](const GridModel& g) { return g.Spec(1).title == "R" && g.Spec(1).kind == ColKind::Text; }},
        {"fewer columns", [](GridModel& g) { g.SetColCount(1); }, [](const GridModel& g) { return g.ColCount() == 1; }},
    };
    for (const auto& c : cases) {
        for (const bool changeTheCopy : {true, false}) {
            GridModel original;
            original.DefineColumns(kColumns);
            original.SetColumnReadOnly(2);
            GridModel copy = original;
            c.change(changeTheCopy ? copy : original);
            const GridModel& kept = changeTheCopy ? original : copy;
            EXPECT_TRUE(c.took(changeTheCopy ? copy : original)) << c.what;
            EXPECT_EQ(kept.Display(), kColumns) << c.what;
            ASSERT_EQ(kept.ColCount(), 3) << c.what;
            EXPECT_EQ(kept.Spec(0).title, "A") << c.what;
            EXPECT_FALSE(kept.Spec(0).readOnly) << c.what;
            EXPECT_FALSE(kept.Spec(0).displayOnly) << c.what;
            EXPECT_TRUE(kept.PickList(0).empty()) << c.what;
            EXPECT_EQ(kept.Spec(1).kind, ColKind::Number) << c.what;
            EXPECT_TRUE(kept.Spec(1).tabStop) << c.what;
            EXPECT_TRUE(kept.Spec(2).readOnly) << c.what;
            EXPECT_EQ(kept.LastTabColumn(), 1) << c.what;
        }
    }
}

}  // namespace
}  // namespace cgt
