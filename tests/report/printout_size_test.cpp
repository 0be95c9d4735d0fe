// The printouts at an investor's size: every row of a long table once and in
// order, every figure whole in its column, lists that outgrow their boxes
// going on over further pages, and no amount in exponent form.
#include <gtest/gtest.h>

#include <QPainter>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "report/field_values.h"
#include "report/script_resources.h"
#include "report/txreport.h"
#include "report_fixture.h"
#include "store/fieldstore.h"
#include "store/tags.h"
#include "text_recorder.h"

namespace cgt::test {
namespace {

constexpr int kChoiceCols = 21;

// A choice table row: its description, type, loss and net gain (the rest
// blank).
std::vector<std::string> ChoiceRow(const std::string& description, const std::string& loss,
                                   const std::string& netGain) {
    std::vector<std::string> row(kChoiceCols);
    row[1] = description;
    row[2] = "SN";
    row[8] = loss;
    row[16] = netGain;
    return row;
}

void SetRows(FieldStore& s, int tag, const std::vector<std::vector<std::string>>& rows) {
    auto cells = std::make_shared<TextList>();
    for (const auto& row : rows) cells->insert(cells->end(), row.begin(), row.end());
    s.SetFieldLst(tag, cells);
}

// Every section of a printout laid out for `s`, its fields filled.
std::unique_ptr<TXReport> LaidOut(const std::string& script, const FieldStore& s) {
    GuiApp();
    auto r = std::make_unique<TXReport>(A4Metrics(TextRecorder::kDpi));
    r->UnitFactor = 0.1;
    r->editFieldsActive = false;
    r->fields = &s;
    const Script stored = ReadScript(LoadScriptResource(script));
    r->AddScript(stored, 1, int(stored.sections.size()));
    FillAllPages(*r, s);
    return r;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// The lines of pages `first` to `last` (every page when 0) that start with `prefix`.
std::vector<std::string> LinesStarting(const TXReport& r, const std::string& prefix, int first = 1, int last = 0) {
    std::vector<std::string> out;
    for (int n = first; n <= (last ? last : r.PageCount()); ++n)
        for (const std::string& line : Lines(r.PageText(n)))
            if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
}

std::vector<std::string> Numbered(const std::string& prefix, int from, int to, const std::string& suffix = "") {
    std::vector<std::string> out;
    for (int i = from; i <= to; ++i) out.push_back(prefix + std::to_string(i) + suffix);
    return out;
}

std::unique_ptr<TextRecorder> Drawn(TXReport& r, int page) {
    auto device = std::make_unique<TextRecorder>();
    QPainter p(device.get());
    r.DrawPage(page, p, true, 1.0, true);
    p.end();
    return device;
}

TEST(LongTables, EveryRowPrintsOnceAndInOrder) {
    // 2,600 rows of a choice table; the 257th must not print row 1 again.
    FieldStore s;
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= 2600; ++i) rows.push_back(ChoiceRow("Parcel " + std::to_string(i), std::to_string(i), ""));
    SetRows(s, kTagChoiceGrid, rows);
    const auto r = LaidOut("CGTCHOICE", s);
    EXPECT_EQ(LinesStarting(*r, "Parcel "), Numbered("Parcel ", 1, 2600));
    // Each row's loss once, and the total of them all: 2,600 x 2,601 / 2.
    EXPECT_EQ(LinesStarting(*r, "2600.00").size(), 1u);
    EXPECT_EQ(LinesStarting(*r, "3381300.00").size(), 1u);

    // The trust table of the short-form printout, past its 256th trust.
    FieldStore t;
    std::vector<std::vector<std::string>> trusts;
    for (int i = 1; i <= 300; ++i) {
        std::vector<std::string> row(41);
        row[0] = "Trust " + std::to_string(i);
        row[2] = "10";
        trusts.push_back(row);
    }
    SetRows(t, kTagTrustTable, trusts);
    const auto d = LaidOut("CGTDISEV", t);
    EXPECT_EQ(LinesStarting(*d, "Trust "), Numbered("Trust ", 1, 300));
    EXPECT_EQ(LinesStarting(*d, "3000.00").size(), 1u);
}

TEST(LongTables, FullRowKeptInTheLaidOutRecord) {
    FieldRecord cell;
    for (const int row : {0, 7, 254, 255, 256, 999'999}) {
        cell.row = row;
        EXPECT_EQ(FieldRecord::Of(cell.Record()).row, row);
    }
    // The stored form of a row below 255 is the one byte old scripts hold:
    // the rest of the record is as a script without rows would have it.
    cell.row = 7;
    FieldRecord none;
    TPageRec a = cell.Record(), b = none.Record();
    int differing = 0;
    for (std::size_t i = 0; i < kPageRecSize; ++i) differing += a.b[i] != b.b[i];
    EXPECT_EQ(differing, 1);
}

TEST(FiguresWhole, WiderThanTheirColumnInASmallerTypeface) {
    FieldStore s;
    SetRows(s, kTagChoiceGrid,
            {ChoiceRow("Shares in a large holding", "50199364", "123453539"), ChoiceRow("A parcel", "", "1"),
             ChoiceRow("The import limit", "", "999999999999999.99")});
    auto r = LaidOut("CGTCHOICE", s);
    ASSERT_EQ(r->PageCount(), 1);
    const auto page = Drawn(*r, 1);
    const struct {
        const char* figure;
        std::size_t times;  // the row's cell and the column's total
        int left, right;    // the column's cell, script units
    } cases[] = {
        {"50199364.00", 2, 1115, 1218},
        {"123453539.00", 1, 1700, 1813},
        {"999999999999999.99", 1, 1700, 1813},
    };
    for (const auto& c : cases) {
        const auto found = page->Find(QString::fromLatin1(c.figure));
        EXPECT_EQ(found.size(), c.times) << c.figure;
        for (const DrawnText& d : found) {
            EXPECT_GE(d.at.x(), TextRecorder::Units(c.left) - 1) << c.figure;
            EXPECT_LE(d.Right(), TextRecorder::Units(c.right) + 1) << c.figure;
        }
    }
    // The net gain total: 123,453,539 + 1 + 999,999,999,999,999.99.
    EXPECT_EQ(page->Find("1000000123453539.99").size(), 1u);
    // No item holds a piece of a figure.
    for (const DrawnText& d : page->drawn)
        EXPECT_FALSE(d.text == "0199364.00" || d.text == "23453539.00") << d.text.toStdString();
}

TEST(FiguresWhole, DescriptionsOneLineShortenedWithAnEllipsis) {
    FieldStore s;
    const std::string name = "Unit trust with a very long name indeed, held through a nominee company - Trust Oth/Dis";
    SetRows(s, kTagChoiceGrid, {ChoiceRow(name, "", "25"), ChoiceRow("Next row", "", "1")});
    auto r = LaidOut("CGTCHOICE", s);
    const auto page = Drawn(*r, 1);
    int shortened = 0;
    for (const DrawnText& d : page->drawn) {
        if (!d.text.startsWith("Unit trust with")) continue;
        ++shortened;
        EXPECT_TRUE(d.text.endsWith(QChar(0x2026))) << d.text.toStdString();
        EXPECT_LE(d.Right(), TextRecorder::Units(515) + 1);
    }
    EXPECT_EQ(shortened, 1) << "one line, not wrapped onto the next row";
    for (const DrawnText& d : page->drawn) EXPECT_FALSE(d.text.contains("Oth/Dis")) << d.text.toStdString();
}

TEST(FiguresWhole, GroupCellsInCentsAsTheirTotals) {
    FieldStore s;
    std::vector<std::string> row = ChoiceRow("Parcel", "", "4782.50");
    row[3] = "      9385";
    row[4] = "9565";
    SetRows(s, kTagChoiceGrid, {row});
    const auto r = LaidOut("CGTCHOICE", s);
    const std::string text = r->PageText(1);
    for (const char* figure : {"\n9385.00\n", "\n9565.00\n", "\n4782.50\n", "\nSN\n"})
        EXPECT_NE(text.find(figure), std::string::npos) << figure << text;
}

TEST(FiguresWhole, NeverInExponentForm) {
    FieldStore s;
    s.SetFieldVal(kTagSchedNetCapitalGain, 123456789);
    s.SetFieldVal(kTagCapitalLoss, -1e15L);
    FieldRecord field;
    field.kind = 1;
    const struct {
        int tag;
        DataType type;
        const char* shown;
    } cases[] = {{kTagSchedNetCapitalGain, dtCurrency, "123456789"},
                 {kTagCapitalLoss, dtCurrency, "1000000000000000"},
                 {kTagSchedNetCapitalGain, dtCurrencyCnt, "123456789.00"}};
    // The stored text keeps the form stored files and the host read.
    EXPECT_EQ(s.FieldAsText(kTagSchedNetCapitalGain), "1.2345679E8");
    for (const auto& c : cases) {
        s.SetFieldType(c.tag, c.type);
        field.tag = c.tag;
        EXPECT_EQ(ResolveField(s, field.Record()), c.shown);
    }
}

// A worksheet's cost base elements (12 cells a row).
FieldStore WithCostElements(int count) {
    FieldStore s;
    s.SetFieldStr(kTagAssetDescription, "BHP 1,000 shares");
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= count; ++i) {
        std::vector<std::string> row(12);
        row[0] = "01/07/2001";
        row[1] = "Element " + std::to_string(i);
        row[2] = std::to_string(i * 1000) + ".00";
        rows.push_back(row);
    }
    SetRows(s, kTagWorksheetGrid, rows);
    return s;
}

TEST(ListsGoOn, CostElementsPastTheBoxOnTheNextPage) {
    const FieldStore s = WithCostElements(41);
    auto r = LaidOut("CGTWSHT", s);
    ASSERT_EQ(r->PageCount(), 2);
    EXPECT_EQ(LinesStarting(*r, "Element ", 1, 1), Numbered("Element ", 1, 20));
    EXPECT_EQ(LinesStarting(*r, "Element ", 2, 2), Numbered("Element ", 21, 41));
    EXPECT_NE(r->PageText(1).find("21 more rows are listed on the pages that follow.\n"), std::string::npos);
    const std::string next = r->PageText(2);
    EXPECT_NE(next.find("Cost base elements (continued)\nBHP 1,000 shares\n"), std::string::npos) << next;
    EXPECT_NE(next.find("Description of expenditure\n"), std::string::npos) << "column titles repeated";
    EXPECT_NE(next.find("\n41000.00\n"), std::string::npos);
    // On the first page the list stays inside its box (which ends 1100
    // units down, 11 mm above the totals).
    const auto page = Drawn(*r, 1);
    for (const DrawnText& d : page->drawn) {
        if (d.text.startsWith("Element ") || d.text == "01/07/2001") {
            EXPECT_LT(d.at.y(), TextRecorder::Units(1100)) << d.text.toStdString();
        }
    }

    // Twenty fit the box: one page, no note.
    auto fits = LaidOut("CGTWSHT", WithCostElements(20));
    EXPECT_EQ(fits->PageCount(), 1);
    EXPECT_EQ(fits->PageText(1).find("more rows"), std::string::npos);
}

TEST(ListsGoOn, HistoryLinesPastTheBoxOnTheNextPage) {
    FieldStore s;
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= 68; ++i) {
        std::vector<std::string> row(23);
        row[0] = "2001/07/01";
        row[4] = "Payment " + std::to_string(i);
        row[16] = "1000000.00";
        rows.push_back(row);
    }
    SetRows(s, kTagHistoryGrid, rows);
    auto r = LaidOut("CGTNASS", s);
    ASSERT_EQ(r->PageCount(), 2);
    EXPECT_EQ(LinesStarting(*r, "Payment ", 1, 1), Numbered("Payment ", 1, 43));
    EXPECT_EQ(LinesStarting(*r, "Payment ", 2, 2), Numbered("Payment ", 44, 68));
    EXPECT_NE(r->PageText(1).find("25 more rows are listed on the pages that follow.\n"), std::string::npos);
    // A million prints whole in its narrow column on both pages.
    for (int n = 1; n <= 2; ++n) {
        const auto page = Drawn(*r, n);
        const auto found = page->Find("1000000.00");
        EXPECT_EQ(found.size(), n == 1 ? 43u : 25u);
        for (const DrawnText& d : found) {
            EXPECT_GE(d.at.x(), TextRecorder::Units(1278) - 1);
            EXPECT_LE(d.Right(), TextRecorder::Units(1370) + 1);
        }
    }
}

TEST(ListsGoOn, OnePageChoiceFormSaysWhatDidNotFit) {
    FieldStore s;
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= 2600; ++i) rows.push_back(ChoiceRow("Parcel " + std::to_string(i), "", ""));
    SetRows(s, kTagChoiceGrid, rows);
    auto r = LaidOut("CGTCHOICEOLD", s);
    ASSERT_EQ(r->PageCount(), 1);
    EXPECT_EQ(LinesStarting(*r, "Parcel "), Numbered("Parcel ", 1, 77));
    EXPECT_NE(r->PageText(1).find("2,523 more rows of the choice table did not fit on this page: every row is "
                                  "printed on the Capital Gains Choice Table Summary.\n"),
              std::string::npos);
    const auto page = Drawn(*r, 1);
    for (const DrawnText& d : page->drawn) {
        if (d.text.startsWith("Parcel ")) {
            EXPECT_LT(d.at.y(), TextRecorder::Units(2600)) << d.text.toStdString();
        }
    }
}

}  // namespace
}  // namespace cgt::test
