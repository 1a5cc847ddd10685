// Standard controls: labels, push buttons, check boxes, radio buttons, edits,
// memos and combo boxes.
#pragma once

#include <functional>
#include <memory>

#include "classlib/Forms.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
VARIRUVU_ENUM_INFO(TAlignment, taLeftJustify, taRightJustify, taCenter);
enum TTextLayout { tlTop, tlCenter, tlBottom };
VARIRUVU_ENUM_INFO(TTextLayout, tlTop, tlCenter, tlBottom);
// A control's border: bsNone or bsSingle.
using TBorderStyle = TFormBorderStyle;
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
VARIRUVU_ENUM_INFO(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth);

// True when `key` is the character after the '&' of `caption` (case ignored).
bool IsAccel(unsigned key, const AnsiString& caption);

class TCustomLabel : public TGraphicControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TCustomLabel(TComponent* AOwner);

    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TWinControl* GetFocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value);
    bool GetShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TTextLayout GetLayout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

    void WndProc(TMessage& message) override;

protected:
    // Draws (or, with DT_CALCRECT, measures into `rect`) the caption on the canvas.
    virtual void DoDrawText(TRect& rect, UINT flags);
    // DoDrawText's share for any kind of text: `draw` writes the text with the
    // flags given, into the label's font, twice (embossed) for a disabled label.
    void DrawTextWith(TRect& rect, UINT flags, const std::function<void(HDC dc, RECT& r, UINT flags)>& draw);
    // An empty text, or a lone accelerator mark, would measure no line: a space stands in.
    template <class S>
    void PadForMeasure(S& text, UINT flags) const
    {
        if ((flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text.size() == 1 && text[0] == '&')))
            text += ' ';
    }
    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // The size follows the text when AutoSize is on.
    virtual void AdjustBounds();
    // The alignment and word-wrap part of the DrawText flags.
    UINT TextFlags() const;

private:
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TWinControl* FFocusControl = nullptr;
    bool FShowAccelChar = true;
    bool FTransparent = false;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
};

class TLabel : public TCustomLabel {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCustomLabel::TCustomLabel;
};

// A control on a window of the system's "BUTTON" class.
class TButtonControl : public TWinControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TButtonControl(TComponent* AOwner);

protected:
    TActionLinkClass GetActionLinkClass() const override;
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    // The button was pressed (BN_CLICKED).
    virtual void ButtonClicked() { Click(); }
    // Whether `key` is the hot key of the caption (Alt plus a character).
    virtual bool IsCaptionAccel(WPARAM key) const { return IsAccel(static_cast<unsigned>(key), GetCaption()); }
};

class TButtonActionLink : public TWinControlActionLink {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TWinControlActionLink::TWinControlActionLink;
};

class TButton : public TButtonControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TButton(TComponent* AOwner);

    bool GetDefault() const { return FDefault; }
    void SetDefault(bool value);
    bool GetCancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    TModalResult GetModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // Sets the form's ModalResult first when the button has one.
    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
VARIRUVU_ENUM_INFO(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed);

// A check box whose state the control keeps; the window shows it.
class TCustomCheckBox : public TButtonControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TCustomCheckBox(TComponent* AOwner);

    TCheckBoxState GetState() const { return FState; }
    // A change raises OnClick (not while the form is being read).
    void SetState(TCheckBoxState value);
    bool GetChecked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    bool GetAllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }
    // taRightJustify: the text right of the box.
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void ButtonClicked() override { Toggle(); }
    virtual void Toggle();

private:
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
    TAlignment FAlignment = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCustomCheckBox::TCustomCheckBox;
};

class TRadioButton : public TButtonControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TRadioButton(TComponent* AOwner);

    bool GetChecked() const { return FChecked; }
    // Checking one unchecks the radio buttons beside it; a change raises OnClick.
    void SetChecked(bool value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void ButtonClicked() override { SetChecked(true); }

private:
    bool FChecked = false;
};

// A control on a window of the system's "EDIT" class.
class TCustomEdit : public TWinControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TCustomEdit(TComponent* AOwner);

    TBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    char GetPasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char value);
    bool GetReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    int GetMaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    int GetSelStart();
    void SetSelStart(int value);
    int GetSelLength();
    void SetSelLength(int value);
    virtual AnsiString GetSelText();
    void SetSelText(const AnsiString& value);
    void SelectAll();

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    virtual void Change();

private:
    TBorderStyle FBorderStyle = bsSingle;
    char FPasswordChar = 0;
    bool FReadOnly = false;
    int FMaxLength = 0;
};

class TEdit : public TCustomEdit {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCustomEdit::TCustomEdit;
};

class TCustomMemo;

// The lines of a memo: the lines of its text, read from and written to the
// window's text (CR, LF or CR LF end a line).
class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TCustomMemo* memo) : FMemo(memo) {}
    TCustomMemo* GetMemo() const { return FMemo; }
    AnsiString Get(int index) const override;
    int GetCount() const override;
    void Put(int index, const AnsiString& s) override;
    AnsiString GetTextStr() const override;
    void SetTextStr(const AnsiString& text) override;
    void Clear() override;
    void Delete(int index) override;
    void Insert(int index, const AnsiString& s) override;

private:
    std::vector<AnsiString> Lines() const;
    void SetLines(const std::vector<AnsiString>& lines);

    TCustomMemo* FMemo;
};

