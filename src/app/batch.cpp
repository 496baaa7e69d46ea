#include "batch.h"
#include "command_line.h"
#include "reflux_sweep_output.h"
#include "report_file.h"
#include "results_json.h"

#include "engine/calculation.h"
#include "engine/problem_file.h"
#include "model/problem_data.h"
#include "report/report.h"
#include "ui/system_clock.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

// Exit statuses: 0 the problem was calculated (whatever the outcome), 1 the
// command line is at fault or an output could not be written, 2 the problem
// cannot be calculated (the file included), 3 the calculation did not run.

namespace {

constexpr int CalculatedStatus = 0;
constexpr int OutputFailedStatus = 1;
constexpr int InvalidProblemStatus = 2;
constexpr int NotCalculatedStatus = 3;

// The problem cannot be calculated: the message goes where the caller reads.
int reportInvalid(const CommandLine &command, const QString &error)
{
    if (command.json)
        WriteText(stdout, InvalidJson(error));
    else
        WriteText(stderr, error + u'\n');
    return InvalidProblemStatus;
}

// The printed report, in a file dated now: plain text, or PDF pages as the
// printer prints them.
bool writeReport(const QString &path, const ProblemData &data)
{
    QString error;
    if (WriteReportFile(BuildReport(data, SystemShortDate(), SystemShortTime()), path, &error))
        return true;
    WriteText(stderr, QStringLiteral("tarelin: %1: %2\n").arg(path, error));
    return false;
}

// The diagrams of the stage counts, as the diagram window prints them.
bool writeDiagrams(const QString &path, const ProblemData &data, const DiagramsFileWriter &writer)
{
    QString error = QStringLiteral("diagrams cannot be drawn here");
    if (writer && writer(path, data, &error))
        return true;
    WriteText(stderr, QStringLiteral("tarelin: %1: %2\n").arg(path, error));
    return false;
}

// Standard output, flushed; false, with the reason on standard error, when
// not all of it got there (a full disk, a closed pipe).
bool printToStandardOutput(const QString &text)
{
    const bool written = WriteText(stdout, text) && std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (!written)
        WriteText(stderr, QStringLiteral("tarelin: standard output: %1\n")
                              .arg(QString::fromLocal8Bit(std::strerror(errno))));
    return written;
}

bool printResults(const CommandLine &command, const ProblemData &data)
{
    if (command.json)
        return printToStandardOutput(ResultsJson(data));
    QString lines;
    for (const ResultLine &line : ResultScreenLines(data))
        lines += line.text + u'\n';
    return printToStandardOutput(lines);
}

// The problem calculated at each reflux ratio of the range. The problem
// itself is left as it was. A problem that cannot be calculated at any of
// the ratios is refused as a whole.
int printSweep(const CommandLine &command, const ProblemData &data, const RefluxRange &range)
{
    const std::vector<RefluxPoint> points =
        SweepReflux(data, EvenlySpacedReflux(range.from, range.to, range.count));
    const bool noneCalculated = std::all_of(points.begin(), points.end(), [](const RefluxPoint &point) {
        return point.outcome == CalculationOutcome::InvalidData;
    });
    if (noneCalculated)
        return reportInvalid(command, points.front().invalidReason);
    const QString printed = command.json ? SweepJson(points, StudyRefluxLimits(data)) : SweepTable(points);
    return printToStandardOutput(printed) ? CalculatedStatus : OutputFailedStatus;
}

} // namespace

int RunBatch(const CommandLine &command, const DiagramsFileWriter &writeDiagramsFile)
{
    std::optional<RefluxRange> sweepRange;
    if (command.refluxSweep) {
        QString error;
        sweepRange = ParseRefluxRange(*command.refluxSweep, &error);
        if (!sweepRange)
            return reportInvalid(command, error);
    }

    QFile file(command.problemFile);
    if (!file.open(QIODevice::ReadOnly))
        return reportInvalid(command, QStringLiteral("%1: %2").arg(command.problemFile, file.errorString()));

    ProblemData &data = problem();
    const ProblemFileResult loaded = LoadProblem(file.readAll(), data);
    if (!loaded.ok)
        return reportInvalid(command, loaded.error);

    // A sweep starts every calculation from the problem as loaded; the
    // problem's own reflux ratio is calculated only for the files of it
    // asked for.
    if (sweepRange && !command.reportFile && !command.plotFile)
        return printSweep(command, data, *sweepRange);
    const std::optional<ProblemData> asLoaded = sweepRange ? std::optional<ProblemData>(data) : std::nullopt;

    CalculateColumn(data);
    if (data.Outcome == CalculationOutcome::InvalidData)
        return reportInvalid(command, data.InvalidReason);
    if (data.Outcome == CalculationOutcome::NotCalculated) {
        WriteText(stderr, QStringLiteral("tarelin: the calculation did not run\n"));
        return NotCalculatedStatus;
    }

    // The files first: standard output tells the outcome only when every
    // output asked for has been written.
    if (command.reportFile && !writeReport(*command.reportFile, data))
        return OutputFailedStatus;
    if (command.plotFile && !writeDiagrams(*command.plotFile, data, writeDiagramsFile))
        return OutputFailedStatus;
    if (asLoaded)
        return printSweep(command, *asLoaded, *sweepRange);
    if (!printResults(command, data))
        return OutputFailedStatus;
    return CalculatedStatus;
}
