// The sheet's round trip as the window makes it: any bytes are opened as a sheet (RTF or plain
// text, or refused as neither), loaded into the editor's rich text, read back from it and saved
// as RTF and as plain text; each saved file opens again with the same lines. The editor keeps
// every line as one line with its text, and the RTF file keeps the alignments too.
#include "textcalc/sheet/files/plain_text.h"
#include "textcalc/sheet/files/rtf_reader.h"
#include "textcalc/sheet/files/rtf_writer.h"
#include "textcalc/sheet/files/sheet_file.h"
#include "textcalc/sheet/qt/qt_content.h"

#include "fuzz_support.h"
#include "gui_application.h"

#include <QTextDocument>

using namespace textcalc::sheet;

namespace {

const CharFormat Input{"Courier New", 10, textcalc::Colour{}, false, false, false};

std::vector<std::string> textsOf(const SheetContent& content)
{
    std::vector<std::string> texts;
    for (const Paragraph& p : content.paragraphs)
        texts.push_back(p.text());
    return texts;
}

std::vector<Alignment> alignmentsOf(const SheetContent& content)
{
    std::vector<Alignment> alignments;
    for (const Paragraph& p : content.paragraphs)
        alignments.push_back(p.alignment);
    return alignments;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ensureGuiApplication();
    SheetContent opened;
    try {
        opened = readSheet(fuzz::asText(data, size), Input);
    } catch (const TooManyLines&) {
        return 0;
    } catch (const NotText&) {
        return 0;
    }
    QTextDocument editor;
    loadContent(editor, opened);
    const SheetContent edited = contentOf(editor);
    fuzz::require(textsOf(edited) == textsOf(opened), "the editor keeps every line and its text");
    fuzz::require(alignmentsOf(edited) == alignmentsOf(opened), "the editor keeps the alignments");

    const SheetContent fromRtf = readSheet(writeRtf(edited), Input);
    fuzz::require(textsOf(fromRtf) == textsOf(edited), "a saved RTF sheet opens with the same lines");
    fuzz::require(alignmentsOf(fromRtf) == alignmentsOf(edited), "a saved RTF sheet keeps the alignments");

    // A plain-text sheet that is a whole RTF document opens as RTF: that file is not a round trip.
    const std::string plain = writePlainText(edited);
    if (looksLikeRtf(plain) && readRtfDocument(plain))
        return 0;
    fuzz::require(textsOf(readSheet(plain, Input)) == textsOf(edited), "a saved plain-text sheet opens with the same lines");
    return 0;
}
