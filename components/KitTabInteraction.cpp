// Selection and what the user does with the tabs: the selection protocol,
// the hit test, presses, hot tracking with tab hints, dragging a tab to a new
// place, the keyboard and accelerators.
#include <algorithm>
#include <cctype>

#include "classlib/Forms.h"
#include "components/KitTabButtons.h"
#include "components/KitTabs.h"

namespace {

constexpr UINT_PTR HotTrackTimerId = 0;
constexpr UINT HotTrackInterval = 60;

// The character after the caption's single '&', or 0.
char AcceleratorOf(const AnsiString& caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1];
        ++i;
    }
    return 0;
}

}  // namespace

// ---- events ----

void TKitCustomTabControl::DoChanging(int index, bool& allowChange)
{
    if (OnChanging)
        OnChanging(this, index, allowChange);
}

void TKitCustomTabControl::DoGetTextColor(int index, TKitTabTextStyle style, TColor& color, bool& handled)
{
    if (OnGetTextColor)
        OnGetTextColor(this, index, static_cast<int>(style), color, handled);
}

void TKitCustomTabControl::DoTabClick()
{
    if (OnTabClick)
        OnTabClick(this);
}

bool TKitCustomTabControl::DoPaintBackground(TCanvas* canvas, const TRect& rect)
{
    bool handled = false;
    if (OnPaintBackground)
        OnPaintBackground(this, canvas, rect, handled);
    return handled;
}

bool TKitCustomTabControl::DoPaintCardBackground(TCanvas* canvas, int row, const TRect& rect)
{
    bool handled = false;
    if (OnPaintCardBackground)
        OnPaintCardBackground(this, canvas, row, rect, handled);
    return handled;
}

bool TKitCustomTabControl::DoPaintTabBackground(TCanvas* canvas, int index, const TRect& rect)
{
    bool handled = false;
    if (OnPaintTabBackground)
        OnPaintTabBackground(this, canvas, index, rect, handled);
    return handled;
}

void TKitCustomTabControl::Change()
{
    if (OnChange)
        OnChange(this);
}

void TKitCustomTabControl::DoPageChange()
{
    if (OnPageChange)
        OnPageChange(this);
}

void TKitCustomTabControl::DoTabOrderChange(int oldIndex, int newIndex)
{
    if (OnTabOrderChange)
        OnTabOrderChange(this, oldIndex, newIndex);
}

bool TKitCustomTabControl::DoTabDragging(int index)
{
    bool allowDrag = true;
    if (OnTabDragging)
        OnTabDragging(this, index, allowDrag);
    return allowDrag;
}

// Without a handler nothing closes.
bool TKitCustomTabControl::DoClose()
{
    bool allowClose = false;
    if (OnClose)
        OnClose(this, allowClose);
    return allowClose;
}

void TKitCustomTabControl::CloseRequest(TObject*)
{
    if (FTabIndex != -1 && DoClose())
        CloseActiveTab();
}

// ---- selection ----

bool TKitCustomTabControl::PassesSelectionTest(int index, bool askChanging)
{
    if (index < 0 || index >= FTabs->GetCount())
        return false;
    const TKitTabData* tab = FTabs->GetItem(index);
    if (!tab->Visible || (!tab->Enabled && !(GetComponentState() & csDesigning)))
        return false;
    bool allowChange = true;
    if (askChanging)
        DoChanging(index, allowChange);
    return allowChange;
}

void TKitCustomTabControl::SelectTab(int index, bool internalMove)
{
    if ((GetComponentState() & (csLoading | csReading)) || TabIndexFrozen()) {
        FTabIndex = index;
        return;
    }
    if (index < 0 || index >= FTabs->GetCount()) {
        FTabIndex = -1;
        InvalidateTabs();
        ShowButtons();
        return;
    }
    const bool allowed = index == FTabIndex || internalMove || PassesSelectionTest(index, true);
    if (allowed) {
        const int old = FTabIndex, oldFirst = FFirstVisibleTab;
        FTabIndex = index;
        if (FMultiLine)
            BringRowToFront(FTabs->GetItem(index)->Row);
        ScrollIntoView(index);
        const bool changed = old != index;
        if (changed || oldFirst != FFirstVisibleTab) {
            InvalidateTabs();
            if (FScroller)
                FScroller->Invalidate();
        }
        if (changed) {
            Change();
            DoPageChange();
            if (FPainted)
                NotifyDesigner(this);
        }
    }
    ShowButtons();
    if (FCloseButton)
        FCloseButton->Invalidate();
    if (FMenuButton)
        FMenuButton->Invalidate();
}

