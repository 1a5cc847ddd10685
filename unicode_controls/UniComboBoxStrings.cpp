#include <vector>

#include "unicode_controls/UniStdCtrls.h"

VARIRUVU_CLASS_INFO(TUniComboBoxStrings, TUniStrings) {}

// ---- the wide items ----

TStrings* TUniComboBoxStrings::AnsiItems() const
{
    return FComboBox->TCustomComboBox::GetItems();
}

TUniStringList* TUniComboBoxStrings::KeptItems() const
{
    if (FComboBox->HandleAllocated())
        return nullptr;
    if (!FComboBox->FSavedItems)
        FComboBox->FSavedItems = std::make_unique<TUniStringList>();
    return FComboBox->FSavedItems.get();
}

bool TUniComboBoxStrings::UnicodeWindow() const
{
    return IsWindowUnicode(FComboBox->GetHandle()) != FALSE;
}

WideString TUniComboBoxStrings::Get(int index) const
{
    if (TUniStringList* kept = KeptItems())
        return kept->Get(index);
    if (!UnicodeWindow())
        return AnsiToWide(AnsiItems()->Get(index));
    HWND wnd = FComboBox->GetHandle();
    LRESULT length = SendMessageW(wnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR)
        return WideString();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    if (SendMessageW(wnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data())) == CB_ERR)
        return WideString();
    return WideString(buffer.data());
}

int TUniComboBoxStrings::GetCount() const
{
    if (TUniStringList* kept = KeptItems())
        return kept->GetCount();
    return AnsiItems()->GetCount();
}

TObject* TUniComboBoxStrings::GetObject(int index) const
{
    if (TUniStringList* kept = KeptItems())
        return kept->GetObject(index);
    return AnsiItems()->GetObject(index);
}

void TUniComboBoxStrings::PutObject(int index, TObject* object)
{
    if (TUniStringList* kept = KeptItems())
        kept->PutObject(index, object);
    else
        AnsiItems()->PutObject(index, object);
}

int TUniComboBoxStrings::SendInsert(UINT msg, int index, const WideString& s) const
{
    LRESULT result = SendMessageW(FComboBox->GetHandle(), msg, static_cast<WPARAM>(index),
                                  reinterpret_cast<LPARAM>(s.c_str()));
    if (result < 0)
        throw EOutOfResources(L"Unable to insert a line");
    return static_cast<int>(result);
}

int TUniComboBoxStrings::Add(const WideString& s)
{
    if (TUniStringList* kept = KeptItems())
        return kept->Add(s);
    if (!UnicodeWindow())
        return AnsiItems()->Add(WideToAnsi(s));
    return SendInsert(CB_ADDSTRING, 0, s);
}

void TUniComboBoxStrings::Insert(int index, const WideString& s)
{
    if (TUniStringList* kept = KeptItems())
        kept->Insert(index, s);
    else if (!UnicodeWindow())
        AnsiItems()->Insert(index, WideToAnsi(s));
    else
        SendInsert(CB_INSERTSTRING, index, s);
}

void TUniComboBoxStrings::Delete(int index)
{
    if (TUniStringList* kept = KeptItems())
        kept->Delete(index);
    else
        AnsiItems()->Delete(index);
}

int TUniComboBoxStrings::IndexOfString(const WideString& s) const
{
    if (TUniStringList* kept = KeptItems())
        return kept->IndexOfString(s);
    if (!UnicodeWindow())
        return AnsiItems()->IndexOf(WideToAnsi(s));
    return static_cast<int>(SendMessageW(FComboBox->GetHandle(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(s.c_str())));
}

void TUniComboBoxStrings::Clear()
{
    if (TUniStringList* kept = KeptItems()) {
        kept->Clear();
        FComboBox->FSavedIndex = -1;
        return;
    }
    WideString text = GetWideText(FComboBox);
    SendMessageW(FComboBox->GetHandle(), CB_RESETCONTENT, 0, 0);
    SetWideText(FComboBox, text);
    FComboBox->Update();
}

void TUniComboBoxStrings::SetUpdateState(bool updating)
{
    if (TUniStringList* kept = KeptItems())
        updating ? kept->BeginUpdate() : kept->EndUpdate();
    else
        updating ? AnsiItems()->BeginUpdate() : AnsiItems()->EndUpdate();
}

// ---- the 8-bit items ----

AnsiString TD7PatchedComboBoxStrings::Get(int index) const
{
    if (!GetComboBox()->HandleAllocated())
        return TCustomComboBoxStrings::Get(index);
    HWND wnd = GetComboBox()->GetHandle();
    LRESULT length = SendMessageA(wnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0)
        return AnsiString();
    AnsiString text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = SendMessageA(wnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}
