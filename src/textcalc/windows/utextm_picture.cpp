#include "textcalc/windows/utextm_picture.h"

#include "textcalc/picture/picture_file.h"

#include "platform/errors.h"
#include "platform/qt/save_dialog.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace textcalc {

namespace {

constexpr int handleSize = 4;
constexpr int statusPanelWidth = 75;
// A running program's drawing shows this often, whenever the run lets the window repaint.
constexpr int refreshMilliseconds = 100;
// Widgets cannot be larger; a picture that is shows its top-left part.
constexpr int maxSide = QWIDGETSIZE_MAX - handleSize;

const char* const fileFilters[] = {"Bitmap (*.bmp)", "JPEG image (*.jpg)", "All files (*)"};

// The picture at its own size.
class PictureView : public QWidget {
public:
    explicit PictureView(const Picture& picture) : m_picture(picture) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.drawImage(event->rect(), m_picture.image(), event->rect());
    }

private:
    const Picture& m_picture;
};

// The frame: an outline in blue that inverts what lies under it, so that it shows on any
// picture; mouse events pass through it.
class FrameOutline : public QWidget {
public:
    FrameOutline() { setAttribute(Qt::WA_TransparentForMouseEvents); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        painter.setPen(QColor(0, 0, 255));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QWidget* makeHandle(const char* name, Qt::CursorShape cursor)
{
    auto* handle = new QWidget;
    handle->setObjectName(name);
    handle->setFixedSize(handleSize, handleSize);
    handle->setCursor(cursor);
    handle->setAutoFillBackground(true);
    QPalette palette = handle->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 128)); // navy
    handle->setPalette(palette);
    handle->setMouseTracking(true);
    return handle;
}

// A frame size within the picture's limit. The side being dragged gives way: the width for
// handle 1, the height for handles 2 and 3 (and at start-up, mode 0).
QSize limitedFrame(QSize size, int mode)
{
    const auto [width, height] =
        Picture::limitedSize(std::min(size.width(), maxSide), std::min(size.height(), maxSide), mode == 1);
    return QSize(width, height);
}

// An answer of the size and quality questions: a whole number, blanks around it allowed.
std::optional<int> integerAnswer(const std::string& answer)
{
    bool ok = false;
    const int value = QString::fromStdString(answer).trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

PicturePage::PicturePage(Picture& picture, platform::Services& services, std::filesystem::path pictureFolder,
                         QWidget* parent)
    : QWidget(parent), m_picture(picture), m_services(services),
      m_folder(QString::fromStdString(pictureFolder.string()))
{
    setObjectName("PicturePage");
    m_canvas = new QWidget;
    m_canvas->setObjectName("canvas");
    m_canvas->setMouseTracking(true);
    grafikus = new PictureView(m_picture);
    grafikus->setObjectName("grafikus");
    grafikus->setParent(m_canvas);
    grafikus->setMouseTracking(true);
    grafikus->setContextMenuPolicy(Qt::DefaultContextMenu);
    ramecek = new FrameOutline;
    ramecek->setObjectName("ramecek");
    ramecek->setParent(m_canvas);
    ramecek->hide();
    dir1 = makeHandle("dir1", Qt::SizeHorCursor);
    dir2 = makeHandle("dir2", Qt::SizeVerCursor);
    dir3 = makeHandle("dir3", Qt::SizeFDiagCursor);
    for (QWidget* w : {dir1, dir2, dir3, grafikus, m_canvas}) {
        if (w != m_canvas)
            w->setParent(m_canvas);
        w->installEventFilter(this);
    }

    plocha = new QScrollArea;
    plocha->setObjectName("plocha");
    plocha->setWidget(m_canvas);
    plocha->setWidgetResizable(false);
    plocha->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plocha);
    setBackgroundColour(Qt::white);

    createActions();
    fileDialog = [this](bool save, const QString& folder, int filter) { return showFileDialog(save, folder, filter); };

    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &PicturePage::pictureChanged);
    timer->start(refreshMilliseconds);
    pictureResized();
}

