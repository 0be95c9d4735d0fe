#pragma once
// The CGT schedule, kept as worksheet 1 of its own type, and the return's
// totals kTagTotalGains (current year capital gains), kTagNetCapitalGain and
// kTagLossesCarriedForward (net capital losses carried forward).
#include "calc/choice_table.h"
#include "calc/loss_application.h"
#include "store/tags.h"

namespace cgt {

class FieldStore;

inline constexpr int kScheduleType = kWsSchedule;
inline constexpr const char* kScheduleTitle = "Capital gains tax (CGT) schedule 2001";

// Computes the schedule from the choice table after its choices were written
// back; the concession parts (G, J, K) stored in the worksheet are kept.
void ComputeCgtSchedule(FieldStore& store, const ChoiceTable& table, const LossApplication& losses);

// Part H and kTagNetCapitalGain from the stored parts E, F and G; the schedule
// worksheet must be unpacked in the working tags.
void RecomputeScheduleTotals(FieldStore& store);

}  // namespace cgt
