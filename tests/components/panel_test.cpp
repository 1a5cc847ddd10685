#include <gtest/gtest.h>

#include "classlib/Registry.h"
#include "components/KitPanel.h"
#include "kit_stream.h"
#include "panel_fixture.h"

namespace {

TEST_F(KitPanelTest, ChildrenAreArrangedInsideTheFramesOnTheirSidesAndTheBorderBand)
{
    struct {
        TFrameStyleEx outer, inner;
        int borderWidth, bevelWidth;
        TSides sides;
        TRect client;  // of a 100 x 60 panel
        TRect child;   // aligned to the client
    } const cases[] = {
        {fsNone, fsNone, 0, 1, AllSides, {0, 0, 100, 60}, {0, 0, 100, 60}},
        {fsFlat, fsNone, 0, 1, AllSides, {1, 1, 99, 59}, {1, 1, 99, 59}},
        {fsRaised, fsNone, 3, 1, AllSides, {2, 2, 98, 58}, {5, 5, 95, 55}},
        {fsStatus, fsPopup, 0, 3, AllSides, {6, 6, 94, 54}, {6, 6, 94, 54}},
        {fsFlatRounded, fsFlatBold, 0, 1, TSides{sdLeft, sdBottom}, {4, 0, 100, 56}, {4, 0, 100, 56}},
        {fsGroove, fsFlat, 1, 1, TSides{sdTop}, {0, 3, 100, 60}, {1, 4, 99, 59}},
    };
    TKitPanel* panel = AddPanel(100, 60);
    auto* child = new TKitPanel(form.get());
    child->SetParent(panel);
    child->SetAlign(alClient);
    for (const auto& c : cases) {
        panel->SetBevelWidth(c.bevelWidth);
        panel->SetBorderWidth(c.borderWidth);
        panel->SetBorderOuter(c.outer);
        panel->SetBorderInner(c.inner);
        panel->SetBorderSides(c.sides);
        EXPECT_EQ(panel->GetClientRect(), c.client);
        EXPECT_EQ(child->GetBoundsRect(), c.child);
    }
}

TEST_F(KitPanelTest, APanelAlignedToTheBottomOrRightKeepsThatEdgeWhenItsSizeChanges)
{
    form->DisableAlign();  // the panel by itself, not the form's arrangement
    TKitPanel* bottom = AddPanel(100, 40);
    bottom->SetAlign(alBottom);
    bottom->SetBounds(10, 200, 100, 40);
    bottom->SetHeight(70);
    EXPECT_EQ(bottom->GetBoundsRect(), TRect(10, 170, 110, 240));
    TKitPanel* right = AddPanel(50, 40);
    right->SetAlign(alRight);
    right->SetBounds(300, 10, 50, 40);
    right->SetWidth(20);
    EXPECT_EQ(right->GetBoundsRect(), TRect(330, 10, 350, 50));
    right->SetHeight(60);  // the other dimension moves nothing
    EXPECT_EQ(right->GetBoundsRect(), TRect(330, 10, 350, 70));
    form->EnableAlign();
}

TEST_F(KitPanelTest, ChildrenThatWereDisabledStayDisabledWhenThePanelIsEnabledAgain)
{
    TKitPanel* panel = AddPanel(100, 60);
    TKitPanel* on = new TKitPanel(form.get());
    TKitPanel* off = new TKitPanel(form.get());
    on->SetParent(panel);
    off->SetParent(panel);
    off->SetEnabled(false);
    panel->SetEnabled(false);
    EXPECT_FALSE(on->GetEnabled());
    EXPECT_FALSE(off->GetEnabled());
    EXPECT_FALSE(IsWindowEnabled(on->GetHandle()));
    TKitPanel* late = new TKitPanel(form.get());  // joined while the panel was disabled
    late->SetParent(panel);
    late->SetEnabled(false);
    panel->SetEnabled(true);
    EXPECT_TRUE(on->GetEnabled());
    EXPECT_FALSE(off->GetEnabled());
    EXPECT_TRUE(late->GetEnabled());
}

TEST_F(KitPanelTest, AFrameControllerDrivesEveryPanelConnectedToIt)
{
    auto* controller = new TKitFrameController(form.get());
    TKitPanel* first = AddPanel(60, 30);
    TKitPanel* second = AddPanel(60, 30);
    TKitPanel* picky = AddPanel(60, 30);
    picky->SetFrameControllerNotifications(AllFrameControllerNotifications -
                                           TKitFrameControllerNotifications{fcpFrameColor});
    for (TKitPanel* panel : {first, second, picky})
        panel->SetFrameController(controller);
    EXPECT_EQ(controller->GetControlCount(), 3);
    EXPECT_EQ(first->GetBorderOuter(), fsRaised);  // nothing taken while the frame is not visible

    controller->SetFrameStyle(fsFlat);
    controller->SetFrameColor(0x0000C0);
    controller->SetColor(0x00E0E0E0);
    controller->SetFrameVisible(true);
    for (TKitPanel* panel : {first, second, picky}) {
        EXPECT_EQ(panel->GetBorderOuter(), fsFlat);
        EXPECT_EQ(panel->GetColor(), 0x00E0E0E0);
        EXPECT_EQ(panel->GetBorderHighlight(), LightenColor(0x00E0E0E0, 100));
        EXPECT_EQ(panel->GetBorderShadow(), DarkenColor(0x00E0E0E0, 50));
    }
    for (TKitPanel* panel : {first, second}) {
        auto picture = Print(panel);
        EXPECT_EQ(picture->Count(0x0000C0), 2 * 60 + 2 * 28) << panel->GetName();
        EXPECT_EQ(picture->Count(0x00E0E0E0), 58 * 28);
    }
    EXPECT_EQ(picky->GetFlatColor(), clBtnShadow);
    EXPECT_EQ(picky->GetFlatColorAdjustment(), 30);

    delete second;
    EXPECT_EQ(controller->GetControlCount(), 2);
    controller->SetFrameColor(0xC00000);
    EXPECT_EQ(first->GetFlatColor(), 0xC00000);
    delete controller;
    EXPECT_EQ(first->GetFrameController(), nullptr);
    EXPECT_EQ(picky->GetFrameController(), nullptr);
}

// The scheme is the XP theme's colour name in the current user's registry.
TEST_F(KitPanelTest, AThemeChangeReadsTheColourSchemeAgain)
{
    TKitPanel* panel = AddPanel(60, 30);
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("\\Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", true));
    bool had = registry.ValueExists("ColorName");
    AnsiString old = had ? registry.ReadString("ColorName") : AnsiString();
    struct {
        const char* name;  // null: no value
        int scheme;
    } const cases[] = {{"Metallic", 2}, {"homestead", 1}, {"NormalColor", 0}, {nullptr, 0}};
    for (const auto& c : cases) {
        XPColorScheme = -1;
        if (c.name)
            registry.WriteString("ColorName", c.name);
        else
            registry.DeleteValue("ColorName");
        SendMessageA(panel->GetHandle(), WM_THEMECHANGED, 0, 0);
        EXPECT_EQ(XPColorScheme, c.scheme) << (c.name ? c.name : "(none)");
    }
    if (had)
        registry.WriteString("ColorName", old);
    XPColorScheme = ReadXPColorScheme();
}

