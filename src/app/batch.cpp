#include "batch.h"

#include "command_line.h"
#include "report_file.h"
#include "system_clock.h"

#include "engine/calculation.h"
#include "engine/problem_file.h"
#include "model/problem_data.h"
#include "results/report/report.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cerrno>
#include <charconv>
#include <cmath>
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

// A stored single written so that it reads back as the very same single:
// the shortest such decimal text. JSON has no infinity or NaN; they become null.
QString storedFloat(float value)
{
    if (!std::isfinite(value))
        return QStringLiteral("null");
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, written.ptr - buffer);
}

QString stageNumber(float value)
{
    return std::isfinite(value) ? QString::number(std::lround(value)) : QStringLiteral("null");
}

QString jsonText(const QString &text)
{
    // A one-element array is the simplest way to have Qt escape a string.
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString invalidJson(const QString &error)
{
    return QStringLiteral("{\"outcome\": \"invalid\", \"error\": %1}\n").arg(jsonText(error));
}

const char *outcomeName(CalculationOutcome outcome)
{
    switch (outcome) {
    case CalculationOutcome::Complete:
        return "complete";
    case CalculationOutcome::HeatBalanceFailure:
        return "heat_balance_error";
    case CalculationOutcome::RefluxBelowMinimum:
        return "reflux_below_minimum";
    case CalculationOutcome::ExactRefluxBelowMinimum:
        return "exact_reflux_below_minimum";
    case CalculationOutcome::InvalidData:
        return "invalid";
    case CalculationOutcome::NotCalculated:
        break;
    }
    return "not_calculated";
}

const char *poleName(StagePole pole)
{
    switch (pole) {
    case StagePole::Top:
        return "\"top\"";
    case StagePole::Bottom:
        return "\"bottom\"";
    case StagePole::None:
        break;
    }
    return "null";
}

// Every stage a count stepped, from the bottom; null when it did not run.
// The exact count's stages also carry their vapour's enthalpy and the pole
// of the line to the stage above.
QString profileJson(const StageProfile &profile, bool exact)
{
    if (!profile.Ran)
        return QStringLiteral("null");
    QStringList stages;
    for (int n = 1; n <= profile.Count; ++n) {
        const ProfileStage &stage = profile.Stages[n];
        QString entry =
            QStringLiteral("{\"stage\": %1, \"x\": %2, \"y\": %3, \"t\": %4")
                .arg(QString::number(n), storedFloat(stage.X), storedFloat(stage.Y), storedFloat(stage.T));
        if (exact)
            entry += QStringLiteral(", \"vapour_enthalpy\": %1, \"pole\": %2")
                         .arg(storedFloat(stage.VapourEnthalpy), QLatin1String(poleName(stage.Pole)));
        stages << entry + u'}';
    }
    return u'[' + stages.join(QStringLiteral(", ")) + u']';
}

// The results object: the twenty stored results, the stage numbers of the
// counts that reached the top and the stage profiles of the counts that ran.
QString resultsJson(const ProblemData &data)
{
    QStringList results;
    for (int element = 1; element <= ResultCount; ++element)
        results << storedFloat(data.Results(element));

    const bool cmfReachedTop = data.Outcome == CalculationOutcome::Complete ||
                               data.Outcome == CalculationOutcome::ExactRefluxBelowMinimum;
    const bool exactReachedTop = data.Outcome == CalculationOutcome::Complete;
    const QString null = QStringLiteral("null");
    return QStringLiteral(
               "{\"outcome\": \"%1\", \"results\": [%2], \"cmf_stages\": %3, \"cmf_feed_stage\": %4, "
               "\"exact_stages\": %5, \"exact_feed_stage\": %6, \"min_reflux\": %7, "
               "\"cmf_profile\": %8, \"exact_profile\": %9}\n")
        .arg(QLatin1String(outcomeName(data.Outcome)), results.join(QStringLiteral(", ")),
             cmfReachedTop ? stageNumber(data.Stage.SavedStageCount) : null,
             cmfReachedTop ? stageNumber(data.Stage.SavedFeedStage) : null,
             exactReachedTop ? stageNumber(data.Results(ResN)) : null,
             exactReachedTop ? stageNumber(data.Results(ResNf)) : null,
             data.Outcome == CalculationOutcome::ExactRefluxBelowMinimum ? storedFloat(data.MinimumReflux)
                                                                         : null,
             profileJson(data.Profiles.ConstantFlow, false), profileJson(data.Profiles.Exact, true));
}

// The problem cannot be calculated: the message goes where the caller reads.
int reportInvalid(const CommandLine &command, const QString &error)
{
    if (command.json)
        WriteText(stdout, invalidJson(error));
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

// The results on standard output; false when they did not all get there
// (a full disk, a closed pipe).
bool printResults(const CommandLine &command, const ProblemData &data)
{
    bool written = true;
    if (command.json) {
        written = WriteText(stdout, resultsJson(data));
    } else {
        for (const ResultLine &line : ResultScreenLines(data))
            written = WriteText(stdout, line.text + u'\n') && written;
    }
    written = std::fflush(stdout) == 0 && written && !std::ferror(stdout);
    if (!written)
        WriteText(stderr, QStringLiteral("tarelin: standard output: %1\n")
                              .arg(QString::fromLocal8Bit(std::strerror(errno))));
    return written;
}

} // namespace

int RunBatch(const CommandLine &command, const DiagramsFileWriter &writeDiagramsFile)
{
    QFile file(command.problemFile);
    if (!file.open(QIODevice::ReadOnly))
        return reportInvalid(command, QStringLiteral("%1: %2").arg(command.problemFile, file.errorString()));

    ProblemData &data = problem();
    const ProblemFileResult loaded = LoadProblem(file.readAll(), data);
    if (!loaded.ok)
        return reportInvalid(command, loaded.error);

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
    if (!printResults(command, data))
        return OutputFailedStatus;
    return CalculatedStatus;
}
