#pragma once
// The macro menu read from macro_tree.ini: up to three levels of entries under section "main",
// entry i.j.k in section "main.i.j.k". An entry whose `num` is 0 is a leaf that runs the macro
// of the same name in macro_engine.ini.
#include "platform/inifile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace macros {

struct MenuEntry {
    std::string name;    // the entry's identifier: a valid component name, unique in the window
    std::string caption; // from macro_tree.ini for a submenu, from macro_engine.ini for a leaf
    std::filesystem::path picture; // macropics/<name>.bmp when that file exists, else empty
    bool runsMacro = false;        // `num` was 0
    std::vector<MenuEntry> children;
};

// Builds the entries below "main". An entry is dropped with everything below it when its name
// is not a valid identifier, is already used (case-insensitively) by an earlier entry or by one
// of `reservedNames` (the window's own components), or when its `num` is outside 0 … 255; the
// other entries of its level are still built. A missing section gives an entry with the
// defaults (a leaf named "jmeno"); a `num` of "main" outside 0 … 255 gives no entries.
std::vector<MenuEntry> buildMenu(const platform::IniFile& tree, const platform::IniFile& engine,
                                 const std::filesystem::path& picturesDir,
                                 const std::vector<std::string>& reservedNames = {});

// A valid component name: an ASCII letter or "_", then letters, digits and "_".
bool isValidIdentifier(const std::string& name);

} // namespace macros
