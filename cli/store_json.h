#pragma once
// The store as JSON:
//   {"position":{"section":20,"index":4},"history":[2004],
//    "fields":{"300":{"type":"dtCurrency","value":1234.5}, ...},
//    "worksheets":{"451":[{"710":{"type":"dtSmallStr","value":"BHP"}}, ...]}}
// Worksheet type T is field T + 751. On input a value may also be bare, its
// type inferred: number dtCurrency, string dtSmallStr or dtString by length,
// boolean dtCheckbox, array of strings dtList. Text is UTF-8 in JSON and
// Windows-1252 in the store.
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "store/modulerun.h"
#include "store_json_staged.h"

namespace cgt::cli {

class JsonStoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

nlohmann::ordered_json StoreToJson(ModuleRun& run);

// Fills an empty run from JSON; throws JsonStoreError naming the place.
void StoreFromJson(const nlohmann::ordered_json& json, ModuleRun& run);

// The same two a piece at a time, so that a large return is never held as
// a JSON document: the text StoreToJson(run).dump(2) gives, and the store
// read from a text as it comes (StagedStore::PutInto then fills the run as
// StoreFromJson would). Text that is no JSON throws nlohmann::json::exception.
void WriteStoreJson(ModuleRun& run, std::ostream& out);
StagedStore ReadStoreJson(std::istream& in);

}  // namespace cgt::cli
