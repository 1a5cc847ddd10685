#include <algorithm>

#include "classlib/Forms.h"
#include "unicode/UniSystem.h"
#include "unicode_controls/UniComCtrls.h"
#include "unicode_controls/UniControlsState.h"

namespace {

// The class library sees a UTF-16 notification under its 8-bit code; the code is put back afterwards.
class TCodeSwap {
public:
    TCodeSwap(NMHDR* header, UINT ansiCode) : FHeader(header), FCode(header->code) { header->code = ansiCode; }
    ~TCodeSwap() { FHeader->code = FCode; }
    TCodeSwap(const TCodeSwap&) = delete;
    TCodeSwap& operator=(const TCodeSwap&) = delete;

private:
    NMHDR* FHeader;
    UINT FCode;
};

// Copies as much of `text` as `size` characters hold, always terminated.
void CopyToBuffer(const WideString& text, wchar_t* buffer, int size)
{
    if (!buffer || size <= 0)
        return;
    size_t count = std::min(text.size(), static_cast<size_t>(size - 1));
    text.copy(buffer, count);
    buffer[count] = L'\0';
}

}  // namespace

TUniListItem* TUniCustomListView::ItemOf(const LVITEMW& info) const
{
    // lParam is trusted only as one of our own items.
    if (info.mask & LVIF_PARAM)
        return dynamic_cast<TUniListItem*>(ItemOfParam(info.lParam));
    return info.iItem >= 0 ? ItemAt(static_cast<WPARAM>(info.iItem)) : nullptr;
}

void TUniCustomListView::NotifyHandler(TMessage& message)
{
    auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    switch (header->code) {
    case LVN_GETDISPINFOW:
        GetDispInfo(message);
        return;
    case LVN_ENDLABELEDITW: {
        const LVITEMW& info = reinterpret_cast<NMLVDISPINFOW*>(message.LParam)->item;
        if (info.pszText && info.iItem != -1)
            if (TUniListItem* item = ItemOf(info))
                WideEditDone(item, info.pszText);
        message.Result = FALSE;  // the caption is set already
        return;
    }
    case LVN_BEGINLABELEDITW:
        BeginLabelEdit(message);
        return;
    case LVN_GETINFOTIPW:
        GetInfoTip(message);
        return;
    default:
        TCustomListView::WndProc(message);
        return;
    }
}

void TUniCustomListView::GetDispInfo(TMessage& message)
{
    LVITEMW& info = reinterpret_cast<NMLVDISPINFOW*>(message.LParam)->item;
    UINT mask = info.mask;
    info.mask &= ~LVIF_TEXT;
    {
        // Images and the rest stay the class library's; the text is ours.
        TCodeSwap swap(reinterpret_cast<NMHDR*>(message.LParam), LVN_GETDISPINFOA);
        try {
            TCustomListView::WndProc(message);
        } catch (...) {
            info.mask = mask;
            throw;
        }
    }
    info.mask = mask;
    if (!(mask & LVIF_TEXT))
        return;
    // A request naming no item of ours stays unanswered: the window's buffer is left as it is.
    TUniListItem* item = ItemOf(info);
    if (!item)
        return;
    TWideSubItems* subItems = item->GetSubItems();
    int sub = info.iSubItem - 1;
    WideString text = sub < 0 ? item->GetCaption() : sub < subItems->GetCount() ? subItems->Get(sub) : WideString();
    CopyToBuffer(text, info.pszText, info.cchTextMax);
}

void TUniCustomListView::BeginLabelEdit(TMessage& message)
{
    TUniListItem* item = ItemOf(reinterpret_cast<NMLVDISPINFOW*>(message.LParam)->item);
    if (!item || !CanEdit(item)) {
        message.Result = TRUE;
        return;
    }
    FEditHandle = reinterpret_cast<HWND>(SendMessageW(FHandle, LVM_GETEDITCONTROL, 0, 0));
    if (FEditHandle) {
        FDefEditProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(FEditHandle, GWLP_WNDPROC));
        SetWindowLongPtrW(FEditHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FEditInstance));
    }
    message.Result = FALSE;
}

// The tip from OnInfoTip, widened into the window's UTF-16 buffer; without
// one the window's own tip (the cut-off text) stays.
void TUniCustomListView::GetInfoTip(TMessage& message)
{
    auto* tip = reinterpret_cast<NMLVGETINFOTIPW*>(message.LParam);
    if (!OnInfoTip || tip->iItem < 0 || tip->iItem >= GetItems()->GetCount())
        return;
    AnsiString text;
    OnInfoTip(this, GetItems()->GetItem(tip->iItem), text);
    if (!text.empty())
        CopyToBuffer(AnsiToWide(text), tip->pszText, tip->cchTextMax);
}

void TUniCustomListView::EditWndProc(TMessage& message)
{
    try {
        switch (message.Msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            WORD key = static_cast<WORD>(message.WParam);
            if (DoKeyDown(key, KeyboardShiftState()))
                return;
            message.WParam = key;
            break;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            WORD key = static_cast<WORD>(message.WParam);
            if (DoKeyUp(key, KeyboardShiftState()))
                return;
            message.WParam = key;
            break;
        }
        case WM_CHAR: {
            // The 8-bit event sees a stand-in for a character above 255; the
            // character itself goes on unless the event changed it.
            ParkWideChar(message);
            char key = static_cast<char>(message.WParam & 0xFF);
            char before = key;
            if (DoKeyPress(key))
                return;
            if (key != before)
                message.WParam = static_cast<unsigned char>(key);
            RestoreWideChar(message);
            break;
        }
        case CN_KEYDOWN:
        case CN_CHAR:
        case CN_SYSKEYDOWN:
        case CN_SYSCHAR:
            WndProc(message);
            return;
        default:
            break;
        }
        message.Result = CallWindowProcW(FDefEditProc, FEditHandle, message.Msg, message.WParam, message.LParam);
    } catch (...) {
        Application->HandleException(this);
    }
}
