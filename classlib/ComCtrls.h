// Common controls: progress bar, list view, page control with its sheets, rich edit.
#pragma once

#include <memory>
#include <vector>

#include "classlib/ImgList.h"
#include "classlib/StdCtrls.h"

// Makes the common control classes known to the system (once).
void InitCommonControls6();

// ---- progress bar ----

class TProgressBar : public TWinControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TProgressBar(TComponent* AOwner);

    int GetMin() const { return FMin; }
    void SetMin(int value) { SetParams(FPosition, value, FMax); }
    int GetMax() const { return FMax; }
    void SetMax(int value) { SetParams(FPosition, FMin, value); }
    // The window answers PBM_GETPOS and PBM_SETPOS from here too.
    int GetPosition() const { return FPosition; }
    // Kept within Min..Max; the window shows it with its next paint.
    void SetPosition(int value) { SetParams(value, FMin, FMax); }
    int GetStep() const { return FStep; }
    void SetStep(int value) { FStep = value; }
    bool GetSmooth() const { return FSmooth; }
    void SetSmooth(bool value);
    void StepIt() { SetPosition(GetPosition() + FStep); }
    void StepBy(int delta) { SetPosition(GetPosition() + delta); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    void SetParams(int position, int minimum, int maximum);
    // Tells the window the position, when it does not hold it yet.
    void ShowPosition();

    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FStep = 10;
    bool FSmooth = false;
    bool FPositionShown = false;  // the window holds FPosition
    bool FShowingPosition = false;
};

// ---- list view ----

class TCustomListView;
class TListItems;

class TListColumn : public TCollectionItem {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TListColumn(TCollection* collection);
    ~TListColumn() override;

    const AnsiString& GetCaption() const { return FCaption; }
    void SetCaption(const AnsiString& value);
    int GetWidth() const;
    void SetWidth(int value);
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    AnsiString GetDisplayName() const override { return FCaption.empty() ? TCollectionItem::GetDisplayName() : FCaption; }
    void Assign(TPersistent* source) override;

protected:
    friend class TListColumns;
    friend class TCustomListView;
    TCustomListView* GetListView() const;
    // Writes the column into the window (LVM_SETCOLUMNA).
    void UpdateColumn();

private:
    AnsiString FCaption;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
};

class TListColumns : public TOwnedCollection {
    friend class TListColumn;
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TListColumns(TCustomListView* owner, const TClassInfo& columnClass = TListColumn::ClassInfo());
    TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
    TListColumn* GetItems(int index) const { return static_cast<TListColumn*>(GetItem(index)); }
    TCustomListView* GetOwnerView() const { return FListView; }

protected:
    void Update(TCollectionItem* item) override;
    void Notify(TCollectionItem* item, TCollectionNotification action) override;

private:
    TCustomListView* FListView;
    // A column under construction: the window learns of it when it is complete.
    TCollectionItem* FIncomplete = nullptr;
};

class TListItem;

// The sub-item texts of an item; a change shows in the window at once.
class TSubItems : public TStringList {
public:
    explicit TSubItems(TListItem* owner) : FOwner(owner) {}

protected:
    void Changed() override;

private:
    TListItem* FOwner;
};

// One row. The item keeps its values; the window shows them while it exists.
class TListItem : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TListItem(TListItems* owner);
    ~TListItem() override;

    TListItems* GetOwnerItems() const { return FOwner; }
    TCustomListView* GetListView() const;
    int GetIndex() const;
    const AnsiString& GetCaption() const { return FCaption; }
    void SetCaption(const AnsiString& value);
    TStrings* GetSubItems() const { return FSubItems.get(); }
    void SetSubItems(TStrings* value) { FSubItems->Assign(value); }
    bool GetChecked() const;
    void SetChecked(bool value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int GetIndent() const { return FIndent; }
    void SetIndent(int value);
    bool GetSelected() const;
    void SetSelected(bool value);
    bool GetFocused() const;
    void SetFocused(bool value);
    void* GetData() const { return FData; }
    void SetData(void* value) { FData = value; }
    void Delete();
    void MakeVisible(bool partialOK);
    // Caption, Data, ImageIndex, Indent, sub-items and Checked of another item.
    void Assign(TPersistent* source) override;

private:
    friend class TCustomListView;
    friend class TListItems;
    friend class TSubItems;
    // Takes the window's check and selection state (before the window goes).
    void ReadWindowState();

    TListItems* FOwner;
    AnsiString FCaption;
    std::unique_ptr<TSubItems> FSubItems;
    bool FChecked = false;
    bool FSelected = false;
    bool FFocused = false;
    int FImageIndex = -1;
    int FIndent = 0;
    void* FData = nullptr;
};

