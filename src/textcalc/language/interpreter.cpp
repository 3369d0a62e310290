// The run: preparation, compilation (compile.h), execution.
#include "textcalc/language/interpreter.h"
#include "textcalc/eval/eval_code.h"
#include "textcalc/language/compile.h"
#include "textcalc/language/statements.h"

#include "platform/checked.h"
#include "platform/floattext.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace textcalc {

Interpreter::Interpreter(Calculator& owner, platform::Services& services)
    : RunContext(owner, services), m_codes(std::make_unique<code::CodeCache>())
{
    m_arguments.reserve(64);
}

Interpreter::~Interpreter() = default;

void Interpreter::run(const std::string& text)
{
    if (text.empty() || text == " ")
        return;
    ParamBindings.clear();
    m_program.clear();
    beginRun();
    m_codes->clear(); // texts of earlier runs are not needed again

    try {
        std::vector<Block> blocks = prepare(*this, text);
        m_program = compile(*this, blocks);
        blocks.clear();
        compileExpressions();
        execute(0);
    } catch (const RunError& failure) {
        report(failure);
    } catch (const RunStopped&) {
        // pollStopNow() has written the stopped line.
    } catch (const std::bad_alloc&) {
        outputs().push_back(settings().memoryLine);
    } catch (...) {
        // A floating failure, or a fault of the calculator itself, gets the general line,
        // even when an error line caught by a TRY happens to stand last: the failure that
        // ended the run must not go unreported.
        report(RunError());
    }
    endRun();
    BoundVariables.clear();
    ParamBindings.clear();
    m_program.clear();
    m_statementCodes.clear();
    m_arguments.clear();
    if (outputs().empty())
        outputs().push_back("Statements executed (no output).");
}

void Interpreter::compileExpressions()
{
    const char separator = services.decimalSeparator();
    const auto compiled = [&](const std::string& text) {
        m_statementCodes.push_back(code::compile(text, separator));
        return m_statementCodes.back().get();
    };
    // The other statements' texts are evaluated through the run's cache.
    for (Instruction& in : m_program) {
        const Kind kind = in.kind;
        if (kind == KindFor || kind == KindArrayElement)
            in.Code2 = compiled(in.Text2);
        if (kind == KindFor || kind == KindArrayElement || kind == KindExpression || kind == KindAssignment)
            in.Code1 = compiled(in.Text1);
        if (kind == KindIf || kind == KindWhile || kind == KindRepeat) {
            in.Cond.LeftCode = compiled(in.Cond.Left);
            if (!in.Cond.Right.empty())
                in.Cond.RightCode = compiled(in.Cond.Right);
        }
    }
}

Number Interpreter::evalStatement(code::Code* compiled, const std::string& text)
{
    return compiled ? code::Runner(*this).run(*compiled) : eval(text);
}

bool Interpreter::testcond(const Condition& c)
{
    const Number left = evalStatement(c.LeftCode, c.Left);
    const Number right = c.Right.empty() ? Number() : evalStatement(c.RightCode, c.Right);
    switch (c.relation) {
    case RelLess:
        return left.re() < right.re();
    case RelLessEqual:
        return left.re() <= right.re();
    case RelPositive:
        return left.re() > 0.0L;
    case RelEqual:
        return left.re() == right.re() && left.im() == right.im();
    case RelNotEqual:
        return left.re() != right.re() || left.im() != right.im();
    }
    return false;
}

// Runs instruction i and the sequence that follows it, one level down.
void Interpreter::execute(int i)
{
    DepthGuard guard(*this);
    executeSequence(i);
}

void Interpreter::executeSequence(int i)
{
    for (; i >= 0; i = m_program[static_cast<size_t>(i)].Next) {
        pollStop();
        executeOne(m_program[static_cast<size_t>(i)]);
    }
}

