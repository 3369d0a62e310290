#pragma once
// The keypad calculator engine: the state record and label texts of the main window, and every
// key handler. No Qt: it reaches the desktop only through platform::Services.
//
// How a window drives it:
//   - construct it with the Services and start() it with the Settings, the angle unit and the
//     memories;
//   - forward a left click on a key to press(control) (handler, then the release that clears
//     the shift state except after `shift`); a right click on a key without a pop-up menu to
//     rightClick(control); a menu item or action to click(control). Keyboard presses that the
//     window delays with its 100 ms timer call click() at once and release() when the timer fires;
//   - draw labels(), trail(), memoryCaption(i) and memoryIndicator(i); a Listener tells when
//     they changed. Error messages and the factorisation/DMS messages go to Services::message.
//   - `stmivt` without SHIFT asks the Listener to open the DMS dialog; the dialog's OK calls
//     dmsEntry() with its three field texts.
//   - macro buttons use vstup(), showValue(), appendTrail(), setEchoPending(), setShift() and
//     chyba('m').
#include "keypad/controls.h"
#include "keypad/number_format.h"
#include "platform/checked.h"
#include "platform/errors.h"
#include "platform/services.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>

namespace keypad {

// Pending operation codes; None means nothing pending in that slot.
enum class Op { None, Add, Subtract, Multiply, Divide, Power, Root, LogN, ExpN, Comb, Var, Mod, Div };

constexpr int kMaxBrackets = 7;
constexpr int kMemories = 5;

// The engine record: the fields the keypad's handlers share.
struct Record {
    long double workValue = 0.0L;
    bool resultShown = true;
    bool echoPending = true;
    bool percentMode = false;
    int bracketLevel = 0;
    std::array<long double, kMaxBrackets + 1> sumOperand{}, productOperand{}, powerOperand{};
    std::array<Op, kMaxBrackets + 1> sumOp{}, productOp{}, powerOp{};
    std::array<long double, kMemories> memory{}; // registers 1..5 at indexes 0..4
};

// The labels of the window face that are part of the state.
struct Labels {
    std::string display = "0";
    std::string expon;
    std::string sif;         // "SHIFT" or empty: the shift state
    std::string deg = "DEG"; // "DEG", "RAD" or "GRA"
    std::string zavorky;     // "( " per open bracket
    std::string soustava;    // the number base when it is not 10: "HEX", "OCT", "BIN" or "BASE 5"

    bool operator==(const Labels&) const = default;
};

// Settings the engine reads at every key.
struct Settings {
    NumberFormat format;
    bool priority = true; // operator priority (`prior`); off: strictly left to right
};

// Receives change notices; each fires at most once per handler call, after the handler.
class Listener {
public:
    virtual ~Listener() = default;
    virtual void labelsChanged() {}
    virtual void trailChanged() {}               // appended to or emptied: read trail()
    virtual void memoryChanged(int /*index 1..5*/) {} // caption and indicator of register i
    virtual void dmsDialogRequested() {}         // `stmivt` without SHIFT: open Tdmsdeg
};

// What the display's edit menu `editacni` enables when it opens.
struct EditMenuState {
    bool paste = false; // `vlozitem`: the clipboard holds text
    bool undo = false;  // `zpetitem`: a number is being typed
};

class Engine {
public:
    explicit Engine(platform::Services& services);

    void setListener(Listener* listener) { m_listener = listener; }
    // Takes new settings; a shown result is formatted again so the change is visible at once.
    void applySettings(const Settings& settings);
    const Settings& settings() const { return m_settings; }
    void setAngleUnit(const std::string& unit); // text of the `deg` label
    void setMemory(int index, long double value); // start-up loading, index 1..5
    void seedRandom(std::uint64_t seed) { m_random.seed(seed); }
    // Start-up: settings, angle unit and memories, then the cleared display (AC, SHIFT off).
    void start(const Settings& settings, const std::string& angleUnit,
               const std::array<long double, kMemories>& memories);

