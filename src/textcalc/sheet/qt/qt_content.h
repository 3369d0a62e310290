#pragma once
// Conversions between the sheet's value types and Qt's rich text: character formats, and a
// whole SheetContent loaded into or read back from a QTextDocument (what sheet files give and
// take). Loading replaces the document's text and leaves no undo history.
#include "textcalc/sheet/document.h"

#include <QTextCharFormat>

class QTextDocument;

namespace textcalc::sheet {

QTextCharFormat toQt(const CharFormat& format);
// Properties the Qt format leaves unset are taken from `unset`.
CharFormat fromQt(const QTextCharFormat& format, const CharFormat& unset = {});
Qt::Alignment toQt(Alignment alignment);
Alignment fromQt(Qt::Alignment alignment);

void loadContent(QTextDocument& document, const SheetContent& content);
SheetContent contentOf(const QTextDocument& document);

} // namespace textcalc::sheet
