#pragma once
// Shared by the window tests: a throw-away program directory with a small skin whose keys lie
// on a grid, so that each key can be clicked on its own.
#include <filesystem>
#include <map>
#include <string>

namespace testsupport {

class ProgramDir {
public:
    ProgramDir();
    ~ProgramDir();
    const std::filesystem::path& path() const { return m_path; }

    // Writes skins/<name>.ini (extra keys appended as "[section]\nkey=value" text) and, unless
    // `withBitmaps` is false, its backg.bmp, title.bmp and but1.bmp ... but5.bmp.
    void writeSkin(const std::string& name, const std::string& extraIni = {}, bool withBitmaps = true);
    // backg.bmp (width x height), title.bmp (200 x 35) and but<P>.bmp (50 + P wide) of a skin.
    void writeBitmaps(const std::string& name, int width = 260, int height = 250);
    void writeFile(const std::string& relative, const std::string& text);
    std::string readFile(const std::string& relative) const;
    void makeDir(const std::string& relative);

private:
    std::filesystem::path m_path;
};

// Grid position of key i of the face: 7 keys to a row, 36 pixels apart, rows 30 apart.
int gridLeft(int keyIndex);
int gridTop(int keyIndex);

} // namespace testsupport
