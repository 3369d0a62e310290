// The language loader: any language file gives a text for every key, its default when the
// file has none.
#include "ui/language.h"

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ui::Language language(fuzz::writeFile("langs/l.ini", fuzz::asText(data, size)));
    for (const char* key : {"close", "help", "caption", "ordsep", "about", "stat", "x", ""})
        language.text(key, "výchozí");
    return 0;
}
