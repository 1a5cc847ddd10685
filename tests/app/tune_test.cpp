// The flag on the Settings page in this process: the language's tune written
// from the program's SOUNDS resources into the scratch folder of the program
// folder (here the test program's), read back by Python's mido.
#include <gtest/gtest.h>

#include <memory>

#include "app/erasedlg.h"
#include "app/languagetune.h"
#include "app/programfolder.h"
#include "app/systemops.h"
#include "classlib/FileSearch.h"
#include "classlib/SysUtils.h"
#include "lang/LangManager.h"
#include "tests/support/BoxAnswerer.h"
#include "tests/support/OutsideTools.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixSide.h"
#include <mmsystem.h>

namespace {

// The multimedia devices this process has open.
int OpenDevices()
{
    char answer[32] = {};
    if (mciSendStringA("sysinfo all quantity open", answer, sizeof(answer), nullptr) != 0)
        return -1;
    return StrToIntDef(answer, -1);
}

// The tunes as the build wrote them, before they went into the resources.
AnsiString BuiltTune(const char* name)
{
    return ReadFileBytes(WindowsPathOfUnix(VARIRUVU_TUNES_DIR) + "\\" + name + ".mid");
}

// The names in a folder, "." and ".." left out.
std::vector<AnsiString> FolderNames(const AnsiString& folder)
{
    std::vector<AnsiString> names;
    for (TFileSearch search(IncludeTrailingPathDelimiter(folder) + "*"); search.Found(); search.Next())
        if (search.Name() != "." && search.Name() != "..")
            names.push_back(search.Name());
    return names;
}

// mido's reading of a MIDI file: "type tracks notes", or why it could not read it.
AnsiString MidoView(const AnsiString& midiFile)
{
    const AnsiString folder = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"mido")));
    const AnsiString answer = folder + "view.txt";
    const AnsiString script =
        "exec /usr/bin/python3 - \"$MIDI\" \"$OUT\" <<'EOF'\n"
        "import os, sys\n"
        "try:\n"
        "    import mido\n"
        "    m = mido.MidiFile(sys.argv[1])\n"
        "    notes = sum(1 for t in m.tracks for e in t if e.type == 'note_on' and e.velocity > 0)\n"
        "    text = '%d %d %d' % (m.type, len(m.tracks), notes)\n"
        "except Exception as e:\n"
        "    text = 'mido: ' + type(e).__name__ + ': ' + str(e)\n"
        "with open(sys.argv[2] + '.tmp', 'w') as f:\n"
        "    f.write(text)\n"
        "os.replace(sys.argv[2] + '.tmp', sys.argv[2])\n"
        "EOF\n";
    const bool answered = RunHostScript(script, {"MIDI=" + UnixPath(midiFile), "OUT=" + UnixPath(answer)}, answer);
    const AnsiString view = answered ? ReadFileBytes(answer) : AnsiString("python3 gave no answer");
    RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(folder)));
    return view;
}

class Tune : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TfrmMain>(nullptr);
        form->StartPath.clear();
        form->Show();
        Application->ProcessMessages();
        // The handler goes by the index alone; this folder has no language files to fill the box.
        while (form->cbLanguage->GetItems()->GetCount() < 5)
            form->cbLanguage->GetItems()->Add(L"another language");
        scratch = ScratchFolder();
        ASSERT_EQ(scratch, ProgramFolder() + "sound\\");
    }
    void TearDown() override
    {
        form.reset();
        mciSendStringA("close all", nullptr, 0, nullptr);
        DeleteFolderTree(scratch);
    }
    // A click on the flag with the language box at `index`; the boxes it showed.
    std::vector<AnsiString> ClickFlag(int index)
    {
        form->cbLanguage->SetItemIndex(index);
        TBoxAnswerer answerer([](const AnsiString&) { return IDOK; }, GetCurrentProcessId());
        form->ImageFlagClick(form->ImageFlag);
        return answerer.Texts();
    }
    bool MenuAndLanguageBoxEnabled() const
    {
        EXPECT_EQ(form->panLeft->GetEnabled(), form->cbLanguage->GetEnabled());
        return form->panLeft->GetEnabled() && IsWindowEnabled(form->cbLanguage->GetHandle());
    }

    std::unique_ptr<TfrmMain> form;
    AnsiString scratch;
};

TEST_F(Tune, EachLanguageWithATuneWritesItsResourceIntoAFreshScratchFolderAndLocksTheMenu)
{
    struct TCase {
        int Index;
        const char* Tune;
    };
    for (const TCase& c : {TCase{0, "us"}, TCase{1, "cz"}, TCase{2, "de"}, TCase{4, "uk"}}) {
        SCOPED_TRACE(c.Tune);
        ForceDirectories(scratch + "left\\over");
        WriteFileBytes(scratch + "left\\over\\old.mid", "old");
        form->panLeft->SetEnabled(true);
        form->cbLanguage->SetEnabled(true);

        EXPECT_TRUE(ClickFlag(c.Index).empty());
        const AnsiString file = scratch + c.Tune + ".mid";
        EXPECT_EQ(FolderNames(scratch), std::vector<AnsiString>{AnsiString(c.Tune) + ".mid"});
        const AnsiString built = BuiltTune(c.Tune);
        ASSERT_FALSE(built.empty());
        EXPECT_EQ(ReadFileBytes(file), built) << "byte for byte the tune of the build";
        EXPECT_FALSE(MenuAndLanguageBoxEnabled());
        EXPECT_EQ(OpenDevices(), 1) << "the tune plays";
        // Settings OK's end of it, the way on to another language.
        form->StopLanguageTune();
        EXPECT_EQ(OpenDevices(), 0);
        EXPECT_FALSE(FileExists(file));
    }
    // The tunes are different melodies.
    EXPECT_NE(BuiltTune("us"), BuiltTune("cz"));
    EXPECT_NE(BuiltTune("de"), BuiltTune("uk"));
    EXPECT_NE(BuiltTune("en"), BuiltTune("us"));
}

