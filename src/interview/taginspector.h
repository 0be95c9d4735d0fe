#pragma once
// "Get Tag": looks at and changes any field of the store by its tag, for
// support staff in help-desk mode.
#include <QDialog>
#include <vector>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace cgt {

class FieldStore;
class TTaxEdit;

class TTagInspector : public QDialog {
    Q_OBJECT
public:
    explicit TTagInspector(FieldStore& store, QWidget* parent = nullptr);

    void GetClick();
    void SetClick();

    TTaxEdit* TagBox() const { return tag_; }
    QLineEdit* ValueBox() const { return value_; }
    QCheckBox* ValueCheck() const { return check_; }
    QCheckBox* RefreshCheck() const { return refresh_; }
    QPushButton* GetButton() const { return get_; }
    QPushButton* SetButton() const { return set_; }
    // The caption of the selected data type button.
    QString SelectedType() const;

private:
    int ReadTag();
    void SelectType(int code);

    FieldStore& store_;
    TTaxEdit* tag_;
    QLineEdit* value_;
    QCheckBox* check_;
    QCheckBox* refresh_;
    std::vector<QRadioButton*> types_;  // by type code 0..8
    QPushButton* get_;
    QPushButton* set_;
    QPushButton* close_;
};

}  // namespace cgt
