#include <cstring>

#include "components/KitCommon.h"

HFONT CreateAngledFont(TFont* Font, int Angle)
{
    LOGFONTA font{};
    TFontStyles style = Font->GetStyle();
    font.lfHeight = Font->GetHeight();
    font.lfEscapement = Angle * 10;
    font.lfWeight = style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = style.Contains(fsItalic);
    font.lfUnderline = style.Contains(fsUnderline);
    font.lfStrikeOut = style.Contains(fsStrikeOut);
    font.lfCharSet = static_cast<BYTE>(Font->GetCharset());
    font.lfPitchAndFamily = Font->GetPitch() == fpVariable ? VARIABLE_PITCH
                            : Font->GetPitch() == fpFixed  ? FIXED_PITCH
                                                           : 0;
    std::strncpy(font.lfFaceName, Font->GetName().c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectA(&font);
}

bool IsTrueTypeFont(TFont* Font)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font->GetHandle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

AnsiString StripAccelerators(const AnsiString& Caption)
{
    AnsiString result;
    size_t i = 0;
    while (i + 1 < Caption.size()) {
        if (Caption[i] != '&')
            result += Caption[i];
        else if (Caption[i + 1] == '&')
            result += Caption[++i];
        ++i;
    }
    // The last character is kept as it stands, unless a doubled mark took it already.
    if (i < Caption.size())
        result += Caption[i];
    return result;
}

int DrawTextAnsi(TCanvas* Canvas, const AnsiString& Text, TRect& Rect, UINT Format)
{
    return DrawTextA(Canvas->GetHandle(), Text.c_str(), -1, &Rect, Format);
}

void NotifyDesigner(TControl* Control)
{
    // The class library has no form designer, so there is never one to tell.
    (void)Control;
}
