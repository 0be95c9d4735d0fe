// The pieces of the JSON form: one slot either way, keys, position and history.
#include "store/store_json_parts.h"

#include <cmath>
#include <limits>

#include "base/cp1252.h"
#include "base/numtext.h"
#include "base/text.h"
#include "store/store_json.h"

namespace cgt {

std::string JsonFaultPrefix(const std::string& source) {
    return source.empty() ? "JSON: " : "bad JSON in " + source + ": ";
}

namespace store_json {
namespace {

using json = nlohmann::ordered_json;
using nlohmann::ordered_json;

constexpr long long kMin = std::numeric_limits<std::int32_t>::min();
constexpr long long kMax = std::numeric_limits<std::int32_t>::max();

ordered_json NumberToJson(long double v) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v > 0 ? "Infinity" : "-Infinity";
    return static_cast<double>(v);
}

long long Integer(const json& j, const std::string& where, long long low, long long high) {
    if (!j.is_number_integer()) Fail(where, "expected a whole number");
    const long long v =
        j.is_number_unsigned()
            ? static_cast<long long>(std::min<unsigned long long>(j.get<unsigned long long>(), 1ULL << 62))
            : j.get<long long>();
    if (v < low || v > high)
        Fail(where, std::to_string(v) + " is outside " + std::to_string(low) + " to " + std::to_string(high));
    return v;
}

std::string Text(const json& j, const std::string& where, std::size_t max) {
    if (!j.is_string()) Fail(where, "expected a text");
    const std::string& utf8 = j.get_ref<const std::string&>();
    std::string bytes = Utf8ToCp1252(utf8);
    if (Cp1252ToUtf8(bytes) != utf8) Fail(where, "text has characters outside Windows-1252");
    if (bytes.size() > max) Fail(where, "text longer than " + std::to_string(max) + " characters");
    return bytes;
}

long double Number(const json& j, const std::string& where) {
    if (j.is_number()) return j.get<double>();
    if (j.is_string()) {
        const auto& s = j.get_ref<const std::string&>();
        if (s == "NaN") return std::numeric_limits<long double>::quiet_NaN();
        if (s == "Infinity") return std::numeric_limits<long double>::infinity();
        if (s == "-Infinity") return -std::numeric_limits<long double>::infinity();
    }
    Fail(where, "expected a number");
}

TextListPtr Lines(const json& j, const std::string& where) {
    if (!j.is_array()) Fail(where, "expected an array of texts");
    auto list = std::make_shared<TextList>();
    for (std::size_t i = 0; i < j.size(); ++i) {
        const std::string at = where + "[" + std::to_string(i) + "]";
        std::string line = Text(j[i], at, std::size_t(std::numeric_limits<std::int32_t>::max()));
        // The file keeps lines apart by their breaks; a line cannot hold one.
        if (line.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
            Fail(at, "a list line cannot hold a line break or a zero character");
        list->push_back(std::move(line));
    }
    return list;
}

}  // namespace

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
    throw JsonStoreError(where + ": " + what);
}

long long Key(const std::string& key, const std::string& where, long long low, long long high) {
    const auto v = TryStrToInt(key);
    if (!v || std::to_string(*v) != key) Fail(where, QuoteInput(key) + " is not a whole number");
    if (*v < low || *v > high) Fail(where, key + " is outside " + std::to_string(low) + " to " + std::to_string(high));
    return *v;
}

ordered_json SlotToJson(const Slot& slot) {
    ordered_json j;
    j["type"] = DataTypeName(slot.type);
    switch (slot.type) {
        case dtNone:
            if (slot.number != 0) j["value"] = NumberToJson(slot.number);
            break;
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt: j["value"] = NumberToJson(slot.number); break;
        case dtString:
            j["value"] = slot.longText ? ordered_json(Cp1252ToUtf8(*slot.longText)) : ordered_json(nullptr);
            break;
        case dtSmallStr: j["value"] = Cp1252ToUtf8(slot.smallText); break;
        case dtCheckbox: j["value"] = slot.checked; break;
        case dtList:
            if (slot.list) {
                ordered_json lines = ordered_json::array();
                for (const auto& line : *slot.list) lines.push_back(Cp1252ToUtf8(line));
                j["value"] = lines;
            } else {
                j["value"] = nullptr;
            }
            break;
        default: break;
    }
    return j;
}

Slot SlotFromJson(const json& j, const std::string& where, bool inWorksheet) {
    Slot slot;
    if (!j.is_object()) {
        // A bare value: its type is inferred.
        if (j.is_number()) {
            slot.type = dtCurrency;
            slot.number = Number(j, where);
        } else if (j.is_string()) {
            std::string text = Text(j, where, kStringMax);
            if (text.size() <= kSmallStrMax) {
                slot.type = dtSmallStr;
                slot.smallText = std::move(text);
            } else {
                slot.type = dtString;
                slot.longText = std::move(text);
            }
        } else if (j.is_boolean()) {
            slot.type = dtCheckbox;
            slot.checked = j.get<bool>();
        } else if (j.is_array()) {
            slot.type = dtList;
            slot.list = Lines(j, where);
        } else {
            Fail(where, "cannot tell the type of " + j.dump());
        }
        return slot;
    }

    for (const auto& [k, v] : j.items())
        if (k != "type" && k != "value") Fail(where, "unexpected key " + QuoteInput(k));
    if (!j.contains("type") || !j["type"].is_string()) Fail(where, "\"type\" missing");
    const std::string& name = j["type"].get_ref<const std::string&>();
    const auto code = DataTypeFromName(name);
    if (!code) Fail(where, "unknown field type " + QuoteInput(name));
    slot.type = std::uint8_t(*code);
    const json value = j.contains("value") ? j["value"] : json(nullptr);
    const std::string at = where + ".value";
    switch (*code) {
        case dtNone:
            if (!value.is_null()) slot.number = Number(value, at);
            break;
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt: slot.number = Number(value, at); break;
        case dtString:
            if (!value.is_null()) slot.longText = Text(value, at, kStringMax);
            break;
        case dtSmallStr: slot.smallText = Text(value, at, kSmallStrMax); break;
        case dtCheckbox:
            if (!value.is_boolean()) Fail(at, "expected true or false");
            slot.checked = value.get<bool>();
            break;
        case dtList:
            if (!value.is_null()) slot.list = Lines(value, at);
            break;
        case dtWorksheet:
            if (!inWorksheet) Fail(where, "worksheets belong under \"worksheets\"");
            if (!value.is_null()) Fail(at, "a worksheet item of type dtWorksheet has no value");
            break;
        default: Fail(where, "unknown field type " + QuoteInput(name));
    }
    return slot;
}

void PositionFromJson(const json& p, ModuleRun& run) {
    if (!p.is_object()) Fail("position", "expected an object");
    for (const auto& [k, v] : p.items())
        if (k != "section" && k != "index") Fail("position", "unknown key " + QuoteInput(k));
    run.section = p.contains("section") ? int(Integer(p["section"], "position.section", kMin, kMax)) : 0;
    run.screenIndex = p.contains("index") ? int(Integer(p["index"], "position.index", kMin, kMax)) : 0;
}

void HistoryFromJson(const json& h, ModuleRun& run) {
    if (!h.is_array()) Fail("history", "expected an array of screen numbers");
    for (std::size_t i = 0; i < h.size(); ++i)
        run.history.push_back(std::int32_t(Integer(h[i], "history[" + std::to_string(i) + "]", kMin, kMax)));
}

}  // namespace store_json
}  // namespace cgt
