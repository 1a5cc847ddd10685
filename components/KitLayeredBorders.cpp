#include "classlib/TypInfo.h"
#include "components/KitCommon.h"

namespace {

struct TBorderColors {
    TColor Flat, Highlight, Shadow;
    int BevelWidth;
    TSides Sides;
};

// The layers a frame style other than the rounded one draws the same way outside and inside.
TRect DrawLayer(TCanvas* canvas, const TRect& r, TFrameStyleEx style, const TBorderColors& c)
{
    switch (style) {
    case fsFlat: return DrawBevelLines(canvas, r, c.Flat, c.Flat, 1, c.Sides);
    case fsFlatBold: return DrawBevelLines(canvas, r, c.Flat, c.Flat, 2, c.Sides);
    case fsStatus: return DrawBevelLines(canvas, r, c.Shadow, c.Highlight, c.BevelWidth, c.Sides);
    case fsPopup: return DrawBevelLines(canvas, r, c.Highlight, c.Shadow, c.BevelWidth, c.Sides);
    default: return DrawStyleSides(canvas, r, style, c.Sides);
    }
}

}  // namespace

TRect DrawLayeredBorders(TCanvas* Canvas, const TRect& Rect, TFrameStyleEx BorderOuter, TFrameStyleEx BorderInner,
                         int BorderWidth, TSides BorderSides, int BevelWidth, TColor BorderColor,
                         TColor BorderHighlight, TColor BorderShadow, TColor FlatColor, int FlatColorAdjustment,
                         TColor Color, TColor ParentColor, bool Transparent)
{
    TBorderColors c{ShiftColor(FlatColor, FlatColorAdjustment), BorderHighlight, BorderShadow, BevelWidth,
                    BorderSides};
    bool bordered = BorderWidth > 0 || BorderInner != fsNone;
    TRect r = Rect;
    if (BorderOuter == fsFlatRounded) {
        // The corners the rounded line leaves out show what lies outside and inside it.
        if (!Transparent) {
            TRect inner = DrawBevelLines(Canvas, r, ParentColor, ParentColor, 1, BorderSides);
            TColor ring = bordered ? BorderColor : Color;
            DrawBevelLines(Canvas, inner, ring, ring, 1, BorderSides);
        } else if (bordered) {
            DrawBevelLines(Canvas, TRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1), BorderColor,
                           BorderColor, 1, BorderSides);
        }
        r = DrawRoundedSides(Canvas, r, c.Flat, BorderSides);
    } else {
        r = DrawLayer(Canvas, r, BorderOuter, c);
    }

    if (BorderWidth > 0)
        r = DrawBevelLines(Canvas, r, BorderColor, BorderColor, BorderWidth, BorderSides);

    if (BorderInner == fsFlatRounded) {
        TRect inner = DrawBevelLines(Canvas, r, BorderColor, BorderColor, 1, BorderSides);
        if (!Transparent)
            DrawBevelLines(Canvas, inner, Color, Color, 1, BorderSides);
        r = DrawRoundedSides(Canvas, r, c.Flat, BorderSides);
    } else {
        r = DrawLayer(Canvas, r, BorderInner, c);
    }
    return r;
}

void RefreshTransparentChildren(TWinControl* Container)
{
    for (int i = 0; i < Container->GetControlCount(); ++i) {
        TControl* child = Container->GetControls(i);
        const TPropInfo* prop = GetPropInfo(child, "Transparent");
        if (prop && GetOrdProp(child, *prop) == 1)
            child->Invalidate();
    }
}
