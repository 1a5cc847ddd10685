#include <gtest/gtest.h>

#include <vector>

#include "unicode/UniSystem.h"
#include "unicode_controls/UniStdCtrls.h"
#include "unicontrols_fixture.h"

namespace {

const WideString Czech = L"P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148";
const WideString Ukrainian = L"\u041F\u0440\u0438\u0432\u0456\u0442, \u0441\u0432\u0456\u0442\u0435";
const WideString Cjk = L"\u4E2D\u6587\u5B57";
const WideString Methods[] = {L"Zero ( 1 Passes )", L"DOD 5220.22-M ECE ( 7 Passes )", L"Gutmann ( 35 Passes )"};

WideString ItemW(HWND wnd, int index)
{
    wchar_t buffer[256] = {};
    SendMessageW(wnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

// Counts what the edit window's own procedure is handed.
std::vector<wchar_t> editCharsSeen;
WNDPROC editProcBelow = nullptr;
LRESULT CALLBACK CountingEditProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_CHAR)
        editCharsSeen.push_back(static_cast<wchar_t>(wParam));
    return CallWindowProcW(editProcBelow, wnd, msg, wParam, lParam);
}

class TProbeComboBox : public TUniComboBox {
public:
    using TUniComboBox::TUniComboBox;
    // Puts the counter between the control and the edit window's own procedure.
    void CountEditChars()
    {
        editCharsSeen.clear();
        editProcBelow = FEditChild.DefProc;
        FEditChild.DefProc = &CountingEditProc;
    }
    void AutoComplete(TMessage& message) { DoAutoComplete(message); }
};

// A window that has no room for another item.
class TRefusingComboBox : public TUniComboBox {
public:
    using TUniComboBox::TUniComboBox;
    bool Refusing = false;
    void WndProc(TMessage& message) override
    {
        if (Refusing && (message.Msg == CB_ADDSTRING || message.Msg == CB_INSERTSTRING)) {
            message.Result = CB_ERRSPACE;
            return;
        }
        TUniComboBox::WndProc(message);
    }
};

class UniComboTest : public UniPlatformTest {
protected:
    template <class T = TUniComboBox>
    T* AddCombo(TComboBoxStyle style, int top = 10)
    {
        auto* box = Add<T>(10, top, 260, 24);
        box->SetStyle(style);
        box->TickCount = [this] { return now; };
        box->OnClick = TNotifyEvent::FromFunction([this](TObject*) { ++clicks; });
        box->OnSelect = TNotifyEvent::FromFunction([this](TObject*) { ++selects; });
        box->OnKeyPress = TKeyPressEvent::FromFunction([this](TObject*, char&) { ++keysPassedOn; });
        for (const WideString& method : Methods)
            box->GetItems()->Add(method);
        box->HandleNeeded();
        return box;
    }
    static void Type(HWND wnd, wchar_t ch) { SendMessageW(wnd, WM_CHAR, ch, 1); }

    DWORD now = 100000;
    int clicks = 0;
    int selects = 0;
    int keysPassedOn = 0;
};

INSTANTIATE_TEST_SUITE_P(Platforms, UniComboTest, testing::Bool(), PlatformName);

using UniComboWideTest = UniComboTest;
INSTANTIATE_TEST_SUITE_P(Wide, UniComboWideTest, testing::Values(true), PlatformName);

// ---- items and text ----

TEST_P(UniComboWideTest, WideItemsAndTextReadBackFromTheUnicodeWindow)
{
    auto* box = Add<TUniComboBox>(10, 10, 260, 24);
    // Before the window the control keeps them; the window gets them whole.
    box->GetItems()->Add(Czech);
    box->SetItemIndex(0);
    HWND wnd = box->GetHandle();
    ASSERT_TRUE(IsWindowUnicode(wnd));
    box->GetItems()->Add(Ukrainian);
    box->GetItems()->Insert(0, Cjk);
    ASSERT_EQ(box->GetItems()->GetCount(), 3);
    const WideString expected[] = {Cjk, Czech, Ukrainian};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ItemW(wnd, i), expected[i]);
        EXPECT_EQ(box->GetItems()->Get(i), expected[i]);
    }
    EXPECT_EQ(box->GetItems()->IndexOfString(L"\u043F\u0420\u0418\u0412\u0406\u0422, \u0441\u0432\u0456\u0442\u0435"), 2);
    EXPECT_EQ(box->GetItemIndex(), 1);
    EXPECT_EQ(WindowTextW(wnd), Czech);

    box->SetText(Cjk + L" x");
    EXPECT_EQ(WindowTextW(wnd), Cjk + L" x");
    EXPECT_EQ(box->GetText(), Cjk + L" x");
}

