#include "equilibrium_table.h"
#include "feed_checks.h"
#include "problem_file.h"
#include "problem_file_keys.h"
#include "road_steps.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString quoted(const QString &text)
{
    QString result = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            result += u'\\';
        if (c.unicode() < 0x20)
            result += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            result += c;
    }
    return result + u'"';
}

// A value as the student typed it. Loading takes every value through
// NormalizeDecimal, which turns the first decimal comma into a point; a text
// that kept a later comma had its last point before that comma typed as a
// comma, and is written so, so that loading gives back the very same text.
QString typed(const QString &text)
{
    const qsizetype comma = text.indexOf(u',');
    const qsizetype point = comma > 0 ? text.lastIndexOf(u'.', comma) : -1;
    if (point < 0)
        return quoted(text);
    QString asTyped = text;
    asTyped[point] = u',';
    return quoted(asTyped);
}

QString row(const QStringList &cells)
{
    return u'[' + cells.join(QStringLiteral(", ")) + u']';
}

QString indentation(int level)
{
    return QString(2 * level, u' ');
}

// An array whose elements stand one per line.
QString lines(const QStringList &elements, int level)
{
    if (elements.isEmpty())
        return QStringLiteral("[]");
    const QString inner = indentation(level + 1);
    return QStringLiteral("[\n") + inner + elements.join(QStringLiteral(",\n") + inner) + u'\n' +
           indentation(level) + u']';
}

// The members of an object in the order they are added.
class Members {
public:
    void add(const char *key, const QString &value)
    {
        members << quoted(QLatin1String(key)) + QStringLiteral(": ") + value;
    }
    QString object(int level) const { return u'{' + lines(members, level).mid(1).chopped(1) + u'}'; }

private:
    QStringList members;
};

QString pointRows(int count, const std::function<QStringList(int)> &cells, int level)
{
    QStringList rows;
    for (int i = 1; i <= count; ++i) {
        QStringList typedCells;
        for (const QString &cell : cells(i))
            typedCells << typed(cell);
        rows << row(typedCells);
    }
    return lines(rows, level);
}

bool within(int count, int least, int most)
{
    return count >= least && count <= most;
}

QString equilibrium(const ProblemData &data, int level)
{
    const EquilibriumTable &table = data.Equilibrium;
    Members members;
    members.add("points", pointRows(
                              table.N,
                              [&](int i) {
                                  return QStringList{table.XText[i], table.YText[i], table.TText[i]};
                              },
                              level + 1));
    // A composition the detection finds is found again on loading; only
    // one the student declared is kept.
    ProblemData probe;
    probe.Equilibrium = table;
    const bool declared = table.Azeotropic && !DetectAzeotrope(probe);
    members.add("azeotrope", declared ? typed(table.AzeotropeXText) : QStringLiteral("null"));
    return members.object(level);
}

QString feed(const ProblemData &data, int level)
{
    Members values;
    for (const int element : FeedParameterElements(data.Feed.Condition))
        values.add(FeedSymbol(element).data(), typed(data.Feed.Text[element]));
    Members members;
    members.add("condition", QString::number(data.Feed.Condition));
    members.add("values", values.object(level + 1));
    return members.object(level);
}

QString mixingHeat(const ProblemData &data, int level)
{
    const MixingHeatTable &table = data.MixingHeat;
    Members members;
    members.add("temperature", typed(data.Results.Text[ResT0]));
    members.add("points", pointRows(
                              table.N,
                              [&](int i) {
                                  return QStringList{table.XText[i], table.DHText[i]};
                              },
                              level + 1));
    return members.object(level);
}

// The component tables 1..tables of T and one property.
template <typename Table>
QString componentTables(const Table &table, const QString (&values)[MaxComponents + 1][MaxPoints + 1],
                        int tables, int level)
{
    QStringList rows;
    for (int k = 1; k <= tables; ++k)
        rows << pointRows(
            table.N[k],
            [&](int i) {
                return QStringList{table.TText[k][i], values[k][i]};
            },
            level + 1);
    return lines(rows, level);
}

// How many leading component tables are typed and can be read back.
int typedComponentTables(const ProblemData &data, RoadSet set, const int (&counts)[MaxComponents + 1])
{
    int tables = 0;
    while (tables < MaxComponents && RoadStep{set, tables + 1} <= data.Entered &&
           within(counts[tables + 1], 1, MaxPoints))
        ++tables;
    return tables;
}

