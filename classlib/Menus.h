// Menus: menu items, the menu bar of a form, popup menus, and the text of shortcuts.
//
// Every item has a command number unique in the process. An item's entry
// lives in the system menu of its parent item (the bar or popup of a menu for
// the top-level items); the system menu of an item is made when first asked
// for and then kept, entries being written in place as the item changes.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "classlib/Controls.h"
#include "classlib/StdCtrls.h"

class TMenu;
class TMenuItem;

VARIRUVU_EXCEPTION(EMenuError, Exception);

// The modifier prefixes of shortcut texts.
inline constexpr const char* SmkcShift = "Shift+";
inline constexpr const char* SmkcCtrl = "Ctrl+";
inline constexpr const char* SmkcAlt = "Alt+";

TShortCut ShortCut(WORD key, TShiftState shift);
// "Ctrl+O", "Shift+Ctrl+F5", "Alt+BkSp"; '' for no shortcut.
AnsiString ShortCutToText(TShortCut shortCut);
// The reverse, case ignored; 0 for a text that names no shortcut.
TShortCut TextToShortCut(const AnsiString& text);
// The caption without its hot-key marks ('&'; "&&" stays one ampersand).
AnsiString StripHotkey(const AnsiString& caption);
// Equal without hot-key marks and case: how menu items match their action's caption.
bool SameCaption(const AnsiString& a, const AnsiString& b);
// The part of a hint before / after the first '|' (the whole hint without one).
AnsiString GetShortHint(const AnsiString& hint);
AnsiString GetLongHint(const AnsiString& hint);

using TMenuDrawItemEvent = TEvent<TObject*, TCanvas*, TRect, bool>;
using TAdvancedMenuDrawItemEvent = TEvent<TObject*, TCanvas*, TRect, TOwnerDrawState>;
using TMenuMeasureItemEvent = TEvent<TObject*, TCanvas*, int&, int&>;

class TMenuActionLink;

class TMenuItem : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    const AnsiString& GetCaption() const { return FCaption; }
    void SetCaption(const AnsiString& value);
    bool GetChecked() const { return FChecked; }
    void SetChecked(bool value);
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool value);
    const AnsiString& GetHint() const { return FHint; }
    void SetHint(const AnsiString& value);
    TShortCut GetShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value);
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool value);
    // A caption of "-" makes a separator line.
    bool IsLine() const { return FCaption == "-"; }

    UINT GetCommand() const { return FCommand; }
    // The system menu of this item's sub-items, made when first asked for.
    HMENU GetHandle();
    bool HandleAllocated() const { return FHandle != nullptr; }

    int GetCount() const { return static_cast<int>(FItems.size()); }
    TMenuItem* GetItems(int index) const { return FItems.at(static_cast<size_t>(index)); }
    int IndexOf(const TMenuItem* item) const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    TMenuItem* GetParent() const { return FParent; }
    // The menu the item belongs to, through its parents.
    TMenu* GetParentMenu() const;
    // An item of the bar or popup of a menu itself (not of a sub-menu).
    bool IsTopLevel() const;
    // This item or one below it with the command or sub-menu handle, or null.
    TMenuItem* FindByCommand(UINT command);
    TMenuItem* FindBySubMenu(HMENU menu);

    TBasicAction* GetAction() const;
    void SetAction(TBasicAction* value);
    TMenuActionLink* GetActionLink() const { return FActionLink.get(); }
    // Brings the action up to date.
    virtual void InitiateAction();
    // OnClick, or the action.
    virtual void Click();

    // Owner drawing: the item paints itself into the rectangle / gives its size.
    virtual void AdvancedDrawItem(TCanvas* canvas, TRect rect, TOwnerDrawState state, bool topLevel);
    virtual void MeasureItem(TCanvas* canvas, int& width, int& height);
    // Stored tests: a text the action supplies is not stored.
    bool IsCaptionStored() const;
    bool IsHintStored() const;

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* value) override;

    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;