void PicturePage::createActions()
{
    auto make = [this](QAction*& action, const char* name, const char* caption, auto handler) {
        action = new QAction(QString::fromUtf8(caption), this);
        action->setObjectName(name);
        action->setToolTip(action->text());
        connect(action, &QAction::triggered, this, handler);
    };
    make(ALoadpic, "ALoadpic", "Načíst ze souboru...", &PicturePage::openbmp);
    make(ASavepic, "ASavepic", "Uložit do souboru...", &PicturePage::savebmp);
    make(APastepic, "APastepic", "Vložit ze schránky", &PicturePage::APastepicExecute);
    make(ACopypic, "ACopypic", "Kopírovat do schránky", &PicturePage::ACopypicExecute);
    make(MISmazat, "MISmazat", "Smazat", &PicturePage::MISmazatClick);
    make(MIRozmery, "MIRozmery", "Rozměry...", &PicturePage::ASizeExecute);

    obrazekMenu = new QMenu(QString::fromUtf8("Obrázek"), this);
    obrazekMenu->setObjectName("obrazekMenu");
    contextMenu = new QMenu(this);
    contextMenu->setObjectName("contextMenu");
    for (QMenu* menu : {obrazekMenu, contextMenu}) {
        menu->addActions({ALoadpic, ASavepic});
        menu->addSeparator();
        menu->addActions({APastepic, ACopypic});
        menu->addSeparator();
        menu->addActions({MISmazat, MIRozmery});
    }
}

void PicturePage::setStatusPanels(QLabel* width, QLabel* height, QLabel* position)
{
    m_panels[0] = width;
    m_panels[1] = height;
    m_panels[2] = position;
}

void PicturePage::popis(const ui::Language& lang)
{
    // Captions keep the file's mnemonics, hints do without them.
    auto t = [&](const char* key, const char* czech) { return QString::fromStdString(lang.caption(key, czech)); };
    auto caption = [](QAction* action, const QString& text) {
        action->setText(text);
        action->setToolTip(QString::fromStdString(ui::withoutMnemonic(text.toStdString())));
    };
    caption(ALoadpic, t("loadpic", "Načíst ze souboru") + "...");
    caption(ASavepic, t("savepic", "Uložit do souboru") + "...");
    caption(ACopypic, t("copypic", "Kopírovat do schránky"));
    caption(APastepic, t("pastepic", "Vložit ze schránky"));
    caption(MISmazat, t("clearpic", "Smazat"));
    caption(MIRozmery, t("picsize", "Rozměry") + "...");
    obrazekMenu->setTitle(t("picture", "Obrázek"));
}

void PicturePage::setRunning(bool running)
{
    for (QAction* action : {ALoadpic, ASavepic, APastepic, ACopypic, MISmazat, MIRozmery})
        action->setEnabled(!running);
    for (QWidget* handle : {dir1, dir2, dir3})
        handle->setEnabled(!running);
}

void PicturePage::setBackgroundColour(const QColor& colour)
{
    QPalette palette = m_canvas->palette();
    palette.setColor(QPalette::Window, colour);
    m_canvas->setPalette(palette);
    m_canvas->setAutoFillBackground(true);
    plocha->setPalette(palette);
}

// ---- Size ------------------------------------------------------------------------------------

void PicturePage::SetSize(int width, int height)
{
    m_frame = limitedFrame(QSize(width, height), 0);
    EndResize();
}

void PicturePage::BeginResize(int handle, QPoint globalPos)
{
    showFrame(true);
    m_dragOffset = QPoint(m_frame.width() - globalPos.x(), m_frame.height() - globalPos.y());
    // The handles hide: the scrolled area takes the mouse, with the handle's cursor, until the
    // button is released.
    const QWidget* dragged = handle == 1 ? dir1 : handle == 2 ? dir2 : dir3;
    m_canvas->setCursor(dragged->cursor());
    if (m_canvas->isVisible())
        m_canvas->grabMouse();
    for (QWidget* w : {dir1, dir2, dir3})
        w->hide();
    m_mode = handle;
    setPanel(m_panels[2], QString(" %1, %2").arg(m_frame.width()).arg(m_frame.height()));
}

