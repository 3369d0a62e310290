#pragma once
// Qt's own texts (the file, colour, font and print dialogs, standard buttons, the sheet's
// context menu) in the language of the chosen language file, from the translations of Qt that
// the system has installed.
#include <QTranslator>

#include <string>

namespace app {

class QtTexts {
public:
    QtTexts() = default;
    ~QtTexts();
    QtTexts(const QtTexts&) = delete;
    QtTexts& operator=(const QtTexts&) = delete;

    // `locale` as a language file names it ("cs", "en"). Qt's texts are English by themselves;
    // without an installed translation they stay so.
    void use(const std::string& locale);

private:
    QTranslator m_translator;
    bool m_installed = false;
};

} // namespace app
