#include "app/sizetext.h"

#include <cmath>
#include <cstdlib>
#include <string>

// Built from integers, so that no locale setting reaches the separator.
AnsiString FormatFixed(double value, int decimals)
{
    int64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const int64_t scaled = std::llround(value * static_cast<double>(scale));
    const int64_t magnitude = std::llabs(scaled);
    AnsiString text = scaled < 0 ? "-" : "";
    text += std::to_string(magnitude / scale);
    if (decimals > 0) {
        // The remainder with its leading zeros: the digits after the point.
        const std::string fraction = std::to_string(scale + magnitude % scale);
        text += '.';
        text.append(fraction, 1, std::string::npos);
    }
    return text;
}

namespace {

// Two decimals below 100, one from 100 on.
AnsiString ScaledText(double value, const char* unit)
{
    return FormatFixed(value, value >= 100 ? 1 : 2) + unit;
}

}  // namespace

AnsiString SizeToText(int64_t n)
{
    if (n < 1024)
        return std::to_string(n) + " B";
    const double k = static_cast<double>(n) / 1024;
    if (k < 1024)
        return ScaledText(k, " kB");
    const double m = k / 1024;
    if (m < 1024)
        return ScaledText(m, " MB");
    return FormatFixed(m / 1024, 2) + " GB";
}
