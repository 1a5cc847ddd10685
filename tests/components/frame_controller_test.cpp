#include <gtest/gtest.h>

#include "classlib/Filers.h"
#include "components/KitFrameController.h"
#include "kit_stream.h"

namespace {

// A control that publishes some of the controller's properties under the same
// names, and counts how often the frame colour is set.
class TFramedProbe : public TControl {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    using TControl::TControl;
    TColor GetFrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value)
    {
        FFrameColor = value;
        ++FrameColorSets;
    }
    TColor FFrameColor = clBlack;
    int FrameColorSets = 0;
    TFrameStyle FrameStyle = fsNone;
    TSides FrameSides;
    bool FrameVisible = false;
    bool FlatButtons = false;
    TKitFrameControllerNotifications Notifications = AllFrameControllerNotifications;
};

// Reads the controller by itself.
class TFramingClientProbe : public TControl, public IFramingClient {
public:
    using TControl::TControl;
    void ApplyFrameController() override { ++Applied; }
    int Applied = 0;
};

VARIRUVU_CLASS_INFO(TFramedProbe, TControl)
{
    info.Property("FrameColor", &TFramedProbe::GetFrameColor, &TFramedProbe::SetFrameColor);
    info.Property("FrameStyle", &TFramedProbe::FrameStyle);
    info.Property("FrameSides", &TFramedProbe::FrameSides);
    info.Property("FrameVisible", &TFramedProbe::FrameVisible);
    info.Property("FlatButtons", &TFramedProbe::FlatButtons);
    info.Property("FrameControllerNotifications", &TFramedProbe::Notifications);
}

class FrameControllerTest : public testing::Test {
protected:
    TKitFrameController controller{nullptr};
    TFramedProbe probe{nullptr};
};

// Connecting pushes every setting the control publishes; the others (FocusColor,
// ReadOnlyColor, ...) are passed over without a word.
TEST_F(FrameControllerTest, ConnectingPushesEverySettingTheControlPublishes)
{
    controller.SetColor(clYellow);
    controller.SetFrameColor(clRed);
    controller.SetFrameStyle(fsBump);
    controller.SetFrameSides(TSides{sdTop, sdBottom});
    controller.SetFrameVisible(true);
    controller.AddControl(&probe);
    controller.AddControl(&probe);  // once only
    EXPECT_EQ(controller.GetControlCount(), 1);
    EXPECT_EQ(probe.GetColor(), clYellow);
    EXPECT_FALSE(probe.GetParentColor());
    EXPECT_EQ(probe.GetFrameColor(), clRed);
    EXPECT_EQ(probe.FrameStyle, fsBump);
    EXPECT_EQ(probe.FrameSides, (TSides{sdTop, sdBottom}));
    EXPECT_TRUE(probe.FrameVisible);
    EXPECT_TRUE(probe.FlatButtons);
    EXPECT_EQ(probe.FrameColorSets, 1);

    controller.SetFrameStyle(fsRaised);
    EXPECT_EQ(probe.FrameStyle, fsRaised);
    EXPECT_EQ(probe.FrameColorSets, 1);  // a single property goes alone
    controller.RemoveControl(&probe);
    EXPECT_EQ(controller.GetControlCount(), 0);
    controller.SetFrameStyle(fsFlat);
    EXPECT_EQ(probe.FrameStyle, fsRaised);
}

TEST_F(FrameControllerTest, TheControlsNotificationsDecideWhatReachesIt)
{
    probe.Notifications = AllFrameControllerNotifications - TKitFrameControllerNotifications{fcpFrameColor, fcpColor};
    probe.SetColor(clAqua);
    controller.SetColor(clYellow);
    controller.SetFrameColor(clRed);
    controller.AddControl(&probe);
    controller.SetFrameColor(clBlue);
    controller.SetColor(clLime);
    controller.SetFrameStyle(fsGroove);
    EXPECT_EQ(probe.GetFrameColor(), clBlack);
    EXPECT_EQ(probe.GetColor(), clAqua);
    EXPECT_EQ(probe.FrameStyle, fsGroove);
}

