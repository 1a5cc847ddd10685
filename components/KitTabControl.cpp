// The tab control's construction, properties and messages.
#include "components/KitTabButtons.h"
#include "components/KitTabs.h"

VARIRUVU_CLASS_INFO(TKitCustomTabControl, TCustomControl) {}

TKitCustomTabControl::TKitCustomTabControl(TComponent* AOwner)
    : TCustomControl(AOwner), FTabColors(std::make_unique<TKitTabColors>(this)),
      FTextColors(std::make_unique<TKitTextColors>(this)), FTabs(std::make_unique<TKitTabDataList>()),
      FBitmap(std::make_unique<TBitmap>()), FWorkFont(std::make_unique<TFont>())
{
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
    SetBounds(0, 0, 300, 100);
    SetTabStop(true);
    SetColor(clBtnFace);
    SetParentColor(true);
    FBitmap->SetSize(GetWidth(), GetHeight());
    FWorkFont->Assign(GetFont());
    SetLayoutDirty(true);
}

TKitCustomTabControl::~TKitCustomTabControl()
{
    if (FHotTimerRunning && HandleAllocated())
        KillTimer(FHandle, 0);
    FHotTimerRunning = false;
}

// ---- layout state ----

void TKitCustomTabControl::SetLayoutDirty(bool value)
{
    FLayoutDirty = value;
    if (value)
        Invalidate();
}

void TKitCustomTabControl::TabsChanged()
{
    SetLayoutDirty(true);
}

void TKitCustomTabControl::InvalidateTabs()
{
    FHotTrackRepaint = false;
    Invalidate();
}

// ---- properties with more to them than a relayout or a repaint ----

void TKitCustomTabControl::SetAlignTabs(bool value)
{
    if (value == FAlignTabs)
        return;
    FAlignTabs = value;
    if (FMultiLine)
        TabsChanged();
}

void TKitCustomTabControl::SetBackgroundColor(TColor value)
{
    FParentBackgroundColor = false;
    Repaint(FBackgroundColor, value);
}

void TKitCustomTabControl::SetParentBackgroundColor(bool value)
{
    if (value == FParentBackgroundColor)
        return;
    FParentBackgroundColor = value;
    if (value && GetParent()) {
        FBackgroundColor = GetParent()->GetColor();
        InvalidateTabs();
    }
}

void TKitCustomTabControl::SetShowFullFrame(bool value)
{
    if (value == FShowFullFrame)
        return;
    FShowFullFrame = value;
    if (!value)
        FShowShadow = false;
    TabsChanged();
}

void TKitCustomTabControl::SetShowShadow(bool value)
{
    if (value == FShowShadow)
        return;
    FShowShadow = value;
    if (value)
        FShowFullFrame = true;
    TabsChanged();
}

void TKitCustomTabControl::SetShowCloseButton(bool value)
{
    if (value == FShowCloseButton)
        return;
    FShowCloseButton = value;
    ShowButtons();
    TabsChanged();
}

void TKitCustomTabControl::SetShowCloseButtonOnActiveTab(bool value)
{
    if (value == FShowCloseButtonOnActiveTab)
        return;
    FShowCloseButtonOnActiveTab = value;
    ShowButtons();
    TabsChanged();
}

void TKitCustomTabControl::SetShowMenuButton(bool value)
{
    if (value == FShowMenuButton)
        return;
    FShowMenuButton = value;
    ShowButtons();
    TabsChanged();
}

void TKitCustomTabControl::SetUseColoredTabs(bool value)
{
    Repaint(FUseColoredTabs, value);
}

void TKitCustomTabControl::SetCutCornerSize(int value)
{
    if (value < 0 || value == FCutCornerSize)
        return;
    FCutCornerSize = value;
    if (FTabStyle == tsCutCorner)
        TabsChanged();
}

void TKitCustomTabControl::SetFlatColor(TColor value)
{
    if (value == FFlatColor)
        return;
    FFlatColor = value;
    UpdateButtonColors();
    InvalidateTabs();
}

