// zoltcalc's own command line, read before Qt starts: help and version need no display, and an
// option neither Qt nor the program takes is refused with the usage and status 2 without one
// (Qt would abort for want of a display before the program could say what was wrong).
#include "run_shell.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace {

struct Case {
    const char* name;
    std::string arguments;
    int status;
    std::string printed; // a pattern of stdout and stderr together
};

TEST(CommandLine, AnswersOrRefusesWithoutStarting)
{
    const std::string usage = "usage: zoltcalc \\[--help \\| --version\\][^\\n]*\\n(.*\\n)*";
    const Case cases[] = {
        {"Help", "--help", 0, usage},
        {"ShortHelp", "-h", 0, usage},
        {"HelpAfterAQtOption", "-style Fusion --help", 0, usage},
        {"Version", "--version", 0, "zoltcalc [0-9]+\\.[0-9]+\\.[0-9]+\n"},
        {"HelpAfterASheet", "notes.rtf --help", 0, usage},
        {"UnknownOption", "--bogus", 2, "zoltcalc: unknown argument '--bogus'\n" + usage},
        {"UnknownOptionBesideASheet", "--text-calculator notes.rtf --bogus", 2,
         "zoltcalc: unknown argument '--bogus'\n" + usage},
        {"UnknownOptionAfterQtsOptions", "-style Fusion --platform=xcb -reverse a.rtf b.rtf -bogus", 2,
         "zoltcalc: unknown argument '-bogus'\n" + usage},
        {"QtSwitchWithAValue", "-reverse=1", 2, "zoltcalc: unknown argument '-reverse=1'\n" + usage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // No display at all: everything here is answered before Qt starts.
        const std::string environment = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb";
        const test_support::CliResult r =
            test_support::runShell(environment + " timeout 20 '" ZOLT_PROGRAM "' " + c.arguments + " 2>&1");
        EXPECT_EQ(r.status, c.status) << r.out;
        EXPECT_TRUE(std::regex_match(r.out, std::regex(c.printed))) << r.out;
    }
}

} // namespace
