// The main window in this process: the file list and the erase run driven
// through the window's own operations, with the message boxes answered by
// their texts from a second thread.
#include <gtest/gtest.h>

#include <memory>

#include "app/erasedlg.h"
#include "app/listsizes.h"
#include "app/progressdlg.h"
#include "app/sizetext.h"
#include "classlib/SysUtils.h"
#include "lang/LangManager.h"
#include "tests/support/BoxAnswerer.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SettingsSandbox.h"
#include "tests/support/TestTree.h"

namespace {

AnsiString Text(const char* constant)
{
    return WideToAnsi(GetLangConstant(constant));
}

// Confirmations get Yes, notices OK.
int YesToAll(const AnsiString& text)
{
    return text == Text("sShred_Info") || text == Text("sSmashingAbort") || text == Text("sClear_Info") ? IDYES
                                                                                                           : IDOK;
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        scratch = IncludeTrailingPathDelimiter(WideToAnsi(MakeScratchFolder(L"mainwindow")));
        form = std::make_unique<TfrmMain>(nullptr);
        // The test program's own arguments are no path to erase.
        form->StartPath.clear();
        form->cbAlgorithm->SetItemIndex(sdmZero);
        form->Show();
        Application->ProcessMessages();
    }
    void TearDown() override
    {
        form.reset();
        Application->ProcessMessages();
        RemoveFolderTree(AnsiToWide(ExcludeTrailingPathDelimiter(scratch)));
    }

    AnsiString Write(const AnsiString& name, size_t size)
    {
        const AnsiString path = scratch + name;
        EXPECT_TRUE(WriteFileBytes(path, AnsiString(size, 'v'))) << path;
        return path;
    }
    AnsiString CopyOfTree(const AnsiString& name)
    {
        CopyFolderTree(IncludeTrailingPathDelimiter(PythonTreeFolder()), scratch + name + "\\");
        return scratch + name;
    }
    // "Wipe out" with the boxes answered; the texts of the boxes.
    std::vector<AnsiString> Run(TBoxAnswer answer = YesToAll)
    {
        TBoxAnswerer answerer(std::move(answer), GetCurrentProcessId());
        form->btnShredClick(form->btnShred);
        return answerer.Texts();
    }
    TListItem* Row(int index) { return form->lv->GetItems()->GetItem(index); }
    int RowCount() { return form->lv->GetItems()->GetCount(); }
    bool ButtonsEnabled()
    {
        EXPECT_EQ(form->btnShred->GetEnabled(), form->btnRemove->GetEnabled());
        return form->btnShred->GetEnabled() && IsWindowEnabled(form->btnShred->GetHandle());
    }
    TKitTabSheet* Page() { return form->PageControl->GetActivePage(); }

    // No splash pause and no licence viewer while the window is made and shown.
    TQuietStartSandbox settings;
    AnsiString scratch;
    std::unique_ptr<TfrmMain> form;
};

struct TExpectedRow {
    AnsiString Caption, Files, Size, Path;
    int Image;
};

TEST_F(MainWindow, RowsAndTotalsShowWhatPythonMeasured)
{
    const AnsiString tree = PythonTreeFolder();
    const TPythonMeasure& whole = PythonTreeMeasures[0];
    form->AddFileEntry(tree + "\\a.txt");
    form->AddFolderEntry(tree);
    form->AddFolderEntry(tree + "\\sub2");
    form->AddFolderEntry(tree + "\\nothing");
    // A folder given as a file (the command line without "/F").
    form->AddFileEntry(tree + "\\sub1");
    form->AddFileEntry(tree + "\\a.txt");
    form->ShowListTotals();

    const std::vector<TExpectedRow> expected = {
        {"a.txt", "1", "1000 B", tree + "\\", 0},
        {ExtractFileName(tree), IntToStr(whole.Files), SizeToText(whole.Bytes), tree, 1},
        {"sub2", "0", "0 B", tree + "\\sub2", 1},
        {"nothing", "0", "0 B", tree + "\\nothing", 1},
        {"sub1", "1", "0 B", tree + "\\", 0},
        {"a.txt", "1", "1000 B", tree + "\\", 0},
    };
    ASSERT_EQ(RowCount(), static_cast<int>(expected.size()));
    for (int i = 0; i < RowCount(); ++i) {
        const TExpectedRow& e = expected[static_cast<size_t>(i)];
        EXPECT_EQ(Row(i)->GetCaption(), e.Caption) << i;
        EXPECT_EQ(Row(i)->GetSubItems()->GetStrings(0), e.Files) << i;
        EXPECT_EQ(Row(i)->GetSubItems()->GetStrings(1), e.Size) << i;
        EXPECT_EQ(Row(i)->GetSubItems()->GetStrings(2), e.Path) << i;
        EXPECT_EQ(Row(i)->GetImageIndex(), e.Image) << i;
        EXPECT_TRUE(Row(i)->GetChecked()) << i;
    }
    EXPECT_EQ(WideToAnsi(form->laFiles->GetCaption()), IntToStr(1 + whole.Files + 1 + 1));
    EXPECT_EQ(WideToAnsi(form->laSize->GetCaption()), SizeToText(1000 + whole.Bytes + 1000));
    EXPECT_TRUE(ButtonsEnabled());
}

