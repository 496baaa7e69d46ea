#pragma once

#include "engine/reflux_study.h"

#include <QString>

#include <optional>
#include <vector>

// tarelin --batch FILE --sweep-reflux FROM:TO:COUNT: the range asked for and
// what is printed of the sweep.

struct RefluxRange {
    double from = 0.0, to = 0.0;
    int count = 0;
};

// The most reflux ratios one sweep calculates.
inline constexpr int MaxSweepPoints = 1'000'000;

// Reads FROM:TO:COUNT (0 < FROM < TO, 2 <= COUNT <= MaxSweepPoints; a comma
// may stand for the decimal point). Empty, with the reason in error, when
// the range is not one.
std::optional<RefluxRange> ParseRefluxRange(const QString &text, QString *error);

// A table a spreadsheet opens: a header line, then one line per reflux
// ratio, the fields separated by tabs, an empty field where a count did not
// reach the top.
QString SweepTable(const std::vector<RefluxPoint> &points);

// {"sweep": [...], "min_stages": ..., "min_reflux_cmf": ..., "min_reflux_exact": ...}
// and a new line.
QString SweepJson(const std::vector<RefluxPoint> &points, const RefluxLimits &limits);
