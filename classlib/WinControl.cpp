#include <algorithm>

#include "classlib/Forms.h"

namespace {

// The control whose window is being made; its first message binds to it.
TWinControl* CreationControl = nullptr;

LRESULT CALLBACK InitWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = CreationControl;
    if (!control)
        return DefWindowProcA(wnd, msg, wParam, lParam);
    CreationControl = nullptr;
    control->SetWindowHandle(wnd);
    SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control->GetObjectInstance()));
    if ((GetWindowLongA(wnd, GWL_STYLE) & WS_CHILD) && GetWindowLongPtrA(wnd, GWLP_ID) == 0)
        SetWindowLongPtrA(wnd, GWLP_ID, reinterpret_cast<LONG_PTR>(wnd));
    SetPropA(wnd, MAKEINTATOM(WindowAtom()), control);
    SetPropA(wnd, MAKEINTATOM(ControlAtom()), control);
    return CallWindowProcA(control->GetObjectInstance(), wnd, msg, wParam, lParam);
}

// Our window class of this name, registered once with InitWndProc.
void RegisterWindowClass(TCreateParams& params)
{
    WNDCLASSA existing{};
    if (GetClassInfoA(params.WindowClass.hInstance, params.WinClassName, &existing)) {
        if (existing.lpfnWndProc == &InitWndProc)
            return;
        UnregisterClassA(params.WinClassName, params.WindowClass.hInstance);
    }
    WNDCLASSA cls = params.WindowClass;
    cls.lpfnWndProc = &InitWndProc;
    cls.lpszClassName = params.WinClassName;
    if (!RegisterClassA(&cls))
        RaiseLastOSError();
}

}  // namespace

VARIRUVU_CLASS_INFO(TWinControl, TControl)
{
    info.Property("DoubleBuffered", &TWinControl::GetDoubleBuffered, &TWinControl::SetDoubleBuffered).Default(false);
    info.Property("TabOrder", &TWinControl::GetTabOrder, &TWinControl::SetTabOrder).Default(-1);
    info.Property("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop).Default(false);
    info.Property("OnEnter", &TWinControl::OnEnter);
    info.Property("OnExit", &TWinControl::OnExit);
    info.Property("OnKeyDown", &TWinControl::OnKeyDown);
    info.Property("OnKeyPress", &TWinControl::OnKeyPress);
    info.Property("OnKeyUp", &TWinControl::OnKeyUp);
}

TWinControl::TWinControl(TComponent* AOwner)
    : TControl(AOwner), FObjectInstance(MakeObjectInstance(TWndMethod(this, &TWinControl::MainWndProc))),
      FBrush(std::make_unique<TBrush>())
{
    FBrush->SetColor(GetColor());
}

TWinControl::~TWinControl()
{
    Destroying();
    if (FHandle)
        DestroyHandle();
    for (TControl* child : FControls)
        child->FParent = nullptr;
    FControls.clear();
    FTabList.clear();
    FreeObjectInstance(FObjectInstance);
}

// ---- children ----

void TWinControl::InsertControl(TControl* control)
{
    control->FParent = this;
    FControls.push_back(control);
    if (auto* w = dynamic_cast<TWinControl*>(control))
        FTabList.push_back(w);
    if (control->FParentColor)
        control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    if (control->FParentFont)
        control->Perform(CM_PARENTFONTCHANGED, 0, 0);
    if (control->FParentShowHint)
        control->FShowHint = GetShowHint();
    if (auto* w = dynamic_cast<TWinControl*>(control); w && FHandle && !(GetComponentState() & csLoading))
        w->HandleNeeded();
    control->UpdateAnchorRules();
    Realign();
    control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control)
{
    control->Invalidate();
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        if (w->HandleAllocated())
            w->DestroyHandle();
        FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), w), FTabList.end());
    }
    FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
    control->FParent = nullptr;
    Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    while (control && control != this)
        control = control->GetParent();
    return control == this;
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls) const
{
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (!allowWinControls && dynamic_cast<TWinControl*>(c))
            continue;
        if (c->GetVisible() && (c->GetEnabled() || allowDisabled) && c->GetBoundsRect().Contains(pos) &&
            c->Perform(CM_HITTEST, 0, MAKELPARAM(pos.x - c->GetLeft(), pos.y - c->GetTop())) != 0)
            return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message)
{
    for (TControl* child : std::vector<TControl*>(FControls)) {
        child->GetWindowProc()(message);
        if (message.Result)
            return;
    }
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root)
{
    for (TControl* child : FControls)
        if (child->GetOwner() == root)
            proc(child);
}

