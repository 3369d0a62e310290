#pragma once
// Sheets as plain text: one line per paragraph. Saving loses all formatting, and with it the
// marking of output lines. Files are written as UTF-8 and read as UTF-8, or as Windows-1250
// when they are not valid UTF-8 (sheets saved on older systems).
#include "textcalc/sheet/document.h"

#include <string>
#include <string_view>

namespace textcalc::sheet {

// Lines joined by "\n", without a final line break: an empty last line is a final break.
std::string writePlainText(const SheetContent& content);
// Lines end at LF, CR LF or CR; every line is left-aligned in `format`, its characters as
// lineCharacter (line_characters.h) keeps them. Throws TooManyLines (rtf_reader.h) beyond
// MaxSheetLines.
SheetContent readPlainText(std::string_view bytes, const CharFormat& format);
// False for bytes that hold no text: a NUL byte, or control characters in more than one byte
// of twenty (a picture, an archive, random data).
bool looksLikeText(std::string_view bytes);

} // namespace textcalc::sheet
