#include <algorithm>

#include "classlib/ComCtrls.h"

// ---- columns ----

VARIRUVU_CLASS_INFO(TListColumn, TCollectionItem)
{
    info.Property("Alignment", &TListColumn::GetAlignment, &TListColumn::SetAlignment).Default(taLeftJustify);
    info.Property("Caption", &TListColumn::GetCaption, &TListColumn::SetCaption);
    info.Property("Width", &TListColumn::GetWidth, &TListColumn::SetWidth).Default(50);
}

TListColumn::TListColumn(TCollection* collection) : TCollectionItem(collection)
{
    if (auto* columns = dynamic_cast<TListColumns*>(collection)) {
        columns->FIncomplete = nullptr;
        Changed(true);
    }
}

TListColumn::~TListColumn() = default;

TCustomListView* TListColumn::GetListView() const
{
    auto* columns = dynamic_cast<TListColumns*>(GetCollection());
    return columns ? columns->GetOwnerView() : nullptr;
}

void TListColumn::SetCaption(const AnsiString& value)
{
    FCaption = value;
    UpdateColumn();
}

int TListColumn::GetWidth() const
{
    TCustomListView* view = GetListView();
    if (view && view->HandleAllocated() && view->GetViewStyle() == vsReport)
        return static_cast<int>(SendMessageA(view->FHandle, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(GetIndex()), 0));
    return FWidth;
}

void TListColumn::SetWidth(int value)
{
    FWidth = value;
    UpdateColumn();
}

void TListColumn::SetAlignment(TAlignment value)
{
    FAlignment = value;
    UpdateColumn();
}

void TListColumn::Assign(TPersistent* source)
{
    auto* other = dynamic_cast<TListColumn*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    FCaption = other->FCaption;
    FWidth = other->GetWidth();
    FAlignment = other->FAlignment;
    UpdateColumn();
}

void TListColumn::UpdateColumn()
{
    TCustomListView* view = GetListView();
    if (!view || !view->HandleAllocated())
        return;
    static constexpr int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = const_cast<char*>(FCaption.c_str());
    column.cx = FWidth;
    column.fmt = formats[FAlignment];
    SendMessageA(view->FHandle, LVM_SETCOLUMNA, static_cast<WPARAM>(GetIndex()), reinterpret_cast<LPARAM>(&column));
}

VARIRUVU_CLASS_INFO(TListColumns, TOwnedCollection) {}

TListColumns::TListColumns(TCustomListView* owner, const TClassInfo& columnClass)
    : TOwnedCollection(owner, columnClass), FListView(owner)
{
}

void TListColumns::Notify(TCollectionItem* item, TCollectionNotification action)
{
    if (action == cnAdded)
        FIncomplete = item;
    TOwnedCollection::Notify(item, action);
}

void TListColumns::Update(TCollectionItem* item)
{
    if (FIncomplete || !FListView->HandleAllocated())
        return;
    if (item)
        static_cast<TListColumn*>(item)->UpdateColumn();
    else
        FListView->RebuildColumns();
}

// ---- items ----

void TSubItems::Changed()
{
    TStringList::Changed();
    if (TCustomListView* view = FOwner->GetListView(); view && view->HandleAllocated() && GetUpdateCount() == 0)
        view->UpdateWindowSubItems(FOwner);
}

VARIRUVU_CLASS_INFO(TListItem, TPersistent) {}

TListItem::TListItem(TListItems* owner) : FOwner(owner), FSubItems(std::make_unique<TSubItems>(this)) {}

TListItem::~TListItem() = default;

TCustomListView* TListItem::GetListView() const
{
    return FOwner ? FOwner->GetOwnerView() : nullptr;
}

int TListItem::GetIndex() const
{
    return FOwner ? FOwner->IndexOf(this) : -1;
}

