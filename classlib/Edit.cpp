#include "classlib/StdCtrls.h"

VARIRUVU_CLASS_INFO(TCustomEdit, TWinControl) {}

VARIRUVU_CLASS_INFO(TEdit, TCustomEdit)
{
    info.Property("BorderStyle", &TEdit::GetBorderStyle, &TEdit::SetBorderStyle).Default(bsSingle);
    info.Property("MaxLength", &TEdit::GetMaxLength, &TEdit::SetMaxLength).Default(0);
    info.Property("PasswordChar", &TEdit::GetPasswordChar, &TEdit::SetPasswordChar).Default('\0');
    info.Property("ReadOnly", &TEdit::GetReadOnly, &TEdit::SetReadOnly).Default(false);
    info.Property("Text", &TEdit::GetText, &TEdit::SetText);
    info.Property("OnChange", &TEdit::OnChange);
}

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle.Exclude(csSetCaption);
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

void TCustomEdit::SetBorderStyle(TBorderStyle value)
{
    if (FBorderStyle != value) {
        FBorderStyle = value;
        RecreateWnd();
    }
}

void TCustomEdit::SetPasswordChar(char value)
{
    if (FPasswordChar == value)
        return;
    FPasswordChar = value;
    if (HandleAllocated()) {
        SendMessageA(FHandle, EM_SETPASSWORDCHAR, static_cast<unsigned char>(value), 0);
        Invalidate();
    }
}

void TCustomEdit::SetReadOnly(bool value)
{
    FReadOnly = value;
    if (HandleAllocated())
        SendMessageA(FHandle, EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetMaxLength(int value)
{
    FMaxLength = value;
    if (HandleAllocated())
        SendMessageA(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(value), 0);
}

int TCustomEdit::GetSelStart()
{
    DWORD start = 0;
    SendMessageA(GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int value)
{
    SendMessageA(GetHandle(), EM_SETSEL, static_cast<WPARAM>(value), value);
}

int TCustomEdit::GetSelLength()
{
    DWORD start = 0, end = 0;
    SendMessageA(GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int value)
{
    int start = GetSelStart();
    SendMessageA(GetHandle(), EM_SETSEL, static_cast<WPARAM>(start), start + value);
}

AnsiString TCustomEdit::GetSelText()
{
    int start = GetSelStart();
    return GetText().substr(static_cast<size_t>(start), static_cast<size_t>(GetSelLength()));
}

void TCustomEdit::SetSelText(const AnsiString& value)
{
    SendMessageA(GetHandle(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(value.c_str()));
}

void TCustomEdit::SelectAll()
{
    SendMessageA(GetHandle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    CreateSubClass(params, "EDIT");
    params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    if (FReadOnly)
        params.Style |= ES_READONLY;
    if (FBorderStyle == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd()
{
    TWinControl::CreateWnd();
    SendMessageA(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
    if (FPasswordChar)
        SendMessageA(FHandle, EM_SETPASSWORDCHAR, static_cast<unsigned char>(FPasswordChar), 0);
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::WndProc(TMessage& message)
{
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
        Change();
        return;
    }
    TWinControl::WndProc(message);
}

// ---- memo ----

std::vector<AnsiString> TMemoStrings::Lines() const
{
    TStringList split;
    split.SetTextStr(FMemo->GetText());
    std::vector<AnsiString> lines;
    for (int i = 0; i < split.GetCount(); ++i)
        lines.push_back(split.Get(i));
    return lines;
}

void TMemoStrings::SetLines(const std::vector<AnsiString>& lines)
{
    AnsiString text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\r\n" : "") + lines[i];
    FMemo->SetText(text);
}

AnsiString TMemoStrings::Get(int index) const
{
    std::vector<AnsiString> lines = Lines();
    if (index < 0 || index >= static_cast<int>(lines.size()))
        Error("List index out of bounds (%d)", index);
    return lines[static_cast<size_t>(index)];
}

int TMemoStrings::GetCount() const
{
    return static_cast<int>(Lines().size());
}

void TMemoStrings::Put(int index, const AnsiString& s)
{
    std::vector<AnsiString> lines = Lines();
    if (index < 0 || index >= static_cast<int>(lines.size()))
        Error("List index out of bounds (%d)", index);
    lines[static_cast<size_t>(index)] = s;
    SetLines(lines);
}

AnsiString TMemoStrings::GetTextStr() const
{
    return FMemo->GetText();
}

void TMemoStrings::SetTextStr(const AnsiString& text)
{
    FMemo->SetText(text);
}

void TMemoStrings::Clear()
{
    FMemo->SetText(AnsiString());
}

void TMemoStrings::Delete(int index)
{
    std::vector<AnsiString> lines = Lines();
    if (index < 0 || index >= static_cast<int>(lines.size()))
        Error("List index out of bounds (%d)", index);
    lines.erase(lines.begin() + index);
    SetLines(lines);
}

void TMemoStrings::Insert(int index, const AnsiString& s)
{
    std::vector<AnsiString> lines = Lines();
    if (index < 0 || index > static_cast<int>(lines.size()))
        Error("List index out of bounds (%d)", index);
    lines.insert(lines.begin() + index, s);
    SetLines(lines);
}

VARIRUVU_CLASS_INFO(TCustomMemo, TCustomEdit) {}

VARIRUVU_CLASS_INFO(TMemo, TCustomMemo)
{
    info.Property("BorderStyle", &TMemo::GetBorderStyle, &TMemo::SetBorderStyle).Default(bsSingle);
    info.Property("Lines", &TMemo::GetLines, &TMemo::SetLines);
    info.Property("MaxLength", &TMemo::GetMaxLength, &TMemo::SetMaxLength).Default(0);
    info.Property("ReadOnly", &TMemo::GetReadOnly, &TMemo::SetReadOnly).Default(false);
    info.Property("ScrollBars", &TMemo::GetScrollBars, &TMemo::SetScrollBars).Default(ssNone);
    info.Property("WantReturns", &TMemo::GetWantReturns, &TMemo::SetWantReturns).Default(true);
    info.Property("WordWrap", &TMemo::GetWordWrap, &TMemo::SetWordWrap).Default(true);
    info.Property("OnChange", &TMemo::OnChange);
}

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(this))
{
    SetBounds(0, 0, 185, 89);
}

void TCustomMemo::SetScrollBars(TScrollStyle value)
{
    if (FScrollBars != value) {
        FScrollBars = value;
        RecreateWnd();
    }
}

void TCustomMemo::SetWordWrap(bool value)
{
    if (FWordWrap != value) {
        FWordWrap = value;
        RecreateWnd();
    }
}

void TCustomMemo::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    params.Style |= ES_MULTILINE;
    if (!FWordWrap)
        params.Style |= ES_AUTOHSCROLL;
    if (FScrollBars == ssVertical || FScrollBars == ssBoth)
        params.Style |= WS_VSCROLL;
    if ((FScrollBars == ssHorizontal || FScrollBars == ssBoth) && !FWordWrap)
        params.Style |= WS_HSCROLL;
    if (FWantReturns)
        params.Style |= ES_WANTRETURN;
}

void TCustomMemo::WndProc(TMessage& message)
{
    // Enter belongs to the text, not to the form's default button.
    if (message.Msg == WM_GETDLGCODE) {
        TCustomEdit::WndProc(message);
        message.Result |= DLGC_WANTARROWS | (FWantReturns ? DLGC_WANTALLKEYS : 0);
        return;
    }
    TCustomEdit::WndProc(message);
}
