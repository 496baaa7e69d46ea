#include "thermal_change_roads.h"
#include "input_screens.h"
#include "thermal_table_screen.h"

#include "model/problem_data.h"
#include "ui/form_base.h"
#include "ui/roads.h"

#include <QLabel>

// The change roads of the heats of mixing (Form32), the vapour heat
// capacities (Form36) and the heats of vaporization (Form39). Each screen is
// the table screen of the first-entry road with a few other texts and
// another road: its own dialogs, and every accepted table leads back to the
// change-data menu. The list the menu opens speaks in its own words (upper
// case action rows, another temperature row); from the first change on, the
// list is rebuilt in the words of the first-entry road.

namespace {

using ListOrigin = ThermalTableScreen::ListOrigin;

// The hint lies further below the list the menu opens than below the others.
constexpr int OpeningHintGap = 1000;

const char *const MixingHeatHeading =
    "ЗАВИСИМОСТЬ ТЕПЛОТ СМЕШЕНИЯ ОТ КОНЦЕНТРАЦИИ\nБОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА";
const char *const VaporHeatCapacityHeading =
    "ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ ОТ ТЕМПЕРАТУРЫ\n ДЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА";
const char *const VaporHeatCapacityCaption =
    "ИЗМЕНЕНИЕ ИНФОРМАЦИИ (зависимость теплоемкости от температуры для более летуч. компонента)";
// The two captions differ in more than the component's word.
const char *const VaporizationHeatCaptions[] = {
    "",
    "Коррекция зависимости теплот испарения от т-ры для более летучего компонента",
    "Коррекция зависимости теплоты испарения от т-ры для менее летучего компонента",
};

ThermalDataSet MakeMixingHeatChange()
{
    ThermalDataSet set = MixingHeatDataSet();
    set.entryCaption = QStringLiteral("Ввод зависимости теплот смешения от концентрации");
    // The heading stays while a point is chosen for removal.
    set.removalLabel = QString::fromUtf8(MixingHeatHeading);
    return set;
}

ThermalDataSet MakeMixingHeatOpeningList()
{
    ThermalDataSet set = MixingHeatChangeDataSet();
    set.argumentUnit = QStringLiteral("] /мольн.д/ =");
    set.temperatureRowOnChange = QStringLiteral("  ТЕМПЕРАТУРА %T ГРАД.ЦЕЛЬСИЯ");
    set.addRow = QStringLiteral("  УВЕЛИЧЕНИЕ ПАР ТОЧЕК ЗАВИСИМОСТИ DH = f(X)");
    set.removeRow = QStringLiteral("  УМЕНЬШЕНИЕ ПАР ТОЧЕК ЗАВИСИМОСТИ DH = f(X)");
    return set;
}

ThermalDataSet MakeVaporHeatCapacityChange()
{
    ThermalDataSet set = VaporHeatCapacityDataSet();
    set.entryPrompts.argument.title = QStringLiteral("ВВОД ТЕМПЕРАТУРЫ  ");
    return set;
}

ThermalDataSet MakeVaporHeatCapacityOpeningList()
{
    ThermalDataSet set = VaporHeatCapacityChangeDataSet();
    set.addRow = QStringLiteral("  УВЕЛИЧЕНИЕ ПАР ТОЧЕК ЗАВИСИМОСТИ C = f(T)");
    set.removeRow = QStringLiteral("  УМЕНЬШЕНИЕ ПАР ТОЧЕК ЗАВИСИМОСТИ C = f(T)");
    return set;
}

ThermalDataSet MakeVaporizationHeatChange()
{
    ThermalDataSet set = VaporizationHeatDataSet();
    set.refreshCaption = QStringLiteral(
        "Коррекция зависимости теплоты испарения от температуры для более летучего компонента");
    set.refreshLabel =
        QStringLiteral("Зависимость теплоты испарения от температуры для более летучего компонента");
    return set;
}

ThermalDataSet MakeVaporizationHeatOpeningList()
{
    ThermalDataSet set = VaporizationHeatChangeDataSet();
    set.addRow = QStringLiteral("  УВЕЛИЧЕНИЕ ПАР ТОЧЕК ЗАВИСИМОСТИ R = f(T)");
    set.removeRow = QStringLiteral("  УМЕНЬШЕНИЕ ПАР ТОЧЕК ЗАВИСИМОСТИ R = f(T)");
    return set;
}

void BackToChangeDataMenu(ThermalTableScreen &screen)
{
    screen.unload();
    CloseOtherForms();
    roads().showChangeDataMenu();
}

TableScreenRoad ChangeRoad(const QString &errorOnAccept, const QString &errorOnEndOfCorrections,
                           const QString &removal)
{
    TableScreenRoad road;
    road.errorDialogOnAccept = errorOnAccept;
    road.errorDialogOnEndOfCorrections = errorOnEndOfCorrections;
    road.removalDialog = removal;
    road.correctionHintGap = OpeningHintGap;
    road.accepted = [](ThermalTableScreen &screen, int, bool) { BackToChangeDataMenu(screen); };
    return road;
}

// Component 2 follows component 1 after the accept button, as on the
// first-entry road. A component 1 finished through "КОНЕЦ ИСПРАВЛЕНИЙ" goes
// back to the menu, unless component 2 has no table yet: the calculation
// would otherwise interpolate in an empty one.
void VaporHeatCapacityAccepted(ThermalTableScreen &screen, int component, bool byEndOfCorrections)
{
    const bool secondMissing = problem().VaporHeatCapacity.N[2] < 1;
    if (component == 1 && (!byEndOfCorrections || secondMissing)) {
        screen.enterData(2);
        return;
    }
    BackToChangeDataMenu(screen);
}

ThermalTableScreen *LoadChangeScreen(const QString &name, const ThermalDataSet &set, TableScreenRoad road)
{
    auto *screen = new ThermalTableScreen(name, set, std::move(road));
    screen->moveTwips(0, 0);
    // Headings of a whole line wrap rather than run off the window.
    screen->findChild<QLabel *>(QStringLiteral("Label1"))->setWordWrap(true);
    CloseOtherForms();
    return screen;
}

// The list the menu opens, with its heading label and the window's caption.
void OpenCorrectionList(ThermalTableScreen &screen, int sub, const ThermalDataSet &openingList,
                        const QString &caption, const QString &heading)
{
    screen.showCorrectionList(sub, ListOrigin::ChangeMenu, &openingList);
    screen.setWindowTitle(screen.dataSet().filledText(problem(), sub, caption));
    auto *label = screen.findChild<QLabel *>(QStringLiteral("Label1"));
    label->setText(screen.dataSet().filledText(problem(), sub, heading));
    label->show();
}

} // namespace