class TCustomMemo : public TCustomEdit {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TCustomMemo(TComponent* AOwner);

    TStrings* GetLines() const { return FLines.get(); }
    void SetLines(TStrings* value) { FLines->Assign(value); }
    TScrollStyle GetScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool GetWantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    // For a descendant whose lines do more than the memo's.
    void ReplaceLines(std::unique_ptr<TStrings> lines) { FLines = std::move(lines); }

private:
    std::unique_ptr<TStrings> FLines;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
    bool FWantReturns = true;
};

class TMemo : public TCustomMemo {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCustomMemo::TCustomMemo;
};

// A windowed control that lists items and can copy its selection into another.
class TCustomListControl : public TWinControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TWinControl::TWinControl;

    virtual int GetItemIndex() const = 0;
    virtual void SetItemIndex(int value) = 0;
    virtual void AddItem(const AnsiString& item, TObject* object) = 0;
    // Adds the selected items, with their objects, to the destination.
    virtual void CopySelectedItems(TCustomListControl* destination) = 0;
    virtual void ClearItems() = 0;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
VARIRUVU_ENUM_INFO(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable);
enum TOwnerDrawStateFlag { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit };
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;
using TDrawItemEvent = TEvent<TWinControl*, int, TRect, TOwnerDrawState>;

class TCustomComboBox;

// The items of a combo box: the window's (CB_* messages) while it has one,
// else the list the combo box keeps until its window is made.
class TCustomComboBoxStrings : public TStrings {
public:
    explicit TCustomComboBoxStrings(TCustomComboBox* comboBox) : FComboBox(comboBox) {}
    AnsiString Get(int index) const override;
    int GetCount() const override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    void Clear() override;
    void Delete(int index) override;
    void Insert(int index, const AnsiString& s) override;
    int Add(const AnsiString& s) override;
    int IndexOf(const AnsiString& s) const override;

protected:
    TCustomComboBox* GetComboBox() const { return FComboBox; }
    // The window's answer to CB_ADDSTRING or CB_INSERTSTRING; EOutOfResources on a refusal.
    static int CheckInserted(LRESULT result);
    void SetUpdateState(bool updating) override;

private:
    TCustomComboBox* FComboBox;
};

class TCustomComboBox : public TCustomListControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TCustomComboBox(TComponent* AOwner);
    ~TCustomComboBox() override;

    TStrings* GetItems() const;
    void SetItems(TStrings* value) { GetItems()->Assign(value); }
    int GetItemIndex() const override;
    // Selects from code: no OnClick, no OnChange.
    void SetItemIndex(int value) override;
    TComboBoxStyle GetStyle() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    int GetDropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value) { FDropDownCount = value; }
    bool GetSorted() const { return FSorted; }
    void SetSorted(bool value);
    int GetItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value) { FItemHeight = value; }
    bool GetDroppedDown();
    void SetDroppedDown(bool value);
    // The selection in the edit part (CB_GETEDITSEL / CB_SETEDITSEL); the list styles have none.
    int GetSelStart();
    void SetSelStart(int value);
    int GetSelLength();
    void SetSelLength(int value);
    AnsiString GetSelText();
    // The edit and list windows the system made inside the combo box (null without a window).
    HWND GetEditHandle() const { return FEditChild.Wnd; }
    HWND GetListHandle() const { return FListChild.Wnd; }
    void AddItem(const AnsiString& item, TObject* object) override;
    void CopySelectedItems(TCustomListControl* destination) override;
    void ClearItems() override { GetItems()->Clear(); }

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;

protected:
    friend class TCustomComboBoxStrings;
    // A window inside the combo box whose messages pass through the control first.
    struct TComboChild {
        HWND Wnd = nullptr;
        WNDPROC Instance = nullptr;  // the procedure the window now has
        WNDPROC DefProc = nullptr;   // the system's, which the messages go on to
    };
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    virtual void Change();
    virtual void Select();
    // The item list the combo box uses; made once, on first need.
    virtual std::unique_ptr<TCustomComboBoxStrings> AnsiItemsClass() const;
    // Paints item `index` (-1: the edit part without a selection).
    virtual void OwnerDrawItem(int index, const TRect& rect, TOwnerDrawState state);
    // A message for the edit or list window: the keys go to the control's key
    // events first; the rest goes on to the window's own procedure.
    virtual void HandleChildMessage(TMessage& message, const TComboChild& child);
    // The canvas of the item being drawn.
    TCanvas* GetCanvas() const { return FCanvas.get(); }

    TComboChild FEditChild;
    TComboChild FListChild;

private:
    void DrawItemHandler(TMessage& message);
    void EditWndProc(TMessage& message);
    void ListWndProc(TMessage& message);
    void SubclassChildren();

    mutable std::unique_ptr<TCustomComboBoxStrings> FItems;
    // The items and index while the combo box has no window.
    TStringList FSavedItems;
    int FSavedIndex = -1;
    TComboBoxStyle FStyle = csDropDown;
    int FDropDownCount = 8;
    bool FSorted = false;
    int FItemHeight = 16;
    std::unique_ptr<TControlCanvas> FCanvas;
};

class TComboBox : public TCustomComboBox {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCustomComboBox::TCustomComboBox;
};