TEST_F(Tune, TheEnglishTuneIsAStandardMidiFileAsAnOutsideReaderSeesIt)
{
    ClickFlag(0);
    EXPECT_EQ(MidoView(scratch + "us.mid"), "0 1 15");
}

// A click on the flag while its tune plays starts it again rather than failing on the folder the tune holds.
TEST_F(Tune, ASecondClickWhileTheTunePlaysKeepsOneTuneAndTheSettingsOkEndsIt)
{
    ClickFlag(0);
    EXPECT_NO_THROW(form->ImageFlagClick(form->ImageFlag));
    EXPECT_EQ(OpenDevices(), 1);
    EXPECT_EQ(ReadFileBytes(scratch + "us.mid"), BuiltTune("us"));
    form->StopLanguageTune();
    EXPECT_EQ(OpenDevices(), 0);
    EXPECT_FALSE(FileExists(scratch + "us.mid"));
}

TEST_F(Tune, HungarianTellsThereIsNoTuneAndLeavesTheMenuUsable)
{
    const std::vector<AnsiString> texts = ClickFlag(3);
    EXPECT_EQ(texts, std::vector<AnsiString>{WideToAnsi(GetLangConstant("sNotavailableapplicationinHungarian"))});
    EXPECT_TRUE(MenuAndLanguageBoxEnabled());
    EXPECT_TRUE(DirectoryExists(scratch));
    EXPECT_TRUE(FolderNames(scratch).empty());
}

TEST_F(Tune, AFolderNamedSoundInTheCurrentDirectoryIsNeverTouched)
{
    const AnsiString current = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"current")));
    ForceDirectories(current + "sound\\inner");
    WriteFileBytes(current + "sound\\mine.mid", "mine");
    WriteFileBytes(current + "sound\\inner\\deeper.txt", "deeper");
    char before[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, before);
    ASSERT_TRUE(SetCurrentDirectoryA(current.c_str()));

    ClickFlag(0);
    ClickFlag(3);
    DeleteFolderTree(ScratchFolder());

    SetCurrentDirectoryA(before);
    EXPECT_EQ(FolderNames(current + "sound"), (std::vector<AnsiString>{"inner", "mine.mid"}));
    EXPECT_EQ(ReadFileBytes(current + "sound\\mine.mid"), "mine");
    EXPECT_EQ(ReadFileBytes(current + "sound\\inner\\deeper.txt"), "deeper");
    RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(current)));
}

TEST_F(Tune, AScratchFolderThatCannotBeMadeEndsTheClickWithAnInputOutputError)
{
    DeleteFolderTree(scratch);
    const AnsiString blocker = ExcludeTrailingPathDelimiter(scratch);
    ASSERT_TRUE(WriteFileBytes(blocker, "a file where the folder belongs"));
    form->cbLanguage->SetItemIndex(0);
    EXPECT_THROW(form->ImageFlagClick(form->ImageFlag), EInOutError);
    EXPECT_TRUE(MenuAndLanguageBoxEnabled());
    EXPECT_EQ(ReadFileBytes(blocker), "a file where the folder belongs");
    DeleteFile(blocker);
}

TEST(TuneResource, AMissingResourceWritesNothingAndAnUnwritableFileIsFalse)
{
    const AnsiString folder = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"tuneresource")));
    EXPECT_THROW(SaveTuneResource("SOUNDS", "hu", folder + "hu.mid"), EResNotFound);
    EXPECT_FALSE(FileExists(folder + "hu.mid"));
    EXPECT_FALSE(SaveTuneResource("SOUNDS", "us", folder + "missing\\us.mid"));
    // Resource names are matched without regard to case.
    EXPECT_TRUE(SaveTuneResource("SOUNDS", "En", folder + "en.mid"));
    EXPECT_EQ(ReadFileBytes(folder + "en.mid"), BuiltTune("en"));
    RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(folder)));
}

// "play", "stop" and "close" of a tune whose path holds blanks name one device, also
// once the scratch folder is gone (Settings OK deletes it before it stops the tune).
TEST(TuneCommands, PlayStopAndCloseOfAPathWithBlanksNameOneDevice)
{
    const AnsiString root = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"tune with blanks")));
    for (bool folderGone : {false, true}) {
        SCOPED_TRACE(folderGone ? "scratch folder gone" : "scratch folder there");
        // The blanks are in the program's folder; the scratch folder inside it is the program's own "sound".
        const AnsiString folder = root + "sound\\";
        ForceDirectories(folder);
        const AnsiString file = folder + "us.mid";
        ASSERT_TRUE(SaveTuneResource("SOUNDS", "us", file));
        ASSERT_EQ(OpenDevices(), 0);
        SendTuneCommand("play", file);
        EXPECT_EQ(OpenDevices(), 1);
        if (folderGone) {
            // Taken from the Linux side: the playing tune holds its file against Windows's deletion.
            ASSERT_TRUE(RunUnixCommands("rm -rf '" + UnixPath(folder) + "'", root));
            ASSERT_FALSE(DirectoryExists(folder));
        }
        SendTuneCommand("stop", file);
        SendTuneCommand("close", file);
        EXPECT_EQ(OpenDevices(), 0);
        mciSendStringA("close all", nullptr, 0, nullptr);
        RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(folder)));
    }
    RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(root)));
}

}  // namespace
