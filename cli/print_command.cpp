// cgt print: one of the module's printouts of a return, as PDF, without a
// display.
#include <QGuiApplication>
#include <QString>
#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "base/cp1252.h"
#include "base/daynumber.h"
#include "base/rounding.h"
#include "base/text.h"
#include "calc/calc_chain.h"
#include "calc/entry_tables.h"
#include "command.h"
#include "report/printout.h"
#include "report/printouts.h"
#include "report/txreport.h"
#include "session.h"
#include "store/datafile_fs.h"
#include "store/tags.h"

namespace cgt::cli {
namespace {

std::string ScriptName(const std::string& given) {
    const std::string name = UpperCase(given);
    if (name == "SCHEDULE") return kSchedulePrintout;
    if (FindPrintout(name)) return name;
    std::string names;
    for (const Printout& p : kPrintouts) names += std::string(names.empty() ? "" : ", ") + p.name;
    throw UsageError("no printout " + given + "; one of " + names + " (schedule)");
}

struct WorksheetRef {
    int type = 0;
    int instance = 0;
};

int WholeNumber(const std::string& text, const std::string& what) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        throw UsageError("--worksheet is TYPE/N (for example 451/1), not " + what);
    return value;
}

std::optional<WorksheetRef> WorksheetOption(const Args& args) {
    if (!args.Has("--worksheet")) return std::nullopt;
    const std::string& v = args.Value("--worksheet");
    const auto slash = v.find('/');
    if (slash == std::string::npos) throw UsageError("--worksheet is TYPE/N (for example 451/1), not " + v);
    return WorksheetRef{WholeNumber(v.substr(0, slash), v), WholeNumber(v.substr(slash + 1), v)};
}

// The asset printed when none is named: the first worksheet of the first
// asset type that has one.
WorksheetRef FirstAsset(FieldStore& store, const std::string& file) {
    for (int type = kFirstAssetType; type <= kLastAssetType; ++type)
        if (store.WorksheetCount(type) > 0) return {type, 1};
    throw Failure(file + " holds no asset worksheet to print");
}

// Puts the fields the printout reads into the working tags: the asset with
// its figures worked out as its summary screen shows them, or the stored
// CGT schedule. Nothing is saved.
void LoadPrintedFields(FieldStore& store, const std::string& script, const std::optional<WorksheetRef>& named,
                       const std::string& file) {
    if (FindPrintout(script)->ofOneAsset) {
        const WorksheetRef ws = named ? *named : FirstAsset(store, file);
        if (ws.type < kFirstAssetType || ws.type > kLastAssetType)
            throw UsageError("--worksheet: " + std::to_string(ws.type) + " is not an asset worksheet type (" +
                             std::to_string(kFirstAssetType) + " to " + std::to_string(kLastAssetType) + ")");
        if (script == kNonAssessablePrintout && !CarriesNonAssessableReceipts(ws.type))
            throw Failure("no CGTNASS for worksheet " + std::to_string(ws.type) + "/" + std::to_string(ws.instance) +
                          ": only shares (451) and trust units (452) have a non-assessable receipts worksheet");
        const int count = store.WorksheetCount(ws.type);
        if (ws.instance < 1 || ws.instance > count)
            throw Failure(file + " has " + std::to_string(count) + " worksheets of type " + std::to_string(ws.type) +
                          ", not a number " + std::to_string(ws.instance));
        CalculateAsset(store, ws.type, ws.instance);
        store.LoadInstance(ws.type, ws.instance);
        return;
    }
    if (named) throw UsageError("--worksheet is for CGTWSHT, CGTASSET and CGTNASS only");
    store.EmptyWorkingTags();
    if (script == kSchedulePrintout && store.WorksheetCount(kWsSchedule) > 0) {
        store.LoadInstance(kWsSchedule, 1);
        // A 15-year exemption with its code but no gain exempts $0: the
        // box says so rather than standing blank.
        if (!Trim(store.GetFieldStr(kTagSchedExemptionCode)).empty() && store.FieldIsEmpty(kTagSchedExemptGains))
            store.SetFieldVal(kTagSchedExemptGains, kExplicitZero);
    }
    if (script == kShortFormPrintout) {
        // The trusts' net capital gains, as the trust distribution screen
        // works them out; the stored table does not keep them.
        if (const TextListPtr trusts = store.GetFieldLst(kTagTrustTable)) {
            auto filled = std::make_shared<TextList>(*trusts);
            RecomputeTrustNetGains(*filled);
            store.SetFieldLst(kTagTrustTable, filled);
        }
    }
}

// The name printed at the head of every page: the return's, else the one
// given.
void SetPrintedName(FieldStore& store, const Args& args, Io& io) {
    if (!args.Has("--name")) return;
    const std::string& given = args.Value("--name");
    const std::string held = Trim(store.GetFieldStr(kTagTaxpayerName));
    if (held.empty()) {
        store.SetFieldStr(kTagTaxpayerName, Utf8ToCp1252(given));
        return;
    }
    if (held != Trim(Utf8ToCp1252(given)))
        io.err << "cgt print: note: the return holds the name " << Cp1252ToUtf8(held) << "; --name is not printed\n";
}

// dd/mm/yyyy, as the host gives the date of a printout.
std::string Today() {
    const std::chrono::year_month_day d{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return DateToText(CivilDate{int(d.year()), int(unsigned(d.month())), int(unsigned(d.day()))});
}

// Offscreen unless told otherwise: a PDF needs fonts, not a display.
std::unique_ptr<QGuiApplication> GuiApplication() {
    if (QGuiApplication::instance()) return nullptr;
    // Qt's own notes (a missing runtime folder and the like) are not the
    // tool's output.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg || type == QtCriticalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "cgt";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The PDF never takes the place of the return or a file of its own, and
// another existing file only when told.
void CheckPdfName(const std::string& pdf, const std::string& file, bool force) {
    if (pdf.empty()) throw UsageError("--pdf needs a file name");
    const struct {
        std::filesystem::path path;
        const char* what;
    } kept[] = {{file, "the return itself"},
                {CompanionFile(file, ".BAK"), "the return's backup"},
                {ReturnLock::LockFile(file), "the return's lock file"}};
    for (const auto& k : kept)
        if (SameFile(pdf, k.path)) throw Failure("not printed: --pdf " + pdf + " names " + k.what);
    if (!force && RealFileSystem().Exists(pdf)) throw Failure("not printed: " + pdf + " exists (--force replaces it)");
}

int RunPrint(const Args& args, Io& io) {
    const std::string script = ScriptName(args.positional[0]);
    const std::string& file = args.positional[1];
    const std::string& pdf = args.Value("--pdf");
    const std::optional<WorksheetRef> worksheet = WorksheetOption(args);
    CheckPdfName(pdf, file, args.Has("--force"));

    Session session(args.Value("--id"));
    session.Load(file);
    FieldStore& store = session.store();
    LoadPrintedFields(store, script, worksheet, file);
    if (store.FieldIsEmpty(kTagPrintDate)) store.SetFieldStr(kTagPrintDate, Today());
    SetPrintedName(store, args, io);

    const auto app = GuiApplication();
    const std::unique_ptr<TXReport> printout = MakePrintout(script, store, A4Metrics());
    TXReport& report = *printout;
    // The 275 mm frame centred down an A4 page, 15 mm in from the left.
    report.SetLeftMargin(15);
    report.SetTopMargin(11);
    if (args.Has("--text"))
        for (int page = 1; page <= report.PageCount(); ++page)
            io.out << "-- page " << page << '\n' << report.PageText(page);
    const QByteArray bytes = report.PdfBytes();
    if (bytes.isEmpty()) throw Failure("cannot write " + pdf + ": the pages could not be drawn");
    // Checked again: the name may have been taken while the pages were laid out.
    CheckPdfName(pdf, file, args.Has("--force"));
    WriteFileSafely(RealFileSystem(), pdf,
                    {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())}, kNewFileMode,
                    args.Has("--force"));
    io.out << "printed " << script << ", " << report.PageCount() << (report.PageCount() == 1 ? " page" : " pages")
           << ", to " << pdf << '\n';
    return 0;
}

}  // namespace

extern const Command kPrintCommand{
    "print",
    "SCRIPT FILE",
    "lay out one of the module's printouts for a return and write it as PDF",
    "SCRIPT is CGTWSHT (an asset's CGT worksheet), CGTASSET (its asset register),\n"
    "CGTNASS (its non-assessable receipts worksheet), CGTCHOICE, CGTCHOICEOLD (the\n"
    "choice table summary), CGTDISEV (the short-form tables) or SCHEDCGT (the CGT\n"
    "schedule; also `schedule`). The three asset printouts show the asset named by\n"
    "--worksheet (the first asset worksheet of the return when not given) with its\n"
    "figures worked out as its summary screen shows them; the others show the\n"
    "return as saved (run `cgt calc FILE --save` first for the schedule). Nothing is\n"
    "saved. CGTNASS is for shares and trust units (451, 452) only. Each page is\n"
    "headed with the taxpayer's name and tax file number as the return holds them;\n"
    "--name gives the name when the return holds none. Tables go on over as many\n"
    "pages as they need. Needs no display. OUT is written owner-only, whole or not\n"
    "at all; an existing OUT is replaced only with --force.",
    2,
    2,
    {kIdOption,
     {"--pdf", "OUT", true, "the PDF file to write"},
     {"--worksheet", "TYPE/N", false, "the asset worksheet to print, e.g. 451/1"},
     {"--force", nullptr, false, "replace an existing OUT (never the return, its .BAK or its lock)"},
     {"--name", "TEXT", false, "the taxpayer's name at the head of each page, when the return holds none"},
     {"--text", nullptr, false, "also print the texts of each page"}},
    RunPrint,
};

}  // namespace cgt::cli
