#include "test_support.h"

#include "ui/skin.h"

#include <QColor>
#include <QImage>

#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace testsupport {

ProgramDir::ProgramDir()
{
    std::random_device rd;
    m_path = fs::temp_directory_path() / ("zoltcalc-test-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(m_path);
}

ProgramDir::~ProgramDir()
{
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

int gridLeft(int keyIndex) { return 5 + (keyIndex % 7) * 36; }
int gridTop(int keyIndex) { return 60 + (keyIndex / 7) * 30; }

void ProgramDir::writeSkin(const std::string& name, const std::string& extraIni, bool withBitmaps)
{
    std::ostringstream ini;
    if (extraIni.find("[main]") == std::string::npos)
        ini << "[main]\nwidth=260\nheight=250\n";
    for (size_t i = 0; i < ui::keyNames.size(); ++i)
        ini << "[" << ui::keyNames[i] << "]\nleft=" << gridLeft(static_cast<int>(i))
            << "\ntop=" << gridTop(static_cast<int>(i)) << "\n";
    ini << extraIni << "\n";
    writeFile("skins/" + name + ".ini", ini.str());
    if (withBitmaps)
        writeBitmaps(name);
}

void ProgramDir::writeBitmaps(const std::string& name, int width, int height)
{
    const fs::path dir = m_path / "skins" / name;
    fs::create_directories(dir);
    auto save = [&](int w, int h, QColor c, const std::string& file) {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(c);
        img.save(QString::fromStdString((dir / file).string()), "BMP");
    };
    save(width, height, QColor(200, 200, 200), "backg.bmp");
    save(200, 35, QColor(100, 100, 100), "title.bmp");
    for (int p = 1; p <= 5; ++p) {
        // Transparent magenta body (named by the bottom-left pixel) with a dark first row.
        QImage img(50 + p, 40, QImage::Format_RGB32);
        img.fill(QColor(255, 0, 255));
        for (int x = 0; x < img.width(); ++x)
            img.setPixelColor(x, 0, QColor(0, 0, 0));
        img.save(QString::fromStdString((dir / ("but" + std::to_string(p) + ".bmp")).string()), "BMP");
    }
}

void ProgramDir::writeFile(const std::string& relative, const std::string& text)
{
    const fs::path p = m_path / relative;
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

std::string ProgramDir::readFile(const std::string& relative) const
{
    std::ifstream in(m_path / relative, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void ProgramDir::makeDir(const std::string& relative)
{
    fs::create_directories(m_path / relative);
}

} // namespace testsupport
