#include <gtest/gtest.h>

#include "classlib/Win.h"
#include "tests/support/OutsideTools.h"
#include "tests/support/ScratchFolder.h"
#include "tests/update/unpack_fixture.h"
#include "tools/nusetup/restartline.h"
#include "unpack_fixtures.h"
#include "update/cabfdi.h"

namespace {

// Joined piece by piece: GCC warns wrongly about "literal" + string chains.
AnsiString Join(std::initializer_list<AnsiString> parts)
{
    AnsiString text;
    for (const AnsiString& part : parts)
        text += part;
    return text;
}

TEST(RestartLine, IsTakenApartFieldByField)
{
    const struct {
        const char* Text;
        DWORD ProcessId;
        bool Logging;
        const char* Program;
        const char* Parameters;
        const char* DownloadFolder;
        const char* Components;
    } cases[] = {
        {R"(123 X C:\Prog\app.exe /s "C:\Temp\" app.exe)", 123, false, R"(C:\Prog\app.exe)", "/s", R"(C:\Temp\)", "app.exe"},
        // Blanks in both paths, the empty parameters as a quoted blank, the folder's backslash before its quote.
        {R"(4567 L "C:\Program Files\Vari ruvu\variruvu.exe" " " "C:\Users\a b\Temp\" variruvu.exe,Lumisplash.dll)",
         4567, true, R"(C:\Program Files\Vari ruvu\variruvu.exe)", "", R"(C:\Users\a b\Temp\)",
         "variruvu.exe,Lumisplash.dll"},
        // Parameters with blanks carry their own quotes inside the outer ones.
        {R"(9 X "C:\a b\p.exe" "/F "C:\x y\z.txt" -q" "C:\t\" p.exe)", 9, false, R"(C:\a b\p.exe)",
         R"(/F "C:\x y\z.txt" -q)", R"(C:\t\)", "p.exe"},
        {R"(77 X C:\p\app.exe " " "." app.exe)", 77, false, R"(C:\p\app.exe)", "", ".", "app.exe"},
        {R"(4294967295 L C:\p\app.exe " " "C:\dl\" )", 4294967295u, true, R"(C:\p\app.exe)", "", R"(C:\dl\)", ""},
        {R"(5 X C:\p\app.exe -a "C:\dl\")", 5, false, R"(C:\p\app.exe)", "-a", R"(C:\dl\)", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        TRestartLine line;
        ASSERT_TRUE(ParseRestartLine(c.Text, line));
        EXPECT_EQ(line.ProcessId, c.ProcessId);
        EXPECT_EQ(line.Logging, c.Logging);
        EXPECT_EQ(line.Program, c.Program);
        EXPECT_EQ(line.Parameters, c.Parameters);
        EXPECT_EQ(line.DownloadFolder, c.DownloadFolder);
        EXPECT_EQ(line.Components, c.Components);
    }
}

TEST(RestartLine, RefusesLinesOfAnotherShape)
{
    for (const char* text : {
             "",
             R"(X C:\p\app.exe " " "C:\d\" x)",            // no process id
             R"(0 X C:\p\app.exe " " "C:\d\" x)",          // no process has id 0
             R"(4294967296 X C:\p\app.exe " " "C:\d\" x)", // beyond 32 bits
             R"(12 Q C:\p\app.exe " " "C:\d\" x)",         // unknown mode
             R"(12 X "C:\p\app.exe)",                      // program quote not closed
             R"(12 X C:\p\app.exe /s C:\d\ x)",            // download folder not quoted
             R"(12 X C:\p\app.exe /s "C:\d\"x)",           // no blank after the folder
         }) {
        SCOPED_TRACE(text);
        TRestartLine line;
        EXPECT_FALSE(ParseRestartLine(text, line));
    }
}

TEST(RestartLine, SkipsTheHelpersOwnNameQuotedOrNot)
{
    EXPECT_EQ(SkipProgramName(R"("C:\users\a b\Temp\nusetup.exe" 12 X a.exe)"), "12 X a.exe");
    EXPECT_EQ(SkipProgramName(R"(C:\Temp\nusetup.exe   12 X)"), "12 X");
    EXPECT_EQ(SkipProgramName("nusetup.exe"), "");
}

TEST(RestartLine, ComponentListGivesPlainFileNames)
{
    using Names = std::vector<std::string>;
    EXPECT_EQ(ComponentNames("variruvu.exe,Lumisplash.dll"), (Names{"variruvu.exe", "Lumisplash.dll"}));
    EXPECT_EQ(ComponentNames(" a.exe; b.dll  c.txt "), (Names{"a.exe", "b.dll", "c.txt"}));
    EXPECT_EQ(ComponentNames(R"(C:\Prog\variruvu.exe)"), (Names{"variruvu.exe"}));
    EXPECT_EQ(ComponentNames(R"(..,.,x\..,C:evil.dll,good.dll)"), (Names{"good.dll"}));
    EXPECT_EQ(ComponentNames(""), Names{});
}

TEST(PackedHelper, ExpandsToTheHelperByteForByte)
{
    const AnsiString helper = ReadFileBytes(HelperExe);
    ASSERT_GT(helper.size(), 1000u);
    TUnpackFolder folder;

    const AnsiString packed = folder["nusetup.ex_"];
    ASSERT_TRUE(CopyFileA(PackedHelper, packed.c_str(), FALSE));
    ExpandLzFile(packed);
    EXPECT_EQ(FilesBelow(folder.Path()), std::vector<AnsiString>{"nusetup.exe"});
    EXPECT_TRUE(ReadFileBytes(folder["nusetup.exe"]) == helper);

    const AnsiString byMsexpand = folder["msexpand.exe"];
    ASSERT_TRUE(RunHostScript("msexpand < \"$IN\" > \"$OUT.tmp\" && mv \"$OUT.tmp\" \"$OUT\"\n",
                              {"IN=" + UnixPath(PackedHelper), "OUT=" + UnixPath(byMsexpand)}, byMsexpand));
    EXPECT_TRUE(ReadFileBytes(byMsexpand) == helper);
}

// The program the helper restarts: the dummy in a folder whose path holds a
// blank, a component beside it, and newer copies of both in the download folder.
class RestartHelper : public ::testing::Test {
private:
    TUnpackFolder folder;

protected:
    const AnsiString ProgramFolder = folder.Folder("prog dir");
    const AnsiString DownloadFolder = folder.Folder("dl folder");
    const AnsiString Program = ProgramFolder + "dummy.exe";
    const AnsiString Report = folder["report file.txt"];
    const AnsiString Log = folder["helper.log"];
    AnsiString NewProgram;
    DWORD ExitCode = 0;

