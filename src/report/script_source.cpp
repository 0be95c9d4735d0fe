// The source form of a report script, one record per line ("#" starts a
// comment; numbers decimal or 0x..; docs/report-scripts.md says more):
//   script NAME
//   section N condition=C layout=absolute|relative height=H [need=H2]
//   section-record HEX36                  a header, byte for byte
//   position|rect|line|ellipse|rounded|caution X1 Y1 X2 Y2
//   attributes brush=COLOUR brush-style=S pen=COLOUR pen-width=N pen-style=S
//   font face=F size=PT [style=bold,italic,underline] colour=COLOUR
//        background=COLOUR align=N [spacing=N]
//   text "TEXT" [dx=N] [dy=N] [inset=N] [box-flags=N] [boxed]
//   triangle DX1 DY1 DX2 DY2
//   repeat DX DY ["TEXT"]                 a text only when it repeats a text
//   jump N
//   field|edit TAG kind=N [cols=N] [column=N] [box-flags=N] [row=N]
//        [max-rows=N] [note=N] [cents=1]  a list column's rows at most,
//                                         which note kind 10 gives, a group
//                                         cell's number with two decimals
//   group-header H / end-group-header, group-footer H / end-group-footer,
//   page-band H / end-page-band
//   group row-height=H list=TAG cols=N [min=N] [suppress=TAG] [first=N]
//        / end-group                      first: the first row printed
//   record HEX36 ["TEXT"]                 any record, byte for byte
// Texts take \" \\ \n \r and \xNN; their bytes are the store's cp1252.
// TAG is a name of store/tags.h without "kTag", or a number.
#include "report/script_source.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <optional>
#include <sstream>
#include <vector>

#include "report/report_palette.h"

namespace cgt {

namespace {

// The source's names of the palette, by number.
template <typename Entry, std::size_t N>
constexpr std::array<const char*, N> NamesOf(const std::array<Entry, N>& entries) {
    std::array<const char*, N> names{};
    for (std::size_t i = 0; i < N; ++i) names[i] = entries[i].name;
    return names;
}
constexpr auto kColourNames = NamesOf(kPaletteColours);
constexpr auto kFaceNames = NamesOf(kPaletteTypefaces);
constexpr auto& kBrushNames = kBrushStyleNames;
constexpr auto& kPenNames = kPenStyleNames;

struct Shape {
    const char* name;
    char type;
};
constexpr Shape kGeometry[] = {{"position", rec::kPosition}, {"rect", rec::kRect},       {"line", rec::kLine},
                               {"ellipse", rec::kEllipse},   {"rounded", rec::kRounded}, {"caution", rec::kCaution}};
struct Marker {
    const char* name;
    char type;
    bool height;  // followed by a height
};
constexpr Marker kMarkers[] = {{"group-header", rec::kGroupHeader, true},
                               {"end-group-header", rec::kGroupHeaderEnd, false},
                               {"end-group", rec::kGroupEnd, false},
                               {"group-footer", rec::kGroupFooter, true},
                               {"end-group-footer", rec::kGroupFooterEnd, false},
                               {"page-band", rec::kPageBand, true},
                               {"end-page-band", rec::kPageBandEnd, false}};

// One source line split into words; a quoted text is one word (unquoted).
struct Line {
    std::vector<std::string> words;
    std::optional<std::string> text;
};

template <std::size_t N>
std::optional<int> IndexOf(const std::array<const char*, N>& names, std::string_view word) {
    for (std::size_t i = 0; i < N; ++i)
        if (word == names[i]) return int(i);
    return std::nullopt;
}

class Compiler {
public:
    Compiler(const std::string& file, const TagNames& tags) : file_(file), tags_(tags) {}

    [[noreturn]] void Fail(const std::string& why) const {
        throw ScriptSourceError(file_ + ":" + std::to_string(line_) + ": " + why);
    }

