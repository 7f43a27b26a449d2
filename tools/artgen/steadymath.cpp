#include "steadymath.h"

#include <cmath>

namespace artgen {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

} // namespace

double SteadyCos(double x)
{
    // Reduce to [-pi, pi): floor and the products below are exact or
    // correctly rounded on every IEEE machine.
    x -= kTwoPi * std::floor((x + kPi) / kTwoPi);
    // Taylor series to x^20: error below 1e-9 on [-pi, pi], plenty for pixels.
    const double x2 = x * x;
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n <= 10; ++n) {
        term *= -x2 / ((2.0 * n - 1.0) * (2.0 * n));
        sum += term;
    }
    return sum;
}

double SteadySin(double x)
{
    return SteadyCos(x - kPi / 2.0);
}

} // namespace artgen
