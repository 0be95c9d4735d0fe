#include "report/report_style.h"

#include <array>
#include <initializer_list>

#include "report/report_palette.h"

namespace cgt {

namespace {

bool OneOf(int n, std::initializer_list<int> set) {
    for (int v : set)
        if (v == n) return true;
    return false;
}

}  // namespace

QColor ReportColour(int n) {
    if (n < 1 || n > int(kPaletteColours.size())) return Qt::black;
    const PaletteColour& c = kPaletteColours[std::size_t(n - 1)];
    return QColor(c.red, c.green, c.blue);
}

QString ReportTypeface(int face) {
    const std::size_t n = face >= 0 && face < int(kPaletteTypefaces.size()) ? std::size_t(face) : 0;
    return QString::fromLatin1(kPaletteTypefaces[n].drawnBy);
}

QString ReportTypefaceNamed(const QString& name) {
    for (const PaletteTypeface& face : kPaletteTypefaces)
        if (name.compare(QLatin1String(face.family), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(face.drawnBy);
    return name;
}

Qt::BrushStyle ReportBrushStyle(int style) {
    switch (style) {
        case 1: return Qt::NoBrush;
        case 2: return Qt::HorPattern;
        case 3: return Qt::VerPattern;
        case 4: return Qt::FDiagPattern;
        case 5: return Qt::BDiagPattern;
        case 6: return Qt::CrossPattern;
        case 7: return Qt::DiagCrossPattern;
        default: return Qt::SolidPattern;
    }
}

Qt::PenStyle ReportPenStyle(int style) {
    switch (style) {
        case 1: return Qt::DashLine;
        case 2: return Qt::DotLine;
        case 3: return Qt::DashDotLine;
        case 4: return Qt::DashDotDotLine;
        case 5: return Qt::NoPen;
        default: return Qt::SolidLine;
    }
}

QColor MonoBrush(int colour, bool attributeRecord) {
    if (OneOf(colour, {9, 15, 17, 18, 19, 22})) return Qt::white;
    if (attributeRecord && OneOf(colour, {21, 23, 25, 26, 27})) return QColor(192, 192, 192);
    return QColor(128, 128, 128);
}

QColor MonoPen(int colour) {
    return OneOf(colour, {9, 15, 18, 19, 22}) ? Qt::white : Qt::black;
}

QColor MonoText(int colour) {
    return colour == 15 ? Qt::white : Qt::black;
}

QFont ReportFont(int face, int points, int styleBits, double spacingPixels) {
    QFont f(ReportTypeface(face));
    f.setPointSize(std::max(1, points));
    f.setBold(styleBits & 1);
    f.setItalic(styleBits & 2);
    f.setUnderline(styleBits & 4);
    if (spacingPixels != 0) f.setLetterSpacing(QFont::AbsoluteSpacing, spacingPixels);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

}  // namespace cgt
