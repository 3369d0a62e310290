// Output switches, message boxes, Pause, ShowTime and Beep; text-file and drawing statements
// have their own files.
#include "textcalc/language/statements.h"

#include "textcalc/language/program.h"
#include "textcalc/language/run_context.h"

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
void sleep(RunContext& calc, long double seconds)
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

void outputOn(RunContext& calc, const Instruction&)
{
    calc.settings().EchoOutputs = true;
}

void outputOff(RunContext& calc, const Instruction&)
{
    calc.settings().EchoOutputs = false;
}

void showText(RunContext& calc, const Instruction& in)
{
    showMessage(calc, in.Text1);
}

void showNum(RunContext& calc, const Instruction& in)
{
    showMessage(calc, calc.cistostr(calc.eval(in.Text1)));
}

void pause(RunContext& calc, const Instruction& in)
{
    sleep(calc, std::fabs(calc.eval(in.Text1).re()));
}

void showTime(RunContext& calc, const Instruction&)
{
    calc.showTime(elapsedText(calc));
}

void beep(RunContext& calc, const Instruction&)
{
    calc.services.beep();
}

} // namespace textcalc::statements
