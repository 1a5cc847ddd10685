#include <gtest/gtest.h>

#include "app/datafolders.h"
#include "app/settingsstore.h"
#include "app/specialfolders.h"
#include "classlib/IniFiles.h"
#include "classlib/SysUtils.h"
#include "tests/support/OutsideTools.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SettingsSandbox.h"
#include <shlobj.h>

namespace {

class SettingsStore : public ::testing::Test {
protected:
    static void WriteConfig(const AnsiString& text)
    {
        ForceDirectories(DataFolder());
        WriteFileBytes(ConfigFileName(), text);
    }
    static TStoredChoices Defaults()
    {
        TStoredChoices defaults;
        defaults.Language = 1031;
        defaults.EraseMethod = 2;
        defaults.LastApply = "never";
        defaults.AutoRun = true;
        defaults.ContextMenu = true;
        return defaults;
    }
    static void ExpectDefaults(const TStoredChoices& read)
    {
        EXPECT_EQ(read.Language, 1031);
        EXPECT_EQ(read.EraseMethod, 2);
        EXPECT_EQ(read.LastApply, "never");
        EXPECT_TRUE(read.AutoRun);
        EXPECT_TRUE(read.ContextMenu);
    }

    TSettingsSandbox sandbox;
};

TEST_F(SettingsStore, TheFoldersLieUnderTheUsersApplicationDataAndDocuments)
{
    EXPECT_EQ(DataFolder(), GetShellFolderPath(CSIDL_APPDATA) + "brevant\\Clearvane\\AppData\\");
    EXPECT_EQ(LogFolder(), GetShellFolderPath(CSIDL_PERSONAL) + "Clearvane\\AppData\\");
    EXPECT_EQ(ConfigFileName(), DataFolder() + "config.ini");
    EXPECT_FALSE(DirectoryExists(DataFolder()));
    EnsureDataFolders();
    EXPECT_TRUE(DirectoryExists(DataFolder()));
    EXPECT_TRUE(DirectoryExists(LogFolder()));
}

TEST_F(SettingsStore, WhatIsWrittenComesBack)
{
    EnsureDataFolders();
    TConfigSettings settings;
    settings.Info = "About text ";
    settings.ContextMenu = true;
    settings.AutoRun = false;
    settings.EraseMethod = 2;
    settings.Language = 1038;
    WriteConfigSettings(settings);
    TIniFile(ConfigFileName()).WriteString("LastApply", "LA", "12/10/2026 1:43:38 PM");
    const TStoredChoices read = ReadStoredChoices(Defaults());
    EXPECT_EQ(read.Language, 1038);
    EXPECT_EQ(read.EraseMethod, 2);
    EXPECT_EQ(read.LastApply, "12/10/2026 1:43:38 PM");
    EXPECT_FALSE(read.AutoRun);
    EXPECT_TRUE(read.ContextMenu);
}

TEST_F(SettingsStore, AMissingOrMalformedFileGivesEveryDefault)
{
    ExpectDefaults(ReadStoredChoices(Defaults()));
    EXPECT_FALSE(FileExists(ConfigFileName())) << "reading creates nothing";
    for (const char* text : {"", "\x01\x02\xff garbage without sections\r\n", "Language=1029\r\nEraseMethod=0\r\n",
                             "[Settings\r\nLanguage=1029\r\n", "[Other]\r\nLanguage=1029\r\nEraseMethod=0\r\n"}) {
        SCOPED_TRACE(text);
        WriteConfig(text);
        ExpectDefaults(ReadStoredChoices(Defaults()));
    }
}

TEST_F(SettingsStore, AValueThatIsNoNumberGivesTheDefault)
{
    WriteConfig("[Settings]\r\nLanguage=Czech\r\nEraseMethod=one\r\nContextMenu=yes\r\n"
                "[Startup]\r\nAutoRun=\r\n");
    ExpectDefaults(ReadStoredChoices(Defaults()));
    WriteConfig("[Settings]\r\nLanguage=70000\r\n");
    EXPECT_EQ(ReadStoredChoices(Defaults()).Language, 1031) << "no language identifier";
}

// Whatever is stored, the method box ends with one of its three entries.
TEST_F(SettingsStore, TheStoredMethodIsAlwaysOneOfTheThree)
{
    const struct {
        const char* Stored;
        int Current;
        int Expected;
    } cases[] = {
        {"0", 1, 0},  {"1", 2, 1},  {"2", -1, 2},     // stored and valid: it wins
        {"3", 0, 0},  {"-1", 2, 2}, {"x", 0, 0},      // stored but no method: the box's own choice stays
        {"7", -1, 1}, {nullptr, -1, 1},               // and with no choice in the box: DoD
        {"-5", 9, 1}, {nullptr, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Stored ? c.Stored : "(none)");
        SCOPED_TRACE(c.Current);
        WriteConfig(c.Stored ? AnsiString("[Settings]\r\nEraseMethod=") + c.Stored + "\r\n" : AnsiString());
        EXPECT_EQ(ReadEraseMethod(c.Current), c.Expected);
        TStoredChoices defaults = Defaults();
        defaults.EraseMethod = c.Current;
        EXPECT_EQ(ReadStoredChoices(defaults).EraseMethod, c.Expected);
    }
}

TEST_F(SettingsStore, AWriteThatCannotLandNamesTheFileAndLosesNothing)
{
    // A file where the folder should be: the folder cannot be made.
    const AnsiString blocker = GetShellFolderPath(CSIDL_APPDATA) + "brevant";
    WriteFileBytes(blocker, "in the way");
    EnsureDataFolders();
    try {
        WriteConfigSettings(TConfigSettings());
        FAIL() << "the write went through";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.GetMessage(), AnsiToWide("Unable to write to " + ConfigFileName()));
    }
    DeleteFile(blocker);

