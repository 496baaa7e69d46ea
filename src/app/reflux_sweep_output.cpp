#include "reflux_sweep_output.h"

#include "results_json.h"

#include "model/text.h"

#include <QStringList>

#include <charconv>
#include <cmath>
#include <string>

namespace {

// The whole of text as one number, read the same in every locale.
template <typename Number> std::optional<Number> wholeNumber(const QString &text)
{
    const std::string characters = NormalizeDecimal(text.trimmed()).toStdString();
    if (characters.empty() || text.trimmed().isEmpty())
        return std::nullopt;
    Number number{};
    const char *end = characters.data() + characters.size();
    const auto [stop, error] = std::from_chars(characters.data(), end, number);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

std::optional<RefluxRange> refused(QString *error, const QString &why)
{
    if (error)
        *error = QStringLiteral("--sweep-reflux FROM:TO:COUNT: %1").arg(why);
    return std::nullopt;
}

QString optionalNumber(const std::optional<int> &number, const QString &null)
{
    return number ? QString::number(*number) : null;
}

// The Qc and Qw of a calculation that could not be made are no numbers.
bool hasDuties(const RefluxPoint &point)
{
    return point.outcome != CalculationOutcome::InvalidData &&
           point.outcome != CalculationOutcome::NotCalculated;
}

QString rowJson(const RefluxPoint &point)
{
    const QString null = QStringLiteral("null");
    return QStringLiteral("{\"R\": %1, \"outcome\": \"%2\", \"cmf_stages\": %3, \"cmf_feed_stage\": %4, "
                          "\"exact_stages\": %5, \"exact_feed_stage\": %6, \"Qc\": %7, \"Qw\": %8, "
                          "\"min_reflux\": %9}")
        .arg(StoredFloatJson(point.R), QLatin1String(OutcomeName(point.outcome)),
             optionalNumber(point.constantFlowStages, null),
             optionalNumber(point.constantFlowFeedStage, null), optionalNumber(point.exactStages, null),
             optionalNumber(point.exactFeedStage, null), hasDuties(point) ? StoredFloatJson(point.Qc) : null,
             hasDuties(point) ? StoredFloatJson(point.Qw) : null,
             point.outcome == CalculationOutcome::ExactRefluxBelowMinimum
                 ? StoredFloatJson(point.minimumReflux)
                 : null);
}

} // namespace

std::optional<RefluxRange> ParseRefluxRange(const QString &text, QString *error)
{
    const QStringList parts = text.split(u':');
    if (parts.size() != 3)
        return refused(error,
                       QStringLiteral("three fields separated by colons expected, not \"%1\"").arg(text));
    const std::optional<double> from = wholeNumber<double>(parts[0]);
    const std::optional<double> to = wholeNumber<double>(parts[1]);
    const std::optional<int> count = wholeNumber<int>(parts[2]);
    if (!from || !std::isfinite(*from))
        return refused(error, QStringLiteral("FROM is not a number: \"%1\"").arg(parts[0]));
    if (!to || !std::isfinite(float(*to)))
        return refused(error, QStringLiteral("TO is not a number: \"%1\"").arg(parts[1]));
    if (!count)
        return refused(error, QStringLiteral("COUNT is not a whole number: \"%1\"").arg(parts[2]));
    if (!(*from > 0.0) || !(float(*from) > 0.0f))
        return refused(error, QStringLiteral("FROM must be greater than 0"));
    if (!(float(*from) < float(*to)))
        return refused(error, QStringLiteral("FROM must be less than TO"));
    if (*count < 2 || *count > MaxSweepPoints)
        return refused(error, QStringLiteral("COUNT must be from 2 to %1").arg(MaxSweepPoints));
    return RefluxRange{*from, *to, *count};
}

QString SweepTable(const std::vector<RefluxPoint> &points)
{
    QString table =
        QStringLiteral("R\toutcome\tcmf_stages\tcmf_feed_stage\texact_stages\texact_feed_stage\tQc\tQw\n");
    table.reserve(table.size() + qsizetype(points.size()) * 64);
    const QString empty;
    for (const RefluxPoint &point : points) {
        const QStringList fields = {StoredFloatJson(point.R),
                                    QLatin1String(OutcomeName(point.outcome)),
                                    optionalNumber(point.constantFlowStages, empty),
                                    optionalNumber(point.constantFlowFeedStage, empty),
                                    optionalNumber(point.exactStages, empty),
                                    optionalNumber(point.exactFeedStage, empty),
                                    hasDuties(point) ? StoredFloatJson(point.Qc) : empty,
                                    hasDuties(point) ? StoredFloatJson(point.Qw) : empty};
        table += fields.join(u'\t') + u'\n';
    }
    return table;
}

QString SweepJson(const std::vector<RefluxPoint> &points, const RefluxLimits &limits)
{
    QStringList rows;
    rows.reserve(qsizetype(points.size()));
    for (const RefluxPoint &point : points)
        rows << rowJson(point);
    const QString null = QStringLiteral("null");
    const auto reflux = [&](const std::optional<float> &R) { return R ? StoredFloatJson(*R) : null; };
    return QStringLiteral("{\"sweep\": [%1], \"min_stages\": %2, \"min_reflux_cmf\": %3, "
                          "\"min_reflux_exact\": %4}\n")
        .arg(rows.join(QStringLiteral(", ")), optionalNumber(limits.minimumStages, null),
             reflux(limits.minimumRefluxConstantFlow), reflux(limits.minimumRefluxExact));
}
