#include "unicode/UniSystem.h"
#include "unicode/UniWindows.h"
#include "unicode_controls/UniExtCtrls.h"

VARIRUVU_CLASS_INFO(TUniCustomPanel, TCustomPanel) {}

VARIRUVU_CLASS_INFO(TUniPanel, TUniCustomPanel)
{
    info.Property("Caption", &TUniPanel::GetCaption, &TUniPanel::SetCaption).Stored(&TUniPanel::IsCaptionStored);
    info.Property("Hint", &TUniPanel::GetHint, &TUniPanel::SetHint).Stored(&TUniPanel::IsHintStored);
    info.Property("Alignment", &TUniPanel::GetAlignment, &TUniPanel::SetAlignment).Default(taCenter);
    info.Property("BevelInner", &TUniPanel::GetBevelInner, &TUniPanel::SetBevelInner).Default(bvNone);
    info.Property("BevelOuter", &TUniPanel::GetBevelOuter, &TUniPanel::SetBevelOuter).Default(bvRaised);
    info.Property("BevelWidth", &TUniPanel::GetBevelWidth, &TUniPanel::SetBevelWidth).Default(1);
    info.Property("BorderStyle", &TUniPanel::GetBorderStyle, &TUniPanel::SetBorderStyle).Default(bsNone);
    info.Property("BorderWidth", &TUniPanel::GetBorderWidth, &TUniPanel::SetBorderWidth).Default(0);
    info.Property("ParentBackground", &TUniPanel::GetParentBackground, &TUniPanel::SetParentBackground)
        .Default(false);
}

void TUniCustomPanel::CreateWindowHandle(const TCreateParams& params)
{
    CreateUnicodeHandle(this, params, WideString());
}

void TUniCustomPanel::PaintCaption(TRect rect)
{
    if (!IsUnicodePlatform()) {
        TCustomPanel::PaintCaption(rect);
        return;
    }
    WideString caption = GetCaption();
    DrawCaptionWith(
        rect, [](TCanvas* canvas) { return WideCanvasTextHeight(canvas, L"W"); },
        [&caption](HDC dc, RECT& r, UINT flags) { WideDrawText(dc, caption.c_str(), -1, &r, flags); });
}
