#pragma once
// The text calculator window: the sheet `kalkul` on the "List" page, the "Obrázek" page (its
// content is the picture window code's), the main and format tool bars, the language menus and
// the status bar `info`. Runs go through the calculator engine it owns; while one runs, the
// window stays live but read-only, and Stop or Esc end the run.
#include "textcalc/language/calculator.h"
#include "textcalc/picture/picture.h"
#include "textcalc/sheet/qt/qt_document.h"
#include "textcalc/windows/ufind.h"
#include "textcalc/windows/utextm_picture.h"
#include "platform/data_folders.h"
#include "ui/language.h"
#include "settings/settings.h"
#include "ui/manual.h"
#include "ui/tool_window.h"

#include <QColor>
#include <QFont>
#include <QMainWindow>
#include <QString>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QComboBox;
class QFontComboBox;
class QLabel;
class QMenu;
class QPrinter;
class QStatusBar;
class QTabWidget;
class QTextCharFormat;
class QTextDocument;
class QTextEdit;
class QTimer;
class QToolBar;
class QToolButton;

namespace platform {
class IniFile;
}

namespace textcalc {

class SheetRecovery;
class ZoomedDevice;

class TTextm : public QMainWindow, public ui::ToolWindow {
    Q_OBJECT
public:
    // `settings` is the program's record: read by applySettings, written by collectSettings.
    // Sheets, pictures and text files live in folders.data.
    TTextm(platform::Services& services, settings::Settings& settings, platform::DataFolders folders,
           QWidget* parent = nullptr);
    ~TTextm() override;

    Calculator& engine() { return m_engine; }
    Picture& picture() { return m_picture; }

    // Start-up: bounds, bars, page, buttons, digits, fonts, colours, folders, shortcuts and an
    // empty untitled sheet. Shut-down: the keys the program writes back.
    void applySettings();
    void collectSettings();

    // ui::ToolWindow: the settings are those of the record the window was given.
    QWidget* widget() override { return this; }
    void popis(const ui::Language& language) override;
    void applySettings(const settings::Settings&) override { applySettings(); }
    void collectSettings(settings::Settings&) override { collectSettings(); }

    // ---- Controls under their design names -----------------------------------------------
    QTabWidget* pages;
    QWidget* List;      // the sheet page
    QWidget* Obrazek;   // the picture page
    PicturePage* picturePage;
    // The find/replace window works on the sheet through its own view of the document.
    Tfind* findWindow;
    std::unique_ptr<sheet::QtDocument> m_findDocument;
    QTextEdit* kalkul;
    QToolBar* hlavniBar;
    QToolBar* formatBar;
    QStatusBar* info;
    QLabel* panels[4];

    QAction *ANew, *AOpen, *ASave, *saveas, *APrint, *AClose;
    QAction *AUndo, *ARedo, *ACut, *ACopy, *APaste, *ASelall, *AFind, *AInscol;
    QAction *AExecl, *AExecg, *AClear, *ADecim, *AStop;
    QAction *ABold, *AItalic, *AUnder;
    QAction *output, *nextline, *FontBut, *CopFontBut, *doleva, *nastred;
    QAction *hlavtul, *formtul, *infoshow;
    QAction *AZoomIn, *AZoomOut, *AZoomReset;
    QFontComboBox* FontName;
    QComboBox* velikost;
    QToolButton *IncButton, *DecButton, *ColButton;
    QMenu *misheet, *miedit, *miaction, *miview, *mifunc, *mistate, *colourMenu;
    QTimer* pictureTimer; // shows the drawing while a run goes on
    QAction* othercolor;
    QMenu* mihelp;
    QAction* AExamples; // File: the example sheets in the open dialog

    // The pages the Help menu opens; the program sets it (no manual: the menu does nothing).
    const ui::Manual* manual = nullptr;

    // ---- Sheet files ---------------------------------------------------------------------------
    QString FileName;
    QString UntitledName;
    QString TitleText;
    bool modified() const;
    void anewExecute();
    void aopenExecute();
    // The open action after its dialog; a file that is no readable sheet gets the action's
    // message and leaves the sheet as it was. The save question is the caller's.
    void openSheet(const QString& path);
    bool asaveExecute(); // false when nothing was saved
    bool Ulozjako();
    void inform(); // the caption: the sheet's name (untitled or its file's) and the window's title
    // Yes/No/Cancel about a modified sheet; false when the user cancelled (or a save failed).
    bool saveQuestion();
    // Loads a sheet file; false, with a message and the sheet unchanged, when it can't be read,
    // and with the sheet unchanged when the user cancelled a long load.
    bool loadSheet(const QString& path);
    int openProgressDelay = 500; // ms before a long load shows its progress
    bool saveSheet(const QString& path);
    void APrintExecute();
    void printTo(QPrinter& printer); // the sheet, titled by APrintExecute with its file's name

    // ---- Recent sheets: in the File menu, the latest first --------------------------------
    void rememberSheet(const QString& path);
    void openRecentSheet(const QString& path);
    QList<QAction*> recentSheetActions() const { return m_recentActions; }

    // ---- Zoom: a view setting, no font of the document changes (sheet_zoom.h) ----------------
    void setZoom(int percent);
    int zoom() const { return m_zoom; }

