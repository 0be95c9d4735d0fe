#include "interview/interviewframe.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTreeWidget>
#include <cmath>

#include "base/dialogs.h"
#include "base/numtext.h"
#include "controls/control_context.h"
#include "flow/flow_rules.h"
#include "interview/messages.h"
#include "interview/screen_layout.h"
#include "interview/taginspector.h"
#include "interview/worksheet_picker.h"
#include "store/modulerun.h"

namespace cgt {

namespace {

constexpr int kTitleHeight = 24;
constexpr int kButtonBarHeight = 34;
constexpr int kPictureWidth = 160;

QPixmap BannerPixmap(int w, int h) {
    QPixmap pm(w, h);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(255, 140, 0));
    g.setColorAt(1, QColor(120, 40, 0));
    p.fillRect(pm.rect(), g);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("Liberation Sans"), 14, QFont::Bold);
    p.setFont(f);
    p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("Capital\nGains Tax\n2003"));
    return pm;
}

bool IsWindowed(const QWidget* w) {
    return w->focusPolicy() != Qt::NoFocus || qobject_cast<const QGroupBox*>(w) || qobject_cast<const QScrollArea*>(w);
}

// The windowed controls directly inside `parent`, in reading order (the
// order Tab takes them).
std::vector<QWidget*> WindowedChildren(const QWidget* parent) {
    std::vector<QWidget*> found;
    std::vector<QRect> boxes;
    for (QObject* o : parent->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow() && IsWindowed(w)) {
            found.push_back(w);
            boxes.push_back(w->geometry());
        }
    std::vector<QWidget*> out;
    for (int i : ReadingOrder(boxes)) out.push_back(found[std::size_t(i)]);
    return out;
}

}  // namespace

int TabOrderOf(const QWidget* w) {
    if (!w || !w->parentWidget()) return -1;
    const auto siblings = WindowedChildren(w->parentWidget());
    for (std::size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i] == w) return int(i);
    return -1;
}

TInterviewFrame::TInterviewFrame(ModuleRun& run, FrameHost& host, ScreenFactory factory, QWidget* parent)
    : QWidget(parent), run_(run), host_(host), factory_(std::move(factory)) {
    setObjectName(QStringLiteral("InterviewFrame"));
    BuildControls();
    // The position read from the file may be the start of a return (0/2).
    prev_->setEnabled(run_.section == 0 && run_.screenIndex == 2);
}

TInterviewFrame::~TInterviewFrame() {
    delete inspector_;
}

FieldStore& TInterviewFrame::Store() {
    return run_.store();
}

void TInterviewFrame::BuildControls() {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 224));
    setPalette(pal);

    titleBar_ = new QWidget(this);
    titleBar_->setAutoFillBackground(true);
    QPalette tp = titleBar_->palette();
    tp.setColor(QPalette::Window, QColor(255, 128, 0));
    titleBar_->setPalette(tp);
    title_ = new QLabel(titleBar_);
    title_->setObjectName(QStringLiteral("Title"));
    title_->setAlignment(Qt::AlignCenter);
    QFont tf(QStringLiteral("Liberation Sans"), 11, QFont::Bold);
    title_->setFont(tf);
    title_->setStyleSheet(QStringLiteral("color:white"));

    const bool desk = run_.HelpDesk();
    for (const char* text : {">>", "*", "#", "<<", "Tags"}) {
        auto* b = new QPushButton(QString::fromLatin1(text), titleBar_);
        b->setFocusPolicy(Qt::NoFocus);
        b->setVisible(desk);
        deskButtons_.push_back(b);
    }
    tags_ = deskButtons_.back();
    connect(deskButtons_[0], &QPushButton::clicked, this, GuardedSlot(this, [this] { ForwardClick(); }));
    connect(tags_, &QPushButton::clicked, this, GuardedSlot(this, [this] { TagsClick(); }));

    picture_ = new QWidget(this);
    picture_->setObjectName(QStringLiteral("PicturePanel"));
    banner_ = new QLabel(picture_);
    banner_->setPixmap(BannerPixmap(kPictureWidth - 10, 110));
    icon_ = new QLabel(picture_);
    icon_->setAlignment(Qt::AlignCenter);
    number_ = new QLabel(picture_);
    number_->setObjectName(QStringLiteral("ScreenNumber"));
    number_->setAlignment(Qt::AlignCenter);
    navigator_ = new TNavigator(picture_);
    navigator_->hide();
    picker_ = new TWorksheetPicker(picture_);
    picker_->hide();
    // Named for a screen reader as the panel's headings name them.
    navigator_->Tree()->setAccessibleName(QStringLiteral("CGT Navigator"));
    picker_->List()->setAccessibleName(QStringLiteral("Existing worksheets"));
    // The navigator's mouse-up and the picker's clicks come to the frame.
    connect(navigator_, &TNavigator::entryReleased, this,
            GuardedSlot(this, [this](int number, const QString& text) { NavigatorClick(number, text); }));
    connect(picker_, &TWorksheetPicker::rowClicked, this, GuardedSlot(this, [this](int row) { PickerClick(row); }));
    connect(picker_, &TWorksheetPicker::deleteClicked, this, GuardedSlot(this, [this] { DeleteClick(); }));

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientArea"));

    buttonBar_ = new QWidget(this);
    auto make = [this](const char* text, const char* name) {
        auto* b = new QPushButton(QString::fromLatin1(text), buttonBar_);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    more_ = make("&More", "BtnMore");
    yes_ = make("&Yes", "BtnYes");
    no_ = make("&No", "BtnNo");
    jump_ = make("&Jump", "BtnJump");
    prev_ = make("&Prev", "BtnPrev");
    next_ = make("&Next", "BtnNext");
    close_ = make("&Close", "BtnClose");
    next_->setDefault(true);
    yes_->hide();
    no_->hide();
    jump_->setVisible(desk);
    connect(more_, &QPushButton::clicked, this, GuardedSlot(this, [this] { MoreClick(); }));
    connect(yes_, &QPushButton::clicked, this, GuardedSlot(this, [this] { YesClick(); }));
    connect(no_, &QPushButton::clicked, this, GuardedSlot(this, [this] { NoClick(); }));
    connect(jump_, &QPushButton::clicked, this, GuardedSlot(this, [this] { JumpClick(); }));
    connect(prev_, &QPushButton::clicked, this, GuardedSlot(this, [this] { PrevClick(); }));
    connect(next_, &QPushButton::clicked, this, GuardedSlot(this, [this] { NextClick(); }));
    connect(close_, &QPushButton::clicked, this, GuardedSlot(this, [this] { CloseClick(); }));
    LayoutControls();
}

