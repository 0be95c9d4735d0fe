// The printed CGT schedule (SCHEDCGT) against the schedule's box table: the
// form prints each box's letter just before the box, and no letter before a
// box the table gives none.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calc/schedule_boxes.h"
#include "report/page_record.h"
#include "report/script_resources.h"
#include "report_fixture.h"

namespace cgt::test {
namespace {

struct PrintedBox {
    bool found = false;
    // The text printed just before the box: the nearest text record before
    // its field record that is not the box itself (an empty boxed text),
    // with no other field between.
    std::string textBefore;
};

PrintedBox FindBox(const Script& script, int tag) {
    for (const ScriptSection& section : script.sections) {
        const auto& records = section.records;
        for (std::size_t i = 0; i < records.size(); ++i) {
            const TPageRec& r = records[i].rec;
            if (r.Type() != rec::kField || r.Tag() != tag) continue;
            PrintedBox box{true, {}};
            for (std::size_t j = i; j-- > 0;) {
                const char type = records[j].rec.Type();
                if (type == rec::kField || type == rec::kEditField) break;
                if (type == rec::kText && !records[j].text.empty()) {
                    box.textBefore = records[j].text;
                    break;
                }
            }
            return box;
        }
    }
    return {};
}

bool IsLetter(const std::string& text) {
    return text.size() == 1 && text[0] >= 'A' && text[0] <= 'Z';
}

TEST(ScheduleLetters, TheFormPrintsTheLetterOfEachBoxBeforeIt) {
    GuiApp();
    const std::vector<std::uint8_t> bytes = LoadScriptResource("SCHEDCGT");
    const Script script = ReadScript({bytes.data(), bytes.size()});
    for (const ScheduleBox& b : ScheduleBoxes()) {
        SCOPED_TRACE(std::string("Part ") + b.part->letter + ", " + b.row + ", field " + std::to_string(b.tag));
        const PrintedBox printed = FindBox(script, b.tag);
        ASSERT_TRUE(printed.found) << "the form does not print the field";
        if (*b.letter) {
            EXPECT_EQ(printed.textBefore, b.letter);
        } else {
            EXPECT_FALSE(IsLetter(printed.textBefore)) << "the form prints " << printed.textBefore;
        }
    }
}

}  // namespace
}  // namespace cgt::test
