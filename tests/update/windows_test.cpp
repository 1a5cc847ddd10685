// The component's own windows: login, what's new, licence and download progress;
// and its status texts and log.
#include <gtest/gtest.h>

#include "classlib/Forms.h"
#include "classlib/SysUtils.h"
#include "tests/support/ScratchFolder.h"
#include "tests/update/update_fixture.h"
#include "update/NuLogin.h"
#include "update/NuProgress.h"

namespace {

std::unique_ptr<TMemoryStream> StreamOf(const AnsiString& text)
{
    auto stream = std::make_unique<TMemoryStream>();
    stream->Write(text.data(), static_cast<int32_t>(text.size()));
    stream->SetPosition(0);
    return stream;
}

TRect ClientRectOf(HWND window, HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return TRect(r.left, r.top, r.right, r.bottom);
}

}  // namespace

TEST(LoginDialog, OkCopiesTheBoxesAndCancelLeavesThemAlone)
{
    AnsiString user = "before", password = "kept";
    TWindowAnswerer cancel("TfrmLoginDlg", [](HWND dialog) { ClickButton(dialog, "Cancel"); });
    EXPECT_FALSE(ShowLoginDialog("Connect to host", user, password));
    EXPECT_EQ(user, "before");
    EXPECT_EQ(password, "kept");

    RECT client{};
    std::vector<TRect> edits;
    TWindowAnswerer ok("TfrmLoginDlg", [&](HWND dialog) {
        GetClientRect(dialog, &client);
        std::vector<HWND> boxes = ChildrenOfClass(dialog, "TEdit");
        for (HWND box : boxes)
            edits.push_back(ClientRectOf(dialog, box));
        SetWindowTextA(boxes.at(0), "alice");
        SetWindowTextA(boxes.at(1), "s3cret");
        EXPECT_EQ(SendMessageA(boxes.at(1), EM_GETPASSWORDCHAR, 0, 0), '*');
        ClickButton(dialog, "OK");
    });
    EXPECT_TRUE(ShowLoginDialog("Connect to host", user, password));
    EXPECT_EQ(user, "alice");
    EXPECT_EQ(password, "s3cret");
    EXPECT_EQ(client.right, 264);
    EXPECT_EQ(client.bottom, 94);
    ASSERT_EQ(edits.size(), 2u);
    EXPECT_EQ(edits[0].left, 64);
    EXPECT_EQ(edits[1].top, 36);
}

class TextWindows : public ::testing::Test {
protected:
    TRecordingNetUpdate Update;
};

TEST_F(TextWindows, WhatsNewCancelRefusesAndOkAccepts)
{
    std::vector<TRect> buttons;
    TRect box;
    TWindowAnswerer cancel("TForm", [&](HWND window) {
        char caption[64] = {};
        GetWindowTextA(window, caption, sizeof(caption));
        EXPECT_STREQ(caption, "What's new");
        for (HWND button : ChildrenOfClass(window, "TButton"))
            buttons.push_back(ClientRectOf(window, button));
        box = ClientRectOf(window, ChildrenOfClass(window, "TMemo").at(0));
        ClickButton(window, "Cancel");
    });
    EXPECT_EQ(Update.ShowWhatsNew(StreamOf("New in this version:\r\nfaster").get()), -1);
    ASSERT_NE(Update.Find(938), nullptr);
    EXPECT_EQ(Update.Find(938)->StatusCode, 14);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 10);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[1].right, box.right);                 // Cancel ends where the text ends
    EXPECT_EQ(buttons[0].right + 10, buttons[1].left);      // OK 10 pixels to its left
    EXPECT_EQ(buttons[0].top, box.bottom + 10);
}

TEST_F(TextWindows, WhatsNewOkAcceptsAndThePlainTextEventTakesOver)
{
    TWindowAnswerer ok("TForm", [](HWND window) { ClickButton(window, "Ok"); });
    EXPECT_EQ(Update.ShowWhatsNew(StreamOf("plain").get()), 0);

    AnsiString seen;
    int32_t answer = 1;
    Update.SetOnDownloadedWhatsNew(TNetUpdateTextDownloaded::FromFunction([&](TObject*, TStrings* text, int32_t& res) {
        seen = text->GetText();
        res = answer;
    }));
    EXPECT_EQ(Update.ShowWhatsNew(StreamOf("one\r\ntwo").get()), 0);
    EXPECT_EQ(seen, "one\r\ntwo\r\n");
    answer = 0;
    EXPECT_EQ(Update.ShowWhatsNew(StreamOf("one").get()), -1);
    EXPECT_EQ(ok.Answered(), 1);
}