void TInterviewFrame::LayoutControls() {
    const int w = width();
    const int h = height();
    titleBar_->setGeometry(0, 0, w, kTitleHeight);
    int x = w - 4;
    for (auto it = deskButtons_.rbegin(); it != deskButtons_.rend(); ++it) {
        const int bw = (*it)->text().size() > 2 ? 44 : 26;
        x -= bw;
        (*it)->setGeometry(x, 2, bw, kTitleHeight - 4);
    }
    title_->setGeometry(0, 0, w, kTitleHeight);
    title_->lower();

    const int bodyTop = kTitleHeight;
    const int bodyHeight = std::max(0, h - kTitleHeight - kButtonBarHeight);
    picture_->setGeometry(0, bodyTop, kPictureWidth, bodyHeight);
    banner_->setGeometry(5, 5, kPictureWidth - 10, 110);
    icon_->setGeometry(5, 120, kPictureWidth - 10, 40);
    const int navTop = 165;
    const int footer = 26;
    navigator_->setGeometry(5, navTop, kPictureWidth - 10, std::max(0, bodyHeight - navTop - footer - 4));
    picker_->setGeometry(5, navTop, kPictureWidth - 10, std::max(0, bodyHeight - navTop - footer - 4));
    // The screen number stays 10 pixels inside the panel, at its foot.
    number_->setGeometry(10, bodyHeight - footer, kPictureWidth - 20, footer - 4);
    client_->setGeometry(kPictureWidth, bodyTop, std::max(0, w - kPictureWidth), bodyHeight);

    buttonBar_->setGeometry(0, h - kButtonBarHeight, w, kButtonBarHeight);
    const int bw = 72, bh = 26, y = 4;
    more_->setGeometry(8, y, bw, bh);
    int right = w - 8;
    for (QPushButton* b : {close_, next_, prev_, jump_, no_, yes_}) {
        right -= bw;
        b->setGeometry(right, y, bw, bh);
        right -= 6;
    }
}

void TInterviewFrame::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Rescale();
}

void TInterviewFrame::PostReload() {
    QCoreApplication::postEvent(this, new QEvent(MessageType(kMsgReload)));
}

bool TInterviewFrame::event(QEvent* e) {
    if (e->type() == MessageType(kMsgReload)) {
        ShowCurrentScreen();
        return true;
    }
    if (e->type() == MessageType(kMsgClearCombo)) {
        if (auto* combo = qobject_cast<QComboBox*>(focusWidget())) combo->setCurrentIndex(-1);
        return true;
    }
    return QWidget::event(e);
}

void TInterviewFrame::keyPressEvent(QKeyEvent* e) {
    if (run_.HelpDesk() && e->key() == Qt::Key_F4 && (e->modifiers() & Qt::AltModifier)) {
        host_.PostStoreAndClose();
        return;
    }
    QWidget::keyPressEvent(e);
}

