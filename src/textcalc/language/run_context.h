#pragma once
// What a run's statements and the function library work with: the calculator's tables,
// settings and picture, the run's literals and running variables, the output lines, the stop
// poll, the error report and the evaluator. The Interpreter (interpreter.h) is the one
// implementation; how it compiles and evaluates stays behind eval() and evalLevel().
//
// Errors: chyb() throws RunError (run_error.h) with its message; TRY and the run write its line.
// A stop the caller requested appends the stopped line and throws RunStopped, which TRY lets
// pass; so does running out of memory (std::bad_alloc, also from checkMemory), which ends the
// run with the memory line.
#include "textcalc/language/calculator.h"
#include "textcalc/language/tables.h"
#include "textcalc/number/run_error.h"
#include "textcalc/number/value.h"

#include "platform/checked.h"
#include "platform/services.h"

#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace textcalc::code {
struct Argument;
}

namespace textcalc {

// Thrown once the stopped line is in the outputs: the caller asked to stop the run. Only the
// run catches it; a program's TRY lets it pass, so a user's stop always ends the whole run.
struct RunStopped {};

// Runs `work`, or `failed(failure)` when work ends in a failure of the run: a RunError, or a
// floating failure (platform::FloatError, a failure without a message). A user's stop and
// faults of the calculator pass on to the run's boundary.
template <typename Work, typename Failed>
auto onRunFailure(Work&& work, Failed&& failed) -> decltype(work())
{
    try {
        return work();
    } catch (const RunError& failure) {
        return failed(failure);
    } catch (const platform::FloatError&) {
        return failed(RunError());
    }
}

// How often at most a run asks RunCallbacks::stopRequested. Between two asks pollStop() counts
// its calls and reads a coarse clock every StopPollStride of them; long steps (prime, flood
// fill, a new picture size, the numerical operators' loops, drawing) poll themselves, so no
// statement puts the next ask off for long.
constexpr std::chrono::milliseconds StopPollInterval{20};
constexpr uint32_t StopPollStride = 8;

// The monotonic clock in milliseconds, coarse (a few ms) but read without a system call.
int64_t coarseMilliseconds();

// A run's arrays and picture together take at most this much memory; a run that needs more
// ends with RunSettings::memoryLine.
constexpr size_t MaxRunMemory = size_t{1} << 30;

// Nesting of brackets, user-function calls and statement blocks deeper than this, or using
// more of the thread's stack than platform::stackBudget() allows (frames of library functions
// differ in size), ends the run with "Error. Recursion too deep." before the stack runs out.
constexpr int MaxDepth = 10000;

class RunContext {
public:
    RunContext(Calculator& owner, platform::Services& services);
    virtual ~RunContext();
    RunContext(const RunContext&) = delete;
    RunContext& operator=(const RunContext&) = delete;

    platform::Services& services;

    // ---- Evaluation ---------------------------------------------------------------------------
    // Evaluates a whole prepared expression; the text ends it as ";" would.
    virtual Number eval(std::string_view text) = 0;
    // Evaluates one nested level starting at `pos` (just after an opening bracket) up to and
    // including its closing ")" or "]" (or the end of the text); pos ends after it.
    virtual Number evalLevel(std::string_view text, size_t& pos) = 0;
    // Evaluates one argument of a call's list (arguments.h) as eval() evaluates its text.
    virtual Number evalArgument(code::Argument& argument) = 0;

    // ---- The calculator's tables and settings, which outlive runs -----------------------------
    std::vector<Variable>& variables() { return m_owner.Variables; }
    std::vector<Array>& arrays() { return m_owner.Arrays; }
    std::vector<Function>& functions() { return m_owner.Functions; }
    std::vector<TextFile>& textFiles() { return m_owner.TextFiles; }
    RunSettings& settings() { return m_owner.settings; }
    // The picture drawing statements paint on: the caller's, else one that has nothing.
    PictureAccess& picture() { return m_owner.callbacks.picture ? *m_owner.callbacks.picture : m_noPicture; }
    // Hands ShowTime's text to the caller, if it takes it.
    void showTime(const std::string& text);

    // The name rule; reports "\" {name} \" is not a valid identifier.".
    static void jetonazev(std::string_view name);

    // ---- The run's own tables ---------------------------------------------------------------
    std::vector<std::string> Literals; // string literals of the program text, by index
    // Running variables of the numerical operators exist only while an expression is evaluated.
    std::vector<BoundVariable> BoundVariables;
    // Appends a bound variable (the name rule applies) and returns its index; the caller cuts
    // BoundVariables back to that index when done.
    size_t regvar(std::string_view name, const Number& value);
    std::chrono::system_clock::time_point StartTime;

