#include "screens/qcgt_08.h"

#include "base/income_year.h"
#include "base/text.h"
#include "controls/control_context.h"
#include "controls/numedit.h"
#include "controls/qt_text.h"
#include "controls/textlbl.h"
#include "controls/typeahead_combo.h"
#include "flow/code_tables.h"
#include "interview/interviewframe.h"
#include "store/modulerun.h"
#include "store/tags.h"

namespace cgt {

namespace {

constexpr const char* kNoWorksheetMessage =
    "You must select a curent worksheet or enter a description for this asset/event.";
constexpr const char* kNoDateMessage = "You must enter the acquisition date.";
constexpr const char* kNoTypeMessage = "You must select the Asset/Event type from the drop down box.";
constexpr const char* kNoDescriptionMessage = "You must enter a description for this asset/event.";

// The link label names its topic by this word until the screen knows its type.
constexpr const char* kLinkPlaceholder = "DynamicHelpLink";

// Sections of the question and note labels.
enum QuestionText { kAcquisitionQuestion = 1, kCreatedAssetQuestion = 2, kDepreciatingQuestion = 3 };
enum NoteText { kDepreciatingNote = 1, kManualCalculationNote = 2 };

}  // namespace

TQCGT_08::TQCGT_08(QWidget* parent) : TBlockScreen(WorksheetRole::Registration, parent) {
    SetUp(ui);
}

void TQCGT_08::Created(TInterviewFrame& frame) {
    TBlockScreen::Created(frame);
    const int type = WorksheetType();
    ShowTextsForType(type);
    // Binding then selects the stored type, or none for a new asset.
    ui.TypeTextComboBox->SetItems(AssetTypeItems(type));
    ui.TypeTextComboBox->Select(0);
    connect(ui.DescEdit, &TCustomNumEdit::exited, this, GuardedSlot(this, [this] { DescEditExit(); }));
}

void TQCGT_08::ShowTextsForType(int type) {
    const RegistrationTexts texts = RegistrationTextsFor(type);
    if (texts.heading) ui.DescLabel->setText(ToQt(texts.heading));
    QStringList lines = ui.lblClickHere->text();
    for (QString& line : lines)
        line.replace(QString::fromLatin1(kLinkPlaceholder), QString::number(texts.linkTopic), Qt::CaseInsensitive);
    ui.lblClickHere->setText(lines);

    TTextLbl* question = ui.AcqLbl;
    TTextLbl* note = ui.DepnAssetsLbl;
    auto show = [](TTextLbl* label, int section) {
        label->setCurrentSection(section);
        label->setVisible(section != 0);
    };
    switch (type) {
        case kWsShares:
        case kWsTrustInterest:
        case kWsRealEstate:
        case kWsPersonalUse:
        case kWsCreatedRights:
            show(question, kAcquisitionQuestion);
            show(note, 0);
            break;
        case kWsOtherTrust:
            // No date is asked for an interest in a trust other than a unit trust.
            show(question, 0);
            show(note, 0);
            ui.DateofAcqEdit->hide();
            break;
        case kWsOtherAssets:
            show(question, kCreatedAssetQuestion);
            show(note, 0);
            break;
        case kWsDepreciating:
            show(question, kDepreciatingQuestion);
            show(note, kDepreciatingNote);
            break;
        case kWsCeasingResidency:
            show(question, kAcquisitionQuestion);
            show(note, kManualCalculationNote);
            break;
        default: break;
    }
}

void TQCGT_08::Shown(TInterviewFrame& frame) {
    frame.ShowPicker(true);
    frame.reopen = false;
    RegisterChecks([this] { return CheckEntries(); }, true);
    RegisterNext([this] { return BtnNextClick(); });
}

std::string TQCGT_08::TypedDescription() const {
    return Trim(ui.DescEdit->TextBytes());
}

bool TQCGT_08::TypeChosen() const {
    return ui.TypeTextComboBox->currentIndex() >= 0;
}

bool TQCGT_08::DateShown() const {
    return !ui.DateofAcqEdit->isHidden();
}

bool TQCGT_08::DateBlank() const {
    return !DateIn(ui.DateofAcqEdit);
}

void TQCGT_08::DescEditExit() {
    if (TypedDescription().empty() || TypeChosen()) return;
    if (const auto item = NonActiveItemIndex(WorksheetType())) ui.TypeTextComboBox->Select(*item);
}

int TQCGT_08::BtnNextClick() {
    const bool described = !TypedDescription().empty();
    if (!described && (TypeChosen() || !DateBlank())) {
        // The frame still stores the entries and starts this screen afresh.
        Reject(kNoWorksheetMessage, nullptr);
        return 0;
    }
    Frame().worksheetNumber = Store().EditedInstance();
    Frame().reopen = true;
    return RegistrationStep(WorksheetType(), described);
}

bool TQCGT_08::CheckEntries() {
    const bool described = !TypedDescription().empty();
    const bool typed = TypeChosen();
    if (!described && !typed && (!DateShown() || DateBlank())) return true;
    if (described) {
        if (const auto date = DateIn(ui.DateofAcqEdit); date && *date < kCgtStart)
            return Reject(kMsgDateBeforeCgt, ui.DateofAcqEdit);
        if (typed && DateShown() && DateBlank()) return Reject(kNoDateMessage, ui.DateofAcqEdit);
        if (!typed) return Reject(kNoTypeMessage, ui.TypeTextComboBox);
        return true;
    }
    return Reject(kNoDescriptionMessage, ui.DescEdit);
}

}  // namespace cgt
