// zoltcalc-cli stat, linsys, base and macro, run as a user runs them: the printed lines and the
// exit status (0 done, 1 the window's error message, 2 a usage error).
#include "run_cli.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Runs `zoltcalc-cli arguments` with `input` on its standard input; stdout only.
test_support::CliResult runCli(const std::string& input, const std::string& arguments)
{
    return test_support::runCli(arguments, "2>/dev/null", &input);
}

struct CliCase {
    const char* name;
    const char* input;
    const char* arguments;
    const char* output;
    int status;
};

void expectRows(std::initializer_list<CliCase> rows)
{
    for (const CliCase& r : rows) {
        const test_support::CliResult got = runCli(r.input, r.arguments);
        EXPECT_EQ(got.out, r.output) << r.name;
        EXPECT_EQ(got.status, r.status) << r.name;
    }
}

} // namespace

TEST(ToolCommands, Statistics)
{
    expectRows({
        {"characteristics of X", "1\n2\n3\n4\n", "stat -",
         "Characteristics of X:\n\nmean = 2.5\nmaximum = 4\nminimum = 1\nvariance = 1.25\n"
         "std dev. = 1.118034\nskew = 0\nkurtosis = 1.64\n", 0},
        {"relation, tab and blanks, comma locale", "1\t3\n2  5\n3 7.5\n4 9\n", "stat --relation --decimal-separator , -",
         "Single characteristics:\nmean of X = 2,5\nvariance of X = 1,25\nmean of Y = 6,125\n"
         "variance of Y = 5,296875\n\nRelation between X and Y:\ncovariance = 2,5625\n"
         "correlation = 0,99586164\n\nRegression Y ~ b0 + b1*X :\nb0 = 1\nb1 = 2,05\n"
         "determ. coeff. = 99,17 %\n", 0},
        {"CR LF lines and a trailing empty line", "1\r\n2\r\n\n", "stat -",
         "Characteristics of X:\n\nmean = 1.5\nmaximum = 2\nminimum = 1\nvariance = 0.25\n"
         "std dev. = 0.5\nskew = 0\nkurtosis = 1\n", 0},
        {"all values equal", "5\n5\n", "stat -", "Invalid data.\n", 1},
        {"no Y for the relation", "1\n2\n", "stat --relation -", "Invalid data.\n", 1},
        {"empty line inside", "1\n\n3\n", "stat -", "Invalid data.\n", 1},
        {"no file", "", "stat", "", 2},
        {"unreadable file", "", "stat /nonexistent/data", "", 1},
    });
}

TEST(ToolCommands, LinearSystems)
{
    expectRows({
        {"row exchange", "0 1 2\n1 0 3\n", "linsys -", "determinant: -1\nrank: 2\nsolution: 3 2\n", 0},
        {"singular system has no solution", "1 2 1\n2 4 1\n", "linsys -", "determinant: 0\nrank: 1\nsolution: \n", 0},
        {"comma locale", "2 0 1\n0 4 1\n", "linsys --decimal-separator , -",
         "determinant: 8\nrank: 2\nsolution: 0,5 0,25\n", 0},
        {"blank lines at the end", "0 1 2\r\n1 0 3\n\n \t\n", "linsys -", "determinant: -1\nrank: 2\nsolution: 3 2\n", 0},
        {"short row", "1 2\n3 4 5\n", "linsys -", "Invalid coefficients.\n", 1},
        {"long row", "1 2 3 4\n3 4 5\n", "linsys -", "Invalid coefficients.\n", 1},
        {"overflow while eliminating", "1e-4000 1 1\n1e4000 1 1\n", "linsys -",
         "Error while computing the solution of the system.\n", 1},
        {"warning beside a solution of a tiny first pivot", "1e-18 1 1\n1 1 2\n", "linsys -",
         "determinant: -1\nrank: 2\nsolution: 0.975781955236954 1\n"
         "warning: The system is ill-conditioned: the solution may be wrong in the digits shown.\n", 0},
        {"one equation", "1 2\n", "linsys -", "", 2},
        {"nine equations", "1\n1\n1\n1\n1\n1\n1\n1\n1\n", "linsys -", "", 2},
    });
}

TEST(ToolCommands, BaseConversion)
{
    expectRows({
        {"decimal to hex", "", "base 255 10 16", "FF\n", 0},
        {"five places by default", "", "base 0,5 10 2", "0,10000\n", 0},
        {"places given", "", "base 0,1 10 2 3", "0,000\n", 0},
        {"separator is a comma whatever the locale", "", "base --decimal-separator . 0,5 10 2 1", "0,1\n", 0},
        {"bad digit", "", "base 12 2 10", "Invalid combination of number and base.\n", 1},
        {"base 37", "", "base 1 37 10", "Invalid combination of number and base.\n", 1},
        {"too few words", "", "base 1 10", "", 2},
        {"places beyond 15", "", "base 1 10 2 16", "", 2},
    });
}

TEST(ToolCommands, MacroFormula)
{
    expectRows({
        {"registers", "", "macro 'x1*x2+x6' 3 4 0 0 0 1", "13\n", 0},
        {"negative input", "", "macro 'x*2' -3", "-6\n", 0},
        {"fifteen digits", "", "macro '1/3'", "0.333333333333333\n", 0},
        {"comma locale", "", "macro --decimal-separator , 'x/2' 1,5", "0,75\n", 0},
        // Rounded once from the whole value: …72549966 and …704999657 end below a half.
        {"rounded once", "", "macro 'x*0.45359237' 0.00030324619223142025", "0.000137550159027725\n", 0},
        {"rounded once, negative", "", "macro 'x1-59' -27.85136076188705", "-86.851360761887\n", 0},
        {"formula error", "", "macro 'sqrt(-1)'", "Macro error.\n", 1},
        {"input not a number", "", "macro x abc", "Macro error.\n", 1},
        {"seven inputs", "", "macro x 1 2 3 4 5 6 7", "Macro error.\n", 1},
        {"no formula", "", "macro", "", 2},
    });
}
