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

// --- typed views ---------------------------------------------------------------

namespace cgt {

namespace {

TPageRec OfType(char type) {
    TPageRec r;
    r.SetType(type);
    return r;
}

std::int16_t S16(int v) {
    return std::int16_t(v);
}
std::uint8_t B(int v) {
    return std::uint8_t(v);
}

}  // namespace

Geometry Geometry::Of(const TPageRec& r) {
    return {r.Type(), r.I16(2), r.I16(4), r.I16(6), r.I16(8)};
}
TPageRec Geometry::Record() const {
    TPageRec r = OfType(type);
    r.SetI16(2, S16(x1));
    r.SetI16(4, S16(y1));
    r.SetI16(6, S16(x2));
    r.SetI16(8, S16(y2));
    return r;
}

SectionHeader SectionHeader::Of(const TPageRec& r) {
    return {r.U8(2), r.U16(3), r.I16(5), char(r.U8(7)), r.I16(8), r.I16(10)};
}
TPageRec SectionHeader::Record() const {
    TPageRec r = OfType(rec::kSection);
    r.SetU8(2, B(number));
    r.SetU16(3, std::uint16_t(recordCount));
    r.SetI16(5, S16(condition));
    r.SetU8(7, std::uint8_t(layout));
    r.SetI16(8, S16(height));
    r.SetI16(10, S16(need));
    return r;
}

void SectionHeader::SetRecordCount(TPageRec& r, int count) {
    r.SetU16(3, std::uint16_t(count));
}

PageHeader PageHeader::Of(const TPageRec& r) {
    return {r.U8(2), r.I32(3), r.I32(7), r.I16(11), char(r.U8(13)), r.I16(14), r.I16(16)};
}
TPageRec PageHeader::Record() const {
    TPageRec r = OfType(rec::kSection);
    r.SetU8(2, B(number & 0xFF));
    r.SetI32(3, previous);
    r.SetI32(7, next);
    r.SetI16(11, S16(condition));
    r.SetU8(13, std::uint8_t(layout));
    r.SetI16(14, S16(height));
    r.SetI16(16, S16(need));
    return r;
}

Attributes Attributes::Of(const TPageRec& r) {
    return {r.U8(2), r.U8(3), r.U8(4), r.U8(5), r.U8(6)};
}
TPageRec Attributes::Record() const {
    TPageRec r = OfType(rec::kAttributes);
    r.SetU8(2, B(brushColour));
    r.SetU8(3, B(brushStyle));
    r.SetU8(4, B(penColour));
    r.SetU8(5, B(penWidth));
    r.SetU8(6, B(penStyle));
    return r;
}

Font Font::Of(const TPageRec& r) {
    return {r.U8(2), r.U8(3), r.U8(4), r.U8(5), r.U8(6), r.U8(7), r.I16(8)};
}
TPageRec Font::Record() const {
    TPageRec r = OfType(rec::kFont);
    r.SetU8(2, B(background));
    r.SetU8(3, B(face));
    r.SetU8(4, B(size));
    r.SetU8(5, B(style));
    r.SetU8(6, B(colour));
    r.SetU8(7, B(align));
    r.SetI16(8, S16(spacing));
    return r;
}

TextRecord TextRecord::Of(const TPageRec& r) {
    return {r.I16(2), r.I16(4), r.U8(8), r.U8(10), r.U8(11) != 0, r.Fitted()};
}
TPageRec TextRecord::Record() const {
    TPageRec r = OfType(rec::kText);
    r.SetI16(2, S16(dx));
    r.SetI16(4, S16(dy));
    r.SetU8(8, B(inset));
    r.SetU8(10, B(boxFlags));
    r.SetU8(11, boxed ? 1 : 0);
    r.SetFitted(fitted);
    return r;
}

FieldRecord FieldRecord::Of(const TPageRec& r) {
    return {r.Type(),     r.Columns(), r.Tag(),     r.Column(),  r.Kind(),
            r.BoxFlags(), r.Row(),     r.MaxRows(), r.InCents(), r.Note()};
}
TPageRec FieldRecord::Record() const {
    TPageRec r = OfType(type);
    r.SetU8(2, B(columns));
    r.SetI16(3, S16(tag));
    r.SetI16(5, S16(column));
    r.SetU8(7, B(kind));
    r.SetU8(8, B(boxFlags));
    r.SetRow(row);
    r.SetU8(kMaxRowsAt, B(maxRows));
    r.SetU8(kCentsAt, cents ? 1 : 0);
    r.SetU8(kNoteAt, B(note));
    return r;
}

GroupBand GroupBand::Of(const TPageRec& r) {
    return {r.I16(3), r.I16(5), r.I16(7), r.I16(9), r.I16(11), r.I16(13)};
}
TPageRec GroupBand::Record() const {
    TPageRec r = OfType(rec::kGroup);
    r.SetI16(3, S16(rowHeight));
    r.SetI16(5, S16(listTag));
    r.SetI16(7, S16(columns));
    r.SetI16(9, S16(minRows));
    r.SetI16(11, S16(suppressTag));
    r.SetI16(13, S16(firstRow));
    return r;
}

BandMarker BandMarker::Of(const TPageRec& r) {
    return {r.Type(), r.I16(3)};
}
TPageRec BandMarker::Record() const {
    TPageRec r = OfType(type);
    r.SetI16(3, S16(height));
    return r;
}

Repeat Repeat::Of(const TPageRec& r) {
    return {r.I16(2), r.I16(4)};
}
TPageRec Repeat::Record() const {
    TPageRec r = OfType(rec::kRepeat);
    r.SetI16(2, S16(dx));
    r.SetI16(4, S16(dy));
    return r;
}

Jump Jump::Of(const TPageRec& r) {
    return {r.I16(2)};
}
TPageRec Jump::Record() const {
    TPageRec r = OfType(rec::kJump);
    r.SetI16(2, S16(number));
    return r;
}

}  // namespace cgt
