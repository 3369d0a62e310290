#pragma once
// How tall the editor lays a sheet out. Qt's document layout keeps positions in 26.6 fixed
// point and stops at 2^23 pixels: the lines below are never laid out, its background layout
// starts over and over, and the first key that needs them (Ctrl+End, typing) freezes the
// window for minutes. Sheets are kept well below that height.
#include <QPaintDevice>

class QTextDocument;

namespace textcalc::sheet {

// Pixels; Qt's own limit is 8,388,607.
constexpr double MaxLayoutHeight = 8'000'000;

// An estimate of the document's height laid out on `device` in lines `lineWidth` pixels wide,
// from the advances of the characters (a line wrapped at blanks counts one screen line more),
// cheap enough for every open: it measures each character of each format once and lays
// nothing out.
double estimatedLayoutHeight(const QTextDocument& document, const QPaintDevice* device, double lineWidth);

} // namespace textcalc::sheet
