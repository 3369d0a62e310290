#include "textcalc/windows/utextm.h"

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
    createMenus();
    createToolBars();
    createFormatBar();
    createLanguageMenus();
    createHelpMenu();
    createStatusBar();
    picturePage->setStatusPanels(panels[0], panels[1], panels[2]);

    m_findDocument = std::make_unique<sheet::QtDocument>(
        *kalkul->document(), [this] { return kalkul->textCursor(); },
        [this](const QTextCursor& c) { kalkul->setTextCursor(c); });
    findWindow = new Tfind(services, this);
    findWindow->setDocument(m_findDocument.get());
    connect(AFind, &QAction::triggered, this, [this] {
        findWindow->show();
        findWindow->raise();
        findWindow->activateWindow();
    });
    connect(this, &TTextm::closing, findWindow, &QWidget::hide);

    connect(kalkul->document(), &QTextDocument::contentsChanged, this, &TTextm::sheetChanged);
    connect(kalkul->document(), &QTextDocument::modificationChanged, ASave, &QAction::setEnabled);
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

void TTextm::sheetChanged()
{
    posun();
}

// In copy-font mode every new selection takes the buffered format.
void TTextm::selectionMoved()
{
    if (CopFontBut->isChecked() && kalkul->textCursor().hasSelection() && !m_applyingFormat)
        setSelectionFormat(*m_fontBuffer);
    posun();
}

bool TTextm::eventFilter(QObject* watched, QEvent* event)
{
    // Key presses and clicks move the caret; the status bar follows at once.
    if ((watched == kalkul || watched == kalkul->viewport())
        && (event->type() == QEvent::KeyRelease || event->type() == QEvent::MouseButtonRelease))
        posun();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace textcalc
