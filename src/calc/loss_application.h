#pragma once
// Capital losses applied against the rows of the choice table: the two loss
// pools, each row's net gain with the 50% discount taken after losses, the
// unapplied losses, the net capital gain (kTagNetCapitalGain), the concession
// gains list (kTagConcessionGains), the automatic application and the loss
// rules on Next.
#include <optional>
#include <string>

#include "calc/choice_table.h"
#include "store/tags.h"

namespace cgt {

class FieldStore;
class Dialogs;

inline constexpr int kConcessionGainCells = 9;

// The amounts under the table, as shown in its "Prior Years" and
// "Current Year" rows.
struct UnappliedLosses {
    double priorCollectable = 0;
    double currentCollectable = 0;
    double priorOther = 0;
    double currentOther = 0;
};

// A check that failed on Next: its message and the row to focus (0-based).
struct ChoiceCheckFailure {
    std::string message;
    int row = 0;
    int column = choice::kIndexedGain;
};

class LossApplication {
public:
    LossApplication(ChoiceTable& table, FieldStore& store);

    double CollectablePool() const { return table_.currentCollectableLosses + priorCollectable_; }
    double OtherPool() const { return table_.currentOtherLosses + priorOther_; }
    double CollectableAppliedTotal() const;
    double OtherAppliedTotal() const;
    double TransferredAppliedTotal() const;
    double AvailableCollectable() const { return CollectablePool() - CollectableAppliedTotal(); }
    double AvailableOther() const { return OtherPool() - OtherAppliedTotal(); }

    // Before any net is computed: the earlier years' losses and this year's.
    UnappliedLosses InitialUnapplied() const;

    // Recomputes every row's net gain, kTagConcessionGains, the unapplied
    // losses and kTagNetCapitalGain; returns the label text ("Your net
    // capital gain is $12,345").
    std::string RecomputeNets();
    const UnappliedLosses& Unapplied() const { return unapplied_; }

    // "Verimo make all choices": asks first; on No only recomputes the nets.
    void ApplyAll(Dialogs& dialogs);
    // The application itself, without the question and the closing message.
    void ApplyAutomatically();

    // The checks of Next, rows first, then the loss rules.
    std::optional<ChoiceCheckFailure> CheckOnNext() const;

private:
    void ApplyAgainst(ChoiceRow& row, double gain, int column, bool otherPool);
    void ChooseAndApply(ChoiceRow& row, bool otherPool);

    // Writes an applied amount and keeps the running totals in step.
    void WriteApplied(ChoiceRow& row, int column, double amount);

    ChoiceTable& table_;
    FieldStore& store_;
    // While losses are applied automatically, the applied totals are kept as
    // running sums instead of being summed over every row before each row:
    // the same figures, without the time growing with the square of the rows.
    bool running_ = false;
    double collectableSum_ = 0;
    double otherSum_ = 0;
    double priorCollectable_ = 0;
    double priorOther_ = 0;
    double transferredIn_ = 0;
    UnappliedLosses unapplied_;
};

// Whole dollars in the platform's currency format: "$12,345", "-$1,200".
std::string CurrencyText(double amount);

inline constexpr const char* kApplyAllQuestion = "Do you want to delete all applied losses and start afresh?";
inline constexpr const char* kApplyAllDone =
    "Applied losses previously set have been cleared and has re-calculated the application of losses.";

}  // namespace cgt
