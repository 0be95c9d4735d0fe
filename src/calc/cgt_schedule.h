#pragma once
// The CGT schedule, kept as worksheet 1 of type 469, and the return's totals
// 169 (current year capital gains), 174 (net capital gain) and 175 (net
// capital losses carried forward).
#include "calc/choice_table.h"
#include "calc/loss_application.h"

namespace cgt {

class FieldStore;

inline constexpr int kScheduleType = 469;
inline constexpr int kTagTotalGains = 169;
inline constexpr int kTagLossesCarriedForward = 175;
inline constexpr const char* kScheduleTitle = "Capital gains tax (CGT) schedule 2001";

// Computes the schedule from the choice table after its choices were written
// back; the concession parts (G, J, K) stored in the worksheet are kept.
void ComputeCgtSchedule(FieldStore& store, const ChoiceTable& table, const LossApplication& losses);

// Part H and field 174 from the stored parts E, F and G; the schedule
// worksheet must be unpacked in the working tags.
void RecomputeScheduleTotals(FieldStore& store);

}  // namespace cgt
