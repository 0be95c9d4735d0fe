#pragma once
// The 18-byte record of a report script and of a laid-out page stream, and a
// stored script read into sections. Plain C++: the script reader is fuzzed
// and the script compiler runs at build time without Qt.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace cgt {

inline constexpr std::size_t kPageRecSize = 18;

// Record types (byte 0).
namespace rec {
inline constexpr char kSection = '!';
inline constexpr char kPosition = '#';
inline constexpr char kRect = 'R';
inline constexpr char kLine = 'L';
inline constexpr char kEllipse = 'C';
inline constexpr char kRounded = 'D';
inline constexpr char kCaution = '1';
inline constexpr char kAttributes = 'A';
inline constexpr char kFont = 'F';
inline constexpr char kText = 'T';
inline constexpr char kTriangle = 'P';
inline constexpr char kRepeat = '@';
inline constexpr char kJump = 'J';
inline constexpr char kField = 'S';
inline constexpr char kEditField = 'E';
inline constexpr char kGroupHeader = 'H';
inline constexpr char kGroupHeaderEnd = 'h';
inline constexpr char kGroup = 'G';
inline constexpr char kGroupEnd = 'g';
inline constexpr char kGroupFooter = 'K';
inline constexpr char kGroupFooterEnd = 'k';
inline constexpr char kPageBand = 'B';
inline constexpr char kPageBandEnd = 'b';
}  // namespace rec

// Field kinds of "S" and "E" records (byte 7).
namespace kind {
inline constexpr int kLossMark = 7;    // "L" for a negative number, else a blank
inline constexpr int kWholeList = 8;   // every entry of a list, one per line
inline constexpr int kListColumn = 9;  // one column of a list, one cell per line
// The note of a list column that shows at most its max-rows: empty while
// every row is shown, else how many rows are not and where they are.
inline constexpr int kRowsNotShown = 10;
inline constexpr int kGroupCell = 32;  // drawn by the host program
inline constexpr int kColumnTotal = 33;
inline constexpr int kGrandTotal = 34;
}  // namespace kind

// Print conditions of a section header (bytes 5-6).
inline constexpr int kConditionNewPage = 0;
inline constexpr int kConditionWhenData = 1;
inline constexpr int kConditionPageBandOnly = 9999;
// A field record's column (bytes 5-6) that disables it.
inline constexpr int kColumnDisabled = 9999;
// Byte 9 of a field record in a group footer.
inline constexpr int kFooterRow = 255;
// The full row of a field record laid out in a group band: bytes 10-13 of
// the page stream (unused in a stored script) hold it plus one, so that a
// table of any length prints every row; byte 9 keeps its low eight bits.
inline constexpr std::size_t kFullRowAt = 10;
// Byte 17 of a text record that holds a field's value (the fill pass sets
// it): each line is drawn on one line, a figure whole, a description elided.
inline constexpr std::size_t kFittedAt = 17;
// Byte 14 of a stored list column (kinds 9 and 10): the rows its box holds
// (0: all); byte 15 of a group cell (kind 32): 1 prints a number in it with
// two decimals, as the column totals are; byte 16: which note kind 10 gives.
inline constexpr std::size_t kMaxRowsAt = 14;
inline constexpr std::size_t kCentsAt = 15;
inline constexpr std::size_t kNoteAt = 16;
namespace note {
inline constexpr int kContinued = 0;   // the rows go on over the page
inline constexpr int kSeeSummary = 1;  // the rows are on the choice table summary
}  // namespace note

struct TPageRec {
    std::array<std::uint8_t, kPageRecSize> b{};

