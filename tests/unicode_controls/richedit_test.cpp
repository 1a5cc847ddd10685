#include <gtest/gtest.h>

#include <richedit.h>

#include "classlib/Streams.h"
#include "unicode/UniWideStrings.h"
#include "unicode_controls/UniComCtrls.h"
#include "unicontrols_fixture.h"

namespace {

const WideString Czech = L"P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148";
const WideString Ukrainian = L"\u041F\u0440\u0438\u0432\u0456\u0442, \u0441\u0432\u0456\u0442\u0435";
const WideString Cjk = L"\u4E2D\u6587\u5B57";

// A memo on a Unicode edit window whose lines are the wide memo lines; it
// counts the messages that read a line and replace the whole text.
class TWideLinesMemo : public TMemo {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TWideLinesMemo(TComponent* AOwner) : TMemo(AOwner), WideLines(this, GetLines()) {}

    void WndProc(TMessage& message) override
    {
        if (message.Msg == EM_GETLINE)
            ++LineReads;
        if (message.Msg == WM_SETTEXT)
            ++TextWrites;
        TMemo::WndProc(message);
    }

    TUniMemoStrings WideLines;
    int LineReads = 0;
    int TextWrites = 0;

protected:
    void CreateWindowHandle(const TCreateParams& params) override { CreateUnicodeHandle(this, params, L"EDIT"); }
};

VARIRUVU_CLASS_INFO(TWideLinesMemo, TMemo) {}

// A rich edit that keeps every answer its window gives to WM_GETTEXTLENGTH.
class TLengthWatchingRichEdit : public TUniRichEdit {
public:
    using TUniRichEdit::TUniRichEdit;
    void WndProc(TMessage& message) override
    {
        TUniRichEdit::WndProc(message);
        if (message.Msg == WM_GETTEXTLENGTH)
            Answers.push_back(static_cast<int>(message.Result));
    }
    std::vector<int> Answers;
};

// The window's whole text as plain UTF-16, breaks written CR LF.
WideString StreamedOutText(HWND wnd)
{
    TMemoryStream stream;
    EDITSTREAM edit{reinterpret_cast<DWORD_PTR>(&stream), 0,
                    [](DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) -> DWORD {
                        reinterpret_cast<TStream*>(cookie)->WriteBuffer(buffer, count);
                        *done = count;
                        return 0;
                    }};
    SendMessageW(wnd, EM_STREAMOUT, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&edit));
    WideString text(static_cast<const wchar_t*>(stream.GetMemory()), static_cast<size_t>(stream.GetSize() / 2));
    return ConvertLineBreaksW(text, lbsCRLF);
}

CHARRANGE WindowSelection(HWND wnd)
{
    CHARRANGE range{};
    SendMessageW(wnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

HMODULE NoLibrary(const WideString&)
{
    return nullptr;
}

using RichEditTest = UniFormTest;

TEST_F(RichEditTest, MemoLinesReadAndWriteTheLinesOfTheWindow)
{
    auto* memo = Add<TWideLinesMemo>(10, 10, 300, 120);
    TUniMemoStrings& lines = memo->WideLines;
    lines.SetTextStr(Czech + L"\r\n\r\n" + Ukrainian);

    memo->LineReads = 0;
    EXPECT_EQ(lines.Get(1), L"");
    EXPECT_EQ(memo->LineReads, 0) << "an empty line needs no reading";
    EXPECT_EQ(lines.Get(0), Czech);
    EXPECT_EQ(lines.Get(2), Ukrainian);

    lines.Add(Cjk);
    EXPECT_EQ(WindowTextW(memo->GetHandle()), Czech + L"\r\n\r\n" + Ukrainian + L"\r\n" + Cjk);
    lines.Insert(0, L"Els\u0151");
    EXPECT_EQ(WindowTextW(memo->GetHandle()), L"Els\u0151\r\n" + Czech + L"\r\n\r\n" + Ukrainian + L"\r\n" + Cjk);
    lines.Put(2, Cjk);
    EXPECT_EQ(lines.Get(2), Cjk);
    EXPECT_EQ(lines.GetCount(), 5);
}

TEST_F(RichEditTest, MemoLinesLeaveTheWindowAloneWhenTheTextIsTheSameAfterConversion)
{
    auto* memo = Add<TWideLinesMemo>(10, 10, 300, 120);
    memo->WideLines.SetTextStr(Cjk + L"\n" + Czech);
    EXPECT_EQ(WindowTextW(memo->GetHandle()), Cjk + L"\r\n" + Czech);
    memo->TextWrites = 0;
    memo->WideLines.SetTextStr(Cjk + L"\r\n" + Czech);
    memo->WideLines.SetTextStr(Cjk + L"\r" + Czech);
    EXPECT_EQ(memo->TextWrites, 0);
}

TEST_F(RichEditTest, WideLinesReadBackExactlyAndSurviveANewWindow)
{
    auto* rich = Add<TUniRichEdit>(10, 10, 360, 150);
    ASSERT_EQ(rich->GetLineBreakStyle(), lbsCR);
    for (const WideString& line : {Czech, Ukrainian, Cjk})
        rich->GetLines()->Add(line);
    const WideString expected = Czech + L"\r\n" + Ukrainian + L"\r\n" + Cjk;

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round ? "after a new window" : "first window");
        HWND wnd = rich->GetHandle();
        EXPECT_TRUE(IsWindowUnicode(wnd));
        EXPECT_TRUE(StreamedOutText(wnd).starts_with(expected)) << WideToAnsi(StreamedOutText(wnd), CP_UTF8);
        ASSERT_EQ(rich->GetLines()->GetCount(), 3);
        EXPECT_EQ(rich->GetLines()->Get(0), Czech);
        EXPECT_EQ(rich->GetLines()->Get(1), Ukrainian);
        EXPECT_EQ(rich->GetLines()->Get(2), Cjk);
        EXPECT_TRUE(rich->GetText().starts_with(expected));
        rich->SetWordWrap(false);
        rich->HandleNeeded();
    }
}

