#include "unicode/UniSystem.h"
#include "unicode_controls/UniActnList.h"
#include "unicode_controls/UniGraphics.h"
#include "unicode_controls/UniStdCtrls.h"

VARIRUVU_CLASS_INFO(TUniCustomComboBox, TCustomComboBox) {}

VARIRUVU_CLASS_INFO(TUniComboBox, TUniCustomComboBox)
{
    info.Property("Hint", &TUniComboBox::GetHint, &TUniComboBox::SetHint).Stored(&TUniComboBox::IsHintStored);
    info.Property("AutoComplete", &TUniComboBox::GetAutoComplete, &TUniComboBox::SetAutoComplete).Default(true);
    info.Property("AutoDropDown", &TUniComboBox::GetAutoDropDown, &TUniComboBox::SetAutoDropDown).Default(false);
    info.Property("AutoCloseUp", &TUniComboBox::GetAutoCloseUp, &TUniComboBox::SetAutoCloseUp).Default(false);
    info.Property("Style", &TUniComboBox::GetStyle, &TUniComboBox::SetStyle).Default(csDropDown);
    info.Property("DropDownCount", &TUniComboBox::GetDropDownCount, &TUniComboBox::SetDropDownCount).Default(8);
    info.Property("ItemHeight", &TUniComboBox::GetItemHeight, &TUniComboBox::SetItemHeight).Default(16);
    info.Property("Items", &TUniComboBox::GetItems, &TUniComboBox::SetItems);
    info.Property("ItemIndex", &TUniComboBox::GetItemIndex, &TUniComboBox::SetItemIndex).Default(-1);
    info.Property("Sorted", &TUniComboBox::GetSorted, &TUniComboBox::SetSorted).Default(false);
    info.Property("Text", &TUniComboBox::GetText, &TUniComboBox::SetText);
    info.Property("OnChange", &TUniComboBox::OnChange);
    info.Property("OnCloseUp", &TUniComboBox::OnCloseUp);
    info.Property("OnDrawItem", &TUniComboBox::OnDrawItem);
    info.Property("OnDropDown", &TUniComboBox::OnDropDown);
    info.Property("OnSelect", &TUniComboBox::OnSelect);
}

TUniCustomComboBox::TUniCustomComboBox(TComponent* AOwner)
    : TCustomComboBox(AOwner), TickCount([] { return GetTickCount(); }),
      FItems(std::make_unique<TUniComboBoxStrings>(this))
{
}

// The window goes first: its last messages may still ask for the items.
TUniCustomComboBox::~TUniCustomComboBox()
{
    Destroying();
    DestroyHandle();
}

// ---- texts and items ----

void TUniCustomComboBox::SetItems(TUniStrings* value)
{
    FItems->Assign(value);
}

WideString TUniCustomComboBox::GetText() const
{
    return GetWideText(const_cast<TUniCustomComboBox*>(this));
}

void TUniCustomComboBox::SetText(const WideString& value)
{
    SetWideText(this, value);
}

WideString TUniCustomComboBox::GetHint() const
{
    return GetWideHint(const_cast<TUniCustomComboBox*>(this));
}

void TUniCustomComboBox::SetHint(const WideString& value)
{
    SetWideHint(this, value);
}

bool TUniCustomComboBox::IsHintStored() const
{
    return IsWideHintStored(const_cast<TUniCustomComboBox*>(this));
}

int TUniCustomComboBox::GetItemIndex() const
{
    return HandleAllocated() ? TCustomComboBox::GetItemIndex() : FSavedIndex;
}

void TUniCustomComboBox::SetItemIndex(int value)
{
    if (HandleAllocated())
        TCustomComboBox::SetItemIndex(value);
    else
        FSavedIndex = value >= 0 && value < FItems->GetCount() ? value : -1;
}

void TUniCustomComboBox::AddItem(const WideString& item, TObject* object)
{
    FItems->AddObject(item, object);
}

