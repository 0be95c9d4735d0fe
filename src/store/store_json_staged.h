#pragma once
// The store read from its JSON form a piece at a time, as the text streams
// in, and put into a run once the whole text has been read, without ever
// holding all of the text. Faults of the content are kept as they are met
// and the first in the order of the form is thrown when the store is put:
// the keys of the top object, then position, history, fields and
// worksheets, each in the order of its keys. Each key comes once: the
// reader (ReadStoreJson) refuses one given twice in any object while it
// reads, as it refuses text that is no JSON.
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "store/modulerun.h"

namespace cgt {

class StagedStore {
public:
    // `source` names the text in every fault (see JsonFaultPrefix).
    explicit StagedStore(std::string source = {}) : source_(std::move(source)) {}

    void NotAnObject() { notObject_ = true; }
    void TopKey(const std::string& key);
    void Position(nlohmann::ordered_json value) { position_ = std::move(value); }
    void History(nlohmann::ordered_json value) { history_ = std::move(value); }
    // "fields" starts; `isObject` false when its value is no object.
    void StartFields(bool isObject);
    void Field(const std::string& key, const nlohmann::ordered_json& value);
    void StartWorksheets(bool isObject);
    // A worksheet type; `isArray` false when its value is no array of instances.
    void StartWorksheet(const std::string& key, bool isArray);
    // The next instance of the type started last.
    void Instance(const nlohmann::ordered_json& value);
    void EndWorksheet();

    // Fills an empty run; throws JsonStoreError with the first fault.
    void PutInto(ModuleRun& run);

private:
    struct FieldEntry {
        int tag = 0;
        Slot slot;
        std::string fault;  // empty when the field is good
    };
    struct WorksheetEntry {
        int type = 0;
        std::string where;
        std::vector<std::string> faults;  // of the key, the value, the count, the first bad instance
        std::string instanceFault;
        std::size_t instances = 0;
        WorksheetListPtr items;
    };
    // PutInto without the source named in its faults.
    void Put(ModuleRun& run);

    std::string source_;
    bool notObject_ = false;
    std::optional<std::string> unknownKey_;
    std::optional<nlohmann::ordered_json> position_, history_;
    std::optional<bool> fieldsObject_, worksheetsObject_;  // none: the key is not there
    std::vector<FieldEntry> fields_;
    std::vector<WorksheetEntry> worksheets_;
    WorksheetEntry* current_ = nullptr;
};

}  // namespace cgt
