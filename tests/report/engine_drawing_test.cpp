// Field values, the fill pass, drawing on a picture, printing order and PDF.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>

#include "report/field_values.h"
#include "report/form_field.h"
#include "report/report_style.h"
#include "report/txreport.h"
#include "report_fixture.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt::test {
namespace {

TPageRec Field(int tag, int kind, int cols = 0, int column = 0) {
    TPageRec r;
    r.SetType(rec::kField);
    FieldRecord f;
    f.tag = tag;
    f.kind = kind;
    f.columns = cols;
    f.column = column;
    r = f.Record();
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

// A white A4 picture at `dpi`.
QImage Picture(int dpi) {
    QImage image(int(std::ceil(210 * dpi / 25.4)), int(std::ceil(297 * dpi / 25.4)), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    return image;
}

// The page drawn on a white picture at 1 mm = 10 pixels.
QImage Draw(TXReport& r, bool printing) {
    QImage image = Picture(254);
    QPainter p(&image);
    r.DrawPage(1, p, true, 1.0, printing);
    return image;
}

TEST(EngineDrawing, FrameCoversItsMillimetresAtAnyResolution) {
    GuiApp();
    const struct {
        const char* name;
        int dpi;
        bool printing;
    } cases[] = {{"Screen96", 96, false}, {"Printer254", 254, true}, {"Printer300", 300, true}};
    for (const auto& c : cases) {
        TXReport r(A4Metrics());
        r.UnitFactor = 0.1;
        r.SetLeftMargin(10);
        r.SetTopMargin(5);
        r.AddScript(Source("section 1 condition=0\n attributes brush=black pen=black pen-style=clear\n"
                           " rect 0 0 1860 2750\n"),
                    1, 1);
        QImage image = Picture(c.dpi);
        {
            QPainter p(&image);
            r.DrawPage(1, p, true, 1.0, c.printing);
        }
        const double perMm = c.dpi / 25.4;
        // Grey (a black brush is grey in monochrome) from (10 mm, 5 mm) on,
        // 186 mm across the middle and 275 mm down it.
        const int midX = int(100 * perMm), midY = int(140 * perMm);
        int across = 0, down = 0, firstX = -1, firstY = -1;
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, midY) == QColor(128, 128, 128)) {
                ++across;
                if (firstX < 0) firstX = x;
            }
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(midX, y) == QColor(128, 128, 128)) {
                ++down;
                if (firstY < 0) firstY = y;
            }
        EXPECT_NEAR(across, 186 * perMm, 1.5) << c.name;
        EXPECT_NEAR(down, 275 * perMm, 1.5) << c.name;
        EXPECT_NEAR(firstX, 10 * perMm, 1) << c.name;
        EXPECT_NEAR(firstY, 5 * perMm, 1) << c.name;
    }
}

TEST(EngineDrawing, ColoursOnlyOnScreenWithEditFields) {
    GuiApp();
    const QColor red(255, 0, 0), rose(214, 173, 173), grey(128, 128, 128), silver(192, 192, 192);
    const struct {
        const char* name;
        bool printing, editCallback;
        const char* brush;
        QColor expected;
    } cases[] = {
        {"ScreenWithEditFields", false, true, "red", red},
        {"RoseOnScreen", false, true, "rose", rose},
        {"Printed", true, true, "red", grey},
        {"RosePrinted", true, true, "rose", silver},
        {"ScreenWithoutEditFields", false, false, "red", grey},
    };
    for (const auto& c : cases) {
        TXReport r(A4Metrics());
        r.UnitFactor = 0.1;
        if (c.editCallback)
            r.OnAddTaxEdit = [](int, const TPageRec&, QPainter&, const QRect&, double, double, double) {};
        r.AddScript(Source(std::string("section 1 condition=0\n attributes brush=") + c.brush +
                           " pen-style=clear\n rect 100 100 300 300\n"),
                    1, 1);
        const QImage image = Draw(r, c.printing);
        EXPECT_EQ(image.pixelColor(200, 200), c.expected) << c.name;
    }
}

TEST(EngineDrawing, TypefacesDrawnByTheirLiberationFaces) {
    GuiApp();
    const char* const faces[] = {"Liberation Sans", "Liberation Sans Narrow", "Liberation Mono", "Liberation Serif"};
    for (int face = 0; face < 4; ++face)
        EXPECT_EQ(QFontInfo(ReportFont(face, 10, 1)).family().toStdString(), faces[face]) << face;
    EXPECT_EQ(ReportTypefaceNamed(QStringLiteral("arial narrow")).toStdString(), "Liberation Sans Narrow");
    EXPECT_EQ(ReportTypefaceNamed(QStringLiteral("Wingdings")).toStdString(), "Wingdings");
}

