#include "textcalc/windows/utextm.h"

#include "textcalc/windows/sheet_recovery.h"
#include "textcalc/windows/sheet_zoom.h"
#include "platform/qt/keyboard_order.h"

#include <QAbstractTextDocumentLayout>

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace textcalc {

TTextm::TTextm(platform::Services& services, settings::Settings& settings, platform::DataFolders folders,
               QWidget* parent)
    : QMainWindow(parent),
      m_services(services),
      m_settings(settings),
      m_folders(std::move(folders)),
      m_engine(services),
      m_picture(settings.pictureWidth, settings.pictureHeight)
{
    setObjectName("Textm");
    UntitledName = QString::fromUtf8("Nový soubor");
    TitleText = QString::fromUtf8("Textová kalkulačka");
    FileName = UntitledName;
    m_fontBuffer = new QTextCharFormat;
    m_engine.settings.programDirectory = m_folders.data;
    m_engine.callbacks.picture = &m_picture;

    kalkul = new QTextEdit;
    kalkul->setObjectName("kalkul");
    kalkul->setAcceptRichText(true);
    kalkul->setLineWrapMode(QTextEdit::WidgetWidth);
    kalkul->installEventFilter(this);
    kalkul->viewport()->installEventFilter(this);
    platform::leaveByKeyboard(kalkul); // Tab is typed into the sheet; Ctrl+Tab goes on

    List = new QWidget;
    List->setObjectName("List");
    auto* listLayout = new QVBoxLayout(List);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(kalkul);
    Obrazek = new QWidget;
    Obrazek->setObjectName("Obrazek");
    picturePage = new PicturePage(m_picture, services, m_folders.data / "pictures");
    auto* pictureLayout = new QVBoxLayout(Obrazek);
    pictureLayout->setContentsMargins(0, 0, 0, 0);
    pictureLayout->addWidget(picturePage);
    pictureTimer = new QTimer(this);
    pictureTimer->setInterval(100);
    connect(pictureTimer, &QTimer::timeout, picturePage, &PicturePage::pictureChanged);

    pages = new QTabWidget;
    pages->setObjectName("pages");
    pages->setTabPosition(QTabWidget::West);
    pages->addTab(List, QString::fromUtf8("List"));
    pages->addTab(Obrazek, QString::fromUtf8("Obrázek"));
    setCentralWidget(pages);

    installDialogs();
    createActions();
    createZoom();
    createMenus();
    createRecentSheets();
    createToolBars();
    createFormatBar();
    createLanguageMenus();
    createHelpMenu();
    createStatusBar();
    picturePage->setStatusPanels(panels[0], panels[1], panels[2]);

    findWindow = new Tfind(services, this);
    createRecovery();
    connect(AFind, &QAction::triggered, this, [this] {
        findWindow->show();
        findWindow->raise();
        findWindow->activateWindow();
    });
    connect(this, &TTextm::closing, findWindow, &QWidget::hide);
    connect(findWindow, &Tfind::searchWrapped, this, [this] { info->showMessage(m_searchWrappedNote, 5000); });

    setSheetDocument(kalkul->document());
    connect(kalkul, &QTextEdit::cursorPositionChanged, this, &TTextm::selectionMoved);
    connect(kalkul, &QTextEdit::selectionChanged, this, &TTextm::selectionMoved);
    connect(pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (pages->widget(index) == List) {
            setPanelWidth(panels[0], 100);
            setPanelWidth(panels[1], 50);
            posun();
            kalkul->setFocus();
        } else {
            picturePage->obrinfo();
        }
    });

    resize(m_settings.textWidth, m_settings.textHeight);
    anewExecute();
}

TTextm::~TTextm()
{
    // The document outlives the members; its last signals reach nothing.
    disconnect(kalkul->document(), nullptr, this, nullptr);
    delete m_fontBuffer;
}

// The page control fills what the bars leave; its two tabs on the left share its height.
void TTextm::vypln()
{
    const int tabLength = std::max(20, (pages->height() - 5) / 2);
    pages->tabBar()->setStyleSheet(QString("QTabBar::tab { height: %1px; }").arg(tabLength - 4));
}

void TTextm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    vypln();
}

// Opening a file fills a new document apart from the editor and swaps it in: Qt then lays out
// the first screen at once and the rest as the window idles (filled in place, the sheet was
// laid out twice before the caption changed). The old document goes when the window idles.
void TTextm::setSheetDocument(QTextDocument* document)
{
    QTextDocument* old = kalkul->document();
    if (document != old) {
        document->setDefaultFont(old->defaultFont());
        document->setParent(kalkul);
        old->setParent(nullptr);
        kalkul->setDocument(document);
        old->deleteLater();
        document->documentLayout()->setPaintDevice(m_zoomDevice.get());
    }
    m_findDocument = std::make_unique<sheet::QtDocument>(
        *document, [this] { return kalkul->textCursor(); }, [this](const QTextCursor& c) { kalkul->setTextCursor(c); });
    findWindow->setDocument(m_findDocument.get());
    connect(document, &QTextDocument::contentsChanged, this, &TTextm::sheetChanged);
    connect(document, &QTextDocument::modificationChanged, ASave, &QAction::setEnabled);
    connect(document, &QTextDocument::modificationChanged, this, &TTextm::inform);
    ASave->setEnabled(document->isModified());
}

void TTextm::sheetChanged()
{
    m_recoveryStale = true;
    if (m_recoveryPauseTimer)
        m_recoveryPauseTimer->start(recoveryPause);
    posun();
}

// In copy-font mode every new selection takes the buffered format.
void TTextm::selectionMoved()
{
    if (CopFontBut->isChecked() && kalkul->textCursor().hasSelection() && !m_applyingFormat)
        setSelectionFormat(*m_fontBuffer);
    posun();
}

// The signs take the palette's colours: a theme switched to dark repaints them.
void TTextm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_shownOnce)
        createActionIcons();
}

bool TTextm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == kalkul->viewport() && event->type() == QEvent::Wheel && zoomByWheel(event))
        return true;
    if (watched == kalkul && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) && !pasteFits())
        return true;
    // Key presses and clicks move the caret; the status bar follows at once.
    if ((watched == kalkul || watched == kalkul->viewport())
        && (event->type() == QEvent::KeyRelease || event->type() == QEvent::MouseButtonRelease))
        posun();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace textcalc
