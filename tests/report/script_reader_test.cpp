// The stored script reader on streams written byte by byte, so that it is
// checked against the stored form itself and not against the writer.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "report/page_record.h"

namespace cgt::test {
namespace {

class Stream {
public:
    Stream& Header(int count, char type = rec::kSection) {
        std::vector<std::uint8_t> r(kPageRecSize, 0);
        r[0] = std::uint8_t(type);
        r[2] = 1;
        r[3] = std::uint8_t(count & 0xFF);
        r[4] = std::uint8_t(count >> 8);
        r[7] = 'A';
        return Raw(r);
    }
    // A record whose byte 1 tells it apart from its neighbours.
    Stream& Record(char type, std::uint8_t mark = 0) {
        std::vector<std::uint8_t> r(kPageRecSize, 0);
        r[0] = std::uint8_t(type);
        r[1] = mark;
        return Raw(r);
    }
    Stream& Text(std::string_view bytes) { return Text(bytes.size(), bytes); }
    Stream& Text(std::size_t length, std::string_view bytes) {
        bytes_.push_back(std::uint8_t(length & 0xFF));
        bytes_.push_back(std::uint8_t(length >> 8));
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    Stream& Raw(const std::vector<std::uint8_t>& bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    Script Read() const { return ReadScript(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

struct RepeatCase {
    const char* name;
    const char* types;    // one section's record types
    const char* carries;  // '1' where a record is followed by its text
};

void PrintTo(const RepeatCase& c, std::ostream* os) {
    *os << c.name;
}

class RepeatText : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(RepeatText, FollowsTheLatestShape) {
    const RepeatCase& c = GetParam();
    const std::string types = c.types;
    Stream s;
    s.Header(int(types.size()));
    for (std::size_t i = 0; i < types.size(); ++i) {
        s.Record(types[i], std::uint8_t(i));
        if (c.carries[i] == '1') s.Text(std::string("text") + char('0' + i) + '\0');
    }
    const Script read = s.Read();
    ASSERT_EQ(read.sections.size(), 1u);
    ASSERT_TRUE(read.sections[0].complete);
    const auto& records = read.sections[0].records;
    ASSERT_EQ(records.size(), types.size());
    for (std::size_t i = 0; i < types.size(); ++i) {
        EXPECT_EQ(records[i].rec.U8(1), i) << i;
        EXPECT_EQ(records[i].hasText, c.carries[i] == '1') << i;
        EXPECT_EQ(records[i].text, c.carries[i] == '1' ? std::string("text") + char('0' + i) : "") << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Reader, RepeatText,
                         ::testing::Values(RepeatCase{"AfterText", "T@", "11"}, RepeatCase{"AfterLine", "L@", "00"},
                                           RepeatCase{"PastPositionFontAttributes", "T#FA@", "10001"},
                                           RepeatCase{"AfterRepeatOfText", "T@@", "111"},
                                           RepeatCase{"AfterFieldAfterText", "TS@", "100"},
                                           RepeatCase{"AfterTextAfterLine", "L@T@", "0011"},
                                           RepeatCase{"FirstOfSection", "@", "0"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptReader, RepeatOpeningASectionCarriesNone) {
    Stream s;
    s.Header(1).Record(rec::kText).Text(std::string("a\0", 2));
    s.Header(2).Record(rec::kRepeat, 1).Record(rec::kLine, 2);
    const Script read = s.Read();
    ASSERT_EQ(read.sections.size(), 2u);
    ASSERT_EQ(read.sections[1].records.size(), 2u);
    EXPECT_FALSE(read.sections[1].records[0].hasText);
    EXPECT_EQ(read.sections[1].records[1].rec.U8(1), 2);
}

struct LengthCase {
    const char* name;
    std::size_t length;
    std::string bytes;
    const char* text;  // as read
};

void PrintTo(const LengthCase& c, std::ostream* os) {
    *os << c.name;
}

class TextLength : public ::testing::TestWithParam<LengthCase> {};

// The record after the text is read from where the length says the text ends.
TEST_P(TextLength, ReadByItsLength) {
    const LengthCase& c = GetParam();
    Stream s;
    s.Header(2).Record(rec::kText, 1).Text(c.length, c.bytes).Record(rec::kLine, 2);
    const Script read = s.Read();
    ASSERT_EQ(read.sections.size(), 1u);
    ASSERT_TRUE(read.sections[0].complete);
    const auto& records = read.sections[0].records;
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].text, c.text);
    EXPECT_EQ(records[1].rec.Type(), rec::kLine);
    EXPECT_EQ(records[1].rec.U8(1), 2);
}

INSTANTIATE_TEST_SUITE_P(Reader, TextLength,
                         ::testing::Values(LengthCase{"ZeroCounted", 4, std::string("abc\0", 4), "abc"},
                                           LengthCase{"NoZero", 3, "abc", "abc"}, LengthCase{"Empty", 0, "", ""},
                                           LengthCase{"EndsAtItsZero", 6, std::string("ab\0cd\0", 6), "ab"},
                                           LengthCase{"HighBytes", 3, std::string("\xe9\x96\0", 3), "\xe9\x96"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptReader, DamagedStreamsKeepWhatCameBefore) {
    const struct {
        const char* name;
        Stream stream;
        std::size_t sections;
        std::size_t lastRecords;
        bool lastComplete;
    } cases[] = {
        {"empty", Stream(), 0, 0, true},
        {"part of a header", Stream().Raw({'!', 0, 1}), 0, 0, true},
        {"header not !", Stream().Header(1).Record(rec::kLine).Header(1, '?').Record(rec::kLine), 1, 1, true},
        {"first header not !", Stream().Header(1, '#').Record(rec::kLine), 0, 0, true},
        {"ends after the header", Stream().Header(3), 1, 0, false},
        {"ends inside a record", Stream().Header(2).Record(rec::kLine).Raw({'L', 0, 0}), 1, 1, false},
        {"text runs past the end", Stream().Header(2).Record(rec::kLine).Record(rec::kText).Text(0xFFFF, "abc"), 1, 1,
         false},
        {"half a length", Stream().Header(1).Record(rec::kText).Raw({5}), 1, 0, false},
        {"more sections after", Stream().Header(1).Record(rec::kLine).Header(0).Header(2).Record(rec::kLine), 3, 1,
         false},
    };
    for (const auto& c : cases) {
        const Script read = c.stream.Read();
        ASSERT_EQ(read.sections.size(), c.sections) << c.name;
        if (c.sections == 0) continue;
        for (std::size_t i = 0; i + 1 < read.sections.size(); ++i) EXPECT_TRUE(read.sections[i].complete) << c.name;
        EXPECT_EQ(read.sections.back().records.size(), c.lastRecords) << c.name;
        EXPECT_EQ(read.sections.back().complete, c.lastComplete) << c.name;
    }
}

}  // namespace
}  // namespace cgt::test
