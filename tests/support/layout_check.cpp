#include "layout_check.h"

#include "ui/caption_button.h"
#include "ui/form_base.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>

namespace {

// What the design lays over what on purpose: the highlight of a faulty line
// over that line, printed or in the list.
const QList<QPair<QString, QString>> DesignedOverlaps = {
    {QStringLiteral("Label2"), QStringLiteral("printed")},
    {QStringLiteral("Label2"), QStringLiteral("List1")},
};

struct Piece {
    QString name;
    QRect rect; // in the window's client area
};

QString size(QSize s)
{
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

QString tooSmall(const QString &what, QSize needed, QSize room)
{
    return QStringLiteral("%1 needs %2 px, has %3").arg(what, size(needed), size(room));
}

bool fits(QSize needed, QSize room)
{
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// The room QLabel leaves to its text: the contents less margin and indent.
QRect textRoom(const QLabel &label)
{
    const int m = label.margin();
    QRect room = label.contentsRect().adjusted(m, m, -m, -m);
    int indent = label.indent();
    if (indent < 0)
        indent = label.frameWidth() > 0 ? label.fontMetrics().horizontalAdvance(u'x') / 2 : 0;
    const Qt::Alignment a = label.alignment();
    if (a & Qt::AlignLeft)
        room.setLeft(room.left() + indent);
    else if (a & Qt::AlignRight)
        room.setRight(room.right() - indent);
    if (a & Qt::AlignTop)
        room.setTop(room.top() + indent);
    else if (a & Qt::AlignBottom)
        room.setBottom(room.bottom() - indent);
    return room;
}

void checkLabel(const QLabel &label, QStringList &faults)
{
    if (label.text().isEmpty())
        return;
    const QRect room = textRoom(label);
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QSize needed = label.fontMetrics().boundingRect(room, flags, label.text()).size();
    if (!fits(needed, room.size()))
        faults << tooSmall(QStringLiteral("text"), needed, room.size());
}

void checkButton(const QAbstractButton &button, QStringList &faults)
{
    if (const auto *caption = qobject_cast<const CaptionButton *>(&button)) {
        const CaptionButton::Layout layout = caption->captionLayout();
        if (!fits(layout.text.size(), layout.textArea.size()))
            faults << tooSmall(QStringLiteral("caption"), layout.text.size(), layout.textArea.size());
        if (layout.icon.intersects(layout.text))
            faults << QStringLiteral("picture over the caption");
        return;
    }
    const QSize needed = button.sizeHint();
    if (!fits(needed, button.size()))
        faults << tooSmall(QStringLiteral("caption"), needed, button.size());
}

void checkList(QListWidget &list, QStringList &faults)
{
    if (list.count() == 0)
        return;
    list.doItemsLayout();
    const QFontMetrics metrics(list.font());
    // The room of a row's text: the view's width less the item's margins.
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    const int room = list.viewport()->width() - 2 * margin;
    for (int row = 0; row < list.count(); ++row) {
        const QString text = list.item(row)->text();
        const int width = metrics.horizontalAdvance(text.trimmed().isEmpty() ? QString() : text);
        if (width > room)
            faults << QStringLiteral("row %1 needs %2 px, has %3").arg(row).arg(width).arg(room);
        const QRect rect = list.visualItemRect(list.item(row));
        if (rect.height() < metrics.height())
            faults << QStringLiteral("row %1 is %2 px high for %3 px text")
                          .arg(row)
                          .arg(rect.height())
                          .arg(metrics.height());
    }
    // The newest row has to be in sight; rows above it may have scrolled away.
    const QRect last = list.visualItemRect(list.item(list.count() - 1));
    if (last.bottom() >= list.viewport()->height())
        faults << QStringLiteral("last row ends at %1 px in a view %2 px high")
                      .arg(last.bottom() + 1)
                      .arg(list.viewport()->height());
}

QList<Piece> printedPieces(const FormBase &form, QStringList &faults)
{
    QList<Piece> pieces;
    for (const PrintedText &item : form.printedTexts()) {
        QFont font = item.font;
        font.setBold(item.bold);
        const QFontMetrics metrics(font);
        // The ink of the text: lines printed closer than the font's height
        // stand clear of each other as long as their letters do.
        const QRect ink = metrics.tightBoundingRect(item.text).translated(
            TwipsToPixels(item.x), TwipsToPixels(item.y) + metrics.ascent());
        if (ink.isEmpty())
            continue;
        if (!form.rect().contains(ink))
            faults << QStringLiteral("printed \"%1\" leaves the window").arg(item.text.trimmed());
        pieces.append({QStringLiteral("printed \"%1\"").arg(item.text.trimmed().left(40)), ink});
    }
    return pieces;
}

} // namespace

QStringList FocusFaults(const QWidget &window)
{
    QStringList faults;
    bool pickable = false;
    for (const QWidget *control : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        pickable |=
            (qobject_cast<const QAbstractButton *>(control) || qobject_cast<const QListWidget *>(control)) &&
            control->isVisibleTo(&window) && control->isEnabled();
    const QWidget *focus = window.focusWidget();
    if (pickable && (!focus || !focus->isVisibleTo(&window) || !focus->isEnabled()))
        faults << QStringLiteral("%1 keyboard: the focus is on %2, which the student cannot see")
                      .arg(window.objectName(), focus ? focus->objectName() : QStringLiteral("nothing"));
    return faults;
}

namespace {

bool designedOverlap(const Piece &a, const Piece &b)
{
    const auto kind = [](const Piece &p) {
        return p.name.startsWith(QStringLiteral("printed")) ? QStringLiteral("printed") : p.name;
    };
    return DesignedOverlaps.contains({kind(a), kind(b)}) || DesignedOverlaps.contains({kind(b), kind(a)});
}

} // namespace

QStringList LayoutFaults(const QWidget &window)
{
    QStringList faults;
    const QString name = window.objectName().isEmpty() ? window.windowTitle() : window.objectName();
    const auto fault = [&](const QString &where, const QString &what) {
        faults << QStringLiteral("%1 %2: %3").arg(name, where, what);
    };
    const QRect frame = window.isVisible() ? window.frameGeometry() : window.geometry();
    if (!LaptopScreen.contains(frame))
        fault(QStringLiteral("window"), QStringLiteral("frame %1,%2 %3 is not wholly on the screen")
                                            .arg(frame.x())
                                            .arg(frame.y())
                                            .arg(size(frame.size())));
    // The window manager cuts a title wider than its bar.
    if (frame.width() < std::min(LaptopScreen.width(), TitleBarWidth(window.windowTitle(), window.font())))
        fault(QStringLiteral("title"), QStringLiteral("\"%1\" is cut").arg(window.windowTitle()));

    QList<Piece> pieces;
    for (QWidget *control : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control->isWindow() || !control->isVisibleTo(&window))
            continue;
        QStringList own;
        if (!window.rect().contains(control->geometry()))
            own << QStringLiteral("lies outside the window");
        if (auto *label = qobject_cast<QLabel *>(control))
            checkLabel(*label, own);
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            checkButton(*button, own);
        else if (auto *list = qobject_cast<QListWidget *>(control))
            checkList(*list, own);
        for (const QString &what : own)
            fault(control->objectName(), what);
        pieces.append({control->objectName(), control->geometry()});
    }
    if (const auto *form = qobject_cast<const FormBase *>(&window)) {
        QStringList own;
        pieces += printedPieces(*form, own);
        for (const QString &what : own)
            fault(QStringLiteral("surface"), what);
    }
    for (qsizetype i = 0; i < pieces.size(); ++i)
        for (qsizetype j = i + 1; j < pieces.size(); ++j)
            if (pieces[i].rect.intersects(pieces[j].rect) && !designedOverlap(pieces[i], pieces[j]))
                fault(pieces[i].name, QStringLiteral("lies over %1").arg(pieces[j].name));
    return faults;
}

QStringList LayoutFaultsOfShownWindows()
{
    QStringList faults;
    for (const QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            faults += LayoutFaults(*window);
    return faults;
}
