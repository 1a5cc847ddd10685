// Wide standard controls: captions, hints and accelerators in UTF-16, on
// Unicode windows.
#pragma once

#include "classlib/StdCtrls.h"
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
