#pragma once
// The module's drawing of field records: a form box holding the field's
// value, and the yellow CAUTION octagon.
#include "report/txreport.h"

namespace cgt {

class FieldStore;

// For TXReport::OnDrawField; the store must outlive the report's drawing.
DrawFieldEvent FormFieldDrawer(const FieldStore& store);

}  // namespace cgt
