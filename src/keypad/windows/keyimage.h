#pragma once
// A key of the keypad face: a transparent click area over the skin's picture that shows the
// skin's pressed-key bitmap while it is held. Mouse events go to the main window. Tab reaches
// the keys (for the keyboard alone and screen readers): then the arrow keys move between them
// and Space presses the key; other keys go on to the window.
#include <QPixmap>
#include <QWidget>

#include <filesystem>

namespace keypad {

class Tmain;

class KeyImage : public QWidget {
    Q_OBJECT
public:
    KeyImage(Tmain* owner, const QString& name, QWidget* parent);

    int pic() const { return m_pic; } // picture class (the skin's "tag")
    void setPic(int pic) { m_pic = pic; }
    bool pressed() const { return !m_picture.isNull(); }
    const QPixmap& picture() const { return m_picture; }
    void setPicture(const QPixmap& picture); // null: idle (nothing drawn)
    Tmain* owner() const { return m_owner; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    Tmain* m_owner;
    QPixmap m_picture;
    int m_pic = 1;
    bool m_double = false; // the press being held came as the second click of a double click
};

// Loads a bitmap whose bottom-left pixel names its transparent colour, as image controls of the
// keypad face draw them. Null when the file is missing or is not a picture.
QPixmap loadTransparentBitmap(const QString& path);
// A skin bitmap for a screen's device pixel ratio: above 1, "<name>@2x.bmp" beside the file is
// taken when the skin has one, so that the face stays crisp on high-density screens.
QPixmap loadSkinBitmap(const std::filesystem::path& path, qreal ratio, bool transparent);

} // namespace keypad
