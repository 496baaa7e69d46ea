#pragma once

// Small helpers that drive the thermal table screens the way a student does:
// clicking buttons and list rows, and reading what the screen shows.

#include "support/scripted_platform.h"
#include "ui/form_base.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

inline QPushButton *Button(FormBase *form, const QString &name)
{
    return form ? form->findChild<QPushButton *>(name) : nullptr;
}

inline QListWidget *List(FormBase *form, const QString &name)
{
    return form ? form->findChild<QListWidget *>(name) : nullptr;
}

inline QLabel *Label(FormBase *form, const QString &name)
{
    return form ? form->findChild<QLabel *>(name) : nullptr;
}

// Clicks a visible button of the window with this design name.
inline bool Click(const QString &formName, const QString &buttonName)
{
    QPushButton *button = Button(FindForm(formName), buttonName);
    if (!button || !button->isVisible())
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

// Clicks row `row` of a visible list of the window with this design name.
inline bool ClickRow(const QString &formName, const QString &listName, int row)
{
    QListWidget *list = List(FindForm(formName), listName);
    if (!list || !list->isVisible() || !list->isEnabled() || row >= list->count())
        return false;
    list->doItemsLayout();
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    return true;
}

inline QStringList Rows(const QString &formName, const QString &listName = QStringLiteral("List1"))
{
    QStringList rows;
    if (QListWidget *list = List(FindForm(formName), listName))
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
    return rows;
}

// Where a window asked to stand at twips ends up: on the nearest pixel.
inline int Placed(int twips)
{
    return PixelsToTwips(TwipsToPixels(twips));
}

inline int HeightTwips(const QWidget *w)
{
    return PixelsToTwips(w->height());
}

inline QColor BackColour(const QString &formName, const QString &buttonName)
{
    return FormBase::backColor(Button(FindForm(formName), buttonName));
}

inline const QColor Red = VbColor(VbRed);
inline const QColor Green = VbColor(VbGreen);

// Answers for n points, argument and value of each in turn.
inline QStringList PointAnswers(const QStringList &arguments, const QStringList &values)
{
    QStringList answers;
    for (int i = 0; i < arguments.size(); ++i)
        answers << arguments[i] << values[i];
    return answers;
}
