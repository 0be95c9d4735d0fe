#include "interview/worksheet_picker.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/cp1252.h"
#include "controls/control_context.h"
#include "controls/elided_item_tip.h"
#include "controls/qt_text.h"
#include "controls/textlbl.h"

namespace cgt {

TWorksheetPicker::TWorksheetPicker(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    header_ = new TTextLbl(this);
    header_->setObjectName(QStringLiteral("PickerHeader"));
    header_->setText({QStringLiteral("<s1><T1>Existing worksheets<.>"), QStringLiteral(";"),
                      QStringLiteral("<s2><T1>Concessions<.>")});
    header_->setMinimumHeight(20);
    list_ = new QListWidget(this);
    // A long name ends in "…" within the panel, its tooltip whole.
    KeepEntriesToWidth(list_);
    delete_ = new QPushButton(QStringLiteral("Delete"), this);
    layout->addWidget(header_);
    layout->addWidget(list_, 1);
    layout->addWidget(delete_);
    connect(list_, &QListWidget::itemClicked, this, GuardedSlot(this, [this](QListWidgetItem* item) {
                if (!filling_ && item) emit rowClicked(list_->row(item));
            }));
    connect(delete_, &QPushButton::clicked, this, &TWorksheetPicker::deleteClicked);
}

void TWorksheetPicker::SetNames(const std::vector<std::string>& names) {
    const QSignalBlocker block(list_);
    filling_ = true;
    list_->clear();
    for (const std::string& n : names) list_->addItem(ToQt(n));
    filling_ = false;
}

int TWorksheetPicker::RowCount() const {
    return list_->count();
}

QString TWorksheetPicker::RowText(int row) const {
    const QListWidgetItem* item = list_->item(row);
    return item ? item->text() : QString();
}

int TWorksheetPicker::SelectedRow() const {
    return list_->currentRow();
}

void TWorksheetPicker::SelectRow(int row) {
    const QSignalBlocker block(list_);
    list_->setCurrentRow(row);
}

void TWorksheetPicker::ShowHeaderSection(int section) {
    header_->setCurrentSection(section);
}

int TWorksheetPicker::HeaderSection() const {
    return header_->currentSection();
}

}  // namespace cgt
