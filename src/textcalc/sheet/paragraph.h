#pragma once
// Editing one paragraph's formatted runs by column, as the in-memory document and the file
// readers need it. Runs stay normalised: no empty runs, no two neighbours with one format.
#include "textcalc/sheet/document.h"

namespace textcalc::sheet {

int columnCount(const Paragraph& p);
// The format text typed at `column` gets: that of the character before it, of the first
// character at column 0, or the paragraph's end format when it is empty.
CharFormat formatAt(const Paragraph& p, int column);
void insertText(Paragraph& p, int column, std::string_view text, const CharFormat& format);
void eraseColumns(Paragraph& p, int from, int to);
// Cuts the paragraph at `column` and returns the part after it, with the same alignment.
Paragraph splitAt(Paragraph& p, int column);
// Appends the runs of `tail` (the joining of two paragraphs by deleting the break between them).
void appendRuns(Paragraph& p, const Paragraph& tail);
// Replaces `length` columns at each of `columns` (ascending, not overlapping) by `text`, each
// in the format formatAt gives at its column; a line break in `text` cuts the paragraph there.
// The paragraphs it becomes (at least one), in one pass over its runs.
std::vector<Paragraph> replaceColumns(const Paragraph& p, const std::vector<int>& columns, int length,
                                      std::string_view text);
// Merges neighbouring runs of one format and drops empty ones.
void normalise(Paragraph& p);

} // namespace textcalc::sheet
