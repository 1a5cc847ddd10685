#include <cstring>

#include "unicode/UniSystem.h"
#include "unicode_controls/UniActnList.h"
#include "unicode_controls/UniComCtrls.h"
#include "unicode_controls/UniGraphics.h"

namespace {

// The class library's own sort procedure, caught once by a probe sort.
LPARAM DefaultSortProcedure = 0;

// The sort data is the class library's own (its view), not the user's: OnCompare gets 0 as it does there.
int CALLBACK WideCompare(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    auto* item1 = reinterpret_cast<TUniListItem*>(lParam1);
    auto* item2 = reinterpret_cast<TUniListItem*>(lParam2);
    TUniCustomListView* view = item1->GetListView();
    if (view && view->OnCompare) {
        int compare = 0;
        view->OnCompare(view, item1, item2, 0, compare);
        return compare;
    }
    return lstrcmpW(item1->GetCaption().c_str(), item2->GetCaption().c_str());
}

// Sub-item `k` of `list` takes `text` and `object`, the list growing by one
// at most; a farther sub-item takes the whole `source` list instead.
template <class Source>
void PutSubItem(TWideSubItems* list, int k, const WideString& text, TObject* object, const Source& source)
{
    if (k < list->GetCount()) {
        list->Put(k, text);
        list->PutObject(k, object);
    } else if (k == list->GetCount()) {
        list->AddObject(text, object);
    } else {
        list->Assign(source);
    }
}

}  // namespace

VARIRUVU_CLASS_INFO(TUniCustomListView, TCustomListView) {}

VARIRUVU_CLASS_INFO(TUniListView, TUniCustomListView)
{
    info.Property("BorderStyle", &TUniListView::GetBorderStyle, &TUniListView::SetBorderStyle).Default(bsSingle);
    info.Property("Checkboxes", &TUniListView::GetCheckboxes, &TUniListView::SetCheckboxes).Default(false);
    info.Property("Columns", &TCustomListView::GetColumns, &TCustomListView::SetColumns);
    info.Property("GridLines", &TUniListView::GetGridLines, &TUniListView::SetGridLines).Default(false);
    info.Property("HideSelection", &TUniListView::GetHideSelection, &TUniListView::SetHideSelection).Default(true);
    info.Property("Hint", &TUniListView::GetHint, &TUniListView::SetHint).Stored(&TUniListView::IsHintStored);
    info.Property("MultiSelect", &TUniListView::GetMultiSelect, &TUniListView::SetMultiSelect).Default(false);
    info.Property("OwnerDraw", &TUniListView::GetOwnerDraw, &TUniListView::SetOwnerDraw).Default(false);
    info.Property("ReadOnly", &TUniListView::GetReadOnly, &TUniListView::SetReadOnly).Default(false);
    info.Property("RowSelect", &TUniListView::GetRowSelect, &TUniListView::SetRowSelect).Default(false);
    info.Property("ShowColumnHeaders", &TUniListView::GetShowColumnHeaders, &TUniListView::SetShowColumnHeaders)
        .Default(true);
    info.Property("SmallImages", &TUniListView::GetSmallImages, &TUniListView::SetSmallImages);
    info.Property("ViewStyle", &TUniListView::GetViewStyle, &TUniListView::SetViewStyle).Default(vsIcon);
    info.Property("OnChange", &TUniListView::OnChange);
    info.Property("OnCompare", &TUniListView::OnCompare);
    info.Property("OnCreateItemClass", &TUniListView::OnCreateItemClass);
    info.Property("OnDrawItem", &TUniListView::OnDrawItem);
    info.Property("OnEdited", &TUniListView::OnEdited);
    info.Property("OnEditing", &TUniListView::OnEditing);
    info.Property("OnInfoTip", &TUniListView::OnInfoTip);
}

TUniCustomListView::TUniCustomListView(TComponent* AOwner)
    : TCustomListView(AOwner), FEditInstance(MakeObjectInstance(TWndMethod(this, &TUniCustomListView::EditWndProc)))
{
    SetColumnsObject(std::make_unique<TUniListColumns>(this));
}

TUniCustomListView::~TUniCustomListView()
{
    FreeObjectInstance(FEditInstance);
}

void TUniCustomListView::DefineProperties(TFiler* filer)
{
    TCustomListView::DefineProperties(filer);
    WidePropertyFilerHook(filer, this);
}

// ---- items ----

std::unique_ptr<TListItems> TUniCustomListView::NewListItems()
{
    return std::make_unique<TUniListItems>(this);
}

