#pragma once
// The boxes of the CGT schedule (worksheet 1 of type kWsSchedule) as the
// printed form lays them out: the part each is in, its letter, its column and
// the row it is on, and the label `cgt calc` lists its amount under. The
// schedule screen is built from this table and `cgt calc` lists from it; the
// printed form (resources/reports/SCHEDCGT.rps) prints the same letters.
#include <array>
#include <span>

namespace cgt {

// A part of the schedule: its letter, its title and the titles over its four
// columns (empty where the part has no box in a column).
struct SchedulePart {
    char letter;
    const char* title;
    std::array<const char*, 4> columns;
};

enum class ScheduleBoxKind { Amount, Code, Tick };

// Columns of a box. Parts A, D, E, G and H keep a method in each of the first
// three (their rows hold three consecutive tags, indexation first); Part B
// keeps shares and units, real estate and other; Parts I, J and K have only
// the last.
inline constexpr int kScheduleColumns = 4;
inline constexpr int kScheduleTotalColumn = 3;

// One box: boxes of the same part and row share a line of the form.
struct ScheduleBox {
    int tag;
    const SchedulePart* part;
    const char* letter;  // "" where the form gives the box none
    int column;
    const char* row;
    const char* listing;  // what `cgt calc` lists its amount as; nullptr for a box that holds no amount
    ScheduleBoxKind kind = ScheduleBoxKind::Amount;
};

// The parts in form order (A to K; there are no boxes in Part C).
std::span<const SchedulePart> ScheduleParts();
// Every box, in form order: part by part, row by row, column by column.
std::span<const ScheduleBox> ScheduleBoxes();

}  // namespace cgt
