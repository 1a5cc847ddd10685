#include <algorithm>

#include "classlib/Forms.h"
#include "components/KitTabs.h"

VARIRUVU_CLASS_INFO(TKitPageControl, TKitCustomTabControl)
{
    using P = TKitPageControl;
    info.Property("ActivePage", &P::GetActivePage, &P::SetActivePage);
    info.Property("ActivePageDefault", &P::GetActivePageDefault, &P::SetActivePageDefault);
    info.Property("DblClickUndocks", &P::GetDblClickUndocks, &P::SetDblClickUndocks).Default(true);
    info.Property("SaveResources", &P::GetSaveResources, &P::SetSaveResources).Default(false);
    info.Property("About", &P::GetAbout, &P::SetAbout).Stored(false);
    info.Property("AlignTabs", &P::GetAlignTabs, &P::SetAlignTabs).Default(false);
    info.Property("BackgroundColor", &P::GetBackgroundColor, &P::SetBackgroundColor)
        .OfType(ColorTypeInfo())
        .Stored(&P::IsBackgroundColorStored);
    info.Property("BoldCurrentTab", &P::GetBoldCurrentTab, &P::SetBoldCurrentTab).Default(false);
    info.Property("ButtonColor", &P::GetButtonColor, &P::SetButtonColor).OfType(ColorTypeInfo()).Default(clBtnFace);
    info.Property("ShowCardFrame", &P::GetShowCardFrame, &P::SetShowCardFrame).Default(true);
    info.Property("ShowFullFrame", &P::GetShowFullFrame, &P::SetShowFullFrame).Default(true);
    info.Property("ShowCloseButton", &P::GetShowCloseButton, &P::SetShowCloseButton).Default(false);
    info.Property("ShowCloseButtonOnActiveTab", &P::GetShowCloseButtonOnActiveTab,
                  &P::SetShowCloseButtonOnActiveTab)
        .Default(false);
    info.Property("ShowMenuButton", &P::GetShowMenuButton, &P::SetShowMenuButton).Default(false);
    info.Property("SortTabMenu", &P::GetSortTabMenu, &P::SetSortTabMenu).Default(true);
    info.Property("UseColoredTabs", &P::GetUseColoredTabs, &P::SetUseColoredTabs).Default(false);
    info.Property("CutCornerSize", &P::GetCutCornerSize, &P::SetCutCornerSize).Default(6);
    info.Property("FlatColor", &P::GetFlatColor, &P::SetFlatColor).OfType(ColorTypeInfo()).Default(clBtnShadow);
    info.Property("FlatColorAdjustment", &P::GetFlatColorAdjustment, &P::SetFlatColorAdjustment).Default(0);
    info.Property("ImagePosition", &P::GetImagePosition, &P::SetImagePosition).Default(ipLeft);
    info.Property("ImageAlignment", &P::GetImageAlignment, &P::SetImageAlignment).Default(haCenter);
    info.Property("ImageMargin", &P::GetImageMargin, &P::SetImageMargin).Default(2);
    info.Property("ImageAlignmentVertical", &P::GetImageAlignmentVertical, &P::SetImageAlignmentVertical)
        .Default(vaCenter);
    info.Property("HotTrack", &P::GetHotTrack, &P::SetHotTrack).Default(true);
    info.Property("HotTrackColor", &P::GetHotTrackColor, &P::SetHotTrackColor).OfType(ColorTypeInfo()).Default(1350640);
    info.Property("HotTrackColorSource", &P::GetHotTrackColorSource, &P::SetHotTrackColorSource).Default(htcsTabColor);
    info.Property("HotTrackColorType", &P::GetHotTrackColorType, &P::SetHotTrackColorType).Default(htctActual);
    info.Property("HotTrackStyle", &P::GetHotTrackStyle, &P::SetHotTrackStyle).Default(htsTab);
    info.Property("Images", &P::GetImages, &P::SetImages);
    info.Property("Margin", &P::GetMargin, &P::SetMargin).Default(0);
    info.Property("MultiLine", &P::GetMultiLine, &P::SetMultiLine).Default(false);
    info.Property("ParentBackgroundColor", &P::GetParentBackgroundColor, &P::SetParentBackgroundColor).Default(true);
    info.Property("RowIndent", &P::GetRowIndent, &P::SetRowIndent).Default(5);
    info.Property("RowOverlap", &P::GetRowOverlap, &P::SetRowOverlap).Default(5);
    info.Property("ShowFocusRect", &P::GetShowFocusRect, &P::SetShowFocusRect).Default(true);
    info.Property("ShowShadow", &P::GetShowShadow, &P::SetShowShadow).Default(true);
    info.Property("SoftCorners", &P::GetSoftCorners, &P::SetSoftCorners).Default(false);
    info.Property("TabOverlap", &P::GetTabOverlap, &P::SetTabOverlap).Default(-1);
    info.Property("TextOrientation", &P::GetTextOrientation, &P::SetTextOrientation).Default(orHorizontal);
    info.Property("TabColors", &P::GetTabColors, &P::SetTabColors);
    info.Property("TabHeight", &P::GetTabHeight, &P::SetTabHeight).Default(0);
    info.Property("TabHints", &P::GetTabHints, &P::SetTabHints).Default(false);
    info.Property("TabIndex", &P::GetTabIndex, &P::SetTabIndex).Default(-1);
    info.Property("TabOrientation", &P::GetTabOrientation, &P::SetTabOrientation).Default(toTop);
    info.Property("TabSequence", &P::GetTabSequence, &P::SetTabSequence).Default(tsStandard);
    info.Property("TabStyle", &P::GetTabStyle, &P::SetTabStyle).Default(tsSingleSlant);
    info.Property("TabWidth", &P::GetTabWidth, &P::SetTabWidth).Default(0);
    info.Property("TextColors", &P::GetTextColors, &P::SetTextColors);
    info.Property("TextAlignment", &P::GetTextAlignment, &P::SetTextAlignment).Default(haCenter);
    info.Property("TextAlignmentVertical", &P::GetTextAlignmentVertical, &P::SetTextAlignmentVertical)
        .Default(vaCenter);
    info.Property("Transparent", &P::GetTransparent, &P::SetTransparent).Default(false);
    info.Property("UseGradients", &P::GetUseGradients, &P::SetUseGradients).Default(true);
    info.Property("AllowTabDragging", &P::GetAllowTabDragging, &P::SetAllowTabDragging).Default(false);
    info.Property("DragIndicatorColor", &P::GetDragIndicatorColor, &P::SetDragIndicatorColor)
        .OfType(ColorTypeInfo())
        .Default(5263440);
    info.Property("OnChange", &P::OnChange);
    info.Property("OnChanging", &P::OnChanging);
    info.Property("OnClose", &P::OnClose);
    info.Property("OnGetTextColor", &P::OnGetTextColor);
    info.Property("OnAlignControls", &P::OnAlignControls);
    info.Property("OnPageChange", &P::OnPageChange);
    info.Property("OnPaintBackground", &P::OnPaintBackground);
    info.Property("OnPaintCardBackground", &P::OnPaintCardBackground);
    info.Property("OnPaintTabBackground", &P::OnPaintTabBackground);
    info.Property("OnTabClick", &P::OnTabClick);
    info.Property("OnTabOrderChange", &P::OnTabOrderChange);
    info.Property("OnTabDragging", &P::OnTabDragging);
    info.Property("OnScrolledTabs", &P::OnScrolledTabs);
}

