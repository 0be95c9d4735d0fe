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

#include "controls/numedit.h"
#include "mainwin_fixture.h"
#include "report/script_source.h"
#include "report/txreport.h"

namespace cgt::test {
namespace {

// Three pages, each with its number on it.
std::unique_ptr<TXReport> ThreePages() {
    auto r = std::make_unique<TXReport>(A4Metrics());
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
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Cannot save the pages as PDF in " +
                                                        dir.filePath("no/such/dir/x.pdf").toStdString() + "."});
}

TEST_F(PreviewTest, CloseButtonClosesAndClearsTheFlag) {
    Click("BtnExit");
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(IsPreviewOpen());
}

}  // namespace
}  // namespace cgt::test
