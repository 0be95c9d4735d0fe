#include "screens/rollover_questions.h"

#include <QAbstractButton>

namespace cgt {

RollOverQuestions::RollOverQuestions(QAbstractButton* yes, QAbstractButton* no, QAbstractButton* marriageYes,
                                     QAbstractButton* marriageNo, QObject* parent)
    : QObject(parent), yes_(yes), no_(no), marriageYes_(marriageYes), marriageNo_(marriageNo) {
    connect(yes_, &QAbstractButton::clicked, this, [this](bool on) {
        if (!on) return;
        no_->setChecked(false);
        Sync();
        emit rollOverTicked(true);
    });
    connect(no_, &QAbstractButton::clicked, this, [this](bool on) {
        if (!on) return;
        yes_->setChecked(false);
        marriageYes_->setChecked(false);
        marriageNo_->setChecked(false);
        Sync();
        emit rollOverTicked(false);
    });
    connect(marriageYes_, &QAbstractButton::clicked, this, [this](bool on) {
        if (on) marriageNo_->setChecked(false);
    });
    connect(marriageNo_, &QAbstractButton::clicked, this, [this](bool on) {
        if (on) marriageYes_->setChecked(false);
    });
}

void RollOverQuestions::Sync() {
    const bool open = yes_->isChecked();
    marriageYes_->setEnabled(open);
    marriageNo_->setEnabled(open);
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
