#include "interview/taginspector.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "base/cp1252.h"
#include "base/numtext.h"
#include "base/text.h"
#include "controls/control_context.h"
#include "controls/numedit.h"
#include "controls/qt_text.h"
#include "store/fieldstore.h"

namespace cgt {

namespace {

// Captions by type code; the buttons are laid out in the group's own order.
const char* const kTypeCaptions[kDataTypeCount] = {"Undefined",    "Numeric",  "Currency", "Currency + Cents", "String",
                                                   "Small String", "CheckBox", "List",     "Worksheet"};
const int kGroupOrder[kDataTypeCount] = {dtNumeric,  dtCurrency, dtCurrencyCnt, dtCheckbox, dtString,
                                         dtSmallStr, dtNone,     dtList,        dtWorksheet};

}  // namespace

TTagInspector::TTagInspector(FieldStore& store, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint), store_(store) {
    setWindowTitle(QStringLiteral("Get Tag"));
    setFixedSize(400, 330);

    auto* tagLabel = new QLabel(QStringLiteral("Tag"), this);
    tagLabel->setGeometry(10, 12, 60, 20);
    tag_ = new TTaxEdit(this);
    tag_->setNumericType(TCustomNumEdit::ntNumeric);
    tag_->setValidChars(QStringLiteral("0..9"));
    tag_->setMaxLength(8);
    tag_->setGeometry(80, 10, 90, 22);

    auto* valueLabel = new QLabel(QStringLiteral("Value"), this);
    valueLabel->setGeometry(10, 42, 60, 20);
    value_ = new QLineEdit(this);
    value_->setGeometry(80, 40, 310, 22);
    check_ = new QCheckBox(this);
    check_->setGeometry(80, 40, 300, 22);
    check_->hide();

    auto* group = new QGroupBox(QStringLiteral("Data Type"), this);
    group->setGeometry(10, 70, 268, 170);
    types_.assign(kDataTypeCount, nullptr);
    for (int i = 0; i < kDataTypeCount; ++i) {
        const int code = kGroupOrder[i];
        auto* r = new QRadioButton(QString::fromLatin1(kTypeCaptions[code]), group);
        r->setGeometry(8 + (i / 5) * 128, 20 + (i % 5) * 28, 128, 24);
        types_[std::size_t(code)] = r;
    }
    group->setEnabled(false);
    types_[dtNone]->setChecked(true);

    refresh_ = new QCheckBox(QStringLiteral("Refresh"), this);
    refresh_->setGeometry(288, 80, 100, 22);

    get_ = new QPushButton(QStringLiteral("&Get it"), this);
    get_->setGeometry(288, 120, 100, 26);
    get_->setDefault(true);
    set_ = new QPushButton(QStringLiteral("&Set It"), this);
    set_->setGeometry(288, 155, 100, 26);
    close_ = new QPushButton(QStringLiteral("&Close"), this);
    close_->setGeometry(288, 190, 100, 26);

    auto* note1 = new QLabel(QStringLiteral("If box on form is of type SEDT then refresh will not work"), this);
    note1->setGeometry(10, 250, 370, 20);
    auto* note2 = new QLabel(QStringLiteral("For CheckBox's do a get first."), this);
    note2->setGeometry(10, 275, 370, 20);

    connect(get_, &QPushButton::clicked, this, GuardedSlot(this, [this] { GetClick(); }));
    connect(set_, &QPushButton::clicked, this, GuardedSlot(this, [this] { SetClick(); }));
    connect(close_, &QPushButton::clicked, this, GuardedSlot(this, [this] { hide(); }));
}

int TTagInspector::ReadTag() {
    const auto n = TryStrToInt(Trim(tag_->TextBytes()));
    if (!n || !IsValidTag(*n)) {
        value_->setText(QStringLiteral("Invalid Tag"));
        return 0;
    }
    return int(*n);
}

void TTagInspector::SelectType(int code) {
    if (code >= 0 && code < kDataTypeCount) types_[std::size_t(code)]->setChecked(true);
}

QString TTagInspector::SelectedType() const {
    for (QRadioButton* r : types_)
        if (r->isChecked()) return r->text();
    return QString();
}

void TTagInspector::GetClick() {
    const int tag = ReadTag();
    if (tag == 0) return;
    value_->show();
    check_->hide();
    SelectType(dtNone);
    const int code = store_.FieldType(tag);
    SelectType(code);
    switch (code) {
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt: try { value_->setText(QString::fromStdString(FormatGeneral(store_.GetFieldVal(tag))));
            } catch (...) {
                value_->setText(QStringLiteral("Invalid value"));
            }
            break;
        case dtCheckbox:
            value_->hide();
            check_->show();
            check_->setChecked(store_.FieldChecked(tag));
            break;
        case dtString:
        case dtSmallStr: value_->setText(ToQt(store_.GetFieldStr(tag))); break;
        case dtList: value_->setText(ToQt(store_.FieldAsText(tag))); break;
        case dtWorksheet:
            value_->setText(store_.WorksheetCount(tag - kWorksheetTagOffset) > 0
                                ? QStringLiteral("Worksheet exists")
                                : QStringLiteral("No Worksheets exist"));
            break;
        default: value_->setText(QStringLiteral("Unsupported Data Type")); break;
    }
}

void TTagInspector::SetClick() {
    const int tag = ReadTag();
    if (tag == 0) return;
    const int code = store_.FieldType(tag);
    const std::string text = FromQt(value_->text());
    switch (code) {
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt: store_.SetFieldVal(tag, StrToFloatDef(Trim(text), 0)); break;
        case dtCheckbox:
            if (check_->isHidden()) {
                check_->show();
                value_->hide();
            } else if (check_->isChecked()) {
                store_.SetFieldChecked(tag);
            } else {
                store_.SetFieldUnchecked(tag);
            }
            break;
        case dtString:
        case dtSmallStr: store_.SetFieldStr(tag, text); break;
        default: break;
    }
}

}  // namespace cgt
