#include <richedit.h>

#include <algorithm>
#include <vector>

#include "unicode/UniSystem.h"
#include "unicode_controls/UniComCtrls.h"

VARIRUVU_CLASS_INFO(TUniCustomRichEdit, TCustomRichEdit) {}

VARIRUVU_CLASS_INFO(TUniRichEdit, TUniCustomRichEdit)
{
    info.Property("BorderStyle", &TUniRichEdit::GetBorderStyle, &TUniRichEdit::SetBorderStyle).Default(bsSingle);
    info.Property("Hint", &TUniRichEdit::GetHint, &TUniRichEdit::SetHint).Stored(&TUniRichEdit::IsHintStored);
    info.Property("Lines", &TUniRichEdit::GetLines, &TUniRichEdit::SetLines);
    info.Property("MaxLength", &TUniRichEdit::GetMaxLength, &TUniRichEdit::SetMaxLength).Default(0);
    info.Property("PlainText", &TUniRichEdit::GetPlainText, &TUniRichEdit::SetPlainText).Default(false);
    info.Property("ReadOnly", &TUniRichEdit::GetReadOnly, &TUniRichEdit::SetReadOnly).Default(false);
    info.Property("ScrollBars", &TUniRichEdit::GetScrollBars, &TUniRichEdit::SetScrollBars).Default(ssNone);
    info.Property("WantReturns", &TUniRichEdit::GetWantReturns, &TUniRichEdit::SetWantReturns).Default(true);
    info.Property("WordWrap", &TUniRichEdit::GetWordWrap, &TUniRichEdit::SetWordWrap).Default(true);
    info.Property("OnChange", &TUniRichEdit::OnChange);
    info.Property("OnSelectionChange", &TUniRichEdit::OnSelectionChange);
}

TUniCustomRichEdit::TUniCustomRichEdit(TComponent* AOwner)
    : TUniTextControl(AOwner),
      FLineBreakStyle(IsUnicodePlatform() && RichEditLibraryLoaded() ? lbsCR : lbsCRLF),
      FLines(std::make_unique<TUniRichEditStrings>(this, TCustomRichEdit::GetLines(), FLineBreakStyle))
{
}

TUniCustomRichEdit::~TUniCustomRichEdit()
{
    FLines.reset();
}

void TUniCustomRichEdit::CreateParams(TCreateParams& params)
{
    TCustomRichEdit::CreateParams(params);
    if (GetWordWrap())
        params.Style &= ~static_cast<DWORD>(WS_HSCROLL);
}

void TUniCustomRichEdit::CreateWindowHandle(const TCreateParams& params)
{
    // The style was chosen with the library at hand; the window must keep breaks as it says.
    if (FLineBreakStyle == lbsCR)
        CreateUnicodeHandle(this, params, L"RichEdit20W");
    else
        TCustomRichEdit::CreateWindowHandle(params);
}

void TUniCustomRichEdit::CreateWnd()
{
    TCustomRichEdit::CreateWnd();
    if (ActiveImmAvailable())
        SendMessageA(FHandle, EM_SETEDITSTYLE, SES_USEAIMM, SES_USEAIMM);
}

// ---- positions ----

int TUniCustomRichEdit::WindowToText(int position)
{
    if (FLineBreakStyle != lbsCR || position <= 0)
        return position;
    if (!IsUnicodePlatform())
        throw EUniInternalError(L"Assertion failure");
    HWND wnd = GetHandle();
    int line = static_cast<int>(SendMessageW(wnd, EM_EXLINEFROMCHAR, 0, position));
    if (!GetWordWrap())
        return position + line;
    // Visual lines: the characters between them that no line counts are the hard breaks.
    int counted = 0;
    for (int i = 0; i < line; ++i)
        counted += static_cast<int>(SendMessageW(wnd, EM_LINELENGTH, SendMessageW(wnd, EM_LINEINDEX, i, 0), 0));
    return position + static_cast<int>(SendMessageW(wnd, EM_LINEINDEX, line, 0)) - counted;
}

