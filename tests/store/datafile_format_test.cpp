#include "store/datafile_format.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/scripted_dialogs.h"

namespace cgt {
namespace {

// Builds expected plain content by hand, little-endian.
struct Content {
    Bytes b;
    Content& Text(std::string_view s) {
        b.insert(b.end(), s.begin(), s.end());
        return *this;
    }
    Content& U8(int v) {
        b.push_back(std::uint8_t(v));
        return *this;
    }
    Content& U16(int v) { return U8(v & 0xFF).U8((v >> 8) & 0xFF); }
    Content& I32(std::int64_t v) {
        for (int i = 0; i < 4; ++i) U8(int((std::uint32_t(v) >> (8 * i)) & 0xFF));
        return *this;
    }
    // Hex pairs separated by spaces.
    Content& Hex(std::string_view hex) {
        for (std::size_t i = 0; i + 1 < hex.size(); i += 3) U8(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
        return *this;
    }
    Content& Zeros(int n) {
        b.insert(b.end(), std::size_t(n), 0);
        return *this;
    }
    Content& Header(int section, int index, std::vector<std::int64_t> history) {
        Text("Electronic Quorvin'2003 (c) Ravelle Revenue Department ");
        I32(section).I32(index).I32(std::int64_t(history.size()));
        for (auto h : history) I32(h);
        return *this;
    }
};

// Numbers as worked out by hand in the 10-byte layout.
constexpr const char* kZero = "00 00 00 00 00 00 00 00 00 00";
constexpr const char* kOne = "00 00 00 00 00 00 00 80 FF 3F";
constexpr const char* kTwoAndAHalf = "00 00 00 00 00 00 00 A0 00 40";
constexpr const char* kThree = "00 00 00 00 00 00 00 C0 00 40";
constexpr const char* kSeven = "00 00 00 00 00 00 00 E0 01 40";
constexpr const char* kTwelveAndAHalf = "00 00 00 00 00 00 00 C8 02 40";

WorksheetItem Item(int instance, int tag, Slot slot) {
    return WorksheetItem{std::uint16_t(instance), tag, std::move(slot)};
}
Slot Number(std::uint8_t type, long double v) {
    Slot s;
    s.type = type;
    s.number = v;
    return s;
}
Slot Small(std::string text) {
    Slot s;
    s.type = dtSmallStr;
    s.smallText = std::move(text);
    return s;
}
Slot Long(std::optional<std::string> text) {
    Slot s;
    s.type = dtString;
    s.longText = std::move(text);
    return s;
}
Slot Check(bool on) {
    Slot s;
    s.type = dtCheckbox;
    s.checked = on;
    return s;
}
Slot List(std::optional<TextList> lines) {
    Slot s;
    s.type = dtList;
    if (lines) s.list = std::make_shared<TextList>(*lines);
    return s;
}

class ReturnContentTest : public ::testing::Test {
protected:
    void FillEveryType() {
        store.MutableSlotAt(5) = Number(dtNumeric, 0);   // kept although zero
        store.MutableSlotAt(6) = Number(dtCurrency, 0);  // left out
        store.MutableSlotAt(7) = Number(dtCurrency, 1);
        store.MutableSlotAt(8) = Number(dtCurrencyCnt, 2.5);
        store.MutableSlotAt(100) = Check(true);
        store.MutableSlotAt(101) = Check(false);  // left out
        store.MutableSlotAt(102) = Long("abcdefghijk");
        store.MutableSlotAt(103) = Long(std::string());  // referenced though empty: kept
        store.MutableSlotAt(104) = Long(std::nullopt);   // no string: left out
        store.MutableSlotAt(105) = Small("");            // left out
        store.MutableSlotAt(106) = Small("hi");
        store.MutableSlotAt(107) = List(TextList{"a", "bc"});
        store.MutableSlotAt(108) = List(TextList{});    // left out
        store.MutableSlotAt(109) = List(std::nullopt);  // left out
        auto items = std::make_shared<WorksheetItems>();
        items->push_back(Item(1, 710, Small("Shares")));
        items->push_back(Item(1, 1100, Number(dtCurrency, 12.5)));
        items->push_back(Item(1, 1101, Check(true)));
        items->push_back(Item(1, 1102, Long("long text here")));
        items->push_back(Item(1, 1103, List(TextList{"x"})));
        items->push_back(Item(1, 1104, List(std::nullopt)));
        items->push_back(Item(2, 710, Number(dtNumeric, 3)));
        store.MutableSlotAt(451 + kWorksheetTagOffset).type = dtWorksheet;
        store.MutableSlotAt(451 + kWorksheetTagOffset).worksheet = items;
        store.MutableSlotAt(453 + kWorksheetTagOffset).type = dtWorksheet;  // no list: left out
        store.MutableSlotAt(1999) = Number(dtNumeric, 7);
    }

