// The printouts of the asset worksheet screens: the script laid out for the
// fields as they stand, its field records filled, and the preview.
#include <QGuiApplication>

#include "base/dialogs.h"
#include "mainwin/mainwindow.h"
#include "mainwin/preview_form.h"
#include "report/printout.h"
#include "report/txreport.h"
#include "store/modulerun.h"

namespace cgt {

namespace {

// The hourglass while the pages are laid out.
struct WaitCursor {
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void TMainWindow::ShowPrintout(const std::string& script) {
    FieldStore& store = run_.store();
    std::unique_ptr<TXReport> report;
    {
        const WaitCursor hourglass;
        report = MakePrintout(script, store, DefaultDeviceMetrics());
        report->OnBeep = [this] { run_.dialogs().Beep(); };
    }
    if (showPreview) {
        showPreview(std::move(report));
        return;
    }
    TPreviewForm preview(std::move(report), run_.dialogs(), this);
    preview.exec();
}

}  // namespace cgt
