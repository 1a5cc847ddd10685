#include "components/KitTabButtons.h"

#include <algorithm>

#include "classlib/Forms.h"
#include "components/KitTabs.h"

void DrawTabButtonFace(TCanvas* canvas, TRect rect, TKitCustomTabControl* control, bool enabled, TColor frameColor,
                       bool hot, bool pressed)
{
    TColor base = control ? control->GetButtonColor() : clBtnFace;
    if (enabled && control && control->GetUseGradients()) {
        TColor light = LightenColor(base, 20), dark = DarkenColor(base, 20);
        if (pressed) {
            light = DarkenColor(light, 30);
            dark = DarkenColor(dark, 30);
        } else if (hot) {
            light = LightenColor(light, 30);
            dark = LightenColor(dark, 30);
        }
        DrawGradient(canvas, TRect(rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1), gdHorizontalEnd,
                     light, dark);
        canvas->GetBrush()->SetStyle(bsClear);
        canvas->GetPen()->SetColor(frameColor);
        canvas->Rectangle(rect);
        canvas->GetBrush()->SetStyle(bsSolid);
        return;
    }
    if (!enabled)
        base = LightenColor(clBtnShadow, 30);
    else if (pressed)
        base = DarkenColor(base, 30);
    else if (hot)
        base = LightenColor(base, 30);
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(base);
    canvas->GetPen()->SetColor(frameColor);
    canvas->Rectangle(rect);
}

namespace {

TRect ClientOf(TControl* control)
{
    return TRect(0, 0, control->GetWidth(), control->GetHeight());
}

}  // namespace

// ---- scroller ----

VARIRUVU_CLASS_INFO(TKitTabScroller, TCustomControl)
{
    using P = TKitTabScroller;
    info.Property("FrameColor", &P::GetFrameColor, &P::SetFrameColor).OfType(ColorTypeInfo()).Default(clBtnShadow);
    info.Property("Orientation", &P::GetOrientation, &P::SetOrientation).Default(orHorizontal);
    info.Property("OnUpRightClick", &P::OnUpRightClick);
    info.Property("OnDownLeftClick", &P::OnDownLeftClick);
}

TKitTabScroller::TKitTabScroller(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle.Include(csNoDesignVisible).Include(csOpaque);
}

void TKitTabScroller::SetFrameColor(TColor value)
{
    if (value != FFrameColor) {
        FFrameColor = value;
        Invalidate();
    }
}

void TKitTabScroller::SetOrientation(TOrientation value)
{
    if (value != FOrientation) {
        FOrientation = value;
        Invalidate();
    }
}

bool TKitTabScroller::InSecondHalf(int x, int y) const
{
    return FOrientation == orHorizontal ? x >= GetWidth() / 2 : y <= GetHeight() / 2;
}

TRect TKitTabScroller::FirstHalfRect() const
{
    const int w = GetWidth(), h = GetHeight();
    return FOrientation == orHorizontal ? TRect(0, 0, w / 2 + 1, h) : TRect(0, h - h / 2 - 1, w, h);
}

TRect TKitTabScroller::SecondHalfRect() const
{
    const int w = GetWidth(), h = GetHeight();
    return FOrientation == orHorizontal ? TRect(w - w / 2 - 1, 0, w, h) : TRect(0, 0, w, h / 2 + 1);
}

bool TKitTabScroller::HalfEnabled(bool second) const
{
    if (!FTabControl)
        return true;
    return FTabControl->CanScroll(FTabControl->SecondHalfScrollsForward() == second);
}

void TKitTabScroller::Paint()
{
    TCanvas* canvas = GetCanvas();
    const TColor frame = LightenColor(FFrameColor, 30);
    for (bool second : {false, true}) {
        const TRect half = second ? SecondHalfRect() : FirstHalfRect();
        const bool enabled = HalfEnabled(second);
        const bool pressed = FState.PressedInside && FPressedSecond == second;
        const bool hot = FState.Hot && FHotSecond == second;
        DrawTabButtonFace(canvas, half, FTabControl, enabled, frame, hot, pressed);
        const TArrowDirection direction = FOrientation == orHorizontal ? (second ? adRight : adLeft)
                                                                       : (second ? adUp : adDown);
        DrawArrowGlyph(canvas, half, vsClassic, enabled, direction);
    }
}

void TKitTabScroller::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    FPressedSecond = InSecondHalf(x, y);
    FState.Tracking = true;
    FState.PressedInside = true;
    Invalidate();
    SetMouseCapture(true);
    if (!FTimer) {
        FTimer = new TTimer(this);
        FTimer->SetEnabled(false);
        FTimer->SetOnTimer(TNotifyEvent(this, &TKitTabScroller::RepeatTick));
    }
    FTimer->SetInterval(400);
    FTimer->SetEnabled(true);
}

void TKitTabScroller::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (FState.Tracking) {
        const bool inControl = x >= 0 && y >= 0 && x < GetWidth() && y < GetHeight();
        const bool inside = inControl && InSecondHalf(x, y) == FPressedSecond;
        if (inside != FState.PressedInside) {
            FState.PressedInside = inside;
            Invalidate();
        }
    } else if (FState.Hot) {
        const bool second = InSecondHalf(x, y);
        if (second != FHotSecond) {
            FHotSecond = second;
            Invalidate();
        }
    }
}