int TUniCustomRichEdit::TextToWindow(int position)
{
    if (FLineBreakStyle != lbsCR || position <= 0)
        return position;
    if (!IsUnicodePlatform())
        throw EUniInternalError(L"Assertion failure");
    HWND wnd = GetHandle();
    int breaks = 0;
    int characters = 0;
    int count = FLines->GetCount();
    for (int i = 0; i <= count; ++i) {
        int start = static_cast<int>(SendMessageW(wnd, EM_LINEINDEX, i, 0));
        if (start < 0 || position < breaks + start)
            break;
        if (start > characters) {
            ++breaks;
            ++characters;
        }
        int length = static_cast<int>(SendMessageW(wnd, EM_LINELENGTH, start, 0));
        characters += length;
        if (breaks + start <= position && position < start + length + breaks)
            break;
    }
    return position - breaks;
}

// ---- selection and text ----

int TUniCustomRichEdit::GetSelStart()
{
    return WindowToText(GetWideSelStart(this));
}

void TUniCustomRichEdit::SetSelStart(int value)
{
    SetWideSelStart(this, TextToWindow(value));
}

int TUniCustomRichEdit::GetSelLength()
{
    if (FLineBreakStyle != lbsCR)
        return GetWideSelLength(this);
    CHARRANGE range{};
    SendMessageW(GetHandle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return WindowToText(range.cpMax) - WindowToText(range.cpMin);
}

void TUniCustomRichEdit::SetSelLength(int value)
{
    if (FLineBreakStyle != lbsCR) {
        SetWideSelLength(this, value);
        return;
    }
    int start = GetSelStart();
    TCustomRichEdit::SetSelLength(TextToWindow(start + value) - TextToWindow(start));
}

WideString TUniCustomRichEdit::GetWideSelText()
{
    HWND wnd = GetHandle();
    if (!IsWindowUnicode(wnd))
        return AnsiToWide(TCustomRichEdit::GetSelText());
    CHARRANGE range{};
    SendMessageW(wnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    std::vector<wchar_t> buffer(static_cast<size_t>(range.cpMax - range.cpMin) + 1, L'\0');
    LRESULT copied = SendMessageW(wnd, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer.data()));
    WideString text(buffer.data(), static_cast<size_t>(std::clamp<LRESULT>(copied, 0, range.cpMax - range.cpMin)));
    return FLineBreakStyle == lbsCR ? ConvertLineBreaksW(text, lbsCRLF) : text;
}

AnsiString TUniCustomRichEdit::GetSelText()
{
    return WideToAnsi(GetWideSelText());
}

WideString TUniCustomRichEdit::GetText()
{
    WideString text = GetWideText(this);
    return FLineBreakStyle == lbsCR ? ConvertLineBreaksW(text, lbsCRLF) : text;
}

// ---- printing, keys, actions ----

void TUniCustomRichEdit::PrintText(const AnsiString& caption)
{
    if (FLineBreakStyle != lbsCR) {
        TCustomRichEdit::PrintText(caption);
        return;
    }
    // The page formatting runs to the text length the window answers, in its own characters.
    FPrintingTextLength = static_cast<int>(ConvertedLineBreaksLength(GetText(), lbsCR));
    try {
        TCustomRichEdit::PrintText(caption);
    } catch (...) {
        FPrintingTextLength = 0;
        throw;
    }
    FPrintingTextLength = 0;
}

void TUniCustomRichEdit::WndProc(TMessage& message)
{
    if (message.Msg == WM_GETTEXTLENGTH && FPrintingTextLength != 0) {
        message.Result = FPrintingTextLength;
        return;
    }
    TCustomRichEdit::WndProc(message);
}

bool TUniCustomRichEdit::DoKeyDown(WORD& key, TShiftState shift)
{
    bool handled = TCustomRichEdit::DoKeyDown(key, shift);
    if (key == VK_RETURN && !GetWantReturns() && shift != TShiftState{ssCtrl})
        key = 0;
    return handled || key == 0;
}
