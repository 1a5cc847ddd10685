#include <gtest/gtest.h>

#include "lang/LangCore.h"
#include "tests/lang/lang_fixture.h"
#include "unicode/UniSysUtils.h"

namespace {

WideString MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.GetMessage();
    }
    return L"<no error>";
}

std::vector<uint16_t> ListedIDs(const TLanguageManager& manager)
{
    std::vector<uint16_t> ids;
    for (int i = 0; i < manager.CountLanguages(); ++i)
        ids.push_back(manager.GetLanguageIDByIndex(i));
    return ids;
}

TEST(LangManager, StartsWithTheDefaultLanguageAndTheBuiltInConstants)
{
    TLanguageManager manager;
    EXPECT_EQ(manager.GetDefaultLangID(), 1033);
    EXPECT_EQ(manager.GetCurrentLangID(), 1033);
    EXPECT_EQ(manager.GetCodePage(), 1252u);
    EXPECT_EQ(ListedIDs(manager), std::vector<uint16_t>{1033});
    EXPECT_EQ(manager.FindLanguageIndex(1031), 0);
    EXPECT_EQ(manager.GetLanguageNameByIndex(0), GetLocaleStrW(1033, LOCALE_SLANGUAGE, L"?"));
    EXPECT_EQ(manager.LookupConstant("sEc"), L"Wiping out failed!");
    EXPECT_EQ(manager.LookupConstant("sshred_info"), manager.LookupConstant("SSHRED_INFO"));
    EXPECT_EQ(MessageOf([&] { manager.LookupConstant("sNope"); }), L"Constant \"sNope\" not found");
    EXPECT_THROW(manager.GetLanguageIDByIndex(1), EListError);
    EXPECT_THROW(manager.GetLanguageNameByIndex(-1), EListError);
}

TEST(LangManager, TheProcessWideManagerServesGetLangConstant)
{
    EXPECT_EQ(LangManager(), LangManager());
    EXPECT_EQ(GetLangConstant("sDlgTitle_About"), L"Clearvane");
    EXPECT_EQ(GetLangConstant("stime"), L"Elapsed time:");
    EXPECT_THROW(GetLangConstant("sMissing"), ELangError);
}

TEST(LangManager, RegistersFolderFilesInSearchOrderAndReplacesRepeatedLanguages)
{
    TScratchFolder folder;
    WriteLangFile(folder.File(L"a.lng"), LangFileText(1031));
    WriteLangFile(folder.File(L"b.lng"), LangFileText(1038));
    WriteLangFile(folder.File(L"c.lng"), LangFileText(1033));   // counted, not listed
    WriteLangFile(folder.File(L"d.txt"), LangFileText(1029));   // not matched
    WriteLangFile(folder.File(L"e.lng"), L"[$CONSTANTS]\r\n");   // no LANGID
    WriteLangFile(folder.File(L"f.lng"), L"LANGID=abc\r\n");
    WriteLangFile(folder.File(L"g.lng"), LangFileText(1031));
    WriteLangFile(folder.File(L"h.lng"), LangFileText(0x10000 + 1058));  // the low 16 bits count

    TLanguageManager manager;
    EXPECT_EQ(manager.AddLangFilesFromFolder(folder.Path(), L"*.lng", false), 5);
    EXPECT_EQ(ListedIDs(manager), (std::vector<uint16_t>{1033, 1031, 1038, 1058}));
    EXPECT_EQ(manager.FindLanguageIndex(1038), 2);
    EXPECT_EQ(manager.FindLanguageIndex(1029), 0);
    EXPECT_EQ(manager.GetLanguageNameByIndex(1), GetLocaleStrW(1031, LOCALE_SLANGUAGE, L"?"));

    // The replacing file is the one a selection reads.
    WriteLangFile(folder.File(L"g.lng"), LangFileText(1031, L"sEc=from g\r\n"));
    manager.SelectLanguage(1031);
    EXPECT_EQ(manager.LookupConstant("sEc"), L"from g");

    EXPECT_FALSE(manager.AddLangFile(folder.File(L"missing.lng")));
    EXPECT_EQ(manager.AddLangFilesFromFolder(folder.File(L"missing"), L"*.lng", false), 0);
}

