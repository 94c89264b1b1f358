#pragma once
// The text size of everything written on the table.
#include <QFont>

class QPaintDevice;

namespace tandrel {

// True when the screen is not at the standard 96 logical dots per inch.
bool LargeFonts();

// 6 points on a large-font screen, 9.75 otherwise.
double TableFontPoints();

// The desktop's sans-serif family at TableFontPoints(), made just small enough
// that the panel texts fit their panels on the given surface; fonts differ in
// width from desktop to desktop.
QFont TableFont(const QPaintDevice& surface);
// The same from a family and a starting size given: another thread asks the
// screen nothing.
QFont TableFont(const QPaintDevice& surface, const QString& family, double points);
// The desktop's sans-serif family.
QString TableFontFamily();

} // namespace tandrel
