// The update control file: its sections and keys, the test of section `update`,
// the actions, the folder prefixes and the dates.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "classlib/Registry.h"
#include "classlib/SysUtils.h"
#include "tests/support/BoxAnswerer.h"
#include "tests/support/OutsideTools.h"
#include "tests/support/UnixSide.h"
#include "tests/update/update_fixture.h"

namespace {

AnsiString ProgramFolder()
{
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return ExtractFilePath(exe);
}

AnsiString ShellFolder(int csidl)
{
    char folder[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder);
    return folder;
}

const char* const TestKey = "Software\\Variruvu tests\\Update";

}  // namespace

// A component that reads control files from local paths into a download folder of its own.
class ControlFile : public ::testing::Test {
protected:
    ControlFile()
    {
        Update.SetUpdateType(fileUpdate);
        Update.SetUseWinTempDir(false);
        Update.SetTempDirectory(Downloads.Path());
    }
    ~ControlFile() override
    {
        Update.StopConnection();
        TRegistry registry;
        registry.DeleteKey("Software\\Variruvu tests");
    }

    // Reads the control file of that text; gives the answer of ReadControlFile.
    int32_t Read(const AnsiString& text)
    {
        Update.SetURL(Sources.Write("update.inf", text));
        return Update.ReadControlFile();
    }

    void RememberInstalledDate(const AnsiString& date, const AnsiString& time)
    {
        Update.GetLastURLEntry()->SetKey(TestKey);
        Update.GetLastURLEntry()->SetSection("Web");
        TRegIniFile registry(TestKey);
        registry.WriteString("Web", "LastDate", date);
        registry.WriteString("Web", "LastTime", time);
    }

    TRecordingNetUpdate Update;
    TScratch Sources{"sources"};
    TScratch Downloads{"downloads"};
};

TEST_F(ControlFile, EverySectionAndKeyOfAFullFileIsRead)
{
    Update.SetURL(WindowsPathOfUnix(VARIRUVU_TEST_SOURCE "/fixtures/full.inf"));
    Update.SetSignatureCheck(true);
    ASSERT_EQ(Update.ReadControlFile(), ucrRead) << NumbersText(Update.Numbers());
    EXPECT_EQ(Update.ControlFileName, Downloads.File("full.inf"));
    EXPECT_TRUE(FileExists(Update.ControlFileName));

    const AnsiString app = ProgramFolder();
    EXPECT_TRUE(Update.AppUpdate);
    EXPECT_EQ(Update.AppName, app + "variruvu.exe");  // {APP} ends without its backslash, "\" follows
    EXPECT_EQ(Update.AppParams, " ");
    EXPECT_EQ(Update.AppComps, app + "variruvu.exe;" + app + "languages\\de.lng");
    EXPECT_TRUE(Update.SilentRestart);

    ASSERT_EQ(Update.ReadFileList(), 3);
    TFileList& files = *Update.GetFileList();
    ASSERT_EQ(files.GetCount(), 3);
    const TFileDescription& one = *files.GetItems(0);
    EXPECT_EQ(one.GetURL(), Downloads.Path() + "\\file1.cab");
    EXPECT_EQ(one.GetLocalVersion(), app + "variruvu.exe");
    EXPECT_EQ(one.GetNewVersion(), "2.2.0.10");
    EXPECT_EQ(one.GetNewSize(), 1234);
    EXPECT_EQ(one.GetNewCheckSum(), -559038737);
    EXPECT_EQ(one.GetNewCustomVer(), "c1");
    EXPECT_EQ(one.GetNewDate(), "24/12/2025");
    EXPECT_EQ(one.GetNewTime(), "13:45");
    EXPECT_EQ(one.GetDescription(), "The program");
    EXPECT_EQ(one.GetTargetDir(), app + "sub\\");
    EXPECT_TRUE(one.GetCompressed());
    EXPECT_EQ(one.GetFileSize(), 999);
    EXPECT_TRUE(one.GetMandatory());
    EXPECT_FALSE(one.GetPreselect());
    EXPECT_TRUE(one.GetHidden());

    // Keys that are missing or no number take their defaults; only 1 sets a flag.
    const TFileDescription& two = *files.GetItems(1);
    EXPECT_EQ(two.GetURL(), "http://127.0.0.1/files/two.txt");
    EXPECT_EQ(two.GetNewSize(), 0);
    EXPECT_EQ(two.GetNewCheckSum(), -1);
    EXPECT_FALSE(two.GetCompressed());
    EXPECT_TRUE(two.GetPreselect());
    EXPECT_EQ(two.GetTargetDir(), "");
    // A counted section that is not there: an empty address, which fails when downloaded.
    EXPECT_EQ(files.GetItems(2)->GetURL(), "");

    const std::vector<int32_t> expected{915, 926, 943};
    EXPECT_EQ(Update.Numbers(), expected) << NumbersText(Update.Numbers());

    Update.StopConnection();
    EXPECT_FALSE(FileExists(Downloads.File("full.inf")));
    EXPECT_EQ(Update.ControlFileName, "");
}