// ---- alignment ----

void TWinControl::EnableAlign()
{
    if (--FAlignLevel == 0)
        Realign();
}

void TWinControl::Realign()
{
    if (FAlignLevel > 0 || (GetComponentState() & (csLoading | csDestroying)))
        return;
    TRect rect = GetClientRect();
    ShrinkClientArea(rect);
    ArrangeChildren(nullptr, rect);
}

void TWinControl::ArrangeChildren(TControl*, TRect& rect)
{
    ++FAlignLevel;
    TRect client = GetClientRect();
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : FControls) {
            if (c->FAlign != align || !c->FVisible)
                continue;
            int w = c->FWidth, h = c->FHeight;
            switch (align) {
            case alTop:
                c->SetBounds(rect.left, rect.top, rect.Width(), h);
                rect.top += h;
                break;
            case alBottom:
                c->SetBounds(rect.left, rect.bottom - h, rect.Width(), h);
                rect.bottom -= h;
                break;
            case alLeft:
                c->SetBounds(rect.left, rect.top, w, rect.Height());
                rect.left += w;
                break;
            case alRight:
                c->SetBounds(rect.right - w, rect.top, w, rect.Height());
                rect.right -= w;
                break;
            default:
                c->SetBounds(rect.left, rect.top, rect.Width(), rect.Height());
                break;
            }
        }
    }
    // Anchored to the right or bottom: keep the distance to that edge.
    for (TControl* c : FControls) {
        if (c->FAlign != alNone || c->FAnchorParentSize == TSize())
            continue;
        TRect b = c->FAnchorBounds;
        int dx = client.Width() - c->FAnchorParentSize.cx;
        int dy = client.Height() - c->FAnchorParentSize.cy;
        int left = b.left, top = b.top, width = b.Width(), height = b.Height();
        if (c->FAnchors.Contains(akRight)) {
            if (c->FAnchors.Contains(akLeft))
                width += dx;
            else
                left += dx;
        }
        if (c->FAnchors.Contains(akBottom)) {
            if (c->FAnchors.Contains(akTop))
                height += dy;
            else
                top += dy;
        }
        c->SetBounds(left, top, width, height);
    }
    --FAlignLevel;
}

void TWinControl::PlaceBounds(int left, int top, int width, int height)
{
    if (FHandle && !(GetComponentState() & csLoading)) {
        if (left != GetLeft() || top != GetTop() || width != GetWidth() || height != GetHeight())
            SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        // WM_WINDOWPOSCHANGED has brought the new bounds in.
        if (left == GetLeft() && top == GetTop() && width == GetWidth() && height == GetHeight())
            return;
    }
    TControl::PlaceBounds(left, top, width, height);
    Realign();
}

