#include "correction_list.h"

#include "ui/form_base.h"
#include "ui/list_box.h"

#include <QLabel>
#include <QListWidget>

namespace {

constexpr int RowTwips = 195;

// Sets a list's height to the given number of rows, keeping its place.
void sizeListToRows(QListWidget *list, int rows)
{
    FormBase::placeTwips(list, PixelsToTwips(list->x()), PixelsToTwips(list->y()),
                         PixelsToTwips(list->width()), rows * RowTwips);
}

int bottomOf(const QWidget *widget)
{
    return PixelsToTwips(widget->y() + widget->height());
}

void layHintBelow(QLabel *hint, const QListWidget *list, int gap)
{
    FormBase::moveControlTwips(hint, PixelsToTwips(hint->x()), bottomOf(list) + gap);
}

void replaceRows(QListWidget *list, const QStringList &rows)
{
    if (auto *box = qobject_cast<ListBox *>(list)) {
        box->setRows(rows);
        return;
    }
    list->clear();
    list->addItems(rows);
}

} // namespace

CorrectionList::CorrectionList(QListWidget *list, QLabel *hint)
    : list(list)
    , hint(hint)
{
}

int CorrectionList::actionRowCount(int count, int smallest, int largest)
{
    return (count < largest ? 1 : 0) + (count > smallest ? 1 : 0);
}

QStringList CorrectionList::rowTexts(const Rows &rows)
{
    const int count = int(rows.points.size());
    QStringList texts = rows.heading + rows.points;
    // At the largest size the remove row takes the place of the add row.
    if (count < rows.largestCount)
        texts << rows.addCaption;
    if (count > rows.smallestCount)
        texts << rows.removeCaption;
    return texts;
}

void CorrectionList::fill(const Rows &rows, int hintGap)
{
    const int count = int(rows.points.size());
    headingRows = int(rows.heading.size());
    pointRows = count;
    offersAdd = count < rows.largestCount;
    offersRemove = count > rows.smallestCount;
    lines = rowTexts(rows);
    replaceRows(list, lines);
    list->setEnabled(true);
    sizeListToRows(list, int(lines.size()) + 1);
    layHintBelow(hint, list, hintGap);
}

CorrectionList::Hit CorrectionList::hit(int row) const
{
    if (row < 0 || row >= rowCount())
        return {};
    if (row < headingRows)
        return {Action::Heading, row};
    const int point = row - headingRows + 1;
    if (point <= pointRows)
        return {Action::Point, point};
    const int actionRow = point - pointRows; // 1 or 2
    if (actionRow == 1 && offersAdd)
        return {Action::Add, pointRows + 1};
    if (offersRemove)
        return {Action::Remove, 0};
    return {};
}

int CorrectionList::bottomTwips() const
{
    return bottomOf(list);
}

RemovalList::RemovalList(QListWidget *list, QLabel *hint)
    : list(list)
    , hint(hint)
{
}

void RemovalList::fill(const QStringList &points, int hintGap)
{
    replaceRows(list, points);
    list->setEnabled(true);
    sizeListToRows(list, int(points.size()) + 1);
    layHintBelow(hint, list, hintGap);
}

int RemovalList::bottomTwips() const
{
    return bottomOf(list);
}
