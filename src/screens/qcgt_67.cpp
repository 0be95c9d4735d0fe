#include "screens/qcgt_67.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <cstring>
#include <string>

#include "calc/schedule_boxes.h"
#include "controls/numedit.h"
#include "flow/screen_catalogue.h"
#include "interview/interviewframe.h"
#include "store/fieldstore.h"
#include "store/modulerun.h"
#include "store/tags.h"

namespace cgt {

namespace {

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
    AddLabel(parent, box.letter, QRect(ColumnX(box.column), y, kLetterWidth - 2, kBoxHeight), ScheduleFont(true, 8),
             Qt::AlignRight | Qt::AlignVCenter);
    if (box.kind == ScheduleBoxKind::Tick) {
        auto* tick = new QCheckBox(parent);
        tick->setProperty("fieldTag", box.tag);
        tick->setProperty(kShowOnlyProperty, true);
        tick->setFocusPolicy(Qt::NoFocus);
        tick->setAttribute(Qt::WA_TransparentForMouseEvents);
        tick->setGeometry(x, y, kBoxWidth, kBoxHeight);
        return;
    }
    auto* edit = new TTaxEdit(parent);
    edit->setFieldTag(box.tag);
    edit->setProperty(kShowOnlyProperty, true);
    edit->setNumericType(box.kind == ScheduleBoxKind::Amount ? TCustomNumEdit::ntCurrency : TCustomNumEdit::ntNone);
    edit->setAlignment(Qt::AlignRight);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setChangeFocusColor(false);
    edit->setFont(ScheduleFont(true));
    edit->setGeometry(x, y, kBoxWidth, kBoxHeight);
}

}  // namespace

TQCGT_67::TQCGT_67(QWidget* parent) : TChildForm(parent) {
    ui.setupUi(this);
    scrollBox_ = ui.ScrollBox1;
}

void TQCGT_67::Created(TInterviewFrame& frame) {
    // Shown, not edited: unpacked for the boxes to be filled from, then
    // emptied again once they are (Shown), so that no copy of the schedule
    // is left among the return's own fields.
    FieldStore& store = frame.Store();
    store.LoadWorksheetInstance(store.WorksheetList(kWsSchedule), 1);
    BuildSchedule();
}

void TQCGT_67::BuildSchedule() {
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("ScheduleSheet"));
    int y = kMargin;
    const SchedulePart* part = nullptr;
    const char* row = nullptr;
    int rowY = 0;
    for (const ScheduleBox& box : ScheduleBoxes()) {
        if (box.part != part) {
            part = box.part;
            row = nullptr;
            if (y > kMargin) y += kMargin;
            const std::string heading = std::string("Part ") + part->letter + " - " + part->title;
            AddLabel(sheet, heading.c_str(), QRect(kMargin, y, kContentWidth - kMargin, kHeadingHeight),
                     ScheduleFont(true, 11))
                ->setStyleSheet(QStringLiteral("color: navy"));
            y += kHeadingHeight;
            bool titled = false;
            for (int c = 0; c < kScheduleColumns; ++c) {
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
