#include <gtest/gtest.h>

#include <map>

#include "app/linkguard.h"
#include "app/listsizes.h"
#include "classlib/FileSearch.h"
#include "classlib/SysUtils.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/UnixSide.h"

namespace {

void Write(const AnsiString& path, const char* text)
{
    ASSERT_TRUE(WriteFileBytes(path, text)) << path;
}

// tree\ holds a plain file, a folder, and links made on the Linux side: to a
// file and a folder outside the tree, and to a file inside it.
class LinkGuard : public ::testing::Test {
protected:
    void SetUp() override
    {
        scratch = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"links")));
        tree = scratch + "tree";
        CreateDir(tree);
        CreateDir(tree + "\\sub");
        CreateDir(scratch + "outside");
        CreateDir(scratch + "outside\\dir");
        Write(tree + "\\plain.txt", "plain");
        Write(scratch + "outside\\secret.txt", "secret");
        Write(scratch + "outside\\dir\\in.txt", "in");
        ASSERT_TRUE(MakeSymbolicLink(scratch + "outside\\secret.txt", tree + "\\flink.txt"));
        ASSERT_TRUE(MakeSymbolicLink(scratch + "outside\\dir", tree + "\\dlink"));
        ASSERT_TRUE(MakeSymbolicLink(tree + "\\plain.txt", tree + "\\inner.txt"));
        ASSERT_TRUE(MakeSymbolicLink(tree, scratch + "treelink"));
    }
    void TearDown() override { EXPECT_TRUE(RemoveTreeWithLinks(scratch)); }

    // Entry name -> LeadsOutside, for the folder as the walk is handed it.
    static std::map<AnsiString, bool> Verdicts(const AnsiString& folder)
    {
        std::map<AnsiString, bool> verdicts;
        const WideString resolved = ResolvedPath(folder);
        for (TFileSearch search(folder + "\\*"); search.Found(); search.Next())
            if (IsNotDotEntry(search.Name()))
                verdicts[search.Name()] = LeadsOutside(folder, resolved, search.Data());
        return verdicts;
    }

    AnsiString scratch, tree;
};

TEST_F(LinkGuard, LinksLeadOutsideWhetherOrNotTheyCarryTheReparseAttribute)
{
    const std::map<AnsiString, bool> expected = {
        {"plain.txt", false}, {"sub", false}, {"flink.txt", true}, {"dlink", true}, {"inner.txt", true}};
    EXPECT_EQ(Verdicts(tree), expected);
}

// A row of the list is judged as the walk judges an entry: what it names, not where it leads.
TEST_F(LinkGuard, AChosenPathThatIsALinkLeadsOutsideWhateverItPointsTo)
{
    const std::map<AnsiString, bool> expected = {
        {scratch + "treelink", true},  {tree + "\\flink.txt", true}, {tree + "\\dlink", true},
        {tree + "\\inner.txt", true}, {tree + "\\dlink\\", true},   {tree, false},
        {tree + "\\", false},          {tree + "\\plain.txt", false}, {tree + "\\sub", false},
        {tree + "\\missing.txt", false}, {tree + "\\*.txt", true},    {"C:\\", false}};
    std::map<AnsiString, bool> verdicts;
    for (const auto& [path, leads] : expected)
        verdicts[path] = ChosenPathLeadsOutside(path);
    EXPECT_EQ(verdicts, expected);
    // Inside a linked folder, entries are still judged against the folder as given.
    EXPECT_FALSE(Verdicts(scratch + "treelink").at("plain.txt"));
}

TEST_F(LinkGuard, FilesHeldOpenElsewhereOrReadOnlyStillResolveToThemselves)
{
    const AnsiString plain = tree + "\\plain.txt";
    HANDLE held = CreateFileA(plain.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const AnsiString readOnly = tree + "\\sub\\ro.txt";
    Write(readOnly, "ro");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);

    EXPECT_EQ(Verdicts(tree).at("plain.txt"), false);
    EXPECT_EQ(Verdicts(tree + "\\sub").at("ro.txt"), false);
    EXPECT_TRUE(ResolvedPath(tree + "\\missing.txt").empty());
    CloseHandle(held);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(LinkGuard, TheCountDoesNotEnterALinkedFolder)
{
    int32_t count = 0;
    int64_t bytes = 0;
    CountFolder(tree, "", count, bytes);
    // plain.txt and the two file links; nothing of outside\dir.
    EXPECT_EQ(count, 3);
    EXPECT_EQ(bytes, 5 + 6 + 5);
}

}  // namespace
