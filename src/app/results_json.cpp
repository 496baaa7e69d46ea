#include "results_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

#include <charconv>
#include <cmath>

namespace {

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
        QString entry = QStringLiteral("{\"stage\": %1, \"x\": %2, \"y\": %3, \"t\": %4")
                            .arg(QString::number(n), StoredFloatJson(stage.X), StoredFloatJson(stage.Y),
                                 StoredFloatJson(stage.T));
        if (exact)
            entry += QStringLiteral(", \"vapour_enthalpy\": %1, \"pole\": %2")
                         .arg(StoredFloatJson(stage.VapourEnthalpy), QLatin1String(poleName(stage.Pole)));
        stages << entry + u'}';
    }
    return u'[' + stages.join(QStringLiteral(", ")) + u']';
}

} // namespace

// A stored single written so that it reads back as the very same single:
// the shortest such decimal text. JSON has no infinity or NaN; they become null.
QString StoredFloatJson(float value)
{
    if (!std::isfinite(value))
        return QStringLiteral("null");
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, written.ptr - buffer);
}

QString StageNumberJson(float value)
{
    return std::isfinite(value) ? QString::number(std::lround(value)) : QStringLiteral("null");
}

QString JsonText(const QString &text)
{
    // A one-element array is the simplest way to have Qt escape a string.
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString InvalidJson(const QString &error)
{
    return QStringLiteral("{\"outcome\": \"invalid\", \"error\": %1}\n").arg(JsonText(error));
}

const char *OutcomeName(CalculationOutcome outcome)
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

// The results object: the twenty stored results, the stage numbers of the
// counts that reached the top and the stage profiles of the counts that ran.
QString ResultsJson(const ProblemData &data)
{
    QStringList results;
    for (int element = 1; element <= ResultCount; ++element)
        results << StoredFloatJson(data.Results(element));

    const bool cmfReachedTop = data.Outcome == CalculationOutcome::Complete ||
                               data.Outcome == CalculationOutcome::ExactRefluxBelowMinimum;
    const bool exactReachedTop = data.Outcome == CalculationOutcome::Complete;
    const QString null = QStringLiteral("null");
    return QStringLiteral(
               "{\"outcome\": \"%1\", \"results\": [%2], \"cmf_stages\": %3, \"cmf_feed_stage\": %4, "
               "\"exact_stages\": %5, \"exact_feed_stage\": %6, \"min_reflux\": %7, "
               "\"cmf_profile\": %8, \"exact_profile\": %9}\n")
        .arg(QLatin1String(OutcomeName(data.Outcome)), results.join(QStringLiteral(", ")),
             cmfReachedTop ? StageNumberJson(data.Stage.SavedStageCount) : null,
             cmfReachedTop ? StageNumberJson(data.Stage.SavedFeedStage) : null,
             exactReachedTop ? StageNumberJson(data.Results(ResN)) : null,
             exactReachedTop ? StageNumberJson(data.Results(ResNf)) : null,
             data.Outcome == CalculationOutcome::ExactRefluxBelowMinimum ? StoredFloatJson(data.MinimumReflux)
                                                                         : null,
             profileJson(data.Profiles.ConstantFlow, false), profileJson(data.Profiles.Exact, true));
}
