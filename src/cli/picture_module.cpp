// The drawing module of zoltcalc-cli: the only part of the command line that links Qt. The CLI
// loads it with dlopen when a program first touches the picture, so runs that draw nothing
// (and every other subcommand) start without loading Qt at all.
#include "cli/picture_module.h"

#include "textcalc/picture/picture.h"

namespace {

using namespace cli::picture_ops;

textcalc::Picture& picture(void* p) { return *static_cast<textcalc::Picture*>(p); }

template <class F>
bool guarded(F f)
{
    try {
        f();
        return true;
    } catch (...) {
        return false;
    }
}

void* create()
{
    try {
        return new textcalc::Picture();
    } catch (...) {
        return nullptr;
    }
}

void destroy(void* p)
{
    delete &picture(p);
}

bool query(void* p, int what, int64_t x, int64_t y, int64_t* result)
{
    return guarded([&] {
        textcalc::Picture& pic = picture(p);
        switch (what) {
        case PenPosX: *result = pic.penPosX(); break;
        case PenPosY: *result = pic.penPosY(); break;
        case Width: *result = pic.width(); break;
        case Height: *result = pic.height(); break;
        default: {
            const std::optional<textcalc::Colour> colour = pic.pixel(x, y);
            *result = colour ? colour->language() : -1;
            break;
        }
        }
    });
}

bool call(void* p, int op, int32_t a, int32_t b, int32_t c, const char* text)
{
    return guarded([&] {
        textcalc::Picture& pic = picture(p);
        switch (op) {
        case SetPixel: pic.setPixel(a, b, textcalc::Colour::fromLanguage(c)); break;
        case SetPen: pic.setPen(textcalc::Colour::fromLanguage(a), b); break;
        case SetBrush: pic.setBrush(textcalc::Colour::fromLanguage(a), b); break;
        case SetFont: pic.setFont(textcalc::Colour::fromLanguage(a), b); break;
        case MoveTo: pic.moveTo(a, b); break;
        case LineTo: pic.lineTo(a, b); break;
        case RectTo: pic.rectTo(a, b); break;
        case EllipTo: pic.ellipTo(a, b); break;
        case Spot: pic.spot(a); break;
        case FloodFill: pic.floodFill(a, b); break;
        case TextLabel: pic.textLabel(text); break;
        case SetSize: pic.setSize(a, b); break;
        default: pic.clear(); break;
        }
    });
}

// Thrown by the stop hook and caught by guarded(): the step ends and its call returns false.
struct StopAsked {};

void setStopPoll(void* p, bool (*poll)(void*), void* context)
{
    picture(p).setStopHook([poll, context] {
        if (poll(context))
            throw StopAsked{};
    });
}

// Saves as BMP, PNG or JPEG by the file's extension (JPEG at quality 100).
bool save(void* p, const char* file)
{
    return guarded([&] { picture(p).save(file, 100); });
}

const ZoltPictureApi api{create, destroy, query, call, save, setStopPoll};

} // namespace

extern "C" __attribute__((visibility("default"))) const ZoltPictureApi* zoltcalc_picture_api()
{
    return &api;
}
