#pragma once
// The base of the three deferral screens (Section 6 of an asset block:
// TQCGT_20, TQCGT_20a, TQCGT_20b): whether the gain or loss can be rolled
// over, whether the roll-over comes from a marriage breakdown, and whether
// the asset qualifies for the small business 15-year exemption, which only
// an active asset can.
#include "screens/block_screen.h"

class QAbstractButton;

namespace cgt {

class RollOverQuestions;

inline constexpr const char* kMsgRollOverUnanswered =
    "You must advise if the gain or loss for this event can be deferred";
inline constexpr const char* kMsgSelectYesOrNo = "You must select either 'Yes' or 'No'.";
inline constexpr const char* kMsgFifteenYearNotActive =
    "Asset must be of an Active type to claim 15 year active asset exemption.";

class TDeferralScreen : public TBlockScreen {
    Q_OBJECT
public:
    explicit TDeferralScreen(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

protected:
    // The checks a variant makes after the marriage breakdown question.
    virtual bool MoreChecks() { return true; }

    RollOverQuestions& Questions() const { return *questions_; }
    bool ActiveAsset() const;

    // Lays the definition out on the screen (from the derived constructor)
    // and takes the questions that every deferral definition asks.
    template <class Form>
    void SetUp(Form& ui) {
        TBlockScreen::SetUp(ui);
        Q2YesCheckBox = ui.Q2YesCheckBox;
        Q2NoCheckBox = ui.Q2NoCheckBox;
        Q3YesCheckBox = ui.Q3YesCheckBox;
        Q3NoCheckBox = ui.Q3NoCheckBox;
        Q1CheckBox = ui.Q1CheckBox;
    }

    QAbstractButton* Q2YesCheckBox = nullptr;
    QAbstractButton* Q2NoCheckBox = nullptr;
    QAbstractButton* Q3YesCheckBox = nullptr;
    QAbstractButton* Q3NoCheckBox = nullptr;
    QAbstractButton* Q1CheckBox = nullptr;

private:
    bool Checks();

    RollOverQuestions* questions_ = nullptr;
};

}  // namespace cgt
