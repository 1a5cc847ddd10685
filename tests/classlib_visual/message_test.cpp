#include <gtest/gtest.h>

#include <memory>

#include "visual_classes.h"

namespace {

constexpr UINT TracedMessage = WM_USER + 77;

class MessageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EventLog.clear();
        form = std::make_unique<TVisualForm>(nullptr);
        form->Show();
        EventLog.clear();
    }
    void TearDown() override
    {
        form.reset();
        Application->OnException = TExceptionEvent();
        Application->ProcessMessages();
    }
    std::unique_ptr<TVisualForm> form;
};

// A window procedure put in front of a control's own, as a hooking component would.
struct TWindowProcHook : TObject {
    TControl* Control = nullptr;
    TWndMethod Saved;
    void Hook(TMessage& message)
    {
        if (message.Msg == TracedMessage)
            EventLog.push_back("hook");
        Saved(message);
    }
};

// A hint window of the kind a later control set installs through HintWindowClass.
class TTestHintWindow : public THintWindow {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using THintWindow::THintWindow;
};

}  // namespace

VARIRUVU_CLASS_INFO(TTestHintWindow, THintWindow) {}

namespace {

TEST_F(MessageTest, SentMessagePassesWindowProcWndProcAndTheDefaultProcedure)
{
    TTestPanel* panel = form->Inner;
    panel->TracedMessage = TracedMessage;
    TWndMethod own = panel->GetWindowProc();
    EXPECT_TRUE(own == TWndMethod(static_cast<TControl*>(panel), &TControl::WndProc));

    TWindowProcHook hook;
    hook.Saved = own;
    panel->SetWindowProc(TWndMethod(&hook, &TWindowProcHook::Hook));
    EXPECT_FALSE(panel->GetWindowProc() == own);
    SendMessageA(panel->GetHandle(), TracedMessage, 0, 0);
    EXPECT_EQ(EventLog, (std::vector<std::string>{"hook", "WndProc", "DefaultHandler"}));

    panel->SetWindowProc(hook.Saved);
    EXPECT_TRUE(panel->GetWindowProc() == own);
    EventLog.clear();
    panel->Perform(TracedMessage, 0, 0);
    EXPECT_EQ(EventLog, (std::vector<std::string>{"WndProc", "DefaultHandler"}));
}

TEST_F(MessageTest, DefaultHandlerEndsInTheSystemClassProcedure)
{
    HWND button = form->Button->GetHandle();
    // the system button answers its own messages through the default procedure
    SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(form->Button->Perform(BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_WNDPROC)), form->Button->GetObjectInstance());
    WNDCLASSA system{};
    ASSERT_TRUE(GetClassInfoA(nullptr, "BUTTON", &system));
    EXPECT_EQ(form->Button->GetDefWndProc(), system.lpfnWndProc);
}

TEST_F(MessageTest, CommandIsReflectedToTheButtonItConcerns)
{
    int clicks = 0;
    form->Button->OnClick = TNotifyEvent::FromFunction([&](TObject*) { ++clicks; });
    SendMessageA(form->Button->GetHandle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form->Button->Commands, 1);
    EXPECT_EQ(form->Button2->Commands, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MessageTest, ExceptionInAHandlerReachesHandleExceptionAndTheLoopGoesOn)
{
    std::vector<std::string> errors;
    Application->OnException = TExceptionEvent::FromFunction(
        [&](TObject* sender, Exception& e) { errors.push_back(WideToAnsi(e.GetMessage()) + " from " +
                                                              static_cast<TComponent*>(sender)->GetName()); });
    int after = 0;
    form->Button->OnClick = TNotifyEvent::FromFunction([](TObject*) { throw EInvalidOperation(L"boom"); });
    form->Button2->OnClick = TNotifyEvent::FromFunction([&](TObject*) { ++after; });
    PostMessageA(form->ClientPanel->GetHandle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(form->Button->GetHandle()));
    PostMessageA(form->ClientPanel->GetHandle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(form->Button2->GetHandle()));
    Application->ProcessMessages();
    EXPECT_EQ(errors, std::vector<std::string>{"boom from ClientPanel"});
    EXPECT_EQ(after, 1);
}

TEST_F(MessageTest, TextChangeIsAnnouncedOnce)
{
    int changes = 0;
    TWindowProcHook hook;
    struct TCounter : TObject {
        int* Count;
        TWndMethod Saved;
        void Proc(TMessage& m)
        {
            if (m.Msg == CM_TEXTCHANGED)
                ++*Count;
            Saved(m);
        }
    } counter;
    counter.Count = &changes;
    counter.Saved = form->Shape->GetWindowProc();
    form->Shape->SetWindowProc(TWndMethod(&counter, &TCounter::Proc));
    form->Shape->SetCaption("one");
    form->Shape->SetCaption("one");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form->Shape->GetCaption(), "one");
    form->Shape->SetWindowProc(counter.Saved);
}

