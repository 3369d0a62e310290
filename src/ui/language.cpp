#include "ui/language.h"

#include <algorithm>

namespace ui {

Language::Language(const std::filesystem::path& file) : m_file(std::in_place, file) {}

std::string Language::caption(const char* key, const char* czechDefault) const
{
    return m_file ? m_file->readString("lang", key, czechDefault) : std::string(czechDefault);
}

std::string Language::text(const char* key, const char* czechDefault) const
{
    return withoutMnemonic(caption(key, czechDefault));
}

std::string withoutMnemonic(const std::string& caption)
{
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        out += caption[i];
    }
    return out;
}

std::string Language::macroCaption(const std::string& name, const std::string& fileCaption) const
{
    if (!m_file || !m_file->sectionExists("macros"))
        return fileCaption;
    return m_file->readString("macros", name, name);
}

std::string Language::macroRowCaption(const std::string& key, const std::string& fileCaption) const
{
    if (!m_file || !m_file->sectionExists("macros"))
        return fileCaption;
    return m_file->readString("macros", key, fileCaption);
}

int languageForUser(const std::vector<std::string>& locales, const std::string& userLanguage)
{
    for (const std::string& wanted : {userLanguage, std::string("en")}) {
        const auto it = std::find(locales.begin(), locales.end(), wanted);
        if (!wanted.empty() && it != locales.end())
            return static_cast<int>(it - locales.begin());
    }
    return 0;
}

} // namespace ui