TEST_F(TextWindows, LicenceIsAcceptedOnlyWithItsRadioButton)
{
    TWindowAnswerer refuse("TForm", [](HWND window) { ClickButton(window, "Ok"); });
    EXPECT_EQ(Update.ShowLicence(StreamOf("Terms").get()), -1);  // "not accept" is checked at the start
    TWindowAnswerer accept("TForm", [](HWND window) {
        ClickButton(window, "I accept");
        ClickButton(window, "Ok");
    });
    EXPECT_EQ(Update.ShowLicence(StreamOf("Terms").get()), 0);
}

TEST(ProgressWindow, ShowsTheFileAndItsShare)
{
    TProgressForm form(nullptr);
    form.Show();
    form.ShowProgress("file.cab", 300, 1000);
    EXPECT_EQ(form.FileLabel->GetCaption(), "Downloading: file.cab");
    EXPECT_EQ(form.Bar->GetMax(), 1000);
    EXPECT_EQ(form.Bar->GetPosition(), 300);
    EXPECT_EQ(form.Bar->GetLeft(), 10);
    EXPECT_EQ(form.Bar->GetTop(), 40);
    EXPECT_EQ(form.Bar->GetWidth(), 400 - 2 * GetSystemMetrics(SM_CXBORDER) - 20);
    EXPECT_EQ(form.GetCaption(), "Downloading...");
}

// ---- status texts and the log ----

TEST(StatusLog, LinesAreWrittenOnlyWithLogging)
{
    TScratch folder("log");
    TRecordingNetUpdate update;
    update.SetLogFileName(folder.File("nupdate.log"));
    update.ReportStatus(916, "404", 6, 404);
    EXPECT_EQ(update.Reports.back().Text, "Http status : 404");
    EXPECT_FALSE(FileExists(folder.File("nupdate.log")));
    update.SetLogging(true);
    update.ReportStatus(930, "ignored", 4, 0);
    update.ReportStatus(916, "500", 6, 500);
    const AnsiString log = ReadFileBytes(folder.File("nupdate.log"));
    const size_t first = log.find(" : [930] No new version found (Status:4) (Error:0)\r\n");
    ASSERT_NE(first, AnsiString::npos) << log;
    EXPECT_EQ(first, 19u);  // after "dd/mm/yyyy hh:nn:ss"
    EXPECT_NE(log.find(" : [916] Http status : 500 (Status:6) (Error:500)\r\n"), AnsiString::npos) << log;
}

TEST(StatusLog, AFileNameAloneLogsIntoTheApplicationDataFolder)
{
    TRecordingNetUpdate update;
    update.SetLogFileName("NUPDATE.LOG");
    EXPECT_EQ(ExtractFileName(TNetUpdate::UpdateLogPath()), "NUPDATE.LOG");
    EXPECT_NE(TNetUpdate::UpdateLogPath().find("\\"), AnsiString::npos);
    TRecordingNetUpdate other;  // a new instance names the default until the form's value is set
    other.SetLogFileName("C:\\logs\\u.log");
    EXPECT_EQ(TNetUpdate::UpdateLogPath(), "C:\\logs\\u.log");
}

TEST(Component, PublishedDefaultsAndTheUtilityReference)
{
    TRecordingNetUpdate update;
    const struct {
        const char* Name;
        AnsiString Value;
    } strings[] = {{"Agent", "TNetUpdate"},   {"DateFormat", "dd/mm/yyyy"}, {"LogFileName", "nupdate.log"},
                   {"Signature", "NetUpdate"}, {"TempDirectory", "."},       {"TimeFormat", "hh:nn"},
                   {"Version", "2.2.0.1"},    {"URL", ""}};
    for (const auto& s : strings)
        EXPECT_EQ(GetStrProp(&update, *GetPropInfo(&update, s.Name)), s.Value) << s.Name;
    EXPECT_EQ(GetEnumProp(&update, *GetPropInfo(&update, "Authenticate")), "waNever");
    EXPECT_EQ(GetEnumProp(&update, *GetPropInfo(&update, "UpdateConnect")), "nucNoConnect");
    EXPECT_EQ(GetEnumProp(&update, *GetPropInfo(&update, "UpdateType")), "httpUpdate");
    EXPECT_EQ(GetEnumProp(&update, *GetPropInfo(&update, "UpdateUpdate")), "nuuPromptOnce");
    EXPECT_EQ(GetOrdProp(&update, *GetPropInfo(&update, "Port")), 21);
    EXPECT_EQ(GetOrdProp(&update, *GetPropInfo(&update, "UseWinTempDir")), 1);
    EXPECT_EQ(GetOrdProp(&update, *GetPropInfo(&update, "DateSeparator")), '/');
    SetStrProp(&update, *GetPropInfo(&update, "Version"), "9.9");
    EXPECT_EQ(update.GetVersion(), "2.2.0.1");

    auto utility = std::make_unique<TNetUpdateUtility>(nullptr);
    update.SetUtility(utility.get());
    utility.reset();
    EXPECT_EQ(update.GetUtility(), nullptr);
}
