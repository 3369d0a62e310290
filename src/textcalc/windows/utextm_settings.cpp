// The window's part of settings.ini: what start-up applies, what shut-down takes back, and the
// keys its own close writes; the close query and the program's shut-down question.
#include "textcalc/windows/utextm.h"

#include "platform/inifile.h"
#include "textcalc/number/qt/qt_colour.h"
#include "settings/settings_file.h"
#include "platform/qt/window_place.h"

#include <QAction>
#include <QCloseEvent>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>

namespace textcalc {

namespace {

// settings.ini holds the desktop's colour values.
QColor desktopColour(unsigned value)
{
    return toQColor(Colour::fromDesktop(value));
}

QFont fontOf(const settings::FontSetting& s)
{
    QFont font(QString::fromStdString(s.name));
    font.setPointSize(std::max(1, s.size));
    font.setBold(s.bold);
    font.setItalic(s.italic);
    return font;
}

} // namespace

void TTextm::applySettings()
{
    const settings::Settings& s = m_settings;
    platform::restorePlace(this, {{s.textLeft, s.textTop}, {s.textWidth, s.textHeight}});
    // Each view item starts opposite to the stored value and is toggled once.
    for (auto [item, shown] : {std::pair{hlavtul, s.mainToolbar}, {formtul, s.formatToolbar}, {infoshow, s.statusBar}}) {
        item->setChecked(!shown);
        item->toggle();
    }
    pages->setCurrentWidget(List);
    if (s.activePage)
        pages->setCurrentWidget(Obrazek);
    output->setChecked(s.outputs);
    nextline->setChecked(s.nextline);
    m_engine.settings.Precision = s.textDigits;
    m_picture.setFontName(s.labelFont);
    picturePage->SetSize(s.pictureWidth, s.pictureHeight);

    m_outputFont = fontOf(s.outputFont);
    m_outputColour = desktopColour(s.outputFont.color);
    QPalette palette = kalkul->palette();
    palette.setColor(QPalette::Base, desktopColour(s.textBackground));
    kalkul->setPalette(palette);
    picturePage->setBackgroundColour(desktopColour(s.textBackground));
    m_dialogFolder = QString::fromStdString((m_folders.data / "sheets").string());
    applyShortcuts();
    setZoom(s.textZoom);
    showRecentSheets();
    ASave->setEnabled(false);
    anewExecute();
}

QTextCharFormat TTextm::inputFormat() const
{
    const settings::FontSetting& s = m_settings.inputFont;
    QTextCharFormat f;
    f.setFontFamilies({QString::fromStdString(s.name)});
    f.setFontPointSize(std::max(1, s.size));
    f.setForeground(desktopColour(s.color));
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(false);
    return f;
}

// The input font over the whole sheet, and for what is typed next.
void TTextm::applyInputFont()
{
    const settings::FontSetting& s = m_settings.inputFont;
    const QTextCharFormat f = inputFormat();
    // Lines that carry no format of their own (a new sheet, a typed line) show the input font too.
    kalkul->document()->setDefaultFont(fontOf(s));
    QPalette palette = kalkul->palette();
    palette.setColor(QPalette::Text, desktopColour(s.color));
    kalkul->setPalette(palette);
    QTextCursor all(kalkul->document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(f);
    all.mergeBlockCharFormat(f);
    kalkul->mergeCurrentCharFormat(f);
    kalkul->moveCursor(QTextCursor::Start);
    kalkul->mergeCurrentCharFormat(f);
}

void TTextm::collectSettings()
{
    settings::Settings& s = m_settings;
    const platform::WindowPlace place = platform::placeToSave(this);
    s.textLeft = place.corner.x();
    s.textTop = place.corner.y();
    s.textWidth = place.size.width();
    s.textHeight = place.size.height();
    s.activePage = pages->currentWidget() == Obrazek;
    s.outputs = output->isChecked();
    s.nextline = nextline->isChecked();
    s.pictureWidth = static_cast<int>(m_picture.width());
    s.pictureHeight = static_cast<int>(m_picture.height());
    s.outputFont.color = fromQColor(m_outputColour).desktop();
    s.outputFont.size = m_outputFont.pointSize();
    s.outputFont.name = m_outputFont.family().toStdString();
    s.outputFont.bold = m_outputFont.bold();
    s.outputFont.italic = m_outputFont.italic();
}

bool TTextm::writeTextCalculatorKeys()
{
    m_settings.textMaximized = isMaximized();
    m_settings.mainToolbar = hlavtul->isChecked();
    m_settings.formatToolbar = formtul->isChecked();
    m_settings.statusBar = infoshow->isChecked();
    m_settings.textZoom = m_zoom;
    platform::IniFile file(m_folders.settingsFile);
    mergeRecentSheets(file);
    return settings::writeSettings(file, m_settings, m_services.decimalSeparator(), settings::Owner::TextCalculator);
}

// An untitled modified sheet stays in memory when the window is only hidden. At shut-down the
// program closes every window once more after mayQuit: the question was answered then.
bool TTextm::FormCloseQuery()
{
    if (!m_quitAnswered && modified() && FileName != UntitledName && !saveQuestion())
        return false;
    writeTextCalculatorKeys();
    return true;
}

void TTextm::closeEvent(QCloseEvent* event)
{
    if (m_running) {
        // The run ends first; the window closes when it has.
        stopRun();
        m_closeAfterRun = true;
        event->ignore();
        return;
    }
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    emit closing();
    event->accept();
}

bool TTextm::mayQuit()
{
    if (m_running) {
        stopRun();
        m_quitAfterRun = true;
        return false;
    }
    if (!modified()) {
        if (isVisible())
            writeTextCalculatorKeys();
        return true;
    }
    if (isMinimized() || !isVisible())
        showNormal();
    raise();
    if (!saveQuestion())
        return false;
    m_quitAnswered = true;
    if (isVisible())
        writeTextCalculatorKeys();
    return true;
}

void TTextm::showEvent(QShowEvent* event)
{
    if (!m_shownOnce) {
        m_shownOnce = true;
        createActionIcons();
        fillLanguageMenus();
    }
    QMainWindow::showEvent(event);
    if (m_settings.textMaximized && !isMaximized())
        setWindowState(windowState() | Qt::WindowMaximized);
    vypln();
    // Typing goes to the sheet as soon as the window appears.
    if (pages->currentWidget() == List)
        kalkul->setFocus();
}

} // namespace textcalc
