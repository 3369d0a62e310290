#pragma once
// The text calculator's "Obrázek" page: the picture programs draw on, `grafikus`, at its own
// size in a scroll area; three handles `dir1` (width), `dir2` (height) and `dir3` (both) that
// drag the frame `ramecek` (the size asked for, shown only while dragging); and the picture's
// actions: files, clipboard, clear and the size dialog, in the menu "Obrázek" and the
// picture's context menu. The page writes panels 1–3 of the window's status bar.
//
// Every size change goes through EndResize, which gives the bitmap the frame's size (content
// kept at the top left). A frame never holds more pixels than Picture::maxPixels.
#include "textcalc/picture/picture.h"

#include "platform/services.h"
#include "ui/language.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;

namespace textcalc {

class PicturePage : public QWidget {
    Q_OBJECT
public:
    // The dialogs start in `pictureFolder`.
    PicturePage(Picture& picture, platform::Services& services, std::filesystem::path pictureFolder,
                QWidget* parent = nullptr);

    // Panels 1 (width), 2 (height) and 3 (position or frame size) of the status bar.
    void setStatusPanels(QLabel* width, QLabel* height, QLabel* position);
    void popis(const ui::Language& language);

    // ---- Controls under their design names -------------------------------------------------
    QScrollArea* plocha;
    QWidget* grafikus;
    QWidget* ramecek;
    QWidget* dir1;
    QWidget* dir2;
    QWidget* dir3;
    QAction *ALoadpic, *ASavepic, *APastepic, *ACopypic, *MISmazat, *MIRozmery;
    QMenu* obrazekMenu; // "Obrázek", for the window's menu bar
    QMenu* contextMenu;

    // ---- Size ------------------------------------------------------------------------------------
    // Resize mode: 0, or the number of the handle being dragged.
    int resizeMode() const { return m_mode; }
    QSize frameSize() const { return m_frame; }
    // The frame takes this size (limited as a drag is), then EndResize: start-up and the
    // size dialog.
    void SetSize(int width, int height);
    void BeginResize(int handle, QPoint globalPos);
    void MouseMove(int handle, QPoint localPos, QPoint globalPos);
    void MouseUp();
    void EndResize();
    // The frame takes the picture's size (after SetSize in a program, a load or a paste).
    void pictureResized();
    // Repaints when a program drew, and follows a size the program set; cheap when nothing
    // changed. The window calls it after runs; a timer calls it while runs go on.
    void pictureChanged();

    // ---- Status bar ------------------------------------------------------------------------------
    void obrinfo();
    void pozice(QPoint picturePos);

    // ---- Actions ---------------------------------------------------------------------------------
    void openbmp();
    void savebmp();
    void APastepicExecute();
    void ACopypicExecute();
    void MISmazatClick();
    void ASizeExecute();

    // While a program runs, the picture is the program's: actions and handles are disabled.
    void setRunning(bool running);
    void setBackgroundColour(const QColor& colour);

    // The open and save dialog: starts in `folder` with the filter number `filter` (0 Bitmap,
    // 1 JPEG image, 2 All files); nullopt when the user cancels. Both dialogs then remember the
    // chosen file's folder and filter. Tests replace it.
    struct FileChoice {
        QString path;
        int filter = 0;
    };
    std::function<std::optional<FileChoice>(bool save, const QString& folder, int filter)> fileDialog;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void placeHandles();
    void showFrame(bool visible);
    void setPanel(QLabel* panel, const QString& text);
    std::optional<QString> chooseFile(bool save);
    std::optional<FileChoice> showFileDialog(bool save, const QString& folder, int filter);

    Picture& m_picture;
    platform::Services& m_services;
    QWidget* m_canvas; // the scrolled area: picture, frame and handles
    QLabel* m_panels[3] = {nullptr, nullptr, nullptr};
    QSize m_frame;
    int m_mode = 0;
    QPoint m_dragOffset; // frame size minus the cursor's screen position at the drag's start
    qint64 m_shownKey = 0;  // the picture's cache key when last shown
    QString m_folder;
    int m_filter = 0;
};

// A status panel at least `width` pixels wide that grows to show its whole text (long sheets
// have row and character counts wider than the nominal width).
void setPanelWidth(QLabel* panel, int width);

} // namespace textcalc
