// A container that draws a layered frame on chosen sides, fills its client
// area with a colour or a gradient, and can draw a grid and a wrapped caption.
#pragma once

#include <cstdint>
#include <memory>

#include "classlib/ExtCtrls.h"
#include "classlib/Filers.h"
#include "classlib/StringLists.h"
#include "components/KitCommon.h"
#include "components/KitFrameController.h"

enum TAlignmentVertical { avTop, avCenter, avBottom };
VARIRUVU_ENUM_INFO(TAlignmentVertical, avTop, avCenter, avBottom);
enum TKitGridStyle { gsDots, gsDottedLines, gsSolidLines };
VARIRUVU_ENUM_INFO(TKitGridStyle, gsDots, gsDottedLines, gsSolidLines);

class TKitCustomPanel : public TCustomPanel, public IFramingClient {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitCustomPanel(TComponent* AOwner);
    ~TKitCustomPanel() override;

    TAlignmentVertical GetAlignmentVertical() const { return FAlignmentVertical; }
    virtual void SetAlignmentVertical(TAlignmentVertical value);
    TColor GetBorderColor() const { return FBorderColor; }
    virtual void SetBorderColor(TColor value);
    TFrameStyleEx GetBorderInner() const { return FBorderInner; }
    virtual void SetBorderInner(TFrameStyleEx value);
    TFrameStyleEx GetBorderOuter() const { return FBorderOuter; }
    virtual void SetBorderOuter(TFrameStyleEx value);
    TSides GetBorderSides() const { return FBorderSides; }
    virtual void SetBorderSides(TSides value);
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
    TKitGradientColorStyle GetGradientColorStyle() const { return FGradientColorStyle; }
    virtual void SetGradientColorStyle(TKitGradientColorStyle value);
    TColor GetGradientColorStart() const { return FGradientColorStart; }
    virtual void SetGradientColorStart(TColor value);
    TColor GetGradientColorStop() const { return FGradientColorStop; }
    virtual void SetGradientColorStop(TColor value);
    TGradientDirection GetGradientDirection() const { return FGradientDirection; }
    virtual void SetGradientDirection(TGradientDirection value);
    TColor GetGridColor() const { return FGridColor; }
    virtual void SetGridColor(TColor value);
    TKitGridStyle GetGridStyle() const { return FGridStyle; }
    virtual void SetGridStyle(TKitGridStyle value);
    uint16_t GetGridXSize() const { return FGridXSize; }
    virtual void SetGridXSize(uint16_t value);
    uint16_t GetGridYSize() const { return FGridYSize; }
    virtual void SetGridYSize(uint16_t value);
    bool GetPaintClientArea() const { return FPaintClientArea; }
    virtual void SetPaintClientArea(bool value);
    bool GetShowGrid() const { return FShowGrid; }
    virtual void SetShowGrid(bool value);
    bool GetTransparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);
    int GetTextMargin() const { return FTextMargin; }
    virtual void SetTextMargin(int value);
    int GetTextMarginVertical() const { return FTextMarginVertical; }
    virtual void SetTextMarginVertical(int value);
    bool GetWordWrap() const { return FWordWrap; }
    virtual void SetWordWrap(bool value);
    TKitVisualStyle GetVisualStyle() const { return FVisualStyle; }
    virtual void SetVisualStyle(TKitVisualStyle value);
    TKitAboutInfo GetAbout() const { return FAbout; }
    void SetAbout(TKitAboutInfo value) { FAbout = value; }

    // Takes the frame settings of the frame controller, as the notifications let them through.
    void ApplyFrameController() override;
    void WndProc(TMessage& message) override;
    void DefineProperties(TFiler* filer) override;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnPaint;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // The area inside the frames.
    TRect ClientArea() const override;
    // A panel aligned to the bottom (right) keeps its bottom (right) edge when it grows or shrinks.
    void PlaceBounds(int left, int top, int width, int height) override;
    void Paint() override;

    // `rect` less the frames on the sides they are drawn on, and with
    // includeBorderWidth less the border band too.
    virtual TRect ShrinkByBorders(TRect rect, bool includeBorderWidth) const;
    TRect ControlRect() const { return TRect(0, 0, GetWidth(), GetHeight()); }
    // Disabling remembers each child's state; enabling gives it back.
    virtual void SetChildrenEnabled(bool value);
    virtual void GetGradientColorPair(TColor& start, TColor& stop) const;
    virtual void GetFrameColorAndAdjustment(TColor& color, int& adjustment) const;
    virtual void DrawCaption(TRect rect);
    virtual void DrawGrid(const TRect& rect);

private:
    // The panel repaints (and with `realign` first arranges its children again) after a change.
    template <class T>
    bool Change(T& field, const T& value, bool realign = false)
    {
        if (field == value)
            return false;
        field = value;
        if (realign)
            Realign();
        Invalidate();
        return true;
    }
    void InvalidateMovedEdges(const WINDOWPOS& pos);
    void EnabledChanged();
    void ReadUseGradients(TReader* reader);

    TAlignmentVertical FAlignmentVertical = avCenter;
    TColor FBorderColor = clBtnFace;
    TFrameStyleEx FBorderInner = fsNone;
    TFrameStyleEx FBorderOuter = fsRaised;
    TSides FBorderSides = AllSides;
    TColor FBorderHighlight = clBtnHighlight;
    TColor FBorderShadow = clBtnShadow;
    TColor FFlatColor = clBtnShadow;
    int FFlatColorAdjustment = 30;
    TKitFrameController* FFrameController = nullptr;
    TKitFrameControllerNotifications FFrameControllerNotifications = AllFrameControllerNotifications;
    TKitGradientColorStyle FGradientColorStyle = gcsSystem;
    TColor FGradientColorStart = clWhite;
    TColor FGradientColorStop = clBtnFace;
    TGradientDirection FGradientDirection = gdHorizontalEnd;
    TColor FGridColor = clBtnShadow;
    TKitGridStyle FGridStyle = gsDots;
    uint16_t FGridXSize = 8;
    uint16_t FGridYSize = 8;
    bool FPaintClientArea = true;
    bool FShowGrid = false;
    bool FTransparent = false;
    int FTextMargin = 0;
    int FTextMarginVertical = 0;
    bool FWordWrap = true;
    TKitVisualStyle FVisualStyle = vsWinXP;
    TKitAboutInfo FAbout = kaiAbout;
    // "1" or "0" for each child, with the child as its object.
    std::unique_ptr<TStringList> FChildStates;
};

class TKitPanel : public TKitCustomPanel {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TKitCustomPanel::TKitCustomPanel;
};
