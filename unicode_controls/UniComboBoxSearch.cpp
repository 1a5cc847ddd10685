#include <algorithm>

#include "unicode/UniSystem.h"
#include "unicode_controls/UniStdCtrls.h"

namespace {
WideString Part(const WideString& s, int start, int length = -1)
{
    size_t from = std::min(static_cast<size_t>(std::max(start, 0)), s.size());
    return s.substr(from, length < 0 ? WideString::npos : static_cast<size_t>(length));
}
}  // namespace

// ---- the edit part's selection ----
// A Unicode window counts in UTF-16 units already; an 8-bit one counts bytes,
// which a double-byte code page makes differ from characters.

int TUniCustomComboBox::GetSelStart()
{
    if (IsUnicodePlatform())
        return TCustomComboBox::GetSelStart();
    AnsiString text = TCustomComboBox::GetText();
    return static_cast<int>(AnsiToWide(text.substr(0, static_cast<size_t>(TCustomComboBox::GetSelStart()))).size());
}

void TUniCustomComboBox::SetSelStart(int value)
{
    if (IsUnicodePlatform())
        TCustomComboBox::SetSelStart(value);
    else
        TCustomComboBox::SetSelStart(static_cast<int>(WideToAnsi(Part(GetText(), 0, value)).size()));
}

int TUniCustomComboBox::GetSelLength()
{
    if (IsUnicodePlatform())
        return TCustomComboBox::GetSelLength();
    return static_cast<int>(AnsiToWide(TCustomComboBox::GetSelText()).size());
}

void TUniCustomComboBox::SetSelLength(int value)
{
    if (IsUnicodePlatform()) {
        TCustomComboBox::SetSelLength(value);
        return;
    }
    WideString text = GetText();
    int start = GetSelStart();
    size_t ansiStart = WideToAnsi(Part(text, 0, start)).size();
    size_t ansiEnd = WideToAnsi(Part(text, 0, start + value)).size();
    TCustomComboBox::SetSelLength(static_cast<int>(ansiEnd - ansiStart));
}

WideString TUniCustomComboBox::GetSelText()
{
    if (!IsUnicodePlatform())
        return AnsiToWide(TCustomComboBox::GetSelText());
    if (!HasEditPart())
        return WideString();
    return Part(GetText(), GetSelStart(), GetSelLength());
}

// ---- finding and selecting items ----

int TUniCustomComboBox::FindPrefixMatch(int start, const WideString& s)
{
    HWND wnd = GetHandle();
    if (IsWindowUnicode(wnd))
        return static_cast<int>(
            SendMessageW(wnd, CB_FINDSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(s.c_str())));
    AnsiString narrow = WideToAnsi(s);
    return static_cast<int>(
        SendMessageA(wnd, CB_FINDSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(narrow.c_str())));
}

int TUniCustomComboBox::FindOnlyMatch(const WideString& s)
{
    int index = FindPrefixMatch(-1, s);
    // The search wraps: a single match finds itself again.
    if (index == -1 || FindPrefixMatch(index, s) != index)
        return -1;
    return index;
}

// Selects the item that begins with s; with keepPrefix the typed part keeps its case.
bool TUniCustomComboBox::SelectMatch(const WideString& s, bool uniqueOnly, bool keepPrefix)
{
    int index = uniqueOnly ? FindOnlyMatch(s) : FindPrefixMatch(-1, s);
    if (index == -1)
        return false;
    WideString item = FItems->Get(index);
    bool changed;
    if (GetStyle() == csDropDown) {
        WideString text = GetText();
        changed = CompareStringW(LOCALE_USER_DEFAULT, 0, text.c_str(), static_cast<int>(text.size()), item.c_str(),
                                 static_cast<int>(item.size())) != CSTR_EQUAL;
    } else {
        changed = index != GetItemIndex();
    }
    if (FAutoCloseUp && FItems->IndexOfString(s) != -1)
        SetDroppedDown(false);
    SetItemIndex(index);
    if (HasEditPart()) {
        WideString text = keepPrefix ? s + Part(item, static_cast<int>(s.size())) : item;
        SetText(text);
        SetSelStart(static_cast<int>(s.size()));
        SetSelLength(static_cast<int>(text.size() - s.size()));
    }
    if (changed)
        Picked();
    return true;
}
