// Preparation of program text into keyword-marked statement blocks.
//
// Character codes of prepared statement texts (the evaluator and the interpreter read these):
//   "#" is ":=", "%" is "=" outside all brackets, "^" is "**", "_" is "..", and a string
//   literal is replaced by its decimal index in Literals. Keywords become markers (markers.h).
#include "textcalc/language/compile.h"
#include "textcalc/language/markers.h"

#include "platform/utf8.h"

#include <utility>

namespace textcalc {

namespace {

using platform::appendUtf8;
using platform::decodeUtf8;
using namespace markers;

// Text being prepared with, per byte, the offset in the program text it came from (a literal's
// index and a keyword's marker: where they began), so that a check can say where an error lies.
struct Traced {
    std::string text;
    std::vector<uint32_t> at;
    void push(char c, uint32_t from)
    {
        text += c;
        at.push_back(from);
    }
    bool empty() const { return text.empty(); }
};

// Ends the preparation with `message`, telling the map (when there is one) where the error lies.
[[noreturn]] void failAt(SourceMap* map, uint32_t at, const std::string& message)
{
    if (map)
        map->errorAt = at;
    RunContext::chyb(message);
}

// Every `from` becomes `to`, whose characters come from where the match's character
// `origin` came from.
Traced replaceAll(const Traced& s, std::string_view from, std::string_view to, size_t origin = 0)
{
    Traced out;
    out.text.reserve(s.text.size());
    out.at.reserve(s.text.size());
    size_t start = 0;
    for (size_t found; (found = s.text.find(from, start)) != std::string::npos; start = found + from.size()) {
        for (size_t k = start; k < found; ++k)
            out.push(s.text[k], s.at[k]);
        for (char c : to)
            out.push(c, s.at[found + origin]);
    }
    for (size_t k = start; k < s.text.size(); ++k)
        out.push(s.text[k], s.at[k]);
    return out;
}

// Removes "{...}" comments; an unclosed "{" removes the rest of the text. Tabs become blanks.
Traced removeComments(const std::string& text)
{
    Traced out;
    bool inComment = false;
    for (size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (inComment)
            inComment = c != '}';
        else if (c == '{')
            inComment = true;
        else
            out.push(c == '\t' ? ' ' : c, static_cast<uint32_t>(k));
    }
    return out;
}

// Lower case of the capitals of the Central European code page (Latin-1 and Latin
// Extended-A letters); other characters stay.
char32_t toLower(char32_t cp)
{
    if (cp >= 'A' && cp <= 'Z')
        return cp + 32;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)
        return cp + 32;
    const bool evenUpper = (cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177);
    const bool oddUpper = (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
    if ((evenUpper && cp % 2 == 0) || (oddUpper && cp % 2 == 1))
        return cp + 1;
    if (cp == 0x178)
        return 0xFF;
    return cp;
}

// The accented Czech letters that stand for plain ones; 0 for any other character.
char foldAccent(char32_t cp)
{
    switch (cp) {
    case 0x11B: case 0xE9: return 'e';
    case 0x161: return 's';
    case 0x10D: return 'c';
    case 0x159: return 'r';
    case 0x17E: return 'z';
    case 0xFD: return 'y';
    case 0xE1: return 'a';
    case 0xED: return 'i';
    case 0x16F: case 0xFA: return 'u';
    case 0xF3: return 'o';
    default: return 0;
    }
}

bool allowed(char c)
{
    return c == ' ' || (c >= 0x28 && c <= 0x3E) || c == '[' || c == ']' || c == '^' || c == '_'
        || (c >= 'a' && c <= 'z');
}

// String literals: every "'" toggles; the literal becomes its index in Literals.
Traced extractLiterals(RunContext& calc, const Traced& text, SourceMap* map)
{
    Traced code;
    std::string literal;
    bool inside = false;
    uint32_t opened = 0;
    for (size_t k = 0; k < text.text.size(); ++k) {
        const char c = text.text[k];
        if (c == '\'') {
            if (inside) {
                for (char digit : std::to_string(calc.Literals.size()))
                    code.push(digit, opened);
                calc.Literals.push_back(literal);
                literal.clear();
            }
            inside = !inside;
            opened = text.at[k];
        } else if (inside) {
            literal += c;
        } else {
            code.push(c, text.at[k]);
        }
    }
    if (inside)
        failAt(map, opened, "Unterminated string.");
    return code;
}

// Lower case, fold the Czech accents, and accept only the language's characters.
Traced lowerAndCheck(const Traced& code, SourceMap* map)
{
    Traced lowered;
    lowered.text.reserve(code.text.size());
    for (size_t i = 0; i < code.text.size();) {
        const uint32_t from = code.at[i];
        const char32_t cp = toLower(decodeUtf8(code.text, i));
        const char c = cp < 0x80 ? static_cast<char>(cp) : foldAccent(cp);
        if (c == 0 || !allowed(c)) {
            std::string shown;
            appendUtf8(shown, cp);
            failAt(map, from, "Invalid character \" " + shown + " \".");
        }
        lowered.push(c, from);
    }
    return lowered;
}

// Keywords are recognised between blanks, line joins, ";" and the ends of the text and become
// markers; blanks go and the two-character operators get their one-character codes.
Traced markKeywords(const Traced& lowered)
{
    Traced text;
    text.push(' ', lowered.empty() ? 0 : lowered.at.front());
    for (size_t k = 0; k < lowered.text.size(); ++k)
        text.push(lowered.text[k], lowered.at[k]);
    text.push(' ', lowered.empty() ? 0 : lowered.at.back());
    text = replaceAll(text, " ", "  ");
    text = replaceAll(text, ";", " ; ");
    static const std::pair<const char*, char> keywords[] = {
        {" begin ", Begin}, {" end ", End}, {" if ", If},       {" then ", Then},   {" else ", Else},
        {" while ", While}, {" do ", Do},   {" repeat ", Repeat}, {" until ", Until}, {" for ", For},
        {" to ", To},       {" try ", Try}};
    for (const auto& [word, letter] : keywords) // a marker comes from its keyword's first letter
        text = replaceAll(text, word, std::string{Marker, letter}, 1);
    Traced solid;
    for (size_t k = 0; k < text.text.size(); ++k)
        if (text.text[k] != ' ')
            solid.push(text.text[k], text.at[k]);
    solid = replaceAll(solid, std::string{Marker}, std::string{';', Marker});
    solid = replaceAll(solid, "**", "^");
    solid = replaceAll(solid, "..", "_");
    return replaceAll(solid, ":=", "#");
}

// Items of block 0: statements split at ";", and markers.
std::vector<Traced> splitItems(const Traced& text)
{
    std::vector<Traced> items;
    Traced statement;
    for (size_t i = 0; i < text.text.size(); ++i) {
        const char c = text.text[i];
        if (c == ';' || c == Marker) {
            if (!statement.empty())
                items.push_back(std::move(statement));
            statement = {};
            if (c == Marker && i + 1 < text.text.size()) {
                Traced marker;
                marker.push(Marker, text.at[i]);
                marker.push(text.text[i + 1], text.at[i]);
                items.push_back(std::move(marker));
                ++i;
            }
        } else {
            statement.push(c, text.at[i]);
        }
    }
    if (!statement.empty())
        items.push_back(std::move(statement));
    return items;
}

// BEGIN/END and REPEAT/UNTIL balance.
void checkBalance(const std::vector<Traced>& items, SourceMap* map)
{
    std::string stack;
    std::vector<uint32_t> openedAt;
    for (const Traced& traced : items) {
        const std::string& item = traced.text;
        if (!isMarker(item, Begin) && !isMarker(item, End) && !isMarker(item, Repeat) && !isMarker(item, Until))
            continue;
        const char letter = item[1];
        const uint32_t at = traced.at[0];
        const char below = stack.empty() ? 0 : stack.back();
        if ((below == Begin && letter == End) || (below == Repeat && letter == Until)) {
            stack.pop_back();
            openedAt.pop_back();
        } else if (below == Repeat && letter == End) {
            failAt(map, at, "UNTIL expected but END found.");
        } else if (below == Begin && letter == Until) {
            failAt(map, at, "END expected but UNTIL found.");
        } else if (letter == End) {
            failAt(map, at, "Recorded END with no corresponding BEGIN.");
        } else if (letter == Until) {
            failAt(map, at, "Recorded UNTIL with no corresponding REPEAT.");
        } else {
            stack += letter;
            openedAt.push_back(at);
        }
    }
    if (!stack.empty())
        failAt(map, openedAt.back(),
               stack.back() == Begin ? "Recorded BEGIN with no corresponding END."
                                     : "Recorded REPEAT with no corresponding UNTIL.");
}

// Bracket check of one statement; "=" outside brackets becomes "%".
void checkbrackets(Traced& statement, SourceMap* map)
{
    std::string open;
    std::vector<uint32_t> openedAt;
    for (size_t k = 0; k < statement.text.size(); ++k) {
        char& c = statement.text[k];
        const uint32_t at = statement.at[k];
        if (c == '(' || c == '[') {
            open += c;
            openedAt.push_back(at);
        } else if (c == ')' || c == ']') {
            const char opener = c == ')' ? '(' : '[';
            if (open.empty())
                failAt(map, at, std::string("Recorded \" ") + c + " \" with no corresponding \" " + opener + " \".");
            if (open.back() != opener)
                failAt(map, at, c == ')' ? "\" ] \" expected but \" ) \" found." : "\" ) \" expected but \" ] \" found.");
            open.pop_back();
            openedAt.pop_back();
        } else if ((c == '<' || c == '>') && !open.empty()) {
            failAt(map, at, std::string("\" ") + c + " \" not allowed in parentheses.");
        } else if (c == '=' && open.empty()) {
            c = '%';
        }
    }
    if (!open.empty())
        failAt(map, openedAt.back(),
               open.back() == '(' ? "Recorded \" ( \" with no corresponding \" ) \"."
                                  : "Recorded \" [ \" with no corresponding \" ] \".");
}

// Moves items from `pos` into block `target` up to the closer of that block (consumed) or
// the end; each BEGIN…END and REPEAT…UNTIL body gets a block of its own, filled recursively.
// Blocks are numbered in the order their openers appear, outer before inner. The map, when
// there is one, gets the items' offsets in the same places.
void nestInto(RunContext& calc, std::vector<Block>& blocks, size_t target, std::vector<Traced>& items, size_t& pos,
              SourceMap* map)
{
    DepthGuard guard(calc);
    while (pos < items.size()) {
        Traced& traced = items[pos++];
        std::string& item = traced.text;
        if (isMarker(item, End) || isMarker(item, Until))
            return;
        const bool opener = isMarker(item, Begin) || isMarker(item, Repeat);
        if (opener)
            item += std::to_string(blocks.size());
        blocks[target].push_back(std::move(item));
        if (map)
            map->items[target].push_back(std::move(traced.at));
        if (opener) {
            blocks.emplace_back();
            if (map)
                map->items.emplace_back();
            nestInto(calc, blocks, blocks.size() - 1, items, pos, map);
        }
    }
}

} // namespace

std::vector<Block> prepare(RunContext& calc, const std::string& source, SourceMap* map)
{
    calc.Literals.clear();
    const Traced code = extractLiterals(calc, removeComments(source), map);
    std::vector<Traced> items = splitItems(markKeywords(lowerAndCheck(code, map)));
    checkBalance(items, map);
    for (Traced& item : items)
        if (!isMarker(item.text))
            checkbrackets(item, map);
    std::vector<Block> blocks(1);
    if (map)
        map->items.assign(1, {});
    size_t pos = 0;
    nestInto(calc, blocks, 0, items, pos, map);
    return blocks;
}

} // namespace textcalc