    // ---- Recovery ---------------------------------------------------------------------------------
    // The copy of a modified sheet that survives a crash (sheet_recovery.h).
    void writeRecovery();
    // At start-up: a copy a program that died left is offered (Restore / Discard); restored, it
    // is the sheet again, modified, with its file name.
    void offerRecovery();
    // The copy is written this long after typing pauses (ms), and every minute while it goes on.
    int recoveryPause = 3000;
    // The Restore / Discard question; true for Restore. Tests replace it.
    std::function<bool(const QString& text)> restoreQuestion;

    // The file and colour dialogs; tests replace them. nullopt when the user cancels.
    std::function<std::optional<QString>(bool save)> fileDialog;
    std::function<std::optional<QColor>(QColor initial)> colourDialog;
    std::function<bool(QPrinter& printer)> printDialog;
    // The output font `fonter`: the font with its colour.
    struct OutputFont {
        QFont font;
        QColor colour;
    };
    std::function<std::optional<OutputFont>(const OutputFont& initial)> fontDialog;

    // ---- Running ----------------------------------------------------------------------------------
    void Calcul(bool group);
    bool running() const { return m_running; }
    void stopRun(); // the run ends at its next poll with the stopped-run error line
    void ADecimExecute();
    void AClearExecute();
    void AInscolExecute();
    void openExampleSheet();

    // ---- Status bar, formatting, layout -----------------------------------------------------------
    void posun();
    void vypln();
    void setSelectionFormat(const QTextCharFormat& format);
    QFont outputFont() const { return m_outputFont; }
    QColor outputColour() const { return m_outputColour; }
    QColor lastColour() const { return m_lastColour; }
    void applyColour(const QColor& colour);
    void setCopyFontMode(bool on);
    void FontButClick(); // the output font from the font dialog `fonter`

    // The window's close: for a titled modified sheet the save question (false keeps it open),
    // then the bars and maximised state into settings.ini.
    bool FormCloseQuery();
    // The program's shut-down: a run is stopped first (false until it has ended, then
    // quitAfterRun is emitted); any modified sheet, shown or not, raises the save question.
    bool mayQuit();

signals:
    void runStarted();
    void runFinished();
    // A quit asked for during a run was postponed until the run ended: ask again now.
    void quitAfterRun();
    // The window is closing (hidden): the find/replace window closes with it.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createFormatBar();
    void addFontControls();
    void addColourControls();
    void addAlignmentControls();
    void addStyleControls();
    void createLanguageMenus();
    void createHelpMenu();
    void popisHelp(const ui::Language& lang);
    // What only a shown window needs, built when it is first shown.
    void createActionIcons();
    void fillLanguageMenus();
    void createStatusBar();
    void applyShortcuts();
    void showShortcutsInToolTips();
    void installDialogs();
    void applyInputFont();
    void setSheetDocument(QTextDocument* document);
    void createRecovery();
    void createZoom();
    void createRecentSheets();
    void showRecentSheets();
    void mergeRecentSheets(const platform::IniFile& file);
    void zoomTo(int percent);
    bool zoomByWheel(QEvent* event);
    void removeRecovery();
    void markUnmodified();
    bool loadWithProgress(QTextDocument& document, const sheet::SheetContent& content);
    // The document's height laid out in the sheet at the zoom's device (layout_height.h).
    double layoutHeight(const QTextDocument& document) const;
    QTextCharFormat inputFormat() const; // the font typed text and plain-text sheets get
    void setRunning(bool on);
    // A run of the engine (a sheet run, a decimal conversion) on the GUI thread: the window
    // turns read-only and the engine's polls process events and take Stop and Esc.
    void startRun();
    // Back from a run: editable again, and a close or quit asked for meanwhile carried out.
    void endRun();
    void showLines(int first, int last);
    void sheetChanged();
    void selectionMoved();
    void insertAtCaret(const QString& text);
    bool pasteFits(); // false, with a message, for a line longer than a sheet holds
    void pasteChecked();
    bool writeTextCalculatorKeys();
    std::optional<QString> chooseFile(bool save);
    std::optional<OutputFont> chooseOutputFont(const OutputFont& initial);

    platform::Services& m_services;
    settings::Settings& m_settings;
    platform::DataFolders m_folders;
    Calculator m_engine;
    Picture m_picture;

    QFont m_outputFont;
    QColor m_outputColour;
    QColor m_lastColour{Qt::black};
    QTextCharFormat* m_fontBuffer = nullptr; // the copy-font mode's format
    QString m_dialogFolder;
    int m_dialogFilter = 0;
    bool m_running = false;
    bool m_stopRequested = false;
    bool m_quitAfterRun = false;
    bool m_closeAfterRun = false;
    bool m_quitAnswered = false; // the shut-down question was answered: the program ends
    bool m_applyingFormat = false;
    bool m_shownOnce = false;
    QString m_stoppedLine;
    QString m_runningText;
    QString m_searchWrappedNote;
    QString m_openingText;
    QString m_cancelText;
    QString m_restoreQuestionText; // with %1 for the sheet's name
    QString m_restoreText;
    QString m_discardText;
    std::unique_ptr<SheetRecovery> m_recovery;
    bool m_recoveryStale = true; // the sheet changed since the last copy
    QTimer* m_recoveryPauseTimer = nullptr;
    QAction* m_recentEnd = nullptr; // the separator below the recent sheets
    QList<QAction*> m_recentActions;
    QString m_recentGoneText;       // with %1 for the file
    std::unique_ptr<ZoomedDevice> m_zoomDevice;
    int m_zoom = 100;      // percent
    int m_wheelDelta = 0;  // the wheel's turn not yet zoomed
    std::map<QAction*, bool> m_enabledBeforeRun;
};

} // namespace textcalc