TKitPageControl::TKitPageControl(TComponent* AOwner) : TKitCustomTabControl(AOwner)
{
    // Once per process, so that streams can name the pages.
    static const bool sheetsRegistered = (RegisterClass(TKitTabSheet::ClassInfo()), true);
    (void)sheetsRegistered;
    SetBounds(GetLeft(), GetTop(), GetWidth(), 150);
    FControlStyle.Exclude(csAcceptsControls).Include(csOpaque);
}

TKitPageControl::~TKitPageControl()
{
    for (TKitTabSheet* page : FPages)
        page->FPageControl = nullptr;
    FPages.clear();
}

// ---- pages ----

void TKitPageControl::InsertPage(TKitTabSheet* page)
{
    // A page control on a window gets its own before it holds pages (not while a stream is read).
    if (GetParent() && GetParent()->HandleAllocated() && !Loading())
        HandleNeeded();
    FPages.push_back(page);
    page->FPageControl = this;
    TabsChanged();
}

void TKitPageControl::RemovePage(TKitTabSheet* page)
{
    if (page == FActivePage)
        SetActivePage(nullptr);
    FPages.erase(std::remove(FPages.begin(), FPages.end(), page), FPages.end());
    if (!(GetComponentState() & csDestroying))
        TabsChanged();
    page->FPageControl = nullptr;
}

