#include "trades_report.h"

#include <ostream>

#include "base/daynumber.h"
#include "base/income_year.h"
#include "trade_worksheets.h"

namespace cgt::cli {

namespace {

const char* PeriodNote(SalePeriod period) {
    switch (period) {
        case SalePeriod::BeforeYear: return " (before the income year: parcels used, no worksheet)";
        case SalePeriod::AfterYear: return " (after the income year: left alone)";
        case SalePeriod::InYear: break;
    }
    return "";
}

}  // namespace

void PrintSales(std::ostream& out, const TradeMatching& matching) {
    out << "sales:\n";
    if (matching.sales.empty()) out << "  none\n";
    for (const MatchedSale& sale : matching.sales) {
        const Trade& t = *sale.trade;
        out << "  line " << t.line << ": " << DateToText(t.date) << " sold " << t.units << ' ' << t.code;
        if (sale.period != SalePeriod::AfterYear)
            out << ", proceeds " << sale.proceedsDollars << ", brokerage " << CentsText(t.brokerageCents);
        out << PeriodNote(sale.period) << '\n';
        for (const SoldPart& p : sale.parts)
            out << "    " << p.units << " bought " << DateToText(p.buyDate) << " (line " << p.buyLine << "): cost "
                << CentsText(p.costCents) << " + brokerage " << CentsText(p.buyBrokerageCents) << ", sale brokerage "
                << CentsText(p.sellBrokerageCents) << ", proceeds " << p.proceedsDollars << '\n';
    }
}

void PrintHeld(std::ostream& out, const TradeMatching& matching) {
    out << "held at " << DateToText(kIncomeYearEnd) << ":\n";
    if (matching.held.empty()) out << "  none\n";
    for (const HeldParcel& h : matching.held)
        out << "  " << h.trade->code << ' ' << h.units << " bought " << DateToText(h.trade->date) << " (line "
            << h.trade->line << "): cost " << CentsText(h.costCents) << " + brokerage " << CentsText(h.brokerageCents)
            << '\n';
}

}  // namespace cgt::cli
