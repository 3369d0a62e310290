// Calcul on the in-memory sheet: which lines run, where their outputs go, what they replace,
// and where the caret ends.
#include "document_cases.h"

#include "textcalc/sheet/files/rtf_reader.h"

namespace textcalc::sheet {
namespace {

using testing_support::contentOf;
using testing_support::Lines;
using testing_support::linesOf;

using testing_support::Input;
using testing_support::OutputFont;

std::unique_ptr<Document> makePlain(const SheetContent& content) { return std::make_unique<PlainDocument>(content); }

TEST(Calcul, Table) { testing_support::checkCalculTable(makePlain); }
TEST(Calcul, NothingToRun) { testing_support::checkNothingToRun(makePlain); }

class CalculRun : public ::testing::Test {
protected:
    platform::HeadlessServices services;
    Calculator calc{services};
};

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

// A run never makes the sheet longer than a sheet file may be: its outputs stop where the sheet
// is full, with an error line; replaced earlier outputs count as room.
TEST_F(CalculRun, OutputsStopWhereTheSheetIsFull)
{
    for (const int earlier : {0, 3}) {
        SCOPED_TRACE(earlier);
        Lines lines(static_cast<size_t>(MaxSheetLines - 10 - earlier), "");
        lines.push_back("for i:=1 to 100 do i");
        lines.insert(lines.end(), static_cast<size_t>(earlier), "> old");
        lines.push_back("x");
        PlainDocument doc(contentOf(lines, Input));
        doc.setCaret({MaxSheetLines - 10 - earlier, 0});
        EXPECT_TRUE(Calcul(doc, calc, RunMode::Line, OutputFont, false).endedWithError);
        ASSERT_EQ(doc.lineCount(), MaxSheetLines);
        EXPECT_EQ(doc.lineText(MaxSheetLines - 3), std::to_string(7 + earlier));
        EXPECT_EQ(doc.lineText(MaxSheetLines - 2), "Error. A sheet holds at most 200000 lines.");
        EXPECT_EQ(doc.lineText(MaxSheetLines - 1), "x");
    }
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
        calc.settings.EchoOutputs = c.echoBefore;
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
