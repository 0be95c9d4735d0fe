#pragma once
// The base of the calculation screens built on one grid (the choice table
// TQCGT_62 and the small business concession screens TQCGT_64, TQCGT_65,
// TQCGT_66): rows that a calculation routine fills when the screen is shown
// and reads back from the grid for the checks and for Next, which writes
// through it and moves on by one screen. The grid keys that keep the cursor
// in the entry columns are the same on every such screen but for the columns.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/concessions.h"
#include "interview/childform.h"

class QKeyEvent;

namespace cgt {

class FieldStore;
class TXGrid;

// The columns of a grid that take entries. Enter, and Tab in the last of them
// or later, move only from the last to the first of the next row; Shift+Tab
// moves from the first to the last of the previous row and does nothing before
// the first; both wrap round between the last row and row 1; Ctrl+Delete does
// nothing. Any other key reaches the grid.
struct EntryColumns {
    int first;
    int last;
};

class TCalcGridScreen : public TChildForm {
    Q_OBJECT
public:
    // Without entry columns the grid has every key.
    explicit TCalcGridScreen(std::optional<EntryColumns> entry, QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    TInterviewFrame& Frame() const { return *frame_; }
    FieldStore& Store() const;
    TXGrid* Grid() const { return grid_; }

    // The rows a routine built, one grid row each, and no empty rows after
    // them (one when there is none).
    void ShowRows(const std::vector<std::string>& cells);
    // The grid's rows as the taxpayer left them, for the routines.
    std::vector<std::vector<std::string>> Rows() const;

    using Check = std::function<std::optional<GridCheckFailure>()>;
    // Registers the checks (skipped when going back with Prev unless `onPrev`)
    // and the next handler: `writeBack` stores through the routine, then the
    // screen index moves on by one. No checks when `check` is empty.
    void RegisterHandlers(Check check, bool onPrev, std::function<void()> writeBack);

    // Lays the definition out on the screen (from the derived constructor)
    // and takes its grid, XGrid1.
    template <class Form>
    void SetUp(Form& ui) {
        ui.setupUi(this);
        grid_ = ui.XGrid1;
    }

    // Shows the rows the routine builds from the store and registers its
    // checks (when it has them) and its Next, both on the grid's rows.
    template <class Routine>
    void ShowThrough(Routine& routine, bool onPrev) {
        routine.Show(Store());
        ShowRows(routine.ToList());
        Check check;
        if constexpr (requires { routine.Validate(); })
            check = [this, &routine] {
                routine.rows = Rows();
                return routine.Validate();
            };
        RegisterHandlers(std::move(check), onPrev, [this, &routine] {
            routine.rows = Rows();
            routine.Next(Store());
        });
    }

private:
    enum class KeyAction { Pass, Swallow, NextRow, PreviousRow };
    KeyAction ActionFor(const QKeyEvent& key) const;
    // Shows the message and puts the cursor on the offending cell.
    bool Reject(const GridCheckFailure& failure);

    std::optional<EntryColumns> entry_;
    TInterviewFrame* frame_ = nullptr;
    TXGrid* grid_ = nullptr;
};

}  // namespace cgt
