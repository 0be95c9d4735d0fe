#include "store/fieldstore.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/clock.h"
#include "base/daynumber.h"
#include "base/dialogs.h"
#include "base/numtext.h"
#include "base/rounding.h"
#include "base/text.h"

namespace cgt {
namespace {

// Check boxes of which exactly one may be checked: the partner of a tag, or 0.
int PairedTag(int tag) {
    for (const CheckBoxPair& p : kPairedCheckBoxes) {
        if (tag == p.first) return p.second;
        if (tag == p.second) return p.first;
    }
    return 0;
}

// FieldAsText gives a text, without making it: the check of packing that
// runs over every working tag of every instance stored.
bool HasText(const Slot& s) {
    switch (s.type) {
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt: return !(std::fabs(s.number) < 0.001L);
        case dtString: return s.longText && !s.longText->empty();
        case dtSmallStr: return !s.smallText.empty();
        case dtCheckbox: return s.checked;
        case dtList: return s.list && !s.list->empty() && !s.list->front().empty();
        default: return false;
    }
}

// What packing keeps of a working tag. A list is kept when any of its lines
// has text, so that a grid whose first cell is blank is not lost.
bool Packed(const Slot& s) {
    if (s.type != dtList) return HasText(s);
    return s.list && std::any_of(s.list->begin(), s.list->end(), [](const std::string& l) { return !l.empty(); });
}

const Slot& EmptySlot() {
    static const Slot empty;
    return empty;
}

}  // namespace

const std::vector<int>& WorkingTags() {
    static const std::vector<int> tags = [] {
        std::vector<int> t;
        for (int i = kFirstLowWorkingTag; i <= kLastLowWorkingTag; ++i) t.push_back(i);
        for (int i = kFirstHighWorkingTag; i <= kLastHighWorkingTag; ++i) t.push_back(i);
        return t;
    }();
    return tags;
}

bool IsDateTextBad(std::string_view text) {
    const std::string_view first = text.substr(0, std::min<std::size_t>(text.size(), 10));
    if (Trim(first).empty()) return true;
    if (first == kBlankDateMask) return true;
    return !TextToDayNumber(first).has_value();
}

FieldStore::FieldStore(Dialogs* dialogs) : slots_(kSlotCount), dialogs_(dialogs) {}

void FieldStore::Allocate() {
    slots_.assign(kSlotCount, Slot{});
    reached_.reset();
    allocated_ = true;
}

void FieldStore::ReportBadTag(int tag, const char* function) {
    if (!helpDesk_ || !dialogs_) return;
    const std::string text = "DEBUG: bad field tag " + std::to_string(tag) +
                             "  DataType = " + DataTypeName(At(tag).type) + "  Contents = " + FieldAsText(tag) +
                             "  Worksheet = " + WorksheetTypeDescription(editedType_) + "  " + function;
    dialogs_->Message(text, "Error", MsgIcon::Error, MsgButtons::Ok, MsgResult::Ok);
}

void FieldStore::SetFieldVal(int tag, long double value) {
    if (!Valid(tag)) return;
    Slot& s = At(tag);
    if (s.type == dtNone) s.type = dtCurrency;
    if (!IsNumericType(s.type)) {
        ReportBadTag(tag, "SetFieldVal");
        return;
    }
    if (s.number != value) dataChanged_ = true;
    s.number = value;
}

void FieldStore::SetFieldInt(int tag, std::int32_t value) {
    SetFieldVal(tag, static_cast<long double>(value));
}

void FieldStore::SetFieldStr(int tag, std::string_view text) {
    if (!Valid(tag)) return;
    Slot& s = At(tag);
    if (s.type != dtNone && !IsStringType(s.type)) {
        ReportBadTag(tag, "SetFieldStr");
        return;
    }
    const std::string_view stored = text.substr(0, std::min(text.size(), kStringMax));
    if (GetFieldStr(tag) != stored) dataChanged_ = true;
    s.longText.reset();
    s.number = 0;
    if (stored.size() <= kSmallStrMax) {
        s.type = dtSmallStr;
        s.smallText = std::string(stored);
    } else {
        s.type = dtString;
        s.smallText.clear();
        s.longText = std::string(stored);
    }
}

void FieldStore::SetFieldLst(int tag, TextListPtr list) {
    if (!Valid(tag)) return;
    Slot& s = At(tag);
    if (s.type == dtNone) s.type = dtList;
    if (s.type != dtList) {
        ReportBadTag(tag, "SetFieldLst");
        return;
    }
    s.list = std::move(list);
}

void FieldStore::SetChecked(int tag, bool checked, const char* function) {
    if (!Valid(tag)) return;
    Slot& s = At(tag);
    if (s.type == dtNone) s.type = dtCheckbox;
    if (s.type != dtCheckbox) {
        ReportBadTag(tag, function);
        return;
    }
    if (s.checked != checked) dataChanged_ = true;
    s.checked = checked;
    if (!checked) return;
    // Only a check box partner is unchecked: a partner holding another type
    // keeps its value rather than having a byte of it overwritten.
    const int partner = PairedTag(tag);
    if (partner == 0) return;
    Slot& p = At(partner);
    if (p.type == dtCheckbox && p.checked) {
        p.checked = false;
        dataChanged_ = true;
    }
}

void FieldStore::SetFieldChecked(int tag) {
    SetChecked(tag, true, "SetFieldChecked");
}
void FieldStore::SetFieldUnchecked(int tag) {
    SetChecked(tag, false, "SetFieldUnchecked");
}

bool FieldStore::FieldChecked(int tag) {
    if (!Valid(tag)) return false;
    const Slot& s = At(tag);
    if (s.type == dtNone || s.type == dtCheckbox) return s.checked;
    ReportBadTag(tag, "FieldChecked");
    return false;
}

long double FieldStore::GetFieldVal(int tag, bool zeroSmall) {
    if (!Valid(tag)) return 0;
    const Slot& s = At(tag);
    if (s.type != dtNone && !IsNumericType(s.type)) {
        ReportBadTag(tag, "GetFieldVal");
        return 0;
    }
    if (zeroSmall && s.number > 0 && s.number < 0.005L) return 0;
    return s.number;
}

std::int64_t FieldStore::GetFieldRounded(int tag) {
    return Round(GetFieldVal(tag));
}

std::string FieldStore::GetFieldStr(int tag) {
    if (!Valid(tag)) return {};
    const Slot& s = At(tag);
    if (s.type == dtSmallStr) return s.smallText;
    if (s.type == dtNone || s.type == dtString) return s.longText.value_or(std::string());
    ReportBadTag(tag, "GetFieldStr");
    return {};
}

TextListPtr FieldStore::GetFieldLst(int tag) {
    if (!Valid(tag)) return nullptr;
    const Slot& s = At(tag);
    if (s.type == dtNone || s.type == dtList) return s.list;
    ReportBadTag(tag, "GetFieldLst");
    return nullptr;
}

int FieldStore::FieldType(int tag) const {
    return Valid(tag) ? int(At(tag).type) : int(dtNone);
}

void FieldStore::SetFieldType(int tag, int type) {
    if (!Valid(tag) || !IsValidTypeCode(type)) return;
    Slot& s = At(tag);
    const bool numberKept = (s.type == dtNone || IsNumericType(s.type)) && (type == dtNone || IsNumericType(type));
    // Within the numbers (and for the same inline type) the value stays;
    // anything else starts empty, so no value is read as another type.
    if (!numberKept && !(s.type == type && (type == dtSmallStr || type == dtCheckbox))) {
        s = Slot{};
    }
    s.longText.reset();
    s.list.reset();
    s.worksheet.reset();
    s.type = std::uint8_t(type);
}

void FieldStore::ClearField(int tag) {
    if (!Valid(tag)) return;
    Slot& s = At(tag);
    switch (s.type) {
        case dtString:
        case dtList:
        case dtWorksheet:
            // The shared list is only let go of: a worksheet item that still
            // uses it keeps its lines.
            s = Slot{};
            break;
        case dtSmallStr: s.smallText.clear(); break;
        case dtCheckbox: s.checked = false; break;
        default:
            s.number = 0;
            s.checked = false;
            break;
    }
}

std::string FieldStore::FieldAsText(int tag) const {
    if (!Valid(tag)) return {};
    const Slot& s = At(tag);
    switch (s.type) {
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt:
            if (std::fabs(s.number) < 0.001L) return {};
            if (s.type == dtNumeric) return std::to_string(Round(s.number));
            if (s.type == dtCurrency) return FormatFixed(s.number, 8, 0);
            return FormatFixed(s.number, 12, 2);
        case dtString: return s.longText.value_or(std::string());
        case dtSmallStr: return s.smallText;
        case dtCheckbox: return s.checked ? "X" : "";
        case dtList: return s.list && !s.list->empty() ? s.list->front() : std::string();
        default: return {};
    }
}

std::string FieldStore::FieldDisplayText(int tag) const {
    if (!Valid(tag)) return {};
    const Slot& s = At(tag);
    if (s.type != dtCurrency && s.type != dtCurrencyCnt) return FieldAsText(tag);
    if (std::fabs(s.number) < 0.001L) return {};
    return FormatFixed(s.number, kWidestAmountDigits, s.type == dtCurrency ? 0 : 2);
}

bool FieldStore::FieldIsEmpty(int tag) const {
    if (!Valid(tag)) return true;
    const Slot& s = At(tag);
    switch (s.type) {
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt: return std::fabs(s.number) < 0.001L;
        case dtString: return Trim(s.longText.value_or(std::string())).empty();
        case dtSmallStr: return Trim(s.smallText).empty();
        case dtCheckbox: return !s.checked;
        case dtList: return !s.list || s.list->empty();
        case dtWorksheet: return !s.worksheet || s.worksheet->empty();
        default: return true;
    }
}

bool FieldStore::ClearFields(std::span<const int> tags, bool ask) {
    const bool allEmpty = std::all_of(tags.begin(), tags.end(), [this](int t) { return FieldIsEmpty(t); });
    if (allEmpty) return true;
    if (ask && !AskYesNo(kClearFieldsQuestion, "Warning")) return false;
    for (int t : tags) ClearField(t);
    return true;
}

bool FieldStore::AskYesNo(const std::string& question, const std::string& caption) {
    if (!dialogs_) return false;
    return dialogs_->Message(question, caption, MsgIcon::Warning, MsgButtons::YesNo, MsgResult::No) == MsgResult::Yes;
}

bool FieldStore::IsReturnLodged() const {
    return FieldHasData(kTagLodgeReference) && FieldHasData(kTagLodgeDate) && FieldHasData(kTagLodgeTime) &&
           FieldAsText(kTagLodgeMarker) == "999999999";
}

void FieldStore::ShowLodgedMessage() {
    if (dialogs_) dialogs_->Message(kLodgedMessage, "Information", MsgIcon::Information, MsgButtons::Ok, MsgResult::Ok);
}

void FieldStore::EmptyWorkingTags() {
    if (!allocated_) return;
    // The values belong to the worksheet items while an instance is unpacked;
    // the working tags only drop their share.
    ForEachReachedWorkingTag([this](int t) { slots_[std::size_t(t - 1)].Clear(); });
    reached_.reset();
}

void FieldStore::ClearStore() {
    if (!allocated_) return;
    EmptyWorkingTags();
    for (int t = kFirstTag; t <= kLastTag; ++t) ClearField(t);
}

void FieldStore::FreeStore() {
    ClearStore();
    slots_.clear();
    reached_.reset();
    allocated_ = false;
}

const Slot& FieldStore::SlotAt(int tag) const {
    return Valid(tag) ? At(tag) : EmptySlot();
}

Slot& FieldStore::MutableSlotAt(int tag) {
    static Slot scratch;
    if (!Valid(tag)) {
        scratch = Slot{};
        return scratch;
    }
    return At(tag);
}

WorksheetListPtr FieldStore::WorksheetList(int type) const {
    const int tag = type + kWorksheetTagOffset;
    if (!Valid(tag) || At(tag).type != dtWorksheet) return nullptr;
    return At(tag).worksheet;
}

WorksheetListPtr FieldStore::EnsureWorksheetList(int type) {
    const int tag = type + kWorksheetTagOffset;
    if (!Valid(tag)) return nullptr;
    Slot& s = At(tag);
    if (s.type == dtNone) s.type = dtWorksheet;
    if (s.type != dtWorksheet) return nullptr;
    if (!s.worksheet) s.worksheet = std::make_shared<WorksheetItems>();
    return s.worksheet;
}

int FieldStore::WorksheetCount(int type) const {
    const WorksheetListPtr list = WorksheetList(type);
    return list ? list->LastInstance() : 0;
}

void FieldStore::LoadWorksheetInstance(const WorksheetListPtr& list, int instance) {
    if (!list || !allocated_) return;
    EmptyWorkingTags();
    // Read without unpacking: the instance stays as it is kept.
    std::as_const(*list).ForEachOf(instance, [&](const WorksheetItem& item) {
        const Slot& s = item.slot;
        switch (s.type) {
            case dtNumeric:
            case dtCurrency:
            case dtCurrencyCnt: SetFieldVal(item.tag, s.number); break;
            case dtString: SetFieldStr(item.tag, s.longText.value_or(std::string())); break;
            case dtSmallStr: SetFieldStr(item.tag, s.smallText); break;
            case dtCheckbox:
                if (s.checked)
                    SetFieldChecked(item.tag);
                else
                    SetFieldUnchecked(item.tag);
                break;
            case dtList: SetFieldLst(item.tag, s.list); break;
            default: break;
        }
    });
}

void FieldStore::LoadInstance(int type, int instance) {
    if (!allocated_) return;
    editedType_ = type;
    EmptyWorkingTags();
    const WorksheetListPtr list = EnsureWorksheetList(type);
    if (!list) return;
    list->ForEachOf(instance, [&](const WorksheetItem& item) {
        if (IsValidTag(item.tag)) At(item.tag) = item.slot;
    });
}

void FieldStore::PackInstance(int type, int instance, bool drop) {
    PackWorkingTags(type, instance, drop, false);
}

void FieldStore::PackWorkingTags(int type, int instance, bool drop, bool take) {
    if (!allocated_) return;
    const WorksheetListPtr list = EnsureWorksheetList(type);
    if (!list) return;
    if (drop) {
        list->RemoveInstanceAndRenumber(instance);
        return;
    }
    if (FieldIsEmpty(kTagInstanceName)) SetFieldStr(kTagInstanceName, "Worksheet No." + std::to_string(instance));
    std::vector<WorksheetItem> packed;
    packed.reserve(reached_.count());
    ForEachReachedWorkingTag([&](int t) {
        const Slot& s = std::as_const(*this).At(t);
        if (!Packed(s)) return;
        if (take)
            packed.push_back({std::uint16_t(instance), t, std::move(slots_[std::size_t(t - 1)])});
        else
            packed.push_back({std::uint16_t(instance), t, s});
    });
    list->ReplaceInstance(instance, std::move(packed));
}

void FieldStore::KeepAsStored(int type, int instance) {
    if (!allocated_) return;
    editedType_ = type;
    editedInstance_ = 0;
    if (!EnsureWorksheetList(type)) {
        EmptyWorkingTags();
        return;
    }
    if (FieldIsEmpty(kTagInstanceName)) SetFieldStr(kTagInstanceName, "Worksheet No." + std::to_string(instance));
    ForEachReachedWorkingTag([this](int t) {
        Slot& s = slots_[std::size_t(t - 1)];
        if (!Packed(s)) s.Clear();
    });
}

bool FieldStore::WorkingTagsHoldData() const {
    bool any = false;
    ForEachReachedWorkingTag([&](int t) {
        const Slot& s = At(t);
        switch (s.type) {
            case dtList:
                any = any || (s.list && std::any_of(s.list->begin(), s.list->end(),
                                                    [](const std::string& l) { return !Trim(l).empty(); }));
                break;
            case dtString:
            case dtSmallStr: {
                const std::string text = FieldAsText(t);
                any = any || (!Trim(text).empty() && text != kBlankDateMask);
                break;
            }
            default: any = any || HasText(s); break;
        }
    });
    return any;
}

void FieldStore::StoreInstance(int type, int instance) {
    if (!allocated_) return;
    editedType_ = type;
    editedInstance_ = instance;
    // The working tags are emptied next: their values move into the items.
    PackWorkingTags(type, instance, false, true);
    editedType_ = 0;
    editedInstance_ = 0;
    EmptyWorkingTags();
}

void FieldStore::DeleteInstance(int type, int instance) {
    if (const WorksheetListPtr list = WorksheetList(type)) list->RemoveInstanceAndRenumber(instance);
}

std::vector<std::string> FieldStore::BuildNames(int type) const {
    std::vector<std::string> names;
    if (const WorksheetListPtr list = WorksheetList(type)) {
        for (const WorksheetItem& item : std::as_const(*list)) {
            if (item.tag != kTagInstanceName) continue;
            if (item.slot.type == dtSmallStr)
                names.push_back(item.slot.smallText);
            else if (item.slot.type == dtString)
                names.push_back(item.slot.longText.value_or(std::string()));
            else
                names.emplace_back();
        }
    }
    names.emplace_back(kNewWorksheetEntry);
    return names;
}

}  // namespace cgt
