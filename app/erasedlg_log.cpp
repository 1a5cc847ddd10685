// The main window's HTML log: written from the list and the captions on show,
// and opened from the "Log file" buttons.
#include "app/erasedlg.h"
#include "app/htmllog.h"
#include "app/messageboxes.h"
#include "app/programversion.h"
#include "classlib/SysUtils.h"
#include <shellapi.h>

bool TfrmMain::WriteHtmlLog(TCustomListView* list, const AnsiString& fileName, bool centerHeaders)
{
    THtmlLogTexts texts;
    texts.LastUsedLabel = UniLabel30->GetCaption();
    texts.VersionLabel = UniLabel23->GetCaption();
    texts.Version = AnsiToWide(GetProgramVersion());
    texts.ProgramDate = lblprogdate->GetCaption();
    texts.AuthorLabel = UniLabel24->GetCaption();
    texts.Author = lblAuthor->GetCaption();
    texts.MethodLabel = UniLabel18->GetCaption();
    texts.Method = cbAlgorithm->GetText();
    texts.MethodInfoLabel = UniLabel20->GetCaption();
    texts.MethodInfo = lblcbAlgorithminfo->GetCaption();
    return ::WriteHtmlLog(list, fileName, centerHeaders, texts);
}

void TfrmMain::btnLogFileClick(TObject*)
{
    const AnsiString log = LogFileName();
    if (!FileExists(log)) {
        ShowMessageConstant("sNologavailable", MB_ICONINFORMATION);
        return;
    }
    ShellExecuteA(GetHandle(), "open", log.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}