    void SetUp() override
    {
        const AnsiString dummy = ReadFileBytes(RestartDummy);
        ASSERT_FALSE(dummy.empty());
        NewProgram = dummy + "NEW-VERSION";
        ASSERT_TRUE(WriteFileBytes(Program, dummy));
        ASSERT_TRUE(WriteFileBytes(ProgramFolder + "data.dll", "old data"));
        ASSERT_TRUE(WriteFileBytes(DownloadFolder + "dummy.exe", NewProgram));
        ASSERT_TRUE(WriteFileBytes(DownloadFolder + "data.dll", "new data"));
        SetEnvironmentVariableA("VARIRUVU_DUMMY_REPORT", Report.c_str());

        char appData[MAX_PATH] = {};
        SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
        settingsFile = AnsiString(appData) + "\\nupdate.ini";
        previousSettings = ReadFileBytes(settingsFile);
        WritePrivateProfileStringA("Config", "LogfileName", Log.c_str(), settingsFile.c_str());
    }

    void TearDown() override
    {
        SetEnvironmentVariableA("VARIRUVU_DUMMY_REPORT", nullptr);
        if (previousSettings.empty())
            DeleteFileA(settingsFile.c_str());
        else
            WriteFileBytes(settingsFile, previousSettings);
    }

    // Starts the program with `parameters`, then the helper with the command
    // line the update component builds for it, and waits until the helper has
    // ended and the restarted program has reported.
    // The component comes first in the list: replacing it needs no wait for
    // the running program, so only the helper's own wait keeps it in place.
    void Restart(bool logging, const AnsiString& parameters)
    {
        PROCESS_INFORMATION old = Start(nullptr, Join({"\"", Program, "\" ", parameters}), ProgramFolder);
        ASSERT_TRUE(old.hProcess);
        const AnsiString appParams = parameters.empty() ? " " : parameters;
        const AnsiString quotedParams = appParams.find(' ') != AnsiString::npos ? Join({"\"", appParams, "\""}) : appParams;
        const AnsiString line = Join({"\"", HelperExe, "\" ", std::to_string(old.dwProcessId), logging ? " L " : " X ",
                                      "\"", Program, "\" ", quotedParams, " \"", DownloadFolder,
                                      "\" data.dll,dummy.exe missing.dll"});
        PROCESS_INFORMATION helper = Start(HelperExe, line, "");
        ASSERT_TRUE(helper.hProcess);
        EXPECT_EQ(WaitForSingleObject(helper.hProcess, 60000), WAIT_OBJECT_0);
        GetExitCodeProcess(helper.hProcess, &ExitCode);
        for (HANDLE h : {old.hProcess, old.hThread, helper.hProcess, helper.hThread})
            CloseHandle(h);
        for (int i = 0; i < 150 && ReportLines() < 2; ++i)
            Sleep(100);
    }

private:
    AnsiString settingsFile, previousSettings;