    Bytes ExpectedEveryType() {
        Content c;
        c.Header(20, 4, {2004, 2009});
        c.I32(5).U8(1).Hex(kZero);
        c.I32(7).U8(2).Hex(kOne);
        c.I32(8).U8(3).Hex(kTwoAndAHalf);
        c.I32(100).U8(6).U8(1).Zeros(9);
        c.I32(102).U8(4).U8(11).Text("abcdefghijk");
        c.I32(103).U8(4).U8(0);
        c.I32(106).U8(5).U8(2).Text("hi");
        c.I32(107).U8(7).I32(10).Text("a\r\nbc\r\n").Zeros(3);
        c.I32(1202).U8(8).I32(7);
        c.U16(1).I32(710).U8(5).U8(0).U8(6).Text("Shares").Zeros(3);
        c.U16(1).I32(1100).U8(2).U8(0).Hex(kTwelveAndAHalf);
        c.U16(1).I32(1101).U8(6).U8(0).U8(1).Zeros(9).U8(1).Zeros(9);
        c.U16(1).I32(1102).U8(4).U8(0).Zeros(10).U8(14).Text("long text here");
        c.U16(1).I32(1103).U8(7).U8(0).Zeros(10).I32(6).Text("x\r\n").Zeros(3);
        c.U16(1).I32(1104).U8(7).U8(0).Zeros(10).I32(0);
        c.U16(2).I32(710).U8(1).U8(0).Hex(kThree);
        c.I32(1999).U8(1).Hex(kSeven);
        return c.b;
    }

