#pragma once
// Calcul: running the line under the caret (line mode, F9) or the group of program lines
// around it (group mode, F10) and writing the run's outputs into the sheet as centred lines in
// the output font directly below, replacing the outputs of an earlier run of the same lines.
// Written once against Document, so the window's editor and the in-memory sheet run alike.
//
// The window may run the program itself (to keep responsive, to stop it) and then finish:
//   if (auto plan = findProgram(doc, mode)) { calc.run(plan->program); finishCalcul(...); }
// which is what Calcul() does in one go.
#include "textcalc/sheet/document.h"

#include <optional>
#include <string>
#include <vector>

namespace textcalc {
class Calculator;
}

namespace textcalc::sheet {

enum class RunMode { Line, Group };

// What a run takes from the sheet.
struct RunPlan {
    std::string program; // the line, or the group's lines joined with single blanks
    int lastLine = 0;    // the outputs go below this line
    Position caretBefore;
};

// Finds the program under the caret. A caret on the empty position after the sheet's final
// line break first gets one blank there. Nothing is to run (nullopt) when the program text is
// empty or one blank, and when the caret's line is an output line.
std::optional<RunPlan> findProgram(Document& doc, RunMode mode);

struct CalculResult {
    bool ran = false;           // false: nothing ran (the sheet changed at most by that blank)
    bool echoOutputs = false;   // the `output` button's state after the run (Output+/Output-)
    double elapsedSeconds = 0;  // since the run started
    std::string elapsedText;    // the same for the status bar: " 0.25 s"
    bool endedWithError = false; // the last output is an error line or the Break line
    int firstOutputLine = 0;     // the lines the outputs were written to, for the view to show
    int lastOutputLine = -1;
};

// Writes `outputs` below plan.lastLine: the sheet gets an empty last line first when the run's
// last line was its last; output k replaces the text of the output line at lastLine + 1 + k or
// is inserted there; the written lines are centred in `outputFont`; centred lines directly
// after them (the rest of a longer earlier output) are deleted, up to a line of another
// alignment (a right-aligned note of the user's stays). The caret goes to the end of
// the line after the outputs with `nextline`, else back where it was before the run.
void writeOutputs(Document& doc, const RunPlan& plan, const std::vector<std::string>& outputs,
                  const CharFormat& outputFont, bool nextline);

// After calc.run(plan.program): writes calc.Outputs as one update, clears the undo history
// (a run cannot be undone) and reports the run for the window's buttons and status bar.
CalculResult finishCalcul(Document& doc, Calculator& calc, const RunPlan& plan, const CharFormat& outputFont,
                          bool nextline);

CalculResult Calcul(Document& doc, Calculator& calc, RunMode mode, const CharFormat& outputFont, bool nextline);

// Whether a run's outputs end with an error line ("Error. …" or the Break line).
bool endsWithError(const std::vector<std::string>& outputs);

} // namespace textcalc::sheet