TEST_P(UniComboWideTest, ItemsSelectionAndTextSurviveRecreation)
{
    auto* box = Add<TUniComboBox>(10, 10, 260, 24);
    TObject marker;
    box->AddItem(Czech, &marker);
    box->AddItem(Ukrainian, nullptr);
    box->AddItem(Cjk, nullptr);
    box->HandleNeeded();
    box->SetItemIndex(1);

    box->SetStyle(csDropDownList);
    HWND wnd = box->GetHandle();
    EXPECT_EQ(ItemW(wnd, 0), Czech);
    EXPECT_EQ(ItemW(wnd, 2), Cjk);
    EXPECT_EQ(box->GetItems()->GetObject(0), &marker);
    EXPECT_EQ(box->GetItemIndex(), 1);
    EXPECT_EQ(WindowTextW(wnd), Ukrainian);

    // Typed text that is no item stays too.
    box->SetStyle(csDropDown);
    box->SetText(Cjk + Czech);
    box->RecreateWnd();
    EXPECT_EQ(WindowTextW(box->GetHandle()), Cjk + Czech);
    EXPECT_EQ(box->GetItems()->GetCount(), 3);
}

TEST_P(UniComboWideTest, ClearKeepsTheText)
{
    auto* box = AddCombo(csDropDown);
    box->SetText(Cjk);
    box->GetItems()->Clear();
    EXPECT_EQ(box->GetItems()->GetCount(), 0);
    EXPECT_EQ(WindowTextW(box->GetHandle()), Cjk);
}

TEST_P(UniComboWideTest, SelectedItemCopiesIntoAnotherListWide)
{
    auto* source = Add<TUniComboBox>(10, 10, 260, 24);
    auto* wideDest = Add<TUniComboBox>(10, 50, 260, 24);
    auto* plainDest = Add<TComboBox>(10, 90, 260, 24);
    TObject marker;
    source->AddItem(Czech, nullptr);
    source->AddItem(Cjk, &marker);
    source->HandleNeeded();

    source->CopySelectedItems(wideDest);
    EXPECT_EQ(wideDest->GetItems()->GetCount(), 0);

    source->SetItemIndex(1);
    source->CopySelectedItems(wideDest);
    source->CopySelectedItems(plainDest);
    ASSERT_EQ(wideDest->GetItems()->GetCount(), 1);
    EXPECT_EQ(ItemW(wideDest->GetHandle(), 0), Cjk);
    EXPECT_EQ(wideDest->GetItems()->GetObject(0), &marker);
    ASSERT_EQ(plainDest->GetItems()->GetCount(), 1);
    EXPECT_EQ(plainDest->GetItems()->Get(0), WideToAnsi(Cjk));
}

TEST_P(UniComboTest, AWindowThatRefusesAnItemRaisesAndKeepsTheItems)
{
    auto* box = AddCombo<TRefusingComboBox>(csDropDown);
    box->Refusing = true;
    try {
        box->GetItems()->Add(L"more");
        FAIL() << "no error";
    } catch (const EOutOfResources& e) {
        EXPECT_EQ(e.GetMessage(), L"Unable to insert a line");
    }
    EXPECT_THROW(box->GetItems()->Insert(0, L"more"), EOutOfResources);
    EXPECT_EQ(box->GetItems()->GetCount(), 3);
}

