#include "menu_model.h"

#include <set>
#include <system_error>

namespace macros {

namespace {

// The deepest level read; a `num` there only says that the entry runs no macro.
constexpr int deepestLevel = 3;

std::string lowerCase(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }

struct EntryDropped {};

// Counts are one byte; anything else abandons the entry.
int readCount(const platform::IniFile& tree, const std::string& section)
{
    const long long n = tree.readInteger(section, "num", 0);
    if (n < 0 || n > 255)
        throw EntryDropped();
    return static_cast<int>(n);
}

class Builder {
public:
    Builder(const platform::IniFile& tree, const platform::IniFile& engine, std::filesystem::path pictures,
            const std::vector<std::string>& reserved)
        : m_tree(tree), m_engine(engine), m_pictures(std::move(pictures))
    {
        for (const std::string& name : reserved)
            m_used.insert(lowerCase(name));
    }

    void buildLevel(const std::string& parentSection, int count, int level, std::vector<MenuEntry>& out)
    {
        for (int i = 1; i <= count; ++i) {
            try {
                out.push_back(buildEntry(parentSection + "." + std::to_string(i), level));
            } catch (const EntryDropped&) {
                // The entry and its children are left out; its siblings go on.
            }
        }
    }

private:
    MenuEntry buildEntry(const std::string& section, int level)
    {
        MenuEntry entry;
        const int num = readCount(m_tree, section);
        entry.runsMacro = num == 0;
        entry.name = m_tree.readString(section, "name", "jmeno");
        if (!isValidIdentifier(entry.name) || !m_used.insert(lowerCase(entry.name)).second)
            throw EntryDropped();
        entry.caption = entry.runsMacro ? m_engine.readString(entry.name, "caption", "napis")
                                        : m_tree.readString(section, "caption", "napis");
        std::error_code ec;
        const std::filesystem::path picture = m_pictures / (entry.name + ".bmp");
        if (std::filesystem::is_regular_file(picture, ec))
            entry.picture = picture;
        if (num != 0 && level < deepestLevel)
            buildLevel(section, num, level + 1, entry.children);
        return entry;
    }

    const platform::IniFile& m_tree;
    const platform::IniFile& m_engine;
    std::filesystem::path m_pictures;
    std::set<std::string> m_used;
};

} // namespace

bool isValidIdentifier(const std::string& name)
{
    if (name.empty() || !isLetter(name[0]))
        return false;
    for (char c : name)
        if (!isLetter(c) && !(c >= '0' && c <= '9'))
            return false;
    return true;
}

std::vector<MenuEntry> buildMenu(const platform::IniFile& tree, const platform::IniFile& engine,
                                 const std::filesystem::path& picturesDir,
                                 const std::vector<std::string>& reservedNames)
{
    std::vector<MenuEntry> entries;
    const long long count = tree.readInteger("main", "num", 0);
    if (count < 1 || count > 255)
        return entries;
    Builder(tree, engine, picturesDir, reservedNames).buildLevel("main", static_cast<int>(count), 1, entries);
    return entries;
}

} // namespace macros