TEST_F(MainWindow, UncheckingEveryRowDisablesTheButtonsAndClearListAsksFirst)
{
    form->AddFileEntry(Write("one.txt", 10));
    form->AddFileEntry(Write("two.txt", 20));
    form->ShowListTotals();
    ASSERT_TRUE(ButtonsEnabled());
    Row(0)->SetChecked(false);
    EXPECT_TRUE(ButtonsEnabled());
    Row(1)->SetChecked(false);
    EXPECT_FALSE(ButtonsEnabled());
    EXPECT_EQ(RowCount(), 2);
    Row(1)->SetChecked(true);
    EXPECT_TRUE(ButtonsEnabled());

    {
        TBoxAnswerer answerer([](const AnsiString&) { return IDNO; }, GetCurrentProcessId());
        form->btnRemoveClick(form->btnRemove);
        EXPECT_EQ(answerer.Texts(), std::vector<AnsiString>{Text("sClear_Info")});
    }
    EXPECT_EQ(RowCount(), 2);
    EXPECT_EQ(WideToAnsi(form->laFiles->GetCaption()), "2");
    {
        TBoxAnswerer answerer(YesToAll, GetCurrentProcessId());
        form->btnRemoveClick(form->btnRemove);
    }
    EXPECT_EQ(RowCount(), 0);
    EXPECT_FALSE(ButtonsEnabled());
    EXPECT_EQ(WideToAnsi(form->laFiles->GetCaption()), "0");
    EXPECT_EQ(WideToAnsi(form->laSize->GetCaption()), "0 B");
    EXPECT_TRUE(FileExists(scratch + "one.txt"));
}

TEST_F(MainWindow, DecliningTheConfirmationChangesNothing)
{
    const AnsiString file = Write("keep.txt", 100);
    form->AddFileEntry(file);
    TKitTabSheet* before = Page();
    const std::vector<AnsiString> texts = Run([](const AnsiString&) { return IDNO; });
    EXPECT_EQ(texts, std::vector<AnsiString>{Text("sShred_Info")});
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(RowCount(), 1);
    EXPECT_EQ(Page(), before);
    EXPECT_TRUE(ButtonsEnabled());
}

TEST_F(MainWindow, TwoFileRowsWhereOnlyTheFirstFailsEndOnTheFinishedPage)
{
    const AnsiString missing = scratch + "missing.txt";
    const AnsiString present = Write("present.txt", 5000);
    form->AddFileEntry(missing);
    form->AddFileEntry(present);
    EXPECT_EQ(Run(), std::vector<AnsiString>{Text("sShred_Info")});
    EXPECT_EQ(Page(), form->TabSheet11);
    EXPECT_FALSE(FileExists(present));
    EXPECT_EQ(form->LastFileResult, 0);
    EXPECT_EQ(RowCount(), 0);
    EXPECT_FALSE(ButtonsEnabled());
    EXPECT_EQ(WideToAnsi(form->laFiles->GetCaption()), "0");
    EXPECT_FALSE(form->lblShredFile->GetVisible());
}

TEST_F(MainWindow, AFileHeldOpenElsewhereEndsOnTheErrorPageWithItsPathEvenBeforeAFolderRow)
{
    const AnsiString held = Write("held.txt", 300);
    HANDLE h = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    const AnsiString folder = CopyOfTree("tree");
    form->AddFileEntry(held);
    form->AddFolderEntry(folder);
    Run();
    CloseHandle(h);
    EXPECT_EQ(Page(), form->TabSheet9);
    EXPECT_EQ(WideToAnsi(form->lblec->GetCaption()), "Wiping out failed!");
    EXPECT_EQ(WideToAnsi(form->lblfailedfile->GetCaption()), held);
    EXPECT_EQ(GetFileSize64(held), 300);
    EXPECT_FALSE(DirectoryExists(folder));
    EXPECT_EQ(RowCount(), 0);
}

