// The asset type classes: what each code is to the loss pools, the
// calculation screens' radio groups and the manual table's sections.
#include "calc/asset_codes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calc/entry_tables.h"

namespace cgt::test {
namespace {

struct TypeCase {
    const char* code;
    bool active, nonActive, collectable;
    int activeChoice, typeChoice;  // "Active" 0 / "Non-active" 1; "Shares/units" 0 .. "Collectable" 3
    const char* manualSection;
};

const TypeCase kTypeCases[] = {
    {"UA", true, false, false, 0, 0, "Fixed trust"},
    {"UN", false, true, false, 1, 0, "Fixed trust"},
    {"SA", true, false, false, 0, 0, "Shares"},
    {"SN", false, true, false, 1, 0, "Shares"},
    {"RA", true, false, false, 0, 1, "Real estate"},
    {"RN", false, true, false, 1, 1, "Real estate"},
    {"G", true, false, false, 0, 2, "Intellectual"},
    {"A", false, true, true, 1, 3, "Personal use"},
    {"P", false, true, false, 1, 2, "Personal use"},
    {"OA", true, false, false, 0, 2, "Other assets"},
    {"ON", false, true, false, 1, 2, "Other assets"},
    {"Z", false, false, false, -1, -1, "Not Allocated"},
    {"S", false, false, false, -1, -1, "Not Allocated"},
    {"sn", false, false, false, -1, -1, "Not Allocated"},
    {"", false, false, false, -1, -1, ""},
};

TEST(AssetCodes, EachTypeCodeIsOfItsClass) {
    for (const TypeCase& c : kTypeCases) {
        SCOPED_TRACE(std::string("code \"") + c.code + "\"");
        EXPECT_EQ(IsActiveType(c.code), c.active);
        EXPECT_EQ(IsNonActiveType(c.code), c.nonActive);
        EXPECT_EQ(IsCollectableType(c.code), c.collectable);
        EXPECT_EQ(ActiveChoiceOf(c.code), c.activeChoice);
        EXPECT_EQ(TypeChoiceOf(c.code), c.typeChoice);
        EXPECT_EQ(ManualSectionName(c.code), c.manualSection);
    }
}

TEST(AssetCodes, TheTableHoldsEachCodeOnce) {
    std::set<std::string> codes;
    for (const AssetTypeClass& c : AssetTypeClasses()) {
        EXPECT_TRUE(codes.insert(c.code).second) << c.code;
        EXPECT_EQ(AssetTypeClassOf(c.code), &c) << c.code;
    }
    EXPECT_EQ(codes, (std::set<std::string>{"UA", "UN", "SA", "SN", "RA", "RN", "G", "A", "P", "OA", "ON"}));
}

}  // namespace
}  // namespace cgt::test
