// Wide standard controls: Unicode windows with wide texts and items.
#pragma once

#include <functional>
#include <memory>

#include "classlib/StdCtrls.h"
#include "unicode/UniWideStrings.h"
#include "unicode_controls/UniControls.h"

// ---- combo box ----

class TUniCustomComboBox;

// The items of a wide combo box: the window's in UTF-16 when it is a Unicode
// window, else its 8-bit items converted; kept by the control while it has
// no window.
class TUniComboBoxStrings : public TUniStrings {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TUniComboBoxStrings(TUniCustomComboBox* comboBox) : FComboBox(comboBox) {}

    WideString Get(int index) const override;
    int GetCount() const override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    int Add(const WideString& s) override;
    void Insert(int index, const WideString& s) override;
    void Delete(int index) override;
    // Case ignored, as the window compares.
    int IndexOfString(const WideString& s) const override;
    // The edit part keeps its text.
    void Clear() override;

protected:
    void SetUpdateState(bool updating) override;

private:
    // The 8-bit item list of a window that is not Unicode.
    TStrings* AnsiItems() const;
    // The control's own list while it has no window; null with a window.
    TUniStringList* KeptItems() const;
    bool UnicodeWindow() const;
    int SendInsert(UINT msg, int index, const WideString& s) const;

    TUniCustomComboBox* FComboBox;
};

// The 8-bit items of the combo box: an item the window cannot answer for reads as ''.
class TD7PatchedComboBoxStrings : public TCustomComboBoxStrings {
public:
    using TCustomComboBoxStrings::TCustomComboBoxStrings;
    AnsiString Get(int index) const override;
};

// A combo box on a Unicode window with wide items and text, which completes
// typed text from its items.
class TUniCustomComboBox : public TCustomComboBox, public IWideListControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TUniCustomComboBox(TComponent* AOwner);
    ~TUniCustomComboBox() override;

    TUniStrings* GetItems() const { return FItems.get(); }
    virtual void SetItems(TUniStrings* value);
    WideString GetText() const;
    void SetText(const WideString& value);
    WideString GetHint() const;
    void SetHint(const WideString& value);
    // Not while an action supplies the hint.
    bool IsHintStored() const;
    int GetItemIndex() const override;
    void SetItemIndex(int value) override;

    // The edit part's selection in UTF-16 positions.
    int GetSelStart();
    void SetSelStart(int value);
    int GetSelLength();
    void SetSelLength(int value);
    WideString GetSelText();

    // Typed text completes from the items (the edit part) or searches them (the list styles).
    bool GetAutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value) { FAutoComplete = value; }
    // Typing opens the list.
    bool GetAutoDropDown() const { return FAutoDropDown; }
    void SetAutoDropDown(bool value) { FAutoDropDown = value; }
    // Typing an item in full closes the list.
    bool GetAutoCloseUp() const { return FAutoCloseUp; }
    void SetAutoCloseUp(bool value) { FAutoCloseUp = value; }

    using TCustomComboBox::AddItem;
    void AddItem(const WideString& item, TObject* object) override;
    void CopySelectedItems(TCustomListControl* destination) override;
    void WndProc(TMessage& message) override;

    // The first item from after `start` (-1: from the top) that begins with s, case
    // ignored; -1 when none.
    int FindPrefixMatch(int start, const WideString& s);
    // The item that alone begins with s; -1 when none or several do.
    int FindOnlyMatch(const WideString& s);

    // The milliseconds clock of the list styles' search pause; tests drive their own.
    std::function<DWORD()> TickCount;

protected:
    friend class TUniComboBoxStrings;
    // The character the edit part was sent: consumed (0 in the message) when it completed the text.
    virtual void DoAutoComplete(TMessage& message);
    void DefineProperties(TFiler* filer) override;
    void CreateWindowHandle(const TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    std::unique_ptr<TCustomComboBoxStrings> AnsiItemsClass() const override;
    void OwnerDrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
    void HandleChildMessage(TMessage& message, const TComboChild& child) override;
    TActionLinkClass GetActionLinkClass() const override;
    void ActionChange(TObject* sender, bool checkDefaults) override;

private:
    bool SelectMatch(const WideString& s, bool uniqueOnly, bool keepPrefix);
    // A user's choice: OnClick, OnSelect, OnChange.
    void Picked();
    bool HasEditPart() const { return GetStyle() == csDropDown || GetStyle() == csSimple; }
    void SearchListChar(TMessage& message);
    void ChildChar(TMessage& message, const TComboChild& child);
    void UnicodeChildProcedures();
    void KeepItems();
    void RestoreItems();

    std::unique_ptr<TUniComboBoxStrings> FItems;
    // The items and index while there is no window.
    std::unique_ptr<TUniStringList> FSavedItems;
    int FSavedIndex = -1;
    WideString FSearchText;
    DWORD FLastSearchTick = 0;
    bool FAutoComplete = true;
    bool FAutoDropDown = false;
    bool FAutoCloseUp = false;
};

class TUniComboBox : public TUniCustomComboBox {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TUniCustomComboBox::TUniCustomComboBox;
};

// ---- end of combo box ----
