// The road helpers first: their own Click and Rows must not meet the
// screen driver's at their definitions.
#include "student_road.h"

#include "../engine/benzene_toluene_problem.h"
#include "../input/thermal_screen_driver.h"
#include "app/start_screen.h"
#include "engine/equilibrium_table.h"
#include "engine/properties.h"
#include "engine/thermal_tables.h"
#include "equilibrium/equilibrium_diagram.h"
#include "equilibrium/equilibrium_editor.h"
#include "equilibrium/equilibrium_screens.h"
#include "equilibrium/equilibrium_values.h"
#include "input/feed_parameter_screen.h"
#include "input/feed_parameters.h"
#include "input/input_screens.h"
#include "input/thermal_data_set.h"
#include "input/thermal_flow.h"
#include "model/problem_data.h"
#include "model/text.h"
#include "report/report.h"
#include "results/results_screens.h"
#include "results/results_window.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <functional>

// Whatever a student types at any prompt, the program goes on the way the
// screen says: a value out of range turns into "???" with a beep, a count or
// a single temperature is asked again after the "ОШИБКА !" box, anything else
// is kept as typed for the checks to judge. And whatever of it the checks let
// through, the results never show an infinity or a NaN.

namespace {

struct HostileAnswer {
    const char *name;
    QString typed; // a null text is a cancelled prompt
};

const QString LongNumber = QStringLiteral("0.") + QString(298, u'3');

// Three hundred characters fit no list row or printed line: with them the
// road is tested for what it keeps and calculates, not for its layout.
bool LooksOverWindowsFor(const QString &typed)
{
    return typed != LongNumber;
}

const QList<HostileAnswer> &hostileAnswers()
{
    static const QList<HostileAnswer> answers = {
        {"empty", QStringLiteral("")},
        {"cancelled", QString()},
        {"letters", QStringLiteral("abc")},
        {"1e39", QStringLiteral("1e39")},
        {"-0", QStringLiteral("-0")},
        {"1,2,3", QStringLiteral("1,2,3")},
        {"300 characters", LongNumber},
        {"Cyrillic", QStringLiteral("три")},
        {"spaces only", QStringLiteral("     ")},
        {"nan", QStringLiteral("nan")},
        {"inf", QStringLiteral("inf")},
        {"1e-45", QStringLiteral("1e-45")},
    };
    return answers;
}

// The reaction of a prompt to each hostile answer, in the order above: the
// text kept, "???" (refused into "???" with a beep), "again" (beep, the
// "ОШИБКА !" box, "Да", asked again) or "beep" (beep and asked again at once).
using Reactions = QStringList;
const QString Refused = QStringLiteral("???");
const QString AskedAgain = QStringLiteral("again");
const QString Beeped = QStringLiteral("beep");

// An answer with no number in it at all is refused like one out of range.
const Reactions PointWithUnknown = {"0",        "0",     Refused, "1e39",  "-0",    "1.2,3",
                                    LongNumber, Refused, Refused, Refused, Refused, "1e-45"};
const Reactions FractionWithUnknown = {"0",        "0",     Refused, Refused, "-0",    Refused,
                                       LongNumber, Refused, Refused, Refused, Refused, "1e-45"};
const Reactions TemperatureWithUnknown = {"0",        "0",     Refused, Refused, "-0",    "1.2,3",
                                          LongNumber, Refused, Refused, Refused, Refused, "1e-45"};
const Reactions TemperatureAskedAgain = {"0",        "0",        AskedAgain, AskedAgain, "-0",       "1.2,3",
                                         LongNumber, AskedAgain, AskedAgain, AskedAgain, AskedAgain, "1e-45"};
const Reactions CountAskedAgain = Reactions(12, AskedAgain);

// A cancelled prompt that corrects a value keeps the value it would have corrected.
Reactions CancelledKeeps(const QString &old, Reactions reactions)
{
    reactions[1] = old;
    return reactions;
}
// "1,2,3" reads as 1.2, which rounds to a count of 1.
const Reactions CountFromOne = {AskedAgain, AskedAgain, AskedAgain, AskedAgain, AskedAgain, "1",
                                AskedAgain, AskedAgain, AskedAgain, AskedAgain, AskedAgain, AskedAgain};
const Reactions AzeotropeComposition = {Beeped,     Beeped, Beeped, Beeped, Beeped, Beeped,
                                        LongNumber, Beeped, Beeped, Beeped, Beeped, "1e-45"};

void type(ScriptedPlatform &p, const QStringList &answers)
{
    for (const QString &answer : answers) {
        if (answer.isNull())
            p.cancel();
        else
            p.answer(answer);
    }
}

int countOf(const QString &typed)
{
    return int(RoundedCount(NormalizeDecimal(typed)));
}

// One prompt of a screen: reaches it with sound answers, gives it the answers
// `atPrompt` (the hostile one, then the sound one where it is asked again),
// finishes the screen and returns what the screen stored from the prompt.
struct PromptUnderTest {
    QString name;
    QString soundAnswer;
    Reactions reactions;
    std::function<QStringList(ScriptedPlatform &, const QStringList &atPrompt)> drive;
};

// A sound equilibrium table of 8 points, benzene - toluene.
const QStringList EquilibriumX = {"0", "0.1", "0.2", "0.3", "0.5", "0.7", "0.9", "1"};
const QStringList EquilibriumY = {"0", "0.214", "0.38", "0.511", "0.712", "0.854", "0.959", "1"};
const QStringList EquilibriumT = {"110.6", "106.1", "102.2", "98.6", "92.1", "86.8", "82.3", "80.2"};

QStringList equilibriumPointAnswers(int count)
{
    QStringList answers;
    for (int i = 0; i < count; ++i)
        answers << EquilibriumX[i % 8] << EquilibriumY[i % 8] << EquilibriumT[i % 8];
    return answers;
}

void runEquilibriumEntry()
{
    RunHandler([] {
        PrepareEquilibriumWindow();
        EnterEquilibriumData();
    });
}

QStringList equilibriumColumn(int column)
{
    const EquilibriumTable &t = problem().Equilibrium;
    QStringList texts;
    for (int i = 1; i <= t.N; ++i)
        texts << EquilibriumValueText(problem(), i, column);
    return texts;
}

PromptUnderTest equilibriumPoint(const QString &name, int column, const Reactions &reactions)
{
    return {name, QString(), reactions, [column](ScriptedPlatform &p, const QStringList &atPrompt) {
                // Point 4 gets the answer under test.
                const int at = 3 * 3 + column - XColumn;
                QStringList answers = equilibriumPointAnswers(8);
                answers.removeAt(at);
                p.answer("8");
                type(p, answers.mid(0, at));
                type(p, atPrompt);
                type(p, answers.mid(at));
                runEquilibriumEntry();
                return equilibriumColumn(column);
            }};
}

// The names typed on the start screen: kept with their words capitalised.
const Reactions NameAsTyped = {"",         "",    "Abc",   "1e39", "-0",  "1,2,3",
                               LongNumber, "Три", "     ", "Nan",  "Inf", "1e-45"};

PromptUnderTest identity(const QString &name, int k)
{
    return {name, QString(), NameAsTyped, [k](ScriptedPlatform &p, const QStringList &atPrompt) {
                QStringList names{"иванов хт-31", "бензол", "толуол"};
                names.removeAt(k - 1);
                type(p, names.mid(0, k - 1));
                type(p, atPrompt);
                type(p, names.mid(k - 1));
                p.answer("8");
                type(p, equilibriumPointAnswers(8));
                auto *start = new StartScreen;
                start->show();
                Click(start->objectName(), QStringLiteral("Command1"));
                return QStringList{problem().Names[k]};
            }};
}

// The sound 8-point table, typed, in the problem state.
void loadSoundEquilibriumTable()
{
    const QStringList answers = equilibriumPointAnswers(8);
    ProblemData &data = problem();
    data.Equilibrium.N = 8;
    for (int i = 1; i <= 8; ++i)
        for (int column = XColumn; column <= TColumn; ++column)
            StoreEquilibriumValue(data, i, column, answers[3 * (i - 1) + column - XColumn]);
}

// Point 4 corrected in its cell of the diagram editor: typed and entered,
// or left with Escape where the prompt would have been cancelled.
PromptUnderTest equilibriumCell(const QString &name, int column, const Reactions &reactions)
{
    return {name, QString(), reactions, [column](ScriptedPlatform &, const QStringList &atPrompt) {
                loadSoundEquilibriumTable();
                EquilibriumEditor *editor = OpenEquilibriumEditorOn(EquilibriumRoad::FirstEntry);
                QTest::mouseClick(editor, Qt::LeftButton, {}, EditorTable::cell(column, 4).center());
                auto *edit = editor->findChild<QLineEdit *>(QStringLiteral("Text1"));
                if (!edit || !edit->isVisible())
                    return QStringList{QStringLiteral("no cell opened")};
                edit->clear();
                if (atPrompt.first().isNull()) {
                    QTest::keyClick(edit, Qt::Key_Escape);
                } else {
                    // Typed key by key, Cyrillic letters included.
                    for (const QChar c : atPrompt.first())
                        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
                    QTest::keyClick(edit, Qt::Key_Return);
                }
                return equilibriumColumn(column);
            }};
}

// A point added in the diagram editor, answer under test in one column.
PromptUnderTest equilibriumAddition(const QString &name, int column, const Reactions &reactions)
{
    return {name, QString(), reactions, [column](ScriptedPlatform &p, const QStringList &atPrompt) {
                loadSoundEquilibriumTable();
                EquilibriumEditor *editor = OpenEquilibriumEditorOn(EquilibriumRoad::FirstEntry);
                QStringList answers{"0.4", "0.62", "95.2"};
                answers.removeAt(column - XColumn);
                type(p, answers.mid(0, column - XColumn));
                type(p, atPrompt);
                type(p, answers.mid(column - XColumn));
                Click(editor->objectName(), QStringLiteral("Command3"));
                return equilibriumColumn(column);
            }};
}

// The feed data of each condition, in prompt order.
QStringList soundFeedAnswers(int condition)
{
    switch (condition) {
    case VapourFeed:
        return {"78.11", "92.14", "2", "0.4", "90", "0.97", "0.02", "3"};
    case MixtureFeed:
        return {"78.11", "92.14", "1.5", "2", "0.5", "0.4", "95", "60", "0.97", "0.02", "3"};
    case LiquidFeed:
        return {"78.11", "92.14", "2", "0.4", "30", "0.97", "0.02", "3"};
    default:
        return {"78.11", "92.14", "2", "0.4", "0.97", "0.02", "3"};
    }
}

void chooseFeedCondition(int condition)
{
    ProblemData data = BenzeneToluene::problem(condition);
    problem().Equilibrium = data.Equilibrium;
    ShowFeedConditionWindow();
    QVERIFY(Click(QStringLiteral("Form6"), QStringLiteral("Command1")));
    QVERIFY(Click(QStringLiteral("Form6"), QStringLiteral("Command%1").arg(condition + 3)));
}

QString feedPromptName(int condition, int parameter, const char *road)
{
    static const char *const conditions[] = {"boiling liquid", "vapour", "mixture", "liquid"};
    return QStringLiteral("%1 feed prompt %2 %3")
        .arg(QLatin1String(conditions[condition]))
        .arg(parameter)
        .arg(QLatin1String(road));
}

PromptUnderTest feedEntry(int condition, int parameter)
{
    return {feedPromptName(condition, parameter, "entry"), QString(), PointWithUnknown,
            [condition, parameter](ScriptedPlatform &p, const QStringList &atPrompt) {
                const QStringList sound = soundFeedAnswers(condition);
                type(p, sound.mid(0, parameter - 1));
                type(p, atPrompt);
                type(p, sound.mid(parameter));
                chooseFeedCondition(condition);
                return QStringList{problem().Feed.EntryText[parameter]};
            }};
}

PromptUnderTest feedCorrection(int condition, int parameter)
{
    return {feedPromptName(condition, parameter, "correction"), QString(),
            CancelledKeeps(soundFeedAnswers(condition)[parameter - 1], PointWithUnknown),
            [condition, parameter](ScriptedPlatform &p, const QStringList &atPrompt) {
                type(p, soundFeedAnswers(condition));
                chooseFeedCondition(condition);
                if (!Click(QStringLiteral("Form7"), QStringLiteral("Command2")))
                    return QStringList{QStringLiteral("no change button")};
                type(p, atPrompt);
                FindForm<FeedParameterScreen>(QStringLiteral("Form7"))->List1_Click(parameter - 1);
                // The check may raise the vapour temperature to its dew
                // point; the answer itself stays the entry text.
                return QStringList{problem().Feed.EntryText[parameter]};
            }};
}

const QString Form9 = QStringLiteral("Form9");
const QString Form12 = QStringLiteral("Form12");
const QString Form15 = QStringLiteral("Form15");
const QString Form18 = QStringLiteral("Form18");
const QString Form20 = QStringLiteral("Form20");

QStringList mixingColumn(bool values)
{
    const MixingHeatTable &t = problem().MixingHeat;
    QStringList texts;
    for (int i = 1; i <= t.N; ++i)
        texts << (values ? t.DHText[i] : t.XText[i]);
    return texts;
}

const QStringList MixingX = {"0", "0.3", "0.6", "1"};
const QStringList MixingDH = {"0", "25", "30", "0"};

// The heat-of-mixing screen: temperature, count, points.
QStringList enterMixing(ScriptedPlatform &p, const QStringList &temperature, const QStringList &count,
                        const QStringList &points)
{
    AskMixingHeatQuestion();
    type(p, temperature);
    type(p, count);
    type(p, points);
    Click(Form9, QStringLiteral("Command1"));
    return {};
}

QStringList pointsWith(const QStringList &arguments, const QStringList &values, int point, int column,
                       const QStringList &atPrompt)
{
    QStringList answers;
    for (int i = 0; i < arguments.size(); ++i) {
        for (int c = 0; c < 2; ++c) {
            if (i == point - 1 && c == column)
                answers << atPrompt;
            else
                answers << (c == 0 ? arguments[i] : values[i]);
        }
    }
    return answers;
}

QStringList vaporizationColumn(int component, bool values)
{
    const VaporizationHeatTable &t = problem().VaporizationHeat;
    QStringList texts;
    for (int i = 1; i <= t.N[component]; ++i)
        texts << (values ? t.RText[component][i] : t.TText[component][i]);
    return texts;
}

QStringList capacityColumn(int component, bool values)
{
    const VaporHeatCapacityTable &t = problem().VaporHeatCapacity;
    QStringList texts;
    for (int i = 1; i <= t.N[component]; ++i)
        texts << (values ? t.CText[component][i] : t.TText[component][i]);
    return texts;
}

QStringList solutionTemperatureTexts()
{
    const SolutionHeatCapacitySet &s = problem().SolutionHeatCapacity;
    QStringList texts;
    for (int j = 1; j <= s.NT; ++j)
        texts << s.TText[j];
    return texts;
}

QStringList solutionColumn(int temperature, bool values)
{
    const SolutionHeatCapacitySet &s = problem().SolutionHeatCapacity;
    QStringList texts;
    for (int i = 1; i <= s.N[temperature]; ++i)
        texts << (values ? s.CText[temperature][i] : s.XText[temperature][i]);
    return texts;
}

void enterSolutionTemperatures(ScriptedPlatform &p, const QStringList &count, const QStringList &temperatures)
{
    type(p, count);
    type(p, temperatures);
    RunHandler([] { EnterSolutionTemperatures(); });
}

const QStringList TableT = {"20", "80", "120"};
const QStringList TableR = {"435", "394", "366"};
const QStringList TableC = {"1.05", "1.2", "1.35"};
const QStringList SolutionX = {"0", "0.5", "1"};
const QStringList SolutionC = {"155", "144", "134"};

// The answers of a point prompted on a correction list: the one under test
// in its column, a sound one in the other.
QStringList pointCorrection(int column, const QStringList &atPrompt, const QString &argument,
                            const QString &value)
{
    return column == 0 ? atPrompt + QStringList{value} : QStringList{argument} + atPrompt;
}

QString columnName(const char *argument, const char *value, int column)
{
    return QLatin1String(column == 0 ? argument : value);
}

// The prompts of the correction lists: a point corrected or added, a table
// temperature corrected or added.
void addListPrompts(QList<PromptUnderTest> &prompts)
{
    for (int column = 0; column < 2; ++column) {
        prompts << PromptUnderTest{columnName("mixing X addition", "mixing DH addition", column), QString(),
                                   PointWithUnknown,
                                   [column](ScriptedPlatform &p, const QStringList &atPrompt) {
                                       enterMixing(p, {"20"}, {"4"}, PointAnswers(MixingX, MixingDH));
                                       Click(Form9, QStringLiteral("Command4"));
                                       type(p, pointCorrection(column, atPrompt, "0.8", "20"));
                                       ClickRow(Form9, QStringLiteral("List1"), 5);
                                       return mixingColumn(column == 1);
                                   }};
        prompts << PromptUnderTest{
            columnName("vapour capacity T correction", "vapour capacity C correction", column), QString(),
            CancelledKeeps(column == 0 ? TableT[1] : TableC[1], PointWithUnknown),
            [column](ScriptedPlatform &p, const QStringList &atPrompt) {
                AskVaporHeatCapacityQuestion();
                p.answer("3");
                type(p, PointAnswers(TableT, TableC));
                Click(Form12, QStringLiteral("Command1"));
                Click(Form12, QStringLiteral("Command4"));
                type(p, pointCorrection(column, atPrompt, "80", "1.2"));
                ClickRow(Form12, QStringLiteral("List1"), 1);
                return capacityColumn(1, column == 1);
            }};
        prompts << PromptUnderTest{columnName("vaporization T addition", "vaporization R addition", column),
                                   QString(), PointWithUnknown,
                                   [column](ScriptedPlatform &p, const QStringList &atPrompt) {
                                       p.answer("3");
                                       type(p, PointAnswers(TableT, TableR));
                                       RunHandler([] { StartVaporizationHeatEntry(1); });
                                       Click(Form15, QStringLiteral("Command4"));
                                       type(p, pointCorrection(column, atPrompt, "100", "380"));
                                       ClickRow(Form15, QStringLiteral("List1"), 3);
                                       return vaporizationColumn(1, column == 1);
                                   }};
        prompts << PromptUnderTest{
            columnName("solution X correction", "solution C correction", column), QString(),
            CancelledKeeps(column == 0 ? SolutionX[1] : SolutionC[1], PointWithUnknown),
            [column](ScriptedPlatform &p, const QStringList &atPrompt) {
                enterSolutionTemperatures(p, {"1"}, {"20"});
                p.answer("3");
                type(p, PointAnswers(SolutionX, SolutionC));
                Click(Form18, QStringLiteral("Command3"));
                Click(Form20, QStringLiteral("Command4"));
                type(p, pointCorrection(column, atPrompt, "0.5", "144"));
                ClickRow(Form20, QStringLiteral("List1"), 2);
                return solutionColumn(1, column == 1);
            }};
    }
    prompts << PromptUnderTest{QStringLiteral("solution table temperature correction"), QStringLiteral("20"),
                               CancelledKeeps(QStringLiteral("30"), TemperatureAskedAgain),
                               [](ScriptedPlatform &p, const QStringList &atPrompt) {
                                   enterSolutionTemperatures(p, {"1"}, {"30"});
                                   p.answer("3");
                                   type(p, PointAnswers(SolutionX, SolutionC));
                                   Click(Form18, QStringLiteral("Command3"));
                                   Click(Form20, QStringLiteral("Command4"));
                                   type(p, atPrompt);
                                   ClickRow(Form20, QStringLiteral("List1"), 0);
                                   return solutionTemperatureTexts();
                               }};
    // The change road's new temperature, with its table after it.
    prompts << PromptUnderTest{QStringLiteral("solution temperature added on the change road"),
                               QStringLiteral("20"), TemperatureAskedAgain,
                               [](ScriptedPlatform &p, const QStringList &atPrompt) {
                                   problem() = BenzeneToluene::problem();
                                   RunHandler([] { OpenSolutionHeatCapacityChange(); });
                                   Click(QStringLiteral("Form42"), QStringLiteral("Command1"));
                                   type(p, atPrompt);
                                   p.answer("3");
                                   type(p, PointAnswers(SolutionX, SolutionC));
                                   Click(QStringLiteral("Form42"), QStringLiteral("Command3"));
                                   return solutionTemperatureTexts();
                               }};
    prompts << PromptUnderTest{QStringLiteral("solution temperature addition"), QStringLiteral("20"),
                               TemperatureAskedAgain, [](ScriptedPlatform &p, const QStringList &atPrompt) {
                                   enterSolutionTemperatures(p, {"2"}, {"50", "100"});
                                   Click(Form18, QStringLiteral("Command4"));
                                   type(p, atPrompt);
                                   ClickRow(Form18, QStringLiteral("List1"), 2);
                                   return solutionTemperatureTexts();
                               }};
}

QList<PromptUnderTest> promptsUnderTest()
{
    QList<PromptUnderTest> prompts;
    prompts << identity(QStringLiteral("student and group"), 1)
            << identity(QStringLiteral("more volatile component"), 2)
            << identity(QStringLiteral("less volatile component"), 3);
    prompts << PromptUnderTest{QStringLiteral("equilibrium count"), QStringLiteral("8"), CountAskedAgain,
                               [](ScriptedPlatform &p, const QStringList &atPrompt) {
                                   type(p, atPrompt);
                                   type(p, equilibriumPointAnswers(countOf(atPrompt.last())));
                                   runEquilibriumEntry();
                                   return QStringList{QString::number(problem().Equilibrium.N)};
                               }};
    prompts << equilibriumPoint(QStringLiteral("equilibrium X"), XColumn, FractionWithUnknown)
            << equilibriumPoint(QStringLiteral("equilibrium Y"), YColumn, FractionWithUnknown)
            << equilibriumPoint(QStringLiteral("equilibrium T"), TColumn, TemperatureWithUnknown);
    // A cell left with Escape keeps the value it had.
    Reactions cellX = FractionWithUnknown, cellY = FractionWithUnknown, cellT = TemperatureWithUnknown;
    cellX[1] = "0.3";
    cellY[1] = "0.511";
    cellT[1] = "98.6";
    prompts << equilibriumCell(QStringLiteral("equilibrium X cell"), XColumn, cellX)
            << equilibriumCell(QStringLiteral("equilibrium Y cell"), YColumn, cellY)
            << equilibriumCell(QStringLiteral("equilibrium T cell"), TColumn, cellT)
            << equilibriumAddition(QStringLiteral("equilibrium X addition"), XColumn, FractionWithUnknown)
            << equilibriumAddition(QStringLiteral("equilibrium Y addition"), YColumn, FractionWithUnknown)
            << equilibriumAddition(QStringLiteral("equilibrium T addition"), TColumn, TemperatureWithUnknown);
    prompts << PromptUnderTest{QStringLiteral("azeotrope composition"), QStringLiteral("0.5"),
                               AzeotropeComposition, [](ScriptedPlatform &p, const QStringList &atPrompt) {
                                   p.answer("8");
                                   type(p, equilibriumPointAnswers(8));
                                   runEquilibriumEntry();
                                   const int beepsBefore = p.beeps;
                                   p.yes(); // sure that the system is azeotropic
                                   type(p, atPrompt);
                                   Click(QStringLiteral("Form2"), QStringLiteral("Command4"));
                                   p.beeps -= beepsBefore;
                                   return QStringList{problem().Equilibrium.AzeotropeXText};
                               }};

    for (int condition = 0; condition < FeedConditionCount; ++condition)
        for (int parameter = 1; parameter <= FeedParameterCount(condition); ++parameter)
            prompts << feedEntry(condition, parameter) << feedCorrection(condition, parameter);

    prompts << PromptUnderTest{QStringLiteral("mixing temperature"), QStringLiteral("20"),
                               TemperatureAskedAgain, [](ScriptedPlatform &p, const QStringList &atPrompt) {
                                   enterMixing(p, atPrompt, {"4"}, PointAnswers(MixingX, MixingDH));
                                   return QStringList{problem().Results.Text[ResT0]};
                               }};
    prompts << PromptUnderTest{QStringLiteral("mixing count"), QStringLiteral("4"), CountAskedAgain,
                               [](ScriptedPlatform &p, const QStringList &atPrompt) {
                                   enterMixing(p, {"20"}, atPrompt, PointAnswers(MixingX, MixingDH));
                                   return QStringList{QString::number(problem().MixingHeat.N)};
                               }};
    for (int column = 0; column < 2; ++column) {
        prompts << PromptUnderTest{
            column == 0 ? QStringLiteral("mixing X") : QStringLiteral("mixing DH"), QString(),
            PointWithUnknown, [column](ScriptedPlatform &p, const QStringList &atPrompt) {
                enterMixing(p, {"20"}, {"4"}, pointsWith(MixingX, MixingDH, 2, column, atPrompt));
                return mixingColumn(column == 1);
            }};
        prompts << PromptUnderTest{
            column == 0 ? QStringLiteral("mixing X correction") : QStringLiteral("mixing DH correction"),
            QString(), CancelledKeeps(column == 0 ? MixingX[1] : MixingDH[1], PointWithUnknown),
            [column](ScriptedPlatform &p, const QStringList &atPrompt) {
                enterMixing(p, {"20"}, {"4"}, PointAnswers(MixingX, MixingDH));
                Click(Form9, QStringLiteral("Command4"));
                type(p, column == 0 ? atPrompt + QStringList{"25"} : QStringList{"0.3"} + atPrompt);
                ClickRow(Form9, QStringLiteral("List1"), 2);
                return mixingColumn(column == 1);
            }};
    }
    prompts << PromptUnderTest{QStringLiteral("mixing temperature correction"), QStringLiteral("20"),
                               CancelledKeeps(QStringLiteral("30"), TemperatureAskedAgain),
                               [](ScriptedPlatform &p, const QStringList &atPrompt) {
                                   enterMixing(p, {"30"}, {"4"}, PointAnswers(MixingX, MixingDH));
                                   Click(Form9, QStringLiteral("Command4"));
                                   type(p, atPrompt);
                                   ClickRow(Form9, QStringLiteral("List1"), 0);
                                   return QStringList{problem().Results.Text[ResT0]};
                               }};

    prompts << PromptUnderTest{QStringLiteral("vapour capacity count"), QStringLiteral("3"), CountFromOne,
                               [](ScriptedPlatform &p, const QStringList &atPrompt) {
                                   AskVaporHeatCapacityQuestion();
                                   type(p, atPrompt);
                                   const int n = countOf(atPrompt.last());
                                   type(p, PointAnswers(TableT.mid(0, n), TableC.mid(0, n)));
                                   Click(Form12, QStringLiteral("Command1"));
                                   return QStringList{QString::number(problem().VaporHeatCapacity.N[1])};
                               }};
    for (int column = 0; column < 2; ++column)
        prompts << PromptUnderTest{
            column == 0 ? QStringLiteral("vapour capacity T") : QStringLiteral("vapour capacity C"),
            QString(), PointWithUnknown, [column](ScriptedPlatform &p, const QStringList &atPrompt) {
                AskVaporHeatCapacityQuestion();
                p.answer("3");
                type(p, pointsWith(TableT, TableC, 2, column, atPrompt));
                Click(Form12, QStringLiteral("Command1"));
                return capacityColumn(1, column == 1);
            }};

    prompts << PromptUnderTest{QStringLiteral("vaporization count"), QStringLiteral("3"), CountFromOne,
                               [](ScriptedPlatform &p, const QStringList &atPrompt) {
                                   type(p, atPrompt);
                                   const int n = countOf(atPrompt.last());
                                   type(p, PointAnswers(TableT.mid(0, n), TableR.mid(0, n)));
                                   RunHandler([] { StartVaporizationHeatEntry(1); });
                                   return QStringList{QString::number(problem().VaporizationHeat.N[1])};
                               }};
    for (int column = 0; column < 2; ++column) {
        prompts << PromptUnderTest{
            column == 0 ? QStringLiteral("vaporization T") : QStringLiteral("vaporization R"), QString(),
            PointWithUnknown, [column](ScriptedPlatform &p, const QStringList &atPrompt) {
                p.answer("3");
                type(p, pointsWith(TableT, TableR, 2, column, atPrompt));
                RunHandler([] { StartVaporizationHeatEntry(1); });
                return vaporizationColumn(1, column == 1);
            }};
        prompts << PromptUnderTest{
            column == 0 ? QStringLiteral("vaporization T correction")
                        : QStringLiteral("vaporization R correction"),
            QString(), CancelledKeeps(column == 0 ? TableT[1] : TableR[1], PointWithUnknown),
            [column](ScriptedPlatform &p, const QStringList &atPrompt) {
                p.answer("3");
                type(p, PointAnswers(TableT, TableR));
                RunHandler([] { StartVaporizationHeatEntry(1); });
                Click(Form15, QStringLiteral("Command4"));
                type(p, column == 0 ? atPrompt + QStringList{"394"} : QStringList{"80"} + atPrompt);
                ClickRow(Form15, QStringLiteral("List1"), 1);
                return vaporizationColumn(1, column == 1);
            }};
    }

    prompts << PromptUnderTest{QStringLiteral("solution temperature count"), QStringLiteral("2"),
                               CountFromOne, [](ScriptedPlatform &p, const QStringList &atPrompt) {
                                   const int n = countOf(atPrompt.last());
                                   enterSolutionTemperatures(p, atPrompt, QStringList{"20", "100"}.mid(0, n));
                                   return QStringList{QString::number(problem().SolutionHeatCapacity.NT)};
                               }};
    prompts << PromptUnderTest{QStringLiteral("solution temperature"), QStringLiteral("20"),
                               TemperatureAskedAgain, [](ScriptedPlatform &p, const QStringList &atPrompt) {
                                   enterSolutionTemperatures(p, {"2"}, QStringList{"100"} + atPrompt);
                                   return solutionTemperatureTexts();
                               }};
    // A corrected solution temperature is checked as the first one; a
    // cancelled correction keeps it.
    prompts << PromptUnderTest{QStringLiteral("solution temperature correction"), QStringLiteral("20"),
                               CancelledKeeps(QStringLiteral("100"), TemperatureAskedAgain),
                               [](ScriptedPlatform &p, const QStringList &atPrompt) {
                                   enterSolutionTemperatures(p, {"2"}, {"20", "100"});
                                   Click(Form18, QStringLiteral("Command4"));
                                   type(p, atPrompt);
                                   ClickRow(Form18, QStringLiteral("List1"), 1);
                                   return solutionTemperatureTexts();
                               }};
    prompts << PromptUnderTest{QStringLiteral("solution point count"), QStringLiteral("3"), CountAskedAgain,
                               [](ScriptedPlatform &p, const QStringList &atPrompt) {
                                   enterSolutionTemperatures(p, {"1"}, {"20"});
                                   type(p, atPrompt);
                                   type(p, PointAnswers(SolutionX, SolutionC));
                                   Click(Form18, QStringLiteral("Command3"));
                                   return QStringList{QString::number(problem().SolutionHeatCapacity.N[1])};
                               }};
    for (int column = 0; column < 2; ++column)
        prompts << PromptUnderTest{column == 0 ? QStringLiteral("solution X") : QStringLiteral("solution C"),
                                   QString(), PointWithUnknown,
                                   [column](ScriptedPlatform &p, const QStringList &atPrompt) {
                                       enterSolutionTemperatures(p, {"1"}, {"20"});
                                       p.answer("3");
                                       type(p, pointsWith(SolutionX, SolutionC, 2, column, atPrompt));
                                       Click(Form18, QStringLiteral("Command3"));
                                       return solutionColumn(1, column == 1);
                                   }};
    addListPrompts(prompts);
    return prompts;
}

// The lines that show an infinity or a NaN, leaving out those that only
// repeat what the student typed.
QStringList undefinedNumbers(const QStringList &lines, const QString &typed)
{
    static const QRegularExpression undefined(QStringLiteral("\\b(inf|nan)\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    const bool typedUndefined = undefined.match(typed).hasMatch();
    QStringList found;
    for (const QString &line : lines)
        if (undefined.match(line).hasMatch() &&
            !(typedUndefined && line.contains(typed, Qt::CaseInsensitive)))
            found << line;
    return found;
}

// A hostile answer typed into one field of a sound problem, stored the way
// its screen stores it and judged by that screen's check; returns the
// check's verdict (0: the value goes on to the calculation).
using FieldEntry = std::function<int(ProblemData &, const QString &typed)>;

FieldEntry feedField(int condition, int parameter)
{
    return [condition, parameter](ProblemData &data, const QString &typed) {
        data = BenzeneToluene::problem(condition);
        SetFeedCondition(data.Feed, condition);
        StoreFeedCorrection(data.Feed, parameter, typed);
        return CheckFeedParameters(data);
    };
}

FieldEntry equilibriumField(int point, int column)
{
    return [point, column](ProblemData &data, const QString &typed) {
        data = BenzeneToluene::problem();
        StoreEquilibriumValue(data, point, column, typed);
        SortEquilibriumTable(data);
        CheckEquilibriumTable(data);
        return data.Equilibrium.CheckFailed ? qMax(1, data.Equilibrium.BadPoint) : 0;
    };
}

QString soundText(float value)
{
    return GeneralNumberText(value);
}

// Point `point` of a thermal table, argument (column 0) or value (column 1).
FieldEntry thermalField(const ThermalDataSet &(*set)(), int sub, int point, int column)
{
    return [set, sub, point, column](ProblemData &data, const QString &typed) {
        data = BenzeneToluene::problem();
        data.VaporHeatCapacity.Present = true;
        const PointTable table = set().table(data, sub);
        const QString argument = column == 0 ? typed : soundText(table.argument[point]);
        const QString value = column == 1 ? typed : soundText(table.value[point]);
        table.store(point, argument, value);
        set().sort(data, sub);
        return set().check(data, sub);
    };
}

int mixingTemperature(ProblemData &data, const QString &typed)
{
    data = BenzeneToluene::problem();
    const QString text = NormalizeDecimal(typed);
    const float value = StoredNumber(text);
    if (!TableTemperatureInRange(value))
        return 1;
    MixingHeatDataSet().storeTemperature(data, 0, text, value);
    return 0;
}

// The correction of a solution temperature on its list takes any number.
int solutionTemperature(ProblemData &data, const QString &typed)
{
    data = BenzeneToluene::problem();
    data.SolutionHeatCapacity.TText[2] = NormalizeDecimal(typed);
    data.SolutionHeatCapacity.T[2] = StoredNumber(data.SolutionHeatCapacity.TText[2]);
    SortSolutionTemperatures(data);
    return 0;
}

// Both flows of a mixture feed typed alike.
int bothMixtureFlows(ProblemData &data, const QString &typed)
{
    data = BenzeneToluene::problem(MixtureFeed);
    SetFeedCondition(data.Feed, MixtureFeed);
    StoreFeedCorrection(data.Feed, 3, typed);
    StoreFeedCorrection(data.Feed, 4, typed);
    return CheckFeedParameters(data);
}

// A name typed on the start screen, printed at the head of the report.
FieldEntry nameField(int k)
{
    return [k](ProblemData &data, const QString &typed) {
        data = BenzeneToluene::problem();
        data.Names[k] = ProperCase(typed);
        return 0;
    };
}

// Both solution temperatures typed alike: two tables at one temperature.
int bothSolutionTemperatures(ProblemData &data, const QString &typed)
{
    data = BenzeneToluene::problem();
    SolutionHeatCapacitySet &s = data.SolutionHeatCapacity;
    for (int j = 1; j <= 2; ++j) {
        s.TText[j] = NormalizeDecimal(typed);
        s.T[j] = StoredNumber(s.TText[j]);
        if (!SolutionTemperatureInRange(s.T[j]))
            return j;
    }
    SortSolutionTemperatures(data);
    return 0;
}

// The last two heats of vaporization of a component typed at one
// temperature, which their check allows.
FieldEntry lastTwoVaporizationTemperatures(int component)
{
    return [component](ProblemData &data, const QString &typed) {
        data = BenzeneToluene::problem();
        const PointTable table = VaporizationHeatDataSet().table(data, component);
        for (int i = 2; i <= 3; ++i)
            table.store(i, typed, soundText(table.value[i]));
        SortVaporizationHeatTable(data, component);
        return CheckVaporizationHeatTable(data, component);
    };
}

} // namespace

Q_DECLARE_METATYPE(FieldEntry)

class HostileAnswersTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetProblemState(problem()); }
    void cleanup() { DisposeAllForms(); }