TKitTabSheet* TKitPageControl::PageOfTab(int tabIndex) const
{
    for (TKitTabSheet* page : FPages)
        if (page->GetTabIndex() == tabIndex)
            return page;
    return nullptr;
}

bool TKitPageControl::Loading() const
{
    return (GetComponentState() & (csLoading | csReading)) != 0;
}

void TKitPageControl::SetActivePageIndex(int value)
{
    if (value < 0 || value >= GetPageCount()) {
        SetTabIndex(-1);
        return;
    }
    SetActivePage(GetPages(value));
}

void TKitPageControl::SetActivePageDefault(TKitTabSheet* value)
{
    if (value == FActivePageDefault)
        return;
    if (FActivePageDefault)
        FActivePageDefault->RemoveFreeNotification(this);
    FActivePageDefault = value;
    if (value)
        value->FreeNotification(this);
}

void TKitPageControl::Notification(TComponent* component, TOperation operation)
{
    TKitCustomTabControl::Notification(component, operation);
    if (operation == opRemove && component == FActivePageDefault)
        FActivePageDefault = nullptr;
}

void TKitPageControl::SetActivePage(TKitTabSheet* page)
{
    if (page && page->GetPageControl() != this)
        return;
    // While a stream is read the page shows at once; otherwise the switch shows it, so
    // that a refused change does not leave two pages on show.
    if (Loading()) {
        if (page)
            page->TControl::SetVisible(true);
        FActivePage = page;
        return;
    }
    const int tab = page ? page->GetTabIndex() : -1;
    if (tab < 0) {
        ChangeActivePage(page);
        DoPageChange();
    }
    SetTabIndex(tab);
}

void TKitPageControl::ChangeActivePage(TKitTabSheet* page)
{
    if (page == FActivePage)
        return;
    TCustomForm* form = GetParentForm();
    TKitTabSheet* old = FActivePage;
    if (form && old && form->GetActiveControl() && old->ContainsControl(form->GetActiveControl()))
        form->SetActiveControl(old);
    if (page) {
        page->BringToFront();
        // A page left out of the layout while hidden takes the card's size before it shows.
        const TRect area = GetCardClientRect();
        page->SetBounds(area.left, area.top, area.Width(), area.Height());
        page->TControl::SetVisible(true);
        if (form && old && form->GetActiveControl() == old) {
            if (page->CanFocus())
                form->SetActiveControl(page);
            else
                form->SetActiveControl(this);
        }
    }
    if (old) {
        old->TControl::SetVisible(false);
        if (FSaveResources && !(GetComponentState() & csDesigning))
            old->DestroyHandle();
    }
    FActivePage = page;
    if (form && page && form->GetActiveControl() == page)
        page->SelectNext(nullptr, true, true);
}

TKitTabSheet* TKitPageControl::FindNextPage(TKitTabSheet* current, bool forward, bool tabVisibleOnly) const
{
    const int count = GetPageCount();
    if (count == 0)
        return nullptr;
    const auto found = std::find(FPages.begin(), FPages.end(), current);
    const int start = found != FPages.end() ? static_cast<int>(found - FPages.begin()) : (forward ? count - 1 : 0);
    int i = start;
    for (int k = 0; k < count; ++k) {
        i = forward ? (i + 1) % count : (i + count - 1) % count;
        if (!tabVisibleOnly || FPages[static_cast<size_t>(i)]->GetTabVisible())
            return FPages[static_cast<size_t>(i)];
    }
    return nullptr;
}

void TKitPageControl::SelectNextPage(bool forward)
{
    if (TKitTabSheet* page = FindNextPage(FActivePage, forward, true))
        SetActivePage(page);
}

void TKitPageControl::SetSaveResources(bool value)
{
    if (value == FSaveResources)
        return;
    FSaveResources = value;
    if (value && !(GetComponentState() & csDesigning))
        for (TKitTabSheet* page : FPages)
            if (page != FActivePage)
                page->DestroyHandle();
}

void TKitPageControl::SetUseColoredTabs(bool value)
{
    if (value == GetUseColoredTabs())
        return;
    TKitCustomTabControl::SetUseColoredTabs(value);
    if (!value && GetParent())
        Perform(CM_COLORCHANGED, 0, 0);
}

// ---- the protocol's hooks ----

