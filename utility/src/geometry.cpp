#include "quillon.h"

#include <climits>
#include <cmath>

namespace {
// The line through p1 and p2 as P*x + Q*y = K.
struct Line {
    double p, q, k;
};

Line line_through(const double p1[2], const double p2[2])
{
    if (p1[0] == p2[0])
        return {1, 0, p1[0]};
    if (p1[1] == p2[1])
        return {0, 1, p1[1]};
    double m = (p1[1] - p2[1]) / (p1[0] - p2[0]);
    double k = p1[1] - m * p1[0];
    return {-m, 1, k};
}

bool same_point(const double a[2], const double b[2])
{
    return a[0] == b[0] && a[1] == b[1];
}
}  // namespace

// Where the line a1-a2 crosses the line b1-b2 (Cramer's rule); exact
// comparisons, no tolerance.
int _crs_pnt_(double out[2], const double a1[2], const double a2[2], const double b1[2], const double b2[2])
{
    if (same_point(a1, a2) || same_point(b1, b2))
        return 0;
    Line a = line_through(a1, a2);
    Line b = line_through(b1, b2);
    double d = a.p * b.q - a.q * b.p;
    if (d == 0)
        return 0;
    double r = 1 / d;
    out[0] = (double)((long double)r * b.q * a.k + (long double)(-r) * a.q * b.k);
    out[1] = (double)((long double)(-r) * b.p * a.k + (long double)r * a.p * b.k);
    return 1;
}

// Positive when a, b, p turn counter-clockwise (y up), negative clockwise.
// A value beyond the int range answers the nearest int so its sign stays
// right; NaN (infinite or NaN coordinates) tells no side and answers 0.
int _pnt_lin_(const double p[2], const double a[2], const double b[2])
{
    double bx = b[0] - a[0];
    double by = b[1] - a[1];
    double px = p[0] - a[0];
    double py = p[1] - a[1];
    long double value = (long double)bx * py - (long double)px * by;
    if (std::isnan(value))
        return 0;
    if (value >= (long double)INT_MAX)
        return INT_MAX;
    if (value <= (long double)INT_MIN)
        return INT_MIN;
    return (int)value;
}