int TKitCustomTabControl::TabAtPoint(int x, int y)
{
    UpdateLayout();
    const int count = FTabs->GetCount();
    if (count == 0 || FFirstVisibleTab < 0)
        return -1;
    const TPoint point(x, y);
    auto matches = [&](int i) {
        if (!IsTabFullyShown(i) || !PointInTabRect(GetTabRect(i), point))
            return false;
        HRGN region = TabRegion(i);
        return region && PtInRegion(region, x, y);
    };
    if (FTabIndex >= 0 && FTabIndex < count && matches(FTabIndex))
        return FTabIndex;
    for (int k = 0; k < count; ++k) {
        const int i = (FFirstVisibleTab + k) % count;
        if (i != FTabIndex && matches(i))
            return i;
    }
    return -1;
}

// ---- mouse ----

void TKitCustomTabControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    FPressedTab = -1;
    if (!GetEnabled() || (GetComponentState() & csDesigning))
        return;
    const int tab = TabAtPoint(x, y);
    if (tab >= 0 && FTabs->GetItem(tab)->Enabled) {
        if (GetTabStop() && tab == FTabIndex) {
            SetFocus();
            if (!Focused())
                return;
        }
        SelectTab(tab, false);
        if (FTabIndex == tab)
            DoTabClick();
    }
    if (button == mbLeft) {
        FPressedTab = tab;
        FPressPoint = TPoint(x, y);
    }
}

void TKitCustomTabControl::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (GetComponentState() & csDesigning)
        return;
    if (FDragging) {
        DragMove(x, y);
        return;
    }
    if (FAllowTabDragging && shift.Contains(ssLeft) && FPressedTab >= 0 && FPressedTab < FTabs->GetCount() &&
        FTabs->GetItem(FPressedTab)->Enabled &&
        (std::abs(x - FPressPoint.x) >= GetSystemMetrics(SM_CXDRAG) ||
         std::abs(y - FPressPoint.y) >= GetSystemMetrics(SM_CYDRAG))) {
        if (DoTabDragging(FPressedTab)) {
            StartDragging();
            DragMove(x, y);
            return;
        }
        FPressedTab = -1;
    }
    if (!FHotTrack && !FTabHints)
        return;
    const int tab = TabAtPoint(x, y);
    const bool insideStrip = GetTabAreaRect().Contains(TPoint(x, y));
    if (tab < 0) {
        if (FTabHints && (FHotTab >= 0 || insideStrip))
            Application->CancelHint();
        if (FHotTab >= 0 || FHotTimerRunning || (FTabHints && insideStrip))
            StopHotTracking(insideStrip);
        return;
    }
    if (tab == FHotTab)
        return;
    FHotTab = tab;
    if (FHotTrack && HandleAllocated()) {
        const TRect strip = GetTabAreaRect();
        InvalidateRect(FHandle, &strip, FALSE);
        FHotTrackRepaint = true;
    }
    if (FTabHints) {
        Application->CancelHint();
        SetHint(FTabs->GetItem(tab)->Hint);
    }
    if (!FHotTimerRunning && HandleAllocated()) {
        // The window's timer 0: its identifier says nothing of whether it runs.
        SetTimer(FHandle, HotTrackTimerId, HotTrackInterval, nullptr);
        FHotTimerRunning = true;
    }
}

void TKitCustomTabControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (FDragging)
        EndDragging(GetClientRect().Contains(TPoint(x, y)), x, y);
    FPressedTab = -1;
}

void TKitCustomTabControl::StopHotTracking(bool insideStrip)
{
    if (FHotTimerRunning && HandleAllocated())
        KillTimer(FHandle, HotTrackTimerId);
    FHotTimerRunning = false;
    if (FHotTab >= 0 && HandleAllocated()) {
        const TRect strip = GetTabAreaRect();
        InvalidateRect(FHandle, &strip, FALSE);
    }
    FHotTab = -1;
    if (insideStrip && FTabHints)
        SetHint("");
    else
        SetHint(FSavedHint);
}