    char Type() const { return char(b[0]); }
    void SetType(char t) { b[0] = std::uint8_t(t); }
    std::uint8_t U8(std::size_t at) const { return b[at]; }
    void SetU8(std::size_t at, std::uint8_t v) { b[at] = v; }
    std::uint16_t U16(std::size_t at) const { return std::uint16_t(b[at] | (b[at + 1] << 8)); }
    void SetU16(std::size_t at, std::uint16_t v) {
        b[at] = std::uint8_t(v & 0xFF);
        b[at + 1] = std::uint8_t(v >> 8);
    }
    std::int16_t I16(std::size_t at) const { return std::int16_t(U16(at)); }
    void SetI16(std::size_t at, std::int16_t v) { SetU16(at, std::uint16_t(v)); }
    std::int32_t I32(std::size_t at) const {
        return std::int32_t(std::uint32_t(U16(at)) | (std::uint32_t(U16(at + 2)) << 16));
    }
    void SetI32(std::size_t at, std::int32_t v) {
        SetU16(at, std::uint16_t(std::uint32_t(v) & 0xFFFF));
        SetU16(at + 2, std::uint16_t(std::uint32_t(v) >> 16));
    }

    // Geometry records: x1, y1, x2, y2.
    std::int16_t X1() const { return I16(2); }
    std::int16_t Y1() const { return I16(4); }
    std::int16_t X2() const { return I16(6); }
    std::int16_t Y2() const { return I16(8); }

    // Section header.
    int SectionNumber() const { return b[2]; }
    int RecordCount() const { return U16(3); }
    int Condition() const { return I16(5); }
    char Layout() const { return char(b[7]); }
    int Height() const { return I16(8); }
    // The height the section needs on the current page (0: its height).
    int NeededHeight() const { return I16(10) != 0 ? I16(10) : I16(8); }

    // Field records ("S", "E").
    int Columns() const { return b[2]; }
    int Tag() const { return I16(3); }
    int Column() const { return I16(5); }
    int Kind() const { return b[7]; }
    int BoxFlags() const { return b[8]; }
    // The row of a list field, from 0: the full row the engine laid out
    // (bytes 10-13), else byte 9.
    int Row() const {
        const std::int32_t full = I32(kFullRowAt);
        return full > 0 ? full - 1 : b[9];
    }
    // Byte 9 keeps the low bits; a row past 254 also goes into bytes 10-13.
    void SetRow(int row) {
        SetU8(9, std::uint8_t(row & 0xFF));
        SetI32(kFullRowAt, row >= 255 ? row + 1 : 0);
    }

    // The rows a list column's box holds (0: all), and its note.
    int MaxRows() const { return b[kMaxRowsAt]; }
    bool InCents() const { return b[kCentsAt] != 0; }
    int Note() const { return b[kNoteAt]; }

    // Text records.
    bool Fitted() const { return b[kFittedAt] != 0; }
    void SetFitted(bool on) { b[kFittedAt] = on ? 1 : 0; }

    friend bool operator==(const TPageRec&, const TPageRec&) = default;
};

// Typed views of the records: `Of` reads a record, `Record` writes one
// (its type included). Only this file and page_record.cpp know where a
// value lies in the 18 bytes.

// Geometry records ("#", "R", "L", "C", "D", "1") and a triangle's offsets.
struct Geometry {
    char type = rec::kPosition;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    static Geometry Of(const TPageRec& r);
    TPageRec Record() const;
};

// A section header of a stored script.
struct SectionHeader {
    int number = 1;
    int recordCount = 0;
    int condition = kConditionNewPage;
    char layout = 'A';
    int height = 0;
    int need = 0;  // 0: the height
    int NeededHeight() const { return need != 0 ? need : height; }
    static SectionHeader Of(const TPageRec& r);
    TPageRec Record() const;
    // Sets the record count of a header, keeping its other bytes as they are
    // (a header read from a file may hold bytes this view does not name).
    static void SetRecordCount(TPageRec& r, int count);
};

// The header of a laid-out page: the page number (kept in 8 bits), the
// stream positions of the pages before and after, and the opening
// section's condition, layout and heights.
struct PageHeader {
    int number = 1;
    std::int32_t previous = 0;
    std::int32_t next = 0;
    int condition = 0;
    char layout = 'A';
    int height = 0;
    int need = 0;
    static PageHeader Of(const TPageRec& r);
    TPageRec Record() const;
};

