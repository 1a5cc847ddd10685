#include <array>

#include "components/KitButton.h"

VARIRUVU_CLASS_INFO(TKitBitBtn, TKitButton)
{
    using P = TKitBitBtn;
    info.Property("Caption", &P::GetCaption, &P::SetCaption).Stored(&P::IsCaptionOfKindStored);
    info.Property("Cancel", &P::GetCancel, &P::SetCancel).Default(false).Stored(&P::IsCancelStored);
    info.Property("Glyph", &P::GetGlyph, &P::SetGlyph).Stored(&P::IsGlyphStored);
    info.Property("Kind", &P::GetKind, &P::SetKind).Default(bkCustom);
    info.Property("Layout", &P::GetLayout, &P::SetLayout).Default(blGlyphLeft);
    info.Property("Margin", &P::GetMargin, &P::SetMargin).Default(2);
    info.Property("NumGlyphs", &P::GetNumGlyphs, &P::SetNumGlyphs).Default(1);
    info.Property("Spacing", &P::GetSpacing, &P::SetSpacing).Default(4);
    info.Property("Images", &P::GetImages, &P::SetImages);
    info.Property("ImageIndex", &P::GetImageIndex, &P::SetImageIndex).Default(-1);
    info.Property("DisabledIndex", &P::GetDisabledIndex, &P::SetDisabledIndex).Default(-1);
}

namespace {

// DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER: how a caption is measured.
constexpr UINT MeasureFlags = 1109;

struct TKindEntry {
    const char* Caption;
    TModalResult Result;
    bool Default;
    bool Cancel;
    const char* Bitmap;
};

const TKindEntry Kinds[] = {
    {"", mrNone, false, false, nullptr},
    {"OK", mrOk, true, false, "KITCOMMON_OK"},
    {"Cancel", mrCancel, false, true, "KITCOMMON_CANCEL"},
    {"&Help", mrNone, false, false, "KITCOMMON_HELP"},
    {"&Yes", mrYes, true, false, "KITCOMMON_YES"},
    {"&No", mrNo, false, true, "KITCOMMON_NO"},
    {"&Close", mrNone, false, false, "KITCOMMON_CLOSE"},
    {"Abort", mrAbort, false, false, "KITCOMMON_ABORT"},
    {"&Retry", mrRetry, false, false, "KITCOMMON_RETRY"},
    {"&Ignore", mrIgnore, false, false, "KITCOMMON_IGNORE"},
    {"&All", 8, false, false, "KITCOMMON_ALL"},
};

}  // namespace

TBitmap* KindGlyph(TBitBtnKind kind)
{
    static std::array<std::unique_ptr<TBitmap>, std::size(Kinds)> glyphs;
    auto& glyph = glyphs.at(kind);
    if (!glyph) {
        glyph = std::make_unique<TBitmap>();
        if (Kinds[kind].Bitmap)
            glyph->LoadFromResourceName(GetModuleHandleA(nullptr), Kinds[kind].Bitmap);
    }
    return glyph.get();
}

TKitBitBtn::TKitBitBtn(TComponent* AOwner) : TKitButton(AOwner), FGlyph(std::make_unique<TBitmap>())
{
    FGlyph->OnChange = TNotifyEvent(this, &TKitBitBtn::GlyphChanged);
}

TKitBitBtn::~TKitBitBtn() = default;

void TKitBitBtn::GlyphChanged(TObject*)
{
    int width = FGlyph->GetWidth(), height = FGlyph->GetHeight();
    if (height > 0 && width % height == 0) {
        int count = width / height;
        FNumGlyphs = count >= 1 && count <= 4 ? count : 1;
    }
    Invalidate();
}

void TKitBitBtn::SetGlyph(TBitmap* value)
{
    TBitmap empty;
    FGlyph->Assign(value ? value : &empty);
    GlyphChanged(nullptr);
    if (!FSettingKind)
        FModifiedGlyph = true;
}

void TKitBitBtn::SetNumGlyphs(int value)
{
    Change(FNumGlyphs, value >= 1 && value <= 4 ? value : 1);
}

void TKitBitBtn::SetMargin(int value)
{
    if (value >= -1)
        Change(FMargin, value);
}

TBitBtnKind TKitBitBtn::GetKind() const
{
    if (FKind != bkCustom) {
        const TKindEntry& kind = Kinds[FKind];
        if (GetDefault() != kind.Default || GetCancel() != kind.Cancel || GetModalResult() != kind.Result ||
            FModifiedGlyph)
            FKind = bkCustom;
    }
    return FKind;
}