void TKitCustomTabControl::SetFlatColorAdjustment(int value)
{
    if (value == FFlatColorAdjustment)
        return;
    FFlatColorAdjustment = value;
    UpdateButtonColors();
    InvalidateTabs();
}

void TKitCustomTabControl::SetHotTrack(bool value)
{
    if (value == FHotTrack)
        return;
    FHotTrack = value;
    if (!value && !FTabHints)
        StopHotTracking(false);
}

void TKitCustomTabControl::SetTabHints(bool value)
{
    if (value == FTabHints)
        return;
    FTabHints = value;
    if (!value && !FHotTrack)
        StopHotTracking(false);
}

void TKitCustomTabControl::SetImages(TCustomImageList* value)
{
    if (value == FImages)
        return;
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = value;
    if (value)
        value->FreeNotification(this);
    TabsChanged();
}

void TKitCustomTabControl::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == FImages) {
        FImages = nullptr;
        TabsChanged();
    }
}

void TKitCustomTabControl::SetTextOrientation(TOrientation value)
{
    if (value == FTextOrientation)
        return;
    FTextOrientation = value;
    // Only an outline font turns; a bitmap font would stay upright.
    if (!(GetComponentState() & csLoading) && value == orVertical && !IsTrueTypeFont(GetFont()))
        GetFont()->SetName("Verdana");
    TabsChanged();
}

void TKitCustomTabControl::SetTabOrientation(TKitTabOrientation value)
{
    if (value == FTabOrientation)
        return;
    FTabOrientation = value;
    if (FScroller)
        FScroller->SetOrientation(IsVertical() ? orVertical : orHorizontal);
    if (!(GetComponentState() & csLoading))
        TabsChanged();
}

// ---- the buttons ----

void TKitCustomTabControl::UpdateButtonColors()
{
    const TColor frame = FrameColor();
    if (FScroller)
        FScroller->SetFrameColor(frame);
    if (FCloseButton)
        FCloseButton->SetFrameColor(frame);
    if (FActiveTabCloseButton)
        FActiveTabCloseButton->SetFrameColor(frame);
    if (FMenuButton)
        FMenuButton->SetFrameColor(frame);
}

// Makes each button on first need and shows those the settings and the layout call for.
void TKitCustomTabControl::ShowButtons()
{
    const bool tabs = FTabs->GetCount() > 0;
    if (FShowCloseButton && !FCloseButton) {
        FCloseButton = new TKitTabControlCloseButton(this);
        FCloseButton->OnClose = TNotifyEvent(this, &TKitCustomTabControl::CloseRequest);
        FCloseButton->SetVisible(false);
        FCloseButton->SetParent(this);
    }
    if (FShowCloseButtonOnActiveTab && !FActiveTabCloseButton) {
        FActiveTabCloseButton = new TKitActiveTabCloseButton(this);
        FActiveTabCloseButton->SetTabControl(this);
        FActiveTabCloseButton->OnClose = TNotifyEvent(this, &TKitCustomTabControl::CloseRequest);
        FActiveTabCloseButton->SetVisible(false);
        FActiveTabCloseButton->SetParent(this);
    }
    if (FShowMenuButton && !FMenuButton) {
        FMenuButton = new TKitTabMenuButton(this);
        FMenuButton->SetTabControl(this);
        FMenuButton->SetVisible(false);
        FMenuButton->SetParent(this);
    }
    if (FScrolling && !FScroller) {
        FScroller = new TKitTabScroller(this);
        FScroller->SetTabControl(this);
        FScroller->SetOrientation(IsVertical() ? orVertical : orHorizontal);
        FScroller->OnUpRightClick = TNotifyEvent::FromFunction(
            [this](TObject*) { ScrollTabs(SecondHalfScrollsForward()); });
        FScroller->OnDownLeftClick = TNotifyEvent::FromFunction(
            [this](TObject*) { ScrollTabs(!SecondHalfScrollsForward()); });
        FScroller->SetVisible(false);
        FScroller->SetParent(this);
    }
    UpdateButtonColors();
    if (FCloseButton)
        FCloseButton->SetVisible(FShowCloseButton && tabs);
    if (FMenuButton)
        FMenuButton->SetVisible(FShowMenuButton && tabs);
    if (FScroller)
        FScroller->SetVisible(FScrolling);
    if (FActiveTabCloseButton)
        FActiveTabCloseButton->SetVisible(FShowCloseButtonOnActiveTab && FTabIndex >= 0 &&
                                          IsTabFullyShown(FTabIndex));
}

