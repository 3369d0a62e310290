#include "services.h"

#include <clocale>
#include <cstdlib>
#include <string_view>
#include <langinfo.h>
#include <locale.h>

namespace platform {

char localeDecimalSeparator()
{
    char sep = '.';
    locale_t loc = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (loc != static_cast<locale_t>(0)) {
        const char* radix = nl_langinfo_l(RADIXCHAR, loc);
        // Multi-byte separators (rare) fall back to '.'.
        if (radix && radix[0] && !radix[1])
            sep = radix[0];
        freelocale(loc);
    }
    return sep;
}

namespace {

std::string_view variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// "cs_CZ.UTF-8@euro" -> "cs".
std::string languageOf(std::string_view locale)
{
    return std::string(locale.substr(0, locale.find_first_of("_.@")));
}

} // namespace

std::string messagesLanguage()
{
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (!(locale = variable(name)).empty())
            break;
    if (locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C."))
        return {};
    // LANGUAGE orders the user's languages, and counts only when a locale is set at all.
    const std::string_view list = variable("LANGUAGE");
    const std::string_view first = list.substr(0, list.find(':'));
    return languageOf(first.empty() ? locale : first);
}

} // namespace platform
