#include "thermal_data_set.h"

#include "engine/thermal_tables.h"
#include "model/text.h"
#include "ui/typed_point_value.h"

void PointTable::storeArgument(int point, const QString &typed) const
{
    StoreTypedPointValue(typed, argumentText[point], argument[point]);
}

void PointTable::storeValue(int point, const QString &typed) const
{
    StoreTypedPointValue(typed, valueText[point], value[point]);
}

void PointTable::store(int point, const QString &argumentTyped, const QString &valueTyped) const
{
    storeArgument(point, argumentTyped);
    storeValue(point, valueTyped);
}

void PointTable::remove(int point) const
{
    for (int i = point; i < *count; ++i) {
        argumentText[i] = argumentText[i + 1];
        argument[i] = argument[i + 1];
        valueText[i] = valueText[i + 1];
        value[i] = value[i + 1];
    }
    --*count;
}

namespace {

// The index takes a second column from 10 on, so the padding is one shorter
// there and the value column stays in place.
int PaddingWidth(int point)
{
    return point < 10 ? 20 : 19;
}

} // namespace

QString ThermalDataSet::argumentLine(ProblemData &data, int sub, int point) const
{
    const PointTable t = table(data, sub);
    return QStringLiteral("  ") + argumentLabel + u'[' + QString::number(point) + argumentUnit +
           t.argumentText[point];
}

QString ThermalDataSet::pointLine(ProblemData &data, int sub, int point) const
{
    const PointTable t = table(data, sub);
    const int width = PaddingWidth(point);
    const QString &argumentTyped = t.argumentText[point];
    const QString &valueTyped = t.valueText[point];
    return argumentLine(data, sub, point) + PadSpaces(argumentTyped, width) + valueLabel + u'[' +
           QString::number(point) + valueUnit + valueTyped + PadSpaces(valueTyped, width);
}

QStringList ThermalDataSet::pointLines(ProblemData &data, int sub) const
{
    QStringList lines;
    for (int i = 1; i <= table(data, sub).pointCount(); ++i)
        lines << pointLine(data, sub, i);
    return lines;
}

QString ThermalDataSet::filledText(const ProblemData &data, int sub, const QString &pattern) const
{
    QString result = pattern;
    if (temperatureText && result.contains(QStringLiteral("%T")))
        result.replace(QStringLiteral("%T"), temperatureText(data, sub));
    if (perComponent && sub == 2)
        result.replace(QStringLiteral("более"), QStringLiteral("менее"))
            .replace(QStringLiteral("БОЛЕЕ"), QStringLiteral("МЕНЕЕ"));
    return result;
}

QString SolutionTemperatureLine(const ProblemData &data, int j)
{
    const QString &typed = data.SolutionHeatCapacity.TText[j];
    return QStringLiteral("  T[") + QString::number(j) + QStringLiteral("] (Град.Цельсия) =") + typed +
           PadSpaces(typed, 20);
}

