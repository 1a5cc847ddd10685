// Menu items with wide (UTF-16) captions and hints, the wide text of
// shortcuts, and the hot-key marks ("&") of wide captions.
//
// The class library writes an item's 8-bit text into the system menu; a wide
// item writes its wide text over it (with GetMenuItemInfoW / SetMenuItemInfoW)
// whenever the item changes, and draws its wide text when owner-drawn.
#pragma once

#include "classlib/Menus.h"
#include "unicode_controls/UniActnList.h"

WideString GetVirtualKeyName(uint16_t key);
// The key's character; a digit key gives its digit even where the keyboard
// puts another character on it.
wchar_t VirtualKeyToChar(uint16_t key);
// Named keys (BkSp, F5, ...) as the class library names them; others as the
// keyboard labels them. '' for a key without a text.
WideString ShortCutToWideText(TShortCut shortCut);

// 1-based position of the character after the last single '&' ("&&" is a
// literal ampersand); 0 when there is none.
int HotKeyPosition(const WideString& text);
WideString HotKeyChar(const WideString& text);
WideString RemoveHotKeyMarks(const WideString& text);
// Equal once the hot-key marks are gone: case ignored / case-sensitive.
bool SameCaptionText(const WideString& a, const WideString& b);
bool SameCaptionTextExact(const WideString& a, const WideString& b);
// Moves the hot-key marks of `dest` to where the 8-bit caption `source` has
// them, when the class library moved them there; EUniInternalError when the
// two still differ.
void SyncHotKeyPosition(const WideString& source, WideString& dest);

class TUniMenuItem : public TMenuItem {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TMenuItem::TMenuItem;

    WideString GetWideCaption() const;
    void SetWideCaption(const WideString& value);
    WideString GetWideHint() const;
    void SetWideHint(const WideString& value);

    void DefineProperties(TFiler* filer) override;
    void AdvancedDrawItem(TCanvas* canvas, TRect rect, TOwnerDrawState state, bool topLevel) override;
    void MeasureItem(TCanvas* canvas, int& width, int& height) override;
    // Rewrites the texts first when the keyboard layout changed since.
    void InitiateAction() override;
    // Writes the wide text of the item into its parent's system menu.
    void WriteSystemText();

protected:
    void Loaded() override;
    void MenuChanged() override;
    TActionLinkClass GetActionLinkClass() const override;
    void ActionChange(TObject* sender, bool checkDefaults) override;

private:
    mutable WideString FWideCaption;
    mutable WideString FWideHint;
    HKL FKeyboardLayout = nullptr;
    bool FSuppressMenuChanged = false;
};

// Writes the wide text of the first visible top-level item of the menu.
void WriteFirstTopLevelText(TMenu* menu);

class TUniMenuActionLink : public TUniLinkOf<TMenuActionLink> {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TUniLinkOf<TMenuActionLink>::TUniLinkOf;

protected:
    const TWideLinkClient& Rules() const override;
};

// A popup list that shows wide hints of popup menu items.
class TUniPopupList : public TPopupList {
public:
    explicit TUniPopupList(TPopupList* saved) : FSaved(saved) {}

protected:
    void WndProc(TMessage& message) override;

private:
    TPopupList* FSaved;
};

// The process's one, holding the class library's popup list it was made beside.
TUniPopupList* UniPopupList();
