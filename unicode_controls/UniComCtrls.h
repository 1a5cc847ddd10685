// Wide (UTF-16) common controls: rich edit, list view, progress bar.
#pragma once

#include <memory>
#include <vector>

#include "classlib/ComCtrls.h"
#include "unicode/UniWideStrings.h"
#include "unicode_controls/UniActnList.h"
#include "unicode_controls/UniControls.h"
#include "unicode_controls/UniStdCtrls.h"
#include "unicode_controls/UniTextControl.h"

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
class TUniCustomRichEdit : public TUniTextControl<TCustomRichEdit> {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TUniCustomRichEdit(TComponent* AOwner);
    ~TUniCustomRichEdit() override;

    TUniStrings* GetLines() const { return FLines.get(); }
    void SetLines(TUniStrings* value) { FLines->Assign(value); }
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

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWindowHandle(const TCreateParams& params) override;
    void CreateWnd() override;
    bool DoKeyDown(WORD& key, TShiftState shift) override;

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


// ---- list view and progress bar ----

// The window of a common control (`subClass`, never empty) through
// CreateUnicodeHandle; on the NT family it is told to notify in UTF-16.
void CreateUnicodeHandle_ComCtl(TWinControl* control, const TCreateParams& params, const WideString& subClass);

class TUniCustomListView;
class TUniListItem;

class TUniListColumn : public TListColumn {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TListColumn::TListColumn;

    // The wide twin of the class library's caption (reachable as TListColumn::GetCaption).
    WideString GetCaption() const { return SyncWideFromAnsi(FWideCaption, TListColumn::GetCaption()); }
    void SetCaption(const WideString& value);
    void DefineProperties(TFiler* filer) override;
    void Assign(TPersistent* source) override;

private:
    friend class TUniCustomListView;
    mutable WideString FWideCaption;
};

class TUniListColumns : public TListColumns {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TUniListColumns(TCustomListView* owner) : TListColumns(owner, TUniListColumn::ClassInfo()) {}

    TUniListColumn* Add() { return static_cast<TUniListColumn*>(TListColumns::Add()); }
    TUniListColumn* GetItems(int index) const { return static_cast<TUniListColumn*>(TListColumns::GetItems(index)); }
};

// The wide sub-items of one item. Each change is made in the item's 8-bit
// sub-items too (narrowed), except while the view copies values in from them;
// the objects live in the 8-bit list only.
class TWideSubItems : public TUniStringList {
public:
    explicit TWideSubItems(TUniListItem* owner) : FOwner(owner) {}

    TObject* GetObject(int index) const override;
    void Put(int index, const WideString& s) override;
    void PutObject(int index, TObject* object) override;
    int AddObject(const WideString& s, TObject* object) override;
    void Clear() override;
    void Delete(int index) override;
    void Insert(int index, const WideString& s) override;

protected:
    void SetUpdateState(bool updating) override;

private:
    friend class TUniCustomListView;
    // Runs the wide change, then (unless suppressed) the 8-bit one, with the view told
    // that the 8-bit messages that follow are no news.
    template <class Wide, class Ansi>
    void Mirror(Wide wide, Ansi ansi);
    TStrings* AnsiItems() const;

    TUniListItem* FOwner;
    bool FIgnoreAnsi = false;
};

class TUniListItem : public TListItem {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TUniListItem(TListItems* owner);

    TUniCustomListView* GetListView() const;
    // The wide twin of the class library's caption (reachable as TListItem::GetCaption).
    WideString GetCaption() const { return SyncWideFromAnsi(FWideCaption, TListItem::GetCaption()); }
    void SetCaption(const WideString& value);
    TWideSubItems* GetSubItems() const { return FWideSubItems.get(); }
    void Assign(TPersistent* source) override;

private:
    friend class TUniCustomListView;
    mutable WideString FWideCaption;
    std::unique_ptr<TWideSubItems> FWideSubItems;
};

class TUniListItems : public TListItems {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TListItems::TListItems;

    TUniListItem* Add() { return static_cast<TUniListItem*>(TListItems::Add()); }
    TUniListItem* GetItem(int index) const { return static_cast<TUniListItem*>(TListItems::GetItem(index)); }
};

// One item's wide values, kept while the view's window is made anew.
class TSavedListItem : public TObject {
public:
    WideString Caption;
    TUniStringList SubItems;
};

using TUniLVEditedEvent = TEvent<TObject*, TUniListItem*, WideString&>;

class TUniCustomListView : public TUniTextControl<TCustomListView>, public IWideListControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TUniCustomListView(TComponent* AOwner);
    ~TUniCustomListView() override;

    TUniListItems* GetItems() const { return static_cast<TUniListItems*>(TCustomListView::GetItems()); }
    TUniListColumns* GetColumns() const { return static_cast<TUniListColumns*>(TCustomListView::GetColumns()); }
    using TCustomListView::AddItem;
    void AddItem(const WideString& item, TObject* object) override;
    // Hands the selected items on with their wide captions where the destination takes them.
    void CopySelectedItems(TCustomListControl* destination) override;
    void WndProc(TMessage& message) override;

    // Replaces the class library's OnEdited (which still runs when this one is not set).
    TUniLVEditedEvent OnEdited;

protected:
    friend class TWideSubItems;
    friend class TUniListItem;
    void CreateWindowHandle(const TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    std::unique_ptr<TListItems> NewListItems() override;
    TListItem* NewListItem() override;
    void OwnerDrawItem(TListItem* item, const TRect& rect, TCustomDrawState state) override;
    void EditDone(TListItem* item, AnsiString text) override;

private:
    // Raised while a wide value is written through to its 8-bit twin.
    struct TChanging {
        explicit TChanging(TUniCustomListView* view) : View(view) { ++View->FChangeCount; }
        ~TChanging() { --View->FChangeCount; }
        TUniCustomListView* View;
    };

    void FollowAnsiValues(TUniListItem* item, const TSavedListItem* saved);
    void FollowAnsiItem(WPARAM index);
    bool ForwardWideColumn(TMessage& message, UINT wideMsg);
    void NotifyHandler(TMessage& message);
    void GetDispInfo(TMessage& message);
    void BeginLabelEdit(TMessage& message);
    void GetInfoTip(TMessage& message);
    void WideEditDone(TListItem* item, WideString text);
    void EditWndProc(TMessage& message);
    TUniListItem* ItemOf(const LVITEMW& info) const;
    TUniListItem* ItemAt(WPARAM index) const;

    std::vector<std::unique_ptr<TSavedListItem>> FSavedItems;
    bool FHasSavedItems = false;
    int FChangeCount = 0;
    bool FSortProbe = false;
    HWND FEditHandle = nullptr;
    WNDPROC FDefEditProc = nullptr;
    WNDPROC FEditInstance = nullptr;
};

class TUniListView : public TUniCustomListView {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TUniCustomListView::TUniCustomListView;
};

class TUniProgressBar : public TUniTextControl<TProgressBar> {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TUniTextControl::TUniTextControl;

protected:
    void CreateWindowHandle(const TCreateParams& params) override;
};
