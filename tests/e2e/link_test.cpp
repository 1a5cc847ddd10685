// The staged program's links, clicked as a user clicks them, with the shell's
// http, https and mailto handlers of the test prefix pointing at our recorder:
// what the shell was asked to open is compared with the window's table of
// links, and no browser or mail program starts.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/systemops.h"
#include "classlib/SysUtils.h"
#include "form_source.h"
#include "program_driver.h"
#include "window_driver.h"
#include "tests/support/SettingsSandbox.h"
#include "tests/support/UrlRecorder.h"

namespace {

constexpr DWORD StartTime = 30000;
constexpr DWORD LinkTime = 20000;
constexpr int BottomPanelTop = 470;

// Side-menu entries (their tops in the left panel) and a control of the page each shows, a
// visible window only while that page is on show; null for a page of pictures and labels alone.
struct TEntry {
    int Top;
    const char* Marker;
};
constexpr TEntry AboutEntry{227, "btnlicense"};
constexpr TEntry DonateEntry{261, "btnbank"};
constexpr TEntry RecommendationEntry{295, nullptr};
constexpr TEntry SettingsEntry{139, "cbLanguage"};

const char* const HomeEnglish = "https://www.brevant.example/home-e.html";
const char* const HomeHungarian = "https://www.brevant.example/home-h.html";

class Links : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Form = std::make_unique<TFormSource>("Z:" VARIRUVU_FORMS_SOURCE, "erasedlg"); }
    static void TearDownTestSuite() { Form.reset(); }

    void SetUp() override
    {
        run = std::make_unique<TProgramRun>(DistFolder() + "variruvu.exe");
        main = WaitForMainWindow(StartTime);
        ASSERT_TRUE(main);
        run->WaitForIdle(StartTime);
    }

    bool PageShown(const TEntry& entry) const
    {
        if (!entry.Marker)
            return WindowText(ShownSheet(main)) == "Recommendations ";
        const TFormPlace place = Form->Place(entry.Marker);
        return FindPlacedChild(main, place.ClassName.c_str(), place.InParent) != nullptr;
    }
    bool ShowPage(const TEntry& entry) const
    {
        for (int attempt = 0; attempt < 3 && !PageShown(entry); ++attempt) {
            ClickMenuEntry(main, 60, entry.Top + 7);
            WaitUntil([&] { return PageShown(entry); }, 3000);
        }
        return PageShown(entry);
    }
    // A click inside a picture of the form, in the window that holds it.
    void ClickPicture(HWND holder, const char* component, int offsetY = 0) const
    {
        const TFormPlace place = Form->Place(component);
        ASSERT_EQ(place.ClassName, "TUniImage") << component;
        ClickAt(holder, place.InParent.x + 5, place.InParent.y + offsetY + 5);
    }
    void ClickTopPicture(const char* component) const { ClickPicture(main, component); }
    void ClickBottomPicture(const char* component) const { ClickPicture(main, component, BottomPanelTop); }
    void ClickPagePicture(const char* component) const { ClickPicture(ShownSheet(main), component); }

    // What the click handed to the shell: exactly one link more than before.
    AnsiString NextLink(const std::function<void()>& click)
    {
        const size_t before = recorder.Links().size();
        click();
        const std::vector<AnsiString> links = recorder.WaitForLinks(before + 1, LinkTime);
        Pause(300);
        EXPECT_EQ(recorder.Links().size(), before + 1);
        return links.size() > before ? links[before] : AnsiString("nothing");
    }

    // The Donate page through its entry, which opens the donation page first, or
    // warns when there is no connection (the test's machine answers that alike).
    void ShowDonatePage()
    {
        if (IsInternetConnected()) {
            EXPECT_EQ(NextLink([&] { ClickMenuEntry(main, 60, DonateEntry.Top + 7); }),
                      "https://www.brevant.example/donate-e.html");
        } else {
            ClickMenuEntry(main, 60, DonateEntry.Top + 7);
            HWND box = WaitForMessageBox(run->ProcessId(), StartTime);
            ASSERT_TRUE(box);
            PressButton(box, IDOK);
        }
        ASSERT_TRUE(ShowPage(DonateEntry));
    }

    static std::unique_ptr<TFormSource> Form;
    TSettingsSandbox sandbox;
    TUrlRecorder recorder;
    std::unique_ptr<TProgramRun> run;
    HWND main = nullptr;
};

std::unique_ptr<TFormSource> Links::Form;

