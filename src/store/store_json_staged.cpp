#include "store/store_json_staged.h"

#include "base/text.h"
#include "store/store_json.h"
#include "store/store_json_parts.h"

namespace cgt {
namespace {

using store_json::Fail;
using store_json::Key;

// Instance numbers are two bytes in the file.
constexpr std::size_t kMaxInstances = 0xFFFF;

std::string FaultOf(const std::string& where, const std::string& what) {
    return where + ": " + what;
}

}  // namespace

void StagedStore::TopKey(const std::string& key) {
    if (!unknownKey_ && key != "position" && key != "history" && key != "fields" && key != "worksheets")
        unknownKey_ = key;
}

void StagedStore::StartFields(bool isObject) {
    fieldsObject_ = isObject;
    fields_.clear();
}

void StagedStore::Field(const std::string& key, const nlohmann::ordered_json& value) {
    FieldEntry& f = fields_.emplace_back();
    const std::string where = "fields." + QuoteInput(key);
    try {
        f.tag = int(Key(key, where, kFirstTag, kLastTag));
        f.slot = store_json::SlotFromJson(value, where, false);
    } catch (const JsonStoreError& e) {
        f.fault = e.what();
    }
}

void StagedStore::StartWorksheets(bool isObject) {
    worksheetsObject_ = isObject;
    worksheets_.clear();
    current_ = nullptr;
}

void StagedStore::StartWorksheet(const std::string& key, bool isArray) {
    WorksheetEntry& w = worksheets_.emplace_back();
    current_ = &w;
    w.where = "worksheets." + QuoteInput(key);
    w.items = std::make_shared<WorksheetItems>();
    try {
        w.type = int(Key(key, w.where, kFirstTag - kWorksheetTagOffset, kLastTag - kWorksheetTagOffset));
    } catch (const JsonStoreError& e) {
        w.faults.push_back(e.what());
    }
    if (!isArray) w.faults.push_back(FaultOf(w.where, "expected an array of instances"));
}

void StagedStore::Instance(const nlohmann::ordered_json& value) {
    WorksheetEntry& w = *current_;
    const std::size_t n = w.instances++;
    // Past a fault nothing more of the type is kept: the fault is what counts.
    if (!w.faults.empty() || !w.instanceFault.empty() || n >= kMaxInstances) return;
    const std::string at = w.where + "[" + std::to_string(n) + "]";
    try {
        if (!value.is_object()) Fail(at, "expected an object of tags");
        for (const auto& [itemKey, itemValue] : value.items()) {
            const std::string itemAt = at + "." + QuoteInput(itemKey);
            const auto itemTag = std::int32_t(Key(itemKey, itemAt, kFirstTag, kLastTag));
            w.items->push_back({std::uint16_t(n + 1), itemTag, store_json::SlotFromJson(itemValue, itemAt, true)});
        }
    } catch (const JsonStoreError& e) {
        w.instanceFault = e.what();
    }
}

void StagedStore::EndWorksheet() {
    WorksheetEntry& w = *current_;
    if (w.instances > kMaxInstances) w.faults.push_back(FaultOf(w.where, "more than 65535 instances"));
    if (!w.instanceFault.empty()) w.faults.push_back(w.instanceFault);
    if (!w.faults.empty()) w.items.reset();
    if (w.items) w.items->Pack();
    current_ = nullptr;
}

void StagedStore::PutInto(ModuleRun& run) {
    try {
        Put(run);
    } catch (const JsonStoreError& e) {
        throw JsonStoreError(JsonFaultPrefix(source_) + e.what());
    }
}

void StagedStore::Put(ModuleRun& run) {
    // Faults of the whole text name no place: the prefix names the text.
    if (notObject_) throw JsonStoreError("expected an object");
    if (unknownKey_) throw JsonStoreError("unknown key " + QuoteInput(*unknownKey_));
    if (position_) store_json::PositionFromJson(*position_, run);
    run.history.clear();
    if (history_) store_json::HistoryFromJson(*history_, run);

    FieldStore& store = run.store();
    if (fieldsObject_) {
        if (!*fieldsObject_) Fail("fields", "expected an object of tags");
        for (FieldEntry& f : fields_) {
            if (!f.fault.empty()) throw JsonStoreError(f.fault);
            store.MutableSlotAt(f.tag) = std::move(f.slot);
        }
    }
    if (worksheetsObject_) {
        if (!*worksheetsObject_) Fail("worksheets", "expected an object of worksheet types");
        for (WorksheetEntry& w : worksheets_) {
            if (!w.faults.empty()) throw JsonStoreError(w.faults.front());
            Slot& slot = store.MutableSlotAt(w.type + kWorksheetTagOffset);
            if (slot.type != dtNone)
                Fail(w.where, "field " + std::to_string(w.type + kWorksheetTagOffset) + " is also under \"fields\"");
            slot = Slot{};
            slot.type = dtWorksheet;
            slot.worksheet = std::move(w.items);
        }
    }
}

}  // namespace cgt
