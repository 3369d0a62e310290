// The run: preparation, compilation (compileblock.cpp), execution.
#include "textcalc/language/interpreter.h"
#include "textcalc/eval/eval_code.h"
#include "textcalc/language/statements.h"

#include "platform/checked.h"
#include "platform/floattext.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace textcalc {

namespace {

const char* const GeneralError = "Error. General computation error";

} // namespace

void Interpreter::run(const std::string& text)
{
    if (text.empty() || text == " ")
        return;
    ParamBindings.clear();
    Program.clear();
    Blocks.clear();
    Outputs.clear();
    OutputsAccepted = true;
    StartTime = services.now();
    m_depth = 0;
    m_running = true;
    m_nextPoll = coarseMilliseconds() + StopPollInterval.count();
    m_arrayBytes = 0;
    for (const Array& a : Arrays)
        m_arrayBytes += a.Elements.capacity() * sizeof(Number);
    m_codes->clear(); // texts of earlier runs are not needed again
    if (picture)
        picture->setStopHook([this] { pollStop(); }); // flood fills and new sizes take long

    try {
        prepare(text);
        compileblock(0);
        Blocks.clear();
        execute(0);
    } catch (const RunAbort&) {
        // chyb() has written the error line.
    } catch (const RunStopped&) {
        // pollStopNow() has written the stopped line.
    } catch (const std::bad_alloc&) {
        Outputs.push_back(memoryLine);
    } catch (...) {
        // Any other failure gets the general line, even when an error line caught by a TRY
        // happens to stand last: the failure that ended the run must not go unreported.
        vyp(GeneralError);
    }
    m_running = false;
    if (picture)
        picture->setStopHook({});
    BoundVariables.clear();
    ParamBindings.clear();
    Program.clear();
    Blocks.clear();
    m_arguments.clear();
    if (Outputs.empty())
        Outputs.push_back("Statements executed (no output).");
}

int Interpreter::appendInstruction()
{
    if (Program.size() >= static_cast<size_t>(MaxInstructions))
        chyb("Program too long: more than " + std::to_string(MaxInstructions) + " instructions.");
    Program.emplace_back();
    return static_cast<int>(Program.size()) - 1;
}

bool Interpreter::testcond(const Condition& c)
{
    const Number left = eval(c.Left);
    const Number right = c.Right.empty() ? Number() : eval(c.Right);
    switch (c.relation) {
    case RelLess:
        return left.Re < right.Re;
    case RelLessEqual:
        return left.Re <= right.Re;
    case RelPositive:
        return left.Re > 0.0L;
    case RelEqual:
        return left.Re == right.Re && left.Im == right.Im;
    case RelNotEqual:
        return left.Re != right.Re || left.Im != right.Im;
    }
    return false;
}

// Runs instruction i and the sequence that follows it.
void Interpreter::execute(int i)
{
    DepthGuard guard(*this);
    for (; i >= 0; i = Program[static_cast<size_t>(i)].Next) {
        pollStop();
        executeOne(Program[static_cast<size_t>(i)]);
    }
}

