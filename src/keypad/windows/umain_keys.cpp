// Mouse and keyboard input of the keypad face: pressed pictures, right button as SHIFT + key,
// double clicks, keyboard presses ended by the 100 ms timer, characters, nudging and dragging.
#include "keypad/windows/keyimage.h"
#include "keypad/windows/keypad_log.h"
#include "keypad/windows/umain.h"
#include "keypad/windows/utrail.h"
#include "platform/qt/window_place.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QWindow>

namespace keypad {

namespace {

// The modifier a modifier key holds down: its release reports it no longer held.
Qt::KeyboardModifiers modifierOf(int key)
{
    switch (key) {
    case Qt::Key_Alt: return Qt::AltModifier;
    case Qt::Key_Control: return Qt::ControlModifier;
    case Qt::Key_Shift: return Qt::ShiftModifier;
    default: return Qt::NoModifier;
    }
}

// Keys whose double click counts once: a second AC, sine or DMS dialog would surprise.
bool countsDoubleClick(const QString& name)
{
    static const QStringList once{"resetitko", "sinus", "cosinus", "tangens", "stmivt", "offitko"};
    return !once.contains(name);
}

// Keys whose right button opens a pop-up menu; the window's own keys carry the main menu.
bool hasMenu(const QString& name)
{
    if (name == "mode" || name == "offitko")
        return true;
    const auto c = controlFromName(name.toStdString());
    return c && hasPopupMenu(*c);
}

} // namespace

bool Tmain::keyMenu(KeyImage* k, const QPoint& globalPos)
{
    static const QStringList mainMenuKeys{"c1",    "c2",    "c3",     "clear", "resetitko", "plus",
                                          "minus", "krat",  "deleno", "shift", "mode",      "offitko"};
    const QString name = k->objectName();
    QMenu* menu = nullptr;
    if (mainMenuKeys.contains(name))
        menu = hlavni;
    else if (name == "sinus")
        menu = zinus;
    else if (name == "cosinus")
        menu = cozinus;
    else if (name == "tangens")
        menu = ytangenz;
    else if (name == "pmem")
        menu = MPmenu;
    else if (name == "rmem")
        menu = MRmenu;
    if (menu)
        menu->popup(globalPos);
    return menu != nullptr;
}

void Tmain::drawPressed(KeyImage* k)
{
    const std::filesystem::path path = m_skinDir / ("but" + std::to_string(k->pic()) + ".bmp");
    const QPixmap picture = loadSkinBitmap(path, devicePixelRatioF(), true);
    if (picture.isNull()) {
        // Reported once per skin: a message box on every key press would make the keypad unusable.
        if (m_reportedPictures.insert(k->pic()).second)
            showError("Skin bitmap \"" + path.string() + "\" is missing or is not a picture.");
        return;
    }
    k->setPicture(picture);
}

void Tmain::releaseKey(KeyImage* k)
{
    k->setPicture({});
    const QString name = k->objectName();
    if (name == "shift")
        return;
    if (const auto c = controlFromName(name.toStdString()))
        run([&] { m_engine.release(*c); });
    else
        run([&] { m_engine.setShift(false); });
}

void Tmain::pressKeyHandler(KeyImage* k)
{
    const QString name = k->objectName();
    if (name == "mode") {
        // NastavOpen: the key is drawn released before the modal dialog takes over.
        k->setPicture({});
        if (m_host)
            m_host->NastavOpen();
        return;
    }
    if (name == "offitko") {
        vypni();
        return;
    }
    if (const auto c = controlFromName(name.toStdString()))
        run([&] { m_engine.click(*c); });
}

void Tmain::Stlac(KeyImage* k, Qt::MouseButton button)
{
    activateOnClick();
    if (button != Qt::LeftButton && hasMenu(k->objectName()))
        return; // the pop-up menu opens instead
    drawPressed(k);
}

void Tmain::keyClick(KeyImage* k, bool secondOfDouble)
{
    if (secondOfDouble && !countsDoubleClick(k->objectName()))
        return;
    pressKeyHandler(k);
}

void Tmain::Pust(KeyImage* k, Qt::MouseButton button)
{
    const QString name = k->objectName();
    if (button == Qt::RightButton) {
        if (hasMenu(name))
            return;
        // A right click is SHIFT + the key: 5 enters "B".
        if (const auto c = controlFromName(name.toStdString()))
            run([&] { m_engine.rightClick(*c); });
    }
    releaseKey(k);
}

void Tmain::KlavTlac(const QString& keyName)
{
    KeyImage* k = key(keyName);
    if (!k)
        return;
    pressKeyHandler(k);
    if (spoust.isActive()) {
        if (pressedKey == k)
            return;
        // Another key typed within 100 ms ends the previous press now; so a Shift typed right
        // after a digit is cancelled by that digit's release.
        releaseKey(pressedKey);
    }
    drawPressed(k);
    pressedKey = k;
    if (!spoust.isActive())
        spoust.start(); // a running timer keeps its interval
}

void Tmain::spoustTimer()
{
    spoust.stop();
    if (pressedKey)
        releaseKey(pressedKey);
}

void Tmain::pismeno(const QString& text)
{
    for (const QChar ch : text.toLower()) {
        const char c = ch.toLatin1();
        if (c >= '0' && c <= '9')
            KlavTlac(QString("c%1").arg(c));
        else if (c == '*')
            KlavTlac("krat");
        else if (c == '+')
            KlavTlac("plus");
        else if (c == ',' || c == '.')
            KlavTlac("carka");
        else if (c == '-')
            KlavTlac("minus");
        else if (c == '/')
            KlavTlac("deleno");
        else if (c == '=')
            KlavTlac("rovnase");
    }
}

void Tmain::klaves(int keyCode)
{
    switch (keyCode) {
    case Qt::Key_Shift: KlavTlac("shift"); break;
    case Qt::Key_Left: nudge(-5, 0); break;
    case Qt::Key_Up: nudge(0, -5); break;
    case Qt::Key_Right: nudge(5, 0); break;
    case Qt::Key_Down: nudge(0, 5); break;
    default: break;
    }
}

// A click on the keypad makes it the active window, with its shortcuts, even where no window
// manager hands activation back after a dialog closes.
void Tmain::activateOnClick()
{
    if (!isActiveWindow())
        activateWindow();
}

// The arrow keys move the trail window along whether it is shown or not.
void Tmain::nudge(int dx, int dy)
{
    move(x() + dx, y() + dy);
    moveTrail(dx, dy, false);
}

KeyImage* Tmain::neighbourKey(const KeyImage* from, QPoint step) const
{
    const QPoint origin = from->geometry().center();
    KeyImage* best = nullptr;
    long bestScore = 0;
    for (KeyImage* k : m_keys) {
        const QPoint d = k->geometry().center() - origin;
        const int along = d.x() * step.x() + d.y() * step.y();
        if (k == from || !k->isVisible() || along <= 0)
            continue;
        // Keys in line come first: the distance across counts three times the distance along.
        const int across = std::abs(d.x() * step.y()) + std::abs(d.y() * step.x());
        const long score = along + 3L * across;
        if (!best || score < bestScore) {
            best = k;
            bestScore = score;
        }
    }
    return best;
}

void Tmain::moveTrail(int dx, int dy, bool onlyVisible)
{
    if (m_trail && (!onlyVisible || m_trail->isVisible()))
        m_trail->move(m_trail->x() + dx, m_trail->y() + dy);
}

void Tmain::keyPressEvent(QKeyEvent* e)
{
    const int code = e->key();
    const bool modifierKey = code == Qt::Key_Alt || code == Qt::Key_Control || code == Qt::Key_Shift;
    QAction* a = actionForKey(code, e->modifiers());
    // A shortcut on a modifier key alone ("Alt") fires when the key is released with no other
    // key in between, so Alt+SPACE does not also switch the angle unit.
    m_modifierShortcut = modifierKey && !e->isAutoRepeat() ? a : nullptr;
    if (a && !modifierKey) {
        a->trigger();
        e->accept();
        return;
    }
    klaves(code);
    // Characters come from plain typing: Ctrl or Alt with a key types nothing (Ctrl and Alt
    // together are AltGr, which does).
    const Qt::KeyboardModifiers held = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (held != Qt::ControlModifier && held != Qt::AltModifier)
        pismeno(e->text());
    e->accept();
}

void Tmain::keyReleaseEvent(QKeyEvent* e)
{
    QAction* a = m_modifierShortcut;
    m_modifierShortcut = nullptr;
    if (a && !e->isAutoRepeat() && actionForKey(e->key(), e->modifiers() | modifierOf(e->key())) == a)
        a->trigger();
    e->accept();
}

// Klik: a left press on the window, the picture, a label or an indicator starts a drag. Where
// the program cannot place windows (Wayland), the compositor moves the frameless keypad.
void Tmain::mousePressEvent(QMouseEvent* e)
{
    activateOnClick();
    if (e->button() != Qt::LeftButton)
        return;
    m_systemMove = !platform::platformPlacesWindows() && windowHandle() && windowHandle()->startSystemMove();
    if (!platform::platformPlacesWindows())
        qCDebug(keypadLog) << "system move" << (m_systemMove ? "started" : "refused");
    m_dragOrigin = e->globalPosition().toPoint() - pos();
}

// muv: the window follows the mouse; a shown trail window moves by the same amounts.
void Tmain::mouseMoveEvent(QMouseEvent* e)
{
    if (!(e->buttons() & Qt::LeftButton) || m_systemMove)
        return;
    const QPoint target = e->globalPosition().toPoint() - m_dragOrigin;
    const QPoint delta = target - pos();
    if (delta.isNull())
        return;
    move(target);
    moveTrail(delta.x(), delta.y(), true);
}

void Tmain::contextMenuEvent(QContextMenuEvent* e)
{
    if (childAt(e->pos()) == display && !m_titleStrip) {
        EditMenuState state;
        run([&] { state = m_engine.editacniPopup(); });
        vlozitem->setEnabled(state.paste);
        zpetitem->setEnabled(state.undo);
        editacni->popup(e->globalPos());
    } else {
        hlavni->popup(e->globalPos());
    }
    e->accept();
}

} // namespace keypad
