#pragma once
// The picker panel: a header, the list of worksheet names and Delete. The
// rules of clicking and deleting are the frame's; this only shows the list.
#include <QWidget>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace cgt {

class TTextLbl;

class TWorksheetPicker : public QWidget {
    Q_OBJECT
public:
    explicit TWorksheetPicker(QWidget* parent = nullptr);

    void SetNames(const std::vector<std::string>& names);
    int RowCount() const;
    QString RowText(int row) const;
    // 0-based selected row, -1 when none.
    int SelectedRow() const;
    void SelectRow(int row);
    // Header section: 1 "Existing worksheets", 2 "Concessions".
    void ShowHeaderSection(int section);
    int HeaderSection() const;
    QListWidget* List() const { return list_; }
    QPushButton* DeleteButton() const { return delete_; }

signals:
    void rowClicked(int row);  // 0-based
    void deleteClicked();

private:
    TTextLbl* header_;
    QListWidget* list_;
    QPushButton* delete_;
    bool filling_ = false;
};

}  // namespace cgt
