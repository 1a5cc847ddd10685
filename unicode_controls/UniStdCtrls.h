// Wide standard controls: captions, hints and accelerators in UTF-16, on
// Unicode windows.
#pragma once

#include <functional>
#include <memory>

#include "classlib/StdCtrls.h"
#include "unicode/UniWideStrings.h"
#include "unicode_controls/UniTextControl.h"

// ---- label and check box ----

// A label that draws its wide caption on the NT family.
class TUniCustomLabel : public TUniTextControl<TCustomLabel> {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TUniTextControl<TCustomLabel>::TUniTextControl;

    void WndProc(TMessage& message) override;

protected:
    // The text the label draws and measures.
    virtual WideString GetLabelText() const { return GetCaption(); }
    void DoDrawText(TRect& rect, UINT flags) override;
};

class TUniLabel : public TUniCustomLabel {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TUniCustomLabel::TUniCustomLabel;
};

// A check box on a Unicode "BUTTON" window.
class TUniCustomCheckBox : public TUniTextControl<TCustomCheckBox> {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TUniTextControl<TCustomCheckBox>::TUniTextControl;

protected:
    void CreateWindowHandle(const TCreateParams& params) override;
    void WndProc(TMessage& message) override;
};

class TUniCheckBox : public TUniCustomCheckBox {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TUniCustomCheckBox::TUniCustomCheckBox;
};

// ---- end of label and check box ----

// ---- push button ----

// The push button's accelerator: a wide caption's hot key clicks a button
// that can take the focus (result 1); any other character goes on to the
// button's children.
void WideButtonDialogChar(TButton* button, TMessage& message);

class TUniButton : public TUniTextControl<TButton> {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TUniTextControl<TButton>::TUniTextControl;

protected:
    void CreateWindowHandle(const TCreateParams& params) override;
    void WndProc(TMessage& message) override;
};

// ---- end of push button ----

// ---- memo lines and edit selection ----

// The lines of a multi-line edit window, read and written in the window
// itself: through the W edit messages on a Unicode window, through the class
// library's 8-bit lines elsewhere.
class TUniMemoStrings : public TUniStrings {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    // Neither the memo nor its 8-bit lines are owned.
    TUniMemoStrings(TCustomMemo* memo, TStrings* memoLines);

    WideString Get(int index) const override;
    int GetCount() const override;
    WideString GetTextStr() const override;
    void Put(int index, const WideString& s) override;
    // The text in the list's line-break style; a text the window already holds leaves it untouched.
    void SetTextStr(const WideString& text) override;
    void Clear() override;
    void Delete(int index) override;
    void Insert(int index, const WideString& s) override;

    TLineBreakStyle GetLineBreakStyle() const { return FLineBreakStyle; }

protected:
    // For a rich edit's lines: the style its window keeps line breaks in.
    void SetRichEditMode(TLineBreakStyle style);
    void SetUpdateState(bool updating) override;

    TCustomMemo* GetMemo() const { return FMemo; }
    TStrings* GetMemoLines() const { return FMemoLines; }

private:
    bool UnicodeWindow() const;
    HWND Window() const { return FMemo->GetHandle(); }
    // -1 when the window has no such line.
    int LineStart(int index) const;
    // Of the line beginning at `start`, or of line `index` when start is -1.
    int LineLength(int index, int start) const;
    void InsertInWindow(int index, const WideString& s);

    TCustomMemo* FMemo;
    TStrings* FMemoLines;
    bool FRichEditMode = false;
    TLineBreakStyle FLineBreakStyle = lbsCRLF;
};

// The selection of an edit in wide characters. On the NT family these are
// the class library's own positions; elsewhere the 8-bit window counts bytes,
// which differ from characters in a multi-byte code page.
int GetWideSelStart(TCustomEdit* edit);
void SetWideSelStart(TCustomEdit* edit, int value);
int GetWideSelLength(TCustomEdit* edit);
void SetWideSelLength(TCustomEdit* edit, int value);
WideString GetWideSelText(TCustomEdit* edit);

// ---- end of memo lines and edit selection ----

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
