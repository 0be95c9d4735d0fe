// "Printing": the progress dialog's animation, its page label following the
// engine and its Cancel button, on a report written page by page.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "mainwin/printing_dialog.h"
#include "mainwin_fixture.h"
#include "report/script_source.h"
#include "report/txreport.h"

namespace cgt::test {
namespace {

class PrintingDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        report.UnitFactor = 0.1;
        std::string source;
        for (int n = 1; n <= 4; ++n)
            source += "section " + std::to_string(n) + " condition=0\n position 100 100 800 200\n text \"Page\"\n";
        report.AddScript(CompileScriptSource(source, "four.rps"), 1, 4);
        ASSERT_EQ(report.PageCount(), 4);
    }
    std::string Label() const { return dialog.PrintingLabel()->text().toStdString(); }
    // The picture shown, told apart from the other frames.
    qint64 Shown() const { return dialog.findChild<QLabel*>(QStringLiteral("Image"))->pixmap().cacheKey(); }

    // The application comes before the dialog member is made.
    const bool appReady = (App(), true);
    TXReport report{A4Metrics()};
    TFPrinting dialog{report};
    QTemporaryDir dir;
};

TEST_F(PrintingDialogTest, AnimatesWhileShown) {
    EXPECT_EQ(dialog.windowTitle().toStdString(), kPrintingCaption);
    EXPECT_EQ(dialog.CancelBtn()->text().toStdString(), "Cancel");
    EXPECT_FALSE(dialog.Timer1()->isActive());
    dialog.show();
    EXPECT_TRUE(dialog.Timer1()->isActive());
    EXPECT_EQ(dialog.Timer1()->interval(), 500);
    EXPECT_EQ(Label(), kPrintingFirstPage);
    // Three frames in turn, each its own picture, then the first again.
    std::vector<int> frames{dialog.Frame()};
    std::vector<qint64> pictures{Shown()};
    for (int i = 0; i < 3; ++i) {
        dialog.Tick();
        frames.push_back(dialog.Frame());
        pictures.push_back(Shown());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 1}));
    EXPECT_NE(pictures[0], pictures[1]);
    EXPECT_NE(pictures[1], pictures[2]);
    EXPECT_NE(pictures[0], pictures[2]);
    EXPECT_EQ(pictures[3], pictures[0]);
    dialog.close();
    EXPECT_FALSE(dialog.Timer1()->isActive());
    // Shown again, it starts from the first frame.
    dialog.show();
    EXPECT_EQ(dialog.Frame(), 1);
}

TEST_F(PrintingDialogTest, LabelFollowsThePageAndCancelStops) {
    dialog.show();
    std::vector<std::string> labels;
    report.OnPagePrinted = [&] {
        dialog.Tick();
        labels.push_back(Label());
        if (report.PagePrinting() == 2) QTest::mouseClick(dialog.CancelBtn(), Qt::LeftButton);
    };
    report.WritePdf(dir.filePath("out.pdf"));
    EXPECT_EQ(labels, (std::vector<std::string>{"Printing page 1", "Printing page 2"}));
    EXPECT_TRUE(report.Aborted());
    EXPECT_EQ(report.PagePrinting(), 2);
}

}  // namespace
}  // namespace cgt::test
