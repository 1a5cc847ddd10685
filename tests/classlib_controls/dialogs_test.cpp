#include <gtest/gtest.h>

#include <functional>

#include "classlib/Dialogs.h"
#include "classlib/FolderBrowser.h"
#include "tests/support/BoxAnswerer.h"
#include "tests/support/DialogAnswerer.h"
#include "tests/support/ScratchFolder.h"

namespace {

struct TDialogContents {
    std::vector<AnsiString> Texts;
    std::vector<AnsiString> Buttons;
};

BOOL CALLBACK CollectChild(HWND wnd, LPARAM param)
{
    auto* contents = reinterpret_cast<TDialogContents*>(param);
    char className[32] = {}, text[256] = {};
    GetClassNameA(wnd, className, sizeof(className));
    GetWindowTextA(wnd, text, sizeof(text));
    if (lstrcmpiA(className, "Button") == 0)
        contents->Buttons.push_back(text);
    else if (lstrcmpiA(className, "Static") == 0 && text[0])
        contents->Texts.push_back(text);
    return TRUE;
}

TDialogContents ReadDialog(HWND dialog)
{
    TDialogContents contents;
    EnumChildWindows(dialog, &CollectChild, reinterpret_cast<LPARAM>(&contents));
    return contents;
}

TEST(MessageDlgTest, AWarningWithOKShowsTheRuntimesTitleTextAndButton)
{
    TDialogContents seen;
    TDialogAnswerer answerer("Warning", [&](HWND dialog) {
        seen = ReadDialog(dialog);
        PressButton(dialog, IDOK);
    });
    EXPECT_EQ(MessageDlg("No connection to the server.", mtWarning, TMsgDlgButtons{mbOK}), mrOk);
    ASSERT_TRUE(answerer.Answered());
    EXPECT_EQ(seen.Texts, std::vector<AnsiString>{"No connection to the server."});
    EXPECT_EQ(seen.Buttons, std::vector<AnsiString>{"OK"});
}

TEST(MessageDlgTest, AnInformationWithYesAndNoGivesTheButtonPressed)
{
    TDialogContents seen;
    TDialogAnswerer answerer("Information", [&](HWND dialog) {
        seen = ReadDialog(dialog);
        PressButton(dialog, IDNO);
    });
    EXPECT_EQ(MessageDlg("Clear the list?", mtInformation, mbYesNo), mrNo);
    ASSERT_TRUE(answerer.Answered());
    EXPECT_EQ(seen.Buttons, (std::vector<AnsiString>{"&Yes", "&No"}));
    EXPECT_EQ(MessageDlgTitle(mtError), "Error");
    EXPECT_EQ(MessageDlgTitle(mtConfirmation), "Confirm");
}

class OpenDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = WideToAnsi(MakeScratchFolder(L"opendialog"));
        for (const char* name : {"a.txt", "b.txt"}) {
            HANDLE file = CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
            CloseHandle(file);
        }
        dialog = std::make_unique<TOpenDialog>(nullptr);
        dialog->SetTitle("Choose files");
        dialog->SetFilter("All Files (*.*)|*.*");
        dialog->SetInitialDir(folder);
        dialog->SetOptions({ofHideReadOnly, ofAllowMultiSelect, ofEnableSizing});
    }
    void TearDown() override { RemoveFolderTree(AnsiToWide(folder)); }

    // Types the names into the dialog's file name box and confirms.
    static void TypeAndConfirm(HWND dialog, const char* names)
    {
        // The file name box of the dialog template: a combo box (cmb13), or an edit (edt1).
        constexpr int fileNameCombo = 0x47C, fileNameEdit = 0x480;
        HWND box = GetDlgItem(dialog, fileNameCombo);
        if (!box)
            box = GetDlgItem(dialog, fileNameEdit);
        SetWindowTextA(box, names);
        PressButton(dialog, IDOK);
    }

    AnsiString folder;
    std::unique_ptr<TOpenDialog> dialog;
};

