#include <gtest/gtest.h>

#include <vector>

#include "unicode/UniSystem.h"
#include "classlib/StdActns.h"
#include "unicode_controls/UniForms.h"
#include "unicode_controls/UniStdActns.h"
#include "unicontrols_fixture.h"

namespace {

// The text the system keeps for the window, as the taskbar shows it: the
// application window itself is an 8-bit one and answers WM_GETTEXT in 8 bits.
WideString StoredWindowText(HWND wnd)
{
    wchar_t buffer[256] = {};
    int length = InternalGetWindowText(wnd, buffer, 256);
    return WideString(buffer, static_cast<size_t>(length));
}

const WideString WideTitle = L"Variruvu \u2013 \u0160krt \u6587\u4EF6";

constexpr wchar_t ChildVariable[] = L"VARIRUVU_UNI_TITLE_CHILD";

// The application window exists once any form has been shown, so a fresh copy
// of this program sets the title before the window is made.
TEST(UniApplicationTitle, ATitleSetBeforeTheWindowExistsBecomesItsText)
{
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    WideString commandLine = L"\"" + WideString(exe) + L"\" --gtest_filter=UniApplicationTitleChild.*";
    SetEnvironmentVariableW(ChildVariable, L"1");
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    BOOL started = CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                  &process);
    SetEnvironmentVariableW(ChildVariable, nullptr);
    ASSERT_TRUE(started);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 120000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(code, 0u);
}

TEST(UniApplicationTitleChild, PendingTitle)
{
    if (!GetEnvironmentVariableW(ChildVariable, nullptr, 0))
        GTEST_SKIP() << "run by UniApplicationTitle.ATitleSetBeforeTheWindowExistsBecomesItsText";
    ASSERT_FALSE(Application->HandleAllocated());
    TUniApplication* app = UniApplication();
    app->SetTitle(WideTitle);
    EXPECT_EQ(app->GetTitle(), WideTitle);
    EXPECT_EQ(Application->GetTitle(), WideToAnsi(WideTitle));
    HWND wnd = Application->GetHandle();
    EXPECT_EQ(StoredWindowText(wnd), WideTitle);
    EXPECT_EQ(app->GetTitle(), WideTitle);

    const WideString greek = L"\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1";
    app->SetTitle(greek);
    EXPECT_EQ(StoredWindowText(wnd), greek);
    EXPECT_EQ(app->GetTitle(), greek);
}

TEST(UniApplicationTitle, OnTheOlderFamilyTheTitleIsTheLibrarysOwn)
{
    TUniApplication* app = UniApplication();
    SetUnicodePlatformForTesting(false);
    app->SetTitle(WideTitle);
    EXPECT_EQ(Application->GetTitle(), WideToAnsi(WideTitle));
    EXPECT_EQ(app->GetTitle(), WideTitle);
    Application->SetTitle("Changed");
    EXPECT_EQ(app->GetTitle(), L"Changed");
    SetUnicodePlatformForTesting(true);
}

using UniApplicationHint = UniFormTest;

TEST_F(UniApplicationHint, TheWideHintFollowsTheHintControlsLongPart)
{
    TUniApplication* app = UniApplication();
    auto* button = Add<TUniButton>();
    const WideString longPart = L"Posune \u0161ipku \u0416";
    SetWideHint(button, longPart);
    Application->NoteMouseControl(button);
    EXPECT_EQ(Application->GetHint(), WideToAnsi(longPart));
    EXPECT_EQ(app->GetHint(), longPart);
    app->RefreshWideHint();
    EXPECT_EQ(app->GetHint(), longPart);

    // A hint the application sets itself wins.
    app->SetHint(L"\u6587\u4EF6");
    EXPECT_EQ(Application->GetHint(), WideToAnsi(L"\u6587\u4EF6"));
    EXPECT_EQ(app->GetHint(), L"\u6587\u4EF6");
    Application->NoteMouseControl(nullptr);
}

// Shows hints as a status line does: it takes the hint actions that reach it.
class THintShower : public TControl {
public:
    using TControl::TControl;
    bool ExecuteAction(TBasicAction* action) override
    {
        if (auto* wide = dynamic_cast<TUniHintAction*>(action))
            Shown.push_back(wide->GetWideHint());
        else if (auto* plain = dynamic_cast<THintAction*>(action))
            Shown.push_back(L"8-bit: " + AnsiToWide(plain->GetHint()));
        else
            return TControl::ExecuteAction(action);
        return true;
    }
    std::vector<WideString> Shown;
};

TEST_F(UniApplicationHint, AHintGoingOutAsAnActionReachesItsShowerWide)
{
    UniApplication();
    auto* shower = Add<THintShower>(10, 200, 100, 20);
    auto* button = Add<TUniButton>();
    const WideString hint = L"Posune \u0161ipku \u0416";
    SetWideHint(button, hint);
    Application->NoteMouseControl(button);
    Application->NoteMouseControl(nullptr);
    ASSERT_EQ(shower->Shown.size(), 2u);
    EXPECT_EQ(shower->Shown[0], hint) << "one hint action, and it is the wide one";
    EXPECT_EQ(shower->Shown[1], L"") << "leaving the button empties the hint";
}

TEST(WideCharAccel, TheCaptionsHotKey)
{
    struct Case {
        WPARAM Key;
        const wchar_t* Caption;
        bool Expected;
    };
    const Case cases[] = {
        {'a', L"&About", true},
        {'A', L"&About", true},
        {'b', L"&About", false},
        {'a', L"&&About", false},
        {'b', L"&&A&bout", true},
        {'t', L"Save && &Tidy", true},
        {'a', L"About", false},
        {'a', L"About&", false},
        {0x0161, L"&\u0160ipka", true},
        {0x0416, L"\u0412&\u0416", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsWideCharAccel(c.Key, c.Caption), c.Expected) << c.Caption << " " << c.Key;
}

}  // namespace
