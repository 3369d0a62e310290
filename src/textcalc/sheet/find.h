#pragma once
// Find and replace on the sheet, for the find/replace window: searches ignore case, also of
// letters beyond ASCII ("ČEŠTINA" finds "čeština"), and never cross a line break. An empty
// search text is never found.
#include "textcalc/sheet/document.h"

#include <string>

namespace textcalc::sheet {

// Searches from the end of the selection, or from the caret when nothing is selected, to the
// end of the sheet and selects the first occurrence. False, with nothing changed, when there
// is none.
bool findNext(Document& doc, const std::string& text);

// findNext, then replaces the occurrence with `replacement` and selects the inserted text, so
// that repeated calls walk through the sheet.
bool replaceNext(Document& doc, const std::string& text, const std::string& replacement);

// Whether the selection is exactly one occurrence of `text`, as a search leaves it.
bool selectionIsOccurrence(const Document& doc, const std::string& text);

// Replaces every occurrence inside the selection, or in the whole sheet when nothing is
// selected, each search going on after the inserted replacement up to the end of the range
// (which moves with the replacements' change of length). Afterwards the selection has its old
// start and length again. Returns the number of replacements.
int replaceAll(Document& doc, const std::string& text, const std::string& replacement);

} // namespace textcalc::sheet
