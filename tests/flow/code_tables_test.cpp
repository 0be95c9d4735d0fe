// The item lists of the asset block screens by worksheet type.
#include "flow/code_tables.h"

#include <gtest/gtest.h>

#include "calc/asset_codes.h"
#include "store/tags.h"

namespace cgt::test {
namespace {

std::vector<std::string> Codes(const ItemList& items) {
    std::vector<std::string> codes;
    for (const std::string& i : items) codes.push_back(CodeOf(i));
    return codes;
}
using Codes_ = std::vector<std::string>;

TEST(CodeTables, AssetTypesOfferedByWorksheetType) {
    const struct {
        int type;
        Codes_ codes;
    } cases[] = {{451, {"SA", "SN"}},
                 {452, {"UA", "UN", "OA", "ON"}},
                 {453, {"OA", "ON"}},
                 {454, {"RA", "RN"}},
                 {455, {"A", "P"}},
                 {456, {"G", "OA", "ON"}},
                 {457, {"OA", "ON"}},
                 {458, {"P", "ON"}},
                 {461, {"UA", "UN", "SA", "SN", "RA", "RN", "G", "A", "P", "OA", "ON"}},
                 {459, {}},
                 {462, {}}};
    for (const auto& c : cases) {
        EXPECT_EQ(Codes(AssetTypeItems(c.type)), c.codes) << c.type;
        // Every item names a type the calculations know, active or not.
        for (const std::string& code : Codes(AssetTypeItems(c.type, TypeListScreen::Event)))
            EXPECT_TRUE(IsActiveType(code) || IsNonActiveType(code)) << c.type << " " << code;
    }
}

TEST(CodeTables, ItemTextsThatDifferBetweenScreensAndTypes) {
    EXPECT_EQ(AssetTypeItems(kWsPersonalUse)[0], "A  - Collectables");
    EXPECT_EQ(AssetTypeItems(kWsDepreciating)[0], "P - Personal use asset");
    EXPECT_EQ(AssetTypeItems(kWsTrustInterest)[3], "ON - Non-active asset - Other trust");
    EXPECT_EQ(AssetTypeItems(kWsOtherAssets)[2], "ON - Non-active asset - Other asset or CGT event");
    EXPECT_EQ(AssetTypeItems(kWsOtherAssets, TypeListScreen::Event)[2],
              "ON - Non-active asset - Other asset CGT event");
    EXPECT_EQ(AssetTypeItems(kWsCeasingResidency)[6], "G  - Goodwill");
    EXPECT_EQ(AssetTypeItems(kWsCeasingResidency)[8], "P  - Personal-use assets");
}

TEST(CodeTables, NonActiveItemChosenForADescriptionWithoutAType) {
    const struct {
        int type;
        std::optional<int> index;
        const char* code;
    } cases[] = {{451, 1, "SN"}, {452, 1, "UN"}, {453, 1, "ON"},  {454, 1, "RN"}, {456, 2, "ON"},
                 {457, 1, "ON"}, {458, 1, "ON"}, {461, 10, "ON"}, {455, {}, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(NonActiveItemIndex(c.type), c.index) << c.type;
        if (c.index) {
            EXPECT_EQ(CodeOf(AssetTypeItems(c.type).at(std::size_t(*c.index))), c.code) << c.type;
        }
    }
}

TEST(CodeTables, EventsOfferedByWorksheetType) {
    const struct {
        int type;
        Codes_ codes;
    } cases[] = {
        {451, {"A1", "C2", "E1", "E2", "G2", "G3", "K4", "K6"}},
        {452, {"A1", "C2", "E1", "E2", "K3", "K4", "K6"}},
        {454, {"A1", "B1", "C1", "E1", "E2", "K3", "K4"}},
        {455, {"A1", "B1", "C1", "K3", "K4", "K5"}},
        {456, {"A1", "B1", "C1", "C2", "C3", "D1", "D2", "D3", "E1", "E2", "F1", "F2", "F3", "F5", "K3", "K4"}},
        {457, {"A1", "B1", "C1", "C2", "C3", "D1", "D2", "D3", "K3", "K4"}},
        {461, {"I1"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Codes(EventItems(c.type)), c.codes) << c.type;
    // A type without a list of its own keeps every event of the definition.
    EXPECT_EQ(EventItems(kWsOtherTrust), AllEventItems());
    EXPECT_EQ(AllEventItems().size(), 38u);
    EXPECT_EQ(AllEventItems()[2], "C1- Loss or destruction of a CGT asset");
    EXPECT_EQ(EventItems(kWsCreatedRights)[0], "A1 - disposal or assignment");
    EXPECT_EQ(EventItems(kWsRealEstate)[5], "K3 - asset passes to a tax-advantaged entity");
    // C3 keeps its non-breaking space.
    EXPECT_EQ(EventItems(kWsOtherAssets)[4],
              "C3 - End of an option to acquire shares and so\xA0on *Does not apply to individual taxpayers");
}

TEST(CodeTables, CostElementsByWorksheetTypeAndTheirHelpTopics) {
    const struct {
        int type;
        Codes_ codes;
    } cases[] = {{451, {"1", "1D", "2A", "2B", "3A", "5"}},
                 {452, {"1", "1D", "2A", "2B", "3A", "5"}},
                 {454, {"1", "2A", "2B", "3A", "3B", "4", "5", "6C", "6R"}},
                 {455, {"1", "2A", "2B", "4", "5"}},
                 {457, {"1", "2A", "2B", "3A", "3B", "4", "5", "6C", "6R"}},
                 {461, {"1", "1D", "2A", "2B", "3A", "3B", "4", "5", "6C", "6R"}},
                 {462, {"1", "1D", "2A", "2B", "3A", "3B", "4", "5"}}};
    for (const auto& c : cases) EXPECT_EQ(Codes(CostElementItems(c.type)), c.codes) << c.type;
    EXPECT_EQ(CostElementItems(kWsShares)[1], "1D - Instalment payment");
    EXPECT_EQ(CostElementItems(kWsTrustInterest)[1], "1D - Purchase by instalments");
    EXPECT_EQ(CostElementItems(kWsCreatedRights)[0], "1 - Original Purchase");
    EXPECT_EQ(CostElementItems(kWsRealEstate)[1], "2A - Incidentals re holding and acquisition");
    EXPECT_EQ(CostElementItems(kWsShares)[2], "2A - Incidentals re holding & acquisition");

    const struct {
        const char* code;
        int topic;
    } topics[] = {{"1", 21}, {"1D", 378}, {"2A", 22},  {"2B", 379}, {"3A", 23}, {"3B", 24},
                  {"4", 25}, {"5", 26},   {"6C", 380}, {"6R", 381}, {"", 0},    {"7", 0}};
    for (const auto& t : topics) EXPECT_EQ(CostElementHelpTopic(t.code), t.topic) << t.code;
}

}  // namespace
}  // namespace cgt::test
