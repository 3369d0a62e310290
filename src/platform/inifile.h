#pragma once
// INI files as the desktop's profile functions treat them: sections and keys match without
// regard to case, values are trimmed, integers are decimal or "0x" hex, and every write goes
// through to the file at once (see file_replace.h; comments and keys nobody reads stay in
// the file). Files are UTF-8; a file that is not valid UTF-8 is read as
// Windows-1250. Unconvertible values yield the caller's default.
#include <filesystem>
#include <string>
#include <vector>

namespace platform {

class IniFile {
public:
    // Reads the file if it exists; a missing or unreadable file is an empty one.
    explicit IniFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return m_path; }
    bool existed() const { return m_existed; }

    bool sectionExists(const std::string& section) const;
    bool valueExists(const std::string& section, const std::string& key) const;
    std::vector<std::string> sections() const;
    std::vector<std::string> keys(const std::string& section) const;

    std::string readString(const std::string& section, const std::string& key, const std::string& def) const;
    long long readInteger(const std::string& section, const std::string& key, long long def) const;
    bool readBool(const std::string& section, const std::string& key, bool def) const;
    // Floats in the given decimal separator's form.
    long double readFloat(const std::string& section, const std::string& key, long double def,
                          char decimalSeparator) const;

    // Each write updates the file immediately; returns false when the file could not be written,
    // or when the section, key or value holds a line break (nothing is written then).
    bool writeString(const std::string& section, const std::string& key, const std::string& value);
    bool writeInteger(const std::string& section, const std::string& key, long long value);
    bool writeBool(const std::string& section, const std::string& key, bool value);

    // Groups several writes into one file update (used by shut-down): the file is written once
    // when the last batch ends.
    void beginBatch() { ++m_batch; }
    bool endBatch();

    // Parses an integer as the profile functions do; false when it is not one.
    static bool parseInteger(const std::string& text, long long& value);

private:
    // One line of a section: a key and its value, or any other line (a comment, a blank line,
    // a repeated key) kept as read so that writing the file leaves it where it was.
    struct Entry {
        std::string key; // empty for a kept line
        std::string value;
        std::string text; // the line as read; written as is while the value is unchanged
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    const Section* findSection(const std::string& name) const;
    Section* findSection(const std::string& name);
    const Entry* findEntry(const std::string& section, const std::string& key) const;
    void parse(const std::string& text);
    std::string text() const;
    bool flush();

    std::filesystem::path m_path;
    std::vector<std::string> m_preamble; // lines before the first section
    std::vector<Section> m_sections;
    bool m_existed = false;
    int m_batch = 0;
};

} // namespace platform
