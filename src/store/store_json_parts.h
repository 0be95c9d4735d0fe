#pragma once
// The pieces of the JSON form shared by its reader and writer: one slot
// either way, the checks of a key, and the position and history.
#include <nlohmann/json.hpp>
#include <string>

#include "store/modulerun.h"

namespace cgt::store_json {

nlohmann::ordered_json SlotToJson(const Slot& slot);
// Throws JsonStoreError naming `where`.
Slot SlotFromJson(const nlohmann::ordered_json& j, const std::string& where, bool inWorksheet);

// A key that must be a whole number from low to high, as written.
long long Key(const std::string& key, const std::string& where, long long low, long long high);
[[noreturn]] void Fail(const std::string& where, const std::string& what);

// "position" and "history" into the run.
void PositionFromJson(const nlohmann::ordered_json& p, ModuleRun& run);
void HistoryFromJson(const nlohmann::ordered_json& h, ModuleRun& run);

}  // namespace cgt::store_json
