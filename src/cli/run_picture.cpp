// The picture of `zoltcalc-cli run`: a stand-in that loads the drawing module on first use.
#include "cli/run_picture.h"

#include "cli/command.h"

#include <dlfcn.h>
#include <stdexcept>
#include <unistd.h>

namespace cli {

namespace {

using CreateFn = textcalc::PictureAccess* (*)();
using SaveFn = bool (*)(textcalc::PictureAccess*, const char*);

std::filesystem::path programDirectory()
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path(".") : exe.parent_path();
}

class LazyPicture : public textcalc::PictureAccess {
public:
    int64_t penPosX() const override { return real().penPosX(); }
    int64_t penPosY() const override { return real().penPosY(); }
    int64_t width() const override { return real().width(); }
    int64_t height() const override { return real().height(); }
    int64_t pixel(int64_t x, int64_t y) const override { return real().pixel(x, y); }
    void setPixel(int32_t x, int32_t y, int32_t colour) override { real().setPixel(x, y, colour); }
    void setPen(int32_t colour, int32_t width) override { real().setPen(colour, width); }
    void setBrush(int32_t colour, int32_t style) override { real().setBrush(colour, style); }
    void setFont(int32_t colour, int32_t size) override { real().setFont(colour, size); }
    void moveTo(int32_t x, int32_t y) override { real().moveTo(x, y); }
    void lineTo(int32_t x, int32_t y) override { real().lineTo(x, y); }
    void rectTo(int32_t x, int32_t y) override { real().rectTo(x, y); }
    void ellipTo(int32_t x, int32_t y) override { real().ellipTo(x, y); }
    void spot(int32_t radius) override { real().spot(radius); }
    void floodFill(int32_t x, int32_t y) override { real().floodFill(x, y); }
    void textLabel(const std::string& text) override { real().textLabel(text); }
    void setSize(int32_t width, int32_t height) override { real().setSize(width, height); }
    void clear() override { real().clear(); }

    void save(const std::filesystem::path& file)
    {
        real();
        if (!m_save(m_real.get(), file.c_str()))
            throw UsageError("--picture: cannot write " + file.string());
    }

private:
    textcalc::PictureAccess& real() const
    {
        if (!m_real) {
            const std::filesystem::path module = programDirectory() / "libzoltcalc-picture.so";
            void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (!handle)
                throw std::runtime_error(std::string("cannot load the drawing module: ") + dlerror());
            auto create = reinterpret_cast<CreateFn>(dlsym(handle, "zoltcalc_picture_create"));
            m_save = reinterpret_cast<SaveFn>(dlsym(handle, "zoltcalc_picture_save"));
            if (!create || !m_save)
                throw std::runtime_error("the drawing module is incomplete");
            // The module stays loaded for the life of the process (Qt cannot be unloaded).
            m_real.reset(create());
        }
        return *m_real;
    }

    mutable std::unique_ptr<textcalc::PictureAccess> m_real;
    mutable SaveFn m_save = nullptr;
};

} // namespace

std::unique_ptr<textcalc::PictureAccess> openRunPicture()
{
    return std::make_unique<LazyPicture>();
}

void saveRunPicture(textcalc::PictureAccess& picture, const std::filesystem::path& file)
{
    static_cast<LazyPicture&>(picture).save(file);
}

} // namespace cli