TEST(LangManager, RecursionSearchesOnlySubFoldersThatMatchTheMask)
{
    TScratchFolder folder;
    WriteLangFile(folder.File(L"old.lng\\x.lng"), LangFileText(1029));
    WriteLangFile(folder.File(L"old\\y.lng"), LangFileText(1058));
    WriteLangFile(folder.File(L"top.lng"), LangFileText(1031));

    TLanguageManager flat;
    EXPECT_EQ(flat.AddLangFilesFromFolder(folder.Path() + L"\\", L"*.lng", false), 1);
    TLanguageManager deep;
    EXPECT_EQ(deep.AddLangFilesFromFolder(folder.Path(), L"*.lng", true), 2);
    EXPECT_EQ(deep.CountLanguages(), 3);
    EXPECT_NE(deep.FindLanguageIndex(1029), 0);
    EXPECT_EQ(deep.FindLanguageIndex(1058), 0);
}

TEST(LangManager, AnUnreadableFileStopsTheScanWithItsErrorAndLeavesTheListAlone)
{
    TScratchFolder folder;
    WriteLangFile(folder.File(L"a.lng"), LangFileText(1031));
    HANDLE locked = CreateFileW(folder.File(L"a.lng").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    TLanguageManager manager;
    EXPECT_THROW(manager.AddLangFilesFromFolder(folder.Path(), L"*.lng", false), EStreamError);
    CloseHandle(locked);
    EXPECT_EQ(manager.CountLanguages(), 1);
    EXPECT_EQ(manager.AddLangFilesFromFolder(folder.Path(), L"*.lng", false), 1);
}

// The searches of a scan that stops with an error are closed, in the folder
// and in the sub-folder it went into: an open search would keep its folder
// from being removed.
TEST(LangManager, AScanThatStopsWithAnErrorClosesItsSearches)
{
    TScratchFolder folder;
    const WideString nested = folder.Folder(L"older.lng");
    const WideString file = folder.File(L"older.lng\\a.lng");
    WriteLangFile(file, LangFileText(1031));
    HANDLE locked = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    TLanguageManager manager;
    EXPECT_THROW(manager.AddLangFilesFromFolder(folder.Path(), L"*.lng", true), EStreamError);
    CloseHandle(locked);

    ASSERT_TRUE(DeleteFileW(file.c_str()));
    EXPECT_TRUE(RemoveDirectoryW(nested.c_str())) << GetLastError();
    EXPECT_TRUE(RemoveDirectoryW(folder.Path().c_str())) << GetLastError();
}

class LangManagerSelection : public testing::Test {
protected:
    void SetUp() override
    {
        WriteLangFile(FFolder.File(L"de.lng"), LangFileText(1031, L"sEc=Löschen fehlgeschlagen!\r\nsTime=Zeit:\r\n"));
        WriteLangFile(FFolder.File(L"hu.lng"), LangFileText(1038, L"stime=Idő:\r\n"));  // no sEc
        ASSERT_EQ(FManager.AddLangFilesFromFolder(FFolder.Path(), L"*.lng", false), 2);
    }

    TScratchFolder FFolder;
    TLanguageManager FManager;
};

TEST_F(LangManagerSelection, ConstantsAFileLacksKeepThePreviousLanguagesText)
{
    FManager.SelectLanguage(1031);
    EXPECT_EQ(FManager.GetCurrentLangID(), 1031);
    EXPECT_EQ(FManager.GetCodePage(), 1252u);
    EXPECT_EQ(FManager.LookupConstant("sEc"), L"Löschen fehlgeschlagen!");
    EXPECT_EQ(FManager.LookupConstant("sTime"), L"Zeit:");

    FManager.SelectLanguage(1038);
    EXPECT_EQ(FManager.GetCodePage(), 1250u);
    EXPECT_EQ(FManager.LookupConstant("sEc"), L"Löschen fehlgeschlagen!");
    EXPECT_EQ(FManager.LookupConstant("sTime"), L"Idő:");

    FManager.SelectLanguage(1033);
    EXPECT_EQ(FManager.LookupConstant("sEc"), L"Wiping out failed!");
    EXPECT_EQ(FManager.LookupConstant("sTime"), L"Elapsed time:");
}

// The callers format these with the built-in text's arguments; a file asking
// for others would stop them, so the built-in text stands, not the previous language's.
TEST_F(LangManagerSelection, ConstantsWithOtherFormatDirectivesKeepTheBuiltInText)
{
    WriteLangFile(FFolder.File(L"de.lng"),
                  LangFileText(1031, L"sMsg=Löschen von %s%s fehlgeschlagen!\r\nsMsg2=Löschen von %s fehlgeschlagen!\r\n"
                                     L"sShred_Info=Wirklich?\r\n"));
    WriteLangFile(FFolder.File(L"hu.lng"),
                  LangFileText(1038, L"sMsg=%s%s%s%n%x %p %d %-99999s\r\nsMsg2=%d törlése nem sikerült!\r\n"
                                     L"sShred_Info=Biztos? %s\r\nsEc=Hiba: 100%%\r\nsTime=Idő:\r\n"));
    FManager.SelectLanguage(1031);
    EXPECT_EQ(FManager.LookupConstant("sMsg2"), L"Löschen von %s fehlgeschlagen!");

    FManager.SelectLanguage(1038);
    EXPECT_EQ(FManager.LookupConstant("sMsg"), L"Deleting of %s%s failed!");
    EXPECT_EQ(FManager.LookupConstant("sMsg2"), L"Deleting of %s failed!");
    EXPECT_EQ(FManager.LookupConstant("sShred_Info"),
              L"All selected files and folders will be erased permanently.\r\n"
              L"After this, it will be impossible to recover them.\r\n\r\nAre you sure to continue?");
    EXPECT_EQ(FManager.LookupConstant("sEc"), L"Hiba: 100%%");
    EXPECT_EQ(FManager.LookupConstant("sTime"), L"Idő:");
    EXPECT_EQ(Format(WideToAnsi(FManager.LookupConstant("sMsg")), "C:\\a\\", "b.txt"), "Deleting of C:\\a\\b.txt failed!");
}

TEST_F(LangManagerSelection, AnUnregisteredLanguageSelectsTheDefault)
{
    FManager.SelectLanguage(1031);
    FManager.SelectLanguage(1049);
    EXPECT_EQ(FManager.GetCurrentLangID(), 1033);
    EXPECT_EQ(FManager.LookupConstant("sEc"), L"Wiping out failed!");
}

TEST_F(LangManagerSelection, SelectingTheCurrentLanguageDoesNotReadItsFileAgain)
{
    FManager.SelectLanguage(1031);
    WriteLangFile(FFolder.File(L"de.lng"), LangFileText(1031, L"sEc=changed\r\n"));
    FManager.SelectLanguage(1031);
    EXPECT_EQ(FManager.LookupConstant("sEc"), L"Löschen fehlgeschlagen!");
}

TEST_F(LangManagerSelection, AFileThatFailsToReadLeavesTheLanguageAsItWas)
{
    FManager.SelectLanguage(1038);
    WriteLangFile(FFolder.File(L"de.lng"), LangFileText(1031, L"sEc=one\r\nSEC=two\r\n"));
    EXPECT_EQ(MessageOf([&] { FManager.SelectLanguage(1031); }),
              L"Loading translations failed.\r\nLine 3: Duplicate constant name (\"SEC\")");
    EXPECT_EQ(FManager.GetCurrentLangID(), 1038);
    EXPECT_EQ(FManager.LookupConstant("sTime"), L"Idő:");
    // The lock was given back: a writer gets in.
    FManager.SelectLanguage(1033);
    EXPECT_EQ(FManager.GetCurrentLangID(), 1033);
}

}  // namespace