    Line Split(std::string_view s) {
        Line l;
        std::size_t i = 0;
        while (i < s.size()) {
            const char c = s[i];
            if (c == ' ' || c == '\t' || c == '\r') {
                ++i;
            } else if (c == '#') {
                break;
            } else if (c == '"') {
                std::string text;
                ++i;
                bool closed = false;
                while (i < s.size()) {
                    const char d = s[i++];
                    if (d == '"') {
                        closed = true;
                        break;
                    }
                    if (d != '\\') {
                        text += d;
                        continue;
                    }
                    if (i >= s.size()) Fail("a \\ ends the line");
                    const char e = s[i++];
                    if (e == 'n')
                        text += '\n';
                    else if (e == 'r')
                        text += '\r';
                    else if (e == '"' || e == '\\')
                        text += e;
                    else if (e == 'x' && i + 2 <= s.size()) {
                        int v = 0;
                        const auto [p, ec] = std::from_chars(s.data() + i, s.data() + i + 2, v, 16);
                        if (ec != std::errc() || p != s.data() + i + 2) Fail("\\x takes two hex digits");
                        text += char(v);
                        i += 2;
                    } else {
                        Fail(std::string("unknown escape \\") + e);
                    }
                }
                if (!closed) Fail("the text has no closing \"");
                if (l.text) Fail("a line holds one text");
                l.text = std::move(text);
            } else {
                const std::size_t start = i;
                while (i < s.size() && s[i] != ' ' && s[i] != '\t' && s[i] != '\r' && s[i] != '"') ++i;
                l.words.emplace_back(s.substr(start, i - start));
            }
        }
        return l;
    }

    int Number(std::string_view w, int low, int high, const char* what) const {
        int v = 0;
        const bool hex = w.size() > 2 && w[0] == '0' && (w[1] == 'x' || w[1] == 'X');
        const std::string_view digits = hex ? w.substr(2) : w;
        const auto [p, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v, hex ? 16 : 10);
        if (ec != std::errc() || p != digits.data() + digits.size())
            Fail(std::string(what) + " is a number, not " + std::string(w));
        if (v < low || v > high)
            Fail(std::string(what) + " " + std::string(w) + " is outside " + std::to_string(low) + " to " +
                 std::to_string(high));
        return v;
    }

    template <std::size_t N>
    int Named(const std::array<const char*, N>& names, std::string_view w, const char* what, int first) const {
        if (const auto i = IndexOf(names, w)) return *i + first;
        if (!w.empty() && (std::isdigit(static_cast<unsigned char>(w[0])) != 0))
            return Number(w, first, first + int(N) - 1, what);
        Fail(std::string("no ") + what + " " + std::string(w));
    }

    int Tag(std::string_view w) const {
        if (const auto it = tags_.find(w); it != tags_.end()) return it->second;
        if (!w.empty() && (std::isdigit(static_cast<unsigned char>(w[0])) != 0 || w[0] == '-'))
            return Number(w, -32768, 32767, "a tag");
        Fail("no field tag named " + std::string(w));
    }

    // key=value options after the positional words.
    std::map<std::string, std::string, std::less<>> Options(const Line& l, std::size_t from,
                                                            std::initializer_list<const char*> allowed) const {
        std::map<std::string, std::string, std::less<>> out;
        for (std::size_t i = from; i < l.words.size(); ++i) {
            const std::string& w = l.words[i];
            const auto eq = w.find('=');
            const std::string key = w.substr(0, eq);
            bool ok = false;
            for (const char* a : allowed) ok = ok || key == a;
            if (!ok) Fail("unknown option " + w);
            if (out.count(key)) Fail("option " + key + " given twice");
            out[key] = eq == std::string::npos ? std::string() : w.substr(eq + 1);
        }
        return out;
    }

    static std::string Get(const std::map<std::string, std::string, std::less<>>& o, const char* key,
                           const char* fallback) {
        const auto it = o.find(key);
        return it == o.end() ? fallback : it->second;
    }