const ThermalDataSet &MixingHeatChangeDataSet()
{
    static const ThermalDataSet set = MakeMixingHeatChange();
    return set;
}

const ThermalDataSet &VaporHeatCapacityChangeDataSet()
{
    static const ThermalDataSet set = MakeVaporHeatCapacityChange();
    return set;
}

const ThermalDataSet &VaporizationHeatChangeDataSet()
{
    static const ThermalDataSet set = MakeVaporizationHeatChange();
    return set;
}

void OpenMixingHeatChange()
{
    static const ThermalDataSet openingList = MakeMixingHeatOpeningList();
    ThermalTableScreen *screen = LoadChangeScreen(
        QStringLiteral("Form32"), MixingHeatChangeDataSet(),
        ChangeRoad(QStringLiteral("Form33"), QStringLiteral("Form35"), QStringLiteral("Form34")));
    MixingHeatTable &table = problem().MixingHeat;
    if (!table.Present) {
        // Declined on the first-entry road: the table is entered anew.
        table.Present = true;
        screen->enterData(1);
        return;
    }
    OpenCorrectionList(*screen, 1, openingList,
                       QStringLiteral("Коррекция зависимости теплот смешения от концентрации"),
                       QString::fromUtf8(MixingHeatHeading));
}

void OpenVaporHeatCapacityChange(int component)
{
    static const ThermalDataSet openingList = MakeVaporHeatCapacityOpeningList();
    TableScreenRoad road =
        ChangeRoad(QStringLiteral("Form38"), QStringLiteral("Form38"), QStringLiteral("Form37"));
    road.accepted = VaporHeatCapacityAccepted;
    ThermalTableScreen *screen =
        LoadChangeScreen(QStringLiteral("Form36"), VaporHeatCapacityChangeDataSet(), road);
    VaporHeatCapacityTable &table = problem().VaporHeatCapacity;
    if (!table.Present) {
        // Declined on the first-entry road: both components are entered
        // anew, whichever button was pressed.
        table.Present = true;
        screen->enterData(1);
        return;
    }
    OpenCorrectionList(*screen, component, openingList, QString::fromUtf8(VaporHeatCapacityCaption),
                       QString::fromUtf8(VaporHeatCapacityHeading));
}

void OpenVaporizationHeatChange(int component)
{
    static const ThermalDataSet openingList = MakeVaporizationHeatOpeningList();
    const ThermalDataSet &set = VaporizationHeatChangeDataSet();
    ThermalTableScreen *screen = LoadChangeScreen(
        QStringLiteral("Form39"), set,
        ChangeRoad(QStringLiteral("Form40"), QStringLiteral("Form40"), QStringLiteral("Form41")));
    OpenCorrectionList(*screen, component, openingList,
                       QString::fromUtf8(VaporizationHeatCaptions[component]), set.tableLabel);
}
