#include "classlib/Forms.h"

namespace {

// Lends the canvas a device context for one painting, also when it throws.
class TCanvasLoan {
public:
    TCanvasLoan(TCanvas& canvas, HDC dc) : FCanvas(canvas)
    {
        FCanvas.Lock();
        FCanvas.SetHandle(dc);
    }
    ~TCanvasLoan()
    {
        FCanvas.SetHandle(nullptr);
        FCanvas.Unlock();
    }
    TCanvasLoan(const TCanvasLoan&) = delete;
    TCanvasLoan& operator=(const TCanvasLoan&) = delete;

private:
    TCanvas& FCanvas;
};

}  // namespace

// ---- the control's canvas ----

TControlCanvas::~TControlCanvas()
{
    FreeHandle();
}

// A windowed control draws on its own window; a graphic control on its
// parent's, moved to its position and clipped to its bounds.
void TControlCanvas::CreateHandle()
{
    auto* windowed = dynamic_cast<TWinControl*>(FControl);
    TWinControl* host = windowed ? windowed : FControl->GetParent();
    if (!host)
        return;
    FWindow = host->GetHandle();
    FOwnDC = GetDCEx(FWindow, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (!windowed) {
        SetViewportOrgEx(FOwnDC, FControl->GetLeft(), FControl->GetTop(), nullptr);
        IntersectClipRect(FOwnDC, 0, 0, FControl->GetWidth(), FControl->GetHeight());
    }
    SetHandle(FOwnDC);
}

void TControlCanvas::FreeHandle()
{
    if (!FOwnDC)
        return;
    SetHandle(nullptr);
    ReleaseDC(FWindow, FOwnDC);
    FOwnDC = nullptr;
    FWindow = nullptr;
}

// ---- graphic controls ----

VARIRUVU_CLASS_INFO(TGraphicControl, TControl) {}

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this))
{
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& message)
{
    if (message.Msg == WM_PAINT && message.WParam) {
        // The parent has moved the DC's origin to our top-left corner.
        TCanvasLoan loan(*FCanvas, reinterpret_cast<HDC>(message.WParam));
        Paint();
        return;
    }
    TControl::WndProc(message);
}

// ---- custom controls ----

VARIRUVU_CLASS_INFO(TCustomControl, TWinControl) {}

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this))
{
}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc)
{
    TCanvasLoan loan(*FCanvas, dc);
    Paint();
}

// ---- the hint window ----

const TClassInfo* HintWindowClass = &THintWindow::ClassInfo();

VARIRUVU_CLASS_INFO(THintWindow, TCustomControl) {}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clInfoBk);
    GetFont()->Assign(Screen->GetHintFont());
    SetVisible(false);
}

void THintWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.WndParent = Application->GetHandle();
    params.WindowClass.style |= CS_SAVEBITS;
}

void THintWindow::Paint()
{
    TCanvas* canvas = GetCanvas();
    TRect r = GetClientRect();
    r.left += 2;
    r.top += 2;
    canvas->GetFont()->SetColor(Screen->GetHintFont()->GetColor());
    canvas->GetBrush()->SetStyle(bsClear);
    AnsiString text = GetCaption();
    DrawTextA(canvas->GetHandle(), text.c_str(), -1, &r, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

TRect THintWindow::MeasureHint(int maxWidth, const AnsiString& hint, void*)
{
    TRect r(0, 0, maxWidth, 0);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetFont()->GetHandle());
    DrawTextA(dc, hint.c_str(), -1, &r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    r.right += 6;
    r.bottom += 2;
    return r;
}

void THintWindow::ShowHintAt(const TRect& rect, const AnsiString& hint)
{
    SetCaption(hint);
    HWND wnd = GetHandle();
    SetBounds(rect.left, rect.top, rect.Width(), rect.Height());
    SetWindowPos(wnd, HWND_TOPMOST, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
}

void THintWindow::ShowHintWithData(const TRect& rect, const AnsiString& hint, void*)
{
    ShowHintAt(rect, hint);
}

void THintWindow::ReleaseHint()
{
    if (HandleAllocated() && IsWindowVisible(FHandle))
        ShowWindow(FHandle, SW_HIDE);
}

bool THintWindow::IsHintShown() const
{
    return FHandle && IsWindowVisible(FHandle);
}

void THintWindow::WndProc(TMessage& message)
{
    if (message.Msg == WM_NCHITTEST) {
        message.Result = HTTRANSPARENT;
        return;
    }
    TCustomControl::WndProc(message);
}