bool TKitCustomTabControl::SecondHalfScrollsForward() const
{
    return FTabSequence == tsStandard ? FTabOrientation != toRight : FTabOrientation == toRight;
}

bool TKitCustomTabControl::CanScroll(bool forward) const
{
    if (forward)
        return !IsTabFullyShown(LastVisibleTab());
    return FFirstVisibleTab > 0;
}

// ---- window ----

void TKitCustomTabControl::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TKitCustomTabControl::CreateWnd()
{
    TCustomControl::CreateWnd();
    if (IsWindowsVersionOrLater(Win2000))
        SendMessageA(FHandle, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}

bool TKitCustomTabControl::AcceleratorsShown()
{
    return !HandleAllocated() || !(SendMessageA(FHandle, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL);
}

bool TKitCustomTabControl::FocusRectShown()
{
    return !HandleAllocated() || !(SendMessageA(FHandle, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

void TKitCustomTabControl::ShrinkClientArea(TRect& rect)
{
    rect = GetCardClientRect();
}

void TKitCustomTabControl::ArrangeChildren(TControl* control, TRect& rect)
{
    PlaceButtons();
    TCustomControl::ArrangeChildren(control, rect);
    FLastClientRect = GetCardClientRect();
    if (OnAlignControls)
        OnAlignControls(this);
}

void TKitCustomTabControl::Loaded()
{
    TCustomControl::Loaded();
    FSavedHint = GetHint();
    FWorkFont->Assign(GetFont());
    SetLayoutDirty(true);
    if (FTextOrientation == orVertical && !IsTrueTypeFont(GetFont()))
        GetFont()->SetName("Verdana");
    // A streamed index gives way to the default one, which the selection protocol then applies.
    FTabIndex = -1;
    SelectTab(FDefaultTabIndex, false);
}

void TKitCustomTabControl::DefineProperties(TFiler* filer)
{
    TCustomControl::DefineProperties(filer);
    filer->DefineProperty(
        "FixedDimension", [this](TReader* reader) { FFixedDimension = reader->ReadInteger(); },
        [this](TWriter* writer) { writer->WriteInteger(FFixedDimension); }, true);
}

void TKitCustomTabControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_SIZE:
        TCustomControl::WndProc(message);
        TabsChanged();
        return;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_TIMER:
        if (message.WParam == 0 && FHotTimerRunning) {
            HotTrackTimer();
            return;
        }
        break;
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateTabs();
        break;
    case CM_DIALOGCHAR:
        if (DialogChar(static_cast<char>(message.WParam))) {
            message.Result = 1;
            return;
        }
        break;
    case CM_FONTCHANGED:
        FWorkFont->Assign(GetFont());
        TabsChanged();
        break;
    case CM_COLORCHANGED:
        if (FUseColoredTabs) {
            TMessage parentChanged{CM_PARENTCOLORCHANGED, 0, 0, 0};
            Broadcast(parentChanged);
            return;
        }
        TCustomControl::WndProc(message);
        InvalidateTabs();
        return;
    case CM_PARENTCOLORCHANGED:
        TCustomControl::WndProc(message);
        if (FParentBackgroundColor && GetParent() && GetParent()->GetColor() != FBackgroundColor) {
            FBackgroundColor = GetParent()->GetColor();
            InvalidateTabs();
        }
        return;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}