// With ParentColor the control takes its parent's colour, and Color is not pushed over it.
TEST_F(FrameControllerTest, ParentColorIsPushedInsteadOfColor)
{
    controller.SetColor(clYellow);
    controller.SetParentColor(true);
    probe.SetColor(clAqua);
    controller.AddControl(&probe);
    EXPECT_TRUE(probe.GetParentColor());
    EXPECT_EQ(probe.GetColor(), clAqua);
    controller.SetParentColor(false);  // and Color follows when it is cleared
    EXPECT_FALSE(probe.GetParentColor());
    EXPECT_EQ(probe.GetColor(), clYellow);
}

TEST_F(FrameControllerTest, NothingIsPushedUntilTheLastEndUpdateWhichPushesEverythingOnce)
{
    controller.AddControl(&probe);
    probe.FrameColorSets = 0;
    controller.BeginUpdate();
    controller.BeginUpdate();
    controller.SetFrameColor(clRed);
    controller.SetFrameColor(clGreen);
    controller.SetFrameStyle(fsPopup);
    controller.EndUpdate();
    EXPECT_EQ(probe.FrameColorSets, 0);
    EXPECT_EQ(probe.FrameStyle, fsFlat);
    controller.EndUpdate();
    EXPECT_EQ(probe.FrameColorSets, 1);
    EXPECT_EQ(probe.GetFrameColor(), clGreen);
    EXPECT_EQ(probe.FrameStyle, fsPopup);
    controller.EndUpdate();  // unbalanced: the counter stays at 0 and pushes again
    EXPECT_EQ(probe.FrameColorSets, 2);
    controller.SetFrameColor(clRed);
    EXPECT_EQ(probe.GetFrameColor(), clRed);
}

TEST_F(FrameControllerTest, ColorTakesFocusColorAlongOnlyWhenTheyWereEqual)
{
    struct {
        TColor focus;
        bool parentColor;
        TColor newColor;
        TColor focusAfter;
        bool parentColorAfter;
    } const cases[] = {
        {clWindow, false, clRed, clRed, false},     // equal: moves along
        {clYellow, false, clRed, clYellow, false},  // different: stays
        {clWindow, true, clRed, clRed, false},      // a new colour clears ParentColor
        {clWindow, true, clWindow, clWindow, true}, // the same colour changes nothing
    };
    for (const auto& c : cases) {
        TKitFrameController fc(nullptr);
        fc.SetFocusColor(c.focus);
        fc.SetParentColor(c.parentColor);
        fc.SetColor(c.newColor);
        EXPECT_EQ(fc.GetColor(), c.newColor);
        EXPECT_EQ(fc.GetFocusColor(), c.focusAfter);
        EXPECT_EQ(fc.GetParentColor(), c.parentColorAfter);
    }
}

TEST_F(FrameControllerTest, HotTrackingShowsTheFrameOnAllSides)
{
    controller.SetFrameSides(TSides{sdLeft});
    controller.AddControl(&probe);
    controller.SetFrameHotTrack(true);
    EXPECT_TRUE(controller.GetFrameVisible());
    EXPECT_EQ(controller.GetFrameSides(), AllSides);
    EXPECT_TRUE(probe.FrameVisible);
    EXPECT_EQ(probe.FrameSides, AllSides);
    controller.SetFrameHotTrack(false);  // turning it off takes nothing back
    EXPECT_TRUE(controller.GetFrameVisible());
}

TEST_F(FrameControllerTest, AFramingClientReadsTheControllerItselfAndOnlyControlsTakePart)
{
    TFramingClientProbe client(nullptr);
    client.SetColor(clAqua);
    controller.AddControl(&client);
    EXPECT_EQ(client.Applied, 1);
    controller.SetColor(clRed);
    EXPECT_EQ(client.Applied, 2);
    EXPECT_EQ(client.GetColor(), clAqua);

    TKitFrameController notAControl(nullptr);
    controller.AddControl(&notAControl);
    controller.SetFrameStyle(fsBump);  // passes it by
    EXPECT_EQ(client.Applied, 3);
}

TEST_F(FrameControllerTest, AConnectedControlThatIsFreedLeavesTheController)
{
    auto* owner = new TComponent(nullptr);
    auto* doomed = new TFramedProbe(owner);
    controller.FreeNotification(doomed);
    controller.AddControl(doomed);
    controller.AddControl(&probe);
    delete owner;
    EXPECT_EQ(controller.GetControlCount(), 1);
    controller.SetFrameColor(clRed);
    EXPECT_EQ(probe.GetFrameColor(), clRed);
}