void TKitTabScroller::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (!FState.Tracking)
        return;
    if (FTimer)
        FTimer->SetEnabled(false);
    SetMouseCapture(false);
    FState.Tracking = false;
    if (FState.PressedInside) {
        FState.PressedInside = false;
        ClickPressedHalf();
        Invalidate();
    }
}

void TKitTabScroller::RepeatTick(TObject*)
{
    FTimer->SetInterval(100);
    try {
        if (FState.PressedInside && GetMouseCapture())
            ClickPressedHalf();
    } catch (...) {
        FTimer->SetEnabled(false);
        throw;
    }
}

void TKitTabScroller::ClickPressedHalf()
{
    if (FPressedSecond)
        UpRightClick();
    else
        DownLeftClick();
}

void TKitTabScroller::DownLeftClick()
{
    if (OnDownLeftClick)
        OnDownLeftClick(this);
}

void TKitTabScroller::UpRightClick()
{
    if (OnUpRightClick)
        OnUpRightClick(this);
}

void TKitTabScroller::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        FState.Hot = message.Msg == CM_MOUSEENTER;
        Invalidate();
        break;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

// ---- close button at the strip's end ----

VARIRUVU_CLASS_INFO(TKitTabControlCloseButton, TCustomControl)
{
    using P = TKitTabControlCloseButton;
    info.Property("FrameColor", &P::GetFrameColor, &P::SetFrameColor).OfType(ColorTypeInfo()).Default(clBtnShadow);
    info.Property("OnClose", &P::OnClose);
}

TKitTabControlCloseButton::TKitTabControlCloseButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle.Include(csNoDesignVisible).Include(csOpaque);
}

void TKitTabControlCloseButton::SetFrameColor(TColor value)
{
    if (value != FFrameColor) {
        FFrameColor = value;
        Invalidate();
    }
}

void TKitTabControlCloseButton::Paint()
{
    const TRect r = ClientOf(this);
    auto* control = dynamic_cast<TKitCustomTabControl*>(GetParent());
    DrawTabButtonFace(GetCanvas(), r, control, GetEnabled(), LightenColor(FFrameColor, 30), FState.Hot,
                      FState.PressedInside);
    DrawCloseGlyph(GetCanvas(), r, vsClassic, GetEnabled());
}

void TKitTabControlCloseButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    FState.Tracking = true;
    FState.PressedInside = true;
    Invalidate();
    SetMouseCapture(true);
}

void TKitTabControlCloseButton::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (!FState.Tracking)
        return;
    const bool inside = ClientOf(this).Contains(TPoint(x, y));
    if (inside != FState.PressedInside) {
        FState.PressedInside = inside;
        Invalidate();
    }
}

void TKitTabControlCloseButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (!FState.Tracking)
        return;
    SetMouseCapture(false);
    FState.Tracking = false;
    if (FState.PressedInside) {
        FState.PressedInside = false;
        DoClick();
    }
    Invalidate();
}

void TKitTabControlCloseButton::DoClick()
{
    if (OnClose)
        OnClose(this);
}

void TKitTabControlCloseButton::WndProc(TMessage& message)
{
    if (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) {
        FState.Hot = message.Msg == CM_MOUSEENTER;
        Invalidate();
    } else if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    TCustomControl::WndProc(message);
}

// ---- close cross on the active tab ----

VARIRUVU_CLASS_INFO(TKitActiveTabCloseButton, TGraphicControl)
{
    using P = TKitActiveTabCloseButton;
    info.Property("FrameColor", &P::GetFrameColor, &P::SetFrameColor).OfType(ColorTypeInfo()).Default(clBtnShadow);
    info.Property("OnClose", &P::OnClose);
}

TKitActiveTabCloseButton::TKitActiveTabCloseButton(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle.Include(csNoDesignVisible).Exclude(csCaptureMouse);
}

void TKitActiveTabCloseButton::SetFrameColor(TColor value)
{
    if (value != FFrameColor) {
        FFrameColor = value;
        Invalidate();
    }
}

void TKitActiveTabCloseButton::Paint()
{
    const TRect r = ClientOf(this);
    if (FState.Hot) {
        DrawTabButtonFace(GetCanvas(), r, FTabControl, true, FFrameColor, true, FState.PressedInside);
        DrawCrossGlyph(GetCanvas(), r, FTabControl ? FTabControl->GetTabColors()->GetHighlightBar() : clHighlight);
    } else {
        DrawCrossGlyph(GetCanvas(), r, FFrameColor);
    }
}

void TKitActiveTabCloseButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    FState.Tracking = true;
    FState.PressedInside = true;
    Invalidate();
}

void TKitActiveTabCloseButton::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    const bool inside = ClientOf(this).Contains(TPoint(x, y));
    if (FState.Tracking && inside != FState.PressedInside) {
        FState.PressedInside = inside;
        Invalidate();
    }
}

void TKitActiveTabCloseButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!FState.Tracking)
        return;
    FState.Tracking = false;
    const bool click = FState.PressedInside;
    FState.PressedInside = false;
    Invalidate();
    // The click may close the tab and with it move this button away; the hover is asked afresh.
    FState.Hot = ClientOf(this).Contains(TPoint(x, y));
    if (click && OnClose)
        OnClose(this);
}

void TKitActiveTabCloseButton::WndProc(TMessage& message)
{
    if (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) {
        FState.Hot = message.Msg == CM_MOUSEENTER;
        Invalidate();
    }
    TGraphicControl::WndProc(message);
}

// ---- tab menu button ----

VARIRUVU_CLASS_INFO(TKitTabMenuButton, TCustomControl)
{
    using P = TKitTabMenuButton;
    info.Property("FrameColor", &P::GetFrameColor, &P::SetFrameColor).OfType(ColorTypeInfo()).Default(clBtnShadow);
    info.Property("OnDisplayMenu", &P::OnDisplayMenu);
}

TKitTabMenuButton::TKitTabMenuButton(TComponent* AOwner) : TCustomControl(AOwner), FMenu(new TPopupMenu(this))
{
    FControlStyle.Include(csNoDesignVisible).Include(csOpaque);
}

void TKitTabMenuButton::SetFrameColor(TColor value)
{
    if (value != FFrameColor) {
        FFrameColor = value;
        Invalidate();
    }
}

void TKitTabMenuButton::Paint()
{
    const TRect r = ClientOf(this);
    DrawTabButtonFace(GetCanvas(), r, FTabControl, GetEnabled(), LightenColor(FFrameColor, 30), FState.Hot,
                      FState.PressedInside);
    TArrowDirection direction = adDown;
    if (FTabControl) {
        switch (FTabControl->GetTabOrientation()) {
        case toLeft:
            direction = adRight;
            break;
        case toBottom:
            direction = adUp;
            break;
        case toRight:
            direction = adLeft;
            break;
        default:
            break;
        }
    }
    DrawArrowGlyph(GetCanvas(), r, vsClassic, GetEnabled(), direction);
}

void TKitTabMenuButton::BuildMenu()
{
    TMenuItem* root = FMenu->GetItems();
    while (root->GetCount() > 0)
        std::unique_ptr<TMenuItem> release(root->GetItems(root->GetCount() - 1));
    if (!FTabControl)
        return;
    TKitTabDataList* tabs = FTabControl->GetTabs();
    std::vector<std::pair<AnsiString, int>> entries;
    for (int i = 0; i < tabs->GetCount(); ++i)
        if (tabs->GetItem(i)->Visible)
            entries.emplace_back(tabs->GetItem(i)->Caption, i);
    if (FTabControl->GetSortTabMenu())
        std::stable_sort(entries.begin(), entries.end(),
                         [](const auto& a, const auto& b) { return CompareText(a.first, b.first) < 0; });
    TKitCustomTabControl* control = FTabControl;
    for (const auto& [caption, index] : entries) {
        const TKitTabData* tab = tabs->GetItem(index);
        auto* item = new TMenuItem(FMenu);
        item->SetCaption(caption);
        item->SetEnabled(tab->Enabled);
        item->SetChecked(index == control->GetTabIndex());
        item->SetTag(index);
        item->OnClick = TNotifyEvent::FromFunction([control, index](TObject*) { control->SetTabIndex(index); });
        root->Add(item);
    }
}

void TKitTabMenuButton::DoClick()
{
    BuildMenu();
    if (!FTabControl)
        return;
    // The corner of the button next to the card.
    const bool standard = FTabControl->GetTabSequence() == tsStandard;
    TPoint corner;
    switch (FTabControl->GetTabOrientation()) {
    case toTop:
        corner = standard ? TPoint(GetWidth() - 1, GetHeight()) : TPoint(0, GetHeight());
        break;
    case toLeft:
        corner = TPoint(GetWidth(), 0);
        break;
    case toBottom:
        corner = standard ? TPoint(GetWidth(), 0) : TPoint(0, 0);
        break;
    default:
        corner = TPoint(0, 0);
        break;
    }
    const TPoint screen = ClientToScreen(corner);
    FMenu->Popup(screen.x, screen.y);
}

void TKitTabMenuButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    FState.Tracking = true;
    FState.PressedInside = true;
    Invalidate();
    SetMouseCapture(true);
}

void TKitTabMenuButton::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (!FState.Tracking)
        return;
    const bool inside = ClientOf(this).Contains(TPoint(x, y));
    if (inside != FState.PressedInside) {
        FState.PressedInside = inside;
        Invalidate();
    }
}

void TKitTabMenuButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (!FState.Tracking)
        return;
    SetMouseCapture(false);
    FState.Tracking = false;
    const bool click = FState.PressedInside;
    FState.PressedInside = false;
    Invalidate();
    if (click)
        DoClick();
}

void TKitTabMenuButton::WndProc(TMessage& message)
{
    if (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) {
        FState.Hot = message.Msg == CM_MOUSEENTER;
        Invalidate();
    } else if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    TCustomControl::WndProc(message);
}
