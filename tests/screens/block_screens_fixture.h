#pragma once
// The asset block screens through the real frame: an asset stored as the
// block's earlier screens leave it, a block screen shown on it as the flow
// shows it after registration, and the user's clicks and keys.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>

#include "flow/flow_rules.h"
#include "interview/worksheet_picker.h"
#include "screens_fixture.h"
#include "store/tags.h"

namespace cgt::test {

// What the block's earlier screens stored for the asset ("" for nothing).
struct StoredAsset {
    const char* description = "BHP Billiton 1,000 shares";
    const char* typeCode = "SA";
    const char* acquired = "01/03/1995";
    const char* costBaseDate = "";
    const char* costIncurred = "";  // the date of a cost element 1 row
    const char* eventDate = "";
    bool fifteenYear = false;
    bool receipts = false;  // a row of non-assessable receipts
};

class BlockScreenTest : public ScreenFrameTest {
protected:
    void SetUp() override {
        ScreenFrameTest::SetUp();
        QApplication::setActiveWindow(frame.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    // Instance n of a worksheet type, stored after leaving any block screen
    // on display (so that no other instance is being edited).
    void StoreAsset(int type, const StoredAsset& a, int n = 1) {
        if (frame->CurrentScreen()) ShowScreen(2007);
        FieldStore& store = run.store();
        store.SetFieldStr(kTagAssetDescription, a.description);
        store.SetFieldStr(kTagAssetType, a.typeCode);
        store.SetFieldStr(kTagAcquisitionDate, a.acquired);
        store.SetFieldStr(kTagCostBaseDate, a.costBaseDate);
        if (*a.costIncurred)
            store.SetFieldLst(kTagCostElements,
                              std::make_shared<TextList>(TextList{"1 - Purchase/Acquisition cost", a.costIncurred, "",
                                                                  "Purchase", "9500.00", "", "", ""}));
        store.SetFieldStr(kTagEventDate, a.eventDate);
        if (a.fifteenYear) store.SetFieldChecked(kTagFifteenYearExemption);
        if (a.receipts)
            store.SetFieldLst(kTagReceipts, std::make_shared<TextList>(TextList{"15/08/2002", "G1", "250.00"}));
        store.StoreInstance(type, n);
    }

    // A block screen on instance 1, after the question screen that leads to
    // the block (so that Prev has somewhere to go); `type` 0 is the block's own.
    void ShowOnAsset(int number, int type = 0) {
        ShowScreen(2007);
        frame->pendingType = type ? type : BlockTypeOf(number);
        frame->reopen = true;
        frame->worksheetNumber = 1;
        ShowScreen(number);
        ASSERT_EQ(frame->CurrentScreenNumber(), number);
        QApplication::processEvents();
    }

    template <class W>
    W* Control(const char* name) const {
        W* w = frame->CurrentScreen()->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void ClickInto(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton);
        QApplication::processEvents();
        ASSERT_TRUE(w->hasFocus()) << w->objectName().toStdString();
    }
    void TypeInto(QWidget* w, const char* keys) {
        ClickInto(w);
        QTest::keyClicks(w, QString::fromLatin1(keys));
    }
    // Ticks or unticks a check box by a click on its box.
    void Tick(const char* name) {
        auto* box = Control<QAbstractButton>(name);
        ASSERT_TRUE(box->isVisible() && box->isEnabled()) << name;
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        QApplication::processEvents();
    }
    void Click(QPushButton* button) {
        ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }
    void Next() { Click(frame->NextButton()); }

    // The control holding the focus, by name (a list's text box counts as the list).
    static std::string FocusName() {
        QWidget* w = QApplication::focusWidget();
        if (!w) return "";
        if (qobject_cast<QComboBox*>(w->parentWidget())) w = w->parentWidget();
        return w->objectName().toStdString();
    }
    bool Ticked(const char* name) const { return Control<QAbstractButton>(name)->isChecked(); }
    std::string TextOf(const char* name) const {
        return Control<QWidget>(name)->property("text").toString().toStdString();
    }

    // A field of instance n as stored when a screen was left, read from a
    // copy so that the screen on display keeps its working tags.
    template <class F>
    auto Stored(int type, F read, int n = 1) {
        FieldStore copy;
        copy.MutableSlotAt(ListFieldOf(type)) = run.store().SlotAt(ListFieldOf(type));
        copy.LoadInstance(type, n);
        return read(copy);
    }
    bool StoredTicked(int type, int tag) {
        return Stored(type, [tag](FieldStore& s) { return s.FieldChecked(tag); });
    }
    std::string StoredText(int type, int tag, int n = 1) {
        return Stored(
            type, [tag](FieldStore& s) { return s.GetFieldStr(tag); }, n);
    }
};

}  // namespace cgt::test
