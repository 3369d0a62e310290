// Calculator::check: the first error of each line, where it lies and the language's message,
// found without running; the names a program defines.
#include "run_helper.h"

using namespace textcalc;
using namespace textcalc::testing_support;

namespace {

struct CheckCase {
    const char* name;
    const char* program;
    Lines errors; // "LINE:COLUMN: message"
};

class Checking : public testing::TestWithParam<CheckCase> {};

TEST_P(Checking, FindsTheFirstErrorOfEachLine)
{
    Sheet sheet;
    const ProgramCheck found = sheet.calc.check(GetParam().program);
    Lines errors;
    for (const ProgramError& e : found.errors)
        errors.push_back(std::to_string(e.line) + ":" + std::to_string(e.column) + ": " + e.message);
    EXPECT_EQ(errors, GetParam().errors);
    // Nothing ran: no outputs, no table entries.
    EXPECT_TRUE(sheet.calc.Outputs.empty());
    EXPECT_TRUE(sheet.calc.Variables.empty());
    EXPECT_TRUE(sheet.calc.Arrays.empty());
}

INSTANTIATE_TEST_SUITE_P(Check, Checking, testing::Values(
    CheckCase{"NoErrors", "x:=1/3;\nIF x > 0 THEN y := Sum(n, n=1..10) ELSE y := 2\nf(x):=x^2; f(3)", {}},
    CheckCase{"ErrorsAreNotRun", "y:=1/0; z", {}},
    CheckCase{"UnterminatedStringAtItsQuote", "x:=1\nShowText('abc", {"2:10: Unterminated string."}},
    CheckCase{"InvalidCharacter", "x := 1 # 2", {"1:8: Invalid character \" # \"."}},
    CheckCase{"InvalidCharacterCountsCharacters", "ž:=1; ť:=2", {"1:7: Invalid character \" ť \"."}},
    CheckCase{"BracketLeftOpenAtItsOpener", "x:=(1+2", {"1:4: Recorded \" ( \" with no corresponding \" ) \"."}},
    CheckCase{"ClosingWithoutOpener", "x:=1+2)", {"1:7: Recorded \" ) \" with no corresponding \" ( \"."}},
    CheckCase{"WrongCloser", "x:=a[1)", {"1:7: \" ] \" expected but \" ) \" found."}},
    CheckCase{"RelationInBrackets", "x := (a < b)", {"1:9: \" < \" not allowed in parentheses."}},
    CheckCase{"EndWithoutBegin", "x:=1;\n  end", {"2:3: Recorded END with no corresponding BEGIN."}},
    CheckCase{"BeginLeftOpen", "begin x:=1;\ny:=2", {"1:1: Recorded BEGIN with no corresponding END."}},
    CheckCase{"UntilClosesBegin", "begin x:=1 until x", {"1:12: END expected but UNTIL found."}},
    // Lines join with blanks: without ";" they make one statement, as in a run.
    CheckCase{"LinesJoin", "x:=(1\ny:=2)", {"2:2: Unexpected character \" : \"."}},
    CheckCase{"OneErrorPerLine", "x:=(1;\ny:=2);\nz:=3", {"1:4: Recorded \" ( \" with no corresponding \" ) \".",
                                                        "2:5: Recorded \" ) \" with no corresponding \" ( \"."}},
    CheckCase{"OperatorWithoutOperand", "x:=3*/4", {"1:6: Unexpected character \" / \"."}},
    CheckCase{"OperatorAtTheEnd", "x:=3+", {"1:6: Unexpected character \" ; \"."}},
    CheckCase{"OperatorBeforeBracket", "x:=2*(3-)", {"1:9: Unexpected character \" ) \"."}},
    CheckCase{"EqualsOutsideAList", "1 = 2", {"1:3: Unexpected character \" = \"."}},
    CheckCase{"InvalidNumber", "x:=1e+5", {"1:4: \" 1e \" is not a valid real number."}},
    CheckCase{"ArgumentOfABuiltIn", "Sum(n*, n=1..3)", {"1:7: Unexpected character \" ; \"."}},
    CheckCase{"ConditionSides", "if a > 2* then x:=1", {"1:10: Unexpected character \" ; \"."}},
    CheckCase{"ForBounds", "for i:=1 to 5* do x:=i", {"1:15: Unexpected character \" ; \"."}},
    CheckCase{"InvalidIdentifier", "x_1:=1", {"1:1: \" x_1 \" is not a valid identifier."}},
    CheckCase{"UnknownTextFile", "x:=1; writeln(q, 1)", {"1:7: Unknown text file identifier \" q \"."}},
    CheckCase{"StatementForm", "SetPen(1,2,3)", {"1:1: \" ) \" expected, but \" , \" found."}},
    CheckCase{"ElseWithoutIf", "x:=1;\ny:=2; else z:=3", {"2:7: ELSE not expected."}},
    // The form of the statements is checked before their expressions would run.
    CheckCase{"ThenMissing", "if x>1 x:=2", {"1:1: THEN expected."}},
    CheckCase{"ErrorsOnSeveralLines", "x:=3*/4;\ny:=1;\nz:=(2+)", {"1:6: Unexpected character \" / \".",
                                                                 "3:7: Unexpected character \" ) \"."}}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(Check, NamesTheProgramDefines)
{
    Sheet sheet;
    const ProgramCheck found =
        sheet.calc.check("x:=1; a[2]:=x; f(u, v):=u*v; for k:=1 to 3 do inc(y);\ng(t):=t; f(w):=w; b[1]:=0");
    EXPECT_TRUE(found.errors.empty());
    EXPECT_EQ(found.variables, (Lines{"x", "k", "y"}));
    EXPECT_EQ(found.arrays, (Lines{"a", "b"}));
    ASSERT_EQ(found.functions.size(), 2u);
    EXPECT_EQ(found.functions[0].name, "f");
    EXPECT_EQ(found.functions[0].parameters, (Lines{"w"})); // the later definition holds
    EXPECT_EQ(found.functions[1].name, "g");
    EXPECT_EQ(found.functions[1].parameters, (Lines{"t"}));
}

// Text files the calculator knows from earlier runs may be named without Assign.
TEST(Check, KnowsTheCalculatorsTextFiles)
{
    Sheet sheet;
    sheet.run("assign(m, 'data')");
    EXPECT_TRUE(sheet.calc.check("close(m)").errors.empty());
    EXPECT_EQ(sheet.calc.check("close(q)").errors.size(), 1u);
}

// Texts no editor would hold still end with an answer: brackets deeper than any run goes,
// blocks nested past the run's depth, bytes that are no UTF-8.
TEST(Check, HostileTextsEnd)
{
    Sheet sheet;
    EXPECT_TRUE(sheet.calc.check("x:=" + std::string(100000, '(') + "1" + std::string(100000, ')')).errors.empty());
    std::string blocks;
    for (int k = 0; k < 20000; ++k)
        blocks += "begin ";
    for (int k = 0; k < 20000; ++k)
        blocks += "end ";
    const ProgramCheck deep = sheet.calc.check(blocks);
    ASSERT_EQ(deep.errors.size(), 1u);
    EXPECT_EQ(deep.errors[0].message, "Recursion too deep.");
    const ProgramCheck junk = sheet.calc.check("x:=1;\n\xff\xfe:=2");
    ASSERT_EQ(junk.errors.size(), 1u);
    EXPECT_EQ(junk.errors[0].line, 2);
}

} // namespace