TListItem* TUniCustomListView::NewListItem()
{
    TListItemClass itemClass = TListItemClass::Of<TUniListItem>();
    if (OnCreateItemClass)
        OnCreateItemClass(this, itemClass);
    if (!itemClass.Info || !itemClass.Info->InheritsFrom(TUniListItem::ClassInfo()))
        throw EUniInternalError("Internal Error: OnCreateItemClass.ItemClass must inherit from TUniListItem.");
    return itemClass.Create(GetItems());
}

void TUniCustomListView::AddItem(const WideString& item, TObject* object)
{
    TUniListItem* added = GetItems()->Add();
    added->SetCaption(item);
    added->SetData(object);
}

void TUniCustomListView::CopySelectedItems(TCustomListControl* destination)
{
    TUniListItems* items = GetItems();
    for (int i = 0; i < items->GetCount(); ++i)
        if (TUniListItem* item = items->GetItem(i); item->GetSelected())
            WideListAddItem(destination, item->GetCaption(), static_cast<TObject*>(item->GetData()));
}

TUniListItem* TUniCustomListView::ItemAt(WPARAM index) const
{
    TUniListItems* items = GetItems();
    return index < static_cast<WPARAM>(items->GetCount()) ? items->GetItem(static_cast<int>(index)) : nullptr;
}

// ---- the window ----

void TUniCustomListView::CreateWindowHandle(const TCreateParams& params)
{
    CreateUnicodeHandle_ComCtl(this, params, L"SysListView32");
    if (!IsUnicodePlatform())
        return;
    if (DefaultSortProcedure == 0) {
        FSortProbe = true;
        try {
            AlphaSort();
        } catch (...) {
            FSortProbe = false;
            throw;
        }
        FSortProbe = false;
    }
    // Label editing in a Unicode list view works only once a column has been inserted.
    LVCOLUMNW column{};
    SendMessageW(FHandle, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    SendMessageW(FHandle, LVM_DELETECOLUMN, 0, 0);
}

void TUniCustomListView::CreateWnd()
{
    TCustomListView::CreateWnd();
    FSavedItems.clear();
    FHasSavedItems = false;
}

void TUniCustomListView::DestroyWnd()
{
    if (!(GetComponentState() & csDestroying)) {
        // The class library fills the next window from its 8-bit copies; these wide ones win then.
        FSavedItems.clear();
        TUniListItems* items = GetItems();
        for (int i = 0; i < items->GetCount(); ++i) {
            auto saved = std::make_unique<TSavedListItem>();
            saved->Caption = items->GetItem(i)->FWideCaption;
            saved->SubItems.Assign(items->GetItem(i)->GetSubItems());
            FSavedItems.push_back(std::move(saved));
        }
        FHasSavedItems = true;
    }
    TCustomListView::DestroyWnd();
}

// An LVM_SETITEMTEXTA the view did not cause itself: the wide value follows
// the saved one while a new window is filled, else the 8-bit one.
void TUniCustomListView::FollowAnsiItemText(TMessage& message)
{
    const auto* row = reinterpret_cast<const LVITEMA*>(message.LParam);
    TUniListItem* item = ItemAt(message.WParam);
    if (!item || !row)
        return;
    TWideSubItems* wide = item->GetSubItems();
    TSavedListItem* saved = nullptr;
    if (FHasSavedItems) {
        if (message.WParam >= FSavedItems.size())
            return;
        saved = FSavedItems[message.WParam].get();
    }
    if (row->iSubItem == 0) {
        item->FWideCaption = saved ? saved->Caption : AnsiToWide(item->TListItem::GetCaption());
        return;
    }
    int k = row->iSubItem - 1;
    wide->FIgnoreAnsi = true;
    try {
        TStrings* ansi = static_cast<TListItem*>(item)->GetSubItems();
        if (saved && k < saved->SubItems.GetCount())
            PutSubItem(wide, k, saved->SubItems.Get(k), saved->SubItems.GetObject(k), &saved->SubItems);
        else if (saved)
            wide->Assign(&saved->SubItems);
        else if (k < ansi->GetCount())
            PutSubItem(wide, k, AnsiToWide(ansi->Get(k)), ansi->GetObject(k), ansi);
        else
            wide->Assign(ansi);
    } catch (...) {
        wide->FIgnoreAnsi = false;
        throw;
    }
    wide->FIgnoreAnsi = false;
}

// An 8-bit column text whose column is known goes to the window as the
// column's wide caption (`wideMsg`); true when it went.
bool TUniCustomListView::ForwardWideColumn(TMessage& message, UINT wideMsg)
{
    auto* column = reinterpret_cast<LVCOLUMNA*>(message.LParam);
    if (!column || !(column->mask & LVCF_TEXT) || message.WParam >= static_cast<WPARAM>(GetColumns()->GetCount()))
        return false;
    TUniListColumn* owner = GetColumns()->GetItems(static_cast<int>(message.WParam));
    AnsiString ansiText = column->pszText ? column->pszText : "";
    if (WideToAnsi(owner->FWideCaption) != ansiText)
        owner->FWideCaption = AnsiToWide(ansiText);
    if (!IsUnicodePlatform())
        return false;
    LVCOLUMNW wide;
    static_assert(sizeof(wide) == sizeof(*column));
    memcpy(&wide, column, sizeof(wide));
    wide.pszText = owner->FWideCaption.data();
    message.Result = SendMessageW(FHandle, wideMsg, message.WParam, reinterpret_cast<LPARAM>(&wide));
    return true;
}

void TUniCustomListView::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case LVM_SETITEMTEXTA:
        if (FChangeCount == 0)
            FollowAnsiItemText(message);
        if (IsUnicodePlatform() && message.LParam &&
            reinterpret_cast<LVITEMA*>(message.LParam)->pszText == LPSTR_TEXTCALLBACKA) {
            message.Result = SendMessageW(FHandle, LVM_SETITEMTEXTW, message.WParam, message.LParam);
            return;
        }
        break;
    case LVM_UPDATE:
        if (!FHasSavedItems && FChangeCount == 0) {
            if (TUniListItem* item = ItemAt(message.WParam)) {
                TWideSubItems* wide = item->GetSubItems();
                wide->FIgnoreAnsi = true;
                try {
                    wide->Assign(static_cast<TListItem*>(item)->GetSubItems());
                } catch (...) {
                    wide->FIgnoreAnsi = false;
                    throw;
                }
                wide->FIgnoreAnsi = false;
            }
        }
        break;
    case LVM_SORTITEMS:
        if (FSortProbe) {
            DefaultSortProcedure = message.LParam;
            return;
        }
        if (IsUnicodePlatform() && message.LParam == DefaultSortProcedure) {
            message.Result = SendMessageW(FHandle, LVM_SORTITEMS, message.WParam, reinterpret_cast<LPARAM>(&WideCompare));
            return;
        }
        break;
    case LVM_SETCOLUMNA:
        if (ForwardWideColumn(message, LVM_SETCOLUMNW))
            return;
        break;
    case LVM_INSERTCOLUMNA:
        if (ForwardWideColumn(message, LVM_INSERTCOLUMNW))
            return;
        break;
    case LVM_SETEXTENDEDLISTVIEWSTYLE:
        if (GetCheckboxes())
            message.LParam |= LVS_EX_SUBITEMIMAGES | LVS_EX_INFOTIP;
        break;
    case CN_NOTIFY:
        if (IsUnicodePlatform()) {
            NotifyHandler(message);
            return;
        }
        break;
    default:
        break;
    }
    TCustomListView::WndProc(message);
}

