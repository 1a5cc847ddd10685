// The 3D looks of a caption shared by the labels and buttons: raised,
// recessed or shadowed copies drawn under the text.
#pragma once

#include <functional>

#include "classlib/Graphics.h"

enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };
VARIRUVU_ENUM_INFO(TTextStyle, tsNormal, tsRaised, tsRecessed, tsShadow);

struct TTextStyleLook {
    TTextStyle Style = tsNormal;
    // The light looks leave out the copy on the far side.
    bool Light = false;
    TColor HighlightColor = clBtnHighlight;
    TColor ShadowColor = clBtnShadow;
    int ShadowDepth = 2;
    // A right-aligned caption keeps its shadow inside: the shadow goes down only
    // and the text itself moves left by the depth.
    bool ShadowDownOnly = false;
};

// Draws the style's copies, then the text itself in `color`, each through
// `draw` with the offset and colour of that layer.
using TTextLayerPainter = std::function<void(int dx, int dy, TColor color)>;
void DrawStyledText(const TTextStyleLook& look, TColor color, const TTextLayerPainter& draw);
