// Text-file statements. Each action reports its own failure message, whatever the platform's
// reason was; on success a report line when reporting is on.
#include "textcalc/language/program.h"
#include "textcalc/language/run_context.h"
#include "textcalc/language/statements.h"
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

// The entry the statement names (Ref1).
TextFile& fileOf(RunContext& calc, const Instruction& in)
{
    return calc.textFiles()[static_cast<size_t>(in.Ref1)];
}

} // namespace

void assign(RunContext& calc, const Instruction& in)
{
    TextFile& file = fileOf(calc, in);
    if (!textfiles::assign(file, calc.settings().programDirectory / "textfiles", in.Text1))
        calc.chyb("Unable to assign text file " + inQuotes(file.Name) + ".");
    // The report shows three dots for the program directory.
    report(calc, "Text file " + inQuotes(file.Name) + " asociated with file \" ...\\textfiles\\" + in.Text1 + ".txt \".");
}

void reset(RunContext& calc, const Instruction& in)
{
    fileAction(calc, fileOf(calc, in), textfiles::reset, "opened to read.", "Unable to open text file ");
}

void rewrite(RunContext& calc, const Instruction& in)
{
    fileAction(calc, fileOf(calc, in), textfiles::rewrite, "opened to write.", "Unable to open text file ");
}

void append(RunContext& calc, const Instruction& in)
{
    fileAction(calc, fileOf(calc, in), textfiles::append, "opened to append.", "Unable to open text file ");
}

void close(RunContext& calc, const Instruction& in)
{
    fileAction(calc, fileOf(calc, in), textfiles::close, "closed.", "Unable to close text file ");
}

// The value's text goes into the file; an evaluation error has written its own line before
// the write failure ends the run.
void writeLn(RunContext& calc, const Instruction& in)
{
    TextFile& file = fileOf(calc, in);
    const std::string failure = "Unable to write to text file " + inQuotes(file.Name) + ".";
    const std::string line = onRunFailure([&] { return calc.cistostr(calc.eval(in.Text1)); },
                                          [&](const RunError& error) -> std::string {
                                              calc.writeErrorLine(error);
                                              calc.chyb(failure);
                                          });
    if (!textfiles::writeLine(file, line))
        calc.chyb(failure);
    report(calc, line + " eas written to text file " + inQuotes(file.Name) + ".");
}

} // namespace textcalc::statements