void TKitPageControl::TabsChanged()
{
    TKitTabDataList* tabs = GetTabs();
    tabs->Clear();
    for (TKitTabSheet* page : FPages)
        if (page->GetTabVisible())
            page->AssignTo(tabs->Add());
    if (FActivePage && !Loading()) {
        if (!FActivePage->GetTabVisible())
            SetTabIndex(-1);
        else if (FActivePage->GetTabIndex() != GetTabIndex())
            SetTabIndex(FActivePage->GetTabIndex());
    }
    TKitCustomTabControl::TabsChanged();
}

void TKitPageControl::DoChanging(int index, bool& allowChange)
{
    if (!FInLoaded)
        TKitCustomTabControl::DoChanging(index, allowChange);
    if (allowChange && !Loading())
        ChangeActivePage(PageOfTab(index));
}

void TKitPageControl::Change()
{
    if (!FInLoaded)
        TKitCustomTabControl::Change();
}

void TKitPageControl::DoPageChange()
{
    if (!FInLoaded && !Loading())
        TKitCustomTabControl::DoPageChange();
}

bool TKitPageControl::DoPaintCardBackground(TCanvas* canvas, int row, const TRect& rect)
{
    if (TKitCustomTabControl::DoPaintCardBackground(canvas, row, rect))
        return true;
    if (row != 0 || GetTabIndex() < 0 || !FActivePage)
        return false;
    TGdiHandle<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(FActivePage->GetColor()))));
    ::FillRect(canvas->GetHandle(), &rect, brush.get());
    return true;
}

// The index to go back to is taken before the page goes, which clears the selection.
void TKitPageControl::CloseActiveTab()
{
    if (!FActivePage)
        return;
    const int index = GetTabIndex();
    std::unique_ptr<TKitTabSheet> closing(FActivePage);
    closing.reset();
    SetTabIndex(index > 0 ? index - 1 : 0);
}

void TKitPageControl::MoveTab(int newIndex)
{
    TKitTabSheet* target = PageOfTab(newIndex);
    if (FActivePage && target)
        FActivePage->SetPageIndex(target->GetPageIndex());
}

void TKitPageControl::HideAllTabs()
{
    for (TKitTabSheet* page : std::vector<TKitTabSheet*>(FPages))
        page->SetTabVisible(false);
}

void TKitPageControl::ShowAllTabs()
{
    for (TKitTabSheet* page : std::vector<TKitTabSheet*>(FPages))
        page->SetTabVisible(true);
}

// ---- streaming and the window ----

void TKitPageControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root)
{
    for (TKitTabSheet* page : FPages)
        if (page->GetOwner() == root)
            proc(page);
}

void TKitPageControl::Loaded()
{
    TKitCustomTabControl::Loaded();
    FInLoaded = true;
    try {
        UpdateLayout();
        SetTabIndex(-1);
        TKitTabSheet* chosen = FActivePage;
        if (FActivePageDefault && FActivePageDefault != chosen) {
            if (chosen)
                chosen->TControl::SetVisible(false);
            chosen = FActivePageDefault;
        }
        FActivePage = nullptr;
        TabsChanged();
        SetActivePage(chosen);
    } catch (...) {
        FInLoaded = false;
        throw;
    }
    FInLoaded = false;
}

void TKitPageControl::CreateParams(TCreateParams& params)
{
    TKitCustomTabControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
}

void TKitPageControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGKEY: {
        TKitCustomTabControl::WndProc(message);
        if (message.Result)
            return;
        TCustomForm* form = GetParentForm();
        if (message.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 && form && form->GetActiveControl() &&
            ContainsControl(form->GetActiveControl())) {
            SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
            // Swallowed also when no page has a tab, so that the form never sees it.
            message.Result = 1;
        }
        return;
    }
    case CM_COLORCHANGED:
        if (!GetUseColoredTabs())
            for (TKitTabSheet* page : FPages)
                page->TControl::SetColor(GetColor());
        break;
    case WM_SETFOCUS:
        TKitCustomTabControl::WndProc(message);
        if (FActivePage && !FActivePage->GetTabVisible())
            for (int i = 0; i < FActivePage->GetControlCount(); ++i)
                if (auto* child = dynamic_cast<TWinControl*>(FActivePage->GetControls(i)); child && child->CanFocus()) {
                    child->SetFocus();
                    break;
                }
        return;
    default:
        break;
    }
    TKitCustomTabControl::WndProc(message);
}
