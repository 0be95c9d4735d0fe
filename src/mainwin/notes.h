#pragma once
// "Your Tax Return Notes": a jotter kept in kTagNotes as a text list.
#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace cgt {

class ModuleRun;

inline constexpr const char* kNotesIntro =
    "Use the following notepad to jot down anything you want to remember while completing your tax return.  This "
    "will NOT be sent to the Ravelle.";

class TNotesWindow : public QDialog {
    Q_OBJECT
public:
    explicit TNotesWindow(ModuleRun& run, QWidget* parent = nullptr);

    QPlainTextEdit* Box() const { return box_; }
    QPushButton* CloseButton() const { return close_; }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void StoreNotes();

    ModuleRun& run_;
    QPlainTextEdit* box_;
    QPushButton* close_;
    bool stored_ = false;
};

}  // namespace cgt
