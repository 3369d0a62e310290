// The RTF reader of sheet files: any bytes give a sheet (or TooManyLines) whose text is valid
// UTF-8 without line breaks inside a paragraph, and saving that sheet as RTF reads back as the
// same text, alignments and formats, so opening and saving a file loses nothing more.
#include "platform/utf8.h"
#include "textcalc/sheet/files/rtf_reader.h"
#include "textcalc/sheet/files/rtf_writer.h"

#include "fuzz_support.h"

using namespace textcalc::sheet;

namespace {

// Runs merged where their formats are equal and empty runs dropped: the writer need not keep
// the reader's cuts between runs of one format.
SheetContent merged(SheetContent content)
{
    for (Paragraph& p : content.paragraphs) {
        std::vector<Run> runs;
        for (Run& r : p.runs) {
            if (r.text.empty())
                continue;
            if (!runs.empty() && runs.back().format == r.format)
                runs.back().text += r.text;
            else
                runs.push_back(std::move(r));
        }
        p.runs = std::move(runs);
    }
    return content;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SheetContent content;
    try {
        content = readRtf(fuzz::asText(data, size));
    } catch (const TooManyLines&) {
        return 0;
    }
    fuzz::require(!content.paragraphs.empty(), "a sheet has a line");
    for (const Paragraph& p : content.paragraphs)
        for (const Run& r : p.runs) {
            fuzz::require(platform::isValidUtf8(r.text), "text is valid UTF-8");
            fuzz::require(r.text.find_first_of("\r\n") == std::string::npos, "a paragraph is one line");
            fuzz::require(platform::isValidUtf8(r.format.fontName), "font names are valid UTF-8");
        }
    const SheetContent again = readRtf(writeRtf(content));
    fuzz::require(merged(again) == merged(content), "a saved sheet reads back as it was");
    return 0;
}
