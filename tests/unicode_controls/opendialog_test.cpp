#include "unicode_controls/UniDialogs.h"

#include <algorithm>
#include <string>

#include "tests/support/BoxAnswerer.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/ScratchFolder.h"
#include "unicode/UniSystem.h"
#include "unicontrols_fixture.h"

using namespace std::string_literals;

namespace {

const WideString WideName = L"Příliš žluťoučký kůň Привіт 中文字.txt";

bool SamePath(const WideString& a, const WideString& b)
{
    return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

// Types into the dialog's file name box (a combo box, cmb13, or an edit, edt1) and confirms.
void TypeAndConfirm(HWND dialog, const WideString& names)
{
    constexpr int fileNameCombo = 0x47C, fileNameEdit = 0x480;
    HWND box = GetDlgItem(dialog, fileNameCombo);
    if (!box)
        box = GetDlgItem(dialog, fileNameEdit);
    SetWindowTextW(box, names.c_str());
    PressButton(dialog, IDOK);
}

class UniOpenDialogTest : public UniFormTest {
protected:
    void SetUp() override
    {
        UniFormTest::SetUp();
        folder = MakeScratchFolder(L"unidialog");
        for (const WideString& name : {WideString(L"a.txt"), WideName}) {
            HANDLE file = CreateFileW((folder + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
            ASSERT_NE(file, INVALID_HANDLE_VALUE);
            CloseHandle(file);
        }
        dialog = std::make_unique<TUniOpenDialog>(nullptr);
        dialog->SetTitle(L"Choose files");
        dialog->SetFilter(L"All Files (*.*)|*.*");
        dialog->SetInitialDir(folder);
        dialog->SetOptions({ofHideReadOnly, ofAllowMultiSelect, ofEnableSizing});
    }
    void TearDown() override
    {
        dialog.reset();
        RemoveFolderTree(folder);
        UniFormTest::TearDown();
    }

    std::vector<WideString> WideFiles() const
    {
        std::vector<WideString> files;
        for (int i = 0; i < dialog->GetFiles()->GetCount(); ++i)
            files.push_back(dialog->GetFiles()->Get(i));
        return files;
    }

    WideString folder;
    std::unique_ptr<TUniOpenDialog> dialog;
};

TEST_F(UniOpenDialogTest, SeveralPickedFilesComeBackAsFullWidePaths)
{
    const WideString title = L"Vyberte soubory – 中文字";
    dialog->SetTitle(title);
    WideString shownTitle;
    TDialogAnswerer answerer(nullptr, [&](HWND d) {
        shownTitle = WindowTextW(d);
        TypeAndConfirm(d, L"\"a.txt\" \"" + WideName + L"\"");
    });
    ASSERT_TRUE(dialog->Execute());
    EXPECT_EQ(shownTitle, title);
    std::vector<WideString> files = WideFiles();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_TRUE(SamePath(files[0], folder + L"\\a.txt")) << WideToAnsi(files[0], CP_UTF8);
    EXPECT_TRUE(SamePath(files[1], folder + L"\\" + WideName)) << WideToAnsi(files[1], CP_UTF8);
    EXPECT_EQ(dialog->GetFileName(), files[0]);
    // The program's own 8-bit list holds the same names, as far as 1252 can.
    TStrings* ansi = static_cast<TOpenDialog*>(dialog.get())->GetFiles();
    ASSERT_EQ(ansi->GetCount(), 2);
    EXPECT_EQ(ansi->Get(1), WideToAnsi(files[1]));
}

TEST_F(UniOpenDialogTest, ASinglePickIsOneFullPathAndCancelLeavesNothing)
{
    dialog->SetOptions({ofHideReadOnly, ofEnableSizing});
    WideString pathWhileShown;
    {
        TDialogAnswerer answerer("Choose files", {[&](HWND d) {
                                                      HWND box = GetDlgItem(d, 0x47C);
                                                      SetWindowTextW(box ? box : GetDlgItem(d, 0x480), WideName.c_str());
                                                  },
                                                  [&](HWND d) {
                                                      pathWhileShown = dialog->GetFileName();
                                                      PressButton(d, IDOK);
                                                  }});
        ASSERT_TRUE(dialog->Execute());
    }
    const WideString expected = folder + L"\\" + WideName;
    EXPECT_TRUE(SamePath(pathWhileShown, expected)) << WideToAnsi(pathWhileShown, CP_UTF8);
    ASSERT_EQ(WideFiles().size(), 1u);
    EXPECT_TRUE(SamePath(WideFiles()[0], expected)) << WideToAnsi(WideFiles()[0], CP_UTF8);
    EXPECT_EQ(dialog->GetFileName(), WideFiles()[0]);

    TDialogAnswerer answerer("Choose files", [](HWND d) { PressButton(d, IDCANCEL); });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(dialog->GetFiles()->GetCount(), 0);
    EXPECT_EQ(static_cast<TOpenDialog*>(dialog.get())->GetFiles()->GetCount(), 0);
}

TEST_F(UniOpenDialogTest, ARefusingCloseCheckKeepsTheDialogOpenAndFilesEmpty)
{
    int checks = 0;
    std::vector<WideString> seenByCheck;
    dialog->OnCanClose = TCloseQueryEvent::FromFunction([&](TObject*, bool& canClose) {
        ++checks;
        seenByCheck = WideFiles();
        canClose = false;
    });
    bool openAfterRefusal = false;
    TDialogAnswerer answerer("Choose files", {[](HWND d) { TypeAndConfirm(d, L"\"a.txt\" \"" + WideName + L"\""); },
                                              [&](HWND d) {
                                                  openAfterRefusal = IsWindowVisible(d) != FALSE;
                                                  PressButton(d, IDCANCEL);
                                              }});
    EXPECT_FALSE(dialog->Execute());
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(checks, 1);
    // The check saw the wide names in place; nothing of them is left.
    ASSERT_EQ(seenByCheck.size(), 2u);
    EXPECT_TRUE(SamePath(seenByCheck[1], folder + L"\\" + WideName)) << WideToAnsi(seenByCheck[1], CP_UTF8);
    EXPECT_EQ(dialog->GetFiles()->GetCount(), 0);
    EXPECT_EQ(static_cast<TOpenDialog*>(dialog.get())->GetFiles()->GetCount(), 0);
}

TEST_F(UniOpenDialogTest, OnTheOlderFamilyThe8BitDialogRunsAndItsCheckSeesTheNames)
{
    SetUnicodePlatformForTesting(false);
    int checks = 0;
    dialog->OnCanClose = TCloseQueryEvent::FromFunction([&](TObject*, bool&) {
        ++checks;
        EXPECT_EQ(dialog->GetFiles()->GetCount(), 1);
    });
    TDialogAnswerer answerer("Choose files", [](HWND d) { TypeAndConfirm(d, L"a.txt"); });
    ASSERT_TRUE(dialog->Execute());
    EXPECT_EQ(checks, 1);
    ASSERT_EQ(WideFiles().size(), 1u);
    EXPECT_TRUE(SamePath(WideFiles()[0], folder + L"\\a.txt")) << WideToAnsi(WideFiles()[0], CP_UTF8);
    EXPECT_EQ(dialog->GetFileName(), WideFiles()[0]);
}

TEST(UniOpenDialogProperties, InitialDirDropsOneTrailingBackslashExceptAtARoot)
{
    struct TCase {
        WideString Given, Stored;
    };
    const TCase cases[] = {
        {L"C:\\", L"C:\\"},
        {L"C:\\Data\\", L"C:\\Data"},
        {L"\\", L"\\"},
        {L"C:\\Příliš\\", L"C:\\Příliš"},
        {L"C:\\Data", L"C:\\Data"},
    };
    TUniOpenDialog dialog(nullptr);
    for (const TCase& c : cases) {
        dialog.SetInitialDir(c.Given);
        EXPECT_EQ(dialog.GetInitialDir(), c.Stored) << WideToAnsi(c.Given, CP_UTF8);
        EXPECT_EQ(static_cast<TOpenDialog&>(dialog).GetInitialDir(), WideToAnsi(c.Stored));
    }
}

TEST(UniOpenDialogProperties, TheFilterBecomesPairsEndedByTwoNuls)
{
    struct TCase {
        WideString Given, System;
    };
    const TCase cases[] = {
        {L"", L""},
        {L"All Files (*.*)|*.*", L"All Files (*.*)\0*.*\0\0"s},
        {L"Text|*.txt|Všechny|*.*", L"Text\0*.txt\0Všechny\0*.*\0\0"s},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(MakeWideDialogFilter(c.Given), c.System) << WideToAnsi(c.Given, CP_UTF8);
}

TEST(UniOpenDialogProperties, AWideValueGivesWayWhenCodeChangesIts8BitTwin)
{
    TUniOpenDialog dialog(nullptr);
    dialog.SetTitle(L"Привіт");
    EXPECT_EQ(dialog.GetTitle(), L"Привіт");
    static_cast<TOpenDialog&>(dialog).SetTitle("Open");
    EXPECT_EQ(dialog.GetTitle(), L"Open");
}

// What form streams and the language controller see: one property of each
// name, of the wide kind, whose value reaches the 8-bit twin.
TEST(UniOpenDialogProperties, TheWideTextsArePublishedInPlaceOfThe8BitOnes)
{
    TUniOpenDialog dialog(nullptr);
    const std::vector<const TPropInfo*> props = GetPropList(&dialog);
    for (const char* name : {"DefaultExt", "FileName", "Filter", "InitialDir", "Title", "OnIncludeItem"}) {
        const auto count = std::count_if(props.begin(), props.end(), [&](const TPropInfo* p) { return p->Name == name; });
        EXPECT_EQ(count, 1) << name;
    }
    for (const char* name : {"DefaultExt", "FileName", "Filter", "InitialDir", "Title"}) {
        const TPropInfo* prop = GetPropInfo(&dialog, name);
        ASSERT_NE(prop, nullptr) << name;
        ASSERT_EQ(prop->Kind(), tkWString) << name;
        SetWideStrProp(&dialog, *prop, L"Příliš");
        EXPECT_EQ(GetWideStrProp(&dialog, *prop), L"Příliš") << name;
    }
    EXPECT_EQ(static_cast<TOpenDialog&>(dialog).GetFilter(), WideToAnsi(L"Příliš"));
}

}  // namespace
