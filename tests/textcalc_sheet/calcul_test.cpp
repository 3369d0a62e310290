// Calcul on the in-memory sheet: which lines run, where their outputs go, what they replace,
// and where the caret ends.
#include "sheet_lines.h"

#include "textcalc/calculator.h"
#include "textcalc/sheet/calcul.h"

#include "platform/headless/headless_services.h"

#include <gtest/gtest.h>

namespace textcalc::sheet {
namespace {

using testing_support::contentOf;
using testing_support::Lines;
using testing_support::linesOf;

const CharFormat Input{"Courier New", 10, 0, false, false, false};
const CharFormat OutputFont{"Arial", 12, 255, true, false, false};

struct CalculCase {
    const char* name;
    Lines before;
    Position caret;
    RunMode mode;
    bool nextline;
    Lines after;
    Position caretAfter;
};

const CalculCase kCalculCases[] = {
    // Where the outputs go and what they replace.
    {"LineBelowItsLine", {"1/3+1", "2+2"}, {0, 2}, RunMode::Line, false, {"1/3+1", "> 4/3", "2+2"}, {0, 2}},
    {"NoOutputLine", {"x:=2", ""}, {0, 0}, RunMode::Line, false, {"x:=2", "> Statements executed (no output).", ""}, {0, 0}},
    {"LastLineGetsAnEmptyLineAfter", {"1+1"}, {0, 3}, RunMode::Line, true, {"1+1", "> 2", ""}, {2, 0}},
    {"ReplacesOldOutput", {"1+1", "> 5", "2+2"}, {0, 0}, RunMode::Line, false, {"1+1", "> 2", "2+2"}, {0, 0}},
    {"FewerLinesDeleteTheSurplus", {"1+1", "> a", "> b", "> c", "2+2"}, {0, 0}, RunMode::Line, true,
     {"1+1", "> 2", "2+2"}, {2, 3}},
    {"MoreLinesInsertBeforeTheNextProgramLine", {"for i:=1 to 3 do i", "> old", "2+2"}, {0, 0}, RunMode::Line, true,
     {"for i:=1 to 3 do i", "> 1", "> 2", "> 3", "2+2"}, {4, 3}},
    {"ErrorIsAnOutputLine", {"y+1"}, {0, 0}, RunMode::Line, false,
     {"y+1", "> Error. Unknown variable identifier \" y \".", ""}, {0, 0}},
    {"DeletedOutputsEndedTheSheet", {"1+1", "> a", "> b"}, {0, 0}, RunMode::Line, true, {"1+1", "> 2"}, {1, 1}},
    {"CaretBackWithoutNextline", {"1+1", "", "> a", "3"}, {0, 1}, RunMode::Line, false,
     {"1+1", "> 2", "", "> a", "3"}, {0, 1}},
    {"LeftOutputTextIsAProgramLine", {"1+1", "old output saved as text"}, {0, 0}, RunMode::Line, false,
     {"1+1", "> 2", "old output saved as text"}, {0, 0}},
    // Groups: every program line between the nearest output lines, joined by blanks.
    {"GroupFromTheMiddleLine", {"x:=2;", "y:=x*3;", "y+1"}, {1, 0}, RunMode::Group, true,
     {"x:=2;", "y:=x*3;", "y+1", "> 7", ""}, {4, 0}},
    {"GroupStopsAtOutputLines", {"1+1", "> 2", "a:=5;", "a*2", "> old", "9"}, {2, 1}, RunMode::Group, false,
     {"1+1", "> 2", "a:=5;", "a*2", "> 10", "9"}, {2, 1}},
    {"GroupRunsOnToTheSheetsEnd", {"> 0", "a:=5;", "a*3"}, {1, 0}, RunMode::Group, false,
     {"> 0", "a:=5;", "a*3", "> 15", ""}, {1, 0}},
    {"LineModeRunsOneLineOfAGroup", {"a:=5;", "a*3"}, {0, 0}, RunMode::Line, false,
     {"a:=5;", "> Statements executed (no output).", "a*3"}, {0, 0}},
    {"GroupIncludingAnEmptyLine", {"a:=5;", "", "a*3"}, {2, 0}, RunMode::Group, false,
     {"a:=5;", "", "a*3", "> 15", ""}, {2, 0}},
};

class CalculRun : public ::testing::Test {
protected:
    platform::HeadlessServices services;
    Calculator calc{services};
};

TEST_F(CalculRun, Table)
{
    for (const CalculCase& c : kCalculCases) {
        SCOPED_TRACE(c.name);
        calc.clearTables();
        PlainDocument doc(contentOf(c.before, Input));
        doc.setCaret(c.caret);
        const CalculResult result = Calcul(doc, calc, c.mode, OutputFont, c.nextline);
        EXPECT_TRUE(result.ran);
        EXPECT_EQ(linesOf(doc), c.after);
        EXPECT_EQ(doc.caret(), c.caretAfter);
        EXPECT_EQ(doc.selectionStart(), doc.selectionEnd());
    }
}

struct NothingCase {
    const char* name;
    Lines before;
    Position caret;
    RunMode mode;
    Lines after;
};

// Empty or one-blank program texts and output lines run nothing.
const NothingCase kNothingCases[] = {
    {"EmptyLine", {"1+1", "", "2"}, {1, 0}, RunMode::Line, {"1+1", "", "2"}},
    {"OneBlank", {" "}, {0, 1}, RunMode::Line, {" "}},
    {"EmptyFinalLineGetsABlank", {"1+1", ""}, {1, 0}, RunMode::Line, {"1+1", " "}},
    {"EmptyGroupBetweenOutputs", {"> 1", "", "> 2"}, {1, 0}, RunMode::Group, {"> 1", "", "> 2"}},
    {"OutputLine", {"1+1", "> 2"}, {1, 0}, RunMode::Line, {"1+1", "> 2"}},
    {"OutputLineInGroupMode", {"1+1", "> 2"}, {1, 1}, RunMode::Group, {"1+1", "> 2"}},
};

TEST_F(CalculRun, NothingToRun)
{
    for (const NothingCase& c : kNothingCases) {
        SCOPED_TRACE(c.name);
        PlainDocument doc(contentOf(c.before, Input));
        doc.setCaret(c.caret);
        const CalculResult result = Calcul(doc, calc, c.mode, OutputFont, true);
        EXPECT_FALSE(result.ran);
        EXPECT_EQ(linesOf(doc), c.after);
        EXPECT_EQ(doc.caret(), c.caret);
    }
}

TEST_F(CalculRun, EmptyFinalLineInAGroupRunsTheGroup)
{
    PlainDocument doc(contentOf({"2*3", ""}, Input));
    doc.setCaret({1, 0});
    EXPECT_TRUE(Calcul(doc, calc, RunMode::Group, OutputFont, true).ran);
    EXPECT_EQ(linesOf(doc), (Lines{"2*3", " ", "> 6", ""}));
    EXPECT_EQ(doc.caret(), (Position{3, 0}));
}

TEST_F(CalculRun, OutputsAreCentredInTheOutputFontAndProgramLinesKeepTheirs)
{
    PlainDocument doc(contentOf({"for i:=1 to 2 do i", "> old", "x"}, Input));
    Calcul(doc, calc, RunMode::Line, OutputFont, false);
    const std::vector<Paragraph>& p = doc.content().paragraphs;
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0], (Paragraph{Alignment::Left, {{"for i:=1 to 2 do i", Input}}, Input}));
    EXPECT_EQ(p[1], (Paragraph{Alignment::Center, {{"1", OutputFont}}, OutputFont}));
    EXPECT_EQ(p[2], (Paragraph{Alignment::Center, {{"2", OutputFont}}, OutputFont}));
    EXPECT_EQ(p[3], (Paragraph{Alignment::Left, {{"x", Input}}, Input}));
}