TEST_F(MessageTest, MovingTheMouseEntersAndLeavesGraphicControls)
{
    Application->ProcessMessages();
    auto moveTo = [&](TControl* control, int x, int y) {
        TPoint p = control->ClientToScreen(TPoint(x, y));
        SetCursorPos(p.x, p.y);
        // the system's mouse move, as the window under the cursor receives it
        for (int i = 0; i < 5; ++i) {
            Sleep(10);
            Application->ProcessMessages();
        }
        POINT client{p.x, p.y};
        HWND wnd = WindowFromPoint(client);
        ScreenToClient(wnd, &client);
        SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    };
    moveTo(form->Shape, 5, 5);
    moveTo(form->BottomShape, 50, 10);
    moveTo(form->TopPanel, 200, 20);
    std::vector<std::string> expected{"enter Shape", "leave Shape", "enter BottomShape", "leave BottomShape"};
    EXPECT_EQ(EventLog, expected);
    EXPECT_EQ(Application->GetMouseControl(), form->TopPanel);
}

// The hint's source is the control the mouse came to last, forgotten when that control goes.
TEST_F(MessageTest, HintControlFollowsTheMouseControlAndForgetsAFreedOne)
{
    auto* shape = new TTestShape(form.get());
    shape->SetParent(form.get());
    Application->NoteMouseControl(form->TopPanel);
    EXPECT_EQ(Application->GetHintControl(), form->TopPanel);
    Application->NoteMouseControl(shape);
    EXPECT_EQ(Application->GetHintControl(), shape);
    delete shape;
    EXPECT_EQ(Application->GetHintControl(), nullptr);
    Application->NoteMouseControl(nullptr);
}

// Posted messages pass OnMessage before their window, which may keep them from it.
TEST_F(MessageTest, OnMessageSeesPostedMessagesFirstAndCanKeepThemFromTheirWindow)
{
    form->Inner->TracedMessage = TracedMessage;
    std::vector<WPARAM> seen;
    Application->OnMessage = TMessageEvent::FromFunction([&](MSG& msg, bool& handled) {
        if (msg.message != TracedMessage)
            return;
        seen.push_back(msg.wParam);
        handled = msg.wParam == 1;
    });
    PostMessageA(form->Inner->GetHandle(), TracedMessage, 1, 0);
    PostMessageA(form->Inner->GetHandle(), TracedMessage, 2, 0);
    Application->ProcessMessages();
    Application->OnMessage = TMessageEvent();
    EXPECT_EQ(seen, (std::vector<WPARAM>{1, 2}));
    EXPECT_EQ(EventLog, (std::vector<std::string>{"WndProc", "DefaultHandler"}));
}

// Resting the mouse on a control with a hint shows the hint, up to its '|',
// in a window of the class HintWindowClass names; a click takes it away.
TEST_F(MessageTest, AHintShowsInAWindowOfTheHintWindowClass)
{
    const TClassInfo* savedClass = HintWindowClass;
    const int savedPause = Application->GetHintPause();
    HintWindowClass = &TTestHintWindow::ClassInfo();
    Application->SetHintPause(1);
    form->Shape->SetHint("Green square|What the status line would show");
    form->Shape->SetShowHint(true);

    const TPoint p = form->Shape->ClientToScreen(TPoint(5, 5));
    SetCursorPos(p.x, p.y);
    POINT client{p.x, p.y};
    HWND under = WindowFromPoint(client);
    ScreenToClient(under, &client);
    SendMessageA(under, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    auto shown = [] { return Application->GetHintWindow() && Application->GetHintWindow()->IsHintShown(); };
    for (int i = 0; i < 200 && !shown(); ++i) {
        Sleep(10);
        Application->ProcessMessages();
    }
    ASSERT_TRUE(shown());
    THintWindow* hint = Application->GetHintWindow();
    EXPECT_NE(dynamic_cast<TTestHintWindow*>(hint), nullptr);
    char text[64] = {};
    GetWindowTextA(hint->GetHandle(), text, sizeof text);
    EXPECT_STREQ(text, "Green square");
    EXPECT_EQ(Application->GetHint(), "Green square|What the status line would show");

    PostMessageA(form->Inner->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    PostMessageA(form->Inner->GetHandle(), WM_LBUTTONUP, 0, 0);
    Application->ProcessMessages();
    EXPECT_FALSE(hint->IsHintShown());

    HintWindowClass = savedClass;
    Application->SetHintPause(savedPause);
}

TEST_F(MessageTest, ControlsUnderTheMouseAreFoundByPosition)
{
    EXPECT_EQ(form->TopPanel->ControlAtPos(TPoint(15, 10), false), form->Shape);
    EXPECT_EQ(form->TopPanel->ControlAtPos(TPoint(100, 10), false), nullptr);
    EXPECT_EQ(form->ClientPanel->ControlAtPos(TPoint(25, 15), false, true), form->Button);
    form->Shape->SetVisible(false);
    EXPECT_EQ(form->TopPanel->ControlAtPos(TPoint(15, 10), false), nullptr);
}

}  // namespace
