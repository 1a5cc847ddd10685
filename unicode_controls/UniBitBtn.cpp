#include "classlib/TypInfo.h"
#include "unicode_controls/UniActnList.h"
#include "unicode_controls/UniButtons.h"

VARIRUVU_CLASS_INFO(TUniBitBtn, TBitBtn)
{
    info.Property("Caption", &TUniBitBtn::GetCaption, &TUniBitBtn::SetCaption).Stored(&TUniBitBtn::IsCaptionStored);
    info.Property("Hint", &TUniBitBtn::GetHint, &TUniBitBtn::SetHint).Stored(&TUniBitBtn::IsHintStored);
}

bool TUniBitBtn::IsCaptionStored() const
{
    const TClassInfo& rules = GetKind() == bkCustom ? TButton::ClassInfo() : TBitBtn::ClassInfo();
    const TPropInfo* caption = rules.FindProperty("Caption");
    if (!caption)
        throw EPropertyError(Format("Property %s does not exist", "Caption"));
    return IsStoredProp(this, *caption);
}

void TUniBitBtn::CreateWindowHandle(const TCreateParams& params)
{
    CreateUnicodeHandle(this, params, L"BUTTON");
}

void TUniBitBtn::WndProc(TMessage& message)
{
    if (message.Msg == CM_DIALOGCHAR) {
        WideButtonDialogChar(this, message);
        return;
    }
    TBitBtn::WndProc(message);
}

void TUniBitBtn::DrawItem(const DRAWITEMSTRUCT& draw)
{
    if (FPaintInherited) {
        TBitBtn::DrawItem(draw);
        return;
    }
    try {
        DrawWide(draw);
    } catch (const EAbortPaint&) {
    }
}

void TUniBitBtn::DrawWide(const DRAWITEMSTRUCT& draw)
{
    bool isDown = draw.itemState & ODS_SELECTED;
    bool isDefault = draw.itemState & ODS_FOCUS;
    // The class library has no state apart from Default for a button drawn as the default one.
    bool isFocused = GetDefault();
    TButtonState state = !GetEnabled() ? bsDisabled : isDown ? bsDown : bsUp;
    TCanvas* canvas = GetDrawCanvas();
    canvas->GetFont()->Assign(GetFont());
    HDC dc = draw.hDC;
    TRect client = GetClientRect();
    RECT r = client;
    UINT flags = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (isDown ? DFCS_PUSHED : 0) |
                 ((draw.itemState & ODS_DISABLED) ? DFCS_INACTIVE : 0);
    if (isFocused || isDefault) {
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
        DrawFrameControl(dc, &r, DFC_BUTTON, flags);
    }
    if (isFocused) {
        r = client;
        InflateRect(&r, -1, -1);
    }
    if (isDown)
        OffsetRect(&r, 1, 1);
    TGlyphCaptionLayout look{GetCaption(), GetLayout(), GetMargin(), GetSpacing(), 0, GetWordWrap()};
    DrawGlyphButton(this, canvas, r, TPoint(0, 0), look, state, true);
    if (isFocused && isDefault) {
        RECT focus = client;
        InflateRect(&focus, -4, -4);
        canvas->GetPen()->SetColor(clWindowFrame);
        canvas->GetBrush()->SetColor(clBtnFace);
        canvas->DrawFocusRect(focus);
    }
}
