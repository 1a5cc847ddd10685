// The erase run: every checked row of the list, a file by one call of the
// engine, a folder by a walk that erases its files and removes its folders.
#include "app/erasedlg.h"
#include "app/htmllog.h"
#include "app/linkguard.h"
#include "app/listsizes.h"
#include "app/messageboxes.h"
#include "app/progressdlg.h"
#include "app/runlock.h"
#include "app/settingsstore.h"
#include "classlib/FileSearch.h"
#include "classlib/SysUtils.h"
#include "lang/LangManager.h"

namespace {

// The posted request to erase the command line's path once the window is on screen.
constexpr UINT WM_START_RUN = WM_APP + 1;

}  // namespace

// With no method chosen (neither the system language nor config.ini chose one)
// the run uses DoD, the method the program itself makes the default.
int TfrmMain::RunMethodIndex() const
{
    const int index = cbAlgorithm->GetItemIndex();
    return index >= sdmZero && index <= sdmGutmann ? index : static_cast<int>(sdmDoD);
}

void TfrmMain::btnShredClick(TObject*)
{
    if (RunInProgress)
        return;
    MessageBeep(0);
    if (!ConfirmedByUser("sShred_Info"))
        return;
    {
        TRunLock lock(RunInProgress,
                      {btnShred, btnRemove, btnAddFiles, btnAddFolders, lv, cbLanguage, btnOK, btnexit, meimg});
        PageControl->SetActivePage(TabSheet8);
        RecordEraseStart(cbAlgorithm->GetItemIndex());
        const int method = RunMethodIndex();
        lblSelectMethod->SetCaption(cbAlgorithm->GetItems()->Get(method));
        if (frmprogress)
            frmprogress->lblSelectMethod->SetCaption(lblSelectMethod->GetCaption());
        lblShredFile->SetVisible(true);
        SafetyDelete->SelectMethod(static_cast<TVariruvuMethod>(method));
        LastFileResult = 0;
        TUniListItems* rows = lv->GetItems();
        const int count = rows->GetCount();
        for (int i = 0; i < count; ++i) {
            TUniListItem* row = rows->GetItem(i);
            if (!row->GetChecked() || SafetyDelete->GetCanceled())
                continue;
            lblShredFile->SetCaption(row->GetCaption());
            if (frmprogress)
                frmprogress->lblSherdFile->SetCaption(row->GetCaption());
            lblec->SetCaption(GetLangConstant("sEc"));
            if (row->GetImageIndex() == 0) {
                const WideString shown = row->GetSubItems()->Get(2) + row->GetCaption();
                lblfailedfile->SetCaption(shown);
                const AnsiString path = WideToAnsi(shown);
                // A linked file is never opened for writing: it counts as a file that could not be.
                LastFileResult = ChosenPathLeadsOutside(path) ? 1 : SafetyDelete->ShredFile(path);
            } else {
                const AnsiString folder = WideToAnsi(row->GetSubItems()->Get(2));
                if (ChosenPathLeadsOutside(folder))
                    ReportFolderLeft(folder);
                else
                    ShredFolder(folder);
            }
        }
        if (SafetyDelete->GetCanceled()) {
            PageControl->SetActivePage(TabSheet10);
        } else {
            if (frmprogress)
                frmprogress->Close();
            PageControl->SetActivePage(TabSheet11);
            WriteHtmlLog(lv, LogFileName(), true);  // every row still listed
        }
        if (LastFileResult != 0)
            PageControl->SetActivePage(TabSheet9);
        rows->Clear();
    }
    lblShredFile->SetVisible(false);
    btnShred->SetEnabled(false);
    btnRemove->SetEnabled(false);
    FileCount = 0;
    TotalSize = 0;
    ShowListTotals();
}

// A linked entry is skipped and reported as not erased: the walk never leaves the
// folder, and on this platform removing the link could reach what it points to.
// A folder the walk cannot list (no rights, too long a path, not a folder at
// all) is reported as left behind, as one it cannot remove.
void TfrmMain::ShredFolder(const AnsiString& Path)
{
    if (SafetyDelete->GetCanceled())
        return;
    bool listed = false;
    try {
        listed = ShredFolderEntries(Path);
    } catch (...) {
        RemoveWalkedFolder(Path);
        throw;
    }
    if (listed)
        RemoveWalkedFolder(Path);
    else
        ReportFolderLeft(Path);
}

// Erases the folder's files and walks its sub-folders; false when the folder
// could not be listed. The search is closed on return, before the folder goes.
bool TfrmMain::ShredFolderEntries(const AnsiString& Path)
{
    // The message names the file with its folder's delimiter, so the path it shows is the file's.
    const AnsiString folder = IncludeTrailingPathDelimiter(Path);
    const AnsiString msgFile = MessageText("sMsg");
    TFileSearch search(folder + "*");
    if (!search.Found())
        return false;
    const WideString resolvedFolder = ResolvedPath(Path);
    do {
        const AnsiString name = search.Name();
        if (!IsNotDotEntry(name))
            continue;
        if (LeadsOutside(Path, resolvedFolder, search.Data())) {
            ReportLeft(Format(msgFile, folder, name));
        } else if (search.IsFolder()) {
            ShredFolder(folder + name);
        } else {
            lblShredFile->SetCaption(AnsiToWide(name));
            if (SafetyDelete->ShredFile(folder + name) != 0)
                ReportLeft(Format(msgFile, folder, name));
        }
    } while (!SafetyDelete->GetCanceled() && search.Next());
    return true;
}

void TfrmMain::RemoveWalkedFolder(const AnsiString& Path)
{
    if (!RemoveDir(Path))
        ReportFolderLeft(Path);
}

void TfrmMain::ReportFolderLeft(const AnsiString& Path)
{
    ReportLeft(Format(MessageText("sMsg2"), Path));
}

// Items left behind inside a walk are told one box each; they never lead to the Error page.
void TfrmMain::ReportLeft(const AnsiString& text)
{
    MessageDlg(text, mtInformation, TMsgDlgButtons{mbOK});
}

void TfrmMain::btnAbortClick(TObject*)
{
    if (ConfirmedByUser("sSmashingAbort"))
        SafetyDelete->Cancel();
}

void TfrmMain::SafetyDeleteProgress(TObject*, uint8_t PassCount, uint8_t PercentWritten)
{
    cpProgBar->SetPosition(PercentWritten);
    tpProgBar->SetPosition(PassCount);
    lblcppercent->SetCaption(AnsiToWide(IntToStr(cpProgBar->GetPosition()) + " %"));
    lbltppercent->SetCaption(AnsiToWide(IntToStr(tpProgBar->GetPosition()) + " %"));
    if (frmprogress) {
        frmprogress->cpProgBar->SetPosition(PercentWritten);
        frmprogress->tpProgBar->SetPosition(PassCount);
    }
}

void TfrmMain::SafetyDeleteCompleted(TObject*)
{
    FileCount = 0;
    TotalSize = 0;
    ShowListTotals();
}

// A run in progress holds the program open; it ends on its own page or by Abort.
void TfrmMain::FormCloseQuery(TObject*, bool& CanClose)
{
    CanClose = !RunInProgress;
}

void TfrmMain::StartRunWhenShown()
{
    PostMessageA(GetHandle(), WM_START_RUN, 0, 0);
}

void TfrmMain::WndProc(TMessage& message)
{
    if (message.Msg == WM_START_RUN)
        btnShredClick(btnShred);
    else
        TForm::WndProc(message);
}
