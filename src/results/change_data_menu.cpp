#include "change_data_menu.h"
#include "results_screens.h"

#include "engine/data_set_checks.h"
#include "engine/thermal_tables.h"
#include "equilibrium/equilibrium_screens.h"
#include "input/feed_condition_menu.h"
#include "input/input_screens.h"
#include "model/problem_data.h"
#include "ui/form_base.h"
#include "ui/platform.h"

#include <QLabel>
#include <QPushButton>

namespace {

const char *const Captions[] = {
    "",
    "РАВНОВЕСНЫЕ ДАННЫЕ",
    "В КАКОМ ВИДЕ ПОСТУПАЕТ ИСХОДНАЯ СМЕСЬ В КОЛОННУ?",
    "   ЗАВИСИМОСТЬ ТЕПЛОТ СМЕШЕНИЯ ОТ КОНЦЕНТРАЦИИ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА",
    "     ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ ОТ ТЕМПЕРАТУРЫ        ДЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА В ГАЗООБРАЗНОМ "
    "СОСТОЯНИИ",
    "    ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ ОТ ТЕМПЕРАТУРЫ        ДЛЯ МЕНЕЕ ЛЕТУЧЕГО КОМПОНЕНТА В ГАЗООБРАЗНОМ "
    "СОСТОЯНИИ",
    "   ЗАВИСИМОСТЬ ТЕПЛОТ ИСПАРЕНИЯ ОТ ТЕМПЕРАТУРЫ           ДЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА",
    "   ЗАВИСИМОСТЬ ТЕПЛОТ ИСПАРЕНИЯ ОТ ТЕМПЕРАТУРЫ             ДЛЯ МЕНЕЕ ЛЕТУЧЕГО КОМПОНЕНТА",
    "     ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ РАСТВОРА ОТ   КОНЦЕНТРАЦИИ  БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА",
    "РАСЧЕТ С ИЗМЕНЕННЫМИ ДАННЫМИ",
    "ОКОНЧАНИЕ РАБОТЫ С ПРОГРАММОЙ",
};

constexpr int ButtonLeft = 4000;
constexpr int ButtonWidth = 6400;
constexpr int FirstButtonTop = 900;
constexpr int LegendTop = 500, HeadingHeight = 230;

} // namespace