struct Attributes {
    int brushColour = 18;
    int brushStyle = 0;
    int penColour = 1;
    int penWidth = 0;  // tenths of a unit
    int penStyle = 0;
    static Attributes Of(const TPageRec& r);
    TPageRec Record() const;
};

struct Font {
    int background = 18;
    int face = 0;
    int size = 10;
    int style = 0;  // 1 bold, 2 italic, 4 underline
    int colour = 1;
    int align = 0;
    int spacing = 0;  // tenths of a device unit
    static Font Of(const TPageRec& r);
    TPageRec Record() const;
};

// A text record; the text itself follows the record in the stream.
struct TextRecord {
    int dx = 0, dy = 0;  // alignment 6 draws the line moved by these
    int inset = 0;
    int boxFlags = 0;
    bool boxed = false;
    // A field's value the fill pass wrote: a line each, a figure whole.
    bool fitted = false;
    static TextRecord Of(const TPageRec& r);
    TPageRec Record() const;
};

// A field record ("S", or "E" for an input field on screen).
struct FieldRecord {
    char type = rec::kField;
    int columns = 0;  // cells a row of a list field
    int tag = 0;
    int column = 0;  // kColumnDisabled turns the record off
    int kind = 0;
    int boxFlags = 0;
    // From 0, set by the engine in a group band; kFooterRow in a footer.
    int row = 0;
    int maxRows = 0;     // a list column's rows at most (0: all)
    bool cents = false;  // a group cell's number with two decimals
    int note = 0;        // which note kind 10 gives
    static FieldRecord Of(const TPageRec& r);
    TPageRec Record() const;
};

// "G": the group band of a band section.
struct GroupBand {
    int rowHeight = 0;
    int listTag = 0;
    int columns = 1;
    int minRows = 0;
    int suppressTag = 0;
    int firstRow = 0;  // from 1; 0 for the first
    static GroupBand Of(const TPageRec& r);
    TPageRec Record() const;
};

// "H", "K" and "B" with their heights; "h", "g", "k" and "b" without.
struct BandMarker {
    char type = rec::kGroupHeader;
    int height = 0;
    static BandMarker Of(const TPageRec& r);
    TPageRec Record() const;
};

// "@": the latest shape again, moved.
struct Repeat {
    int dx = 0, dy = 0;
    static Repeat Of(const TPageRec& r);
    TPageRec Record() const;
};

// "J": a hot area reported to the jump callback.
struct Jump {
    int number = 0;
    static Jump Of(const TPageRec& r);
    TPageRec Record() const;
};

// A record of a stored script with the text that follows it in the stream
// (text records, and repeats of a text), held without its ending zero.
struct ScriptRecord {
    TPageRec rec;
    bool hasText = false;
    std::string text;

    friend bool operator==(const ScriptRecord&, const ScriptRecord&) = default;
};

struct ScriptSection {
    TPageRec header;
    std::vector<ScriptRecord> records;
    // False when the stream ended inside this section: the records read
    // before the end are kept.
    bool complete = true;

    friend bool operator==(const ScriptSection&, const ScriptSection&) = default;
};

struct Script {
    std::vector<ScriptSection> sections;

    friend bool operator==(const Script&, const Script&) = default;
};

// Whether a record is followed by a text in the stream: a text record, and a
// repeat whose latest preceding record of a type other than "#", "@", "A"
// and "F" is a text. `latestShape` is that preceding record's type (0 for
// none).
bool RecordCarriesText(char type, char latestShape);
// Whether a record becomes that latest record: any type but "#", "@", "A"
// and "F".
bool CountsAsLatestShape(char type);

// Reads a stored script. Loading ends at a header that is not "!", or where
// the stream ends inside a section (that section is kept, marked incomplete);
// no damaged stream makes it fail otherwise.
Script ReadScript(std::span<const std::uint8_t> bytes);

// Writes the stored form: each header's record count is the number of its
// records; each text is written with its length and ending zero.
std::vector<std::uint8_t> WriteScript(const Script& script);

}  // namespace cgt
