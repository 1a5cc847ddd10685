// A label with a layered border, 3D text styles, rotated and arc text,
// condensed captions, blinking and a hover colour; and the URL label that
// opens its target with the shell.
#pragma once

#include <cstdint>

#include "classlib/StdCtrls.h"
#include "components/KitCommon.h"
#include "components/KitFrameController.h"
#include "components/KitTextStyle.h"

enum TRotation { roNone, roFlat, roCurve };
VARIRUVU_ENUM_INFO(TRotation, roNone, roFlat, roCurve);
enum TCenterPoint {
    cpUpperLeft,
    cpUpperCenter,
    cpUpperRight,
    cpLeftCenter,
    cpCenter,
    cpRightCenter,
    cpLowerLeft,
    cpLowerCenter,
    cpLowerRight
};
VARIRUVU_ENUM_INFO(TCenterPoint, cpUpperLeft, cpUpperCenter, cpUpperRight, cpLeftCenter, cpCenter, cpRightCenter,
                   cpLowerLeft, cpLowerCenter, cpLowerRight);
enum TKitCondenseCaption { ccNone, ccAtEnd, ccWithinPath };
VARIRUVU_ENUM_INFO(TKitCondenseCaption, ccNone, ccAtEnd, ccWithinPath);

// The URL label's pointer: the system's hand, or ours where the system has none.
constexpr TCursor crKitHand = 26000;

// Keeps an angle in 0..359 degrees, whatever its sign and size.
int NormalizeAngle(int degrees);

class TKitLabel : public TLabel, public IFramingClient {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitLabel(TComponent* AOwner);
    ~TKitLabel() override;

    int GetAngle() const { return FAngle; }
    virtual void SetAngle(int value);
    TRotation GetRotation() const { return FRotation; }
    virtual void SetRotation(TRotation value);
    TCenterPoint GetCenterPoint() const { return FCenterPoint; }
    virtual void SetCenterPoint(TCenterPoint value);
    TTextStyle GetTextStyle() const { return FTextStyle; }
    virtual void SetTextStyle(TTextStyle value);
    bool GetLightTextStyle() const { return FLightTextStyle; }
    virtual void SetLightTextStyle(bool value);
    TColor GetHighlightColor() const { return FHighlightColor; }
    virtual void SetHighlightColor(TColor value);
    TColor GetShadowColor() const { return FShadowColor; }
    virtual void SetShadowColor(TColor value);
    int GetShadowDepth() const { return FShadowDepth; }
    virtual void SetShadowDepth(int value);
    int GetTextMargin() const { return FTextMargin; }
    virtual void SetTextMargin(int value);
    TKitCondenseCaption GetCondenseCaption() const { return FCondenseCaption; }
    virtual void SetCondenseCaption(TKitCondenseCaption value);
    bool GetBlinking() const { return FBlinking; }
    virtual void SetBlinking(bool value);
    TColor GetBlinkColor() const { return FBlinkColor; }
    virtual void SetBlinkColor(TColor value);
    // Shared by every label: they live in the one blinking list.
    uint16_t GetBlinkIntervalOn() const;
    void SetBlinkIntervalOn(uint16_t value);
    uint16_t GetBlinkIntervalOff() const;
    void SetBlinkIntervalOff(uint16_t value);
    bool GetFlyByEnabled() const { return FFlyByEnabled; }
    virtual void SetFlyByEnabled(bool value);
    TColor GetFlyByColor() const { return FFlyByColor; }
    virtual void SetFlyByColor(TColor value);

    TFrameStyleEx GetBorderOuter() const { return FBorderOuter; }
    virtual void SetBorderOuter(TFrameStyleEx value);
    TFrameStyleEx GetBorderInner() const { return FBorderInner; }
    virtual void SetBorderInner(TFrameStyleEx value);
    TSides GetBorderSides() const { return FBorderSides; }
    virtual void SetBorderSides(TSides value);
    int GetBorderWidth() const { return FBorderWidth; }
    virtual void SetBorderWidth(int value);
    int GetBevelWidth() const { return FBevelWidth; }
    virtual void SetBevelWidth(int value);
    TColor GetBorderColor() const { return FBorderColor; }
    virtual void SetBorderColor(TColor value);
    TColor GetBorderHighlight() const { return FBorderHighlight; }
    virtual void SetBorderHighlight(TColor value);
    TColor GetBorderShadow() const { return FBorderShadow; }
    virtual void SetBorderShadow(TColor value);
    TColor GetFlatColor() const { return FFlatColor; }
    virtual void SetFlatColor(TColor value);
    int GetFlatColorAdjustment() const { return FFlatColorAdjustment; }
    virtual void SetFlatColorAdjustment(int value);
    TKitFrameController* GetFrameController() const { return FFrameController; }
    virtual void SetFrameController(TKitFrameController* value);
    TKitFrameControllerNotifications GetFrameControllerNotifications() const { return FFrameControllerNotifications; }
    void SetFrameControllerNotifications(TKitFrameControllerNotifications value)
    {
        FFrameControllerNotifications = value;
    }

