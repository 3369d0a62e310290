#pragma once
// The manual and the documents the windows open. The manual is a folder of HTML pages per
// language under manual/ in the program directory, named like the language file
// (manual/english/, manual/cestina/); a language without a manual of its own shows the English
// one. Every window opens its pages here, so every window says the same when nothing can show
// them.
#include "platform/services.h"

#include <filesystem>
#include <string>

namespace ui {

// Opens a document with the desktop's viewer. Without a viewer nothing would open and nothing
// would say so: the user is told which file to open.
void openDocument(platform::Services& services, const std::filesystem::path& path);

// The folder of `base` for a language (base/<language>), the English one when that language
// has none: the manual's pages and the example sheets.
std::filesystem::path languageFolder(const std::filesystem::path& base, const std::string& language);

class Manual {
public:
    Manual(std::filesystem::path programDir, platform::Services& services);

    // The language file's name ("cestina"); empty when no language file is in use.
    void setLanguage(std::string language) { m_language = std::move(language); }
    const std::string& language() const { return m_language; }

    // The file of a page ("statistics" is manual/<language>/statistics.html).
    std::filesystem::path page(const std::string& name) const;
    void open(const std::string& name) const;

private:
    std::filesystem::path m_programDir;
    platform::Services& m_services;
    std::string m_language;
};

} // namespace ui