// The window keeps "ab", CR, "cd"; the rest of the program sees "ab", CR, LF, "cd".
TEST_F(RichEditTest, PositionsCountALineBreakAsTwoCharacters)
{
    auto* rich = Add<TUniRichEdit>(10, 10, 360, 150);
    for (bool wordWrap : {true, false}) {
        SCOPED_TRACE(wordWrap ? "word wrap" : "no word wrap");
        rich->SetWordWrap(wordWrap);
        rich->GetLines()->SetTextStr(L"ab\r\ncd");
        HWND wnd = rich->GetHandle();

        SendMessageW(wnd, EM_SETSEL, 3, 3);
        EXPECT_EQ(rich->GetSelStart(), 4);
        EXPECT_EQ(WindowSelection(wnd).cpMin, 3);

        struct {
            int textPosition;
            LONG windowPosition;
        } const cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 3}, {5, 4}, {6, 5}};
        for (const auto& c : cases) {
            rich->SetSelStart(c.textPosition);
            EXPECT_EQ(WindowSelection(wnd).cpMin, c.windowPosition) << "text position " << c.textPosition;
        }

        rich->SetSelStart(1);
        rich->SetSelLength(4);
        EXPECT_EQ(WindowSelection(wnd).cpMin, 1);
        EXPECT_EQ(WindowSelection(wnd).cpMax, 4);
        EXPECT_EQ(rich->GetSelStart(), 1);
        EXPECT_EQ(rich->GetSelLength(), 4);
        EXPECT_EQ(rich->GetWideSelText(), L"b\r\nc");
        EXPECT_EQ(rich->GetSelText(), "b\r\nc");
    }
}

TEST_F(RichEditTest, EnterIsDroppedWithoutWantReturnsUnlessCtrlIsHeld)
{
    struct {
        bool wantReturns;
        bool ctrl;
        bool breaks;
    } const cases[] = {{true, false, true}, {false, false, false}, {false, true, true}};
    auto* rich = Add<TUniRichEdit>(10, 10, 360, 150);
    BYTE saved[256] = {};
    GetKeyboardState(saved);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "want returns " << c.wantReturns << ", ctrl " << c.ctrl);
        rich->SetWantReturns(c.wantReturns);
        rich->GetLines()->SetTextStr(L"ab");
        rich->SetSelStart(2);
        BYTE keys[256] = {};
        memcpy(keys, saved, sizeof(keys));
        keys[VK_CONTROL] = c.ctrl ? 0x80 : 0;
        SetKeyboardState(keys);
        SendMessageW(rich->GetHandle(), WM_KEYDOWN, VK_RETURN, 1);
        SendMessageW(rich->GetHandle(), WM_CHAR, L'\r', 1);
        SetKeyboardState(saved);
        EXPECT_EQ(rich->GetText().find(L'\r') != WideString::npos, c.breaks)
            << WideToAnsi(rich->GetText(), CP_UTF8);
    }
}