// One case per kind and no default: a new kind is a compiler warning until it has its case.
void Interpreter::executeOne(const Instruction& in)
{
    using namespace statements;
    switch (in.kind) {
    case KindExpression: return expression(in);
    case KindFunctionDefinition: return funcdef(in.Text1);
    case KindAssignment: return assignment(in);
    case KindInc: return executeIncDec(in, 1);
    case KindDec: return executeIncDec(in, -1);
    case KindIf: return ifStatement(in);
    case KindTry: return tryStatement(in);
    case KindWhile: return whileLoop(in);
    case KindRepeat: return repeatLoop(in);
    case KindFor: return forLoop(in);
    case KindBegin: return execute(in.Ref1);
    case KindEmpty: return;
    case KindArrayElement: return executeArrayStatement(in);
    case KindBreak: chyb("break");
    case KindAssign: return assign(*this, in);
    case KindReset: return reset(*this, in);
    case KindWriteLn: return writeLn(*this, in);
    case KindRewrite: return rewrite(*this, in);
    case KindAppend: return append(*this, in);
    case KindClose: return close(*this, in);
    case KindOutputOn: return outputOn(*this, in);
    case KindOutputOff: return outputOff(*this, in);
    case KindShowText: return showText(*this, in);
    case KindShowNum: return showNum(*this, in);
    case KindSetColor: return setColor(*this, in);
    case KindSetPen: return setPen(*this, in);
    case KindSetBrush: return setBrush(*this, in);
    case KindLineTo: return lineTo(*this, in);
    case KindRectTo: return rectTo(*this, in);
    case KindMoveTo: return moveTo(*this, in);
    case KindFloodFill: return floodFill(*this, in);
    case KindDraw: return draw(*this, in);
    case KindPause: return pause(*this, in);
    case KindShowTime: return statements::showTime(*this, in);
    case KindSetSize: return setSize(*this, in);
    case KindEllipTo: return ellipTo(*this, in);
    case KindClear: return clear(*this, in);
    case KindTextLabel: return textLabel(*this, in);
    case KindNumLabel: return numLabel(*this, in);
    case KindSetFont: return setFont(*this, in);
    case KindSpot: return spot(*this, in);
    case KindBeep: return beep(*this, in);
    }
}

// While outputs are declined the expression is not even evaluated.
void Interpreter::expression(const Instruction& in)
{
    if (outputsAccepted())
        vyp(cistostr(evalStatement(in.Code1, in.Text1)));
}

void Interpreter::assignment(const Instruction& in)
{
    Variable& v = variables()[static_cast<size_t>(in.Ref1)];
    v.Value = evalStatement(in.Code1, in.Text1);
    if (reporting())
        vyp(v.Name + " = " + cistostr(v.Value));
}

void Interpreter::ifStatement(const Instruction& in)
{
    if (testcond(in.Cond))
        execute(in.Ref1);
    else if (in.Ref2 >= 0)
        execute(in.Ref2);
}

// The error's line stays in the outputs; bindings of calls the error left are undone.
void Interpreter::tryStatement(const Instruction& in)
{
    const size_t bound = BoundVariables.size(), bindings = ParamBindings.size();
    onRunFailure([&] { execute(in.Ref1); }, [&](const RunError& failure) { report(failure); });
    BoundVariables.resize(std::min(bound, BoundVariables.size()));
    ParamBindings.resize(std::min(bindings, ParamBindings.size()));
}

void Interpreter::whileLoop(const Instruction& in)
{
    while (testcond(in.Cond))
        execute(in.Ref1);
}

void Interpreter::repeatLoop(const Instruction& in)
{
    do
        execute(in.Ref1);
    while (!testcond(in.Cond));
}

// The count is fixed before the first iteration; the variable ends holding hi.
void Interpreter::forLoop(const Instruction& in)
{
    const int64_t lo = roundToInt32(evalStatement(in.Code1, in.Text1).re());
    const int64_t hi = roundToInt32(evalStatement(in.Code2, in.Text2).re());
    if (lo > hi)
        return;
    DepthGuard guard(*this); // the body runs one level down, as execute() runs it
    for (int64_t v = lo; v <= hi; ++v) {
        variables()[static_cast<size_t>(in.Ref2)].Value = exactInteger(v);
        executeSequence(in.Ref1);
    }
}

// Inc and Dec change the real fraction and the real part only.
void Interpreter::executeIncDec(const Instruction& in, int step)
{
    Variable& v = variables()[static_cast<size_t>(in.Ref1)];
    Number& x = v.Value;
    int64_t delta, num;
    if (x.exact() && !__builtin_mul_overflow(x.reDen(), step, &delta)
        && !__builtin_add_overflow(x.reNum(), delta, &num))
        x = initcislo(true, fractionValue(num, x.reDen()), x.im(), num, x.reDen(), x.imNum(), x.imDen());
    else // floating, or the fraction no longer fits: keep the floating value
        x = floating(platform::add(x.re(), static_cast<long double>(step)), x.im());
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
    const size_t n = length(evalStatement(in.Code1, in.Text1).re(),
                            [](const std::string& k) { return "Index " + k + " not accepted."; });
    const Number value = evalStatement(in.Code2, in.Text2);
    Array& a = arrays()[static_cast<size_t>(in.Ref1)];
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
    const size_t newLength = length(value.re(), [](const std::string& m) {
        return "Number " + m + " is not accepted as an array length.";
    });
    makeRoom(newLength);
    a.Elements.resize(newLength, floating(0.0L));
    if (reporting())
        vyp("Length of array \" " + a.Name + " \" set to " + std::to_string(newLength) + ".");
}

} // namespace textcalc
