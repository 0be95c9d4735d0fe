#pragma once
// The colours, typefaces, brush and pen styles of the report scripts, and the
// monochrome rules of printing.
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>

namespace cgt {

// Colour n of the table (1 to 27); black for a number outside it.
QColor ReportColour(int n);
// Liberation metric equivalents of the four typefaces.
QString ReportTypeface(int face);
// A typeface named in a text's markup ("<FArial>"): its Liberation
// equivalent when it is one of the four, else the name as given.
QString ReportTypefaceNamed(const QString& name);
Qt::BrushStyle ReportBrushStyle(int style);
Qt::PenStyle ReportPenStyle(int style);

// Monochrome: brushes white, silver or grey; pens and text white or black.
QColor MonoBrush(int colour, bool attributeRecord);
QColor MonoPen(int colour);
QColor MonoText(int colour);

// A font of the scripts: size in points already scaled.
QFont ReportFont(int face, int points, int styleBits, double spacingPixels = 0);

}  // namespace cgt
