#include "classlib/Forms.h"
#include "unicode/UniSystem.h"
#include "unicode/UniWindows.h"
#include "unicode_controls/UniControlsState.h"
#include "unicode_controls/UniGraphics.h"

namespace {

// A record SwapHintWindow marked: its hint data points at itself.
const THintInfo* WideHintRecord(void* data)
{
    auto* info = static_cast<const THintInfo*>(data);
    if (!IsUnicodePlatform() || !info || info->HintData != data || !info->HintWindowClass ||
        !info->HintWindowClass->InheritsFrom(TUniCustomHintWindow::ClassInfo()))
        return nullptr;
    return info;
}

// Sets a flag of the hint window for the span of one call.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : FFlag(flag), FSaved(flag) { flag = true; }
    ~TFlagScope() { FFlag = FSaved; }

private:
    bool& FFlag;
    bool FSaved;
};

constexpr UINT HintTextFlags = DT_WORDBREAK | DT_NOPREFIX;

}  // namespace

void SwapHintWindow(THintInfo& info)
{
    if (!IsUnicodePlatform())
        return;
    if (info.HintWindowClass == &THintWindow::ClassInfo())
        info.HintWindowClass = &TUniCustomHintWindow::ClassInfo();
    if (!info.HintWindowClass || !info.HintWindowClass->InheritsFrom(TUniCustomHintWindow::ClassInfo()))
        return;
    info.HintData = &info;
    info.HintStr = WideToAnsi(WideShortHint(FindWideHint(info.HintControl)));
}

WideString WideHintOf(const THintInfo& info)
{
    WideString result = AnsiToWide(info.HintStr);
    if (result.empty())
        return result;
    WideString wide = WideShortHint(FindWideHint(info.HintControl));
    if (WideToAnsi(wide) == info.HintStr)
        return wide;
    // The class library never completes a hint with its action's shortcut
    // text, so a hint that differs was changed by the application's hint
    // handler: it keeps its 8-bit text.
    return result;
}

VARIRUVU_CLASS_INFO(TUniCustomHintWindow, THintWindow) {}

void TUniCustomHintWindow::CreateWindowHandle(const TCreateParams& params)
{
    CreateUnicodeHandle(this, params, WideString());
}

void TUniCustomHintWindow::Paint()
{
    if (FBlockPaint)
        return;
    if (!IsUnicodePlatform()) {
        THintWindow::Paint();
        return;
    }
    TCanvas* canvas = GetCanvas();
    TRect r = GetClientRect();
    r.left += 2;
    r.top += 2;
    canvas->GetFont()->SetColor(Screen->GetHintFont()->GetColor());
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
    WideString text = GetWideText(this);
    WideDrawText(canvas->GetHandle(), text.c_str(), -1, &r, HintTextFlags);
}

void TUniCustomHintWindow::WndProc(TMessage& message)
{
    if (message.Msg == CM_TEXTCHANGED && !FActivating) {
        WideString text = GetWideText(this);
        SetWidth(WideCanvasTextWidth(GetCanvas(), text) + 6);
        SetHeight(WideCanvasTextHeight(GetCanvas(), text) + 6);
    }
    THintWindow::WndProc(message);
}

void TUniCustomHintWindow::ShowHintAt(const TRect& rect, const AnsiString& hint)
{
    TFlagScope activating(FActivating);
    THintWindow::ShowHintAt(rect, hint);
}

void TUniCustomHintWindow::ShowHintWithData(const TRect& rect, const AnsiString& hint, void* data)
{
    const THintInfo* info = WideHintRecord(data);
    if (!info) {
        THintWindow::ShowHintWithData(rect, hint, data);
        return;
    }
    {
        TFlagScope blockPaint(FBlockPaint);
        TFlagScope activating(FActivating);
        THintWindow::ShowHintWithData(rect, hint, data);
        SetWideText(this, WideHintOf(*info));
    }
    Invalidate();
}

TRect TUniCustomHintWindow::MeasureHint(int maxWidth, const AnsiString& hint, void* data)
{
    const THintInfo* info = WideHintRecord(data);
    if (!info)
        return THintWindow::MeasureHint(maxWidth, hint, data);
    TRect r(0, 0, maxWidth, 0);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetFont()->GetHandle());
    WideString text = WideHintOf(*info);
    WideDrawText(dc, text.c_str(), -1, &r, DT_CALCRECT | HintTextFlags);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    r.right += 6;
    r.bottom += 2;
    return r;
}
