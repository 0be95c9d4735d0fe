// The preview: paging, zooming, the page list, printing and Save as PDF,
// driven through its buttons, keys and mouse.
#include "mainwin/preview_form.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "controls/numedit.h"
#include "mainwin/printing_dialog.h"
#include "mainwin_fixture.h"
#include "report/script_source.h"
#include "report/txreport.h"

namespace cgt::test {
namespace {

// Three pages, each with its number on it.
std::unique_ptr<TXReport> ThreePages(const DeviceMetrics& metrics = A4Metrics()) {
    auto r = std::make_unique<TXReport>(metrics);
    r->UnitFactor = 0.1;
    r->AddScript(CompileScriptSource("section 1 condition=0\n position 100 100 800 200\n text \"Page one\"\n"
                                     "section 2 condition=0\n position 100 100 800 200\n text \"Page two\"\n"
                                     "section 3 condition=0\n position 100 100 800 200\n text \"Page three\"\n",
                                     "three.rps"),
                 1, 3);
    return r;
}

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        form = std::make_unique<TPreviewForm>(ThreePages(), dialogs);
        form->setWindowState(Qt::WindowNoState);
        form->resize(900, 700);
        form->hasPrinter = [this] { return printerInstalled; };
        form->makePrinter = [this] {
            // Runs between the first and the second page, as the user would.
            if (duringPrint) QTimer::singleShot(0, form.get(), duringPrint);
            auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(dir.filePath("printed.pdf"));
            return p;
        };
        form->show();
        QCoreApplication::processEvents();
    }
    template <typename T>
    T* Find(const char* name) const {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Click(const char* name) {
        QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    std::string PageLabel() const { return Find<QLabel>("MaxPage")->text().toStdString(); }
    int PdfPages(const QString& path) const {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return -1;
        const QByteArray pdf = f.readAll();
        return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
    }

    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    std::unique_ptr<TPreviewForm> form;
    bool printerInstalled = true;
    std::function<void()> duringPrint;
};

TEST_F(PreviewTest, OpensOnPageOneAndPages) {
    EXPECT_EQ(form->windowTitle().toStdString(), kPreviewCaption);
    EXPECT_EQ(PageLabel(), "1 of 3");
    const struct {
        const char* button;
        const char* label;
    } steps[] = {{"btnNext", "2 of 3"}, {"btnNext", "3 of 3"}, {"btnNext", "3 of 3"}, {"btnFirst", "1 of 3"},
                 {"btnPrev", "1 of 3"}, {"btnLast", "3 of 3"}, {"btnPrev", "2 of 3"}};
    for (const auto& s : steps) {
        Click(s.button);
        EXPECT_EQ(PageLabel(), s.label) << s.button;
    }
    EXPECT_EQ(Find<QPushButton>("btnPrint")->toolTip().toStdString(), kHintPrint);
    EXPECT_EQ(Find<QPushButton>("BtnExit")->toolTip().toStdString(), kHintExit);
    EXPECT_TRUE(IsPreviewOpen());
}

TEST_F(PreviewTest, MouseZoomStopsAtItsLimits) {
    QLabel* picture = Find<QLabel>("Image1");
    for (int i = 0; i < 12; ++i) {
        QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(50, 50));
        EXPECT_LE(form->Zoom(), kMaxZoom);
    }
    EXPECT_DOUBLE_EQ(form->Zoom(), kMaxZoom);
    const QSize big = picture->size();
    for (int i = 0; i < 12; ++i) QTest::mouseClick(picture, Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_DOUBLE_EQ(form->Zoom(), kMinZoom);
    EXPECT_LT(picture->width(), big.width() / 3);
    // The whole page fits the box.
    Click("btnAllPage");
    const QSize box = form->ScrollBox()->viewport()->size();
    EXPECT_LE(picture->height(), box.height());
    EXPECT_LE(picture->width(), box.width());
}

TEST_F(PreviewTest, PageDownCrossesPagesButNotPastTheLast) {
    QScrollBar* v = form->ScrollBox()->verticalScrollBar();
    ASSERT_GT(v->maximum(), 0);
    form->ScrollBox()->setFocus();
    for (int i = 0; i < 60 && PageLabel() != "3 of 3"; ++i) QTest::keyClick(form->ScrollBox(), Qt::Key_PageDown);
    ASSERT_EQ(PageLabel(), "3 of 3");
    EXPECT_EQ(v->value(), v->minimum());
    for (int i = 0; i < 60; ++i) QTest::keyClick(form->ScrollBox(), Qt::Key_PageDown);
    EXPECT_EQ(PageLabel(), "3 of 3");
    EXPECT_EQ(v->value(), v->maximum());
    // Page Up at the top of a page shows the previous one from its bottom.
    for (int i = 0; i < 60 && v->value() > v->minimum(); ++i) QTest::keyClick(form->ScrollBox(), Qt::Key_PageUp);
    QTest::keyClick(form->ScrollBox(), Qt::Key_PageUp);
    EXPECT_EQ(PageLabel(), "2 of 3");
    EXPECT_EQ(v->value(), v->maximum());
}

TEST_F(PreviewTest, NoPrinterSaysSoAndPrintsNothing) {
    printerInstalled = false;
    Click("btnPrint");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Printer is not set. Cannot print."});
    EXPECT_FALSE(QFile::exists(dir.filePath("printed.pdf")));
}

TEST_F(PreviewTest, PrintsAllOrTheListedPages) {
    const struct {
        const char* typed;  // nullptr: All
        int pages;
        const char* message;
    } cases[] = {{nullptr, 3, nullptr}, {"1-2", 2, nullptr}, {"3", 1, nullptr}, {"1,", -1, "Bad filter \"1,\" !"}};
    for (const auto& c : cases) {
        QFile::remove(dir.filePath("printed.pdf"));
        dialogs.shown.clear();
        if (c.typed) {
            auto* list = Find<TTaxEdit>("TaxEdit1");
            list->clear();
            QTest::keyClicks(list, QString::fromLatin1(c.typed));
            EXPECT_TRUE(Find<QRadioButton>("PagesBtn")->isChecked());
        } else {
            Click("AllBtn");
            EXPECT_TRUE(Find<TTaxEdit>("TaxEdit1")->text().isEmpty());
        }
        Click("btnPrint");
        EXPECT_FALSE(form->Printing());
        if (c.message) {
            EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{c.message});
            EXPECT_FALSE(QFile::exists(dir.filePath("printed.pdf")));
        } else {
            EXPECT_TRUE(dialogs.shown.empty()) << dialogs.Texts().front();
            EXPECT_EQ(PdfPages(dir.filePath("printed.pdf")), c.pages) << (c.typed ? c.typed : "All");
        }
    }
}

TEST_F(PreviewTest, SavesTheChosenPagesAsPdf) {
    const QString path = dir.filePath("saved.pdf");
    form->chooseFile = [&] { return path; };
    Click("btnSavePdf");
    EXPECT_EQ(PdfPages(path), 3);
    QTest::keyClicks(Find<TTaxEdit>("TaxEdit1"), QStringLiteral("2"));
    Click("btnSavePdf");
    EXPECT_EQ(PdfPages(path), 1);
    form->chooseFile = [&] { return dir.filePath("no/such/dir/x.pdf"); };
    Click("btnSavePdf");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Cannot save the pages as PDF: cannot write " +
                                                        dir.filePath("no/such/dir/x.pdf").toStdString() +
                                                        ": No such file or directory."});
}

