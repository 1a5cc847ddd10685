#include <gtest/gtest.h>

#include <memory>

#include "classlib/Menus.h"

namespace {

TEST(ShortCutText, NamesModifiersAndKeys)
{
    struct Case {
        TShortCut shortCut;
        const char* text;
    } cases[] = {
        {ShortCut('O', TShiftState{ssCtrl}), "Ctrl+O"},
        {ShortCut('S', TShiftState{ssCtrl, ssShift}), "Shift+Ctrl+S"},
        {ShortCut(VK_F5, TShiftState{}), "F5"},
        {ShortCut(VK_F24, TShiftState{ssAlt}), "Alt+F24"},
        {ShortCut(VK_BACK, TShiftState{ssAlt}), "Alt+BkSp"},
        {ShortCut(VK_RETURN, TShiftState{}), "Enter"},
        {ShortCut(VK_PRIOR, TShiftState{}), "PgUp"},
        {ShortCut(VK_NEXT, TShiftState{}), "PgDn"},
        {ShortCut(VK_DELETE, TShiftState{ssShift, ssCtrl, ssAlt}), "Shift+Ctrl+Alt+Del"},
        {ShortCut('7', TShiftState{}), "7"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
        EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
    }
    EXPECT_EQ(TextToShortCut("ctrl+shift+s"), ShortCut('S', TShiftState{ssCtrl, ssShift}));
    EXPECT_EQ(ShortCutToText(scNone), "");
    EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
    EXPECT_EQ(TextToShortCut("Hyper+Q"), scNone);
}

AnsiString EntryText(HMENU menu, UINT command)
{
    char buffer[256] = {};
    GetMenuStringA(menu, command, buffer, sizeof(buffer), MF_BYCOMMAND);
    return buffer;
}

// A form with a bar: File (Open Ctrl+O, a line, Exit), Help.
struct MenuFixture : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TMainMenu* menu = new TMainMenu(form.get());
    TMenuItem* file = Item(menu->GetItems(), "&File");
    TMenuItem* open = Item(file, "&Open...");
    TMenuItem* line = Item(file, "-");
    TMenuItem* exit = Item(file, "E&xit");
    TMenuItem* help = Item(menu->GetItems(), "&Help");

    TMenuItem* Item(TMenuItem* parent, const char* caption)
    {
        auto* item = new TMenuItem(form.get());
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }
    void SetUp() override
    {
        open->SetShortCut(ShortCut('O', TShiftState{ssCtrl}));
        form->SetMenu(menu);
        form->Show();
    }
};

TEST_F(MenuFixture, TheWindowShowsTheItemsAndTheShortcutsOfDropDownItems)
{
    HMENU bar = GetMenu(form->GetHandle());
    ASSERT_EQ(bar, menu->GetHandle());
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(EntryText(bar, file->GetCommand()), "&File");
    EXPECT_EQ(GetSubMenu(bar, 0), file->GetHandle());
    EXPECT_EQ(GetMenuItemCount(file->GetHandle()), 3);
    EXPECT_EQ(EntryText(bar, open->GetCommand()), "&Open...\tCtrl+O");
    EXPECT_EQ(GetMenuState(bar, line->GetCommand(), MF_BYCOMMAND) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    // an item of the bar never shows a shortcut
    help->SetShortCut(ShortCut(VK_F1, TShiftState{}));
    EXPECT_EQ(EntryText(bar, help->GetCommand()), "&Help");
}

TEST_F(MenuFixture, ChangesAreWrittenInPlaceAndHiddenItemsLeaveTheMenu)
{
    HMENU sub = file->GetHandle();
    open->SetCaption("&Load");
    open->SetChecked(true);
    exit->SetEnabled(false);
    EXPECT_EQ(EntryText(sub, open->GetCommand()), "&Load\tCtrl+O");
    EXPECT_TRUE(GetMenuState(sub, open->GetCommand(), MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(sub, exit->GetCommand(), MF_BYCOMMAND) & MF_GRAYED);
    line->SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(sub), 2);
    line->SetVisible(true);
    ASSERT_EQ(GetMenuItemCount(sub), 3);
    EXPECT_EQ(GetMenuItemID(sub, 1), line->GetCommand());
    delete exit;
    EXPECT_EQ(GetMenuItemCount(sub), 2);
    EXPECT_EQ(file->GetCount(), 2);
}

TEST_F(MenuFixture, AMenuCommandClicksItsItem)
{
    int clicks = 0;
    open->OnClick = TNotifyEvent::FromFunction([&](TObject*) { ++clicks; });
    SendMessageA(form->GetHandle(), WM_COMMAND, open->GetCommand(), 0);
    EXPECT_EQ(clicks, 1);
    open->SetEnabled(false);
    SendMessageA(form->GetHandle(), WM_COMMAND, open->GetCommand(), 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MenuFixture, AnItemFollowsItsActionUnlessEditedAway)
{
    TAction action(nullptr);
    action.SetCaption("&Save");
    action.SetShortCut(ShortCut('S', TShiftState{ssCtrl}));
    int executed = 0;
    action.SetOnExecute(TNotifyEvent::FromFunction([&](TObject*) { ++executed; }));
    open->SetAction(&action);
    exit->SetAction(&action);
    EXPECT_EQ(EntryText(file->GetHandle(), open->GetCommand()), "&Save\tCtrl+S");
    exit->SetCaption("Mine");
    line->SetAction(&action);
    line->SetCaption("SAVE");  // differs only in the hot-key mark and case: still the action's
    action.SetCaption("Save &as");
    EXPECT_EQ(open->GetCaption(), "Save &as");
    EXPECT_EQ(exit->GetCaption(), "Mine");
    EXPECT_EQ(line->GetCaption(), "Save &as");
    EXPECT_FALSE(open->IsCaptionStored());
    SendMessageA(form->GetHandle(), WM_COMMAND, open->GetCommand(), 0);
    EXPECT_EQ(executed, 1);
}

TEST_F(MenuFixture, OwnerDrawnItemsAreMeasuredAndDrawnByTheItem)
{
    struct Drawn : TMenuItem {
        using TMenuItem::TMenuItem;
        void AdvancedDrawItem(TCanvas* canvas, TRect rect, TOwnerDrawState state, bool topLevel) override
        {
            drawnTopLevel = topLevel;
            TMenuItem::AdvancedDrawItem(canvas, rect, state, topLevel);
        }
        bool drawnTopLevel = true;
    };
    auto* drawn = new Drawn(form.get());
    drawn->SetCaption("Drawn");
    drawn->SetShortCut(ShortCut('D', TShiftState{ssCtrl}));
    file->Add(drawn);
    menu->SetOwnerDraw(true);
    EXPECT_TRUE(GetMenuState(file->GetHandle(), drawn->GetCommand(), MF_BYCOMMAND) & MF_OWNERDRAW);

    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = drawn->GetCommand();
    SendMessageA(form->GetHandle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_GT(measure.itemWidth, 30u);
    EXPECT_GT(measure.itemHeight, 8u);

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 20);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = drawn->GetCommand();
    draw.hDC = dc;
    draw.rcItem = RECT{0, 0, 200, 20};
    EXPECT_EQ(SendMessageA(form->GetHandle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
    EXPECT_FALSE(drawn->drawnTopLevel);
    // the caption left of the middle and the shortcut right of it are painted in the text colour
    COLORREF text = GetSysColor(COLOR_MENUTEXT);
    auto inked = [&](int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = 0; y < 20; ++y)
                if (GetPixel(dc, x, y) == text)
                    return true;
        return false;
    };
    EXPECT_TRUE(inked(0, 100));
    EXPECT_TRUE(inked(100, 200));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(PopupMenus, CommandsAndMenuSelectionGoThroughThePopupList)
{
    TForm form(nullptr);
    auto* popup = new TPopupMenu(&form);
    auto* item = new TMenuItem(&form);
    item->SetCaption("Copy");
    item->SetHint("Copy|Copies the selection");
    popup->GetItems()->Add(item);
    int clicks = 0;
    item->OnClick = TNotifyEvent::FromFunction([&](TObject*) { ++clicks; });
    AnsiString hint;
    Application->OnHint = TNotifyEvent::FromFunction([&](TObject*) { hint = Application->GetHint(); });
    HWND window = PopupList->GetWindow();
    SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(item->GetCommand(), MF_STRING),
                 reinterpret_cast<LPARAM>(popup->GetHandle()));
    SendMessageA(window, WM_COMMAND, item->GetCommand(), 0);
    Application->OnHint = TNotifyEvent();
    EXPECT_EQ(hint, "Copies the selection");
    EXPECT_EQ(clicks, 1);
}

}  // namespace