void TWinControl::UpdateBounds()
{
    RECT r;
    GetWindowRect(FHandle, &r);
    if (GetWindowLongA(FHandle, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(HWND_DESKTOP, ::GetParent(FHandle), reinterpret_cast<POINT*>(&r), 2);
    TControl::PlaceBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    for (TControl* c : FControls)
        c->UpdateAnchorRules();
    Realign();
}

// ---- the window ----

HWND TWinControl::GetHandle()
{
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded()
{
    if (FHandle)
        return;
    if (GetParent())
        GetParent()->HandleNeeded();
    CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.Caption = GetText();
    params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (GetVisible() && !(GetComponentState() & csDesigning))
        params.Style |= WS_VISIBLE;
    if (!GetEnabled())
        params.Style |= WS_DISABLED;
    if (FTabStop)
        params.Style |= WS_TABSTOP;
    params.X = GetLeft();
    params.Y = GetTop();
    params.Width = GetWidth();
    params.Height = GetHeight();
    params.WndParent = GetParent() ? GetParent()->GetHandle() : nullptr;
    params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    params.WindowClass.lpfnWndProc = &DefWindowProcA;
    params.WindowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    params.WindowClass.hInstance = GetModuleHandleA(nullptr);
    lstrcpynA(params.WinClassName, ClassName(), sizeof(params.WinClassName));
}

void TWinControl::CreateSubClass(TCreateParams& params, const char* className)
{
    HINSTANCE instance = params.WindowClass.hInstance;
    if (!GetClassInfoA(instance, className, &params.WindowClass) &&
        !GetClassInfoA(nullptr, className, &params.WindowClass))
        RaiseLastOSError();
    params.WindowClass.hInstance = instance;
    params.WindowClass.style &= ~(CS_OWNDC | CS_CLASSDC | CS_PARENTDC | CS_GLOBALCLASS);
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if (!params.WndParent && (params.Style & WS_CHILD))
        throw EInvalidOperation(Format("Control '%s' has no parent window", GetName()));
    FDefWndProc = params.WindowClass.lpfnWndProc;
    RegisterWindowClass(params);
    CreationControl = this;
    try {
        CreateWindowHandle(params);
    } catch (...) {
        CreationControl = nullptr;
        throw;
    }
    CreationControl = nullptr;
    if (!FHandle)
        RaiseLastOSError();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params)
{
    FHandle = CreateWindowExA(params.ExStyle, params.WinClassName, params.Caption.c_str(), params.Style, params.X,
                              params.Y, params.Width, params.Height, params.WndParent, nullptr,
                              params.WindowClass.hInstance, params.Param);
}

void TWinControl::CreateHandle()
{
    if (FHandle)
        return;
    CreateWnd();
    Perform(WM_SETFONT, reinterpret_cast<WPARAM>(GetFont()->GetHandle()), 0);
    UpdateBounds();
    for (TControl* child : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(child))
            w->CreateHandle();
    Realign();
}

void TWinControl::DestroyHandle()
{
    if (!FHandle)
        return;
    for (TControl* child : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(child))
            w->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd()
{
    AnsiString text = GetText();
    DestroyWindowHandle();
    SetText(text);  // into the field now that the window is gone
}

void TWinControl::DestroyWindowHandle()
{
    if (FHandle) {
        FControlState.Include(csDestroyingHandle);
        BOOL destroyed = DestroyWindow(FHandle);
        FControlState.Exclude(csDestroyingHandle);
        if (!destroyed)
            RaiseLastOSError();
    }
    FHandle = nullptr;
}

void TWinControl::RecreateWnd()
{
    if (!FHandle)
        return;
    DestroyHandle();
    HandleNeeded();
}

void TWinControl::MainWndProc(TMessage& message)
{
    try {
        GetWindowProc()(message);
    } catch (...) {
        Application->HandleException(this);
    }
}

bool TWinControl::GetShowing() const
{
    if (FHandle)
        return IsWindowVisible(FHandle) != FALSE;
    return GetVisible() && GetParent() && GetParent()->GetShowing();
}

// ---- focus and tab order ----

bool TWinControl::CanFocus() const
{
    TCustomForm* form = GetParentForm();
    if (!form || !form->GetVisible() || !form->GetEnabled())
        return false;
    for (const TControl* c = this; c != form; c = c->GetParent())
        if (!c->GetVisible() || !c->GetEnabled())
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    if (TCustomForm* form = GetParentForm(); form && form != this)
        form->FocusControl(this);
    else if (FHandle)
        ::SetFocus(FHandle);
}

bool TWinControl::Focused() const
{
    return FHandle && GetFocus() == FHandle;
}

int TWinControl::GetTabOrder() const
{
    if (!GetParent())
        return -1;
    const auto& list = GetParent()->FTabList;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int value)
{
    if (!GetParent())
        return;
    auto& list = GetParent()->FTabList;
    list.erase(std::find(list.begin(), list.end(), this));
    value = std::clamp(value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + value, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* c : FTabList) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    auto it = std::find(list.begin(), list.end(), current);
    int start = it == list.end() ? (goForward ? -1 : 0) : static_cast<int>(it - list.begin());
    int count = static_cast<int>(list.size());
    for (int step = 1; step <= count; ++step) {
        int index = ((start + (goForward ? step : -step)) % count + count) % count;
        TWinControl* c = list[static_cast<size_t>(index)];
        if (c == current)
            break;
        if ((!checkTabStop || c->FTabStop) && (!checkParent || c->GetParent() == this) && c->CanFocus())
            return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop)
{
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, false))
        next->SetFocus();
}

// ---- painting ----

void TWinControl::Invalidate()
{
    if (FHandle)
        InvalidateRect(FHandle, nullptr, !GetControlStyle().Contains(csOpaque));
}

void TWinControl::Update()
{
    if (FHandle)
        UpdateWindow(FHandle);
}

void TWinControl::PaintWindow(HDC dc)
{
    if (IsOwnClass())
        return;
    TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(message);
}

void TWinControl::PaintControls(HDC dc)
{
    for (TControl* c : FControls) {
        if (dynamic_cast<TWinControl*>(c) || !c->GetVisible() || c->GetWidth() <= 0 || c->GetHeight() <= 0)
            continue;
        TRect bounds = c->GetBoundsRect();
        if (!RectVisible(dc, &bounds))
            continue;
        int saved = SaveDC(dc);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + c->GetLeft(), origin.y + c->GetTop(), nullptr);
        IntersectClipRect(dc, 0, 0, c->GetWidth(), c->GetHeight());
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        RestoreDC(dc, saved);
    }
}

void TWinControl::EraseBackground(HDC dc)
{
    FBrush->SetColor(GetColor());
    TRect client = GetClientRect();
    ::FillRect(dc, &client, FBrush->GetHandle());
}

void TWinControl::PaintHandler(TMessage& message)
{
    auto dc = reinterpret_cast<HDC>(message.WParam);
    PAINTSTRUCT ps{};
    if (!dc)
        dc = BeginPaint(FHandle, &ps);
    int saved = SaveDC(dc);
    PaintWindow(dc);
    RestoreDC(dc, saved);
    PaintControls(dc);
    if (!message.WParam)
        EndPaint(FHandle, &ps);
}

void TWinControl::PrintClientHandler(TMessage& message)
{
    auto dc = reinterpret_cast<HDC>(message.WParam);
    if (!IsOwnClass() && !dynamic_cast<TCustomControl*>(this)) {
        DefaultHandler(message);
        PaintControls(dc);
        return;
    }
    if (message.LParam & PRF_ERASEBKGND)
        Perform(WM_ERASEBKGND, message.WParam, 0);
    TMessage paint{WM_PAINT, message.WParam, 0, 0};
    PaintHandler(paint);
    if (message.LParam & PRF_CHILDREN) {
        for (TControl* c : FControls) {
            auto* w = dynamic_cast<TWinControl*>(c);
            if (!w || !w->GetVisible())
                continue;
            int saved = SaveDC(dc);
            POINT origin;
            GetViewportOrgEx(dc, &origin);
            SetViewportOrgEx(dc, origin.x + w->GetLeft(), origin.y + w->GetTop(), nullptr);
            IntersectClipRect(dc, 0, 0, w->GetWidth(), w->GetHeight());
            w->Perform(WM_PRINTCLIENT, message.WParam, message.LParam | PRF_ERASEBKGND);
            RestoreDC(dc, saved);
        }
    }
}

void TWinControl::PaintTo(HDC dc, int x, int y)
{
    int saved = SaveDC(dc);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + x, origin.y + y, nullptr);
    IntersectClipRect(dc, 0, 0, GetWidth(), GetHeight());
    Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    RestoreDC(dc, saved);
}

// ---- messages ----

// A mouse message over a graphic child goes to that child in its own coordinates.
bool TWinControl::IsControlMouseMsg(TMessage& message)
{
    TControl* target = CapturedControl();
    if (target && target->GetParent() != this)
        target = nullptr;
    TPoint pos(static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam)));
    if (!target && !CapturedControl())
        target = ControlAtPos(pos, false);
    if (!target || dynamic_cast<TWinControl*>(target))
        return false;
    message.Result = target->Perform(message.Msg, message.WParam,
                                     MAKELPARAM(pos.x - target->GetLeft(), pos.y - target->GetTop()));
    return true;
}