TEST_P(UniComboWideTest, PrefixSearchIgnoresCaseAndAnOnlyMatchMustBeAlone)
{
    auto* box = Add<TUniComboBox>(10, 10, 260, 24);
    for (const WideString& item : {WideString(L"Gutmann"), WideString(L"Gold"), Ukrainian, WideString(L"Zero")})
        box->GetItems()->Add(item);
    box->HandleNeeded();
    struct {
        int start;
        WideString text;
        int prefix, only;
    } cases[] = {
        {-1, L"g", 0, -1},
        {0, L"g", 1, -1},
        {-1, L"GU", 0, 0},
        {-1, L"\u041F\u0440\u0438", 2, 2},
        {-1, L"x", -1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(box->FindPrefixMatch(c.start, c.text), c.prefix) << WideToAnsi(c.text);
        EXPECT_EQ(box->FindOnlyMatch(c.text), c.only) << WideToAnsi(c.text);
    }
}

// ---- typing ----

TEST_P(UniComboTest, ListStyleSearchesTheTypedCharactersUntilAPause)
{
    auto* box = AddCombo(csDropDownList);
    HWND wnd = box->GetHandle();

    Type(wnd, L'G');
    EXPECT_EQ(box->GetItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(keysPassedOn, 0);

    // "GG" matches nothing: the key goes on, the selection stays.
    now += 1249;
    Type(wnd, L'G');
    EXPECT_EQ(box->GetItemIndex(), 2);
    EXPECT_EQ(keysPassedOn, 1);

    // After the pause "d" alone is searched.
    now += 1250;
    Type(wnd, L'd');
    EXPECT_EQ(box->GetItemIndex(), 1);
    EXPECT_EQ(keysPassedOn, 1);
    EXPECT_EQ(WindowTextW(wnd), Methods[1]);
}

TEST_P(UniComboTest, TheSearchPauseIsMeasuredAcrossAWrapOfTheClock)
{
    struct {
        DWORD first, second;
        bool newSearch;
    } cases[] = {
        {0xFFFFFF00u, 0x00000010u, false},  // 272 ms
        {0xFFFFFF00u, 0x00000400u, true},   // 1280 ms
        {0x7FFFFF00u, 0x80000010u, false},
    };
    for (const auto& c : cases) {
        auto* box = AddCombo(csDropDownList);
        keysPassedOn = 0;
        now = c.first;
        Type(box->GetHandle(), L'g');
        now = c.second;
        Type(box->GetHandle(), L'g');
        EXPECT_EQ(keysPassedOn, c.newSearch ? 0 : 1) << std::hex << c.first << " " << c.second;
        EXPECT_EQ(box->GetItemIndex(), 2);
        delete box;
    }
}

TEST_P(UniComboTest, TypingAtTheEndCompletesFromTheItemsKeepingTheTypedCase)
{
    auto* box = AddCombo(csDropDown);
    HWND edit = box->GetEditHandle();
    ASSERT_NE(edit, nullptr);
    Type(edit, L'g');
    Type(edit, L'u');
    EXPECT_EQ(WindowTextW(box->GetHandle()), L"gutmann ( 35 Passes )");
    EXPECT_EQ(box->GetItemIndex(), 2);
    EXPECT_EQ(box->GetSelStart(), 2);
    EXPECT_EQ(box->GetSelLength(), static_cast<int>(Methods[2].size()) - 2);
    EXPECT_EQ(box->GetSelText(), L"tmann ( 35 Passes )");
    EXPECT_GE(selects, 1);
}

TEST_P(UniComboTest, OnlyASelectionReachingTheEndIsCompleted)
{
    struct {
        WideString text;
        int selStart, selLength;
        wchar_t typed;
        WideString expected;
    } cases[] = {
        {L"Zer", 1, 0, L'x', L"Zxer"},  // caret in the middle
        {L"Zer", 1, 1, L'x', L"Zxr"},   // selection in the middle
        {L"Gxyz", 1, 3, L'u', L"Gutmann ( 35 Passes )"},
        {L"", 0, 0, L'q', L"q"},        // no item begins so
    };
    for (const auto& c : cases) {
        auto* box = AddCombo(csDropDown);
        box->SetText(c.text);
        box->SetSelStart(c.selStart);
        box->SetSelLength(c.selLength);
        Type(box->GetEditHandle(), c.typed);
        EXPECT_EQ(WindowTextW(box->GetHandle()), c.expected);
        delete box;
    }
}

TEST_P(UniComboWideTest, AWideCharacterWithoutAMatchReachesTheEditWhole)
{
    auto* box = AddCombo(csDropDown);
    Type(box->GetEditHandle(), L'\u4E2D');
    Type(box->GetEditHandle(), L'\u0159');
    EXPECT_EQ(WindowTextW(box->GetHandle()), L"\u4E2D\u0159");
    EXPECT_EQ(keysPassedOn, 2);
}

TEST_P(UniComboTest, EnterAndEscapeCloseAnOpenListInsteadOfReachingTheEdit)
{
    auto* box = AddCombo<TProbeComboBox>(csDropDown);
    box->CountEditChars();
    for (wchar_t key : {L'\r', L'\x1B'}) {
        box->SetDroppedDown(true);
        ASSERT_TRUE(box->GetDroppedDown());
        Type(box->GetEditHandle(), key);
        EXPECT_FALSE(box->GetDroppedDown());
        EXPECT_TRUE(editCharsSeen.empty());
    }
    // A closed list leaves them to the edit.
    Type(box->GetEditHandle(), L'\r');
    EXPECT_EQ(editCharsSeen, std::vector<wchar_t>{L'\r'});
}

TEST_P(UniComboTest, CompletionIsOnlyForStylesWithAnEditPart)
{
    auto* box = AddCombo<TProbeComboBox>(csDropDownList);
    TMessage message;
    InitWideCharMessage(message, L'g');
    EXPECT_THROW(box->AutoComplete(message), EUniInternalError);
}

}  // namespace
