// Controls: the window-less and the windowed, their creation, messages and painting.
//
// Creation of a windowed control: HandleNeeded -> CreateHandle -> CreateWnd
// -> CreateParams (the window class record and class name; CreateSubClass
// copies a system class) -> registration of the library's class, whose
// procedure is InitWndProc -> CreateWindowHandle. The window's first message
// reaches InitWndProc, which binds the handle to the control and hands the
// window over to the control's thunk. The thunk calls MainWndProc, which runs
// WindowProc (WndProc unless replaced); each class handles its messages in
// WndProc and passes the rest to its base, down to DefaultHandler, which calls
// the window's default procedure (the system class's, or DefWindowProcA).
#pragma once

#include <cstdint>
#include <vector>

#include "classlib/ActnList.h"
#include "classlib/Classes.h"
#include "classlib/Geometry.h"
#include "classlib/Graphics.h"
#include "classlib/Messages.h"

class TWinControl;
class TCustomForm;
class TControlActionLink;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
VARIRUVU_ENUM_INFO(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient);
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
VARIRUVU_ENUM_INFO(TAnchorKind, akLeft, akTop, akRight, akBottom);
using TAnchors = TSet<TAnchorKind>;

enum TControlStyleFlag {
    csAcceptsControls,
    csCaptureMouse,
    csDesignInteractive,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents,
    csNeedsBorderPaint,
    csParentBackground,
};
using TControlStyle = TSet<TControlStyleFlag>;

// csDestroyingHandle: the window is being destroyed (its WM_DESTROY and the
// notifications that come with it are arriving).
enum TControlStateFlag { csLButtonDown, csClicked, csFocusing, csAlignmentNeeded, csCreating, csPainting, csDestroyingHandle };
using TControlState = TSet<TControlStateFlag>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
VARIRUVU_ENUM_INFO(TMouseButton, mbLeft, mbRight, mbMiddle);
enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
VARIRUVU_ENUM_INFO(TShiftStateFlag, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble);
using TShiftState = TSet<TShiftStateFlag>;
// The shift state of a mouse message's key flags, and of the keyboard now.
TShiftState MouseKeysToShiftState(WPARAM keys);
TShiftState KeyboardShiftState();

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;

using TCursor = int16_t;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                  crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11, crDrag = -12,
                  crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16, crSQLWait = -17, crNo = -18,
                  crAppStart = -19, crHelp = -20, crHandPoint = -21, crSizeAll = -22;
// The type cursor properties are published with: form texts name cursors (crHandPoint).
const TTypeInfo& CursorTypeInfo();

// Window procedure thunks: a WNDPROC that calls `method` with the message.
// The thunk lives until FreeObjectInstance.
WNDPROC MakeObjectInstance(TWndMethod method);
void FreeObjectInstance(WNDPROC instance);

class TControl;
// The windowed control a window belongs to (a window of this process made by
// the library), or null.
TWinControl* FindControl(HWND wnd);
// The control that has the mouse captured, or null.
TControl* CapturedControl();
// The window properties by which FindControl knows a control's window.
ATOM WindowAtom();
ATOM ControlAtom();

// Everything a window is made from.
struct TCreateParams {
    AnsiString Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    void* Param = nullptr;
    WNDCLASSA WindowClass{};
    char WinClassName[64] = {};
};

