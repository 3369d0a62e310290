// Output switches, message boxes, Pause, ShowTime and Beep; text-file and drawing statements
// have their own files.
#include "textcalc/language/statements.h"

#include "textcalc/language/program.h"
#include "textcalc/language/run_context.h"
#include "textcalc/language/statements_parts.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <thread>

namespace textcalc::statements {

namespace {

void showMessage(RunContext& calc, const std::string& text)
{
    calc.services.message(platform::MessageKind::Plain, text, platform::Buttons::Ok);
}

// Sleeps in short slices instead of spinning the processor, asking between them whether the
// caller wants the run stopped (the window gives itself a turn there).
void pause(RunContext& calc, long double seconds)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = pauseDeadline(Clock::now(), seconds);
    for (auto now = Clock::now(); now < deadline; now = Clock::now()) {
        std::this_thread::sleep_for(std::min<Clock::duration>(deadline - now, std::chrono::milliseconds(10)));
        calc.pollStopNow(true);
    }
}

} // namespace

std::string elapsedText(RunContext& calc)
{
    const std::chrono::duration<double> elapsed = calc.services.now() - calc.StartTime;
    char digits[64];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, elapsed.count(), std::chars_format::fixed, 2);
    std::string text(digits, error == std::errc() ? end : digits);
    std::replace(text.begin(), text.end(), '.', calc.services.decimalSeparator());
    return " " + text + " s";
}

std::chrono::steady_clock::time_point pauseDeadline(std::chrono::steady_clock::time_point start,
                                                    long double seconds)
{
    using Clock = std::chrono::steady_clock;
    // About 30 years: the clock counts nanoseconds in 64 bits, so a deadline much beyond that
    // (1e10 s already) would wrap around into the past and end the wait at once.
    const long double capped = std::clamp(seconds, 0.0L, 1e9L);
    return start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<long double>(capped));
}

void executeStatement(RunContext& calc, const Instruction& in)
{
    switch (in.kind) {
    case KindOutputOn:
        calc.settings().EchoOutputs = true;
        break;
    case KindOutputOff:
        calc.settings().EchoOutputs = false;
        break;
    case KindShowText:
        showMessage(calc, in.Text1);
        break;
    case KindShowNum:
        showMessage(calc, calc.cistostr(calc.eval(in.Text1)));
        break;
    case KindPause:
        pause(calc, std::fabs(calc.eval(in.Text1).Re));
        break;
    case KindShowTime:
        calc.showTime(elapsedText(calc));
        break;
    case KindBeep:
        calc.services.beep();
        break;
    case KindAssign:
    case KindReset:
    case KindWriteLn:
    case KindRewrite:
    case KindAppend:
    case KindClose:
        executeFileStatement(calc, in);
        break;
    default:
        executeDrawingStatement(calc, in);
        break;
    }
}

} // namespace textcalc::statements
