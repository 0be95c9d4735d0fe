#pragma once
// The roll-over questions of the deferral screens and the created right
// screen: "eligible for roll-over?" Yes/No and, while Yes is ticked, "a
// result of marriage breakdown?" Yes/No. Each pair is exclusive; No to the
// roll-over unticks and disables the marriage breakdown pair.
#include <QObject>

class QAbstractButton;

namespace cgt {

class RollOverQuestions : public QObject {
    Q_OBJECT
public:
    RollOverQuestions(QAbstractButton* yes, QAbstractButton* no, QAbstractButton* marriageYes,
                      QAbstractButton* marriageNo, QObject* parent = nullptr);

    // Enables the marriage breakdown pair exactly while roll-over Yes is ticked.
    void Sync();
    bool RollOverAnswered() const;
    bool RollOverYes() const;
    bool MarriageAnswered() const;

    QAbstractButton* Yes() const { return yes_; }
    QAbstractButton* MarriageYes() const { return marriageYes_; }

signals:
    // Roll-over Yes or No was ticked by the user.
    void rollOverTicked(bool yes);

private:
    QAbstractButton* yes_;
    QAbstractButton* no_;
    QAbstractButton* marriageYes_;
    QAbstractButton* marriageNo_;
};

}  // namespace cgt
