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
    RECT client = GetClientRect();
    RECT r = DrawPushButtonFace(canvas, client, isFocused || isDefault, isDown, draw.itemState & ODS_DISABLED);
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
