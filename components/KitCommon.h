// What the controls of the component set share: the painting vocabulary, colour
// arithmetic on a 0..240 hue/saturation/luminance scale, frame and glyph
// painters, the colour scheme and the display and platform tests.
#pragma once

#include <cstdint>

#include "classlib/Controls.h"
#include "classlib/Graphics.h"
#include "components/KitGrafx.h"

enum TFrameStyleEx {
    fsNone,
    fsFlat,
    fsGroove,
    fsBump,
    fsLowered,
    fsButtonDown,
    fsRaised,
    fsButtonUp,
    fsStatus,
    fsPopup,
    fsFlatBold,
    fsFlatRounded
};
VARIRUVU_ENUM_INFO(TFrameStyleEx, fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp,
                   fsStatus, fsPopup, fsFlatBold, fsFlatRounded);
// The styles a frame painter draws by itself (all but fsFlatRounded).
using TFrameStyle = TFrameStyleEx;

enum TSide { sdLeft, sdTop, sdRight, sdBottom };
VARIRUVU_ENUM_INFO(TSide, sdLeft, sdTop, sdRight, sdBottom);
using TSides = TSet<TSide>;
constexpr TSides AllSides{sdLeft, sdTop, sdRight, sdBottom};

enum TKitGradientColorStyle { gcsSystem, gcsMSOffice, gcsCustom };
VARIRUVU_ENUM_INFO(TKitGradientColorStyle, gcsSystem, gcsMSOffice, gcsCustom);
enum TKitVisualStyle { vsClassic, vsWinXP, vsGradient };
VARIRUVU_ENUM_INFO(TKitVisualStyle, vsClassic, vsWinXP, vsGradient);

enum TOrientation { orHorizontal, orVertical };
VARIRUVU_ENUM_INFO(TOrientation, orHorizontal, orVertical);
// Published by the controls for the form designer's about box; it has no effect.
enum TKitAboutInfo { kaiAbout };
VARIRUVU_ENUM_INFO(TKitAboutInfo, kaiAbout);

enum WindowsVersionKind { Win95, WinNT4, Win98, WinMe, Win2000, WinXP, Win2003, WinVista, Win7 };

// Set once when the component set starts: the display has more than 256
// colours (gradients are drawn only then), and the XP colour scheme
// (0 normal, 1 olive, 2 silver; a panel reads it again on a theme change).
extern bool FullColorSupported;
extern int XPColorScheme;
// The start of the component set; later calls do nothing.
void InitKitCommon();

// ---- colour arithmetic ----

struct THslTriple {
    uint8_t Hue;
    uint8_t Saturation;
    uint8_t Luminance;
};

THslTriple ColorToHslTriple(TColor Color);
uint8_t HueOf(TColor Color);
TColor HslTripleToColor(uint8_t Hue, uint8_t Saturation, uint8_t Luminance);
TColor DarkenColor(TColor Color, uint8_t Amount);
// The luminance may rise up to 255, past the scale's 240.
TColor LightenColor(TColor Color, uint8_t Amount);
// Negative darkens, positive lightens, zero gives Color itself.
TColor ShiftColor(TColor Color, int Amount);
// Weight 255 gives Color1, 0 gives Color2.
TColor MixColors(TColor Color1, TColor Color2, uint8_t Weight);
TColor XorColors(TColor Color1, TColor Color2);
bool ColorsAreClose(TColor ForeColor, TColor BackColor);
TColor OppositeColor(TColor Color, uint8_t Luminance);

// ---- frame painters: each returns the rectangle inside what it drew, shrunk only on the requested sides ----

TRect DrawSideLines(TCanvas* Canvas, const TRect& Rect, TColor UpperLeftColor, TColor LowerRightColor,
                    TSides Sides);
TRect DrawBevelLines(TCanvas* Canvas, const TRect& Rect, TColor UpperLeftColor, TColor LowerRightColor, int Count,
                     TSides Sides);
TRect DrawThreeDSides(TCanvas* Canvas, const TRect& Rect, bool Sunken, TSides Sides);
TRect DrawPushButtonSides(TCanvas* Canvas, const TRect& Rect, bool Down, TSides Sides = AllSides);
TRect DrawTintedButtonSides(TCanvas* Canvas, const TRect& Rect, TColor BaseColor, bool Down,
                            TSides Sides = AllSides);
TRect DrawStyleSides(TCanvas* Canvas, const TRect& Rect, TFrameStyle Style, TSides Sides = AllSides);
TRect DrawTintedStyleSides(TCanvas* Canvas, const TRect& Rect, TColor BaseColor, TFrameStyle Style,
                           TSides Sides = AllSides);
TRect DrawRoundedSides(TCanvas* Canvas, const TRect& Rect, TColor Color, TSides Sides);
TRect DrawDotFrame(TCanvas* Canvas, const TRect& Rect);

// The outer frame, the border and the inner frame of a panel or label; the client rectangle inside them.
TRect DrawLayeredBorders(TCanvas* Canvas, const TRect& Rect, TFrameStyleEx BorderOuter, TFrameStyleEx BorderInner,
                         int BorderWidth, TSides BorderSides, int BevelWidth, TColor BorderColor,
                         TColor BorderHighlight, TColor BorderShadow, TColor FlatColor, int FlatColorAdjustment,
                         TColor Color, TColor ParentColor, bool Transparent);
// Invalidates every child whose published Transparent property is true.
void RefreshTransparentChildren(TWinControl* Container);

// ---- glyphs ----

enum TArrowDirection { adUp, adDown, adLeft, adRight };
void DrawArrowGlyph(TCanvas* Canvas, const TRect& Rect, TKitVisualStyle Look, bool Enabled,
                    TArrowDirection Direction);
void DrawCloseGlyph(TCanvas* Canvas, const TRect& Rect, TKitVisualStyle Look, bool Enabled);
void DrawCrossGlyph(TCanvas* Canvas, const TRect& Rect, TColor Color);
// A gradient frame 2 pixels wide along Rect's edges; nothing without full colour.
void DrawGradientRing(TCanvas* Canvas, const TRect& Rect, TGradientDirection Direction, TColor StartColor,
                      TColor StopColor);

// ---- fonts and text ----

// The caller owns the font.
HFONT CreateAngledFont(TFont* Font, int Angle);
bool IsTrueTypeFont(TFont* Font);
AnsiString StripAccelerators(const AnsiString& Caption);
int DrawTextAnsi(TCanvas* Canvas, const AnsiString& Text, TRect& Rect, UINT Format);

// Tells the form designer that the control's form changed; at run time nothing.
void NotifyDesigner(TControl* Control);

// ---- platform, display and colour scheme ----

bool IsWindowsVersion(WindowsVersionKind Kind);
bool IsWindowsVersionOrLater(WindowsVersionKind Kind);
void GetGradientColors(TKitGradientColorStyle Style, TColor& StartColor, TColor& StopColor);
TColor GetGradientFrameColor(TKitGradientColorStyle Style);
int ReadXPColorScheme();
bool HasFullColor();
