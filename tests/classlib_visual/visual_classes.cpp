#include "visual_classes.h"

std::vector<std::string> EventLog;

VARIRUVU_CLASS_INFO(TTestPanel, TCustomControl) {}

TTestPanel::TTestPanel(TComponent* AOwner) : TCustomControl(AOwner) {}

void TTestPanel::WndProc(TMessage& message)
{
    if (TracedMessage && message.Msg == TracedMessage)
        EventLog.push_back("WndProc");
    TCustomControl::WndProc(message);
}

void TTestPanel::DefaultHandler(TMessage& message)
{
    if (TracedMessage && message.Msg == TracedMessage)
        EventLog.push_back("DefaultHandler");
    TCustomControl::DefaultHandler(message);
}

void TTestPanel::Paint()
{
    GetCanvas()->GetBrush()->SetColor(GetColor());
    GetCanvas()->FillRect(GetClientRect());
}

VARIRUVU_CLASS_INFO(TTestShape, TGraphicControl) {}

TTestShape::TTestShape(TComponent* AOwner) : TGraphicControl(AOwner) {}

void TTestShape::WndProc(TMessage& message)
{
    if (message.Msg == CM_MOUSEENTER)
        EventLog.push_back("enter " + GetName());
    else if (message.Msg == CM_MOUSELEAVE)
        EventLog.push_back("leave " + GetName());
    TGraphicControl::WndProc(message);
}

void TTestShape::Paint()
{
    GetCanvas()->GetBrush()->SetColor(GetColor());
    GetCanvas()->FillRect(GetClientRect());
}

VARIRUVU_CLASS_INFO(TTestButton, TWinControl) {}

// The system button reports its clicks itself, through the reflected command.
TTestButton::TTestButton(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle.Exclude(csClickEvents);
}

void TTestButton::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    CreateSubClass(params, "BUTTON");
    params.Style |= BS_PUSHBUTTON;
}

void TTestButton::WndProc(TMessage& message)
{
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        ++Commands;
        Click();
        return;
    }
    TWinControl::WndProc(message);
}

VARIRUVU_CLASS_INFO(TVisualForm, TForm)
{
    info.Method("FormCreate", &TVisualForm::FormCreate);
    info.Method("FormShow", &TVisualForm::FormShow);
    info.Method("FormClose", &TVisualForm::FormClose);
}

TVisualForm::TVisualForm(TComponent* AOwner) : TForm(AOwner)
{
    RegisterClasses({&TTestPanel::ClassInfo(), &TTestShape::ClassInfo(), &TTestButton::ClassInfo()});
    LoadForm();
    TopPanel = static_cast<TTestPanel*>(FindComponent("TopPanel"));
    ClientPanel = static_cast<TTestPanel*>(FindComponent("ClientPanel"));
    Inner = static_cast<TTestPanel*>(FindComponent("Inner"));
    Shape = static_cast<TTestShape*>(FindComponent("Shape"));
    BottomShape = static_cast<TTestShape*>(FindComponent("BottomShape"));
    Button = static_cast<TTestButton*>(FindComponent("Button"));
    Button2 = static_cast<TTestButton*>(FindComponent("Button2"));
}

void TVisualForm::FormCreate(TObject*)
{
    EventLog.push_back("OnCreate");
}

void TVisualForm::FormShow(TObject*)
{
    EventLog.push_back("OnShow");
}

void TVisualForm::FormClose(TObject*, TCloseAction& Action)
{
    EventLog.push_back("OnClose");
    Action = CloseAction;
}

TPrintedControl::TPrintedControl(TWinControl* control, LPARAM flags)
{
    FBitmap.SetPixelFormat(pf32bit);
    FBitmap.SetSize(control->GetWidth(), control->GetHeight());
    HDC dc = FBitmap.GetCanvas()->GetHandle();
    control->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags);
    GdiFlush();
}

uint32_t TPrintedControl::Pixel(int x, int y) const
{
    return static_cast<const uint32_t*>(FBitmap.GetScanLine(y))[x] & 0xFFFFFF;
}
