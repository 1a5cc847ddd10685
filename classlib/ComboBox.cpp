#include "classlib/StdCtrls.h"

VARIRUVU_CLASS_INFO(TCustomListControl, TWinControl) {}

// ---- items ----

int TCustomComboBoxStrings::CheckInserted(LRESULT result)
{
    if (result < 0)
        throw EOutOfResources(L"Unable to insert a line");
    return static_cast<int>(result);
}

AnsiString TCustomComboBoxStrings::Get(int index) const
{
    if (!FComboBox->HandleAllocated())
        return FComboBox->FSavedItems.Get(index);
    HWND wnd = FComboBox->GetHandle();
    LRESULT length = SendMessageA(wnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR)
        Error("List index out of bounds (%d)", index);
    AnsiString text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = SendMessageA(wnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

int TCustomComboBoxStrings::GetCount() const
{
    if (!FComboBox->HandleAllocated())
        return FComboBox->FSavedItems.GetCount();
    return static_cast<int>(SendMessageA(FComboBox->GetHandle(), CB_GETCOUNT, 0, 0));
}

TObject* TCustomComboBoxStrings::GetObject(int index) const
{
    if (!FComboBox->HandleAllocated())
        return FComboBox->FSavedItems.GetObject(index);
    LRESULT data = SendMessageA(FComboBox->GetHandle(), CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    if (data == CB_ERR)
        Error("List index out of bounds (%d)", index);
    return reinterpret_cast<TObject*>(data);
}

void TCustomComboBoxStrings::PutObject(int index, TObject* object)
{
    if (!FComboBox->HandleAllocated())
        FComboBox->FSavedItems.PutObject(index, object);
    else
        SendMessageA(FComboBox->GetHandle(), CB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object));
}

void TCustomComboBoxStrings::Clear()
{
    if (!FComboBox->HandleAllocated()) {
        FComboBox->FSavedItems.Clear();
        FComboBox->FSavedIndex = -1;
        return;
    }
    AnsiString text = FComboBox->GetText();
    SendMessageA(FComboBox->GetHandle(), CB_RESETCONTENT, 0, 0);
    if (FComboBox->GetStyle() != csDropDownList)
        FComboBox->SetText(text);
    FComboBox->Update();
}

void TCustomComboBoxStrings::Delete(int index)
{
    if (!FComboBox->HandleAllocated())
        FComboBox->FSavedItems.Delete(index);
    else
        SendMessageA(FComboBox->GetHandle(), CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void TCustomComboBoxStrings::Insert(int index, const AnsiString& s)
{
    if (!FComboBox->HandleAllocated()) {
        FComboBox->FSavedItems.Insert(index, s);
        return;
    }
    CheckInserted(SendMessageA(FComboBox->GetHandle(), CB_INSERTSTRING, static_cast<WPARAM>(index),
                               reinterpret_cast<LPARAM>(s.c_str())));
}

int TCustomComboBoxStrings::Add(const AnsiString& s)
{
    if (!FComboBox->HandleAllocated())
        return FComboBox->FSavedItems.Add(s);
    return CheckInserted(SendMessageA(FComboBox->GetHandle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str())));
}

int TCustomComboBoxStrings::IndexOf(const AnsiString& s) const
{
    if (!FComboBox->HandleAllocated())
        return FComboBox->FSavedItems.IndexOf(s);
    return static_cast<int>(
        SendMessageA(FComboBox->GetHandle(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(s.c_str())));
}

void TCustomComboBoxStrings::SetUpdateState(bool updating)
{
    if (!FComboBox->HandleAllocated())
        return;
    SendMessageA(FComboBox->GetHandle(), WM_SETREDRAW, !updating, 0);
    if (!updating)
        FComboBox->Refresh();
}

// ---- the combo box ----

VARIRUVU_CLASS_INFO(TCustomComboBox, TCustomListControl) {}

VARIRUVU_CLASS_INFO(TComboBox, TCustomComboBox)
{
    info.Property("Style", &TComboBox::GetStyle, &TComboBox::SetStyle).Default(csDropDown);
    info.Property("DropDownCount", &TComboBox::GetDropDownCount, &TComboBox::SetDropDownCount).Default(8);
    info.Property("ItemHeight", &TComboBox::GetItemHeight, &TComboBox::SetItemHeight).Default(16);
    info.Property("Items", &TComboBox::GetItems, &TComboBox::SetItems);
    info.Property("ItemIndex", &TComboBox::GetItemIndex, &TComboBox::SetItemIndex).Default(-1);
    info.Property("Sorted", &TComboBox::GetSorted, &TComboBox::SetSorted).Default(false);
    info.Property("Text", &TComboBox::GetText, &TComboBox::SetText);
    info.Property("OnChange", &TComboBox::OnChange);
    info.Property("OnCloseUp", &TComboBox::OnCloseUp);
    info.Property("OnDrawItem", &TComboBox::OnDrawItem);
    info.Property("OnDropDown", &TComboBox::OnDropDown);
    info.Property("OnSelect", &TComboBox::OnSelect);
}

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TCustomListControl(AOwner)
{
    FControlStyle.Exclude(csSetCaption);
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    FEditChild.Instance = MakeObjectInstance(TWndMethod(this, &TCustomComboBox::EditWndProc));
    FListChild.Instance = MakeObjectInstance(TWndMethod(this, &TCustomComboBox::ListWndProc));
}

TCustomComboBox::~TCustomComboBox()
{
    // The child windows call the instances until the window is gone.
    Destroying();
    DestroyHandle();
    FreeObjectInstance(FEditChild.Instance);
    FreeObjectInstance(FListChild.Instance);
}

std::unique_ptr<TCustomComboBoxStrings> TCustomComboBox::AnsiItemsClass() const
{
    return std::make_unique<TCustomComboBoxStrings>(const_cast<TCustomComboBox*>(this));
}

TStrings* TCustomComboBox::GetItems() const
{
    if (!FItems)
        FItems = AnsiItemsClass();
    return FItems.get();
}

int TCustomComboBox::GetItemIndex() const
{
    if (!HandleAllocated())
        return FSavedIndex;
    return static_cast<int>(SendMessageA(FHandle, CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int value)
{
    if (!HandleAllocated()) {
        FSavedIndex = value < FSavedItems.GetCount() ? value : -1;
        return;
    }
    SendMessageA(FHandle, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TCustomComboBox::SetStyle(TComboBoxStyle value)
{
    if (FStyle != value) {
        FStyle = value;
        RecreateWnd();
    }
}

void TCustomComboBox::SetSorted(bool value)
{
    if (FSorted != value) {
        FSorted = value;
        RecreateWnd();
    }
}

bool TCustomComboBox::GetDroppedDown()
{
    return HandleAllocated() && SendMessageA(FHandle, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool value)
{
    SendMessageA(GetHandle(), CB_SHOWDROPDOWN, value, 0);
}

int TCustomComboBox::GetSelStart()
{
    DWORD start = 0;
    SendMessageA(GetHandle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

void TCustomComboBox::SetSelStart(int value)
{
    SendMessageA(GetHandle(), CB_SETEDITSEL, 0, MAKELPARAM(value, value));
}

int TCustomComboBox::GetSelLength()
{
    DWORD start = 0, end = 0;
    SendMessageA(GetHandle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TCustomComboBox::SetSelLength(int value)
{
    int start = GetSelStart();
    SendMessageA(GetHandle(), CB_SETEDITSEL, 0, MAKELPARAM(start, start + value));
}

AnsiString TCustomComboBox::GetSelText()
{
    if (FStyle != csDropDown && FStyle != csSimple)
        return AnsiString();
    return GetText().substr(static_cast<size_t>(GetSelStart()), static_cast<size_t>(GetSelLength()));
}

void TCustomComboBox::AddItem(const AnsiString& item, TObject* object)
{
    GetItems()->AddObject(item, object);
}

void TCustomComboBox::CopySelectedItems(TCustomListControl* destination)
{
    int index = GetItemIndex();
    if (index >= 0)
        destination->AddItem(GetItems()->Get(index), GetItems()->GetObject(index));
}

void TCustomComboBox::CreateParams(TCreateParams& params)
{
    TCustomListControl::CreateParams(params);
    CreateSubClass(params, "COMBOBOX");
    static constexpr DWORD styles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST,
                                       CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE};
    params.Style |= WS_VSCROLL | CBS_HASSTRINGS | CBS_AUTOHSCROLL | styles[FStyle];
    if (FSorted)
        params.Style |= CBS_SORT;
    // The window's height is that of the dropped-down list; the system sizes the closed box.
    params.Height = GetHeight() + FDropDownCount * FItemHeight + 2;
}

void TCustomComboBox::CreateWnd()
{
    AnsiString text = GetText();
    TCustomListControl::CreateWnd();
    if (FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable)
        SendMessageA(FHandle, CB_SETITEMHEIGHT, 0, FItemHeight);
    for (int i = 0; i < FSavedItems.GetCount(); ++i) {
        LRESULT index = SendMessageA(FHandle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FSavedItems.Get(i).c_str()));
        SendMessageA(FHandle, CB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(FSavedItems.GetObject(i)));
    }
    FSavedItems.Clear();
    if (FSavedIndex >= 0)
        SendMessageA(FHandle, CB_SETCURSEL, static_cast<WPARAM>(FSavedIndex), 0);
    else if (FStyle == csDropDown || FStyle == csSimple)
        SetText(text);
    FSavedIndex = -1;
    SubclassChildren();
}

void TCustomComboBox::SubclassChildren()
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (!GetComboBoxInfo(FHandle, &info))
        return;
    for (auto [child, wnd] : {std::pair{&FEditChild, info.hwndItem}, std::pair{&FListChild, info.hwndList}}) {
        // A drop-down list has its edit window in hwndItem too; the list styles have none.
        if (!wnd || wnd == FHandle || (child == &FEditChild && FStyle != csDropDown && FStyle != csSimple))
            continue;
        child->Wnd = wnd;
        child->DefProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(child->Instance)));
    }
}

void TCustomComboBox::EditWndProc(TMessage& message)
{
    try {
        HandleChildMessage(message, FEditChild);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TCustomComboBox::ListWndProc(TMessage& message)
{
    try {
        HandleChildMessage(message, FListChild);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TCustomComboBox::HandleChildMessage(TMessage& message, const TComboChild& child)
{
    // Keys reach the list only as the combo box passes them on, after its own key events.
    bool typedInto = &child == &FEditChild;
    switch (typedInto ? message.Msg : 0) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
        if (DoKeyMessage(message))
            return;
        break;
    default:
        break;
    }
    message.Result = CallWindowProcA(child.DefProc, child.Wnd, message.Msg, message.WParam, message.LParam);
}

void TCustomComboBox::DestroyWnd()
{
    if (!(GetComponentState() & csDestroying)) {
        FSavedItems.Clear();
        int count = static_cast<int>(SendMessageA(FHandle, CB_GETCOUNT, 0, 0));
        TCustomComboBoxStrings& items = static_cast<TCustomComboBoxStrings&>(*GetItems());
        for (int i = 0; i < count; ++i)
            FSavedItems.AddObject(items.Get(i), items.GetObject(i));
        FSavedIndex = static_cast<int>(SendMessageA(FHandle, CB_GETCURSEL, 0, 0));
    }
    TCustomListControl::DestroyWnd();
    FEditChild.Wnd = FListChild.Wnd = nullptr;
}

void TCustomComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
}

void TCustomComboBox::OwnerDrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    if (OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    TCanvas* canvas = FCanvas.get();
    canvas->FillRect(rect);
    if (index >= 0)
        canvas->TextOut(rect.left + 2, rect.top, GetItems()->Get(index));
}

void TCustomComboBox::DrawItemHandler(TMessage& message)
{
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
    TOwnerDrawState state;
    if (draw->itemState & ODS_SELECTED)
        state.Include(odSelected);
    if (draw->itemState & ODS_FOCUS)
        state.Include(odFocused);
    if (draw->itemState & ODS_DISABLED)
        state.Include(odDisabled);
    if (draw->itemState & ODS_COMBOBOXEDIT)
        state.Include(odComboBoxEdit);
    if (!FCanvas)
        FCanvas = std::make_unique<TControlCanvas>(this);
    FCanvas->Lock();
    FCanvas->SetHandle(draw->hDC);
    FCanvas->GetFont()->Assign(GetFont());
    FCanvas->GetBrush()->Assign(GetBrush());
    if (state.Contains(odSelected)) {
        FCanvas->GetBrush()->SetColor(clHighlight);
        FCanvas->GetFont()->SetColor(clHighlightText);
    }
    const RECT& r = draw->rcItem;
    try {
        OwnerDrawItem(static_cast<int>(draw->itemID), TRect(r.left, r.top, r.right, r.bottom), state);
    } catch (...) {
        FCanvas->SetHandle(nullptr);
        FCanvas->Unlock();
        throw;
    }
    FCanvas->SetHandle(nullptr);
    FCanvas->Unlock();
    message.Result = TRUE;
}

void TCustomComboBox::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        switch (HIWORD(message.WParam)) {
        case CBN_SELCHANGE:
            // A pick in the list: OnClick, then OnChange; the edit part shows the pick already.
            if ((FStyle == csDropDown || FStyle == csSimple) && GetItemIndex() >= 0)
                SetText(GetItems()->Get(GetItemIndex()));
            Click();
            Select();
            Change();
            return;
        case CBN_EDITCHANGE:
            Change();
            return;
        case CBN_DROPDOWN:
            if (OnDropDown)
                OnDropDown(this);
            return;
        case CBN_CLOSEUP:
            if (OnCloseUp)
                OnCloseUp(this);
            return;
        default:
            break;
        }
        break;
    case CN_DRAWITEM:
        DrawItemHandler(message);
        return;
    default:
        break;
    }
    TCustomListControl::WndProc(message);
}
