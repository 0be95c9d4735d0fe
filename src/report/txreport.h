#pragma once
// TXReport: report scripts laid out into pages of 18-byte records, drawn on
// any QPainter (the preview's picture, a printer, a PDF). Sizes are script
// units times `UnitFactor` millimetres, so a page comes out alike on every
// device.
#include <QRect>
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "report/page_record.h"

class QPainter;
class QPrinter;

namespace cgt {

class FieldStore;

// Pixels per millimetre, the margins a printer cannot print on and the page
// size, in whole millimetres.
struct DeviceMetrics {
    double pxPerMmX = 96 / 25.4;
    double pxPerMmY = 96 / 25.4;
    int unprintableLeft = 0;
    int unprintableRight = 0;
    int unprintableTop = 0;
    int unprintableBottom = 0;
    int pageWidthMm = 210;
    int pageHeightMm = 297;
    bool noPrinter = true;
};

// No printer installed: A4 at the screen's resolution, no margins.
DeviceMetrics A4Metrics(double screenDpi = 96);
DeviceMetrics PrinterMetrics(const QPrinter& printer);
// The default printer's when one is installed, else A4Metrics().
DeviceMetrics DefaultDeviceMetrics();

// Layout limits, in script units.
inline constexpr int kPageFrameWidth = 1860;
inline constexpr int kPageFrameHeight = 2750;
inline constexpr int kPageUsableHeight = 2680;
// A printer is given pages 1 to 255 only.
inline constexpr int kHighestPrintedPage = 255;

using AddTaxEditEvent = std::function<void(int index, const TPageRec& rec, QPainter& canvas, const QRect& r,
                                           double fontScale, double xScale, double yScale)>;
using SetFieldTypeEvent = std::function<void(int tag, int kind)>;
using DrawFieldEvent = std::function<void(char field, const TPageRec& rec, QPainter& canvas, const QRect& r,
                                          double fontScale, double xScale, double yScale)>;
using SetJumpEvent = std::function<void(QPainter& canvas, int jump, const QRect& r, bool clearJumps)>;

class TXReport {
public:
    explicit TXReport(const DeviceMetrics& metrics = DefaultDeviceMetrics());
    TXReport(const TXReport&) = delete;
    TXReport& operator=(const TXReport&) = delete;

    // Millimetres per script unit.
    double UnitFactor = 1.0;
    // 0 portrait, 1 landscape.
    int Orientation = 0;
    int NumbOfCopies = 1;
    // Shrinks the whole drawing when the printable height is short of the frame.
    double fitFactor = 1.0;
    // "E" records are input fields on screen while set; every printout of
    // this module clears it.
    bool editFieldsActive = true;

    // Decides which sections print and how many rows a band has.
    const FieldStore* fields = nullptr;

    AddTaxEditEvent OnAddTaxEdit;
    SetFieldTypeEvent OnSetFieldType;
    DrawFieldEvent OnDrawField;
    SetJumpEvent OnSetJump;
    // Raised after each printed page; the caller lets pending events run.
    std::function<void()> OnPagePrinted;
    // The warning beep for a command of a marked-up text with a bad number
    // (the command is skipped).
    std::function<void()> OnBeep;

    const DeviceMetrics& Metrics() const { return metrics_; }
    // Margins in millimetres, never below what the device cannot print on.
    int LeftMargin() const { return left_; }
    int RightMargin() const { return right_; }
    int TopMargin() const { return top_; }
    int BottomMargin() const { return bottom_; }
    void SetLeftMargin(int mm);
    void SetRightMargin(int mm);
    void SetTopMargin(int mm);
    void SetBottomMargin(int mm);
    // What the device cannot print on, in millimetres.
    int LeftUnprintable() const { return metrics_.unprintableLeft; }
    int RightUnprintable() const { return metrics_.unprintableRight; }
    int TopUnprintable() const { return metrics_.unprintableTop; }
    int BottomUnprintable() const { return metrics_.unprintableBottom; }
    double PageWidth() const { return metrics_.pageWidthMm; }
    double PageHeight() const { return metrics_.pageHeightMm; }
    bool NoPrinter() const { return metrics_.noPrinter; }

    // Lays out sections `first` to `last` (from 1) of the script compiled in
    // as resource `name` (std::runtime_error when there is none) or given,
    // after the pages already laid out.
    void AddScript(const std::string& name, int first, int last);
    void AddScript(const Script& script, int first, int last);
    void Clear();

    int PageCount() const { return int(pageStarts_.size()); }
    int CurrentPage() const { return current_; }
    // Clamped to the pages there are; nothing without pages.
    void GoToPage(int n);
    // Draws page n at `zoom` (1 = real size); `printing` for a printer or a PDF.
    void DrawPage(int n, QPainter& canvas, bool keepBackground, double zoom, bool printing = false);
    // Prints the pages of `pages` that exist (up to 255), NumbOfCopies times;
    // false when the job fails or is aborted.
    bool Print(const std::set<int>& pages, QPrinter& printer);
    // The same drawing as printing, into a PDF of A4 pages (NumbOfCopies
    // times); all pages when `pages` is empty, however many.
    QByteArray PdfBytes(const std::set<int>& pages = {});
    // The PDF written through a temporary file beside `path` and renamed into
    // place, owner-only: the file holds the whole PDF or stays as it was, and
    // a link at its name is replaced, never followed. False when it cannot
    // be written, with the reason in `error` ("cannot write F: REASON").
    bool WritePdf(const QString& path, const std::set<int>& pages = {}, std::string* error = nullptr);

    void Abort() { aborted_ = true; }
    bool Aborted() const { return aborted_; }
    int PagePrinting() const { return pagePrinting_; }

    // The page stream: records [PageBegin(n), PageEnd(n)) of page n, its
    // header first.
    std::size_t PageBegin(int n) const;
    std::size_t PageEnd(int n) const;
    const TPageRec& Record(std::size_t i) const { return records_[i]; }
    TPageRec& MutableRecord(std::size_t i) { return records_[i]; }
    const std::string& TextOf(std::size_t i) const;
    void SetTextOf(std::size_t i, std::string text) { texts_[i] = std::move(text); }
    // Every text of page n in stream order, a line each.
    std::string PageText(int n) const;
    // Pages opened since the last Clear (each is laid out once).
    int PagesLaidOut() const { return laidOut_; }

private:
    struct Painting;
    struct Layout;

    void OpenPage(Layout& l, const TPageRec& section);
    void ClosePage();
    void AddFurniture(Layout& l);
    void Append(const TPageRec& r, const std::string* text = nullptr);
    void DrawRecords(Painting& p, std::size_t begin, std::size_t end);
    // Draws the pages of `pages` up to `highest`, NumbOfCopies times, each
    // after `newPage` but the first.
    void PrintPages(const std::set<int>& pages, int highest, QPainter& canvas, const std::function<void()>& newPage);

    DeviceMetrics metrics_;
    int left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
    std::vector<TPageRec> records_;
    std::unordered_map<std::size_t, std::string> texts_;
    std::vector<std::size_t> pageStarts_;
    std::vector<ScriptRecord> pageBand_;
    // The page furniture's script, read when a page first needs it.
    Script furniture_;
    bool hasPageBand_ = false;
    int current_ = 0;
    int laidOut_ = 0;
    std::atomic<bool> aborted_ = false;
    int pagePrinting_ = 0;
    // The printer's unprintable left and top margins (mm) while printing.
    int printOffsetLeft_ = 0;
    int printOffsetTop_ = 0;
};

}  // namespace cgt
