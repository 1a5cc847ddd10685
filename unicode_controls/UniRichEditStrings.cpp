#include <richedit.h>

#include "unicode_controls/UniComCtrls.h"

VARIRUVU_CLASS_INFO(TUniRichEditStrings, TUniMemoStrings) {}

TUniRichEditStrings::TUniRichEditStrings(TUniCustomRichEdit* richEdit, TStrings* richEditLines, TLineBreakStyle style)
    : TUniMemoStrings(richEdit, richEditLines), FRichEdit(richEdit)
{
    SetRichEditMode(style);
}

void TUniRichEditStrings::SetTextStr(const WideString& text)
{
    // Setting the whole text is no edit of the user's: OnChange stays quiet.
    HWND wnd = FRichEdit->GetHandle();
    LPARAM mask = static_cast<LPARAM>(SendMessageA(wnd, EM_GETEVENTMASK, 0, 0));
    SendMessageA(wnd, EM_SETEVENTMASK, 0, mask & ~static_cast<LPARAM>(ENM_CHANGE));
    try {
        TUniMemoStrings::SetTextStr(text);
    } catch (...) {
        SendMessageA(wnd, EM_SETEVENTMASK, 0, mask | ENM_CHANGE);
        throw;
    }
    SendMessageA(wnd, EM_SETEVENTMASK, 0, mask | ENM_CHANGE);
}

void TUniRichEditStrings::AddStrings(const TWideStrings* source)
{
    // Every added line moves the selection; the handler hears of none of it.
    TNotifyEvent saved = FRichEdit->OnSelectionChange;
    FRichEdit->OnSelectionChange = TNotifyEvent();
    try {
        TUniMemoStrings::AddStrings(source);
    } catch (...) {
        FRichEdit->OnSelectionChange = saved;
        throw;
    }
    FRichEdit->OnSelectionChange = saved;
}

void TUniRichEditStrings::LoadFromFile(const WideString& fileName)
{
    if (FRichEdit->GetPlainText())
        TUniMemoStrings::LoadFromFile(fileName);
    else
        GetMemoLines()->LoadFromFile(WideToAnsi(fileName));
}

void TUniRichEditStrings::SaveToFile(const WideString& fileName)
{
    if (FRichEdit->GetPlainText())
        TUniMemoStrings::SaveToFile(fileName);
    else
        GetMemoLines()->SaveToFile(WideToAnsi(fileName));
}

void TUniRichEditStrings::LoadFromStreamDetect(TStream* stream, bool detect)
{
    if (FRichEdit->GetPlainText())
        TUniMemoStrings::LoadFromStreamDetect(stream, detect);
    else
        GetMemoLines()->LoadFromStream(stream);
}

void TUniRichEditStrings::SaveToStreamMarked(TStream* stream, bool withMark)
{
    if (FRichEdit->GetPlainText())
        TUniMemoStrings::SaveToStreamMarked(stream, withMark);
    else
        GetMemoLines()->SaveToStream(stream);
}
