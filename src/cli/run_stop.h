#pragma once
// Stopping a run of `run` or `sheet` from outside the program: SIGINT, SIGTERM and the
// `--timeout SECONDS` option. The handlers only set a lock-free atomic flag (the timeout is an
// interval timer's SIGALRM), which the calculator's stop hook reads; the run then ends with the
// stopped-run error line and every output line so far is still printed. A signal also ends a
// wait for standard input (GetNum, a question), which then reads as its end.
#include "cli/command.h"

namespace cli {

class RunStop {
public:
    // Takes `--timeout SECONDS` (above 0, fractions allowed) from the arguments.
    explicit RunStop(Args& args);
    // Restores the signals' earlier handling and cancels the timer.
    ~RunStop();
    RunStop(const RunStop&) = delete;
    RunStop& operator=(const RunStop&) = delete;

    // From now on the signals and the timeout stop the run. A signal that the caller ignores
    // (SIGINT of a background job in a script) stays ignored.
    void start();

    // True once a signal came or the time is up: the calculator's stop hook.
    bool stopRequested() const;

private:
    double m_seconds = 0; // 0: no timeout
    bool m_started = false;
};

} // namespace cli
