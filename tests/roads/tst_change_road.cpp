#include "student_road.h"

// After a first calculation the student changes data sets from the
// change-data menu and calculates again; the results window must then show
// what batch mode computes for the problem file with the same changes.

namespace {

const QString Menu = QStringLiteral("Form24");

// One change a student makes through the change-data menu.
struct Change {
    enum Kind {
        EquilibriumCell,              // sub: column 1 X, 2 Y, 3 T; point: row
        EquilibriumAnew,              // data: the new points
        FeedValue,                    // point: parameter in prompt order
        FeedCondition,                // sub: the new condition; data: its values
        MixingPoint,                  // point, typed X and DH
        MixingTemperature,            // typed temperature
        VapourPoint,                  // sub: component; point, typed T and C
        VaporizationPoint,            // sub: component; point, typed T and R
        SolutionPoint,                // sub: temperature; point, typed X and C
        SolutionTemperature,          // data: {temperature, points} of an added temperature
        MixingAnew,                   // data: the heats of mixing of a problem without them
        VapourAnew,                   // data: both vapour heat-capacity tables
        EquilibriumAdded,             // typed X, Y, T of a new point
        EquilibriumRemoved,           // point
        ThermalAdded,                 // sub: the menu button of the table; typed argument and value
        ThermalRemoved,               // sub: the menu button of the table; point
        SolutionTemperatureCorrected, // sub: temperature; typed temperature
        SolutionTemperatureRemoved,   // sub: temperature
        EquilibriumMistake,           // sub: column; point; typed the faulty value, then the right one
        FeedConditionMistake, // sub: the new condition; data: its values; typed: symbol and faulty value
    };
    Kind kind;
    int sub = 0;
    int point = 0;
    QStringList typed;
    QJsonValue data;
};

QJsonArray Pairs(const QList<QStringList> &rows)
{
    QJsonArray pairs;
    for (const QStringList &row : rows)
        pairs.append(QJsonArray::fromStringList(row));
    return pairs;
}

// The values typed over a point of the file; a cancelled prompt (a null
// text) keeps the value it would have corrected.
QJsonArray TypedOver(const QJsonValue &point, const QStringList &typed)
{
    QJsonArray values = point.toArray();
    for (int k = 0; k < typed.size(); ++k)
        if (!typed[k].isNull())
            values[k] = typed[k];
    return values;
}

// Replaces element `index` of the array under `key`.
void ReplaceIn(QJsonObject &object, const QString &key, int index, const QJsonValue &value)
{
    QJsonArray array = object[key].toArray();
    array[index] = value;
    object[key] = array;
}

// Replaces row `row` of table `table` of the array under `key`.
void ReplaceRow(QJsonObject &file, const QString &key, int table, int row, const QJsonValue &value)
{
    QJsonArray tables = file[key].toArray();
    QJsonArray rows = tables[table].toArray();
    rows[row] = value;
    tables[table] = rows;
    file[key] = tables;
}

// The key and table number of the thermal table a menu button opens.
struct ThermalTable {
    QString form, key;
    int table; // -1: the points of an object
};

ThermalTable ThermalTableOf(int menuButton)
{
    if (menuButton == 3)
        return {QStringLiteral("Form32"), QStringLiteral("mixing_heat"), -1};
    if (menuButton <= 5)
        return {QStringLiteral("Form36"), QStringLiteral("vapour_heat_capacity"), menuButton - 4};
    return {QStringLiteral("Form39"), QStringLiteral("vaporization_heat"), menuButton - 6};
}

template <typename Edit> void EditThermalTable(QJsonObject &file, int menuButton, Edit edit)
{
    const ThermalTable t = ThermalTableOf(menuButton);
    if (t.table < 0) {
        QJsonObject mixing = file[t.key].toObject();
        QJsonArray points = mixing[u"points"].toArray();
        edit(points);
        mixing[u"points"] = points;
        file[t.key] = mixing;
        return;
    }
    QJsonArray tables = file[t.key].toArray();
    QJsonArray points = tables[t.table].toArray();
    edit(points);
    tables[t.table] = points;
    file[t.key] = tables;
}

template <typename Edit> void EditEquilibrium(QJsonObject &file, Edit edit)
{
    QJsonObject equilibrium = file[u"equilibrium"].toObject();
    QJsonArray points = equilibrium[u"points"].toArray();
    edit(points);
    equilibrium[u"points"] = points;
    file[u"equilibrium"] = equilibrium;
}

// The same change made to a problem file, for batch mode. The example
// tables are typed in ascending order, so a point's row on the screens is its
// place in the file.
void Apply(QJsonObject &file, const Change &c)
{
    switch (c.kind) {
    case Change::EquilibriumCell: {
        QJsonObject equilibrium = file[u"equilibrium"].toObject();
        QJsonArray points = equilibrium[u"points"].toArray();
        QJsonArray point = points[c.point - 1].toArray();
        point[c.sub - 1] = c.typed[0];
        points[c.point - 1] = point;
        equilibrium[u"points"] = points;
        file[u"equilibrium"] = equilibrium;
        break;
    }
    case Change::EquilibriumAnew: {
        QJsonObject equilibrium = file[u"equilibrium"].toObject();
        equilibrium[u"points"] = c.data;
        file[u"equilibrium"] = equilibrium;
        break;
    }
    case Change::FeedValue: {
        QJsonObject feed = file[u"feed"].toObject();
        QJsonObject values = feed[u"values"].toObject();
        if (!c.typed[0].isNull())
            values[road::FeedSymbols(feed[u"condition"].toInt())[c.point - 1]] = c.typed[0];
        feed[u"values"] = values;
        file[u"feed"] = feed;
        break;
    }
    case Change::FeedCondition:
        file[u"feed"] = QJsonObject{{"condition", c.sub}, {"values", c.data}};
        break;
    case Change::MixingPoint: {
        QJsonObject mixing = file[u"mixing_heat"].toObject();
        ReplaceIn(mixing, QStringLiteral("points"), c.point - 1,
                  TypedOver(mixing[u"points"][c.point - 1], c.typed));
        file[u"mixing_heat"] = mixing;
        break;
    }
    case Change::MixingTemperature: {
        QJsonObject mixing = file[u"mixing_heat"].toObject();
        if (!c.typed[0].isNull())
            mixing[u"temperature"] = c.typed[0];
        file[u"mixing_heat"] = mixing;
        break;
    }
    case Change::VapourPoint:
        ReplaceRow(file, QStringLiteral("vapour_heat_capacity"), c.sub - 1, c.point - 1,
                   TypedOver(file[u"vapour_heat_capacity"][c.sub - 1][c.point - 1], c.typed));
        break;
    case Change::VaporizationPoint:
        ReplaceRow(file, QStringLiteral("vaporization_heat"), c.sub - 1, c.point - 1,
                   TypedOver(file[u"vaporization_heat"][c.sub - 1][c.point - 1], c.typed));
        break;
    case Change::SolutionPoint: {
        QJsonArray tables = file[u"solution_heat_capacity"].toArray();
        QJsonObject table = tables[c.sub - 1].toObject();
        ReplaceIn(table, QStringLiteral("points"), c.point - 1,
                  TypedOver(table[u"points"][c.point - 1], c.typed));
        tables[c.sub - 1] = table;
        file[u"solution_heat_capacity"] = tables;
        break;
    }
    case Change::SolutionTemperature: {
        QJsonArray tables = file[u"solution_heat_capacity"].toArray();
        tables.append(c.data);
        file[u"solution_heat_capacity"] = tables;
        break;
    }
    case Change::MixingAnew:
        file[u"mixing_heat"] = c.data;
        break;
    case Change::VapourAnew:
        file[u"vapour_heat_capacity"] = c.data;
        break;
    case Change::EquilibriumMistake:
        Apply(file, Change{Change::EquilibriumCell, c.sub, c.point, {c.typed[1]}, {}});
        break;
    case Change::FeedConditionMistake:
        Apply(file, {Change::FeedCondition, c.sub, 0, {}, c.data});
        break;
    case Change::EquilibriumAdded:
        EditEquilibrium(file,
                        [&c](QJsonArray &points) { points.append(QJsonArray::fromStringList(c.typed)); });
        break;
    case Change::EquilibriumRemoved:
        EditEquilibrium(file, [&c](QJsonArray &points) { points.removeAt(c.point - 1); });
        break;
    case Change::ThermalAdded:
        EditThermalTable(file, c.sub,
                         [&c](QJsonArray &points) { points.append(QJsonArray::fromStringList(c.typed)); });
        break;
    case Change::ThermalRemoved:
        EditThermalTable(file, c.sub, [&c](QJsonArray &points) { points.removeAt(c.point - 1); });
        break;
    case Change::SolutionTemperatureCorrected: {
        QJsonArray tables = file[u"solution_heat_capacity"].toArray();
        QJsonObject table = tables[c.sub - 1].toObject();
        if (!c.typed[0].isNull())
            table[u"temperature"] = c.typed[0];
        tables[c.sub - 1] = table;
        file[u"solution_heat_capacity"] = tables;
        break;
    }
    case Change::SolutionTemperatureRemoved: {
        QJsonArray tables = file[u"solution_heat_capacity"].toArray();
        tables.removeAt(c.sub - 1);
        file[u"solution_heat_capacity"] = tables;
        break;
    }
    }
}

// Makes the change on the screens, from the change-data menu back to it.
road::Stop Walk(ScriptedPlatform &p, const Change &c)
{
    using road::Click;
    using road::ClickRow;
    const auto stop = [](const char *where) { return QString::fromUtf8(where); };
    switch (c.kind) {
    case Change::EquilibriumCell:
        if (!Click(Menu, 1) || !Click(QStringLiteral("Form25"), 6))
            return stop("equilibrium editor");
        if (!road::TypeIntoCell(QStringLiteral("Form25"), c.sub, c.point, c.typed[0]))
            return stop("equilibrium cell");
        if (!Click(QStringLiteral("Form25"), 1))
            return stop("equilibrium end of changes");
        break;
    case Change::EquilibriumAnew:
        p.answers(road::TableAnswers(c.data.toArray()));
        if (!Click(Menu, 1) || !Click(QStringLiteral("Form25"), 7))
            return stop("equilibrium typed anew");
        if (road::Button(QStringLiteral("Form26"), 5) &&
            road::Button(QStringLiteral("Form26"), 5)->isVisible())
            Click(QStringLiteral("Form26"), 5);
        if (!Click(QStringLiteral("Form26"), 1) || !Click(QStringLiteral("Form25"), 1))
            return stop("new equilibrium table accepted");
        break;
    case Change::FeedValue:
        p.answer(c.typed[0]);
        if (!Click(Menu, 2) || !Click(QStringLiteral("Form29"), 3 + problem().Feed.Condition))
            return stop("feed correction");
        // The list names each parameter by its prompt, whatever a printed
        // report did to the labels.
        if (road::Rows(QStringLiteral("Form30")).value(c.point - 1) !=
            FeedLine(FeedPrompt(problem().Feed.Condition, c.point),
                     problem().Feed.Text[FeedParameterElement(problem().Feed.Condition, c.point)]))
            return stop("feed correction list");
        if (!ClickRow(QStringLiteral("Form30"), QStringLiteral("List1"), c.point - 1) ||
            !Click(QStringLiteral("Form30"), 3))
            return stop("feed value");
        break;
    case Change::FeedCondition:
        for (const QString &symbol : road::FeedSymbols(c.sub))
            p.answer(c.data[symbol].toString());
        if (!Click(Menu, 2) || !Click(QStringLiteral("Form29"), 3 + c.sub) ||
            !Click(QStringLiteral("Form30"), 1))
            return stop("new feed condition");
        break;
    case Change::MixingPoint:
    case Change::MixingTemperature:
        p.answers(c.typed);
        if (!Click(Menu, 3) ||
            !ClickRow(QStringLiteral("Form32"), QStringLiteral("List1"),
                      c.kind == Change::MixingTemperature ? 0 : c.point) ||
            !Click(QStringLiteral("Form32"), 5))
            return stop("heats of mixing");
        break;
    case Change::VapourPoint:
        p.answers(c.typed);
        if (!Click(Menu, 3 + c.sub) ||
            !ClickRow(QStringLiteral("Form36"), QStringLiteral("List1"), c.point - 1) ||
            !Click(QStringLiteral("Form36"), 5))
            return stop("vapour heat capacities");
        break;
    case Change::VaporizationPoint:
        p.answers(c.typed);
        if (!Click(Menu, 5 + c.sub) ||
            !ClickRow(QStringLiteral("Form39"), QStringLiteral("List1"), c.point - 1) ||
            !Click(QStringLiteral("Form39"), 5))
            return stop("heats of vaporization");
        break;
    case Change::SolutionPoint:
        p.answers(c.typed);
        if (!Click(Menu, 8) || !Click(QStringLiteral("Form42"), 2) ||
            !Click(QStringLiteral("Form47"), QStringLiteral("Command1(%1)").arg(c.sub - 1)) ||
            !ClickRow(QStringLiteral("Form47"), QStringLiteral("List1"), c.point) ||
            !Click(QStringLiteral("Form47"), 5))
            return stop("solution heat capacities");
        break;
    case Change::SolutionTemperature:
        p.answer(c.data[u"temperature"].toString()).answers(road::TableAnswers(c.data[u"points"].toArray()));
        if (!Click(Menu, 8) || !Click(QStringLiteral("Form42"), 1) || !Click(QStringLiteral("Form42"), 3) ||
            !Click(QStringLiteral("Form44"), 3))
            return stop("added solution temperature");
        break;
    case Change::MixingAnew:
        p.answer(c.data[u"temperature"].toString()).answers(road::TableAnswers(c.data[u"points"].toArray()));
        if (!Click(Menu, 3) || !Click(QStringLiteral("Form32"), 3))
            return stop("heats of mixing entered anew");
        break;
    case Change::EquilibriumMistake:
        // The faulty table is sent back from the control table to the editor.
        if (!Click(Menu, 1) || !Click(QStringLiteral("Form25"), 6) ||
            !road::TypeIntoCell(QStringLiteral("Form25"), c.sub, c.point, c.typed[0]) ||
            !Click(QStringLiteral("Form25"), 1))
            return stop("faulty equilibrium correction");
        if (!Click(QStringLiteral("Form26"), 2) ||
            !road::TypeIntoCell(QStringLiteral("Form25"), c.sub, c.point, c.typed[1]) ||
            !Click(QStringLiteral("Form25"), 1))
            return stop("equilibrium corrected again");
        break;
    case Change::FeedConditionMistake: {
        for (const QString &symbol : road::FeedSymbols(c.sub))
            p.answer(symbol == c.typed[0] ? c.typed[1] : c.data[symbol].toString());
        if (!Click(Menu, 2) || !Click(QStringLiteral("Form29"), 3 + c.sub))
            return stop("new feed condition");
        p.yes();
        if (!Click(QStringLiteral("Form30"), 1))
            return stop("faulty feed refused");
        p.answer(c.data[c.typed[0]].toString());
        const int row = int(road::FeedSymbols(c.sub).indexOf(c.typed[0]));
        if (!ClickRow(QStringLiteral("Form30"), QStringLiteral("List1"), row) ||
            !Click(QStringLiteral("Form30"), 3))
            return stop("faulty feed corrected");
        break;
    }
    case Change::EquilibriumAdded:
        p.answers(c.typed);
        if (!Click(Menu, 1) || !Click(QStringLiteral("Form25"), 6) || !Click(QStringLiteral("Form25"), 3) ||
            !Click(QStringLiteral("Form25"), 1))
            return stop("equilibrium point added");
        break;
    case Change::EquilibriumRemoved: {
        if (!Click(Menu, 1) || !Click(QStringLiteral("Form25"), 6) || !Click(QStringLiteral("Form25"), 4))
            return stop("equilibrium removal");
        p.yes();
        FormBase *editor = FindForm(QStringLiteral("Form25"));
        QTest::mouseClick(editor, Qt::LeftButton, {}, EditorTable::cell(1, c.point).center());
        if (!Click(QStringLiteral("Form25"), 1))
            return stop("equilibrium point removed");
        break;
    }
    case Change::ThermalAdded:
    case Change::ThermalRemoved: {
        const ThermalTable t = ThermalTableOf(c.sub);
        if (!Click(Menu, c.sub))
            return stop("thermal table");
        if (c.kind == Change::ThermalAdded) {
            p.answers(c.typed);
            if (!ClickRow(t.form, QStringLiteral("List1"),
                          road::RowWith(t.form, QStringLiteral("Увеличение"))))
                return stop("thermal point added");
        } else {
            p.yes();
            if (!ClickRow(t.form, QStringLiteral("List1"),
                          road::RowWith(t.form, QStringLiteral("Уменьшение"))) ||
                !ClickRow(t.form, QStringLiteral("List2"), c.point - 1))
                return stop("thermal point removed");
        }
        if (!Click(t.form, 5))
            return stop("thermal end of corrections");
        break;
    }
    case Change::SolutionTemperatureCorrected:
        p.answers(c.typed);
        if (!Click(Menu, 8) || !Click(QStringLiteral("Form42"), 2) ||
            !Click(QStringLiteral("Form47"), QStringLiteral("Command1(%1)").arg(c.sub - 1)) ||
            !ClickRow(QStringLiteral("Form47"), QStringLiteral("List1"), 0) ||
            !Click(QStringLiteral("Form47"), 5))
            return stop("solution temperature corrected");
        break;
    case Change::SolutionTemperatureRemoved:
        p.yes();
        if (!Click(Menu, 8) || !Click(QStringLiteral("Form42"), 1) || !Click(QStringLiteral("Form42"), 4) ||
            !ClickRow(QStringLiteral("Form42"), QStringLiteral("List1"), c.sub - 1))
            return stop("solution temperature removed");
        break;
    case Change::VapourAnew:
        p.answers(road::TableAnswers(c.data[0].toArray()));
        // Either component's button enters both tables.
        if (!Click(Menu, c.sub == 0 ? 4 : c.sub))
            return stop("vapour heat capacities entered anew");
        p.answers(road::TableAnswers(c.data[1].toArray()));
        if (!Click(QStringLiteral("Form36"), 3) || !Click(QStringLiteral("Form36"), 3))
            return stop("vapour heat capacities accepted");
        break;
    }
    FormBase *menu = FindForm(Menu);
    if (!menu || !menu->isVisible() || LoadedForms().size() != 1)
        return stop("back on the change-data menu");
    return {};
}

QJsonObject Example(const char *name)
{
    return road::ReadExample(QString::fromUtf8(name));
}

QJsonObject WithoutOptionalData(QJsonObject file)
{
    file[u"mixing_heat"] = QJsonValue::Null;
    file[u"vapour_heat_capacity"] = QJsonValue::Null;
    return file;
}

Change Point(Change::Kind kind, int sub, int point, const QStringList &typed)
{
    return {kind, sub, point, typed, {}};
}

Change Feed(int condition, const QJsonObject &values)
{
    return {Change::FeedCondition, condition, 0, {}, values};
}

const QJsonObject VapourFeedValues{{"MA", "78.11"}, {"MB", "92.14"}, {"Fv", "2.5"},  {"xFv", "0.4"},
                                   {"Tv", "115"},   {"xD", "0.97"},  {"xW", "0.02"}, {"R", "3"}};
const QJsonObject MixtureFeedValues{{"MA", "78.11"}, {"MB", "92.14"}, {"Fv", "1"},   {"Fl", "1,5"},
                                    {"xFv", "0.5"},  {"xFl", "0.35"}, {"Tv", "110"}, {"Tl", "90"},
                                    {"xD", "0.97"},  {"xW", "0.02"},  {"R", "3"}};
const QJsonObject LiquidFeedValues{{"MA", "78.11"}, {"MB", "92.14"}, {"Fl", "2.5"},  {"xFl", "0.4"},
                                   {"Tl", "20"},    {"xD", "0.97"},  {"xW", "0.02"}, {"R", "3"}};

// Benzene and toluene measured again, typed in another order.
const QJsonArray RemeasuredCurve = Pairs({{"1", "1", "80.1"},
                                          {"0", "0", "110.6"},
                                          {"0.1", "0.21", "106"},
                                          {"0.2", "0.37", "102.3"},
                                          {"0.3", "0.5", "98.7"},
                                          {"0.4", "0.62", "95.3"},
                                          {"0.5", "0.71", "92.2"},
                                          {"0.6", "0.79", "89.5"},
                                          {"0.7", "0.85", "86.9"},
                                          {"0.8", "0.91", "84.5"},
                                          {"0.9", "0.96", "82.3"}});

const QJsonObject MixingHeats{
    {"temperature", "20"},
    {"points", Pairs({{"0", "0"}, {"0.25", "60"}, {"0.5", "80"}, {"0.75", "62"}, {"1", "0"}})}};

const QJsonArray VapourCapacities{Pairs({{"25", "1.05"}, {"125", "1.45"}, {"225", "1.78"}}),
                                  Pairs({{"225", "1.86"}, {"25", "1.12"}})};

const QJsonObject HotSolution{{"temperature", "140"}, {"points", Pairs({{"0", "195"}, {"1", "166"}})}};

} // namespace