    static PROCESS_INFORMATION Start(const char* program, AnsiString commandLine, const AnsiString& folder)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        CreateProcessA(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &startup, &process);
        return process;
    }

    size_t ReportLines() const
    {
        const AnsiString text = ReadFileBytes(Report);
        return std::count(text.begin(), text.end(), '\n');
    }
};

TEST_F(RestartHelper, WaitsReplacesTheComponentsAndRestartsWithTheParameters)
{
    Restart(true, R"(/F "C:\some folder\file.txt" -q)");
    EXPECT_EQ(ExitCode, 0u);
    // The old program read the old component at its very end: nothing was replaced while it ran.
    EXPECT_EQ(ReadFileBytes(Report), "old data=old data args=/F|C:\\some folder\\file.txt|-q\n"
                                     "new data=new data args=/F|C:\\some folder\\file.txt|-q\n");
    EXPECT_TRUE(ReadFileBytes(Program) == NewProgram);
    EXPECT_TRUE(FilesBelow(DownloadFolder).empty());

    const AnsiString log = ReadFileBytes(Log);
    for (const AnsiString& part : {AnsiString(" : [nusetup] Update helper started: "), AnsiString("] Process "),
                                   AnsiString(" has ended\r\n"),
                                   Join({"] Replaced ", Program, " with ", DownloadFolder, "dummy.exe\r\n"}),
                                   Join({"] Replaced ", ProgramFolder, "data.dll with ", DownloadFolder, "data.dll\r\n"}),
                                   Join({"] Not downloaded: ", DownloadFolder, "missing.dll\r\n"}),
                                   Join({"] Started \"", Program, "\" /F \"C:\\some folder\\file.txt\" -q\r\n"})})
        EXPECT_NE(log.find(part), AnsiString::npos) << part << "\n" << log;
}

TEST_F(RestartHelper, WithoutLoggingAndParametersWritesNoLogAndPassesNoArguments)
{
    Restart(false, "");
    EXPECT_EQ(ExitCode, 0u);
    EXPECT_EQ(ReadFileBytes(Report), "old data=old data args=\nnew data=new data args=\n");
    EXPECT_TRUE(ReadFileBytes(Program) == NewProgram);
    EXPECT_FALSE(FileExists(Log));
}

}  // namespace
