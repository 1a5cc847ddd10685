#include <gtest/gtest.h>

#include "unicode/UniSystem.h"
#include "unicode_controls/UniControlsState.h"
#include "unicontrols_fixture.h"

namespace {

const WideString Captions[] = {
    L"P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148",  // Czech
    L"\u0490\u0430\u043D\u043E\u043A \u0456 \u0457\u0436\u0430\u043A",        // Ukrainian
    L"\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1",                      // Greek
    L"\u6587\u4EF6\u7C89\u788E",                                              // Chinese
    L"clef \xD834\xDD1E",                                                     // beyond the BMP
};

using UnicodeWindowTest = UniFormTest;

TEST_F(UnicodeWindowTest, WideCaptionsReadBackExactly)
{
    auto* button = Add<TUniButton>();
    HWND wnd = button->GetHandle();
    ASSERT_TRUE(IsWindowUnicode(wnd));
    for (const WideString& caption : Captions) {
        SetWideText(button, caption);
        EXPECT_EQ(WindowTextW(wnd), caption);
        EXPECT_EQ(GetWideText(button), caption);
        // Code asking with an 8-bit buffer gets the system's conversion.
        EXPECT_EQ(button->GetText(), WideToAnsi(caption));
    }
}

TEST_F(UnicodeWindowTest, EachLibraryClassHasOneUnicodeClassAndFindControlKnowsTheWindows)
{
    auto* first = Add<TUniButton>(10, 10);
    auto* second = Add<TUniButton>(10, 50);
    auto* panel = Add<TUniTestPanel>(10, 90);
    EXPECT_EQ(WindowClassName(first->GetHandle()), L"TUniButton.UnicodeClass");
    EXPECT_EQ(WindowClassName(second->GetHandle()), L"TUniButton.UnicodeClass");
    EXPECT_EQ(WindowClassName(panel->GetHandle()), L"TUniTestPanel.UnicodeClass");
    WNDCLASSW cls{};
    ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), L"TUniButton.UnicodeClass", &cls));
    EXPECT_EQ(FindControl(first->GetHandle()), first);
    EXPECT_EQ(FindControl(second->GetHandle()), second);
    EXPECT_EQ(FindControl(panel->GetHandle()), panel);
    // A child without an identifier gets its handle as one, as the library's own windows do.
    EXPECT_EQ(GetWindowLongPtrW(first->GetHandle(), GWLP_ID), reinterpret_cast<LONG_PTR>(first->GetHandle()));
}

TEST_F(UnicodeWindowTest, TheLibrarysHandlersStillRun)
{
    auto* button = Add<TUniButton>();
    int clicks = 0;
    button->OnClick = TNotifyEvent::FromFunction([&](TObject*) { ++clicks; });
    SendMessageW(button->GetHandle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);

    auto* panel = Add<TUniTestPanel>(10, 50, 100, 60);
    Pump();
    int before = panel->Paints;
    InvalidateRect(panel->GetHandle(), nullptr, TRUE);
    UpdateWindow(panel->GetHandle());
    EXPECT_EQ(panel->Paints, before + 1);
}

TEST_F(UnicodeWindowTest, SameWideCaptionTwiceChangesTheTextOnce)
{
    auto* panel = Add<TUniTestPanel>();
    panel->HandleNeeded();
    int before = panel->TextChanges;
    SetWideText(panel, Captions[1]);
    SetWideText(panel, Captions[1]);
    EXPECT_EQ(panel->TextChanges, before + 1);
}

