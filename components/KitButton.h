// Custom-drawn buttons: a base with text styles, hot tracking and theme
// awareness; a push button with default and cancel keys, groups and a hot-track
// look; and a button with a glyph, an image list entry or a stock kind.
#pragma once

#include <memory>

#include "classlib/Buttons.h"
#include "components/KitCommon.h"
#include "components/KitPanel.h"
#include "components/KitTextStyle.h"

enum TKitHotTrackColorType { htctComplement, htctActual };
VARIRUVU_ENUM_INFO(TKitHotTrackColorType, htctComplement, htctActual);

// Sent to the parent's controls when a grouped button goes down (or its group
// settings change): WParam is the group, LParam the button.
constexpr UINT CM_GROUPBUTTONDOWN = 9249;

class TKitCustomButton : public TCustomControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitCustomButton(TComponent* AOwner);

    TAlignmentVertical GetAlignmentVertical() const { return FAlignmentVertical; }
    void SetAlignmentVertical(TAlignmentVertical value) { Change(FAlignmentVertical, value); }
    bool GetHotTrack() const { return FHotTrack; }
    virtual void SetHotTrack(bool value) { Change(FHotTrack, value); }
    TColor GetHighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value) { Change(FHighlightColor, value); }
    TColor GetHotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor value) { Change(FHotTrackColor, value); }
    TKitHotTrackColorType GetHotTrackColorType() const { return FHotTrackColorType; }
    void SetHotTrackColorType(TKitHotTrackColorType value) { Change(FHotTrackColorType, value); }
    TTextStyle GetTextStyle() const { return FTextStyle; }
    void SetTextStyle(TTextStyle value) { Change(FTextStyle, value); }
    bool GetLightTextStyle() const { return FLightTextStyle; }
    void SetLightTextStyle(bool value) { Change(FLightTextStyle, value); }
    int GetTextShadowDepth() const { return FTextShadowDepth; }
    void SetTextShadowDepth(int value) { Change(FTextShadowDepth, value); }
    TColor GetTextShadowColor() const { return FTextShadowColor; }
    void SetTextShadowColor(TColor value) { Change(FTextShadowColor, value); }
    TColor GetTextHighlightColor() const { return FTextHighlightColor; }
    void SetTextHighlightColor(TColor value) { Change(FTextHighlightColor, value); }
    bool GetThemeAware() const { return FThemeAware; }
    void SetThemeAware(bool value) { Change(FThemeAware, value); }

    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool value) { Change(FTransparent, value); }
    bool GetShowDownVersion() const { return FShowDownVersion; }
    bool GetMouseOverButton() const { return FMouseOverButton; }

    void WndProc(TMessage& message) override;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    void CreateWnd() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    // The theme may draw the button (the face falls back to ours when the system cannot).
    bool ThemeDrawing() const;
    bool AcceleratorsShown();
    bool FocusRectShown();
    // The caption in `rect`, placed by AlignmentVertical, in the text style.
    void DrawCaption(TCanvas* canvas, TRect rect, UINT flags);
    // The text rectangle DrawCaption puts the caption in.
    TRect PlaceCaption(TCanvas* canvas, TRect rect);
    // The text as drawn and the DT_NOPREFIX it then needs.
    AnsiString CaptionText(UINT& flags);
    // Paints the parent behind the rounded face.
    void EraseTransparent(HDC dc);

    template <class T>
    bool Change(T& field, const T& value)
    {
        if (field == value)
            return false;
        field = value;
        Invalidate();
        return true;
    }

    bool FShowDownVersion = false;
    bool FMouseOverButton = false;
    // A click by the space key is under way.
    bool FKeyToggle = false;

private:
    void SetShowDownVersion(bool value);

    TAlignmentVertical FAlignmentVertical = avCenter;
    bool FHotTrack = false;
    TColor FHighlightColor = clHighlight;
    TColor FHotTrackColor = static_cast<TColor>(RGB(240, 155, 20));
    TKitHotTrackColorType FHotTrackColorType = htctActual;
    TTextStyle FTextStyle = tsNormal;
    bool FLightTextStyle = false;
    int FTextShadowDepth = 2;
    TColor FTextShadowColor = clBtnShadow;
    TColor FTextHighlightColor = clBtnHighlight;
    bool FThemeAware = true;
    bool FTransparent = false;
    bool FDragging = false;
};

