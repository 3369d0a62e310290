// The language menus "Matematické funkce" and "Příkazy": every item writes its own caption
// into the sheet at the caret, replacing the selection.
#include "textcalc/windows/utextm.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTextCursor>
#include <QTextEdit>

#include <initializer_list>

namespace textcalc {

namespace {

struct Submenu {
    const char* name;    // object name and language key
    const char* caption; // Czech caption
    std::initializer_list<const char*> items;
};

// ORDER: as the menus show them.
const Submenu functionMenus[] = {
    {"mibasic", "Základní",
     {"Pi", "i", "Abs(x)", "Arg(x)", "Re(x)", "Im(x)", "Conj(x)", "Sgn(x)", "DegToRad(x)", "RadToDeg(x)",
      "Sum(a(n), n=low..up)", "Product(a(n), n=low..up)", "Iter(x=x0, f(x, n), n=low..up)"}},
    {"mipower", "Mocninné aj.", {"Sqr(x)", "Sqrt(x)", "Power(base, exp)", "Exp(x)", "Ln(x)", "Log10(x)", "LogN(x, base)"}},
    {"migoniom", "Goniometrické aj.",
     {"Sin(x)", "Cos(x)", "Tan(x)", "Sinh(x)", "Cosh(x)", "Tanh(x)", "ArcSin(x)", "ArcCos(x)", "ArcTan(x)",
      "ArcSinh(x)", "ArcCosh(x)", "ArcTanh(x)"}},
    {"minumer", "Numerické",
     {"Dif(f(x), x=x0)", "Dif2(f(x), x=x0)", "Int(f(x), x=a..b, step)", "cInt(f(x), x=c(t), t=a..b, step)",
      "Length(f(x), x=a..b, step)", "Volume(f(x), x=a..b, step)", "Surface(f(x), x=a..b, step)",
      "Solve(f(x), x=a..b)"}},
    {"mirandom", "Náhodné",
     {"Random", "RandomN(n)", "Alter(p)", "Binom(n, p)", "Geom(p)", "Poisson(l)", "Expon(l)", "Gauss(u, s2)",
      "Chi2(n)", "Student(n)", "Fisher(m, n)"}},
    {"miround", "Zaokrouhlovací", {"Round(x, n)", "Floor(x)", "Ceil(x)", "Trunc(x)", "Frac(x)"}},
    {"miinteger", "Celočíselné", {"Div(m, n)", "Mod(m, n)", "GCD(n1, n2, n3)", "LCM(n1, n2, n3)", "Prime(n)"}},
    {"combin", "Kombinatorické", {"Fact(n)", "FFact(n)", "Comb(n, k)", "Variat(n, k)"}},
    {"mimaxmin", "Maxima a minima",
     {"Max(x1, x2, x3)", "Min(x1, x2, x3)", "iMax(a(n), n=low..up)", "iMin(a(n), n=low..up)",
      "ArgMax(a(n), n=low..up)", "ArgMin(a(n), n=low..up)"}},
};

const Submenu statementMenus[] = {
    {"miassign", "Přiřazovací aj.",
     {"1+1", "x:=y;", "Inc(x);", "Dec(x);", "f(x1, x2, x3):=x1+x2+x3;", "a[0]:=length;", "a[n]:=x;"}},
    {"micompos", "Složené", {"begin  end", "if  then  else", "repeat  until", "while  do", "for  to  do", "try"}},
    {"mitextfiles", "Textové soubory",
     {"Assign(m, 'textfile');", "Reset(m);", "Rewrite(m);", "Append(m);", "ReadLn(m)", "WriteLn(m, x);", "EoF(m)",
      "Close(m);"}},
    {"drawing", "Kreslení",
     {"SetSize(width, height);", "PicWidth", "PicHeight", "MoveTo(x, y);", "PenPosX", "PenPosY", "Pixel(x, y)",
      "SetColor(x, y, color);", "SetPen(color, width);", "SetBrush(color, style);", "SetFont(color, size);",
      "FloodFill(x, y);", "Spot(radius);", "LineTo(x, y);", "RectTo(x, y);", "EllipTo(x, y);",
      "TextLabel('Text.');", "NumLabel(x);", "Draw;", "Clear;"}},
    {"colors", "Barvy",
     {"RGBToColor(red, green, blue)", "Red(color)", "Green(color)", "Blue(color)", "clBlack", "clWhite", "clRed",
      "clGreen", "clBlue", "clYellow", "clFuchsia", "clAqua"}},
    {"miothers", "Ostatní",
     {"Output+;", "Output-;", "ShowText('Text.');", "ShowNum(x);", "GetNum('Text.')", "Question('Text.')",
      "Break;", "Pause(x);", "Time", "ShowTime;", "Beep;"}},
};

// Items in Tahoma 10, dark red, red under the mouse.
const char* languageMenuStyle = "QMenu { font-family: Tahoma; font-size: 10pt; color: #800000; }"
                                "QMenu::item:selected { color: #ff0000; }";

} // namespace

void TTextm::createLanguageMenus()
{
    auto build = [this](const char* name, const char* caption, const auto& submenus) {
        QMenu* top = menuBar()->addMenu(QString::fromUtf8(caption));
        top->setObjectName(name);
        for (const Submenu& sub : submenus)
            top->addMenu(QString::fromUtf8(sub.caption))->setObjectName(sub.name);
        return top;
    };
    mifunc = build("mifunc", "Matematické funkce", functionMenus);
    mistate = build("mistate", "Příkazy", statementMenus);
}

// A hundred and fifty items with their style: built when the window is first shown.
void TTextm::fillLanguageMenus()
{
    auto fill = [this](const auto& submenus) {
        for (const Submenu& sub : submenus) {
            auto* menu = findChild<QMenu*>(sub.name);
            menu->setStyleSheet(languageMenuStyle);
            for (const char* item : sub.items) {
                const QString text = QString::fromUtf8(item);
                connect(menu->addAction(text), &QAction::triggered, this, [this, text] { insertAtCaret(text); });
            }
        }
    };
    fill(functionMenus);
    fill(statementMenus);
}

void TTextm::insertAtCaret(const QString& text)
{
    if (kalkul->isReadOnly())
        return;
    kalkul->textCursor().insertText(text);
    kalkul->setFocus();
}

} // namespace textcalc
