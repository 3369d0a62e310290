#pragma once
// Reads RTF into a sheet: paragraphs with their alignment (left, centred, right; justified
// counts as left) and runs with font name, size, colour, bold, italic and underline. Text comes
// through the ANSI code page (Windows-1250 or 1252), \'hh and \uN (with \ucN fallbacks). What a
// sheet cannot show (pictures, objects, headers, footnotes, style and list tables, document
// information and every group marked \*) is skipped, never shown as text.
//
// Hostile input is read as far as it can be: a truncated file gives what came before the cut,
// groups nested deeper than MaxRtfDepth end the reading there, and binary noise gives whatever
// text it holds. Reading never takes more than linear time in the input.
#include "textcalc/sheet/document.h"

#include <optional>
#include <stdexcept>
#include <string_view>

namespace textcalc::sheet {

constexpr int MaxRtfDepth = 1000;

// Thrown by the readers when a sheet would get more than this many lines.
constexpr int MaxSheetLines = 200000;
struct TooManyLines : std::runtime_error {
    TooManyLines() : std::runtime_error("too many lines") {}
};

bool looksLikeRtf(std::string_view data);
// Whatever follows the document's group is ignored.
SheetContent readRtf(std::string_view data);
// Nothing when anything but blanks follows the document's group: a text that only starts like
// RTF (a plain-text sheet whose first line is "{\rtf…").
std::optional<SheetContent> readRtfDocument(std::string_view data);

} // namespace textcalc::sheet
