// zoltcalc's own command line: help and version need no display; an option neither Qt nor the
// program takes, or a second sheet, is refused with the usage instead of starting the program.
#include "run_shell.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace {

struct Case {
    const char* name;
    std::string arguments;
    bool beforeQt;     // answered before Qt starts: run with no display at all
    int status;
    std::string printed; // a pattern of stdout and stderr together
};

TEST(CommandLine, AnswersOrRefusesWithoutStarting)
{
    const std::string usage = "usage: zoltcalc \\[--help \\| --version\\][^\\n]*\\n(.*\\n)*";
    const Case cases[] = {
        {"Help", "--help", true, 0, usage},
        {"ShortHelp", "-h", true, 0, usage},
        {"HelpAfterAQtOption", "-style Fusion --help", true, 0, usage},
        {"Version", "--version", true, 0, "zoltcalc [0-9]+\\.[0-9]+\\.[0-9]+\n"},
        {"HelpAfterASheet", "notes.rtf --help", true, 0, usage},
        {"UnknownOption", "--bogus", false, 2, "zoltcalc: unknown argument '--bogus'\n" + usage},
        {"UnknownOptionBesideASheet", "--text-calculator notes.rtf --bogus", false, 2,
         "zoltcalc: unknown argument '--bogus'\n" + usage},
        {"SecondSheet", "-style Fusion a.rtf b.rtf", false, 2,
         "zoltcalc: one FILE at a time, 'b.rtf' is a second one\n" + usage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string environment = c.beforeQt ? "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb"
                                                   : "env QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='*=false'";
        const test_support::CliResult r =
            test_support::runShell(environment + " timeout 20 '" ZOLT_PROGRAM "' " + c.arguments + " 2>&1");
        EXPECT_EQ(r.status, c.status) << r.out;
        // Once Qt has started, its plugins may add lines of their own.
        const std::regex printed(c.printed);
        EXPECT_TRUE(c.beforeQt ? std::regex_match(r.out, printed) : std::regex_search(r.out, printed)) << r.out;
    }
}

} // namespace
