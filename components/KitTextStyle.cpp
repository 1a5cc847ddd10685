#include "components/KitTextStyle.h"

void DrawStyledText(const TTextStyleLook& look, TColor color, const TTextLayerPainter& draw)
{
    int textShift = 0;
    switch (look.Style) {
    case tsRaised:
    case tsRecessed: {
        bool raised = look.Style == tsRaised;
        if (!raised || !look.Light)
            draw(1, 1, raised ? look.ShadowColor : look.HighlightColor);
        if (raised || !look.Light)
            draw(-1, -1, raised ? look.HighlightColor : look.ShadowColor);
        break;
    }
    case tsShadow:
        if (look.ShadowDownOnly) {
            draw(0, look.ShadowDepth, look.ShadowColor);
            textShift = -look.ShadowDepth;
        } else {
            draw(look.ShadowDepth, look.ShadowDepth, look.ShadowColor);
        }
        break;
    case tsNormal:
        break;
    }
    draw(textShift, 0, color);
}
