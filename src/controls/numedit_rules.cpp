#include "controls/numedit_rules.h"

#include <cmath>

#include "base/daynumber.h"
#include "base/dialogs.h"
#include "base/idnumbers.h"
#include "base/numtext.h"
#include "base/rounding.h"
#include "base/text.h"
#include "base/textroutines.h"

namespace cgt {
namespace {

using NT = TNumericType;
using RT = TRavelleDataType;

constexpr char kDecimalSeparator = '.';
constexpr char kDateSeparator = '/';
// The field's own century window: 50 years back to 49 years ahead.
constexpr int kFieldCenturyWindow = 50;

const std::string kNumberChars = "-0123456789.";

const std::string kNonePreset = "A..Z,a..z,0..9,`,\",!,@,#,$,%,&,(,),_,-,=,{,},[,],|,\\,;,:,',.,?,/,,, ";
const std::string kAddressPreset = "A..Z,a..z,0..9,&,',/,-,(, ,)";
const std::string kNamePreset = "A..Z,a..z,0..9,`,\",!,@,#,$,%,&,(,),_,-,=,{,},[,],\\,;,:,',.,?,/, ";
const std::string kTextPreset = "A..Z,a..z,0..9,\",!,@,$,%,&,*,(,),-,=,[,],;,:,',,,.,?,/, ";

bool IsIdKind(NT t) {
    return t >= NT::ntTFN && t <= NT::ntEGN;
}

bool ZeroLike(long double v) {
    return std::fabs(v) <= 0.001L;
}

bool IsExplicitZero(long double v) {
    return std::fabs(std::fabs(v) - kExplicitZero) < 1e-9L;
}

bool AllZeroDigits(const std::string& s) {
    bool digit = false;
    for (char c : s) {
        if (c >= '1' && c <= '9') return false;
        if (c == '0') digit = true;
    }
    return digit;
}

}  // namespace

bool ParseValidChars(const std::string& chars, std::bitset<256>& set) {
    set.reset();
    std::string rest = chars;
    while (!rest.empty()) {
        std::string item;
        if (rest[0] == ',') {
            if (rest.size() >= 4 && rest.compare(1, 2, "..") == 0) {
                item = rest.substr(0, 4);
                rest.erase(0, 4);
            } else {
                item = ",";
                rest.erase(0, 1);
            }
            if (!rest.empty() && rest[0] == ',') rest.erase(0, 1);
        } else {
            const std::size_t p = rest.find(',');
            if (p == std::string::npos) {
                item = rest;
                rest.clear();
            } else {
                item = rest.substr(0, p);
                rest.erase(0, p + 1);
            }
        }
        if (item.size() == 1) {
            set.set(static_cast<unsigned char>(item[0]));
        } else if (item.size() == 4 && item[1] == '.' && item[2] == '.') {
            for (int c = static_cast<unsigned char>(item[0]); c <= static_cast<unsigned char>(item[3]); ++c) set.set(c);
        } else {
            set.reset();
            return false;
        }
    }
    return true;
}

NumEditRules::NumEditRules(Dialogs& dialogs, const Clock& clock) : dialogs_(dialogs), clock_(clock) {}

bool NumEditRules::IsParsedKind(TNumericType t) {
    return t == NT::ntCurrency || t == NT::ntCurrencyCnt || t == NT::ntPercentage || t == NT::ntNumeric ||
           t == NT::ntCPI || t == NT::ntDec2;
}

void NumEditRules::SetValidChars(const std::string& chars) {
    validChars_ = chars.substr(0, 100);
    if (!ParseValidChars(validChars_, validSet_)) dialogs_.Error("Bad ValidChars property " + validChars_ + " !");
}

void NumEditRules::SetDecimals(int d) {
    if (d == decimals_) return;
    decimals_ = d;
    FormatValue();
}

void NumEditRules::SetMinDate(double d) {
    if (d == minDate_) return;
    minDate_ = d;
    if (dateValue_ < d) dateValue_ = d;
}

void NumEditRules::SetMaxDate(double d) {
    if (d == maxDate_) return;
    maxDate_ = d;
    if (dateValue_ > d) dateValue_ = d;
}

void NumEditRules::SetNumericType(TNumericType t) {
    if (t == numericType_) return;
    numericType_ = t;
    ApplyNumericPresets(t);
}

void NumEditRules::ForceNumericType(TNumericType t) {
    numericType_ = NT::ntCPI;
    SetNumericType(t);
}

void NumEditRules::ApplyNumericPresets(TNumericType t) {
    const std::string dec(1, kDecimalSeparator);
    switch (t) {
        case NT::ntNone:
            SetDecimals(0);
            alignment_ = EditAlignment::Left;
            SetValidChars(kNonePreset);
            break;
        case NT::ntCurrency:
            SetDecimals(0);
            alignment_ = EditAlignment::Right;
            SetValidChars("-,0..9");
            break;
        case NT::ntCurrencyCnt:
            SetDecimals(2);
            alignment_ = EditAlignment::Right;
            SetValidChars("-,0..9," + dec);
            break;
        case NT::ntPercentage:
            alignment_ = EditAlignment::Right;
            SetValidChars("-,0..9," + dec + ",%");
            break;
        case NT::ntDate:
            alignment_ = EditAlignment::Left;
            maxLength_ = 10;
            SetValidChars("0..9," + std::string(1, kDateSeparator));
            break;
        case NT::ntSpecial: SetDecimals(0); break;
        case NT::ntNumeric:
            SetDecimals(0);
            SetValidChars("0..9");
            break;
        case NT::ntPhone:
            alignment_ = EditAlignment::Left;
            SetValidChars("0..9");
            break;
        case NT::ntCPI:
            alignment_ = EditAlignment::Right;
            SetValidChars("0..9," + dec);
            break;
        case NT::ntTFN:
        case NT::ntABN:
        case NT::ntACN:
        case NT::ntSFN:
        case NT::ntDIN:
        case NT::ntEGN:
        case NT::ntPCode:
            SetDecimals(0);
            alignment_ = EditAlignment::Left;
            SetValidChars("0..9");
            break;
        case NT::ntDec2:
            SetDecimals(2);
            alignment_ = EditAlignment::Right;
            maxLength_ = 6;
            SetValidChars("0..9," + dec);
            break;
    }
}

void NumEditRules::SetRavelleDataType(TRavelleDataType t) {
    if (t == ravelle_) return;
    ravelle_ = t;
    const std::string dec(1, kDecimalSeparator);
    switch (t) {
        case RT::atNone: return;
        case RT::atAddressText: SetValidChars(kAddressPreset); break;
        case RT::atDate:
            maxLength_ = 8;
            SetValidChars("0..9");
            break;
        case RT::atDate8:
            maxLength_ = 10;
            SetValidChars("0..9," + std::string(1, kDateSeparator));
            break;
        case RT::atDollar: SetValidChars("0..9"); break;
        case RT::atDollarCents: SetValidChars(dec + ",0..9"); break;
        case RT::atDollarNegative: SetValidChars("-,0..9"); break;
        case RT::atInteger: SetValidChars("0..9"); break;
        case RT::atNameText: SetValidChars(kNamePreset); break;
        case RT::atQuestion:
            maxLength_ = 1;
            SetValidChars("Y, ,N");
            break;
        case RT::atRestrictedNameText: SetValidChars("A..Z,a..z,0..9,-, ,'"); break;
        case RT::atText: SetValidChars(kTextPreset); break;
    }
    SetDecimals(t == RT::atDollarCents ? 2 : 0);
    const bool right = t == RT::atDollar || t == RT::atDollarCents || t == RT::atDollarNegative;
    alignment_ = right ? EditAlignment::Right : EditAlignment::Left;
}

NumEditRules::KeyResult NumEditRules::FilterKey(char ch) {
    const auto uc = static_cast<unsigned char>(ch);
    KeyResult r;
    r.ch = ch;
    if (uc < 27) return r;
    if (numericType_ == NT::ntNone && validSet_.none()) return r;
    auto drop = [&] {
        dialogs_.Beep();
        r.action = KeyAction::Drop;
        return r;
    };
    if (!validSet_.test(uc)) return drop();
    if (numericType_ == NT::ntCurrency || numericType_ == NT::ntCurrencyCnt || numericType_ == NT::ntNumeric ||
        numericType_ == NT::ntCPI) {
        if ((ch == '-' || ch == kDecimalSeparator) && text_.find(ch) != std::string::npos) return drop();
        if (ch == '-' && !text_.empty()) {
            r.action = KeyAction::ReplaceText;
            r.newText = "-" + text_;
            return r;
        }
        // The integer part holds at most MaxLength - Decimals - 1 characters
        // until the decimal separator is typed (no limit without a MaxLength).
        if (decimals_ != 0 && maxLength_ > 0 && text_.find(kDecimalSeparator) == std::string::npos && ch != '-' &&
            ch != kDecimalSeparator && int(text_.size()) > maxLength_ - decimals_ - 2)
            return drop();
    }
    if ((numericType_ == NT::ntNone || numericType_ == NT::ntSpecial) && CapitaliseWords && ch >= 'a' && ch <= 'z' &&
        (text_.empty() || text_.back() == ' '))
        r.ch = char(ch - 'a' + 'A');
    return r;
}

void NumEditRules::StripFormatting() {
    text_ = FilterChars(text_, kNumberChars);
}

void NumEditRules::Enter() {
    if (numericType_ == NT::ntCurrency || numericType_ == NT::ntCurrencyCnt || numericType_ == NT::ntPercentage ||
        IsIdKind(numericType_))
        StripFormatting();
    savedAlignment_ = alignment_;
}

long double NumEditRules::ReadNumber() const {
    std::string t = text_;
    if (t.find('-', 1) != std::string::npos) t = "-" + FilterChars(t, "0123456789.");
    t = FilterChars(t, kNumberChars);
    if (t.empty() || t == "-") return 0;
    // Any zero the user typed ("0", "0.00", "-0", "00") is an explicit zero.
    if (AllZeroDigits(t)) {
        if (TryStrToFloat(t)) return kExplicitZero;
    }
    if (auto v = TryStrToFloat(t)) return *v;
    throw EConvertError("'" + text_ + "' is not a valid floating point value");
}

long double NumEditRules::NumValue() {
    if (IsParsedKind(numericType_)) numValue_ = ReadNumber();
    return numValue_;
}

void NumEditRules::SetNumValue(long double v) {
    numValue_ = v;
    FormatValue();
}

void NumEditRules::SetTextValue(const std::string& text) {
    text_ = text;
    if (numericType_ == NT::ntCurrency || numericType_ == NT::ntCurrencyCnt || numericType_ == NT::ntPercentage ||
        numericType_ == NT::ntNumeric || numericType_ == NT::ntCPI) {
        try {
            NumValue();
        } catch (const EConvertError&) {
            // Stored text that is no number loads as a blank amount.
            numValue_ = 0;
        }
        FormatValue();
    }
}

void NumEditRules::FormatValue() {
    const NT t = numericType_;
    if ((t == NT::ntCurrency || t == NT::ntCurrencyCnt || t == NT::ntPercentage || t == NT::ntCPI || t == NT::ntDec2) &&
        decimals_ != 0) {
        const long double whole = std::trunc(numValue_);
        long double frac = numValue_ - whole;
        if (UseRounding) {
            const long double scale = std::pow(10.0L, decimals_);
            frac = static_cast<long double>(Round(frac * scale)) / scale;
        } else {
            frac = 0;
        }
        if (numValue_ > 0.005L) numValue_ = whole + frac;
    }
    const int precision = maxLength_ > 0 ? maxLength_ : 18;
    switch (t) {
        case NT::ntCurrency: text_ = ZeroLike(numValue_) ? "" : FormatFixed(numValue_, 18, 0); break;
        case NT::ntCurrencyCnt: text_ = ZeroLike(numValue_) ? "" : FormatFixed(numValue_, 18, 2); break;
        case NT::ntPercentage:
            if (IsExplicitZero(numValue_))
                text_ = FormatFixed(0, 18, decimals_) + "%";
            else
                text_ = ZeroLike(numValue_) ? "" : FormatFixed(numValue_, 18, 2) + "%";
            break;
        case NT::ntDate: text_ = enteredDate_ > kNoDate ? DateToText(int(enteredDate_)) : ""; break;
        case NT::ntNumeric:
        case NT::ntCPI: text_ = ZeroLike(numValue_) ? "" : FormatFixed(numValue_, precision, decimals_); break;
        case NT::ntDec2:
            if (ZeroLike(numValue_)) {
                text_.clear();
            } else {
                text_ = FormatFixed(numValue_, precision, decimals_);
                if (maxLength_ > 0 && int(text_.size()) < maxLength_) text_.insert(0, maxLength_ - text_.size(), '0');
            }
            break;
        case NT::ntTFN: text_ = FormatTFN(text_); break;
        case NT::ntABN: text_ = FormatABN(text_); break;
        case NT::ntACN: text_ = FormatACN(text_); break;
        case NT::ntSFN: text_ = FormatSFN(text_); break;
        case NT::ntDIN: text_ = FormatDIN(text_); break;
        case NT::ntEGN: text_ = FormatEGN(text_); break;
        case NT::ntNone:
        case NT::ntSpecial:
        case NT::ntPhone:
        case NT::ntPCode: break;
    }
}

bool NumEditRules::Fail(const std::string& message, bool beep) {
    if (beep) dialogs_.Beep();
    dialogs_.Error(message);
    return false;
}

bool NumEditRules::IsValid() {
    const std::string trimmed = Trim(text_);
    auto fail = [&](const std::string& m) {
        alignment_ = savedAlignment_;
        return Fail(m, false);
    };
    if (Mandatory && trimmed.empty()) return fail("This field is mandatory and MUST be completed");
    if (Validate && !trimmed.empty() && (numValue_ < MinVal || numValue_ > MaxVal) && !IsExplicitZero(numValue_))
        return fail("Value must be between " + FormatGeneral(MinVal) + " and " + FormatGeneral(MaxVal));
    if (!trimmed.empty() && validSet_.any()) {
        for (char c : text_) {
            if (c == '%' && numericType_ == NT::ntPercentage) continue;
            if (!validSet_.test(static_cast<unsigned char>(c))) return fail("Result contains invalid characters");
        }
    }
    return true;
}

NumEditRules::ExitResult NumEditRules::ExitDate() {
    const std::string trimmed = Trim(text_);
    if (trimmed.empty() || trimmed == "/  /") {
        enteredDate_ = kNoDate;
        FormatValue();
        if (Mandatory) {
            dialogs_.Error("This field is mandatory and MUST be completed");
            return ExitResult::AcceptedKeepFocus;
        }
        return ExitResult::Accepted;
    }
    if (TryStrToInt(text_) && (text_.size() == 6 || text_.size() == 8)) {
        text_.insert(4, 1, kDateSeparator);
        text_.insert(2, 1, kDateSeparator);
    }
    const auto day = TextToDayNumber(text_, clock_, kFieldCenturyWindow);
    if (!day) return Refuse("The date must be in dd/mm/yyyy format !");
    enteredDate_ = *day;
    FormatValue();
    return ExitResult::Accepted;
}

NumEditRules::ExitResult NumEditRules::Refuse(const std::string& message) {
    Fail(message, true);
    return ExitResult::Refused;
}

NumEditRules::ExitResult NumEditRules::Exit() {
    alignment_ = savedAlignment_;
    const NT t = numericType_;
    if (t == NT::ntDate) return ExitDate();
    const std::string trimmed = Trim(text_);
    if (IsIdKind(t)) {
        static const struct {
            bool (*check)(std::string_view);
            const char* message;
        } kChecks[] = {
            {IsValidTFN, "Invalid Tax File Number (TFN)"},
            {IsValidABN, "Invalid Australian Business Number (ABN)"},
            {IsValidACN, "Invalid ACN/ARBN"},
            {IsValidSFN, "Invalid SFN"},
            {IsValidDIN, "Invalid Document Indentification Number (DIN)"},
            {IsValidEGN, "Invalid Employer group number"},
        };
        const auto& c = kChecks[int(t) - int(NT::ntTFN)];
        if (!trimmed.empty() && !c.check(text_)) return Refuse(c.message);
        FormatValue();
        return ExitResult::Accepted;
    }
    if (t == NT::ntNone || t == NT::ntPCode || t == NT::ntSpecial) {
        if (t != NT::ntSpecial && !trimmed.empty() && validSet_.any()) {
            for (char c : trimmed)
                if (!validSet_.test(static_cast<unsigned char>(c))) return Refuse("Result contains invalid characters");
        }
        FormatValue();
        return ExitResult::Accepted;
    }
    try {
        NumValue();
    } catch (const EConvertError& e) {
        // Pasted text can be no number at all; say so instead of failing later.
        return Refuse(e.what());
    }
    if (!IsValid()) return ExitResult::Refused;
    FormatValue();
    return ExitResult::Accepted;
}

}  // namespace cgt