ChangeDataMenu::ChangeDataMenu()
    : FormBase(QStringLiteral("Form24"))
{
    setWindowTitle(QStringLiteral("Изменение исходной информации"));
    auto *title = addLabel(QStringLiteral("Label1"), QStringLiteral("Изменение исходной информации"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    // The bold heading is taller than the 200 twips between its top of 300
    // and the legend; it starts a little higher so that it ends there.
    placeTwips(title, ButtonLeft, LegendTop - HeadingHeight, ButtonWidth, HeadingHeight);

    entered = addLabel(QStringLiteral("Label2"), QStringLiteral("Данные введены"));
    notEntered = addLabel(QStringLiteral("Label3"), QStringLiteral("Данные не введены"));
    for (QLabel *legend : {entered, notEntered}) {
        legend->setAlignment(Qt::AlignCenter);
        legend->setFrameShape(QFrame::Box);
    }
    placeTwips(entered, ButtonLeft, LegendTop, ButtonWidth / 2 - 100, 250);
    placeTwips(notEntered, ButtonLeft + ButtonWidth / 2 + 100, LegendTop, ButtonWidth / 2 - 100, 250);

    for (int i = 1; i <= 10; ++i)
        buttons[i] = addButton(QStringLiteral("Command%1").arg(i), QString::fromUtf8(Captions[i]));
    using Handler = void (ChangeDataMenu::*)();
    static constexpr Handler handlers[] = {
        nullptr,
        &ChangeDataMenu::Command1_Click,
        &ChangeDataMenu::Command2_Click,
        &ChangeDataMenu::Command3_Click,
        &ChangeDataMenu::Command4_Click,
        &ChangeDataMenu::Command5_Click,
        &ChangeDataMenu::Command6_Click,
        &ChangeDataMenu::Command7_Click,
        &ChangeDataMenu::Command8_Click,
        &ChangeDataMenu::Command9_Click,
        &ChangeDataMenu::Command10_Click,
    };
    for (int i = 1; i <= 10; ++i) {
        const Handler handler = handlers[i];
        connect(buttons[i], &QPushButton::clicked, this,
                [this, handler] { RunHandler([this, handler] { (this->*handler)(); }); });
    }
    // The whole screen, whatever frame the window manager puts round it;
    // the buttons follow its height.
    fillScreen();
    placeButtons();
}

void ChangeDataMenu::placeButtons()
{
    // Ten rows share the height left under the heading: the step between
    // rows is (height - 4000) / 20, and each button takes two steps less a gap.
    const int step = std::max(250, (heightTwips() - 4000) / 20);
    for (int i = 1; i <= 10; ++i)
        placeTwips(buttons[i], ButtonLeft, FirstButtonTop + (i - 1) * 2 * step, ButtonWidth, 2 * step - 60);
}

void ChangeDataMenu::resizeEvent(QResizeEvent *event)
{
    FormBase::resizeEvent(event);
    placeButtons();
}

void ChangeDataMenu::refresh()
{
    const ProblemData &data = problem();
    const bool mixing = data.MixingHeat.Present;
    const bool vapour = data.VaporHeatCapacity.Present;

    setBackColor(entered, enteredColour());
    setBackColor(notEntered, notEnteredColour());
    setBackColor(buttons[10], exitColour());
    const bool legendNeeded = !(mixing && vapour);
    entered->setVisible(legendNeeded);
    notEntered->setVisible(legendNeeded);

    buttons[2]->setText(QString::fromUtf8(Captions[2]));
    for (int i : {1, 2, 6, 7, 8, 9})
        setBackColor(buttons[i], enteredColour());
    setBackColor(buttons[3], mixing ? enteredColour() : notEnteredColour());
    setBackColor(buttons[4], vapour ? enteredColour() : notEnteredColour());
    setBackColor(buttons[5], vapour ? enteredColour() : notEnteredColour());
    // A set kept although it failed its check (a change road may keep one)
    // shows the failure colour until it is put right.
    for (const DataSet set : FailingDataSets(problem()))
        setBackColor(buttons[int(set)], failedColour());
    for (int i = 1; i <= 10; ++i)
        buttons[i]->setVisible(true);
    // Enter recalculates, the step every change leads to.
    giveFocus(buttons[9]);
}

void ShowChangeDataMenu()
{
    auto *menu = FindForm<ChangeDataMenu>(QStringLiteral("Form24"));
    if (!menu)
        menu = new ChangeDataMenu;
    menu->refresh();
    // The calculation interpolates over the solution temperatures in
    // ascending order, whatever order a change left them in.
    SortSolutionTemperatures(problem());
    menu->show();
    menu->raise();
}

void ChangeDataMenu::leaveMenu()
{
    unload();
    CloseOtherForms();
}

void ChangeDataMenu::Command1_Click()
{
    leaveMenu();
    OpenEquilibriumChangeEditor();
}

void ChangeDataMenu::Command2_Click()
{
    leaveMenu();
    OpenFeedChangeMenu();
}

void ChangeDataMenu::Command3_Click()
{
    leaveMenu();
    OpenMixingHeatChange();
}

void ChangeDataMenu::Command4_Click()
{
    leaveMenu();
    OpenVaporHeatCapacityChange(1);
}

void ChangeDataMenu::Command5_Click()
{
    leaveMenu();
    OpenVaporHeatCapacityChange(2);
}

void ChangeDataMenu::Command6_Click()
{
    leaveMenu();
    OpenVaporizationHeatChange(1);
}

void ChangeDataMenu::Command7_Click()
{
    leaveMenu();
    OpenVaporizationHeatChange(2);
}

void ChangeDataMenu::Command8_Click()
{
    leaveMenu();
    OpenSolutionHeatCapacityChange();
}

void ChangeDataMenu::Command9_Click()
{
    // No calculation runs with data that fail their check: the menu names
    // the first such set and stays, with the set in the failure colour.
    const QList<DataSet> failing = FailingDataSets(problem());
    if (!failing.isEmpty()) {
        refresh();
        platform().beep();
        platform().showMessage(QString::fromUtf8(Captions[9]),
                               QStringLiteral("Расчёт невозможен: не прошли проверку данные\n«") +
                                   QString::fromUtf8(Captions[int(failing.first())]).simplified() +
                                   QStringLiteral("».\nИсправьте их и начните расчёт снова."));
        return;
    }
    leaveMenu();
    RunCalculation();
}

void ChangeDataMenu::Command10_Click()
{
    leaveMenu();
    EndProgram();
}
