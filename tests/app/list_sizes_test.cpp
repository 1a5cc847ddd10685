#include <gtest/gtest.h>

#include "app/listsizes.h"
#include "classlib/SysUtils.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestTree.h"

namespace {

TEST(ListSizes, CountFolderAgreesWithPythonOnEveryFolderOfTheTree)
{
    const AnsiString tree = PythonTreeFolder();
    for (const TPythonMeasure& m : PythonTreeMeasures) {
        int32_t count = 0;
        int64_t bytes = 0;
        CountFolder(tree, m.Folder, count, bytes);
        EXPECT_EQ(count, m.Files) << m.Folder;
        EXPECT_EQ(bytes, m.Bytes) << m.Folder;
    }
}

TEST(ListSizes, CountFolderAddsToWhatItIsGivenAndAMissingFolderAddsNothing)
{
    const AnsiString tree = PythonTreeFolder();
    int32_t count = 5;
    int64_t bytes = 7;
    CountFolder(tree + "\\sub1\\", "", count, bytes);
    EXPECT_EQ(count, 5 + PythonTreeMeasures[1].Files);
    EXPECT_EQ(bytes, 7 + PythonTreeMeasures[1].Bytes);
    for (const AnsiString& missing : {tree + "\\nothing", tree + "\\a.txt", AnsiString()}) {
        CountFolder(missing, "", count, bytes);
        EXPECT_EQ(count, 5 + PythonTreeMeasures[1].Files) << missing;
    }
}

TEST(ListSizes, FileSizesAsPythonMeasuredThemAndZeroForFoldersAndMissingFiles)
{
    const AnsiString tree = IncludeTrailingPathDelimiter(PythonTreeFolder());
    for (const TPythonFile& f : PythonTreeFiles)
        EXPECT_EQ(GetFileSize64(tree + f.Path), f.Bytes) << f.Path;
    WIN32_FIND_DATAA data;
    EXPECT_FALSE(GetFileFindData(tree + "sub1", data));
    EXPECT_EQ(GetFileSize64(tree + "sub1"), 0);
    EXPECT_EQ(GetFileSize64(tree + "missing.txt"), 0);
    EXPECT_FALSE(IsNotDotEntry("."));
    EXPECT_FALSE(IsNotDotEntry(".."));
    EXPECT_TRUE(IsNotDotEntry(".dotfile"));
}

// A sparse file costs no disk space; its size needs the high half of the find data.
TEST(ListSizes, SizesAboveFourGiBAreCountedExactly)
{
    const AnsiString folder = WideToAnsi(MakeScratchFolder(L"bigsize"));
    const AnsiString big = folder + "\\big.bin";
    constexpr int64_t size = (int64_t(5) << 30) + 3;
    HANDLE h = CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = size;
    ASSERT_TRUE(SetFilePointerEx(h, end, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(h));
    CloseHandle(h);

    EXPECT_EQ(GetFileSize64(big), size);
    int32_t count = 0;
    int64_t bytes = 0;
    CountFolder(folder, "", count, bytes);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(bytes, size);
    RemoveFolderTree(AnsiToWide(folder));
}

}  // namespace
