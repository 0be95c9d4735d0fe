// The frame's worksheet editing: one instance of a worksheet type unpacked
// into the working tags while its screens are shown, and the picker that
// switches between instances.
#include <QLabel>
#include <QListWidget>

#include "base/dialogs.h"
#include "base/text.h"
#include "controls/numedit.h"
#include "flow/flow_rules.h"
#include "interview/interviewframe.h"
#include "interview/worksheet_picker.h"
#include "store/modulerun.h"

namespace cgt {

inline constexpr const char* kDeleteWorksheetQuestion = "Are you sure you want to delete the selected worksheet?";

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
    if (run_.screenShowing && screen_) StoreScreenValues();
    // Only an instance that holds nothing at all is dropped (a new worksheet
    // left empty leaves no trace); judging by the showing screen's entry
    // fields alone would drop an asset whose optional screen was left blank.
    store.PackInstance(type, n, !store.WorkingTagsHoldData());
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
