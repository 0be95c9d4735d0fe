#pragma once
// The base of the two CGT event screens (TQCGT_19 and, for depreciating
// assets, TQCGT_19a): the date of the event and what was received for it,
// checked against the asset's costs, its acquisition and its cost base date.
#include <optional>

#include "screens/block_screen.h"

namespace cgt {

class TTypeAheadCombo;

inline constexpr const char* kMsgExpenseAfterEvent =
    "The date asset disposed of cannot be earlier than date an expense was incurred.";
inline constexpr const char* kMsgEventDateMissing = "You must enter the date of the CGT event.";
inline constexpr const char* kMsgEventBeforeAcquisition = "Check dates. A CGT event cannot occur prior to acquisition.";
inline constexpr const char* kMsgEventBeforeCostBaseDate =
    "Check dates. You cannot have a CGT event date prior to cost base effective date.";
inline constexpr const char* kMsgProceedsMissing =
    "You must enter the proceeds for this event.\rIf gain or loss is being deferred you can enter 0";

class TEventScreen : public TBlockScreen {
    Q_OBJECT
public:
    explicit TEventScreen(QWidget* parent = nullptr);

    // Opens the worksheet and offers the asset types of its worksheet type.
    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

protected:
    // The screen's checks, in order; false after a rejection.
    virtual bool Checks() = 0;

    TCustomNumEdit* EventDateBox() const { return eventDate_; }
    // The capital proceeds, or the termination value of a depreciating asset.
    TCustomNumEdit* ProceedsBox() const { return proceeds_; }
    std::optional<int> EventDate() const { return DateIn(eventDate_); }
    // Fills a drop-down list and selects its first item.
    static void Offer(TTypeAheadCombo* list, const std::vector<std::string>& items);

    // No cost of the cost element list was incurred after the event.
    bool CheckExpenses();
    // Proceeds (a typed zero too) need the date of the event.
    bool CheckDateForProceeds();
    // The event cannot come before the acquisition or the cost base date.
    bool CheckDatesOfAsset();
    // A dated event needs its proceeds (a typed zero will do).
    bool CheckProceedsForDate();

    // Lays the definition out on the screen (from the derived constructor)
    // and takes the boxes and the type list that both event definitions have.
    template <class Form>
    void SetUp(Form& ui) {
        TBlockScreen::SetUp(ui);
        eventDate_ = ui.DateofCGTEventEdit;
        proceeds_ = ui.CapitalProceedsEdit;
        types_ = ui.TypeTextComboBox;
    }

private:
    TCustomNumEdit* eventDate_ = nullptr;
    TCustomNumEdit* proceeds_ = nullptr;
    TTypeAheadCombo* types_ = nullptr;
};

}  // namespace cgt
