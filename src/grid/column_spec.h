#pragma once
// One entry-grid column as described by its specification string:
// "Title|align|kind|max|hint|readonly|button|case-or-decimals|chars-or-negative|min|max|lines|style|E|item1..itemE|nototal|displayonly|"
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cgt {

enum class ColKind : std::uint8_t {
    Text = 0,
    Number = 1,
    Date = 2,
    BusinessNumber = 3,  // ABN
    TaxFileNumber = 4,   // TFN
};

enum class TitleAlign : std::uint8_t { Left = 0, Right = 1, Centre = 2 };
enum class LetterCase : std::uint8_t { AsTyped, Upper, Lower };
// The editor's look: Plain unless the column has a button (field 6).
enum class EditStyle : std::uint8_t { Plain, PickList, Ellipsis };
enum class CellAlign : std::uint8_t { Left, Right };

inline constexpr char kGridDecimalSeparator = '.';
inline constexpr char kGridDateSeparator = '/';

// The specification of a column that has none.
inline constexpr const char* kDefaultColumnSpec = "Title|0|0|30|0|F|F|||||||0|0|F|F|";
inline constexpr const char* kBadCharSetMessage = "Bad character set !";

struct ColumnSpec {
    std::string title = "Title";  // "\r" breaks the title line
    TitleAlign titleAlign = TitleAlign::Left;
    ColKind kind = ColKind::Text;
    int maxLength = 30;                           // characters of a cell
    int hint = 0;                                 // string resource number of the column hint; 0 = none
    bool readOnly = false;                        // field 5: not typeable, skipped by Tab
    bool hasButton = false;                       // field 6: drop-down or ellipsis button
    LetterCase letterCase = LetterCase::AsTyped;  // text-like kinds
    int decimals = 0;                             // number columns
    std::string allowedChars;                     // field 8 of a text column, as written
    bool allowNegative = false;                   // number columns
    long long minValue = 0;                       // number columns; min == max means no range
    long long maxValue = 0;
    int dropDownLines = 0;  // field 11
    int styleCode = 0;      // field 12 as written: 1 strict pick list, 2 ellipsis
    std::vector<std::string> pickList;
    bool noTotal = false;      // field 14+E
    bool displayOnly = false;  // field 15+E: no typing, no right-click in the editor
    bool tabStop = true;       // off for read-only columns
    // Characters a cell may hold; none set is the default set (every character
    // in a text column).
    std::bitset<256> allowed;

    bool IsStrictPickList() const { return styleCode == 1; }
    // The editor's style: field 12 counts only when the column has a button.
    EditStyle Style() const;
    bool Allows(char c) const { return allowed.test(static_cast<unsigned char>(c)); }
    bool HasDefaultSet() const { return allowed.none(); }
    // Data cells: numbers right-aligned, everything else left.
    CellAlign Alignment() const { return kind == ColKind::Number ? CellAlign::Right : CellAlign::Left; }
    // The title split at its line breaks.
    std::vector<std::string> TitleLines() const;
};

struct ParsedColumn {
    ColumnSpec spec;
    // "Bad character set !" when field 8 of a text column is malformed; the
    // fields after it then keep their defaults.
    std::optional<std::string> error;
};

ParsedColumn ParseColumnSpec(std::string_view text);

// The same, each text parsed once: grids with the same columns are made
// over and over (a calculation makes two for every asset). The reference
// stays valid until the next call. The module runs on one thread.
const ParsedColumn& ParseColumnSpecOnce(std::string_view text);
// Empties the texts parsed once, at the end of a run.
void ForgetParsedColumnSpecs();

// Comma-separated single characters and "a..z" ranges. False for an item of
// another form; `set` is then empty.
bool ParseCharSet(std::string_view spec, std::bitset<256>& set);

// Splits at every '|'; "a|b|" gives "a", "b", "".
std::vector<std::string> SplitSpecFields(std::string_view text);

}  // namespace cgt
