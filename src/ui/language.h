#pragma once
// A language file "langs/<name>.ini": every caption, hint and title in section "lang", one key
// per text. A missing key (or a missing file) leaves the built-in Czech text.
#include "platform/inifile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class Language {
public:
    Language() = default; // no file: every text its default
    explicit Language(const std::filesystem::path& file);

    // A text as read, without the mnemonic mark: for titles, hints and labels that take no key.
    std::string text(const char* key, const char* czechDefault) const;
    // A caption with its mnemonic: "&" marks the letter that Alt takes ("&&" is one "&"). A
    // file without marks gives captions without mnemonics.
    std::string caption(const char* key, const char* czechDefault) const;

    // Captions of the macro menu and the macro windows from section "macros", by the entry's
    // name: "<name>" for an entry, "<name>.incap<i>" and "<name>.outcap<j>" for the rows of its
    // window. A file without that section leaves the macro files' own texts; with it, an entry
    // it does not name shows its name and a row its macro file's text.
    std::string macroCaption(const std::string& name, const std::string& fileCaption) const;
    std::string macroRowCaption(const std::string& key, const std::string& fileCaption) const;

private:
    std::optional<platform::IniFile> m_file;
};

// `caption` without its mnemonic mark ("&File" -> "File", "R&&D" -> "R&D").
std::string withoutMnemonic(const std::string& caption);

// The language file a user who reads `userLanguage` ("cs", empty when unknown) starts in: the
// one whose "locale" key names that language, else the English one, else the first. `locales`
// are the files' "locale" keys in the order of the list.
int languageForUser(const std::vector<std::string>& locales, const std::string& userLanguage);

} // namespace ui
