#include "report/field_values.h"

#include <cmath>

#include "base/numtext.h"
#include "base/textroutines.h"
#include "report/txreport.h"
#include "store/fieldstore.h"

namespace cgt {

namespace {

// The number a grid cell shows; 0 for a blank or a text.
long double CellNumber(const std::string& cell) {
    return StrToFloatDef(RemoveSpaces(cell), 0);
}

void FillPage(TXReport& report, const FieldStore& store, int page) {
    for (std::size_t i = report.PageBegin(page) + 1; i < report.PageEnd(page); ++i) {
        TPageRec& r = report.MutableRecord(i);
        if (r.Type() != rec::kField) continue;
        std::string text = ResolveField(store, r);
        r.SetType(rec::kText);
        report.SetTextOf(i, std::move(text));
    }
}

}  // namespace

std::string ResolveField(const FieldStore& store, const TPageRec& field) {
    const int tag = field.Tag();
    const Slot& slot = store.SlotAt(tag);
    switch (field.Kind()) {
        case kind::kLossMark: return IsNumericType(slot.type) && slot.number < 0 ? "L" : " ";
        case kind::kWholeList: {
            std::string out;
            if (slot.type == dtList && slot.list)
                for (std::size_t i = 0; i < slot.list->size(); ++i) out += (i ? "\n" : "") + (*slot.list)[i];
            return out;
        }
        case kind::kListColumn: {
            const int width = field.Columns();
            if (slot.type != dtList || !slot.list || slot.list->empty() || width <= 0) return {};
            const TextList& cells = *slot.list;
            const int count = int(cells.size());
            const int rows = (count - 1) / width + 1;
            std::string out;
            for (int row = 0; row < rows; ++row) {
                const long cell = long(row) * width + field.Column();
                if (row) out += '\n';
                if (field.Column() >= 0 && cell < count) out += cells[std::size_t(cell)];
            }
            return out;
        }
        case kind::kGroupCell: {
            // The cell of the record's row and column (drawn by the host in
            // the original; here as the host would show it).
            const int width = field.Columns();
            if (slot.type != dtList || !slot.list || width <= 0 || field.Column() < 0) return {};
            const std::size_t cell = std::size_t(field.Row()) * std::size_t(width) + std::size_t(field.Column());
            return cell < slot.list->size() ? (*slot.list)[cell] : std::string();
        }
        case kind::kColumnTotal:
        case kind::kGrandTotal: {
            const int width = field.Columns();
            if (slot.type != dtList || !slot.list || width <= 0 || field.Column() < 0) return {};
            long double total = 0;
            for (std::size_t cell = std::size_t(field.Column()); cell < slot.list->size(); cell += std::size_t(width))
                total += CellNumber((*slot.list)[cell]);
            return std::fabs(total) < 0.001L ? std::string() : FormatFixed(total, 12, 2);
        }
        default: {
            std::string text = store.FieldAsText(tag);
            if (!text.empty() && text.front() == '-') text.erase(0, 1);
            return text;
        }
    }
}

void FillLastPage(TXReport& report, const FieldStore& store) {
    if (report.PageCount() > 0) FillPage(report, store, report.PageCount());
}

void FillAllPages(TXReport& report, const FieldStore& store) {
    for (int page = 1; page <= report.PageCount(); ++page) FillPage(report, store, page);
}

}  // namespace cgt
