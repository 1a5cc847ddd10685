// Checks and downloads against our own update server on the test host: HTTP with
// and without a login, FTP in both modes, and file paths.
#include <gtest/gtest.h>

#include "classlib/SysUtils.h"
#include "tests/support/BoxAnswerer.h"
#include "tests/support/OutsideTools.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixSide.h"
#include "tests/update/update_fixture.h"

namespace {

// One server for the whole program: it takes seconds to start.
TUpdateServer& Server()
{
    static TUpdateServer server;
    return server;
}

AnsiString ControlFileFor(const AnsiString& newVersion)
{
    return "[update]\r\nnewversion=" + newVersion + "\r\nlocalversion={APP}\\update_tests.exe\r\n";
}

AnsiString Pattern(size_t size)
{
    AnsiString bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

bool Contains(const AnsiString& text, const AnsiString& part)
{
    return text.find(part) != AnsiString::npos;
}

}  // namespace

class Transfers : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Server().Running()) << "the update server did not start";
        Server().TakeRequests();
        Update.SetUseWinTempDir(false);
        Update.SetTempDirectory(Downloads.Path());
        // The main window's settings.
        Update.SetUpdateConnect(nucConnectSilent);
        Update.SetAuthenticate(waNever);
        Update.SetUpdateUpdate(nuuSilent);
    }

    // Downloads one address over a fresh session into the download folder.
    bool Download(const AnsiString& address)
    {
        Update.SetURL(address);
        EXPECT_EQ(Update.StartConnection(), 0);
        const bool answer = Update.DownloadFile(Update.ConnectHandle, address, Downloads.Path() + "\\");
        Update.StopConnection();
        return answer;
    }

    TRecordingNetUpdate Update;
    TScratch Downloads{"downloads"};
};

TEST_F(Transfers, EqualVersionIsNothingNewWithOneUncachedRequest)
{
    Server().Put("equal.inf", ControlFileFor("2.2.0.9"));
    Update.SetURL(Server().Url("files", "equal.inf"));
    EXPECT_FALSE(Update.CheckForNewVersion(false));
    const std::vector<int32_t> expected{918, 921, 915, 926, 933, 944, 930, 949, 949};
    EXPECT_EQ(Update.Numbers(), expected) << NumbersText(Update.Numbers());
    EXPECT_EQ(Update.Reports[2].Text, "Download : " + Server().Url("files", "equal.inf"));
    const std::vector<AnsiString> requests = Server().TakeRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(Contains(requests[0], "\"method\": \"GET\""));
    EXPECT_TRUE(Contains(requests[0], "\"pragma\": \"no-cache\"")) << requests[0];
    EXPECT_FALSE(Contains(requests[0], "authorization"));
    EXPECT_FALSE(FileExists(Downloads.File("equal.inf")));
    EXPECT_EQ(CountFiles(Downloads.Path(), "NUPD*.tmp"), 0);
}

TEST_F(Transfers, NewerVersionIsComparedAsNumbers)
{
    Server().Put("newer.inf", ControlFileFor("2.2.0.10"));
    Update.SetURL(Server().Url("files", "newer.inf"));
    EXPECT_TRUE(Update.CheckForNewVersion(false));
    EXPECT_EQ(Update.GetAvailableVersion(), "2.2.0.10");
    ASSERT_NE(Update.Find(929), nullptr);
    EXPECT_EQ(Update.Find(929)->Text, "New version found : 2.2.0.10");
}

