#include "solution_change_tables.h"

#include "ui/form_base.h"
#include "ui/platform.h"
#include "ui/roads.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int TemperatureButtonWidth = 5000, TemperatureButtonHeight = 450;
constexpr int FirstTemperatureButtonTop = 1300, TemperatureButtonStep = 650;

const char *const CorrectedTableHeading =
    "ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ РАСТВОРА ОТ КОНЦЕНТРАЦИИ ПРИ ТЕМПЕРАТУРЕ %T Град.Цельсия";

ThermalDataSet MakeNewSolutionTable()
{
    ThermalDataSet set = SolutionHeatCapacityDataSet();
    // The temperature was asked on Form42 just before; the list offers the
    // points only.
    set.hasTemperatureRow = false;
    set.entryCaption = QStringLiteral(" ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ РАСТВОРА ОТ КОНЦЕНТРАЦИИ");
    return set;
}

ThermalDataSet MakeCorrectedSolutionTable()
{
    ThermalDataSet set = SolutionHeatCapacityDataSet();
    set.removalQuestion = QStringLiteral("-ую точку зависимости C=f(X) ?");
    // The heading names the temperature throughout, while a point is chosen
    // for removal too, and follows a corrected temperature.
    set.removalLabel = set.afterRemovalLabel = set.refreshLabel = QString::fromUtf8(CorrectedTableHeading);
    // The window keeps its caption.
    set.tableCaption.clear();
    return set;
}

// Every accepted change ends on the change-data menu, which also puts the
// temperatures back in order.
void BackToChangeDataMenu(ThermalTableScreen &screen)
{
    screen.unload();
    CloseOtherForms();
    roads().showChangeDataMenu();
}

TableScreenRoad ChangeRoad(const QString &errorOnAccept, const QString &errorOnEndOfCorrections)
{
    TableScreenRoad road;
    road.errorDialogOnAccept = errorOnAccept;
    road.errorDialogOnEndOfCorrections = errorOnEndOfCorrections;
    road.removalDialog = QStringLiteral("Form48");
    road.accepted = [](ThermalTableScreen &screen, int, bool) { BackToChangeDataMenu(screen); };
    return road;
}

} // namespace

const ThermalDataSet &NewSolutionTableDataSet()
{
    static const ThermalDataSet set = MakeNewSolutionTable();
    return set;
}

const ThermalDataSet &CorrectedSolutionTableDataSet()
{
    static const ThermalDataSet set = MakeCorrectedSolutionTable();
    return set;
}

void EnterNewSolutionTable(int j)
{
    TableScreenRoad road = ChangeRoad(QStringLiteral("Form45"), QStringLiteral("Form46"));
    // Declining the correction of a finished table keeps it as it is and
    // goes back to the menu instead of ending the program.
    road.declinedAfterEndOfCorrections = BackToChangeDataMenu;
    auto *screen = new ThermalTableScreen(QStringLiteral("Form44"), NewSolutionTableDataSet(), road);
    screen->moveTwips(0, 0);
    CloseOtherForms();
    screen->enterData(j);
}

void ChooseSolutionTableToCorrect()
{
    auto *screen = new SolutionTableChoiceScreen;
    screen->moveTwips(0, 0);
    CloseOtherForms();
    screen->showTemperatureButtons();
}

SolutionTableChoiceScreen::SolutionTableChoiceScreen()
    : ThermalTableScreen(QStringLiteral("Form47"), CorrectedSolutionTableDataSet(),
                         ChangeRoad(QStringLiteral("Form49"), QStringLiteral("Form49")))
    , heading(findChild<QLabel *>(QStringLiteral("Label1")))
{
    heading->setWordWrap(true);
    const int left = FormWidth / 2 - TemperatureButtonWidth / 2;
    for (int index = 0; index < TemperatureButtons; ++index) {
        // The design's control array Command1(0..4).
        QPushButton *button = addButton(QStringLiteral("Command1(%1)").arg(index), QString());
        placeTwips(button, left, FirstTemperatureButtonTop + index * TemperatureButtonStep,
                   TemperatureButtonWidth, TemperatureButtonHeight);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
        temperatureButton[index] = button;
    }
}

void SolutionTableChoiceScreen::showTemperatureButtons()
{
    clearScreen();
    setWindowTitle(
        QStringLiteral("Зависимость теплоемкости раствора от концентрации более летучего компонента"));
    heading->setText(QStringLiteral("ВЫБЕРИТЕ ТЕМПЕРАТУРУ, ДЛЯ КОТОРОЙ ВЫ БУДЕТЕ ВНОСИТЬ ИСПРАВЛЕНИЯ"));
    heading->show();
    const SolutionHeatCapacitySet &s = problem().SolutionHeatCapacity;
    for (int index = 0; index < TemperatureButtons; ++index) {
        const int j = index + 1;
        const bool present = j <= s.NT;
        if (present)
            temperatureButton[index]->setText(QStringLiteral("T(") + QString::number(j) +
                                              QStringLiteral(") = ") + s.TText[j] +
                                              QStringLiteral(" Град. Цельсия"));
        temperatureButton[index]->setVisible(present);
    }
    show();
}

void SolutionTableChoiceScreen::Command1_Click(int index)
{
    RunHandler([this, index] {
        const int j = index + 1;
        if (j < 1 || j > problem().SolutionHeatCapacity.NT)
            return;
        for (QPushButton *button : temperatureButton)
            button->hide();
        clearDrawing();
        showCorrectionList(j, ListOrigin::ChangeButton);
        heading->setText(dataSet().filledText(problem(), j, QString::fromUtf8(CorrectedTableHeading)));
        heading->show();
    });
}
