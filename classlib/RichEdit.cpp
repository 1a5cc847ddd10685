#include "classlib/ComCtrls.h"

#include <commdlg.h>

namespace {

// The rich edit library stays loaded for the life of the program; a failed load is tried again.
bool RichEditLoaded()
{
    static HMODULE module = nullptr;
    if (!module)
        module = LoadLibraryA("RICHED32.DLL");
    return module != nullptr;
}

DWORD CALLBACK ReadFromStream(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    *done = reinterpret_cast<TStream*>(cookie)->Read(buffer, count);
    return 0;
}

DWORD CALLBACK WriteToStream(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    reinterpret_cast<TStream*>(cookie)->WriteBuffer(buffer, count);
    *done = count;
    return 0;
}

// A document on the default printer, ended (or given up) when it goes.
class TPrinterDocument {
public:
    explicit TPrinterDocument(const AnsiString& title)
    {
        PRINTDLGA dialog{};
        dialog.lStructSize = sizeof(dialog);
        dialog.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
        bool found = PrintDlgA(&dialog) && dialog.hDC;
        GlobalFree(dialog.hDevMode);
        GlobalFree(dialog.hDevNames);
        if (!found)
            throw EInvalidOperation(L"There is no default printer currently selected");
        FDC = dialog.hDC;
        DOCINFOA info{};
        info.cbSize = sizeof(info);
        info.lpszDocName = title.c_str();
        if (StartDocA(FDC, &info) <= 0) {
            DWORD error = GetLastError();
            DeleteDC(FDC);
            throw EOSError(error);
        }
    }
    ~TPrinterDocument()
    {
        if (FFinished)
            EndDoc(FDC);
        else
            AbortDoc(FDC);
        DeleteDC(FDC);
    }
    TPrinterDocument(const TPrinterDocument&) = delete;
    TPrinterDocument& operator=(const TPrinterDocument&) = delete;

    HDC GetDC() const { return FDC; }
    void Finish() { FFinished = true; }

private:
    HDC FDC = nullptr;
    bool FFinished = false;
};

}  // namespace

TRichEditStrings::TRichEditStrings(TCustomRichEdit* richEdit) : TMemoStrings(richEdit), FRichEdit(richEdit) {}

void TRichEditStrings::LoadFromStream(TStream* stream)
{
    EDITSTREAM edit{reinterpret_cast<DWORD_PTR>(stream), 0, &ReadFromStream};
    WPARAM format = FRichEdit->GetPlainText() ? SF_TEXT : SF_RTF;
    SendMessageA(FRichEdit->GetHandle(), EM_STREAMIN, format, reinterpret_cast<LPARAM>(&edit));
    if (edit.dwError)
        throw EReadError(L"The rich edit could not read the text");
}

void TRichEditStrings::SaveToStream(TStream* stream) const
{
    EDITSTREAM edit{reinterpret_cast<DWORD_PTR>(stream), 0, &WriteToStream};
    WPARAM format = FRichEdit->GetPlainText() ? SF_TEXT : SF_RTF;
    SendMessageA(FRichEdit->GetHandle(), EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&edit));
    if (edit.dwError)
        throw EWriteError(L"The rich edit could not write the text");
}

VARIRUVU_CLASS_INFO(TCustomRichEdit, TCustomMemo) {}

VARIRUVU_CLASS_INFO(TRichEdit, TCustomRichEdit)
{
    info.Property("BorderStyle", &TRichEdit::GetBorderStyle, &TRichEdit::SetBorderStyle).Default(bsSingle);
    info.Property("Lines", &TRichEdit::GetLines, &TRichEdit::SetLines);
    info.Property("MaxLength", &TRichEdit::GetMaxLength, &TRichEdit::SetMaxLength).Default(0);
    info.Property("PlainText", &TRichEdit::GetPlainText, &TRichEdit::SetPlainText).Default(false);
    info.Property("ReadOnly", &TRichEdit::GetReadOnly, &TRichEdit::SetReadOnly).Default(false);
    info.Property("ScrollBars", &TRichEdit::GetScrollBars, &TRichEdit::SetScrollBars).Default(ssNone);
    info.Property("WantReturns", &TRichEdit::GetWantReturns, &TRichEdit::SetWantReturns).Default(true);
    info.Property("WordWrap", &TRichEdit::GetWordWrap, &TRichEdit::SetWordWrap).Default(true);
    info.Property("OnChange", &TRichEdit::OnChange);
    info.Property("OnSelectionChange", &TRichEdit::OnSelectionChange);
}

TCustomRichEdit::TCustomRichEdit(TComponent* AOwner) : TCustomMemo(AOwner)
{
    ReplaceLines(std::make_unique<TRichEditStrings>(this));
}

void TCustomRichEdit::CreateParams(TCreateParams& params)
{
    TCustomMemo::CreateParams(params);
    if (!RichEditLoaded())
        throw EOutOfResources(L"The rich edit library cannot be loaded");
    CreateSubClass(params, "RICHEDIT");
}

void TCustomRichEdit::CreateWnd()
{
    TCustomMemo::CreateWnd();
    // The text may be longer than the edit's default limit; EN_CHANGE reaches OnChange.
    SendMessageA(FHandle, EM_EXLIMITTEXT, 0, GetMaxLength() > 0 ? GetMaxLength() : 0x7FFFFFFE);
    SendMessageA(FHandle, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
    SendMessageA(FHandle, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(GetColor())));
}

AnsiString TCustomRichEdit::GetSelText()
{
    CHARRANGE range{};
    SendMessageA(GetHandle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    // A multi-byte code page may need two bytes a character.
    std::vector<char> buffer(static_cast<size_t>(range.cpMax - range.cpMin) * 2 + 1, '\0');
    LRESULT length = SendMessageA(FHandle, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer.data()));
    return AnsiString(buffer.data(), static_cast<size_t>(length));
}

void TCustomRichEdit::PrintText(const AnsiString& caption)
{
    HWND wnd = GetHandle();
    LONG textLength = static_cast<LONG>(SendMessageA(wnd, WM_GETTEXTLENGTH, 0, 0));
    TPrinterDocument document(caption);
    HDC dc = document.GetDC();
    FORMATRANGE range{};
    range.hdc = dc;
    range.hdcTarget = dc;
    range.rcPage = {0, 0, MulDiv(GetDeviceCaps(dc, HORZRES), 1440, GetDeviceCaps(dc, LOGPIXELSX)),
                    MulDiv(GetDeviceCaps(dc, VERTRES), 1440, GetDeviceCaps(dc, LOGPIXELSY))};
    range.chrg = {0, textLength};
    while (range.chrg.cpMin < textLength) {
        range.rc = range.rcPage;
        StartPage(dc);
        LONG next = static_cast<LONG>(SendMessageA(wnd, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
        EndPage(dc);
        // A page that takes nothing would come again and again.
        if (next <= range.chrg.cpMin)
            break;
        range.chrg.cpMin = next;
    }
    SendMessageA(wnd, EM_FORMATRANGE, FALSE, 0);
    document.Finish();
}

void TCustomRichEdit::SelectionChange()
{
    if (OnSelectionChange)
        OnSelectionChange(this);
}

void TCustomRichEdit::WndProc(TMessage& message)
{
    // The rich edit paints from its own BeginPaint: a paint begun for it would leave it nothing to paint.
    if (message.Msg == WM_PAINT) {
        DefaultHandler(message);
        return;
    }
    if (message.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(message.LParam)->code == EN_SELCHANGE) {
        SelectionChange();
        return;
    }
    TCustomMemo::WndProc(message);
}
