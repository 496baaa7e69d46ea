#include "problem_file_reading.h"
#include "problem_json.h"

#include "feed_checks.h"
#include "problem_file_keys.h"
#include "road_steps.h"
#include "model/text.h"
#include "model/typed_value.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>

using namespace problem_json;

namespace {

// A typed answer of a table point or a feed parameter: an answer with no
// number in it is kept as "???" with the number 0, as its prompt keeps it,
// for the check to report.
TypedValue pointAnswerAt(const QJsonValue &value, const Key &key)
{
    return ReadTypedValue(textAt(value, key));
}

// Reads the rows of a table, least..most points of Columns typed values, and
// hands each to store with its 1-based point number. Returns the count.
template <int Columns, typename Store>
int readPoints(const QJsonValue &value, const Key &key, int least, int most, Store keepPoint)
{
    const QJsonArray points = countedArray(value, key, least, most, Points);
    for (qsizetype p = 0; p < points.size(); ++p) {
        const Key pointKey = key[p];
        const QJsonArray row = countedArray(points[p], pointKey, Columns, Columns, Values);
        std::array<TypedValue, Columns> answers;
        for (int c = 0; c < Columns; ++c)
            answers[c] = pointAnswerAt(row[c], pointKey[c]);
        keepPoint(int(p) + 1, answers);
    }
    return int(points.size());
}

// A single typed value that its prompt asks again until it lies in its range;
// a file cannot be asked again, so it is refused.
TypedValue rangedAnswer(const QJsonValue &value, const Key &key, ValueRange range, const char *rangeText,
                        const char *russianRange)
{
    const QString typed = textAt(value, key);
    const TypedValue answer = ReadTypedValue(typed, range);
    if (answer.isRefused()) {
        const QString text = NormalizeDecimal(typed);
        refuse(key.text(), QStringLiteral("%1, %2 expected").arg(text, QLatin1String(rangeText)),
               QStringLiteral("%1, а нужно %2").arg(text, QString::fromUtf8(russianRange)));
    }
    return answer;
}

// The data sets of the file in road order. In a finished file the required
// ones must be there; in an unfinished one the first absent set ends what the
// student has typed, and no later set may follow it.
class RoadReader {
public:
    RoadReader(const QJsonObject &root, bool unfinished)
        : root(root)
        , unfinished(unfinished)
    {
    }

    bool isUnfinished() const { return unfinished; }

