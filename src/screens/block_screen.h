#pragma once
// The base of the asset block screens (registration, cost base, cost
// elements, receipts, event and deferral): each edits one worksheet
// instance, opened when the screen is created by the rule of its role, and
// checks its entries with plain messages that put the focus on the
// offending control.
#include <QLabel>
#include <functional>
#include <optional>
#include <string>

#include "flow/flow_rules.h"
#include "interview/childform.h"

class QAbstractButton;

namespace cgt {

class FieldStore;
class TCustomNumEdit;

// A date before CGT began: the registration and event screens refuse it so.
inline constexpr const char* kMsgDateBeforeCgt =
    "Check your date. You cannot enter a date earlier than 20/09/1985. \r\n"
    "Assets acquired before 20 September 1985 are generally not subject to CGT although\r\n"
    "there is an exception for some shares and trust interests. If your asset falls within\r\n"
    "this exception, you should manually calculate your capital gain or capital loss";

class TBlockScreen : public TChildForm {
    Q_OBJECT
public:
    explicit TBlockScreen(WorksheetRole role, QWidget* parent = nullptr);

    // Opens the worksheet instance the screen edits.
    void Created(TInterviewFrame& frame) override;

protected:
    TInterviewFrame& Frame() const { return *frame_; }
    FieldStore& Store() const;
    // The worksheet type the block is for (set by the category's event question).
    int WorksheetType() const;
    // The asset's description as stored, trimmed.
    std::string Description() const;
    // Shows the description in the heading label DescLabel.
    void ShowDescription();

    // Registers the next handler: moves the screen index by the step it returns.
    void RegisterNext(std::function<int()> step);
    // Registers the checks run when the screen is left. Unless `always`, they
    // are skipped when going back with Prev or when the asset has no description.
    void RegisterChecks(std::function<bool()> checks, bool always = false);
    // Shows a plain message, puts the focus on `focus` and answers false, so
    // that a check can `return Reject(...)`.
    bool Reject(const std::string& message, QWidget* focus);

    // A date box's date, when it holds a date (its first ten characters).
    static std::optional<int> DateIn(const TCustomNumEdit* box);
    // An amount box's number as the store will hold it (the typed zero is 0.0011).
    static long double AmountIn(TCustomNumEdit* box);
    // Makes two check boxes a pair of which at most one is ticked.
    static void Exclusive(QAbstractButton* a, QAbstractButton* b);

    // Lays the screen's definition out on it (from its constructor) and takes
    // the heading ShowDescription fills, when the definition has one.
    template <class Form>
    void SetUp(Form& ui) {
        ui.setupUi(this);
        if constexpr (requires { ui.DescLabel; }) DescLabel = ui.DescLabel;
    }

private:
    WorksheetRole role_;
    TInterviewFrame* frame_ = nullptr;
    QLabel* DescLabel = nullptr;
};

}  // namespace cgt
