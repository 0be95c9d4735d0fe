#pragma once
// The rules of the typed entry field, without a widget: kind presets, the
// allowed-character set, the key filter, entry and exit processing, reading
// and formatting the number. The widget (TCustomNumEdit) keeps its text here
// while it works and maps Qt events onto these calls.
#include <bitset>
#include <cstdint>
#include <string>

namespace cgt {

class Dialogs;
class Clock;

enum class TNumericType : std::uint8_t {
    ntNone = 0,
    ntCurrency = 1,
    ntCurrencyCnt = 2,
    ntPercentage = 3,
    ntDate = 4,
    ntSpecial = 5,
    ntNumeric = 6,
    ntPhone = 7,
    ntCPI = 8,
    ntTFN = 9,
    ntABN = 10,
    ntACN = 11,
    ntSFN = 12,
    ntDIN = 13,
    ntEGN = 14,
    ntPCode = 15,
    ntDec2 = 16,
};

enum class TRavelleDataType : std::uint8_t {
    atAddressText = 0,
    atDate = 1,
    atDate8 = 2,
    atDollar = 3,
    atDollarCents = 4,
    atDollarNegative = 5,
    atInteger = 6,
    atNameText = 7,
    atNone = 8,
    atQuestion = 9,
    atRestrictedNameText = 10,
    atText = 11,
};

enum class EditAlignment : std::uint8_t { Left, Right, Center };

// "No date entered".
inline constexpr double kNoDate = -9999.0;

class NumEditRules {
public:
    NumEditRules(Dialogs& dialogs, const Clock& clock);

    // --- configuration -------------------------------------------------------
    TNumericType NumericType() const { return numericType_; }
    void SetNumericType(TNumericType t);
    // Applies the presets of `t` even when it is the current kind.
    void ForceNumericType(TNumericType t);
    TRavelleDataType RavelleDataType() const { return ravelle_; }
    void SetRavelleDataType(TRavelleDataType t);

    const std::string& ValidChars() const { return validChars_; }
    void SetValidChars(const std::string& chars);
    bool InValidSet(unsigned char c) const { return validSet_.test(c); }
    bool ValidSetEmpty() const { return validSet_.none(); }

    int Decimals() const { return decimals_; }
    void SetDecimals(int d);
    // 0 means no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n) { maxLength_ = n < 0 ? 0 : n; }
    EditAlignment Alignment() const { return alignment_; }
    void SetAlignment(EditAlignment a) { alignment_ = a; }

    long double MinVal = 0;
    long double MaxVal = 0;
    bool Validate = false;
    bool ValidateDate = false;  // accepted and ignored: dates are never range-checked
    bool Mandatory = false;
    bool UseRounding = true;
    bool CapitaliseWords = false;

    double MinDate() const { return minDate_; }
    double MaxDate() const { return maxDate_; }
    void SetMinDate(double d);
    void SetMaxDate(double d);
    double DateValue() const { return dateValue_; }
    void SetDateValue(double d) { dateValue_ = d; }
    double EnteredDate() const { return enteredDate_; }
    void SetEnteredDate(double d) { enteredDate_ = d; }

    // --- value ---------------------------------------------------------------
    const std::string& Text() const { return text_; }
    void SetText(std::string t) { text_ = std::move(t); }
    // Parses the text first for the parsed kinds; throws EConvertError when the
    // text is no number.
    long double NumValue();
    long double HeldValue() const { return numValue_; }
    void SetNumValue(long double v);
    void SetTextValue(const std::string& text);
    void FormatValue();
    // Keeps "-", the digits and the decimal separator.
    void StripFormatting();
    // Shows the first failing check's error box.
    bool IsValid();

    // --- typing, entry and exit ----------------------------------------------
    enum class KeyAction { Insert, Drop, ReplaceText };
    struct KeyResult {
        KeyAction action = KeyAction::Insert;
        char ch = 0;          // the character to insert (case may have changed)
        std::string newText;  // for ReplaceText
    };
    // Beeps through the dialogs when the character is discarded.
    KeyResult FilterKey(char ch);

    // Focus arrives: strips the formatting of the numeric and number kinds and
    // saves the alignment; the caller shows the text left-aligned.
    void Enter();
    EditAlignment SavedAlignment() const { return savedAlignment_; }
    // Focus leaves. Accepted: the text is formatted and the screen's exit
    // handler runs. Refused: the focus goes back with the text selected and the
    // exit handler is not called. An empty mandatory date does both: the exit
    // handler runs (with no date) and the focus goes back. The alignment is
    // back to the saved one in every case.
    enum class ExitResult { Accepted, AcceptedKeepFocus, Refused };
    ExitResult Exit();

    static bool IsParsedKind(TNumericType t);

private:
    void ApplyNumericPresets(TNumericType t);
    bool Fail(const std::string& message, bool beep);
    ExitResult ExitDate();
    ExitResult Refuse(const std::string& message);
    long double ReadNumber() const;

    Dialogs& dialogs_;
    const Clock& clock_;
    std::string text_;
    TNumericType numericType_ = TNumericType::ntNone;
    TRavelleDataType ravelle_ = TRavelleDataType::atNone;
    std::string validChars_;
    std::bitset<256> validSet_;
    int decimals_ = 0;
    int maxLength_ = 0;
    EditAlignment alignment_ = EditAlignment::Left;
    EditAlignment savedAlignment_ = EditAlignment::Left;
    long double numValue_ = 0;
    double minDate_ = 0;
    double maxDate_ = 0;
    double dateValue_ = 0;
    double enteredDate_ = kNoDate;
};

// The character-set syntax: "A..Z,a..z,0..9,-, ,'". Returns false for an item
// of a length other than 1 or 4 (the set is then empty).
bool ParseValidChars(const std::string& chars, std::bitset<256>& set);

}  // namespace cgt
