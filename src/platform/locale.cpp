#include "services.h"

#include <clocale>
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

} // namespace platform
