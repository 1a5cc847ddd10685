// The tab strip engine: tabs laid out in rows along one side of a card,
// scrolled when a single row does not fit, drawn as polygons into an
// off-screen bitmap, selected by mouse and keyboard, hot-tracked and dragged.
#pragma once

#include <memory>
#include <vector>

#include "classlib/Filers.h"
#include "classlib/ImgList.h"
#include "classlib/Timer.h"
#include "components/KitTabData.h"
#include "components/KitTabRegions.h"

class TKitTabScroller;
class TKitTabControlCloseButton;
class TKitActiveTabCloseButton;
class TKitTabMenuButton;

// What a tab is drawn in: 0 hot, 1 selected, 2 unselected, 3 disabled.
enum TKitTabTextStyle { ttsHot, ttsSelected, ttsUnselected, ttsDisabled };

class TKitCustomTabControl : public TCustomControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitCustomTabControl(TComponent* AOwner);
    ~TKitCustomTabControl() override;

    // ---- properties ----
    bool GetAlignTabs() const { return FAlignTabs; }
    void SetAlignTabs(bool value);
    TColor GetBackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor value);
    bool IsBackgroundColorStored() const { return !FParentBackgroundColor; }
    bool GetBoldCurrentTab() const { return FBoldCurrentTab; }
    void SetBoldCurrentTab(bool value) { Relayout(FBoldCurrentTab, value); }
    TColor GetButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor value) { Repaint(FButtonColor, value); }
    bool GetShowCardFrame() const { return FShowCardFrame; }
    void SetShowCardFrame(bool value) { Relayout(FShowCardFrame, value); }
    bool GetShowFullFrame() const { return FShowFullFrame; }
    void SetShowFullFrame(bool value);
    bool GetShowCloseButton() const { return FShowCloseButton; }
    void SetShowCloseButton(bool value);
    bool GetShowCloseButtonOnActiveTab() const { return FShowCloseButtonOnActiveTab; }
    void SetShowCloseButtonOnActiveTab(bool value);
    bool GetShowMenuButton() const { return FShowMenuButton; }
    void SetShowMenuButton(bool value);
    bool GetSortTabMenu() const { return FSortTabMenu; }
    void SetSortTabMenu(bool value) { FSortTabMenu = value; }
    bool GetUseColoredTabs() const { return FUseColoredTabs; }
    virtual void SetUseColoredTabs(bool value);
    int GetCutCornerSize() const { return FCutCornerSize; }
    void SetCutCornerSize(int value);
    TColor GetFlatColor() const { return FFlatColor; }
    void SetFlatColor(TColor value);
    int GetFlatColorAdjustment() const { return FFlatColorAdjustment; }
    void SetFlatColorAdjustment(int value);
    TKitImagePosition GetImagePosition() const { return FImagePosition; }
    void SetImagePosition(TKitImagePosition value) { Relayout(FImagePosition, value); }
    TKitHorizontalAlignment GetImageAlignment() const { return FImageAlignment; }
    void SetImageAlignment(TKitHorizontalAlignment value) { Relayout(FImageAlignment, value); }
    int GetImageMargin() const { return FImageMargin; }
    void SetImageMargin(int value) { RelayoutCount(FImageMargin, value); }
    TKitVerticalAlignment GetImageAlignmentVertical() const { return FImageAlignmentVertical; }
    void SetImageAlignmentVertical(TKitVerticalAlignment value) { Relayout(FImageAlignmentVertical, value); }
    bool GetHotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value);
    TColor GetHotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor value) { Repaint(FHotTrackColor, value); }
    TKitTabHotTrackColorSource GetHotTrackColorSource() const { return FHotTrackColorSource; }
    void SetHotTrackColorSource(TKitTabHotTrackColorSource value) { Repaint(FHotTrackColorSource, value); }
    TKitHotTrackColorType GetHotTrackColorType() const { return FHotTrackColorType; }
    void SetHotTrackColorType(TKitHotTrackColorType value) { Repaint(FHotTrackColorType, value); }
    TKitTabHotTrackStyle GetHotTrackStyle() const { return FHotTrackStyle; }
    void SetHotTrackStyle(TKitTabHotTrackStyle value) { Repaint(FHotTrackStyle, value); }
    TCustomImageList* GetImages() const { return FImages; }
    void SetImages(TCustomImageList* value);
    int GetMargin() const { return FMargin; }
    void SetMargin(int value) { RelayoutCount(FMargin, value); }
    bool GetMultiLine() const { return FMultiLine; }
    void SetMultiLine(bool value) { Relayout(FMultiLine, value); }
    bool GetParentBackgroundColor() const { return FParentBackgroundColor; }
    void SetParentBackgroundColor(bool value);
    int GetRowIndent() const { return FRowIndent; }
    void SetRowIndent(int value) { RelayoutCount(FRowIndent, value); }
    int GetRowOverlap() const { return FRowOverlap; }
    void SetRowOverlap(int value) { RelayoutCount(FRowOverlap, value); }
    bool GetShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool value) { Repaint(FShowFocusRect, value); }
    bool GetShowShadow() const { return FShowShadow; }
    void SetShowShadow(bool value);
    bool GetSoftCorners() const { return FSoftCorners; }
    void SetSoftCorners(bool value) { Relayout(FSoftCorners, value); }
    int GetTabOverlap() const { return FTabOverlap; }
    void SetTabOverlap(int value) { Relayout(FTabOverlap, value); }
    TOrientation GetTextOrientation() const { return FTextOrientation; }
    void SetTextOrientation(TOrientation value);
    TKitTabColors* GetTabColors() const { return FTabColors.get(); }
    void SetTabColors(TKitTabColors* value) { FTabColors->Assign(value); }
    int GetTabHeight() const { return FTabHeight; }
    void SetTabHeight(int value) { RelayoutCount(FTabHeight, value); }
    bool GetTabHints() const { return FTabHints; }
    void SetTabHints(bool value);
    int GetTabIndex() const { return FTabIndex; }
    void SetTabIndex(int value) { SelectTab(value, false); }
    TKitTabOrientation GetTabOrientation() const { return FTabOrientation; }
    void SetTabOrientation(TKitTabOrientation value);
    TKitTabSequence GetTabSequence() const { return FTabSequence; }
    void SetTabSequence(TKitTabSequence value) { Relayout(FTabSequence, value); }
    TKitTabStyle GetTabStyle() const { return FTabStyle; }
    void SetTabStyle(TKitTabStyle value) { Relayout(FTabStyle, value); }
    int GetTabWidth() const { return FTabWidth; }
    void SetTabWidth(int value) { RelayoutCount(FTabWidth, value); }
    TKitTextColors* GetTextColors() const { return FTextColors.get(); }
    void SetTextColors(TKitTextColors* value) { FTextColors->Assign(value); }
    TKitHorizontalAlignment GetTextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TKitHorizontalAlignment value) { Relayout(FTextAlignment, value); }
    TKitVerticalAlignment GetTextAlignmentVertical() const { return FTextAlignmentVertical; }
    void SetTextAlignmentVertical(TKitVerticalAlignment value) { Relayout(FTextAlignmentVertical, value); }
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool value) { Repaint(FTransparent, value); }
    bool GetUseGradients() const { return FUseGradients; }
    void SetUseGradients(bool value) { Repaint(FUseGradients, value); }
    bool GetAllowTabDragging() const { return FAllowTabDragging; }
    void SetAllowTabDragging(bool value) { FAllowTabDragging = value; }
    TColor GetDragIndicatorColor() const { return FDragIndicatorColor; }
    void SetDragIndicatorColor(TColor value) { FDragIndicatorColor = value; }
    bool GetCardVisible() const { return FCardVisible; }
    void SetCardVisible(bool value) { Relayout(FCardVisible, value); }
    int GetRegionCacheCapacity() const { return FRegionCache.GetCapacity(); }
    void SetRegionCacheCapacity(int value) { FRegionCache.SetCapacity(value); }
    // The common tab depth of the last layout (streamed, so the card is known before the first one).
    int GetFixedDimension() const { return FFixedDimension; }
    void SetFixedDimension(int value) { FFixedDimension = value; }

    // ---- the tabs and their layout ----
    TKitTabDataList* GetTabs() const { return FTabs.get(); }
    // Lays the tabs out again when a change has marked the layout stale.
    void UpdateLayout();
    void SetLayoutDirty(bool value);
    bool GetLayoutDirty() const { return FLayoutDirty; }
    int GetRowCount() const { return FRowCount; }
    bool GetScrolling() const { return FScrolling; }
    int GetFirstVisibleTab() const { return FFirstVisibleTab; }
    int GetHotTab() const { return FHotTab; }
    bool GetHotTimerRunning() const { return FHotTimerRunning; }
    // The tab's rectangle in control coordinates as it is drawn (the selected
    // round and square tab enlarged).
    TRect GetTabRect(int index) const;
    // The card of a row (0: the front row), and the area inside the front card's frame.
    TRect GetCardRect(int row) const;
    TRect GetCardClientRect() const;
    // The tab area along the strip.
    TRect GetTabAreaRect() const;
    bool IsTabFullyShown(int index) const;
    // One step along a scrolled row.
    void ScrollTabs(bool forward);
    // -1 when no shown tab lies under the point.
    int TabAtPoint(int x, int y);
    // The strip's length for the buttons (B1) and their depth (B2).
    int ButtonLength() const;
    int ButtonDepth() const;
    TKitTabScroller* GetScroller() const { return FScroller; }
    TKitTabControlCloseButton* GetCloseButton() const { return FCloseButton; }
    TKitActiveTabCloseButton* GetActiveTabCloseButton() const { return FActiveTabCloseButton; }
    TKitTabMenuButton* GetMenuButton() const { return FMenuButton; }

    // Clears the hot-track mark and repaints the whole control.
    void InvalidateTabs();
    // The close buttons: asks OnClose, then closes the active tab.
    void CloseRequest(TObject* sender);
    // Whether one scroll step that way is possible, and which way the scroller's up/right half steps.
    bool CanScroll(bool forward) const;
    bool SecondHalfScrollsForward() const;
    // A strip point in control coordinates.
    TPoint MapStripPoint(TPoint p) const;
    // A tab's rectangle in strip coordinates (row indent and enlargement included).
    TRect StripTabRect(int index) const;

    void WndProc(TMessage& message) override;
    void DefineProperties(TFiler* filer) override;

    TNotifyEvent OnChange;
    TKitTabChangingEvent OnChanging;
    TKitTabCloseEvent OnClose;
    TKitGetTextColorEvent OnGetTextColor;
    TNotifyEvent OnAlignControls;
    TNotifyEvent OnPageChange;
    TKitPaintBackgroundEvent OnPaintBackground;
    TKitPaintCardBackgroundEvent OnPaintCardBackground;
    TKitPaintTabBackgroundEvent OnPaintTabBackground;
    TNotifyEvent OnTabClick;
    TKitTabOrderChangeEvent OnTabOrderChange;
    TKitTabDraggingEvent OnTabDragging;
    TNotifyEvent OnScrolledTabs;