// ---- drawing, editing, actions ----

void TUniCustomListView::OwnerDrawItem(TListItem* item, const TRect& rect, TCustomDrawState state)
{
    if (OnDrawItem) {
        OnDrawItem(this, item, rect, state);
        return;
    }
    TCanvas* canvas = GetCanvas();
    canvas->FillRect(rect);
    WideCanvasTextOut(canvas, rect.left + 2, rect.top, static_cast<TUniListItem*>(item)->GetCaption());
}

void TUniCustomListView::EditDone(TListItem* item, AnsiString text)
{
    WideEditDone(item, AnsiToWide(text));
}

void TUniCustomListView::WideEditDone(TListItem* item, WideString text)
{
    auto* wideItem = dynamic_cast<TUniListItem*>(item);
    if (OnEdited) {
        OnEdited(this, wideItem, text);
    } else if (TCustomListView::OnEdited) {
        AnsiString narrow = WideToAnsi(text);
        TCustomListView::OnEdited(this, item, narrow);
        text = AnsiToWide(narrow);
    }
    if (wideItem)
        wideItem->SetCaption(text);
}

TActionLinkClass TUniCustomListView::GetActionLinkClass() const
{
    return WideActionLinkClass(const_cast<TUniCustomListView*>(this), TCustomListView::GetActionLinkClass());
}

void TUniCustomListView::ActionChange(TObject* sender, bool checkDefaults)
{
    TCustomListView::ActionChange(sender, checkDefaults);
    ApplyActionText(this, static_cast<TBasicAction*>(sender), checkDefaults);
}
