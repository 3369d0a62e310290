#include "ui/manual.h"

namespace ui {

namespace {

// The manual every other language falls back on.
const char* const FallbackLanguage = "english";

} // namespace

void openDocument(platform::Services& services, const std::filesystem::path& path)
{
    if (!services.openDocument(path))
        services.message(platform::MessageKind::Warning,
                         "No viewer could be started for \"" + path.string() + "\". Please open the file yourself.");
}

std::filesystem::path languageFolder(const std::filesystem::path& base, const std::string& language)
{
    std::error_code error;
    if (!language.empty() && std::filesystem::is_directory(base / language, error))
        return base / language;
    return base / FallbackLanguage;
}

Manual::Manual(std::filesystem::path programDir, platform::Services& services)
    : m_programDir(std::move(programDir)), m_services(services)
{
}

std::filesystem::path Manual::page(const std::string& name) const
{
    return languageFolder(m_programDir / "manual", m_language) / (name + ".html");
}

void Manual::open(const std::string& name) const
{
    openDocument(m_services, page(name));
}

} // namespace ui