    // Whether the set under key is to be read.
    bool reaches(const char *key, bool optional = false)
    {
        const QLatin1String name(key);
        const bool present = root.contains(name);
        if (stoppedAt) {
            if (present)
                refuse(name, QStringLiteral("comes after %1, which is not typed yet").arg(*stoppedAt),
                       QStringLiteral("записаны раньше, чем %1").arg(russianPlace(*stoppedAt)));
            return false;
        }
        if (present || (!unfinished && optional))
            return true;
        if (!unfinished)
            refuseMissing(name);
        stoppedAt = name;
        return false;
    }
    // A set typed only in part (one table of two): the road stops inside it.
    void stopsInside(const QString &key)
    {
        if (!stoppedAt)
            stoppedAt = key;
    }

private:
    const QJsonObject &root;
    bool unfinished;
    std::optional<QString> stoppedAt;
};

int readFormat(const QJsonObject &root)
{
    const Key key{nullptr, QLatin1String("format")};
    const QJsonValue format = root.value(key.name);
    if (format.isUndefined())
        return ProblemFileFormat;
    if (!format.isDouble())
        refuseType(key, NumberType, format);
    const double number = format.toDouble();
    if (number > ProblemFileFormat)
        refuse(key.text(),
               QStringLiteral("%1, written by a newer version of the program (this one reads format %2)")
                   .arg(number)
                   .arg(ProblemFileFormat),
               QStringLiteral("%1: файл записан более новой версией программы, а эта читает формат %2")
                   .arg(number)
                   .arg(ProblemFileFormat));
    if (number < 1 || number != std::floor(number))
        refuse(key.text(), QStringLiteral("%1, 1..%2 expected").arg(number).arg(ProblemFileFormat),
               QStringLiteral("%1, а нужно от 1 до %2").arg(number).arg(ProblemFileFormat));
    return int(number);
}

bool readUnfinished(const QJsonObject &root)
{
    const Key key{nullptr, QLatin1String("unfinished")};
    const QJsonValue unfinished = root.value(key.name);
    if (unfinished.isUndefined())
        return false;
    if (!unfinished.isBool())
        refuseType(key, {"true/false", "true/false"}, unfinished);
    return unfinished.toBool();
}

void readStudent(const QJsonObject &root, ProblemData &data)
{
    const Key studentKey{nullptr, QLatin1String("student")};
    data.Names[1] = ProperCase(textAt(required(root, studentKey), studentKey));
}

void readComponents(const QJsonObject &root, ProblemData &data)
{
    const Key componentsKey{nullptr, QLatin1String("components")};
    const QJsonArray components = countedArray(required(root, componentsKey), componentsKey, 2, 2, Names);
    for (int k = 0; k < 2; ++k)
        data.Names[2 + k] = ProperCase(textAt(components[k], componentsKey[k]));
}

DeclaredAzeotrope readEquilibrium(const QJsonObject &root, ProblemData &data)
{
    const Key key{nullptr, QLatin1String("equilibrium")};
    const QJsonObject equilibrium = objectAt(required(root, key), key);
    onlyKnownKeys(equilibrium, &key, {QLatin1String("points"), QLatin1String("azeotrope")});

    EquilibriumTable &table = data.Equilibrium;
    const Key pointsKey = key / QLatin1String("points");
    table.N = readPoints<3>(required(equilibrium, pointsKey), pointsKey, 8, MaxPoints,
                            [&table](int i, const std::array<TypedValue, 3> &point) {
                                // The equilibrium entry does not ask again: a
                                // value outside its range is kept as refused.
                                const TypedValue x = KeptInRange(point[0], MoleFractionRange);
                                const TypedValue y = KeptInRange(point[1], MoleFractionRange);
                                const TypedValue t = KeptInRange(point[2], EquilibriumTemperatureRange);
                                table.XText[i] = x.text;
                                table.X[i] = x.number;
                                table.YText[i] = y.text;
                                table.Y[i] = y.number;
                                table.TText[i] = t.text;
                                table.T[i] = t.number;
                            });

    const Key azeotropeKey = key / QLatin1String("azeotrope");
    const QJsonValue azeotrope = equilibrium.value(azeotropeKey.name);
    if (isAbsent(azeotrope))
        return std::nullopt;
    return textAt(azeotrope, azeotropeKey);
}

void readFeed(const QJsonObject &root, ProblemData &data)
{
    const Key key{nullptr, QLatin1String("feed")};
    const QJsonObject feed = objectAt(required(root, key), key);
    onlyKnownKeys(feed, &key, {QLatin1String("condition"), QLatin1String("values")});

    const Key conditionKey = key / QLatin1String("condition");
    const QJsonValue condition = required(feed, conditionKey);
    if (!condition.isDouble())
        refuseType(conditionKey, NumberType, condition);
    const double number = condition.toDouble();
    if (number != 0 && number != 1 && number != 2 && number != 3)
        refuse(conditionKey.text(), QStringLiteral("%1, 0..3 expected").arg(number),
               QStringLiteral("%1, а нужно от 0 до 3").arg(number));
    data.Feed.Condition = int(number);

    const Key valuesKey = key / QLatin1String("values");
    const QJsonObject values = objectAt(required(feed, valuesKey), valuesKey);
    const std::span<const int> parameters = FeedParameterElements(data.Feed.Condition);
    for (auto value = values.constBegin(); value != values.constEnd(); ++value) {
        const bool asked = std::any_of(parameters.begin(), parameters.end(),
                                       [&](int element) { return FeedSymbol(element) == value.key(); });
        if (!asked)
            refuse(valuesKey.text() + u'.' + value.key(),
                   QStringLiteral("not a parameter of feed condition %1").arg(data.Feed.Condition),
                   QStringLiteral("не параметр вида питания %1").arg(data.Feed.Condition));
    }
    for (std::size_t n = 0; n < parameters.size(); ++n) {
        const int element = parameters[n];
        const Key symbolKey = valuesKey / FeedSymbol(element);
        const TypedValue answer = pointAnswerAt(required(values, symbolKey), symbolKey);
        data.Feed.EntryText[n + 1] = answer.text;
        data.Feed.EntryValue[n + 1] = answer.number;
        data.Feed.Text[element] = answer.text;
        data.Feed.Value[element] = answer.number;
    }
}

void readMixingHeat(const QJsonObject &root, ProblemData &data)
{
    const Key key{nullptr, QLatin1String("mixing_heat")};
    const QJsonValue value = root.value(key.name);
    MixingHeatTable &table = data.MixingHeat;
    table.Present = !isAbsent(value);
    if (!table.Present)
        return;
    const QJsonObject mixing = objectAt(value, key);
    onlyKnownKeys(mixing, &key, {QLatin1String("temperature"), QLatin1String("points")});

    // The temperature of these data is the reference of all enthalpies.
    const Key temperatureKey = key / QLatin1String("temperature");
    const TypedValue temperature = rangedAnswer(required(mixing, temperatureKey), temperatureKey,
                                                {-273.0f, 400.0f}, "-273..400", "от -273 до 400");
    data.Results.Text[ResT0] = temperature.text;
    data.Results(ResT0) = temperature.number;

    const Key pointsKey = key / QLatin1String("points");
    table.N = readPoints<2>(required(mixing, pointsKey), pointsKey, 4, MaxPoints,
                            [&table](int i, const std::array<TypedValue, 2> &point) {
                                table.XText[i] = point[0].text;
                                table.X[i] = point[0].number;
                                table.DHText[i] = point[1].text;
                                table.DH[i] = point[1].number;
                            });
}

// Two tables, more then less volatile component, of T and one property; an
// unfinished file may hold the first one only. Returns how many were read.
template <typename Store>
int readComponentTables(const QJsonValue &value, const Key &key, int (&counts)[MaxComponents + 1],
                        const RoadReader &road, Store keepPoint)
{
    const QJsonArray tables =
        countedArray(value, key, road.isUnfinished() ? 1 : MaxComponents, MaxComponents, Tables);
    for (int k = 1; k <= int(tables.size()); ++k) {
        const Key tableKey = key[k - 1];
        counts[k] =
            readPoints<2>(tables[k - 1], tableKey, 1, MaxPoints,
                          [&](int i, const std::array<TypedValue, 2> &point) { keepPoint(k, i, point); });
    }
    return int(tables.size());
}

// The component tables read, as the step of the road they reach.
void componentTablesTyped(ProblemData &data, RoadReader &road, RoadSet set, const char *key, int tables)
{
    MarkTyped(data, {set, tables});
    if (tables < MaxComponents)
        road.stopsInside(componentKey(key, tables + 1));
}

void readVaporHeatCapacity(const QJsonObject &root, ProblemData &data, RoadReader &road)
{
    const Key key{nullptr, QLatin1String("vapour_heat_capacity")};
    const QJsonValue value = root.value(key.name);
    VaporHeatCapacityTable &table = data.VaporHeatCapacity;
    table.Present = !isAbsent(value);
    if (!table.Present) {
        MarkTyped(data, {RoadSet::VaporHeatCapacity, MaxComponents});
        return;
    }
    const int tables = readComponentTables(value, key, table.N, road,
                                           [&table](int k, int i, const std::array<TypedValue, 2> &point) {
                                               table.TText[k][i] = point[0].text;
                                               table.T[k][i] = point[0].number;
                                               table.CText[k][i] = point[1].text;
                                               table.C[k][i] = point[1].number;
                                           });
    componentTablesTyped(data, road, RoadSet::VaporHeatCapacity, "vapour_heat_capacity", tables);
}

void readVaporizationHeat(const QJsonObject &root, ProblemData &data, RoadReader &road)
{
    const Key key{nullptr, QLatin1String("vaporization_heat")};
    VaporizationHeatTable &table = data.VaporizationHeat;
    const int tables = readComponentTables(required(root, key), key, table.N, road,
                                           [&table](int k, int i, const std::array<TypedValue, 2> &point) {
                                               table.TText[k][i] = point[0].text;
                                               table.T[k][i] = point[0].number;
                                               table.RText[k][i] = point[1].text;
                                               table.R[k][i] = point[1].number;
                                           });
    componentTablesTyped(data, road, RoadSet::VaporizationHeat, "vaporization_heat", tables);
}

// The temperatures with their tables. In an unfinished file the temperatures
// after the last table typed carry no points.
void readSolutionHeatCapacity(const QJsonObject &root, ProblemData &data, RoadReader &road)
{
    const Key key{nullptr, QLatin1String("solution_heat_capacity")};
    const QJsonArray temperatures = countedArray(required(root, key), key, 1, MaxTemperatures, Temperatures);
    SolutionHeatCapacitySet &set = data.SolutionHeatCapacity;
    int tables = 0;
    for (int j = 1; j <= int(temperatures.size()); ++j) {
        const Key entryKey = key[j - 1];
        const QJsonObject entry = objectAt(temperatures[j - 1], entryKey);
        onlyKnownKeys(entry, &entryKey, {QLatin1String("temperature"), QLatin1String("points")});

        const Key temperatureKey = entryKey / QLatin1String("temperature");
        const TypedValue temperature = rangedAnswer(required(entry, temperatureKey), temperatureKey,
                                                    {-273.15f, 400.0f}, "-273.15..400", "от -273.15 до 400");
        set.TText[j] = temperature.text;
        set.T[j] = temperature.number;

        const Key pointsKey = entryKey / QLatin1String("points");
        if (road.isUnfinished() && !entry.contains(pointsKey.name)) {
            road.stopsInside(pointsKey.text());
            continue;
        }
        if (tables < j - 1)
            refuse(pointsKey.text(), QStringLiteral("comes after a temperature without points"),
                   QStringLiteral("записаны, а у прежней температуры точек нет"));
        set.N[j] = readPoints<2>(required(entry, pointsKey), pointsKey, 2, MaxPoints,
                                 [&set, j](int i, const std::array<TypedValue, 2> &point) {
                                     set.XText[j][i] = point[0].text;
                                     set.X[j][i] = point[0].number;
                                     set.CText[j][i] = point[1].text;
                                     set.C[j][i] = point[1].number;
                                 });
        tables = j;
    }
    set.NT = int(temperatures.size());
    MarkTyped(data, {RoadSet::SolutionTemperatures});
    if (tables > 0)
        MarkTyped(data, {RoadSet::SolutionHeatCapacity, tables});
}

// Reads the data sets in road order and records how far the road has come.
DeclaredAzeotrope readRoad(const QJsonObject &root, ProblemData &data, RoadReader &road)
{
    DeclaredAzeotrope declared;
    const auto typed = [&data](RoadSet set) { MarkTyped(data, {set}); };
    if (road.reaches("student")) {
        readStudent(root, data);
        typed(RoadSet::Student);
    }
    if (road.reaches("components")) {
        readComponents(root, data);
        typed(RoadSet::Components);
    }
    if (road.reaches("equilibrium")) {
        declared = readEquilibrium(root, data);
        typed(RoadSet::Equilibrium);
    }
    if (road.reaches("feed")) {
        readFeed(root, data);
        typed(RoadSet::Feed);
    }
    if (road.reaches("mixing_heat", true)) {
        readMixingHeat(root, data);
        typed(RoadSet::MixingHeat);
    }
    if (road.reaches("vapour_heat_capacity", true))
        readVaporHeatCapacity(root, data, road);
    if (road.reaches("vaporization_heat"))
        readVaporizationHeat(root, data, road);
    if (road.reaches("solution_heat_capacity"))
        readSolutionHeatCapacity(root, data, road);
    return declared;
}

} // namespace

int ReadProblemFileFormat(const QJsonObject &root)
{
    return readFormat(root);
}

bool ReadUnfinishedMark(const QJsonObject &root)
{
    return readUnfinished(root);
}

DeclaredAzeotrope ReadTypedDataSets(const QJsonObject &root, ProblemData &data, bool unfinished)
{
    RoadReader road{root, unfinished};
    return readRoad(root, data, road);
}
