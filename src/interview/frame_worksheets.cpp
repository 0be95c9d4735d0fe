// The frame's worksheet editing: one instance of a worksheet type unpacked
// into the working tags while its screens are shown, and the picker that
// switches between instances.
#include <QLabel>
#include <QListWidget>
#include <algorithm>

#include "base/dialogs.h"
#include "base/text.h"
#include "controls/numedit.h"
#include "flow/flow_rules.h"
#include "flow/screen_catalogue.h"
#include "interview/interviewframe.h"
#include "interview/worksheet_picker.h"
#include "store/modulerun.h"

namespace cgt {

inline constexpr const char* kDeleteWorksheetQuestion = "Are you sure you want to delete the selected worksheet?";

namespace {

bool IsBlankEntry(const std::string& text) {
    return Trim(text).empty() || text == kBlankDateMask;
}

// Whether the screen on display registers an asset or a receipt (it opens
// the worksheet of a new one) and every typed entry field on it is blank: a
// type picked from a list alone registers nothing.
bool RegistrationLeftBlank(const TChildForm* screen, int screenNumber) {
    const ScreenClass* cls = FindScreenClass(screenNumber);
    if (!screen || !cls) return false;
    if (cls->worksheetRole != WorksheetRole::Registration && cls->worksheetRole != WorksheetRole::Receipt) return false;
    const auto edits = screen->findChildren<TCustomNumEdit*>();
    return !edits.isEmpty() && std::all_of(edits.begin(), edits.end(),
                                           [](const TCustomNumEdit* e) { return IsBlankEntry(e->TextBytes()); });
}

}  // namespace

void TInterviewFrame::LoadInstance(int type, int n) {
    Store().LoadInstance(type, n);
}

void TInterviewFrame::StoreInstance(int type, int n) {
    Store().StoreInstance(type, n);
    names_.clear();
}

void TInterviewFrame::OpenNewWorksheet(int type) {
    FieldStore& store = Store();
    store.SetEditedType(type);
    store.EmptyWorkingTags();
    store.EnsureWorksheetList(type);
    store.SetEditedInstance(0);
    BuildNames();
    SelectInstance(int(names_.size()));
    RefreshPickList();
}

void TInterviewFrame::OpenWorksheet(int type, int n) {
    FieldStore& store = Store();
    store.SetEditedType(type);
    store.EmptyWorkingTags();
    store.EnsureWorksheetList(type);
    store.SetEditedInstance(n);
    BuildNames();
    SelectInstance(n);
    RefreshPickList();
}

void TInterviewFrame::SelectInstance(int n) {
    FieldStore& store = Store();
    store.LoadInstance(store.EditedType(), n);
    if (run_.screenShowing && screen_) {
        BindScreenValues();
        screen_->Shown(*this);
    }
    store.SetEditedInstance(n);
}

void TInterviewFrame::PrintWorksheet(const std::string& script) {
    StoreScreenValues();
    host_.ShowPrintout(script);
    StoreInstance(pendingType, worksheetNumber);
    const WorksheetOpening open = OpeningFor(WorksheetRole::BlockScreen, pendingType, reopen, worksheetNumber);
    OpenWorksheet(open.type, open.instance);
}

void TInterviewFrame::StoreCurrentWorksheet() {
    FieldStore& store = Store();
    const int type = store.EditedType();
    const int n = store.EditedInstance();
    if (type == 0 || n <= 0) return;
    const bool showing = run_.screenShowing && screen_;
    if (showing) StoreScreenValues();
    // A new worksheet whose registration screen was left with nothing typed
    // registers nothing: it is dropped, whatever type was picked on it. An
    // asset already kept is never dropped so (its later screens may hold
    // the rest of it). Otherwise only an instance that holds nothing at all
    // is dropped, so that an asset whose optional screens were left blank
    // is kept.
    const bool isNew = n > store.WorksheetCount(type);
    const bool drop =
        (showing && isNew && RegistrationLeftBlank(screen_, CurrentScreenNumber())) || !store.WorkingTagsHoldData();
    store.PackInstance(type, n, drop);
}

void TInterviewFrame::DeleteInstance(int n) {
    Store().DeleteInstance(Store().EditedType(), n);
}

void TInterviewFrame::BuildNames() {
    names_ = Store().BuildNames(Store().EditedType());
}

void TInterviewFrame::ShowPicker(bool visible) {
    picker_->setVisible(visible);
    if (visible) picker_->raise();
}

void TInterviewFrame::CloseWorksheetEditing() {
    StoreCurrentWorksheet();
    FieldStore& store = Store();
    store.EmptyWorkingTags();
    banner_->show();
    picker_->hide();
    names_.clear();
    store.SetEditedType(0);
    store.SetEditedInstance(0);
}

void TInterviewFrame::RefreshPickList() {
    picker_->SetNames({});
    if (run_.screenShowing && screen_) {
        StoreScreenValues();
        StoreCurrentWorksheet();
    }
    picker_->ShowHeaderSection(1);
    BuildNames();
    picker_->SetNames(names_);
    picker_->SelectRow(Store().EditedInstance() - 1);
    pickedRow_ = picker_->SelectedRow() + 1;
}

void TInterviewFrame::PickerClick(int row) {
    if (run_.screenShowing && screen_) {
        // The handler stays registered: the screen is not being left.
        if (ValidationRejects()) {
            picker_->SelectRow(pickedRow_ - 1);
            return;
        }
        StoreScreenValues();
        StoreCurrentWorksheet();
    }
    pickedRow_ = row + 1;
    SelectInstance(pickedRow_);
    RefreshPickList();
    if (screen_) screen_->setFocus();
}

void TInterviewFrame::DeleteClick() {
    if (run_.screenShowing && screen_) {
        StoreScreenValues();
        StoreCurrentWorksheet();
    }
    if (!run_.dialogs().AskYesNo(kDeleteWorksheetQuestion, "Confirm", MsgIcon::Question, MsgResult::No)) return;
    pickedRow_ = picker_->SelectedRow() + 1;
    DeleteInstance(pickedRow_);
    BuildNames();
    picker_->SetNames(names_);
    if (int(names_.size()) < pickedRow_) pickedRow_ = int(names_.size());
    SelectInstance(pickedRow_);
    picker_->SelectRow(pickedRow_ - 1);
}

}  // namespace cgt