bool TWinControl::ReflectNotification(TMessage& message)
{
    HWND child = nullptr;
    switch (message.Msg) {
    case WM_COMMAND:
        child = reinterpret_cast<HWND>(message.LParam);
        break;
    case WM_NOTIFY:
        child = reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom;
        break;
    case WM_DRAWITEM:
        child = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam)->hwndItem;
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        child = reinterpret_cast<HWND>(message.LParam);
        break;
    default:
        return false;
    }
    TWinControl* control = FindControl(child);
    if (!control || control == this)
        return false;
    message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return true;
}

void TWinControl::SetCursorFromPoint(TMessage& message)
{
    if (reinterpret_cast<HWND>(message.WParam) == FHandle && LOWORD(message.LParam) == HTCLIENT) {
        TCursor cursor = Screen->GetCursor();
        if (cursor == crDefault) {
            POINT p;
            GetCursorPos(&p);
            ::ScreenToClient(FHandle, &p);
            TControl* c = ControlAtPos(TPoint(p.x, p.y), false);
            cursor = c ? c->GetCursor() : crDefault;
            if (cursor == crDefault)
                cursor = GetCursor();
        }
        if (cursor != crDefault) {
            ::SetCursor(Screen->GetCursors(cursor));
            message.Result = TRUE;
            return;
        }
    }
    DefaultHandler(message);
}

