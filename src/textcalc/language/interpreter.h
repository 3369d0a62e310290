#pragma once
// The inside of a run: the state behind Calculator (calculator.h) while a program is prepared,
// compiled and executed, and the tools the evaluator, the library and the statements share.
// It works on its Calculator's tables, settings and callbacks through the references below.
//
// Errors: every error of the language goes through chyb(), which appends "Error. " + message
// to Outputs and throws RunAbort. Floating-point failures throw platform::FloatError and other
// failures other exceptions; run() turns those into "Error. General computation error". A stop
// the caller requested appends stoppedLine and throws RunStopped, which TRY lets pass; so does
// running out of memory (std::bad_alloc, also from checkMemory), which ends the run with
// memoryLine. No exception leaves run().
#include "textcalc/language/calculator.h"
#include "textcalc/language/picture_access.h"
#include "textcalc/language/program.h"
#include "textcalc/language/tables.h"
#include "textcalc/number/value.h"

#include "platform/services.h"
#include "platform/stack_budget.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace textcalc {

namespace code {
struct Argument;
class CodeCache;
class Runner;
} // namespace code

// Thrown by chyb() once the error line is in Outputs; TRY and run() catch it.
struct RunAbort {};
// Thrown once stoppedLine is in Outputs: the caller asked to stop the run. Only run() catches
// it; a program's TRY lets it pass, so a user's stop always ends the whole run.
struct RunStopped {};

