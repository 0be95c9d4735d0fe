// The choice table summary (CGTCHOICE) of an investor's return of 10,000
// rows: laid out into pages, each page drawn, and the whole written as PDF,
// each reported per page. Every page is laid out once.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <memory>
#include <string>

#include "report/field_values.h"
#include "report/form_field.h"
#include "report/txreport.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace {

using namespace cgt;

constexpr int kRows = 10000;
constexpr int kColumns = 21;

// A choice table as the screen leaves it: a share disposal per row.
FieldStore& ChoiceTable() {
    static FieldStore store = [] {
        FieldStore s;
        auto list = std::make_shared<TextList>();
        list->reserve(std::size_t(kRows) * kColumns);
        for (int r = 0; r < kRows; ++r) {
            const std::string row[kColumns] = {"Shares",
                                               "Parcel " + std::to_string(r + 1) + " - Disposal",
                                               "SN",
                                               std::to_string(1000 + r % 700),
                                               std::to_string(1500 + r % 900),
                                               r % 3 ? "Yes" : "No",
                                               r % 3 ? "Discount" : "",
                                               "",
                                               r % 5 ? "" : std::to_string(200 + r % 50),
                                               "No",
                                               "",
                                               "",
                                               "",
                                               "",
                                               std::to_string(r % 40),
                                               "",
                                               std::to_string(700 + r % 500),
                                               "451",
                                               std::to_string(r + 1),
                                               "A",
                                               ""};
            list->insert(list->end(), std::begin(row), std::end(row));
        }
        s.SetFieldLst(kTagChoiceGrid, list);
        return s;
    }();
    return store;
}

std::unique_ptr<TXReport> LaidOut(FieldStore& store) {
    auto r = std::make_unique<TXReport>(A4Metrics());
    r->UnitFactor = 0.1;
    r->editFieldsActive = false;
    r->fields = &store;
    r->OnDrawField = FormFieldDrawer(store);
    r->AddScript("CGTCHOICE", 1, 2);
    // As `cgt print` does: the fields become texts fitted to their cells.
    FillAllPages(*r, store);
    return r;
}

// Pages are laid out by AddScript alone, each once; drawing and writing
// only read them.
void CheckLaidOutOnce(benchmark::State& state, const TXReport& r) {
    if (r.PagesLaidOut() != r.PageCount()) state.SkipWithError("a page was laid out twice");
}

void PerPage(benchmark::State& state, int pages) {
    state.counters["pages"] = pages;
    state.counters["s_per_page"] =
        benchmark::Counter(double(pages), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_LayOutChoiceSummary(benchmark::State& state) {
    FieldStore& store = ChoiceTable();
    int pages = 0;
    for (auto _ : state) {
        const auto r = LaidOut(store);
        pages = r->PageCount();
        CheckLaidOutOnce(state, *r);
        benchmark::DoNotOptimize(pages);
    }
    PerPage(state, pages);
}
BENCHMARK(BM_LayOutChoiceSummary)->Unit(benchmark::kMillisecond);

void BM_DrawChoiceSummaryPages(benchmark::State& state) {
    FieldStore& store = ChoiceTable();
    const auto r = LaidOut(store);
    QImage page(794, 1123, QImage::Format_RGB32);  // A4 at 96 dpi
    for (auto _ : state) {
        for (int n = 1; n <= r->PageCount(); ++n) {
            QPainter p(&page);
            r->DrawPage(n, p, false, 1.0);
        }
    }
    CheckLaidOutOnce(state, *r);
    PerPage(state, r->PageCount());
}
BENCHMARK(BM_DrawChoiceSummaryPages)->Unit(benchmark::kMillisecond);

void BM_WriteChoiceSummaryPdf(benchmark::State& state) {
    FieldStore& store = ChoiceTable();
    const auto r = LaidOut(store);
    const QString path = QDir::temp().filePath(QStringLiteral("cgt-report-bench.pdf"));
    for (auto _ : state) {
        if (!r->WritePdf(path)) state.SkipWithError("the PDF could not be written");
    }
    QFile::remove(path);
    CheckLaidOutOnce(state, *r);
    PerPage(state, r->PageCount());
}
BENCHMARK(BM_WriteChoiceSummaryPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