TEST_F(PreviewTest, ClosingLetsTheReportGo) {
    // The report's callbacks die with it.
    auto token = std::make_shared<int>();
    const std::weak_ptr<int> alive = token;
    form->Report()->OnSetJump = [token = std::move(token)](QPainter&, int, const QRect&, bool) {};
    Click("BtnExit");
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(IsPreviewOpen());
    EXPECT_EQ(form->Report(), nullptr);
    EXPECT_TRUE(alive.expired());
}

TEST_F(PreviewTest, EscapeClosesToo) {
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->Report(), nullptr);
}

TEST_F(PreviewTest, StaysOpenAndStillWhilePrinting) {
    bool visible = false;
    bool printing = false;
    duringPrint = [&] {
        printing = form->Printing();
        form->close();
        QTest::keyClick(form.get(), Qt::Key_Escape);
        Click("btnNext");
        Click("btnPrint");
        visible = form->isVisible() && form->Report() != nullptr;
    };
    Click("btnPrint");
    EXPECT_TRUE(printing);
    EXPECT_TRUE(visible);
    EXPECT_EQ(PageLabel(), "1 of 3");
    EXPECT_EQ(PdfPages(dir.filePath("printed.pdf")), 3);
    EXPECT_FALSE(form->Printing());
    EXPECT_TRUE(IsPreviewOpen());
}

TEST_F(PreviewTest, CancelStopsAfterThePageInHand) {
    duringPrint = [&] {
        auto* progress = form->findChild<TFPrinting*>();
        ASSERT_NE(progress, nullptr);
        EXPECT_TRUE(progress->isVisible());
        QTest::mouseClick(progress->CancelBtn(), Qt::LeftButton);
    };
    Click("btnPrint");
    EXPECT_TRUE(form->Report()->Aborted());
    EXPECT_EQ(form->Report()->PagePrinting(), 1);
    EXPECT_FALSE(form->Printing());
}