TEST_F(MainWindow, UncheckedRowsAreKeptAndAnEmptyFolderRowRemovesTheFolder)
{
    const AnsiString kept = Write("kept.txt", 50);
    const AnsiString empty = scratch + "empty";
    CreateDir(empty);
    form->AddFileEntry(kept);
    form->AddFolderEntry(empty);
    Row(0)->SetChecked(false);
    EXPECT_EQ(Run(), std::vector<AnsiString>{Text("sShred_Info")});
    EXPECT_EQ(Page(), form->TabSheet11);
    EXPECT_TRUE(FileExists(kept));
    EXPECT_FALSE(DirectoryExists(empty));
    EXPECT_EQ(form->LastFileResult, 0);
    EXPECT_EQ(RowCount(), 0);
}

// Recorded from inside the run: what the Wiping page shows at each progress event.
struct TProgressShown {
    int Current, Total, CurrentBar, TotalBar;
    AnsiString CurrentText, TotalText;
};

TEST_F(MainWindow, TheBarsAndPercentLabelsFollowEveryProgressEvent)
{
    form->AddFileEntry(Write("big.bin", 1 << 20));
    std::vector<TProgressShown> shown;
    const TVariruvuProgressEvent bound = form->SafetyDelete->GetOnProgress();
    form->SafetyDelete->SetOnProgress(TVariruvuProgressEvent::FromFunction(
        [&](TObject* sender, uint8_t passCount, uint8_t percentWritten) {
            bound(sender, passCount, percentWritten);
            shown.push_back({percentWritten, passCount,
                             static_cast<int>(SendMessageA(form->cpProgBar->GetHandle(), PBM_GETPOS, 0, 0)),
                             static_cast<int>(SendMessageA(form->tpProgBar->GetHandle(), PBM_GETPOS, 0, 0)),
                             WideToAnsi(form->lblcppercent->GetCaption()), WideToAnsi(form->lbltppercent->GetCaption())});
        }));
    form->cbAlgorithm->SetItemIndex(sdmDoD);
    Run();
    ASSERT_GT(shown.size(), 7u);
    int lastTotal = 0;
    for (const TProgressShown& p : shown) {
        EXPECT_EQ(p.CurrentBar, p.Current);
        EXPECT_EQ(p.TotalBar, p.Total);
        EXPECT_EQ(p.CurrentText, IntToStr(p.Current) + " %");
        EXPECT_EQ(p.TotalText, IntToStr(p.Total) + " %");
        EXPECT_GE(p.Total, lastTotal);
        lastTotal = p.Total;
    }
    EXPECT_LT(shown.front().Total, 100);
    EXPECT_EQ(shown.back().Total, 100);
    EXPECT_EQ(shown.back().CurrentText, "100 %");
}

// The progress form is filled as the run goes and never shown.
TEST_F(MainWindow, TheProgressFormHoldsTheMethodTheFileAndTheProgressOfTheRun)
{
    auto progress = std::make_unique<Tfrmprogress>(nullptr);
    frmprogress = progress.get();
    form->AddFileEntry(Write("first.bin", 300000));
    form->AddFileEntry(Write("second.bin", 200000));
    form->cbAlgorithm->SetItemIndex(sdmDoD);
    Run();
    frmprogress = nullptr;
    EXPECT_EQ(Page(), form->TabSheet11);
    EXPECT_EQ(progress->lblSelectMethod->GetCaption(), L"DOD 5220.22-M ECE ( 7 Passes )");
    EXPECT_EQ(progress->lblSherdFile->GetCaption(), L"second.bin");
    EXPECT_EQ(progress->cpProgBar->GetPosition(), 100);
    EXPECT_EQ(progress->tpProgBar->GetPosition(), 100);
    EXPECT_FALSE(progress->GetVisible());
    EXPECT_FALSE(progress->HandleAllocated() && IsWindowVisible(progress->GetHandle()));
}

TEST_F(MainWindow, WithNoMethodChosenTheRunUsesDoDAndSaysSo)
{
    const AnsiString file = Write("nomethod.txt", 4096);
    form->AddFileEntry(file);
    form->cbAlgorithm->SetItemIndex(-1);
    Run();
    EXPECT_EQ(WideToAnsi(form->lblSelectMethod->GetCaption()), "DOD 5220.22-M ECE ( 7 Passes )");
    EXPECT_EQ(form->SafetyDelete->GetMethod(), sdmDoD);
    EXPECT_FALSE(FileExists(file));
    EXPECT_EQ(form->cbAlgorithm->GetItemIndex(), -1);
    // A chosen method is shown by its own name.
    form->AddFileEntry(Write("gutmann.txt", 10));
    form->cbAlgorithm->SetItemIndex(sdmGutmann);
    Run();
    EXPECT_EQ(WideToAnsi(form->lblSelectMethod->GetCaption()), "Gutmann ( 35 Passes )");
}

