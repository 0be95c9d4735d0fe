#pragma once
// Section 2 of an asset block: a cost base the taxpayer already has for the
// asset (one inherited from a deceased estate or carried over from a
// roll-over), the date it was worked out, the date the original asset was
// acquired and the indexed, non-indexed and reduced cost base amounts.
#include "screens/block_screen.h"
#include "ui_qcgt_11.h"

namespace cgt {

class TQCGT_11 : public TBlockScreen {
    Q_OBJECT
public:
    explicit TQCGT_11(QWidget* parent = nullptr);

    void Created(TInterviewFrame& frame) override;
    void Shown(TInterviewFrame& frame) override;

private:
    // Indexation is open when the asset or the original asset was acquired
    // before the freeze (or on its day, before 11.45am).
    bool IndexationOpen() const;
    // The inherited and 11.45am questions follow the roll-over date.
    void FollowRollOverDate(bool focusInherited);
    void DateofRolloverEditExit();
    bool Checks();
    // Where the focus goes for a fault of the indexed cost base.
    QWidget* IndexedFocus() const;

    Ui::TQCGT_11 ui;
};

}  // namespace cgt
