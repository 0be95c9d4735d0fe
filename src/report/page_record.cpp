#include "report/page_record.h"

#include <algorithm>

namespace cgt {

namespace {

// Reads the stream without ever reading past its end.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool Record(TPageRec& r) {
        if (bytes_.size() - at_ < kPageRecSize) return false;
        std::copy_n(bytes_.begin() + std::ptrdiff_t(at_), kPageRecSize, r.b.begin());
        at_ += kPageRecSize;
        return true;
    }
    bool Text(std::string& text) {
        if (bytes_.size() - at_ < 2) return false;
        const std::size_t length = bytes_[at_] | (bytes_[at_ + 1] << 8);
        at_ += 2;
        if (bytes_.size() - at_ < length) return false;
        text.assign(reinterpret_cast<const char*>(bytes_.data() + at_), length);
        at_ += length;
        // The text ends at its zero byte, counted in the length.
        if (const auto zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
        return true;
    }
    bool AtEnd() const { return at_ >= bytes_.size(); }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

}  // namespace

bool CountsAsLatestShape(char type) {
    return type != rec::kPosition && type != rec::kRepeat && type != rec::kAttributes && type != rec::kFont;
}

bool RecordCarriesText(char type, char latestShape) {
    return type == rec::kText || (type == rec::kRepeat && latestShape == rec::kText);
}

Script ReadScript(std::span<const std::uint8_t> bytes) {
    Script script;
    Reader in(bytes);
    while (!in.AtEnd()) {
        ScriptSection section;
        if (!in.Record(section.header) || section.header.Type() != rec::kSection) break;
        const int count = section.header.RecordCount();
        char latest = 0;
        for (int i = 0; i < count; ++i) {
            ScriptRecord r;
            if (!in.Record(r.rec)) {
                section.complete = false;
                break;
            }
            const char t = r.rec.Type();
            if (RecordCarriesText(t, latest)) {
                r.hasText = true;
                if (!in.Text(r.text)) {
                    section.complete = false;
                    break;
                }
            }
            if (CountsAsLatestShape(t)) latest = t;
            section.records.push_back(std::move(r));
        }
        const bool complete = section.complete;
        script.sections.push_back(std::move(section));
        if (!complete) break;
    }
    return script;
}

std::vector<std::uint8_t> WriteScript(const Script& script) {
    std::vector<std::uint8_t> out;
    const auto record = [&out](const TPageRec& r) { out.insert(out.end(), r.b.begin(), r.b.end()); };
    for (const ScriptSection& s : script.sections) {
        TPageRec header = s.header;
        header.SetU16(3, std::uint16_t(s.records.size()));
        record(header);
        for (const ScriptRecord& r : s.records) {
            record(r.rec);
            if (!r.hasText) continue;
            const std::size_t length = r.text.size() + 1;
            out.push_back(std::uint8_t(length & 0xFF));
            out.push_back(std::uint8_t((length >> 8) & 0xFF));
            out.insert(out.end(), r.text.begin(), r.text.end());
            out.push_back(0);
        }
    }
    return out;
}

}  // namespace cgt