    test::ScriptedDialogs dialogs;
    FieldStore store{&dialogs};
    ReturnPosition position{20, 4, {2004, 2009}};
};

TEST_F(ReturnContentTest, WritesTheExactLayoutForEveryType) {
    FillEveryType();
    const Bytes written = WriteReturnContent(store, position);
    const Bytes expected = ExpectedEveryType();
    ASSERT_EQ(written.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(written[i], expected[i]) << "byte " << i;
}

TEST_F(ReturnContentTest, ReadsBackWhatWasWritten) {
    FillEveryType();
    FieldStore loaded{&dialogs};
    ReturnPosition pos;
    const Bytes content = WriteReturnContent(store, position);
    ReturnReader reader(content);
    ASSERT_TRUE(reader.HeaderMatches());
    reader.ReadPosition(pos);
    ReturnReader::BadTag bad;
    ASSERT_TRUE(reader.ReadFields(loaded, bad));
    EXPECT_EQ(reader.Records(), 10);
    EXPECT_EQ(pos.section, 20);
    EXPECT_EQ(pos.screenIndex, 4);
    EXPECT_EQ(pos.history, (std::vector<std::int32_t>{2004, 2009}));

    EXPECT_EQ(loaded.FieldType(5), dtNumeric);
    EXPECT_EQ(loaded.FieldType(6), dtNone);
    EXPECT_EQ(loaded.GetFieldVal(8), 2.5L);
    EXPECT_EQ(loaded.FieldType(8), dtCurrencyCnt);
    EXPECT_TRUE(loaded.FieldChecked(100));
    EXPECT_EQ(loaded.GetFieldStr(102), "abcdefghijk");
    EXPECT_EQ(loaded.SlotAt(103).longText, std::optional<std::string>(""));
    EXPECT_FALSE(loaded.SlotAt(104).longText.has_value());
    EXPECT_EQ(loaded.GetFieldStr(106), "hi");
    EXPECT_EQ(*loaded.GetFieldLst(107), (TextList{"a", "bc"}));
    EXPECT_EQ(loaded.WorksheetCount(451), 2);
    const auto list = loaded.WorksheetList(451);
    ASSERT_TRUE(list);
    const std::vector<WorksheetItem> items(list->begin(), list->end());
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[0].slot.smallText, "Shares");
    EXPECT_EQ(items[1].slot.number, 12.5L);
    EXPECT_TRUE(items[2].slot.checked);
    EXPECT_EQ(items[3].slot.longText, std::optional<std::string>("long text here"));
    EXPECT_EQ(*items[4].slot.list, TextList{"x"});
    ASSERT_TRUE(items[5].slot.list);  // a code-7 item always gets a list
    EXPECT_TRUE(items[5].slot.list->empty());
    EXPECT_EQ(items[6].instance, 2);
    EXPECT_EQ(loaded.GetFieldVal(1999), 7.0L);

    // Written again, the loaded store gives the same bytes, except that the
    // item without a list now has an empty one (also written as count 0).
    EXPECT_EQ(WriteReturnContent(loaded, pos), content);
}

TEST_F(ReturnContentTest, AnEmptyStoreIsHeaderPositionAndHistoryOnly) {
    const Bytes written = WriteReturnContent(store, ReturnPosition{0, 0, {}});
    EXPECT_EQ(written, Content().Header(0, 0, {}).b);
}

TEST_F(ReturnContentTest, HelpDeskListingNamesEveryWrittenNumberTextAndCheckBox) {
    FillEveryType();
    std::string listing;
    WriteReturnContent(store, position, &listing);
    EXPECT_EQ(listing,
              "5 Numeric 0\r\n"
              "7 Currency 1\r\n"
              "8 Currency 2.5\r\n"
              "100 Checkbox \r\n"
              "102 string abcdefghijk\r\n"
              "103 string \r\n"
              "106 smallstring hi\r\n"
              "1999 Numeric 7\r\n");
}

// Records this writer does not make (another writer's, or a damaged but
// readable file's) are read for their values and written again as this
// writer makes them; its own are kept as they are.
TEST_F(ReturnContentTest, ItemsOfOtherWritersAreWrittenAgainAsThisWriterWould) {
    // Each in an instance of its own, so that each record is judged alone.
    const auto record = [](Content& c, int tag, int type) -> Content& { return c.U16(tag - 700).I32(tag).U8(type); };
    Content read;
    read.Header(0, 0, {}).I32(1202).U8(8).I32(9);
    record(read, 710, 5).U8(7).U8(2).Text("hi").Text("zzzzzzz");  // reserved byte; junk after the text
    record(read, 711, 6).U8(0).U8(0).Zeros(9).U8(2).Zeros(9);     // the repeat (2) is the one kept
    record(read, 1103, 7).U8(0).Zeros(10).I32(8).Text("a\nb\n").Zeros(1).Text("xyz");  // LF only, text after the zero
    record(read, 1104, 7).U8(0).Zeros(10).I32(-5);                                     // no lines
    record(read, 1105, 2).U8(0).Hex("00 00 00 00 00 00 00 40 FF 3F");                  // an unnormal 0.5
    record(read, 1106, 4).U8(0).U8(1).Zeros(9).U8(2).Text("ok");                       // a value area under a string
    record(read, 1107, 7).U8(0).Zeros(10).I32(3).Zeros(3);                             // an empty text
    record(read, 1108, 6).U8(0).U8(1).Zeros(9).U8(1).Zeros(9);                         // as this writer makes it
    record(read, 1109, 6).U8(0).U8(2).Zeros(9).U8(2).Zeros(9);  // ticked, but not as this writer ticks

    Content written;
    written.Header(0, 0, {}).I32(1202).U8(8).I32(9);
    record(written, 710, 5).U8(0).U8(2).Text("hi").Zeros(7);
    record(written, 711, 6).U8(0).U8(1).Zeros(9).U8(1).Zeros(9);
    record(written, 1103, 7).U8(0).Zeros(10).I32(9).Text("a\r\nb\r\n").Zeros(3);
    record(written, 1104, 7).U8(0).Zeros(10).I32(0);
    record(written, 1105, 2).U8(0).Hex("00 00 00 00 00 00 00 80 FE 3F");
    record(written, 1106, 4).U8(0).Zeros(10).U8(2).Text("ok");
    record(written, 1107, 7).U8(0).Zeros(10).I32(0);
    record(written, 1108, 6).U8(0).U8(1).Zeros(9).U8(1).Zeros(9);
    record(written, 1109, 6).U8(0).U8(1).Zeros(9).U8(1).Zeros(9);

    FieldStore loaded{&dialogs};
    ReturnReader reader(read.b);
    ASSERT_TRUE(reader.HeaderMatches());
    ReturnPosition pos;
    reader.ReadPosition(pos);
    ReturnReader::BadTag bad;
    ASSERT_TRUE(reader.ReadFields(loaded, bad));
    const Bytes again = WriteReturnContent(loaded, pos);
    ASSERT_EQ(again.size(), written.b.size());
    for (std::size_t i = 0; i < again.size(); ++i) ASSERT_EQ(again[i], written.b[i]) << "byte " << i;
    const auto field = [&](int tag) -> FieldStore& {
        loaded.LoadInstance(451, tag - 700);
        return loaded;
    };
    EXPECT_EQ(field(710).GetFieldStr(710), "hi");
    EXPECT_TRUE(field(711).FieldChecked(711));
    EXPECT_EQ(*field(1103).GetFieldLst(1103), (TextList{"a", "b"}));
    EXPECT_TRUE(field(1104).GetFieldLst(1104)->empty());
    EXPECT_EQ(field(1105).GetFieldVal(1105), 0.5L);
    EXPECT_EQ(field(1106).GetFieldStr(1106), "ok");
    EXPECT_TRUE(field(1108).FieldChecked(1108));
    EXPECT_TRUE(field(1109).FieldChecked(1109));
}

TEST(SplitLinesTest, BreaksAtCarriageReturnLineFeedOrBoth) {
    EXPECT_EQ(SplitLines("a\r\nbc\r\n"), (TextList{"a", "bc"}));
    EXPECT_EQ(SplitLines("a\rb\nc"), (TextList{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("\r\n\r\nx"), (TextList{"", "", "x"}));
    EXPECT_EQ(SplitLines("\n\r"), (TextList{"", ""}));
    EXPECT_EQ(SplitLines(""), TextList{});
}

// Damaged or hostile content: each case is a good record (tag 7) followed by
// the damage; the good record stays and nothing is read out of bounds.
struct DamageCase {
    const char* what;
    std::function<void(Content&)> damage;
    bool throws;     // EInOutError
    int badTag = 0;  // otherwise: a bad tag stops the reading (0 = none)
};

class DamagedContentTest : public ::testing::Test {
protected:
    test::ScriptedDialogs dialogs;
};

TEST_F(DamagedContentTest, EndsTheReadingKeepingTheRecordsBefore) {
    const DamageCase cases[] = {
        {"truncated number", [](Content& c) { c.I32(8).U8(2).Hex("00 00 00"); }, true},
        {"truncated tag", [](Content& c) { c.U8(9).U8(0); }, true},
        {"type code missing", [](Content& c) { c.I32(8); }, true},
        {"list count beyond the end", [](Content& c) { c.I32(8).U8(7).I32(100).Text("a\r\n").Zeros(3); }, true},
        {"huge item count", [](Content& c) { c.I32(1202).U8(8).I32(0x7FFFFFFF).Zeros(40); }, true},
        {"negative list count", [](Content& c) { c.I32(8).U8(7).I32(-4); }, true},
        {"negative item count", [](Content& c) { c.I32(1202).U8(8).I32(-1); }, true},
        {"short string of ten", [](Content& c) { c.I32(8).U8(5).U8(10).Text("0123456789"); }, true},
        {"string cut short", [](Content& c) { c.I32(8).U8(4).U8(200).Text("abc"); }, true},
        {"list text without its zero byte", [](Content& c) { c.I32(8).U8(7).I32(4).Text("ab\r\n"); }, true},
        {"unknown field type", [](Content& c) { c.I32(8).U8(9).Zeros(10); }, true},
        {"unknown item type", [](Content& c) { c.I32(1202).U8(8).I32(1).U16(1).I32(710).U8(200).U8(0).Zeros(10); },
         true},
        {"item short string of twelve",
         [](Content& c) { c.I32(1202).U8(8).I32(1).U16(1).I32(710).U8(5).U8(0).U8(12).Zeros(9); }, true},
        {"item without its check box repeat",
         [](Content& c) { c.I32(1202).U8(8).I32(1).U16(1).I32(710).U8(6).U8(0).U8(1).Zeros(9); }, true},
        {"item list count beyond the end",
         [](Content& c) { c.I32(1202).U8(8).I32(1).U16(1).I32(710).U8(7).U8(0).Zeros(10).I32(1 << 30); }, true},
        {"second item missing", [](Content& c) { c.I32(1202).U8(8).I32(2).U16(1).I32(710).U8(2).U8(0).Hex(kOne); },
         true},
        {"tag 2000", [](Content& c) { c.I32(2000).U8(2).Hex(kOne); }, false, 2000},
        {"tag 0", [](Content& c) { c.I32(0); }, false, 0},
        {"negative tag", [](Content& c) { c.I32(-5).U8(1); }, false, -5},
        {"item list negative count gives an empty list",
         [](Content& c) { c.I32(1202).U8(8).I32(1).U16(1).I32(1103).U8(7).U8(0).Zeros(10).I32(-3); }, false},
    };
    for (const auto& c : cases) {
        Content content;
        content.Header(1, 2, {3}).I32(7).U8(2).Hex(kOne);
        c.damage(content);
        FieldStore store{&dialogs};
        ReturnReader reader(content.b);
        ASSERT_TRUE(reader.HeaderMatches()) << c.what;
        ReturnPosition pos;
        reader.ReadPosition(pos);
        ReturnReader::BadTag bad;
        bool complete = false;
        bool threw = false;
        try {
            complete = reader.ReadFields(store, bad);
        } catch (const EInOutError& e) {
            threw = true;
            EXPECT_NE(std::string(e.what()).find("Damaged data file"), std::string::npos) << c.what;
        }
        EXPECT_EQ(threw, c.throws) << c.what;
        if (!c.throws && c.badTag != 0) {
            EXPECT_FALSE(complete) << c.what;
            EXPECT_EQ(bad.tag, c.badTag) << c.what;
            EXPECT_EQ(bad.lastTag, 7) << c.what;
        }
        EXPECT_EQ(store.GetFieldVal(7), 1.0L) << c.what;
        EXPECT_EQ(store.FieldType(8), dtNone) << c.what;
    }
}

TEST_F(DamagedContentTest, HistoryTakesOnlyTheEntriesPresent) {
    for (const std::int64_t count : {std::int64_t(5), std::int64_t(0x7FFFFFFF), std::int64_t(-1)}) {
        Content c;
        c.Text(kReturnHeader).I32(20).I32(4).I32(count).I32(2004).I32(2009);
        ReturnReader reader(c.b);
        ASSERT_TRUE(reader.HeaderMatches());
        ReturnPosition pos;
        reader.ReadPosition(pos);
        if (count < 0) {
            // Nothing taken as history; the two entries are then read as a record.
            EXPECT_TRUE(pos.history.empty());
        } else {
            EXPECT_EQ(pos.history, (std::vector<std::int32_t>{2004, 2009})) << count;
        }
    }
}

// Every prefix of a good file: either too short for a header, or read to a
// record boundary, or stopped by a clear error.
TEST_F(DamagedContentTest, EveryTruncationIsHandled) {
    FieldStore full{&dialogs};
    full.SetFieldStr(1, "12345 Smith");
    full.SetFieldVal(300, 42);
    full.SetFieldLst(399, std::make_shared<TextList>(TextList{"note", "two"}));
    auto items = full.EnsureWorksheetList(451);
    items->push_back(Item(1, 710, Small("BHP")));
    items->push_back(Item(1, 1102, Long("a long description")));
    items->push_back(Item(1, 1103, List(TextList{"r1", "r2"})));
    items->push_back(Item(1, 1104, Check(true)));
    const Bytes content = WriteReturnContent(full, ReturnPosition{20, 4, {2004}});
    for (std::size_t n = 0; n < content.size(); ++n) {
        const Bytes prefix(content.begin(), content.begin() + std::ptrdiff_t(n));
        ReturnReader reader(prefix);
        if (!reader.HeaderMatches()) {
            EXPECT_LT(n, kReturnHeader.size());
            continue;
        }
        FieldStore store{&dialogs};
        ReturnPosition pos;
        ReturnReader::BadTag bad;
        try {
            reader.ReadPosition(pos);
            reader.ReadFields(store, bad);
        } catch (const EInOutError&) {
        }
        EXPECT_LE(reader.Records(), 4) << n;
    }
}

}  // namespace
}  // namespace cgt