TEST_F(CalculRun, TablesSurviveBetweenRuns)
{
    PlainDocument doc(contentOf({"x:=1/3", "x+1"}, Input));
    Calcul(doc, calc, RunMode::Line, OutputFont, true);
    EXPECT_EQ(doc.caret(), (Position{2, 3}));
    Calcul(doc, calc, RunMode::Line, OutputFont, true);
    EXPECT_EQ(linesOf(doc), (Lines{"x:=1/3", "> Statements executed (no output).", "x+1", "> 4/3", ""}));
}

struct ResultCase {
    const char* name;
    const char* program;
    bool echoBefore;
    bool echoAfter;
    bool error;
};

const ResultCase kResultCases[] = {
    {"Plain", "1+1", false, false, false},
    {"OutputPlusTurnsEchoOn", "Output+; 1", false, true, false},
    {"OutputMinusTurnsEchoOff", "Output-; 1", true, false, false},
    {"Error", "1/0", false, false, true},
    {"Break", "while 1 do break", false, false, true},
    {"CaughtErrorIsNotTheLast", "try y:=1/0; 2", false, false, false},
};

TEST_F(CalculRun, Result)
{
    services.fixedTime = std::chrono::system_clock::time_point(std::chrono::seconds(1000));
    for (const ResultCase& c : kResultCases) {
        SCOPED_TRACE(c.name);
        PlainDocument doc(contentOf({c.program}, Input));
        calc.EchoOutputs = c.echoBefore;
        const CalculResult result = Calcul(doc, calc, RunMode::Line, OutputFont, true);
        EXPECT_EQ(result.echoOutputs, c.echoAfter);
        EXPECT_EQ(result.endedWithError, c.error);
        EXPECT_EQ(result.elapsedSeconds, 0.0);
        EXPECT_EQ(result.elapsedText, " 0.00 s");
    }
}