TEST_F(KitPanelTest, PropertiesOfOlderStreamsAreDroppedOrTakenOver)
{
    RegisterClass(TKitPanel::ClassInfo());
    struct {
        const char* lines;
        TKitVisualStyle style;
    } const cases[] = {
        {"UseGradients = True\n  FrameSides = [sdLeft, sdTop]\n  ThemeAware = False\n", vsGradient},
        {"UseGradients = False\n  FrameSides = []\n", vsWinXP},
    };
    for (const auto& c : cases) {
        auto component = ReadComponentText(AnsiString("object p: TKitPanel\n  BorderOuter = fsFlatRounded\n  ") +
                                           c.lines + "  GridXSize = 12\nend\n");
        auto* panel = dynamic_cast<TKitPanel*>(component.get());
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->GetVisualStyle(), c.style);
        EXPECT_EQ(panel->GetBorderOuter(), fsFlatRounded);
        EXPECT_EQ(panel->GetGridXSize(), 12);
    }
}

TEST_F(KitPanelTest, MouseEnterAndLeaveReachTheEventsOutsideTheDesigner)
{
    TKitPanel* panel = AddPanel(60, 30);
    int entered = 0, left = 0;
    panel->OnMouseEnter = TNotifyEvent::FromFunction([&](TObject*) { ++entered; });
    panel->OnMouseLeave = TNotifyEvent::FromFunction([&](TObject*) { ++left; });
    panel->Perform(CM_MOUSEENTER, 0, 0);
    panel->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);
    panel->SetDesigning(true);
    panel->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(entered, 1);
}

// Without FullRepaint a resize repaints only the frame along the moved edge.
TEST_F(KitPanelTest, AResizeRepaintsTheMovedEdgesOrTheWholePanel)
{
    form->Show();
    TKitPanel* panel = AddPanel(100, 60);
    panel->SetBorderOuter(fsFlatBold);
    struct {
        bool fullRepaint;
        const char* caption;
        int width, height;
        TRect repainted;
    } const cases[] = {
        {false, "", 80, 60, {77, 0, 80, 60}},
        {false, "", 80, 50, {0, 47, 80, 50}},
        {false, "x", 70, 50, {0, 0, 70, 50}},
        {true, "", 60, 50, {0, 0, 60, 50}},
    };
    for (const auto& c : cases) {
        panel->SetFullRepaint(c.fullRepaint);
        panel->SetCaption(c.caption);
        Application->ProcessMessages();
        ValidateRect(panel->GetHandle(), nullptr);
        panel->SetBounds(panel->GetLeft(), panel->GetTop(), c.width, c.height);
        RECT box{};
        GetUpdateRect(panel->GetHandle(), &box, FALSE);
        EXPECT_EQ(TRect(box), c.repainted) << c.width << "x" << c.height;
    }
    form->Hide();
}

}  // namespace
