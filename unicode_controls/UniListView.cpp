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
    : TUniTextControl(AOwner), FEditInstance(MakeObjectInstance(TWndMethod(this, &TUniCustomListView::EditWndProc)))
{
    SetColumnsObject(std::make_unique<TUniListColumns>(this));
}

TUniCustomListView::~TUniCustomListView()
{
    FreeObjectInstance(FEditInstance);
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

// The wide values follow the 8-bit ones by the twin rule, entry by entry: a
// wide value stays while its 8-bit form still equals the 8-bit value, so one
// 8-bit sub-item changed does not cost the others their wide text. While a new
// window is filled, the saved wide values are the candidates.
void TUniCustomListView::FollowAnsiValues(TUniListItem* item, const TSavedListItem* saved)
{
    const AnsiString& caption = item->TListItem::GetCaption();
    if (saved && WideToAnsi(saved->Caption) == caption)
        item->FWideCaption = saved->Caption;
    else if (WideToAnsi(item->FWideCaption) != caption)
        item->FWideCaption = AnsiToWide(caption);

    TStrings* ansi = static_cast<TListItem*>(item)->GetSubItems();
    TWideSubItems* wide = item->GetSubItems();
    wide->FIgnoreAnsi = true;
    try {
        for (int i = 0; i < ansi->GetCount(); ++i) {
            AnsiString value = ansi->Get(i);
            WideString candidate = saved && i < saved->SubItems.GetCount() ? saved->SubItems.Get(i)
                                   : i < wide->GetCount()                  ? wide->Get(i)
                                                                           : WideString();
            if (WideToAnsi(candidate) != value)
                candidate = AnsiToWide(value);
            if (i == wide->GetCount())
                wide->Add(candidate);
            else if (wide->Get(i) != candidate)
                wide->Put(i, candidate);
        }
        while (wide->GetCount() > ansi->GetCount())
            wide->Delete(wide->GetCount() - 1);
    } catch (...) {
        wide->FIgnoreAnsi = false;
        throw;
    }
    wide->FIgnoreAnsi = false;
}

// An LVM_SETITEMTEXTA or LVM_UPDATE the view did not cause itself.
void TUniCustomListView::FollowAnsiItem(WPARAM index)
{
    TUniListItem* item = ItemAt(index);
    if (!item)
        return;
    const TSavedListItem* saved = nullptr;
    if (FHasSavedItems && index < FSavedItems.size())
        saved = FSavedItems[index].get();
    FollowAnsiValues(item, saved);
}

// An 8-bit column text whose column is known goes to the window as the
// column's wide caption (`wideMsg`); true when it went.
bool TUniCustomListView::ForwardWideColumn(TMessage& message, UINT wideMsg)
{
    auto* column = reinterpret_cast<LVCOLUMNA*>(message.LParam);
    if (!column || !(column->mask & LVCF_TEXT) || message.WParam >= static_cast<WPARAM>(GetColumns()->GetCount()))
        return false;
    // A column still being constructed (its collection redraws the header then) has no wide caption yet.
    auto* owner = dynamic_cast<TUniListColumn*>(GetColumns()->TListColumns::GetItems(static_cast<int>(message.WParam)));
    if (!owner)
        return false;
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
            FollowAnsiItem(message.WParam);
        if (IsUnicodePlatform() && message.LParam &&
            reinterpret_cast<LVITEMA*>(message.LParam)->pszText == LPSTR_TEXTCALLBACKA) {
            message.Result = SendMessageW(FHandle, LVM_SETITEMTEXTW, message.WParam, message.LParam);
            return;
        }
        break;
    case LVM_UPDATE:
        if (FChangeCount == 0)
            FollowAnsiItem(message.WParam);
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

