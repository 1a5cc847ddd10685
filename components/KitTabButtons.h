// The small buttons of the tab strip: the two-arrow scroller, the close button
// at the strip's end, the close cross on the active tab and the tab menu button.
#pragma once

#include <memory>

#include "classlib/Menus.h"
#include "classlib/Timer.h"
#include "components/KitCommon.h"

class TKitCustomTabControl;

// The face every strip button shares: a gradient or a flat fill in the tab
// control's ButtonColor, outlined in the frame colour.
void DrawTabButtonFace(TCanvas* canvas, TRect rect, TKitCustomTabControl* control, bool enabled, TColor frameColor,
                       bool hot, bool pressed);

// Press, move and release shared by the buttons: tracking while the mouse is
// held, whether the pointer is still inside, and hover.
class TKitTabButtonState {
public:
    bool Tracking = false;
    bool PressedInside = false;
    bool Hot = false;
};

class TKitTabScroller : public TCustomControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitTabScroller(TComponent* AOwner);

    TColor GetFrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value);
    TOrientation GetOrientation() const { return FOrientation; }
    void SetOrientation(TOrientation value);
    TKitCustomTabControl* GetTabControl() const { return FTabControl; }
    void SetTabControl(TKitCustomTabControl* value) { FTabControl = value; }
    // The half under the point: true for the second (right, or top) half.
    bool InSecondHalf(int x, int y) const;
    // The halves as they are painted.
    TRect FirstHalfRect() const;
    TRect SecondHalfRect() const;
    bool GetPressedInside() const { return FState.PressedInside; }
    bool GetTracking() const { return FState.Tracking; }

    void WndProc(TMessage& message) override;

    TNotifyEvent OnUpRightClick;
    TNotifyEvent OnDownLeftClick;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual void DownLeftClick();
    virtual void UpRightClick();

private:
    void ClickPressedHalf();
    void RepeatTick(TObject* sender);
    // Whether scrolling by the half is possible (a half that cannot is drawn disabled).
    bool HalfEnabled(bool second) const;

    TColor FFrameColor = clBtnShadow;
    TOrientation FOrientation = orHorizontal;
    TKitCustomTabControl* FTabControl = nullptr;
    TKitTabButtonState FState;
    bool FPressedSecond = false;
    bool FHotSecond = false;
    TTimer* FTimer = nullptr;
};

class TKitTabControlCloseButton : public TCustomControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitTabControlCloseButton(TComponent* AOwner);

    TColor GetFrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value);
    void WndProc(TMessage& message) override;

    TNotifyEvent OnClose;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual void DoClick();

private:
    TColor FFrameColor = clBtnShadow;
    TKitTabButtonState FState;
};

// Drawn on the active tab; a graphic control, so it takes no focus and no capture.
class TKitActiveTabCloseButton : public TGraphicControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitActiveTabCloseButton(TComponent* AOwner);

    TColor GetFrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value);
    TKitCustomTabControl* GetTabControl() const { return FTabControl; }
    void SetTabControl(TKitCustomTabControl* value) { FTabControl = value; }
    void WndProc(TMessage& message) override;

    TNotifyEvent OnClose;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TColor FFrameColor = clBtnShadow;
    TKitCustomTabControl* FTabControl = nullptr;
    TKitTabButtonState FState;
};

class TKitTabMenuButton : public TCustomControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TKitTabMenuButton(TComponent* AOwner);

    TColor GetFrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value);
    TKitCustomTabControl* GetTabControl() const { return FTabControl; }
    void SetTabControl(TKitCustomTabControl* value) { FTabControl = value; }
    TPopupMenu* GetMenu() const { return FMenu; }
    // Rebuilds the menu from the tabs without showing it.
    void BuildMenu();
    void WndProc(TMessage& message) override;

    // Published for the form designer; never raised.
    TNotifyEvent OnDisplayMenu;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual void DoClick();

private:
    TColor FFrameColor = clBtnShadow;
    TKitCustomTabControl* FTabControl = nullptr;
    TKitTabButtonState FState;
    // Owned by the button; its items are owned by the menu and go with each rebuild.
    TPopupMenu* FMenu;
};