// A method picked in the box as a user picks it is described on the Settings,
// Files and Wiping pages at once.
TEST_F(MainWindow, PickingAMethodDescribesItOnEveryPageAtOnce)
{
    static constexpr const char* descriptions[] = {"sZero1Passes", "sDoD7Passes", "sGutmann35Passes"};
    HWND box = form->cbAlgorithm->GetHandle();
    for (int method : {sdmGutmann, sdmZero, sdmDoD}) {
        SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(method), 0);
        SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(box));
        const WideString described = GetLangConstant(descriptions[method]);
        for (TUniLabel* label : {form->lblcbAlgorithminfo, form->lblcbalgorithmethod, form->lblalgorithminfo2})
            EXPECT_EQ(label->GetCaption(), described) << method << " " << label->GetName();
    }
}

// What the window offers while the run is inside the engine.
struct TDuringRun {
    std::vector<bool> Enabled;
    bool CanClose = true;
    bool StillShown = false;
};

TEST_F(MainWindow, ARunHoldsTheWindowStillAndGivesItBackAtItsEnd)
{
    form->AddFileEntry(Write("first.bin", 200000));
    form->AddFileEntry(Write("second.bin", 200000));
    const std::vector<TControl*> held = {form->btnShred, form->btnRemove, form->btnAddFiles, form->btnAddFolders,
                                         form->lv,       form->cbLanguage, form->btnOK,       form->btnexit,
                                         form->meimg};
    std::vector<bool> before;
    for (TControl* c : held)
        before.push_back(c->GetEnabled());
    TDuringRun during;
    bool recorded = false;
    TBoxAnswerer answerer(YesToAll, GetCurrentProcessId());
    form->SafetyDelete->SetOnProgress(TVariruvuProgressEvent::FromFunction([&](TObject*, uint8_t, uint8_t) {
        if (recorded)
            return;
        recorded = true;
        for (TControl* c : held)
            during.Enabled.push_back(c->GetEnabled());
        during.CanClose = form->CloseQuery();
        // A second run asked for from inside the first, and a close request.
        form->btnShredClick(form->btnShred);
        SendMessageA(form->GetHandle(), WM_CLOSE, 0, 0);
        during.StillShown = IsWindowVisible(form->GetHandle()) != FALSE;
    }));
    form->btnShredClick(form->btnShred);

    ASSERT_TRUE(recorded);
    EXPECT_EQ(during.Enabled, std::vector<bool>(held.size(), false));
    EXPECT_FALSE(during.CanClose);
    EXPECT_TRUE(during.StillShown);
    // Only the one confirmation: the nested request started nothing.
    EXPECT_EQ(answerer.Texts(), std::vector<AnsiString>{Text("sShred_Info")});
    EXPECT_FALSE(FileExists(scratch + "second.bin"));
    EXPECT_EQ(Page(), form->TabSheet11);

    for (size_t i = 2; i < held.size(); ++i)
        EXPECT_EQ(held[i]->GetEnabled(), before[i]) << held[i]->GetName();
    EXPECT_TRUE(form->btnAddFiles->GetEnabled());
    EXPECT_FALSE(ButtonsEnabled());
    EXPECT_FALSE(form->RunInProgress);
    EXPECT_TRUE(form->CloseQuery());
}

// b holds two files; the run is stopped while the first is erased: b, a and the
// root each still try to go and say that they could not.
TEST_F(MainWindow, AbortDuringAFolderWalkStillTriesEveryFolderOnTheWay)
{
    const AnsiString root = scratch + "root";
    CreateDir(root);
    CreateDir(root + "\\a");
    CreateDir(root + "\\a\\b");
    CopyFileA((PythonTreeFolder() + "\\b.bin").c_str(), (root + "\\a\\b\\x.bin").c_str(), FALSE);
    CopyFileA((PythonTreeFolder() + "\\b.bin").c_str(), (root + "\\a\\b\\z.bin").c_str(), FALSE);
    form->AddFolderEntry(root);
    form->SafetyDelete->SetOnProgress(TVariruvuProgressEvent::FromFunction([&](TObject*, uint8_t, uint8_t) {
        if (!form->SafetyDelete->GetCanceled())
            form->btnAbortClick(form->btnAbort);
    }));
    const std::vector<AnsiString> texts = Run();
    const AnsiString notRemoved = Text("sMsg2");
    EXPECT_EQ(texts, (std::vector<AnsiString>{Text("sShred_Info"), Text("sSmashingAbort"),
                                              Format(notRemoved, root + "\\a\\b"), Format(notRemoved, root + "\\a"),
                                              Format(notRemoved, root)}));
    EXPECT_EQ(Page(), form->TabSheet10);
    EXPECT_NE(FileExists(root + "\\a\\b\\x.bin"), FileExists(root + "\\a\\b\\z.bin"));
    EXPECT_EQ(RowCount(), 0);
}

