// The properties a screen definition sets reach the controls through a Qt
// Designer form compiled by uic.
#include <gtest/gtest.h>

#include <QWidget>

#include "ui_testform.h"

namespace cgt {
namespace {

TEST(DesignerForm, SetsEveryEntryFieldProperty) {
    QWidget form;
    Ui::ControlsTestForm ui;
    ui.setupUi(&form);
    TTaxEdit& amount = *ui.amount;
    EXPECT_EQ(amount.fieldTag(), 2215);
    EXPECT_EQ(amount.numericType(), TCustomNumEdit::ntCurrencyCnt);
    EXPECT_EQ(amount.ravelleDataType(), TCustomNumEdit::atDollarCents);
    EXPECT_EQ(amount.decimals(), 2);  // the kind presets come after the explicit 3
    EXPECT_EQ(amount.maxLength(), 9);
    EXPECT_TRUE(amount.validate());
    EXPECT_EQ(amount.maxVal(), 5000);
    EXPECT_TRUE(amount.mandatory());
    EXPECT_FALSE(amount.useRounding());
    EXPECT_FALSE(amount.changeFocusColor());
    EXPECT_TRUE(amount.capitaliseWords());
    EXPECT_EQ(amount.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    TTaxEdit& acquired = *ui.acquired;
    EXPECT_EQ(acquired.fieldTag(), 2216);
    EXPECT_EQ(acquired.numericType(), TCustomNumEdit::ntDate);
    EXPECT_EQ(acquired.maxLength(), 10);
    EXPECT_EQ(acquired.minDate(), 37438);
    EXPECT_EQ(acquired.maxDate(), 37802);
    EXPECT_EQ(acquired.validChars(), "0..9,/");
    EXPECT_EQ(acquired.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST(DesignerForm, SetsEveryLabelProperty) {
    QWidget form;
    Ui::ControlsTestForm ui;
    ui.setupUi(&form);
    TTextLbl& label = *ui.TextLbl1;
    EXPECT_EQ(label.color(), QColor(255, 255, 224));
    EXPECT_EQ(label.lineSpacing(), 12);
    EXPECT_EQ(label.text(), (QStringList{"<s1><T1>Heading<.>", ";", "<s2>Other"}));
    EXPECT_TRUE(label.transparent());
    EXPECT_EQ(label.bevelInner(), TTextLbl::bvRaised);
    EXPECT_EQ(label.bevelOuter(), TTextLbl::bvLowered);
    EXPECT_EQ(label.bevelWidth(), 2);
    EXPECT_EQ(label.section(), 1);
    EXPECT_EQ(label.currentSection(), 2);
    EXPECT_TRUE(label.calculateHeight());
    EXPECT_EQ(label.textBottomMargin(), 5);
    EXPECT_EQ(label.parentBottomMargin(), 8);
}

TEST(DesignerForm, SetsEveryGridProperty) {
    QWidget form;
    Ui::ControlsTestForm ui;
    ui.setupUi(&form);
    TXGrid& grid = *ui.XGrid1;
    EXPECT_EQ(grid.fieldTag(), 2300);
    EXPECT_EQ(grid.colCount(), 3);
    EXPECT_EQ(grid.rowCount(), 6);
    EXPECT_EQ(grid.defaultRowHeight(), 22);
    EXPECT_EQ(grid.colWidths(), "200,90,-1");
    ASSERT_EQ(grid.display().size(), 3);
    EXPECT_EQ(grid.Model().ColumnKind(1), ColKind::Number);
    EXPECT_EQ(grid.Cell(1, 0), "Amount");
    EXPECT_TRUE(grid.Model().Spec(2).readOnly);
    EXPECT_EQ(grid.titleLines(), 2);
    EXPECT_FALSE(grid.rowAutoInc());
    EXPECT_TRUE(grid.doNotDelete());
    EXPECT_FALSE(grid.showColHints());
    // The strip finds its grid by name and registers with it.
    EXPECT_EQ(ui.XGridTotals1->XGrid(), &grid);
    EXPECT_EQ(grid.Totals(), ui.XGridTotals1);
    EXPECT_TRUE(grid.Model().HasTotals);
}

}  // namespace
}  // namespace cgt