void TKitCustomTabControl::HotTrackTimer()
{
    POINT cursor;
    GetCursorPos(&cursor);
    ::ScreenToClient(FHandle, &cursor);
    if (TabAtPoint(cursor.x, cursor.y) < 0)
        StopHotTracking(GetTabAreaRect().Contains(TPoint(cursor.x, cursor.y)));
}

// ---- dragging a tab ----

void TKitCustomTabControl::StartDragging()
{
    FDragging = true;
    FDragTarget = -1;
    SetMouseCapture(true);
}

void TKitCustomTabControl::DragMove(int x, int y)
{
    FDragPoint = TPoint(x, y);
    const int tab = TabAtPoint(x, y);
    if (tab < 0) {
        if (!FDragTimer) {
            FDragTimer = new TTimer(this);
            FDragTimer->SetEnabled(false);
            FDragTimer->SetOnTimer(TNotifyEvent(this, &TKitCustomTabControl::DragScrollTick));
        }
        if (!FDragTimer->GetEnabled()) {
            FDragTimer->SetInterval(400);
            FDragTimer->SetEnabled(true);
        }
        SetDragTarget(-1);
        return;
    }
    SetDragTarget(tab != FTabIndex ? tab : -1);
}

void TKitCustomTabControl::SetDragTarget(int target)
{
    if (target == FDragTarget)
        return;
    if (FArrowShown) {
        DrawDragIndicator(FArrowRect);
        FArrowShown = false;
    }
    FDragTarget = target;
    if (target >= 0) {
        FArrowRect = DragArrowRect(target);
        DrawDragIndicator(FArrowRect);
        FArrowShown = true;
    }
}

void TKitCustomTabControl::EndDragging(bool drop, int x, int y)
{
    if (FDragTimer)
        FDragTimer->SetEnabled(false);
    SetDragTarget(-1);
    FDragging = false;
    SetMouseCapture(false);
    if (!drop)
        return;
    const int tab = TabAtPoint(x, y);
    if (tab >= 0 && tab != FTabIndex)
        MoveTab(tab);
}

void TKitCustomTabControl::DragScrollTick(TObject*)
{
    FDragTimer->SetInterval(300);
    if (!FDragging)
        return;
    const TPoint p = FDragPoint;
    int step = 0;  // 1 forward, -1 backward
    if (!IsVertical()) {
        if (p.x < 0)
            step = -1;
        else if (p.x >= GetWidth())
            step = 1;
    } else if (FTabOrientation == toLeft) {
        if (p.y < 0)
            step = 1;
        else if (p.y >= GetHeight())
            step = -1;
    } else {
        if (p.y < 0)
            step = -1;
        else if (p.y >= GetHeight())
            step = 1;
    }
    if (FTabSequence == tsReverse)
        step = -step;
    if (step != 0)
        ScrollTabs(step > 0);
}

TRect TKitCustomTabControl::DragArrowRect(int target) const
{
    const TRect r = GetTabRect(target);
    const int f = FFixedDimension / 2;
    const bool early = FTabSequence == tsStandard ? target < FTabIndex : target > FTabIndex;
    const bool single = FTabStyle == tsSingleSlant, dbl = FTabStyle == tsDoubleSlant, back = FTabStyle == tsBackSlant;
    const bool cornered = FTabStyle == tsCutCorner || IsRoundOrSquare();
    if (!IsVertical()) {
        const int top = FTabOrientation == toTop ? r.top - 2 : r.bottom - 6;
        int left;
        if (early)
            left = r.left - 8 + (dbl || back ? f : 0);
        else
            left = r.right - 7 - (single || dbl ? f : 0) + (cornered ? 1 : 0);
        return TRect(left, top, left + 15, top + 8);
    }
    if (FTabOrientation == toLeft) {
        const int left = r.left - 2;
        int top;
        if (early)
            top = r.bottom - 7 - (dbl || back ? f : 0) + (cornered ? 1 : 0);
        else
            top = r.top - 8 + (single || dbl ? f : 0);
        return TRect(left, top, left + 8, top + 15);
    }
    const int left = r.right - 5;
    int top;
    if (early)
        top = r.top - 8 + (dbl || back ? f + 1 : 0);
    else
        top = r.bottom - 7 - (single || dbl ? f : 0) + (cornered ? 1 : 0);
    return TRect(left, top, left + 8, top + 15);
}

