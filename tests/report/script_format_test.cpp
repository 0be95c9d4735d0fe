// The stored form of the scripts, their source form, and the round trips.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "report/page_record.h"
#include "report/script_resources.h"
#include "report/script_source.h"
#include "report_fixture.h"

namespace cgt::test {
namespace {

std::span<const std::uint8_t> Bytes(const std::vector<std::uint8_t>& v) {
    return {v.data(), v.size()};
}

const char* const kSample = R"(script SAMPLE
section 1 condition=0 layout=absolute height=2680
  attributes brush=sky-blue brush-style=solid pen=cream pen-width=5 pen-style=clear
  rect 0 0 1860 2750
  font face=times-new-roman size=14 style=bold,underline colour=navy background=rose align=3 spacing=-2
  position 100 100 900 200
  text "Capital \"gains\"\n2003 \xe9" inset=1 box-flags=2 boxed
  repeat 0 60 "again"
  line 10 20 30 40
  repeat 5 5
  field 397 kind=9 cols=12 column=3 box-flags=1
  edit 1 kind=0
  jump 7
  triangle 1 -2 3 -4
section 2 condition=803 layout=relative height=0
  group-header 120
  text "heading"
  end-group-header
  group row-height=40 list=803 cols=21 min=2 suppress=174
  field 803 kind=32 column=4
  end-group
  group-footer 60
  end-group-footer
  page-band 2750
  end-page-band
)";

TEST(ScriptFormat, RepeatCarriesATextOnlyAfterAText) {
    const Script s = Source(kSample);
    ASSERT_EQ(s.sections.size(), 2u);
    const auto& r = s.sections[0].records;
    ASSERT_EQ(r[5].rec.Type(), rec::kRepeat);
    EXPECT_TRUE(r[5].hasText);
    EXPECT_EQ(r[5].text, "again");
    ASSERT_EQ(r[7].rec.Type(), rec::kRepeat);
    EXPECT_FALSE(r[7].hasText);
    EXPECT_EQ(r[4].text, "Capital \"gains\"\n2003 \xe9");
}

TEST(ScriptFormat, StoredFormReadsBackWhole) {
    const Script s = Source(kSample);
    const std::vector<std::uint8_t> bytes = WriteScript(s);
    // Header counts exclude the texts; texts carry their length and a zero.
    EXPECT_EQ(bytes[3] | (bytes[4] << 8), int(s.sections[0].records.size()));
    EXPECT_EQ(ReadScript(Bytes(bytes)), s);
}

TEST(ScriptFormat, SourceRoundTripGivesTheSameBytes) {
    const Script s = Source(kSample);
    const std::string back = DecompileScript(s);
    EXPECT_EQ(WriteScript(CompileScriptSource(back, "back.rps")), WriteScript(s)) << back;
    // A record the named form cannot give back is kept whole.
    Script odd = s;
    odd.sections[0].records[1].rec.SetU8(17, 0x5A);
    odd.sections[0].records.push_back({TPageRec{}, false, {}});
    odd.sections[0].records.back().rec.SetType('Z');
    const std::string oddBack = DecompileScript(odd);
    EXPECT_NE(oddBack.find("record "), std::string::npos);
    EXPECT_EQ(WriteScript(CompileScriptSource(oddBack, "odd.rps")), WriteScript(odd)) << oddBack;
}

TEST(ScriptFormat, TagNamesComeFromTheHeader) {
    const TagNames tags = ReadTagNames(
        "inline constexpr int kTagTaxpayerName = 397;  // name\n"
        "inline constexpr int kTagChoiceGrid = 803;\n"
        "inline constexpr int kTagSameName = kTagChoiceGrid;\n");
    const Script s = CompileScriptSource(
        "section 1\n field TaxpayerName kind=0\nsection 2 condition=SameName\n group list=ChoiceGrid\n", "t.rps", tags);
    EXPECT_EQ(s.sections[0].records[0].rec.Tag(), 397);
    EXPECT_EQ(s.sections[1].header.Condition(), 803);
    const std::string back = DecompileScript(s, tags);
    EXPECT_NE(back.find("field TaxpayerName"), std::string::npos) << back;
    // A tag with two names is written as its number.
    EXPECT_NE(back.find("section 2 condition=803"), std::string::npos) << back;
    EXPECT_NE(back.find("list=803"), std::string::npos) << back;
    const std::string named = DecompileScript(s, ReadTagNames("inline constexpr int kTagChoiceGrid = 803;\n"));
    EXPECT_NE(named.find("section 2 condition=ChoiceGrid"), std::string::npos) << named;
}

TEST(ScriptFormat, DamagedStreamsEndTheLoadingCleanly) {
    const Script sample = Source(kSample);
    const std::vector<std::uint8_t> whole = WriteScript(sample);
    // Every cut keeps the records before it as they were, marks its section
    // incomplete, and never reads past the end.
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const std::vector<std::uint8_t> part(whole.begin(), whole.begin() + std::ptrdiff_t(cut));
        const Script s = ReadScript(Bytes(part));
        ASSERT_LE(s.sections.size(), sample.sections.size()) << cut;
        for (std::size_t i = 0; i < s.sections.size(); ++i) {
            const ScriptSection& got = s.sections[i];
            const ScriptSection& was = sample.sections[i];
            EXPECT_EQ(got.header, was.header) << cut;
            EXPECT_EQ(got.complete, got.records.size() == was.records.size()) << cut;
            ASSERT_LE(got.records.size(), was.records.size()) << cut;
            EXPECT_TRUE(std::equal(got.records.begin(), got.records.end(), was.records.begin())) << cut;
        }
        if (s.sections.empty() || s.sections.back().complete) {
            // A cut between sections, or inside the header of the next.
            const std::vector<std::uint8_t> written = WriteScript(s);
            ASSERT_LE(written.size(), part.size()) << cut;
            EXPECT_LT(part.size() - written.size(), kPageRecSize) << cut;
            EXPECT_TRUE(std::equal(written.begin(), written.end(), part.begin())) << cut;
        }
    }
    std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + 18 + 18 * 3 + 5);
    const Script partial = ReadScript(Bytes(cut));
    ASSERT_EQ(partial.sections.size(), 1u);
    EXPECT_FALSE(partial.sections[0].complete);
    EXPECT_EQ(partial.sections[0].records.size(), 3u);
    // A header that is not "!" ends the loading.
    std::vector<std::uint8_t> bad = whole;
    const std::size_t second = WriteScript(Script{{Source(kSample).sections[0]}}).size();
    bad[second] = 'X';
    EXPECT_EQ(ReadScript(Bytes(bad)).sections.size(), 1u);
    // A text length running past the end.
    std::vector<std::uint8_t> longText = WriteScript(Source("section 1\n text \"abc\"\n"));
    longText[36] = 0xFF;
    longText[37] = 0xFF;
    EXPECT_FALSE(ReadScript(Bytes(longText)).sections[0].complete);
}

