#pragma once
// The store of typed fields addressed by tag, with the worksheets kept inside
// it. Invalid tags are ignored; a typed access to a slot of another type is
// skipped and, in help-desk mode, reported.
#include <array>
#include <bitset>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/datatype.h"
#include "store/tags.h"

namespace cgt {

class Dialogs;
class Clock;

inline constexpr const char* kClearFieldsQuestion =
    "Data exists for this item\r\rAre you sure you want to delete it?\r\rIf you select 'Yes' all data for this "
    "item will be lost";
inline constexpr const char* kLodgedMessage =
    "This data file has been lodged and is locked to preserve your lodgment details.\r\n\r\nYou will not be able "
    "to change the information contained in this file.\r\n\r\nHowever, you can continue to view the details of "
    "this file.";
inline constexpr const char* kNewWorksheetEntry = "** Create new worksheet **";
inline constexpr const char* kBlankDateMask = "  /  /    ";

// The tags into which the worksheet instance being edited is unpacked.
inline bool IsWorkingTag(int tag) {
    return (tag >= kFirstLowWorkingTag && tag <= kLastLowWorkingTag) ||
           (tag >= kFirstHighWorkingTag && tag <= kLastHighWorkingTag);
}
const std::vector<int>& WorkingTags();
inline constexpr int kWorkingTagCount =
    (kLastLowWorkingTag - kFirstLowWorkingTag + 1) + (kLastHighWorkingTag - kFirstHighWorkingTag + 1);

// True when the text (its first 10 characters) is blank, the blank date mask
// or no date.
bool IsDateTextBad(std::string_view text);

class FieldStore {
public:
    explicit FieldStore(Dialogs* dialogs = nullptr);

    void SetDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    Dialogs* dialogs() const { return dialogs_; }
    void SetHelpDesk(bool on) { helpDesk_ = on; }
    bool HelpDesk() const { return helpDesk_; }

    bool DataChanged() const { return dataChanged_; }
    void SetDataChanged(bool changed = true) { dataChanged_ = changed; }

    // Worksheet type being edited (0 when none) and its instance.
    int EditedType() const { return editedType_; }
    void SetEditedType(int type) { editedType_ = type; }
    int EditedInstance() const { return editedInstance_; }
    void SetEditedInstance(int n) { editedInstance_ = n; }

    // Typed access.
    void SetFieldVal(int tag, long double value);
    void SetFieldInt(int tag, std::int32_t value);
    void SetFieldStr(int tag, std::string_view text);
    void SetFieldLst(int tag, TextListPtr list);
    void SetFieldChecked(int tag);
    void SetFieldUnchecked(int tag);
    bool FieldChecked(int tag);
    long double GetFieldVal(int tag, bool zeroSmall = false);
    std::int64_t GetFieldRounded(int tag);
    std::string GetFieldStr(int tag);
    TextListPtr GetFieldLst(int tag);
    int FieldType(int tag) const;
    void SetFieldType(int tag, int type);
    void ClearField(int tag);
    // The text a printout or a screen shows: FieldAsText, but an amount in
    // fixed notation at any size (whole dollars, or two decimals with cents),
    // never in the exponent form the stored text may take.
    std::string FieldDisplayText(int tag) const;
    std::string FieldAsText(int tag) const;
    bool FieldIsEmpty(int tag) const;
    bool FieldHasData(int tag) const { return !FieldIsEmpty(tag); }
    bool ClearFields(std::span<const int> tags, bool ask);
    bool AskYesNo(const std::string& question, const std::string& caption);
    bool IsReturnLodged() const;
    void ShowLodgedMessage();

    // Whole-store operations.
    void EmptyWorkingTags();
    void ClearStore();
    void FreeStore();
    // A freed store ignores every access, as for an invalid tag.
    bool Allocated() const { return allocated_; }
    void Allocate();

    // Raw slot access for the data file and the worksheet packing.
    const Slot& SlotAt(int tag) const;
    Slot& MutableSlotAt(int tag);

    // Worksheets.
    int WorksheetCount(int type) const;
    WorksheetListPtr WorksheetList(int type) const;
    WorksheetListPtr EnsureWorksheetList(int type);
    // Unpacks instance n of a list into the working tags for reading, with
    // the typed setters. An instance kept packed (worksheet_items.h) is read
    // without unpacking it: its lists reach the working tags as copies.
    void LoadWorksheetInstance(const WorksheetListPtr& list, int instance);
    // Unpacks instance n of type T into the working tags (sharing its lists).
    void LoadInstance(int type, int instance);
    // Packs the working tags back as instance n of type T and ends the editing.
    void StoreInstance(int type, int instance);
    // Packs the working tags as instance n without ending the editing; with
    // `drop` the instance is removed instead and those above move down.
    void PackInstance(int type, int instance, bool drop);
    // Leaves the working tags as storing them as instance n of type T and
    // unpacking it again would: the instance named when blank, and only what
    // packing keeps. For a calculation that stores an instance between steps.
    void KeepAsStored(int type, int instance);
    // True when any working tag holds something worth keeping: a number, a
    // ticked box, a text other than blanks or the blank date mask, a list
    // with a line of text.
    bool WorkingTagsHoldData() const;
    // Removes instance n, and every higher instance moves down by one.
    void DeleteInstance(int type, int instance);
    // The instance names in list order, then the new-worksheet entry.
    std::vector<std::string> BuildNames(int type) const;

private:
    bool Valid(int tag) const { return allocated_ && IsValidTag(tag); }
    // Every change of a slot goes through here, so that the working tags
    // reached since they were last emptied are known: emptying, packing and
    // the data check then visit those few instead of all of them.
    Slot& At(int tag) {
        if (IsWorkingTag(tag)) reached_.set(WorkingIndex(tag));
        return slots_[std::size_t(tag - 1)];
    }
    const Slot& At(int tag) const { return slots_[std::size_t(tag - 1)]; }
    static std::size_t WorkingIndex(int tag) {
        return std::size_t(tag <= kLastLowWorkingTag
                               ? tag - kFirstLowWorkingTag
                               : tag - kFirstHighWorkingTag + kLastLowWorkingTag - kFirstLowWorkingTag + 1);
    }
    // The working tags reached, in tag order; the others are all empty.
    template <typename Visit>
    void ForEachReachedWorkingTag(Visit visit) const {
        for (int t : WorkingTags())
            if (reached_.test(WorkingIndex(t))) visit(t);
    }
    // PackInstance; with `take` the values move out of the working tags
    // instead of being copied (they are emptied right after).
    void PackWorkingTags(int type, int instance, bool drop, bool take);
    void ReportBadTag(int tag, const char* function);
    void SetChecked(int tag, bool checked, const char* function);

    std::vector<Slot> slots_;
    std::bitset<kWorkingTagCount> reached_;
    Dialogs* dialogs_ = nullptr;
    bool helpDesk_ = false;
    bool dataChanged_ = false;
    bool allocated_ = true;
    int editedType_ = 0;
    int editedInstance_ = 0;
};

}  // namespace cgt