    Script Compile(std::string_view source) {
        Script script;
        std::size_t at = 0;
        while (at <= source.size()) {
            const std::size_t end = std::min(source.find('\n', at), source.size());
            ++line_;
            const Line l = Split(source.substr(at, end - at));
            at = end + 1;
            if (l.words.empty()) {
                if (l.text) Fail("a text needs a record");
                continue;
            }
            const std::string& k = l.words[0];
            if (k == "script") continue;
            if (k == "section") {
                latestShape_ = 0;
                script.sections.push_back(Section(l));
                continue;
            }
            if (k == "section-record") {
                // A header the named form cannot give back, written whole.
                if (l.words.size() != 2 || l.words[1].size() != 2 * kPageRecSize)
                    Fail("section-record takes 36 hex digits");
                ScriptSection s;
                for (std::size_t i = 0; i < kPageRecSize; ++i)
                    s.header.SetU8(i, std::uint8_t(Number("0x" + l.words[1].substr(2 * i, 2), 0, 255, "a byte")));
                // Any other type would end the loading there.
                if (s.header.Type() != rec::kSection) Fail("a section record starts with 21 (\"!\")");
                latestShape_ = 0;
                script.sections.push_back(s);
                continue;
            }
            if (script.sections.empty()) Fail(k + " before the first section");
            script.sections.back().records.push_back(Record(l));
            if (const char t = script.sections.back().records.back().rec.Type(); CountsAsLatestShape(t))
                latestShape_ = t;
        }
        for (ScriptSection& s : script.sections) SectionHeader::SetRecordCount(s.header, int(s.records.size()));
        return script;
    }

    ScriptSection Section(const Line& l) {
        if (l.words.size() < 2) Fail("section needs its number");
        SectionHeader h;
        h.number = Number(l.words[1], 1, 255, "the section number");
        const auto o = Options(l, 2, {"condition", "layout", "height", "need"});
        h.condition = Tag(Get(o, "condition", "0"));
        const std::string layout = Get(o, "layout", "absolute");
        if (layout != "absolute" && layout != "relative") Fail("layout is absolute or relative, not " + layout);
        h.layout = layout == "absolute" ? 'A' : 'R';
        h.height = I16(Get(o, "height", "0"), "height");
        h.need = I16(Get(o, "need", "0"), "need");
        ScriptSection s;
        s.header = h.Record();
        return s;
    }

    std::int16_t I16(std::string_view w, const char* what) const {
        return std::int16_t(Number(w, -32768, 32767, what));
    }