TEST_F(Links, EveryLinkOpensItsTargetThroughTheShell)
{
    EXPECT_EQ(NextLink([&] { ClickTopPicture("fspantopimg"); }), HomeEnglish);
    EXPECT_EQ(NextLink([&] { ClickBottomPicture("contactimg"); }), "mailto:info@brevant.example?subject=Contact%20Us");
    EXPECT_EQ(NextLink([&] { ClickBottomPicture("likeimg"); }), "https://www.facebook.example/brevant");

    ASSERT_TRUE(ShowPage(AboutEntry));
    EXPECT_EQ(NextLink([&] { ClickPagePicture("aboutlogoimg"); }), HomeEnglish);

    ASSERT_TRUE(ShowPage(RecommendationEntry));
    const struct {
        const char* Picture;
        const char* Target;
    } social[] = {{"BackgLinkedIn", "https://www.linkedin.com/"},
                  {"BackgFacebook", "https://www.facebook.com/"},
                  {"BackgMySpace", "https://myspace.com/"},
                  {"BackgTwitter", "https://twitter.com/"}};
    for (const auto& link : social)
        EXPECT_EQ(NextLink([&] { ClickPagePicture(link.Picture); }), link.Target) << link.Picture;

    ShowDonatePage();
    EXPECT_EQ(NextLink([&] { ClickButton(FindButton(main, "Online payment")); }),
              "https://www.paypal.example/cgi-bin/webscr?cmd=_s-xclick&hosted_button_id=BREVANT0001");
    EXPECT_EQ(NextLink([&] { ClickPagePicture("mailimg"); }), "mailto:donate@brevant.example?subject=Donate");
}

TEST_F(Links, BankInfoShowsTheAccountDetailsAndOpensNothing)
{
    ShowDonatePage();
    const size_t before = recorder.Links().size();
    ClickButton(FindButton(main, "Bank transfer"));
    HWND box = WaitForMessageBox(run->ProcessId(), StartTime);
    ASSERT_TRUE(box);
    const AnsiString text = MessageBoxText(box);
    EXPECT_EQ(text.rfind("Direct Bank Transfer Account Info:", 0), 0u) << text;
    for (const char* detail : {"IBAN: ", "SWIFT: ", "CHIPS UID: ", "Account number: ", "Bank Details:"})
        EXPECT_NE(text.find(detail), AnsiString::npos) << detail;
    EXPECT_TRUE(GetDlgItem(box, IDOK));
    EXPECT_FALSE(GetDlgItem(box, IDCANCEL));
    PressButton(box, IDOK);
    Pause(1000);
    EXPECT_EQ(recorder.Links().size(), before);
}

TEST_F(Links, TheHomePageAndTheContactSubjectFollowTheLanguageBox)
{
    struct TCase {
        const char* Language;
        const char* Home;
        const char* Contact;
    };
    const TCase cases[] = {
        {"Czech", HomeEnglish, "mailto:info@brevant.example?subject=Kontakt"},
        {"German", HomeEnglish, "mailto:info@brevant.example?subject=Kontakt"},
        {"Hungarian", HomeHungarian, "mailto:info@brevant.example?subject=Kapcsolat"},
        {"Ukrainian", HomeEnglish, "mailto:info@brevant.example?subject=Contact"},
        {"English", HomeEnglish, "mailto:info@brevant.example?subject=Contact%20Us"},
    };
    const int indexes[] = {1, 2, 3, 4, 0};
    for (size_t i = 0; i < std::size(cases); ++i) {
        const TCase& c = cases[i];
        SCOPED_TRACE(c.Language);
        ASSERT_TRUE(ShowPage(SettingsEntry));
        HWND languages = nullptr;
        for (HWND combo : FindChildren(main, "TUniComboBox"))
            if (SendMessageA(combo, CB_GETCOUNT, 0, 0) == 5)
                languages = combo;
        ASSERT_TRUE(languages);
        PickComboItem(languages, indexes[i]);
        ASSERT_TRUE(WaitUntil([&] { return ComboItemIndex(languages) == indexes[i]; }, 5000));
        Pause(500);

        EXPECT_EQ(NextLink([&] { ClickTopPicture("fspantopimg"); }), c.Home);
        EXPECT_EQ(NextLink([&] { ClickBottomPicture("contactimg"); }), c.Contact);
        ASSERT_TRUE(ShowPage(AboutEntry));
        EXPECT_EQ(NextLink([&] { ClickPagePicture("aboutlogoimg"); }), c.Home);
    }
}

}  // namespace