void PicturePage::MouseMove(int handle, QPoint localPos, QPoint globalPos)
{
    if (m_mode == 0) {
        const QWidget* w = handle == 1 ? dir1 : handle == 2 ? dir2 : dir3;
        pozice(localPos + w->pos());
        return;
    }
    QSize frame = m_frame;
    if (m_mode == 1 || m_mode == 3)
        frame.setWidth(globalPos.x() + m_dragOffset.x());
    if (m_mode == 2 || m_mode == 3)
        frame.setHeight(globalPos.y() + m_dragOffset.y());
    m_frame = limitedFrame(frame, m_mode);
    showFrame(true);
    setPanel(m_panels[2], QString(" %1, %2").arg(m_frame.width()).arg(m_frame.height()));
}

void PicturePage::MouseUp()
{
    if (m_mode != 0)
        EndResize();
}

void PicturePage::EndResize()
{
    if (m_picture.width() != m_frame.width() || m_picture.height() != m_frame.height())
        m_picture.setSize(m_frame.width(), m_frame.height());
    showFrame(false);
    placeHandles();
    if (QWidget::mouseGrabber() == m_canvas)
        m_canvas->releaseMouse();
    m_canvas->unsetCursor();
    m_mode = 0;
    m_shownKey = m_picture.image().cacheKey();
    grafikus->update();
    obrinfo();
}

void PicturePage::pictureResized()
{
    m_frame = QSize(int(m_picture.width()), int(m_picture.height()));
    EndResize();
}

void PicturePage::pictureChanged()
{
    if (m_mode != 0) {
        grafikus->update();
        return;
    }
    if (m_picture.width() != m_frame.width() || m_picture.height() != m_frame.height())
        pictureResized();
    else if (m_picture.image().cacheKey() != m_shownKey) {
        m_shownKey = m_picture.image().cacheKey();
        grafikus->update();
    }
}

void PicturePage::showFrame(bool visible)
{
    const QSize image = m_picture.image().size();
    const QSize shown = visible ? m_frame.expandedTo(image) : QSize(m_frame.width(), m_frame.height());
    m_canvas->resize(std::min(shown.width() + handleSize, QWIDGETSIZE_MAX),
                     std::min(shown.height() + handleSize, QWIDGETSIZE_MAX));
    grafikus->setGeometry(QRect(QPoint(0, 0), image));
    ramecek->setGeometry(0, 0, m_frame.width(), m_frame.height());
    ramecek->setVisible(visible);
    if (visible)
        ramecek->raise();
}

void PicturePage::placeHandles()
{
    const int w = m_frame.width(), h = m_frame.height();
    dir1->move(w, (h - handleSize) / 2);
    dir2->move((w - handleSize) / 2, h);
    dir3->move(w, h);
    for (QWidget* handle : {dir1, dir2, dir3}) {
        handle->show();
        handle->raise();
    }
}

// ---- Status bar --------------------------------------------------------------------------------

void setPanelWidth(QLabel* panel, int width)
{
    panel->setMinimumWidth(width);
    panel->setMaximumWidth(QWIDGETSIZE_MAX);
}

void PicturePage::setPanel(QLabel* panel, const QString& text)
{
    if (panel)
        panel->setText(text);
}

void PicturePage::obrinfo()
{
    for (int k = 0; k < 2; ++k)
        if (m_panels[k])
            setPanelWidth(m_panels[k], statusPanelWidth);
    setPanel(m_panels[0], QString(" width %1").arg(m_picture.width()));
    setPanel(m_panels[1], QString(" height %1").arg(m_picture.height()));
    setPanel(m_panels[2], QString());
}

void PicturePage::pozice(QPoint picturePos)
{
    setPanel(m_panels[2], QString(" %1, %2").arg(picturePos.x()).arg(picturePos.y()));
}

