#include "reflux_sweep_output.h"
#include "results_json.h"

#include "model/text.h"

#include <QStringList>

#include <charconv>
#include <cmath>
#include <string>
#include <type_traits>

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

std::optional<RefluxRange> refusedRange(QString *error, const QString &why)
{
    if (error)
        *error = QStringLiteral("--sweep-reflux FROM:TO:COUNT: %1").arg(why);
    return std::nullopt;
}

// The rows of a long sweep are written straight into one byte buffer: the
// texts are ASCII, and building each field as a QString of its own costs
// more than the calculation of the row.
class SweepText {
public:
    explicit SweepText(std::size_t rows) { text.reserve(rows * 160 + 256); }

    SweepText &operator<<(const char *piece)
    {
        text += piece;
        return *this;
    }
    // A stored single that reads back as the very same single; "null" for
    // infinity or NaN, which JSON does not have.
    SweepText &numberOrNone(float value, const char *none)
    {
        if (!std::isfinite(value))
            return *this << none;
        char buffer[32];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
        text.append(buffer, written.ptr);
        return *this;
    }
    SweepText &numberOrNone(const std::optional<int> &value, const char *none)
    {
        if (!value)
            return *this << none;
        char buffer[16];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, *value);
        text.append(buffer, written.ptr);
        return *this;
    }
    SweepText &numberOrNone(const std::optional<float> &value, const char *none)
    {
        return value ? numberOrNone(*value, none) : *this << none;
    }
    QString result() const { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

private:
    std::string text;
};

// The Qc and Qw of a calculation that could not be made are no numbers.
std::optional<float> duty(const RefluxPoint &point, float value)
{
    const bool calculated = point.outcome != CalculationOutcome::InvalidData &&
                            point.outcome != CalculationOutcome::NotCalculated;
    return calculated ? std::optional<float>(value) : std::nullopt;
}

std::optional<float> minimumReflux(const RefluxPoint &point)
{
    return point.outcome == CalculationOutcome::ExactRefluxBelowMinimum
               ? std::optional<float>(point.minimumReflux)
               : std::nullopt;
}

enum class RowFormat { Table, Json };

// One row's fields in the order of the table's columns and of the JSON
// keys; the minimum reflux ratio of a failed exact count is in the JSON
// only. The table leaves a field empty where JSON has null.
void writeRow(SweepText &out, const RefluxPoint *point, RowFormat format)
{
    const bool json = format == RowFormat::Json;
    const char *none = json ? "null" : "";
    bool first = true;
    const auto field = [&](const char *key, const auto &value) {
        if (!first)
            out << (json ? ", " : "\t");
        first = false;
        if (json)
            out << "\"" << key << "\": ";
        if (!point)
            out << key; // the table's header
        else if constexpr (std::is_same_v<std::decay_t<decltype(value)>, const char *>)
            out << (json ? "\"" : "") << value << (json ? "\"" : "");
        else
            out.numberOrNone(value, none);
    };
    const RefluxPoint row = point ? *point : RefluxPoint();
    out << (json ? "{" : "");
    field("R", row.R);
    field("outcome", OutcomeName(row.outcome));
    field("cmf_stages", row.constantFlowStages);
    field("cmf_feed_stage", row.constantFlowFeedStage);
    field("exact_stages", row.exactStages);
    field("exact_feed_stage", row.exactFeedStage);
    field("Qc", duty(row, row.Qc));
    field("Qw", duty(row, row.Qw));
    if (json)
        field("min_reflux", minimumReflux(row));
    out << (json ? "}" : "\n");
}

} // namespace

std::optional<RefluxRange> ParseRefluxRange(const QString &text, QString *error)
{
    const QStringList parts = text.split(u':');
    if (parts.size() != 3)
        return refusedRange(
            error, QStringLiteral("three fields separated by colons expected, not \"%1\"").arg(text));
    const std::optional<double> from = wholeNumber<double>(parts[0]);
    const std::optional<double> to = wholeNumber<double>(parts[1]);
    const std::optional<int> count = wholeNumber<int>(parts[2]);
    if (!from || !std::isfinite(*from))
        return refusedRange(error, QStringLiteral("FROM is not a number: \"%1\"").arg(parts[0]));
    if (!to || !std::isfinite(float(*to)))
        return refusedRange(error, QStringLiteral("TO is not a number: \"%1\"").arg(parts[1]));
    if (!count)
        return refusedRange(error, QStringLiteral("COUNT is not a whole number: \"%1\"").arg(parts[2]));
    if (!(*from > 0.0) || !(float(*from) > 0.0f))
        return refusedRange(error, QStringLiteral("FROM must be greater than 0"));
    if (!(float(*from) < float(*to)))
        return refusedRange(error, QStringLiteral("FROM must be less than TO"));
    if (*count < 2 || *count > MaxSweepPoints)
        return refusedRange(error, QStringLiteral("COUNT must be from 2 to %1").arg(MaxSweepPoints));
    return RefluxRange{*from, *to, *count};
}

QString SweepTable(const std::vector<RefluxPoint> &points)
{
    SweepText out(points.size());
    writeRow(out, nullptr, RowFormat::Table);
    for (const RefluxPoint &point : points)
        writeRow(out, &point, RowFormat::Table);
    return out.result();
}

QString SweepJson(const std::vector<RefluxPoint> &points, const RefluxLimits &limits)
{
    SweepText out(points.size());
    out << "{\"sweep\": [";
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0)
            out << ", ";
        writeRow(out, &points[i], RowFormat::Json);
    }
    const char *null = "null";
    out << "], \"min_stages\": ";
    out.numberOrNone(limits.minimumStages, null) << ", \"min_reflux_cmf\": ";
    out.numberOrNone(limits.minimumRefluxConstantFlow, null) << ", \"min_reflux_exact\": ";
    out.numberOrNone(limits.minimumRefluxExact, null) << "}\n";
    return out.result();
}
