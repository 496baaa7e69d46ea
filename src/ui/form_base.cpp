#include "form_base.h"
#include "caption_button.h"
#include "list_box.h"
#include "look.h"
#include "platform.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cmath>

namespace {

// The loaded windows in load order.
QList<FormBase *> &loadedForms()
{
    static QList<FormBase *> forms;
    return forms;
}

// A window's outer rectangle moved into the screen's free area, and made
// smaller where it is larger than the area.
QRect KeptOnScreen(QRect frame, const QRect &area)
{
    frame.setWidth(std::min(frame.width(), area.width()));
    frame.setHeight(std::min(frame.height(), area.height()));
    frame.moveLeft(std::clamp(frame.left(), area.left(), area.left() + area.width() - frame.width()));
    frame.moveTop(std::clamp(frame.top(), area.top(), area.top() + area.height() - frame.height()));
    return frame;
}

// The frame of the last window that had one: windows not shown yet are
// placed as if theirs were the same.
QMargins &lastKnownFrame()
{
    static QMargins margins;
    return margins;
}

QRect freeScreenArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
}

} // namespace

FormBase::FormBase(const QString &designName, QWidget *parent)
    : QWidget(parent, parent ? Qt::Dialog : Qt::Window)
{
    setObjectName(designName);
    setAttribute(Qt::WA_DeleteOnClose, false);
    loadedForms().append(this);
    // On every window the problem typed so far can be saved under a name.
    auto *save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, [] { RunHandler([] { keeping().saveAs(); }); });
}

FormBase::~FormBase()
{
    loadedForms().removeAll(this);
}

void FormBase::unload()
{
    if (!loaded)
        return;
    loaded = false;
    loadedForms().removeAll(this);
    hide();
    deleteLater();
}

void FormBase::closeEvent(QCloseEvent *event)
{
    // The window stays; an unloaded window or the end of the program lets it go.
    if (!loaded || platform().hasEnded()) {
        event->accept();
        return;
    }
    event->ignore();
    closeRequested();
}

void FormBase::closeRequested()
{
    RunHandler([] {
        if (platform().askYesNo(QStringLiteral("Окончание работы"),
                                QStringLiteral("Закончить работу с программой ?"), Answer::No))
            EndProgram();
    });
}

void FormBase::setGeometryTwips(int left, int top, int width, int height)
{
    placement.placed = true;
    placement.frameTopLeft = {TwipsToPixels(left), TwipsToPixels(top)};
    placement.client = {TwipsToPixels(width), TwipsToPixels(height)};
    placement.fillsWidth = placement.fillsHeight = false;
    fitOnScreen();
}

void FormBase::moveTwips(int left, int top)
{
    if (!placement.placed) {
        setGeometryTwips(left, top, widthTwips(), heightTwips());
        return;
    }
    placement.frameTopLeft = {TwipsToPixels(left), TwipsToPixels(top)};
    fitOnScreen();
}

void FormBase::fillScreen(int widthTwips)
{
    placement.placed = true;
    placement.frameTopLeft = freeScreenArea(this).topLeft();
    placement.client = {TwipsToPixels(widthTwips), 0};
    placement.fillsWidth = widthTwips == 0;
    placement.fillsHeight = true;
    fitOnScreen();
}

QMargins FormBase::knownFrameMargins() const
{
    if (!isVisible())
        return lastKnownFrame();
    const QRect frame = frameGeometry(), client = geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    // Until the window manager has framed the window, it is taken to get
    // the frame the others got.
    if (margins.isNull())
        return lastKnownFrame();
    lastKnownFrame() = margins;
    return margins;
}

void FormBase::fitOnScreen()
{
    // A window the student has maximized stays so.
    if (!isWindow() || !placement.placed || fitting || isMaximized() || isFullScreen())
        return;
    fitting = true;
    const QMargins margins = knownFrameMargins();
    const QRect area = freeScreenArea(this);
    QSize client = placement.client;
    if (placement.fillsWidth)
        client.setWidth(area.width() - margins.left() - margins.right());
    if (placement.fillsHeight)
        client.setHeight(area.height() - margins.top() - margins.bottom());
    // A caption longer than the design's width widens the window, within
    // the screen, so that the window manager does not cut it.
    client.setWidth(std::max(client.width(), TitleBarWidth(windowTitle(), font())));
    const QRect frame = KeptOnScreen(QRect(placement.frameTopLeft, client.grownBy(margins)), area);
    client = frame.size().shrunkBy(margins).expandedTo(minimumSize()).boundedTo(maximumSize());
    fittedMargins = margins;
    if (size() != client)
        resize(client);
    // Moved even where it already stands: a window never moved is placed
    // wherever the window manager likes.
    if (pos() != frame.topLeft() || !testAttribute(Qt::WA_Moved))
        move(frame.topLeft());
    fitting = false;
}

