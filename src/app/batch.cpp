#include "batch.h"

#include "report_file.h"
#include "system_clock.h"

#include "engine/calculation.h"
#include "engine/problem_file.h"
#include "model/problem_data.h"
#include "results/report/report.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

// Exit statuses: 0 the problem was calculated (whatever the outcome), 1 the
// command line or the file itself is at fault, 2 the problem cannot be
// calculated, 3 the calculation did not run.

namespace {

constexpr int CalculatedStatus = 0;
constexpr int UsageStatus = 1;
constexpr int InvalidProblemStatus = 2;
constexpr int NotCalculatedStatus = 3;

const char Usage[] = "usage: tarelin --batch FILE [--json] [--report FILE]\n"
                     "  --batch FILE    calculate the problem file FILE and print the results\n"
                     "  --json          print the results as one JSON object\n"
                     "  --report FILE   also write the printed report to FILE\n";

struct BatchOptions {
    QString problemFile;
    bool json = false;
    std::optional<QString> reportFile;
};

void write(FILE *stream, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), stream);
}

// Reads the command line after the program name; on a fault returns the
// message for the student.
std::optional<QString> parseArguments(const QStringList &arguments, BatchOptions &options)
{
    bool haveProblem = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool takesValue = argument == u"--batch" || argument == u"--report";
        if (takesValue && i + 1 >= arguments.size())
            return QStringLiteral("%1 needs a file name").arg(argument);
        if (argument == u"--batch") {
            if (haveProblem)
                return QStringLiteral("only one problem file can be calculated at a time");
            options.problemFile = arguments[++i];
            haveProblem = true;
        } else if (argument == u"--report") {
            options.reportFile = arguments[++i];
        } else if (argument == u"--json") {
            options.json = true;
        } else {
            return QStringLiteral("unknown argument: %1").arg(argument);
        }
    }
    if (!haveProblem)
        return QStringLiteral("--batch needs a file name");
    return std::nullopt;
}

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

// The results object: the twenty stored results and the stage numbers of
// the counts that reached the top.
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
               "\"exact_stages\": %5, \"exact_feed_stage\": %6, \"min_reflux\": %7}\n")
        .arg(QLatin1String(outcomeName(data.Outcome)), results.join(QStringLiteral(", ")),
             cmfReachedTop ? stageNumber(data.Stage.SavedStageCount) : null,
             cmfReachedTop ? stageNumber(data.Stage.SavedFeedStage) : null,
             exactReachedTop ? stageNumber(data.Results(ResN)) : null,
             exactReachedTop ? stageNumber(data.Results(ResNf)) : null,
             data.Outcome == CalculationOutcome::ExactRefluxBelowMinimum ? storedFloat(data.MinimumReflux)
                                                                         : null);
}

// The problem cannot be calculated: the message goes where the caller reads.
int reportInvalid(const BatchOptions &options, const QString &error)
{
    if (options.json)
        write(stdout, invalidJson(error));
    else
        write(stderr, error + u'\n');
    return InvalidProblemStatus;
}

// The printed report, in a file: plain text, or PDF pages as the printer
// prints them. Drawing PDF pages needs the fonts of a windowed application.
bool writeReport(const QString &path, const ProblemData &data)
{
    const bool pdf = path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    QString error;
    if (pdf && !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        error = QStringLiteral("a PDF report cannot be drawn in batch mode; name a .txt file");
    else if (WriteReportFile(BuildReport(data, SystemShortDate(), SystemShortTime()), path, &error))
        return true;
    write(stderr, QStringLiteral("tarelin: %1: %2\n").arg(path, error));
    return false;
}

} // namespace

bool IsBatchInvocation(const QStringList &arguments)
{
    return arguments.contains(QStringLiteral("--batch"));
}

int RunBatch(const QStringList &arguments)
{
    BatchOptions options;
    if (const std::optional<QString> fault = parseArguments(arguments, options)) {
        write(stderr, QStringLiteral("tarelin: %1\n").arg(*fault) + QLatin1String(Usage));
        return UsageStatus;
    }

    QFile file(options.problemFile);
    if (!file.open(QIODevice::ReadOnly)) {
        write(stderr, QStringLiteral("tarelin: %1: %2\n").arg(options.problemFile, file.errorString()));
        return UsageStatus;
    }

    ProblemData &data = problem();
    const ProblemFileResult loaded = LoadProblem(file.readAll(), data);
    if (!loaded.ok)
        return reportInvalid(options, loaded.error);

    CalculateColumn(data);
    if (data.Outcome == CalculationOutcome::InvalidData)
        return reportInvalid(options, data.InvalidReason);
    if (data.Outcome == CalculationOutcome::NotCalculated) {
        write(stderr, QStringLiteral("tarelin: the calculation did not run\n"));
        return NotCalculatedStatus;
    }

    if (options.json) {
        write(stdout, resultsJson(data));
    } else {
        for (const ResultLine &line : ResultScreenLines(data))
            write(stdout, line.text + u'\n');
    }
    std::fflush(stdout);

    if (options.reportFile && !writeReport(*options.reportFile, data))
        return UsageStatus;
    return CalculatedStatus;
}
