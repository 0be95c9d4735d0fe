// The JSON form of a store written a piece at a time: at most one field or
// one worksheet instance is held as a JSON value while it is written.
#include <ostream>
#include <string>

#include "store/store_json.h"
#include "store/store_json_parts.h"

namespace cgt {
namespace {

using nlohmann::ordered_json;
using store_json::SlotToJson;

std::string Indent(int level) {
    return std::string(std::size_t(2 * level), ' ');
}

// A value as dump(2) shows it `level` levels deep in a document.
std::string Nested(const ordered_json& value, int level) {
    const std::string text = value.dump(2);
    const std::string indent = Indent(level);
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        out += c;
        if (c == '\n') out += indent;
    }
    return out;
}

// The members of an object, or the elements of an array, `level` levels
// deep: empty brackets, or each on its own line.
class Members {
public:
    Members(std::ostream& out, int level, bool array = false) : out_(out), level_(level), array_(array) {}
    std::ostream& Next() {
        out_ << (any_ ? ",\n" : array_ ? "[\n" : "{\n") << Indent(level_ + 1);
        any_ = true;
        return out_;
    }
    std::ostream& Next(const std::string& key) { return Next() << '"' << key << "\": "; }
    void End() {
        if (any_)
            out_ << '\n' << Indent(level_) << (array_ ? ']' : '}');
        else
            out_ << (array_ ? "[]" : "{}");
    }

private:
    std::ostream& out_;
    int level_;
    bool array_;
    bool any_ = false;
};

// The instances of a worksheet type, one object each, instance n at place
// n - 1 (an empty one for a number no item has). An item of instance 0 has
// no place and is left out (the module never makes one); a tag given twice
// in an instance shows once, where it came first, with its last value.
void WriteInstances(std::ostream& out, const WorksheetItems& items, int level) {
    Members instances(out, level, true);
    int written = 0;
    int current = 0;  // the instance being gathered
    ordered_json instance = ordered_json::object();
    const auto put = [&](const ordered_json& value) {
        instances.Next() << Nested(value, level + 1);
        ++written;
    };
    items.ForEachByInstance([&](const WorksheetItem& item) {
        if (item.instance == 0) return;
        if (item.instance != current) {
            if (current != 0) put(instance);
            while (written + 1 < item.instance) put(ordered_json::object());
            current = item.instance;
            instance = ordered_json::object();
        }
        instance[std::to_string(item.tag)] = SlotToJson(item.slot);
    });
    if (current != 0) put(instance);
    instances.End();
}

}  // namespace

void WriteStoreJson(const ModuleRun& run, std::ostream& out) {
    const FieldStore& store = run.store();
    Members top(out, 0);
    top.Next("position") << Nested({{"section", run.section}, {"index", run.screenIndex}}, 1);
    top.Next("history") << Nested(run.history, 1);
    Members fields(top.Next("fields"), 1);
    for (int tag = kFirstTag; tag <= kLastTag; ++tag) {
        const Slot& slot = store.SlotAt(tag);
        if (slot.type != dtNone && slot.type != dtWorksheet)
            fields.Next(std::to_string(tag)) << Nested(SlotToJson(slot), 2);
    }
    fields.End();
    Members worksheets(top.Next("worksheets"), 1);
    for (int tag = kFirstTag; tag <= kLastTag; ++tag) {
        const Slot& slot = store.SlotAt(tag);
        if (slot.type != dtWorksheet) continue;
        std::ostream& o = worksheets.Next(std::to_string(tag - kWorksheetTagOffset));
        if (slot.worksheet)
            WriteInstances(o, *slot.worksheet, 2);
        else
            o << "[]";
    }
    worksheets.End();
    top.End();
}

}  // namespace cgt
