#include "caption_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int CaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;
constexpr int IconGap = 4;
constexpr int FocusInset = 3;

} // namespace

CaptionButton::Layout CaptionButton::captionLayout() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
    Layout layout;
    layout.area = rect().adjusted(margin, 2, -margin, -2);
    layout.textArea = layout.area;
    if (!icon().isNull()) {
        // Inside the focus frame.
        const QSize size =
            iconSize().boundedTo(rect().adjusted(0, FocusInset + 1, 0, -FocusInset - 1).size());
        layout.icon = QRect(QPoint(layout.area.left(), layout.area.center().y() - size.height() / 2), size);
        layout.textArea.setLeft(layout.icon.right() + 1 + IconGap);
    }
    // Text that does not fit on one line is wrapped at its spaces; leading
    // blanks only served to push words onto the next line, so they go.
    const QString caption = text();
    const bool fits = fontMetrics().horizontalAdvance(caption) <= layout.textArea.width();
    layout.shown = fits ? caption : caption.simplified();
    layout.text = fontMetrics().boundingRect(layout.textArea, CaptionFlags, layout.shown);
    return layout;
}

void CaptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    const Layout layout = captionLayout();
    if (!layout.icon.isEmpty())
        icon().paint(&painter, layout.icon, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(layout.textArea, CaptionFlags, layout.shown);
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(FocusInset, FocusInset, -FocusInset - 1, -FocusInset - 1));
    }
}

void CaptionButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CaptionButton::mousePressEvent(QMouseEvent *event)
{
    clickStart.notePress(*event);
    QPushButton::mousePressEvent(event);
}

void CaptionButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Qt would take it for a press, and the release for a click.
    if (!clickStart.beganHere(*event)) {
        event->accept();
        return;
    }
    QPushButton::mouseDoubleClickEvent(event);
}
