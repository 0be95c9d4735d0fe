#include "screens/qcgt_67.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <array>
#include <cstring>

#include "controls/numedit.h"
#include "flow/screen_catalogue.h"
#include "interview/interviewframe.h"
#include "store/fieldstore.h"
#include "store/modulerun.h"
#include "store/tags.h"

namespace cgt {

namespace {

// A part of the schedule: its heading and the titles over its columns
// (empty where the part has no box in a column).
struct SchedulePart {
    const char* heading;
    std::array<const char*, 4> columns;
};

constexpr SchedulePart kPartA{"Part A - Current year capital gains", {"Indexation", "Discount", "Other", ""}};
constexpr SchedulePart kPartB{"Part B - Current year capital losses (other than from collectables)",
                              {"Shares, units", "Real estate", "Other", "Total"}};
constexpr SchedulePart kPartD{"Part D - Capital losses applied", {"Indexation", "Discount", "Other", "Total"}};
constexpr SchedulePart kPartE{"Part E - Current year capital gains after applying capital losses",
                              {"Indexation", "Discount", "Other", ""}};
constexpr SchedulePart kPartF{"Part F - CGT discount", {"", "Discount", "", ""}};
constexpr SchedulePart kPartG{"Part G - Small business concessions", {"Indexation", "Discount", "Other", ""}};
constexpr SchedulePart kPartH{"Part H - Net capital gain", {"Indexation", "Discount", "Other", "Total"}};
constexpr SchedulePart kPartI{"Part I - Unapplied net capital losses carried forward", {"", "", "", ""}};
constexpr SchedulePart kPartJ{"Part J - Small business 15-year exemption", {"", "", "", ""}};
constexpr SchedulePart kPartK{"Part K - Scrip for scrip roll-over", {"", "", "", ""}};

enum class BoxKind { Amount, Code, Tick };

// One box of the schedule: boxes of the same part and row label share a line.
struct ScheduleBox {
    const SchedulePart* part;
    const char* row;
    const char* letter;
    int column;  // 0 indexation, 1 discount, 2 other, 3 total
    int tag;
    BoxKind kind = BoxKind::Amount;
};

// clang-format off
const ScheduleBox kScheduleBoxes[] = {
    {&kPartA, "Shares and units - non-active",         "A", 0, kTagSchedSharesNonActiveIndexed},
    {&kPartA, "Shares and units - non-active",         "B", 1, kTagSchedSharesNonActiveDiscount},
    {&kPartA, "Shares and units - non-active",         "C", 2, kTagSchedSharesNonActiveOther},
    {&kPartA, "Real estate - non-active",              "D", 0, kTagSchedRealEstateNonActiveIndexed},
    {&kPartA, "Real estate - non-active",              "E", 1, kTagSchedRealEstateNonActiveDiscount},
    {&kPartA, "Real estate - non-active",              "F", 2, kTagSchedRealEstateNonActiveOther},
    {&kPartA, "Other assets and events - non-active",  "G", 0, kTagSchedOtherNonActiveIndexed},
    {&kPartA, "Other assets and events - non-active",  "H", 1, kTagSchedOtherNonActiveDiscount},
    {&kPartA, "Other assets and events - non-active",  "I", 2, kTagSchedOtherNonActiveOther},
    {&kPartA, "Collectables, after collectable losses", "J", 0, kTagSchedCollectablesIndexed},
    {&kPartA, "Collectables, after collectable losses", "K", 1, kTagSchedCollectablesDiscount},
    {&kPartA, "Collectables, after collectable losses", "L", 2, kTagSchedCollectablesOther},
    {&kPartA, "Shares and units - active",             "M", 0, kTagSchedSharesActiveIndexed},
    {&kPartA, "Shares and units - active",             "N", 1, kTagSchedSharesActiveDiscount},
    {&kPartA, "Shares and units - active",             "O", 2, kTagSchedSharesActiveOther},
    {&kPartA, "Real estate - active",                  "P", 0, kTagSchedRealEstateActiveIndexed},
    {&kPartA, "Real estate - active",                  "Q", 1, kTagSchedRealEstateActiveDiscount},
    {&kPartA, "Real estate - active",                  "R", 2, kTagSchedRealEstateActiveOther},
    {&kPartA, "Other assets and events - active",      "S", 0, kTagSchedOtherActiveIndexed},
    {&kPartA, "Other assets and events - active",      "T", 1, kTagSchedOtherActiveDiscount},
    {&kPartA, "Other assets and events - active",      "U", 2, kTagSchedOtherActiveOther},
    {&kPartA, "Total current year capital gains",      "V", 0, kTagSchedTotalGainsIndexed},
    {&kPartA, "Total current year capital gains",      "W", 1, kTagSchedTotalGainsDiscount},
    {&kPartA, "Total current year capital gains",      "X", 2, kTagSchedTotalGainsOther},
    {&kPartB, "Current year capital losses",           "A", 0, kTagSchedLossesShares},
    {&kPartB, "Current year capital losses",           "B", 1, kTagSchedLossesRealEstate},
    {&kPartB, "Current year capital losses",           "C", 2, kTagSchedLossesOther},
    {&kPartB, "Current year capital losses",           "D", 3, kTagSchedLossesTotal},
    {&kPartD, "Current year capital losses",           "E", 0, kTagSchedCurrentAppliedIndexed},
    {&kPartD, "Current year capital losses",           "F", 1, kTagSchedCurrentAppliedDiscount},
    {&kPartD, "Current year capital losses",           "G", 2, kTagSchedCurrentAppliedOther},
    {&kPartD, "Current year capital losses",           "H", 3, kTagSchedCurrentApplied},
    {&kPartD, "Prior year net capital losses",         "I", 0, kTagSchedPriorAppliedIndexed},
    {&kPartD, "Prior year net capital losses",         "J", 1, kTagSchedPriorAppliedDiscount},
    {&kPartD, "Prior year net capital losses",         "K", 2, kTagSchedPriorAppliedOther},
    {&kPartD, "Prior year net capital losses",         "L", 3, kTagSchedPriorApplied},
    {&kPartD, "Capital losses transferred in",         "M", 0, kTagSchedTransferredAppliedIndexed},
    {&kPartD, "Capital losses transferred in",         "N", 1, kTagSchedTransferredAppliedDiscount},
    {&kPartD, "Capital losses transferred in",         "O", 2, kTagSchedTransferredAppliedOther},
    {&kPartD, "Capital losses transferred in",         "P", 3, kTagSchedTransferredApplied},
    {&kPartD, "Total capital losses applied",          "Q", 0, kTagSchedTotalAppliedIndexed},
    {&kPartD, "Total capital losses applied",          "R", 1, kTagSchedTotalAppliedDiscount},
    {&kPartD, "Total capital losses applied",          "S", 2, kTagSchedTotalAppliedOther},
    {&kPartD, "Total capital losses applied",          "",  3, kTagSchedTotalApplied},
    {&kPartE, "Non-active assets and collectables",    "",  0, kTagSchedNonActiveAfterLossesIndexed},
    {&kPartE, "Non-active assets and collectables",    "",  1, kTagSchedNonActiveAfterLossesDiscount},
    {&kPartE, "Non-active assets and collectables",    "",  2, kTagSchedNonActiveAfterLossesOther},
    {&kPartE, "Active assets",                         "",  0, kTagSchedActiveAfterLossesIndexed},
    {&kPartE, "Active assets",                         "",  1, kTagSchedActiveAfterLossesDiscount},
    {&kPartE, "Active assets",                         "",  2, kTagSchedActiveAfterLossesOther},
    {&kPartE, "Total",                                 "",  0, kTagSchedAfterLossesIndexed},
    {&kPartE, "Total",                                 "",  1, kTagSchedAfterLossesDiscount},
    {&kPartE, "Total",                                 "",  2, kTagSchedAfterLossesOther},
    {&kPartF, "On gains from non-active assets",       "",  1, kTagSchedDiscountNonActive},
    {&kPartF, "On gains from active assets",           "",  1, kTagSchedDiscountActive},
    {&kPartG, "50% active asset reduction",            "",  0, kTagSchedReductionIndexed},
    {&kPartG, "50% active asset reduction",            "",  1, kTagSchedReductionDiscount},
    {&kPartG, "50% active asset reduction",            "",  2, kTagSchedReductionOther},
    {&kPartG, "Retirement exemption",                  "",  0, kTagSchedRetirementIndexed},
    {&kPartG, "Retirement exemption",                  "",  1, kTagSchedRetirementDiscount},
    {&kPartG, "Retirement exemption",                  "",  2, kTagSchedRetirementOther},
    {&kPartG, "Roll-over",                             "",  0, kTagSchedRollOverIndexed},
    {&kPartG, "Roll-over",                             "",  1, kTagSchedRollOverDiscount},
    {&kPartG, "Roll-over",                             "",  2, kTagSchedRollOverOther},
    {&kPartH, "CGT discount and concessions",          "",  0, kTagSchedConcessionsIndexed},
    {&kPartH, "CGT discount and concessions",          "",  1, kTagSchedConcessionsDiscount},
    {&kPartH, "CGT discount and concessions",          "",  2, kTagSchedConcessionsOther},
    {&kPartH, "Net capital gains",                     "",  0, kTagSchedNetGainIndexed},
    {&kPartH, "Net capital gains",                     "",  1, kTagSchedNetGainDiscount},
    {&kPartH, "Net capital gains",                     "",  2, kTagSchedNetGainOther},
    {&kPartH, "Net capital gain",                      "",  3, kTagSchedNetCapitalGain},
    {&kPartI, "From collectables",                     "",  3, kTagSchedCollectableLossesCarried},
    {&kPartI, "From other CGT assets and events",      "",  3, kTagSchedOtherLossesCarried},
    {&kPartJ, "Exempt capital gains",                  "",  3, kTagSchedExemptGains},
    {&kPartJ, "CGT asset or CGT event code",           "",  3, kTagSchedExemptionCode, BoxKind::Code},
    {&kPartK, "Scrip for scrip roll-over chosen",      "",  3, kTagSchedScripYes, BoxKind::Tick},
    {&kPartK, "Cost base of the interests exchanged",  "",  3, kTagSchedScripCostBase},
    {&kPartK, "Market value of replacement interests", "",  3, kTagSchedScripMarketValue},
    {&kPartK, "Cash and other consideration",          "",  3, kTagSchedScripCash},
};
// clang-format on

// Layout of the scroll box's contents, in design pixels.
constexpr int kMargin = 6;
constexpr int kLabelWidth = 246;
constexpr int kFirstColumnX = 256;
constexpr int kColumnPitch = 86;
constexpr int kLetterWidth = 16;
constexpr int kBoxWidth = 66;
constexpr int kBoxHeight = 20;
constexpr int kRowHeight = 24;
constexpr int kHeadingHeight = 26;
constexpr int kTitlesHeight = 18;
constexpr int kContentWidth = kFirstColumnX + 3 * kColumnPitch + kLetterWidth + kBoxWidth + 2;

// Next goes on to the first screen of the next section, which has none: the
// interview ends there.
constexpr int kFirstIndex = 1;
// "Application of choices", the navigator's entry for the last screens.
constexpr std::size_t kChoicesNavigatorNode = 14;

QFont ScheduleFont(bool bold, int points = 10) {
    QFont f(QStringLiteral("Arial"), points);
    f.setBold(bold);
    return f;
}

QLabel* AddLabel(QWidget* parent, const char* text, const QRect& at, const QFont& font,
                 Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setFont(font);
    label->setAlignment(align);
    label->setGeometry(at);
    return label;
}

int ColumnX(int column) {
    return kFirstColumnX + column * kColumnPitch;
}

// A box bound to its schedule field by the frame, which shows and keeps it;
// nothing on this screen is typed.
void AddBox(QWidget* parent, const ScheduleBox& box, int y) {
    const int x = ColumnX(box.column) + kLetterWidth;
    if (box.kind == BoxKind::Tick) {
        auto* tick = new QCheckBox(parent);
        tick->setProperty("fieldTag", box.tag);
        tick->setProperty(kShowOnlyProperty, true);
        tick->setFocusPolicy(Qt::NoFocus);
        tick->setAttribute(Qt::WA_TransparentForMouseEvents);
        tick->setGeometry(x, y, kBoxWidth, kBoxHeight);
        return;
    }
    AddLabel(parent, box.letter, QRect(ColumnX(box.column), y, kLetterWidth - 2, kBoxHeight), ScheduleFont(true, 8),
             Qt::AlignRight | Qt::AlignVCenter);
    auto* edit = new TTaxEdit(parent);
    edit->setFieldTag(box.tag);
    edit->setProperty(kShowOnlyProperty, true);
    edit->setNumericType(box.kind == BoxKind::Amount ? TCustomNumEdit::ntCurrency : TCustomNumEdit::ntNone);
    edit->setAlignment(Qt::AlignRight);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setChangeFocusColor(false);
    edit->setFont(ScheduleFont(true));
    edit->setGeometry(x, y, kBoxWidth, kBoxHeight);
}

}  // namespace

TQCGT_67::TQCGT_67(QWidget* parent) : TChildForm(parent) {}

void TQCGT_67::Created(TInterviewFrame& frame) {
    // Shown, not edited: unpacked for the boxes to be filled from, then
    // emptied again once they are (Shown), so that no copy of the schedule
    // is left among the return's own fields.
    FieldStore& store = frame.Store();
    store.LoadWorksheetInstance(store.WorksheetList(kWsSchedule), 1);
    scrollBox_ = findChild<QScrollArea*>(QStringLiteral("ScrollBox1"));
    BuildSchedule();
}

void TQCGT_67::BuildSchedule() {
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("ScheduleSheet"));
    int y = kMargin;
    const SchedulePart* part = nullptr;
    const char* row = nullptr;
    int rowY = 0;
    for (const ScheduleBox& box : kScheduleBoxes) {
        if (box.part != part) {
            part = box.part;
            row = nullptr;
            if (y > kMargin) y += kMargin;
            AddLabel(sheet, part->heading, QRect(kMargin, y, kContentWidth - kMargin, kHeadingHeight),
                     ScheduleFont(true, 11))
                ->setStyleSheet(QStringLiteral("color: navy"));
            y += kHeadingHeight;
            bool titled = false;
            for (int c = 0; c < 4; ++c) {
                if (!*part->columns[std::size_t(c)]) continue;
                AddLabel(sheet, part->columns[std::size_t(c)],
                         QRect(ColumnX(c) + kLetterWidth, y, kBoxWidth, kTitlesHeight), ScheduleFont(false, 8),
                         Qt::AlignRight | Qt::AlignVCenter);
                titled = true;
            }
            if (titled) y += kTitlesHeight;
        }
        if (!row || std::strcmp(row, box.row) != 0) {
            row = box.row;
            rowY = y;
            AddLabel(sheet, row, QRect(kMargin + 8, rowY, kLabelWidth - 8, kBoxHeight), ScheduleFont(false));
            y += kRowHeight;
        }
        AddBox(sheet, box, rowY);
    }
    sheet->resize(kContentWidth, y + kMargin);
    scrollBox_->setWidget(sheet);
}

void TQCGT_67::Shown(TInterviewFrame& frame) {
    frame.Store().EmptyWorkingTags();
    frame.ShowNavigator(NavigatorTree().at(kChoicesNavigatorNode).screenNumber);
    scrollBox_->verticalScrollBar()->setValue(0);
    frame.SetNextHandler([&frame](FrameButton) {
        ModuleRun& run = frame.Run();
        run.section += 1;
        run.screenIndex = kFirstIndex;
    });
}

}  // namespace cgt