TEST_F(UnicodeWindowTest, RecreatedWindowKeepsWideCaptionAndHintAndItsTrap)
{
    auto* button = Add<TUniButton>();
    SetWideText(button, Captions[0]);
    SetWideHint(button, Captions[2]);
    HWND old = button->GetHandle();
    int traps = TWinControlTrap::LiveCount();
    WNDPROC trapProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(old, GWLP_WNDPROC));

    button->RecreateWnd();
    HWND wnd = button->GetHandle();
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(WindowTextW(wnd), Captions[0]);
    EXPECT_EQ(GetWideText(button), Captions[0]);
    EXPECT_EQ(GetWideHint(button), Captions[2]);
    EXPECT_EQ(TWinControlTrap::LiveCount(), traps);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC)), trapProc);
    EXPECT_EQ(FindControl(wnd), button);
}

TEST_F(UnicodeWindowTest, WithoutAWindowTheHelperKeepsTheWideCaption)
{
    auto* button = Add<TUniButton>();
    button->HandleNeeded();
    SetWideText(button, Captions[3]);
    button->DestroyHandle();
    EXPECT_EQ(GetWideText(button), Captions[3]);
    // Text set in 8 bits meanwhile wins over the kept wide text.
    button->SetText("plain");
    EXPECT_EQ(GetWideText(button), L"plain");
    SetWideText(button, Captions[4]);
    EXPECT_EQ(WindowTextW(button->GetHandle()), Captions[4]);
}

// A trap frees its three procedure instances with itself.
TEST_F(UnicodeWindowTest, FreeingControlsFreesTheirTrapsAndHelpers)
{
    const int traps = TWinControlTrap::LiveCount();
    const int helpers = WideControlHelperCount();
    for (int i = 0; i < 3000; ++i) {
        auto* button = Add<TUniButton>();
        SetWideText(button, Captions[i % 5]);
        SetWideHint(button, Captions[(i + 1) % 5]);
        if (i % 3 == 0)
            button->RecreateWnd();
        delete button;
    }
    EXPECT_EQ(TWinControlTrap::LiveCount(), traps);
    EXPECT_EQ(WideControlHelperCount(), helpers);
}