void TListItem::SetCaption(const AnsiString& value)
{
    FCaption = value;
    if (TCustomListView* view = GetListView(); view && view->HandleAllocated()) {
        // The window asks for the text (LVN_GETDISPINFO) when it paints; it only
        // learns here that the text has changed.
        LVITEMA item{};
        item.iSubItem = 0;
        item.pszText = LPSTR_TEXTCALLBACKA;
        WPARAM index = static_cast<WPARAM>(GetIndex());
        SendMessageA(view->FHandle, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
        SendMessageA(view->FHandle, LVM_REDRAWITEMS, index, static_cast<LPARAM>(index));
    }
}

bool TListItem::GetChecked() const
{
    TCustomListView* view = GetListView();
    if (!view || !view->HandleAllocated() || !view->GetCheckboxes())
        return FChecked;
    LRESULT state = SendMessageA(view->FHandle, LVM_GETITEMSTATE, static_cast<WPARAM>(GetIndex()), LVIS_STATEIMAGEMASK);
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void TListItem::SetChecked(bool value)
{
    FChecked = value;
    if (TCustomListView* view = GetListView(); view && view->HandleAllocated())
        view->UpdateWindowState(this);
}

void TListItem::SetImageIndex(int value)
{
    FImageIndex = value;
    if (TCustomListView* view = GetListView(); view && view->HandleAllocated())
        view->UpdateWindowItem(this);
}

void TListItem::SetIndent(int value)
{
    FIndent = value;
    if (TCustomListView* view = GetListView(); view && view->HandleAllocated())
        view->UpdateWindowItem(this);
}

bool TListItem::GetSelected() const
{
    TCustomListView* view = GetListView();
    if (!view || !view->HandleAllocated())
        return FSelected;
    return SendMessageA(view->FHandle, LVM_GETITEMSTATE, static_cast<WPARAM>(GetIndex()), LVIS_SELECTED) != 0;
}

void TListItem::SetSelected(bool value)
{
    FSelected = value;
    if (TCustomListView* view = GetListView(); view && view->HandleAllocated())
        view->UpdateWindowState(this);
}

bool TListItem::GetFocused() const
{
    TCustomListView* view = GetListView();
    if (!view || !view->HandleAllocated())
        return FFocused;
    return SendMessageA(view->FHandle, LVM_GETITEMSTATE, static_cast<WPARAM>(GetIndex()), LVIS_FOCUSED) != 0;
}

void TListItem::SetFocused(bool value)
{
    FFocused = value;
    if (TCustomListView* view = GetListView(); view && view->HandleAllocated())
        view->UpdateWindowState(this);
}

void TListItem::Delete()
{
    FOwner->Delete(GetIndex());
}

void TListItem::MakeVisible(bool partialOK)
{
    if (TCustomListView* view = GetListView(); view && view->HandleAllocated())
        SendMessageA(view->FHandle, LVM_ENSUREVISIBLE, static_cast<WPARAM>(GetIndex()), partialOK);
}

void TListItem::ReadWindowState()
{
    FChecked = GetChecked();
    FSelected = GetSelected();
    FFocused = GetFocused();
}

void TListItem::Assign(TPersistent* source)
{
    auto* other = dynamic_cast<TListItem*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetCaption(other->GetCaption());
    FData = other->FData;
    FImageIndex = other->FImageIndex;
    FIndent = other->FIndent;
    FSubItems->Assign(other->FSubItems.get());
    SetChecked(other->GetChecked());
}

VARIRUVU_CLASS_INFO(TListItems, TPersistent) {}

TListItems::TListItems(TCustomListView* owner) : FOwner(owner) {}

TListItems::~TListItems() = default;

void TListItems::CheckIndex(int index) const
{
    if (index < 0 || index >= GetCount())
        throw EListError(Format("List index out of bounds (%d)", index));
}

TListItem* TListItems::GetItem(int index) const
{
    CheckIndex(index);
    return FItems[static_cast<size_t>(index)].get();
}

int TListItems::IndexOf(const TListItem* item) const
{
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == item)
            return static_cast<int>(i);
    return -1;
}

TListItem* TListItems::Add()
{
    return AddItem(nullptr, -1);
}

TListItem* TListItems::Insert(int index)
{
    return AddItem(nullptr, index);
}

TListItem* TListItems::AddItem(TListItem* item, int index)
{
    if (index < 0 || index > GetCount())
        index = GetCount();
    // Rows go straight into the window (made now when it can be), so that
    // every row added by code reaches OnChange.
    if (!FOwner->HandleAllocated() && FOwner->GetParent() &&
        !(FOwner->GetComponentState() & (csLoading | csDestroying)))
        FOwner->HandleNeeded();
    std::unique_ptr<TListItem> created(FOwner->NewListItem());
    if (item)
        created->Assign(item);
    TListItem* result = created.get();
    FItems.insert(FItems.begin() + index, std::move(created));
    if (FOwner->HandleAllocated())
        FOwner->InsertWindowItem(result, index);
    return result;
}

void TListItems::Delete(int index)
{
    CheckIndex(index);
    if (FOwner->HandleAllocated())
        SendMessageA(FOwner->FHandle, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
    FItems.erase(FItems.begin() + index);
}

void TListItems::Clear()
{
    if (FOwner->HandleAllocated())
        SendMessageA(FOwner->FHandle, LVM_DELETEALLITEMS, 0, 0);
    FItems.clear();
}

void TListItems::BeginUpdate()
{
    if (FUpdateCount++ == 0 && FOwner->HandleAllocated())
        SendMessageA(FOwner->FHandle, WM_SETREDRAW, FALSE, 0);
}

void TListItems::EndUpdate()
{
    if (--FUpdateCount == 0 && FOwner->HandleAllocated()) {
        SendMessageA(FOwner->FHandle, WM_SETREDRAW, TRUE, 0);
        FOwner->Invalidate();
    }
}

void TListItems::Assign(TPersistent* source)
{
    auto* other = dynamic_cast<TListItems*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    Clear();
    for (const auto& item : other->FItems)
        AddItem(item.get());
    EndUpdate();
}

// ---- the view ----

VARIRUVU_CLASS_INFO(TCustomListView, TCustomListControl) {}
VARIRUVU_CLASS_INFO(TListViewActionLink, TWinControlActionLink) {}

TActionLinkClass TCustomListView::GetActionLinkClass() const
{
    return TActionLinkClass::Of<TListViewActionLink>();
}

VARIRUVU_CLASS_INFO(TListView, TCustomListView)
{
    info.Property("BorderStyle", &TListView::GetBorderStyle, &TListView::SetBorderStyle).Default(bsSingle);
    info.Property("Checkboxes", &TListView::GetCheckboxes, &TListView::SetCheckboxes).Default(false);
    info.Property("Columns", &TListView::GetColumns, &TListView::SetColumns);
    info.Property("GridLines", &TListView::GetGridLines, &TListView::SetGridLines).Default(false);
    info.Property("HideSelection", &TListView::GetHideSelection, &TListView::SetHideSelection).Default(true);
    info.Property("MultiSelect", &TListView::GetMultiSelect, &TListView::SetMultiSelect).Default(false);
    info.Property("OwnerDraw", &TListView::GetOwnerDraw, &TListView::SetOwnerDraw).Default(false);
    info.Property("ReadOnly", &TListView::GetReadOnly, &TListView::SetReadOnly).Default(false);
    info.Property("RowSelect", &TListView::GetRowSelect, &TListView::SetRowSelect).Default(false);
    info.Property("ShowColumnHeaders", &TListView::GetShowColumnHeaders, &TListView::SetShowColumnHeaders)
        .Default(true);
    info.Property("SmallImages", &TListView::GetSmallImages, &TListView::SetSmallImages);
    info.Property("ViewStyle", &TListView::GetViewStyle, &TListView::SetViewStyle).Default(vsIcon);
    info.Property("OnChange", &TListView::OnChange);
    info.Property("OnCompare", &TListView::OnCompare);
    info.Property("OnDrawItem", &TListView::OnDrawItem);
    info.Property("OnEdited", &TListView::OnEdited);
    info.Property("OnEditing", &TListView::OnEditing);
    info.Property("OnCreateItemClass", &TListView::OnCreateItemClass);
    info.Property("OnInfoTip", &TListView::OnInfoTip);
}

TCustomListView::TCustomListView(TComponent* AOwner)
    : TCustomListControl(AOwner), FColumns(std::make_unique<TListColumns>(this))
{
    FControlStyle.Exclude(csSetCaption);
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TCustomListView::~TCustomListView() = default;

std::unique_ptr<TListItems> TCustomListView::NewListItems()
{
    return std::make_unique<TListItems>(this);
}

TListItem* TCustomListView::NewListItem()
{
    TListItemClass itemClass = TListItemClass::Of<TListItem>();
    if (OnCreateItemClass)
        OnCreateItemClass(this, itemClass);
    return itemClass.Create(GetItems());
}

TListItems* TCustomListView::GetItems() const
{
    if (!FItems)
        FItems = const_cast<TCustomListView*>(this)->NewListItems();
    return FItems.get();
}

void TCustomListView::SetViewStyle(TViewStyle value)
{
    if (FViewStyle != value) {
        FViewStyle = value;
        RecreateWnd();
    }
}

void TCustomListView::SetCheckboxes(bool value)
{
    FCheckboxes = value;
    ApplyExtendedStyle();
}

void TCustomListView::SetGridLines(bool value)
{
    FGridLines = value;
    ApplyExtendedStyle();
}

void TCustomListView::SetRowSelect(bool value)
{
    FRowSelect = value;
    ApplyExtendedStyle();
}

void TCustomListView::SetReadOnly(bool value)
{
    if (FReadOnly != value) {
        FReadOnly = value;
        RecreateWnd();
    }
}

void TCustomListView::SetMultiSelect(bool value)
{
    if (FMultiSelect != value) {
        FMultiSelect = value;
        RecreateWnd();
    }
}

void TCustomListView::SetHideSelection(bool value)
{
    if (FHideSelection != value) {
        FHideSelection = value;
        RecreateWnd();
    }
}

void TCustomListView::SetShowColumnHeaders(bool value)
{
    if (FShowColumnHeaders != value) {
        FShowColumnHeaders = value;
        RecreateWnd();
    }
}

void TCustomListView::SetBorderStyle(TBorderStyle value)
{
    if (FBorderStyle != value) {
        FBorderStyle = value;
        RecreateWnd();
    }
}

void TCustomListView::SetOwnerDraw(bool value)
{
    if (FOwnerDraw != value) {
        FOwnerDraw = value;
        RecreateWnd();
    }
}

void TCustomListView::SetSmallImages(TCustomImageList* value)
{
    if (FSmallImages)
        FSmallImages->RemoveFreeNotification(this);
    FSmallImages = value;
    if (value)
        value->FreeNotification(this);
    ApplyImages();
}

void TCustomListView::Notification(TComponent* component, TOperation operation)
{
    TCustomListControl::Notification(component, operation);
    if (operation == opRemove && component == FSmallImages) {
        FSmallImages = nullptr;
        ApplyImages();
    }
}

TListItem* TCustomListView::GetSelected() const
{
    int index = GetItemIndex();
    return index >= 0 ? GetItems()->GetItem(index) : nullptr;
}

void TCustomListView::SetSelected(TListItem* value)
{
    TListItems* items = GetItems();
    for (int i = 0; i < items->GetCount(); ++i)
        items->GetItem(i)->SetSelected(items->GetItem(i) == value);
}

int TCustomListView::GetSelCount() const
{
    if (HandleAllocated())
        return static_cast<int>(SendMessageA(FHandle, LVM_GETSELECTEDCOUNT, 0, 0));
    TListItems* items = GetItems();
    int count = 0;
    for (int i = 0; i < items->GetCount(); ++i)
        count += items->GetItem(i)->GetSelected();
    return count;
}

int TCustomListView::GetItemIndex() const
{
    TListItems* items = GetItems();
    for (int i = 0; i < items->GetCount(); ++i)
        if (items->GetItem(i)->GetSelected())
            return i;
    return -1;
}

void TCustomListView::SetItemIndex(int value)
{
    SetSelected(value >= 0 ? GetItems()->GetItem(value) : nullptr);
}

namespace {

int CALLBACK DefaultListViewSort(LPARAM item1, LPARAM item2, LPARAM sortData)
{
    auto* view = reinterpret_cast<TCustomListView*>(sortData);
    auto* a = reinterpret_cast<TListItem*>(item1);
    auto* b = reinterpret_cast<TListItem*>(item2);
    if (view->OnCompare) {
        int compare = 0;
        view->OnCompare(view, a, b, 0, compare);
        return compare;
    }
    return lstrcmpA(a->GetCaption().c_str(), b->GetCaption().c_str());
}

}  // namespace

void TCustomListView::AlphaSort()
{
    if (!HandleAllocated())
        HandleNeeded();
    SendMessageA(FHandle, LVM_SORTITEMS, reinterpret_cast<WPARAM>(this), reinterpret_cast<LPARAM>(&DefaultListViewSort));
    // The item list takes the window's new order, when the window holds every item once
    // (a window still being filled does not).
    std::vector<std::unique_ptr<TListItem>>& items = GetItems()->FItems;
    std::vector<size_t> order;
    for (size_t i = 0; i < items.size(); ++i) {
        LVITEMA probe{};
        probe.mask = LVIF_PARAM;
        probe.iItem = static_cast<int>(i);
        if (!SendMessageA(FHandle, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&probe)))
            return;
        auto it = std::find_if(items.begin(), items.end(),
                               [&](const auto& p) { return reinterpret_cast<LPARAM>(p.get()) == probe.lParam; });
        size_t index = static_cast<size_t>(it - items.begin());
        if (it == items.end() || std::find(order.begin(), order.end(), index) != order.end())
            return;
        order.push_back(index);
    }
    std::vector<std::unique_ptr<TListItem>> sorted;
    for (size_t index : order)
        sorted.push_back(std::move(items[index]));
    items = std::move(sorted);
}

void TCustomListView::AddItem(const AnsiString& item, TObject* object)
{
    TListItem* added = GetItems()->Add();
    added->SetCaption(item);
    added->SetData(object);
}

void TCustomListView::CopySelectedItems(TCustomListControl* destination)
{
    TListItems* items = GetItems();
    for (int i = 0; i < items->GetCount(); ++i)
        if (TListItem* item = items->GetItem(i); item->GetSelected())
            destination->AddItem(item->GetCaption(), static_cast<TObject*>(item->GetData()));
}

void TCustomListView::CreateParams(TCreateParams& params)
{
    InitCommonControls6();
    TCustomListControl::CreateParams(params);
    CreateSubClass(params, WC_LISTVIEWA);
    static constexpr DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    params.Style |= views[FViewStyle] | LVS_SHAREIMAGELISTS;
    if (!FReadOnly)
        params.Style |= LVS_EDITLABELS;
    if (!FMultiSelect)
        params.Style |= LVS_SINGLESEL;
    if (!FHideSelection)
        params.Style |= LVS_SHOWSELALWAYS;
    if (!FShowColumnHeaders)
        params.Style |= LVS_NOCOLUMNHEADER;
    if (FOwnerDraw && FViewStyle == vsReport)
        params.Style |= LVS_OWNERDRAWFIXED;
    if (FBorderStyle == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateWnd()
{
    TCustomListControl::CreateWnd();
    SendMessageA(FHandle, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(GetColor())));
    SendMessageA(FHandle, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(GetColor())));
    ApplyExtendedStyle();
    ApplyImages();
    RebuildColumns();
    FFilling = true;
    try {
        TListItems* items = GetItems();
        for (int i = 0; i < items->GetCount(); ++i)
            InsertWindowItem(items->GetItem(i), i);
    } catch (...) {
        FFilling = false;
        throw;
    }
    FFilling = false;
}

void TCustomListView::DestroyWnd()
{
    if (!(GetComponentState() & csDestroying)) {
        TListItems* items = GetItems();
        for (int i = 0; i < items->GetCount(); ++i)
            items->GetItem(i)->ReadWindowState();
        for (int i = 0; i < FColumns->GetCount(); ++i) {
            TListColumn* column = FColumns->GetItems(i);
            column->FWidth = column->GetWidth();
        }
    }
    // The window goes: its notifications no longer describe our items.
    FFilling = true;
    TCustomListControl::DestroyWnd();
    FFilling = false;
}

void TCustomListView::ApplyExtendedStyle()
{
    if (!HandleAllocated())
        return;
    DWORD style = 0;
    if (FCheckboxes)
        style |= LVS_EX_CHECKBOXES;
    if (FGridLines)
        style |= LVS_EX_GRIDLINES;
    if (FRowSelect)
        style |= LVS_EX_FULLROWSELECT;
    SendMessageA(FHandle, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style));
    // Check boxes made after the items: every row takes its kept state.
    TListItems* items = GetItems();
    bool filling = FFilling;
    FFilling = true;
    for (int i = 0; i < items->GetCount(); ++i)
        UpdateWindowState(items->GetItem(i));
    FFilling = filling;
}

void TCustomListView::ApplyImages()
{
    if (HandleAllocated())
        SendMessageA(FHandle, LVM_SETIMAGELIST, LVSIL_SMALL,
                     reinterpret_cast<LPARAM>(FSmallImages ? FSmallImages->GetHandle() : nullptr));
}

void TCustomListView::RebuildColumns()
{
    if (!HandleAllocated())
        return;
    while (SendMessageA(FHandle, LVM_DELETECOLUMN, 0, 0))
        ;
    static constexpr int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
    for (int i = 0; i < FColumns->GetCount(); ++i) {
        TListColumn* c = FColumns->GetItems(i);
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(c->GetCaption().c_str());
        column.cx = c->FWidth;
        column.fmt = formats[c->GetAlignment()];
        column.iSubItem = i;
        SendMessageA(FHandle, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
    TListItems* items = GetItems();
    for (int i = 0; i < items->GetCount(); ++i)
        UpdateWindowSubItems(items->GetItem(i));
}

void TCustomListView::InsertWindowItem(TListItem* item, int index)
{
    LVITEMA row{};
    row.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE | LVIF_INDENT;
    row.iItem = index;
    row.pszText = LPSTR_TEXTCALLBACKA;
    row.iImage = item->FImageIndex;
    row.iIndent = item->FIndent;
    row.lParam = reinterpret_cast<LPARAM>(item);
    if (SendMessageA(FHandle, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)) < 0)
        throw EOutOfResources(L"Unable to insert an item");
    UpdateWindowSubItems(item);
    UpdateWindowState(item);
}

void TCustomListView::UpdateWindowItem(TListItem* item)
{
    LVITEMA row{};
    row.mask = LVIF_IMAGE | LVIF_INDENT;
    row.iItem = item->GetIndex();
    row.iImage = item->FImageIndex;
    row.iIndent = item->FIndent;
    SendMessageA(FHandle, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&row));
}

void TCustomListView::UpdateWindowSubItems(TListItem* item)
{
    int index = item->GetIndex();
    if (index < 0)
        return;
    int count = std::max(item->GetSubItems()->GetCount(), FColumns->GetCount() - 1);
    for (int i = 0; i < count; ++i) {
        LVITEMA row{};
        row.iSubItem = i + 1;
        row.pszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(FHandle, LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row));
    }
    SendMessageA(FHandle, LVM_UPDATE, static_cast<WPARAM>(index), 0);
}