TEST_F(Transfers, StatusesOfThreeHundredAndMoreFailTheCheckSilently)
{
    TBoxAnswerer boxes([](const AnsiString&) { return IDOK; }, GetCurrentProcessId());
    struct TCase {
        AnsiString Address;
        int32_t Status;
    };
    const TCase cases[] = {
        {Server().Url("files", "missing.inf"), 404},
        {Server().Url("status-500", "x.inf"), 500},
        {Server().Url("status-304", "x.inf"), 304},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Address);
        Update.Reports.clear();
        Update.SetURL(c.Address);
        EXPECT_FALSE(Update.CheckForNewVersion(false));
        const TStatusReport* status = Update.Find(916);
        ASSERT_NE(status, nullptr) << NumbersText(Update.Numbers());
        EXPECT_EQ(status->Text, "Http status : " + IntToStr(c.Status));
        EXPECT_EQ(status->StatusCode, 6);
        EXPECT_EQ(status->ErrCode, c.Status);
        EXPECT_NE(Update.Find(925), nullptr);
    }
    EXPECT_EQ(CountFiles(Downloads.Path(), "NUPD*.tmp"), 0);
    EXPECT_FALSE(FileExists(Downloads.File("missing.inf")));
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(Transfers, LoginUnderNeverIsRefusedWithoutADialog)
{
    Server().Put("secret.inf", ControlFileFor("2.2.0.10"));
    TWindowAnswerer dialogs("TfrmLoginDlg", [](HWND dialog) { ClickButton(dialog, "Cancel"); });
    Update.SetURL(Server().Url("auth", "secret.inf"));
    EXPECT_FALSE(Update.CheckForNewVersion(false));
    ASSERT_NE(Update.Find(916), nullptr);
    EXPECT_EQ(Update.Find(916)->ErrCode, 401);
    EXPECT_EQ(dialogs.Answered(), 0);
}

TEST_F(Transfers, LoginUnderAutoAsksTheDialogAndSendsBasicCredentials)
{
    Server().Put("secret.inf", ControlFileFor("2.2.0.10"));
    Update.SetAuthenticate(waAuto);
    AnsiString caption;
    TWindowAnswerer dialogs("TfrmLoginDlg", [&](HWND dialog) {
        char text[128] = {};
        GetWindowTextA(dialog, text, sizeof(text));
        caption = text;
        const std::vector<HWND> edits = ChildrenOfClass(dialog, "TEdit");
        ASSERT_EQ(edits.size(), 2u);
        SetWindowTextA(edits[0], "user");
        SetWindowTextA(edits[1], "");
        ClickButton(dialog, "OK");
    });
    Update.SetURL(Server().Url("auth", "secret.inf"));
    EXPECT_TRUE(Update.CheckForNewVersion(false)) << NumbersText(Update.Numbers());
    EXPECT_EQ(dialogs.Answered(), 1);
    EXPECT_EQ(caption, "Connect to " + AnsiString(ServerHost) + ":" + IntToStr(Server().HttpPort()));
    EXPECT_EQ(Update.GetUserID(), "user");
    const std::vector<AnsiString> requests = Server().TakeRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_FALSE(Contains(requests[0], "authorization"));
    EXPECT_TRUE(Contains(requests[1], "\"authorization\": \"Basic dXNlcjo=\"")) << requests[1];
}

TEST_F(Transfers, CancelledLoginEndsTheDownload)
{
    Server().Put("secret.inf", ControlFileFor("2.2.0.10"));
    Update.SetAuthenticate(waAuto);
    TWindowAnswerer dialogs("TfrmLoginDlg", [](HWND dialog) { ClickButton(dialog, "Cancel"); });
    Update.SetURL(Server().Url("auth", "secret.inf"));
    EXPECT_FALSE(Update.CheckForNewVersion(false));
    EXPECT_EQ(dialogs.Answered(), 1);
    ASSERT_NE(Update.Find(956), nullptr);
    EXPECT_EQ(Update.Find(956)->Text, "Authentication cancelled");
    EXPECT_EQ(Update.Find(916), nullptr);
    EXPECT_EQ(Update.GetUserID(), "");
}

