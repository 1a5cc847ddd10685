#include <gtest/gtest.h>

#include "unicode/UniSystem.h"
#include "unicontrols_fixture.h"

namespace {

class WideHintTest : public UniFormTest {
protected:
    void SetUp() override
    {
        UniFormTest::SetUp();
        form->SetShowHint(true);
        button = Add<TUniButton>(20, 20, 160, 30);
        button->SetShowHint(true);
        button->HandleNeeded();
    }
    void TearDown() override
    {
        Application->CancelHint();
        UniFormTest::TearDown();
    }
    // Shows the hint of the button as the mouse resting on it would.
    THintWindow* ShowButtonHint()
    {
        Application->NoteMouseControl(button);
        Application->ActivateHint(button->ClientToScreen(TPoint(5, 5)));
        Pump();
        return Application->GetHintWindow();
    }
    TUniButton* button = nullptr;
};

TEST_F(WideHintTest, TheWideHintWindowShowsTheShortPart)
{
    const WideString shortPart = L"\u0160ipka \u6587\u4EF6 \u0416";
    SetWideHint(button, shortPart + L"|Posune \u0161ipku");
    THintWindow* window = ShowButtonHint();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->InheritsFrom(TUniCustomHintWindow::ClassInfo()));
    ASSERT_TRUE(window->IsHintShown());
    EXPECT_TRUE(IsWindowUnicode(window->GetHandle()));
    EXPECT_EQ(WindowTextW(window->GetHandle()), shortPart);
    // Sized for the wide text, which is wider than nothing.
    EXPECT_GT(window->GetWidth(), 20);
}

TEST_F(WideHintTest, AControlWithoutAHintShowsItsParentsHint)
{
    auto* panel = Add<TUniTestPanel>(10, 80, 200, 80);
    panel->SetShowHint(true);
    button->SetParent(panel);
    button->SetShowHint(true);
    SetWideHint(panel, L"\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1|long");
    THintInfo info;
    info.HintControl = button;
    info.HintWindowClass = &THintWindow::ClassInfo();
    button->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.HintWindowClass, &TUniCustomHintWindow::ClassInfo());
    EXPECT_EQ(info.HintData, &info);
    EXPECT_EQ(WideHintOf(info), L"\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1");
}

TEST_F(WideHintTest, AHintChangedByTheApplicationKeepsItsText)
{
    SetWideHint(button, L"\u0416\u0438\u0432");
    THintInfo info;
    info.HintControl = button;
    info.HintWindowClass = &THintWindow::ClassInfo();
    button->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    info.HintStr = "changed";
    EXPECT_EQ(WideHintOf(info), L"changed");
}

// On the older family the library's own hint window stays, and the hint record is left alone.
TEST_F(WideHintTest, OnTheOlderFamilyTheLibrarysHintWindowStays)
{
    SetUnicodePlatformForTesting(false);
    SetWideHint(button, L"plain|long");
    THintInfo info;
    info.HintControl = button;
    info.HintWindowClass = &THintWindow::ClassInfo();
    info.HintStr = "plain";
    button->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.HintWindowClass, &THintWindow::ClassInfo());
    EXPECT_EQ(info.HintData, nullptr);
}

}  // namespace
