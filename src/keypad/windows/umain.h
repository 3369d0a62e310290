#pragma once
// Tmain, the keypad window: a frameless picture of a calculator (the skin) with transparent
// key areas, the five display labels, the memory indicators and the title buttons. It forwards
// mouse, keyboard and shortcut input to the keypad engine and draws what the engine reports.
//
// Files: umain.cpp (creation, drawing the engine's state), umain_skin.cpp (skins and the two
// views), umain_keys.cpp (mouse and keyboard input), umain_actions.cpp (actions, shortcuts,
// pop-up menus).
#include "keypad/engine.h"
#include "ui/language.h"
#include "settings/settings.h"
#include "ui/skin.h"

#include <QKeyCombination>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolButton;

namespace keypad {

class KeyImage;
class Ttrail;
class Tdmsdeg;

// What the keypad window asks of the program around it (src/app).
class TmainHost {
public:
    virtual ~TmainHost() = default;
    virtual void vypni() = 0;                              // off key and AClose
    virtual void openWindow(const std::string& action) = 0; // AText, AStat, ALinear, ABase
    virtual void NastavOpen() = 0;                         // the settings dialog, modally
    virtual void showAbout() = 0;                          // AAbout and the about button
    virtual bool FormCloseQuery() { return true; }         // may the main window close?
};

class Tmain : public QWidget, public Listener {
    Q_OBJECT
public:
    Tmain(platform::Services& services, settings::Settings& settings, std::filesystem::path programDir,
          QWidget* parent = nullptr);
    ~Tmain() override;

    void setHost(TmainHost* host) { m_host = host; }
    // The trail window and the DMS dialog are created by start-up in its order.
    void attach(Ttrail* trail, Tdmsdeg* dmsDialog);

    Engine& engine() { return m_engine; }
    settings::Settings& settings() { return m_settings; }
    const std::filesystem::path& programDir() const { return m_programDir; }
    Ttrail* trailWindow() const { return m_trail; }

    // Skins (umain_skin.cpp). Errors are shown in a message box; the window stays as far as
    // it was changed.
    void skinuj(const std::string& name);
    void Refresh();       // full view
    void AUpizeExecute(); // title strip view
    bool titleStrip() const { return m_titleStrip; }
    const ui::Skin& skin() const { return m_skin; }
    std::filesystem::path skinDir() const { return m_skinDir; }
    void setRoundedRegion();

    // Start-up and shut-down (called by src/app).
    void applySettings();   // the keypad's share of Start
    void applyShortcuts();  // shortcut texts of the settings record into the actions
    void applyEngineSettings(); // number format and priority from the settings record
    void collectSettings(); // the keypad's share of vypni: live values into the record
    void vypni();

    // Key input (umain_keys.cpp).
    void Stlac(KeyImage* key, Qt::MouseButton button);
    void keyClick(KeyImage* key, bool secondOfDouble);
    void Pust(KeyImage* key, Qt::MouseButton button);
    bool keyMenu(KeyImage* key, const QPoint& globalPos); // false: the key has no menu
    void KlavTlac(const QString& keyName);
    void spoustTimer();
    void pismeno(const QString& text);
    void klaves(int key);
    void nudge(int dx, int dy);
    // The nearest key from `from` in the direction of `step` (one of the four unit steps).
    KeyImage* neighbourKey(const KeyImage* from, QPoint step) const;

    // Actions (umain_actions.cpp).
    QAction* action(const QString& name) const;
    std::optional<QKeyCombination> shortcutOf(const QString& actionName) const;
    void ShortCuts(bool enabled);
    // The enabled action a key press triggers, or nullptr.
    QAction* actionForKey(int key, Qt::KeyboardModifiers modifiers) const;
    void trailitemClick();
    // Help.htm, whichever window is active: the about box and the settings dialog call it
    // directly, since the keypad's actions are off while another window is active.
    void AHelpExecute();
    // A document with the desktop's viewer; a message box names the file when none starts.
    void openDocument(const std::filesystem::path& path);
    void refreshMemoryCaption(int index);

    // Texts (umain_texts.cpp): captions, hints and titles of the keypad windows from a
    // language file; the other windows take theirs in the program's popis.
    void popis(const ui::Language& language);
    QString shortcutSuffix(const QString& actionName) const; // " (Ctrl+C)" or empty

    // Controls, under their design names.
    QLabel* pozadi = nullptr;
    QLabel* display = nullptr;
    QLabel* zavorky = nullptr;
    QLabel* sif = nullptr;
    QLabel* expon = nullptr;
    QLabel* deg = nullptr;
    QLabel* soustava = nullptr; // the number base when it is not 10
    // Memory indicators: the memory's number, filled with the skin's memory colour while in use.
    std::array<QLabel*, kMemories> indicators{};
    QToolButton* uminbut = nullptr;
    QToolButton* urefbut = nullptr;
    QToolButton* uzavbut = nullptr;
    QToolButton* uabobut = nullptr;
    QMenu* hlavni = nullptr;
    QMenu* editacni = nullptr;
    QMenu* MPmenu = nullptr;
    QMenu* MRmenu = nullptr;
    QMenu* zinus = nullptr;
    QMenu* cozinus = nullptr;
    QMenu* ytangenz = nullptr;
    QAction* kopitem = nullptr;
    QAction* vlozitem = nullptr;
    QAction* zpetitem = nullptr;
    QAction* trailitem = nullptr;
    KeyImage* key(const QString& name) const;
    const std::vector<KeyImage*>& keys() const { return m_keys; }

    QTimer spoust;                  // ends a keyboard press after 100 ms
    KeyImage* pressedKey = nullptr; // the key drawn pressed from the keyboard

signals:
    void closed(); // the window has closed: the program ends

protected:
    // Listener
    void labelsChanged() override;
    void trailChanged() override;
    void memoryChanged(int index) override;
    void dmsDialogRequested() override { m_dmsPending = true; }

    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    Settings engineSettings() const; // the engine's share of the settings record
    void priprava();
    void createActions();
    void createMenus();
    QLabel* createLabel(const char* name);
    // Runs an engine call, then opens the DMS dialog if the call asked for it.
    void run(const std::function<void()>& f);
    void pressKeyHandler(KeyImage* key); // the handler of a key, as a click runs it
    void releaseKey(KeyImage* key);      // idle picture; shift off unless the key is `shift`
    void drawPressed(KeyImage* key);
    void showDmsDialog();
    void fitDisplayFont();
    void describeDisplay(); // the display's accessible name and description
    void placeTitleButtons(bool strip);
    void updateMenuTexts();
    void updateTitleButtonHints();
    bool loadPicture(const char* file);
    void showError(const std::string& text);
    void moveTrail(int dx, int dy, bool onlyVisible);
    void activateOnClick();

    platform::Services& m_services;
    settings::Settings& m_settings;
    std::filesystem::path m_programDir;
    Engine m_engine;
    TmainHost* m_host = nullptr;
    Ttrail* m_trail = nullptr;
    Tdmsdeg* m_dms = nullptr;

    ui::Skin m_skin;
    std::filesystem::path m_skinDir;
    bool m_titleStrip = false;
    std::vector<KeyImage*> m_keys;
    std::map<QString, QAction*> m_actions;
    std::map<QString, QKeyCombination> m_shortcuts;
    QPoint m_dragOrigin;
    bool m_systemMove = false; // the compositor moves the window for the drag that is held
    QAction* m_modifierShortcut = nullptr; // a modifier-key shortcut waiting for the key's release
    bool m_dmsPending = false;
    std::set<int> m_reportedPictures; // picture classes whose missing bitmap was reported
};

} // namespace keypad
