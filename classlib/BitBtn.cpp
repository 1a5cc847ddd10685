#include "classlib/Buttons.h"

namespace {

struct TKindDefaults {
    const char* Caption;
    TModalResult Result;
};

constexpr TKindDefaults KindDefaults[] = {
    {"", mrNone},      {"OK", mrOk},       {"Cancel", mrCancel}, {"&Help", mrNone},   {"&Yes", mrYes},     {"&No", mrNo},
    {"&Close", mrNone}, {"Abort", mrAbort}, {"&Retry", mrRetry}, {"&Ignore", mrIgnore}, {"&All", mrNone}};

}  // namespace

VARIRUVU_CLASS_INFO(TBitBtn, TButton)
{
    info.Property("Caption", &TBitBtn::GetCaption, &TBitBtn::SetCaption).Stored(&TBitBtn::IsCustomCaption);
    info.Property("Glyph", &TBitBtn::GetGlyph, &TBitBtn::SetGlyph);
    info.Property("Kind", &TBitBtn::GetKind, &TBitBtn::SetKind).Default(bkCustom);
    info.Property("Layout", &TBitBtn::GetLayout, &TBitBtn::SetLayout).Default(blGlyphLeft);
    info.Property("Margin", &TBitBtn::GetMargin, &TBitBtn::SetMargin).Default(-1);
    info.Property("NumGlyphs", &TBitBtn::GetNumGlyphs, &TBitBtn::SetNumGlyphs).Default(1);
    info.Property("Spacing", &TBitBtn::GetSpacing, &TBitBtn::SetSpacing).Default(4);
    info.Property("WordWrap", &TBitBtn::GetWordWrap, &TBitBtn::SetWordWrap).Default(false);
}

TBitBtn::TBitBtn(TComponent* AOwner)
    : TButton(AOwner), FGlyph(std::make_unique<TButtonGlyph>()), FCanvas(std::make_unique<TCanvas>())
{
    FGlyph->OnChange = TNotifyEvent(this, &TBitBtn::GlyphChanged);
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::SetKind(TBitBtnKind value)
{
    FKind = value;
    if (value != bkCustom) {
        SetCaption(KindDefaults[value].Caption);
        SetModalResult(KindDefaults[value].Result);
        SetDefault(value == bkOK || value == bkYes);
        SetCancel(value == bkCancel || value == bkNo);
    }
    Invalidate();
}

bool TBitBtn::IsCustomCaption() const
{
    if (FKind == bkCustom)
        return IsCaptionStored();
    return GetCaption() != KindDefaults[FKind].Caption;
}

void TBitBtn::SetLayout(TButtonLayout value)
{
    FLayout = value;
    Invalidate();
}

void TBitBtn::SetMargin(int value)
{
    FMargin = value;
    Invalidate();
}

void TBitBtn::SetSpacing(int value)
{
    FSpacing = value;
    Invalidate();
}

void TBitBtn::SetWordWrap(bool value)
{
    FWordWrap = value;
    Invalidate();
}

void TBitBtn::CreateParams(TCreateParams& params)
{
    TButton::CreateParams(params);
    params.Style |= BS_OWNERDRAW;
}

RECT DrawPushButtonFace(TCanvas* canvas, const RECT& client, bool framed, bool isDown, bool disabled)
{
    RECT r = client;
    if (framed) {
        canvas->GetPen()->SetColor(clWindowFrame);
        canvas->GetBrush()->SetStyle(bsClear);
        canvas->Rectangle(r.left, r.top, r.right, r.bottom);
        InflateRect(&r, -1, -1);
    }
    if (isDown) {
        canvas->GetPen()->SetColor(clBtnShadow);
        canvas->GetBrush()->SetStyle(bsSolid);
        canvas->GetBrush()->SetColor(clBtnFace);
        canvas->Rectangle(r.left, r.top, r.right, r.bottom);
        InflateRect(&r, -1, -1);
    } else {
        UINT flags = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (disabled ? DFCS_INACTIVE : 0);
        DrawFrameControl(canvas->GetHandle(), &r, DFC_BUTTON, flags);
    }
    return r;
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& draw)
{
    bool isDown = draw.itemState & ODS_SELECTED;
    bool isDefault = draw.itemState & ODS_FOCUS;
    TButtonState state = !GetEnabled() ? bsDisabled : isDown ? bsDown : bsUp;
    TCanvas* canvas = FCanvas.get();
    canvas->GetFont()->Assign(GetFont());
    RECT client = draw.rcItem;
    RECT r = DrawPushButtonFace(canvas, client, isDefault || GetDefault(), isDown, draw.itemState & ODS_DISABLED);
    if (isDown)
        OffsetRect(&r, 1, 1);
    FGlyph->Draw(canvas, TRect(r.left, r.top, r.right, r.bottom), TPoint(0, 0), GetCaption(), FLayout, FMargin,
                 FSpacing, state, true, FWordWrap);
    if (isDefault) {
        RECT focus = client;
        InflateRect(&focus, -4, -4);
        canvas->GetPen()->SetColor(clWindowFrame);
        canvas->GetBrush()->SetColor(clBtnFace);
        canvas->DrawFocusRect(TRect(focus.left, focus.top, focus.right, focus.bottom));
    }
}

void TBitBtn::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_DRAWITEM: {
        const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
        FCanvas->SetHandle(draw.hDC);
        try {
            DrawItem(draw);
        } catch (...) {
            FCanvas->SetHandle(nullptr);
            throw;
        }
        FCanvas->SetHandle(nullptr);
        message.Result = TRUE;
        return;
    }
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        FMouseInControl = message.Msg == CM_MOUSEENTER;
        break;
    case WM_LBUTTONDBLCLK:
        // An owner-drawn button turns a quick second click into a double click: keep it a click.
        message.Msg = WM_LBUTTONDOWN;
        break;
    default:
        break;
    }
    TButton::WndProc(message);
}
