// zoltcalc-cli: the table of subcommands with their usage and help texts, and the dispatch on
// the first argument. Each subcommand's function lives in its own cmd_*.cpp.
#include "cli/command.h"
#include "cli/help.h"
#include "cli/subcommands.h"

#include <iostream>
#include <sys/resource.h>

namespace cli {

namespace {

// In alphabetical order: --help lists them as they stand here.
const Command Commands[] = {
    {"base", "base NUMBER FROM TO [PLACES]",
     {"convert a number between bases",
      "Converts NUMBER from base FROM to base TO (2 to 36) with PLACES digits after the comma\n"
      "(0 to 15, default 5), as the base conversion window does; a fraction in NUMBER follows\n"
      "a comma too. Prints the result, or \"Invalid combination of number and base.\" and\n"
      "exits 1.",
      {},
      "zoltcalc-cli base ff 16 2\n"
      "zoltcalc-cli base 255,75 10 36 3"},
     &runBase},

    {"check", "check (FILE | - | -e TEXT)",
     {"find a program's errors without running it",
      "Reads a program of the text calculator from FILE, standard input (-) or TEXT as run\n"
      "does (its lines one run) and prints \"LINE:COLUMN: message\" for the first error of\n"
      "each line that holds one: errors of its text, of its statements' forms and of the\n"
      "order of its expressions, found without running anything. Exits 1 when it printed\n"
      "any, else 0 without printing.",
      {{"-e TEXT", "check TEXT instead of a file"}},
      "zoltcalc-cli check -e \"f(x):=x^2; f(3)\"\n"
      "printf 'x:=1/3;\\nx+1\\n' | zoltcalc-cli check -"},
     &runCheck},

    {"keys",
     "keys [--base B] [--digits N] [--decimals D] [--leading-zeros L] [--scientific] "
     "[--no-rounding] [--separator C] [--no-priority] [--angle DEG|RAD|GRA] "
     "[--clipboard TEXT] [--memory I=VALUE]... [--dms D,M,S] [--decimal-separator C] KEY...",
     {"press keys of the keypad and print its display",
      "Presses keys of the keypad by their control names, each as a left click does, starting\n"
      "from a cleared keypad. Prints each message box as \"message: TEXT\", then the labels\n"
      "(display, expon, zavorky, deg), the trail, the five memory captions and the clipboard\n"
      "when a key wrote it.",
      {{"--base B", "number base, 2 to 16 (default 10)"},
       {"--digits N", "digits shown, 3 to 18"},
       {"--decimals D", "decimal places, 0 to 18"},
       {"--leading-zeros L", "most leading zeros before the scientific form, 0 to 17"},
       {"--scientific", "show numbers in the scientific format"},
       {"--no-rounding", "cut the last digit instead of rounding it"},
       {"--separator C", "digit group separator (empty for none)"},
       {"--no-priority", "work the operators from left to right"},
       {"--angle DEG|RAD|GRA", "angle unit of the functions (default DEG)"},
       {"--clipboard TEXT", "clipboard text for APaste"},
       {"--memory I=VALUE", "store VALUE in memory I (1 to 5); may be repeated"},
       {"--dms D,M,S", "degrees, minutes and seconds typed into the stmivt dialog"}},
      "zoltcalc-cli keys c1 plus c2 krat c3 rovnase\n"
      "zoltcalc-cli keys --base 16 c1 c5 krat c2 rovnase",
      &keyNames},
     &runKeys},

    {"linsys", "linsys (FILE | -)",
     {"solve a system of linear equations",
      "Reads n lines of n + 1 numbers (2 to 8 equations), each a row of the matrix followed\n"
      "by its right-hand side, from FILE or standard input (-). Prints the determinant, the\n"
      "rank and the solution (empty when there is none), or the window's error message and\n"
      "exits 1.",
      {},
      "printf '2 1 5\\n1 -1 1\\n' | zoltcalc-cli linsys -"},
     &runLinsys},

    {"macro", "macro [--decimal-separator C] FORMULA [X1 ... X6]",
     {"evaluate a macro formula",
      "Evaluates a macro formula with the input registers x1 ... x6 set to X1 ... X6 and\n"
      "prints the value with 15 significant digits, or \"Macro error.\" and exits 1.",
      {},
      "zoltcalc-cli macro \"4/3*pi*x^3\" 2"},
     &runMacro},

    {"run",
     "run [--echo] [--digits N] [--dir DIR] [--picture FILE] [--lines] [--timeout SECONDS] "
     "(FILE | - | -e TEXT)",
     {"run a text calculator program",
      "Runs a program of the text calculator from FILE, standard input (-) or TEXT and prints\n"
      "its output lines as the sheet gets them. The lines are one run, joined with blanks,\n"
      "unless --lines runs each on its own. Message boxes go to standard error; GetNum and\n"
      "questions read standard input. Exits 1 when the last line is an error line.\n"
      "SIGINT (Ctrl+C), SIGTERM and --timeout stop the run as the window's Stop button does:\n"
      "the output lines so far are printed, then \"Error. Program stopped by the user.\".",
      {{"-e TEXT", "run TEXT instead of a file"},
       {"--echo", "start with report lines on"},
       {"--digits N", "output precision, 1 to 18 (default 18)"},
       {"--dir DIR", "folder whose textfiles folder holds the program's text files"},
       {"--picture FILE", "save the picture afterwards (BMP, PNG or JPEG by extension)"},
       {"--lines", "run every line on its own, keeping the variables"},
       {"--timeout SECONDS", "stop the run after SECONDS (fractions allowed)"}},
      "zoltcalc-cli run -e \"x:=1/3; x+1\"\n"
      "printf 'r:=2\\npi*r^2\\n' | zoltcalc-cli run --lines --digits 6 -"},
     &runProgram},

    {"sheet", "sheet [--dir DIR] [--digits N] [--line] [--timeout SECONDS] [-o OUT] FILE",
     {"run a sheet file as the text calculator does",
      "Runs a sheet file (RTF, or plain text; - is standard input) top to bottom as a user\n"
      "would: every group of program lines once, or every program line with --line, writing\n"
      "the outputs as centred lines below it and replacing older ones. Writes the resulting\n"
      "sheet to OUT (RTF when OUT ends in \".rtf\", else plain text) and prints it, output\n"
      "lines prefixed by \"> \". Exits 1 when any run ended with an error line. SIGINT,\n"
      "SIGTERM and --timeout stop the run under way, which gets the outputs so far and\n"
      "\"Error. Program stopped by the user.\"; later programs are not run.",
      {{"-o OUT", "write the resulting sheet to OUT"},
       {"--line", "run every program line on its own"},
       {"--digits N", "output precision, 1 to 18 (default 18)"},
       {"--dir DIR", "folder whose textfiles folder holds the program's text files"},
       {"--timeout SECONDS", "stop the runs after SECONDS in all (fractions allowed)"}},
      "printf 'x:=1/3;\\nx+1\\n' | zoltcalc-cli sheet -\n"
      "printf 'r:=2\\npi*r^2\\n' | zoltcalc-cli sheet --line --digits 6 -"},
     &runSheetFile},

    {"stat", "stat [--relation] (FILE | -)",
     {"statistics of a list of observations",
      "Reads one observation a line, X or X and Y separated by blanks or a tab, from FILE\n"
      "or standard input (-) and prints the lines of the statistics window's output box,\n"
      "or \"Invalid data.\" and exits 1.",
      {{"--relation", "describe the relation of Y to X instead of X alone"}},
      "printf '1\\n2\\n4\\n' | zoltcalc-cli stat -\n"
      "printf '1 2\\n2 4.1\\n3 5.9\\n' | zoltcalc-cli stat --relation -"},
     &runStat},
};

} // namespace

std::span<const Command> commands() { return Commands; }

} // namespace cli

