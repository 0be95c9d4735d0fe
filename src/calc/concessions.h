#pragma once
// The small business concession screens' calculations: the elections of the
// 50% active asset reduction, retirement exemption and roll-over per asset
// (grid bound to kTagConcessionGains), the 15-year exemption
// (kTagFifteenYearGrid) and the scrip for scrip roll-over; each writes its
// totals into the CGT schedule.
#include <optional>
#include <string>
#include <vector>

#include "store/tags.h"

namespace cgt {

class FieldStore;
class GridModel;

struct GridCheckFailure {
    std::string message;
    int row = 0;  // 0-based data row
    int column = 0;
};

// The data rows of a grid as the taxpayer left it (row 1 onwards, every
// row, empty ones included), so that a failure's row is the grid's row - 1.
std::vector<std::vector<std::string>> GridRows(const GridModel& grid);

inline constexpr const char* kMsgTrustConcessionNotOpen =
    "Check amount. SBRE and SBRO concessions cannot be claimed on a capital gain from a trust distribution: the "
    "trust chooses them. Only the SBAA concession can be entered for this gain.";

// Rows of 9 cells: description, indexed, discount, other gain, SBAAR, SBRE,
// SBRO, and where the gain came from: a worksheet type and number, or the
// trust distribution or manual calculation table and its row (from 0).
// The elections are kept where the gain came from: an asset's in its
// worksheet (kTagElections), a trust distribution's 50% active asset
// reduction and a manual calculation's elections in the cells of its row
// (kTrustFirstReductionCol, kManualFirstElectionCol).
struct ConcessionElections {
    std::vector<std::vector<std::string>> rows;

    // Reads kTagConcessionGains and fills the elections stored with each gain.
    void Show(FieldStore& store);
    std::optional<GridCheckFailure> Validate() const;
    // Stores each gain's elections and the schedule's Part G and Part H.
    void Next(FieldStore& store) const;
    std::vector<std::string> ToList() const;
};

// Rows of 3 cells: description, asset type letter, gain.
struct FifteenYearExemption {
    std::vector<std::vector<std::string>> rows;

    void Show(FieldStore& store);
    void Next(FieldStore& store) const;
    std::vector<std::string> ToList() const;
};

// Rows of 7 cells: description, cost base, market value of the replacement
// interests, cash and other consideration, total capital proceeds, worksheet
// type, worksheet number.
struct ScripForScrip {
    std::vector<std::vector<std::string>> rows;

    void Show(FieldStore& store);
    std::optional<GridCheckFailure> Validate() const;
    void Next(FieldStore& store) const;
    std::vector<std::string> ToList() const;
};

}  // namespace cgt
