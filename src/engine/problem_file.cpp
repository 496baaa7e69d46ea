#include "problem_file.h"

#include "engine/equilibrium_table.h"
#include "engine/feed_checks.h"
#include "engine/problem_file_keys.h"
#include "engine/road_steps.h"
#include "engine/thermal_tables.h"
#include "model/text.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <span>

namespace {

// Thrown while reading: the file cannot be opened, for the reason given in
// English (batch mode) and in Russian (the windows).
struct Refusal {
    QString message;
    QString russian;
};

// The data sets by the key of the file, as the student knows them.
QString russianDataSetName(const QString &key)
{
    const QString root = key.section(u'.', 0, 0).section(u'[', 0, 0);
    static const std::pair<const char *, const char *> names[] = {
        {"student", "фамилия и группа"},
        {"components", "наименования компонентов"},
        {"equilibrium", "равновесные данные"},
        {"feed", "параметры питания"},
        {"mixing_heat", "теплоты смешения"},
        {"vapour_heat_capacity", "теплоемкости компонентов в газообразном состоянии"},
        {"vaporization_heat", "теплоты испарения"},
        {"solution_heat_capacity", "теплоемкость раствора"},
    };
    for (const auto &[file, russian] : names)
        if (root == QLatin1String(file))
            return QString::fromUtf8(russian);
    return {};
}

// "равновесные данные (equilibrium.points)": where the fault is, in the
// student's words and in the file's.
QString russianPlace(const QString &key)
{
    const QString name = russianDataSetName(key);
    return name.isEmpty() ? key : QStringLiteral("%1 (%2)").arg(name, key);
}

[[noreturn]] void refuse(const QString &key, const QString &reason, const QString &russianReason)
{
    throw Refusal{key + QStringLiteral(": ") + reason,
                  russianPlace(key) + QStringLiteral(": ") + russianReason};
}

// Where a value sits in the file ("solution_heat_capacity[1].points[0][1]").
// Keys are chained on the stack and only spelled out for a message, so that
// reading a file builds no strings for them.
struct Key {
    const Key *parent = nullptr;
    QLatin1String name;
    qsizetype index = -1;

    QString text() const
    {
        QString result = parent ? parent->text() : QString();
        if (index >= 0)
            return result + u'[' + QString::number(index) + u']';
        if (!result.isEmpty())
            result += u'.';
        return result + name;
    }
    Key operator/(QLatin1String member) const { return Key{this, member}; }
    Key operator[](qsizetype element) const { return Key{this, {}, element}; }
};

// A JSON type as the messages name it.
struct TypeName {
    const char *english;
    const char *russian;
};
constexpr TypeName ObjectType{"an object", "объект"};
constexpr TypeName TextType{"a text", "текст"};
constexpr TypeName ArrayType{"an array", "массив"};
constexpr TypeName NumberType{"a number", "число"};

TypeName typeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return {"null", "null"};
    case QJsonValue::Bool:
        return {"true/false", "true/false"};
    case QJsonValue::Double:
        return NumberType;
    case QJsonValue::String:
        return TextType;
    case QJsonValue::Array:
        return ArrayType;
    case QJsonValue::Object:
        return ObjectType;
    case QJsonValue::Undefined:
        break;
    }
    return {"nothing", "ничего"};
}

[[noreturn]] void refuseType(const Key &key, TypeName expected, const QJsonValue &value)
{
    const TypeName found = typeName(value);
    refuse(key.text(),
           QStringLiteral("%1 expected, found %2")
               .arg(QLatin1String(expected.english), QLatin1String(found.english)),
           QStringLiteral("нужен %1, а записан %2")
               .arg(QString::fromUtf8(expected.russian), QString::fromUtf8(found.russian)));
}

[[noreturn]] void refuseMissing(const QString &key)
{
    refuse(key, QStringLiteral("missing"), QStringLiteral("нет этих данных"));
}

QJsonValue required(const QJsonObject &object, const Key &key)
{
    const auto found = object.constFind(key.name);
    if (found == object.constEnd())
        refuseMissing(key.text());
    return found.value();
}

// An optional data set written as null counts as absent.
bool isAbsent(const QJsonValue &value)
{
    return value.isUndefined() || value.isNull();
}

// A misspelt key would otherwise drop an optional data set without a word.
void onlyKnownKeys(const QJsonObject &object, const Key *key, std::initializer_list<QLatin1String> known)
{
    for (auto member = object.constBegin(); member != object.constEnd(); ++member) {
        if (std::find(known.begin(), known.end(), member.key()) == known.end()) {
            const QString prefix = key ? key->text() + u'.' : QString();
            refuse(prefix + member.key(), QStringLiteral("unknown key"), QStringLiteral("неизвестный ключ"));
        }
    }
}

