#include "cli/run_source.h"

#include "cli/lines.h"
#include "textcalc/language/calculator.h"
#include "textcalc/sheet/calcul.h"

#include <vector>

namespace cli {

bool stopAsked(textcalc::Calculator& calc) { return calc.callbacks.stopRequested && calc.callbacks.stopRequested(); }

bool lastRunStopped(textcalc::Calculator& calc)
{
    return stopAsked(calc) && !calc.Outputs.empty() && calc.Outputs.back() == calc.settings.stoppedLine;
}

bool runSource(textcalc::Calculator& calc, const std::string& source, bool byLines,
               const std::function<void(const std::string&)>& output)
{
    std::vector<std::string> programs;
    const std::vector<std::string> lines = splitLines(source);
    if (byLines) {
        programs = lines;
    } else {
        std::string joined;
        for (size_t k = 0; k < lines.size(); ++k)
            joined += (k ? " " : "") + lines[k];
        programs.push_back(joined);
    }

    bool failed = false;
    for (const std::string& program : programs) {
        if (program.empty() || program == " ")
            continue;
        if (stopAsked(calc)) {
            output(calc.settings.stoppedLine);
            return true;
        }
        calc.run(program);
        for (const std::string& line : calc.Outputs)
            output(line);
        failed = textcalc::sheet::endsWithError(calc.Outputs);
        if (lastRunStopped(calc))
            return true;
    }
    return failed;
}

} // namespace cli
