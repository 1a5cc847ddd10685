#include <gtest/gtest.h>

#include <memory>

#include "visual_classes.h"

namespace {

WideString WindowText(HWND wnd)
{
    wchar_t buffer[256] = {};
    GetWindowTextW(wnd, buffer, 256);
    return buffer;
}

class FormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EventLog.clear();
        form = std::make_unique<TVisualForm>(nullptr);
    }
    void TearDown() override
    {
        form.reset();
        Application->ProcessMessages();
    }
    std::unique_ptr<TVisualForm> form;
};

TEST_F(FormTest, LoadsItsComponentsAndArrangesThemOnTheClientArea)
{
    ASSERT_NE(form->Button, nullptr);
    EXPECT_EQ(form->GetCaption(), "Visual test form");
    EXPECT_EQ(form->GetClientWidth(), 300);
    EXPECT_EQ(form->GetClientHeight(), 200);
    EXPECT_EQ(form->TopPanel->GetParent(), form.get());
    EXPECT_EQ(form->Inner->GetParent(), form->ClientPanel);
    EXPECT_EQ(form->Shape->GetParent(), form->TopPanel);
    EXPECT_EQ(form->ClientPanel->GetBoundsRect(), TRect(0, 40, 300, 180));
    EXPECT_EQ(form->BottomShape->GetBoundsRect(), TRect(0, 180, 300, 200));
    // the tab order counts the windowed children only: Inner, Button, Button2
    EXPECT_EQ(form->Inner->GetTabOrder(), 0);
    EXPECT_EQ(form->Button->GetTabOrder(), 1);
    EXPECT_EQ(form->Button2->GetTabOrder(), 2);
}

TEST_F(FormTest, ResizingRealignsAlignedAndAnchoredChildren)
{
    form->Show();
    form->SetClientWidth(400);
    form->SetClientHeight(260);
    EXPECT_EQ(form->GetClientWidth(), 400);
    EXPECT_EQ(form->TopPanel->GetBoundsRect(), TRect(0, 0, 400, 40));
    EXPECT_EQ(form->ClientPanel->GetBoundsRect(), TRect(0, 40, 400, 240));
    EXPECT_EQ(form->BottomShape->GetBoundsRect(), TRect(0, 240, 400, 260));
    // anchored top-right: the distance to the right edge stays 10
    EXPECT_EQ(form->Inner->GetBoundsRect(), TRect(340, 10, 390, 40));
    RECT r;
    GetWindowRect(form->ClientPanel->GetHandle(), &r);
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_EQ(r.bottom - r.top, 200);
}

TEST_F(FormTest, WindowClassIsNamedAfterTheFormClassAndFindWindowFindsIt)
{
    form->Show();
    char className[64] = {};
    GetClassNameA(form->GetHandle(), className, sizeof(className));
    EXPECT_STREQ(className, "TVisualForm");
    EXPECT_EQ(FindWindowA("TVisualForm", "Visual test form"), form->GetHandle());
    EXPECT_EQ(FindControl(form->GetHandle()), form.get());
    EXPECT_EQ(FindControl(form->Button->GetHandle()), form->Button);
    EXPECT_EQ(WindowText(form->Button->GetHandle()), L"Press");
    GetClassNameA(form->Button->GetHandle(), className, sizeof(className));
    EXPECT_STREQ(className, "TTestButton");
}

TEST_F(FormTest, OnCreateRunsBeforeOnShowAndShowMakesTheWindowVisible)
{
    EXPECT_EQ(EventLog, std::vector<std::string>{"OnCreate"});
    EXPECT_FALSE(form->HandleAllocated());
    form->Show();
    EXPECT_EQ(EventLog, (std::vector<std::string>{"OnCreate", "OnShow"}));
    EXPECT_TRUE(IsWindowVisible(form->GetHandle()));
    EXPECT_TRUE(IsWindowVisible(form->Inner->GetHandle()));
}

TEST_F(FormTest, TextGoesThroughTheWindowOnceThereIsOne)
{
    form->Button->SetCaption("Before");
    form->Show();
    EXPECT_EQ(WindowText(form->Button->GetHandle()), L"Before");
    form->Button->SetCaption("After");
    EXPECT_EQ(WindowText(form->Button->GetHandle()), L"After");
    SetWindowTextA(form->Button->GetHandle(), "Typed");
    EXPECT_EQ(form->Button->GetCaption(), "Typed");
    // the text outlives the window
    form->Button->RecreateWnd();
    EXPECT_EQ(WindowText(form->Button->GetHandle()), L"Typed");
    form->SetCaption("Renamed");
    EXPECT_EQ(FindWindowA("TVisualForm", "Renamed"), form->GetHandle());
}

