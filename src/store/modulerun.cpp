#include "store/modulerun.h"

#include "base/text.h"

namespace cgt {

ModuleRun::ModuleRun(Dialogs& dialogs, const Clock& clock) : dialogs_(&dialogs), clock_(&clock), store_(&dialogs) {}

bool HelpDeskRequested(int argc, const char* const* argv) {
    return argc > 1 && argv[1] && UpperCase(argv[1]) == "HELPDESK";
}

}  // namespace cgt
