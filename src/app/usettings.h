#pragma once
// Tsettings: the keypad's number format, the switches, and the choice of skin and language.
// It edits the settings record; number format, base and priority take effect as they change,
// hints, always-on-top and the digit-group separator when the dialog is closed, in any way.
#include "settings/settings.h"
#include "ui/language.h"

#include <QDialog>

#include <filesystem>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace app {

class Tsettings : public QDialog {
    Q_OBJECT
public:
    // FormCreate: lists skins/*.ini and langs/*.ini of the program directory and selects the
    // saved ones (an index beyond a list selects its first item).
    Tsettings(settings::Settings& settings, const std::filesystem::path& programDir, QWidget* parent = nullptr);

    std::string skinName() const;     // the selected skin, empty when there is none
    std::string languageFile() const; // the selected language file's name, empty when none
    // The first character of `separ`: the separator okej applies and shut-down writes.
    std::string separatorText() const;
    // The language's texts of the title, the labels, the switches and the buttons.
    void popis(const ui::Language& language);

    QGroupBox* format;
    QButtonGroup* formatGroup;
    QSpinBox* poccis;
    QSpinBox* desmista;
    QSpinBox* leadzeros;
    QLabel* poccisLabel;
    QLabel* desmistaLabel;
    QLabel* leadzerosLabel;
    QLabel* BaseLabel;
    QLabel* separLabel;
    QLabel* SkinLabel;
    QLabel* LangLabel;
    QCheckBox* zaokrouhl;
    QComboBox* BaseCombo;
    QLineEdit* separ;
    QCheckBox* prior;
    QCheckBox* hints;
    QCheckBox* aot;
    QComboBox* SkinCombo;
    QComboBox* LangCombo;
    QPushButton* ZavBut;
    QPushButton* NapBut;
    QPushButton* SetBut;

    void formatClick();
    void poccisChange();
    void okej();
    // Esc and the close box apply what the dialog shows, as "Zavřít" does.
    void reject() override;

signals:
    void numberFormatChanged(); // format, digits, decimals, zeros, rounding, base or priority
    void skinChanged();         // a different skin was selected: apply it (skinuj)
    void languageChanged();     // a different language was selected: apply it (popis)
    void closing();             // apply hints, always-on-top and the separator
    void helpRequested();
    void settingsFileRequested(); // inisoubor

protected:
    void showEvent(QShowEvent* e) override;

private:
    void loadControls();
    void apply();
    void storeNumberFormat();

    settings::Settings& m_settings;
    std::filesystem::path m_programDir;
    int m_skinTag = -1; // index last applied, so re-selecting the same skin does nothing
    int m_langTag = -1;
    bool m_loading = false;
};

} // namespace app