bool TInterviewFrame::ValidateScreen() {
    if (!validationHandler_) return true;
    const ValidationHandler handler = validationHandler_;
    if (handler()) {
        validationHandler_ = nullptr;
        return true;
    }
    return false;
}

bool TInterviewFrame::ValidationRejects() {
    if (!validationHandler_) return false;
    const ValidationHandler handler = validationHandler_;
    return !handler();
}

void TInterviewFrame::ShowCurrentScreen() {
    ModuleRun& r = run_;
    if ((r.screenShowing && r.section != lastSection_) || r.screenIndex != lastIndex_) {
        if (!ValidateScreen()) {
            r.section = lastSection_;
            r.screenIndex = lastIndex_;
            return;
        }
    }

    nextHandler_ = nullptr;
    if (r.screenShowing && screen_) {
        StoreScreenValues();
        if (Store().EditedType() != 0) CloseWorksheetEditing();
        TChildForm* old = screen_;
        screen_ = nullptr;
        old->hide();
        old->deleteLater();
        validationHandler_ = nullptr;
        r.screenShowing = false;
        navigator_->hide();
        picker_->hide();
    }
    if (lastSection_ > 0 && lastSection_ != r.section) r.SetDataChanged();

    yes_->hide();
    no_->hide();
    close_->show();
    prev_->show();

    const ScreenPosition shown = ShownPosition(r.section, r.screenIndex);
    r.section = shown.section;
    r.screenIndex = shown.index;
    currentNumber_ = shown.Number();

    TChildForm* screen = factory_ ? factory_(currentNumber_) : nullptr;
    if (!screen) {
        failedNumber_ = currentNumber_;
        if (host_.CloseQuery()) host_.CloseHandler(CloseSender::YesButton);
        return;
    }
    screen_ = screen;
    screen->Created(*this);

    r.screenShowing = true;
    if (!goingBack_ && (r.section != lastSection_ || r.screenIndex != lastIndex_)) r.history.push_back(currentNumber_);
    goingBack_ = false;
    lastSection_ = r.section;
    lastIndex_ = r.screenIndex;

    number_->setText(QString::number(currentNumber_));

    yes_->setVisible(screen->ShowYesButton());
    no_->setVisible(screen->ShowNoButton());
    next_->setVisible(screen->ShowNextButton());
    prev_->setVisible(screen->ShowPrevButton());
    more_->show();
    SyncNextWithNo();

    BindScreenValues();

    screen->setParent(client_);
    screen->move(0, 0);
    StretchScreen(screen, client_->size());
    ApplyReadingTabOrder(screen);

    screen->show();
    screen->raise();
    screen->Shown(*this);
    QCoreApplication::processEvents();
    if (screen_ != screen) return;  // a posted reload already replaced it
    screen->repaint();

    if (!screen->windowTitle().isEmpty()) title_->setText(screen->windowTitle());
    ShowIcon(screen->iconKind());
    SyncNextWithNo();
    NameControls(screen);
    FocusByTabOrder();
}

void TInterviewFrame::SyncNextWithNo() {
    next_->setVisible(!no_->isVisibleTo(this));
}

void TInterviewFrame::SetYesNoVisible(bool visible) {
    yes_->setVisible(visible);
    no_->setVisible(visible);
    SyncNextWithNo();
}

QString TInterviewFrame::TitleText() const {
    return title_->text();
}

QString TInterviewFrame::ScreenNumberText() const {
    return number_->text();
}

void TInterviewFrame::ShowIcon(int kind) {
    iconShown_ = kind;
    QStyle::StandardPixmap sp;
    switch (kind) {
        case kIconQuestion: sp = QStyle::SP_MessageBoxQuestion; break;
        case kIconArrow: sp = QStyle::SP_ArrowForward; break;
        case kIconNone: icon_->clear(); return;
        default:
            sp = QStyle::SP_MessageBoxInformation;
            iconShown_ = kIconInformation;
            break;
    }
    icon_->setPixmap(style()->standardIcon(sp).pixmap(32, 32));
}