// The pages have no tabs: the side menu and the run switch them, one page on
// show at a time, in a white one-line frame, and a page switched to from a
// control on the old page gives its own first control the focus.
TEST_F(MainWindow, TheMenuAndTheRunShowOnePageAtATimeWithoutTabs)
{
    TKitPageControl* pages = form->PageControl;
    auto page = [&](const char* name) { return dynamic_cast<TKitTabSheet*>(form->FindComponent(name)); };
    auto shown = [&] {
        std::vector<TKitTabSheet*> visible;
        for (int i = 0; i < pages->GetPageCount(); ++i)
            if (pages->GetPages(i)->GetVisible() && IsWindowVisible(pages->GetPages(i)->GetHandle()))
                visible.push_back(pages->GetPages(i));
        return visible;
    };
    struct TEntry {
        void (TfrmMain::*Click)(TObject*);
        const char* Page;
    };
    for (const TEntry& e : {TEntry{&TfrmMain::btnsettingsClick, "TabSheet3"}, TEntry{&TfrmMain::btnhelpClick, "TabSheet4"},
                            TEntry{&TfrmMain::btnaboutClick, "TabSheet5"},
                            TEntry{&TfrmMain::btnrecommendationClick, "TabSheet7"},
                            TEntry{&TfrmMain::btnhomeClick, "TabSheet1"},
                            TEntry{&TfrmMain::btnfilesfoldersClick, "TabSheet2"}}) {
        (form.get()->*e.Click)(nullptr);
        Application->ProcessMessages();
        EXPECT_EQ(shown(), std::vector<TKitTabSheet*>{page(e.Page)}) << e.Page;
        EXPECT_EQ(pages->GetTabs()->GetCount(), 0) << e.Page;
        EXPECT_EQ(pages->GetTabIndex(), -1) << e.Page;
    }

    // The focus on the Files page's "Files" button moves with the switch to the Settings page's first control.
    form->btnAddFiles->SetFocus();
    form->btnsettingsClick(nullptr);
    TWinControl* first = page("TabSheet3")->FindNextControl(nullptr, true, true, false);
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->Focused()) << first->GetName();

    // A run started with "Wipe out" shows the Wiping page, then the Finished page with the focus on its button.
    form->btnfilesfoldersClick(nullptr);
    form->AddFileEntry(Write("gone.txt", 3000));
    form->btnShred->SetFocus();
    std::vector<TKitTabSheet*> during;
    form->SafetyDelete->SetOnProgress(
        TVariruvuProgressEvent::FromFunction([&](TObject*, uint8_t, uint8_t) { during = shown(); }));
    Run();
    EXPECT_EQ(during, std::vector<TKitTabSheet*>{form->TabSheet8});
    EXPECT_EQ(shown(), std::vector<TKitTabSheet*>{form->TabSheet11});
    TWinControl* finished = form->TabSheet11->FindNextControl(nullptr, true, true, false);
    ASSERT_TRUE(finished);
    EXPECT_TRUE(finished->Focused()) << finished->GetName();

    // The frame is white to its last pixel; inside it the page's colour.
    const int w = pages->GetWidth(), h = pages->GetHeight();
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(dc, bitmap);
    pages->PaintTo(dc, 0, 0);
    int frame = 0;
    for (int x = 0; x < w; ++x)
        frame += (GetPixel(dc, x, 0) == RGB(255, 255, 255)) + (GetPixel(dc, x, h - 1) == RGB(255, 255, 255));
    for (int y = 0; y < h; ++y)
        frame += (GetPixel(dc, 0, y) == RGB(255, 255, 255)) + (GetPixel(dc, w - 1, y) == RGB(255, 255, 255));
    EXPECT_EQ(frame, 2 * w + 2 * h);
    for (TPoint p : {TPoint(1, 1), TPoint(w - 2, h - 2), TPoint(w - 2, 1), TPoint(1, h - 2)})
        EXPECT_EQ(GetPixel(dc, p.x, p.y), static_cast<COLORREF>(0xFFFBF0)) << p.x << "," << p.y;
    EXPECT_EQ(form->TabSheet11->GetBoundsRect(), TRect(1, 1, w - 1, h - 1));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

}  // namespace
