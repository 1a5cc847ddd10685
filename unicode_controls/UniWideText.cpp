#include <vector>

#include "unicode/UniSystem.h"
#include "unicode/UniWindows.h"
#include "unicode_controls/UniControls.h"

namespace {

// A windowed control whose window holds its wide text; null otherwise.
HWND UnicodeWindowOf(TControl* control)
{
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (!windowed || !windowed->HandleAllocated())
        return nullptr;
    return windowed->GetHandle();
}

// The 8-bit text is all there is: another family, or an 8-bit window.
bool TextIsAnsiOnly(TControl* control)
{
    if (!IsUnicodePlatform())
        return true;
    HWND wnd = UnicodeWindowOf(control);
    return wnd && !IsWindowUnicode(wnd);
}

}  // namespace

WideString GetWideText(TControl* control)
{
    if (TextIsAnsiOnly(control))
        return AnsiToWide(control->GetText());
    if (HWND wnd = UnicodeWindowOf(control)) {
        int length = GetWindowTextLengthW(wnd);
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
        int copied = GetWindowTextW(wnd, buffer.data(), length + 1);
        return WideString(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
    }
    // Without a window the helper keeps the wide text while its 8-bit form is
    // still the control's text.
    if (TWideControlHelper* helper = WideControlHelper(control, false))
        return SyncWideFromAnsi(helper->WideCaption, control->GetText());
    return AnsiToWide(control->GetText());
}

void SetWideText(TControl* control, const WideString& value)
{
    if (TextIsAnsiOnly(control)) {
        control->SetText(WideToAnsi(value));
        return;
    }
    if (HWND wnd = UnicodeWindowOf(control)) {
        if (GetWideText(control) != value) {
            WideSetWindowText(wnd, value);
            control->Perform(CM_TEXTCHANGED, 0, 0);
        }
        return;
    }
    TWideControlHelper* helper = WideControlHelper(control, true);
    SyncWideToAnsi(value, helper->WideCaption, control->GetText(),
                   [control](const AnsiString& text) { control->SetText(text); });
}

WideString GetWideHint(TControl* control)
{
    if (IsUnicodePlatform())
        if (TWideControlHelper* helper = WideControlHelper(control, false))
            return SyncWideFromAnsi(helper->WideHint, control->GetHint());
    return AnsiToWide(control->GetHint());
}

void SetWideHint(TControl* control, const WideString& value)
{
    if (!IsUnicodePlatform()) {
        control->SetHint(WideToAnsi(value));
        return;
    }
    TWideControlHelper* helper = WideControlHelper(control, true);
    SyncWideToAnsi(value, helper->WideHint, control->GetHint(),
                   [control](const AnsiString& hint) { control->SetHint(hint); });
}

WideString FindWideHint(TControl* control)
{
    for (; control; control = control->GetParent())
        if (WideString hint = GetWideHint(control); !hint.empty())
            return hint;
    return WideString();
}

WideString WideShortHint(const WideString& hint)
{
    return hint.substr(0, hint.find(L'|'));
}

WideString WideLongHint(const WideString& hint)
{
    size_t bar = hint.find(L'|');
    return bar == WideString::npos ? hint : hint.substr(bar + 1);
}