protected:
    friend class TMenu;
    friend class TMenuActionLink;
    // The item's entry is written again (text, state, sub-menu, visibility).
    virtual void MenuChanged();
    virtual TActionLinkClass GetActionLinkClass() const;
    virtual void ActionChange(TObject* sender, bool checkDefaults);
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    // Where the base drawing writes the caption and the shortcut, and how.
    struct TTextPlace {
        TRect CaptionRect;
        TRect ShortCutRect;  // right aligned; empty for items of the bar
        UINT CaptionFlags;   // DrawText alignment of the caption
        TColor Color;
        bool Embossed;       // disabled: drawn raised in the highlight colour, then in grey
    };
    TTextPlace TextPlace(const TRect& rect, TOwnerDrawState state, bool topLevel) const;
    // Writes text with `draw` (an 8-bit or wide DrawText) in the colour and style of `place`.
    static void DrawMenuText(TCanvas* canvas, TRect rect, UINT flags, const TTextPlace& place,
                             const std::function<void(HDC, RECT&, UINT)>& draw);
    // The menu font in the canvas.
    static void PrepareCanvas(TCanvas* canvas);

private:
    void WriteEntry();

    AnsiString FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    AnsiString FHint;
    TShortCut FShortCut = scNone;
    bool FVisible = true;
    UINT FCommand = 0;
    HMENU FHandle = nullptr;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr;  // set on the root item of a menu
    std::vector<TMenuItem*> FItems;
    std::unique_ptr<TMenuActionLink> FActionLink;
};

class TMenu : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    TMenuItem* GetItems() const { return FItems; }
    HMENU GetHandle() { return FItems->GetHandle(); }
    bool GetOwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool value);
    // The bar of a main menu; a popup menu is a drop-down list.
    virtual bool IsBar() const { return false; }

    TMenuItem* FindItem(UINT command) const { return FItems->FindByCommand(command); }
    // WM_COMMAND of a menu: the item's click. False when no item has the command.
    bool DispatchCommand(UINT command);
    // WM_INITMENUPOPUP: the sub-items bring their actions up to date.
    bool DispatchPopup(HMENU menu);
    // WM_DRAWITEM and WM_MEASUREITEM of an owner-drawn item.
    bool DispatchDrawItem(const DRAWITEMSTRUCT& draw);
    bool DispatchMeasureItem(MEASUREITEMSTRUCT& measure);

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

private:
    TMenuItem* FItems;
    bool FOwnerDraw = false;
};

// The menu bar of a form.
class TMainMenu : public TMenu {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TMenu::TMenu;

    bool IsBar() const override { return true; }
    // The window whose bar shows the menu (set by the form), or null.
    HWND GetWindowHandle() const { return FWindowHandle; }
    void SetWindowHandle(HWND value) { FWindowHandle = value; }
    // Redraws the bar after a top-level entry changed.
    void DrawMenuBar() const;

private:
    HWND FWindowHandle = nullptr;
};

class TPopupMenu : public TMenu {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    // Shows the menu at the screen point and returns when it is closed; the
    // chosen item's click comes through the popup list's window.
    void Popup(int x, int y);

    TNotifyEvent OnPopup;
};

// The popup menus of the process and the window their messages go to.
class TPopupList : public TObject {
public:
    TPopupList();
    ~TPopupList() override;

    int GetCount() const { return static_cast<int>(FMenus.size()); }
    TPopupMenu* GetMenus(int index) const { return FMenus.at(static_cast<size_t>(index)); }
    void Add(TPopupMenu* menu);
    void Remove(TPopupMenu* menu);
    HWND GetWindow();
    // The item of one of the menus with the command / the sub-menu, or null.
    TMenuItem* FindItem(UINT command) const;
    TMenuItem* FindSubMenuItem(HMENU menu) const;

protected:
    // WM_COMMAND, WM_INITMENUPOPUP, WM_MENUSELECT (the application hint), owner drawing.
    virtual void WndProc(TMessage& message);

private:
    std::vector<TPopupMenu*> FMenus;
    HWND FWindow = nullptr;
};

// The popup list the popup menus use; replaceable.
extern TPopupList* PopupList;

class TMenuActionLink : public TActionLink {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TMenuActionLink(TObject* client);
    TMenuItem* GetClient() const { return FClient; }

    bool IsCaptionLinked() override;
    bool IsCheckedLinked() override;
    bool IsEnabledLinked() override;
    bool IsHintLinked() override;
    bool IsShortCutLinked() override;
    bool IsVisibleLinked() override;
    bool IsOnExecuteLinked() override;
    void SetCaption(const AnsiString& value) override;
    void SetChecked(bool value) override;
    void SetEnabled(bool value) override;
    void SetHint(const AnsiString& value) override;
    void SetShortCut(TShortCut value) override;
    void SetVisible(bool value) override;
    void SetOnExecute(const TNotifyEvent& value) override;

protected:
    TMenuItem* FClient;
};
