#include <algorithm>

#include "classlib/Forms.h"
#include "classlib/Menus.h"

namespace {
TOwnerDrawState DrawState(UINT itemState)
{
    TOwnerDrawState state;
    if (itemState & ODS_SELECTED)
        state.Include(odSelected);
    if (itemState & ODS_GRAYED)
        state.Include(odGrayed);
    if (itemState & ODS_DISABLED)
        state.Include(odDisabled);
    if (itemState & ODS_CHECKED)
        state.Include(odChecked);
    if (itemState & ODS_FOCUS)
        state.Include(odFocused);
    return state;
}
}  // namespace

VARIRUVU_CLASS_INFO(TMenu, TComponent)
{
    info.Property("OwnerDraw", &TMenu::GetOwnerDraw, &TMenu::SetOwnerDraw).Default(false);
}

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(this))
{
    FItems->FMenu = this;
}

TMenu::~TMenu() = default;  // the root item is owned like any component

void TMenu::SetOwnerDraw(bool value)
{
    if (value == FOwnerDraw)
        return;
    FOwnerDraw = value;
    // Every entry changes its type.
    std::function<void(TMenuItem*)> rewrite = [&](TMenuItem* parent) {
        for (int i = 0; i < parent->GetCount(); ++i) {
            parent->GetItems(i)->MenuChanged();
            rewrite(parent->GetItems(i));
        }
    };
    rewrite(FItems);
}

bool TMenu::DispatchCommand(UINT command)
{
    TMenuItem* item = FindItem(command);
    if (!item)
        return false;
    item->Click();
    return true;
}

bool TMenu::DispatchPopup(HMENU menu)
{
    TMenuItem* item = FItems->FindBySubMenu(menu);
    if (!item)
        return false;
    for (int i = 0; i < item->GetCount(); ++i)
        item->GetItems(i)->InitiateAction();
    return true;
}

bool TMenu::DispatchDrawItem(const DRAWITEMSTRUCT& draw)
{
    TMenuItem* item = draw.CtlType == ODT_MENU ? FindItem(draw.itemID) : nullptr;
    if (!item)
        return false;
    int saved = SaveDC(draw.hDC);
    TCanvas canvas;
    canvas.SetHandle(draw.hDC);
    item->AdvancedDrawItem(&canvas, draw.rcItem, DrawState(draw.itemState), item->IsTopLevel() && IsBar());
    canvas.SetHandle(nullptr);
    RestoreDC(draw.hDC, saved);
    return true;
}

bool TMenu::DispatchMeasureItem(MEASUREITEMSTRUCT& measure)
{
    TMenuItem* item = measure.CtlType == ODT_MENU ? FindItem(measure.itemID) : nullptr;
    if (!item)
        return false;
    HDC dc = GetDC(nullptr);
    TCanvas canvas;
    canvas.SetHandle(dc);
    int width = static_cast<int>(measure.itemWidth), height = static_cast<int>(measure.itemHeight);
    item->MeasureItem(&canvas, width, height);
    canvas.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
    measure.itemWidth = static_cast<UINT>(std::max(width, 0));
    measure.itemHeight = static_cast<UINT>(std::max(height, 0));
    return true;
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root)
{
    FItems->GetChildren(proc, root);
}

// ---- the bar ----

VARIRUVU_CLASS_INFO(TMainMenu, TMenu) {}

void TMainMenu::DrawMenuBar() const
{
    if (FWindowHandle)
        ::DrawMenuBar(FWindowHandle);
}

// ---- popup menus ----

VARIRUVU_CLASS_INFO(TPopupMenu, TMenu)
{
    info.Property("OnPopup", &TPopupMenu::OnPopup);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner)
{
    PopupList->Add(this);
}

TPopupMenu::~TPopupMenu()
{
    PopupList->Remove(this);
}

void TPopupMenu::Popup(int x, int y)
{
    if (OnPopup)
        OnPopup(this);
    for (int i = 0; i < GetItems()->GetCount(); ++i)
        GetItems()->GetItems(i)->InitiateAction();
    TrackPopupMenu(GetHandle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, PopupList->GetWindow(), nullptr);
}

// ---- the popup list ----

TPopupList::TPopupList() = default;

TPopupList::~TPopupList()
{
    if (FWindow)
        DeallocateHWnd(FWindow);
}

void TPopupList::Add(TPopupMenu* menu)
{
    FMenus.push_back(menu);
}

void TPopupList::Remove(TPopupMenu* menu)
{
    FMenus.erase(std::remove(FMenus.begin(), FMenus.end(), menu), FMenus.end());
}

HWND TPopupList::GetWindow()
{
    if (!FWindow)
        FWindow = AllocateHWnd(TWndMethod(this, &TPopupList::WndProc));
    return FWindow;
}

TMenuItem* TPopupList::FindItem(UINT command) const
{
    for (TPopupMenu* menu : FMenus)
        if (TMenuItem* item = menu->FindItem(command))
            return item;
    return nullptr;
}

TMenuItem* TPopupList::FindSubMenuItem(HMENU subMenu) const
{
    for (TPopupMenu* menu : FMenus)
        if (TMenuItem* item = menu->GetItems()->FindBySubMenu(subMenu))
            return item;
    return nullptr;
}

void TPopupList::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_COMMAND:
        for (TPopupMenu* menu : std::vector<TPopupMenu*>(FMenus))
            if (menu->DispatchCommand(LOWORD(message.WParam)))
                return;
        break;
    case WM_INITMENUPOPUP:
        for (TPopupMenu* menu : FMenus)
            if (menu->DispatchPopup(reinterpret_cast<HMENU>(message.WParam)))
                return;
        break;
    case WM_MENUSELECT: {
        UINT flags = HIWORD(message.WParam);
        TMenuItem* item = nullptr;
        if (flags != 0xFFFF || message.LParam != 0) {
            HMENU menu = reinterpret_cast<HMENU>(message.LParam);
            item = (flags & MF_POPUP) ? FindSubMenuItem(GetSubMenu(menu, LOWORD(message.WParam)))
                                      : FindItem(LOWORD(message.WParam));
        }
        Application->SetHint(item ? GetLongHint(item->GetHint()) : AnsiString());
        return;
    }
    case WM_DRAWITEM:
        for (TPopupMenu* menu : FMenus)
            if (menu->DispatchDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam))) {
                message.Result = TRUE;
                return;
            }
        break;
    case WM_MEASUREITEM:
        for (TPopupMenu* menu : FMenus)
            if (menu->DispatchMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam))) {
                message.Result = TRUE;
                return;
            }
        break;
    default:
        break;
    }
    message.Result = DefWindowProcA(FWindow, message.Msg, message.WParam, message.LParam);
}

namespace {
TPopupList DefaultPopupList;
}

TPopupList* PopupList = &DefaultPopupList;