void TKitBitBtn::SetKind(TBitBtnKind value)
{
    FKind = value;
    if (value != bkCustom) {
        const TKindEntry& kind = Kinds[value];
        SetDefault(kind.Default);
        SetCancel(kind.Cancel);
        if (!(GetComponentState() & csLoading) || GetCaption().empty())
            SetCaption(kind.Caption);
        SetModalResult(kind.Result);
        FSettingKind = true;
        SetGlyph(KindGlyph(value));
        FSettingKind = false;
        FNumGlyphs = 2;
        FModifiedGlyph = false;
    }
    Invalidate();
}

void TKitBitBtn::SetImages(TCustomImageList* value)
{
    if (value == FImages)
        return;
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = value;
    if (value)
        value->FreeNotification(this);
    Invalidate();
}

void TKitBitBtn::Notification(TComponent* component, TOperation operation)
{
    TKitButton::Notification(component, operation);
    if (operation == opRemove && component == FImages) {
        FImages = nullptr;
        Invalidate();
    }
}

bool TKitBitBtn::IsCaptionOfKindStored() const
{
    return GetCaption() != Kinds[GetKind()].Caption;
}

bool TKitBitBtn::UsesImageList() const
{
    return FImages && FImageIndex != -1 && GetKind() == bkCustom;
}

TSize TKitBitBtn::GlyphSize() const
{
    if (UsesImageList())
        return TSize(FImages->GetWidth(), FImages->GetHeight());
    if (FGlyph->GetEmpty())
        return TSize(0, 0);
    return TSize(FGlyph->GetWidth() / FNumGlyphs, FGlyph->GetHeight());
}

void TKitBitBtn::DrawGlyph(TCanvas* canvas, TPoint at, TSize size)
{
    if (UsesImageList()) {
        if (FDisabledIndex == -1)
            FImages->Draw(canvas, at.x, at.y, FImageIndex, GetEnabled());
        else
            FImages->Draw(canvas, at.x, at.y, GetEnabled() ? FImageIndex : FDisabledIndex, true);
        return;
    }
    int cell = 0;
    if (GetButtonState() == 3 && FNumGlyphs == 4)
        cell = 3;
    else if ((GetButtonState() == 2 || FShowDownVersion) && FNumGlyphs >= 3)
        cell = 2;
    else if (!GetEnabled() && FNumGlyphs >= 2)
        cell = 1;
    StretchDrawTransparent(canvas, FGlyph.get(), TRect(at.x, at.y, at.x + size.cx, at.y + size.cy),
                           FGlyph->GetTransparentColor(), TRect(cell * size.cx, 0, (cell + 1) * size.cx, size.cy));
}

void TKitBitBtn::PaintContent(TCanvas* canvas, TRect area, bool themed)
{
    TSize glyph = GlyphSize();
    if (glyph.cx == 0 || glyph.cy == 0) {
        TKitButton::PaintContent(canvas, area, themed);
        return;
    }
    bool horizontal = FLayout == blGlyphLeft || FLayout == blGlyphRight;
    UINT align = AlignmentFlag();
    int margin = FMargin, spacing = FSpacing;
    if (margin == -1) {
        // Glyph and caption are centred together, the caption beside the glyph.
        UINT flags = 0;
        AnsiString text = CaptionText(flags);
        canvas->GetFont()->Assign(GetFont());
        TRect measured = area;
        DrawTextAnsi(canvas, text, measured, MeasureFlags | flags);
        int length = text.empty() ? 0 : horizontal ? measured.Width() : measured.Height();
        int gap = text.empty() ? 0 : spacing;
        margin = horizontal ? (area.Width() - glyph.cx - gap - length) / 2
                            : (area.Height() - glyph.cy - gap - length) / 2;
        if (horizontal)
            align = FLayout == blGlyphLeft ? DT_LEFT : DT_RIGHT;
    }
    TPoint at;
    switch (FLayout) {
    case blGlyphLeft:
        at = TPoint(area.left + margin, area.top + (area.Height() - glyph.cy) / 2);
        area.left += margin + glyph.cx + spacing;
        break;
    case blGlyphRight:
        at = TPoint(area.right - margin - glyph.cx, area.top + (area.Height() - glyph.cy) / 2);
        area.right -= margin + glyph.cx + spacing;
        break;
    case blGlyphTop:
        at = TPoint(area.left + (area.Width() - glyph.cx) / 2, area.top + margin);
        area.top += margin + glyph.cy + spacing;
        break;
    case blGlyphBottom:
        at = TPoint(area.left + (area.Width() - glyph.cx) / 2, area.bottom - margin - glyph.cy);
        area.bottom -= margin + glyph.cy + spacing;
        break;
    }
    DrawGlyph(canvas, at, glyph);
    DrawCaption(canvas, area, align | DT_EXPANDTABS | DT_WORDBREAK);
}
