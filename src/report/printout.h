#pragma once
// A printout of the module, ready to draw: what the print buttons of the
// asset screens and `cgt print` both show.
#include <memory>
#include <string>

#include "report/txreport.h"

namespace cgt {

class FieldStore;

// Every section of the stored script `script` laid out for the fields of
// `store` on `device` (0.1 mm a unit), every field record turned into its
// value; the store must outlive the printout. std::runtime_error when the
// module carries no such script.
std::unique_ptr<TXReport> MakePrintout(const std::string& script, const FieldStore& store, const DeviceMetrics& device);

}  // namespace cgt
