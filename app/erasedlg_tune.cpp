// The flag on the Settings page: the language's tune, written to the scratch
// folder of the program folder and played from there.
#include "app/erasedlg.h"
#include "app/languagetune.h"
#include "app/messageboxes.h"
#include "app/programfolder.h"
#include "app/systemops.h"
#include "classlib/SysUtils.h"

void TfrmMain::ImageFlagClick(TObject*)
{
    // The scratch folder is the program's, never one of the current directory.
    ExeDir = ProgramFolder();
    const AnsiString scratch = ScratchFolder();
    DeleteFolderTree(scratch);
    // A tune still playing holds its file, and so its folder, from a click before.
    const AnsiString folder = ExcludeTrailingPathDelimiter(scratch);
    if (!CreateDir(folder)) {
        const DWORD error = GetLastError();
        if (!DirectoryExists(folder))
            throw EInOutError(error, L"I/O error " + AnsiToWide(IntToStr(static_cast<int>(error))) + L": " +
                                         SysErrorMessage(error));
    }
    panLeft->SetEnabled(false);
    cbLanguage->SetEnabled(false);
    const int index = cbLanguage->GetItemIndex();
    const AnsiString tune = TuneName(index);
    if (tune.empty()) {
        if (index == 3)
            ShowMessageConstant("sNotavailableapplicationinHungarian", MB_ICONINFORMATION);
        cbLanguage->SetEnabled(true);
        panLeft->SetEnabled(true);
        return;
    }
    // The way on from a playing tune is Settings OK, which stops it and restarts the program.
    const AnsiString fileName = scratch + tune + ".mid";
    SaveTuneResource("SOUNDS", tune, fileName);
    SendTuneCommand("play", fileName);
}
