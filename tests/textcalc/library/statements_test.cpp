// Output switches, message boxes, Pause, ShowTime, Beep and the order in which drawing
// statements evaluate their arguments.
#include "program_table.h"

#include "textcalc/language/statements.h"

#include <chrono>

using namespace textcalc::library_tests;

namespace {

TEST(Statements, MessageBoxesShowTextAndValues)
{
    Session session;
    EXPECT_EQ(session.run("ShowText('Hello; world'); ShowNum(1/3+i); 5"), Lines{"5"});
    ASSERT_EQ(session.services.messages.size(), 2u);
    EXPECT_EQ(session.services.messages[0].text, "Hello; world");
    EXPECT_EQ(session.services.messages[0].buttons, platform::Buttons::Ok);
    EXPECT_EQ(session.services.messages[1].text, "1/3 + i");
}

TEST(Statements, ShowNumOfAFailingValue)
{
    Session session;
    EXPECT_EQ(session.run("ShowNum(y)"), Lines{"Error. Unknown variable identifier \" y \"."});
    EXPECT_TRUE(session.services.messages.empty());
}

TEST(Statements, BeepSounds)
{
    Session session;
    session.run("Beep; Beep");
    EXPECT_EQ(session.services.beeps, 2);
}

TEST(Statements, OutputSwitchesReportLines)
{
    Session session;
    EXPECT_EQ(session.run("x:=1; Output+; y:=2; Output-; z:=3"), Lines{"y = 2"});
    EXPECT_FALSE(session.calc.settings.EchoOutputs);
    session.run("Output+");
    EXPECT_TRUE(session.calc.settings.EchoOutputs) << "the switch outlives the run";
}

TEST(Statements, ShowTimeWritesTheElapsedSeconds)
{
    for (char separator : {'.', ','}) {
        Session session(separator);
        session.services.fixedTime = std::chrono::system_clock::time_point(std::chrono::hours(1000));
        std::vector<std::string> shown;
        session.calc.callbacks.showTime = [&shown](const std::string& text) { shown.push_back(text); };
        session.run("ShowTime; ShowTime");
        EXPECT_EQ(shown, (Lines{std::string(" 0") + separator + "00 s", std::string(" 0") + separator + "00 s"}));
    }
}

// Only a lower bound: a pause never ends early, whatever the machine's load.
TEST(Statements, PauseWaitsTheAbsoluteValue)
{
    Session session;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(session.run("Pause(0-0.05); 1"), Lines{"1"});
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
}

// A pause ends within [least, most] after its start; a huge one must not wrap the clock into
// the past and end at once.
TEST(Statements, PauseDeadline)
{
    using namespace std::chrono;
    struct Row { const char* name; long double wait; steady_clock::duration least; steady_clock::duration most; };
    const auto start = steady_clock::now();
    for (const auto& [name, secs, least, most] : {
             Row{"Nothing", 0.0L, steady_clock::duration(0), steady_clock::duration(0)},
             Row{"Fraction", 1.5L, milliseconds(1500), milliseconds(1500)},
             Row{"TenBillionSeconds", 1e10L, hours(24 * 365 * 20), hours(24 * 365 * 40)},
             Row{"BeyondAnyClock", 1e36L, hours(24 * 365 * 20), hours(24 * 365 * 40)}}) {
        SCOPED_TRACE(name);
        const auto waited = textcalc::statements::pauseDeadline(start, secs) - start;
        EXPECT_GE(waited, least);
        EXPECT_LE(waited, most);
    }
}

// The first failing argument names the one evaluated first.
class ArgumentOrder : public ProgramTable {};
TEST_P(ArgumentOrder, WriteLines) { check(); }

INSTANTIATE_TEST_SUITE_P(Drawing, ArgumentOrder, testing::Values(
    ProgramCase{"SetColorColourFirst", "SetColor(a, b, c)", {"Error. Unknown variable identifier \" c \"."}},
    ProgramCase{"SetColorThenY", "SetColor(a, b, 0)", {"Error. Unknown variable identifier \" b \"."}},
    ProgramCase{"MoveToYFirst", "MoveTo(a, b)", {"Error. Unknown variable identifier \" b \"."}},
    ProgramCase{"LineToYFirst", "LineTo(a, b)", {"Error. Unknown variable identifier \" b \"."}},
    ProgramCase{"RectToXFirst", "RectTo(a, b)", {"Error. Unknown variable identifier \" a \"."}},
    ProgramCase{"EllipToXFirst", "EllipTo(a, b)", {"Error. Unknown variable identifier \" a \"."}},
    ProgramCase{"SetPenColourFirst", "SetPen(a, b)", {"Error. Unknown variable identifier \" a \"."}},
    ProgramCase{"SetSizeWidthFirst", "SetSize(a, b)", {"Error. Unknown variable identifier \" a \"."}},
    ProgramCase{"NumLabelValue", "NumLabel(a)", {"Error. Unknown variable identifier \" a \"."}},
    ProgramCase{"WidthBeyond32Bit", "SetPen(0, 2^40)", {"Error. General computation error"}}), rowName);

// Without a picture the drawing statements do nothing and the picture constants read 0.
TEST(Statements, NoPicture)
{
    Session session;
    session.calc.callbacks.picture = nullptr;
    EXPECT_EQ(session.run("SetSize(10, 10); MoveTo(3, 4); TextLabel('a'); penposx; picwidth; pixel(1, 1)"),
              (Lines{"0", "0", "0"}));
}

} // namespace
