// Wide (UTF-16) common controls.
#pragma once

#include "classlib/ComCtrls.h"
#include "unicode_controls/UniActnList.h"
#include "unicode_controls/UniStdCtrls.h"

// ---- rich edit ----

// Whether the platform's second rich edit library is loaded, loading it on
// first need; the module stays for the life of the program, a failed load is
// tried again at the next need.
bool RichEditLibraryLoaded();
// For tests: the routine that loads the library by name; the library loaded
// so far is let go. Answers the routine used until now.
using TLibraryLoader = HMODULE (*)(const WideString& fileName);
TLibraryLoader SetRichEditLoaderForTesting(TLibraryLoader loader);

// Whether the Active Input Method Manager is in use, made and activated on
// first need when its class is registered; any failure leaves it out of use.
bool ActiveImmAvailable();

class TUniCustomRichEdit;

// The lines of a wide rich edit; loading and saving carry rich text through
// the class library unless the control is set to plain text.
class TUniRichEditStrings : public TUniMemoStrings {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    TUniRichEditStrings(TUniCustomRichEdit* richEdit, TStrings* richEditLines, TLineBreakStyle style);

    void SetTextStr(const WideString& text) override;
    using TUniMemoStrings::AddStrings;
    void AddStrings(const TWideStrings* source) override;
    void LoadFromFile(const WideString& fileName) override;
    void SaveToFile(const WideString& fileName) override;
    void LoadFromStreamDetect(TStream* stream, bool detect) override;
    void SaveToStreamMarked(TStream* stream, bool withMark) override;

private:
    TUniCustomRichEdit* FRichEdit;
};

// A rich edit with wide text. On the NT family with the second rich edit
// library its window keeps a line break as one CR; every position and text
// it hands out is then in the CR LF form of the rest of the program.
// Elsewhere it is the class library's rich edit, whose text is 8-bit.
class TUniCustomRichEdit : public TCustomRichEdit {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TUniCustomRichEdit(TComponent* AOwner);
    ~TUniCustomRichEdit() override;

    TUniStrings* GetLines() const { return FLines.get(); }
    void SetLines(TUniStrings* value) { FLines->Assign(value); }
    WideString GetHint() const { return GetWideHint(const_cast<TUniCustomRichEdit*>(this)); }
    void SetHint(const WideString& value) { SetWideHint(this, value); }
    bool IsHintStored() const { return IsWideHintStored(const_cast<TUniCustomRichEdit*>(this)); }
    WideString GetText();
    void SetText(const WideString& value) { FLines->SetTextStr(value); }

    virtual int GetSelStart();
    virtual void SetSelStart(int value);
    virtual int GetSelLength();
    virtual void SetSelLength(int value);
    AnsiString GetSelText() override;
    WideString GetWideSelText();

    TLineBreakStyle GetLineBreakStyle() const { return FLineBreakStyle; }
    void PrintText(const AnsiString& caption) override;
    void WndProc(TMessage& message) override;
    void DefineProperties(TFiler* filer) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWindowHandle(const TCreateParams& params) override;
    void CreateWnd() override;
    bool DoKeyDown(WORD& key, TShiftState shift) override;
    TActionLinkClass GetActionLinkClass() const override;
    void ActionChange(TObject* sender, bool checkDefaults) override;

private:
    // Between the window's positions (a break is one CR) and the text's (CR LF).
    int WindowToText(int position);
    int TextToWindow(int position);

    TLineBreakStyle FLineBreakStyle;
    std::unique_ptr<TUniRichEditStrings> FLines;
    int FPrintingTextLength = 0;
};

class TUniRichEdit : public TUniCustomRichEdit {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TUniCustomRichEdit::TUniCustomRichEdit;
};

// ---- end of rich edit ----