// A list item class and the way to make one, for OnCreateItemClass.
struct TListItemClass {
    const TClassInfo* Info = nullptr;
    TListItem* (*Create)(TListItems* owner) = nullptr;

    template <class I>
    static TListItemClass Of()
    {
        return {&I::ClassInfo(), [](TListItems* owner) -> TListItem* { return new I(owner); }};
    }
};

class TListItems : public TPersistent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TListItems(TCustomListView* owner);
    ~TListItems() override;

    TCustomListView* GetOwnerView() const { return FOwner; }
    int GetCount() const { return static_cast<int>(FItems.size()); }
    TListItem* GetItem(int index) const;
    TListItem* Add();
    TListItem* AddItem(TListItem* item, int index = -1);
    TListItem* Insert(int index);
    void Delete(int index);
    void Clear();
    int IndexOf(const TListItem* item) const;
    void BeginUpdate();
    void EndUpdate();
    void Assign(TPersistent* source) override;

private:
    friend class TListItem;
    friend class TCustomListView;
    void CheckIndex(int index) const;

    TCustomListView* FOwner;
    std::vector<std::unique_ptr<TListItem>> FItems;
    int FUpdateCount = 0;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
VARIRUVU_ENUM_INFO(TViewStyle, vsIcon, vsSmallIcon, vsList, vsReport);
enum TItemChange { ctText, ctImage, ctState };
VARIRUVU_ENUM_INFO(TItemChange, ctText, ctImage, ctState);
using TLVChangeEvent = TEvent<TObject*, TListItem*, TItemChange>;
using TLVCompareEvent = TEvent<TObject*, TListItem*, TListItem*, int, int&>;
using TLVEditingEvent = TEvent<TObject*, TListItem*, bool&>;
using TLVEditedEvent = TEvent<TObject*, TListItem*, AnsiString&>;
enum TOwnerDrawItemStateFlag { odsSelected, odsFocused, odsDisabled };
using TCustomDrawState = TSet<TOwnerDrawItemStateFlag>;
using TLVDrawItemEvent = TEvent<TCustomListView*, TListItem*, TRect, TCustomDrawState>;
using TLVInfoTipEvent = TEvent<TObject*, TListItem*, AnsiString&>;
using TLVCreateItemClassEvent = TEvent<TObject*, TListItemClass&>;

class TListViewActionLink : public TWinControlActionLink {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TWinControlActionLink::TWinControlActionLink;
};

class TCustomListView : public TCustomListControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TCustomListView(TComponent* AOwner);
    ~TCustomListView() override;

    TListColumns* GetColumns() const { return FColumns.get(); }
    void SetColumns(TListColumns* value) { FColumns->Assign(value); }
    TListItems* GetItems() const;
    void SetItems(TListItems* value) { GetItems()->Assign(value); }
    TViewStyle GetViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle value);
    bool GetCheckboxes() const { return FCheckboxes; }
    void SetCheckboxes(bool value);
    bool GetGridLines() const { return FGridLines; }
    void SetGridLines(bool value);
    bool GetRowSelect() const { return FRowSelect; }
    void SetRowSelect(bool value);
    bool GetReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    bool GetMultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value);
    bool GetHideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    bool GetShowColumnHeaders() const { return FShowColumnHeaders; }
    void SetShowColumnHeaders(bool value);
    TBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool GetOwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool value);
    TCustomImageList* GetSmallImages() const { return FSmallImages; }
    void SetSmallImages(TCustomImageList* value);
    TListItem* GetSelected() const;
    void SetSelected(TListItem* value);
    int GetSelCount() const;
    int GetItemIndex() const override;
    void SetItemIndex(int value) override;
    // Sorts by caption (or OnCompare) inside the window; the item list follows.
    void AlphaSort();

    void AddItem(const AnsiString& item, TObject* object) override;
    void CopySelectedItems(TCustomListControl* destination) override;
    void ClearItems() override { GetItems()->Clear(); }
    void WndProc(TMessage& message) override;

    TLVChangeEvent OnChange;
    TLVCompareEvent OnCompare;
    TLVDrawItemEvent OnDrawItem;
    TLVEditingEvent OnEditing;
    TLVEditedEvent OnEdited;
    TLVInfoTipEvent OnInfoTip;
    TLVCreateItemClassEvent OnCreateItemClass;

