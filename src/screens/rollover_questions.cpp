#include "screens/rollover_questions.h"

#include <QAbstractButton>

#include "controls/control_context.h"

namespace cgt {

RollOverQuestions::RollOverQuestions(QAbstractButton* yes, QAbstractButton* no, QAbstractButton* marriageYes,
                                     QAbstractButton* marriageNo, QObject* parent)
    : QObject(parent), yes_(yes), no_(no), marriageYes_(marriageYes), marriageNo_(marriageNo) {
    connect(yes_, &QAbstractButton::clicked, this, GuardedSlot(this, [this](bool on) {
                if (on) no_->setChecked(false);
                // Unticked, Yes leaves the roll-over unanswered and closes the pairs again.
                Sync();
                if (on) emit rollOverTicked(true);
            }));
    connect(no_, &QAbstractButton::clicked, this, GuardedSlot(this, [this](bool on) {
                if (!on) return;
                yes_->setChecked(false);
                for (const auto& [dependentYes, dependentNo] : dependents_) {
                    dependentYes->setChecked(false);
                    dependentNo->setChecked(false);
                }
                Sync();
                emit rollOverTicked(false);
            }));
    AddDependentPair(marriageYes_, marriageNo_);
}

void RollOverQuestions::AddDependentPair(QAbstractButton* yes, QAbstractButton* no) {
    dependents_.emplace_back(yes, no);
    connect(yes, &QAbstractButton::clicked, this, GuardedSlot(this, [no](bool on) {
                if (on) no->setChecked(false);
            }));
    connect(no, &QAbstractButton::clicked, this, GuardedSlot(this, [yes](bool on) {
                if (on) yes->setChecked(false);
            }));
    Sync();
}

void RollOverQuestions::Sync() {
    const bool open = yes_->isChecked();
    for (const auto& [dependentYes, dependentNo] : dependents_) {
        dependentYes->setEnabled(open);
        dependentNo->setEnabled(open);
    }
}

bool RollOverQuestions::RollOverAnswered() const {
    return yes_->isChecked() || no_->isChecked();
}

bool RollOverQuestions::RollOverYes() const {
    return yes_->isChecked();
}

bool RollOverQuestions::MarriageAnswered() const {
    return marriageYes_->isChecked() || marriageNo_->isChecked();
}

}  // namespace cgt