TEST_F(FrameControllerTest, TheRegIniFileLinkIsClearedWhenItsComponentGoes)
{
    auto* store = new TKitRegIniFile(nullptr);
    controller.SetRegIniFile(store);
    EXPECT_EQ(controller.GetRegIniFile(), store);
    delete store;
    EXPECT_EQ(controller.GetRegIniFile(), nullptr);
}

TEST_F(FrameControllerTest, AssignCopiesAllSixteenSettingsAndPushesThemOnce)
{
    TKitFrameController source(nullptr);
    source.SetColor(clYellow);
    source.SetFocusColor(clLime);
    source.SetDisabledColor(clGray);
    source.SetReadOnlyColor(clSilver);
    source.SetReadOnlyColorOnFocus(true);
    source.SetFlatButtonColor(clTeal);
    source.SetFlatButtons(false);
    source.SetFrameColor(clRed);
    source.SetFrameHotColor(clMaroon);
    source.SetFrameHotTrack(true);
    source.SetFrameHotStyle(fsButtonUp);
    source.SetFrameSides(TSides{sdRight});
    source.SetFrameStyle(fsLowered);
    source.SetFrameVisible(false);
    source.SetFramingPreference(fpCustomFraming);
    source.SetParentColor(true);

    controller.AddControl(&probe);
    probe.FrameColorSets = 0;
    controller.Assign(&source);
    for (const TPropInfo* prop : GetPropList(&controller, tkOrdinal))
        EXPECT_EQ(GetOrdProp(&controller, *prop), GetOrdProp(&source, *prop)) << prop->Name;
    EXPECT_EQ(probe.FrameColorSets, 1);
    EXPECT_EQ(probe.FrameSides, TSides{sdRight});

    TComponent other(nullptr);
    EXPECT_THROW(controller.Assign(&other), EConvertError);
}

TEST(FrameControllerStream, OldPropertiesOfOlderStreamsAreTakenOverOrDropped)
{
    RegisterClass(TKitFrameController::ClassInfo());
    struct {
        const char* lines;
        bool hotTrack;
        TFrameStyle style;
        TFrameStyle hotStyle;
    } const cases[] = {
        {"FrameFlat = True\n", true, fsStatus, fsLowered},
        {"FrameFlat = False\n", false, fsFlat, fsFlatBold},
        {"FrameFocusStyle = fsBump\n  FrameFlatStyle = fsWhatever\n", false, fsFlat, fsBump},
    };
    for (const auto& c : cases) {
        auto component = ReadComponentText(AnsiString("object fc: TKitFrameController\n  ") + c.lines + "end\n");
        auto* fc = dynamic_cast<TKitFrameController*>(component.get());
        ASSERT_NE(fc, nullptr) << c.lines;
        EXPECT_EQ(fc->GetFrameHotTrack(), c.hotTrack) << c.lines;
        EXPECT_EQ(fc->GetFrameStyle(), c.style) << c.lines;
        EXPECT_EQ(fc->GetFrameHotStyle(), c.hotStyle) << c.lines;
    }
    EXPECT_THROW(ReadComponentText("object fc: TKitFrameController\n  FrameFocusStyle = fsNoSuchStyle\nend\n"),
                 EReadError);
}

TEST(KitRegIniFileStream, OptionsAreReadFromAStreamAndAskForTheStoreToBeOpenedAgain)
{
    RegisterClass(TKitRegIniFile::ClassInfo());
    auto component = ReadComponentText(
        "object store: TKitRegIniFile\n  Path = 'Software\\Vendor'\n  PathType = ptRegistry\n"
        "  RegKey = hkeyLocalMachine\n  RegAccess = [keyRead, keyNotify]\n  SpecialFolder = sfUserDocuments\n"
        "  FileEncoding = feUTF8\nend\n");
    auto* store = dynamic_cast<TKitRegIniFile*>(component.get());
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->GetPath(), "Software\\Vendor");
    EXPECT_EQ(store->GetPathType(), ptRegistry);
    EXPECT_EQ(store->GetRegKey(), hkeyLocalMachine);
    EXPECT_EQ(store->GetRegAccess(), (TKitRegAccess{keyRead, keyNotify}));
    EXPECT_EQ(store->GetSpecialFolder(), sfUserDocuments);
    EXPECT_EQ(store->GetFileEncoding(), feUTF8);
    EXPECT_TRUE(store->GetNeedsReopen());
}

}  // namespace
