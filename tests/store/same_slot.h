#pragma once
// Two slots alike in everything a slot holds (a list by its lines).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "store/datatype.h"

namespace cgt::test {

inline void ExpectSameSlot(const Slot& a, const Slot& b, const std::string& what) {
    EXPECT_EQ(a.type, b.type) << what;
    EXPECT_EQ(a.number, b.number) << what;
    EXPECT_EQ(std::signbit(a.number), std::signbit(b.number)) << what;
    EXPECT_EQ(a.checked, b.checked) << what;
    EXPECT_EQ(a.longText, b.longText) << what;
    EXPECT_EQ(a.smallText, b.smallText) << what;
    ASSERT_EQ(bool(a.list), bool(b.list)) << what;
    if (a.list) {
        EXPECT_EQ(*a.list, *b.list) << what;
    }
    EXPECT_EQ(bool(a.worksheet), bool(b.worksheet)) << what;
}

}  // namespace cgt::test
