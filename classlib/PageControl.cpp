#include <algorithm>

#include "classlib/ComCtrls.h"

VARIRUVU_CLASS_INFO(TTabSheet, TWinControl)
{
    info.Property("PageControl", &TTabSheet::GetPageControl, &TTabSheet::SetPageControl).Stored(false);
    info.Property("PageIndex", &TTabSheet::GetPageIndex, &TTabSheet::SetPageIndex).Stored(false);
    info.Property("TabVisible", &TTabSheet::GetTabVisible, &TTabSheet::SetTabVisible).Default(true);
}

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle.Include(csAcceptsControls);
    SetAlign(alClient);
    SetVisible(false);
}

TTabSheet::~TTabSheet()
{
    if (FPageControl)
        FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* value)
{
    SetParent(value);
}

void TTabSheet::SetParent(TWinControl* value)
{
    if (FPageControl && value != FPageControl) {
        FPageControl->RemovePage(this);
        FPageControl = nullptr;
    }
    TWinControl::SetParent(value);
    if (auto* pages = dynamic_cast<TPageControl*>(value); pages && pages != FPageControl) {
        FPageControl = pages;
        pages->InsertPage(this);
    }
}

void TTabSheet::SetTabVisible(bool value)
{
    if (FTabVisible != value) {
        FTabVisible = value;
        if (FPageControl)
            FPageControl->UpdateTabs();
    }
}

int TTabSheet::GetPageIndex() const
{
    if (!FPageControl)
        return -1;
    const auto& pages = FPageControl->FPages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value)
{
    if (!FPageControl)
        return;
    auto& pages = FPageControl->FPages;
    value = std::clamp(value, 0, static_cast<int>(pages.size()) - 1);
    pages.erase(std::find(pages.begin(), pages.end(), this));
    pages.insert(pages.begin() + value, this);
    FPageControl->UpdateTabs();
}

int TTabSheet::GetTabIndex() const
{
    if (!FPageControl || !FTabVisible)
        return -1;
    int index = 0;
    for (TTabSheet* page : FPageControl->FPages) {
        if (page == this)
            return index;
        index += page->FTabVisible;
    }
    return -1;
}

void TTabSheet::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TTabSheet::WndProc(TMessage& message)
{
    TWinControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED && FPageControl)
        FPageControl->UpdateTabs();
}

VARIRUVU_CLASS_INFO(TPageControl, TWinControl)
{
    info.Property("ActivePage", &TPageControl::GetActivePage, &TPageControl::SetActivePage);
    info.Property("OnChange", &TPageControl::OnChange);
    info.Property("OnChanging", &TPageControl::OnChanging);
}

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle.Include(csAcceptsControls).Exclude(csSetCaption);
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

TPageControl::~TPageControl()
{
    for (TTabSheet* page : FPages)
        page->FPageControl = nullptr;
}

void TPageControl::InsertPage(TTabSheet* page)
{
    FPages.push_back(page);
    UpdateTabs();
}

void TPageControl::RemovePage(TTabSheet* page)
{
    TTabSheet* next = page == FActivePage ? FindNextPage(page, true, false) : FActivePage;
    FPages.erase(std::remove(FPages.begin(), FPages.end(), page), FPages.end());
    if (page == FActivePage) {
        FActivePage = nullptr;
        if (next != page && !(GetComponentState() & csDestroying))
            SetActivePage(next);
    }
    UpdateTabs();
}

int TPageControl::GetActivePageIndex() const
{
    return FActivePage ? FActivePage->GetPageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int value)
{
    SetActivePage(value >= 0 && value < GetPageCount() ? GetPages(value) : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page && page->GetPageControl() != this)
        return;
    if (page == FActivePage)
        return;
    if (page) {
        page->BringToFront();
        // Hidden sheets are left out of the layout: one that was never shown is sized to
        // the page area before it appears, or the part it grows into keeps what the
        // previous page drew there.
        TRect area = GetClientRect();
        ShrinkClientArea(area);
        page->SetBounds(area.left, area.top, area.Width(), area.Height());
        page->SetVisible(true);
    }
    TTabSheet* old = FActivePage;
    FActivePage = page;
    if (old)
        old->SetVisible(false);
    if (HandleAllocated())
        SendMessageA(FHandle, TCM_SETCURSEL, static_cast<WPARAM>(page ? page->GetTabIndex() : -1), 0);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const
{
    if (FPages.empty())
        return nullptr;
    int count = GetPageCount();
    int start = current ? current->GetPageIndex() : (goForward ? count - 1 : 0);
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        if (!checkTabVisible || FPages[static_cast<size_t>(i)]->GetTabVisible())
            return FPages[static_cast<size_t>(i)];
    } while (i != start);
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward)
{
    TTabSheet* page = FindNextPage(FActivePage, goForward, true);
    if (page && page != FActivePage) {
        bool allow = true;
        if (OnChanging)
            OnChanging(this, allow);
        if (!allow)
            return;
        SetActivePage(page);
        Change();
    }
}

void TPageControl::Change()
{
    if (OnChange)
        OnChange(this);
}

void TPageControl::CreateParams(TCreateParams& params)
{
    InitCommonControls6();
    TWinControl::CreateParams(params);
    CreateSubClass(params, WC_TABCONTROLA);
    params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TPageControl::CreateWnd()
{
    TWinControl::CreateWnd();
    UpdateTabs();
}

void TPageControl::Loaded()
{
    TWinControl::Loaded();
    UpdateTabs();
}

void TPageControl::UpdateTabs()
{
    if (!HandleAllocated())
        return;
    SendMessageA(FHandle, TCM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (TTabSheet* page : FPages) {
        if (!page->GetTabVisible())
            continue;
        AnsiString caption = page->GetCaption();
        TCITEMA tab{};
        tab.mask = TCIF_TEXT | TCIF_PARAM;
        tab.pszText = const_cast<char*>(caption.c_str());
        tab.lParam = reinterpret_cast<LPARAM>(page);
        SendMessageA(FHandle, TCM_INSERTITEMA, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&tab));
    }
    SendMessageA(FHandle, TCM_SETCURSEL, static_cast<WPARAM>(FActivePage ? FActivePage->GetTabIndex() : -1), 0);
    Realign();
}

void TPageControl::ShrinkClientArea(TRect& rect)
{
    if (!HandleAllocated())
        return;
    bool anyTab = std::any_of(FPages.begin(), FPages.end(), [](TTabSheet* p) { return p->GetTabVisible(); });
    if (!anyTab) {
        // No tab row: the sheets lie within the frame alone.
        rect = TRect(rect.left + 4, rect.top + 4, rect.right - 4, rect.bottom - 4);
        return;
    }
    RECT r = rect;
    SendMessageA(FHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    rect = TRect(r.left, r.top, r.right, r.bottom);
}

void TPageControl::WndProc(TMessage& message)
{
    if (message.Msg == CN_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(message.LParam);
        if (header->code == TCN_SELCHANGING) {
            bool allow = true;
            if (OnChanging)
                OnChanging(this, allow);
            message.Result = allow ? FALSE : TRUE;
            return;
        }
        if (header->code == TCN_SELCHANGE) {
            int tab = static_cast<int>(SendMessageA(FHandle, TCM_GETCURSEL, 0, 0));
            TCITEMA item{};
            item.mask = TCIF_PARAM;
            if (tab >= 0 && SendMessageA(FHandle, TCM_GETITEMA, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item)))
                SetActivePage(reinterpret_cast<TTabSheet*>(item.lParam));
            Change();
            return;
        }
    }
    TWinControl::WndProc(message);
}
