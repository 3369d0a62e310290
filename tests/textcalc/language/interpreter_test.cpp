// Statements: control flow, TRY and Break, assignments, arrays, definitions and the run's lines.
#include "run_helper.h"

#include "textcalc/language/compile.h"

#include <functional>
#include <stdexcept>
#include "small_stack.h"

using namespace textcalc;
using namespace textcalc::testing_support;

namespace {

class Statements : public ProgramTable {};
TEST_P(Statements, WriteLines) { check(); }

INSTANTIATE_TEST_SUITE_P(ControlFlow, Statements, testing::Values(
    ProgramCase{"AssignmentAndExpression", "x:=2; x*x", {"4"}},
    ProgramCase{"ForWithoutIterations", "for i:=3 to 1 do x:=i; x; i", {"0", "0"}},
    ProgramCase{"ForLeavesHigh", "for i:=1 to 3 do x:=i; i; x", {"3", "3"}},
    ProgramCase{"ForCountFixed", "for i:=1 to 3 do begin i:=10; inc(n) end; n; i", {"3", "10"}},
    ProgramCase{"ForBoundsRounded", "for i:=0.6 to 2.5 do s:=s+i; s", {"3"}},
    ProgramCase{"ForBoundsEvaluatedOnce", "h:=3; for i:=1 to h do h:=h+1; h", {"6"}},
    ProgramCase{"ForBoundBeyond32Bit", "for i:=1 to 3000000000 do x:=1", {"Error. General computation error"}},
    ProgramCase{"LoopVariableCutToTwenty", "for abcdefghijklmnopqrstuvw:=1 to 2 do x:=1; abcdefghijklmnopqrst", {"2"}},
    ProgramCase{"IfFalseStillCreatesVariable", "if 1>2 then x:=1; x", {"0"}},
    ProgramCase{"ElseToInnerAndOuter", "a:=1; b:=0; if a then if b then x:=1 else x:=2 else x:=3; x", {"2"}},
    ProgramCase{"ElseToOuter", "if 0 then if 1 then x:=1 else x:=2 else x:=3; x", {"3"}},
    ProgramCase{"SemicolonBeforeElse", "if 0 then x:=1; else x:=2; x", {"2"}},
    ProgramCase{"IfGovernsOneStatement", "if 0 then x:=1; y:=2; y", {"2"}},
    ProgramCase{"ElseAfterUntil", "if 0 then repeat inc(k) until 1 else k:=5; k", {"5"}},
    ProgramCase{"ElseOfIfInsideWhile", "while k<3 do if k<1 then k:=k+1 else k:=k+2; k", {"3"}},
    ProgramCase{"WhileCounts", "while i<5 do inc(i); i", {"5"}},
    ProgramCase{"IncOfFractionEqualsItsSum", "x:=2/3; inc(x); if x=5/3 then 1 else 0", {"1"}},
    ProgramCase{"RepeatRunsOnce", "repeat x:=x+1 until 1; x", {"1"}},
    ProgramCase{"RepeatUntil", "repeat inc(k); s:=s+k until k>=10; s", {"55"}},
    ProgramCase{"NestedLoops", "for i:=1 to 3 do for j:=1 to 4 do inc(n); n", {"12"}},
    ProgramCase{"BeginBlock", "begin x:=1; y:=2 end; x+y", {"3"}},
    ProgramCase{"EmptyBegin", "begin end; 7", {"7"}},
    ProgramCase{"EmptyRepeatBody", "repeat until 1; 7", {"7"}},
    ProgramCase{"NoOutput", "x:=1", {"Statements executed (no output)."}}), rowName);

INSTANTIATE_TEST_SUITE_P(Conditions, Statements, testing::Values(
    ProgramCase{"PositiveRealPart", "x:=0.5; if x then y:=1; y", {"1"}},
    ProgramCase{"ImaginaryIsNotPositive", "x:=2i; if x then y:=1; y", {"0"}},
    ProgramCase{"EqualityUsesBothParts", "if 1+2i = 1+3i then x:=1; x", {"0"}},
    ProgramCase{"OrderUsesRealParts", "if 1+2i < 1+3i then x:=1; x", {"0"}},
    ProgramCase{"NotEqual", "if 1 <> 1+i then x:=1; x", {"1"}},
    ProgramCase{"LessOrEqual", "if 2 <= 2 then x:=1; x", {"1"}},
    ProgramCase{"GreaterOrEqual", "if 3 >= 2 then x:=1; if 1 >= 2 then x:=5; x", {"1"}},
    ProgramCase{"Greater", "if 3 > 2 then x:=1; if 2 > 2 then x:=5; x", {"1"}},
    ProgramCase{"UnknownNameInCondition", "while q do x", {"Error. Unknown variable identifier \" q \"."}},
    ProgramCase{"FloatingEqualsExact", "if 0.5 = 1/2 then x:=1; x", {"1"}}), rowName);

INSTANTIATE_TEST_SUITE_P(WithoutPicture, Statements, testing::Values(
    ProgramCase{"DrawingLeavesNoTrace",
                "setpen(clred,2); setbrush(clblue,3); setfont(clgreen); moveto(3,4); lineto(5,6); rectto(9,9); "
                "ellipto(1,1); floodfill(0,0); setsize(10,10); spot(2); textlabel('a'); numlabel(1); "
                "setcolor(1,1,clred); draw; clear; pixel(1,1); penposx+penposy; picwidth+picheight",
                {"0", "0", "0"}},
    ProgramCase{"ArgumentsStillEvaluated", "try lineto(1/0,1); try setcolor(1,1,q); 7",
                {"Error. General computation error", "Error. Unknown variable identifier \" q \".", "7"}}), rowName);

INSTANTIATE_TEST_SUITE_P(TryAndBreak, Statements, testing::Values(
    ProgramCase{"TryKeepsGoingAfterFailure", "try y:=1/0; z:=1; z", {"Error. General computation error", "1"}},
    ProgramCase{"TryKeepsErrorLine", "try y:=q; 5", {"Error. Unknown variable identifier \" q \".", "5"}},
    ProgramCase{"TryCatchesBreak", "try break; x:=5; x",
                {"Execution terminated by \" Break \" statement.", "5"}},
    ProgramCase{"BreakEndsRun", "x:=1; break; x", {"Execution terminated by \" Break \" statement."}},
    ProgramCase{"BreakInLoop", "while 1 do begin inc(i); if i>3 then break end",
                {"Execution terminated by \" Break \" statement."}},
    ProgramCase{"TryAroundBlock", "try begin x:=1; y:=1/0; x:=2 end; x", {"Error. General computation error", "1"}},
    ProgramCase{"TryUndoesBindingsOfAbortedCall", "f(x):=1/0; try f(5); x:=2; x", {"Error. General computation error", "2"}},
    ProgramCase{"FailureAfterCaughtErrorLine", "try y:=q; x:=1/0",
                {"Error. Unknown variable identifier \" q \".", "Error. General computation error"}},
    ProgramCase{"ErrorAfterOutputs", "1; 2; y", {"1", "2", "Error. Unknown variable identifier \" y \"."}}), rowName);

INSTANTIATE_TEST_SUITE_P(ArrayStatements, Statements, testing::Values(
    ProgramCase{"ExtendsWithFloatingZeros", "a[3]:=7; a[0]; a[1]; a[3]", {"3", "0", "7"}},
    ProgramCase{"CutsToLength", "a[3]:=7; a[0]:=2; a[0]", {"2"}},
    ProgramCase{"LongestAccepted", "a[0]:=5000; a[0]", {"5000"}},
    ProgramCase{"IndexTooLarge", "a[5001]:=1", {"Error. Index 5001 not accepted."}},
    ProgramCase{"IndexNegative", "a[-1]:=1", {"Error. Index -1 not accepted."}},
    ProgramCase{"IndexRoundedDown", "a[2.4]:=1; a[0]", {"2"}},
    ProgramCase{"IndexHalvesToEven", "a[2.5]:=1; a[0]; a[3.5]:=1; a[0]", {"2", "4"}},
    ProgramCase{"IndexMinusHalfRejected", "a[-0.5]:=1", {"Error. Index 0 not accepted."}},
    ProgramCase{"LengthMinusHalfRejected", "a[0]:=-0.5", {"Error. Number 0 is not accepted as an array length."}},
    ProgramCase{"SmallIndexSetsLength", "a[0.4]:=9; a[0]", {"9"}},
    ProgramCase{"LengthTooLarge", "a[0]:=5001", {"Error. Number 5001 is not accepted as an array length."}},
    ProgramCase{"HugeIndexWrittenInGeneralForm", "a[1e20]:=1", {"Error. Index 1E20 not accepted."}},
    ProgramCase{"ElementsAreCopies", "a[1]:=5; x:=a[1]; a[1]:=6; x", {"5"}},
    ProgramCase{"InvalidArrayName", "1a[1]:=2", {"Error. \" 1a \" is not a valid identifier."}}), rowName);

INSTANTIATE_TEST_SUITE_P(Definitions, Statements, testing::Values(
    ProgramCase{"NoParameters", "f():=1", {"Error. User-defined function must have at least one parameter."}},
    ProgramCase{"InvalidParameter", "f(1x):=1", {"Error. \" 1x \" is not a valid identifier."}},
    ProgramCase{"LeadingUnderscore", "_x:=1", {"Error. \" _x \" is not a valid identifier."}},
    ProgramCase{"InnerUnderscore", "x_1:=1", {"Error. \" x_1 \" is not a valid identifier."}},
    ProgramCase{"TwentyOneLetters", "abcdefghijklmnopqrstu:=1", {"Error. \" abcdefghijklmnopqrstu \" is not a valid identifier."}},
    ProgramCase{"TwentyLetters", "abcdefghijklmnopqrst:=1; abcdefghijklmnopqrst", {"1"}},
    ProgramCase{"EqualsIsNoDefinition", "x:=1; f(y):=y; f(x)=x", {"Error. Unexpected character \" = \"."}},
    ProgramCase{"DefinedWhenRun", "if 0 then f(x):=x; f(1)", {"Error. Unknown function identifier \" f \"."}},
    ProgramCase{"IncDecKeepFractions", "x:=1/2; inc(x); x; dec(x); dec(x); x", {"3/2", "-1/2"}},
    ProgramCase{"IncPastInt64IsFloating", "x:=9223372036854775807; inc(x); x", {"9.22337203685477581e18"}},
    ProgramCase{"IncDecSpellings", "Inc (x); INC(x); x", {"2"}}), rowName);

INSTANTIATE_TEST_SUITE_P(CompileErrors, Statements, testing::Values(
    ProgramCase{"SecondElse", "if a then x:=1 else x:=2 else x:=3", {"Error. ELSE not expected."}},
    ProgramCase{"ElseWithoutIf", "x:=1 else x:=2", {"Error. ELSE not expected."}},
    ProgramCase{"ElseAfterThen", "if 1 then else x", {"Error. ELSE not expected."}},
    ProgramCase{"ElseLast", "if 1 then x:=1 else", {"Error. Statement expected after ELSE."}},
    ProgramCase{"NothingAfterIf", "if", {"Error. Expression expected after IF."}},
    ProgramCase{"KeywordAfterIf", "if then x", {"Error. Expression expected after IF."}},
    ProgramCase{"MissingThen", "if 1 x:=1", {"Error. THEN expected."}},
    ProgramCase{"ThenLast", "if 1 then", {"Error. Statement expected after THEN."}},
    ProgramCase{"WhileLast", "while", {"Error. Expression expected after WHILE."}},
    ProgramCase{"MissingDo", "while 1 x", {"Error. DO expected."}},
    ProgramCase{"DoLast", "while 0 do", {"Error. Statement expected after DO."}},
    ProgramCase{"ForWithoutAssignment", "for i to 3 do x", {"Error. Loop variable assignment expected after FOR."}},
    ProgramCase{"ForLast", "for", {"Error. Loop variable assignment expected after FOR."}},
    ProgramCase{"MissingTo", "for i:=1 do x", {"Error. TO expected."}},
    ProgramCase{"NothingAfterTo", "for i:=1 to do x", {"Error. Expression expected after TO."}},
    ProgramCase{"ForMissingDo", "for i:=1 to 2 x", {"Error. DO expected."}},
    ProgramCase{"ForDoLast", "for i:=1 to 2 do", {"Error. Statement expected after DO."}},
    ProgramCase{"InvalidLoopVariable", "for 1i:=1 to 2 do x", {"Error. \" 1i \" is not a valid identifier."}},
    ProgramCase{"UntilLast", "repeat x:=1 until", {"Error. Expression expected after UNTIL."}},
    ProgramCase{"TryLast", "try", {"Error. Statement expected after TRY."}},
    ProgramCase{"StrayDo", "do x", {"Error. DO not expected."}},
    ProgramCase{"StrayThen", "then x", {"Error. THEN not expected."}},
    ProgramCase{"StrayTo", "to x", {"Error. TO not expected."}},
    ProgramCase{"CompileBeforeRun", "x; if", {"Error. Expression expected after IF."}},
    ProgramCase{"UnknownTextFile", "writeln(q, 1)", {"Error. Unknown text file identifier \" q \"."}},
    ProgramCase{"AssignNeedsLiteral", "assign(m, x)", {"Error. Invalid file name in \" Assign \" statement."}},
    ProgramCase{"AssignDelimiter", "assign(m)", {"Error. \" , \" expected, but \" ) \" found."}},
    ProgramCase{"ShowTextNeedsLiteral", "showtext(x)", {"Error. Invalid string in \" ShowText \" statement."}},
    ProgramCase{"TextLabelNeedsLiteral", "textlabel(1)", {"Error. Invalid string in \" TextLabel \" statement."}},
    ProgramCase{"DrawingDelimiter", "moveto(1)", {"Error. \" , \" expected, but \" ) \" found."}},
    ProgramCase{"DrawingTooManyArguments", "spot(1,2)", {"Error. \" ) \" expected, but \" , \" found."}},
    ProgramCase{"PenTooManyArguments", "setpen(1,2,3)", {"Error. \" ) \" expected, but \" , \" found."}},
    ProgramCase{"UnknownFileInReset", "reset(q)", {"Error. Unknown text file identifier \" q \"."}},
    ProgramCase{"WriteLnWithoutComma", "writeln(q)", {"Error. Unknown text file identifier \"  \"."}},
    ProgramCase{"IncOperandUpToLastBracket", "inc(x)+1", {"Error. \" x)+ \" is not a valid identifier."}},
    ProgramCase{"WordFollowedByMoreIsExpression", "beep2", {"Error. Unknown variable identifier \" beep2 \"."}}), rowName);

class Echo : public EchoTable {};
TEST_P(Echo, ReportsAssignments) { check(); }

INSTANTIATE_TEST_SUITE_P(Reports, Echo, testing::Values(
    ProgramCase{"Assignment", "x:=2; x*x", {"x = 2", "4"}},
    ProgramCase{"IncAndDec", "inc(x); dec(y)", {"x = 1", "y = -1"}},
    ProgramCase{"Element", "a[2]:=1/3", {"a[2] = 1/3"}},
    ProgramCase{"Length", "a[0]:=4", {"Length of array \" a \" set to 4."}},
    ProgramCase{"Definition", "f(x,y):=x+y", {"f(x, y) = x+y"}},
    ProgramCase{"LoopBody", "for i:=1 to 2 do x:=i", {"x = 1", "x = 2"}}), rowName);

TEST(Run, TablesSurviveRuns)
{
    Sheet sheet;
    sheet.run("x:=5; a[2]:=3; f(t):=t+1");
    EXPECT_EQ(sheet.run("f(x)*a[2]"), Lines{"18"});
    sheet.calc.clearTables();
    EXPECT_EQ(sheet.run("x"), Lines{"Error. Unknown variable identifier \" x \"."});
}

// A failed definition has already replaced the body; the parameters taken before the
// failure replace the old list, and with none taken the old list stays.
TEST(Run, FailedDefinitionsKeepWhatWasTaken)
{
    struct Row { const char* name; const char* definitions; const char* call; Lines expected; };
    for (const Row& r : {Row{"NoParameterKeepsOldList", "f(x):=x*2; f():=5", "f(3)", {"5"}},
                         Row{"InvalidSecondParameter", "f(x,y):=x+y; f(a,1b):=a", "f(3)", {"3"}},
                         Row{"RedefinitionReplacesBoth", "f(x):=x^2; f(x,y):=x-y", "f(5,2)", {"3"}}}) {
        SCOPED_TRACE(r.name);
        Sheet sheet;
        sheet.run(r.definitions);
        EXPECT_EQ(sheet.run(r.call), r.expected);
    }
}

// A picture whose lineTo throws what the test gives it.
struct FailingPicture : NullPicture {
    std::function<void()> failure;
    void lineTo(int32_t, int32_t) override { failure(); }
};

// TRY takes the program's failures; an exception of the standard library is a fault of the
// calculator and ends the run at its boundary.
TEST(Run, TryTakesOnlyTheProgramsFailures)
{
    struct Row { const char* name; std::function<void()> failure; Lines expected; };
    for (const Row& r : {Row{"LimitOfThePicture", [] { throw RunError(); }, {"Error. General computation error", "5"}},
                         Row{"ContainersLengthError", [] { throw std::length_error("vector"); },
                             {"Error. General computation error"}},
                         Row{"RuntimeError", [] { throw std::runtime_error("module"); }, {"Error. General computation error"}},
                         Row{"OutOfRange", [] { throw std::out_of_range("at"); }, {"Error. General computation error"}}}) {
        SCOPED_TRACE(r.name);
        BasicSession<FailingPicture> session;
        session.picture.failure = r.failure;
        EXPECT_EQ(session.run("try lineto(1,1); 5"), r.expected);
    }
}

TEST(Run, EmptyTextDoesNothing)
{
    Sheet sheet;
    sheet.run("1");
    sheet.calc.run(" ");
    EXPECT_EQ(sheet.calc.Outputs, Lines{"1"});
}

TEST(Run, HundredOutputsAsked)
{
    struct Row { const char* name; platform::Answer answer; size_t lines; };
    for (const Row& r : {Row{"Yes", platform::Answer::Yes, 150}, Row{"No", platform::Answer::No, 100}}) {
        SCOPED_TRACE(r.name);
        Sheet sheet;
        sheet.services.answers.push_back(r.answer);
        const Lines out = sheet.run("for i:=1 to 150 do i");
        EXPECT_EQ(out.size(), r.lines);
        ASSERT_EQ(sheet.services.messages.size(), 1u);
        EXPECT_EQ(sheet.services.messages[0].text, "The number of outputs reached 100. Add further outputs?");
        EXPECT_EQ(sheet.services.messages[0].buttons, platform::Buttons::YesNo);
    }
}

TEST(Run, TenThousandOutputsStop)
{
    Sheet sheet;
    const Lines out = sheet.run("for i:=1 to 12000 do i; y:=q");
    ASSERT_EQ(out.size(), 10001u); // the error line of y passes the limit
    EXPECT_EQ(out.back(), "Error. Unknown variable identifier \" q \".");
    ASSERT_EQ(sheet.services.messages.size(), 2u);
    EXPECT_EQ(sheet.services.messages[1].text, "The number of outputs reached 10000. Further outputs won\u00b4t be added.");
}

// A run's arrays take at most MaxRunMemory, also over several runs; running out is no error a
// TRY catches, and its line is the one the settings give.
TEST(Run, ArraysHaveTheMemoryOfARun)
{
    const auto arrays = [](int from, int to) {
        std::string program;
        for (int k = from; k < to; ++k)
            program += "a" + std::to_string(k) + "[5000]:=1; ";
        return program;
    };
    const size_t fit = MaxRunMemory / (MaxArrayLength * sizeof(Number));
    struct Row {
        const char* name;
        std::vector<std::string> runs;
        Lines last;
    };
    const Lines noMemory{"Chyba. Nedostatek paměti."};
    const Row rows[] = {
        {"AllInOneRun", {arrays(0, int(fit) + 1) + "1"}, noMemory},
        {"OverTwoRuns", {arrays(0, int(fit) - 1) + "2", arrays(int(fit), int(fit) + 2) + "3"}, noMemory},
        {"NotCaughtByTry", {arrays(0, int(fit)) + "try z[5000]:=1; 4"}, noMemory},
        {"LengthsCountToo", {arrays(0, int(fit) - 1) + "b[0]:=5000; 5; c[0]:=5000; 6"}, {"5", noMemory[0]}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Sheet sheet;
        sheet.calc.settings.memoryLine = noMemory[0];
        Lines out;
        for (const std::string& program : row.runs)
            out = sheet.run(program);
        EXPECT_EQ(out, row.last);
    }
}

TEST(Run, TooManyInstructions)
{
    Sheet sheet;
    std::string program;
    for (int k = 0; k < 33000; ++k)
        program += "x:=1;";
    EXPECT_EQ(sheet.run(program), Lines{"Error. Program too long: more than 32767 instructions."});
}

TEST(Run, DeeplyNestedIfs)
{
    Sheet sheet;
    std::string program;
    for (int k = 0; k < 30000; ++k)
        program += "if 1 then ";
    EXPECT_EQ(sheet.run(program + "x"), Lines{"Error. Recursion too deep."});
}

// The guard counts the stack that is left: a thread whose stack is mostly taken before the
// run still ends a deep program with the error line.
TEST(Run, DeepProgramOnAStackMostlyTaken)
{
    const std::string nested = std::string(3000, '(') + "1" + std::string(3000, ')');
    for (const size_t taken : {size_t{64} << 10, size_t{400} << 10}) {
        SCOPED_TRACE(taken);
        Lines out;
        test_support::onSmallStack(size_t{512} << 10, taken, [&] {
            Sheet sheet;
            out = sheet.run("x:=" + nested + "; x");
        });
        EXPECT_EQ(out, Lines{"Error. Recursion too deep."});
    }
}

struct ClassifyCase {
    const char* name;
    const char* statement;
    Kind kind;
    const char* text1;
    const char* text2;
    const char* text3;
};

class Classify : public testing::TestWithParam<ClassifyCase> {};

TEST_P(Classify, FillsFields)
{
    ContextSheet sheet;
    sheet.context.Literals = {"hello", "data"};
    sheet.calc.TextFiles.emplace_back();
    sheet.calc.TextFiles.back().Name = "m";
    const ClassifyCase& c = GetParam();
    const Instruction in = classify(sheet.context, c.statement);
    EXPECT_EQ(in.kind, c.kind);
    EXPECT_EQ(in.Text1, c.text1);
    EXPECT_EQ(in.Text2, c.text2);
    EXPECT_EQ(in.Text3, c.text3);
}

INSTANTIATE_TEST_SUITE_P(Statements, Classify, testing::Values(
    ClassifyCase{"Definition", "f(x)#x", KindFunctionDefinition, "f(x)#x", "", ""},
    ClassifyCase{"Element", "a[i+1]#2", KindArrayElement, "i+1", "2", ""},
    ClassifyCase{"Assignment", "x#1", KindAssignment, "1", "", ""},
    ClassifyCase{"WriteLn", "writeln(m,1/3)", KindWriteLn, "1/3", "", ""},
    ClassifyCase{"Assign", "assign(m,1)", KindAssign, "data", "", ""},
    ClassifyCase{"Reset", "reset(m)", KindReset, "", "", ""},
    ClassifyCase{"Rewrite", "rewrite(m)", KindRewrite, "", "", ""},
    ClassifyCase{"Append", "append(m)", KindAppend, "", "", ""},
    ClassifyCase{"Close", "close(m)", KindClose, "", "", ""},
    ClassifyCase{"OutputOn", "output+", KindOutputOn, "", "", ""},
    ClassifyCase{"OutputOff", "output-", KindOutputOff, "", "", ""},
    ClassifyCase{"ShowText", "showtext(0)", KindShowText, "hello", "", ""},
    ClassifyCase{"TextLabel", "textlabel(1)", KindTextLabel, "data", "", ""},
    ClassifyCase{"NumLabel", "numlabel(x+1)", KindNumLabel, "x+1", "", ""},
    ClassifyCase{"ShowNum", "shownum(x)", KindShowNum, "x", "", ""},
    ClassifyCase{"Pause", "pause(2)", KindPause, "2", "", ""},
    ClassifyCase{"SetColor", "setcolor(1,2,clred)", KindSetColor, "1", "2", "clred"},
    ClassifyCase{"SetPenDefaultWidth", "setpen(clred)", KindSetPen, "clred", "1", ""},
    ClassifyCase{"SetPen", "setpen(1,f(2,3))", KindSetPen, "1", "f(2,3)", ""},
    ClassifyCase{"SetFontDefaultSize", "setfont(clblue)", KindSetFont, "clblue", "12", ""},
    ClassifyCase{"SetBrushDefaultStyle", "setbrush(clgreen)", KindSetBrush, "clgreen", "0", ""},
    ClassifyCase{"FloodFill", "floodfill(1,2)", KindFloodFill, "1", "2", ""},
    ClassifyCase{"MoveTo", "moveto(10,20)", KindMoveTo, "10", "20", ""},
    ClassifyCase{"Spot", "spot(0-3)", KindSpot, "0-3", "", ""},
    ClassifyCase{"SetSize", "setsize(100,50)", KindSetSize, "100", "50", ""},
    ClassifyCase{"LineTo", "lineto(a[1],2)", KindLineTo, "a[1]", "2", ""},
    ClassifyCase{"RectTo", "rectto(1,2)", KindRectTo, "1", "2", ""},
    ClassifyCase{"EllipTo", "ellipto(1,2)", KindEllipTo, "1", "2", ""},
    ClassifyCase{"Break", "break", KindBreak, "", "", ""},
    ClassifyCase{"ShowTime", "showtime", KindShowTime, "", "", ""},
    ClassifyCase{"Draw", "draw", KindDraw, "", "", ""},
    ClassifyCase{"Clear", "clear", KindClear, "", "", ""},
    ClassifyCase{"Beep", "beep", KindBeep, "", "", ""},
    ClassifyCase{"Expression", "sin(x)", KindExpression, "sin(x)", "", ""}), [](const auto& info) {
        return std::string(info.param.name);
    });

TEST(Conditions, SplitByPatternOrder)
{
    struct Row { const char* text; Relation relation; const char* left; const char* right; };
    for (const Row& r : {Row{"a<%b", RelLessEqual, "a", "b"}, Row{"a<>b", RelNotEqual, "a", "b"},
                         Row{"a>%b", RelLessEqual, "b", "a"}, Row{"a<b", RelLess, "a", "b"},
                         Row{"a>b", RelLess, "b", "a"}, Row{"a%b", RelEqual, "a", "b"}, Row{"a", RelPositive, "a", ""},
                         Row{"a%b<c", RelLess, "a%b", "c"}}) {
        SCOPED_TRACE(r.text);
        const Condition c = splitcond(r.text);
        EXPECT_EQ(c.relation, r.relation);
        EXPECT_EQ(c.Left, r.left);
        EXPECT_EQ(c.Right, r.right);
    }
}

} // namespace
