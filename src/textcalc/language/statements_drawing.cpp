// Drawing statements on the calculator's picture. Arguments are evaluated in the order each
// statement documents; every one must round to a 32-bit integer (else the general error).
#include "textcalc/language/interpreter.h"
#include "textcalc/number/colour.h"
#include "textcalc/language/statements_parts.h"

#include <cstdlib>
#include <limits>

namespace textcalc::statements {

namespace {

int32_t integer(Interpreter& calc, const std::string& text)
{
    return roundToInt32(calc.eval(text).Re);
}

Colour colour(Interpreter& calc, const std::string& text)
{
    return Colour::fromLanguage(integer(calc, text));
}

// |v| without overflowing at the most negative value.
int32_t magnitude(int32_t v)
{
    return v == std::numeric_limits<int32_t>::min() ? std::numeric_limits<int32_t>::max() : std::abs(v);
}

} // namespace

void executeDrawingStatement(Interpreter& calc, const Instruction& in)
{
    PictureAccess* picture = calc.picture;
    switch (in.kind) {
    case KindSetColor: {
        const Colour c = colour(calc, in.Text3);
        const int32_t y = integer(calc, in.Text2);
        const int32_t x = integer(calc, in.Text1);
        if (picture)
            picture->setPixel(x, y, c);
        break;
    }
    case KindSetPen:
    case KindSetBrush:
    case KindSetFont: {
        const Colour c = colour(calc, in.Text1);
        const int32_t second = integer(calc, in.Text2);
        if (!picture)
            break;
        if (in.kind == KindSetPen)
            picture->setPen(c, second);
        else if (in.kind == KindSetBrush)
            picture->setBrush(c, magnitude(second));
        else
            picture->setFont(c, second);
        break;
    }
    case KindMoveTo:
    case KindLineTo: {
        const int32_t y = integer(calc, in.Text2);
        const int32_t x = integer(calc, in.Text1);
        if (picture && in.kind == KindMoveTo)
            picture->moveTo(x, y);
        else if (picture)
            picture->lineTo(x, y);
        break;
    }
    case KindRectTo:
    case KindEllipTo:
    case KindFloodFill:
    case KindSetSize: {
        const int32_t x = integer(calc, in.Text1);
        const int32_t y = integer(calc, in.Text2);
        if (!picture)
            break;
        if (in.kind == KindRectTo)
            picture->rectTo(x, y);
        else if (in.kind == KindEllipTo)
            picture->ellipTo(x, y);
        else if (in.kind == KindFloodFill)
            picture->floodFill(x, y);
        else
            picture->setSize(x, y);
        break;
    }
    case KindSpot: {
        const int32_t radius = integer(calc, in.Text1);
        if (picture)
            picture->spot(radius);
        break;
    }
    case KindTextLabel:
        if (picture)
            picture->textLabel(in.Text1);
        break;
    case KindNumLabel: {
        const std::string text = calc.cistostr(calc.eval(in.Text1));
        if (picture)
            picture->textLabel(text);
        break;
    }
    case KindDraw:
        if (picture)
            picture->draw();
        break;
    case KindClear:
        if (picture)
            picture->clear();
        break;
    default:
        break;
    }
}

} // namespace textcalc::statements