    ScriptRecord Record(const Line& l) {
        ScriptRecord r;
        const std::string& k = l.words[0];
        TPageRec& p = r.rec;
        const bool geometryOrMarker = [&] {
            for (const Shape& g : kGeometry)
                if (k == g.name) return true;
            for (const Marker& m : kMarkers)
                if (k == m.name) return true;
            return false;
        }();
        if (geometryOrMarker && l.text) Fail(k + " carries no text here");
        const auto positional = [&](std::size_t n) {
            if (l.words.size() < n + 1) Fail(k + " needs " + std::to_string(n) + " numbers");
        };
        for (const Shape& g : kGeometry) {
            if (k != g.name) continue;
            positional(4);
            if (l.words.size() > 5) Fail("too many words");
            p = Geometry{g.type, I16(l.words[1], "a coordinate"), I16(l.words[2], "a coordinate"),
                         I16(l.words[3], "a coordinate"), I16(l.words[4], "a coordinate")}
                    .Record();
            return r;
        }
        for (const Marker& m : kMarkers) {
            if (k != m.name) continue;
            BandMarker marker{m.type, 0};
            if (m.height) {
                positional(1);
                marker.height = I16(l.words[1], "the height");
            }
            p = marker.Record();
            return r;
        }
        if (k == "attributes") {
            const auto o = Options(l, 1, {"brush", "brush-style", "pen", "pen-width", "pen-style"});
            Attributes a;
            a.brushColour = Named(kColourNames, Get(o, "brush", "window"), "colour", 1);
            a.brushStyle = Named(kBrushNames, Get(o, "brush-style", "solid"), "brush style", 0);
            a.penColour = Named(kColourNames, Get(o, "pen", "black"), "colour", 1);
            a.penWidth = Number(Get(o, "pen-width", "0"), 0, 255, "pen-width");
            a.penStyle = Named(kPenNames, Get(o, "pen-style", "solid"), "pen style", 0);
            p = a.Record();
        } else if (k == "font") {
            const auto o = Options(l, 1, {"face", "size", "style", "colour", "background", "align", "spacing"});
            Font f;
            f.background = Named(kColourNames, Get(o, "background", "window"), "colour", 1);
            f.face = Named(kFaceNames, Get(o, "face", "arial"), "typeface", 0);
            f.size = Number(Get(o, "size", "10"), 1, 255, "size");
            int style = 0;
            std::stringstream styles(Get(o, "style", ""));
            for (std::string s; std::getline(styles, s, ',');) {
                if (s == "bold")
                    style |= 1;
                else if (s == "italic")
                    style |= 2;
                else if (s == "underline")
                    style |= 4;
                else if (!s.empty())
                    Fail("style is bold, italic, underline, not " + s);
            }
            f.style = style;
            f.colour = Named(kColourNames, Get(o, "colour", "black"), "colour", 1);
            f.align = Number(Get(o, "align", "0"), 0, 255, "align");
            f.spacing = I16(Get(o, "spacing", "0"), "spacing");
            p = f.Record();
        } else if (k == "text") {
            if (!l.text) Fail("text needs its text in double quotes");
            const auto o = Options(l, 1, {"inset", "box-flags", "boxed", "dx", "dy"});
            TextRecord t;
            t.dx = I16(Get(o, "dx", "0"), "dx");
            t.dy = I16(Get(o, "dy", "0"), "dy");
            t.inset = Number(Get(o, "inset", "0"), 0, 255, "inset");
            t.boxFlags = Number(Get(o, "box-flags", "0"), 0, 255, "box-flags");
            t.boxed = o.count("boxed") != 0;
            p = t.Record();
        } else if (k == "triangle") {
            positional(4);
            p = Geometry{rec::kTriangle, I16(l.words[1], "an offset"), I16(l.words[2], "an offset"),
                         I16(l.words[3], "an offset"), I16(l.words[4], "an offset")}
                    .Record();
        } else if (k == "repeat") {
            positional(2);
            p = Repeat{I16(l.words[1], "dx"), I16(l.words[2], "dy")}.Record();
        } else if (k == "jump") {
            positional(1);
            p = Jump{I16(l.words[1], "the jump number")}.Record();
        } else if (k == "field" || k == "edit") {
            positional(1);
            const auto o = Options(l, 2, {"kind", "cols", "column", "box-flags", "row", "max-rows", "note", "cents"});
            FieldRecord f;
            f.type = k == "field" ? rec::kField : rec::kEditField;
            f.tag = Tag(l.words[1]);
            f.columns = Number(Get(o, "cols", "0"), 0, 255, "cols");
            f.column = I16(Get(o, "column", "0"), "column");
            f.kind = Number(Get(o, "kind", "0"), 0, 255, "kind");
            f.boxFlags = Number(Get(o, "box-flags", "0"), 0, 255, "box-flags");
            f.row = Number(Get(o, "row", "0"), 0, 255, "row");
            f.maxRows = Number(Get(o, "max-rows", "0"), 0, 255, "max-rows");
            f.cents = Number(Get(o, "cents", "0"), 0, 1, "cents") != 0;
            f.note = Number(Get(o, "note", "0"), 0, 255, "note");
            p = f.Record();
        } else if (k == "group") {
            const auto o = Options(l, 1, {"row-height", "list", "cols", "min", "suppress", "first"});
            GroupBand g;
            g.rowHeight = I16(Get(o, "row-height", "0"), "row-height");
            g.listTag = Tag(Get(o, "list", "0"));
            g.columns = I16(Get(o, "cols", "1"), "cols");
            g.minRows = I16(Get(o, "min", "0"), "min");
            g.suppressTag = Tag(Get(o, "suppress", "0"));
            g.firstRow = I16(Get(o, "first", "0"), "first");
            p = g.Record();
        } else if (k == "record") {
            positional(1);
            const std::string& hex = l.words[1];
            if (hex.size() != 2 * kPageRecSize) Fail("record takes 36 hex digits");
            for (std::size_t i = 0; i < kPageRecSize; ++i)
                p.SetU8(i, std::uint8_t(Number("0x" + hex.substr(2 * i, 2), 0, 255, "a byte")));
        } else {
            Fail("unknown record " + k);
        }
        r.hasText = RecordCarriesText(p.Type(), latestShape_);
        if (r.hasText) {
            r.text = l.text.value_or(std::string());
            if (r.text.size() > 65534) Fail("the text is too long");
        } else if (l.text) {
            Fail(k + " carries no text here");
        }
        return r;
    }

private:
    std::string file_;
    const TagNames& tags_;
    int line_ = 0;
    // The latest record of the section that a repeat would draw again.
    char latestShape_ = 0;
};

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c < 0x20 || c >= 0x7F) {
            char buf[5];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

template <std::size_t N>
std::string NameOr(const std::array<const char*, N>& names, int value, int first) {
    if (value >= first && value < first + int(N)) return names[std::size_t(value - first)];
    return std::to_string(value);
}

class Decompiler {
public:
    explicit Decompiler(const TagNames& tags) {
        std::map<int, int> uses;
        for (const auto& [name, tag] : tags) ++uses[tag];
        for (const auto& [name, tag] : tags)
            if (uses[tag] == 1) names_[tag] = name;
    }
    std::string Tag(int tag) const {
        const auto it = names_.find(tag);
        return it == names_.end() ? std::to_string(tag) : it->second;
    }
    std::string Line(const ScriptRecord& r) const {
        const TPageRec& p = r.rec;
        const char t = p.Type();
        const auto n = [](int v) { return std::to_string(v); };
        // An option left out when it is 0.
        const auto opt = [&n](const char* name, int v) { return v ? std::string(" ") + name + "=" + n(v) : ""; };
        for (const Shape& shape : kGeometry) {
            if (t != shape.type) continue;
            const Geometry g = Geometry::Of(p);
            return std::string(shape.name) + " " + n(g.x1) + " " + n(g.y1) + " " + n(g.x2) + " " + n(g.y2);
        }
        for (const Marker& m : kMarkers)
            if (t == m.type) return std::string(m.name) + (m.height ? " " + n(BandMarker::Of(p).height) : "");
        switch (t) {
            case rec::kAttributes: {
                const Attributes a = Attributes::Of(p);
                return "attributes brush=" + NameOr(kColourNames, a.brushColour, 1) +
                       " brush-style=" + NameOr(kBrushNames, a.brushStyle, 0) +
                       " pen=" + NameOr(kColourNames, a.penColour, 1) + " pen-width=" + n(a.penWidth) +
                       " pen-style=" + NameOr(kPenNames, a.penStyle, 0);
            }
            case rec::kFont: {
                const Font f = Font::Of(p);
                std::string style;
                for (const auto& [bit, name] : {std::pair{1, "bold"}, {2, "italic"}, {4, "underline"}})
                    if (f.style & bit) style += (style.empty() ? "" : ",") + std::string(name);
                return "font face=" + NameOr(kFaceNames, f.face, 0) + " size=" + n(f.size) +
                       (style.empty() ? "" : " style=" + style) + " colour=" + NameOr(kColourNames, f.colour, 1) +
                       " background=" + NameOr(kColourNames, f.background, 1) + " align=" + n(f.align) +
                       opt("spacing", f.spacing);
            }
            case rec::kText: {
                const TextRecord x = TextRecord::Of(p);
                return "text " + Quote(r.text) + opt("dx", x.dx) + opt("dy", x.dy) + opt("inset", x.inset) +
                       opt("box-flags", x.boxFlags) + (x.boxed ? " boxed" : "");
            }
            case rec::kTriangle: {
                const Geometry g = Geometry::Of(p);
                return "triangle " + n(g.x1) + " " + n(g.y1) + " " + n(g.x2) + " " + n(g.y2);
            }
            case rec::kRepeat: {
                const Repeat m = Repeat::Of(p);
                return "repeat " + n(m.dx) + " " + n(m.dy) + (r.hasText ? " " + Quote(r.text) : "");
            }
            case rec::kJump: return "jump " + n(Jump::Of(p).number);
            case rec::kField:
            case rec::kEditField: {
                const FieldRecord f = FieldRecord::Of(p);
                return std::string(t == rec::kField ? "field " : "edit ") + Tag(f.tag) + " kind=" + n(f.kind) +
                       opt("cols", f.columns) + opt("column", f.column) + opt("box-flags", f.boxFlags) +
                       opt("row", f.row) + opt("max-rows", f.maxRows) + opt("cents", f.cents ? 1 : 0) +
                       opt("note", f.note);
            }
            case rec::kGroup: {
                const GroupBand g = GroupBand::Of(p);
                return "group row-height=" + n(g.rowHeight) + " list=" + Tag(g.listTag) + " cols=" + n(g.columns) +
                       opt("min", g.minRows) + (g.suppressTag ? " suppress=" + Tag(g.suppressTag) : "") +
                       opt("first", g.firstRow);
            }
            default: return {};
        }
    }

private:
    std::map<int, std::string> names_;
};

std::string Hex(const TPageRec& p) {
    std::string out;
    char buf[3];
    for (std::uint8_t b : p.b) {
        std::snprintf(buf, sizeof buf, "%02x", b);
        out += buf;
    }
    return out;
}

}  // namespace

TagNames ReadTagNames(std::string_view header) {
    TagNames names;
    std::vector<std::pair<std::string, std::string>> aliases;
    constexpr std::string_view kStart = "inline constexpr int kTag";
    std::size_t at = 0;
    while ((at = header.find(kStart, at)) != std::string_view::npos) {
        at += kStart.size();
        const std::size_t eq = header.find('=', at);
        const std::size_t semi = header.find(';', at);
        if (eq == std::string_view::npos || semi == std::string_view::npos || eq > semi) continue;
        std::string name(header.substr(at, eq - at));
        while (!name.empty() && name.back() == ' ') name.pop_back();
        std::string_view value = header.substr(eq + 1, semi - eq - 1);
        while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
        int v = 0;
        const auto [p, ec] = std::from_chars(value.data(), value.data() + value.size(), v);
        if (ec == std::errc() && p == value.data() + value.size())
            names.emplace(std::move(name), v);
        else if (value.starts_with("kTag"))
            aliases.emplace_back(std::move(name), std::string(value.substr(4)));
    }
    // A name given as another name (kTagAssetDescription = kTagInstanceName).
    for (bool found = true; found;) {
        found = false;
        for (auto it = aliases.begin(); it != aliases.end();) {
            if (const auto target = names.find(it->second); target != names.end()) {
                names.emplace(it->first, target->second);
                it = aliases.erase(it);
                found = true;
            } else {
                ++it;
            }
        }
    }
    return names;
}

Script CompileScriptSource(std::string_view source, const std::string& fileName, const TagNames& tags) {
    return Compiler(fileName, tags).Compile(source);
}

std::string DecompileScript(const Script& script, const TagNames& tags) {
    const Decompiler d(tags);
    std::string out;
    for (const ScriptSection& s : script.sections) {
        const SectionHeader h = SectionHeader::Of(s.header);
        // A band section's condition is the tag of its list.
        const bool band = h.condition > kConditionWhenData && h.condition < kConditionPageBandOnly;
        const std::string named = "section " + std::to_string(h.number) +
                                  " condition=" + (band ? d.Tag(h.condition) : std::to_string(h.condition)) +
                                  " layout=" + (h.layout == 'R' ? "relative" : "absolute") +
                                  " height=" + std::to_string(h.height) +
                                  (h.need ? " need=" + std::to_string(h.need) : "");
        bool sameHeader = false;
        try {
            SectionHeader back = SectionHeader::Of(CompileScriptSource(named, "", tags).sections[0].header);
            back.recordCount = h.recordCount;
            sameHeader = back.Record() == s.header;
        } catch (const ScriptSourceError&) {
        }
        out += (sameHeader ? named : "section-record " + Hex(s.header)) + "\n";
        for (const ScriptRecord& r : s.records) {
            std::string line = d.Line(r);
            // A record the named form does not give back byte for byte is written whole.
            bool same = false;
            if (!line.empty()) {
                try {
                    // A repeat carries a text only after a text.
                    const bool afterText = r.rec.Type() == rec::kRepeat && r.hasText;
                    const Script probe = CompileScriptSource(
                        std::string("section 1\n") + (afterText ? "text \"\"\n" : "") + line, "", tags);
                    const ScriptRecord& back = probe.sections[0].records.back();
                    same = back.rec == r.rec && back.hasText == r.hasText;
                } catch (const ScriptSourceError&) {
                }
            }
            if (!same) line = "record " + Hex(r.rec) + (r.hasText ? " " + Quote(r.text) : "");
            out += "  " + line + "\n";
        }
    }
    return out;
}

}  // namespace cgt
