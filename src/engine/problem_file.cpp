#include "problem_file.h"

#include "engine/equilibrium_table.h"
#include "engine/feed_checks.h"
#include "engine/thermal_tables.h"
#include "model/text.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <span>

namespace {

// Thrown while reading: the file cannot be calculated, for the reason given.
struct Refusal {
    QString message;
};

[[noreturn]] void refuse(const QString &key, const QString &reason)
{
    throw Refusal{key + QStringLiteral(": ") + reason};
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

QString typeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("true/false");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("a text");
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("nothing");
}

[[noreturn]] void refuseType(const Key &key, const char *expected, const QJsonValue &found)
{
    refuse(key.text(), QStringLiteral("%1 expected, found %2").arg(QLatin1String(expected), typeName(found)));
}

QJsonValue required(const QJsonObject &object, const Key &key)
{
    const auto found = object.constFind(key.name);
    if (found == object.constEnd())
        refuse(key.text(), QStringLiteral("missing"));
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
            refuse(prefix + member.key(), QStringLiteral("unknown key"));
        }
    }
}

QJsonObject objectAt(const QJsonValue &value, const Key &key)
{
    if (!value.isObject())
        refuseType(key, "an object", value);
    return value.toObject();
}

QString textAt(const QJsonValue &value, const Key &key)
{
    if (!value.isString())
        refuseType(key, "a text", value);
    return value.toString();
}

