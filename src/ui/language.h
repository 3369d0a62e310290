#pragma once
// A language file "langs/<name>.ini": every caption, hint and title in section "lang", one key
// per text. A missing key (or a missing file) leaves the built-in Czech text.
#include "platform/inifile.h"

#include <filesystem>
#include <optional>
#include <string>

namespace ui {

class Language {
public:
    Language() = default; // no file: every text its default
    explicit Language(const std::filesystem::path& file);

    std::string text(const char* key, const char* czechDefault) const;

private:
    std::optional<platform::IniFile> m_file;
};

} // namespace ui