bool FormBase::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::WindowTitleChange:
        fitOnScreen();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        // The window manager has put its frame round the window: with the
        // frame known, the window is fitted on the screen once more.
        if (isVisible() && knownFrameMargins() != fittedMargins)
            fitOnScreen();
        break;
    default:
        break;
    }
    return handled;
}

int FormBase::widthTwips() const
{
    return PixelsToTwips(width());
}

int FormBase::heightTwips() const
{
    return PixelsToTwips(height());
}

void FormBase::print(const QString &text)
{
    printed.append({currentX, currentY, text, printBold, printColor, printFont});
    currentY += lineHeightTwips();
    currentX = 0;
    update();
}

void FormBase::printAt(int x, int y, const QString &text)
{
    currentX = x;
    currentY = y;
    print(text);
}

void FormBase::printCentred(int y, const QString &text)
{
    QFont font = printFont;
    font.setBold(printBold);
    const int width = PixelsToTwips(QFontMetrics(font).horizontalAdvance(text));
    printAt((widthTwips() - width) / 2, y, text);
}

void FormBase::clearDrawing()
{
    printed.clear();
    currentX = 0;
    currentY = 0;
    onDrawingCleared();
    update();
}

QStringList FormBase::printedLines() const
{
    QStringList lines;
    for (const PrintedText &item : printed)
        lines << item.text;
    return lines;
}

QPushButton *FormBase::addButton(const QString &name, const QString &caption)
{
    auto *button = new CaptionButton(caption, this);
    button->setObjectName(name);
    return button;
}

QLabel *FormBase::addLabel(const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(name);
    return label;
}

QListWidget *FormBase::addList(const QString &name)
{
    auto *list = new ListBox(this);
    list->setObjectName(name);
    return list;
}

void FormBase::placeTwips(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                         TwipsToPixels(height));
}

void FormBase::moveControlTwips(QWidget *control, int left, int top)
{
    control->move(TwipsToPixels(left), TwipsToPixels(top));
}

void FormBase::giveFocus(QWidget *control)
{
    const auto usable = [this](const QWidget *w) {
        return w && w->isVisibleTo(this) && w->isEnabled() && w->focusPolicy() != Qt::NoFocus;
    };
    if (!usable(control)) {
        control = nullptr;
        for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if ((qobject_cast<QPushButton *>(child) || qobject_cast<QListWidget *>(child)) && usable(child)) {
                control = child;
                break;
            }
    }
    if (control)
        control->setFocus();
}

void FormBase::growToText(QLabel *label)
{
    label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
}

void FormBase::setBackColor(QWidget *control, const QColor &color)
{
    control->setProperty("backColor", color);
    QPalette palette = control->palette();
    palette.setColor(QPalette::Button, color);
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

QColor FormBase::backColor(const QWidget *control)
{
    const QVariant color = control->property("backColor");
    return color.isValid() ? color.value<QColor>() : QColor();
}

void FormBase::setTextColor(QWidget *control, const QColor &color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    palette.setColor(QPalette::Text, color);
    control->setPalette(palette);
}

void FormBase::drawContent(QPainter &)
{
}

void FormBase::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawContent(painter);
    for (const PrintedText &item : printed) {
        QFont font = item.font;
        font.setBold(item.bold);
        painter.setFont(font);
        painter.setPen(item.color);
        const QFontMetrics metrics(font);
        painter.drawText(TwipsToPixels(item.x), TwipsToPixels(item.y) + metrics.ascent(), item.text);
    }
}

QList<FormBase *> LoadedForms()
{
    return loadedForms();
}

FormBase *FindForm(const QString &name)
{
    for (FormBase *form : loadedForms())
        if (form->objectName() == name)
            return form;
    return nullptr;
}

void MarkNewestLoaded(FormBase *form)
{
    loadedForms().removeAll(form);
    loadedForms().append(form);
}

void CloseOtherForms()
{
    while (loadedForms().size() > 1)
        loadedForms().first()->unload();
}

void CloseAllForms()
{
    while (!loadedForms().isEmpty())
        loadedForms().first()->unload();
}
