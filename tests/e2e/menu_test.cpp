#include <gtest/gtest.h>

#include <set>

#include "program_driver.h"
#include "tests/support/SettingsSandbox.h"
#include "window_driver.h"

namespace {

constexpr DWORD StartTime = 30000;

// The side menu as the form lays it out: entry label, its icon, and the page it shows.
struct TMenuEntry {
    const char* Name;
    int Top;      // of the label, in the left panel
    int IconTop;  // of its 32 x 32 icon
    const char* Page;
};

const TMenuEntry Entries[] = {
    {"Home", 31, 22, "Welcome to Quon File Variruvu"},
    {"Files/Folders", 85, 76, "Files and Folders "},
    {"Settings", 139, 130, "Settings "},
    {"Help", 193, 184, "Help "},
    {"About", 227, 218, "About "},
    {"Recommendation", 295, 286, "Recommendations "},
};
constexpr int EntryCount = sizeof(Entries) / sizeof(Entries[0]);
// Entries that only open something outside or ask first; they stay in the normal style here.
constexpr int DonateTop = 261;
constexpr int ExitTop = 349;

RECT LabelRect(int top) { return RECT{54, top, 185, top + 16}; }
POINT LabelPoint(int top) { return POINT{60, top + 7}; }
POINT IconPoint(int iconTop) { return POINT{30, iconTop + 16}; }

class SideMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        Main = WaitForWindow("TfrmMain", "QUON Variruvu", StartTime);
        ASSERT_TRUE(Main);
        Pause(1000);  // the children and their first painting
        Menu = ChildAt(Main, POINT{10, 100});
        ASSERT_NE(Menu, Main);
    }

    int Ink(int top) { return InkIn(Menu, LabelRect(top)); }
    void Click(POINT at) { ClickAt(Menu, at.x, at.y); }

    TQuietStartSandbox Quiet;
    TProgramCopy Copy;
    TProgramRun Run{Copy.Folder() + "variruvu.exe"};
    HWND Main = nullptr;
    HWND Menu = nullptr;
};

TEST_F(SideMenu, EachEntryAndItsIconShowTheirPageWithThatEntryAloneInBold)
{
    const int donate = Ink(DonateTop);
    const int exit = Ink(ExitTop);
    for (bool byIcon : {false, true}) {
        // ink[i][j]: the ink of entry j while entry i is selected
        int ink[EntryCount][EntryCount] = {};
        for (int i = 0; i < EntryCount; ++i) {
            Click(byIcon ? IconPoint(Entries[i].IconTop) : LabelPoint(Entries[i].Top));
            Pause(400);
            EXPECT_EQ(ShownPage(Main), Entries[i].Page) << Entries[i].Name << (byIcon ? " icon" : " label");
            for (int j = 0; j < EntryCount; ++j)
                ink[i][j] = Ink(Entries[j].Top);
            EXPECT_EQ(Ink(DonateTop), donate);
            EXPECT_EQ(Ink(ExitTop), exit);
        }
        for (int j = 0; j < EntryCount; ++j) {
            std::set<int> unselected;
            for (int i = 0; i < EntryCount; ++i)
                if (i != j) {
                    EXPECT_GT(ink[j][j], ink[i][j]) << Entries[j].Name << " is not bolder when selected";
                    unselected.insert(ink[i][j]);
                }
            EXPECT_EQ(unselected.size(), 1u) << Entries[j].Name << " changes while other entries are selected";
        }
    }
}

TEST_F(SideMenu, ExitAsksAndClosesOnlyOnYes)
{
    Click(LabelPoint(Entries[2].Top));  // Settings
    Pause(400);
    const int normal = Ink(ExitTop);

    Click(LabelPoint(ExitTop));
    HWND box = WaitForMessageBox(Run.ProcessId(), 10000);
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxText(box), "Are you sure you want to close the application?");
    char title[64] = {};
    GetWindowTextA(box, title, sizeof(title));
    EXPECT_STREQ(title, "Clearvane");
    // Exit is bold while it asks; the screen may lag behind the window by a moment.
    EXPECT_TRUE(WaitUntil([&] { return Ink(ExitTop) > normal; }, 10000));
    PressButton(box, IDNO);
    EXPECT_TRUE(WaitUntil([&] { return Ink(ExitTop) == normal; }, 10000));
    EXPECT_TRUE(Run.Running());
    EXPECT_EQ(ShownPage(Main), "Settings ");

    Click(IconPoint(ExitTop - 9));
    box = WaitForMessageBox(Run.ProcessId(), 10000);
    ASSERT_TRUE(box);
    PressButton(box, IDYES);
    EXPECT_EQ(Run.WaitForExit(15000), 0);
}

}  // namespace