    void answerAtPrompt_data()
    {
        QTest::addColumn<int>("promptIndex");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reaction");
        const QList<PromptUnderTest> prompts = promptsUnderTest();
        for (int k = 0; k < prompts.size(); ++k) {
            QCOMPARE(prompts[k].reactions.size(), hostileAnswers().size());
            for (int a = 0; a < hostileAnswers().size(); ++a) {
                const HostileAnswer &answer = hostileAnswers()[a];
                QTest::addRow("%s: %s", qPrintable(prompts[k].name), answer.name)
                    << k << answer.typed << prompts[k].reactions[a];
            }
        }
    }

    void answerAtPrompt()
    {
        QFETCH(int, promptIndex);
        QFETCH(QString, typed);
        QFETCH(QString, reaction);
        static const QList<PromptUnderTest> prompts = promptsUnderTest();
        const PromptUnderTest &prompt = prompts[promptIndex];

        ScriptedSession session;
        session->looksOver = LooksOverWindowsFor(typed);
        const bool askedAgain = reaction == AskedAgain || reaction == Beeped;
        QStringList atPrompt{typed};
        if (askedAgain)
            atPrompt << prompt.soundAnswer;
        if (reaction == AskedAgain)
            session->yes();
        const QStringList stored = prompt.drive(session.platform(), atPrompt);
        if (QTest::currentTestFailed())
            return;

        QVERIFY2(!session->hasEnded(), "the program ended");
        QVERIFY2(!session->unansweredPromptsLeft(), "a prompt was not asked");
        QVERIFY2(!session->unansweredQuestionsLeft(), "a question was not asked");
        int errorBoxes = 0;
        for (const auto &question : session->questions)
            errorBoxes += question.title == QStringLiteral("ОШИБКА !");

        const QString expected = askedAgain ? prompt.soundAnswer : reaction;
        QVERIFY2(stored.contains(expected), qPrintable(QStringLiteral("stored: ") + stored.join(u'|')));
        QCOMPARE(errorBoxes, reaction == AskedAgain ? 1 : 0);
        QCOMPARE(session->beeps, reaction == Refused || askedAgain ? 1 : 0);
    }

