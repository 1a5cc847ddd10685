// Wide versions of the class library's standard controls: wide captions and
// hints, Unicode windows, wide accelerators.
#pragma once

#include "classlib/StdCtrls.h"
#include "unicode_controls/UniControls.h"

// ---- push button ----

// The push button's accelerator: a wide caption's hot key clicks a button
// that can take the focus (result 1); any other character goes on to the
// button's children.
void WideButtonDialogChar(TButton* button, TMessage& message);

class TUniButton : public TButton {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TButton::TButton;

    WideString GetCaption() const { return GetWideText(const_cast<TUniButton*>(this)); }
    void SetCaption(const WideString& value) { SetWideText(this, value); }
    WideString GetHint() const { return GetWideHint(const_cast<TUniButton*>(this)); }
    void SetHint(const WideString& value) { SetWideHint(this, value); }
    bool CaptionStored() const { return IsWideCaptionStored(const_cast<TUniButton*>(this)); }
    bool HintStored() const { return IsWideHintStored(const_cast<TUniButton*>(this)); }

    void DefineProperties(TFiler* filer) override;

protected:
    void CreateWindowHandle(const TCreateParams& params) override;
    TActionLinkClass GetActionLinkClass() const override;
    void ActionChange(TObject* sender, bool checkDefaults) override;
    void WndProc(TMessage& message) override;
};