QJsonObject objectAt(const QJsonValue &value, const Key &key)
{
    if (!value.isObject())
        refuseType(key, ObjectType, value);
    return value.toObject();
}

QString textAt(const QJsonValue &value, const Key &key)
{
    if (!value.isString())
        refuseType(key, TextType, value);
    return value.toString();
}

// What an array holds, in English and in the three Russian forms that follow
// a number (1 точка, 2 точки, 5 точек).
struct Noun {
    const char *one, *many;
    const char *russianOne, *russianFew, *russianMany;

    QString russian(qsizetype count) const
    {
        const qsizetype lastTwo = count % 100, last = count % 10;
        const char *form = (lastTwo >= 11 && lastTwo <= 14) ? russianMany
                           : last == 1                      ? russianOne
                           : (last >= 2 && last <= 4)       ? russianFew
                                                            : russianMany;
        return QString::fromUtf8(form);
    }
};
constexpr Noun Points{"point", "points", "точка", "точки", "точек"};
constexpr Noun Values{"value", "values", "значение", "значения", "значений"};
constexpr Noun Names{"name", "names", "наименование", "наименования", "наименований"};
constexpr Noun Tables{"table", "tables", "таблица", "таблицы", "таблиц"};
constexpr Noun Temperatures{"temperature", "temperatures", "температура", "температуры", "температур"};

QJsonArray countedArray(const QJsonValue &value, const Key &key, int least, int most, const Noun &noun)
{
    if (!value.isArray())
        refuseType(key, ArrayType, value);
    const QJsonArray array = value.toArray();
    const qsizetype count = array.size();
    if (count < least || count > most) {
        const QString found =
            QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? noun.one : noun.many));
        const QString expected =
            least == most ? QString::number(least) : QStringLiteral("%1..%2").arg(least).arg(most);
        const QString russianExpected =
            least == most ? QString::number(least) : QStringLiteral("от %1 до %2").arg(least).arg(most);
        refuse(key.text(), QStringLiteral("%1, %2 expected").arg(found, expected),
               QStringLiteral("%1 %2, а нужно %3").arg(count).arg(noun.russian(count), russianExpected));
    }
    return array;
}

// A typed answer: the text after NormalizeDecimal and its single twin.
struct Answer {
    QString text;
    float number = 0.0f;
};

Answer answerAt(const QJsonValue &value, const Key &key)
{
    Answer answer;
    answer.text = NormalizeDecimal(textAt(value, key));
    answer.number = StoredNumber(answer.text);
    return answer;
}

const QString Rejected = QStringLiteral("???");

// A table point with no number in it is kept as "???" with the number 0, as
// its prompt keeps it, for the table's check to report.
Answer pointAnswerAt(const QJsonValue &value, const Key &key)
{
    Answer answer = answerAt(value, key);
    if (!HasLeadingNumber(answer.text))
        answer = {Rejected, 0.0f};
    return answer;
}

// Reads the rows of a table, least..most points of Columns typed values, and
// hands each to store with its 1-based point number. Returns the count.
template <int Columns, typename Store>
int readPoints(const QJsonValue &value, const Key &key, int least, int most, Store store)
{
    const QJsonArray points = countedArray(value, key, least, most, Points);
    for (qsizetype p = 0; p < points.size(); ++p) {
        const Key pointKey = key[p];
        const QJsonArray row = countedArray(points[p], pointKey, Columns, Columns, Values);
        std::array<Answer, Columns> answers;
        for (int c = 0; c < Columns; ++c)
            answers[c] = pointAnswerAt(row[c], pointKey[c]);
        store(int(p) + 1, answers);
    }
    return int(points.size());
}

// A single typed value that its prompt asks again until it lies in its range;
// a file cannot be asked again, so it is refused.
Answer rangedAnswer(const QJsonValue &value, const Key &key, float low, float high, const char *range,
                    const char *russianRange)
{
    const Answer answer = answerAt(value, key);
    if (!HasLeadingNumber(answer.text) || answer.number < low || answer.number > high)
        refuse(key.text(), QStringLiteral("%1, %2 expected").arg(answer.text, QLatin1String(range)),
               QStringLiteral("%1, а нужно %2").arg(answer.text, QString::fromUtf8(russianRange)));
    return answer;
}