void TWinControl::DialogKey(TMessage& message)
{
    WPARAM key = message.WParam;
    if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE && key != VK_LEFT && key != VK_RIGHT &&
        key != VK_UP && key != VK_DOWN)
        return;
    LRESULT code = Perform(WM_GETDLGCODE, 0, 0);
    if ((code & DLGC_WANTALLKEYS) || (key == VK_TAB && (code & DLGC_WANTTAB)) ||
        (key >= VK_LEFT && key <= VK_DOWN && (code & DLGC_WANTARROWS)))
        return;
    if (TCustomForm* form = GetParentForm())
        message.Result = form->Perform(CM_DIALOGKEY, key, message.LParam);
}

bool TWinControl::DoKeyDown(WORD& key, TShiftState shift)
{
    TCustomForm* form = GetParentForm();
    if (form && form != this && form->GetKeyPreview() && static_cast<TWinControl*>(form)->DoKeyDown(key, shift))
        return true;
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
    return key == 0;
}

bool TWinControl::DoKeyPress(char& key)
{
    TCustomForm* form = GetParentForm();
    if (form && form != this && form->GetKeyPreview() && static_cast<TWinControl*>(form)->DoKeyPress(key))
        return true;
    if (OnKeyPress)
        OnKeyPress(this, key);
    return key == 0;
}

bool TWinControl::DoKeyUp(WORD& key, TShiftState shift)
{
    TCustomForm* form = GetParentForm();
    if (form && form != this && form->GetKeyPreview() && static_cast<TWinControl*>(form)->DoKeyUp(key, shift))
        return true;
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
    return key == 0;
}

bool TWinControl::DoKeyMessage(TMessage& message)
{
    if (message.Msg == WM_CHAR) {
        char key = static_cast<char>(message.WParam);
        if (DoKeyPress(key))
            return true;
        message.WParam = (message.WParam & ~WPARAM(0xFF)) | static_cast<unsigned char>(key);
        return false;
    }
    WORD key = static_cast<WORD>(message.WParam);
    bool down = message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN;
    if (down ? DoKeyDown(key, KeyboardShiftState()) : DoKeyUp(key, KeyboardShiftState()))
        return true;
    message.WParam = key;
    return false;
}

void TWinControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        if (IsControlMouseMsg(message))
            return;
        break;
    case WM_PAINT:
        if (GetDoubleBuffered() && !message.WParam) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(FHandle, &ps);
            TRect client = GetClientRect();
            HDC memDC = CreateCompatibleDC(dc);
            TGdiHandle<HBITMAP> bitmap(CreateCompatibleBitmap(dc, client.Width(), client.Height()));
            HGDIOBJ old = SelectObject(memDC, bitmap.get());
            Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memDC), reinterpret_cast<LPARAM>(memDC));
            TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(memDC), 0, 0};
            PaintHandler(paint);
            BitBlt(dc, 0, 0, client.Width(), client.Height(), memDC, 0, 0, SRCCOPY);
            SelectObject(memDC, old);
            DeleteDC(memDC);
            EndPaint(FHandle, &ps);
        } else {
            PaintHandler(message);
        }
        return;
    case WM_PRINTCLIENT:
        PrintClientHandler(message);
        return;
    case WM_ERASEBKGND:
        // Double-buffered controls erase into their buffer only (WParam = LParam).
        if (GetDoubleBuffered() && static_cast<LPARAM>(message.WParam) != message.LParam) {
            message.Result = 1;
            return;
        }
        if (IsOwnClass() || dynamic_cast<TCustomControl*>(this)) {
            EraseBackground(reinterpret_cast<HDC>(message.WParam));
            message.Result = 1;
            return;
        }
        break;
    case WM_SIZE:
        DefaultHandler(message);
        Realign();
        return;
    case WM_WINDOWPOSCHANGED:
        DefaultHandler(message);
        if (!(reinterpret_cast<WINDOWPOS*>(message.LParam)->flags & SWP_NOSIZE) ||
            !(reinterpret_cast<WINDOWPOS*>(message.LParam)->flags & SWP_NOMOVE))
            UpdateBounds();
        return;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        if (ReflectNotification(message))
            return;
        break;
    // A system control of ours asks for its colours: its font colour on its Color.
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        SetTextColor(dc, ColorToRGB(GetFont()->GetColor()));
        SetBkColor(dc, ColorToRGB(GetColor()));
        FBrush->SetColor(GetColor());
        message.Result = reinterpret_cast<LRESULT>(FBrush->GetHandle());
        return;
    }
    case WM_SETCURSOR:
        SetCursorFromPoint(message);
        return;
    case WM_SETFOCUS:
        if (TCustomForm* form = GetParentForm(); form && form != this && form->GetActiveControl() != this) {
            form->SetActiveControl(this);
            if (OnEnter)
                OnEnter(this);
        }
        break;
    case WM_KILLFOCUS:
        if (OnExit)
            OnExit(this);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
        if (DoKeyMessage(message))
            return;
        break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        DialogKey(message);
        return;
    case CN_KEYUP:
    case CN_CHAR:
    case CN_SYSCHAR:
        return;
    // A dialog key the form left alone is offered to every child in turn, until one takes it.
    case CM_DIALOGKEY:
        Broadcast(message);
        return;
    case CM_ENABLEDCHANGED:
        if (FHandle)
            EnableWindow(FHandle, GetEnabled());
        break;
    case CM_VISIBLECHANGED:
        if (FHandle)
            ShowWindow(FHandle, GetVisible() ? SW_SHOWNOACTIVATE : SW_HIDE);
        else if (GetVisible() && GetParent() && GetParent()->HandleAllocated())
            HandleNeeded();
        return;
    case CM_COLORCHANGED: {
        TMessage m{CM_PARENTCOLORCHANGED, 0, 0, 0};
        Broadcast(m);
        break;
    }
    case CM_FONTCHANGED: {
        if (FHandle)
            DefaultHandler(message = TMessage{WM_SETFONT, reinterpret_cast<WPARAM>(GetFont()->GetHandle()), 1, 0});
        TMessage m{CM_PARENTFONTCHANGED, 0, 0, 0};
        Broadcast(m);
        Invalidate();
        return;
    }
    case WM_NCDESTROY:
        DefaultHandler(message);
        if (FHandle) {
            RemovePropA(FHandle, MAKEINTATOM(WindowAtom()));
            RemovePropA(FHandle, MAKEINTATOM(ControlAtom()));
        }
        FHandle = nullptr;
        return;
    default:
        break;
    }
    TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message)
{
    if (!FHandle) {
        TControl::DefaultHandler(message);
        return;
    }
    message.Result = CallWindowProcA(FDefWndProc, FHandle, message.Msg, message.WParam, message.LParam);
}
