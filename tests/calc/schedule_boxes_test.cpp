// The schedule's box table: the layout the screen and the listing are built
// from holds together (each tag once, parts in order, rows whole, a method
// row's columns on consecutive tags).
#include "calc/schedule_boxes.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "store/tags.h"

namespace cgt::test {
namespace {

std::string Name(const ScheduleBox& b) {
    return std::string("Part ") + b.part->letter + " " + b.row + " column " + std::to_string(b.column) + " (tag " +
           std::to_string(b.tag) + ")";
}

TEST(ScheduleBoxes, EachTagOnceEachLetterOncePerPart) {
    std::set<int> tags;
    std::set<std::string> letters, listings;
    for (const ScheduleBox& b : ScheduleBoxes()) {
        SCOPED_TRACE(Name(b));
        EXPECT_TRUE(tags.insert(b.tag).second);
        if (*b.letter) {
            EXPECT_TRUE(letters.insert(std::string(1, b.part->letter) + b.letter).second);
        }
        if (b.listing) {
            EXPECT_TRUE(listings.insert(b.listing).second);
        }
        EXPECT_TRUE(b.column >= 0 && b.column < kScheduleColumns);
        // Only amounts are listed by `cgt calc`.
        EXPECT_EQ(b.listing != nullptr, b.kind == ScheduleBoxKind::Amount);
    }
}

TEST(ScheduleBoxes, PartsInFormOrderAndRowsWhole) {
    const auto parts = ScheduleParts();
    std::size_t part = 0;
    std::set<std::string> rowsSeen;
    const ScheduleBox* previous = nullptr;
    std::set<const SchedulePart*> partsWithBoxes;
    for (const ScheduleBox& b : ScheduleBoxes()) {
        SCOPED_TRACE(Name(b));
        while (part < parts.size() && &parts[part] != b.part) ++part;
        ASSERT_LT(part, parts.size()) << "a part out of order";
        partsWithBoxes.insert(b.part);
        const std::string row = std::string(1, b.part->letter) + b.row;
        const bool sameRow = previous && previous->part == b.part && std::string(previous->row) == b.row;
        if (sameRow) {
            EXPECT_GT(b.column, previous->column);
        } else {
            EXPECT_TRUE(rowsSeen.insert(row).second) << "a row split in two";
        }
        // A column with a box has its title, in a part with column titles.
        bool titled = false;
        for (const char* t : b.part->columns) titled = titled || *t;
        if (titled) {
            EXPECT_STRNE(b.part->columns[std::size_t(b.column)], "");
        }
        previous = &b;
    }
    EXPECT_EQ(partsWithBoxes.size(), parts.size());
    for (std::size_t i = 1; i < parts.size(); ++i) EXPECT_LT(parts[i - 1].letter, parts[i].letter);
}

// The schedule's calculation writes a method row as its indexation tag + k
// (tags.h); the table must put tag + k in column k.
TEST(ScheduleBoxes, MethodRowsKeepTheirColumnsOnConsecutiveTags) {
    std::map<std::string, int> firstTag;
    int rows = 0;
    for (const ScheduleBox& b : ScheduleBoxes()) {
        if (b.column == kScheduleTotalColumn || std::string(b.part->columns[0]) != "Indexation") continue;
        const std::string row = std::string(1, b.part->letter) + b.row;
        if (b.column == 0) {
            firstTag[row] = b.tag;
            ++rows;
            continue;
        }
        SCOPED_TRACE(Name(b));
        ASSERT_TRUE(firstTag.count(row));
        EXPECT_EQ(b.tag, firstTag[row] + b.column);
    }
    // Parts A (8 rows), D (4), E (3), G (3) and H (2).
    EXPECT_EQ(rows, 20);
}

}  // namespace
}  // namespace cgt::test
