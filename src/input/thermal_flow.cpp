#include "thermal_flow.h"
#include "input_screens.h"
#include "solution_temperature_screen.h"
#include "thermal_table_screen.h"

#include "engine/thermal_tables.h"
#include "ui/form_base.h"
#include "ui/problem_keeping.h"
#include "ui/roads.h"

#include <algorithm>

namespace {

// A screen of the road: the one already loaded under this name is reused,
// otherwise a new one is loaded; the windows before it are closed.
template <typename Make> ThermalTableScreen *ReuseOrLoad(const QString &name, Make make)
{
    auto *screen = FindForm<ThermalTableScreen>(name);
    if (!screen) {
        screen = make();
        screen->moveTwips(0, 0);
    }
    // The newest window survives CloseOtherForms, so the reused one is
    // brought to the end of the load order first.
    MarkNewestLoaded(screen);
    CloseOtherForms();
    return screen;
}

ThermalTableScreen *LoadMixingHeatScreen()
{
    TableScreenRoad road;
    road.errorDialogOnAccept = road.errorDialogOnEndOfCorrections = QStringLiteral("Form10");
    road.removalDialog = QStringLiteral("Form11");
    road.accepted = [](ThermalTableScreen &screen, int, bool) {
        screen.hide();
        roads().continueFirstRoad({RoadSet::MixingHeat});
    };
    return new ThermalTableScreen(QStringLiteral("Form9"), MixingHeatDataSet(), road);
}

ThermalTableScreen *LoadVaporHeatCapacityScreen()
{
    TableScreenRoad road;
    road.errorDialogOnAccept = road.errorDialogOnEndOfCorrections = QStringLiteral("Form14");
    road.removalDialog = QStringLiteral("Form13");
    road.accepted = [](ThermalTableScreen &, int component, bool) {
        roads().continueFirstRoad({RoadSet::VaporHeatCapacity, component});
    };
    return new ThermalTableScreen(QStringLiteral("Form12"), VaporHeatCapacityDataSet(), road);
}

ThermalTableScreen *LoadVaporizationHeatScreen()
{
    TableScreenRoad road;
    road.errorDialogOnAccept = road.errorDialogOnEndOfCorrections = QStringLiteral("Form16");
    road.removalDialog = QStringLiteral("Form17");
    road.accepted = [](ThermalTableScreen &screen, int component, bool) {
        if (component == MaxComponents)
            screen.hide();
        roads().continueFirstRoad({RoadSet::VaporizationHeat, component});
    };
    return new ThermalTableScreen(QStringLiteral("Form15"), VaporizationHeatDataSet(), road);
}

ThermalTableScreen *LoadSolutionHeatCapacityScreen()
{
    TableScreenRoad road;
    road.errorDialogOnAccept = road.errorDialogOnEndOfCorrections = QStringLiteral("Form21");
    road.removalDialog = QStringLiteral("Form22");
    // The last table of the road starts the calculation.
    road.accepted = [](ThermalTableScreen &, int temperature, bool) {
        roads().continueFirstRoad({RoadSet::SolutionHeatCapacity, temperature});
    };
    return new ThermalTableScreen(SolutionTableName, SolutionHeatCapacityDataSet(), road);
}

// The screen of a thermal data set, loaded or brought to the front.
ThermalTableScreen *ScreenOf(RoadSet set)
{
    switch (set) {
    case RoadSet::MixingHeat:
        return ReuseOrLoad(QStringLiteral("Form9"), LoadMixingHeatScreen);
    case RoadSet::VaporHeatCapacity:
        return ReuseOrLoad(QStringLiteral("Form12"), LoadVaporHeatCapacityScreen);
    case RoadSet::VaporizationHeat:
        return ReuseOrLoad(QStringLiteral("Form15"), LoadVaporizationHeatScreen);
    default:
        if (auto *temperatures = FindForm(SolutionTemperaturesName))
            temperatures->unload();
        return ReuseOrLoad(SolutionTableName, LoadSolutionHeatCapacityScreen);
    }
}

} // namespace

void AskMixingHeatQuestion()
{
    ThermalTableScreen *screen = ScreenOf(RoadSet::MixingHeat);
    DataQuestion question;
    question.caption = QStringLiteral("Данные по теплотам смешения компонентов разделяемой смеси");
    question.question = QStringLiteral("Имеются ли у Вас данные по теплотам смешения\n"
                                       "компонентов разделяемой смеси?\n"
                                       "(Их можно найти в справочниках по теплофизическим\n"
                                       "свойствам растворов неэлектролитов)");
    question.questionTop = 2000;
    question.present = [](ThermalTableScreen &s) {
        problem().MixingHeat.Present = true;
        s.enterData(1);
    };
    question.absent = [](ThermalTableScreen &s) {
        problem().MixingHeat.Present = false;
        keeping().dataSetTyped({RoadSet::MixingHeat});
        s.hide();
        roads().continueFirstRoad({RoadSet::MixingHeat});
    };
    screen->askQuestion(question);
    screen->show();
}

void AskVaporHeatCapacityQuestion()
{
    ThermalTableScreen *screen = ScreenOf(RoadSet::VaporHeatCapacity);
    DataQuestion question;
    question.caption = QStringLiteral("Данные по теплоемкости компонентов в газообразном состоянии");
    question.question = QStringLiteral("Имеются ли у Вас данные по теплоемкости\n"
                                       "компонентов в газообразном состоянии? \n"
                                       "(Зависимость теплоемкости от температуры\n"
                                       "для более и менее летучего компонента)");
    question.questionTop = 200;
    question.present = [](ThermalTableScreen &s) {
        problem().VaporHeatCapacity.Present = true;
        s.enterData(1);
    };
    question.absent = [](ThermalTableScreen &s) {
        problem().VaporHeatCapacity.Present = false;
        keeping().dataSetTyped({RoadSet::VaporHeatCapacity, MaxComponents});
        s.unload();
        roads().continueFirstRoad({RoadSet::VaporHeatCapacity, MaxComponents});
    };
    screen->askQuestion(question);
    screen->show();
}

void StartVaporizationHeatEntry(int component)
{
    ScreenOf(RoadSet::VaporizationHeat)->enterData(component);
}

void StartSolutionHeatCapacityEntry()
{
    ScreenOf(RoadSet::SolutionHeatCapacity)->enterData(problem().CurrentComponent);
}

void EnterSolutionTemperatures()
{
    auto *screen = new SolutionTemperatureScreen;
    screen->moveTwips(0, 0);
    CloseOtherForms();
    screen->enterTemperatures();
}

void EnterThermalStep(RoadStep step)
{
    switch (step.set) {
    case RoadSet::MixingHeat:
        AskMixingHeatQuestion();
        return;
    case RoadSet::VaporHeatCapacity:
        if (step.sub == 1 || !problem().VaporHeatCapacity.Present)
            AskVaporHeatCapacityQuestion();
        else
            ScreenOf(step.set)->enterData(step.sub);
        return;
    case RoadSet::VaporizationHeat:
        StartVaporizationHeatEntry(step.sub);
        return;
    case RoadSet::SolutionTemperatures:
        EnterSolutionTemperatures();
        return;
    default:
        problem().CurrentComponent = step.sub;
        StartSolutionHeatCapacityEntry();
        return;
    }
}

void ShowTypedThermalTable(RoadStep step)
{
    ScreenOf(step.set)->showTypedTable(std::max(step.sub, 1));
}
