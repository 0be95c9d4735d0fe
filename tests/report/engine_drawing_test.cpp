// Field values, the fill pass, drawing on a picture, printing order and PDF.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "report/field_values.h"
#include "report/form_field.h"
#include "report/txreport.h"
#include "report_fixture.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt::test {
namespace {

TPageRec Field(int tag, int kind, int cols = 0, int column = 0) {
    TPageRec r;
    r.SetType(rec::kField);
    r.SetI16(3, std::int16_t(tag));
    r.SetU8(7, std::uint8_t(kind));
    r.SetU8(2, std::uint8_t(cols));
    r.SetI16(5, std::int16_t(column));
    return r;
}

TEST(FieldValues, Resolved) {
    FieldStore s;
    s.SetFieldVal(kTagCapitalLoss, -1250);
    s.SetFieldVal(kTagDiscountGain, 4655);
    s.SetFieldStr(kTagAssetDescription, "-BHP");
    auto cells = std::make_shared<TextList>();
    for (int i = 0; i < 25; ++i) cells->push_back("c" + std::to_string(i));
    s.SetFieldLst(kTagWorksheetGrid, cells);
    s.SetFieldLst(kTagNotes, std::make_shared<TextList>(TextList{"first", "second"}));
    const struct {
        const char* name;
        TPageRec field;
        const char* text;
    } cases[] = {
        {"NegativeLosesItsSign", Field(kTagCapitalLoss, 0), "1250"},
        {"LossMarkOfANegative", Field(kTagCapitalLoss, kind::kLossMark), "L"},
        {"LossMarkOfAPositive", Field(kTagDiscountGain, kind::kLossMark), " "},
        {"LossMarkOfNothing", Field(kTagIndexedGain, kind::kLossMark), " "},
        {"TextLosesOneDash", Field(kTagAssetDescription, 1), "BHP"},
        {"WholeList", Field(kTagNotes, kind::kWholeList), "first\nsecond"},
        // 25 cells in rows of 12: three rows, the third holding cell 24 only.
        {"ColumnWithAShortLastRow", Field(kTagWorksheetGrid, kind::kListColumn, 12, 0), "c0\nc12\nc24"},
        {"ColumnPastTheLastCell", Field(kTagWorksheetGrid, kind::kListColumn, 12, 5), "c5\nc17\n"},
        {"ColumnOfAnEmptyList", Field(kTagRegisterGrid, kind::kListColumn, 12, 1), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ResolveField(s, c.field), c.text) << c.name;
}

TEST(FieldValues, FillPassTurnsTheLastPageFieldsIntoTexts) {
    FieldStore s;
    s.SetFieldVal(kTagDiscountGain, -4655);
    TXReport r(A4Metrics());
    const std::string gain = std::to_string(kTagDiscountGain);
    r.AddScript(Source("section 1 condition=0\n text \"a\"\n field " + gain +
                       " kind=0\nsection 2 condition=0\n field " + gain + " kind=7\n field " + gain + " kind=2\n"),
                1, 2);
    ASSERT_EQ(r.PageCount(), 2);
    FillLastPage(r, s);
    EXPECT_EQ(r.PageText(1), "a\n");  // page 1 keeps its field record
    EXPECT_EQ(r.PageText(2), "L\n4655\n");
    FillAllPages(r, s);
    EXPECT_EQ(r.PageText(1), "a\n4655\n");
}

// The page drawn on a white picture at 1 mm = 10 pixels.
QImage Draw(TXReport& r, bool printing) {
    QImage image(2100, 2970, QImage::Format_RGB32);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    image.fill(Qt::white);
    QPainter p(&image);
    r.DrawPage(1, p, true, 1.0, printing);
    return image;
}

TEST(EngineDrawing, FrameCoversItsMillimetresAtAnyResolution) {
    GuiApp();
    TXReport r(A4Metrics());
    r.UnitFactor = 0.1;
    r.SetLeftMargin(10);
    r.SetTopMargin(5);
    r.AddScript(Source("section 1 condition=0\n attributes brush=black pen=black pen-style=clear\n"
                       " rect 0 0 1860 2750\n"),
                1, 1);
    const QImage image = Draw(r, true);
    // 186 mm by 275 mm from (10 mm, 5 mm), grey (a black brush prints grey).
    const QColor grey(128, 128, 128);
    EXPECT_EQ(image.pixelColor(105, 55), grey);
    EXPECT_EQ(image.pixelColor(100 + 1858, 50 + 2748), grey);
    EXPECT_EQ(image.pixelColor(100 + 1865, 50 + 2748), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(105, 50 + 2755), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(95, 55), QColor(Qt::white));
}

TEST(EngineDrawing, FormFieldsDrawTheirValue) {
    GuiApp();
    FieldStore s;
    s.SetFieldVal(kTagDiscountGain, 4655);
    TXReport r(A4Metrics());
    r.UnitFactor = 0.1;
    r.SetLeftMargin(10);
    r.OnDrawField = FormFieldDrawer(s);
    r.AddScript(Source("section 1 condition=0\n position 100 100 600 160\n field " + std::to_string(kTagDiscountGain) +
                       " kind=1 box-flags=2\n caution 100 300 300 500\n"),
                1, 1);
    const QImage image = Draw(r, true);
    // The box's frame is black, its inside white but for the digits; the
    // caution sign is yellow.
    // The box runs from 10 to 56 mm (shortened for the cents mark) right of
    // the 10 mm margin, 10 to 16 mm down.
    EXPECT_EQ(image.pixelColor(100 + 300, 100), QColor(Qt::black));
    int dark = 0;
    for (int x = 100 + 300; x < 100 + 550; ++x)
        for (int y = 110; y < 150; ++y) dark += image.pixelColor(x, y).lightness() < 100;
    EXPECT_GT(dark, 50);
    EXPECT_EQ(image.pixelColor(100 + 200, 400), QColor(255, 255, 0));
}

TEST(EnginePrinting, PagesInOrderForEachCopy) {
    GuiApp();
    QTemporaryDir dir;
    TXReport r(A4Metrics());
    r.UnitFactor = 0.1;
    r.AddScript(Source("section 1 condition=0\n text \"1\"\nsection 2 condition=0\n text \"2\"\n"
                       "section 3 condition=0\n text \"3\"\n"),
                1, 3);
    r.NumbOfCopies = 2;
    std::vector<int> printed;
    r.OnPagePrinted = [&] { printed.push_back(r.PagePrinting()); };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("print.pdf"));
    EXPECT_TRUE(r.Print({2, 3, 300}, printer));
    EXPECT_EQ(printed, (std::vector<int>{2, 3, 2, 3}));
    // Cancel between pages ends the job.
    printed.clear();
    r.OnPagePrinted = [&] {
        printed.push_back(r.PagePrinting());
        r.Abort();
    };
    EXPECT_FALSE(r.Print({1, 2, 3}, printer));
    EXPECT_EQ(printed, std::vector<int>{1});
}

TEST(EnginePrinting, PdfHasEveryPage) {
    GuiApp();
    QTemporaryDir dir;
    TXReport r(A4Metrics());
    r.UnitFactor = 0.1;
    r.AddScript(Source("section 1 condition=0\n text \"one\"\nsection 2 condition=0\n text \"two\"\n"), 1, 2);
    const QString path = dir.filePath("out.pdf");
    ASSERT_TRUE(r.WritePdf(path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 2);
    EXPECT_FALSE(r.WritePdf(dir.filePath("no/such/dir/out.pdf")));
}

}  // namespace
}  // namespace cgt::test
