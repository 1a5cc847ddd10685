#include "unicode/UniSystem.h"
#include "unicode/UniWindows.h"
#include "unicode_controls/UniControlsState.h"

namespace {

LRESULT CALLBACK UnicodeInitWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = UnicodeCreationControl();
    if (!control)
        return DefWindowProcW(wnd, msg, wParam, lParam);
    control->SetWindowHandle(wnd);
    TWinControlTrap* trap = TWinControlTrap::ForControl(control);
    trap->Park();
    WNDPROC proc = trap->GetControlProcInstance();
    SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    if ((GetWindowLongW(wnd, GWL_STYLE) & WS_CHILD) && GetWindowLongPtrW(wnd, GWLP_ID) == 0)
        SetWindowLongPtrW(wnd, GWLP_ID, reinterpret_cast<LONG_PTR>(wnd));
    SetPropA(wnd, MAKEINTATOM(WindowAtom()), control);
    SetPropA(wnd, MAKEINTATOM(ControlAtom()), control);
    UnicodeCreationControl() = nullptr;
    return CallWindowProcW(proc, wnd, msg, wParam, lParam);
}

// "<class name>.UnicodeClass", registered once in the program's module.
WideString RegisterUnicodeClass(const TCreateParams& params)
{
    WideString name = AnsiToWide(params.WinClassName) + L".UnicodeClass";
    HINSTANCE module = GetModuleHandleW(nullptr);
    WNDCLASSW existing{};
    if (GetClassInfoW(module, name.c_str(), &existing)) {
        if (existing.lpfnWndProc == &UnicodeInitWndProc)
            return name;
        if (!UnregisterClassW(name.c_str(), module))
            RaiseLastOSError();
    }
    const WNDCLASSA& source = params.WindowClass;
    WideString menuName;
    WNDCLASSW cls{};
    cls.style = source.style;
    cls.cbClsExtra = source.cbClsExtra;
    cls.cbWndExtra = source.cbWndExtra;
    cls.hIcon = source.hIcon;
    cls.hCursor = source.hCursor;
    cls.hbrBackground = source.hbrBackground;
    if (IsResourceId(source.lpszMenuName)) {
        cls.lpszMenuName = reinterpret_cast<const wchar_t*>(source.lpszMenuName);
    } else {
        menuName = AnsiToWide(source.lpszMenuName);
        cls.lpszMenuName = menuName.c_str();
    }
    cls.hInstance = module;
    cls.lpfnWndProc = &UnicodeInitWndProc;
    cls.lpszClassName = name.c_str();
    if (!RegisterClassW(&cls))
        RaiseLastOSError();
    return name;
}

// The procedure the control's default handling ends in: the system class's
// own in UTF-16, or the default one.
WNDPROC UnicodeDefaultProcedure(const TCreateParams& params, const WideString& subClass)
{
    WNDCLASSW systemClass{};
    if (!subClass.empty() && GetClassInfoW(params.WindowClass.hInstance, subClass.c_str(), &systemClass))
        return systemClass.lpfnWndProc;
    return &DefWindowProcW;
}

}  // namespace

TWinControl*& UnicodeCreationControl()
{
    static TWinControl* control = nullptr;
    return control;
}

void CreateUnicodeHandle(TWinControl* control, const TCreateParams& params, const WideString& subClass)
{
    if (!IsUnicodePlatform()) {
        control->SetWindowHandle(CreateWindowExA(params.ExStyle, params.WinClassName, params.Caption.c_str(),
                                                 params.Style, params.X, params.Y, params.Width, params.Height,
                                                 params.WndParent, nullptr, params.WindowClass.hInstance,
                                                 params.Param));
        return;
    }
    control->SetDefWndProc(UnicodeDefaultProcedure(params, subClass));
    WideString className = RegisterUnicodeClass(params);
    UnicodeCreationControl() = control;
    HWND wnd = CreateWindowExW(params.ExStyle, className.c_str(), nullptr, params.Style, params.X, params.Y,
                               params.Width, params.Height, params.WndParent, nullptr, GetModuleHandleW(nullptr),
                               params.Param);
    UnicodeCreationControl() = nullptr;
    if (!wnd)
        RaiseLastOSError();
    control->SetWindowHandle(wnd);
    SubClassUnicodeControl(control, params.Caption);
}

void SubClassUnicodeControl(TWinControl* control, const AnsiString& caption)
{
    HWND wnd = control->GetHandle();
    if (!IsWindowUnicode(wnd))
        throw EUniInternalError("Internal Error: SubClassUnicodeControl.Control is not Unicode.");
    TWinControlTrap::ForControl(control)->Trap(wnd);
    WideString text = AnsiToWide(caption);
    if (TWideControlHelper* helper = WideControlHelper(control, false))
        text = SyncWideFromAnsi(helper->WideCaption, caption);
    SetWideText(control, text);
}

LRESULT NotifyFormatAnswer(HWND wnd)
{
    if (!IsUnicodePlatform())
        return NFR_ANSI;
    TWinControl* creating = UnicodeCreationControl();
    bool beingCreated = creating && (!creating->HandleAllocated() || creating->GetHandle() == wnd);
    return IsWindowUnicode(wnd) || beingCreated ? NFR_UNICODE : NFR_ANSI;
}