// The page formatting runs to the length the window answers, which must be
// the window's own count of characters, not the longer CR LF one.
TEST_F(RichEditTest, PrintingAnswersTheWindowsTextLength)
{
    auto* rich = Add<TLengthWatchingRichEdit>(10, 10, 360, 150);
    rich->GetLines()->SetTextStr(Czech + L"\r\n" + Cjk + L"\r\nx");
    HWND wnd = rich->GetHandle();
    LRESULT before = SendMessageW(wnd, WM_GETTEXTLENGTH, 0, 0);
    rich->Answers.clear();
    try {
        rich->PrintText("licence");
    } catch (const Exception&) {
        // No printer here: the length has been asked for all the same.
    }
    ASSERT_FALSE(rich->Answers.empty());
    EXPECT_EQ(rich->Answers.back(), static_cast<int>(Czech.size() + 1 + Cjk.size() + 1 + 1));
    EXPECT_EQ(SendMessageW(wnd, WM_GETTEXTLENGTH, 0, 0), before) << "the printing length is let go";
}

TEST_F(RichEditTest, SettingTheTextRaisesNoChangeAndAddingLinesNoSelectionChange)
{
    auto* rich = Add<TUniRichEdit>(10, 10, 360, 150);
    int changes = 0;
    int selectionChanges = 0;
    rich->OnChange = TNotifyEvent::FromFunction([&](TObject*) { ++changes; });
    rich->OnSelectionChange = TNotifyEvent::FromFunction([&](TObject*) { ++selectionChanges; });
    rich->GetLines()->SetTextStr(Ukrainian);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(SendMessageA(rich->GetHandle(), EM_GETEVENTMASK, 0, 0) & ENM_CHANGE);

    TUniStringList more;
    more.Add(Czech);
    more.Add(Cjk);
    rich->GetLines()->AddStrings(&more);
    Pump();
    EXPECT_EQ(selectionChanges, 0);
    EXPECT_TRUE(static_cast<bool>(rich->OnSelectionChange));
    EXPECT_EQ(rich->GetLines()->GetCount(), 3);
    EXPECT_EQ(rich->GetLines()->Get(2), Cjk);
}

// The platform library here writes rich text in the system code page, so the
// rich case keeps to characters 1252 holds.
TEST_F(RichEditTest, TextSurvivesSavingAndLoadingAsRichAndAsPlainText)
{
    for (bool plain : {false, true}) {
        SCOPED_TRACE(plain ? "plain text" : "rich text");
        const WideString first = plain ? Czech : L"Gr\u00FC\u00DFe";
        const WideString second = plain ? Cjk : L"\u00C0 bient\u00F4t";
        auto* source = Add<TUniRichEdit>(10, 10, 360, 100);
        auto* target = Add<TUniRichEdit>(10, 120, 360, 100);
        source->SetPlainText(plain);
        target->SetPlainText(plain);
        source->GetLines()->SetTextStr(first + L"\r\n" + second);
        TMemoryStream stream;
        source->GetLines()->SaveToStream(&stream);
        AnsiString head(static_cast<const char*>(stream.GetMemory()), 5);
        EXPECT_EQ(head == "{\\rtf", !plain);
        stream.SetPosition(0);
        target->GetLines()->LoadFromStream(&stream);
        ASSERT_GE(target->GetLines()->GetCount(), 2);
        EXPECT_EQ(target->GetLines()->Get(0), first);
        EXPECT_EQ(target->GetLines()->Get(1), second);
        delete source;
        delete target;
    }
}

TEST_F(RichEditTest, WithoutTheLibraryTheClassLibrarysRichEditShowsAndEditsTheText)
{
    TLibraryLoader saved = SetRichEditLoaderForTesting(&NoLibrary);
    auto* rich = Add<TUniRichEdit>(10, 10, 360, 150);
    SetRichEditLoaderForTesting(saved);
    EXPECT_EQ(rich->GetLineBreakStyle(), lbsCRLF);
    HWND wnd = rich->GetHandle();
    EXPECT_FALSE(IsWindowUnicode(wnd));

    rich->GetLines()->SetTextStr(L"Gr\u00FC\u00DFe\r\n\u00C0 bient\u00F4t");
    EXPECT_EQ(WindowTextW(wnd), L"Gr\u00FC\u00DFe\r\n\u00C0 bient\u00F4t");
    ASSERT_EQ(rich->GetLines()->GetCount(), 2);
    EXPECT_EQ(rich->GetLines()->Get(1), L"\u00C0 bient\u00F4t");
    rich->GetLines()->Put(0, L"Adi\u00F3s");
    rich->GetLines()->Add(L"Fin");
    EXPECT_EQ(rich->GetText(), L"Adi\u00F3s\r\n\u00C0 bient\u00F4t\r\nFin");

    rich->SetSelStart(7);
    rich->SetSelLength(3);
    EXPECT_EQ(rich->GetWideSelText(), L"\u00C0 b");
}

}  // namespace