QJsonArray countedArray(const QJsonValue &value, const Key &key, int least, int most, const char *one,
                        const char *many)
{
    if (!value.isArray())
        refuseType(key, "an array", value);
    const QJsonArray array = value.toArray();
    const qsizetype count = array.size();
    if (count < least || count > most) {
        const QString found = QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
        const QString expected =
            least == most ? QString::number(least) : QStringLiteral("%1..%2").arg(least).arg(most);
        refuse(key.text(), QStringLiteral("%1, %2 expected").arg(found, expected));
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
    const QJsonArray points = countedArray(value, key, least, most, "point", "points");
    for (qsizetype p = 0; p < points.size(); ++p) {
        const Key pointKey = key[p];
        const QJsonArray row = countedArray(points[p], pointKey, Columns, Columns, "value", "values");
        std::array<Answer, Columns> answers;
        for (int c = 0; c < Columns; ++c)
            answers[c] = pointAnswerAt(row[c], pointKey[c]);
        store(int(p) + 1, answers);
    }
    return int(points.size());
}

// A single typed value that its prompt asks again until it lies in its range;
// a file cannot be asked again, so it is refused.
Answer rangedAnswer(const QJsonValue &value, const Key &key, float low, float high, const char *range)
{
    const Answer answer = answerAt(value, key);
    if (!HasLeadingNumber(answer.text) || answer.number < low || answer.number > high)
        refuse(key.text(), QStringLiteral("%1, %2 expected").arg(answer.text, QLatin1String(range)));
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

// --- feed parameters ---------------------------------------------------

std::span<const int> feedParameters(int condition)
{
    return FeedParameterElements(condition);
}

QLatin1String feedSymbol(int element)
{
    switch (element) {
    case FeedMA:
        return QLatin1String("MA");
    case FeedMB:
        return QLatin1String("MB");
    case FeedFv:
        return QLatin1String("Fv");
    case FeedFl:
        return QLatin1String("Fl");
    case FeedXFv:
        return QLatin1String("xFv");
    case FeedXFl:
        return QLatin1String("xFl");
    case FeedTv:
        return QLatin1String("Tv");
    case FeedTl:
        return QLatin1String("Tl");
    case FeedXD:
        return QLatin1String("xD");
    case FeedXW:
        return QLatin1String("xW");
    case FeedR:
        return QLatin1String("R");
    }
    return QLatin1String();
}

// The element of parameter number (1-based, in prompt order), 0 for none.
int parameterElement(int condition, int number)
{
    const std::span<const int> parameters = feedParameters(condition);
    if (number < 1 || std::size_t(number) > parameters.size())
        return 0;
    return parameters[number - 1];
}

// --- reading: the answers of the prompts, in the order of the road ---------

// What the student declares with "СИСТЕМА АЗЕОТРОПНА", used only when the
// detection finds nothing.
using DeclaredAzeotrope = std::optional<QString>;

void readIdentity(const QJsonObject &root, ProblemData &data)
{
    const Key studentKey{nullptr, QLatin1String("student")};
    data.Names[1] = ProperCase(textAt(required(root, studentKey), studentKey));
    const Key componentsKey{nullptr, QLatin1String("components")};
    const QJsonArray components =
        countedArray(required(root, componentsKey), componentsKey, 2, 2, "name", "names");
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
        refuseType(conditionKey, "a number", condition);
    const double number = condition.toDouble();
    if (number != 0 && number != 1 && number != 2 && number != 3)
        refuse(conditionKey.text(), QStringLiteral("%1, 0..3 expected").arg(number));
    data.Feed.Condition = int(number);

    const Key valuesKey = key / QLatin1String("values");
    const QJsonObject values = objectAt(required(feed, valuesKey), valuesKey);
    const std::span<const int> parameters = feedParameters(data.Feed.Condition);
    for (auto value = values.constBegin(); value != values.constEnd(); ++value) {
        const bool asked = std::any_of(parameters.begin(), parameters.end(),
                                       [&](int element) { return feedSymbol(element) == value.key(); });
        if (!asked)
            refuse(valuesKey.text() + u'.' + value.key(),
                   QStringLiteral("not a parameter of feed condition %1").arg(data.Feed.Condition));
    }
    for (std::size_t n = 0; n < parameters.size(); ++n) {
        const int element = parameters[n];
        const Key symbolKey = valuesKey / feedSymbol(element);
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
    const Answer temperature =
        rangedAnswer(required(mixing, temperatureKey), temperatureKey, -273.0f, 400.0f, "-273..400");
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

// Two tables, more then less volatile component, of T and one property.
template <typename Store>
void readComponentTables(const QJsonValue &value, const Key &key, int (&counts)[MaxComponents + 1],
                         Store store)
{
    const QJsonArray tables = countedArray(value, key, MaxComponents, MaxComponents, "table", "tables");
    for (int k = 1; k <= MaxComponents; ++k) {
        const Key tableKey = key[k - 1];
        counts[k] = readPoints<2>(tables[k - 1], tableKey, 1, MaxPoints,
                                  [&](int i, const std::array<Answer, 2> &point) { store(k, i, point); });
    }
}

void readVaporHeatCapacity(const QJsonObject &root, ProblemData &data)
{
    const Key key{nullptr, QLatin1String("vapour_heat_capacity")};
    const QJsonValue value = root.value(key.name);
    VaporHeatCapacityTable &table = data.VaporHeatCapacity;
    table.Present = !isAbsent(value);
    if (!table.Present)
        return;
    readComponentTables(value, key, table.N, [&table](int k, int i, const std::array<Answer, 2> &point) {
        table.TText[k][i] = point[0].text;
        table.T[k][i] = point[0].number;
        table.CText[k][i] = point[1].text;
        table.C[k][i] = point[1].number;
    });
}

void readVaporizationHeat(const QJsonObject &root, ProblemData &data)
{
    const Key key{nullptr, QLatin1String("vaporization_heat")};
    VaporizationHeatTable &table = data.VaporizationHeat;
    readComponentTables(required(root, key), key, table.N,
                        [&table](int k, int i, const std::array<Answer, 2> &point) {
                            table.TText[k][i] = point[0].text;
                            table.T[k][i] = point[0].number;
                            table.RText[k][i] = point[1].text;
                            table.R[k][i] = point[1].number;
                        });
}

void readSolutionHeatCapacity(const QJsonObject &root, ProblemData &data)
{
    const Key key{nullptr, QLatin1String("solution_heat_capacity")};
    const QJsonArray temperatures =
        countedArray(required(root, key), key, 1, MaxTemperatures, "temperature", "temperatures");
    SolutionHeatCapacitySet &set = data.SolutionHeatCapacity;
    for (int j = 1; j <= int(temperatures.size()); ++j) {
        const Key entryKey = key[j - 1];
        const QJsonObject entry = objectAt(temperatures[j - 1], entryKey);
        onlyKnownKeys(entry, &entryKey, {QLatin1String("temperature"), QLatin1String("points")});

        const Key temperatureKey = entryKey / QLatin1String("temperature");
        const Answer temperature =
            rangedAnswer(required(entry, temperatureKey), temperatureKey, -273.15f, 400.0f, "-273.15..400");
        set.TText[j] = temperature.text;
        set.T[j] = temperature.number;

        const Key pointsKey = entryKey / QLatin1String("points");
        set.N[j] = readPoints<2>(required(entry, pointsKey), pointsKey, 2, MaxPoints,
                                 [&set, j](int i, const std::array<Answer, 2> &point) {
                                     set.XText[j][i] = point[0].text;
                                     set.X[j][i] = point[0].number;
                                     set.CText[j][i] = point[1].text;
                                     set.C[j][i] = point[1].number;
                                 });
    }
    set.NT = int(temperatures.size());
}

// --- settling: what the screens do once a data set is typed in -------------

void settleEquilibrium(ProblemData &data, const DeclaredAzeotrope &declared)
{
    EquilibriumTable &table = data.Equilibrium;
    SortEquilibriumTable(data);
    if (!DetectAzeotrope(data) && declared) {
        const QString text = NormalizeDecimal(*declared);
        const float composition = StoredNumber(text);
        if (!(composition > 0.0f && composition < 1.0f))
            refuse(QStringLiteral("equilibrium.azeotrope"),
                   QStringLiteral("%1, a mole fraction between 0 and 1 (both excluded) expected").arg(text));
        table.Azeotropic = true;
        table.AzeotropeXText = text;
        table.AzeotropeX = composition;
    }

    // The control table reads the numbers back from the texts, so that a
    // value the sort marked "???" counts as 0 like a rejected one.
    for (int i = 1; i <= table.N; ++i) {
        table.X[i] = StoredNumber(table.XText[i]);
        table.Y[i] = StoredNumber(table.YText[i]);
        table.T[i] = StoredNumber(table.TText[i]);
    }

    const int bad = CheckEquilibriumTable(data);
    if (bad == 0)
        return;
    if (bad > table.N)
        refuse(declared ? QStringLiteral("equilibrium.azeotrope") : QStringLiteral("equilibrium.points"),
               QStringLiteral("the azeotrope composition %1 fails the check").arg(table.AzeotropeXText));
    refuse(QStringLiteral("equilibrium.points"),
           QStringLiteral("point %1 fails the check (X[%1] = %2, Y[%1] = %3, T[%1] = %4)")
               .arg(QString::number(bad), table.XText[bad], table.YText[bad], table.TText[bad]));
}

void settleFeed(ProblemData &data)
{
    const int bad = CheckFeed(data);
    if (bad == 0)
        return;
    const int element = parameterElement(data.Feed.Condition, bad);
    if (element == 0)
        refuse(QStringLiteral("feed.values"), QStringLiteral("parameter %1 fails the check").arg(bad));
    const QLatin1String symbol = feedSymbol(element);
    refuse(QStringLiteral("feed.values.") + symbol,
           QStringLiteral("parameter %1 fails the check (%2 = %3)")
               .arg(QString::number(bad), symbol, data.Feed.Text[element]));
}

QString componentKey(const char *key, int k)
{
    return QStringLiteral("%1[%2] (%3 volatile component)")
        .arg(QLatin1String(key))
        .arg(k - 1)
        .arg(k == 1 ? QLatin1String("more") : QLatin1String("less"));
}

void settleThermalTables(ProblemData &data)
{
    if (data.MixingHeat.Present) {
        const MixingHeatTable &table = data.MixingHeat;
        SortMixingHeatTable(data);
        if (const int bad = CheckMixingHeatTable(data))
            refuse(QStringLiteral("mixing_heat.points"),
                   faultyPoint(bad, "X", table.XText[bad], "DH", table.DHText[bad]));
    }
    if (data.VaporHeatCapacity.Present) {
        const VaporHeatCapacityTable &table = data.VaporHeatCapacity;
        for (int k = 1; k <= MaxComponents; ++k) {
            SortVaporHeatCapacityTable(data, k);
            if (const int bad = CheckVaporHeatCapacityTable(data, k))
                refuse(componentKey("vapour_heat_capacity", k),
                       faultyPoint(bad, "T", table.TText[k][bad], "C", table.CText[k][bad]));
        }
    }
    const VaporizationHeatTable &vaporization = data.VaporizationHeat;
    for (int k = 1; k <= MaxComponents; ++k) {
        SortVaporizationHeatTable(data, k);
        if (const int bad = CheckVaporizationHeatTable(data, k))
            refuse(componentKey("vaporization_heat", k),
                   faultyPoint(bad, "T", vaporization.TText[k][bad], "R", vaporization.RText[k][bad]));
    }
    // The temperatures are ordered before their tables are taken, each table
    // moving with its temperature; the tables are then checked in that order.
    const SolutionHeatCapacitySet &set = data.SolutionHeatCapacity;
    SortSolutionTemperatures(data);
    for (int j = 1; j <= set.NT; ++j) {
        SortSolutionHeatCapacityTable(data, j);
        if (const int bad = CheckSolutionHeatCapacityTable(data, j))
            refuse(QStringLiteral("solution_heat_capacity (temperature %1)").arg(set.TText[j]),
                   faultyPoint(bad, "X", set.XText[j][bad], "C", set.CText[j][bad]));
    }
}

QString jsonErrorMessage(const QByteArray &json, const QJsonParseError &error)
{
    const QByteArray before = json.left(error.offset);
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = before.size() - (before.lastIndexOf('\n') + 1) + 1;
    return QStringLiteral("not valid JSON: %1 at line %2, column %3")
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
        return {false, jsonErrorMessage(json, parseError)};
    if (!document.isObject())
        return {false, QStringLiteral("problem file: a JSON object expected")};

    try {
        const QJsonObject root = document.object();
        onlyKnownKeys(root, nullptr,
                      {QLatin1String("student"), QLatin1String("components"), QLatin1String("equilibrium"),
                       QLatin1String("feed"), QLatin1String("mixing_heat"),
                       QLatin1String("vapour_heat_capacity"), QLatin1String("vaporization_heat"),
                       QLatin1String("solution_heat_capacity")});
        // Every key is read before any data set is checked, so that a broken
        // file is refused as such rather than for its first faulty point.
        readIdentity(root, data);
        const DeclaredAzeotrope declared = readEquilibrium(root, data);
        readFeed(root, data);
        readMixingHeat(root, data);
        readVaporHeatCapacity(root, data);
        readVaporizationHeat(root, data);
        readSolutionHeatCapacity(root, data);

        settleEquilibrium(data, declared);
        settleFeed(data);
        settleThermalTables(data);
    } catch (const Refusal &refusal) {
        return {false, refusal.message};
    }
    return {true, {}};
}

ProblemFileResult LoadProblemFile(const QString &path, ProblemData &data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, QStringLiteral("%1: cannot be read (%2)").arg(path, file.errorString())};
    return LoadProblem(file.readAll(), data);
}
