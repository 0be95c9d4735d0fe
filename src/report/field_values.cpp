#include "report/field_values.h"

#include <algorithm>
#include <cmath>
#include <optional>

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

// 2423 -> "2,423".
std::string GroupedNumber(long n) {
    std::string digits = std::to_string(n);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3) digits.insert(std::size_t(i), ",");
    return digits;
}

void FillPage(TXReport& report, const FieldStore& store, int page) {
    for (std::size_t i = report.PageBegin(page) + 1; i < report.PageEnd(page); ++i) {
        TPageRec& r = report.MutableRecord(i);
        if (r.Type() != rec::kField) continue;
        std::string text = ResolveField(store, r);
        // Drawn in the current font, a line of the value per line, each
        // whole; the field's box flags become the text's inset code.
        TextRecord value;
        value.inset = FieldRecord::Of(r).boxFlags;
        value.fitted = true;
        r = value.Record();
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
            const int shown = field.MaxRows() > 0 ? std::min(rows, field.MaxRows()) : rows;
            std::string out;
            for (int row = 0; row < shown; ++row) {
                const long cell = long(row) * width + field.Column();
                if (row) out += '\n';
                if (field.Column() >= 0 && cell < count) out += cells[std::size_t(cell)];
            }
            return out;
        }
        case kind::kRowsNotShown: {
            const int width = field.Columns();
            if (slot.type != dtList || !slot.list || width <= 0 || field.MaxRows() <= 0) return {};
            const long rows = (long(slot.list->size()) + width - 1) / width;
            if (rows <= field.MaxRows()) return {};
            const std::string more = GroupedNumber(rows - field.MaxRows());
            if (field.Note() == note::kSeeSummary)
                return more +
                       " more rows of the choice table did not fit on this page: every row is printed on the "
                       "Capital Gains Choice Table Summary.";
            return more + " more rows are listed on the pages that follow.";
        }
        case kind::kGroupCell: {
            // The cell of the record's row and column (drawn by the host in
            // the original; here as the host would show it).
            const int width = field.Columns();
            if (slot.type != dtList || !slot.list || width <= 0 || field.Column() < 0) return {};
            const std::size_t cell = std::size_t(field.Row()) * std::size_t(width) + std::size_t(field.Column());
            if (cell >= slot.list->size()) return {};
            // An amount prints as its column's total does: two decimals.
            const std::string& text = (*slot.list)[cell];
            if (!field.InCents()) return text;
            const std::optional<long double> number = TryStrToFloat(RemoveSpaces(text));
            return number ? FormatFixed(*number, kWidestAmountDigits, 2) : text;
        }
        case kind::kColumnTotal:
        case kind::kGrandTotal: {
            const int width = field.Columns();
            if (slot.type != dtList || !slot.list || width <= 0 || field.Column() < 0) return {};
            long double total = 0;
            for (std::size_t cell = std::size_t(field.Column()); cell < slot.list->size(); cell += std::size_t(width))
                total += CellNumber((*slot.list)[cell]);
            return std::fabs(total) < 0.001L ? std::string() : FormatFixed(total, kWidestAmountDigits, 2);
        }
        default: {
            std::string text = store.FieldDisplayText(tag);
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