TEST_F(PreviewTest, FailedPrintIsReportedAndTheFormGoesOn) {
    form->makePrinter = []() -> std::unique_ptr<QPrinter> { throw std::runtime_error("The printer went away."); };
    Click("btnPrint");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"The printer went away."});
    EXPECT_FALSE(form->Printing());
    EXPECT_EQ(form->findChild<TFPrinting*>(), nullptr);
    Click("btnNext");
    EXPECT_EQ(PageLabel(), "2 of 3");
}

TEST_F(PreviewTest, KeysScroll) {
    // At the largest zoom the page is wider and taller than the box.
    for (int i = 0; i < 5; ++i) QTest::mouseClick(Find<QLabel>("Image1"), Qt::LeftButton, {}, QPoint(0, 0));
    QScrollBar* h = form->ScrollBox()->horizontalScrollBar();
    QScrollBar* v = form->ScrollBox()->verticalScrollBar();
    ASSERT_GT(h->maximum(), 100);
    const int end = std::min(h->maximum(), form->ScrollBox()->viewport()->width());
    const struct {
        const char* name;
        Qt::Key key;
        QScrollBar* bar;
        int from;
        int to;
    } cases[] = {{"Home", Qt::Key_Home, h, 100, 0},
                 {"End", Qt::Key_End, h, 0, end},
                 {"Down", Qt::Key_Down, v, 100, 100 + v->singleStep()},
                 {"Up", Qt::Key_Up, v, 100, 100 - v->singleStep()}};
    for (const auto& c : cases) {
        c.bar->setValue(c.from);
        QTest::keyClick(form->ScrollBox(), c.key);
        EXPECT_EQ(c.bar->value(), c.to) << c.name;
    }
    EXPECT_EQ(PageLabel(), "1 of 3");
}

// Where the 275 mm frame goes on the page, by what the printer cannot
// print on.
struct ArrangeCase {
    const char* name;
    int orientation;
    int pageWidth, pageHeight;
    int unprintableTop, unprintableBottom, unprintableRight;
    int leftMargin, topMargin;
    double fitFactor;
};

void PrintTo(const ArrangeCase& c, std::ostream* os) {
    *os << c.name;
}

class PreviewArrangeTest : public ::testing::TestWithParam<ArrangeCase> {};

TEST_P(PreviewArrangeTest, MarginsAndFit) {
    App();
    const ArrangeCase& c = GetParam();
    DeviceMetrics m = A4Metrics();
    m.pageWidthMm = c.pageWidth;
    m.pageHeightMm = c.pageHeight;
    m.unprintableTop = c.unprintableTop;
    m.unprintableBottom = c.unprintableBottom;
    m.unprintableRight = c.unprintableRight;
    auto report = ThreePages(m);
    report->Orientation = c.orientation;
    ScriptedDialogs dialogs;
    TPreviewForm form(std::move(report), dialogs);
    form.setWindowState(Qt::WindowNoState);
    form.resize(900, 700);
    form.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Report()->LeftMargin(), c.leftMargin);
    EXPECT_EQ(form.Report()->TopMargin(), c.topMargin);
    EXPECT_DOUBLE_EQ(form.Report()->fitFactor, c.fitFactor);
    // The page's width fills the box but for 30 pixels, room for the
    // vertical scroll bar: nothing to scroll across.
    EXPECT_NEAR(form.Picture()->width(), form.ScrollBox()->width() - 30, 1);
    EXPECT_EQ(form.ScrollBox()->horizontalScrollBar()->maximum(), 0);
}

const ArrangeCase kArrangeCases[] = {
    {"NoUnprintableEdges", 0, 210, 297, 0, 0, 0, 15, 0, 1.0},
    {"FrameCentred", 0, 210, 297, 5, 5, 0, 15, 11, 1.0},
    {"OddSpareHeightRoundsDown", 0, 210, 297, 4, 5, 0, 15, 10, 1.0},
    {"ShortPageShrinks", 0, 210, 280, 4, 6, 0, 15, 4, 270.0 / 275},
    {"LandscapeShrinksByWidth", 1, 297, 210, 5, 5, 3, 10, 5, 284.0 / 275},
};
INSTANTIATE_TEST_SUITE_P(Printer, PreviewArrangeTest, ::testing::ValuesIn(kArrangeCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cgt::test