void TInterviewFrame::FocusByTabOrder() {
    TChildForm* screen = screen_;
    if (!screen) return;
    screen->setFocus();
    auto passOver = [this] {
        if (yes_->isVisibleTo(this)) {
            yes_->setFocus();
        } else if (next_->isVisibleTo(this)) {
            next_->setEnabled(true);
            next_->setFocus();
        }
    };
    for (QWidget* c : WindowedChildren(screen)) {
        if (c->isVisibleTo(screen) && c->isEnabled() && TabOrderOf(c) == 0) {
            if (qobject_cast<QGroupBox*>(c) || qobject_cast<QScrollArea*>(c)) {
                QWidget* inner = qobject_cast<QScrollArea*>(c) ? qobject_cast<QScrollArea*>(c)->widget() : c;
                bool found = false;
                if (inner) {
                    for (QWidget* g : WindowedChildren(inner)) {
                        if (g->isVisibleTo(screen) && g->isEnabled() && TabOrderOf(g) == 0) {
                            g->setFocus();
                            found = true;
                            break;
                        }
                    }
                }
                if (found) break;
                passOver();
                continue;
            }
            c->setFocus();
            break;
        }
        passOver();
    }
}

void TInterviewFrame::CloseFrame() {
    if (Store().Allocated() && Store().EditedType() != 0) CloseWorksheetEditing();
    run_.screenShowing = false;
    if (screen_) screen_->hide();
}

// --- buttons

void TInterviewFrame::NextClick() {
    if (nextHandler_) {
        const NextHandler handler = nextHandler_;
        handler(FrameButton::Next);
    } else {
        ++run_.screenIndex;
    }
    next_->setEnabled(false);
    ShowCurrentScreen();
    next_->setEnabled(true);
    prev_->setEnabled(true);
}

void TInterviewFrame::YesClick() {
    if (nextHandler_) {
        const NextHandler handler = nextHandler_;
        handler(FrameButton::Yes);
    }
    next_->setEnabled(true);
}

void TInterviewFrame::NoClick() {
    if (nextHandler_) {
        const NextHandler handler = nextHandler_;
        handler(FrameButton::No);
    }
    next_->setEnabled(true);
}

void TInterviewFrame::PrevClick() {
    auto& history = run_.history;
    if (history.size() >= 2) {
        const std::int32_t dropped = history.back();
        history.pop_back();
        run_.SetScreenNumber(history.back());
        goingBack_ = true;
        ShowCurrentScreen();
        // Rejected: the user stays where they were, and so does the history.
        if (run_.section * 100 + run_.screenIndex != history.back() && lastSection_ * 100 + lastIndex_ == dropped) {
            history.push_back(dropped);
            goingBack_ = false;
        }
        return;
    }
    if (run_.section == 0 && run_.screenIndex == 2) {
        run_.SetScreenNumber(0);
        goingBack_ = true;
        ShowCurrentScreen();
    }
}

void TInterviewFrame::CloseClick() {
    if (host_.CloseQuery()) host_.CloseHandler(CloseSender::CloseButton);
}

void TInterviewFrame::MoreClick(int context) {
    if (context == 0 && screen_) context = screen_->helpContext();
    host_.ShowHelpTopic(context);
}

void TInterviewFrame::ForwardClick() {
    if (run_.screenIndex + 1 == 99) {
        run_.screenIndex = 1;
        ++run_.section;
    } else {
        ++run_.screenIndex;
    }
    ShowCurrentScreen();
}

void TInterviewFrame::JumpClick() {
    std::string answer;
    if (!run_.dialogs().InputText("Jump", "Enter screen number to jump to: ", answer)) return;
    if (answer.empty()) return;
    const auto n = TryStrToInt(answer);
    if (!n) {
        run_.dialogs().Error("'" + answer + "' is not a valid integer value");
        return;
    }
    const int number = int(((*n % 65536) + 65536) % 65536);
    run_.SetScreenNumber(number);
    yes_->hide();
    no_->hide();
    next_->setEnabled(true);
    host_.RevealToolButtons();
    ShowCurrentScreen();
}

void TInterviewFrame::TagsClick() {
    if (!inspector_) inspector_ = new TTagInspector(Store(), window());
    inspector_->show();
    inspector_->raise();
    inspector_->activateWindow();
}

// --- following the window

void TInterviewFrame::Rescale() {
    LayoutControls();
    if (run_.screenShowing && screen_) StretchScreen(screen_, client_->size());
}

// --- navigator

void TInterviewFrame::SetNavigatorEntries(const std::vector<NavigatorEntry>& entries) {
    navigator_->SetEntries(entries);
}

void TInterviewFrame::ShowNavigator(int screenNumber) {
    navigator_->show();
    navigator_->raise();
    navigator_->SelectScreen(screenNumber);
}

void TInterviewFrame::NavigatorClick(int screenNumber, const QString& text) {
    try {
        if (screenNumber == -1) {
            run_.dialogs().Message(text.toStdString(), "", MsgIcon::None, MsgButtons::Ok, MsgResult::Ok);
            navigator_->Tree()->viewport()->update();
            return;
        }
        run_.SetScreenNumber(screenNumber);
        ShowCurrentScreen();
    } catch (...) {
        // A click on the navigator never takes the module down.
    }
}

}  // namespace cgt