// The equilibrium entry does not ask again: a value outside its range is
// kept as "???" with the number 0, and the table's check reports it.
void keepInRange(QString &text, float &number, float low, float high)
{
    if (number > high || number < low) {
        text = Rejected;
        number = 0.0f;
    }
}

QString faultyPoint(int point, const char *first, const QString &firstText, const char *second,
                    const QString &secondText)
{
    return QStringLiteral("point %1 fails the check (%2[%1] = %3, %4[%1] = %5)")
        .arg(QString::number(point), QLatin1String(first), firstText, QLatin1String(second), secondText);
}

// The element of parameter number (1-based, in prompt order), 0 for none.
int parameterElement(int condition, int number)
{
    const std::span<const int> parameters = FeedParameterElements(condition);
    if (number < 1 || std::size_t(number) > parameters.size())
        return 0;
    return parameters[number - 1];
}

QString componentKey(const char *key, int k)
{
    return QStringLiteral("%1[%2] (%3 volatile component)")
        .arg(QLatin1String(key))
        .arg(k - 1)
        .arg(k == 1 ? QLatin1String("more") : QLatin1String("less"));
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

// --- reading: the answers of the prompts, in the order of the road ---------

// What the student declares with "СИСТЕМА АЗЕОТРОПНА", used only when the
// detection finds nothing.
using DeclaredAzeotrope = std::optional<QString>;

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
                            [&table](int i, const std::array<Answer, 3> &point) {
                                table.XText[i] = point[0].text;
                                table.X[i] = point[0].number;
                                keepInRange(table.XText[i], table.X[i], 0.0f, 1.0f);
                                table.YText[i] = point[1].text;
                                table.Y[i] = point[1].number;
                                keepInRange(table.YText[i], table.Y[i], 0.0f, 1.0f);
                                table.TText[i] = point[2].text;
                                table.T[i] = point[2].number;
                                keepInRange(table.TText[i], table.T[i], -273.0f, 400.0f);
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
        const Answer answer = pointAnswerAt(required(values, symbolKey), symbolKey);
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
    const Answer temperature = rangedAnswer(required(mixing, temperatureKey), temperatureKey, -273.0f, 400.0f,
                                            "-273..400", "от -273 до 400");
    data.Results.Text[ResT0] = temperature.text;
    data.Results(ResT0) = temperature.number;

    const Key pointsKey = key / QLatin1String("points");
    table.N = readPoints<2>(required(mixing, pointsKey), pointsKey, 4, MaxPoints,
                            [&table](int i, const std::array<Answer, 2> &point) {
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
                        const RoadReader &road, Store store)
{
    const QJsonArray tables =
        countedArray(value, key, road.isUnfinished() ? 1 : MaxComponents, MaxComponents, Tables);
    for (int k = 1; k <= int(tables.size()); ++k) {
        const Key tableKey = key[k - 1];
        counts[k] = readPoints<2>(tables[k - 1], tableKey, 1, MaxPoints,
                                  [&](int i, const std::array<Answer, 2> &point) { store(k, i, point); });
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
                                           [&table](int k, int i, const std::array<Answer, 2> &point) {
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
                                           [&table](int k, int i, const std::array<Answer, 2> &point) {
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
        const Answer temperature = rangedAnswer(required(entry, temperatureKey), temperatureKey, -273.15f,
                                                400.0f, "-273.15..400", "от -273.15 до 400");
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
                                 [&set, j](int i, const std::array<Answer, 2> &point) {
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

// --- settling: what the screens do once a data set is typed in -------------

void settleEquilibrium(ProblemData &data, const DeclaredAzeotrope &declared)
{
    EquilibriumTable &table = data.Equilibrium;
    SortEquilibriumTable(data);
    if (!DetectAzeotrope(data) && declared) {
        const QString text = NormalizeDecimal(*declared);
        const float composition = StoredNumber(text);
        // A composition the editor refused is kept as "???", which its
        // check reports.
        if (text != Rejected && !(composition > 0.0f && composition < 1.0f))
            refuse(QStringLiteral("equilibrium.azeotrope"),
                   QStringLiteral("%1, a mole fraction between 0 and 1 (both excluded) expected").arg(text),
                   QStringLiteral("%1, а мольная доля азеотропа должна быть больше 0 и меньше 1").arg(text));
        table.Azeotropic = true;
        table.AzeotropeXText = text;
        table.AzeotropeX = text == Rejected ? 0.0f : composition;
    }

    // The control table reads the numbers back from the texts, so that a
    // value the sort marked "???" counts as 0 like a rejected one.
    for (int i = 1; i <= table.N; ++i) {
        table.X[i] = StoredNumber(table.XText[i]);
        table.Y[i] = StoredNumber(table.YText[i]);
        table.T[i] = StoredNumber(table.TText[i]);
    }
}

// Every table typed is put in order, as its screen does once it is typed.
void sortTables(ProblemData &data, bool unfinished)
{
    if (data.MixingHeat.Present && data.MixingHeat.N > 0)
        SortMixingHeatTable(data);
    for (int k = 1; k <= MaxComponents; ++k) {
        if (data.VaporHeatCapacity.Present && data.VaporHeatCapacity.N[k] > 0)
            SortVaporHeatCapacityTable(data, k);
        if (data.VaporizationHeat.N[k] > 0)
            SortVaporizationHeatTable(data, k);
    }
    // The temperatures are ordered before their tables are taken, each table
    // moving with its temperature. On an unfinished road the tables are
    // typed in the order the temperatures stand in, which stays as it is.
    SolutionHeatCapacitySet &set = data.SolutionHeatCapacity;
    if (!unfinished)
        SortSolutionTemperatures(data);
    for (int j = 1; j <= set.NT; ++j)
        if (set.N[j] > 0)
            SortSolutionHeatCapacityTable(data, j);
}

// The message of a step whose check failed, with the first faulty point its
// screen would report.
QString checkFailure(ProblemData &data, RoadStep step, bool declaredAzeotrope)
{
    const int bad = CheckRoadStep(data, step);
    const int k = step.sub;
    const auto failure = [](const QString &key, const QString &reason) {
        return key + QStringLiteral(": ") + reason;
    };
    switch (step.set) {
    case RoadSet::Equilibrium: {
        const EquilibriumTable &table = data.Equilibrium;
        if (bad > table.N)
            return failure(
                declaredAzeotrope ? QStringLiteral("equilibrium.azeotrope")
                                  : QStringLiteral("equilibrium.points"),
                QStringLiteral("the azeotrope composition %1 fails the check").arg(table.AzeotropeXText));
        return failure(QStringLiteral("equilibrium.points"),
                       QStringLiteral("point %1 fails the check (X[%1] = %2, Y[%1] = %3, T[%1] = %4)")
                           .arg(QString::number(bad), table.XText[bad], table.YText[bad], table.TText[bad]));
    }
    case RoadSet::Feed: {
        const int element = parameterElement(data.Feed.Condition, bad);
        if (element == 0)
            return failure(QStringLiteral("feed.values"),
                           QStringLiteral("parameter %1 fails the check").arg(bad));
        const QLatin1String symbol = FeedSymbol(element);
        return failure(QStringLiteral("feed.values.") + symbol,
                       QStringLiteral("parameter %1 fails the check (%2 = %3)")
                           .arg(QString::number(bad), symbol, data.Feed.Text[element]));
    }
    case RoadSet::MixingHeat: {
        const MixingHeatTable &table = data.MixingHeat;
        return failure(QStringLiteral("mixing_heat.points"),
                       faultyPoint(bad, "X", table.XText[bad], "DH", table.DHText[bad]));
    }
    case RoadSet::VaporHeatCapacity: {
        const VaporHeatCapacityTable &table = data.VaporHeatCapacity;
        return failure(componentKey("vapour_heat_capacity", k),
                       faultyPoint(bad, "T", table.TText[k][bad], "C", table.CText[k][bad]));
    }
    case RoadSet::VaporizationHeat: {
        const VaporizationHeatTable &table = data.VaporizationHeat;
        return failure(componentKey("vaporization_heat", k),
                       faultyPoint(bad, "T", table.TText[k][bad], "R", table.RText[k][bad]));
    }
    case RoadSet::SolutionHeatCapacity: {
        const SolutionHeatCapacitySet &set = data.SolutionHeatCapacity;
        return failure(QStringLiteral("solution_heat_capacity (temperature %1)").arg(set.TText[k]),
                       faultyPoint(bad, "X", set.XText[k][bad], "C", set.CText[k][bad]));
    }
    default:
        return QStringLiteral("the data fail their check");
    }
}

// The key of the first step an unfinished problem lacks.
QString missingStepKey(const ProblemData &data, RoadStep step)
{
    switch (step.set) {
    case RoadSet::Student:
        return QStringLiteral("student");
    case RoadSet::Components:
        return QStringLiteral("components");
    case RoadSet::Equilibrium:
        return QStringLiteral("equilibrium");
    case RoadSet::Feed:
        return QStringLiteral("feed");
    case RoadSet::MixingHeat:
        return QStringLiteral("mixing_heat");
    case RoadSet::VaporHeatCapacity:
        return step.sub == 1 ? QStringLiteral("vapour_heat_capacity")
                             : componentKey("vapour_heat_capacity", step.sub);
    case RoadSet::VaporizationHeat:
        return step.sub == 1 ? QStringLiteral("vaporization_heat")
                             : componentKey("vaporization_heat", step.sub);
    case RoadSet::SolutionHeatCapacity:
        return QStringLiteral("solution_heat_capacity[%1].points (temperature %2)")
            .arg(step.sub - 1)
            .arg(data.SolutionHeatCapacity.TText[step.sub]);
    default:
        return QStringLiteral("solution_heat_capacity");
    }
}

QString jsonErrorMessage(const QByteArray &json, const QJsonParseError &error, bool russian)
{
    const QByteArray before = json.left(error.offset);
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = before.size() - (before.lastIndexOf('\n') + 1) + 1;
    return (russian ? QStringLiteral("это не файл задачи: в нём не текст JSON (%1, строка %2, позиция %3)")
                    : QStringLiteral("not valid JSON: %1 at line %2, column %3"))
        .arg(error.errorString())
        .arg(line)
        .arg(column);
}

} // namespace

ProblemFileResult LoadProblem(const QByteArray &json, ProblemData &data)
{
    // A fresh problem, as at start-up followed by "Готовы к работе ?".
    data = ProblemData{};
    ResetProblemState(data);

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {false, jsonErrorMessage(json, parseError, false), false,
                jsonErrorMessage(json, parseError, true)};
    if (!document.isObject())
        return {false, QStringLiteral("problem file: a JSON object expected"), false,
                QStringLiteral("это не файл задачи: в нём не объект JSON")};

    bool unfinished = false;
    DeclaredAzeotrope declared;
    try {
        const QJsonObject root = document.object();
        // A newer program may write keys this one does not know: the format
        // tells so before they are taken for typing errors.
        readFormat(root);
        onlyKnownKeys(root, nullptr,
                      {QLatin1String("format"), QLatin1String("unfinished"), QLatin1String("student"),
                       QLatin1String("components"), QLatin1String("equilibrium"), QLatin1String("feed"),
                       QLatin1String("mixing_heat"), QLatin1String("vapour_heat_capacity"),
                       QLatin1String("vaporization_heat"), QLatin1String("solution_heat_capacity")});
        unfinished = readUnfinished(root);
        // Every key is read before any data set is checked, so that a broken
        // file is refused as such rather than for its first faulty point.
        RoadReader road(root, unfinished);
        declared = readRoad(root, data, road);
        if (!unfinished)
            data.Entered = {RoadSet::Calculation};
        if (data.Entered >= RoadStep{RoadSet::Equilibrium})
            settleEquilibrium(data, declared);
        sortTables(data, !IsEveryDataSetTyped(data));
    } catch (const Refusal &refusal) {
        return {false, refusal.message, false, refusal.russian};
    }

    const RoadStep next = StepToEnter(data, {});
    const QString unfinishedProblem = QStringLiteral("unfinished problem: ");
    if (next.set != RoadSet::Calculation && next <= data.Entered)
        return {false,
                (unfinished ? unfinishedProblem : QString()) + checkFailure(data, next, declared.has_value()),
                true,
                {}};
    if (next.set != RoadSet::Calculation)
        return {false,
                unfinishedProblem + missingStepKey(data, next) + QStringLiteral(" not typed yet"),
                true,
                {}};
    return {true, {}, true, {}};
}

namespace {

// Far beyond any problem file; a file this large is something else.
constexpr qint64 LargestProblemFile = 1 << 20;

ProblemFileResult unreadable(const QString &path, const QString &reason, const QString &russianReason)
{
    return {false, QStringLiteral("%1: cannot be read (%2)").arg(path, reason), false,
            QStringLiteral("файл не читается: %1").arg(russianReason)};
}

} // namespace

ProblemFileResult LoadProblemFile(const QString &path, ProblemData &data)
{
    const QFileInfo info(path);
    if (info.isDir())
        return unreadable(path, QStringLiteral("a folder"), QStringLiteral("это папка, а не файл"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(path, file.errorString(),
                          info.exists() ? QStringLiteral("нет права читать его")
                                        : QStringLiteral("такого файла нет"));
    if (file.size() > LargestProblemFile)
        return unreadable(path, QStringLiteral("%1 bytes, too large for a problem file").arg(file.size()),
                          QStringLiteral("он слишком велик для файла задачи (%1 байт)").arg(file.size()));
    return LoadProblem(file.readAll(), data);
}