protected:
    friend class TListItem;
    friend class TListItems;
    TActionLinkClass GetActionLinkClass() const override;
    friend class TListColumn;
    friend class TListColumns;
    friend class TSubItems;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Item factories: the item list, made on first need, and each item.
    virtual std::unique_ptr<TListItems> NewListItems();
    virtual TListItem* NewListItem();
    virtual void Change(TListItem* item, TItemChange change);
    virtual void OwnerDrawItem(TListItem* item, const TRect& rect, TCustomDrawState state);
    // The user may edit the item's caption in place.
    virtual bool CanEdit(TListItem* item);
    // The user finished editing the caption: OnEdited may change the text, which becomes the caption.
    virtual void EditDone(TListItem* item, AnsiString text);
    // Replaces the column collection (a wide variant brings its own).
    void SetColumnsObject(std::unique_ptr<TListColumns> columns) { FColumns = std::move(columns); }
    // The item a notification's lParam names, or null.
    TListItem* ItemOfParam(LPARAM param) const;
    // The canvas OwnerDrawItem paints on (set only while it runs).
    TCanvas* GetCanvas() const { return FCanvas.get(); }

    // The window's side of items and columns.
    void InsertWindowItem(TListItem* item, int index);
    void UpdateWindowItem(TListItem* item);
    void UpdateWindowSubItems(TListItem* item);
    void UpdateWindowState(TListItem* item);
    void RebuildColumns();
    void ApplyExtendedStyle();
    void ApplyImages();

private:
    void NotifyHandler(TMessage& message);
    void DrawItemHandler(TMessage& message);
    TListItem* ItemOfDispInfo(const LVITEMA& info) const;

    std::unique_ptr<TListColumns> FColumns;
    mutable std::unique_ptr<TListItems> FItems;
    TViewStyle FViewStyle = vsIcon;
    bool FCheckboxes = false;
    bool FGridLines = false;
    bool FRowSelect = false;
    bool FReadOnly = false;
    bool FMultiSelect = false;
    bool FHideSelection = true;
    bool FShowColumnHeaders = true;
    bool FOwnerDraw = false;
    TBorderStyle FBorderStyle = bsSingle;
    TCustomImageList* FSmallImages = nullptr;
    // Filling a new window: its notifications are not the user's changes.
    bool FFilling = false;
    std::unique_ptr<TControlCanvas> FCanvas;
};

class TListView : public TCustomListView {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCustomListView::TCustomListView;
};

// ---- page control ----

class TPageControl;

class TTabSheet : public TWinControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    TPageControl* GetPageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* value);
    void SetParent(TWinControl* value) override;
    bool GetTabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value);
    int GetPageIndex() const;
    void SetPageIndex(int value);
    // Position among the visible tabs, or -1.
    int GetTabIndex() const;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
};

class TPageControl : public TWinControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int GetPageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* GetPages(int index) const { return FPages.at(static_cast<size_t>(index)); }
    TTabSheet* GetActivePage() const { return FActivePage; }
    // Shows that sheet alone.
    void SetActivePage(TTabSheet* page);
    int GetActivePageIndex() const;
    void SetActivePageIndex(int value);
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    void SelectNextPage(bool goForward);

    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;
    TEvent<TObject*, bool&> OnChanging;

protected:
    friend class TTabSheet;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void ShrinkClientArea(TRect& rect) override;
    void Loaded() override;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    // Writes the visible sheets' tabs into the window.
    void UpdateTabs();
    virtual void Change();

private:
    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
};

// ---- rich edit ----

class TCustomRichEdit;

// The lines of a rich edit; loading and saving carry rich text unless the
// control is set to plain text.
class TRichEditStrings : public TMemoStrings {
public:
    explicit TRichEditStrings(TCustomRichEdit* richEdit);
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) const override;

private:
    TCustomRichEdit* FRichEdit;
};

// A control on a rich edit window of the platform's first rich edit
// generation, whose text breaks lines with CR LF as the memo's does.
class TCustomRichEdit : public TCustomMemo {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TCustomRichEdit(TComponent* AOwner);

    void WndProc(TMessage& message) override;

    bool GetPlainText() const { return FPlainText; }
    void SetPlainText(bool value) { FPlainText = value; }
    // The selection as the window hands it out, which may differ from a cut of the text.
    AnsiString GetSelText() override;
    // Prints the whole text on the default printer as one document named `caption`.
    virtual void PrintText(const AnsiString& caption);

    TNotifyEvent OnSelectionChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    virtual void SelectionChange();

private:
    bool FPlainText = false;
};

class TRichEdit : public TCustomRichEdit {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TCustomRichEdit::TCustomRichEdit;
};
