#include "mainwin/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>
#include <QToolTip>
#include <filesystem>

#include "base/cp1252.h"
#include "base/dialogs.h"
#include "base/income_year.h"
#include "base/text.h"
#include "controls/qt_text.h"
#include "interview/interviewframe.h"
#include "interview/messages.h"
#include "mainwin/helpwindow.h"
#include "mainwin/notes.h"
#include "mainwin/qt_tick_timer.h"
#include "mainwin/window_settings.h"
#include "screens/navigator_groups.h"
#include "screens/screen_factory.h"
#include "store/datafile.h"
#include "store/modulerun.h"

// Registered once per load of the library, however many windows it makes.
static bool g_resourcesRegistered = false;

static void InitModuleResources() {
    if (g_resourcesRegistered) return;
    g_resourcesRegistered = true;
    Q_INIT_RESOURCE(cgt2003);
}

static void CleanupModuleResources() {
    if (!g_resourcesRegistered) return;
    g_resourcesRegistered = false;
    Q_CLEANUP_RESOURCE(cgt2003);
}

namespace cgt {

namespace {

constexpr int kFirstTickMs = 2000;
constexpr int kTickMs = 60000;
constexpr int kTicksBeforeSave = 5;

QString Hint(const char* hint) {
    // "short|long": the tool tip is the short part.
    const QString h = QString::fromLatin1(hint);
    return h.section(QLatin1Char('|'), 0, 0);
}

}  // namespace

void ReleaseModuleResources() {
    CleanupModuleResources();
}

std::string FindCalculatorOnPath() {
    for (const char* name : {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty()) return found.toStdString();
    }
    return std::string();
}

TMainWindow::TMainWindow(ModuleRun& run, std::unique_ptr<TickTimer> timer, QWidget* parent)
    : QWidget(parent, Qt::Window), run_(run), timer_(std::move(timer)) {
    InitModuleResources();
    if (!timer_) timer_ = std::make_unique<QtTickTimer>();
    timer_->SetHandler([this] { Guarded(run_.dialogs(), [this] { OnTimerTick(); }); });
    setObjectName(QStringLiteral("MainWindow"));

    // The screens are drawn for 800 x 575; a larger window gives the grids
    // and texts more room. The size of the last run is taken again.
    setMinimumSize(kMainWidth, kMainHeight);
    resize(OpeningSize(QSize(kMainWidth, kMainHeight)));
    if (const QScreen* s = QGuiApplication::primaryScreen(); s && s->geometry().height() > 600) {
        const QRect g = s->geometry();
        move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() - height()) / 2);
    } else {
        move(0, 0);
    }

    BuildToolBar();
    frame_ = new TInterviewFrame(
        run_, *this, [](int n) { return CreateScreen(n); }, this);
    frame_->SetNavigatorEntries(NavigatorGroups());
    LayoutFrame();

    helpFile_ = kModuleHelpFile;
    run_.SetDataChanged(false);
    run_.currentFileName.clear();
    ticks_ = 0;

    saveBox = [this](std::string& name) {
        const QString chosen =
            QFileDialog::getSaveFileName(this, QStringLiteral("Save File"), QString::fromStdString(name));
        if (chosen.isEmpty()) return false;
        name = chosen.toStdString();
        return true;
    };
    findCalculator = [] { return FindCalculatorOnPath(); };
    startProgram = [this](const std::string& program, const std::string& dir) {
        qint64 pid = 0;
        const bool ok = QProcess::startDetached(QString::fromStdString(program), {}, QString::fromStdString(dir), &pid);
        if (ok) calculatorHandle_ = pid;
        return ok;
    };
}

TMainWindow::~TMainWindow() {
    RememberPlacement();
    timer_->Stop();
    delete notes_;
    delete help_;
}

QSize TMainWindow::OpeningSize(QSize asked) const {
    const std::optional<WindowPlacement> last = LoadWindowPlacement();
    const QSize size = last ? last->size : asked;
    return size.expandedTo(minimumSize());
}

bool TMainWindow::OpensMaximized() const {
    const std::optional<WindowPlacement> last = LoadWindowPlacement();
    return last && last->maximized;
}

void TMainWindow::RememberPlacement() const {
    const bool maximized = isMaximized();
    const QSize normal = maximized ? normalGeometry().size() : size();
    SaveWindowPlacement({normal.expandedTo(minimumSize()), maximized});
}

