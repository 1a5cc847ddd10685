// Buttons with glyphs: the window-less speed button and the owner-drawn bit button.
#pragma once

#include "classlib/ImgList.h"
#include "classlib/StdCtrls.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
VARIRUVU_ENUM_INFO(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom);
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// Places a glyph of `glyph`'s size and a caption measured into `textBounds`
// (at the origin) in `client` by the layout's margin and spacing (-1: share
// the free space); gives the glyph's top-left corner and moves textBounds.
// `offset` shifts the pressed face.
void PlaceGlyphAndText(const TRect& client, TPoint offset, TSize glyph, TButtonLayout layout, int margin, int spacing,
                       TPoint& glyphPos, TRect& textBounds);

// The face of an owner-drawn push button on `canvas` (its handle set): a
// window-frame line when `framed`, then the pressed or the raised face;
// gives what is left inside.
RECT DrawPushButtonFace(TCanvas* canvas, const RECT& client, bool framed, bool isDown, bool disabled);

// A button's glyph: a bitmap of up to four images side by side (up,
// disabled, down, exclusive), the image list made from it, and the index of
// each state's image in that list.
class TButtonGlyph : public TObject {
public:
    TButtonGlyph();
    ~TButtonGlyph() override;

    TBitmap* GetGlyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* value);
    int GetNumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    // The image of a state, -1 while the image list is not built.
    int GetImageIndex(TButtonState state) const { return FIndexes[state]; }
    // Builds the image list from the bitmap (the bottom-left pixel's colour is transparent).
    void BuildImages();
    TCustomImageList* GetImages() const { return FImages.get(); }
    TSize GlyphSize() const;

    // Places glyph and caption in `client`; gives the glyph's top-left corner
    // and the caption's rectangle.
    void Layout(TCanvas* canvas, const TRect& client, TPoint offset, const AnsiString& caption,
                TButtonLayout layout, int margin, int spacing, TPoint& glyphPos, TRect& textBounds, bool wordWrap);
    void DrawGlyph(TCanvas* canvas, TPoint pos, TButtonState state, bool transparent);
    void DrawCaption(TCanvas* canvas, const AnsiString& caption, TRect bounds, TButtonState state, bool wordWrap);
    // Layout, glyph and caption; gives the caption's rectangle.
    TRect Draw(TCanvas* canvas, const TRect& client, TPoint offset, const AnsiString& caption,
               TButtonLayout layout, int margin, int spacing, TButtonState state, bool transparent, bool wordWrap);

    TNotifyEvent OnChange;

private:
    void GlyphChanged(TObject* sender);

    std::unique_ptr<TBitmap> FGlyph;
    std::unique_ptr<TCustomImageList> FImages;
    int FIndexes[4] = {-1, -1, -1, -1};
    int FNumGlyphs = 1;
};

// A grouped speed button is down while its action is checked.
class TSpeedButtonActionLink : public TControlActionLink {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TControlActionLink::TControlActionLink;
    bool IsCheckedLinked() override;
    void SetChecked(bool value) override;
};

class TSpeedButton : public TGraphicControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    TBitmap* GetGlyph() const { return FGlyph->GetGlyph(); }
    void SetGlyph(TBitmap* value) { FGlyph->SetGlyph(value); }
    int GetNumGlyphs() const { return FGlyph->GetNumGlyphs(); }
    void SetNumGlyphs(int value) { FGlyph->SetNumGlyphs(value); }
    TButtonGlyph* GetGlyphObject() const { return FGlyph.get(); }
    TButtonLayout GetLayout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int GetMargin() const { return FMargin; }
    void SetMargin(int value);
    int GetSpacing() const { return FSpacing; }
    void SetSpacing(int value);
    bool GetFlat() const { return FFlat; }
    void SetFlat(bool value);
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool value);
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    bool GetDown() const { return FDown; }
    void SetDown(bool value);
    bool GetAllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value) { FAllowAllUp = value; }
    TButtonState GetState() const { return FState; }
    bool GetMouseInControl() const { return FMouseInControl; }

    void WndProc(TMessage& message) override;

protected:
    TActionLinkClass GetActionLinkClass() const override;
    void ActionChange(TObject* sender, bool checkDefaults) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    TButtonState FState = bsUp;

private:
    void GlyphChanged(TObject*) { Invalidate(); }

    std::unique_ptr<TButtonGlyph> FGlyph;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    bool FFlat = false;
    bool FTransparent = true;
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FMouseInControl = false;
};

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
VARIRUVU_ENUM_INFO(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore,
                   bkAll);

// A push button that draws itself: glyph and caption.
class TBitBtn : public TButton {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TBitBtn(TComponent* AOwner);
    ~TBitBtn() override;

    TBitmap* GetGlyph() const { return FGlyph->GetGlyph(); }
    void SetGlyph(TBitmap* value) { FGlyph->SetGlyph(value); }
    int GetNumGlyphs() const { return FGlyph->GetNumGlyphs(); }
    void SetNumGlyphs(int value) { FGlyph->SetNumGlyphs(value); }
    TButtonGlyph* GetGlyphObject() const { return FGlyph.get(); }
    TBitBtnKind GetKind() const { return FKind; }
    // A kind other than bkCustom brings its caption and modal result.
    void SetKind(TBitBtnKind value);
    // Stored test of Caption: not the caption the kind brings.
    bool IsCustomCaption() const;
    TButtonLayout GetLayout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int GetMargin() const { return FMargin; }
    void SetMargin(int value);
    int GetSpacing() const { return FSpacing; }
    void SetSpacing(int value);
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool GetMouseInControl() const { return FMouseInControl; }

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    // Paints the button from the owner-draw record.
    virtual void DrawItem(const DRAWITEMSTRUCT& draw);
    // The canvas DrawItem paints on.
    TCanvas* GetDrawCanvas() const { return FCanvas.get(); }

private:
    void GlyphChanged(TObject*) { Invalidate(); }

    std::unique_ptr<TButtonGlyph> FGlyph;
    std::unique_ptr<TCanvas> FCanvas;
    TBitBtnKind FKind = bkCustom;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    bool FWordWrap = false;
    bool FMouseInControl = false;
};