// Runs `work`, or `failed` when work ends in a failure of the run: an error line written
// (RunAbort), a floating or integer failure, a range the language refuses, a file the system
// refuses (all std::runtime_error), too many bound variables (std::length_error). TRY, ReadLn,
// WriteLn and the decimal conversion report these their own way; a user's stop, running out of
// memory and faults of the program pass on to run()'s boundary.
template <typename Work, typename Failed>
auto onRunFailure(Work&& work, Failed&& failed) -> decltype(work())
{
    try {
        return work();
    } catch (const RunAbort&) {
    } catch (const std::runtime_error&) {
    } catch (const std::length_error&) {
    }
    return failed();
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
// more than half the thread's stack (frames of library functions differ in size), ends the
// run with "Error. Recursion too deep." before the stack runs out.
constexpr int MaxDepth = 10000;

class Interpreter {
public:
    explicit Interpreter(Calculator& owner, platform::Services& services);
    ~Interpreter();

    // ---- The owner's settings, callbacks and tables --------------------------------------
    platform::Services& services;
    int& Precision;
    std::filesystem::path& programDirectory;
    bool& EchoOutputs;
    const std::string& stoppedLine;
    const std::string& memoryLine;
    PictureAccess*& picture;
    std::function<void(const std::string&)>& showTime;
    std::function<bool()>& stopRequested;
    std::vector<Variable>& Variables;
    std::vector<Array>& Arrays;
    std::vector<Function>& Functions;
    std::vector<TextFile>& TextFiles;
    std::vector<std::string>& Outputs;

    // Bound variables and parameter bindings exist only while an expression is evaluated.
    std::vector<BoundVariable> BoundVariables;
    std::vector<ParamBinding> ParamBindings;
    void clearTables();

    // ---- The current run ------------------------------------------------------------------
    std::vector<std::string> Literals;                 // string literals, by index
    std::vector<std::vector<std::string>> Blocks;      // prepared statement items per block
    std::vector<Instruction> Program;
    bool OutputsAccepted = true;
    std::chrono::system_clock::time_point StartTime;

    // Prepares, compiles and executes one program text (Calculator::run).
    void run(const std::string& text);

    // ---- Run services -----------------------------------------------------------------------
    // Asks stopRequested when StopPollInterval has passed since the last ask; true appends
    // stoppedLine and throws RunStopped. Cheap enough for every statement and loop step.
    void pollStop()
    {
        if (++m_pollCount % StopPollStride == 0 && coarseMilliseconds() >= m_nextPoll)
            pollStopNow(false);
    }
    // Asks stopRequested now unless it was asked within StopPollInterval (or at once when
    // `always`): Pause calls it between its short sleeps.
    void pollStopNow(bool always);

    // Ends the run with memoryLine (throws std::bad_alloc) when its arrays, with `moreArrayBytes`
    // more, and a picture of `pictureBytes` would take more than MaxRunMemory; otherwise the
    // arrays are counted with those bytes from now on.
    void checkMemory(size_t moreArrayBytes, size_t pictureBytes);
    size_t currentPictureBytes() const;

    // Appends "Error. " + message (the Break line for "break") and throws RunAbort.
    [[noreturn]] void chyb(const std::string& message);
    // Reports "\" {expected} \" expected, but \" {found} \" found." when they differ.
    void jetam(char found, char expected);
    // Appends one value output and asks the two output-limit questions.
    void vyp(const std::string& text);
    // Whether a report line is due: EchoOutputs and OutputsAccepted.
    bool reporting() const { return EchoOutputs && OutputsAccepted; }
    // One draw of the run's uniform generator in [0, 1); `random` and the library share it.
    long double random();
    std::mt19937_64 randomGenerator;

    // ---- Preparation ----------------------------------------------------------------------------
    // Fills Literals and Blocks (block 0 the program, one block per BEGIN/REPEAT body).
    void prepare(const std::string& text);
    // Bracket check of one statement; "=" outside brackets becomes "%".
    void checkbrackets(std::string& statement);
    void nestblocks(size_t k);

    // ---- Tables -------------------------------------------------------------------------------
    // The name rule; reports "\" {name} \" is not a valid identifier.".
    void jetonazev(std::string_view name);
    // Appends a bound variable and returns its index; the caller cuts BoundVariables back
    // to that index when done.
    size_t regvar(std::string_view name, const Number& value);
    // Runs a definition statement "f(x,y)#body".
    void funcdef(const std::string& statement);

    // ---- Evaluator (prepared text, see the character codes in prepare.cpp) ------------------
    // Evaluates a whole expression; the text ends it as ";" would.
    Number eval(std::string_view text);
    // Whether eval() runs each text's compiled form (read once, see eval_code.h) rather than
    // reading the text every time. Both give the same results, errors and effects; the
    // differential test compares them.
    bool compiledEvaluation = true;
    // Evaluates one nested level starting at `pos` (just after an opening bracket) up to and
    // including its closing ")" or "]" (or the end of the text); pos ends after it.
    Number evalLevel(std::string_view text, size_t& pos);
    // Takes one raw argument from `pos`: the characters up to ")" "," "=" "]" or "_" at bracket
    // depth 0. Returns that stop character (consumed, not part of `arg`), or ';' when the text
    // ends first. `arg` points into `text`.
    char scanArgument(std::string_view text, size_t& pos, std::string_view& arg);

    // ---- Number text --------------------------------------------------------------------------
    std::string cistostr(const Number& x);
    // Calculator::convertToDecimal.
    bool convertToDecimal(std::string& line);

    // ---- Interpreter ----------------------------------------------------------------------------
    void compileblock(size_t k);
    Instruction classify(const std::string& statement);
    // readarg: one argument of a statement's list from `pos` (same rule as scanArgument).
    char readarg(const std::string& statement, size_t& pos, std::string& arg);
    Condition splitcond(const std::string& text);
    bool testcond(const Condition& condition);
    void execute(int i);

private:
    friend class DepthGuard;
    friend class BlockCompiler;
    friend class code::Runner;
    Number evalText(std::string_view text);
    void nestInto(size_t target, std::vector<std::string>& items, size_t& pos);
    void resolveIdentifier(std::string_view name, std::string_view text, size_t& pos, Number& out);
    Number evalOperand(std::string_view text);
    // f(a1, …, aP) with the argument list as scanned (code::scanArguments).
    Number callUserFunction(const Function& f, std::vector<code::Argument>& arguments);
    bool lookupVariable(std::string_view name, Number& out);
    void executeOne(const Instruction& in);
    void executeArrayStatement(const Instruction& in);
    void executeIncDec(const Instruction& in, int step);
    int appendInstruction();
    int variableIndex(const std::string& name);
    int textFileIndex(const std::string& name);

    int m_depth = 0;
    bool m_running = false;            // pollStop asks only during run()
    uint32_t m_pollCount = 0;
    int64_t m_nextPoll = 0;            // coarseMilliseconds() of the next ask
    size_t m_arrayBytes = 0;           // the arrays' memory, counted at the start of run()
    const char* m_stackBase = nullptr; // frame address where the outermost guarded call began
    size_t m_stackBudget = 0;          // bytes of stack a run may use below m_stackBase
    std::vector<Number> m_arguments; // staging area of user-function arguments
    std::unique_ptr<code::CodeCache> m_codes;
    // Changes whenever a function is defined or the tables are emptied: a call site's
    // resolution of its name holds while it stays.
    uint64_t m_functionGeneration = 1;
};

// Counts nesting (brackets, calls, blocks) and ends the run when it is too deep or stopped.
class DepthGuard {
public:
    explicit DepthGuard(Interpreter& c) : m_c(c)
    {
        // Every nested level, call and block passes here: a stop reaches deep recursion too.
        m_c.pollStop();
        const char* frame = static_cast<const char*>(__builtin_frame_address(0));
        if (m_c.m_depth == 0) {
            m_c.m_stackBase = frame;
            m_c.m_stackBudget = platform::stackBudget();
        }
        if (++m_c.m_depth > MaxDepth || static_cast<size_t>(m_c.m_stackBase - frame) > m_c.m_stackBudget) {
            --m_c.m_depth;
            m_c.chyb("Recursion too deep.");
        }
    }
    ~DepthGuard() { --m_c.m_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    Interpreter& m_c;
};

} // namespace textcalc
