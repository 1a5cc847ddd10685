#include <gtest/gtest.h>

#include "app/programfolder.h"
#include "classlib/SysUtils.h"
#include "tests/support/ScratchFolder.h"

namespace {

class CompanionCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"companions")));
        for (const char* sub : {"images", "web", "icons"})
            CreateDir(folder + sub);
        for (const AnsiString& file : CompanionFiles())
            Touch(file);
    }
    void TearDown() override { RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(folder))); }
    void Touch(const AnsiString& file)
    {
        HANDLE h = CreateFileA((folder + file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE) << file;
        CloseHandle(h);
    }
    AnsiString folder;
};

TEST_F(CompanionCheck, AllPresentAndTheUkrainianHelpIsNotRequired)
{
    EXPECT_EQ(FindMissingCompanionFile(folder), "");
    EXPECT_EQ(CompanionFiles().size(), 23u + 11u + 9u + 3u);
    EXPECT_FALSE(FileExists(folder + "cvhelp-uk.chm"));
}

TEST_F(CompanionCheck, EachMissingFileIsFoundAndTheFirstInTableOrderDecides)
{
    const std::vector<AnsiString>& files = CompanionFiles();
    for (size_t i = 0; i < files.size(); ++i) {
        ASSERT_TRUE(DeleteFile(folder + files[i]));
        EXPECT_EQ(FindMissingCompanionFile(folder), files[i]);
        // A later file missing as well does not change which one is reported.
        if (i + 1 < files.size()) {
            ASSERT_TRUE(DeleteFile(folder + files.back()));
            EXPECT_EQ(FindMissingCompanionFile(folder), files[i]);
            Touch(files.back());
        }
        Touch(files[i]);
    }
}

TEST_F(CompanionCheck, AFolderInPlaceOfAFileCountsAsMissing)
{
    ASSERT_TRUE(DeleteFile(folder + "images\\top.png"));
    ASSERT_TRUE(CreateDir(folder + "images\\top.png"));
    EXPECT_EQ(FindMissingCompanionFile(folder), "images\\top.png");
    RemoveDir(folder + "images\\top.png");
}

}  // namespace
