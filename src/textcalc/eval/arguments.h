#pragma once
// A call's argument list, split once where the call is read (code::scanArguments), and the
// cursor over it that the built-ins read their arguments with. An argument keeps its compiled
// form once looked up, so a built-in that evaluates one argument again and again (the body of
// a numerical operator, once per term) runs that form directly every time.
#include "textcalc/language/run_context.h"
#include "textcalc/number/value.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace textcalc::code {

struct Code;

// One argument of a call's list, as scanArgument takes it, with the stop character that
// ended it. `code` is the argument's compiled form once looked up (null: compile it anew).
struct Argument {
    std::string_view text;
    char stop;
    Code* code = nullptr;
    bool looked = false;
};

// The argument texts from just after "(" up to the first stop that ends the list (")", "]"
// or the end of the text); `pos` ends after that stop. Scanning has no effects, so taking the
// whole list before evaluating any argument changes nothing.
void scanArguments(std::string_view text, size_t& pos, std::vector<Argument>& arguments);

// A built-in's reading of its call's list, which scanArguments took from `start` (just after
// the "(") in `text`.
class Arguments {
public:
    Arguments(RunContext& calc, std::vector<Argument>& list, std::string_view text, size_t start)
        : m_calc(calc), m_list(list), m_text(text), m_start(start)
    {
    }
    Arguments(const Arguments&) = delete;
    Arguments& operator=(const Arguments&) = delete;

    // The next argument. Every built-in reads on only after a stop that does not end the
    // list; beyond its end it would find what scanning finds at the end of a text: nothing,
    // ended by ";".
    Argument& next() { return m_next < m_list.size() ? m_list[m_next++] : m_pastEnd; }
    Number value(Argument& argument) { return m_calc.evalArgument(argument); }
    // The whole bracket read as one level, as a one-argument function takes it.
    Number bracket()
    {
        size_t pos = m_start;
        const Number x = m_calc.evalLevel(m_text, pos);
        m_bracketEnd = pos;
        return x;
    }
    // Whether the call took every argument, up to the stop that ends the list, and no more.
    bool tookWholeList() const { return m_next == m_list.size() && m_bracketEnd == 0; }
    // Just after what the call read of the text: the last stop taken, or the bracket's end.
    size_t end() const
    {
        if (m_bracketEnd > 0)
            return m_bracketEnd;
        if (m_next == 0)
            return m_start;
        const Argument& last = m_list[m_next - 1];
        const size_t stopAt = static_cast<size_t>(last.text.data() - m_text.data()) + last.text.size();
        return last.stop == ';' ? stopAt : stopAt + 1;
    }

private:
    RunContext& m_calc;
    std::vector<Argument>& m_list;
    std::string_view m_text;
    size_t m_start;
    size_t m_next = 0;
    size_t m_bracketEnd = 0; // 0 until the bracket is read as a level
    Argument m_pastEnd{{}, ';'};
};

} // namespace textcalc::code