void TCustomListView::UpdateWindowState(TListItem* item)
{
    LVITEMA row{};
    row.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    row.state = (item->FSelected ? LVIS_SELECTED : 0) | (item->FFocused ? LVIS_FOCUSED : 0);
    if (FCheckboxes) {
        row.stateMask |= LVIS_STATEIMAGEMASK;
        row.state |= INDEXTOSTATEIMAGEMASK(item->FChecked ? 2 : 1);
    }
    SendMessageA(FHandle, LVM_SETITEMSTATE, static_cast<WPARAM>(item->GetIndex()), reinterpret_cast<LPARAM>(&row));
}

TListItem* TCustomListView::ItemOfParam(LPARAM param) const
{
    TListItems* items = GetItems();
    for (int i = 0; i < items->GetCount(); ++i)
        if (reinterpret_cast<LPARAM>(items->GetItem(i)) == param)
            return items->GetItem(i);
    return nullptr;
}

TListItem* TCustomListView::ItemOfDispInfo(const LVITEMA& info) const
{
    if (info.mask & LVIF_PARAM)
        return ItemOfParam(info.lParam);
    if (info.iItem >= 0 && info.iItem < GetItems()->GetCount())
        return GetItems()->GetItem(info.iItem);
    return nullptr;
}

void TCustomListView::Change(TListItem* item, TItemChange change)
{
    if (OnChange)
        OnChange(this, item, change);
}

