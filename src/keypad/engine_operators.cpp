// Operators with three priority classes per bracket level, "=", percent and the bracket keys.
// Each level keeps one pending operand and operator per class; a key reduces as much as its
// priority allows: 2 + 3 * shows 3, then 4 + reduces to 14.
#include "keypad/engine.h"

#include "keypad/engine_batch.h"
#include "keypad/keypad_math.h"
#include "platform/checked.h"

#include <cmath>

namespace keypad {

namespace {

enum class OpClass { Sum, Product, Power };

OpClass classOf(Op op)
{
    switch (op) {
    case Op::Add: case Op::Subtract: return OpClass::Sum;
    case Op::Multiply: case Op::Divide: return OpClass::Product;
    default: return OpClass::Power;
    }
}

// The code of an operator key, with SHIFT where the key has a second operator.
Op codeOf(Control key, bool shifted)
{
    switch (key) {
    case Control::plus: return Op::Add;
    case Control::minus: return Op::Subtract;
    case Control::krat: return Op::Multiply;
    case Control::deleno: return Op::Divide;
    case Control::atamocnina: return shifted ? Op::Root : Op::Power;
    case Control::logaritmus: return shifted ? Op::ExpN : Op::LogN;
    case Control::comb: return shifted ? Op::Var : Op::Comb;
    case Control::imod: return shifted ? Op::Div : Op::Mod;
    default: return Op::None;
    }
}

const char* trailTextOf(Op op)
{
    switch (op) {
    case Op::Add: return " +";
    case Op::Subtract: return " -";
    case Op::Multiply: return " *";
    case Op::Divide: return " /";
    case Op::Power: return " ^";
    case Op::Root: return " Root";
    case Op::LogN: return " LogN";
    case Op::ExpN: return " ExpN";
    case Op::Comb: return " Comb";
    case Op::Var: return " Var";
    case Op::Mod: return " MOD";
    case Op::Div: return " DIV";
    case Op::None: break;
    }
    return "";
}

} // namespace

long double Engine::applyOp(Op op, long double p, long double x) const
{
    using platform::checked;
    switch (op) {
    case Op::None: return x;
    case Op::Add: return platform::add(p, x);
    case Op::Subtract: return platform::sub(p, x);
    case Op::Multiply: return platform::mul(p, x);
    case Op::Divide: return platform::divide(p, x);
    case Op::Power: return power(p, x);
    case Op::Root: return power(p, platform::divide(1.0L, x));
    case Op::LogN: return platform::divide(checked(std::log(p)), checked(std::log(x)));
    case Op::ExpN: return power(x, p); // 2 ExpN 10 = 100 undoes 100 LogN 10 = 2
    case Op::Comb: return KombVar(false, x, p);
    case Op::Var: return KombVar(true, x, p);
    case Op::Mod: return floorMod(p, x);
    case Op::Div: return floorDiv(p, x);
    }
    return x;
}

void Engine::mocni()
{
    const auto l = static_cast<size_t>(m_rec.bracketLevel);
    m_rec.powerOperand[l] = applyOp(m_rec.powerOp[l], m_rec.powerOperand[l], m_rec.workValue);
    m_rec.workValue = m_rec.powerOperand[l];
}

void Engine::nasob()
{
    const auto l = static_cast<size_t>(m_rec.bracketLevel);
    // a * b % is a * (b / 100), a / b % is a / (b / 100).
    if (m_rec.percentMode && m_rec.sumOp[0] == Op::None && m_rec.productOp[0] != Op::None)
        m_rec.powerOperand[0] /= 100.0L;
    m_rec.productOperand[l] = applyOp(m_rec.productOp[l], m_rec.productOperand[l], m_rec.powerOperand[l]);
    m_rec.workValue = m_rec.productOperand[l];
    m_rec.powerOp[l] = Op::None;
}

void Engine::scitej()
{
    const auto l = static_cast<size_t>(m_rec.bracketLevel);
    // a + b % is a + a * b / 100.
    if (m_rec.percentMode && m_rec.sumOp[0] != Op::None)
        m_rec.productOperand[0] = platform::mul(m_rec.productOperand[0], m_rec.sumOperand[0]) / 100.0L;
    m_rec.sumOperand[l] = applyOp(m_rec.sumOp[l], m_rec.sumOperand[l], m_rec.productOperand[l]);
    m_rec.workValue = m_rec.sumOperand[l];
    m_rec.productOp[l] = Op::None;
}

void Engine::vyrovnej()
{
    mocni();
    nasob();
    scitej();
    const auto l = static_cast<size_t>(m_rec.bracketLevel);
    m_rec.workValue = m_rec.sumOperand[l];
    m_rec.sumOp[l] = Op::None;
}

void Engine::Operuj(Control key)
{
    Batch batch(*this);
    // A failure inside "%" must not leave percent mode on for the keys after the reset.
    guarded('o', [&] {
        vstup();
        const bool shifted = shiftOn();
        const bool sumOrEquals = key == Control::plus || key == Control::minus || key == Control::rovnase;
        if (!m_settings.priority && !sumOrEquals)
            vyrovnej(); // without priority every operator first evaluates all that is pending
        const auto l = [this] { return static_cast<size_t>(m_rec.bracketLevel); };
        std::string trailText;
        if (key == Control::rovnase) {
            // Open brackets close silently; nothing goes to the trail for them.
            while (m_rec.bracketLevel > 0) {
                vyrovnej();
                --m_rec.bracketLevel;
            }
            m_rec.percentMode = shifted;
            vyrovnej();
            m_rec.percentMode = false;
            m_labels.zavorky.clear();
            trailText = shifted ? " %" : " =";
        } else {
            const Op code = codeOf(key, shifted);
            switch (classOf(code)) {
            case OpClass::Power:
                mocni();
                m_rec.powerOp[l()] = code;
                break;
            case OpClass::Product:
                mocni();
                nasob();
                m_rec.productOp[l()] = code;
                break;
            case OpClass::Sum:
                mocni();
                nasob();
                scitej();
                m_rec.sumOp[l()] = code;
                break;
            }
            trailText = trailTextOf(code);
        }
        vypis(m_rec.workValue);
        appendTrail(trailText);
    }, [&] { m_rec.percentMode = false; });
}

void Engine::closeBracket()
{
    if (m_rec.bracketLevel == 0)
        return;
    vstup();
    appendTrail(" )");
    vyrovnej();
    vypis(m_rec.workValue);
    m_rec.echoPending = false; // the trail already shows how the bracket's value came about
    --m_rec.bracketLevel;
    m_labels.zavorky.resize(2 * static_cast<size_t>(m_rec.bracketLevel));
}

void Engine::zavory(Control key)
{
    Batch batch(*this);
    guarded('o', [&] {
        const bool opening = key == Control::leva;
        if (shiftOn() && opening) {
            // Uniform in [0, 1): 64 random bits scaled exactly by 2^-64.
            showValue(std::ldexp(static_cast<long double>(m_random()), -64));
        } else if (shiftOn()) {
            // Reads the shown text back: workValue becomes exactly the rounded value on display.
            m_rec.resultShown = false;
            vstup();
        } else if (opening) {
            if (m_rec.bracketLevel >= kMaxBrackets)
                return;
            ++m_rec.bracketLevel;
            nacni(); // 2 ( 3 + 4 ) = gives 7: the typed 2 is dropped
            m_labels.zavorky += "( ";
            appendTrail(" (");
        } else {
            closeBracket();
        }
    });
}

} // namespace keypad
