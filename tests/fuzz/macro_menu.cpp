// The macro-menu loader and the macros it runs: a macro_tree.ini and a macro_engine.ini
// (the two parts of the input) build a menu, and every leaf is clicked on the keypad engine
// and, for a macro window, computed, as a user would.
#include "keypad/engine.h"
#include "macros/macro_host.h"
#include "platform/headless/headless_services.h"

#include "fuzz_support.h"

namespace {

void clickAll(const std::vector<macros::MenuEntry>& entries, macros::MacroHost& host, keypad::Engine& engine)
{
    for (const macros::MenuEntry& e : entries) {
        if (e.runsMacro && host.macroclick(e.name, engine)) {
            std::vector<std::string> inputs;
            for (size_t i = 0; i < host.window().inputs.size(); ++i)
                inputs.push_back(std::to_string(i) + ".5");
            host.Macrize(inputs, engine);
        }
        clickAll(e.children, host, engine);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto [tree, engineFile] = fuzz::twoParts(fuzz::asText(data, size));
    fuzz::writeFile("macros/macro_tree.ini", tree);
    fuzz::writeFile("macros/macro_engine.ini", engineFile);
    platform::HeadlessServices services;
    keypad::Engine engine(services);
    macros::MacroHost host(fuzz::scratch() / "macros", services);
    clickAll(host.menu({"display", "hlavni"}), host, engine);
    return 0;
}
