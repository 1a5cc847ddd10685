#include "unicode/UniSystem.h"
#include "unicode_controls/UniControlsState.h"
#include "unicode_controls/UniStdCtrls.h"

namespace {

// Pauses of at least this long between keys start a new search in the list styles.
constexpr DWORD SearchPause = 1250;

// The character of a WM_CHAR that came through `wnd`, in UTF-16.
wchar_t TypedChar(const TMessage& message, HWND wnd)
{
    if (IsWindowUnicode(wnd))
        return GetWideCharFromMessage(message);
    WideString wide = AnsiToWide(AnsiString(1, static_cast<char>(message.WParam)));
    return wide.empty() ? L'\0' : wide[0];
}

void Consume(TMessage& message)
{
    message.WParam = 0;
    message.Result = 0;
}

}  // namespace

// ---- completing and searching ----

void TUniCustomComboBox::DoAutoComplete(TMessage& message)
{
    if (!HasEditPart())
        throw EUniInternalError(
            "Internal Error: UniCombo_AutoCompleteKeyPress is only for csSimple and csDropDown style combo boxes.");
    if (!FAutoComplete)
        return;
    wchar_t ch = GetWideCharFromMessage(message);
    if (ch == VK_BACK || ch == VK_ESCAPE)
        return;
    if (ch == VK_TAB) {
        if (FAutoDropDown && GetDroppedDown())
            SetDroppedDown(false);
        return;
    }
    if (FAutoDropDown && !GetDroppedDown()) {
        // Opening the list selects the whole text; the typing goes on where it was.
        WideString text = GetText();
        int start = GetSelStart();
        int length = GetSelLength();
        SetDroppedDown(true);
        SetText(text);
        SetSelStart(start);
        SetSelLength(length);
    }
    WideString text = GetText();
    int start = GetSelStart();
    if (start + GetSelLength() != static_cast<int>(text.size()))
        return;
    if (SelectMatch(text.substr(0, static_cast<size_t>(start)) + ch, false, true))
        Consume(message);
}

void TUniCustomComboBox::SearchListChar(TMessage& message)
{
    wchar_t ch = TypedChar(message, FHandle);
    switch (ch) {
    case VK_BACK:
        if (!FSearchText.empty())
            FSearchText.pop_back();
        return;
    case VK_TAB:
        if (FAutoDropDown && GetDroppedDown())
            SetDroppedDown(false);
        return;
    case VK_ESCAPE:
        return;
    default:
        break;
    }
    if (FAutoDropDown && !GetDroppedDown())
        SetDroppedDown(true);
    // Unsigned difference: right across a wrap of the counter too.
    DWORD now = TickCount();
    if (now - FLastSearchTick >= SearchPause)
        FSearchText.clear();
    FLastSearchTick = now;
    if (SelectMatch(FSearchText + ch, false, true)) {
        FSearchText += ch;
        Consume(message);
    }
}

// ---- the edit and list windows ----

void TUniCustomComboBox::HandleChildMessage(TMessage& message, const TComboChild& child)
{
    bool unicodeChild = IsWindowUnicode(child.Wnd) != FALSE;
    switch (message.Msg) {
    case WM_CHAR:
        // The list's are those the combo box passes on after its own handling.
        if (&child == &FEditChild) {
            ChildChar(message, child);
            return;
        }
        break;
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case EM_REPLACESEL:
    case WM_IME_COMPOSITION:
        // The class library would pass them on in 8 bits.
        if (unicodeChild) {
            message.Result = CallWindowProcW(child.DefProc, child.Wnd, message.Msg, message.WParam, message.LParam);
            return;
        }
        break;
    case WM_IME_CHAR:
        if (unicodeChild) {
            message.Result = SendMessageW(child.Wnd, WM_CHAR, message.WParam, message.LParam);
            return;
        }
        break;
    default:
        break;
    }
    TCustomComboBox::HandleChildMessage(message, child);
}

void TUniCustomComboBox::ChildChar(TMessage& message, const TComboChild& child)
{
    bool unicodeChild = IsWindowUnicode(child.Wnd) != FALSE;
    // The key handler sees the 8-bit stand-in of a character above 255; a key
    // it replaces replaces the character.
    TMessage key = message;
    if (unicodeChild)
        ParkWideChar(key);
    char ansiKey = static_cast<char>(key.WParam);
    if (DoKeyPress(ansiKey))
        return;
    if (ansiKey != static_cast<char>(key.WParam))
        key.WParam = static_cast<unsigned char>(ansiKey);
    if (unicodeChild)
        RestoreWideChar(key);
    wchar_t ch = TypedChar(key, child.Wnd);
    {
        TMessage completion;
        InitWideCharMessage(completion, ch);
        DoAutoComplete(completion);
        if (completion.WParam == 0)
            return;
    }
    if ((ch == VK_RETURN || ch == VK_ESCAPE) && GetDroppedDown()) {
        SetDroppedDown(false);
        return;
    }
    message.Result = unicodeChild ? CallWindowProcW(child.DefProc, child.Wnd, WM_CHAR, key.WParam, key.LParam)
                                  : CallWindowProcA(child.DefProc, child.Wnd, WM_CHAR, key.WParam, key.LParam);
}

// The class library subclassed the children through the 8-bit functions,
// which made them 8-bit windows; the W functions make them Unicode again.
void TUniCustomComboBox::UnicodeChildProcedures()
{
    if (HWND list = FListChild.Wnd) {
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FListChild.DefProc));
        FListChild.DefProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(list, GWLP_WNDPROC));
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FListChild.Instance));
    }
    if (HWND edit = FEditChild.Wnd)
        SetWindowLongPtrW(edit, GWLP_WNDPROC, GetWindowLongPtrA(edit, GWLP_WNDPROC));
}