// The box around the dark pixels of the top left of a picture.
QRect Ink(const QImage& image) {
    QRect ink;
    for (int y = 0; y < 1000; ++y)
        for (int x = 0; x < 1100; ++x)
            if (image.pixelColor(x, y).lightness() < 128) ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST(EngineDrawing, MarkupPlacesItsText) {
    GuiApp();
    // A rectangle from (10 mm, 10 mm); 10 pixels a millimetre.
    const struct {
        const char* name;
        int align;
        const char* text;
        int left, top;  // where the ink starts, in pixels, give or take 10
    } cases[] = {
        {"AtTheLeft", 3, "<T1>W", 100, 100},
        {"XFromTheLeft", 3, "<X500>W", 600, 100},
        {"YBelowTheTop", 3, "<Y300>W", 100, 400},
        {"SecondLine", 3, "<.>\\nW", 100, 100 + 95},       // a line of 24 points
        {"AgainstTheRight", 4, "<S10>W", 1000 - 35, 100},  // a W of 10 points
        {"NamedTypeface", 3, "<FCourier New;X100>W", 200, 100},
    };
    for (const auto& c : cases) {
        TXReport r(A4Metrics());
        r.UnitFactor = 0.1;
        r.AddScript(Source("section 1 condition=0\n font size=24 align=" + std::to_string(c.align) +
                           "\n position 100 100 1000 900\n text \"" + c.text + "\"\n"),
                    1, 1);
        const QRect ink = Ink(Draw(r, true));
        ASSERT_FALSE(ink.isNull()) << c.name;
        EXPECT_NEAR(ink.left(), c.left, 25) << c.name;
        EXPECT_NEAR(ink.top(), c.top, 40) << c.name;
        EXPECT_LE(ink.right(), 1000) << c.name;
    }
}

TEST(EngineDrawing, MarkupCommandWithABadNumberBeeps) {
    GuiApp();
    const struct {
        const char* name;
        const char* text;
        int beeps;
    } cases[] = {{"Good", "<S12;T1;C10;X100;Y9999;L15>W", 0}, {"SizeOfFourDigits", "<S1234>W", 1},
                 {"XOfFiveDigits", "<X12345>W", 1},           {"StyleNotANumber", "<Tb>W", 1},
                 {"ColourAndSize", "<C1x;S2a>W", 2},          {"BadSpacingIsTen", "<Lxx>W", 0}};
    for (const auto& c : cases) {
        TXReport r(A4Metrics());
        r.UnitFactor = 0.1;
        int beeps = 0;
        r.OnBeep = [&] { ++beeps; };
        r.AddScript(Source(std::string("section 1 condition=0\n font align=3\n position 100 100 1000 900\n text \"") +
                           c.text + "\"\n"),
                    1, 1);
        Draw(r, true);
        EXPECT_EQ(beeps, c.beeps) << c.name;
    }
}

TEST(EngineDrawing, RepeatsOfOtherShapesGoToTheCallback) {
    GuiApp();
    TXReport r(A4Metrics());
    r.UnitFactor = 0.1;
    std::vector<std::pair<char, QRect>> calls;
    r.OnDrawField = [&](char type, const TPageRec&, QPainter&, const QRect& rect, double, double, double) {
        calls.emplace_back(type, rect);
    };
    // A field after a text is what its repeat repeats.
    r.AddScript(Source("section 1 condition=0\n caution 100 100 200 200\n repeat 100 0\n"
                       " rounded 100 300 200 400\n repeat 0 100\n rect 100 600 200 700\n repeat 100 0\n"
                       " text \"t\"\n position 100 800 200 900\n field 174 kind=0\n repeat 0 100\n"),
                1, 1);
    Draw(r, true);
    // 10 pixels a millimetre: 10 units = 1 mm.
    const std::vector<std::pair<char, QRect>> expected = {{'1', QRect(QPoint(100, 100), QPoint(200, 200))},
                                                          {'1', QRect(QPoint(200, 100), QPoint(300, 200))},
                                                          {'D', QRect(QPoint(100, 400), QPoint(200, 500))},
                                                          {'S', QRect(QPoint(100, 800), QPoint(200, 900))},
                                                          {'S', QRect(QPoint(100, 900), QPoint(200, 1000))}};
    EXPECT_EQ(calls, expected);
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
                       " kind=1 box-flags=2\n caution 100 300 300 500\n position 100 600 600 700\n field " +
                       std::to_string(kTagWorksheetGrid) + " kind=9 cols=0\n"),
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
    // A list column without a row width: its box, empty.
    EXPECT_EQ(image.pixelColor(100 + 300, 600), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(100 + 300, 650), QColor(Qt::white));
}

