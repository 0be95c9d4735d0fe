#pragma once
// The whole calculation of a return as a taxpayer who accepts every automatic
// choice would get it: each asset worksheet (the cost base history first
// where receipts were entered), the choice table with all choices made by the
// program, the write-back and the CGT schedule, then the concession screens'
// Next handlers with the concessions as stored.
#include <optional>
#include <string>
#include <vector>

#include "calc/choice_table.h"
#include "calc/loss_application.h"

namespace cgt {

class FieldStore;

struct AssetOutcome {
    int type = 0;
    int instance = 0;
    std::string name;
    long double indexedGain = 0;
    long double discountGain = 0;
    long double otherGain = 0;
    long double loss = 0;
    std::string message1;
    std::string message2;
};

struct CalcChainResult {
    std::vector<AssetOutcome> assets;
    ChoiceTable table;
    UnappliedLosses unapplied;
    std::string netGainLabel;
    // The first check that failed (the choice table's or a concession
    // screen's); the store then holds a half-finished calculation.
    std::optional<std::string> failure;
    std::string failedScreen;
};

struct CalcChainOptions {
    // The choice table starts with "Delete all and start over" answered Yes,
    // so that a second run on the result gives the same figures; with
    // `keepChoices` the method, deferment and loss choices stored in the
    // return are kept and only the rows without a choice get one.
    bool keepChoices = false;
};

CalcChainResult RunCalculationChain(FieldStore& store, const CalcChainOptions& options = {});

// One asset of the chain, as its summary screen shows it: the cost base
// history first where receipts were entered, then its worksheet; instance
// `instance` of `type` is stored with the results.
AssetOutcome CalculateAsset(FieldStore& store, int type, int instance);

}  // namespace cgt
