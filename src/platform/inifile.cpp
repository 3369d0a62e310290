#include "inifile.h"

#include "floattext.h"
#include "utf8.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

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
    if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);
    parse(toUtf8FromLegacy(text));
}

void IniFile::parse(const std::string& text)
{
    Section* current = nullptr;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::string t = trim(line);
        if (t.empty() || t[0] == ';')
            continue;
        if (t[0] == '[') {
            size_t close = t.find(']');
            std::string name = trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            current = findSection(name);
            if (!current) {
                m_sections.push_back({name, {}});
                current = &m_sections.back();
            }
            continue;
        }
        size_t eq = t.find('=');
        if (!current || eq == std::string::npos)
            continue;
        std::string key = trim(t.substr(0, eq));
        if (key.empty())
            continue;
        std::string value = trim(t.substr(eq + 1));
        bool known = false;
        for (const Entry& e : current->entries)
            known = known || equalsNoCase(e.key, key);
        if (!known) // the first of duplicated keys wins, as with the profile functions
            current->entries.push_back({key, value});
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
        if (equalsNoCase(e.key, key))
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
    Section* s = findSection(section);
    if (!s) {
        m_sections.push_back({section, {}});
        s = &m_sections.back();
    }
    Entry* found = nullptr;
    for (Entry& e : s->entries)
        if (equalsNoCase(e.key, key))
            found = &e;
    std::string v = trim(value);
    if (found)
        found->value = v;
    else
        s->entries.push_back({key, v});
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

bool IniFile::eraseSection(const std::string& section)
{
    for (auto it = m_sections.begin(); it != m_sections.end(); ++it)
        if (equalsNoCase(it->name, section)) {
            m_sections.erase(it);
            return flush();
        }
    return true;
}

bool IniFile::deleteKey(const std::string& section, const std::string& key)
{
    if (Section* s = findSection(section))
        for (auto it = s->entries.begin(); it != s->entries.end(); ++it)
            if (equalsNoCase(it->key, key)) {
                s->entries.erase(it);
                return flush();
            }
    return true;
}

bool IniFile::endBatch()
{
    if (m_batch > 0)
        --m_batch;
    return flush();
}

bool IniFile::flush()
{
    if (m_batch > 0)
        return true;
    std::string text;
    for (size_t i = 0; i < m_sections.size(); ++i) {
        if (i)
            text += '\n';
        text += '[' + m_sections[i].name + "]\n";
        for (const Entry& e : m_sections[i].entries)
            text += e.key + '=' + e.value + '\n';
    }
    std::filesystem::path tmp = m_path;
    tmp += ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out << text;
        out.flush();
        if (!out)
            return false;
    }
    // Make the data durable before the rename replaces the old file.
    if (FILE* f = std::fopen(tmp.c_str(), "rb")) {
        ::fsync(fileno(f));
        std::fclose(f);
    }
    std::error_code ec;
    std::filesystem::rename(tmp, m_path, ec);
    if (ec) {
        std::filesystem::remove(tmp, ec);
        return false;
    }
    m_existed = true;
    return true;
}

} // namespace platform
