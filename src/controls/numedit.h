#pragma once
// The typed entry field. TCustomNumEdit maps Qt events onto NumEditRules;
// TTaxEdit is the class the screen definitions place (custom widget in .ui).
#include <QColor>
#include <QLineEdit>

#include "controls/control_context.h"
#include "controls/numedit_rules.h"

namespace cgt {

class TCustomNumEdit : public QLineEdit {
    Q_OBJECT
    // In the order a screen definition applies them: the kind presets come
    // after an explicit decimals / validChars and override them.
    Q_PROPERTY(int fieldTag READ fieldTag WRITE setFieldTag)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QColor normalColor READ normalColor WRITE setNormalColor)
    Q_PROPERTY(int decimals READ decimals WRITE setDecimals)
    Q_PROPERTY(double maxVal READ maxVal WRITE setMaxVal)
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(double minVal READ minVal WRITE setMinVal)
    Q_PROPERTY(double maxDate READ maxDate WRITE setMaxDate)
    Q_PROPERTY(double minDate READ minDate WRITE setMinDate)
    Q_PROPERTY(NumericType numericType READ numericType WRITE setNumericType)
    Q_PROPERTY(double numValue READ numValueDouble WRITE setNumValueDouble STORED false)
    Q_PROPERTY(double dateValue READ dateValue WRITE setDateValue)
    Q_PROPERTY(bool useRounding READ useRounding WRITE setUseRounding)
    Q_PROPERTY(bool validate READ validate WRITE setValidate)
    Q_PROPERTY(bool validateDate READ validateDate WRITE setValidateDate)
    Q_PROPERTY(QString validChars READ validChars WRITE setValidChars)
    Q_PROPERTY(RavelleDataType ravelleDataType READ ravelleDataType WRITE setRavelleDataType)
    Q_PROPERTY(bool mandatory READ mandatory WRITE setMandatory)
    Q_PROPERTY(bool changeFocusColor READ changeFocusColor WRITE setChangeFocusColor)
    Q_PROPERTY(bool capitaliseWords READ capitaliseWords WRITE setCapitaliseWords)
    Q_PROPERTY(QColor focusColor READ focusColor WRITE setFocusColor)

public:
    // Mirrors of TNumericType / TRavelleDataType that Designer and uic know.
    enum NumericType {
        ntNone,
        ntCurrency,
        ntCurrencyCnt,
        ntPercentage,
        ntDate,
        ntSpecial,
        ntNumeric,
        ntPhone,
        ntCPI,
        ntTFN,
        ntABN,
        ntACN,
        ntSFN,
        ntDIN,
        ntEGN,
        ntPCode,
        ntDec2
    };
    Q_ENUM(NumericType)
    enum RavelleDataType {
        atAddressText,
        atDate,
        atDate8,
        atDollar,
        atDollarCents,
        atDollarNegative,
        atInteger,
        atNameText,
        atNone,
        atQuestion,
        atRestrictedNameText,
        atText
    };
    Q_ENUM(RavelleDataType)

    explicit TCustomNumEdit(QWidget* parent = nullptr);

    NumEditRules& Rules() { return rules_; }

    int fieldTag() const { return fieldTag_; }
    void setFieldTag(int t) { fieldTag_ = t; }
    // alignment and maxLength hide QLineEdit's: call them on a TCustomNumEdit,
    // not through a QLineEdit pointer, so that the rules see the change.
    Qt::Alignment alignment() const;
    void setAlignment(Qt::Alignment a);
    QColor normalColor() const { return normalColor_; }
    void setNormalColor(const QColor& c);
    QColor focusColor() const { return focusColor_; }
    void setFocusColor(const QColor& c) { focusColor_ = c; }
    int decimals() const { return rules_.Decimals(); }
    void setDecimals(int d);
    double maxVal() const { return double(rules_.MaxVal); }
    void setMaxVal(double v) { rules_.MaxVal = v; }
    double minVal() const { return double(rules_.MinVal); }
    void setMinVal(double v) { rules_.MinVal = v; }
    int maxLength() const { return rules_.MaxLength(); }
    void setMaxLength(int n);
    double maxDate() const { return rules_.MaxDate(); }
    void setMaxDate(double d) { rules_.SetMaxDate(d); }
    double minDate() const { return rules_.MinDate(); }
    void setMinDate(double d) { rules_.SetMinDate(d); }
    NumericType numericType() const { return NumericType(rules_.NumericType()); }
    void setNumericType(NumericType t);
    void ForceNumericType(NumericType t);
    double dateValue() const { return rules_.DateValue(); }
    void setDateValue(double d) { rules_.SetDateValue(d); }
    bool useRounding() const { return rules_.UseRounding; }
    void setUseRounding(bool b) { rules_.UseRounding = b; }
    bool validate() const { return rules_.Validate; }
    void setValidate(bool b) { rules_.Validate = b; }
    bool validateDate() const { return rules_.ValidateDate; }
    void setValidateDate(bool b) { rules_.ValidateDate = b; }
    QString validChars() const;
    void setValidChars(const QString& s);
    RavelleDataType ravelleDataType() const { return RavelleDataType(rules_.RavelleDataType()); }
    void setRavelleDataType(RavelleDataType t);
    bool mandatory() const { return rules_.Mandatory; }
    void setMandatory(bool b) { rules_.Mandatory = b; }
    bool changeFocusColor() const { return changeFocusColor_; }
    void setChangeFocusColor(bool b) { changeFocusColor_ = b; }
    bool capitaliseWords() const { return rules_.CapitaliseWords; }
    void setCapitaliseWords(bool b) { rules_.CapitaliseWords = b; }

    // The held number (parsed from the text for the numeric kinds; a text that
    // is no number reads as the number last held).
    long double NumValue();
    void SetNumValue(long double v);
    double numValueDouble() { return double(NumValue()); }
    void setNumValueDouble(double v) { SetNumValue(v); }
    // -9999 when no date has been entered.
    double EnteredDate() const { return rules_.EnteredDate(); }
    // Loads stored text (Windows-1252) into the field, formatting numbers.
    void SetTextValue(const std::string& text);
    // The field's text as Windows-1252 bytes.
    std::string TextBytes() const;
    bool IsValid();

signals:
    // Focus arrived and the field is ready for typing.
    void entered();
    // Focus left and the entry was accepted; the screen's exit handler.
    void exited();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void PullText();
    void PushText();
    void ApplyColors(bool focused);

    ContextDialogs dialogs_;
    ContextClock clock_;
    NumEditRules rules_;
    int fieldTag_ = 0;
    QColor normalColor_;
    QColor focusColor_{255, 0, 0};
    bool changeFocusColor_ = true;
    bool inside_ = false;  // between an accepted entry and exit
};

class TTaxEdit : public TCustomNumEdit {
    Q_OBJECT
public:
    explicit TTaxEdit(QWidget* parent = nullptr);
};

}  // namespace cgt