void TUniCustomComboBox::CopySelectedItems(TCustomListControl* destination)
{
    int index = GetItemIndex();
    if (index >= 0)
        WideListAddItem(destination, FItems->Get(index), FItems->GetObject(index));
}

std::unique_ptr<TCustomComboBoxStrings> TUniCustomComboBox::AnsiItemsClass() const
{
    return std::make_unique<TD7PatchedComboBoxStrings>(const_cast<TUniCustomComboBox*>(this));
}

void TUniCustomComboBox::DefineProperties(TFiler* filer)
{
    TCustomComboBox::DefineProperties(filer);
    WidePropertyFilerHook(filer, this);
}

TActionLinkClass TUniCustomComboBox::GetActionLinkClass() const
{
    return WideActionLinkClass(const_cast<TUniCustomComboBox*>(this), TCustomComboBox::GetActionLinkClass());
}

void TUniCustomComboBox::ActionChange(TObject* sender, bool checkDefaults)
{
    TCustomComboBox::ActionChange(sender, checkDefaults);
    ApplyActionText(this, static_cast<TBasicAction*>(sender), checkDefaults);
}

// ---- the window ----

void TUniCustomComboBox::CreateWindowHandle(const TCreateParams& params)
{
    CreateUnicodeHandle(this, params, L"COMBOBOX");
}

void TUniCustomComboBox::CreateWnd()
{
    // The text kept while there was no window, wide where the helper holds it.
    WideString text = GetWideText(this);
    AnsiString ansiText = TCustomComboBox::GetText();
    TCustomComboBox::CreateWnd();
    if (IsUnicodePlatform())
        UnicodeChildProcedures();
    else
        TCustomComboBox::SetText(ansiText);
    RestoreItems();
    SetWideText(this, text);
}

void TUniCustomComboBox::DestroyWnd()
{
    if (GetControlState().Contains(csDestroyingHandle))
        return;
    if (GetComponentState() & csDestroying) {
        TCustomComboBox::DestroyWnd();
        return;
    }
    WideString text = GetWideText(this);
    KeepItems();
    TCustomComboBox::DestroyWnd();
    SetWideText(this, text);
}

// The items go into the control's own list, so that the class library keeps no 8-bit copy.
void TUniCustomComboBox::KeepItems()
{
    int count = FItems->GetCount();
    if (count == 0)
        return;
    auto kept = std::make_unique<TUniStringList>();
    for (int i = 0; i < count; ++i)
        kept->AddObject(FItems->Get(i), FItems->GetObject(i));
    FSavedIndex = GetItemIndex();
    SendMessageW(FHandle, CB_RESETCONTENT, 0, 0);
    FSavedItems = std::move(kept);
}

void TUniCustomComboBox::RestoreItems()
{
    std::unique_ptr<TUniStringList> kept = std::move(FSavedItems);
    int index = FSavedIndex;
    FSavedIndex = -1;
    if (!kept)
        return;
    for (int i = 0; i < kept->GetCount(); ++i)
        FItems->AddObject(kept->Get(i), kept->GetObject(i));
    if (index >= 0)
        SendMessageA(FHandle, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// ---- messages ----

void TUniCustomComboBox::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        if (HIWORD(message.WParam) == CBN_SELCHANGE) {
            int index = GetItemIndex();
            if (index >= 0)
                SetWideText(this, FItems->Get(index));
            Picked();
            return;
        }
        break;
    case WM_CHAR:
        if (!HasEditPart() && FAutoComplete) {
            SearchListChar(message);
            if (message.WParam == 0)
                return;
        }
        break;
    default:
        break;
    }
    TCustomComboBox::WndProc(message);
}

void TUniCustomComboBox::Picked()
{
    Click();
    Select();
    Change();
}

void TUniCustomComboBox::OwnerDrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    if (OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    TCanvas* canvas = GetCanvas();
    canvas->FillRect(rect);
    if (index >= 0)
        WideCanvasTextOut(canvas, rect.left + 2, rect.top, FItems->Get(index));
}
