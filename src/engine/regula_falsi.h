#pragma once

#include <cmath>

// The false-position root finder of the stage counts, with a tolerance that
// loosens over time: it starts at 1e-4 relative to the new point and doubles
// every ten steps, so a slow bracket still ends.
//
// When g(a) and g(b) show no sign change the result is a at once. Besides,
// the search gives up after RegulaFalsiMaxSteps steps, and it stops at the
// last sound point as soon as g turns out not to be a number or a step
// would leave the real numbers (a flat g divides by zero): a NaN in the data
// can never make it run for ever.
inline constexpr int RegulaFalsiMaxSteps = 500;
// e^-60 in single precision: below it g(x0) counts as zero.
inline constexpr float RegulaFalsiZero = 8.7565e-27f;

template <typename Function> float SolveRegulaFalsi(Function &&g, float a, float b)
{
    const float ga = g(a);
    const float gb = g(b);
    if (!(double(ga) * gb < 0.0))
        return a;
    float x0 = a, xb = b, x1 = a;
    double eps = 1e-4;
    int k = 0;
    for (int step = 0; step < RegulaFalsiMaxSteps; ++step) {
        const float g0 = g(x0);
        if (std::isnan(g0))
            return x0;
        if (std::fabs(g0) > RegulaFalsiZero) {
            const float gxb = g(xb);
            const float g0again = g(x0);
            const double next = x0 - (double(x0) - xb) / (1.0 - double(gxb) / g0again);
            if (!std::isfinite(next))
                return x0;
            x1 = float(next);
        } else {
            x1 = x0;
        }
        const float g1 = g(x1);
        const float gxb = g(xb);
        if (double(g1) * gxb > 0.0)
            xb = x0;
        const double dx = std::fabs(double(x1) - x0);
        ++k;
        x0 = x1;
        if (k == 10) {
            eps *= 2.0;
            k = 0;
        }
        if (eps * x1 >= dx)
            break;
    }
    return x1;
}
