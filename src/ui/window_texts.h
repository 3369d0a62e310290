#pragma once
// The language texts of a window as a table: each row names a control (a widget or an action),
// what the text sets on it, the language key and the Czech default. Used by the windows' popis;
// include it only where Qt Widgets is linked.
#include "ui/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <initializer_list>

namespace ui {

enum class TextRole {
    Title,   // window title, written after one blank as every caption of the program
    Text,    // label, button, group box or action text, with its mnemonic where it takes one
    ToolTip, // hint
    Name,    // hint and the name a screen reader says, of a control that shows no caption
};

struct WindowText {
    QObject* control;
    TextRole role;
    const char* key;
    const char* czech;
    const char* suffix = ""; // appended to the translated text (" X")
};

inline void applyTexts(const Language& language, std::initializer_list<WindowText> rows)
{
    for (const WindowText& row : rows) {
        const QString suffix = QString::fromUtf8(row.suffix);
        const QString text = QString::fromStdString(language.text(row.key, row.czech)) + suffix;
        // A label without a buddy has no control for its key to reach.
        const auto* plainLabel = qobject_cast<QLabel*>(row.control);
        const QString caption = plainLabel && !plainLabel->buddy()
                                    ? text
                                    : QString::fromStdString(language.caption(row.key, row.czech)) + suffix;
        auto* widget = qobject_cast<QWidget*>(row.control);
        auto* action = qobject_cast<QAction*>(row.control);
        switch (row.role) {
        case TextRole::Title:
            if (widget)
                widget->setWindowTitle(" " + text);
            break;
        case TextRole::Text:
            if (auto* label = qobject_cast<QLabel*>(row.control))
                label->setText(caption);
            else if (auto* button = qobject_cast<QAbstractButton*>(row.control))
                button->setText(caption);
            else if (auto* group = qobject_cast<QGroupBox*>(row.control))
                group->setTitle(caption);
            else if (action) {
                action->setText(caption);
                // A tool button shows the icon text: with the mark it takes the Alt key too.
                action->setIconText(caption);
            }
            break;
        case TextRole::ToolTip:
        case TextRole::Name:
            if (widget)
                widget->setToolTip(text);
            else if (action)
                action->setToolTip(text);
            if (widget && row.role == TextRole::Name)
                widget->setAccessibleName(text);
            break;
        }
    }
}

} // namespace ui
