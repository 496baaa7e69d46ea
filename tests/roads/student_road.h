#pragma once

// Whole student sessions through the screens. A problem file says what the
// student types; StudentScript turns it into the answers of each screen, in
// the order the prompts come, and the Walk functions click the buttons a
// student clicks to get from one screen to the next.

#include "app/start_screen.h"
#include "engine/calculation.h"
#include "engine/problem_file.h"
#include "equilibrium/equilibrium_diagram.h"
#include "input/feed_parameters.h"
#include "model/problem_data.h"
#include "model/text.h"
#include "report/report.h"
#include "support/scripted_platform.h"
#include "ui/form_base.h"
#include "ui/platform.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <functional>

namespace road {

inline QJsonObject ReadExample(const QString &fileName)
{
    QFile file(QStringLiteral(TARELIN_EXAMPLES_DIR "/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read example %s", qPrintable(fileName));
    return QJsonDocument::fromJson(file.readAll()).object();
}

// A benzene-toluene problem with every table at its largest: 20 points in
// each table and 5 solution temperatures.
inline QJsonObject LargestProblem()
{
    QJsonObject file = ReadExample(QStringLiteral("benzene-toluene.json"));
    const auto number = [](double v) { return QString::number(v, 'f', 4); };
    const auto pairs = [](int count, auto point) {
        QJsonArray rows;
        for (int i = 0; i < count; ++i)
            rows.append(point(i));
        return rows;
    };
    QJsonObject equilibrium;
    equilibrium[u"points"] = pairs(20, [&](int i) {
        const double x = i / 19.0, y = 2.45 * x / (1 + 1.45 * x);
        return QJsonArray{number(x), number(y), number(110.6 - 30.4 * x + 8 * x * (x - 1))};
    });
    equilibrium[u"azeotrope"] = QJsonValue::Null;
    file[u"equilibrium"] = equilibrium;
    file[u"mixing_heat"] =
        QJsonObject{{"temperature", "25"}, {"points", pairs(20, [&](int i) {
                                                const double x = i / 19.0;
                                                return QJsonArray{number(x), number(320 * x * (1 - x))};
                                            })}};
    const auto temperatureTable = [&](double first, double step, double value, double slope) {
        return pairs(20, [=](int i) {
            const double t = first + step * i;
            return QJsonArray{QString::number(t), QString::number(value + slope * (t - first), 'f', 3)};
        });
    };
    file[u"vapour_heat_capacity"] =
        QJsonArray{temperatureTable(20, 15, 1.0, 0.004), temperatureTable(20, 15, 1.1, 0.004)};
    file[u"vaporization_heat"] =
        QJsonArray{temperatureTable(20, 7, 434, -0.65), temperatureTable(20, 7, 412, -0.55)};
    QJsonArray solution;
    for (int t = 20; t <= 100; t += 20)
        solution.append(QJsonObject{{"temperature", QString::number(t)},
                                    {"points", pairs(20, [&](int i) {
                                         const double x = i / 19.0;
                                         return QJsonArray{number(x), number(155 - 20 * x + 0.3 * (t - 20))};
                                     })}});
    file[u"solution_heat_capacity"] = solution;
    return file;
}

inline QByteArray ToBytes(const QJsonObject &problemFile)
{
    return QJsonDocument(problemFile).toJson(QJsonDocument::Compact);
}

// The feed parameters in the order each condition asks for them.
inline QStringList FeedSymbols(int condition)
{
    switch (condition) {
    case 0:
        return {"MA", "MB", "Fl", "xFl", "xD", "xW", "R"};
    case 1:
        return {"MA", "MB", "Fv", "xFv", "Tv", "xD", "xW", "R"};
    case 2:
        return {"MA", "MB", "Fv", "Fl", "xFv", "xFl", "Tv", "Tl", "xD", "xW", "R"};
    default:
        return {"MA", "MB", "Fl", "xFl", "Tl", "xD", "xW", "R"};
    }
}

// A table typed as a count followed by the values of each row in turn.
inline QStringList TableAnswers(const QJsonArray &rows)
{
    QStringList answers{QString::number(rows.size())};
    for (const QJsonValue &row : rows)
        for (const QJsonValue &cell : row.toArray())
            answers << cell.toString();
    return answers;
}

struct SolutionTable {
    QString temperature;
    QJsonArray points;
};

// What a student types on the first-entry road, screen by screen.
struct StudentScript {
    QStringList identity;    // surname and group, the two component names
    QStringList equilibrium; // count, then X, Y, T of each point
    QString azeotrope;       // declared composition, null when not declared
    int condition = 0;
    QStringList feed;
    bool mixingPresent = false;
    QStringList mixing; // temperature, count, points
    bool vapourPresent = false;
    QStringList vapour[2];
    QStringList vaporization[2];
    QStringList temperatures;          // count, then each temperature
    QList<QStringList> solutionTables; // in the order of ascending temperature
};

inline StudentScript ScriptOf(const QJsonObject &file)
{
    StudentScript s;
    const QJsonArray names = file[u"components"].toArray();
    s.identity = {file[u"student"].toString(), names[0].toString(), names[1].toString()};
    const QJsonObject equilibrium = file[u"equilibrium"].toObject();
    s.equilibrium = TableAnswers(equilibrium[u"points"].toArray());
    if (equilibrium[u"azeotrope"].isString())
        s.azeotrope = equilibrium[u"azeotrope"].toString();

    const QJsonObject feed = file[u"feed"].toObject();
    s.condition = feed[u"condition"].toInt();
    const QJsonObject values = feed[u"values"].toObject();
    for (const QString &symbol : FeedSymbols(s.condition))
        s.feed << values[symbol].toString();

    const QJsonObject mixing = file[u"mixing_heat"].toObject();
    s.mixingPresent = file[u"mixing_heat"].isObject();
    if (s.mixingPresent)
        s.mixing = QStringList{mixing[u"temperature"].toString()} + TableAnswers(mixing[u"points"].toArray());
    s.vapourPresent = file[u"vapour_heat_capacity"].isArray();
    for (int k = 0; k < 2; ++k) {
        if (s.vapourPresent)
            s.vapour[k] = TableAnswers(file[u"vapour_heat_capacity"][k].toArray());
        s.vaporization[k] = TableAnswers(file[u"vaporization_heat"][k].toArray());
    }

    // The temperature list is sorted before its tables are asked.
    QList<SolutionTable> tables;
    for (const QJsonValue &t : file[u"solution_heat_capacity"].toArray())
        tables.append({t[u"temperature"].toString(), t[u"points"].toArray()});
    s.temperatures << QString::number(tables.size());
    for (const SolutionTable &t : tables)
        s.temperatures << t.temperature;
    std::stable_sort(tables.begin(), tables.end(), [](const SolutionTable &a, const SolutionTable &b) {
        return StoredNumber(NormalizeDecimal(a.temperature)) < StoredNumber(NormalizeDecimal(b.temperature));
    });
    for (const SolutionTable &t : tables)
        s.solutionTables << TableAnswers(t.points);
    return s;
}

inline QPushButton *Button(const QString &form, const QString &name)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    FormBase *window = FindForm(form);
    return window ? window->findChild<QPushButton *>(name) : nullptr;
}

inline QPushButton *Button(const QString &form, int index)
{
    return Button(form, QStringLiteral("Command%1").arg(index));
}

// Clicks a button the student can see; false when it is not there.
inline bool Click(const QString &form, const QString &name)
{
    QPushButton *button = Button(form, name);
    if (!button || !button->isVisible())
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return true;
}

inline bool Click(const QString &form, int index)
{
    return Click(form, QStringLiteral("Command%1").arg(index));
}

// Presses a button the keyboard way: Tab until the button has the focus,
// then Enter. The Tabs it took; -1 when Tab does not reach it.
inline int PressByKeyboard(const QString &form, const QString &name)
{
    QPushButton *button = Button(form, name);
    FormBase *window = FindForm(form);
    if (!button || !button->isVisible())
        return -1;
    int tabs = 0;
    for (; window->focusWidget() != button; ++tabs) {
        if (tabs == 10 || !window->focusWidget())
            return -1;
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    }
    QTest::keyClick(button, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return tabs;
}

inline int PressByKeyboard(const QString &form, int index)
{
    return PressByKeyboard(form, QStringLiteral("Command%1").arg(index));
}

// Picks row `row` (0-based) of the list that has the focus with the arrow
// keys and Enter; false when the focus is on no list.
inline bool PickRowByKeyboard(const QString &form, int row)
{
    FormBase *window = FindForm(form);
    auto *list = window ? qobject_cast<QListWidget *>(window->focusWidget()) : nullptr;
    if (!list || row < 0 || row >= list->count())
        return false;
    while (list->currentRow() != row)
        QTest::keyClick(list, list->currentRow() < row ? Qt::Key_Down : Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return true;
}

// Clicks row `row` (0-based) of a list the student can see.
inline bool ClickRow(const QString &form, const QString &listName, int row)
{
    FormBase *window = FindForm(form);
    auto *list = window ? window->findChild<QListWidget *>(listName) : nullptr;
    if (!list || !list->isVisible() || !list->isEnabled() || row >= list->count())
        return false;
    list->doItemsLayout();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return true;
}

inline QStringList Rows(const QString &form, const QString &listName = QStringLiteral("List1"))
{
    QStringList rows;
    FormBase *window = FindForm(form);
    if (auto *list = window ? window->findChild<QListWidget *>(listName) : nullptr)
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
    return rows;
}

// The first row of a list that contains text, in either case; -1 when
// there is none.
inline int RowWith(const QString &form, const QString &text,
                   const QString &listName = QStringLiteral("List1"))
{
    const QStringList rows = Rows(form, listName);
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].contains(text, Qt::CaseInsensitive))
            return i;
    return -1;
}

// Types value into the editor's cell (column, row) of the equilibrium table.
inline bool TypeIntoCell(const QString &form, int column, int row, const QString &value)
{
    FormBase *editor = FindForm(form);
    if (!editor)
        return false;
    QTest::mouseClick(editor, Qt::LeftButton, {}, EditorTable::cell(column, row).center());
    auto *text1 = editor->findChild<QLineEdit *>(QStringLiteral("Text1"));
    if (!text1 || !text1->isVisible())
        return false;
    text1->clear();
    QTest::keyClicks(text1, value);
    QTest::keyClick(text1, Qt::Key_Return);
    return !text1->isVisible();
}

// A printed or computed line with where and how it stands, so that two
// screens compare as a whole.
inline QString Describe(int x, int y, bool bold, bool red, const QString &text)
{
    return QStringLiteral("(%1,%2)%3%4 %5")
        .arg(x)
        .arg(y)
        .arg(bold ? QStringLiteral(" bold") : QString())
        .arg(red ? QStringLiteral(" red") : QString())
        .arg(text);
}

inline QStringList ShownResults()
{
    QStringList lines;
    FormBase *results = FindForm(QStringLiteral("Form23"));
    if (!results)
        return lines;
    for (const PrintedText &t : results->printedTexts())
        lines << Describe(t.x, t.y, t.bold, t.color == QColor(255, 0, 0), t.text);
    return lines;
}

inline QStringList ResultsOf(const ProblemData &calculated)
{
    QStringList lines;
    for (const ResultLine &line : ResultScreenLines(calculated))
        lines << Describe(line.x, line.y, line.bold, line.red, line.text);
    return lines;
}

// The batch-mode results of a problem file.
inline QStringList BatchResults(const QJsonObject &file)
{
    ProblemData data;
    const ProblemFileResult loaded = LoadProblem(ToBytes(file), data);
    if (!loaded.ok)
        return {QStringLiteral("not loaded: ") + loaded.error};
    CalculateColumn(data);
    return ResultsOf(data);
}

// The first place where the data typed on the screens differ from the data
// loaded from a problem file, both calculated; empty when they agree. Texts
// are compared as well as numbers, since the report prints the texts.
inline QString DataDifference(const ProblemData &typed, const ProblemData &loaded)
{
    QString difference;
    const auto same = [&difference](const QString &what, const auto &a, const auto &b) {
        if (difference.isEmpty() && !(a == b))
            difference = what;
    };
    for (int i = 1; i <= 3; ++i)
        same(QStringLiteral("name %1").arg(i), typed.Names[i], loaded.Names[i]);
    const EquilibriumTable &e = typed.Equilibrium, &le = loaded.Equilibrium;
    same(QStringLiteral("equilibrium count"), e.N, le.N);
    same(QStringLiteral("azeotrope"), e.AzeotropeX, le.AzeotropeX);
    for (int i = 1; i <= le.N; ++i)
        same(QStringLiteral("equilibrium point %1").arg(i), QStringList{e.XText[i], e.YText[i], e.TText[i]},
             QStringList{le.XText[i], le.YText[i], le.TText[i]});
    same(QStringLiteral("feed condition"), typed.Feed.Condition, loaded.Feed.Condition);
    for (int i = 1; i <= FeedValueCount; ++i)
        same(QStringLiteral("feed value %1").arg(i), typed.Feed.Value[i], loaded.Feed.Value[i]);
    for (int i = 1; i <= FeedParameterCount(loaded.Feed.Condition); ++i) {
        const int element = FeedParameterElement(loaded.Feed.Condition, i);
        same(QStringLiteral("feed text %1").arg(element), typed.Feed.Text[element],
             loaded.Feed.Text[element]);
    }
    const MixingHeatTable &m = typed.MixingHeat, &lm = loaded.MixingHeat;
    same(QStringLiteral("heats of mixing present"), m.Present, lm.Present);
    if (lm.Present) {
        same(QStringLiteral("heat of mixing temperature"), typed.Results.Text[ResT0],
             loaded.Results.Text[ResT0]);
        same(QStringLiteral("heat of mixing count"), m.N, lm.N);
        for (int i = 1; i <= lm.N; ++i)
            same(QStringLiteral("heat of mixing point %1").arg(i), QStringList{m.XText[i], m.DHText[i]},
                 QStringList{lm.XText[i], lm.DHText[i]});
    }
    const VaporHeatCapacityTable &c = typed.VaporHeatCapacity, &lc = loaded.VaporHeatCapacity;
    const VaporizationHeatTable &r = typed.VaporizationHeat, &lr = loaded.VaporizationHeat;
    same(QStringLiteral("vapour heat capacities present"), c.Present, lc.Present);
    for (int k = 1; k <= MaxComponents; ++k) {
        if (lc.Present) {
            same(QStringLiteral("vapour heat capacity count %1").arg(k), c.N[k], lc.N[k]);
            for (int i = 1; i <= lc.N[k]; ++i)
                same(QStringLiteral("vapour heat capacity %1 point %2").arg(k).arg(i),
                     QStringList{c.TText[k][i], c.CText[k][i]}, QStringList{lc.TText[k][i], lc.CText[k][i]});
        }
        same(QStringLiteral("vaporization count %1").arg(k), r.N[k], lr.N[k]);
        for (int i = 1; i <= lr.N[k]; ++i)
            same(QStringLiteral("vaporization %1 point %2").arg(k).arg(i),
                 QStringList{r.TText[k][i], r.RText[k][i]}, QStringList{lr.TText[k][i], lr.RText[k][i]});
    }
    const SolutionHeatCapacitySet &s = typed.SolutionHeatCapacity, &ls = loaded.SolutionHeatCapacity;
    same(QStringLiteral("solution temperature count"), s.NT, ls.NT);
    for (int j = 1; j <= ls.NT; ++j) {
        same(QStringLiteral("solution temperature %1").arg(j), s.TText[j], ls.TText[j]);
        same(QStringLiteral("solution count %1").arg(j), s.N[j], ls.N[j]);
        for (int i = 1; i <= ls.N[j]; ++i)
            same(QStringLiteral("solution %1 point %2").arg(j).arg(i),
                 QStringList{s.XText[j][i], s.CText[j][i]}, QStringList{ls.XText[j][i], ls.CText[j][i]});
    }
    // The enthalpy of a phase the feed does not have keeps whatever an
    // earlier calculation left; its flow is zero and it is never shown.
    // Nor are stage numbers results when the count never reached the top.
    const int condition = loaded.Feed.Condition;
    const bool noStages = loaded.Outcome == CalculationOutcome::RefluxBelowMinimum;
    for (int i = 1; i <= ResultCount; ++i)
        if (!(i == ResHFv && (condition == BoilingLiquidFeed || condition == LiquidFeed)) &&
            !(i == ResHFl && condition == VapourFeed) && !(noStages && (i == ResN || i == ResNf)))
            same(QStringLiteral("result %1").arg(i), typed.Results(i), loaded.Results(i));
    same(QStringLiteral("outcome"), typed.Outcome, loaded.Outcome);
    return difference;
}

// The problem file loaded and calculated as batch mode does.
inline ProblemData Calculated(const QJsonObject &file)
{
    ProblemData data;
    if (LoadProblem(ToBytes(file), data).ok)
        CalculateColumn(data);
    return data;
}

// Prints the report from the results window, as "  Печать результатов"
// does, and answers whether the printed pages are the report of the file's
// problem calculated in batch mode.
inline bool PrintedReportIsTheBatchReport(ScriptedPlatform &p, const QJsonObject &file,
                                          QString *firstDifference)
{
    const qsizetype before = p.printedPages.size();
    if (!Click(QStringLiteral("Form23"), 3))
        return false;
    const QList<QStringList> printed = p.printedPages.mid(before);
    const QList<QStringList> batch = BuildReport(Calculated(file), p.date, p.time);
    if (printed == batch)
        return true;
    const auto lines = [](const QList<QStringList> &pages) {
        QStringList all;
        for (const QStringList &page : pages)
            all << page << QStringLiteral("<end of page>");
        return all;
    };
    const QStringList a = lines(printed), b = lines(batch);
    for (qsizetype i = 0; i < qMax(a.size(), b.size()); ++i)
        if (a.value(i) != b.value(i)) {
            *firstDifference =
                QStringLiteral("line %1: printed \"%2\", batch \"%3\"").arg(i).arg(a.value(i), b.value(i));
            break;
        }
    return false;
}

// Where a road stopped short; empty when it reached its end.
using Stop = QString;

// A screen accepted, in the order of the road: the form and its accept button.
struct Acceptance {
    QString stage; // the name a detour is looked up by
    QString form;
    int button;
    QStringList nextAnswers; // what the accepted screen's successor asks at once
};

// The accepting steps of a script, from the equilibrium control table to
// the last solution table.
inline QList<Acceptance> AcceptancesOf(const StudentScript &s)
{
    QList<Acceptance> steps{{QStringLiteral("equilibrium"), QStringLiteral("Form2"), 1, {}},
                            {QStringLiteral("diagram"), QStringLiteral("Form6"), 1, {}}};
    steps.append({QStringLiteral("condition"), QStringLiteral("Form6"), 3 + s.condition, s.feed});
    steps.append({QStringLiteral("feed"), QStringLiteral("Form7"), 1, {}});
    if (s.mixingPresent) {
        steps.append({QStringLiteral("mixing question"), QStringLiteral("Form9"), 1, s.mixing});
        steps.append({QStringLiteral("mixing"), QStringLiteral("Form9"), 3, {}});
    } else {
        steps.append({QStringLiteral("mixing question"), QStringLiteral("Form9"), 2, {}});
    }
    if (s.vapourPresent) {
        steps.append({QStringLiteral("vapour question"), QStringLiteral("Form12"), 1, s.vapour[0]});
        steps.append({QStringLiteral("vapour 1"), QStringLiteral("Form12"), 3, s.vapour[1]});
        steps.append({QStringLiteral("vapour 2"), QStringLiteral("Form12"), 3, s.vaporization[0]});
    } else {
        steps.append({QStringLiteral("vapour question"), QStringLiteral("Form12"), 2, s.vaporization[0]});
    }
    steps.append({QStringLiteral("vaporization 1"), QStringLiteral("Form15"), 3, s.vaporization[1]});
    steps.append({QStringLiteral("vaporization 2"), QStringLiteral("Form15"), 3, s.temperatures});
    for (int j = 0; j < s.solutionTables.size(); ++j)
        steps.append({j == 0 ? QStringLiteral("temperatures") : QStringLiteral("solution %1").arg(j),
                      j == 0 ? QStringLiteral("Form18") : QStringLiteral("Form20"), 3, s.solutionTables[j]});
    steps.append(
        {QStringLiteral("solution %1").arg(s.solutionTables.size()), QStringLiteral("Form20"), 3, {}});
    return steps;
}

// A detour a student takes before a screen is accepted: mistakes put right
// on the way. correct() does the corrections; then the successor's answers
// are queued and finishButton of finishForm accepts instead of the usual
// button.
struct Detour {
    std::function<bool(ScriptedPlatform &)> correct;
    QString finishForm;
    QString finishButton;
};
using Detours = QMap<QString, Detour>;

enum class Input { Mouse, Keyboard };

// From the start screen to the results window, typing the script. By the
// keyboard, each screen is accepted with Enter alone: its accepting button
// has the focus.
inline Stop WalkFirstRoad(ScriptedPlatform &p, const StudentScript &s, const Detours &detours = {},
                          Input input = Input::Mouse)
{
    const auto accept = [input](const QString &form, int button) {
        return input == Input::Mouse ? Click(form, button) : PressByKeyboard(form, button) == 0;
    };
    auto *start = new StartScreen;
    start->show();
    p.answers(s.identity).answers(s.equilibrium);
    if (!accept(QStringLiteral("Form1"), 1))
        return QStringLiteral("start screen");
    // The azeotrope question comes when the table shows none by itself; it
    // has no accepting button, so a student may Tab to the answer.
    const auto answer = [input](int button) {
        return input == Input::Mouse ? Click(QStringLiteral("Form2"), button)
                                     : PressByKeyboard(QStringLiteral("Form2"), button) >= 0;
    };
    if (Button(QStringLiteral("Form2"), 5) && Button(QStringLiteral("Form2"), 5)->isVisible()) {
        if (s.azeotrope.isNull()) {
            answer(5);
        } else {
            p.yes().answer(s.azeotrope);
            answer(4);
        }
    }
    for (const Acceptance &step : AcceptancesOf(s)) {
        const auto detour = detours.constFind(step.stage);
        if (detour == detours.constEnd()) {
            p.answers(step.nextAnswers);
            if (!accept(step.form, step.button))
                return step.stage;
            continue;
        }
        if (!detour->correct(p))
            return step.stage + QStringLiteral(": corrections");
        p.answers(step.nextAnswers);
        const bool finished = input == Input::Mouse
                                  ? Click(detour->finishForm, detour->finishButton)
                                  : PressByKeyboard(detour->finishForm, detour->finishButton) == 0;
        if (!finished)
            return step.stage + QStringLiteral(": end of corrections");
    }
    if (!FindForm(QStringLiteral("Form23")))
        return QStringLiteral("results window");
    return {};
}

} // namespace road