protected:
    friend class TKitTabScroller;

    // ---- events and hooks ----
    virtual void DoChanging(int index, bool& allowChange);
    virtual void DoGetTextColor(int index, TKitTabTextStyle style, TColor& color, bool& handled);
    virtual void TabsChanged();
    virtual void DoTabClick();
    virtual bool DoPaintBackground(TCanvas* canvas, const TRect& rect);
    virtual bool DoPaintCardBackground(TCanvas* canvas, int row, const TRect& rect);
    virtual bool DoPaintTabBackground(TCanvas* canvas, int index, const TRect& rect);
    virtual void DrawDragIndicator(const TRect& rect);
    virtual void CloseActiveTab() {}
    virtual void MoveTab(int newIndex) { (void)newIndex; }
    virtual bool TabIndexFrozen() const { return false; }
    virtual void Change();
    virtual void DoPageChange();
    virtual void DoTabOrderChange(int oldIndex, int newIndex);
    virtual bool DoTabDragging(int index);
    virtual bool DoClose();
    virtual void HideAllTabs() {}
    virtual void ShowAllTabs() {}

    // The selection protocol; an internal move (relayout, keyboard) asks nobody.
    void SelectTab(int index, bool internalMove);
    // Visible, enabled (or designing), and accepted by OnChanging unless it is the current tab.
    bool PassesSelectionTest(int index, bool askChanging);

    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void ShrinkClientArea(TRect& rect) override;
    void ArrangeChildren(TControl* control, TRect& rect) override;
    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoKeyDown(WORD& key, TShiftState shift) override;

    // Set while the page control finishes loading: no change events.
    bool FInLoaded = false;

