#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "components/KitCommon.h"

namespace {

uint8_t ToScale(double value, double scale)
{
    // nearbyint rounds half to even in the default rounding mode.
    return static_cast<uint8_t>(std::nearbyint(value * scale));
}

uint8_t ChannelByte(double value)
{
    return static_cast<uint8_t>(std::nearbyint(std::min(value, 1.0) * 255.0));
}

}  // namespace

THslTriple ColorToHslTriple(TColor Color)
{
    COLORREF rgb = ColorToRGB(Color);
    double r = GetRValue(rgb) / 255.0, g = GetGValue(rgb) / 255.0, b = GetBValue(rgb) / 255.0;
    double max = std::max({r, g, b}), min = std::min({r, g, b});
    double l = (max + min) / 2, h = 0, s = 0;
    if (max != min) {
        double d = max - min;
        s = l >= 0.5 ? d / (2 - max - min) : d / (max + min);
        if (r == max)
            h = (g - b) / d;
        else if (g == max)
            h = (b - r) / d + 2;
        else
            h = (r - g) / d + 4;
        h /= 6;
        if (h < 0)
            h += 1;
    }
    return {ToScale(h, 240), ToScale(s, 240), ToScale(l, 240)};
}

uint8_t HueOf(TColor Color)
{
    return ColorToHslTriple(Color).Hue;
}

TColor HslTripleToColor(uint8_t Hue, uint8_t Saturation, uint8_t Luminance)
{
    double h = Hue / 239.0, s = Saturation / 240.0, l = Luminance / 240.0;
    double v = l < 0.5 ? l * (1 + s) : l + s - l * s;
    if (v <= 0)
        return clBlack;
    double m = 2 * l - v;
    double sv = (v - m) / v;
    double h6 = h * 6;
    int sextant = static_cast<int>(h6);
    double fract = h6 - sextant;
    double vsf = v * sv * fract;
    double mid1 = m + vsf, mid2 = v - vsf;
    double r, g, b;
    switch (sextant) {
    case 1: r = mid2, g = v, b = m; break;
    case 2: r = m, g = v, b = mid1; break;
    case 3: r = m, g = mid2, b = v; break;
    case 4: r = mid1, g = m, b = v; break;
    case 5: r = v, g = m, b = mid2; break;
    default: r = v, g = mid1, b = m; break;
    }
    return static_cast<TColor>(RGB(ChannelByte(r), ChannelByte(g), ChannelByte(b)));
}

TColor DarkenColor(TColor Color, uint8_t Amount)
{
    THslTriple hsl = ColorToHslTriple(Color);
    return HslTripleToColor(hsl.Hue, hsl.Saturation, static_cast<uint8_t>(std::max(hsl.Luminance - Amount, 0)));
}

TColor LightenColor(TColor Color, uint8_t Amount)
{
    THslTriple hsl = ColorToHslTriple(Color);
    return HslTripleToColor(hsl.Hue, hsl.Saturation, static_cast<uint8_t>(std::min(hsl.Luminance + Amount, 255)));
}

TColor ShiftColor(TColor Color, int Amount)
{
    if (Amount < 0)
        return DarkenColor(Color, static_cast<uint8_t>(std::min(-Amount, 255)));
    if (Amount > 0)
        return LightenColor(Color, static_cast<uint8_t>(std::min(Amount, 255)));
    return Color;
}

TColor MixColors(TColor Color1, TColor Color2, uint8_t Weight)
{
    COLORREF c1 = ColorToRGB(Color1), c2 = ColorToRGB(Color2);
    float w = Weight / 255.0f;
    auto mix = [w](BYTE a, BYTE b) {
        return static_cast<BYTE>(std::nearbyint(static_cast<float>(a) * w + static_cast<float>(b) * (1.0f - w)));
    };
    return static_cast<TColor>(RGB(mix(GetRValue(c1), GetRValue(c2)), mix(GetGValue(c1), GetGValue(c2)),
                                   mix(GetBValue(c1), GetBValue(c2))));
}

TColor XorColors(TColor Color1, TColor Color2)
{
    return static_cast<TColor>((ColorToRGB(Color1) ^ ColorToRGB(Color2)) & 0xFFFFFF);
}

bool ColorsAreClose(TColor ForeColor, TColor BackColor)
{
    THslTriple fore = ColorToHslTriple(ForeColor), back = ColorToHslTriple(BackColor);
    return std::abs(fore.Hue - back.Hue) < 20 && std::abs(fore.Luminance - back.Luminance) < 60;
}

TColor OppositeColor(TColor Color, uint8_t Luminance)
{
    int h = HueOf(Color);
    int h2 = h < 120 ? h + 120 : h - 120;
    return HslTripleToColor(static_cast<uint8_t>(h2), 240, Luminance);
}
