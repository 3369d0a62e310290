// The evaluator's entry points: every text runs as its compiled form (eval_code.h), found in
// the run's cache or, once the cache is full, compiled for this evaluation alone.
#include "textcalc/language/interpreter.h"
#include "textcalc/eval/eval_code.h"
#include "textcalc/eval/eval_support.h"

namespace textcalc {

using namespace evaluation;

// The cached form of `text`, or one compiled into `transient` when the cache is full.
code::Code* Interpreter::compiledForm(std::string_view text, std::unique_ptr<code::Code>& transient)
{
    const char separator = services.decimalSeparator();
    if (code::Code* cached = m_codes->find(text, separator))
        return cached;
    transient = code::compile(text, separator);
    return transient.get();
}

Number Interpreter::eval(std::string_view text)
{
    std::unique_ptr<code::Code> transient;
    return code::Runner(*this).run(*compiledForm(text, transient));
}

Number Interpreter::evalArgument(code::Argument& argument)
{
    return code::Runner(*this).argument(argument);
}

// The bracket of a built-in that reads it as a level itself: `pos` is just after "(" in a text
// that is being evaluated, which is a step boundary of its compiled form.
Number Interpreter::evalLevel(std::string_view text, size_t& pos)
{
    std::unique_ptr<code::Code> transient;
    code::Code& compiled = *compiledForm(text, transient);
    uint32_t k = compiled.stepAt(pos);
    const Number value = code::Runner(*this).level(compiled, k);
    pos = compiled.steps[k].pos; // the step after the level, or the end
    return value;
}

// Every argument is evaluated before any is bound, so arguments see the caller's bindings;
// the body then sees all bindings of the active calls (dynamic scope).
Number Interpreter::callUserFunction(const Function& f, std::vector<code::Argument>& arguments, code::Code* body)
{
    const size_t argumentsBase = m_arguments.size();
    const size_t bindingsBase = ParamBindings.size();
    struct Restore {
        Interpreter& c;
        size_t arguments, bindings;
        ~Restore()
        {
            c.m_arguments.resize(arguments);
            c.ParamBindings.resize(bindings);
        }
    } restore{*this, argumentsBase, bindingsBase};

    const size_t count = f.Params.size();
    auto wrongCount = [&] {
        chyb("Function \" " + f.Name + " \" requires " + std::to_string(count) + " parameters.");
    };
    if (count == 0 && (arguments[0].stop != ')' || !arguments[0].text.empty()))
        wrongCount();
    code::Runner runner(*this);
    for (size_t k = 0; k < count; ++k) {
        if (k >= arguments.size() || arguments[k].stop != (k + 1 < count ? ',' : ')'))
            wrongCount();
        m_arguments.push_back(runner.argument(arguments[k]));
    }
    for (size_t k = 0; k < count; ++k)
        ParamBindings.push_back({f.Params[k], m_arguments[argumentsBase + k]});
    m_arguments.resize(argumentsBase);
    return body ? runner.run(*body) : eval(f.Body);
}

} // namespace textcalc
