#include <richedit.h>

#include <algorithm>
#include <vector>

#include "unicode/UniSystem.h"
#include "unicode_controls/UniStdCtrls.h"

namespace {

const wchar_t* const LineBreak = L"\r\n";

LRESULT SendW(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam = 0)
{
    return SendMessageW(wnd, msg, wParam, lParam);
}

AnsiString Narrow(const WideString& s)
{
    return WideToAnsiCP(s, DefaultCodePage());
}

}  // namespace

VARIRUVU_CLASS_INFO(TUniMemoStrings, TUniStrings) {}

TUniMemoStrings::TUniMemoStrings(TCustomMemo* memo, TStrings* memoLines) : FMemo(memo), FMemoLines(memoLines) {}

void TUniMemoStrings::SetRichEditMode(TLineBreakStyle style)
{
    FRichEditMode = true;
    FLineBreakStyle = style;
}

bool TUniMemoStrings::UnicodeWindow() const
{
    return IsWindowUnicode(Window()) != FALSE;
}

int TUniMemoStrings::LineStart(int index) const
{
    if (!IsUnicodePlatform())
        throw EUniInternalError(L"Assertion failure");
    return static_cast<int>(SendW(Window(), EM_LINEINDEX, static_cast<WPARAM>(index)));
}

int TUniMemoStrings::LineLength(int index, int start) const
{
    if (!IsUnicodePlatform())
        throw EUniInternalError(L"Assertion failure");
    if (start == -1)
        start = LineStart(index);
    if (start < 0)
        return 0;
    return static_cast<int>(SendW(Window(), EM_LINELENGTH, static_cast<WPARAM>(start)));
}

WideString TUniMemoStrings::Get(int index) const
{
    if (!UnicodeWindow())
        return AnsiToWideCP(FMemoLines->Get(index), DefaultCodePage());
    int length = LineLength(index, -1);
    if (length == 0)
        return WideString();
    if (length > 0xFFFF)
        throw EOutOfResources(L"Line too long");
    // EM_GETLINE takes the buffer's size in its first character.
    std::vector<wchar_t> buffer(static_cast<size_t>(length), L'\0');
    buffer[0] = static_cast<wchar_t>(length);
    LRESULT copied = SendW(Window(), EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    return WideString(buffer.data(), static_cast<size_t>(std::clamp<LRESULT>(copied, 0, length)));
}

int TUniMemoStrings::GetCount() const
{
    return FMemoLines->GetCount();
}

WideString TUniMemoStrings::GetTextStr() const
{
    if (FRichEditMode)
        return TUniStrings::GetTextStr();
    return GetWideText(FMemo);
}

void TUniMemoStrings::Put(int index, const WideString& s)
{
    if (!UnicodeWindow()) {
        FMemoLines->Put(index, Narrow(s));
        return;
    }
    int start = LineStart(index);
    if (start < 0)
        return;
    SendW(Window(), EM_SETSEL, static_cast<WPARAM>(start), start + LineLength(index, start));
    SendW(Window(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(s.c_str()));
}

void TUniMemoStrings::SetTextStr(const WideString& text)
{
    WideString converted = ConvertLineBreaksW(text, FLineBreakStyle);
    // The window's own text, in the same style: the joined lines of a rich
    // edit end with a break its window does not hold.
    if (converted == ConvertLineBreaksW(GetWideText(FMemo), FLineBreakStyle))
        return;
    FMemo->HandleNeeded();
    SetWideText(FMemo, converted);
}

void TUniMemoStrings::SetUpdateState(bool updating)
{
    if (updating)
        FMemoLines->BeginUpdate();
    else
        FMemoLines->EndUpdate();
}

void TUniMemoStrings::Clear()
{
    FMemoLines->Clear();
}

void TUniMemoStrings::Delete(int index)
{
    FMemoLines->Delete(index);
}

void TUniMemoStrings::Insert(int index, const WideString& s)
{
    if (!UnicodeWindow())
        FMemoLines->Insert(index, Narrow(s));
    else if (index >= 0)
        InsertInWindow(index, s);
}

void TUniMemoStrings::InsertInWindow(int index, const WideString& s)
{
    int start = LineStart(index);
    WideString text;
    if (start >= 0) {
        text = s + LineBreak;
    } else {
        // Past the last line: behind the last line's text, unless it is empty.
        start = LineStart(index - 1);
        int length = LineLength(index - 1, start);
        if (length == 0)
            return;
        start += length;
        text = LineBreak + s;
    }
    SendW(Window(), EM_SETSEL, static_cast<WPARAM>(start), start);
    bool converting = FRichEditMode && FLineBreakStyle != lbsCRLF;
    if (converting) {
        text = ConvertLineBreaksW(text, FLineBreakStyle);
        // The window takes a lone CR better as the pair, and keeps one character of it.
        if (text == L"\r")
            text = LineBreak;
    }
    SendW(Window(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (converting && text == LineBreak)
        text = L"\r";
    if (!FRichEditMode)
        return;
    CHARRANGE selection{};
    SendW(Window(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    if (start + static_cast<int>(text.size()) != selection.cpMin)
        throw EOutOfResources(L"RichEdit line insertion error");
}
