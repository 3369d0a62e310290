#include "ui/language.h"

namespace ui {

Language::Language(const std::filesystem::path& file) : m_file(std::in_place, file) {}

std::string Language::text(const char* key, const char* czechDefault) const
{
    return m_file ? m_file->readString("lang", key, czechDefault) : std::string(czechDefault);
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

} // namespace ui
