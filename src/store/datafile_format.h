#pragma once
// The plain content of the return data file: header, position, history and
// one record per stored field in tag order. Everything is little-endian and
// packed. This is what the file cipher encrypts.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "store/cipher.h"
#include "store/fieldstore.h"

namespace cgt {

inline constexpr std::string_view kReturnHeader = "Electronic Quorvin'2003 (c) Ravelle Revenue Department ";
static_assert(kReturnHeader.size() == 55);

// An input/output failure of the data file: damaged content, or a file
// system step that failed. It ends the load or save and reaches the caller.
class EInOutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ReturnPosition {
    std::int32_t section = 0;
    std::int32_t screenIndex = 0;
    std::vector<std::int32_t> history;
};

// The plain content of the store. With `listing`, the help-desk field listing
// is appended to it (one CR LF line per written number, text and check box).
Bytes WriteReturnContent(const FieldStore& store, const ReturnPosition& position, std::string* listing = nullptr);

// The record of one worksheet item, extra data included (as a field record's
// payload would hold it).
void AppendWorksheetItem(Bytes& out, const WorksheetItem& item);

// Reads plain content into a store. Every read is checked against the end of
// the content; a damaged record throws EInOutError and leaves the records
// before it in the store. Nothing is allocated beyond what the content holds.
class ReturnReader {
public:
    explicit ReturnReader(std::span<const std::uint8_t> content) : data_(content) {}

    // Compares the first 55 bytes with the header (a shorter content fails).
    bool HeaderMatches();
    // Section, screen index and the history entries present.
    void ReadPosition(ReturnPosition& position);

    struct BadTag {
        std::int32_t tag = 0;
        std::int32_t lastTag = 0;
    };
    // Reads field records to the end. Returns false and fills `bad` when a
    // tag outside 1-1999 stops the reading.
    bool ReadFields(FieldStore& store, BadTag& bad);

    // Field records read so far.
    int Records() const { return records_; }

private:
    const std::uint8_t* Take(std::size_t n);
    std::uint8_t U8() { return *Take(1); }
    std::uint16_t U16();
    std::int32_t I32();
    [[noreturn]] void Damaged(const std::string& what) const;
    void ReadPayload(Slot& slot, std::int32_t tag);
    std::string ReadShortString(std::size_t max, const char* what);
    TextListPtr ReadListText(std::int32_t count);
    // Checks a worksheet item's record and moves past it. True when the
    // record is the one this writer makes of the item it holds, so that it
    // can be kept as it stands.
    bool SkimItem();

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    int records_ = 0;
};

// The lines of a text as a string list takes them: a line ends at CR, LF or
// CR LF, and a final break adds no empty line.
TextList SplitLines(std::string_view text);

}  // namespace cgt
