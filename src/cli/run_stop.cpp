#include "cli/run_stop.h"

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <iterator>
#include <string>
#include <sys/time.h>

namespace cli {

namespace {

// The only state a handler touches.
std::atomic<bool> signalled{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onSignal(int) { signalled.store(true, std::memory_order_relaxed); }

constexpr int StopSignals[] = {SIGINT, SIGTERM, SIGALRM};
struct sigaction previous[std::size(StopSignals)];

// A year at most: any longer timeout is a mistyped one.
constexpr double MaxTimeoutSeconds = 366.0 * 86400.0;

} // namespace

RunStop::RunStop(Args& args)
{
    std::string text;
    if (!args.takeOption("timeout", text))
        return;
    char* end = nullptr;
    const double seconds = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(seconds > 0.0 && seconds <= MaxTimeoutSeconds))
        throw UsageError("--timeout takes a number of seconds above 0");
    m_seconds = seconds;
}

void RunStop::start()
{
    signalled.store(false);
    for (size_t k = 0; k < std::size(StopSignals); ++k) {
        sigaction(StopSignals[k], nullptr, &previous[k]);
        if (previous[k].sa_handler == SIG_IGN && StopSignals[k] != SIGALRM)
            continue;
        // No SA_RESTART: a read of standard input that the signal interrupts ends.
        struct sigaction action{};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        sigaction(StopSignals[k], &action, nullptr);
    }
    if (m_seconds > 0) {
        itimerval timer{};
        timer.it_value.tv_sec = static_cast<time_t>(m_seconds);
        timer.it_value.tv_usec = static_cast<suseconds_t>((m_seconds - static_cast<double>(timer.it_value.tv_sec)) * 1e6);
        if (timer.it_value.tv_sec == 0 && timer.it_value.tv_usec == 0)
            timer.it_value.tv_usec = 1; // a zero timer would never fire
        setitimer(ITIMER_REAL, &timer, nullptr);
    }
    m_started = true;
}

RunStop::~RunStop()
{
    if (!m_started)
        return;
    const itimerval off{};
    setitimer(ITIMER_REAL, &off, nullptr);
    for (size_t k = 0; k < std::size(StopSignals); ++k)
        sigaction(StopSignals[k], &previous[k], nullptr);
}

bool RunStop::stopRequested() const { return signalled.load(std::memory_order_relaxed); }

} // namespace cli
