// The glyph buttons with wide captions: they paint themselves with the class
// library's glyph object but measure and draw the caption as wide text.
#pragma once

#include "classlib/Buttons.h"
#include "unicode_controls/UniTextControl.h"
#include "unicode_controls/UniStdCtrls.h"

// What a glyph button offers the drawing routines below.
class IUniGlyphButton {
public:
    virtual TButtonGlyph* GlyphObject() = 0;
    // Makes the glyph object build its image list and state indexes.
    virtual void RebuildGlyphImages() = 0;

protected:
    ~IUniGlyphButton() = default;
};

// The control's IUniGlyphButton operations; EUniInternalError for a control without it.
TButtonGlyph* GlyphObject(TControl* control);
void RebuildGlyphImages(TControl* control);
// The image of a state; down with fewer than 3 glyphs shows the up image.
int GlyphImageIndex(TControl* control, TButtonState state);

// The buttons' RebuildGlyphImages: the class library paints the control once
// at once while `paintInherited` is set, which builds the images; the control
// is marked for painting again and EAbortPaint ends the painting in progress.
[[noreturn]] void PaintInheritedOnceAndAbort(TControl* control, bool& paintInherited);

// How a glyph button arranges its caption beside the glyph.
struct TGlyphCaptionLayout {
    WideString Caption;
    TButtonLayout Layout = blGlyphLeft;
    int Margin = -1;
    int Spacing = 4;
    // DT_RIGHT (right-to-left reading) swaps glyph-left and glyph-right.
    UINT BiDiFlags = 0;
    bool WordWrap = false;
};

struct TGlyphPlacement {
    TPoint GlyphPos;
    TRect TextBounds;
};

// Places glyph and caption in `client`, the caption measured on `dc`;
// `offset` shifts the pressed face.
TGlyphPlacement LayoutGlyphAndCaption(TControl* control, HDC dc, const TRect& client, TPoint offset,
                                      const TGlyphCaptionLayout& look);
void DrawButtonGlyph(TControl* control, TCanvas* canvas, TPoint pos, TButtonState state, bool transparent);
// A disabled caption is embossed: highlight one pixel down and right, shadow in place.
void DrawButtonCaption(TCanvas* canvas, const WideString& caption, const TRect& bounds, TButtonState state,
                       UINT biDiFlags, bool wordWrap);
// Layout, glyph and caption; gives the caption's rectangle.
TRect DrawGlyphButton(TControl* control, TCanvas* canvas, const TRect& client, TPoint offset,
                      const TGlyphCaptionLayout& look, TButtonState state, bool transparent);

class TUniSpeedButton : public TUniTextControl<TSpeedButton>, public IUniGlyphButton {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TUniTextControl<TSpeedButton>::TUniTextControl;

    TButtonGlyph* GlyphObject() override { return GetGlyphObject(); }
    void RebuildGlyphImages() override { PaintInheritedOnceAndAbort(this, FPaintInherited); }

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;

private:
    void PaintWide();

    bool FPaintInherited = false;
};

class TUniBitBtn : public TUniTextControl<TBitBtn>, public IUniGlyphButton {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TUniTextControl<TBitBtn>::TUniTextControl;

    // A caption of its own kind is not stored; a custom button's follows the push button's rule.
    bool IsCaptionStored() const;

    TButtonGlyph* GlyphObject() override { return GetGlyphObject(); }
    void RebuildGlyphImages() override { PaintInheritedOnceAndAbort(this, FPaintInherited); }

    void WndProc(TMessage& message) override;

protected:
    void CreateWindowHandle(const TCreateParams& params) override;
    void DrawItem(const DRAWITEMSTRUCT& draw) override;

private:
    void DrawWide(const DRAWITEMSTRUCT& draw);

    bool FPaintInherited = false;
};
