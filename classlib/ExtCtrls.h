// Panels, bevels and images.
#pragma once

#include "classlib/StdCtrls.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
VARIRUVU_ENUM_INFO(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace);

// Draws a frame of `width` pixels inside `rect` (which shrinks by it): top
// and left in `topLeft`, bottom and right in `bottomRight`.
void Frame3D(TCanvas* canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width);

class TCustomPanel : public TCustomControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TCustomPanel(TComponent* AOwner);

    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TBevelCut GetBevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    TBevelCut GetBevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    int GetBevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    int GetBorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    TBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool GetParentBackground() const { return FParentBackground; }
    void SetParentBackground(bool value);
    // A resize repaints the whole panel; without it the panel's own painting
    // is left to say what a resize spoils.
    bool GetFullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool value) { FFullRepaint = value; }

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    // Writes the caption into `rect`, the area inside the bevels and the border,
    // centred vertically by the height of a line.
    virtual void PaintCaption(TRect rect);
    // PaintCaption's share for any kind of text: `lineHeight` measures a line on
    // the canvas in the panel's font, `draw` writes the text with the flags given.
    void DrawCaptionWith(TRect rect, const std::function<int(TCanvas* canvas)>& lineHeight,
                         const std::function<void(HDC dc, RECT& r, UINT flags)>& draw);
    // Children are arranged inside the bevels and the border.
    void ShrinkClientArea(TRect& rect) override;

private:
    void Changed();

    TAlignment FAlignment = taCenter;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
    bool FParentBackground = false;
    bool FFullRepaint = true;
};

class TPanel : public TCustomPanel {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCustomPanel::TCustomPanel;
};

enum TBevelStyle { bsLowered, bsRaised };
VARIRUVU_ENUM_INFO(TBevelStyle, bsLowered, bsRaised);
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
VARIRUVU_ENUM_INFO(TBevelShape, bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer);

class TBevel : public TGraphicControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TBevel(TComponent* AOwner);

    TBevelShape GetShape() const { return FShape; }
    void SetShape(TBevelShape value);
    TBevelStyle GetStyle() const { return FStyle; }
    void SetStyle(TBevelStyle value);

protected:
    void Paint() override;

private:
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};

class TImage : public TGraphicControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* GetPicture() const { return FPicture.get(); }
    void SetPicture(TPicture* value) { FPicture->Assign(value); }
    // The picture's bitmap canvas (the picture becomes a bitmap).
    TCanvas* GetImageCanvas();
    bool GetStretch() const { return FStretch; }
    void SetStretch(bool value);
    bool GetCenter() const { return FCenter; }
    void SetCenter(bool value);
    bool GetProportional() const { return FProportional; }
    void SetProportional(bool value);
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;

protected:
    void Paint() override;
    // Replaces the picture object (a wide variant brings its own); the old
    // picture's OnChange goes over to the new one.
    void SetPictureObject(std::unique_ptr<TPicture> picture);

private:
    void PictureChanged(TObject* sender);

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FProportional = false;
    bool FTransparent = false;
    bool FAutoSize = false;
};