class TKitButton : public TKitCustomButton {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitButton(TComponent* AOwner);

    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { Change(FAlignment, value); }
    bool GetAllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    bool GetCancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    bool GetDefault() const { return FDefault; }
    void SetDefault(bool value);
    bool GetDropDownOnEnter() const { return FDropDownOnEnter; }
    void SetDropDownOnEnter(bool value) { FDropDownOnEnter = value; }
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool GetDown() const { return FDown; }
    void SetDown(bool value);
    TColor GetFrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value) { Change(FFrameColor, value); }
    TModalResult GetModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    bool GetShowDownPattern() const { return FShowDownPattern; }
    void SetShowDownPattern(bool value) { Change(FShowDownPattern, value); }
    bool GetShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool value) { Change(FShowFocusRect, value); }
    // The hot-track look shows the parent at its rounded corners.
    void SetHotTrack(bool value) override;

    bool GetIsActive() const { return FIsActive; }
    // 0 up, 2 down, 3 exclusively down (a grouped button that is Down).
    int GetButtonState() const { return FButtonState; }
    // Set while a click by the Enter key runs on a button that must not drop down then.
    bool GetSuppressDropDown() const { return FSuppressDropDown; }

    // Sets the form's ModalResult; a grouped button toggles its Down.
    void Click() override;
    void WndProc(TMessage& message) override;
    void DefineProperties(TFiler* filer) override;

protected:
    void CreateWnd() override;
    void Paint() override;
    bool IsPressed() const { return FButtonState == 2 || FButtonState == 3 || FShowDownVersion; }
    // The caption (and a glyph) inside `area`; `themed` when the theme drew the face.
    virtual void PaintContent(TCanvas* canvas, TRect area, bool themed);
    UINT AlignmentFlag() const;

private:
    bool PaintThemedFace(TCanvas* canvas, const TRect& client);
    TRect PaintHotTrackFace(TCanvas* canvas, TRect client);
    TRect PaintClassicFace(TCanvas* canvas, TRect client);
    void PaintGradientFace(TCanvas* canvas, const TRect& face);
    void PaintDownPattern(TCanvas* canvas, const TRect& face);
    void BroadcastGroup();
    void GroupButtonDown(TMessage& message);
    void FocusChanged(TWinControl* focused);
    void DialogKey(TMessage& message);

    TAlignment FAlignment = taCenter;
    bool FAllowAllUp = false;
    bool FCancel = false;
    bool FDefault = false;
    bool FDropDownOnEnter = true;
    int FGroupIndex = 0;
    bool FDown = false;
    TColor FFrameColor = cl3DDkShadow;
    TModalResult FModalResult = mrNone;
    bool FShowDownPattern = true;
    bool FShowFocusRect = true;
    bool FIsActive = false;
    int FButtonState = 0;
    bool FSuppressDropDown = false;
};

class TKitBitBtn : public TKitButton {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitBitBtn(TComponent* AOwner);
    ~TKitBitBtn() override;

    TBitmap* GetGlyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* value);
    int GetNumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    // bkCustom as soon as Default, Cancel, ModalResult or a hand-set glyph leave the kind's.
    TBitBtnKind GetKind() const;
    void SetKind(TBitBtnKind value);
    TButtonLayout GetLayout() const { return FLayout; }
    void SetLayout(TButtonLayout value) { Change(FLayout, value); }
    int GetSpacing() const { return FSpacing; }
    void SetSpacing(int value) { Change(FSpacing, value); }
    // -1 centres glyph and caption together; smaller values are refused.
    int GetMargin() const { return FMargin; }
    void SetMargin(int value);
    TCustomImageList* GetImages() const { return FImages; }
    void SetImages(TCustomImageList* value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { Change(FImageIndex, value); }
    int GetDisabledIndex() const { return FDisabledIndex; }
    void SetDisabledIndex(int value) { Change(FDisabledIndex, value); }
    bool GetModifiedGlyph() const { return FModifiedGlyph; }

    bool IsCancelStored() const { return GetKind() == bkCustom; }
    bool IsGlyphStored() const { return FModifiedGlyph; }
    // The caption is stored only when it is not the kind's own.
    bool IsCaptionOfKindStored() const;

    // The size the glyph takes in the layout.
    TSize GlyphSize() const;

protected:
    void PaintContent(TCanvas* canvas, TRect area, bool themed) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void GlyphChanged(TObject* sender);
    bool UsesImageList() const;
    void DrawGlyph(TCanvas* canvas, TPoint at, TSize size);

    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    mutable TBitBtnKind FKind = bkCustom;
    TButtonLayout FLayout = blGlyphLeft;
    int FSpacing = 4;
    int FMargin = 2;
    TCustomImageList* FImages = nullptr;
    int FImageIndex = -1;
    int FDisabledIndex = -1;
    bool FModifiedGlyph = false;
    // Set while the kind installs its own glyph.
    bool FSettingKind = false;
};

// The stock glyph of a kind (two cells: normal and disabled), loaded once from the resources.
TBitmap* KindGlyph(TBitBtnKind kind);
