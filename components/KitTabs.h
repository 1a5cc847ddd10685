// The page control: a tab control whose tabs stand for child pages, one of
// which (the active page) shows at a time; a page may have no tab at all.
#pragma once

#include <vector>

#include "components/KitTabControl.h"

class TKitPageControl;

class TKitTabSheet : public TCustomControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitTabSheet(TComponent* AOwner);
    ~TKitTabSheet() override;

    TColor GetColor() const { return TCustomControl::GetColor(); }
    void SetColor(TColor value);
    int GetDisabledIndex() const { return FDisabledIndex; }
    void SetDisabledIndex(int value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // The position among the pages, -1 without a page control.
    int GetPageIndex() const;
    void SetPageIndex(int value);
    bool GetTabEnabled() const { return FTabEnabled; }
    void SetTabEnabled(bool value);
    bool GetTabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value);
    // -1 without a tab, else the number of tab-visible pages before it.
    int GetTabIndex() const;
    TKitPageControl* GetPageControl() const { return FPageControl; }
    void SetPageControl(TKitPageControl* value);
    // The page control alone shows and hides its pages; a write raises EKitTabControlError.
    bool GetVisible() const { return TCustomControl::GetVisible(); }
    void SetVisible(bool value);
    void SetParent(TWinControl* value) override;

    void AssignTo(TPersistent* dest) override;
    void WndProc(TMessage& message) override;

    TKitPaintBackgroundEvent OnPaintBackground;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    friend class TKitPageControl;
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    virtual void DoShow();
    virtual void DoHide();

private:
    void TabDataChanged();

    int FDisabledIndex = -1;
    int FImageIndex = -1;
    bool FTabEnabled = true;
    bool FTabVisible = true;
    TKitPageControl* FPageControl = nullptr;
};

class TKitPageControl : public TKitCustomTabControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitPageControl(TComponent* AOwner);
    ~TKitPageControl() override;

    TKitTabSheet* GetPages(int index) const { return FPages.at(static_cast<size_t>(index)); }
    int GetPageCount() const { return static_cast<int>(FPages.size()); }
    TKitTabSheet* GetActivePage() const { return FActivePage; }
    void SetActivePage(TKitTabSheet* value);
    int GetActivePageIndex() const { return FActivePage ? FActivePage->GetPageIndex() : -1; }
    void SetActivePageIndex(int value);
    TKitTabSheet* GetActivePageDefault() const { return FActivePageDefault; }
    void SetActivePageDefault(TKitTabSheet* value);
    bool GetDblClickUndocks() const { return FDblClickUndocks; }
    void SetDblClickUndocks(bool value) { FDblClickUndocks = value; }
    bool GetSaveResources() const { return FSaveResources; }
    void SetSaveResources(bool value);
    TKitAboutInfo GetAbout() const { return FAbout; }
    void SetAbout(TKitAboutInfo value) { FAbout = value; }

    TKitTabSheet* FindNextPage(TKitTabSheet* current, bool forward, bool tabVisibleOnly) const;
    void SelectNextPage(bool forward);
    void SetUseColoredTabs(bool value) override;

    void WndProc(TMessage& message) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

protected:
    friend class TKitTabSheet;
    void InsertPage(TKitTabSheet* page);
    void RemovePage(TKitTabSheet* page);
    void ChangeActivePage(TKitTabSheet* page);

    void CreateParams(TCreateParams& params) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void TabsChanged() override;
    void DoChanging(int index, bool& allowChange) override;
    void Change() override;
    void DoPageChange() override;
    bool DoPaintCardBackground(TCanvas* canvas, int row, const TRect& rect) override;
    void CloseActiveTab() override;
    void MoveTab(int newIndex) override;
    void HideAllTabs() override;
    void ShowAllTabs() override;

private:
    TKitTabSheet* PageOfTab(int tabIndex) const;
    // The page is loading or being read: a page change waits for the end of it.
    bool Loading() const;

    std::vector<TKitTabSheet*> FPages;
    TKitTabSheet* FActivePage = nullptr;
    TKitTabSheet* FActivePageDefault = nullptr;
    bool FDblClickUndocks = true;
    bool FSaveResources = false;
    TKitAboutInfo FAbout = kaiAbout;
};