TEST_F(Transfers, BodiesThatAreEmptyOrCutShortFail)
{
    Server().Put("empty.inf", "");
    Server().Put("big.bin", Pattern(50000));
    EXPECT_FALSE(Download(Server().Url("files", "empty.inf")));
    // Stored under its name all the same, as the server gave it.
    EXPECT_TRUE(FileExists(Downloads.File("empty.inf")));
    Update.Reports.clear();
    EXPECT_FALSE(Download(Server().Url("truncated", "big.bin")));
    EXPECT_FALSE(FileExists(Downloads.File("big.bin")));
    EXPECT_EQ(CountFiles(Downloads.Path(), "NUPD*.tmp"), 0);
    ASSERT_NE(Update.Find(946), nullptr);
    EXPECT_EQ(Update.Find(946)->Text, "Cannot download update file : " + Server().Url("truncated", "big.bin"));
    // The check does not take a cut control file for a whole one.
    Server().Put("cut.inf", ControlFileFor("2.2.0.10") + AnsiString(4000, ';'));
    Update.SetURL(Server().Url("truncated", "cut.inf"));
    EXPECT_FALSE(Update.CheckForNewVersion(false));
    EXPECT_NE(Update.Find(925), nullptr);
}

TEST_F(Transfers, ReadsInBlocksOf4096WithProgressAndFollowsRedirects)
{
    const AnsiString content = Pattern(20000);
    Server().Put("slow.bin", content);
    std::vector<std::pair<int32_t, int32_t>> progress;
    Update.SetOnFileProgress(TNetUpdateFileProgress::FromFunction(
        [&](TObject*, const AnsiString&, int32_t pos, int32_t size) { progress.emplace_back(pos, size); }));
    int cancelAsked = 0;
    Update.SetOnProgressCancel(TNetUpdateProgressCancel::FromFunction([&](TObject*, bool&) { ++cancelAsked; }));
    AnsiString downloaded;
    Update.SetOnFileDownloaded(
        TNetUpdateFileDownloaded::FromFunction([&](TObject*, const AnsiString& name) { downloaded = name; }));

    ASSERT_TRUE(Download(Server().Url("slow", "slow.bin")));
    EXPECT_EQ(ReadFileBytes(Downloads.File("slow.bin")), content);
    EXPECT_EQ(downloaded, Downloads.File("slow.bin"));
    ASSERT_GE(progress.size(), 6u);  // at least five full blocks and the closing read
    for (size_t i = 0; i < progress.size(); ++i) {
        EXPECT_EQ(progress[i].second, 20000);
        EXPECT_LE(progress[i].first - (i ? progress[i - 1].first : 0), 4096);
    }
    EXPECT_EQ(progress.back().first, 20000);
    EXPECT_EQ(cancelAsked, static_cast<int>(progress.size()));

    progress.clear();
    ASSERT_TRUE(Download(Server().Url("nolength", "slow.bin")));
    EXPECT_EQ(progress.back(), std::make_pair(20000, 0));  // no length: the maximum stays 0

    Server().TakeRequests();
    ASSERT_TRUE(Download(Server().Url("redirect", "slow.bin")));
    EXPECT_EQ(ReadFileBytes(Downloads.File("slow.bin")), content);
    EXPECT_EQ(Server().TakeRequests().size(), 2u);
}

TEST_F(Transfers, CancelStopsTheTransferAndKeepsNothing)
{
    Server().Put("slow.bin", Pattern(20000));
    Update.SetOnProgressCancel(TNetUpdateProgressCancel::FromFunction([](TObject*, bool& cancel) { cancel = true; }));
    EXPECT_FALSE(Download(Server().Url("slow", "slow.bin")));
    EXPECT_TRUE(Update.Cancelled);
    EXPECT_NE(Update.Find(964), nullptr);
    EXPECT_FALSE(FileExists(Downloads.File("slow.bin")));
    EXPECT_EQ(CountFiles(Downloads.Path(), "NUPD*.tmp"), 0);
}

TEST_F(Transfers, AnAddressWithoutAFileNameFailsWithoutARequest)
{
    EXPECT_FALSE(Download(Server().Url("files", "")));
    ASSERT_NE(Update.Find(917), nullptr);
    EXPECT_EQ(Update.Find(917)->StatusCode, 2);
    EXPECT_EQ(Update.Find(917)->ErrCode, 1);
    EXPECT_TRUE(Server().TakeRequests().empty());
    EXPECT_EQ(CountFiles(Downloads.Path()), 0);
}