namespace {

const TemperatureQuestion TableTemperature{
    QStringLiteral("Ввод температуры"),
    QStringLiteral("Введите температуру, для которой у Вас есть данные(Град.Цельсия)"),
    QStringLiteral("Ошибка: Температура в Град. Цельсия !!!")};

ThermalDataSet MakeMixingHeat()
{
    ThermalDataSet set;
    set.roadSet = RoadSet::MixingHeat;
    set.table = [](ProblemData &data, int) {
        MixingHeatTable &t = data.MixingHeat;
        return PointTable{&t.N, t.XText, t.X, t.DHText, t.DH};
    };
    set.sort = [](ProblemData &data, int) { SortMixingHeatTable(data); };
    set.check = [](ProblemData &data, int) { return CheckMixingHeatTable(data); };
    set.argumentLabel = QStringLiteral("X");
    set.argumentUnit = QStringLiteral("] (мольн.д) =");
    set.valueLabel = QStringLiteral("DH");
    set.valueUnit = QStringLiteral("] (Кдж/Кмоль) =");
    set.count = {QStringLiteral("Ввод кол-ва пар точек зависимости теплот смешения от концентрации"),
                 QStringLiteral("Сколько пар точек будете вводить"),
                 2000,
                 4,
                 20,
                 QStringLiteral("Количество пар от 4-x до 20-ти !!!"),
                 true};
    set.entryPrompts = {
        {QStringLiteral("ВВОД X  "), QStringLiteral(" X [ %1 ] (мольн.д) = ")},
        {QStringLiteral("ВВОД ТЕПЛОТЫ СМЕШЕНИЯ "), QStringLiteral(" DH [ %1 ] (Кдж/Кмоль) = ")}};
    set.correctionPrompts = set.entryPrompts;
    set.additionPrompts = set.entryPrompts;
    set.hasTemperatureRow = true;
    set.asksTemperatureBeforeCount = true;
    set.temperatureRowOnChange = QStringLiteral("  Температура DH=f(X) %T Град.Цельсия");
    set.temperatureRowOnRefresh =
        QStringLiteral("  Т-ра, при которой снималась зависимость DH=f(X) %T Град.Цельсия");
    set.temperatureRowAfterError = set.temperatureRowOnRefresh;
    set.temperatureQuestion = TableTemperature;
    set.temperatureText = [](const ProblemData &data, int) { return data.Results.Text[ResT0]; };
    set.storeTemperature = [](ProblemData &data, int, const QString &text, float value) {
        data.Results.Text[ResT0] = text;
        data.Results(ResT0) = value;
    };
    set.addRow = QStringLiteral("  Увеличение числа пар точек зависимости DH=f(X)");
    set.removeRow = QStringLiteral("  Уменьшение числа пар точек зависимости DH=f(X)");
    set.removalQuestion = QStringLiteral("-ую точку зависимости DH=f(X) ?");
    set.removalHintGap = 300;
    set.removalDialogGap = 500;
    set.entryCaption = QStringLiteral("Данные по теплотам смешения компонентов разделяемой смеси");
    set.tableCaption = set.entryCaption;
    set.entryHeadings = {{300, QStringLiteral("ВВЕДИТЕ ЗАВИСИМОСТЬ ТЕПЛОТ СМЕШЕНИЯ ОТ КОНЦЕНТРАЦИИ")},
                         {500, QStringLiteral("ПРИ ТЕМПЕРАТУРЕ %T Град.Цельсмя")}};
    set.tableHeadings = {{500, QStringLiteral("ЗАВИСИМОСТЬ ТЕПЛОТ СМЕШЕНИЯ ОТ КОНЦЕНТРАЦИИ")},
                         {700, QString()},
                         {900, QStringLiteral("ПРИ ТЕМПЕРАТУРЕ %T Град.Цельсмя")}};
    set.acceptButtonBase = 2795;
    return set;
}

ThermalDataSet MakeVaporHeatCapacity()
{
    ThermalDataSet set;
    set.roadSet = RoadSet::VaporHeatCapacity;
    set.table = [](ProblemData &data, int k) {
        VaporHeatCapacityTable &t = data.VaporHeatCapacity;
        return PointTable{&t.N[k], t.TText[k], t.T[k], t.CText[k], t.C[k]};
    };
    set.sort = SortVaporHeatCapacityTable;
    set.check = CheckVaporHeatCapacityTable;
    set.perComponent = true;
    set.argumentLabel = QStringLiteral("T");
    set.argumentUnit = QStringLiteral("] (Град.Цельсия) =");
    set.valueLabel = QStringLiteral("C");
    set.valueUnit = QStringLiteral("] (Кдж/Кг*К) =");
    set.count = {QStringLiteral("Ввод кол-ва пар точек зависимости теплоемкости от температуры"),
                 QStringLiteral("Сколько пар точек будете вводить"),
                 1200,
                 1,
                 20,
                 QStringLiteral("Количество пар от 1-й до 20-ти !!!"),
                 false};
    const PointPrompt capacity{QStringLiteral("ВВОД ТЕПЛОЕМКОСТИ "),
                               QStringLiteral(" C [ %1 ] (Кдж/Кг*К) = ")};
    set.entryPrompts = {{QStringLiteral("ВВОД T  "), QStringLiteral(" T [ %1 ] (Град.Цельсия) = ")},
                        capacity};
    set.correctionPrompts = {{QStringLiteral("ВВОД T  "), QStringLiteral(" T [ %1 ] (Град.Цельсия.) = ")},
                             capacity};
    set.additionPrompts = {{QStringLiteral("ВВОД T  "), QStringLiteral(" T[ %1 ] (Град.Цельсия) = ")},
                           {QStringLiteral("ВВОД ТЕПЛОЕМКОСТИ "), QStringLiteral(" C[ %1 ] (Кдж/Кг*К) = ")}};
    set.addRow = QStringLiteral("  Увеличение числа пар точек зависимости C=f(T)");
    set.removeRow = QStringLiteral("  Уменьшение числа пар точек зависимости C=f(T)");
    set.removalQuestion = QStringLiteral("-ую точку зависимости C=f(T) ?");
    set.removalHintGap = 1500;
    set.removalDialogGap = 1500;
    set.entryCaption =
        QStringLiteral("Ввод зависимости теплоемкости от температуры для более летучего компонента");
    set.tableCaption =
        QStringLiteral("Данные по зависимости теплоемкости от т-ры для более летучего компонента");
    set.refreshCaption = QStringLiteral(
        "Зависимость теплоемкости в газообразном состоянии от температуры для более летучего компонента");
    set.entryLabel = QStringLiteral("Введите зависимость теплоемкости в газообразном\n"
                                    "состоянии от температуры для более летучего компонента");
    set.tableLabel = QStringLiteral("Зависимость теплоемкости в газообразном\n"
                                    "состоянии от температуры для более летучего компонента");
    set.afterRemovalLabel = set.refreshCaption;
    return set;
}

ThermalDataSet MakeVaporizationHeat()
{
    ThermalDataSet set;
    set.roadSet = RoadSet::VaporizationHeat;
    set.table = [](ProblemData &data, int k) {
        VaporizationHeatTable &t = data.VaporizationHeat;
        return PointTable{&t.N[k], t.TText[k], t.T[k], t.RText[k], t.R[k]};
    };
    set.sort = SortVaporizationHeatTable;
    set.check = CheckVaporizationHeatTable;
    set.perComponent = true;
    set.argumentLabel = QStringLiteral("T");
    set.argumentUnit = QStringLiteral("] (Град.Цельсия) =");
    set.valueLabel = QStringLiteral("R");
    set.valueUnit = QStringLiteral("] (Кдж/Кг) =");
    set.count = {QStringLiteral("Ввод кол-ва пар точек зависимости теплоты испарения от температуры"),
                 QStringLiteral("Сколько пар точек будете вводить"),
                 1200,
                 1,
                 20,
                 QStringLiteral("Количество пар от 1-й до 20-ти !!!"),
                 false};
    const PointPrompt heat{QStringLiteral("ВВОД ТЕПЛОТЫ ИСПАРЕНИЯ "),
                           QStringLiteral(" R [ %1 ] (Кдж/Кг) = ")};
    set.entryPrompts = {{QStringLiteral("ВВОД T  "), QStringLiteral(" T [ %1 ] (Град.Цельсия) = ")}, heat};
    set.correctionPrompts = {
        {QStringLiteral("ВВОД ТЕМПЕРАТУРЫ  "), QStringLiteral(" T [ %1 ] (Град.Цельсия.) = ")}, heat};
    set.additionPrompts = {
        {QStringLiteral("ВВОД ТЕМПЕРАТУРЫ  "), QStringLiteral(" T[ %1 ] (Град.Цельсия) = ")},
        {QStringLiteral("ВВОД ТЕПЛОТЫ ИСПАРЕНИЯ "), QStringLiteral(" R[ %1 ] (Кдж/Кг) = ")}};
    set.addRow = QStringLiteral("  Увеличение числа пар точек зависимости R=f(T)");
    set.removeRow = QStringLiteral("  Уменьшение числа пар точек зависимости R=f(T)");
    set.removalQuestion = QStringLiteral("-ую точку зависимости R=f(T) ?");
    set.removalHintGap = 1500;
    set.removalDialogGap = 1500;
    set.entryCaption =
        QStringLiteral("Ввод зависимости теплоты испарения от температуры для более летучего компонента");
    set.tableCaption =
        QStringLiteral("Данные по зависимости теплоты испарения от т-ры для более летучего компонента");
    set.refreshCaption =
        QStringLiteral("Зависимость теплоты испарения от температуры для более летучего компонента");
    set.entryLabel = QStringLiteral("Введите зависимость теплоты испарения\n"
                                    "от температуры для более летучего компонента");
    set.tableLabel = QStringLiteral("Зависимость теплоты испарения\n"
                                    "от температуры для более летучего компонента");
    set.afterRemovalLabel = set.tableLabel;
    return set;
}

ThermalDataSet MakeSolutionHeatCapacity()
{
    ThermalDataSet set;
    set.roadSet = RoadSet::SolutionHeatCapacity;
    set.table = [](ProblemData &data, int j) {
        SolutionHeatCapacitySet &s = data.SolutionHeatCapacity;
        return PointTable{&s.N[j], s.XText[j], s.X[j], s.CText[j], s.C[j]};
    };
    set.sort = SortSolutionHeatCapacityTable;
    set.check = CheckSolutionHeatCapacityTable;
    set.argumentLabel = QStringLiteral("X");
    set.argumentUnit = QStringLiteral("] (мольн.д) =");
    set.valueLabel = QStringLiteral("C");
    set.valueUnit = QStringLiteral("] (Кдж/Кмоль*К) =");
    set.count = {QStringLiteral("Ввод кол-ва пар точек зависимости теплоемкости от концентрации"),
                 QStringLiteral("Сколько пар точек будете вводить"),
                 2000,
                 2,
                 20,
                 QStringLiteral("Количество пар от 2-x до 20-ти !!!"),
                 true};
    set.entryPrompts = {{QStringLiteral("ВВОД КОНЦЕНТРАЦИИ "), QStringLiteral(" X [ %1 ] (мольн.д) = ")},
                        {QStringLiteral("ТЕПЛОЕМКОСТИ "), QStringLiteral(" C [ %1 ] (Кдж/Кмоль*К) = ")}};
    set.correctionPrompts = {
        {QStringLiteral("ВВОД КОНЦЕНТРАЦИИ  "), QStringLiteral(" X [ %1 ] (мольн.д) = ")},
        {QStringLiteral("ВВОД ТЕПЛОЕМКОСТИ "), QStringLiteral(" C [ %1 ] (Кдж/Кмоль*К) = ")}};
    set.additionPrompts = set.correctionPrompts;
    set.hasTemperatureRow = true;
    set.temperatureRowOnChange = QStringLiteral("  Температура C=f(X) %T Град.Цельсия");
    set.temperatureRowOnRefresh = QStringLiteral("  Температура %T Град.Цельсия");
    set.temperatureRowAfterError =
        QStringLiteral("  Т-ра, при которой снималась зависимость C=f(X) %T Град.Цельсия");
    set.temperatureQuestion = TableTemperature;
    set.temperatureText = [](const ProblemData &data, int j) { return data.SolutionHeatCapacity.TText[j]; };
    set.storeTemperature = [](ProblemData &data, int j, const QString &text, float value) {
        data.SolutionHeatCapacity.TText[j] = text;
        data.SolutionHeatCapacity.T[j] = value;
    };
    set.addRow = QStringLiteral("  Увеличение числа пар точек зависимости C=f(X)");
    set.removeRow = QStringLiteral("  Уменьшение числа пар точек зависимости C=f(X)");
    set.removalQuestion = QStringLiteral("-ую точку зависимости c=f(X) ?");
    set.removalHintGap = 300;
    set.removalDialogGap = 500;
    set.entryCaption = QStringLiteral("Зависимость теплоемкости раствора от концентрации более летучего "
                                      "компонента при температуре %TГрад.Цельсия");
    set.tableCaption = QStringLiteral("Зависимость теплоемкости от концентрации более летучего компонента "
                                      "при температуре %T  Град.Цельсия");
    set.entryHeadings = {{300, QStringLiteral("ВВЕДИТЕ ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ РАСТВОРА ОТ КОНЦЕНТРАЦИИ")},
                         {500, QStringLiteral("ПРИ ТЕМПЕРАТУРЕ %T Град.Цельсия")}};
    set.tableHeadings = {{500, QStringLiteral("ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ РАСТВОРА ОТ КОНЦЕНТРАЦИИ")},
                         {900, QStringLiteral("ПРИ ТЕМПЕРАТУРЕ %T Град.Цельсия")}};
    return set;
}

} // namespace

const ThermalDataSet &MixingHeatDataSet()
{
    static const ThermalDataSet set = MakeMixingHeat();
    return set;
}

const ThermalDataSet &VaporHeatCapacityDataSet()
{
    static const ThermalDataSet set = MakeVaporHeatCapacity();
    return set;
}

const ThermalDataSet &VaporizationHeatDataSet()
{
    static const ThermalDataSet set = MakeVaporizationHeat();
    return set;
}

const ThermalDataSet &SolutionHeatCapacityDataSet()
{
    static const ThermalDataSet set = MakeSolutionHeatCapacity();
    return set;
}