// An arrow of XOR-ed pixels, so drawing it twice takes it away again.
void TKitCustomTabControl::DrawDragIndicator(const TRect& rect)
{
    TWinControl* parent = GetParent();
    if (!parent || !parent->HandleAllocated())
        return;
    const int w = rect.Width(), h = rect.Height();
    TBitmap arrow;
    arrow.SetSize(w, h);
    TCanvas* canvas = arrow.GetCanvas();
    canvas->GetBrush()->SetColor(XorColors(FDragIndicatorColor, parent->GetColor()));
    canvas->FillRect(TRect(0, 0, w, h));
    canvas->GetBrush()->SetColor(clBlack);
    canvas->GetPen()->SetStyle(psClear);
    // Two black corners leave a head pointing at the card.
    switch (FTabOrientation) {
    case toTop:
        canvas->Polygon({{0, h / 2}, {0, h}, {w / 2, h}});
        canvas->Polygon({{w, h / 2}, {w, h}, {w / 2 + 1, h}});
        break;
    case toBottom:
        canvas->Polygon({{0, h / 2}, {0, 0}, {w / 2, 0}});
        canvas->Polygon({{w, h / 2}, {w, 0}, {w / 2 + 1, 0}});
        break;
    case toLeft:
        canvas->Polygon({{w / 2, 0}, {w, 0}, {w, h / 2}});
        canvas->Polygon({{w / 2, h}, {w, h}, {w, h / 2 + 1}});
        break;
    default:
        canvas->Polygon({{w / 2, 0}, {0, 0}, {0, h / 2}});
        canvas->Polygon({{w / 2, h}, {0, h}, {0, h / 2 + 1}});
        break;
    }
    canvas->GetPen()->SetStyle(psSolid);
    HWND wnd = parent->GetHandle();
    HDC dc = GetDCEx(wnd, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE);
    BitBlt(dc, rect.left + GetLeft(), rect.top + GetTop(), w, h, canvas->GetHandle(), 0, 0, SRCINVERT);
    ReleaseDC(wnd, dc);
}

// ---- keyboard ----

bool TKitCustomTabControl::DoKeyDown(WORD& key, TShiftState shift)
{
    if (TCustomControl::DoKeyDown(key, shift))
        return true;
    if (key < VK_END || key > VK_DOWN || FTabs->GetCount() == 0)
        return false;
    CycleKeys(key);
    return true;
}

void TKitCustomTabControl::CycleKeys(WORD key)
{
    const int count = FTabs->GetCount();
    const bool standard = FTabSequence == tsStandard;
    auto tryCandidate = [&](int i) {
        if (!PassesSelectionTest(i, i != FTabIndex))
            return false;
        SelectTab(i, true);
        DoTabClick();
        return true;
    };
    if (key == VK_HOME || key == VK_END) {
        bool fromFirst = key == VK_HOME;
        if ((FTabOrientation == toLeft) == standard)
            fromFirst = !fromFirst;
        for (int k = 0; k < count; ++k)
            if (tryCandidate(fromFirst ? k : count - 1 - k))
                return;
        return;
    }
    bool forward = key == VK_RIGHT || key == VK_DOWN;
    if (!standard)
        forward = !forward;
    const int start = FTabIndex >= 0 ? FTabIndex : (forward ? -1 : count);
    for (int k = 1; k <= count; ++k) {
        const int i = ((start + (forward ? k : -k)) % count + count) % count;
        if (i == FTabIndex)
            return;
        if (tryCandidate(i))
            return;
    }
}

bool TKitCustomTabControl::DialogChar(char key)
{
    if (!CanFocus())
        return false;
    for (int i = 0; i < FTabs->GetCount(); ++i) {
        const TKitTabData* tab = FTabs->GetItem(i);
        const char accelerator = AcceleratorOf(tab->Caption);
        if (!accelerator || std::toupper(static_cast<unsigned char>(accelerator)) !=
                                std::toupper(static_cast<unsigned char>(key)))
            continue;
        if (!tab->Enabled || !tab->Visible)
            continue;
        SetFocus();
        if (Focused()) {
            SelectTab(i, false);
            if (FTabIndex == i)
                DoTabClick();
        }
        return true;
    }
    return false;
}