    // The whole first road typed by a student, with a hostile answer where
    // the checks let it through: the road reaches the results window.
    void hostileAnswerOnTheWholeRoad_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("typed");
        for (const HostileAnswer &answer : hostileAnswers()) {
            // Answers with no number in them stop at the check of their table,
            // 1e39 at the prompt of a temperature.
            if (!HasLeadingNumber(NormalizeDecimal(answer.typed)))
                continue;
            QTest::addRow("molar mass A: %s", answer.name) << "molar mass A" << answer.typed;
            QTest::addRow("molar mass B: %s", answer.name) << "molar mass B" << answer.typed;
            if (answer.typed != QStringLiteral("1e39"))
                QTest::addRow("every solution temperature: %s", answer.name)
                    << "solution temperatures" << answer.typed;
        }
    }

    void hostileAnswerOnTheWholeRoad()
    {
        QFETCH(QString, where);
        QFETCH(QString, typed);
        ScriptedSession session;
        session->looksOver = LooksOverWindowsFor(typed);
        road::StudentScript script =
            road::ScriptOf(road::ReadExample(QStringLiteral("benzene-toluene.json")));
        if (where == QStringLiteral("molar mass A"))
            script.feed[0] = typed;
        else if (where == QStringLiteral("molar mass B"))
            script.feed[1] = typed;
        else
            for (int j = 1; j < script.temperatures.size(); ++j)
                script.temperatures[j] = typed;

        QCOMPARE(road::WalkFirstRoad(session.platform(), script), road::Stop());
        QVERIFY(!session->hasEnded());
        auto *results = FindForm<ResultsWindow>(QStringLiteral("Form23"));
        QVERIFY(results && results->isVisible());
        const QStringList undefined = undefinedNumbers(results->printedLines(), QString());
        QVERIFY2(undefined.isEmpty(), qPrintable(undefined.join(u'\n')));
        // Tables at one temperature are calculated like any others.
        if (where == QStringLiteral("solution temperatures"))
            QCOMPARE(problem().Outcome, CalculationOutcome::Complete);
    }

    void valueLetThroughReachesTheResults_data()
    {
        QTest::addColumn<FieldEntry>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("passesCheck");
        // Which hostile answers each field's check lets through, in the
        // order of the hostile answers: empty, cancelled, letters, 1e39, -0,
        // 1,2,3, 300 characters, Cyrillic, spaces only, nan, inf, 1e-45.
        const struct {
            const char *name;
            FieldEntry field;
            const char *passes;
        } fields[] = {
            {"molar mass A, boiling feed", feedField(BoilingLiquidFeed, 1), "++-++++----+"},
            {"molar mass B, boiling feed", feedField(BoilingLiquidFeed, 2), "++-++++----+"},
            {"molar mass A, vapour feed", feedField(VapourFeed, 1), "++-++++----+"},
            {"molar mass B, mixture feed", feedField(MixtureFeed, 2), "++-++++----+"},
            {"molar mass A, liquid feed", feedField(LiquidFeed, 1), "++-++++----+"},
            {"liquid flow, boiling feed", feedField(BoilingLiquidFeed, 3), "++--+++----+"},
            {"reflux, boiling feed", feedField(BoilingLiquidFeed, 7), "++--+++----+"},
            {"vapour flow, mixture feed", feedField(MixtureFeed, 3), "++--+++----+"},
            {"liquid fraction, mixture feed", feedField(MixtureFeed, 6), "++--+-+----+"},
            {"vapour temperature, vapour feed", feedField(VapourFeed, 5), "++--+++----+"},
            {"liquid temperature, liquid feed", feedField(LiquidFeed, 5), "++--+++----+"},
            {"equilibrium X of the first point", equilibriumField(1, XColumn), "++--+-------"},
            {"mixing heat temperature", mixingTemperature, "+++-++++++++"},
            {"mixing heat DH of the first point", thermalField(MixingHeatDataSet, 0, 1, 1), "++--+-------"},
            {"vaporization T of the first point", thermalField(VaporizationHeatDataSet, 1, 1, 0),
             "++--+++----+"},
            {"vapour capacity T of the first point", thermalField(VaporHeatCapacityDataSet, 2, 1, 0),
             "++--+++----+"},
            {"solution temperature correction", solutionTemperature, "++++++++++++"},
            {"both flows, mixture feed", bothMixtureFlows, "-----++----+"},
            {"student and group", nameField(1), "++++++++++++"},
            {"more volatile component", nameField(2), "++++++++++++"},
            {"less volatile component", nameField(3), "++++++++++++"},
        };
        for (const auto &f : fields) {
            for (int a = 0; a < hostileAnswers().size(); ++a) {
                const HostileAnswer &answer = hostileAnswers()[a];
                QTest::addRow("%s: %s", f.name, answer.name)
                    << f.field << answer.typed << (f.passes[a] == '+');
            }
        }
    }

    // Two points at one abscissa make a step: beyond it a property reads the
    // value on its own side instead of dividing by the zero width.
    void stepAtATableEnd_data()
    {
        QTest::addColumn<QList<float>>("xs");
        QTest::addColumn<QList<float>>("ys");
        QTest::addColumn<float>("p");
        QTest::addColumn<float>("expected");
        const QList<float> topStep{20, 80, 80}, bottomStep{20, 20, 80}, values{400, 390, 380};
        QTest::newRow("above a step at the top") << topStep << values << 100.0f << 380.0f;
        QTest::newRow("on a step at the top") << topStep << values << 80.0f << 380.0f;
        QTest::newRow("below the step at the top") << topStep << values << 50.0f << 395.0f;
        QTest::newRow("below a step at the bottom") << bottomStep << values << 10.0f << 400.0f;
        QTest::newRow("above the step at the bottom") << bottomStep << values << 50.0f << 385.0f;
        QTest::newRow("two points at one abscissa")
            << QList<float>{0, 0} << QList<float>{7, 9} << 5.0f << 9.0f;
        QTest::newRow("a single point") << QList<float>{0} << QList<float>{7} << 5.0f << 7.0f;
    }

    void stepAtATableEnd()
    {
        QFETCH(QList<float>, xs);
        QFETCH(QList<float>, ys);
        QFETCH(float, p);
        QFETCH(float, expected);
        float x[MaxPoints + 1] = {}, y[MaxPoints + 1] = {};
        for (int i = 0; i < xs.size(); ++i) {
            x[i + 1] = xs[i];
            y[i + 1] = ys[i];
        }
        QCOMPARE(InterpolateLinear(p, x, y, int(xs.size())), expected);
    }

    // Tables the checks accept are calculated, even where two points share
    // an abscissa at the end of the table that a property is read beyond.
    void acceptedTableIsCalculated_data()
    {
        QTest::addColumn<FieldEntry>("field");
        QTest::addColumn<QString>("typed");
        for (const HostileAnswer &answer : hostileAnswers()) {
            if (answer.typed == QStringLiteral("1e39"))
                continue; // refused at the prompt
            QTest::addRow("both solution temperatures: %s", answer.name)
                << FieldEntry(bothSolutionTemperatures) << answer.typed;
        }
        QTest::addRow("last two solution temperatures 90") << FieldEntry(bothSolutionTemperatures) << "90";
        for (int component = 1; component <= 2; ++component)
            for (const char *t : {"60", "80", "90,0", "-0"})
                QTest::addRow("last two vaporization temperatures of component %d: %s", component, t)
                    << lastTwoVaporizationTemperatures(component) << QString::fromLatin1(t);
    }

    void acceptedTableIsCalculated()
    {
        QFETCH(FieldEntry, field);
        QFETCH(QString, typed);
        ScriptedSession session;
        session->looksOver = LooksOverWindowsFor(typed);
        ProblemData data;
        QCOMPARE(field(data, typed), 0);
        problem() = data;
        RunCalculation();
        QVERIFY2(problem().Outcome != CalculationOutcome::InvalidData, qPrintable(problem().InvalidReason));
        const QStringList shown = FindForm<ResultsWindow>(QStringLiteral("Form23"))->printedLines();
        QVERIFY(undefinedNumbers(shown, QString()).isEmpty());
    }

    void valueLetThroughReachesTheResults()
    {
        QFETCH(FieldEntry, field);
        QFETCH(QString, typed);
        QFETCH(bool, passesCheck);
        ScriptedSession session;
        session->looksOver = LooksOverWindowsFor(typed);
        ProblemData data;
        const int verdict = field(data, typed);
        QCOMPARE(verdict == 0, passesCheck);
        if (!passesCheck)
            return;

        problem() = data;
        RunCalculation();
        auto *results = FindForm<ResultsWindow>(QStringLiteral("Form23"));
        QVERIFY(results);
        const QStringList shown = results->printedLines();
        QVERIFY(!shown.isEmpty());
        // The results window shows no typed text at all.
        const QStringList shownUndefined = undefinedNumbers(shown, QString());
        QVERIFY2(shownUndefined.isEmpty(), qPrintable(shownUndefined.join(u'\n')));
        for (const QStringList &page :
             BuildReport(problem(), QStringLiteral("08.12.2026"), QStringLiteral("21:00"))) {
            const QStringList printedUndefined = undefinedNumbers(page, typed);
            QVERIFY2(printedUndefined.isEmpty(), qPrintable(printedUndefined.join(u'\n')));
        }
    }
};

QTEST_MAIN(HostileAnswersTest)
#include "tst_hostile_answers.moc"