// Records the document calls a run makes around its edits.
class RecordingDocument : public PlainDocument {
public:
    using PlainDocument::PlainDocument;
    void beginUpdate() override { log += "begin "; }
    void endUpdate() override { log += "end "; }
    void clearUndo() override { log += "clearUndo "; }
    void insertLine(int line, const std::string& text) override
    {
        log += "insert ";
        PlainDocument::insertLine(line, text);
    }
    std::string log;
};

TEST_F(CalculRun, EditsAreOneUpdateAndCannotBeUndone)
{
    RecordingDocument doc(contentOf({"1+1"}, Input));
    Calcul(doc, calc, RunMode::Line, OutputFont, true);
    EXPECT_EQ(doc.log, "begin insert insert end clearUndo ");

    RecordingDocument idle(contentOf({"1+1", ""}, Input));
    idle.setCaret({1, 0});
    Calcul(idle, calc, RunMode::Line, OutputFont, true);
    EXPECT_EQ(idle.log, "");
}

TEST_F(CalculRun, FindProgramThenFinishAsTheWindowDoes)
{
    PlainDocument doc(contentOf({"a:=2;", "a^10", "> 1", "> 2"}, Input));
    doc.setCaret({0, 1});
    const std::optional<RunPlan> plan = findProgram(doc, RunMode::Group);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->program, "a:=2; a^10");
    EXPECT_EQ(plan->lastLine, 1);
    EXPECT_EQ(linesOf(doc), (Lines{"a:=2;", "a^10", "> 1", "> 2"}));
    calc.run(plan->program);
    finishCalcul(doc, calc, *plan, OutputFont, false);
    EXPECT_EQ(linesOf(doc), (Lines{"a:=2;", "a^10", "> 1024"}));
    EXPECT_EQ(doc.caret(), (Position{0, 1}));
}

TEST(EndsWithError, Lines)
{
    EXPECT_TRUE(endsWithError({"1", "Error. Division by zero."}));
    EXPECT_TRUE(endsWithError({"Execution terminated by \" Break \" statement."}));
    EXPECT_FALSE(endsWithError({"Error. x", "2"}));
    EXPECT_FALSE(endsWithError({"Errors. 2"}));
    EXPECT_FALSE(endsWithError({}));
}

} // namespace
} // namespace textcalc::sheet