TEST_F(OpenDialogTest, MultiSelectionGivesEveryChosenFileWithItsFolder)
{
    TDialogAnswerer answerer("Choose files", [](HWND d) { TypeAndConfirm(d, "\"a.txt\" \"b.txt\""); });
    ASSERT_TRUE(dialog->Execute());
    TStrings* files = dialog->GetFiles();
    ASSERT_EQ(files->GetCount(), 2);
    EXPECT_EQ(CompareText(files->Get(0), folder + "\\a.txt"), 0) << files->Get(0);
    EXPECT_EQ(CompareText(files->Get(1), folder + "\\b.txt"), 0) << files->Get(1);
    EXPECT_EQ(dialog->GetFileName(), files->Get(0));
}

TEST_F(OpenDialogTest, ASingleFileIsOneFullPathAndCancelGivesNothing)
{
    {
        TDialogAnswerer answerer("Choose files", [](HWND d) { TypeAndConfirm(d, "b.txt"); });
        ASSERT_TRUE(dialog->Execute());
        ASSERT_EQ(dialog->GetFiles()->GetCount(), 1);
        EXPECT_EQ(CompareText(dialog->GetFiles()->Get(0), folder + "\\b.txt"), 0) << dialog->GetFiles()->Get(0);
    }
    TDialogAnswerer answerer("Choose files", [](HWND d) { PressButton(d, IDCANCEL); });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(dialog->GetFiles()->GetCount(), 0);
}

TEST_F(OpenDialogTest, TheCloseCheckSeesTheChoiceAndCanKeepTheDialogOpen)
{
    int shows = 0, closes = 0;
    std::vector<AnsiString> checked;
    dialog->OnShow = TNotifyEvent::FromFunction([&](TObject*) { ++shows; });
    dialog->OnClose = TNotifyEvent::FromFunction([&](TObject*) { ++closes; });
    dialog->OnCanClose = TCloseQueryEvent::FromFunction([&](TObject*, bool& canClose) {
        checked.push_back(dialog->GetFiles()->GetCount() == 1 ? ExtractFileName(dialog->GetFiles()->Get(0)) : "?");
        canClose = checked.size() > 1;
    });
    TDialogAnswerer answerer("Choose files", {[](HWND d) { TypeAndConfirm(d, "b.txt"); },
                                              [](HWND d) { TypeAndConfirm(d, "a.txt"); }});
    ASSERT_TRUE(dialog->Execute());
    EXPECT_EQ(checked, (std::vector<AnsiString>{"b.txt", "a.txt"}));
    ASSERT_EQ(dialog->GetFiles()->GetCount(), 1);
    EXPECT_EQ(CompareText(dialog->GetFiles()->Get(0), folder + "\\a.txt"), 0) << dialog->GetFiles()->Get(0);
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(closes, 1);
}

// Selects the entry named `name` among the children of the browser tree's root, as a click would.
void SelectTopFolder(HWND dialog, const AnsiString& name)
{
    HWND tree = FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr);
    ASSERT_NE(tree, nullptr);
    auto root = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    for (auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(root)));
         item; item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        char text[MAX_PATH] = {};
        TVITEMA probe{};
        probe.mask = TVIF_TEXT;
        probe.hItem = item;
        probe.pszText = text;
        probe.cchTextMax = sizeof(text);
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&probe));
        if (CompareText(text, name) == 0) {
            SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
            return;
        }
    }
    ADD_FAILURE() << name << " is not in the browser";
}

TEST(FolderBrowserTest, GivesTheChosenFolderOrNothingWhenCancelled)
{
    // A folder on the desktop of the test prefix: a child of the browser's root.
    char desktop[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
    AnsiString name = "browse-" + IntToStr(static_cast<int>(GetCurrentProcessId()));
    AnsiString folder = IncludeTrailingPathDelimiter(desktop) + name;
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    AnsiString path;
    {
        TDialogAnswerer answerer(nullptr, {[&](HWND d) { SelectTopFolder(d, name); },
                                           [](HWND d) { PressButton(d, IDOK); }});
        EXPECT_TRUE(BrowseForFolder(nullptr, "Select a folder to shred", path));
        EXPECT_EQ(CompareText(path, folder), 0) << path;
    }
    {
        TDialogAnswerer answerer(nullptr, [](HWND d) { PressButton(d, IDCANCEL); });
        path.clear();
        EXPECT_FALSE(BrowseForFolder(nullptr, "Select a folder to shred", path));
        EXPECT_TRUE(path.empty());
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace
