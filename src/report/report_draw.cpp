// Drawing a laid-out page on a QPainter, printing and PDF.
#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

#include "base/cp1252.h"
#include "report/form_box.h"
#include "report/report_markup.h"
#include "report/report_style.h"
#include "report/txreport.h"
#include "store/datafile_fs.h"

namespace cgt {

namespace {

QString Qt8(const std::string& cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

// What a repeat record draws again itself; a repeat of any other shape goes
// to the field-drawing callback.
bool IsRepeatable(char t) {
    return t == rec::kRect || t == rec::kLine || t == rec::kEllipse || t == rec::kTriangle || t == rec::kText;
}

}  // namespace

DeviceMetrics A4Metrics(double screenDpi) {
    DeviceMetrics m;
    m.pxPerMmX = m.pxPerMmY = screenDpi / 25.4;
    return m;
}

DeviceMetrics PrinterMetrics(const QPrinter& printer) {
    DeviceMetrics m;
    m.noPrinter = false;
    m.pxPerMmX = printer.logicalDpiX() / 25.4;
    m.pxPerMmY = printer.logicalDpiY() / 25.4;
    const QPageLayout layout = printer.pageLayout();
    const QRectF full = layout.fullRect(QPageLayout::Millimeter);
    const QRectF paint = layout.paintRect(QPageLayout::Millimeter);
    m.unprintableLeft = int(std::lround(paint.left() - full.left()));
    m.unprintableTop = int(std::lround(paint.top() - full.top()));
    m.unprintableRight = int(std::lround(full.right() - paint.right()));
    m.unprintableBottom = int(std::lround(full.bottom() - paint.bottom()));
    m.pageWidthMm = int(std::lround(paint.width())) + m.unprintableLeft + m.unprintableRight;
    m.pageHeightMm = int(std::lround(paint.height())) + m.unprintableTop + m.unprintableBottom;
    return m;
}

DeviceMetrics DefaultDeviceMetrics() {
    if (QPrinterInfo::availablePrinters().isEmpty()) return A4Metrics();
    const QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    return PrinterMetrics(printer);
}

TXReport::TXReport(const DeviceMetrics& metrics) : metrics_(metrics) {
    left_ = metrics_.unprintableLeft;
    right_ = metrics_.unprintableRight;
    top_ = metrics_.unprintableTop;
    bottom_ = metrics_.unprintableBottom;
}

void TXReport::SetLeftMargin(int mm) {
    left_ = std::max(mm, metrics_.unprintableLeft);
}
void TXReport::SetRightMargin(int mm) {
    right_ = std::max(mm, metrics_.unprintableRight);
}
void TXReport::SetTopMargin(int mm) {
    top_ = std::max(mm, metrics_.unprintableTop);
}
void TXReport::SetBottomMargin(int mm) {
    bottom_ = std::max(mm, metrics_.unprintableBottom);
}

// What drawing one page keeps between records.
struct TXReport::Painting {
    QPainter& c;
    bool printing = false;
    bool mono = true;
    double fontScale = 1, xs = 1, ys = 1;
    int ox = 0, oy = 0;
    bool relative = false;
    // The current rectangle in script units.
    int left = 0, top = 0, right = 0, bottom = 0;
    Attributes attributes{};
    Font font{};
    char lastShape = 0;
    std::size_t lastShapeRecord = 0;
    int editCount = 0;
    bool jumpsCleared = false;

    int X(double units) const { return ox + int(std::lround(units * xs)); }
    int Y(double units) const { return oy + int(std::lround(units * ys)); }
    QRect Device() const { return QRect(QPoint(X(left), Y(top)), QPoint(X(right), Y(bottom))); }
    QColor Brush(int colour, bool attribute) const {
        return mono ? MonoBrush(colour, attribute) : ReportColour(colour);
    }
    QColor Pen(int colour) const { return mono ? MonoPen(colour) : ReportColour(colour); }
    QColor Text(int colour) const { return mono ? MonoText(colour) : ReportColour(colour); }
    QFont TextFont() const {
        return ReportFont(font.face, int(font.size * fontScale + 0.2), font.style, font.spacing / 10.0);
    }
    void ApplyAttributes() {
        c.setBrush(QBrush(Brush(attributes.brushColour, true), ReportBrushStyle(attributes.brushStyle)));
        QPen pen(Pen(attributes.penColour));
        pen.setStyle(ReportPenStyle(attributes.penStyle));
        pen.setWidth(int(std::lround(attributes.penWidth / 10.0 * xs)));
        c.setPen(pen);
    }
    // Sets the rectangle from a geometry record.
    void Place(const TPageRec& r) {
        const Geometry g = Geometry::Of(r);
        left = g.x1;
        right = g.x2;
        if (relative) {
            top = bottom + g.y1;
            bottom = top + g.y2;
        } else {
            top = g.y1;
            bottom = g.y2;
        }
    }
};

void TXReport::DrawPage(int n, QPainter& canvas, bool keepBackground, double zoom, bool printing) {
    GoToPage(n);
    if (pageStarts_.empty()) return;
    const std::size_t begin = PageBegin(current_);
    const std::size_t end = PageEnd(current_);
    const PageHeader header = PageHeader::Of(records_[begin]);

    Painting p{canvas};
    p.printing = printing;
    p.mono = printing || !OnAddTaxEdit;
    const QPaintDevice* device = canvas.device();
    const double dpiX = device ? device->logicalDpiX() : 96;
    const double dpiY = device ? device->logicalDpiY() : 96;
    if (printing) {
        p.fontScale = 1;
        p.xs = zoom * dpiX / 25.4;
        p.ys = zoom * dpiY / 25.4;
    } else {
        p.fontScale = zoom;
        p.xs = p.ys = zoom * dpiX / 25.4;
    }
    if (!(OnAddTaxEdit && !printing)) {
        p.oy = int(std::lround(top_ * p.ys));
        p.ox = int(std::lround(left_ * p.xs));
        if (printing) {
            p.oy -= int(std::lround(printOffsetTop_ * p.ys));
            p.ox -= int(std::lround(printOffsetLeft_ * p.xs));
        }
    }
    if (!printing && !keepBackground && device) {
        const QColor paper = device->depth() >= 16 ? QColor(228, 216, 192) : QColor(192, 192, 192);
        canvas.fillRect(QRect(0, 0, device->width(), device->height()), paper);
    }
    p.xs *= UnitFactor * fitFactor;
    p.ys *= UnitFactor * fitFactor;
    p.relative = header.layout == 'R';
    p.left = p.right = p.top = p.bottom = 0;
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setRenderHint(QPainter::TextAntialiasing, true);
    DrawRecords(p, begin + 1, end);
    canvas.restore();
}

void TXReport::DrawRecords(Painting& p, std::size_t begin, std::size_t end) {
    QPainter& c = p.c;
    const auto field = [&](char type, const TPageRec& r) {
        if (OnDrawField) OnDrawField(type, r, c, p.Device(), p.fontScale, p.xs, p.ys);
    };
    const auto text = [&](const TPageRec& r, const std::string& t) {
        DrawText(c, p.Device(), r, Qt8(t),
                 TextState{p.TextFont(), p.Text(p.font.colour), p.Brush(p.font.background, false), p.font.align,
                           p.printing, p.xs, p.ys, p.fontScale, p.mono, &OnBeep});
    };
    const auto shape = [&](char type, const TPageRec& r, std::size_t index) {
        const QRect d = p.Device();
        switch (type) {
            case rec::kRect:
                if (d.left() != 0 && d.top() != 0) c.drawRect(d);
                break;
            case rec::kLine: c.drawLine(d.topLeft(), d.bottomRight()); break;
            case rec::kEllipse: c.drawEllipse(d); break;
            case rec::kRounded: {
                const double corner = d.width() / 4.0;
                c.drawRoundedRect(d, corner, corner);
                break;
            }
            case rec::kTriangle: {
                const Geometry offsets = Geometry::Of(r);
                const QPoint a = d.topLeft();
                const QPoint b(a.x() + int(offsets.x1 * p.xs), a.y() + int(offsets.y1 * p.ys));
                const QPoint e(a.x() + int(offsets.x2 * p.xs), a.y() + int(offsets.y2 * p.ys));
                const QPoint points[] = {a, b, e};
                c.drawPolygon(points, 3);
                break;
            }
            case rec::kText: text(records_[index], TextOf(index)); break;
            default: break;
        }
    };

    for (std::size_t i = begin; i < end; ++i) {
        const TPageRec& r = records_[i];
        const char t = r.Type();
        switch (t) {
            case rec::kPosition: p.Place(r); break;
            case rec::kRect:
            case rec::kLine:
            case rec::kEllipse:
            case rec::kRounded:
                p.Place(r);
                p.ApplyAttributes();
                shape(t, r, i);
                break;
            case rec::kCaution:
                p.Place(r);
                field(t, r);
                break;
            case rec::kAttributes: p.attributes = Attributes::Of(r); break;
            case rec::kFont: p.font = Font::Of(r); break;
            case rec::kText: text(r, TextOf(i)); break;
            case rec::kTriangle:
                p.ApplyAttributes();
                shape(t, r, i);
                break;
            case rec::kRepeat: {
                const Repeat moved = Repeat::Of(r);
                const int w = p.right - p.left, h = p.bottom - p.top;
                p.left += moved.dx;
                p.right = p.left + w;
                p.top += moved.dy;
                p.bottom = p.top + h;
                if (!IsRepeatable(p.lastShape)) {
                    if (p.lastShape) field(p.lastShape, r);
                    break;
                }
                const TPageRec& shown = records_[p.lastShapeRecord];
                if (p.lastShape == rec::kText) {
                    text(shown, TextOf(i));
                } else {
                    p.ApplyAttributes();
                    shape(p.lastShape, shown, p.lastShapeRecord);
                }
                break;
            }
            case rec::kJump:
                if (const int jump = Jump::Of(r).number; jump > 0 && OnSetJump) {
                    OnSetJump(c, jump, p.Device(), !p.jumpsCleared);
                    p.jumpsCleared = true;
                }
                break;
            case rec::kEditField:
                if (!p.printing && editFieldsActive) {
                    ++p.editCount;
                    if (OnAddTaxEdit) OnAddTaxEdit(p.editCount, r, c, p.Device(), p.fontScale, p.xs, p.ys);
                    break;
                }
                [[fallthrough]];
            case rec::kField:
                if (FieldRecord::Of(r).column != kColumnDisabled) field(rec::kField, r);
                break;
            case rec::kSection: break;
            default: field(t, r); break;
        }
        // What a repeat draws again: the latest record of any type but a
        // position, a repeat or the attributes and font (as the script's
        // texts were read).
        if (CountsAsLatestShape(t)) {
            p.lastShape = t;
            p.lastShapeRecord = i;
        }
    }
}

void TXReport::PrintPages(const std::set<int>& pages, int highest, QPainter& canvas,
                          const std::function<void()>& newPage) {
    aborted_ = false;
    bool first = true;
    for (int copy = 0; copy < std::max(1, NumbOfCopies) && !aborted_; ++copy) {
        for (int n : pages) {
            if (n < 1 || n > PageCount() || n > highest) continue;
            if (aborted_) break;
            pagePrinting_ = n;
            if (!first) newPage();
            first = false;
            DrawPage(n, canvas, true, 1.0, true);
            if (OnPagePrinted) OnPagePrinted();
        }
    }
    printOffsetLeft_ = printOffsetTop_ = 0;
}

bool TXReport::Print(const std::set<int>& pages, QPrinter& printer) {
    if (pages.empty()) return true;
    if (printer.printerState() == QPrinter::Active) printer.abort();
    printer.setPageOrientation(Orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
    // The printer's canvas starts where it can print; the page's margins
    // are from the paper's edge.
    const DeviceMetrics m = PrinterMetrics(printer);
    printOffsetLeft_ = m.unprintableLeft;
    printOffsetTop_ = m.unprintableTop;
    QPainter canvas;
    if (!canvas.begin(&printer)) return false;
    PrintPages(pages, kHighestPrintedPage, canvas, [&] { printer.newPage(); });
    if (aborted_) {
        printer.abort();
        canvas.end();
        return false;
    }
    return canvas.end();
}

QByteArray TXReport::PdfBytes(const std::set<int>& pages) {
    std::set<int> all = pages;
    if (all.empty())
        for (int n = 1; n <= PageCount(); ++n) all.insert(n);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), Orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
        writer.setCreator(QStringLiteral("CGT 2003"));
        QPainter canvas;
        if (!canvas.begin(&writer)) return {};
        // A file holds every page, however long the printout.
        PrintPages(all, PageCount(), canvas, [&] { writer.newPage(); });
        if (!canvas.end()) return {};
    }
    return bytes;
}

bool TXReport::WritePdf(const QString& path, const std::set<int>& pages, std::string* error) {
    const QByteArray bytes = PdfBytes(pages);
    try {
        if (bytes.isEmpty()) throw EFileError("write", path.toStdString(), "the pages could not be drawn");
        WriteFileSafely(RealFileSystem(), path.toStdString(),
                        {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())},
                        kNewFileMode, true);
        return true;
    } catch (const std::exception& e) {
        if (error) *error = e.what();
        return false;
    }
}

}  // namespace cgt