TEST_F(ControlFile, SignatureIsComparedExactlyAndReadingGoesOn)
{
    Update.SetSignatureCheck(true);
    EXPECT_EQ(Read("[update]\nsignature=netupdate\n[application]\nappupdate=1\nappname=x.exe\n"), ucrBadSignature);
    const TStatusReport* bad = Update.Find(927);
    ASSERT_NE(bad, nullptr);
    EXPECT_EQ(bad->StatusCode, 11);
    EXPECT_EQ(bad->ErrCode, 4);
    EXPECT_TRUE(Update.AppUpdate);  // the application section is read all the same
    Update.SetSignatureCheck(false);
    EXPECT_EQ(Read("[update]\nsignature=netupdate\n"), ucrRead);
}

TEST_F(ControlFile, MissingFileOrAddressGivesNotFound)
{
    Update.SetURL(Sources.File("none.inf"));
    EXPECT_EQ(Update.ReadControlFile(), ucrNotFound);
    EXPECT_EQ(Update.Numbers(), (std::vector<int32_t>{915, 913, 925}));
    Update.Reports.clear();
    Update.SetURL("");
    EXPECT_EQ(Update.ReadControlFile(), ucrNotFound);
    EXPECT_EQ(Update.Numbers(), (std::vector<int32_t>{925}));
    EXPECT_EQ(Update.Find(925)->StatusCode, 2);
}

TEST_F(ControlFile, ApplicationParametersPassTheEventAndAnEmptyAppNameClearsTheUpdate)
{
    Update.SetOnSetAppParams(TNetUpdateSetParams::FromFunction([](TObject*, AnsiString& params) { params += "-q"; }));
    ASSERT_EQ(Read("[application]\nappupdate=1\nappname=\nappparam=/x \n"), ucrRead);
    EXPECT_FALSE(Update.AppUpdate);
    EXPECT_EQ(Update.AppParams, "/x-q");
    ASSERT_EQ(Read("[application]\nappupdate=2\nappname=a.exe\n"), ucrRead);
    EXPECT_FALSE(Update.AppUpdate);
}

TEST_F(ControlFile, CheckUpdateTakesItsTestsInOrder)
{
    const AnsiString abc = Sources.Write("abc.txt", "abc");
    struct TCase {
        const char* Name;
        AnsiString Update;
        int32_t Answer;
        std::vector<int32_t> Numbers;
    };
    const TCase cases[] = {
        {"nothing to compare", "localversion=" + abc, ucrNothingNew, {}},
        {"no local file named", "newversion=9.0", ucrNothingNew, {}},
        {"unconditional", "unconditional=yes\nnewsize=3\nlocalversion=" + abc, ucrUnconditional, {}},
        {"checksum first", "newchecksum=1\nnewsize=3\nnewversion=1.0\nlocalversion=" + abc, ucrByChecksum,
         {931, 944, 929}},
        {"checksum equal", "newchecksum=293\nlocalversion=" + abc, ucrNothingNew, {931, 944, 930}},
        {"size before version", "newsize=4\nnewversion=1.0\nlocalversion=" + abc, ucrBySize, {932, 929}},
        {"size equal", "newsize=3\nlocalversion=" + abc, ucrNothingNew, {932, 930}},
        {"version", "newversion=1.0\nlocalversion=" + abc, ucrNothingNew, {933, 944, 930}},
        {"date later than the local file", "date=01/02/2099\nnewversion=1.0\nlocalversion=" + abc, ucrNewerByDate,
         {928, 929}},
        {"date before the local file", "date=01/02/2020\nlocalversion=" + abc, ucrNothingNew, {928, 930}},
    };
    Update.SetUseCRC32(false);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ASSERT_EQ(Read("[update]\n" + c.Update + "\n"), ucrRead);
        Update.Reports.clear();
        EXPECT_EQ(Update.CheckUpdate(), c.Answer);
        EXPECT_EQ(Update.Numbers(), c.Numbers) << NumbersText(Update.Numbers());
    }
}