TEST_F(Transfers, QueryAddressesNameTheFileAfterTheQuestionMark)
{
    Server().Put("get.php", "script output");
    Update.SetOnFileNameFromURL(TNetUpdateFileNameFromURL::FromFunction(
        [](TObject*, const AnsiString&, AnsiString& name) { name = "renamed-" + name; }));
    ASSERT_TRUE(Download(Server().Url("files", "get.php?file=x.inf")));
    EXPECT_EQ(ReadFileBytes(Downloads.File("renamed-file=x.inf")), "script output");
}

// ---- FTP ----

class FtpTransfers : public Transfers {
protected:
    void SetUp() override
    {
        Transfers::SetUp();
        Update.SetUpdateType(ftpUpdate);
        Update.SetHost(ServerHost);
        Update.SetPort(Server().FtpPort());
        Update.SetFTPDirectory("sub");
        Server().Put("sub\\equal.inf", ControlFileFor("2.2.0.9"));
        Server().Put("sub\\newer.inf", ControlFileFor("2.2.0.10"));
        Server().Put("sub\\only-in-sub.inf", ControlFileFor("2.2.0.10"));
    }
};

TEST_F(FtpTransfers, PassiveAndActiveModesDownloadFromTheFolder)
{
    for (bool passive : {true, false}) {
        SCOPED_TRACE(passive ? "passive" : "active");
        Update.Reports.clear();
        Update.SetFTPPassive(passive);
        Update.SetURL("newer.inf");
        EXPECT_TRUE(Update.CheckForNewVersion(false)) << NumbersText(Update.Numbers());
        const std::vector<int32_t> expected{918, 921, 923, 915, 974, 926, 933, 944, 929, 954, 949, 949};
        EXPECT_EQ(Update.Numbers(), expected) << NumbersText(Update.Numbers());
        EXPECT_EQ(Update.Find(974)->Text, "Change FTP directory to : sub");
        EXPECT_FALSE(FileExists(Downloads.File("newer.inf")));
    }
    Update.SetURL("equal.inf");
    EXPECT_FALSE(Update.CheckForNewVersion(false));
}

TEST_F(FtpTransfers, MissingFolderAndMissingFileGiveTheirStatuses)
{
    Update.SetFTPPassive(true);
    Update.SetFTPDirectory("nosuch");
    Update.SetURL("only-in-sub.inf");
    EXPECT_FALSE(Update.CheckForNewVersion(false));
    const TStatusReport* folder = Update.Find(975);
    ASSERT_NE(folder, nullptr) << NumbersText(Update.Numbers());
    EXPECT_EQ(folder->ErrCode, 8);
    EXPECT_NE(Update.Find(917), nullptr);

    Update.Reports.clear();
    Update.SetFTPDirectory("sub");
    Update.SetURL("missing.inf");
    EXPECT_FALSE(Update.CheckForNewVersion(false));
    EXPECT_EQ(Update.Find(975), nullptr);
    const TStatusReport* missing = Update.Find(917);
    ASSERT_NE(missing, nullptr) << NumbersText(Update.Numbers());
    EXPECT_EQ(missing->Text, "File not found : missing.inf");
    EXPECT_EQ(missing->StatusCode, 2);
    EXPECT_NE(Update.Find(925), nullptr);
    EXPECT_EQ(CountFiles(Downloads.Path(), "NUPD*.tmp"), 0);
}

// ---- file paths ----

TEST_F(Transfers, AFilePathSourceIsCopied)
{
    TScratch share("share");
    const AnsiString source = WindowsPathOfUnix(UnixPath(share.Write("equal.inf", ControlFileFor("2.2.0.9"))));
    ASSERT_EQ(source.substr(0, 3), "Z:\\");
    Update.SetUpdateType(fileUpdate);
    Update.SetURL(source);
    EXPECT_FALSE(Update.CheckForNewVersion(false));
    const std::vector<int32_t> expected{915, 926, 933, 944, 930};
    EXPECT_EQ(Update.Numbers(), expected) << NumbersText(Update.Numbers());
    EXPECT_FALSE(FileExists(Downloads.File("equal.inf")));
    EXPECT_TRUE(Server().TakeRequests().empty());
}