TEST_F(FormTest, CloseActionsDecideWhatHappensToTheForm)
{
    form->Show();
    form->CloseAction = caNone;
    form->Close();
    EXPECT_TRUE(IsWindowVisible(form->GetHandle()));
    form->CloseAction = caHide;
    form->Close();
    EXPECT_FALSE(IsWindowVisible(form->GetHandle()));
    EXPECT_FALSE(form->GetVisible());
    EXPECT_EQ(EventLog, (std::vector<std::string>{"OnCreate", "OnShow", "OnClose", "OnClose"}));

    // caFree: the form goes away once the queue has been handled
    auto* freed = new TVisualForm(Application);
    bool destroyed = false;
    freed->OnDestroy = TNotifyEvent::FromFunction([&](TObject*) { destroyed = true; });
    freed->Show();
    freed->CloseAction = caFree;
    PostMessageA(freed->GetHandle(), WM_CLOSE, 0, 0);
    Application->ProcessMessages();
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(Application->FindComponent("VisualForm"), nullptr);
}

TEST_F(FormTest, TabMovesTheFocusInTabOrder)
{
    form->Show();
    form->Button->SetFocus();
    EXPECT_TRUE(form->Button->Focused());
    EXPECT_EQ(form->GetActiveControl(), form->Button);
    form->Perform(CM_DIALOGKEY, VK_TAB, 0);
    EXPECT_TRUE(form->Button2->Focused());
    EXPECT_EQ(form->GetActiveControl(), form->Button2);
}

TEST(ModalFormTest, ModalResultSetFromATimerEndsShowModal)
{
    TForm dialog(nullptr);
    dialog.SetCaption("Modal");
    TTimer timer(nullptr);
    timer.SetInterval(30);
    timer.SetOnTimer(TNotifyEvent::FromFunction([&](TObject*) {
        timer.SetEnabled(false);
        dialog.SetModalResult(mrOk);
    }));
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    bool otherDisabledMeanwhile = false;
    dialog.OnShow = TNotifyEvent::FromFunction([&](TObject*) { otherDisabledMeanwhile = !IsWindowEnabled(other); });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_TRUE(otherDisabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(other));
    EXPECT_FALSE(IsWindowVisible(dialog.GetHandle()));
    DestroyWindow(other);
}

TEST(ModalFormTest, ClosingAModalFormGivesCancel)
{
    TForm dialog(nullptr);
    TTimer timer(nullptr);
    timer.SetInterval(30);
    timer.SetOnTimer(TNotifyEvent::FromFunction([&](TObject*) {
        timer.SetEnabled(false);
        PostMessageA(dialog.GetHandle(), WM_CLOSE, 0, 0);
    }));
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
}

TEST(ApplicationTest, TitleAndHiddenWindow)
{
    Application->SetTitle("Visual tests");
    HWND wnd = Application->GetHandle();
    ASSERT_NE(wnd, nullptr);
    EXPECT_FALSE(IsWindowVisible(wnd));
    EXPECT_EQ(WindowText(wnd), L"Visual tests");
    EXPECT_EQ(Application->GetTitle(), "Visual tests");
}

TEST(ApplicationTest, MainWindowHooksSeeMessagesFirstAndCanBeRemoved)
{
    std::vector<UINT> seen;
    TWindowHook hook = TWindowHook::FromFunction([&](TMessage& m, bool& handled) {
        seen.push_back(m.Msg);
        if (m.Msg == WM_USER + 5) {
            m.Result = 42;
            handled = true;
        }
    });
    Application->HookMainWindow(hook);
    EXPECT_EQ(SendMessageA(Application->GetHandle(), WM_USER + 5, 0, 0), 42);
    Application->UnhookMainWindow(hook);
    EXPECT_EQ(SendMessageA(Application->GetHandle(), WM_USER + 5, 0, 0), 0);
    EXPECT_EQ(seen, std::vector<UINT>{WM_USER + 5});
}

TEST(ScreenTest, CursorsComeFromTheSystem)
{
    EXPECT_EQ(Screen->GetCursors(crHandPoint), LoadCursorA(nullptr, IDC_HAND));
    EXPECT_EQ(Screen->GetCursors(crIBeam), LoadCursorA(nullptr, IDC_IBEAM));
    EXPECT_EQ(Screen->GetCursors(crDefault), LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_GT(Screen->GetWidth(), 0);
}

}  // namespace