TEST_F(ControlFile, DateTestComparesWithTheRememberedInstallDate)
{
    RememberInstalledDate(DateToStr(EncodeDate(2025, 3, 1)), "");
    ASSERT_EQ(Read("[update]\ndate=28/02/2025\ntime=23:59\n"), ucrRead);
    EXPECT_EQ(Update.CheckUpdate(), ucrNothingNew);
    EXPECT_TRUE(Update.LastDateRead);
    EXPECT_EQ(Update.LocalDateTime, EncodeDate(2025, 3, 1));
    EXPECT_EQ(Update.NewDateTime, EncodeDate(2025, 2, 28) + EncodeTime(23, 59, 0, 0));
    ASSERT_EQ(Read("[update]\ndate=02/03/2025\n"), ucrRead);
    Update.Reports.clear();
    EXPECT_EQ(Update.CheckUpdate(), ucrNewerByDate);
    ASSERT_NE(Update.Find(929), nullptr);
    EXPECT_EQ(Update.Find(929)->Text, "New version found : " + DateToStr(EncodeDate(2025, 3, 2)));
    EXPECT_EQ(Update.Find(929)->StatusCode, 5);
    // No date remembered yet: 1 January 1980, before anything the server announces.
    RememberInstalledDate("", "");
    EXPECT_EQ(Update.CheckUpdate(), ucrNewerByDate);
    EXPECT_EQ(Update.LocalDateTime, EncodeDate(1980, 1, 1));
}

TEST_F(ControlFile, CustomValidationHasTheLastWord)
{
    AnsiString seen;
    bool allow = false;
    Update.SetOnCustomValidate(TNetUpdateCustomValidate::FromFunction(
        [&](TObject*, const AnsiString& msg, const AnsiString& param, bool& Allow) {
            seen = msg + "|" + param + "|" + (Allow ? "1" : "0");
            Allow = allow;
        }));
    ASSERT_EQ(Read("[update]\nunconditional=1\n[custom]\nvalidatemsg=m\nvalidateparam=p\n"), ucrRead);
    EXPECT_EQ(Update.CheckUpdate(), ucrNothingNew);
    EXPECT_EQ(seen, "m|p|1");
    allow = true;
    ASSERT_EQ(Read("[update]\n"), ucrRead);
    EXPECT_EQ(Update.CheckUpdate(), ucrCustomAllowed);
    EXPECT_EQ(seen, "||0");
}

TEST_F(ControlFile, ActionsShowTheMessageAndTheQuery)
{
    TBoxAnswerer boxes([](const AnsiString& text) { return text.find("Go on") == 0 ? IDNO : IDOK; },
                       GetCurrentProcessId());
    AnsiString processed;
    Update.SetOnCustomProcess(TNetUpdateCustomProcess::FromFunction(
        [&](TObject*, const AnsiString& msg, const AnsiString& param) { processed = msg + "|" + param; }));
    ASSERT_EQ(Read("[application]\nappupdate=1\nappname=a.exe\n[action]\nmsg=Line one\\nLine two\nquery=Go on?\n"
                   "[custom]\nprocessmsg=pm\nprocessparam=pp\n"),
              ucrRead);
    Update.Reports.clear();
    EXPECT_EQ(Update.RunActions(), -1);
    EXPECT_FALSE(Update.AppUpdate);
    EXPECT_EQ(processed, "pm|pp");
    ASSERT_TRUE(boxes.WaitForCount(2, 5000));
    EXPECT_EQ(boxes.Texts()[0], "Line one\rLine two");
    EXPECT_EQ(boxes.Texts()[1], "Go on?");
    EXPECT_EQ(Update.Numbers(), (std::vector<int32_t>{934, 936}));
}

TEST_F(ControlFile, ActionsWithoutInstructionsAnswerZeroUnlessCancelled)
{
    ASSERT_EQ(Read("[action]\n"), ucrRead);
    EXPECT_EQ(Update.RunActions(), 0);
    Update.Cancelled = true;
    EXPECT_EQ(Update.RunActions(), -1);
}

// ---- folder prefixes ----

