// Laying scripts out into pages: conditions, bands, furniture, navigation.
#include <gtest/gtest.h>

#include "report/txreport.h"
#include "report_fixture.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt::test {
namespace {

// The furniture's signature line, as a page's text shows it.
const std::string kSignature = "Signature . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . .";

// The types of a page's records after its header, as one string.
std::string Types(const TXReport& r, int page) {
    std::string out;
    for (std::size_t i = r.PageBegin(page) + 1; i < r.PageEnd(page); ++i) out += r.Record(i).Type();
    return out;
}

// A list field of `rows` rows of `cols` cells each.
void SetList(FieldStore& s, int tag, int rows, int cols) {
    auto list = std::make_shared<TextList>();
    for (int i = 0; i < rows * cols; ++i) list->push_back("c" + std::to_string(i));
    s.SetFieldLst(tag, list);
}

const char* const kTwoPages = R"(section 1 condition=0 layout=absolute height=2680
  position 0 0 100 100
  text "one"
section 2 condition=0 layout=absolute height=2680
  position 0 0 100 100
  text "two"
)";

TEST(EngineLayout, SectionsChosenByNumber) {
    const struct {
        int first, last, pages;
        const char* lastText;
    } cases[] = {{1, 2, 2, "two\n"}, {2, 2, 1, "two\n"}, {1, 1, 1, "one\n"}, {1, 9, 2, "two\n"}};
    for (const auto& c : cases) {
        TXReport r(A4Metrics());
        r.AddScript(Source(kTwoPages), c.first, c.last);
        EXPECT_EQ(r.PageCount(), c.pages) << c.first << "-" << c.last;
        EXPECT_EQ(r.PageText(r.PageCount()), c.lastText);
        // Absolute pages of condition 0 carry no furniture.
        EXPECT_EQ(Types(r, r.PageCount()), "#T");
    }
}

TEST(EngineLayout, GoToPageClamps) {
    TXReport r(A4Metrics());
    r.GoToPage(3);  // nothing laid out: nothing happens
    EXPECT_EQ(r.CurrentPage(), 0);
    r.AddScript(Source(kTwoPages), 1, 2);
    const std::pair<int, int> cases[] = {{0, 1}, {-4, 1}, {2, 2}, {3, 2}, {1, 1}, {99, 2}};
    for (const auto& [asked, shown] : cases) {
        r.GoToPage(asked);
        EXPECT_EQ(r.CurrentPage(), shown) << asked;
    }
    r.Clear();
    EXPECT_EQ(r.PageCount(), 0);
    EXPECT_EQ(r.CurrentPage(), 0);
    EXPECT_EQ(r.PagesLaidOut(), 0);
}

// A band section on list 803 of 3 columns, header 200, rows of 100, footer 100.
const char* const kBand = R"(section 1 condition=9999 layout=relative height=0
  page-band 2750
  position 0 0 1860 2750
  text "band"
  end-page-band
section 2 condition=803 layout=relative height=0
  group-header 200
  position 0 0 1000 200
  text "Heading"
  end-group-header
  group row-height=100 list=803 cols=3 min=2
  position 0 0 100 100
  field 803 kind=32 column=1
  field 803 kind=9 cols=3 column=2 box-flags=4
  field 803 kind=0 column=9999
  end-group
  group-footer 100
  field 803 kind=33 column=1
  end-group-footer
  text "outside the bands"
)";