    // The colour the text is drawn in now: the font's, or the blink colour in the blink phase.
    TColor GetCurrentColor() const { return FCurrentColor; }

    void ApplyFrameController() override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;
    void AdjustBounds() override;

    // The styled text, each layer drawn through `draw`.
    void DrawStyledLayers(const TTextLayerPainter& draw, bool embossDisabled);
    // The DrawText flags of the caption, alignment, word wrap and condensing included.
    UINT CaptionFlags() const;
    // The frames' width on the requested sides.
    TRect ShrinkByBorders(TRect rect) const;

private:
    template <class T>
    bool Change(T& field, const T& value)
    {
        if (field == value)
            return false;
        field = value;
        Invalidate();
        return true;
    }
    template <class T>
    void ChangeBounds(T& field, const T& value)
    {
        if (Change(field, value))
            AdjustBounds();
    }
    // A rotated caption needs outline letters: a bitmap font is swapped for Verdana.
    void EnsureOutlineFont();
    void FontChanged();
    void DrawPlainText(TRect rect);
    void DrawFlatRotatedText(const TRect& rect);
    void DrawArcText(const TRect& rect);

    int FAngle = 0;
    TRotation FRotation = roNone;
    TCenterPoint FCenterPoint = cpCenter;
    TTextStyle FTextStyle = tsNormal;
    bool FLightTextStyle = false;
    TColor FHighlightColor = clBtnHighlight;
    TColor FShadowColor = clBtnShadow;
    int FShadowDepth = 2;
    int FTextMargin = 0;
    TKitCondenseCaption FCondenseCaption = ccNone;
    bool FBlinking = false;
    TColor FBlinkColor = clHighlight;
    bool FFlyByEnabled = false;
    TColor FFlyByColor = clHighlight;
    TFrameStyleEx FBorderOuter = fsNone;
    TFrameStyleEx FBorderInner = fsNone;
    TSides FBorderSides = AllSides;
    int FBorderWidth = 0;
    int FBevelWidth = 1;
    TColor FBorderColor = clBtnFace;
    TColor FBorderHighlight = clBtnHighlight;
    TColor FBorderShadow = clBtnShadow;
    TColor FFlatColor = clBtnShadow;
    int FFlatColorAdjustment = 30;
    TKitFrameController* FFrameController = nullptr;
    TKitFrameControllerNotifications FFrameControllerNotifications = AllFrameControllerNotifications;

    TColor FFontColor = clWindowText;
    TColor FCurrentColor = clWindowText;
    TColor FOrigColor = clWindowText;
    bool FSettingColors = false;
};

class TKitURLLabel : public TKitLabel {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitURLLabel(TComponent* AOwner);

    const AnsiString& GetURL() const { return FURL; }
    void SetURL(const AnsiString& value) { FURL = value; }
    bool GetVisited() const { return FVisited; }
    virtual void SetVisited(bool value);
    TColor GetVisitedColor() const { return FVisitedColor; }
    virtual void SetVisitedColor(TColor value);
    TColor GetUnvisitedColor() const { return FUnvisitedColor; }
    virtual void SetUnvisitedColor(TColor value);

    // Opens the URL (or, when it is blank, the caption) with the shell.
    void Click() override;

private:
    void ShowVisitState();

    AnsiString FURL;
    bool FVisited = false;
    TColor FVisitedColor = static_cast<TColor>(RGB(128, 0, 128));
    TColor FUnvisitedColor = clHighlight;
};

// Opens `target` with the shell's "Open" verb; true when the shell started it.
bool OpenWithShell(const AnsiString& target);