void Interpreter::executeOne(const Instruction& in)
{
    switch (in.kind) {
    case KindExpression:
        if (OutputsAccepted)
            vyp(cistostr(eval(in.Text1)));
        break;
    case KindFunctionDefinition:
        funcdef(in.Text1);
        break;
    case KindAssignment: {
        Variable& v = Variables[static_cast<size_t>(in.Ref1)];
        v.Value = eval(in.Text1);
        if (reporting())
            vyp(v.Name + " = " + cistostr(v.Value));
        break;
    }
    case KindInc:
        executeIncDec(in, 1);
        break;
    case KindDec:
        executeIncDec(in, -1);
        break;
    case KindIf:
        if (testcond(in.Cond))
            execute(in.Ref1);
        else if (in.Ref2 >= 0)
            execute(in.Ref2);
        break;
    case KindTry: {
        // The error's line stays in Outputs; bindings of calls the error left are undone.
        const size_t bound = BoundVariables.size(), bindings = ParamBindings.size();
        onRunFailure(
            [&] {
                try {
                    execute(in.Ref1);
                } catch (const RunAbort&) {
                    // chyb() has written the error line.
                }
            },
            [&] { vyp(GeneralError); });
        BoundVariables.resize(std::min(bound, BoundVariables.size()));
        ParamBindings.resize(std::min(bindings, ParamBindings.size()));
        break;
    }
    case KindWhile:
        while (testcond(in.Cond))
            execute(in.Ref1);
        break;
    case KindRepeat:
        do
            execute(in.Ref1);
        while (!testcond(in.Cond));
        break;
    case KindFor: {
        // The count is fixed before the first iteration; the variable ends holding hi.
        const int64_t lo = roundToInt32(eval(in.Text1).Re);
        const int64_t hi = roundToInt32(eval(in.Text2).Re);
        for (int64_t v = lo; v <= hi; ++v) {
            Variables[static_cast<size_t>(in.Ref2)].Value = exactInteger(v);
            execute(in.Ref1);
        }
        break;
    }
    case KindBegin:
        execute(in.Ref1);
        break;
    case KindEmpty:
        break;
    case KindArrayElement:
        executeArrayStatement(in);
        break;
    case KindBreak:
        chyb("break");
    default:
        statements::executeStatement(*this, in);
        break;
    }
}

// Inc and Dec change the real fraction and the real part only.
void Interpreter::executeIncDec(const Instruction& in, int step)
{
    Variable& v = Variables[static_cast<size_t>(in.Ref1)];
    Number& x = v.Value;
    int64_t delta, num;
    if (x.Exact && (__builtin_mul_overflow(x.ReDen, step, &delta) || __builtin_add_overflow(x.ReNum, delta, &num)))
        x.Exact = false; // the fraction no longer fits: keep the floating value
    else if (x.Exact)
        x.ReNum = num;
    x.Re = platform::add(x.Re, static_cast<long double>(step));
    if (reporting())
        vyp(v.Name + " = " + cistostr(x));
}

// a[i]:=e stores element i (extending the array with floating zeros); a[0]:=n sets the length.
void Interpreter::executeArrayStatement(const Instruction& in)
{
    auto length = [&](long double re, auto message) {
        if (re >= MaxArrayLength + 0.5L || re <= -0.5L)
            chyb(message(platform::formatGeneral(std::nearbyint(re), 15, services.decimalSeparator())));
        return static_cast<size_t>(std::nearbyint(re));
    };
    const size_t n = length(eval(in.Text1).Re, [](const std::string& k) { return "Index " + k + " not accepted."; });
    const Number value = eval(in.Text2);
    Array& a = Arrays[static_cast<size_t>(in.Ref1)];
    // Room is taken by doubling, up to the longest array, and counted before it is taken.
    const auto makeRoom = [&](size_t length) {
        const size_t capacity = a.Elements.capacity();
        if (length <= capacity)
            return;
        const size_t room = std::max(length, std::min(2 * capacity, MaxArrayLength));
        checkMemory((room - capacity) * sizeof(Number), currentPictureBytes());
        a.Elements.reserve(room);
    };
    if (n >= 1) {
        makeRoom(n);
        if (a.Elements.size() < n)
            a.Elements.resize(n, floating(0.0L));
        a.Elements[n - 1] = value;
        if (reporting())
            vyp(a.Name + "[" + std::to_string(n) + "] = " + cistostr(value));
        return;
    }
    const size_t newLength = length(value.Re, [](const std::string& m) {
        return "Number " + m + " is not accepted as an array length.";
    });
    makeRoom(newLength);
    a.Elements.resize(newLength, floating(0.0L));
    if (reporting())
        vyp("Length of array \" " + a.Name + " \" set to " + std::to_string(newLength) + ".");
}

} // namespace textcalc
