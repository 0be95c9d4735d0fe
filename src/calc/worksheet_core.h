#pragma once
// The part of the asset worksheet that the ordinary and the depreciating-asset
// worksheets share: event, cost base starting point, method availability, the
// worksheet and register grids, and the cost bases up to the adjusted ones.
#include <optional>
#include <string>

#include "calc/asset_worksheet.h"
#include "calc/shown_boxes.h"

namespace cgt {

struct WorksheetCore {
    ShownBoxes boxes;
    AssetWorksheetResult result;
    std::string typeCode;
    int eventDay = 0;               // E: 0 when no event with proceeds
    long double proceeds = 0;       // PR
    bool eventDatePresent = false;  // kTagEventDate holds a date
    bool heldTwelveMonths = false;
    bool indexationUnavailable = false;
    bool discountUnavailable = false;
    // "2B" costs: non-indexed, indexed, reduced.
    long double s2bNonIndexed = 0;
    long double s2bIndexed = 0;
    long double s2bReduced = 0;
};

// Steps up to and including the adjusted cost bases; declares the shared
// boxes plus `extraBoxes` of the caller's screen before anything is set.
void RunWorksheetCore(FieldStore& store, WorksheetCore& core);

// The first and second result messages (kTagResultMessage1, kTagResultMessage2).
void WriteResultMessages(FieldStore& store, WorksheetCore& core, long double indexedGain, long double discountGain,
                         long double otherGain, long double loss, const char* smallBusinessText);

}  // namespace cgt
