#include "textcalc/sheet/calcul.h"

#include "textcalc/language/calculator.h"
#include "textcalc/sheet/files/rtf_reader.h"
#include "textcalc/sheet/text_columns.h"

#include <algorithm>

namespace textcalc::sheet {

namespace {

bool isOutputLine(const Document& doc, int line) { return isOutputAlignment(doc.alignment(line)); }

// Output lines are single paragraphs: a line break inside an output would split it.
std::string oneLine(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return text;
}

} // namespace

std::optional<RunPlan> findProgram(Document& doc, RunMode mode)
{
    RunPlan plan;
    plan.caretBefore = doc.caret();
    const int r = plan.caretBefore.line;
    if (isOutputLine(doc, r))
        return std::nullopt;
    if (r == doc.lineCount() - 1 && doc.lineText(r).empty()) {
        doc.replaceLineText(r, " ");
        doc.setCaret(plan.caretBefore);
    }

    int first = r;
    int last = r;
    if (mode == RunMode::Group) {
        while (first > 0 && !isOutputLine(doc, first - 1))
            --first;
        while (last + 1 < doc.lineCount() && !isOutputLine(doc, last + 1))
            ++last;
    }
    for (int line = first; line <= last; ++line)
        plan.program += (line > first ? " " : "") + doc.lineText(line);
    plan.lastLine = last;
    if (plan.program.empty() || plan.program == " ")
        return std::nullopt;
    return plan;
}

void writeOutputs(Document& doc, const RunPlan& plan, const std::vector<std::string>& outputs,
                  const CharFormat& outputFont, bool nextline)
{
    const int last = plan.lastLine;
    if (last == doc.lineCount() - 1)
        doc.insertLine(doc.lineCount(), "");
    const int count = static_cast<int>(outputs.size());
    for (int k = 0; k < count; ++k) {
        const int t = last + 1 + k;
        if (t < doc.lineCount() && isOutputLine(doc, t))
            doc.replaceLineText(t, oneLine(outputs[static_cast<size_t>(k)]));
        else
            doc.insertLine(t, oneLine(outputs[static_cast<size_t>(k)]));
    }
    for (int t = last + 1; t <= last + count; ++t)
        doc.formatLine(t, Alignment::Center, outputFont);
    // The rest of a longer earlier output goes; a right-aligned line there is the user's note.
    const int after = last + count + 1;
    while (after < doc.lineCount() && doc.alignment(after) == Alignment::Center)
        doc.deleteLine(after);

    if (nextline) {
        // When deleted old outputs ended the sheet, no line follows: the caret ends the sheet.
        const int line = std::min(after, doc.lineCount() - 1);
        doc.setCaret({line, columnCount(doc.lineText(line))});
    } else {
        doc.setCaret(plan.caretBefore);
    }
}

// Outputs that would make the sheet longer than it can be opened again stop where it is full,
// with an error line saying why.
static void keepWithinTheSheet(const Document& doc, const RunPlan& plan, std::vector<std::string>& outputs)
{
    int earlier = 0;
    while (plan.lastLine + 1 + earlier < doc.lineCount() && isOutputLine(doc, plan.lastLine + 1 + earlier))
        ++earlier;
    const int lines = doc.lineCount() - earlier + static_cast<int>(outputs.size())
                      + (plan.lastLine == doc.lineCount() - 1 ? 1 : 0);
    if (lines <= MaxSheetLines)
        return;
    outputs.resize(static_cast<size_t>(std::max(0, static_cast<int>(outputs.size()) - (lines - MaxSheetLines) - 1)));
    outputs.push_back("Error. A sheet holds at most " + std::to_string(MaxSheetLines) + " lines.");
}

CalculResult finishCalcul(Document& doc, Calculator& calc, const RunPlan& plan, const CharFormat& outputFont,
                          bool nextline)
{
    keepWithinTheSheet(doc, plan, calc.Outputs);
    {
        UpdateScope batch(doc);
        writeOutputs(doc, plan, calc.Outputs, outputFont, nextline);
    }
    doc.clearUndo();

    CalculResult result;
    result.ran = true;
    result.echoOutputs = calc.settings.EchoOutputs;
    result.elapsedSeconds = calc.elapsedSeconds();
    result.elapsedText = calc.elapsedText();
    result.endedWithError = endsWithError(calc.Outputs);
    result.firstOutputLine = plan.lastLine + 1;
    result.lastOutputLine = plan.lastLine + static_cast<int>(calc.Outputs.size());
    return result;
}

CalculResult Calcul(Document& doc, Calculator& calc, RunMode mode, const CharFormat& outputFont, bool nextline)
{
    const std::optional<RunPlan> plan = findProgram(doc, mode);
    if (!plan) {
        CalculResult nothing;
        nothing.echoOutputs = calc.settings.EchoOutputs;
        return nothing;
    }
    calc.run(plan->program);
    return finishCalcul(doc, calc, *plan, outputFont, nextline);
}

bool endsWithError(const std::vector<std::string>& outputs)
{
    if (outputs.empty())
        return false;
    const std::string& last = outputs.back();
    return last.rfind("Error. ", 0) == 0 || last == "Execution terminated by \" Break \" statement.";
}

} // namespace textcalc::sheet
