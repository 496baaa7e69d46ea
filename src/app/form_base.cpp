#include "form_base.h"

#include "caption_button.h"
#include "platform.h"
#include "problem_files.h"
#include "window_registry.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <cmath>

int TwipsToPixels(int twips)
{
    return int(std::lround(double(twips) / TwipsPerPixel));
}

int PixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

QColor VbColor(unsigned bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QFont FixedPitchFont()
{
    static const QFont font = [] {
        QFont f(QStringLiteral("DejaVu Sans Mono"));
        if (!QFontDatabase::families().contains(f.family()))
            f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
        f.setPixelSize(11);
        return f;
    }();
    return font;
}

FormBase::FormBase(const QString &designName, QWidget *parent)
    : QWidget(parent, parent ? Qt::Dialog : Qt::Window)
{
    setObjectName(designName);
    setAttribute(Qt::WA_DeleteOnClose, false);
    RegisterForm(this);
    // On every window the problem typed so far can be saved under a name.
    auto *save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, [] { RunHandler([] { SaveProblemAs(); }); });
}

FormBase::~FormBase()
{
    UnregisterForm(this);
}

void FormBase::unload()
{
    if (!loaded)
        return;
    loaded = false;
    UnregisterForm(this);
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
    setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

void FormBase::moveTwips(int left, int top)
{
    move(TwipsToPixels(left), TwipsToPixels(top));
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
    printed.append({currentX, currentY, text, printBold, printColor});
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
    auto *list = new QListWidget(this);
    list->setObjectName(name);
    list->setFont(FixedPitchFont());
    list->setUniformItemSizes(true);
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
    QFont font = FixedPitchFont();
    for (const PrintedText &item : printed) {
        font.setBold(item.bold);
        painter.setFont(font);
        painter.setPen(item.color);
        const QFontMetrics metrics(font);
        painter.drawText(TwipsToPixels(item.x), TwipsToPixels(item.y) + metrics.ascent(), item.text);
    }
}