int main(int argc, char** argv)
{
    if (argc < 2) {
        cli::printUsages(std::cerr);
        return 2;
    }
    const std::string name = argv[1];
    const std::vector<std::string> rest(argv + 2, argv + argc);
    if (name == "--help" || (name == "help" && rest.empty())) {
        cli::printOverview(std::cout);
        return 0;
    }
    if (name == "--version") {
        std::cout << "zoltcalc-cli " << ZOLT_VERSION << "\n";
        return 0;
    }
    if (name == "help") {
        const cli::Command* c = cli::findCommand(rest[0]);
        if (c == nullptr || rest.size() > 1) {
            std::cerr << "zoltcalc-cli help: " << (c ? "one subcommand at a time" : "unknown subcommand " + rest[0])
                      << "\nusage: zoltcalc-cli help SUBCOMMAND\n";
            return 2;
        }
        cli::printHelp(std::cout, *c);
        return 0;
    }
    const cli::Command* c = cli::findCommand(name);
    if (c == nullptr) {
        std::cerr << "zoltcalc-cli: unknown subcommand " << name << "\n";
        cli::printUsages(std::cerr);
        return 2;
    }
    if (cli::asksForHelp(rest)) {
        cli::printHelp(std::cout, *c);
        return 0;
    }
    // Below this the guards against deep nesting have no room left to report it: a crash.
    constexpr rlim_t minimumStack = 64 << 10;
    if (rlimit limit{}; getrlimit(RLIMIT_STACK, &limit) == 0 && limit.rlim_cur < minimumStack) {
        std::cerr << "zoltcalc-cli " << c->name << ": the stack limit (ulimit -s) is " << limit.rlim_cur / 1024
                  << " KiB; the calculator needs at least " << minimumStack / 1024 << " KiB\n";
        return 1;
    }
    try {
        cli::Args args(rest);
        return c->run(args);
    } catch (const cli::UsageError& e) {
        std::cerr << "zoltcalc-cli " << c->name << ": " << e.what() << "\n";
        cli::printUsage(std::cerr, *c);
        return 2;
    } catch (const cli::FileError& e) {
        std::cerr << "zoltcalc-cli " << c->name << ": " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        // Nothing leaves main: a failure the command did not expect (memory, the drawing
        // module) is reported like a file that cannot be read.
        std::cerr << "zoltcalc-cli " << c->name << ": " << e.what() << "\n";
        return 2;
    }
}