private:
    template <class T>
    void Relayout(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        TabsChanged();
    }
    // The same for counts, where negative values are ignored.
    void RelayoutCount(int& field, int value)
    {
        if (value >= 0)
            Relayout(field, value);
    }
    template <class T>
    void Repaint(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        InvalidateTabs();
    }

    // ---- layout (KitTabLayout.cpp) ----
    struct TTabSize {
        int Length = 0;  // along the strip
        int Depth = 0;   // across it
    };
    void Relayout();
    TSize MeasureCaption(const AnsiString& caption);
    TTabSize MeasureTab(const TKitTabData& tab);
    int CountRows(const std::vector<int>& lengths);
    void PlaceTabs(const std::vector<int>& lengths);
    void AlignRows();
    void KeepFirstVisibleTab();
    void KeepSelectionValid();
    void BringRowToFront(int row);
    void ScrollIntoView(int index);
    bool IsVertical() const { return FTabOrientation == toLeft || FTabOrientation == toRight; }
    bool IsRoundOrSquare() const { return FTabStyle == tsRoundCorners || FTabStyle == tsSquareCorners; }
    bool HasVerticalText() const { return FTextOrientation == orVertical; }
    int Overlap(int x) const;
    int StripLength() const;
    int StripDepth() const;
    int ScrollOffset() const;
    // The strip space the close and menu buttons take.
    int ButtonsLength() const;
    int LastVisibleTab() const;
    int FirstVisibleIndex() const;

    // ---- shapes and painting (KitTabShapes.cpp, KitTabPaint.cpp) ----
    std::vector<TPoint> TabPolygon(int index) const;
    HRGN TabRegion(int index);
    void PlaceButtons();
    void PaintTabsAndCards(TCanvas* canvas);
    void PaintTab(TCanvas* canvas, int index);
    void PaintTabBackground(TCanvas* canvas, int index, const TRect& rect);
    void PaintTabContents(TCanvas* canvas, int index, const TRect& rect);
    void PaintCaption(TCanvas* canvas, int index, const TRect& textRect, TColor color);
    void PaintCard(TCanvas* canvas, int row);
    void DrawTabOutline(TCanvas* canvas, int index);
    void DrawCardFrame(TCanvas* canvas, int row);
    TColor FrameColor() const { return ShiftColor(FFlatColor, FFlatColorAdjustment); }
    bool AcceleratorsShown();
    bool FocusRectShown();
    // The line commands of one outline, run against the canvas.
    struct TLineCommand {
        int Code;
        TPoint Point;
    };
    void RunLineCommands(TCanvas* canvas, const std::vector<TLineCommand>& commands);

    // ---- interaction (KitTabInteraction.cpp) ----
    void StopHotTracking(bool insideStrip);
    void HotTrackTimer();
    void StartDragging();
    void DragMove(int x, int y);
    void EndDragging(bool drop, int x, int y);
    void DragScrollTick(TObject* sender);
    TRect DragArrowRect(int target) const;
    void SetDragTarget(int target);
    void CycleKeys(WORD key);
    bool DialogChar(char key);
    void ShowButtons();
    void UpdateButtonColors();

    bool FAlignTabs = false;
    TColor FBackgroundColor = clBtnFace;
    bool FBoldCurrentTab = false;
    TColor FButtonColor = clBtnFace;
    bool FShowCardFrame = true;
    bool FShowFullFrame = true;
    bool FShowCloseButton = false;
    bool FShowCloseButtonOnActiveTab = false;
    bool FShowMenuButton = false;
    bool FSortTabMenu = true;
    bool FUseColoredTabs = false;
    int FCutCornerSize = 6;
    TColor FFlatColor = clBtnShadow;
    int FFlatColorAdjustment = 0;
    TKitImagePosition FImagePosition = ipLeft;
    TKitHorizontalAlignment FImageAlignment = haCenter;
    int FImageMargin = 2;
    TKitVerticalAlignment FImageAlignmentVertical = vaCenter;
    bool FHotTrack = true;
    TColor FHotTrackColor = 1350640;
    TKitTabHotTrackColorSource FHotTrackColorSource = htcsTabColor;
    TKitHotTrackColorType FHotTrackColorType = htctActual;
    TKitTabHotTrackStyle FHotTrackStyle = htsTab;
    TCustomImageList* FImages = nullptr;
    int FMargin = 0;
    bool FMultiLine = false;
    bool FParentBackgroundColor = true;
    int FRowIndent = 5;
    int FRowOverlap = 5;
    bool FShowFocusRect = true;
    bool FShowShadow = true;
    bool FSoftCorners = false;
    int FTabOverlap = -1;
    TOrientation FTextOrientation = orHorizontal;
    std::unique_ptr<TKitTabColors> FTabColors;
    int FTabHeight = 0;
    bool FTabHints = false;
    int FTabIndex = -1;
    TKitTabOrientation FTabOrientation = toTop;
    TKitTabSequence FTabSequence = tsStandard;
    TKitTabStyle FTabStyle = tsSingleSlant;
    int FTabWidth = 0;
    std::unique_ptr<TKitTextColors> FTextColors;
    TKitHorizontalAlignment FTextAlignment = haCenter;
    TKitVerticalAlignment FTextAlignmentVertical = vaCenter;
    bool FTransparent = false;
    bool FUseGradients = true;
    bool FAllowTabDragging = false;
    TColor FDragIndicatorColor = 5263440;
    bool FCardVisible = true;
    int FFixedDimension = 0;
    int FDefaultTabIndex = 0;

    std::unique_ptr<TKitTabDataList> FTabs;
    bool FLayoutDirty = true;
    bool FInLayout = false;
    int FFirstVisibleTab = -1;
    bool FScrolling = false;
    int FRowCount = 1;
    int FHotTab = -1;
    bool FHotTimerRunning = false;
    bool FHotTrackRepaint = false;
    int FPressedTab = -1;
    TPoint FPressPoint;
    AnsiString FSavedHint;
    TRect FLastClientRect;
    bool FPainted = false;
    TKitTabRegionCache FRegionCache;
    std::unique_ptr<TBitmap> FBitmap;
    std::unique_ptr<TFont> FWorkFont;
    TKitTabScroller* FScroller = nullptr;
    TKitTabControlCloseButton* FCloseButton = nullptr;
    TKitActiveTabCloseButton* FActiveTabCloseButton = nullptr;
    TKitTabMenuButton* FMenuButton = nullptr;
    // Tab dragging: the drop arrow and the target it points at.
    bool FDragging = false;
    int FDragTarget = -1;
    bool FArrowShown = false;
    TRect FArrowRect;
    TPoint FDragPoint;
    TTimer* FDragTimer = nullptr;
};
