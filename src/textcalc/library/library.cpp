#include "textcalc/library/library.h"

#include "textcalc/language/run_context.h"
#include "textcalc/library/library_support.h"

#include <algorithm>
#include <string>
#include <vector>

namespace textcalc::library {

namespace {

struct Entry {
    std::string_view name;
    Builtin builtin;
};

// Every built-in once, sorted by name. The names of the groups are distinct, so merging them
// loses nothing of the order in which the groups were once searched.
const std::vector<Entry>& table()
{
    static const std::vector<Entry> entries = [] {
        std::vector<Entry> all;
        for (const auto group : {integerRangeOperators(), realAxisOperators(), inputFunctions(),
                                 severalArgumentFunctions()})
            for (const ScannedEntry& e : group)
                all.push_back({e.name, {e.function, nullptr}});
        for (const OneArgumentEntry& e : oneArgumentFunctions())
            all.push_back({e.name, {nullptr, e.function}});
        std::sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
        return all;
    }();
    return entries;
}

} // namespace

Builtin find(std::string_view name)
{
    const std::vector<Entry>& entries = table();
    const auto at = std::lower_bound(entries.begin(), entries.end(), name,
                                     [](const Entry& e, std::string_view n) { return e.name < n; });
    return at != entries.end() && at->name == name ? at->builtin : Builtin{};
}

Number call(RunContext& calc, std::string_view name, std::string_view text, size_t& pos)
{
    const Builtin builtin = find(name);
    if (builtin.scanned) {
        std::vector<code::Argument> list;
        const size_t start = pos;
        code::scanArguments(text, pos, list);
        code::Arguments arguments(calc, list, text, start);
        const Number value = builtin.scanned(calc, arguments);
        pos = arguments.end();
        return value;
    }
    if (builtin.oneArgument) {
        const Number x = calc.evalLevel(text, pos);
        RandomSource random = randomSource(calc);
        return builtin.oneArgument(x, random);
    }
    calc.chyb("Unknown function identifier \" " + std::string(name) + " \".");
}

} // namespace textcalc::library
