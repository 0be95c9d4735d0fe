#pragma once
// The roll-over questions of the deferral screens and the created right
// screen: "eligible for roll-over?" Yes/No and, while Yes is ticked, "a
// result of marriage breakdown?" Yes/No (and on the share and trust screens
// "a scrip for scrip roll-over?" Yes/No). Each pair is exclusive; No to the
// roll-over unticks and disables the pairs that depend on it.
#include <QObject>
#include <utility>
#include <vector>

class QAbstractButton;

namespace cgt {

class RollOverQuestions : public QObject {
    Q_OBJECT
public:
    RollOverQuestions(QAbstractButton* yes, QAbstractButton* no, QAbstractButton* marriageYes,
                      QAbstractButton* marriageNo, QObject* parent = nullptr);

    // Another Yes/No pair asked only while roll-over Yes is ticked, treated
    // as the marriage breakdown pair is.
    void AddDependentPair(QAbstractButton* yes, QAbstractButton* no);

    // Enables the dependent pairs exactly while roll-over Yes is ticked.
    void Sync();
    bool RollOverAnswered() const;
    bool RollOverYes() const;
    bool MarriageAnswered() const;

    QAbstractButton* Yes() const { return yes_; }
    QAbstractButton* MarriageYes() const { return marriageYes_; }
    QAbstractButton* MarriageNo() const { return marriageNo_; }

signals:
    // Roll-over Yes or No was ticked by the user.
    void rollOverTicked(bool yes);

private:
    QAbstractButton* yes_;
    QAbstractButton* no_;
    QAbstractButton* marriageYes_;
    QAbstractButton* marriageNo_;
    std::vector<std::pair<QAbstractButton*, QAbstractButton*>> dependents_;
};

}  // namespace cgt
