// The Files page: the list of what the next erase run destroys, its totals and buttons.
#include "app/erasedlg.h"
#include "app/listsizes.h"
#include "app/messageboxes.h"
#include "app/sizetext.h"
#include "classlib/FolderBrowser.h"
#include "classlib/SysUtils.h"

void TfrmMain::btnAddFilesClick(TObject*)
{
    AddFilesFromDialog();
}

void TfrmMain::btnAddFoldersClick(TObject*)
{
    AddFolderFromDialog();
}

void TfrmMain::AddFilesFromDialog()
{
    if (od->Execute()) {
        TUniStrings* files = od->GetFiles();
        for (int i = 0; i < files->GetCount(); ++i)
            AddFileEntry(WideToAnsi(files->Get(i)));
    }
    ShowListTotals();
}

void TfrmMain::AddFolderFromDialog()
{
    AnsiString path;
    if (BrowseForFolder(GetHandle(), MessageText("sSelectafoldertoshred"), path))
        AddFolderEntry(path);
    ShowListTotals();
}

// Rows are not checked for duplicates: a file added twice is listed and counted twice.
void TfrmMain::AddFileEntry(const AnsiString& path)
{
    const int64_t size = GetFileSize64(path);
    TUniListItem* row = lv->GetItems()->Add();
    row->SetCaption(AnsiToWide(ExtractFileName(path)));
    TWideSubItems* columns = row->GetSubItems();
    columns->Add(L"1");
    columns->Add(AnsiToWide(SizeToText(size)));
    columns->Add(AnsiToWide(ExtractFilePath(path)));
    row->SetImageIndex(0);
    row->SetChecked(true);
    FileCount += 1;
    TotalSize += size;
}

void TfrmMain::AddFolderEntry(const AnsiString& path)
{
    int32_t count = 0;
    int64_t bytes = 0;
    CountFolder(path, AnsiString(), count, bytes);
    TUniListItem* row = lv->GetItems()->Add();
    row->SetCaption(AnsiToWide(ExtractFileName(path)));
    TWideSubItems* columns = row->GetSubItems();
    columns->Add(AnsiToWide(IntToStr(count)));
    columns->Add(AnsiToWide(SizeToText(bytes)));
    columns->Add(AnsiToWide(path));
    row->SetImageIndex(1);
    row->SetChecked(true);
    FileCount += count;
    TotalSize += bytes;
}

void TfrmMain::ShowListTotals()
{
    laFiles->SetCaption(AnsiToWide(IntToStr(FileCount)));
    laSize->SetCaption(AnsiToWide(SizeToText(TotalSize)));
}

void TfrmMain::btnRemoveClick(TObject*)
{
    if (!ConfirmedByUser("sClear_Info"))
        return;
    lv->GetItems()->Clear();
    btnShred->SetEnabled(false);
    btnRemove->SetEnabled(false);
    FileCount = 0;
    TotalSize = 0;
    ShowListTotals();
}

// "Wipe out" and "Clear list" only while a row is checked. During a run the run
// holds both buttons; a change of the list it is walking must not free them.
void TfrmMain::lvChange(TObject*, TListItem*, TItemChange)
{
    if (RunInProgress)
        return;
    bool anyChecked = false;
    TUniListItems* rows = lv->GetItems();
    for (int i = 0; i < rows->GetCount() && !anyChecked; ++i)
        anyChecked = rows->GetItem(i)->GetChecked();
    btnShred->SetEnabled(anyChecked);
    btnRemove->SetEnabled(anyChecked);
}