TEST(Prefixes, EachPrefixNamesItsFolder)
{
    TRecordingNetUpdate update;
    update.SetUseWinTempDir(false);
    update.SetTempDirectory("C:\\downloads");
    char windows[MAX_PATH] = {}, system[MAX_PATH] = {}, programFiles[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    GetEnvironmentVariableA("ProgramFiles", programFiles, MAX_PATH);
    const AnsiString app = ExcludeTrailingPathDelimiter(ProgramFolder());
    const std::pair<AnsiString, AnsiString> cases[] = {
        {"{WIN}\\a", AnsiString(windows) + "\\a"},
        {"{SYS}\\a", AnsiString(system) + "\\a"},
        {"{APP}\\a.exe", app + "\\a.exe"},
        {"{APP}a.exe", app + "a.exe"},
        {"{app}\\a", app + "\\a"},
        {"{TMP}\\a", "C:\\downloads\\a"},
        {"{DOC}\\a", ShellFolder(CSIDL_APPDATA) + "\\a"},
        {"{PF}\\a", AnsiString(programFiles) + "\\a"},
        {"{LAD}\\a", ShellFolder(CSIDL_LOCAL_APPDATA) + "\\a"},
        {"{NOPE}\\a", ".\\a"},
        {"{}a", ".a"},
        {"x{WIN}y{SYS}z", AnsiString("x") + windows + "y" + system + "z"},
        {"a}b{c", "a}b{c"},
        {"{APP", "{APP"},
        {"", ""},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(update.WithPrefixes(path), expected) << path;
    // A root folder keeps its backslash and gains a dot.
    update.SetTempDirectory("C:\\");
    EXPECT_EQ(update.WithPrefixes("{TMP}\\a"), "C:\\.\\a");
}

TEST(Prefixes, TheScanGoesOnAfterTheInsertedFolder)
{
    TRecordingNetUpdate update;
    update.SetUseWinTempDir(false);
    update.SetTempDirectory("C:\\cache\\{APP}\\{8F3C1D2E-0000-4A6B-9C1D-2E3F4A5B6C7D}");
    EXPECT_EQ(update.WithPrefixes("{TMP}\\a.txt{WIN}"),
              "C:\\cache\\{APP}\\{8F3C1D2E-0000-4A6B-9C1D-2E3F4A5B6C7D}\\a.txt" +
                  update.WithPrefixes("{WIN}"));
}

TEST(Prefixes, TheEventMayRewriteThePathFirst)
{
    TRecordingNetUpdate update;
    update.SetOnConvertPrefix(
        TNetUpdateConvertPrefix::FromFunction([](TObject*, AnsiString& path) { path = "{NOPE}" + path; }));
    EXPECT_EQ(update.WithPrefixes("\\b"), ".\\b");
}

// ---- dates ----

TEST(Dates, ControlFileDatesReadInTheComponentsFormat)
{
    TRecordingNetUpdate update;
    const TDateTime base = EncodeDate(1980, 1, 1);
    struct TCase {
        const char *Date, *Time;
        TDateTime Expected;
    };
    const TCase dayFirst[] = {
        {"24/12/2025", "13:45", EncodeDate(2025, 12, 24) + EncodeTime(13, 45, 0, 0)},
        {"24/12/2025", "", EncodeDate(2025, 12, 24)},
        {"24/12/2025", "25:00", EncodeDate(2025, 12, 24)},
        {"31/02/2025", "10:00", base + EncodeTime(10, 0, 0, 0)},
        {"12-24-2025", "", base},
        {"", "", base},
        {"1/2/2024", "7:05:09", EncodeDate(2024, 2, 1) + EncodeTime(7, 5, 9, 0)},
    };
    for (const TCase& c : dayFirst)
        EXPECT_DOUBLE_EQ(update.ParseDateTime(c.Date, c.Time), c.Expected) << c.Date << " " << c.Time;

    update.SetDateFormat("mm-dd-yyyy");
    update.SetDateSeparator('-');
    update.SetTimeSeparator('.');
    EXPECT_DOUBLE_EQ(update.ParseDateTime("12-24-2025", "13.45"), EncodeDate(2025, 12, 24) + EncodeTime(13, 45, 0, 0));
    update.SetDateFormat("yyyy-mm-dd");
    EXPECT_DOUBLE_EQ(update.ParseDateTime("2025-12-24", ""), EncodeDate(2025, 12, 24));
}