void TMainWindow::BuildToolBar() {
    toolBar_ = new QToolBar(this);
    toolBar_->setGeometry(0, 0, kMainWidth, kToolBarHeight);
    toolBar_->setIconSize(QSize(24, 24));
    QStyle* st = style();
    auto add = [this, st](QStyle::StandardPixmap icon, const QString& text, const char* hint) {
        QAction* a = toolBar_->addAction(st->standardIcon(icon), text);
        if (hint) {
            a->setToolTip(Hint(hint));
            a->setStatusTip(QString::fromLatin1(hint).section(QLatin1Char('|'), 1));
        }
        return a;
    };
    new_ = add(QStyle::SP_FileIcon, QStringLiteral("New"), nullptr);
    open_ = add(QStyle::SP_DialogOpenButton, QStringLiteral("Open"), nullptr);
    save_ = add(QStyle::SP_DialogSaveButton, QStringLiteral("Save"), kHintSave);
    view_ = add(QStyle::SP_FileDialogDetailedView, QStringLiteral("View Tax Return"), nullptr);
    calc_ = add(QStyle::SP_ComputerIcon, QStringLiteral("Calculator"), kHintCalculator);
    notesAct_ = add(QStyle::SP_FileDialogContentsView, QStringLiteral("Notes"), kHintNotes);
    auto* spacer = new QWidget(toolBar_);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolBar_->addWidget(spacer);
    helpAct_ = add(QStyle::SP_MessageBoxQuestion, QStringLiteral("Help"), kHintHelp);
    new_->setEnabled(false);
    open_->setEnabled(false);
    view_->setEnabled(false);
    // No failure may unwind through Qt's event loop into the host.
    connect(save_, &QAction::triggered, this, [this] { Guarded(run_.dialogs(), [this] { SaveWithDialog(); }); });
    connect(calc_, &QAction::triggered, this, [this] { Guarded(run_.dialogs(), [this] { CalculatorClick(); }); });
    connect(notesAct_, &QAction::triggered, this, [this] { Guarded(run_.dialogs(), [this] { NotesClick(); }); });
    connect(helpAct_, &QAction::triggered, this, [this] { Guarded(run_.dialogs(), [this] { HelpClick(); }); });
}

void TMainWindow::SetCaption() {
    // The file's name in the system's encoding, the lodgment's details as the
    // store holds them.
    QString caption = QStringLiteral("Verimo %1 - ").arg(kIncomeYear) + PathToQt(run_.currentFileName);
    FieldStore& store = run_.store();
    if (store.IsReturnLodged()) {
        caption += ToQt(" (Lodged on " + Trim(store.FieldAsText(kTagLodgeDate)) + " at " +
                        Trim(store.FieldAsText(kTagLodgeTime)) +
                        ".  Ref:" + Trim(store.FieldAsText(kTagLodgeReference)) + ")");
    }
    setWindowTitle(caption);
}

void TMainWindow::LayoutFrame() {
    const int h = height() - kToolBarHeight - 1;
    frame_->setGeometry(0, height() - h, width(), h);
    toolBar_->setGeometry(0, 0, width(), kToolBarHeight);
    if (run_.screenShowing) frame_->Rescale();
}

void TMainWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (firstTickDone_) LayoutFrame();
}

void TMainWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!timerStarted_) {
        timerStarted_ = true;
        timer_->Start(kFirstTickMs);
    }
}

void TMainWindow::OnTimerTick() {
    if (!firstTickDone_) {
        firstTickDone_ = true;
        timer_->Start(kTickMs);
        LayoutFrame();
        return;
    }
    ++ticks_;
    if (run_.DataChanged() && !run_.store().IsReturnLodged() && ticks_ >= kTicksBeforeSave) {
        timer_->Stop();
        TimedSave(run_.currentFileName);
        timer_->Start(kTickMs);
        ticks_ = 0;
    }
}

void TMainWindow::TimedSave(const std::string& name) {
    if (run_.store().IsReturnLodged()) {
        run_.SetDataChanged(false);
        return;
    }
    if (name.empty()) {
        SaveWithDialog();
        return;
    }
    run_.currentFileName = name;
    if (run_.screenShowing && frame_->CurrentScreen() &&
        (frame_->HasValidationHandler() || frame_->CurrentScreen()->completeFirst() == kCompleteFirstBlock))
        return;
    // The user was told at the start that this file is kept as it was.
    if (SameFile(name, run_.unreadableFile)) return;
    try {
        SaveReturnFileLocked(run_, name);
        run_.SetDataChanged(false);
        TellOfIdentityField();
    } catch (const std::exception& e) {
        // The flag stays set, so the next tick tries again.
        run_.dialogs().Error(e.what());
    }
}

