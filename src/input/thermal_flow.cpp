#include "thermal_flow.h"

#include "solution_temperature_screen.h"
#include "thermal_table_screen.h"

#include "app/flow.h"
#include "app/window_registry.h"
#include "engine/thermal_tables.h"

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
    UnregisterForm(screen);
    RegisterForm(screen);
    CloseOtherForms();
    return screen;
}

void LeaveTo(ThermalTableScreen &screen, void (*next)())
{
    screen.hide();
    next();
}

ThermalTableScreen *LoadMixingHeatScreen()
{
    TableScreenRoad road;
    road.errorDialogOnAccept = road.errorDialogOnEndOfCorrections = QStringLiteral("Form10");
    road.removalDialog = QStringLiteral("Form11");
    road.accepted = [](ThermalTableScreen &screen, int, bool) {
        LeaveTo(screen, AskVaporHeatCapacityQuestion);
    };
    return new ThermalTableScreen(QStringLiteral("Form9"), MixingHeatDataSet(), road);
}

ThermalTableScreen *LoadVaporHeatCapacityScreen()
{
    TableScreenRoad road;
    road.errorDialogOnAccept = road.errorDialogOnEndOfCorrections = QStringLiteral("Form14");
    road.removalDialog = QStringLiteral("Form13");
    road.accepted = [](ThermalTableScreen &screen, int component, bool) {
        if (component == 1)
            screen.enterData(2);
        else
            StartVaporizationHeatEntry(1);
    };
    return new ThermalTableScreen(QStringLiteral("Form12"), VaporHeatCapacityDataSet(), road);
}

ThermalTableScreen *LoadVaporizationHeatScreen()
{
    TableScreenRoad road;
    road.errorDialogOnAccept = road.errorDialogOnEndOfCorrections = QStringLiteral("Form16");
    road.removalDialog = QStringLiteral("Form17");
    road.accepted = [](ThermalTableScreen &screen, int component, bool) {
        if (component == 1)
            StartVaporizationHeatEntry(2);
        else
            LeaveTo(screen, EnterSolutionTemperatures);
    };
    return new ThermalTableScreen(QStringLiteral("Form15"), VaporizationHeatDataSet(), road);
}

// The last table of the road starts the calculation. The temperatures are
// put in order first: one corrected on a table screen may have passed its
// neighbours, and the liquid enthalpy interpolates over them as ascending.
void FinishSolutionTables(ThermalTableScreen &screen)
{
    SortSolutionTemperatures(problem());
    screen.unload();
    CloseOtherForms();
    RunCalculation();
}

ThermalTableScreen *LoadSolutionHeatCapacityScreen()
{
    TableScreenRoad road;
    road.errorDialogOnAccept = road.errorDialogOnEndOfCorrections = QStringLiteral("Form21");
    road.removalDialog = QStringLiteral("Form22");
    road.accepted = [](ThermalTableScreen &screen, int temperature, bool) {
        if (temperature < problem().SolutionHeatCapacity.NT) {
            problem().CurrentComponent = temperature + 1;
            StartSolutionHeatCapacityEntry();
        } else {
            FinishSolutionTables(screen);
        }
    };
    return new ThermalTableScreen(QStringLiteral("Form20"), SolutionHeatCapacityDataSet(), road);
}

} // namespace

void AskMixingHeatQuestion()
{
    ThermalTableScreen *screen = ReuseOrLoad(QStringLiteral("Form9"), LoadMixingHeatScreen);
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
        LeaveTo(s, AskVaporHeatCapacityQuestion);
    };
    screen->askQuestion(question);
    screen->show();
}

void AskVaporHeatCapacityQuestion()
{
    ThermalTableScreen *screen = ReuseOrLoad(QStringLiteral("Form12"), LoadVaporHeatCapacityScreen);
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
        s.unload();
        StartVaporizationHeatEntry(1);
    };
    screen->askQuestion(question);
    screen->show();
}

void StartVaporizationHeatEntry(int component)
{
    ThermalTableScreen *screen = ReuseOrLoad(QStringLiteral("Form15"), LoadVaporizationHeatScreen);
    screen->enterData(component);
}

void StartSolutionHeatCapacityEntry()
{
    if (auto *temperatures = FindForm(QStringLiteral("Form18")))
        temperatures->unload();
    ThermalTableScreen *screen = ReuseOrLoad(QStringLiteral("Form20"), LoadSolutionHeatCapacityScreen);
    screen->enterData(problem().CurrentComponent);
}

void EnterSolutionTemperatures()
{
    auto *screen = new SolutionTemperatureScreen;
    screen->moveTwips(0, 0);
    CloseOtherForms();
    screen->enterTemperatures();
}
