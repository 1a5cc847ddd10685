#include <gtest/gtest.h>

#include "app/programfolder.h"
#include "app/programversion.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixSide.h"

namespace {

TEST(ProgramVersion, ReadsTheFixedFileVersionOfThisProgram)
{
    EXPECT_EQ(GetProgramVersion(), "4.2.3.0");
}

TEST(ProgramVersion, TheStagedProgramCarriesTheProjectVersion)
{
    EXPECT_EQ(VersionText(ReadVersionWords(WindowsPathOfUnix(VARIRUVU_EXE_PATH))), VARIRUVU_VERSION);
}

TEST(ProgramVersion, AFileWithoutVersionGivesZeros)
{
    const AnsiString folder = WideToAnsi(MakeScratchFolder(L"version"));
    const AnsiString file = folder + "\\plain.txt";
    HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(h);
    EXPECT_EQ(VersionText(ReadVersionWords(file)), "0.0.0.0");
    EXPECT_EQ(VersionText(ReadVersionWords(folder + "\\missing.exe")), "0.0.0.0");
    RemoveFolderTree(AnsiToWide(folder));
}

TEST(ProgramVersion, WordsAreWrittenInDecimal)
{
    EXPECT_EQ(VersionText({65535, 0, 10, 7}), "65535.0.10.7");
}

}  // namespace
