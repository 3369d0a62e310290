// Replace-all against the simplest way to do it, pressing Replace until nothing is found: any
// sheet (the input up to a first "\n====\n", read as plain text), search text and replacement
// (the rest, cut at a second "\n====\n") give the same lines and the same number of
// replacements, in the in-memory sheet and in the window's rich text, each against itself.
#include "textcalc/sheet/files/plain_text.h"
#include "textcalc/sheet/files/rtf_reader.h"
#include "textcalc/sheet/find.h"
#include "textcalc/sheet/plain_document.h"
#include "textcalc/sheet/qt/qt_content.h"
#include "textcalc/sheet/qt/qt_document.h"

#include "platform/utf8.h"

#include "fuzz_support.h"
#include "gui_application.h"

#include <QTextDocument>

using namespace textcalc::sheet;

namespace {

std::vector<std::string> linesOf(const Document& doc)
{
    std::vector<std::string> lines;
    for (int k = 0; k < doc.lineCount(); ++k)
        lines.push_back(doc.lineText(k));
    return lines;
}

// Replace-all on `doc` against pressing Replace on `reference`, a sheet of the same kind.
void check(Document& doc, Document& reference, const std::string& text, const std::string& replacement,
           const char* where)
{
    int presses = 0;
    while (replaceNext(reference, text, replacement))
        ++presses;
    if (replaceAll(doc, text, replacement) != presses || linesOf(doc) != linesOf(reference)) {
        std::fprintf(stderr, "%s\n", where);
        fuzz::require(false, "replace-all gives the lines and the count that pressing Replace gives");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ensureGuiApplication();
    const auto [sheetBytes, rest] = fuzz::twoParts(fuzz::asText(data, size));
    const auto [searchBytes, replacementBytes] = fuzz::twoParts(rest);
    const std::string text = platform::toUtf8FromLegacy(std::string(searchBytes));
    const std::string replacement = platform::toUtf8FromLegacy(std::string(replacementBytes));
    SheetContent content;
    try {
        content = readPlainText(sheetBytes, CharFormat{});
    } catch (const TooManyLines&) {
        return 0;
    }

    PlainDocument plain(content), plainReference(content);
    check(plain, plainReference, text, replacement, "in memory");

    QTextDocument editor, editorReference;
    loadContent(editor, content);
    loadContent(editorReference, content);
    QtDocument rich(editor), richReference(editorReference);
    check(rich, richReference, text, replacement, "in the editor");
    return 0;
}
