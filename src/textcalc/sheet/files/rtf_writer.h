#pragma once
// Writes a sheet as RTF that word processors open with the same paragraphs, alignment, fonts,
// sizes, colours and styles: Windows-1250 as the ANSI code page, every non-ASCII character as
// \uN with its Windows-1250 byte (or "?") as the fallback for readers without Unicode.
#include "textcalc/sheet/document.h"

#include <string>

namespace textcalc::sheet {

std::string writeRtf(const SheetContent& content);

} // namespace textcalc::sheet
