#pragma once
// The base of the two short-form entry tables (TQCGT02_04 trust
// distributions, TQCGT02_05 manual calculation): one grid bound to its list
// field, the screen's navigator entry, and the rows checked whenever the
// screen is left, Prev included. The rules are those of calc/entry_tables.h.
#include <optional>

#include "calc/entry_tables.h"
#include "interview/childform.h"

namespace cgt {

class TXGrid;

class TEntryTableScreen : public TChildForm {
    Q_OBJECT
public:
    explicit TEntryTableScreen(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

protected:
    TInterviewFrame& Frame() const { return *frame_; }
    // The first row that breaks a rule, checked when the screen is left.
    virtual std::optional<TableFault> Fault() = 0;

    // Lays the definition out on the screen (from the derived constructor)
    // and takes its table, XGrid1.
    template <class Form>
    void SetUp(Form& ui) {
        ui.setupUi(this);
        XGrid1 = ui.XGrid1;
    }

    TXGrid* XGrid1 = nullptr;

private:
    bool Checks();

    TInterviewFrame* frame_ = nullptr;
};

}  // namespace cgt