    // A settings file that another program holds locked keeps every byte.
    const AnsiString before = "[Settings]\r\nEraseMethod=2\r\nLanguage=1029\r\n";
    WriteConfig(before);
    HANDLE locked = CreateFileA(ConfigFileName().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    EXPECT_THROW(WriteMethodChoice(0), EIniFileException);
    EXPECT_THROW(EmptyLastApply(), EIniFileException);
    CloseHandle(locked);
    EXPECT_EQ(ReadFileBytes(ConfigFileName()), before);
}

TEST_F(SettingsStore, EmptyingTheLastUseKeepsTheKey)
{
    WriteConfig("[App]\r\nProgram=QUON Variruvu\r\n[LastApply]\r\nLA=12/10/2026 1:43:38 PM\r\n");
    EmptyLastApply();
    EXPECT_EQ(ConfigParserView(ConfigFileName()), "App/Program=QUON Variruvu\nLastApply/LA=\n");
    EXPECT_EQ(ReadStoredChoices(Defaults()).LastApply, "");
}

TEST_F(SettingsStore, TheEraseStartRecordsProgramMethodAndTimeInFileAndRegistry)
{
    WriteConfig("[Settings]\r\nLanguage=1029\r\n");
    const AnsiString before = DateTimeToStr(Now());
    RecordEraseStart(2);
    const AnsiString after = DateTimeToStr(Now());
    const AnsiString stored = TIniFile(ConfigFileName()).ReadString("LastApply", "LA", "");
    EXPECT_TRUE(stored == before || stored == after) << stored;
    EXPECT_EQ(ConfigParserView(ConfigFileName()), "Settings/Language=1029\nSettings/EraseMethod=2\n"
                                                  "App/Program=QUON Variruvu\nApp/Version=4.2.3.0\n"
                                                  "LastApply/LA=" + stored + "\n");
    const AnsiString mirror = RegQuery("\"HKCU\\Software\\BREVANT\\Clearvane\" /v LastApply");
    EXPECT_TRUE(mirror.find("LastApply    REG_SZ    " + before) != AnsiString::npos ||
                mirror.find("LastApply    REG_SZ    " + after) != AnsiString::npos)
        << mirror;
    EXPECT_TRUE(DirectoryExists(LogFolder()));
}

}  // namespace
