// The printouts of the asset worksheet screens: the script laid out for the
// fields as they stand, its field records filled, and the preview.
#include <QGuiApplication>

#include "base/dialogs.h"
#include "mainwin/mainwindow.h"
#include "mainwin/preview_form.h"
#include "report/field_values.h"
#include "report/form_field.h"
#include "report/page_record.h"
#include "report/script_resources.h"
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
    auto report = std::make_unique<TXReport>();
    {
        const WaitCursor hourglass;
        report->OnDrawField = FormFieldDrawer(store);
        report->OnBeep = [this] { run_.dialogs().Beep(); };
        report->editFieldsActive = false;
        report->UnitFactor = 0.1;
        report->fields = &store;
        // Every section: a worksheet's lists go on over further pages when
        // its boxes cannot hold them.
        const Script stored = ReadScript(LoadScriptResource(script));
        report->AddScript(stored, 1, int(stored.sections.size()));
        FillAllPages(*report, store);
    }
    if (showPreview) {
        showPreview(std::move(report));
        return;
    }
    TPreviewForm preview(std::move(report), run_.dialogs(), this);
    preview.exec();
}

}  // namespace cgt