// The solution temperatures, each with its table once that is typed.
// Returns how many tables were written.
int solutionHeatCapacity(const ProblemData &data, int level, QString &text)
{
    const SolutionHeatCapacitySet &set = data.SolutionHeatCapacity;
    const bool everything = IsEveryDataSetTyped(data);
    QStringList entries;
    int tables = 0;
    for (int j = 1; j <= set.NT; ++j) {
        const bool tableTyped = (everything || RoadStep{RoadSet::SolutionHeatCapacity, j} <= data.Entered) &&
                                within(set.N[j], 2, MaxPoints);
        // A temperature being added after the calculation has no table yet:
        // until it has, the problem stays as it was.
        if (everything && !tableTyped)
            continue;
        Members entry;
        entry.add("temperature", typed(set.TText[j]));
        if (tableTyped && tables == j - 1) {
            entry.add("points", pointRows(
                                    set.N[j],
                                    [&](int i) {
                                        return QStringList{set.XText[j][i], set.CText[j][i]};
                                    },
                                    level + 2));
            tables = j;
        }
        entries << entry.object(level + 1);
    }
    text = lines(entries, level);
    return tables;
}

} // namespace

namespace {

// Adds the data sets in road order while they are typed and can be read
// back; the first one that is not ends what the file holds. True when every
// data set is there.
bool addTypedDataSets(const ProblemData &data, Members &members)
{
    const bool everything = IsEveryDataSetTyped(data);
    const auto reached = [&](RoadSet set, int sub = 0) {
        return everything || RoadStep{set, sub} <= data.Entered;
    };
    if (!reached(RoadSet::Student))
        return false;
    members.add("student", quoted(data.Names[1]));
    if (!reached(RoadSet::Components))
        return false;
    members.add("components", row({quoted(data.Names[2]), quoted(data.Names[3])}));
    if (!reached(RoadSet::Equilibrium) || !within(data.Equilibrium.N, 8, MaxPoints))
        return false;
    members.add("equilibrium", equilibrium(data, 1));
    if (!reached(RoadSet::Feed) || FeedParameterElements(data.Feed.Condition).empty())
        return false;
    members.add("feed", feed(data, 1));
    if (!reached(RoadSet::MixingHeat))
        return false;
    // An optional set whose table is not typed to the end (its first entry
    // after the calculation, broken off) is still absent.
    const bool mixing = data.MixingHeat.Present && within(data.MixingHeat.N, 4, MaxPoints);
    members.add("mixing_heat", mixing ? mixingHeat(data, 1) : QStringLiteral("null"));

    if (!reached(RoadSet::VaporHeatCapacity, 1))
        return false;
    const VaporHeatCapacityTable &vapour = data.VaporHeatCapacity;
    if (!vapour.Present) {
        members.add("vapour_heat_capacity", QStringLiteral("null"));
    } else if (everything) {
        const bool both = within(vapour.N[1], 1, MaxPoints) && within(vapour.N[2], 1, MaxPoints);
        members.add("vapour_heat_capacity",
                    both ? componentTables(vapour, vapour.CText, MaxComponents, 1) : QStringLiteral("null"));
    } else {
        const int tables = typedComponentTables(data, RoadSet::VaporHeatCapacity, vapour.N);
        if (tables == 0)
            return false;
        members.add("vapour_heat_capacity", componentTables(vapour, vapour.CText, tables, 1));
        if (tables < MaxComponents)
            return false;
    }

    const VaporizationHeatTable &vaporization = data.VaporizationHeat;
    const int vaporizationTables = typedComponentTables(data, RoadSet::VaporizationHeat, vaporization.N);
    if (vaporizationTables == 0)
        return false;
    members.add("vaporization_heat",
                componentTables(vaporization, vaporization.RText, vaporizationTables, 1));
    if (vaporizationTables < MaxComponents || !reached(RoadSet::SolutionTemperatures) ||
        !within(data.SolutionHeatCapacity.NT, 1, MaxTemperatures))
        return false;
    QString solution;
    const int tables = solutionHeatCapacity(data, 1, solution);
    if (everything && tables == 0)
        return false;
    members.add("solution_heat_capacity", solution);
    return everything;
}

} // namespace

QByteArray SaveProblem(const ProblemData &data)
{
    Members dataSets;
    const bool finished = addTypedDataSets(data, dataSets);
    Members file;
    file.add("format", QString::number(ProblemFileFormat));
    if (!finished)
        file.add("unfinished", QStringLiteral("true"));
    QString text = file.object(0);
    const QString body = dataSets.object(0);
    if (body.size() > 2) // "{}" when nothing is typed yet
        text = text.chopped(2) + QStringLiteral(",\n") + body.mid(2);
    return (text + u'\n').toUtf8();
}

FileWriteResult WriteProblemFile(const QString &path, const ProblemData &data)
{
    return WriteFileAtomically(path, SaveProblem(data));
}
