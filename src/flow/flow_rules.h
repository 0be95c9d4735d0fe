#pragma once
// The interview's flow as data: where each answer of a question or
// information screen leads, what it writes on the way (progress stage,
// pending worksheet type, category deletion), the steps inside an asset
// block, and how block screens come by their worksheet instance.
#include <vector>

#include "flow/screen_catalogue.h"

namespace cgt {

class FieldStore;

enum class Answer { Next, Yes, No };

// A move of the screen index: added to it, or set outright.
struct Step {
    enum Kind { Add, Set };
    Kind kind = Add;
    int value = 1;
    int Apply(int index) const { return kind == Add ? index + value : value; }
    bool operator==(const Step&) const = default;
};
constexpr Step StepBy(int n) {
    return {Step::Add, n};
}
constexpr Step StepTo(int index) {
    return {Step::Set, index};
}

// The constants of one question or information screen.
struct FlowRow {
    int number = 0;
    Step yes{};                     // Yes, or Next on a screen without Yes and No
    Step no{};                      // unused on information screens
    int pendingType = 0;            // worksheet type the answer makes pending (event questions)
    int stage = 0;                  // progress raised to this on every answer
    int noStage = 0;                // and further to this on No
    std::vector<int> deleteOnNo{};  // fields deleted on No, after one confirmation
    int navigatorEntry = 0;         // entry highlighted when shown; 0 keeps the outlook bar hidden
    bool numericProgress = false;   // makes sure the progress field holds a number when created
    bool hidesPicker = false;       // hides the worksheet picker panel when shown
};

// The rows of every question and information screen, by screen number.
const std::vector<FlowRow>& FlowRows();
const FlowRow* FindFlowRow(int number);

// What an answer changes besides the store.
struct FlowState {
    int screenIndex = 0;
    int pendingType = 0;
};

// Applies an answer given on a question or information screen: the
// progress stage, the pending type, the deletion of the category's lists on
// No (asked through the store's dialogs; the step is taken whatever the
// answer to it) and the move of the screen index.
void ApplyAnswer(const FlowRow& row, Answer answer, FieldStore& store, FlowState& state);

// Raises the progress field to a stage; it never goes down.
void RaiseProgress(FieldStore& store, int stage);
// Makes a field numeric, clearing whatever else it held.
void EnsureNumericField(FieldStore& store, int tag);
// The same for the progress field.
void EnsureNumericProgress(FieldStore& store);

// --- screen numbers
struct ScreenPosition {
    int section = 0;
    int index = 0;
    int Number() const { return section * 100 + index; }
    bool operator==(const ScreenPosition&) const = default;
};
// The position actually shown for a section and index: the index past the
// last of section 20 is the first screen of section 21.
ScreenPosition ShownPosition(int section, int index);

// The worksheet type of the block a screen number belongs to (the type its
// event question makes pending); 0 outside the blocks.
int BlockTypeOf(int screenNumber);

// --- steps inside an asset block (every other block screen moves on by 1)
inline constexpr int kBlockStep = 1;
// Registration: with nothing registered the rest of the block is skipped.
int RegistrationStep(int worksheetType, bool described);
// Deferral questions: past the cost base history unless receipts were entered.
int DeferralStep(int worksheetType, bool hasReceipts);
// Created right: on to the question whether another right was created.
inline constexpr int kCreatedRightStep = 6;

// --- worksheet opening when a block screen is created
struct WorksheetOpening {
    enum Kind { None, NewInstance, Instance };
    Kind kind = None;
    int type = 0;
    int instance = 0;
    bool operator==(const WorksheetOpening&) const = default;
};
WorksheetOpening OpeningFor(WorksheetRole role, int pendingType, bool reopen, int worksheetNumber);

}  // namespace cgt
