#include "ui/skin.h"

#include <algorithm>
#include <cctype>

namespace ui {

namespace {

// Positions and sizes are clamped so that a skin full of huge or negative numbers still gives
// a window the desktop can map; font sizes stay readable.
constexpr long long coordLimit = 8192;

int readCoord(const platform::IniFile& f, const std::string& s, const char* k, int def)
{
    return static_cast<int>(std::clamp(f.readInteger(s, k, def), -coordLimit, coordLimit));
}

int readSize(const platform::IniFile& f, const std::string& s, const char* k, int def)
{
    return static_cast<int>(std::clamp(f.readInteger(s, k, def), 0LL, coordLimit));
}

unsigned readColor(const platform::IniFile& f, const std::string& s, const char* k, unsigned def)
{
    return static_cast<unsigned>(f.readInteger(s, k, def)) & 0xFFFFFFu;
}

// Title-button values are checked against 0-255 by the views, so only keep them in int range.
int readRaw(const platform::IniFile& f, const std::string& s, const char* k, int def)
{
    return static_cast<int>(std::clamp(f.readInteger(s, k, def), -1000000LL, 1000000LL));
}

} // namespace

Skin loadSkin(const platform::IniFile& f)
{
    Skin s;
    s.diametr = readSize(f, "main", "diametr", s.diametr);
    s.color = readColor(f, "main", "color", s.color);
    s.hintColor = readColor(f, "main", "hint_color", s.hintColor);
    s.width = readSize(f, "main", "width", s.width);
    s.height = readSize(f, "main", "height", s.height);
    s.upwidth = readSize(f, "main", "upwidth", s.upwidth);
    s.upheight = readSize(f, "main", "upheight", s.upheight);

    for (size_t i = 0; i < labelNames.size(); ++i) {
        LabelPlace& l = s.labels[i];
        const std::string sec = labelNames[i];
        l.top = readCoord(f, sec, "top", l.top);
        l.left = readCoord(f, sec, "left", l.left);
        l.size = static_cast<int>(std::clamp(f.readInteger(sec, "size", l.size), 1LL, 200LL));
        l.color = readColor(f, sec, "color", l.color);
        l.name = f.readString(sec, "name", l.name);
        l.width = readSize(f, sec, "width", l.width);
        l.height = readSize(f, sec, "height", l.height);
    }
    // A skin made before the base indicator existed shows it beside the angle unit, in its font.
    if (!f.sectionExists("soustava")) {
        LabelPlace& base = s.labels[static_cast<size_t>(LabelId::soustava)];
        base = s.label(LabelId::deg);
        base.left += base.size * 4;
    }

    s.pamLeft = readCoord(f, "pam", "left", s.pamLeft);
    s.pamTop = readCoord(f, "pam", "top", s.pamTop);
    s.pamInter = readCoord(f, "pam", "inter", s.pamInter);
    s.pamSize = readSize(f, "pam", "size", s.pamSize);
    s.pamColor = readColor(f, "pam", "color", s.pamColor);

    for (size_t i = 0; i < keyNames.size(); ++i) {
        KeyPlace& k = s.keys[i];
        const std::string sec = keyNames[i];
        k.top = readCoord(f, sec, "top", k.top);
        k.left = readCoord(f, sec, "left", k.left);
        k.pic = static_cast<int>(std::clamp(f.readInteger(sec, "pic", k.pic), -1000000LL, 1000000LL));
        const std::string picSection = "pic_" + std::to_string(k.pic);
        k.width = readSize(f, picSection, "width", k.width);
        k.height = readSize(f, picSection, "height", k.height);
    }

    s.butSize = readSize(f, "upbuts", "size", s.butSize);
    s.butLeft = readRaw(f, "upbuts", "left", s.butLeft);
    s.butTop = readRaw(f, "upbuts", "top", s.butTop);
    s.butInter = readRaw(f, "upbuts", "inter", s.butInter);
    s.butUleft = readRaw(f, "upbuts", "uleft", s.butUleft);
    s.butUtop = readRaw(f, "upbuts", "utop", s.butUtop);
    s.aboutWidth = readSize(f, "upbuts", "aboutwidth", s.aboutWidth);
    s.aboutHeight = readSize(f, "upbuts", "aboutheight", s.aboutHeight);
    s.aboutLeft = readCoord(f, "upbuts", "aboutleft", s.aboutLeft);
    s.aboutTop = readCoord(f, "upbuts", "abouttop", s.aboutTop);
    return s;
}

std::string refuseHiddenViews(Skin& skin)
{
    constexpr int smallest = 16;
    const Skin defaults;
    const struct {
        const char* key;
        int& value;
        int fallback;
    } sizes[] = {
        {"width", skin.width, defaults.width},
        {"height", skin.height, defaults.height},
        {"upwidth", skin.upwidth, defaults.upwidth},
        {"upheight", skin.upheight, defaults.upheight},
    };
    std::string message;
    for (const auto& s : sizes)
        if (s.value < smallest || s.value > coordLimit) {
            if (message.empty())
                message = "Invalid skin value [main] " + std::string(s.key) + " = " + std::to_string(s.value) +
                          " (allowed " + std::to_string(smallest) + "-" + std::to_string(coordLimit) + ").";
            s.value = s.fallback;
        }
    return message;
}

std::string titleButtonsError(const Skin& skin, bool titleStrip)
{
    const struct {
        const char* key;
        int value;
    } values[] = {
        {titleStrip ? "uleft" : "left", titleStrip ? skin.butUleft : skin.butLeft},
        {titleStrip ? "utop" : "top", titleStrip ? skin.butUtop : skin.butTop},
        {"inter", skin.butInter},
    };
    for (const auto& v : values)
        if (v.value < 0 || v.value > 255)
            return "Invalid skin value [upbuts] " + std::string(v.key) + " = " + std::to_string(v.value) +
                   " (allowed 0-255).";
    return {};
}

std::vector<std::string> listIniNames(const std::filesystem::path& dir)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::filesystem::path& p = it->path();
        std::string ext = p.extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
        if (ext == ".ini" && it->is_regular_file(ec))
            names.push_back(p.stem().string());
    }
    auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
        return s;
    };
    std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        return lower(a) < lower(b);
    });
    return names;
}

int keyIndex(const std::string& name)
{
    for (size_t i = 0; i < keyNames.size(); ++i)
        if (name == keyNames[i])
            return static_cast<int>(i);
    return -1;
}

} // namespace ui
