#pragma once
// A text calculator window on a temporary program directory, with scripted boxes and dialogs.
#include "textcalc/windows/utextm.h"

#include "platform/headless/headless_services.h"
#include "temp_dir.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <deque>
#include <memory>

class TextWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.write("sheets/.keep", "");
        window = std::make_unique<textcalc::TTextm>(services, settings, platform::DataFolders::portable(dir.path()));
        window->fileDialog = [this](bool save) -> std::optional<QString> {
            dialogs.push_back(save);
            if (files.empty())
                return std::nullopt;
            auto next = files.front();
            files.pop_front();
            return next;
        };
        window->colourDialog = [this](QColor) { return colour; };
        window->applySettings();
    }

    // Replaces the sheet by `text` (lines separated by "\n"), left-aligned, and marks it changed.
    void type(const QString& text)
    {
        window->kalkul->selectAll();
        window->kalkul->textCursor().insertText(text);
    }

    void caretTo(int line, int column = 0)
    {
        QTextCursor c(window->kalkul->document()->findBlockByNumber(line));
        c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
        window->kalkul->setTextCursor(c);
    }

    std::vector<std::string> messageTexts() const
    {
        std::vector<std::string> out;
        for (const auto& m : services.messages)
            out.push_back(m.text);
        return out;
    }

    TempDir dir;
    platform::HeadlessServices services{'.'};
    settings::Settings settings;
    std::unique_ptr<textcalc::TTextm> window;
    std::deque<std::optional<QString>> files; // answers of the file dialog, in order
    std::vector<bool> dialogs;                // each file dialog shown: true for save
    std::optional<QColor> colour;
};
