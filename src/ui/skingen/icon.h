#pragma once
// The program's icon: a small picture of the keypad in a theme's colours, written as a scalable
// SVG and as PNGs in the sizes desktops ask for, laid out as the hicolor icon theme is.
#include <QColor>

#include <filesystem>
#include <functional>
#include <string>

namespace skingen {

// `color` gives a theme colour by its key ("body_top", "lcd", "key_2", …).
// Writes OUTDIR/scalable/apps/zoltcalc.svg and OUTDIR/<N>x<N>/apps/zoltcalc.png.
bool writeIcons(const std::function<QColor(const std::string&)>& color, const std::filesystem::path& outDir);

} // namespace skingen
