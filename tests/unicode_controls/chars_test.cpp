#include <gtest/gtest.h>

#include "unicode_controls/UniControlsState.h"
#include "unicode_controls/UniForms.h"
#include "unicontrols_fixture.h"

namespace {

class WideCharTest : public UniFormTest {
protected:
    void SetUp() override
    {
        UniFormTest::SetUp();
        UniApplication();
        edit = Add<TUniTestEdit>();
        edit->SetFocus();
        Pump();
    }
    void TearDown() override
    {
        Application->OnMessage = TMessageEvent();
        UniFormTest::TearDown();
    }
    TUniTestEdit* edit = nullptr;
};

TEST_F(WideCharTest, PostedCharactersReachTheWindowWhileTheKeyHandlerSeesTheParkedForm)
{
    const WideString typed = L"\u0416\u0438\u0432\u6587\u0151";
    for (wchar_t ch : typed)
        PostMessageW(edit->GetHandle(), WM_CHAR, ch, 1);
    Pump();
    EXPECT_EQ(WindowTextW(edit->GetHandle()), typed);
    EXPECT_EQ(edit->KeysSeen, std::vector<unsigned char>(typed.size(), 255));
}

TEST_F(WideCharTest, CharactersBelow256ReachTheKeyHandlerAsThemselves)
{
    for (wchar_t ch : WideString(L"a\u00E9"))
        PostMessageW(edit->GetHandle(), WM_CHAR, ch, 1);
    Pump();
    EXPECT_EQ(WindowTextW(edit->GetHandle()), L"a\u00E9");
    EXPECT_EQ(edit->KeysSeen, (std::vector<unsigned char>{'a', 0xE9}));
}

// The spare word is what parking needs; a message that uses it already passes untouched.
TEST_F(WideCharTest, ACharacterWithTheUpperWordInUseIsNeitherParkedNorSpoilt)
{
    SendMessageW(edit->GetHandle(), WM_CHAR, 0x00020000 | L'Q', 1);
    EXPECT_EQ(edit->KeysSeen, std::vector<unsigned char>{'Q'});
    EXPECT_EQ(WindowTextW(edit->GetHandle()), L"Q");

    TMessage message{WM_CHAR, 0x00030000 | 0x0416, 0, 0};
    ParkWideChar(message);
    EXPECT_EQ(message.WParam, WPARAM(0x00030416));
    RestoreWideChar(message);
    EXPECT_EQ(message.WParam, WPARAM(0x00030416));
}

TEST_F(WideCharTest, AWideCharMessageBuiltByCodeReachesTheWindow)
{
    TMessage message;
    InitWideCharMessage(message, L'\u0151');
    EXPECT_EQ(message.Msg, UINT(WM_CHAR));
    EXPECT_EQ(message.WParam & 0xFFFF, WPARAM(255));
    EXPECT_EQ(GetWideCharFromMessage(message), L'\u0151');
    edit->Perform(message.Msg, message.WParam, message.LParam);
    EXPECT_EQ(WindowTextW(edit->GetHandle()), L"\u0151");
    EXPECT_EQ(edit->KeysSeen, std::vector<unsigned char>{255});

    struct Case {
        wchar_t Char;
        WPARAM Parked;
    };
    for (Case c : {Case{L'a', 'a'}, Case{L'\u00FF', 0xFF}, Case{L'\u0100', 0x010000FF}, Case{L'\uFFFF', 0xFFFF00FF}}) {
        InitWideCharMessage(message, c.Char);
        EXPECT_EQ(message.WParam, c.Parked) << int(c.Char);
        EXPECT_EQ(GetWideCharFromMessage(message), c.Char);
    }
}

// The application's OnMessage sees the wide message first; the 8-bit pump gets WM_NULL in its place.
TEST_F(WideCharTest, WideCharactersGoAroundTheEightBitPump)
{
    std::vector<std::pair<UINT, WPARAM>> seen;
    Application->OnMessage = TMessageEvent::FromFunction([&](MSG& msg, bool&) {
        if (msg.hwnd == edit->GetHandle() && (msg.message == WM_CHAR || msg.message == WM_NULL))
            seen.emplace_back(msg.message, msg.wParam);
    });
    PostMessageW(edit->GetHandle(), WM_CHAR, L'\u0151', 1);
    PostMessageW(edit->GetHandle(), WM_CHAR, L'x', 1);
    Pump();
    EXPECT_EQ(WindowTextW(edit->GetHandle()), L"\u0151x");
    const std::vector<std::pair<UINT, WPARAM>> expected{{WM_CHAR, 0x0151}, {WM_NULL, 0x0151}, {WM_CHAR, 'x'}};
    EXPECT_EQ(seen, expected);
}

TEST_F(WideCharTest, AnOnMessageThatHandlesTheCharacterKeepsItFromTheWindow)
{
    Application->OnMessage = TMessageEvent::FromFunction([&](MSG& msg, bool& handled) {
        handled = msg.message == WM_CHAR && msg.wParam == 0x0416;
    });
    PostMessageW(edit->GetHandle(), WM_CHAR, L'\u0416', 1);
    PostMessageW(edit->GetHandle(), WM_CHAR, L'\u0417', 1);
    Pump();
    EXPECT_EQ(WindowTextW(edit->GetHandle()), L"\u0417");
}

TEST_F(WideCharTest, TypedUnicodeKeysReachTheWindow)
{
    SetForegroundWindow(form->GetHandle());
    ::SetFocus(edit->GetHandle());
    Pump();
    if (GetFocus() != edit->GetHandle())
        GTEST_SKIP() << "the edit cannot take the keyboard focus on this display";
    const WideString typed = L"\u010D\u0436\u6587";
    std::vector<INPUT> inputs;
    for (wchar_t ch : typed)
        for (DWORD up : {DWORD(0), DWORD(KEYEVENTF_KEYUP)}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = ch;
            input.ki.dwFlags = KEYEVENTF_UNICODE | up;
            inputs.push_back(input);
        }
    ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
    for (int i = 0; i < 50 && WindowTextW(edit->GetHandle()).size() < typed.size(); ++i) {
        Sleep(20);
        Pump();
    }
    EXPECT_EQ(WindowTextW(edit->GetHandle()), typed);
}

}  // namespace
