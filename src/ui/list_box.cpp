#include "list_box.h"
#include "form_base.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

ListBox::ListBox(QWidget *parent)
    : QListWidget(parent)
{
    setFont(FixedPitchFont());
    setUniformItemSizes(true);
    QPalette legible = palette();
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::Base})
        legible.setColor(QPalette::Disabled, role, legible.color(QPalette::Active, role));
    setPalette(legible);
}

void ListBox::setRows(const QStringList &rows)
{
    const int current = currentRow();
    clear();
    addItems(rows);
    if (current >= 0 && count() > 0)
        setCurrentRow(std::min(current, count() - 1), QItemSelectionModel::NoUpdate);
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && currentItem() && !event->isAutoRepeat()) {
        emit itemClicked(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    clickStart.notePress(*event);
    QListWidget::mousePressEvent(event);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Qt would take it for a press of the row under the pointer, and the
    // release for a click on it.
    if (!clickStart.beganHere(*event)) {
        ignoresRelease = true;
        event->accept();
        return;
    }
    QListWidget::mouseDoubleClickEvent(event);
}

void ListBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (std::exchange(ignoresRelease, false)) {
        event->accept();
        return;
    }
    QListWidget::mouseReleaseEvent(event);
}