// How far right of `from` the ink of row `y` reaches.
int InkReach(const QImage& image, int from, int y0, int y1) {
    int reach = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = from; x < image.width(); ++x)
            if (image.pixelColor(x, y).lightness() < 128) reach = std::max(reach, x - from);
    return reach;
}

TEST(EngineDrawing, CentsMarkScalesWithTheZoom) {
    GuiApp();
    TXReport r(A4Metrics());
    r.UnitFactor = 0.1;
    // A boxed blank amount: the box ends 40 units short for its cents mark.
    r.AddScript(Source("section 1 condition=0\n font size=10\n position 100 100 600 160\n"
                       " text \"\" box-flags=2 boxed\n"),
                1, 1);
    int reach[2];
    for (int i = 0; i < 2; ++i) {
        const double zoom = i == 0 ? 1.0 : 0.5;
        QImage image = Picture(254);
        {
            QPainter p(&image);
            r.DrawPage(1, p, true, zoom, false);
        }
        // One pixel a unit at zoom 1; past the box's right edge.
        const int boxRight = int(std::lround(560 * zoom));
        reach[i] = InkReach(image, boxRight + 2, int(100 * zoom), int(160 * zoom));
    }
    ASSERT_GT(reach[0], 20);
    EXPECT_NEAR(double(reach[1]) / reach[0], 0.5, 0.15);
}

// Pages of a PDF file as Qt writes them.
int PdfPageCount(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray pdf = f.readAll();
    if (!pdf.startsWith("%PDF")) return -1;
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
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
    // A new printer page before each but the first: four pages, no blank one.
    EXPECT_EQ(PdfPageCount(dir.filePath("print.pdf")), 4);
    // Cancel between pages ends the job.
    printed.clear();
    r.OnPagePrinted = [&] {
        printed.push_back(r.PagePrinting());
        r.Abort();
    };
    EXPECT_FALSE(r.Print({1, 2, 3}, printer));
    EXPECT_EQ(printed, std::vector<int>{1});
}

TEST(EnginePrinting, APrinterGetsPagesUpTo255AndAPdfAll) {
    GuiApp();
    QTemporaryDir dir;
    // A script holds up to 255 sections: two scripts of a page a section.
    std::string source;
    for (int n = 1; n <= 200; ++n) source += "section " + std::to_string(n) + " condition=0\n text \"p\"\n";
    const Script pages = Source(source);
    TXReport r(A4Metrics());
    r.UnitFactor = 0.1;
    r.AddScript(pages, 1, 200);
    r.AddScript(pages, 1, 57);
    ASSERT_EQ(r.PageCount(), 257);
    std::set<int> all;
    for (int n = 1; n <= 257; ++n) all.insert(n);
    int printed = 0;
    r.OnPagePrinted = [&] { ++printed; };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("print.pdf"));
    EXPECT_TRUE(r.Print(all, printer));
    EXPECT_EQ(printed, 255);
    ASSERT_TRUE(r.WritePdf(dir.filePath("all.pdf")));
    EXPECT_EQ(PdfPageCount(dir.filePath("all.pdf")), 257);
}

TEST(EnginePrinting, PdfHasEveryPage) {
    GuiApp();
    QTemporaryDir dir;
    TXReport r(A4Metrics());
    r.UnitFactor = 0.1;
    r.AddScript(Source("section 1 condition=0\n text \"one\"\nsection 2 condition=0\n text \"two\"\n"), 1, 2);
    const QString path = dir.filePath("out.pdf");
    ASSERT_TRUE(r.WritePdf(path));
    EXPECT_EQ(PdfPageCount(path), 2);
    ASSERT_TRUE(r.WritePdf(path, {2}));
    EXPECT_EQ(PdfPageCount(path), 1);
    EXPECT_FALSE(r.WritePdf(dir.filePath("no/such/dir/out.pdf")));
}

}  // namespace
}  // namespace cgt::test
