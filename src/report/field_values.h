#pragma once
// The text a field record stands for, and the fill pass that turns the field
// records of a laid-out page into texts.
#include <string>

#include "report/page_record.h"

namespace cgt {

class FieldStore;
class TXReport;

// Kind 7: "L" for a negative number, else a blank; kind 8: the list's lines;
// kind 9: the record's column of every row of the list, a line each (an
// empty line for a cell past the end); any other kind: the field's display
// text with one leading "-" removed.
std::string ResolveField(const FieldStore& store, const TPageRec& field);

// Rewrites every "S" record of the last page (of every page) in place as a
// "T" record holding its resolved text, drawn in the current font.
void FillLastPage(TXReport& report, const FieldStore& store);
void FillAllPages(TXReport& report, const FieldStore& store);

}  // namespace cgt
