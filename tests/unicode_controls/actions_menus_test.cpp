#include <gtest/gtest.h>

#include "classlib/ExtCtrls.h"
#include "unicode/UniSystem.h"
#include "unicode_controls/UniMenus.h"
#include "unicontrols_fixture.h"

namespace {

// A window-less label that takes wide texts from its action.
class TActionLabel : public TLabel {
public:
    using TLabel::TLabel;

protected:
    TActionLinkClass GetActionLinkClass() const override
    {
        return WideActionLinkClass(const_cast<TActionLabel*>(this), TLabel::GetActionLinkClass());
    }
    void ActionChange(TObject* sender, bool checkDefaults) override
    {
        TLabel::ActionChange(sender, checkDefaults);
        ApplyActionText(this, static_cast<TBasicAction*>(sender), checkDefaults);
    }
};

WideString MenuStringW(HMENU menu, UINT command)
{
    wchar_t buffer[256] = {};
    GetMenuStringW(menu, command, buffer, 256, MF_BYCOMMAND);
    return buffer;
}

WideString MenuItemInfoText(HMENU menu, UINT command)
{
    wchar_t buffer[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = buffer;
    info.cch = 256;
    GetMenuItemInfoW(menu, command, FALSE, &info);
    return buffer;
}

TEST(WideShortCutText, ModifiersInOrderNamedKeysAndDigits)
{
    struct Case {
        TShortCut shortCut;
        const wchar_t* text;
    } cases[] = {
        {ShortCut('S', TShiftState{ssCtrl, ssShift}), L"Shift+Ctrl+S"},
        {ShortCut(VK_F5, TShiftState{}), L"F5"},
        {ShortCut(VK_BACK, TShiftState{ssAlt}), L"Alt+BkSp"},
        {ShortCut(VK_NUMPAD1, TShiftState{ssCtrl}), L"Ctrl+1"},
        {ShortCut('7', TShiftState{ssAlt, ssCtrl}), L"Ctrl+Alt+7"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortCutToWideText(c.shortCut), c.text) << WideToAnsi(c.text);
    EXPECT_EQ(ShortCutToWideText(ShortCut(VK_F5, TShiftState{})), AnsiToWide(ShortCutToText(VK_F5)));
}

TEST(HotKeyMarks, PositionCharRemovalAndComparison)
{
    struct Case {
        const wchar_t* text;
        int position;
        const wchar_t* hotKey;
        const wchar_t* bare;
    } cases[] = {
        {L"Save && &Exit", 10, L"E", L"Save  Exit"},
        {L"Save && Exit", 0, L"", L"Save  Exit"},
        {L"&About", 2, L"A", L"About"},
        {L"A&b&out", 5, L"o", L"About"},
        {L"Trailing&", 0, L"", L"Trailing"},
        {L"", 0, L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HotKeyPosition(c.text), c.position) << WideToAnsi(c.text);
        EXPECT_EQ(HotKeyChar(c.text), c.hotKey) << WideToAnsi(c.text);
        EXPECT_EQ(RemoveHotKeyMarks(c.text), c.bare) << WideToAnsi(c.text);
    }
    EXPECT_TRUE(SameCaptionText(L"&\u0150pen", L"\u0151p&en"));
    EXPECT_FALSE(SameCaptionTextExact(L"&\u0150pen", L"\u0151p&en"));
    EXPECT_TRUE(SameCaptionTextExact(L"&\u0150pen", L"\u0150p&en"));
    EXPECT_FALSE(SameCaptionText(L"&Open", L"Opened"));
}

TEST(HotKeyMarks, TheWideCaptionFollowsAMarkTheClassLibraryMoved)
{
    WideString dest = L"&\u0433pen";
    SyncHotKeyPosition(L"\u0433p&en", dest);
    EXPECT_EQ(dest, L"\u0433p&en");
    // captions that differ in more than the marks are left alone
    dest = L"&Close";
    SyncHotKeyPosition(L"Op&en", dest);
    EXPECT_EQ(dest, L"&Close");
}

TEST(WideLinkClasses, EachControlKindGetsTheWideLinkOfItsBaseClass)
{
    TForm form(nullptr);
    struct Case {
        TControl* control;
        const TClassInfo& link;
    } cases[] = {
        {new TLabel(&form), TUniControlActionLink::ClassInfo()},
        {new TPanel(&form), TUniWinControlActionLink::ClassInfo()},
        {new TCheckBox(&form), TUniButtonActionLink::ClassInfo()},
        {new TListView(&form), TUniListViewActionLink::ClassInfo()},
        {new TSpeedButton(&form), TUniSpeedButtonActionLink::ClassInfo()},
    };
    for (const Case& c : cases) {
        TActionLinkClass chosen = WideActionLinkClass(c.control, TActionLinkClass{c.link.GetParent(), nullptr});
        EXPECT_EQ(chosen.Info, &c.link) << c.control->ClassName();
    }
    // a base class that would use another link than the chosen one's parent is a broken invariant
    EXPECT_THROW(WideActionLinkClass(cases[0].control, TActionLinkClass::Of<TWinControlActionLink>()),
                 EUniInternalError);
}

// A form with a menu bar (File > Open, Save) and a wide action linked to a
// Unicode button, a window-less label and the Save item.
class WideActionTest : public UniFormTest {
protected:
    void SetUp() override
    {
        UniFormTest::SetUp();
        menu = new TMainMenu(form.get());
        file = Item(menu->GetItems(), L"&File");
        open = Item(file, L"&\u0150ffnen");
        save = Item(file, L"");
        form->SetMenu(menu);
        button = Add<TUniButton>();
        label = Add<TActionLabel>(10, 50);
        action = new TUniAction(form.get());
        action->SetWideCaption(L"&Save \u0433");
        action->SetWideHint(L"Saves \u0434");
        for (TControl* control : std::initializer_list<TControl*>{button, label})
            control->SetAction(action);
        save->SetAction(action);
        form->Show();
        Pump();
    }
    TUniMenuItem* Item(TMenuItem* parent, const wchar_t* caption)
    {
        auto* item = new TUniMenuItem(form.get());
        item->SetWideCaption(caption);
        parent->Add(item);
        return item;
    }

    TMainMenu* menu = nullptr;
    TUniMenuItem* file = nullptr;
    TUniMenuItem* open = nullptr;
    TUniMenuItem* save = nullptr;
    TUniButton* button = nullptr;
    TActionLabel* label = nullptr;
    TUniAction* action = nullptr;
};

TEST_F(WideActionTest, DropDownItemsShowTheirWideCaptionAndShortcutTheBarNone)
{
    open->SetShortCut(ShortCut('O', TShiftState{ssCtrl}));
    file->SetShortCut(ShortCut('F', TShiftState{ssCtrl}));
    HMENU bar = GetMenu(form->GetHandle());
    EXPECT_EQ(MenuStringW(bar, open->GetCommand()), L"&\u0150ffnen\tCtrl+O");
    EXPECT_EQ(MenuItemInfoText(file->GetHandle(), open->GetCommand()), L"&\u0150ffnen\tCtrl+O");
    EXPECT_EQ(MenuStringW(bar, file->GetCommand()), L"&File");
    // a new caption reaches the system menu in full
    open->SetWideCaption(L"&\u0433\u0434");
    EXPECT_EQ(MenuStringW(bar, open->GetCommand()), L"&\u0433\u0434\tCtrl+O");
}

TEST_F(WideActionTest, TheActionsWideTextReachesEveryLinkedClient)
{
    EXPECT_EQ(WindowTextW(button->GetHandle()), L"&Save \u0433");
    EXPECT_EQ(GetWideText(label), L"&Save \u0433");
    EXPECT_EQ(GetWideHint(label), L"Saves \u0434");
    EXPECT_EQ(save->GetWideCaption(), L"&Save \u0433");
    EXPECT_EQ(MenuStringW(file->GetHandle(), save->GetCommand()), L"&Save \u0433");
    // the new caption has the same 8-bit form as the old one
    ASSERT_EQ(WideToAnsi(L"&Save \u0434"), action->GetCaption());
    action->SetWideCaption(L"&Save \u0434");
    action->SetWideHint(L"Saves \u0433");
    EXPECT_EQ(WindowTextW(button->GetHandle()), L"&Save \u0434");
    EXPECT_EQ(GetWideText(label), L"&Save \u0434");
    EXPECT_EQ(GetWideHint(label), L"Saves \u0433");
    EXPECT_EQ(save->GetWideCaption(), L"&Save \u0434");
    EXPECT_EQ(MenuStringW(file->GetHandle(), save->GetCommand()), L"&Save \u0434");
    EXPECT_EQ(action->GetWideCaption(), L"&Save \u0434");
}

TEST_F(WideActionTest, AClientEditedAwayIsNoLongerLinked)
{
    SetWideText(button, L"Mine \u0433");
    SetWideText(label, L"&Save \u0434");  // differs from the action's only where 8 bits cannot tell
    action->SetWideCaption(L"Other \u0433");
    EXPECT_EQ(WindowTextW(button->GetHandle()), L"Mine \u0433");
    EXPECT_EQ(GetWideText(label), L"&Save \u0434");
    EXPECT_TRUE(IsWideCaptionStored(button));
    EXPECT_FALSE(IsWideCaptionStored(label) && GetWideText(label) == L"Other \u0433");
    EXPECT_EQ(save->GetWideCaption(), L"Other \u0433");
}

TEST_F(WideActionTest, AMenuItemDifferingOnlyInHotKeyMarkOrCaseStaysLinked)
{
    save->SetWideCaption(L"SAVE \u0413");  // upper-case letters, no mark
    EXPECT_TRUE(save->GetActionLink()->IsCaptionLinked());
    EXPECT_FALSE(save->IsCaptionStored());
    action->SetWideCaption(L"Save &as \u0434");
    EXPECT_EQ(save->GetWideCaption(), L"Save &as \u0434");
    // a button is compared exactly
    SetWideText(button, L"SAVE &AS \u0414");
    EXPECT_FALSE(button->GetActionLink()->IsCaptionLinked());
}

}  // namespace
