#include "caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void CaptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
    const QRect area = rect().adjusted(margin, 2, -margin, -2);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    // Text that does not fit on one line is wrapped at its spaces; leading
    // blanks only served to push words onto the next line, so they go.
    const bool fits = fontMetrics().horizontalAdvance(caption) <= area.width();
    const QString shown = fits ? caption : caption.simplified();
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, flags, shown);
}
