#include "calc/worksheet_grids.h"

namespace cgt {
namespace {

// Display-only columns: a date, a text of n characters, a number with d decimals.
std::string DateColumn(const std::string& title) {
    return title + "|2|2|10|0|T|F||-1|0|F|F|";
}
std::string TextColumn(const std::string& title, int length) {
    return title + "|2|0|" + std::to_string(length) + "|0|F|F|-1|||||-1|0|F|T|";
}
// Amounts may be negative (cost base adjustments are entered negative).
std::string AmountColumn(const std::string& title) {
    return title + "|2|1|10|0|F|F|2|T||||-1|0|F|T|";
}
std::string FigureColumn(const std::string& title, int decimals) {
    return title + "|2|1|8|0|F|F|" + std::to_string(decimals) + "|F||||-1|0|T|T|";
}

}  // namespace

const std::vector<std::string>& WorksheetGridColumns() {
    static const std::vector<std::string> columns = {
        DateColumn("Date incurred"),
        TextColumn("Description of expenditure", 40),
        AmountColumn("Amount"),
        AmountColumn("Amount to be excluded from col 3"),
        AmountColumn("Net amount (not indexed)"),
        AmountColumn("Net amount (indexed)"),
        FigureColumn("CPI Figure", 2),
        FigureColumn("Event date CPI Figure ", 2),
        FigureColumn("Indexation factor", 3),
        AmountColumn("Cost base"),
        AmountColumn("Amount to deducted for reduced cost base"),
        AmountColumn("Reduced amount"),
    };
    return columns;
}

const std::vector<std::string>& RegisterGridColumns() {
    static const std::vector<std::string> columns = {
        DateColumn("Date of CGT event"),
        DateColumn("Relevant date"),
        DateColumn("Date paid"),
        TextColumn("Description", 40),
        TextColumn("Cost element / CGT Event", 40),
        TextColumn("CGT event", 2),
        AmountColumn("Amount"),
        AmountColumn("Cost base adjustment"),
        AmountColumn("Reduced cost base adjustment"),
        TextColumn("Gain deferred", 1),
        TextColumn("Comments", 50),
    };
    return columns;
}

const std::vector<std::string>& HistoryGridColumns() {
    static const std::vector<std::string> columns = {
        DateColumn("Sort date"),
        DateColumn("Incurred / effective date"),
        DateColumn("Date paid"),
        DateColumn("Date of CGT event"),
        TextColumn("Description of transaction", 60),
        TextColumn("Cost element", 40),
        TextColumn("CGT event", 2),
        AmountColumn("Expense / cost amount"),
        AmountColumn("Amount to be excluded from cost base (not indexed)"),
        AmountColumn("Net amount cost base (not indexed)"),
        FigureColumn("CPI for effective date quarter", 1),
        FigureColumn("CPI for CGT event quarter", 1),
        FigureColumn("Indexation factor", 3),
        AmountColumn("Costbase indexed"),
        AmountColumn("Amount to be excluded from reduced costbase"),
        AmountColumn("Reduced costbase"),
        AmountColumn("Capital receipt amount"),
        AmountColumn("Capital receipt amount for costbase adj"),
        AmountColumn("Capital receipt amount for reduced costbase adj"),
        AmountColumn("Total costbase (not indexed) at time of CGT event"),
        AmountColumn("Total costbase (indexed) at time of CGT event"),
        AmountColumn("Total reduced costbase at time of CGT event"),
        TextColumn("Processed", 1),
    };
    return columns;
}

}  // namespace cgt