TEST(EngineLayout, BandRowsOverflowWithTheHeaderRepeated) {
    FieldStore store;
    // 90 (furniture) + 200 + 23 rows of 100 = 2590; the 24th does not fit.
    SetList(store, kTagChoiceGrid, 30, 3);
    TXReport r(A4Metrics());
    r.fields = &store;
    r.AddScript(Source(kBand), 1, 2);
    ASSERT_EQ(r.PageCount(), 2);
    EXPECT_EQ(r.PagesLaidOut(), 2);
    const std::string page1 = r.PageText(1), page2 = r.PageText(2);
    // The page band and the furniture on every page the section opens.
    EXPECT_EQ(page1, "band\nTaxpayer Name\nTax File Number\n" + kSignature + "\nHeading\n");
    EXPECT_EQ(page2, page1);
    EXPECT_EQ(page1.find("outside"), std::string::npos);
    // Frame, page band from the top, the labels with the name and file
    // number boxes, the rule; then the group header.
    EXPECT_EQ(Types(r, 2).substr(0, 22), "AR##T#FT#S#FT#S#FTAL#T");
    std::vector<std::pair<int, int>> boxes;  // tag, box flags
    for (std::size_t i = r.PageBegin(2); i < r.PageEnd(2) && boxes.size() < 2; ++i)
        if (r.Record(i).Type() == rec::kField) boxes.emplace_back(r.Record(i).Tag(), r.Record(i).BoxFlags());
    EXPECT_EQ(boxes, (std::vector<std::pair<int, int>>{{kTagTaxpayerName, 1}, {kTagIdentity, 1}}));
    // Page headers chain the pages and carry the opening section.
    const TPageRec& second = r.Record(r.PageBegin(2));
    EXPECT_EQ(PageHeader::Of(r.Record(r.PageBegin(1))).next, std::int32_t(r.PageBegin(2)));
    const PageHeader header = PageHeader::Of(second);
    EXPECT_EQ(header.previous, std::int32_t(r.PageBegin(1)));
    EXPECT_EQ(header.next, std::int32_t(r.PageEnd(2)));
    EXPECT_EQ(header.number, 2);
    EXPECT_EQ(header.condition, kTagChoiceGrid);
    EXPECT_EQ(header.layout, 'R');
    // Rows carry their number; footer cells 255; the disabled column is gone.
    std::vector<int> rows;
    for (int page = 1; page <= 2; ++page)
        for (std::size_t i = r.PageBegin(page); i < r.PageEnd(page); ++i) {
            const TPageRec& f = r.Record(i);
            if (f.Type() != rec::kField || f.Tag() != kTagChoiceGrid) continue;
            EXPECT_NE(f.Column(), kColumnDisabled);
            EXPECT_EQ(f.BoxFlags(), 1);
            if (f.Kind() == kind::kGroupCell) rows.push_back(f.Row());
            if (f.Kind() == kind::kColumnTotal) {
                EXPECT_EQ(f.Row(), kFooterRow);
                EXPECT_EQ(page, 2);
            }
        }
    ASSERT_EQ(rows.size(), 30u);
    for (int i = 0; i < 30; ++i) EXPECT_EQ(rows[std::size_t(i)], i);
    // The first page holds 23 rows.
    int onFirst = 0;
    for (std::size_t i = r.PageBegin(1); i < r.PageEnd(1); ++i)
        onFirst += r.Record(i).Type() == rec::kField && r.Record(i).Kind() == kind::kGroupCell;
    EXPECT_EQ(onFirst, 23);
}

TEST(EngineLayout, BandWithoutEnoughRowsPrintsNothing) {
    for (int rows : {0, 1}) {
        FieldStore store;
        if (rows) SetList(store, kTagChoiceGrid, rows, 3);
        TXReport r(A4Metrics());
        r.fields = &store;
        r.AddScript(Source(kBand), 1, 2);
        EXPECT_EQ(r.PageCount(), 0) << rows;
    }
    // A list of 7 cells in rows of 3 has two whole rows: enough.
    FieldStore store;
    auto list = std::make_shared<TextList>(7, "x");
    store.SetFieldLst(kTagChoiceGrid, list);
    TXReport r(A4Metrics());
    r.fields = &store;
    r.AddScript(Source(kBand), 1, 2);
    EXPECT_EQ(r.PageCount(), 1);
}

TEST(EngineLayout, BandSectionPrintsByItsConditionAndSuppressingField) {
    // Printed when field 174 has data, over the rows of list 803, unless
    // field 175 has data.
    const char* const script = R"(section 1 condition=174 layout=relative height=0
  group row-height=100 list=803 cols=3 suppress=175
  position 0 0 100 100
  field 803 kind=32 column=0
  end-group
)";
    const struct {
        const char* name;
        bool condition, suppress;
        int pages;
    } cases[] = {{"Printed", true, false, 1}, {"NoConditionData", false, false, 0}, {"Suppressed", true, true, 0}};
    for (const auto& c : cases) {
        FieldStore store;
        SetList(store, kTagChoiceGrid, 2, 3);
        if (c.condition) store.SetFieldVal(kTagNetCapitalGain, 5);
        if (c.suppress) store.SetFieldVal(kTagLossesCarriedForward, 5);
        TXReport r(A4Metrics());
        r.fields = &store;
        r.AddScript(Source(script), 1, 1);
        EXPECT_EQ(r.PageCount(), c.pages) << c.name;
    }
}

