#pragma once
// A field store holding one asset's working tags, written as the interview
// screens leave them, for the worksheet calculation tests.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "base/rounding.h"
#include "store/fieldstore.h"

namespace cgt::test {

// One cost element row (field 737): code, incurred, paid, description,
// amount, excluded, excluded from reduced, comments.
struct CostRow {
    std::string code, incurred, paid, description, amount, excluded, excludedReduced, comments;
};

class WorksheetStore {
public:
    FieldStore store;

    void Text(int tag, const std::string& text) { store.SetFieldStr(tag, text); }
    void Amount(int tag, long double value) { store.SetFieldVal(tag, value); }
    void Check(int tag) { store.SetFieldChecked(tag); }
    void Costs(std::initializer_list<CostRow> rows) {
        auto list = std::make_shared<TextList>();
        for (const CostRow& r : rows)
            list->insert(list->end(), {r.code, r.incurred, r.paid, r.description, r.amount, r.excluded,
                                       r.excludedReduced, r.comments});
        store.SetFieldLst(737, list);
    }
    void Receipts(std::vector<std::vector<std::string>> rows) {
        auto list = std::make_shared<TextList>();
        for (const auto& r : rows) list->insert(list->end(), r.begin(), r.end());
        store.SetFieldLst(738, list);
    }

    long double Val(int tag) { return store.GetFieldVal(tag); }
    std::string Str(int tag) { return store.GetFieldStr(tag); }
    // Row `row` (0-based) of a list field of `cols` cells per row.
    std::vector<std::string> ListRow(int tag, int cols, int row) {
        const TextListPtr list = store.GetFieldLst(tag);
        std::vector<std::string> out;
        if (!list) return out;
        for (int c = 0; c < cols; ++c) {
            const std::size_t i = std::size_t(row * cols + c);
            if (i < list->size()) out.push_back((*list)[i]);
        }
        return out;
    }
    std::size_t ListRows(int tag, int cols) {
        const TextListPtr list = store.GetFieldLst(tag);
        return list ? list->size() / std::size_t(cols) : 0;
    }
};

// Expected stored amount: a value, blank (0) or the explicit zero.
inline constexpr long double kBlank = 0;
inline constexpr long double kZero = kExplicitZero;

}  // namespace cgt::test