Q_DECLARE_METATYPE(Change)

class ChangeRoadTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { DisposeAllForms(); }

    void changedDataShowTheBatchResults_data()
    {
        QTest::addColumn<QJsonObject>("file");
        QTest::addColumn<QList<Change>>("changes");
        QTest::addColumn<bool>("resultsChange");
        const QJsonObject benzene = Example("benzene-toluene.json");
        const QJsonObject declined = WithoutOptionalData(benzene);

        QTest::newRow("equilibrium: Y of point 5 corrected in the editor")
            << benzene << QList<Change>{Point(Change::EquilibriumCell, 2, 5, {"0,53"})} << true;
        QTest::newRow("equilibrium: T of point 8 corrected in the editor")
            << benzene << QList<Change>{Point(Change::EquilibriumCell, 3, 8, {"89.9"})} << false;
        QTest::newRow("equilibrium: typed anew")
            << benzene << QList<Change>{{Change::EquilibriumAnew, 0, 0, {}, RemeasuredCurve}} << true;
        QTest::newRow("feed: reflux ratio")
            << benzene << QList<Change>{Point(Change::FeedValue, 0, 7, {"2,5"})} << true;
        QTest::newRow("feed: distillate composition")
            << benzene << QList<Change>{Point(Change::FeedValue, 0, 5, {"0.95"})} << true;
        QTest::newRow("feed: vapour") << benzene << QList<Change>{Feed(1, VapourFeedValues)} << true;
        QTest::newRow("feed: vapour-liquid mixture")
            << benzene << QList<Change>{Feed(2, MixtureFeedValues)} << true;
        QTest::newRow("feed: cold liquid") << benzene << QList<Change>{Feed(3, LiquidFeedValues)} << true;
        QTest::newRow("feed: back to the boiling liquid")
            << Example("methanol-water-vapour-feed.json")
            << QList<Change>{Feed(0, QJsonObject{{"MA", "32.04"},
                                                 {"MB", "18.02"},
                                                 {"Fl", "1.5"},
                                                 {"xFl", "0.5"},
                                                 {"xD", "0.98"},
                                                 {"xW", "0.01"},
                                                 {"R", "2.5"}})}
            << true;
        QTest::newRow("heats of mixing: point 3")
            << benzene << QList<Change>{Point(Change::MixingPoint, 1, 3, {"0.4", "120"})} << false;
        QTest::newRow("heats of mixing: temperature")
            << benzene << QList<Change>{Point(Change::MixingTemperature, 1, 0, {"20"})} << false;
        QTest::newRow("vapour heat capacity 1: point 2")
            << benzene << QList<Change>{Point(Change::VapourPoint, 1, 2, {"75", "1.4"})} << false;
        QTest::newRow("vapour heat capacity 2: point 4")
            << benzene << QList<Change>{Point(Change::VapourPoint, 2, 4, {"225", "2.2"})} << false;
        QTest::newRow("heat of vaporization 1: point 4")
            << benzene << QList<Change>{Point(Change::VaporizationPoint, 1, 4, {"80", "380"})} << false;
        QTest::newRow("heat of vaporization 2: point 1")
            << benzene << QList<Change>{Point(Change::VaporizationPoint, 2, 1, {"20", "450"})} << false;
        QTest::newRow("solution heat capacity at 60: point 2")
            << benzene << QList<Change>{Point(Change::SolutionPoint, 2, 2, {"0.5", "170"})} << false;
        QTest::newRow("solution heat capacity: a temperature added")
            << benzene << QList<Change>{{Change::SolutionTemperature, 0, 0, {}, HotSolution}} << false;
        QTest::newRow("heats of mixing entered where there were none")
            << declined << QList<Change>{{Change::MixingAnew, 0, 0, {}, MixingHeats}} << false;
        QTest::newRow("vapour heat capacities entered where there were none")
            << declined << QList<Change>{{Change::VapourAnew, 0, 0, {}, VapourCapacities}} << false;
        QTest::newRow("vapour heat capacities entered from the less volatile component's button")
            << declined << QList<Change>{{Change::VapourAnew, 5, 0, {}, VapourCapacities}} << false;
        QTest::newRow("equilibrium: a point added in the editor")
            << benzene << QList<Change>{Point(Change::EquilibriumAdded, 0, 0, {"0.65", "0.825", "88.1"})}
            << false;
        QTest::newRow("equilibrium: point 3 removed in the editor")
            << benzene << QList<Change>{Point(Change::EquilibriumRemoved, 0, 3, {})} << false;
        QTest::newRow("heats of mixing: a point added")
            << benzene << QList<Change>{Point(Change::ThermalAdded, 3, 0, {"0.3", "70"})} << false;
        QTest::newRow("heats of mixing: point 4 removed")
            << benzene << QList<Change>{Point(Change::ThermalRemoved, 3, 0 + 4, {})} << false;
        QTest::newRow("vapour heat capacity 2: a point added")
            << benzene << QList<Change>{Point(Change::ThermalAdded, 5, 0, {"175", "1.7"})} << false;
        QTest::newRow("vapour heat capacity 1: point 1 removed")
            << benzene << QList<Change>{Point(Change::ThermalRemoved, 4, 1, {})} << false;
        QTest::newRow("heat of vaporization 1: a point added")
            << benzene << QList<Change>{Point(Change::ThermalAdded, 6, 0, {"90", "380"})} << false;
        QTest::newRow("heat of vaporization 2: point 7 removed")
            << benzene << QList<Change>{Point(Change::ThermalRemoved, 7, 7, {})} << false;
        QTest::newRow("solution heat capacity: temperature 2 corrected")
            << benzene << QList<Change>{Point(Change::SolutionTemperatureCorrected, 2, 0, {"70"})} << false;
        QTest::newRow("solution heat capacity: temperature 1 corrected past the others")
            << benzene << QList<Change>{Point(Change::SolutionTemperatureCorrected, 1, 0, {"120"})} << false;
        QTest::newRow("solution heat capacity: temperature 1 removed")
            << benzene << QList<Change>{Point(Change::SolutionTemperatureRemoved, 1, 0, {})} << false;
        QTest::newRow("equilibrium: a faulty correction sent back and put right")
            << benzene << QList<Change>{Point(Change::EquilibriumMistake, 2, 4, {"0,2", "0.39"})} << false;
        QTest::newRow("feed: vapour with a faulty bottoms composition put right")
            << benzene << QList<Change>{{Change::FeedConditionMistake, 1, 0, {"xW", "0.6"}, VapourFeedValues}}
            << true;
        // A cancelled correction keeps the value: the results stay.
        QTest::newRow("feed: reflux ratio correction cancelled")
            << benzene << QList<Change>{Point(Change::FeedValue, 0, 7, {QString()})} << false;
        QTest::newRow("heats of mixing: X of point 3 cancelled, its DH corrected")
            << benzene << QList<Change>{Point(Change::MixingPoint, 1, 3, {QString(), "120"})} << false;
        QTest::newRow("heats of mixing: temperature correction cancelled")
            << benzene << QList<Change>{Point(Change::MixingTemperature, 1, 0, {QString()})} << false;
        QTest::newRow("vapour heat capacity 2: point 4 cancelled twice")
            << benzene << QList<Change>{Point(Change::VapourPoint, 2, 4, {QString(), QString()})} << false;
        QTest::newRow("solution heat capacity: temperature 2 correction cancelled")
            << benzene << QList<Change>{Point(Change::SolutionTemperatureCorrected, 2, 0, {QString()})}
            << false;
        const QJsonObject largest = road::LargestProblem();
        QTest::newRow("largest tables: their last points corrected and removed")
            << largest
            << QList<Change>{Point(Change::EquilibriumCell, 3, 20, {"80.5"}),
                             Point(Change::MixingPoint, 1, 20, {"1", "0"}),
                             Point(Change::ThermalRemoved, 3, 20, {}),
                             Point(Change::VapourPoint, 2, 20, {"305", "2.5"}),
                             Point(Change::VaporizationPoint, 2, 20, {"153", "330"}),
                             Point(Change::ThermalRemoved, 6, 20, {}),
                             Point(Change::SolutionPoint, 5, 20, {"1", "160"})}
            << true;
        QTest::newRow("every data set in one visit")
            << benzene << QList<Change>{Point(Change::EquilibriumCell, 2, 6, {"0.63"}),
                                        Feed(3, LiquidFeedValues),
                                        Point(Change::MixingPoint, 1, 2, {"0.2", "40"}),
                                        Point(Change::VapourPoint, 1, 1, {"25", "1"}),
                                        Point(Change::VapourPoint, 2, 3, {"125", "1.6"}),
                                        Point(Change::VaporizationPoint, 1, 7, {"140", "340"}),
                                        Point(Change::VaporizationPoint, 2, 2, {"40", "405"}),
                                        Point(Change::SolutionPoint, 3, 3, {"1", "160"})}
            << true;
    }
    void changedDataShowTheBatchResults()
    {
        QFETCH(QJsonObject, file);
        QFETCH(QList<Change>, changes);
        QFETCH(bool, resultsChange);
        ScriptedSession session;
        QCOMPARE(road::WalkFirstRoad(session.platform(), road::ScriptOf(file)), road::Stop());
        const QStringList first = road::ShownResults();
        QCOMPARE(first, road::BatchResults(file));

        QVERIFY(road::Click(QStringLiteral("Form23"), 2)); // "Изменение информации"
        for (const Change &change : changes) {
            QCOMPARE(Walk(session.platform(), change), road::Stop());
            Apply(file, change);
        }
        QVERIFY(road::Click(Menu, 9)); // "РАСЧЕТ С ИЗМЕНЕННЫМИ ДАННЫМИ"
        QVERIFY(!session->hasEnded());
        QVERIFY(!session->unansweredPromptsLeft());
        // Only the faulty data the student typed on purpose were refused.
        const auto refused =
            std::count_if(session->dialogs.cbegin(), session->dialogs.cend(), [](const auto &d) {
                return d.labels.value(0) == QStringLiteral("Ошибка в исходной информации.");
            });
        const auto mistakes = std::count_if(changes.cbegin(), changes.cend(), [](const Change &c) {
            return c.kind == Change::FeedConditionMistake;
        });
        QCOMPARE(refused, mistakes);
        QCOMPARE(LoadedForms().size(), 1);
        QCOMPARE(LoadedForms().first()->objectName(), QStringLiteral("Form23"));

        const QStringList changed = road::BatchResults(file);
        QCOMPARE(road::ShownResults(), changed);
        QCOMPARE(road::DataDifference(problem(), road::Calculated(file)), QString());
        QString difference;
        QVERIFY2(road::PrintedReportIsTheBatchReport(session.platform(), file, &difference),
                 qPrintable(difference));
        if (resultsChange)
            QVERIFY(changed != first);
    }

    // Data can be changed and calculated again as often as the student likes;
    // each calculation starts from the data as they stand.
    void changeAfterChange()
    {
        ScriptedSession session;
        QJsonObject file = Example("benzene-toluene.json");
        QCOMPARE(road::WalkFirstRoad(session.platform(), road::ScriptOf(file)), road::Stop());
        const QList<QList<Change>> rounds{
            {Point(Change::FeedValue, 0, 7, {"4"})},
            {Feed(1, VapourFeedValues)},
            {Point(Change::FeedValue, 0, 8, {"2.5"}), Point(Change::VaporizationPoint, 2, 3, {"60", "395"})},
            {Feed(0, benzene()[u"feed"][u"values"].toObject())}};
        for (const QList<Change> &round : rounds) {
            QVERIFY(road::Click(QStringLiteral("Form23"), 2));
            for (const Change &change : round) {
                QCOMPARE(Walk(session.platform(), change), road::Stop());
                Apply(file, change);
            }
            QVERIFY(road::Click(Menu, 9));
            QCOMPARE(road::ShownResults(), road::BatchResults(file));
            QCOMPARE(road::DataDifference(problem(), road::Calculated(file)), QString());
            // Each calculation may be printed once.
            QString difference;
            QVERIFY2(road::PrintedReportIsTheBatchReport(session.platform(), file, &difference),
                     qPrintable(difference));
        }
        QCOMPARE(session->documentsPrinted, int(rounds.size()));
        QVERIFY(!session->unansweredPromptsLeft());
        QVERIFY(session->dialogs.isEmpty());
    }

private:
    static QJsonObject benzene() { return Example("benzene-toluene.json"); }
};

QTEST_MAIN(ChangeRoadTest)
#include "tst_change_road.moc"
