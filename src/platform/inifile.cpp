#include "inifile.h"

#include "file_replace.h"
#include "floattext.h"
#include "utf8.h"

#include <algorithm>
#include <iterator>
#include <fstream>
#include <sstream>

namespace platform {

namespace {

bool equalsNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x != y && std::tolower(x) != std::tolower(y))
            return false;
    }
    return true;
}

std::string trim(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r' || s[b] == '\n'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r' || s[e - 1] == '\n'))
        --e;
    return s.substr(b, e - b);
}

} // namespace

IniFile::IniFile(std::filesystem::path path) : m_path(std::move(path))
{
    std::ifstream in(m_path, std::ios::binary);
    if (!in)
        return;
    m_existed = true;
    std::ostringstream ss;
    ss << in.rdbuf();
    std::string text = ss.str();
    // Every byte order mark at the start goes (the writer writes none), so a file with two
    // reads the same before and after a write.
    while (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);
    parse(toUtf8FromLegacy(text));
}

void IniFile::parse(const std::string& text)
{
    Section* current = nullptr;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        // Every carriage return at the end goes, not only that of a CR LF: the writer ends lines
        // with LF, so a kept line is then written the same every time.
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string t = trim(line);
        if (!t.empty() && t[0] == '[') {
            const size_t close = t.find(']');
            const std::string name = trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            // A repeated section continues the first one.
            current = findSection(name);
            if (!current) {
                m_sections.push_back({name, {}});
                current = &m_sections.back();
            }
            continue;
        }
        const size_t eq = t.find('=');
        std::string key = eq == std::string::npos || t[0] == ';' ? std::string() : trim(t.substr(0, eq));
        // The first of repeated keys wins, as with the profile functions; the others are kept.
        if (current && !key.empty() && findEntry(current->name, key))
            key.clear();
        if (!current)
            m_preamble.push_back(line);
        else if (key.empty())
            current->entries.push_back({{}, {}, line});
        else
            current->entries.push_back({key, trim(t.substr(eq + 1)), line});
    }
}

const IniFile::Section* IniFile::findSection(const std::string& name) const
{
    for (const Section& s : m_sections)
        if (equalsNoCase(s.name, name))
            return &s;
    return nullptr;
}

IniFile::Section* IniFile::findSection(const std::string& name)
{
    return const_cast<Section*>(static_cast<const IniFile*>(this)->findSection(name));
}

const IniFile::Entry* IniFile::findEntry(const std::string& section, const std::string& key) const
{
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    for (const Entry& e : s->entries)
        if (!e.key.empty() && equalsNoCase(e.key, key))
            return &e;
    return nullptr;
}

bool IniFile::sectionExists(const std::string& section) const { return findSection(section) != nullptr; }

bool IniFile::valueExists(const std::string& section, const std::string& key) const
{
    return findEntry(section, key) != nullptr;
}

std::vector<std::string> IniFile::sections() const
{
    std::vector<std::string> out;
    for (const Section& s : m_sections)
        out.push_back(s.name);
    return out;
}

std::vector<std::string> IniFile::keys(const std::string& section) const
{
    std::vector<std::string> out;
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            if (!e.key.empty())
                out.push_back(e.key);
    return out;
}

std::string IniFile::readString(const std::string& section, const std::string& key, const std::string& def) const
{
    const Entry* e = findEntry(section, key);
    return e ? e->value : def;
}

bool IniFile::parseInteger(const std::string& text, long long& value)
{
    std::string t = trim(text);
    if (t.empty())
        return false;
    size_t i = 0;
    bool negative = false;
    if (t[i] == '+' || t[i] == '-')
        negative = t[i++] == '-';
    int base = 10;
    if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
        base = 16;
        i += 2;
    } else if (i < t.size() && t[i] == '$') { // Pascal-style hex is accepted on reading as well
        base = 16;
        ++i;
    }
    if (i >= t.size())
        return false;
    unsigned long long acc = 0;
    for (; i < t.size(); ++i) {
        int d = std::isdigit(static_cast<unsigned char>(t[i])) ? t[i] - '0'
              : (base == 16 && std::isxdigit(static_cast<unsigned char>(t[i])))
                  ? std::tolower(static_cast<unsigned char>(t[i])) - 'a' + 10
                  : -1;
        if (d < 0)
            return false;
        acc = acc * static_cast<unsigned>(base) + static_cast<unsigned>(d);
        if (acc > (base == 16 ? 0xFFFFFFFFFFFFFFFFull >> 1 : 9223372036854775807ull))
            return false;
    }
    value = negative ? -static_cast<long long>(acc) : static_cast<long long>(acc);
    return true;
}

long long IniFile::readInteger(const std::string& section, const std::string& key, long long def) const
{
    const Entry* e = findEntry(section, key);
    long long v;
    return e && parseInteger(e->value, v) ? v : def;
}

bool IniFile::readBool(const std::string& section, const std::string& key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

long double IniFile::readFloat(const std::string& section, const std::string& key, long double def,
                               char decimalSeparator) const
{
    const Entry* e = findEntry(section, key);
    long double v;
    return e && parseFloat(e->value, decimalSeparator, v) ? v : def;
}

bool IniFile::writeString(const std::string& section, const std::string& key, const std::string& value)
{
    // A line break would end the value and start a line of its own: a key or a section.
    if ((section + key + value).find_first_of("\r\n") != std::string::npos)
        return false;
    Section* s = findSection(section);
    if (!s) {
        m_sections.push_back({section, {}});
        s = &m_sections.back();
    }
    const std::string v = trim(value);
    for (Entry& e : s->entries)
        if (!e.key.empty() && equalsNoCase(e.key, key)) {
            if (e.value != v) {
                e.value = v;
                e.text.clear();
            }
            return flush();
        }
    // A new key goes after the section's last key, before the comments and blank lines that
    // lead to the next section; in a section without keys, after its last non-blank line.
    auto at = s->entries.end();
    while (at != s->entries.begin() && std::prev(at)->key.empty())
        --at;
    if (at == s->entries.begin())
        while (at != s->entries.end() && !trim(at->text).empty())
            ++at;
    s->entries.insert(at, {key, v, {}});
    return flush();
}

bool IniFile::writeInteger(const std::string& section, const std::string& key, long long value)
{
    return writeString(section, key, std::to_string(value));
}

bool IniFile::writeBool(const std::string& section, const std::string& key, bool value)
{
    return writeString(section, key, value ? "1" : "0");
}

bool IniFile::endBatch()
{
    if (m_batch > 0)
        --m_batch;
    return flush();
}

std::string IniFile::text() const
{
    std::string out;
    bool afterKey = false; // the last line written is a header or a key
    for (const std::string& line : m_preamble)
        out += line + '\n';
    for (const Section& section : m_sections) {
        // A section follows a key after a blank line; a comment or a blank line before it stays
        // as the file has it.
        if (afterKey)
            out += '\n';
        out += '[' + section.name + "]\n";
        afterKey = true;
        for (const Entry& e : section.entries) {
            out += (e.text.empty() && !e.key.empty() ? e.key + '=' + e.value : e.text) + '\n';
            afterKey = !e.key.empty();
        }
    }
    return out;
}

bool IniFile::flush()
{
    if (m_batch > 0)
        return true;
    if (!replaceFile(m_path, text()))
        return false;
    m_existed = true;
    return true;
}

} // namespace platform
