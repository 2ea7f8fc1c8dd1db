#pragma once

#include <QtGlobal>
#include <cmath>
#include <limits>

// The two rounding rules the logo's arithmetic is built on.
namespace gdimath {

// Nearest whole number, halves to the even one (2.5 -> 2, 3.5 -> 4).
inline int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

// number * numerator / denominator through a 64-bit product, rounded to the nearest whole
// number with halves away from zero; -1 when the denominator is 0 or the result overflows.
inline int mulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const qint64 product = qint64(number) * numerator;
    const qint64 magnitude = (qAbs(product) + qAbs(qint64(denominator)) / 2) / qAbs(qint64(denominator));
    const qint64 result = (product < 0) != (denominator < 0) ? -magnitude : magnitude;
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
        return -1;
    return int(result);
}

} // namespace gdimath
