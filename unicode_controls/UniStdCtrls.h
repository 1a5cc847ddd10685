// Wide standard controls: captions, hints and accelerators in UTF-16, on
// Unicode windows.
#pragma once

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