class TControl : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* GetParent() const { return FParent; }
    virtual void SetParent(TWinControl* value);
    void SetParentComponent(TComponent* value) override;
    TCustomForm* GetParentForm() const;

    int GetLeft() const { return FLeft; }
    int GetTop() const { return FTop; }
    int GetWidth() const { return FWidth; }
    int GetHeight() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    void SetBounds(int left, int top, int width, int height) { PlaceBounds(left, top, width, height); }
    TRect GetBoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.left, r.top, r.Width(), r.Height()); }
    TAlign GetAlign() const { return FAlign; }
    void SetAlign(TAlign value);
    TAnchors GetAnchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);

    TRect GetClientRect() const { return ClientArea(); }
    int GetClientWidth() const { return GetClientRect().Width(); }
    int GetClientHeight() const { return GetClientRect().Height(); }
    // The client area's origin in screen coordinates.
    virtual TPoint GetClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    bool GetVisible() const { return FVisible; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a top-level window too.
    virtual bool GetShowing() const;
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool value);

    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);
    bool GetParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TFont* GetFont() const { return FFont.get(); }
    void SetFont(TFont* value) { FFont->Assign(value); }
    bool GetParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    // 8-bit text, through WM_GETTEXT and WM_SETTEXT (the window's own text for a
    // windowed control with a window); a change sends CM_TEXTCHANGED.
    AnsiString GetText() const;
    void SetText(const AnsiString& value);
    AnsiString GetCaption() const { return GetText(); }
    void SetCaption(const AnsiString& value) { SetText(value); }
    const AnsiString& GetHint() const { return FHint; }
    void SetHint(const AnsiString& value) { FHint = value; }
    bool GetShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool GetParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);
    TCursor GetCursor() const { return FCursor; }
    void SetCursor(TCursor value);

    TControlStyle GetControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { FControlStyle = value; }
    TControlState GetControlState() const { return FControlState; }

    // The message through WindowProc, as the window would deliver it.
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);
    TWndMethod GetWindowProc() const { return FWindowProc; }
    void SetWindowProc(TWndMethod value) { FWindowProc = value; }
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    virtual void Invalidate();
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();
    virtual void Click();
    bool GetMouseCapture() const;
    void SetMouseCapture(bool value);
    bool HasParent() const { return FParent != nullptr; }
    TComponent* GetParentComponent() const override;

    // The action the control shows and carries out on a click.
    TBasicAction* GetAction() const;
    void SetAction(TBasicAction* value);
    TControlActionLink* GetActionLink() const { return FActionLink.get(); }
    // Brings the action up to date (the application does it while idle).
    virtual void InitiateAction();
    // True when the control carried out (or brought up to date) an action meant for it.
    virtual bool ExecuteAction(TBasicAction* action);
    virtual bool UpdateAction(TBasicAction* action);
    // Stored tests: a value the action supplies is not stored.
    bool IsCaptionStored() const;
    bool IsEnabledStored() const;
    bool IsHintStored() const;
    bool IsVisibleStored() const;
    bool IsOnClickStored() const;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    friend class TWinControl;
    friend class TControlActionLink;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // The class of the control's action link (a TControlActionLink descendant).
    virtual TActionLinkClass GetActionLinkClass() const;
    // Takes the action's caption, hint, enabled and visible states and its
    // OnExecute as OnClick; with checkDefaults only where the control still
    // has its own default (empty caption or its name, empty hint, ...).
    virtual void ActionChange(TObject* sender, bool checkDefaults);
    virtual TRect ClientArea() const;
    virtual void PlaceBounds(int left, int top, int width, int height);
    // Asks the parent to arrange its children again (this one has Align or anchors).
    void RequestAlign();
    virtual void VisibleChanging() {}
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    // Remembers where the anchors hold the control, from the parent's client size now.
    void UpdateAnchorRules();
    void InvalidateControl(bool isVisible, bool isOpaque);

    TControlStyle FControlStyle;
    TControlState FControlState;

private:
    void FontChanged(TObject* sender);
    void HandleMouseMessage(TMessage& message);

    TWinControl* FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    // The bounds and the parent's client size the anchors were taken from.
    TRect FAnchorBounds;
    TSize FAnchorParentSize;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    AnsiString FText;
    AnsiString FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TCursor FCursor = crDefault;
    TWndMethod FWindowProc;
    std::unique_ptr<TControlActionLink> FActionLink;
};

// The link of a control to its action: a value is linked while the control
// still shows the action's.
class TControlActionLink : public TActionLink {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TControlActionLink(TObject* client);
    TControl* GetClient() const { return FClient; }

    bool IsCaptionLinked() override;
    bool IsEnabledLinked() override;
    bool IsHintLinked() override;
    bool IsVisibleLinked() override;
    bool IsOnExecuteLinked() override;
    void SetCaption(const AnsiString& value) override;
    void SetEnabled(bool value) override;
    void SetHint(const AnsiString& value) override;
    void SetVisible(bool value) override;
    void SetOnExecute(const TNotifyEvent& value) override;

protected:
    TControl* FClient;
};

class TWinControlActionLink : public TControlActionLink {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TControlActionLink::TControlActionLink;
};

