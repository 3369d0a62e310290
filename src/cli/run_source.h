#pragma once
// The run of `zoltcalc-cli run` once the program text is read: its lines joined with blanks
// into one run, or each line on its own with --lines (the tables kept between them). The
// language's fuzz target runs texts through here, so it sees what the command line does.
#include <functional>
#include <string>

namespace textcalc {
class Calculator;
}

namespace cli {

// Runs `source` on `calc` and hands every output line to `output` as each run ends; lines of
// nothing or one blank are not run. A stop the calculator's stop hook asks for ends the whole
// text: the run under way ends with the stopped line, and before a line that has not started
// the stopped line is given in its place. True when the last run ended with an error line (a
// stopped run does) or the Break line.
bool runSource(textcalc::Calculator& calc, const std::string& source, bool byLines,
               const std::function<void(const std::string&)>& output);

// Whether the calculator's stop hook asks for a stop now. Once asked, it stays asked.
bool stopAsked(textcalc::Calculator& calc);
// Whether the last run ended with the stopped line because a stop was asked (a run that
// finished before it looked is whole).
bool lastRunStopped(textcalc::Calculator& calc);

} // namespace cli