TEST_F(UnicodeWindowTest, TheDestroyMessageTakesTheTrapAway)
{
    auto* button = Add<TUniButton>();
    HWND wnd = button->GetHandle();
    WNDPROC trapped = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC));
    SendMessageW(wnd, UniDestroyWindowMessage(), 0, 0);
    EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC)), trapped);
    EXPECT_TRUE(button->GetWindowProc() == TWndMethod(static_cast<TControl*>(button), &TControl::WndProc));
    // The control still works on its window.
    int clicks = 0;
    button->OnClick = TNotifyEvent::FromFunction([&](TObject*) { ++clicks; });
    SendMessageW(wnd, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

// A component that puts its handler in front of the control's, as hooking components do.
struct THandlerHook : TObject {
    TWndMethod Saved;
    int Seen = 0;
    void Hook(TMessage& message)
    {
        ++Seen;
        Saved(message);
    }
};

TEST_F(UnicodeWindowTest, AHandlerHookedInFrontOfTheTrapStaysThereAcrossRecreation)
{
    auto* button = Add<TUniButton>();
    button->HandleNeeded();
    THandlerHook hook;
    hook.Saved = button->GetWindowProc();
    button->SetWindowProc(TWndMethod(&hook, &THandlerHook::Hook));
    button->RecreateWnd();
    SetWideText(button, Captions[1]);
    EXPECT_TRUE(button->GetWindowProc() == TWndMethod(&hook, &THandlerHook::Hook));
    int seen = hook.Seen;
    SendMessageW(button->GetHandle(), WM_USER + 5, 0, 0);
    EXPECT_EQ(hook.Seen, seen + 1);
    EXPECT_EQ(WindowTextW(button->GetHandle()), Captions[1]);
    button->SetWindowProc(hook.Saved);
    delete button;
}

TEST_F(UnicodeWindowTest, TrappingAnAnsiWindowIsRefused)
{
    auto* plain = Add<TButton>();
    plain->HandleNeeded();
    EXPECT_THROW(SubClassUnicodeControl(plain, "x"), EUniInternalError);
}

TEST_F(UnicodeWindowTest, NotifyFormatAnswersByTheWindowAndThePlatform)
{
    auto* wide = Add<TUniButton>();
    auto* plain = Add<TButton>(10, 50);
    EXPECT_EQ(NotifyFormatAnswer(wide->GetHandle()), NFR_UNICODE);
    EXPECT_EQ(NotifyFormatAnswer(plain->GetHandle()), NFR_ANSI);
    EXPECT_EQ(SendMessageW(wide->GetHandle(), WM_NOTIFYFORMAT, reinterpret_cast<WPARAM>(wide->GetHandle()),
                           NF_QUERY),
              NFR_UNICODE);
    SetUnicodePlatformForTesting(false);
    EXPECT_EQ(NotifyFormatAnswer(wide->GetHandle()), NFR_ANSI);
}

using UnicodeWindowPlatformTest = UniPlatformTest;

// Text and hint of windowed controls with and without a window, and of a window-less one.
TEST_P(UnicodeWindowPlatformTest, WideTextAndHintFollowThePlatform)
{
    auto* button = Add<TUniButton>();
    auto* label = Add<TLabel>(10, 50);
    auto* unmade = new TUniButton(form.get());
    std::unique_ptr<TUniButton> owned(unmade);
    HWND wnd = button->GetHandle();
    EXPECT_EQ(IsWindowUnicode(wnd) != FALSE, Unicode());
    const WideString caption = Captions[0];
    const WideString expected = Unicode() ? caption : AnsiToWide(WideToAnsi(caption));
    for (TControl* control : std::initializer_list<TControl*>{button, label, unmade}) {
        SetWideText(control, caption);
        EXPECT_EQ(GetWideText(control), expected) << control->ClassName();
        EXPECT_EQ(control->GetText(), WideToAnsi(caption)) << control->ClassName();
        SetWideHint(control, Captions[2]);
        EXPECT_EQ(GetWideHint(control), Unicode() ? Captions[2] : AnsiToWide(WideToAnsi(Captions[2])));
        EXPECT_EQ(control->GetHint(), WideToAnsi(Captions[2]));
    }
    EXPECT_EQ(WindowTextW(wnd), expected);
}

INSTANTIATE_TEST_SUITE_P(Platforms, UnicodeWindowPlatformTest, testing::Bool(), PlatformName);

TEST(WideHintText, ShortAndLongParts)
{
    struct Case {
        const wchar_t* Hint;
        const wchar_t* Short;
        const wchar_t* Long;
    };
    const Case cases[] = {
        {L"\u0160ipka|Posune \u0161ipku", L"\u0160ipka", L"Posune \u0161ipku"},
        {L"no bar", L"no bar", L"no bar"},
        {L"a|b|c", L"a", L"b|c"},
        {L"|long", L"", L"long"},
        {L"", L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WideShortHint(c.Hint), c.Short) << c.Hint;
        EXPECT_EQ(WideLongHint(c.Hint), c.Long) << c.Hint;
    }
}

TEST_F(UnicodeWindowTest, FindWideHintTakesTheFirstHintUpTheParents)
{
    auto* panel = Add<TUniTestPanel>(10, 10, 200, 100);
    auto* button = new TUniButton(form.get());
    button->SetParent(panel);
    SetWideHint(form.get(), L"form");
    EXPECT_EQ(FindWideHint(button), L"form");
    SetWideHint(panel, Captions[1]);
    EXPECT_EQ(FindWideHint(button), Captions[1]);
    SetWideHint(button, Captions[3]);
    EXPECT_EQ(FindWideHint(button), Captions[3]);
    EXPECT_EQ(FindWideHint(nullptr), L"");
}

TEST(WideStored, CaptionAndHintAreStoredWithoutAnAction)
{
    TLabel label(nullptr);
    EXPECT_TRUE(IsWideCaptionStored(&label));
    EXPECT_TRUE(IsWideHintStored(&label));
}

}  // namespace