    const Record& record() const { return m_rec; }
    const Labels& labels() const { return m_labels; }
    const std::string& trail() const { return m_trail; }
    bool shiftOn() const { return !m_labels.sif.empty(); }
    long double memory(int index) const { return m_rec.memory[static_cast<size_t>(index - 1)]; }
    // "M" + i, and " = " + the value in the general float form when the register is not 0.
    std::string memoryCaption(int index) const;
    // Whether indicator i is drawn solid (register not 0) or clear.
    bool memoryIndicator(int index) const { return memory(index) != 0.0L; }

    // Control dispatch, as the window's mouse and menus do it.
    void click(Control control);      // the control's handler alone
    void release(Control control);    // end of a key press: shift off unless the key is `shift`
    void press(Control control);      // a left click: handler, then release for face keys
    void rightClick(Control control); // SHIFT function of a key without pop-up menu

    // Number entry.
    void Cislo(int digit); // 0..9
    void pcarka();
    void desetna();
    void pznamenko();
    void pclear();
    void nacni();
    void resetuj();
    void pshift();
    void setShift(bool on);

    // Operators and brackets; errors end in "Operation error." and a full reset.
    void Operuj(Control key);
    void zavory(Control key);

    // Functions; errors end in "Function error." with nothing reset.
    void funkce(Control key);
    void pdrg();
    void DegMinSec();
    // OK of the DMS dialog: degrees + minutes/60 + seconds/3600 from the three field texts.
    // A field that is not a number is reported as a conversion error and changes nothing.
    void dmsEntry(const std::string& degrees, const std::string& minutes, const std::string& seconds);
    void Rozlozeni();

    // Memories, clipboard, undo.
    void MemClick(Control key); // the keys `pmem` and `rmem` work on register 1
    void MPClick(int index);
    void MRClick(int index);
    void smazpamet();
    void Kopirovat();
    void Vlozit();
    void zpet();
    EditMenuState editacniPopup();

    // Error report: c, f, m or o; the messages are listed at chyba in engine_memory.cpp.
    void chyba(char code);

    // Building blocks, public for macro buttons. They throw on failure (FloatError, UserError);
    // callers report through chyba.
    void vstup();                         // commit typed text into workValue, echo to the trail
    void vypis(long double value);        // show a value; sets resultShown and echoPending
    void showValue(long double value);    // vypis, then workValue = value; on failure neither changes
    void appendTrail(const std::string& text);
    void setEchoPending(bool pending) { m_rec.echoPending = pending; }

    // The one boundary of a handler (the keypad's own and a macro's): a failure the engine
    // defines (a floating failure, a user error) runs `undo` and is reported through
    // chyba(code). Anything else is a fault of the program and passes on instead of being
    // passed off as an error message and a reset.
    template <typename Work, typename Undo = void (*)()>
    void guarded(char code, Work&& work, Undo&& undo = [] {})
    {
        try {
            work();
        } catch (const platform::FloatError&) {
            undo();
            chyba(code);
        } catch (const platform::UserError&) {
            undo();
            chyba(code);
        }
    }

private:
    friend class Batch; // tells the Listener what the outermost handler call changed

    // Operators (engine_operators.cpp).
    long double applyOp(Op op, long double p, long double x) const;
    void mocni();
    void nasob();
    void scitej();
    void vyrovnej();
    void closeBracket();

    // Functions (engine_functions.cpp).
    long double functionValue(Control key, bool shifted, std::string& trailText) const;
    long double AngleToRad(long double v) const;
    long double RadToAngle(long double v) const;

    void VypisToPaper(); // echo of the displayed value, from vstup
    void clearTrail();
    char decimalSeparator() const { return m_services.decimalSeparator(); }

    platform::Services& m_services;
    Listener* m_listener = nullptr;
    Settings m_settings;
    Record m_rec;
    Labels m_labels;
    std::string m_trail;
    std::mt19937_64 m_random;

    std::uint64_t m_trailVersion = 0;
    int m_batchDepth = 0;
};

} // namespace keypad
