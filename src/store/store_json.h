#pragma once
// The store as JSON:
//   {"position":{"section":20,"index":4},"history":[2004],
//    "fields":{"300":{"type":"dtCurrency","value":1234.5}, ...},
//    "worksheets":{"451":[{"710":{"type":"dtSmallStr","value":"BHP"}}, ...]}}
// Worksheet type T is field T + 751. On input a value may also be bare, its
// type inferred: number dtCurrency, string dtSmallStr or dtString by length,
// boolean dtCheckbox, array of strings dtList. Text is UTF-8 in JSON and
// Windows-1252 in the store.
//
// Written and read a piece at a time, so that a large return is never held
// as a JSON document: a string stream serves where a text is wanted whole.
#include <cstddef>
#include <iosfwd>
#include <stdexcept>
#include <string>

#include "store/modulerun.h"
#include "store/store_json_staged.h"

namespace cgt {

class JsonStoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Every fault of a JSON text begins with this: "bad JSON in SOURCE: ", or
// "JSON: " for a text that is not named.
std::string JsonFaultPrefix(const std::string& source);

// No text or number of a return comes near this; a longer one is refused
// before it is read whole.
inline constexpr std::size_t kMaxJsonToken = std::size_t(1) << 20;

// The store as nlohmann's dump(2) lays out a document: two spaces a level,
// each member and element on its own line, "{}" and "[]" when empty.
void WriteStoreJson(const ModuleRun& run, std::ostream& out);

// The store read from a text as it comes; StagedStore::PutInto then fills
// an empty run with it. Text that is no JSON, a key given twice in one
// object, and a text, number or run of anything else longer than
// kMaxJsonToken bytes throw JsonStoreError at once, naming `source`.
StagedStore ReadStoreJson(std::istream& in, const std::string& source);

}  // namespace cgt
