// Text-file statements. Each action reports its own failure message, whatever the platform's
// reason was; on success a report line when reporting is on.
#include "textcalc/language/program.h"
#include "textcalc/language/run_context.h"
#include "textcalc/language/statements_parts.h"
#include "textcalc/language/textfile_io.h"

namespace textcalc::statements {

namespace {

std::string inQuotes(const std::string& name)
{
    return "\" " + name + " \"";
}

void report(RunContext& calc, const std::string& line)
{
    if (calc.reporting())
        calc.vyp(line);
}

// Opens, or closes, the file; `done` completes "Text file \" m \" …".
void fileAction(RunContext& calc, TextFile& file, bool (*action)(TextFile&), const char* done,
                const char* failure)
{
    if (!action(file))
        calc.chyb(std::string(failure) + inQuotes(file.Name) + ".");
    report(calc, "Text file " + inQuotes(file.Name) + " " + done);
}

// The value's text goes into the file; an evaluation error has written its own line before
// the write failure ends the run.
void writeLine(RunContext& calc, TextFile& file, const std::string& expression)
{
    const std::string failure = "Unable to write to text file " + inQuotes(file.Name) + ".";
    const std::string line = onRunFailure([&] { return calc.cistostr(calc.eval(expression)); },
                                          [&]() -> std::string { calc.chyb(failure); });
    if (!textfiles::writeLine(file, line))
        calc.chyb(failure);
    report(calc, line + " eas written to text file " + inQuotes(file.Name) + ".");
}

} // namespace

void executeFileStatement(RunContext& calc, const Instruction& in)
{
    TextFile& file = calc.textFiles()[static_cast<size_t>(in.Ref1)];
    switch (in.kind) {
    case KindAssign:
        if (!textfiles::assign(file, calc.settings().programDirectory / "textfiles", in.Text1))
            calc.chyb("Unable to assign text file " + inQuotes(file.Name) + ".");
        // The report shows three dots for the program directory.
        report(calc, "Text file " + inQuotes(file.Name) + " asociated with file \" ...\\textfiles\\" + in.Text1 +
                         ".txt \".");
        break;
    case KindReset:
        fileAction(calc, file, textfiles::reset, "opened to read.", "Unable to open text file ");
        break;
    case KindRewrite:
        fileAction(calc, file, textfiles::rewrite, "opened to write.", "Unable to open text file ");
        break;
    case KindAppend:
        fileAction(calc, file, textfiles::append, "opened to append.", "Unable to open text file ");
        break;
    case KindClose:
        fileAction(calc, file, textfiles::close, "closed.", "Unable to close text file ");
        break;
    default:
        writeLine(calc, file, in.Text1);
        break;
    }
}

} // namespace textcalc::statements