bool PicturePage::eventFilter(QObject* watched, QEvent* event)
{
    const int handle = watched == dir1 ? 1 : watched == dir2 ? 2 : watched == dir3 ? 3 : 0;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (handle != 0 && mouse->button() == Qt::LeftButton)
            BeginResize(handle, mouse->globalPosition().toPoint());
        break;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint local = mouse->position().toPoint(), global = mouse->globalPosition().toPoint();
        if (m_mode != 0 || handle != 0)
            MouseMove(m_mode != 0 ? m_mode : handle, local, global);
        else
            pozice(static_cast<QWidget*>(watched)->mapTo(m_canvas, local));
        break;
    }
    case QEvent::MouseButtonRelease:
        if (m_mode != 0 && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            MouseUp();
        break;
    case QEvent::ContextMenu:
        if (watched == grafikus) {
            contextMenu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Actions -----------------------------------------------------------------------------------

std::optional<PicturePage::FileChoice> PicturePage::showFileDialog(bool save, const QString& folder, int filter)
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const char* f : fileFilters)
        filters << f;
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(filter));
    dialog.setDirectory(folder);
    if (save)
        platform::addFilterExtension(dialog, "bmp");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FileChoice{dialog.selectedFiles().first(), int(std::max<qsizetype>(filters.indexOf(dialog.selectedNameFilter()), 0))};
}

std::optional<QString> PicturePage::chooseFile(bool save)
{
    const std::optional<FileChoice> choice = fileDialog(save, m_folder, m_filter);
    if (!choice)
        return std::nullopt;
    m_folder = QFileInfo(choice->path).absolutePath();
    m_filter = choice->filter;
    return choice->path;
}

void PicturePage::openbmp()
{
    const std::optional<QString> name = chooseFile(false);
    if (!name)
        return;
    try {
        m_picture.load(name->toStdString());
    } catch (const platform::UserError& e) {
        m_services.message(platform::MessageKind::Error, e.what());
    }
    pictureResized();
}

void PicturePage::savebmp()
{
    const std::optional<QString> name = chooseFile(true);
    if (!name)
        return;
    const std::string file = name->toStdString();
    int quality = 100;
    if (isJpegName(file)) {
        const std::optional<std::string> answer =
            m_services.inputBox("ZOLT CALC", "Compression quality of JPEG [ 1 .. 100 ] :", "100");
        if (!answer)
            return;
        const std::optional<int> value = integerAnswer(*answer);
        if (!value || *value < 1 || *value > 100) {
            m_services.message(platform::MessageKind::Error,
                               "\"" + *answer + "\" is not a quality: enter a whole number from 1 to 100.");
            return;
        }
        quality = *value;
    }
    try {
        m_picture.save(file, quality);
    } catch (const platform::UserError& e) {
        m_services.message(platform::MessageKind::Error, e.what());
    }
}

void PicturePage::APastepicExecute()
{
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) {
        m_services.beep();
    } else {
        try {
            m_picture.setImage(image);
        } catch (const RunError&) {
            m_services.message(platform::MessageKind::Error,
                               QString("The picture on the clipboard is too large (%1 x %2 pixels).")
                                   .arg(image.width())
                                   .arg(image.height())
                                   .toStdString());
        }
    }
    pictureResized();
}

void PicturePage::ACopypicExecute()
{
    QGuiApplication::clipboard()->setImage(m_picture.image());
}

void PicturePage::MISmazatClick()
{
    m_picture.clear();
    pictureResized();
}

// A cancelled question keeps its default; an answer that is not a whole number changes nothing.
void PicturePage::ASizeExecute()
{
    const auto ask = [this](const char* prompt, int current) {
        const std::string initial = std::to_string(current);
        return integerAnswer(m_services.inputBox("ZOLT CALC", prompt, initial).value_or(initial));
    };
    const std::optional<int> width = ask("WIDTH of the picture :", m_frame.width());
    if (!width)
        return;
    const std::optional<int> height = ask("HEIGHT of the picture :", m_frame.height());
    if (!height)
        return;
    const QSize size(*width > 0 ? *width : m_frame.width(), *height > 0 ? *height : m_frame.height());
    if (int64_t{size.width()} * size.height() > Picture::maxPixels) {
        m_services.message(platform::MessageKind::Error,
                           QString("The picture cannot be %1 x %2 pixels: it may have at most %3 pixels.")
                               .arg(size.width())
                               .arg(size.height())
                               .arg(Picture::maxPixels)
                               .toStdString());
        return;
    }
    m_frame = size;
    EndResize();
}

} // namespace textcalc
