#include "calc/shown_boxes.h"

#include <gtest/gtest.h>

#include "base/rounding.h"
#include "store/fieldstore.h"

namespace cgt {
namespace {

TEST(ShownBoxesTest, BoxesHoldWhatTheyShowAndSaveIt) {
    ShownBoxes boxes;
    boxes.Add(1150, BoxKind::Dollars);
    boxes.Add(1151, BoxKind::Cents);
    boxes.Add(1152, BoxKind::Date);
    boxes.AddPassThrough(1153, BoxKind::Dollars);
    boxes.Set(1150, 12.5L);   // shown as 13
    boxes.Set(1151, 0.004L);  // shown as 0.00: the explicit zero
    boxes.SetText(1152, "01/07/2002");
    boxes.Set(1999, 7);  // no such box
    EXPECT_EQ(boxes.Value(1150), 13);
    EXPECT_EQ(boxes.Value(1151), kExplicitZero);
    EXPECT_EQ(boxes.Text(1152), "01/07/2002");
    EXPECT_EQ(boxes.Value(1999), 0);
    EXPECT_EQ(boxes.Text(1999), "");

    // Declared again, a box starts blank.
    boxes.Add(1150, BoxKind::Dollars);
    EXPECT_EQ(boxes.Value(1150), 0);
    boxes.Set(1150, 40);

    FieldStore store;
    store.SetFieldVal(1153, 99.6L);
    boxes.Save(store);
    EXPECT_EQ(store.GetFieldVal(1150), 40);
    EXPECT_EQ(store.GetFieldVal(1151), kExplicitZero);
    EXPECT_EQ(store.GetFieldStr(1152), "01/07/2002");
    EXPECT_EQ(store.GetFieldVal(1153), 100);  // loaded and saved back through its rounding
    EXPECT_EQ(store.FieldType(1999), dtNone);
}

TEST(ShownBoxesTest, DisabledBoxesAscendOnce) {
    ShownBoxes boxes;
    for (int t : {1160, 1155, 1160, 1170, 1155}) boxes.Disable(t);
    boxes.ZeroAndDisable({1150, 1165});
    EXPECT_EQ(boxes.DisabledTags(), (std::vector<int>{1150, 1155, 1160, 1165, 1170}));
    EXPECT_TRUE(boxes.Disabled(1165));
    EXPECT_FALSE(boxes.Disabled(1161));
}

}  // namespace
}  // namespace cgt