TEST_F(Transfers, LocalCopiesRefuseTheirOwnSourceAndReplaceAReadOnlyTarget)
{
    TScratch share("share");
    const AnsiString source = share.Write("file.bin", Pattern(40000));
    EXPECT_FALSE(Update.CopyLocalFile(source, source));
    ASSERT_NE(Update.Find(912), nullptr);
    EXPECT_EQ(Update.Find(912)->StatusCode, 10);
    EXPECT_EQ(Update.Find(912)->ErrCode, 3);

    EXPECT_FALSE(Update.CopyLocalFile(share.File("none.bin"), Downloads.File("none.bin")));
    ASSERT_NE(Update.Find(913), nullptr);
    EXPECT_EQ(Update.Find(913)->ErrCode, 1);

    const AnsiString target = Downloads.Write("file.bin", "old");
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(Update.CopyLocalFile(source, target));
    EXPECT_EQ(ReadFileBytes(target), Pattern(40000));
    EXPECT_EQ(CountFiles(Downloads.Path(), "NUPD*.tmp"), 0);
}

// ---- no connection ----

// The half of the test below that runs in a network namespace without a route
// (with a Wine prefix of its own); skipped unless the other half started it.
TEST(NoConnection, CheckInANamespaceWithoutARoute)
{
    char answer[MAX_PATH] = {}, url[512] = {};
    if (!GetEnvironmentVariableA("VARIRUVU_NETNS_ANSWER", answer, MAX_PATH) ||
        !GetEnvironmentVariableA("VARIRUVU_NETNS_URL", url, sizeof(url)))
        GTEST_SKIP() << "runs only inside the namespace";
    TRecordingNetUpdate update;
    update.SetUpdateConnect(nucConnectSilent);
    update.SetUpdateUpdate(nuuSilent);
    update.SetURL(url);
    const bool found = update.CheckForNewVersion(false);
    WriteFileBytes(AnsiString(answer) + ".tmp", AnsiString(found ? "True" : "False") + " " +
                                                    NumbersText(update.Numbers()));
    MoveFileA((AnsiString(answer) + ".tmp").c_str(), answer);
}

TEST_F(Transfers, NoConnectionAnswersFalseAndNoRequestLeaves)
{
    Server().Put("newer.inf", ControlFileFor("2.2.0.10"));
    TScratch folder("netns");
    const AnsiString answer = folder.File("answer.txt");
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    // A prefix of its own: the namespace cannot reach this prefix's running server.
    const AnsiString prefix = UnixPath(ExtractFilePath(exe)) + "/wineprefix-netns";
    const AnsiString script =
        "export WINEPREFIX=\"$NETNS_PREFIX\"\n"
        "exec unshare -rn \"$VARIRUVU_WINE_LOADER\" \"$CHILD\" --gtest_filter=NoConnection.* >/dev/null 2>&1\n";
    ASSERT_TRUE(RunHostScript(script,
                              {"NETNS_PREFIX=" + prefix, "CHILD=" + UnixPath(exe),
                               // the other prefix has its own drive C:, so the answer goes by the Unix side
                               "VARIRUVU_NETNS_ANSWER=" + WindowsPathOfUnix(UnixPath(answer)),
                               "VARIRUVU_NETNS_URL=" + Server().Url("files", "newer.inf")},
                              answer))
        << "the check in the namespace gave no answer";
    const AnsiString result = ReadFileBytes(answer);
    EXPECT_EQ(result.substr(0, 5), "False") << result;
    EXPECT_EQ(result.find(" 926"), AnsiString::npos) << result;  // no control file was read
    EXPECT_TRUE(Server().TakeRequests().empty());
}