void TCustomListView::NotifyHandler(TMessage& message)
{
    auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    switch (header->code) {
    case LVN_ITEMCHANGED: {
        auto* change = reinterpret_cast<NMLISTVIEW*>(message.LParam);
        if (FFilling || change->iItem < 0)
            return;
        TListItem* item = ItemOfParam(change->lParam);
        if (!item && change->iItem < GetItems()->GetCount())
            item = GetItems()->GetItem(change->iItem);
        if (!item)
            return;
        if (change->uChanged & LVIF_STATE) {
            // The window's state is the truth now; keep it for a re-creation.
            item->FChecked = ((change->uNewState & LVIS_STATEIMAGEMASK) >> 12) == 2;
            Change(item, ctState);
        }
        if (change->uChanged & LVIF_TEXT)
            Change(item, ctText);
        if (change->uChanged & LVIF_IMAGE)
            Change(item, ctImage);
        return;
    }
    case LVN_GETDISPINFOA: {
        LVITEMA& info = reinterpret_cast<NMLVDISPINFOA*>(message.LParam)->item;
        TListItem* item = ItemOfDispInfo(info);
        if (!item || !(info.mask & LVIF_TEXT) || !info.pszText || info.cchTextMax <= 0)
            return;
        TStrings* subItems = item->GetSubItems();
        int sub = info.iSubItem - 1;
        AnsiString text = sub < 0 ? item->GetCaption() : sub < subItems->GetCount() ? subItems->Get(sub) : AnsiString();
        lstrcpynA(info.pszText, text.c_str(), info.cchTextMax);
        return;
    }
    case LVN_GETINFOTIPA: {
        auto* tip = reinterpret_cast<NMLVGETINFOTIPA*>(message.LParam);
        if (!OnInfoTip || tip->iItem < 0 || tip->iItem >= GetItems()->GetCount() || !tip->pszText || tip->cchTextMax <= 0)
            return;
        AnsiString text;
        OnInfoTip(this, GetItems()->GetItem(tip->iItem), text);
        // An empty tip leaves the system's own (the cut-off text) in place.
        if (!text.empty())
            lstrcpynA(tip->pszText, text.c_str(), tip->cchTextMax);
        return;
    }
    case LVN_BEGINLABELEDITA: {
        auto* info = reinterpret_cast<NMLVDISPINFOA*>(message.LParam);
        TListItem* item = ItemOfParam(info->item.lParam);
        if (!item && info->item.iItem >= 0 && info->item.iItem < GetItems()->GetCount())
            item = GetItems()->GetItem(info->item.iItem);
        message.Result = item && CanEdit(item) ? FALSE : TRUE;
        return;
    }
    case LVN_ENDLABELEDITA: {
        auto* info = reinterpret_cast<NMLVDISPINFOA*>(message.LParam);
        if (info->item.pszText && info->item.iItem >= 0 && info->item.iItem < GetItems()->GetCount())
            EditDone(GetItems()->GetItem(info->item.iItem), info->item.pszText);
        message.Result = FALSE;  // EditDone has set the caption
        return;
    }
    case NM_CLICK:
        Click();
        return;
    case NM_DBLCLK:
        DblClick();
        return;
    default:
        break;
    }
    DefaultHandler(message);
}