    // ---- Output ---------------------------------------------------------------------------------
    std::vector<std::string>& outputs() { return m_owner.Outputs; }
    // Appends one value output and asks the two output-limit questions.
    void vyp(const std::string& text);
    // Whether a report line is due: EchoOutputs and OutputsAccepted.
    bool reporting() const { return m_owner.settings.EchoOutputs && m_outputsAccepted; }
    // Whether value outputs are still taken (the user may have declined more at 100).
    bool outputsAccepted() const { return m_outputsAccepted; }
    // The value as the sheet prints it, with the run's precision and decimal separator.
    std::string cistostr(const Number& x) const;

    // ---- Errors ---------------------------------------------------------------------------------
    // Ends the run (or the statement of the TRY around it) with "Error. " + message, or with
    // the Break line for "break": throws RunError.
    [[noreturn]] static void chyb(const std::string& message);
    // Reports "\" {expected} \" expected, but \" {found} \" found." when they differ.
    static void jetam(char found, char expected);
    // The line of a failure that a check reported, directly (no output limit applies);
    // nothing for a failure without a message.
    void writeErrorLine(const RunError& failure);
    // What TRY and the run write for a failure: its error line, else the general line.
    void report(const RunError& failure);

    // ---- Stop poll --------------------------------------------------------------------------------
    // Asks stopRequested when StopPollInterval has passed since the last ask; true appends the
    // stopped line and throws RunStopped. Cheap enough for every statement and loop step.
    void pollStop()
    {
        if (++m_pollCount % StopPollStride == 0 && coarseMilliseconds() >= m_nextPoll)
            pollStopNow(false);
    }
    // Asks stopRequested now unless it was asked within StopPollInterval (or at once when
    // `always`): Pause calls it between its short sleeps.
    void pollStopNow(bool always);

    // ---- Memory ---------------------------------------------------------------------------------
    // Ends the run with the memory line (throws std::bad_alloc) when its arrays, with
    // `moreArrayBytes` more, and a picture of `pictureBytes` would take more than MaxRunMemory;
    // otherwise the arrays are counted with those bytes from now on.
    void checkMemory(size_t moreArrayBytes, size_t pictureBytes);
    size_t currentPictureBytes();

    // ---- Nesting (DepthGuard) -------------------------------------------------------------------
    // Counts one level more (polling for a stop) and ends the run when it is too deep.
    void enterLevel(const char* frame)
    {
        // Every nested level, call and block passes here: a stop reaches deep recursion too.
        pollStop();
        if (m_depth == 0)
            beginNesting(frame);
        if (++m_depth > MaxDepth || static_cast<size_t>(m_stackBase - frame) > m_stackBudget)
            tooDeep();
    }
    void leaveLevel() { --m_depth; }

    // ---- Random numbers -------------------------------------------------------------------------
    // One draw of the run's uniform generator in [0, 1); `random` and the library share it.
    long double random();
    std::mt19937_64 randomGenerator;

protected:
    // A run begins: outputs empty and accepted, the clock and the stop poll started (the
    // picture's long steps poll too), the arrays' memory counted.
    void beginRun();
    // The stop poll alone, for an evaluation outside a run (the decimal conversion).
    void startStopPoll();
    void endRun();

private:
    Calculator& m_owner;
    NullPicture m_noPicture;
    bool m_outputsAccepted = true;
    bool m_running = false; // pollStop asks only during a run
    uint32_t m_pollCount = 0;
    int64_t m_nextPoll = 0;  // coarseMilliseconds() of the next ask
    size_t m_arrayBytes = 0; // the arrays' memory, counted at the start of a run
    void beginNesting(const char* frame);
    [[noreturn]] void tooDeep();
    int m_depth = 0;
    const char* m_stackBase = nullptr; // frame address where the outermost level began
    size_t m_stackBudget = 0;          // bytes of stack a run may use below m_stackBase
};

// Counts nesting (brackets, calls, blocks) and ends the run when it is too deep or stopped.
class DepthGuard {
public:
    explicit DepthGuard(RunContext& run) : m_run(run)
    {
        m_run.enterLevel(static_cast<const char*>(__builtin_frame_address(0)));
    }
    ~DepthGuard() { m_run.leaveLevel(); }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    RunContext& m_run;
};

} // namespace textcalc
