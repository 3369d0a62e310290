// Preparation: comments, literals, case, keywords, statements, brackets and nested blocks.
#include "run_helper.h"

#include "textcalc/language/compile.h"

using namespace textcalc;
using namespace textcalc::testing_support;

namespace {

struct PrepareCase {
    const char* name;
    const char* text;
    std::vector<Lines> blocks; // markers written with "$" for the marker byte
    Lines literals;
};

class Preparation : public testing::TestWithParam<PrepareCase> {};

TEST_P(Preparation, MakesBlocks)
{
    ContextSheet sheet;
    std::vector<Lines> blocks = prepare(sheet.context, GetParam().text);
    for (Lines& block : blocks)
        for (std::string& item : block)
            if (!item.empty() && item[0] == '\xA7')
                item[0] = '$';
    EXPECT_EQ(blocks, GetParam().blocks);
    EXPECT_EQ(sheet.context.Literals, GetParam().literals);
}

INSTANTIATE_TEST_SUITE_P(Prepare, Preparation, testing::Values(
    PrepareCase{"LiteralBecomesIndex", "x := 'Hello'", {{"x#0"}}, {"Hello"}},
    PrepareCase{"LiteralKeepsSemicolon", "ShowText('a;b')", {{"showtext(0)"}}, {"a;b"}},
    PrepareCase{"DoubledQuoteSplitsLiteral", "x:='it''s'", {{"x#01"}}, {"it", "s"}},
    PrepareCase{"CommentRemoved", "{ note } x:=1", {{"x#1"}}, {}},
    PrepareCase{"UnclosedCommentRemovesRest", "x:=1 { note", {{"x#1"}}, {}},
    PrepareCase{"BraceInQuotesStartsComment", "x:='{'}'", {{"x#0"}}, {""}},
    PrepareCase{"IfThenElse", "IF A = B THEN X := 1 ELSE X := 2", {{"$i", "a%b", "$t", "x#1", "$l", "x#2"}}, {}},
    PrepareCase{"EqualsInBracketsKept", "Sum(n, n=1..10)", {{"sum(n,n=1_10)"}}, {}},
    PrepareCase{"EmptyStatementsVanish", "a;;b;", {{"a", "b"}}, {}},
    PrepareCase{"EmptyBegin", "begin end", {{"$b1"}, {}}, {}},
    PrepareCase{"RepeatBody", "repeat inc(k); s:=s+k until k>=10; writeln(m, s)",
                {{"$r1", "k>%10", "writeln(m,s)"}, {"inc(k)", "s#s+k"}}, {}},
    PrepareCase{"NestedBlocks", "begin a; begin b end; c end; d", {{"$b1", "d"}, {"a", "$b2", "c"}, {"b"}}, {}},
    PrepareCase{"BlanksAreNotSeparators", "x:=1 y", {{"x#1y"}}, {}},
    PrepareCase{"KeywordAgainstBracketIsNoKeyword", "if(1) then x", {{"if(1)", "$t", "x"}}, {}},
    PrepareCase{"EndWithFullStop", "end.", {{"end."}}, {}},
    PrepareCase{"KeywordsAfterSemicolon", "x;while y do z", {{"x", "$w", "y", "$d", "z"}}, {}},
    PrepareCase{"CzechLettersFolded", "P\xC5\x99\xC3\xAD\xC5\xA1t\xC3\xAD := \xC4\x8C\xC3\x81\xC5\xBD",
                {{"pristi#caz"}}, {}},
    PrepareCase{"TabsAreBlanks", "for\ti:=1\tto\t2\tdo\tx", {{"$f", "i#1", "$o", "2", "$d", "x"}}, {}},
    PrepareCase{"CodesOfOperators", "x:=2**3; y..z", {{"x#2^3", "y_z"}}, {}}), [](const auto& info) {
        return std::string(info.param.name);
    });

class PreparationErrors : public ProgramTable {};
TEST_P(PreparationErrors, StopTheRun) { check(); }

INSTANTIATE_TEST_SUITE_P(Prepare, PreparationErrors, testing::Values(
    ProgramCase{"UnterminatedString", "x:='abc", {"Error. Unterminated string."}},
    ProgramCase{"LastCharacterIsQuote", "x:=1 '", {"Error. Unterminated string."}},
    ProgramCase{"NumberSign", "x:=#1", {"Error. Invalid character \" # \"."}},
    ProgramCase{"LeftOverBrace", "x:=1 }", {"Error. Invalid character \" } \"."}},
    ProgramCase{"UnfoldedAccent", "\xC5\xA5:=1", {"Error. Invalid character \" \xC5\xA5 \"."}},
    ProgramCase{"CharacterBeyondSixteenBits", "x:=\xF0\x9F\x98\x80", {"Error. Invalid character \" \xF0\x9F\x98\x80 \"."}},
    ProgramCase{"UnfoldedCapitalShownLowered", "\xC5\xA4:=1", {"Error. Invalid character \" \xC5\xA5 \"."}},
    ProgramCase{"StringCheckedFirst", "# 'x", {"Error. Unterminated string."}},
    ProgramCase{"EndClosesRepeat", "begin repeat x end until y", {"Error. UNTIL expected but END found."}},
    ProgramCase{"UntilClosesBegin", "begin x until y", {"Error. END expected but UNTIL found."}},
    ProgramCase{"EndWithoutBegin", "x end", {"Error. Recorded END with no corresponding BEGIN."}},
    ProgramCase{"UntilWithoutRepeat", "until x", {"Error. Recorded UNTIL with no corresponding REPEAT."}},
    ProgramCase{"BeginLeftOpen", "repeat begin x", {"Error. Recorded BEGIN with no corresponding END."}},
    ProgramCase{"RepeatLeftOpen", "begin repeat x", {"Error. Recorded REPEAT with no corresponding UNTIL."}},
    ProgramCase{"BalanceBeforeBrackets", "(x; begin", {"Error. Recorded BEGIN with no corresponding END."}},
    ProgramCase{"RoundClosesSquare", "a[1)", {"Error. \" ] \" expected but \" ) \" found."}},
    ProgramCase{"SquareClosesRound", "(1]", {"Error. \" ) \" expected but \" ] \" found."}},
    ProgramCase{"RoundWithoutOpener", "1)", {"Error. Recorded \" ) \" with no corresponding \" ( \"."}},
    ProgramCase{"SquareWithoutOpener", "1]", {"Error. Recorded \" ] \" with no corresponding \" [ \"."}},
    ProgramCase{"RelationInBrackets", "x := (a < b)", {"Error. \" < \" not allowed in parentheses."}},
    ProgramCase{"GreaterInBrackets", "x := [a > b]", {"Error. \" > \" not allowed in parentheses."}},
    ProgramCase{"RoundLeftOpen", "x:=(1", {"Error. Recorded \" ( \" with no corresponding \" ) \"."}},
    ProgramCase{"SquareLeftOpen", "x:=[(1)", {"Error. Recorded \" [ \" with no corresponding \" ] \"."}},
    ProgramCase{"BracketCannotSpanStatements", "x:=(1; 2)", {"Error. Recorded \" ( \" with no corresponding \" ) \"."}}),
    rowName);

TEST(Preparation, DeeplyNestedBlocksEndTheRun)
{
    Sheet sheet;
    std::string program;
    for (int k = 0; k < 20000; ++k)
        program += "begin ";
    for (int k = 0; k < 20000; ++k)
        program += "end ";
    EXPECT_EQ(sheet.run(program), Lines{"Error. Recursion too deep."});
}

} // namespace
