// Reading from text files and asking the user: readln, eof, getnum, question.
#include "textcalc/library/library_functions.h"

#include "platform/utf8.h"
#include "textcalc/language/run_context.h"
#include "textcalc/library/library_support.h"
#include "textcalc/language/textfile_io.h"

#include <charconv>
#include <string>

namespace textcalc::library {

namespace {

// The entry named by the argument "f)", searched from the last entry.
TextFile& textFile(RunContext& calc, Arguments& args, std::string& name)
{
    name = std::string(scanExpecting(args, ')').text);
    for (size_t k = calc.textFiles().size(); k-- > 0;)
        if (calc.textFiles()[k].Name == name)
            return calc.textFiles()[k];
    calc.chyb("Unknown text file identifier \" " + name + " \".");
}

// A line of a file is read as typed: "**" and ".." get their prepared codes and blanks go,
// nothing else (letters keep their case, so capitals are unexpected characters).
std::string lineAsExpression(const std::string& line)
{
    std::string out;
    for (size_t k = 0; k < line.size(); ++k) {
        const char c = line[k];
        if (c == ' ')
            continue;
        if ((c == '*' || c == '.') && k + 1 < line.size() && line[k + 1] == c) {
            out += c == '*' ? '^' : '_';
            ++k;
            continue;
        }
        out += c;
    }
    return out;
}

// An error while evaluating the line has written its own error line first.
Number readln(RunContext& calc, Arguments& args)
{
    std::string name;
    TextFile& file = textFile(calc, args, name);
    const std::string failure = "Unable to read from text file \" " + name + " \".";
    std::string line;
    if (!textfiles::readLine(file, line))
        calc.chyb(failure);
    return onRunFailure([&] { return calc.eval(lineAsExpression(platform::toUtf8FromLegacy(line))); },
                        [&](const RunError& error) -> Number {
                            calc.writeErrorLine(error);
                            calc.chyb(failure);
                        });
}

Number eof(RunContext& calc, Arguments& args)
{
    std::string name;
    TextFile& file = textFile(calc, args, name);
    bool end = false;
    if (!textfiles::atEnd(file, end))
        calc.chyb("Unable to detect end of text file \" " + name + " \".");
    return exactInteger(end ? 1 : 0);
}

// The argument "k)" is the index of a string literal: preparation replaced the literal by it.
const std::string& literal(RunContext& calc, Arguments& args, const char* function)
{
    const std::string_view arg = scanExpecting(args, ')').text;
    size_t k = 0;
    const auto [end, error] = std::from_chars(arg.data(), arg.data() + arg.size(), k);
    if (arg.empty() || error != std::errc() || end != arg.data() + arg.size() || k >= calc.Literals.size())
        calc.chyb(std::string("Invalid string in \" ") + function + " \" function.");
    return calc.Literals[k];
}

// The answer is evaluated as typed (not prepared); a cancelled dialog gives the default "0".
// Read bytes (a file, or standard input in the command line) are text as program text is:
// UTF-8, else Windows-1250, so that an error line quoting them is valid text. A stop asked for
// while a dialog waited (the command line's timeout or a signal) ends the run at its answer.
Number getnum(RunContext& calc, Arguments& args)
{
    const std::string prompt = literal(calc, args, "GetNum");
    const std::string answer = calc.services.inputBox("getnumber", prompt, "0").value_or("0");
    calc.pollStopNow(true);
    return calc.eval(platform::toUtf8FromLegacy(answer));
}

Number question(RunContext& calc, Arguments& args)
{
    const std::string prompt = literal(calc, args, "Question");
    const platform::Answer answer =
        calc.services.message(platform::MessageKind::Confirmation, prompt, platform::Buttons::YesNo);
    calc.pollStopNow(true);
    return exactInteger(answer == platform::Answer::Yes ? 1 : 0);
}

const ScannedEntry functions[] = {
    {"readln", readln},
    {"eof", eof},
    {"getnum", getnum},
    {"question", question},
};

} // namespace

std::span<const ScannedEntry> inputFunctions()
{
    return functions;
}

} // namespace textcalc::library
