#include <vector>

#include "classlib/Themes.h"
#include "components/KitCommon.h"

#include <vssym32.h>

namespace {

struct TThemeSample {
    const wchar_t* ClassList;
    int Part, State;
    int Width, Height;
    POINT At;
};

// The glyph colour of a look: the scroll bar's arrow button for the XP look, the
// spin button's for the gradient look, read from the pixel where its arrow lies.
const TThemeSample XPSample{L"SCROLLBAR", SBP_ARROWBTN, ABS_UPNORMAL, 17, 21, {8, 10}};
const TThemeSample GradientSample{L"SPIN", SPNP_UP, UPS_NORMAL, 13, 10, {6, 4}};

// False when no theme is active or the element cannot be drawn.
bool SampleThemeColor(const TThemeSample& sample, TColor& color)
{
    TBitmap scratch;
    scratch.SetSize(sample.Width, sample.Height);
    RECT r{0, 0, sample.Width - 1, sample.Height - 1};
    bool drawn = DrawThemePart(scratch.GetCanvas()->GetHandle(), sample.ClassList, sample.Part, sample.State, r);
    if (drawn)
        color = scratch.GetCanvas()->GetPixels(sample.At.x, sample.At.y);
    return drawn;
}

// The glyph colour of the themed looks; too close to the window colour it would vanish.
TColor ThemedGlyphColor(const TThemeSample& sample, bool avoidWindowColor)
{
    TColor color = clBlack;
    if (SampleThemeColor(sample, color) && avoidWindowColor && ColorsAreClose(color, clWindow))
        return cl3DDkShadow;
    return color;
}

TPoint GlyphCentre(const TRect& r)
{
    int h = r.Height();
    return TPoint(r.left + r.Width() / 2, r.top + h / 2 - (h % 2 == 0 ? 1 : 0));
}

// Fills the polygon in the colour with a clear pen; the pen and brush colour are restored after.
void FillGlyph(TCanvas* canvas, const std::vector<TPoint>& points, TColor color)
{
    TColor saved = canvas->GetBrush()->GetColor();
    canvas->GetBrush()->SetColor(color);
    canvas->GetPen()->SetStyle(psClear);
    canvas->Polygon(points);
    canvas->GetPen()->SetStyle(psSolid);
    canvas->GetBrush()->SetColor(saved);
}

// A shape given pointing up, turned to the direction around the centre.
std::vector<TPoint> Turned(TPoint c, std::initializer_list<TPoint> up, TArrowDirection direction)
{
    std::vector<TPoint> points;
    for (TPoint p : up) {
        switch (direction) {
        case adUp: points.emplace_back(c.x + p.x, c.y + p.y); break;
        case adDown: points.emplace_back(c.x + p.x, c.y - p.y); break;
        case adLeft: points.emplace_back(c.x + p.y, c.y + p.x); break;
        case adRight: points.emplace_back(c.x - p.y, c.y + p.x); break;
        }
    }
    return points;
}

std::vector<TPoint> ClassicArrow(TPoint c, TArrowDirection direction)
{
    switch (direction) {
    case adUp: return {{c.x, c.y - 4}, {c.x + 4, c.y + 1}, {c.x - 4, c.y + 1}};
    case adDown: return {{c.x, c.y + 2}, {c.x - 3, c.y - 2}, {c.x + 4, c.y - 2}};
    case adLeft: return {{c.x - 2, c.y}, {c.x + 2, c.y - 4}, {c.x + 2, c.y + 4}};
    default: return {{c.x + 2, c.y}, {c.x - 2, c.y + 4}, {c.x - 2, c.y - 4}};
    }
}

}  // namespace

void DrawArrowGlyph(TCanvas* Canvas, const TRect& Rect, TKitVisualStyle Look, bool Enabled,
                    TArrowDirection Direction)
{
    TColor color = clBtnShadow;
    if (Enabled && Look == vsClassic)
        color = ColorsAreClose(Canvas->GetBrush()->GetColor(), clBlack) ? cl3DDkShadow : clBlack;
    else if (Enabled && Look == vsWinXP)
        color = ThemedGlyphColor(XPSample, true);
    else if (Enabled)
        color = ThemedGlyphColor(GradientSample, false);
    TPoint c = GlyphCentre(Rect);
    switch (Look) {
    case vsClassic: FillGlyph(Canvas, ClassicArrow(c, Direction), color); break;
    case vsWinXP:
        // A chevron two pixels thick.
        FillGlyph(Canvas, Turned(c, {{-4, 1}, {0, -3}, {4, 1}, {4, 3}, {0, -1}, {-4, 3}}, Direction), color);
        break;
    case vsGradient: FillGlyph(Canvas, Turned(c, {{0, -1}, {3, 2}, {-3, 2}}, Direction), color); break;
    }
}

void DrawCloseGlyph(TCanvas* Canvas, const TRect& Rect, TKitVisualStyle Look, bool Enabled)
{
    TColor color = clBtnShadow;
    if (Enabled)
        color = Look == vsWinXP ? ThemedGlyphColor(XPSample, true) : clBlack;
    DrawCrossGlyph(Canvas, Rect, color);
}

void DrawCrossGlyph(TCanvas* Canvas, const TRect& Rect, TColor Color)
{
    TPoint c = GlyphCentre(Rect);
    int x = c.x, y = c.y;
    if (Rect.Height() <= 10 || Rect.Width() < 9)
        FillGlyph(Canvas,
                  {{x, y - 1}, {x + 1, y - 2}, {x + 3, y - 2}, {x + 1, y}, {x + 3, y + 3}, {x + 1, y + 2}, {x, y + 1},
                   {x - 3, y + 3}, {x - 3, y + 2}, {x - 1, y}, {x - 3, y - 2}, {x - 1, y - 2}, {x - 1, y - 1}},
                  Color);
    else
        FillGlyph(Canvas,
                  {{x, y - 1}, {x + 2, y - 3}, {x + 5, y - 3}, {x + 2, y}, {x + 5, y + 4}, {x + 2, y + 3}, {x, y + 1},
                   {x - 2, y + 4}, {x - 4, y + 3}, {x - 1, y}, {x - 4, y - 3}, {x - 1, y - 3}},
                  Color);
}

void DrawGradientRing(TCanvas* Canvas, const TRect& Rect, TGradientDirection Direction, TColor StartColor,
                      TColor StopColor)
{
    if (!FullColorSupported)
        return;
    // The caller's own clipping stays in force around the ring and after it.
    HDC dc = Canvas->GetHandle();
    int saved = SaveDC(dc);
    ExcludeClipRect(dc, Rect.left + 2, Rect.top + 2, Rect.right - 2, Rect.bottom - 2);
    try {
        DrawGradient(Canvas, Rect, Direction, StartColor, StopColor);
    } catch (...) {
        RestoreDC(dc, saved);
        throw;
    }
    RestoreDC(dc, saved);
}
