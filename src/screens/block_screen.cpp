#include "screens/block_screen.h"

#include <QAbstractButton>

#include "base/dialogs.h"
#include "base/text.h"
#include "calc/calc_util.h"
#include "controls/numedit.h"
#include "controls/qt_text.h"
#include "interview/interviewframe.h"
#include "store/modulerun.h"
#include "store/tags.h"

namespace cgt {

TBlockScreen::TBlockScreen(WorksheetRole role, QWidget* parent) : TChildForm(parent), role_(role) {}

void TBlockScreen::Created(TInterviewFrame& frame) {
    frame_ = &frame;
    const WorksheetOpening open = OpeningFor(role_, frame.pendingType, frame.reopen, frame.worksheetNumber);
    switch (open.kind) {
        case WorksheetOpening::NewInstance: frame.OpenNewWorksheet(open.type); break;
        case WorksheetOpening::Instance: frame.OpenWorksheet(open.type, open.instance); break;
        case WorksheetOpening::None: break;
    }
}

FieldStore& TBlockScreen::Store() const {
    return frame_->Store();
}

int TBlockScreen::WorksheetType() const {
    return frame_->pendingType;
}

std::string TBlockScreen::Description() const {
    return Trim(Store().GetFieldStr(kTagInstanceName));
}

void TBlockScreen::ShowDescription() {
    if (DescLabel) DescLabel->setText(ToQt(Store().GetFieldStr(kTagInstanceName)));
}

void TBlockScreen::RegisterNext(std::function<int()> step) {
    frame_->SetNextHandler([this, step = std::move(step)](FrameButton) { frame_->Run().screenIndex += step(); });
}

void TBlockScreen::RegisterChecks(std::function<bool()> checks, bool always) {
    frame_->SetValidationHandler([this, checks = std::move(checks), always] {
        if (!always && (frame_->GoingBack() || Description().empty())) return true;
        return checks();
    });
}

bool TBlockScreen::Reject(const std::string& message, QWidget* focus) {
    frame_->Run().dialogs().Message(message, "", MsgIcon::None, MsgButtons::Ok, MsgResult::Ok);
    if (focus && focus->isVisible() && focus->isEnabled()) focus->setFocus();
    return false;
}

std::optional<int> TBlockScreen::DateIn(const TCustomNumEdit* box) {
    if (!box) return std::nullopt;
    return DateOfText(box->TextBytes());
}

long double TBlockScreen::AmountIn(TCustomNumEdit* box) {
    return box ? box->NumValue() : 0;
}

void TBlockScreen::Exclusive(QAbstractButton* a, QAbstractButton* b) {
    if (!a || !b) return;
    QObject::connect(a, &QAbstractButton::toggled, b, [b](bool on) {
        if (on) b->setChecked(false);
    });
    QObject::connect(b, &QAbstractButton::toggled, a, [a](bool on) {
        if (on) a->setChecked(false);
    });
}

}  // namespace cgt
