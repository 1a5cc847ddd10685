// The windows of the start in this process: the splash window as config.ini
// asks for it, and the licence viewer.
#include <gtest/gtest.h>

#include <memory>

#include "app/datafolders.h"
#include "app/licensedlg.h"
#include "app/settingsstore.h"
#include "app/splashdlg.h"
#include "classlib/Registry.h"
#include "classlib/SysUtils.h"
#include "components/KitPanel.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SettingsSandbox.h"
#include "unicode_controls/UniComCtrls.h"
#include "unicode_controls/UniExtCtrls.h"
#include "unicode_controls/UniForms.h"
#include "unicode_controls/UniStdCtrls.h"

namespace {

void WriteConfig(const AnsiString& text)
{
    ForceDirectories(DataFolder());
    ASSERT_TRUE(WriteFileBytes(ConfigFileName(), text));
}

class StartWindows : public ::testing::Test {
protected:
    void TearDown() override
    {
        // A splash window left by a test goes as the program's own goes: released.
        if (frmSplash) {
            frmSplash->Release();
            frmSplash = nullptr;
        }
        Application->ProcessMessages();
    }
    TSettingsSandbox settings;
};

// Shown unless config.ini's LastChoice/Splash says 0; a file without it, or none at all, shows it.
TEST_F(StartWindows, TheSplashWindowShowsAtStartUnlessConfigTurnsItOff)
{
    struct TCase {
        const char* Config;  // null: no config.ini
        bool Shown;
    };
    for (const TCase& c : {TCase{nullptr, true}, TCase{"[LastChoice]\r\nSplash=1\r\n", true},
                           TCase{"[LastChoice]\r\nSplash=0\r\n", false}, TCase{"[Settings]\r\nEraseMethod=2\r\n", true},
                           TCase{"[LastChoice]\r\nSplash=no\r\n", true}}) {
        SCOPED_TRACE(c.Config ? c.Config : "no config.ini");
        TSettingsSandbox::Wipe();
        if (c.Config)
            WriteConfig(c.Config);
        ShowSplashAtStart();
        ASSERT_EQ(frmSplash != nullptr, c.Shown);
        if (!c.Shown)
            continue;
        EXPECT_TRUE(IsWindowVisible(frmSplash->GetHandle()));
        EXPECT_EQ(UniApplication()->GetTitle(), L"QUON Variruvu\u2122");
        frmSplash->Release();
        frmSplash = nullptr;
        Application->ProcessMessages();
    }
}

// The version is this test program's own (its version resource says 4.2.3.0);
// the form brings its panels, separator, labels and pictures.
TEST_F(StartWindows, TheSplashWindowShowsTheVersionOfItsProgramFileAndItsForm)
{
    TfrmSplash splash(nullptr);
    splash.Show();
    EXPECT_EQ(splash.lblProgVers->GetCaption(), "4.2.3.0");
    EXPECT_EQ(splash.GetCaption(), "QUON Variruvu");
    EXPECT_EQ(splash.GetClientWidth(), 368);
    EXPECT_EQ(splash.GetClientHeight(), 195);
    EXPECT_EQ(splash.GetBorderStyle(), bsNone);

    auto* frame = dynamic_cast<TKitPanel*>(splash.FindComponent("KitPanel1"));
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->GetBorderOuter(), fsFlatRounded);
    for (const char* strip : {"panTop", "panBottom"}) {
        auto* panel = dynamic_cast<TKitPanel*>(splash.FindComponent(strip));
        ASSERT_TRUE(panel) << strip;
        EXPECT_EQ(panel->GetBorderOuter(), fsNone) << strip;
        EXPECT_EQ(panel->GetHeight(), 41) << strip;
    }
    EXPECT_EQ(dynamic_cast<Tquonlabel*>(splash.FindComponent("quonlabel1"))->GetCaption(), "Version:");
    EXPECT_FALSE(dynamic_cast<TUniLabel*>(splash.FindComponent("UniLabel1"))->GetCaption().empty());
    struct TPictureSize {
        const char* Name;
        int Width, Height;
    };
    for (const TPictureSize& p : {TPictureSize{"splsscrlogoimg", 100, 100}, TPictureSize{"Image1", 215, 50}}) {
        auto* image = dynamic_cast<TUniImage*>(splash.FindComponent(p.Name));
        ASSERT_TRUE(image) << p.Name;
        EXPECT_EQ(image->GetPicture()->GetWidth(), p.Width) << p.Name;
        EXPECT_EQ(image->GetPicture()->GetHeight(), p.Height) << p.Name;
    }
    for (const char* strip : {"ImageTop", "ImageBottom"})
        EXPECT_GT(dynamic_cast<TUniImage*>(splash.FindComponent(strip))->GetPicture()->GetWidth(), 0) << strip;
}

TEST_F(StartWindows, TheLicenceViewerHoldsTheAgreement)
{
    Tfrmlicensedlg viewer(nullptr);
    EXPECT_EQ(viewer.GetCaption(), "License Agreement");
    EXPECT_EQ(viewer.GetClientWidth(), 692);
    EXPECT_EQ(viewer.GetClientHeight(), 397);
    auto* text = dynamic_cast<TUniRichEdit*>(viewer.FindComponent("UniRichEdit1"));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->GetLines()->Get(0), L"QUON FILE VARIRUVU - LICENSE AGREEMENT");
    // Every paragraph whole, after an empty line, in a window that wraps them.
    const WideString shown = text->GetText();
    for (int n = 1; n <= 7; ++n)
        EXPECT_NE(shown.find(L"\r\n\r\n" + std::to_wstring(n) + L". "), WideString::npos) << n;
    EXPECT_NE(shown.find(L"you accept its terms.\r\n"), WideString::npos);
    EXPECT_TRUE(text->GetWordWrap());
    auto* unused = dynamic_cast<TUniCheckBox*>(viewer.FindComponent("CheckBoxLicense"));
    ASSERT_TRUE(unused);
    EXPECT_FALSE(unused->GetVisible());
    EXPECT_FALSE(unused->GetEnabled());
    EXPECT_GT(dynamic_cast<TUniImage*>(viewer.FindComponent("Image2"))->GetPicture()->GetWidth(), 0);
}

// The shell's "open" of an https address runs a command in the browser's place that writes down the address.
class TBrowserStandIn {
public:
    explicit TBrowserStandIn(const AnsiString& writeTo) : FRegistry(KEY_ALL_ACCESS)
    {
        FRegistry.SetRootKey(HKEY_CLASSES_ROOT);
        FRegistry.OpenKey("\\https\\shell\\open\\command", true);
        FSaved = FRegistry.ReadString("");
        FRegistry.WriteString("", "C:\\windows\\system32\\cmd.exe /c echo %1>\"" + writeTo + "\"");
    }
    ~TBrowserStandIn()
    {
        FRegistry.OpenKey("\\https\\shell\\open\\command", true);
        FRegistry.WriteString("", FSaved);
    }

private:
    TRegistry FRegistry;
    AnsiString FSaved;
};

TEST_F(StartWindows, TheMakersLogoOpensTheMakersHomePage)
{
    const AnsiString scratch = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"licencelink")));
    const AnsiString opened = scratch + "opened.txt";
    {
        TBrowserStandIn browser(opened);
        Tfrmlicensedlg viewer(nullptr);
        viewer.Image2Click(nullptr);
        for (int i = 0; i < 200 && ReadFileBytes(opened).empty(); ++i)
            Sleep(50);
    }
    EXPECT_EQ(Trim(ReadFileBytes(opened)), "https://www.brevant.example/home-e.html");
    RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(scratch)));
}

}  // namespace
