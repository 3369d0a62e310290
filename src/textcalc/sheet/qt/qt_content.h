#pragma once
// Conversions between the sheet's value types and Qt's rich text: character formats, and a
// whole SheetContent loaded into or read back from a QTextDocument (what sheet files give and
// take). Loading replaces the document's text and leaves no undo history.
#include "textcalc/sheet/document.h"

#include <QTextCharFormat>

#include <functional>
#include <string>

class QTextDocument;

namespace textcalc::sheet {

QTextCharFormat toQt(const CharFormat& format);
// Properties the Qt format leaves unset are taken from `unset`.
CharFormat fromQt(const QTextCharFormat& format, const CharFormat& unset = {});
Qt::Alignment toQt(Alignment alignment);
Alignment fromQt(Qt::Alignment alignment);

// Lines the editor lays out fast enough to stay usable. Qt's layout of a paragraph grows with
// the square of its length where no blank lets it break the line, and with the square of its
// changes of format; such a line is laid out again at every key typed in it. Measured: 20,000
// characters without a blank 0.19 s, 80,000 1.8 s; 2,000 formats 0.04 s, 8,000 0.39 s.
constexpr int MaxEditorLineLength = 20000;
constexpr int MaxEditorLineFormats = 2000;
// Throws platform::UserError naming the first line of `fileName` beyond either limit.
void checkEditorLimits(const SheetContent& content, const std::string& fileName);

// Asked after every batch of lines loaded; false stops the loading.
using LoadProgress = std::function<bool(int loaded, int total)>;
// False when `progress` stopped it: the document then holds only part of the sheet.
bool loadContent(QTextDocument& document, const SheetContent& content, const LoadProgress& progress = {});
SheetContent contentOf(const QTextDocument& document);

} // namespace textcalc::sheet
