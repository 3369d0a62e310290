#include "ui/language.h"

namespace ui {

Language::Language(const std::filesystem::path& file) : m_file(std::in_place, file) {}

std::string Language::text(const char* key, const char* czechDefault) const
{
    return m_file ? m_file->readString("lang", key, czechDefault) : std::string(czechDefault);
}

} // namespace ui
