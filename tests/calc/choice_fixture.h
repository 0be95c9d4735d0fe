#pragma once
// Builds small returns for the choice table tests: manual calculation rows,
// trust distribution rows and asset worksheets with their per-asset results.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "calc/choice_table.h"
#include "store/fieldstore.h"
#include "support/scripted_dialogs.h"

namespace cgt::test {

struct ManualRow {
    std::string description;
    std::string type;
    std::string indexed, discount, other, loss;
    std::string canDefer, deferAuto;
};

class ChoiceFixture {
public:
    ScriptedDialogs dialogs;
    FieldStore store{&dialogs};

    void AddManual(const ManualRow& m) {
        auto list = store.GetFieldLst(kTagManualTable);
        if (!list) {
            list = std::make_shared<TextList>();
            store.SetFieldLst(kTagManualTable, list);
        }
        std::vector<std::string> row(choice::kColumnCount);
        row[choice::kDescription] = m.description;
        row[choice::kAssetType] = m.type;
        row[choice::kIndexedGain] = m.indexed;
        row[choice::kDiscountGain] = m.discount;
        row[choice::kOtherGain] = m.other;
        row[choice::kLoss] = m.loss;
        row[choice::kCanDefer] = m.canDefer;
        row[choice::kDeferAuto] = m.deferAuto;
        list->insert(list->end(), row.begin(), row.end());
    }

    // One trust row: its name and the nine component cells in table order
    // (other/ind, other/disc, other/oth, coll/ind, coll/disc, coll/oth,
    // active/ind, active/disc, active/oth).
    void AddTrust(const std::string& name, const std::vector<std::string>& components) {
        auto list = store.GetFieldLst(kTagTrustTable);
        if (!list) {
            list = std::make_shared<TextList>();
            store.SetFieldLst(kTagTrustTable, list);
        }
        std::vector<std::string> row(kTrustRowCells);
        row[0] = name;
        for (std::size_t k = 0; k < components.size() && k < 9; ++k) row[1 + k] = components[k];
        list->insert(list->end(), row.begin(), row.end());
    }

    // A worksheet of `type` with the given amounts (tag -> value), texts and
    // ticked check boxes; returns its number.
    int AddWorksheet(int type, const std::string& name, const std::string& assetType,
                     const std::map<int, long double>& amounts, const std::vector<int>& ticked = {},
                     const std::map<int, std::string>& texts = {}) {
        const int n = store.WorksheetCount(type) + 1;
        store.LoadInstance(type, n);
        store.SetFieldStr(710, name);
        store.SetFieldStr(714, assetType);
        for (const auto& [tag, v] : amounts) store.SetFieldVal(tag, v);
        for (int tag : ticked) store.SetFieldChecked(tag);
        for (const auto& [tag, t] : texts) store.SetFieldStr(tag, t);
        store.StoreInstance(type, n);
        return n;
    }

    long double WorksheetValue(int type, int n, int tag) {
        store.LoadInstance(type, n);
        const long double v = store.GetFieldVal(tag);
        store.StoreInstance(type, n);
        return v;
    }
    std::string WorksheetText(int type, int n, int tag) {
        store.LoadInstance(type, n);
        const std::string v = store.GetFieldStr(tag);
        store.StoreInstance(type, n);
        return v;
    }
    TextList WorksheetList(int type, int n, int tag) {
        store.LoadInstance(type, n);
        const TextListPtr v = store.GetFieldLst(tag);
        TextList copy = v ? *v : TextList{};
        store.StoreInstance(type, n);
        return copy;
    }
};

}  // namespace cgt::test
