#include <gtest/gtest.h>

#include "app/programfolder.h"
#include "app/systemops.h"
#include "classlib/SysUtils.h"
#include "tests/support/ScratchFolder.h"

namespace {

// A program folder with a scratch folder and files beside it that must survive.
class FolderTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"foldertree")));
        savedExeDir = ExeDir;
        ExeDir = root;
        Write(root + "keep.txt");
        CreateDir(root + "sound");
        CreateDir(root + "sound\\deep");
        CreateDir(root + "sound\\deep\\deeper");
        Write(root + "sound\\us.mid");
        Write(root + "sound\\deep\\cz.mid");
        Write(root + "sound\\deep\\deeper\\locked.mid");
        SetFileAttributesA((root + "sound\\deep\\deeper\\locked.mid").c_str(), FILE_ATTRIBUTE_READONLY);
    }
    void TearDown() override
    {
        ExeDir = savedExeDir;
        RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(root)));
    }
    static void Write(const AnsiString& path)
    {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
        DWORD written = 0;
        WriteFile(h, "tune", 4, &written, nullptr);
        CloseHandle(h);
    }
    AnsiString root, savedExeDir;
};

TEST_F(FolderTree, RemovesTheScratchFolderWithReadOnlyFilesAndNestedFolders)
{
    EXPECT_EQ(DeleteFolderTree(ScratchFolder()), 0);
    EXPECT_FALSE(DirectoryExists(root + "sound"));
    EXPECT_TRUE(FileExists(root + "keep.txt"));
}

TEST_F(FolderTree, ASubFolderOfTheScratchFolderGoesAlone)
{
    EXPECT_EQ(DeleteFolderTree(root + "sound\\deep"), 0);
    EXPECT_FALSE(DirectoryExists(root + "sound\\deep"));
    EXPECT_TRUE(FileExists(root + "sound\\us.mid"));
}

TEST_F(FolderTree, NothingOutsideTheScratchFolderIsTouched)
{
    for (const AnsiString& path : {root, root + "sound\\..", root + "soundtrack", AnsiString("sound"),
                                   AnsiString(), ExcludeTrailingPathDelimiter(root)}) {
        EXPECT_EQ(DeleteFolderTree(path), 0) << path;
        EXPECT_TRUE(FileExists(root + "keep.txt")) << path;
        EXPECT_TRUE(FileExists(root + "sound\\us.mid")) << path;
    }
    ExeDir.clear();
    EXPECT_EQ(DeleteFolderTree(root + "sound"), 0);
    EXPECT_TRUE(FileExists(root + "sound\\us.mid"));
}

TEST_F(FolderTree, AMissingScratchFolderIsNoError)
{
    ASSERT_EQ(DeleteFolderTree(ScratchFolder()), 0);
    EXPECT_EQ(DeleteFolderTree(ScratchFolder()), 0);
    EXPECT_TRUE(FileExists(root + "keep.txt"));
}

TEST_F(FolderTree, AFileThatCannotBeDeletedIsCountedAndItsFolderStays)
{
    const AnsiString open = root + "sound\\deep\\cz.mid";
    HANDLE h = CreateFileA(open.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(DeleteFolderTree(root + "sound\\deep"), 1);
    CloseHandle(h);
    EXPECT_TRUE(FileExists(open));
    EXPECT_FALSE(DirectoryExists(root + "sound\\deep\\deeper"));
}

}  // namespace
