#include "report/printout.h"

#include "report/field_values.h"
#include "report/form_field.h"
#include "report/script_resources.h"

namespace cgt {

std::unique_ptr<TXReport> MakePrintout(const std::string& script, const FieldStore& store,
                                       const DeviceMetrics& device) {
    auto report = std::make_unique<TXReport>(device);
    report->UnitFactor = 0.1;
    report->editFieldsActive = false;
    report->fields = &store;
    report->OnDrawField = FormFieldDrawer(store);
    // Every section: a worksheet's lists go on over further pages when its
    // boxes cannot hold them.
    const Script stored = ReadScript(LoadScriptResource(script));
    report->AddScript(stored, 1, int(stored.sections.size()));
    FillAllPages(*report, store);
    return report;
}

}  // namespace cgt