TEST(EngineLayout, ConditionOnePrintsWhenAFieldHasData) {
    const char* const script = R"(section 1 condition=0 layout=absolute height=100
  text "first"
section 2 condition=1 layout=absolute height=100
  field 174 kind=0
  field 175 kind=0 column=9999
  text "when data"
section 3 condition=1 layout=absolute height=100
  text "no fields"
)";
    const struct {
        const char* name;
        int tag;
        const char* text;
    } cases[] = {{"NetGain", kTagNetCapitalGain, "first\nwhen data\nno fields\n"},
                 {"OnlyTheDisabledField", kTagLossesCarriedForward, "first\nno fields\n"},
                 {"Neither", 0, "first\nno fields\n"}};
    for (const auto& c : cases) {
        FieldStore store;
        if (c.tag) store.SetFieldVal(c.tag, 5);
        TXReport r(A4Metrics());
        r.fields = &store;
        r.AddScript(Source(script), 1, 3);
        // The sections fit below the first: one page.
        ASSERT_EQ(r.PageCount(), 1) << c.name;
        EXPECT_EQ(r.PageText(1), c.text) << c.name;
    }
}

TEST(EngineLayout, ConditionOneOpensAPageWhenItsNeedDoesNotFit) {
    // 100 units used; the limit is 2680.
    const struct {
        const char* name;
        int height, need;
        int pages;
    } cases[] = {{"Fits", 2000, 2580, 1},
                 {"OneUnitOver", 2000, 2581, 2},
                 {"NoNeedHeightFits", 2580, 0, 1},
                 {"NoNeedHeightOver", 2581, 0, 2}};
    for (const auto& c : cases) {
        TXReport r(A4Metrics());
        r.AddScript(Source("section 1 condition=0 height=100\n text \"first\"\n"
                           "section 2 condition=1 height=" +
                           std::to_string(c.height) + " need=" + std::to_string(c.need) + "\n text \"second\"\n"),
                    1, 2);
        ASSERT_EQ(r.PageCount(), c.pages) << c.name;
        // A page opened by a condition-1 section carries the furniture.
        if (c.pages == 2) {
            EXPECT_EQ(r.PageText(2), "Taxpayer Name\nTax File Number\n" + kSignature + "\nsecond\n");
        }
    }
}

TEST(EngineLayout, StoredScriptsByName) {
    TXReport r(A4Metrics());
    r.AddScript("CGTWSHT", 1, 1);
    EXPECT_EQ(r.PageCount(), 1);
    EXPECT_NE(r.PageText(1).find("Capital gains tax worksheet"), std::string::npos);
    EXPECT_THROW(r.AddScript("NOSUCHSCRIPT", 1, 1), std::runtime_error);
    EXPECT_EQ(r.PageCount(), 1);
}

TEST(EngineLayout, FieldTypesReportedOncePerRunOfATag) {
    TXReport r(A4Metrics());
    std::vector<std::pair<int, int>> seen;
    r.OnSetFieldType = [&](int tag, int k) { seen.emplace_back(tag, k); };
    const Script script = Source(
        "section 1\n field 710 kind=0\n field 710 kind=1\n field 714 kind=8\n field 714 kind=12\n field 1106 kind=2\n");
    r.AddScript(script, 1, 1);
    const std::vector<std::pair<int, int>> once = {{710, 0}, {714, 12}, {1106, 2}};
    EXPECT_EQ(seen, once);
    // A second script adds the types of its own fields only.
    seen.clear();
    r.AddScript(script, 1, 1);
    EXPECT_EQ(seen, once);
}

}  // namespace
}  // namespace cgt::test