TEST(ScriptFormat, BadSourceLinesNameTheirLine) {
    const struct {
        const char* source;
        const char* message;
    } cases[] = {
        {"rect 0 0 1 1\n", "t.rps:1: rect before the first section"},
        {"section 1\n\n  rect 0 0 1\n", "t.rps:3: rect needs 4 numbers"},
        {"section 1\n font colour=mauve\n", "t.rps:2: no colour mauve"},
        {"section 1\n text \"open\n", "t.rps:2: the text has no closing \""},
        {"section 1\n field 1 kind=x\n", "t.rps:2: kind is a number, not x"},
        {"section 1\n line 0 0 1 1 \"t\"\n", "t.rps:2: line carries no text here"},
        {"section 1 layout=sideways\n", "t.rps:1: layout is absolute or relative, not sideways"},
        {"section 1\n field Nobody kind=0\n", "t.rps:2: no field tag named Nobody"},
        {"section 1\n square 0 0 1 1\n", "t.rps:2: unknown record square"},
        {"section 1\n font size=8 size=9\n", "t.rps:2: option size given twice"},
        {"section 1\n text \"\\xg1\"\n", "t.rps:2: \\x takes two hex digits"},
        {"section 1\n font size=300\n", "t.rps:2: size 300 is outside 1 to 255"},
        {"section-record 520001000000000000000000000000000000\n", "t.rps:1: a section record starts with 21 (\"!\")"},
    };
    for (const auto& c : cases) {
        try {
            CompileScriptSource(c.source, "t.rps");
            ADD_FAILURE() << "accepted: " << c.source;
        } catch (const ScriptSourceError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(ScriptResources, ShippedScriptsLoadAndRoundTrip) {
    GuiApp();
    const TagNames tags = [] {
        std::ifstream in(CGT_TAGS_HEADER);
        std::stringstream s;
        s << in.rdbuf();
        return ReadTagNames(s.str());
    }();
    for (const char* name : {"CGTWSHT", "CGTASSET", "CGTNASS", "CGTCHOICE", "CGTCHOICEOLD", "CGTDISEV", "SCHEDCGT"}) {
        const std::vector<std::uint8_t> bytes = LoadScriptResource(name);
        const Script s = ReadScript(Bytes(bytes));
        ASSERT_FALSE(s.sections.empty()) << name;
        for (const ScriptSection& section : s.sections) EXPECT_TRUE(section.complete) << name;
        EXPECT_EQ(WriteScript(s), bytes) << name;
        EXPECT_EQ(WriteScript(CompileScriptSource(DecompileScript(s, tags), name, tags)), bytes) << name;
    }
    try {
        LoadScriptResource("NOPE");
        ADD_FAILURE() << "a missing script loaded";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Resource NOPE not found");
    }
}

}  // namespace
}  // namespace cgt::test