bool TMainWindow::ScreenBlocksSaving(bool validate) {
    if (!run_.screenShowing || !frame_->CurrentScreen()) return false;
    if (frame_->CurrentScreen()->completeFirst() == kCompleteFirstBlock) {
        run_.dialogs().Message(kCompleteSectionFirst, "Warning", MsgIcon::Warning, MsgButtons::Ok, MsgResult::Ok);
        return true;
    }
    return validate && frame_->ValidationRejects();
}

void TMainWindow::StoreShowingScreen() {
    if (!run_.screenShowing || !frame_->CurrentScreen()) return;
    frame_->StoreScreenValues();
    if (run_.store().EditedType() != 0) frame_->StoreCurrentWorksheet();
}

bool TMainWindow::SaveWithDialog() {
    if (run_.store().IsReturnLodged()) {
        run_.store().ShowLodgedMessage();
        return false;
    }
    if (ScreenBlocksSaving(true)) return false;
    QToolTip::hideText();
    StoreShowingScreen();
    // A file this run may not write over is not offered as the name to save to.
    const std::filesystem::path current(run_.currentFileName);
    std::string name = SameFile(current, run_.unreadableFile)
                           ? (current.has_parent_path() ? current.parent_path().string() + "/" : std::string())
                           : current.filename().string();
    if (!saveBox || !saveBox(name)) return false;
    try {
        SaveReturnFileLocked(run_, name);
    } catch (const std::exception& e) {
        run_.dialogs().Error(e.what());
        return false;
    }
    run_.currentFileName = name;
    run_.SetDataChanged(false);
    SetCaption();
    TellOfIdentityField();
    return true;
}

void TMainWindow::TellOfIdentityField() {
    if (identityFieldTold_ || !IdentityFieldDisagrees(run_)) return;
    identityFieldTold_ = true;
    run_.dialogs().Message(
        "Field 1 holds another identity than the one this return was opened with. The return is saved under the "
        "identity it was opened with, so that it opens with that identity as before.",
        "Warning", MsgIcon::Warning, MsgButtons::Ok, MsgResult::Ok);
}

bool TMainWindow::CloseQuery() {
    if (run_.screenShowing) {
        run_.dialogs().Message(kCompleteSectionFirst, "Warning", MsgIcon::Warning, MsgButtons::Ok, MsgResult::Ok);
        return false;
    }
    return true;
}

void TMainWindow::CloseHandler(CloseSender sender) {
    const int message = sender == CloseSender::YesButton ? kMsgInterviewEnded : kMsgModuleClosed;
    if (notify) {
        notify(message);
    } else if (run_.notifyWindow != 0) {
        QCoreApplication::postEvent(reinterpret_cast<QObject*>(run_.notifyWindow), new QEvent(MessageType(message)));
    }
    closing_ = true;
    RememberPlacement();
    hide();
}

void TMainWindow::closeEvent(QCloseEvent* e) {
    if (closing_) {
        e->accept();
        return;
    }
    if (!CloseQuery()) {
        e->ignore();
        return;
    }
    CloseHandler(CloseSender::MainWindow);
    e->accept();
}

bool TMainWindow::event(QEvent* e) {
    if (e->type() == MessageType(kMsgStoreAndClose)) {
        StoreShowingScreen();
        close();
        return true;
    }
    return QWidget::event(e);
}

void TMainWindow::PostStoreAndClose() {
    QCoreApplication::postEvent(this, new QEvent(MessageType(kMsgStoreAndClose)));
}

void TMainWindow::RevealToolButtons() {
    for (QAction* a : {new_, open_, save_, calc_, notesAct_}) a->setVisible(true);
}

void TMainWindow::ShowHelpTopic(int context) {
    if (!help_) help_ = new THelpWindow(this);
    help_->ShowTopic(helpFile_, context);
}

void TMainWindow::HelpClick() {
    helpFile_ = kHostHelpFile;
    if (!help_) help_ = new THelpWindow(this);
    help_->ShowContents(helpFile_);
    helpFile_ = kModuleHelpFile;
}

void TMainWindow::CalculatorClick() {
    calc_->setEnabled(false);
    const std::string found = findCalculator ? findCalculator() : std::string();
    if (found.size() < 3) {
        run_.dialogs().Inform("Can't find " + found + "...");
    } else if (startProgram) {
        startProgram(found, std::filesystem::path(found).parent_path().string());
    }
    QCoreApplication::processEvents();
    calc_->setEnabled(true);
}

void TMainWindow::NotesClick() {
    if (!notes_) {
        notes_ = new TNotesWindow(run_, this);
        notesTag_ = 1;
        connect(notes_, &QObject::destroyed, this, [this] { notesTag_ = 0; });
    }
    notes_->show();
    notes_->raise();
}

}  // namespace cgt
