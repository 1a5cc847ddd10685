#include "classlib/ComCtrls.h"

namespace {

// The rich edit library stays loaded for the life of the program; a failed load is tried again.
bool RichEditLoaded()
{
    static HMODULE module = nullptr;
    if (!module)
        module = LoadLibraryA("RICHED20.DLL");
    return module != nullptr;
}

}  // namespace

VARIRUVU_CLASS_INFO(TCustomRichEdit, TCustomMemo) {}

VARIRUVU_CLASS_INFO(TRichEdit, TCustomRichEdit)
{
    info.Property("BorderStyle", &TRichEdit::GetBorderStyle, &TRichEdit::SetBorderStyle).Default(bsSingle);
    info.Property("Lines", &TRichEdit::GetLines, &TRichEdit::SetLines);
    info.Property("MaxLength", &TRichEdit::GetMaxLength, &TRichEdit::SetMaxLength).Default(0);
    info.Property("ReadOnly", &TRichEdit::GetReadOnly, &TRichEdit::SetReadOnly).Default(false);
    info.Property("ScrollBars", &TRichEdit::GetScrollBars, &TRichEdit::SetScrollBars).Default(ssNone);
    info.Property("WantReturns", &TRichEdit::GetWantReturns, &TRichEdit::SetWantReturns).Default(true);
    info.Property("WordWrap", &TRichEdit::GetWordWrap, &TRichEdit::SetWordWrap).Default(true);
    info.Property("OnChange", &TRichEdit::OnChange);
}

TCustomRichEdit::TCustomRichEdit(TComponent* AOwner) : TCustomMemo(AOwner) {}

void TCustomRichEdit::CreateParams(TCreateParams& params)
{
    TCustomMemo::CreateParams(params);
    if (!RichEditLoaded())
        throw EOutOfResources(L"The rich edit library cannot be loaded");
    CreateSubClass(params, "RichEdit20A");
}

void TCustomRichEdit::CreateWnd()
{
    TCustomMemo::CreateWnd();
    // The text may be longer than the edit's default limit; EN_CHANGE reaches OnChange.
    SendMessageA(FHandle, EM_EXLIMITTEXT, 0, GetMaxLength() > 0 ? GetMaxLength() : 0x7FFFFFFE);
    SendMessageA(FHandle, EM_SETEVENTMASK, 0, ENM_CHANGE);
    SendMessageA(FHandle, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(GetColor())));
}

void TCustomRichEdit::WndProc(TMessage& message)
{
    // The rich edit paints from its own BeginPaint: a paint begun for it would leave it nothing to paint.
    if (message.Msg == WM_PAINT) {
        DefaultHandler(message);
        return;
    }
    TCustomMemo::WndProc(message);
}