bool TCustomListView::CanEdit(TListItem* item)
{
    bool allow = true;
    if (OnEditing)
        OnEditing(this, item, allow);
    return allow;
}

void TCustomListView::EditDone(TListItem* item, AnsiString text)
{
    if (OnEdited)
        OnEdited(this, item, text);
    item->SetCaption(text);
}

void TCustomListView::OwnerDrawItem(TListItem* item, const TRect& rect, TCustomDrawState state)
{
    if (OnDrawItem) {
        OnDrawItem(this, item, rect, state);
        return;
    }
    FCanvas->FillRect(rect);
    FCanvas->TextOut(rect.left + 2, rect.top, item->GetCaption());
}

void TCustomListView::DrawItemHandler(TMessage& message)
{
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
    TListItem* item = ItemOfParam(static_cast<LPARAM>(draw->itemData));
    if (!item)
        return;
    TCustomDrawState state;
    if (draw->itemState & ODS_SELECTED)
        state.Include(odsSelected);
    if (draw->itemState & ODS_FOCUS)
        state.Include(odsFocused);
    if (draw->itemState & ODS_DISABLED)
        state.Include(odsDisabled);
    if (!FCanvas)
        FCanvas = std::make_unique<TControlCanvas>(this);
    FCanvas->Lock();
    FCanvas->SetHandle(draw->hDC);
    FCanvas->GetFont()->Assign(GetFont());
    FCanvas->GetBrush()->SetColor(state.Contains(odsSelected) ? clHighlight : GetColor());
    const RECT& r = draw->rcItem;
    try {
        OwnerDrawItem(item, TRect(r.left, r.top, r.right, r.bottom), state);
    } catch (...) {
        FCanvas->SetHandle(nullptr);
        FCanvas->Unlock();
        throw;
    }
    FCanvas->SetHandle(nullptr);
    FCanvas->Unlock();
    message.Result = TRUE;
}

void TCustomListView::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_NOTIFY:
        NotifyHandler(message);
        return;
    case CN_DRAWITEM:
        DrawItemHandler(message);
        return;
    case CM_COLORCHANGED:
        if (HandleAllocated()) {
            SendMessageA(FHandle, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(GetColor())));
            SendMessageA(FHandle, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(GetColor())));
        }
        break;
    default:
        break;
    }
    TCustomListControl::WndProc(message);
}