class TWinControl : public TControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    // The window, made first when there is none.
    HWND GetHandle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    void DestroyHandle();
    void RecreateWnd();
    // For window-creation overrides that make the window themselves.
    void SetWindowHandle(HWND value) { FHandle = value; }
    // The procedure DefaultHandler ends in.
    WNDPROC GetDefWndProc() const { return FDefWndProc; }
    void SetDefWndProc(WNDPROC value) { FDefWndProc = value; }
    WNDPROC GetObjectInstance() const { return FObjectInstance; }
    // The window's message entry: WindowProc, exceptions to the application.
    void MainWndProc(TMessage& message);

    int GetControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* GetControls(int index) const { return FControls.at(static_cast<size_t>(index)); }
    bool ContainsControl(const TControl* control) const;
    // The visible child under the point (client coordinates), windowed ones only on request.
    TControl* ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls = false) const;
    // Sends the message to every child until one gives a result.
    void Broadcast(TMessage& message);
    void Realign();
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();

    bool CanFocus() const;
    virtual void SetFocus();
    bool Focused() const;
    int GetTabOrder() const;
    void SetTabOrder(int value);
    bool GetTabStop() const { return FTabStop; }
    void SetTabStop(bool value) { FTabStop = value; }
    // Windowed descendants in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    bool GetDoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }
    TBrush* GetBrush() const { return FBrush.get(); }
    bool GetShowing() const override;
    void Invalidate() override;
    void Update() override;
    void PaintTo(HDC dc, int x, int y);

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    // The control, then its children, until one carries the action out.
    bool ExecuteAction(TBasicAction* action) override;
    bool UpdateAction(TBasicAction* action) override;
    // InitiateAction of every visible child, depth first.
    void UpdateActions();

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    friend class TControl;
    TActionLinkClass GetActionLinkClass() const override;
    virtual void CreateHandle();
    virtual void CreateWnd();
    virtual void CreateParams(TCreateParams& params);
    // Takes a system class (such as "BUTTON") as the window class; its procedure
    // becomes the default procedure.
    void CreateSubClass(TCreateParams& params, const char* className);
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyWnd();
    virtual void DestroyWindowHandle();
    // Arranges the aligned and anchored children within `rect`.
    virtual void ArrangeChildren(TControl* control, TRect& rect);
    // The part of the client area the children are arranged in.
    virtual void ShrinkClientArea(TRect& rect) { (void)rect; }
    void PlaceBounds(int left, int top, int width, int height) override;
    void Loaded() override;
    // Paints the window itself; the base leaves it to the default procedure.
    virtual void PaintWindow(HDC dc);
    // Paints the graphic children into the DC (client coordinates of this control).
    void PaintControls(HDC dc);
    virtual bool DoKeyDown(WORD& key, TShiftState shift);
    virtual bool DoKeyPress(char& key);
    virtual bool DoKeyUp(WORD& key, TShiftState shift);
    // A key message through the key events: true when they took the key,
    // else the message carries the key as they left it.
    bool DoKeyMessage(TMessage& message);
    void UpdateBounds();
    bool IsOwnClass() const { return FDefWndProc == &DefWindowProcA; }

    HWND FHandle = nullptr;

private:
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void PaintHandler(TMessage& message);
    void PrintClientHandler(TMessage& message);
    void EraseBackground(HDC dc);
    bool IsControlMouseMsg(TMessage& message);
    bool ReflectNotification(TMessage& message);
    void SetCursorFromPoint(TMessage& message);
    void DialogKey(TMessage& message);

    WNDPROC FDefWndProc = nullptr;
    WNDPROC FObjectInstance = nullptr;
    std::vector<TControl*> FControls;     // every child, in z-order from the bottom
    std::vector<TWinControl*> FTabList;   // the windowed children in tab order
    std::unique_ptr<TBrush> FBrush;
    int FAlignLevel = 0;
    bool FTabStop = false;
    bool FDoubleBuffered = false;
};

// Borrows a device context of its control when one is needed outside painting.
class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl* control) : FControl(control) {}
    ~TControlCanvas() override;

protected:
    void CreateHandle() override;
    void FreeHandle() override;

private:
    TControl* FControl;
    HWND FWindow = nullptr;
    HDC FOwnDC = nullptr;
};

// A control without a window, painted by its parent within its bounds.
class TGraphicControl : public TControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;
    TCanvas* GetCanvas() const { return FCanvas.get(); }
    void WndProc(TMessage& message) override;

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

// A windowed control that paints itself on its canvas.
class TCustomControl : public TWinControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;
    TCanvas* GetCanvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

// What a control is asked with CM_HINTSHOW before its hint shows (LParam points at it).
class THintWindow;
struct THintInfo {
    TControl* HintControl = nullptr;
    const TClassInfo* HintWindowClass = nullptr;
    TPoint HintPos;
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    TRect CursorRect;
    TPoint CursorPos;
    int ReshowTimeout = 0;
    int HideTimeout = 0;
    AnsiString HintStr;
    void* HintData = nullptr;
};

// The small window a hint is shown in.
class THintWindow : public TCustomControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit THintWindow(TComponent* AOwner);

    virtual void ShowHintAt(const TRect& rect, const AnsiString& hint);
    virtual void ShowHintWithData(const TRect& rect, const AnsiString& hint, void* data);
    // The window rectangle the hint needs, at (0, 0).
    virtual TRect MeasureHint(int maxWidth, const AnsiString& hint, void* data);
    void ReleaseHint();
    bool IsHintShown() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void WndProc(TMessage& message) override;
};
