// The picture of `zoltcalc-cli run`: a stand-in that loads the drawing module on first use (its
// size alone is known without it) and turns a failed call (the picture refused it, as a size
// beyond its limit) into the run's failure on this side of the boundary.
#include "cli/run_picture.h"

#include "cli/command.h"
#include "cli/picture_module.h"
#include "cli/program_dir.h"

#include <dlfcn.h>
#include <exception>
#include <stdexcept>
#include <utility>

namespace cli {

namespace {

using namespace picture_ops;

int32_t packed(textcalc::Colour colour)
{
    return static_cast<int32_t>(colour.language());
}

class LazyPicture : public textcalc::PictureAccess {
public:
    LazyPicture() = default;
    LazyPicture(const LazyPicture&) = delete;
    LazyPicture& operator=(const LazyPicture&) = delete;
    ~LazyPicture() override
    {
        if (m_picture)
            m_api->destroy(m_picture);
    }

    int64_t penPosX() const override { return query(PenPosX); }
    int64_t penPosY() const override { return query(PenPosY); }
    // A picture not made yet has the size of a new one: the memory limit asks it of every
    // run that makes an array, which must not load the module for that.
    int64_t width() const override { return m_picture ? query(Width) : textcalc::DefaultPictureWidth; }
    int64_t height() const override { return m_picture ? query(Height) : textcalc::DefaultPictureHeight; }
    std::optional<textcalc::Colour> pixel(int64_t x, int64_t y) const override
    {
        const int64_t colour = query(Pixel, x, y);
        return colour < 0 ? std::nullopt : std::optional(textcalc::Colour::fromLanguage(colour));
    }
    void setPixel(int32_t x, int32_t y, textcalc::Colour colour) override { call(SetPixel, x, y, packed(colour)); }
    void setPen(textcalc::Colour colour, int32_t width) override { call(SetPen, packed(colour), width); }
    void setBrush(textcalc::Colour colour, int32_t style) override { call(SetBrush, packed(colour), style); }
    void setFont(textcalc::Colour colour, int32_t size) override { call(SetFont, packed(colour), size); }
    void moveTo(int32_t x, int32_t y) override { call(MoveTo, x, y); }
    void lineTo(int32_t x, int32_t y) override { call(LineTo, x, y); }
    void rectTo(int32_t x, int32_t y) override { call(RectTo, x, y); }
    void ellipTo(int32_t x, int32_t y) override { call(EllipTo, x, y); }
    void spot(int32_t radius) override { call(Spot, radius); }
    void floodFill(int32_t x, int32_t y) override { call(FloodFill, x, y); }
    void textLabel(const std::string& text) override { call(TextLabel, 0, 0, 0, text.c_str()); }
    void setSize(int32_t width, int32_t height) override { call(SetSize, width, height); }
    void clear() override { call(Clear); }

    void save(const std::filesystem::path& file)
    {
        if (!module().save(m_picture, file.c_str()))
            throw FileError("--picture: cannot write " + file.string());
    }

private:
    // Loaded once; the module stays for the life of the process (Qt cannot be unloaded).
    const ZoltPictureApi& module() const
    {
        if (!m_api) {
            const std::filesystem::path path = programDirectory() / "modules" / "libzoltcalc-picture.so";
            void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (!handle)
                throw std::runtime_error(std::string("cannot load the drawing module: ") + dlerror());
            auto entry = reinterpret_cast<const ZoltPictureApi* (*)()>(dlsym(handle, "zoltcalc_picture_api"));
            const ZoltPictureApi* api = entry ? entry() : nullptr;
            void* picture = api ? api->create() : nullptr;
            if (!picture)
                throw std::runtime_error("the drawing module could not make a picture");
            m_api = api;
            m_picture = picture;
            api->setStopPoll(picture, &LazyPicture::stopAsked, const_cast<LazyPicture*>(this));
        }
        return *m_api;
    }

    // The module's long steps ask here. The run's stop poll ends the run by throwing, which
    // must not cross the module's boundary: the exception is kept and thrown again on this
    // side once the step has returned.
    static bool stopAsked(void* context)
    {
        auto* self = static_cast<LazyPicture*>(context);
        try {
            self->pollStop();
            return false;
        } catch (...) {
            self->m_stop = std::current_exception();
            return true;
        }
    }

    // After a failed call: the stop that ended it, else the picture's refusal.
    [[noreturn]] void failed() const
    {
        if (m_stop)
            std::rethrow_exception(std::exchange(m_stop, nullptr));
        throw textcalc::RunError();
    }

    int64_t query(int what, int64_t x = 0, int64_t y = 0) const
    {
        int64_t result = 0;
        if (!module().query(m_picture, what, x, y, &result))
            failed();
        return result;
    }

    void call(int op, int32_t a = 0, int32_t b = 0, int32_t c = 0, const char* text = "")
    {
        if (!module().call(m_picture, op, a, b, c, text))
            failed();
    }

    mutable const ZoltPictureApi* m_api = nullptr;
    mutable void* m_picture = nullptr;
    mutable std::exception_ptr m_stop;
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
