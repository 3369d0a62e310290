#pragma once
// Ttrail: the calculation trail, a narrow window with one read-only line `paper` that the
// keypad writes to. It follows the main window and can be shown or hidden (ATrail).
#include "settings/settings.h"

#include <QWidget>

class QLineEdit;

namespace keypad {

class Ttrail : public QWidget {
    Q_OBJECT
public:
    explicit Ttrail(QWidget* parent = nullptr);

    QLineEdit* paper;

    void setText(const std::string& text);
    void setWidth(int width);
    // Font and background colour of `paper` from the settings; the height follows the font.
    void applyLook(const settings::FontSetting& font, unsigned background);
};

} // namespace keypad
