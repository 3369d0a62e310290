// Drawing statements on the calculator's picture (a NullPicture when there is none). Arguments
// are evaluated in the order each statement documents, also without a picture; every one must
// round to a 32-bit integer (else the general error).
#include "textcalc/language/program.h"
#include "textcalc/language/run_context.h"
#include "textcalc/number/colour.h"
#include "textcalc/language/statements.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace textcalc::statements {

namespace {

int32_t integer(RunContext& calc, const std::string& text)
{
    return roundToInt32(calc.eval(text).re());
}

Colour colour(RunContext& calc, const std::string& text)
{
    return Colour::fromLanguage(integer(calc, text));
}

// |v| without overflowing at the most negative value.
int32_t magnitude(int32_t v)
{
    return v == std::numeric_limits<int32_t>::min() ? std::numeric_limits<int32_t>::max() : std::abs(v);
}

// The picture a drawing statement paints on. Drawing on a large picture takes long: each
// statement asks for a stop by the clock.
PictureAccess& canvas(RunContext& calc)
{
    calc.pollStopNow(false);
    return calc.picture();
}

struct Point {
    int32_t x;
    int32_t y;
};

// Text1 then Text2: RectTo, EllipTo, FloodFill and SetSize.
Point point(RunContext& calc, const Instruction& in)
{
    const int32_t x = integer(calc, in.Text1);
    return {x, integer(calc, in.Text2)};
}

// Text2 then Text1: MoveTo and LineTo evaluate y first.
Point pointFromY(RunContext& calc, const Instruction& in)
{
    const int32_t y = integer(calc, in.Text2);
    return {integer(calc, in.Text1), y};
}

} // namespace

// Colour first, then y, then x.
void setColor(RunContext& calc, const Instruction& in)
{
    const Colour c = colour(calc, in.Text3);
    const Point p = pointFromY(calc, in);
    canvas(calc).setPixel(p.x, p.y, c);
}

void setPen(RunContext& calc, const Instruction& in)
{
    const Colour c = colour(calc, in.Text1);
    canvas(calc).setPen(c, integer(calc, in.Text2));
}

void setBrush(RunContext& calc, const Instruction& in)
{
    const Colour c = colour(calc, in.Text1);
    canvas(calc).setBrush(c, magnitude(integer(calc, in.Text2)));
}

void setFont(RunContext& calc, const Instruction& in)
{
    const Colour c = colour(calc, in.Text1);
    canvas(calc).setFont(c, integer(calc, in.Text2));
}

void moveTo(RunContext& calc, const Instruction& in)
{
    const Point p = pointFromY(calc, in);
    canvas(calc).moveTo(p.x, p.y);
}

void lineTo(RunContext& calc, const Instruction& in)
{
    const Point p = pointFromY(calc, in);
    canvas(calc).lineTo(p.x, p.y);
}

void rectTo(RunContext& calc, const Instruction& in)
{
    const Point p = point(calc, in);
    canvas(calc).rectTo(p.x, p.y);
}

void ellipTo(RunContext& calc, const Instruction& in)
{
    const Point p = point(calc, in);
    canvas(calc).ellipTo(p.x, p.y);
}

void floodFill(RunContext& calc, const Instruction& in)
{
    const Point p = point(calc, in);
    canvas(calc).floodFill(p.x, p.y);
}

void setSize(RunContext& calc, const Instruction& in)
{
    const Point p = point(calc, in);
    calc.checkMemory(0, size_t(std::max(p.x, 0)) * size_t(std::max(p.y, 0)) * 4);
    canvas(calc).setSize(p.x, p.y);
}

void spot(RunContext& calc, const Instruction& in)
{
    canvas(calc).spot(integer(calc, in.Text1));
}

void textLabel(RunContext& calc, const Instruction& in)
{
    canvas(calc).textLabel(in.Text1);
}

void numLabel(RunContext& calc, const Instruction& in)
{
    canvas(calc).textLabel(calc.cistostr(calc.eval(in.Text1)));
}

void draw(RunContext& calc, const Instruction&)
{
    canvas(calc).draw();
}

void clear(RunContext& calc, const Instruction&)
{
    canvas(calc).clear();
}

} // namespace textcalc::statements
