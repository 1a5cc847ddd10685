// The main window's settings: config.ini and the registry records as the
// window's controls show them, and the handlers of the Settings page and of
// the shutdown box.
#include "app/datafolders.h"
#include "app/erasedlg.h"
#include "app/htmllog.h"
#include "app/languagetune.h"
#include "app/messageboxes.h"
#include "app/productinfo.h"
#include "app/programfolder.h"
#include "app/registrysettings.h"
#include "app/settingsstore.h"
#include "app/systemops.h"
#include "classlib/IniFiles.h"
#include "classlib/SysUtils.h"
#include "lang/LangManager.h"

void TfrmMain::WriteConfigFile()
{
    TConfigSettings settings;
    settings.Info = WideToAnsi(lblaboutinfo->GetCaption());
    settings.Splash = cbSplash->GetChecked();
    settings.License = cbLicRun->GetChecked();
    settings.ContextMenu = cbCntxMn->GetChecked();
    settings.AutoRun = cbRunWindows->GetChecked();
    settings.EraseMethod = cbAlgorithm->GetItemIndex();
    settings.Language = LangManager()->GetCurrentLangID();
    WriteConfigSettings(settings);
}

bool TfrmMain::WriteConfigFileBeforeLeaving()
{
    try {
        WriteConfigFile();
        return true;
    } catch (const EIniFileException&) {
        // Escaping from the close or Exit handler would abandon the way out,
        // and every later attempt would fail the same way.
        Application->HandleException(this);
        return false;
    }
}

void TfrmMain::ReadConfigFile()
{
    TStoredChoices defaults;
    defaults.Language = LangManager()->GetCurrentLangID();
    defaults.EraseMethod = cbAlgorithm->GetItemIndex();
    defaults.AutoRun = cbRunWindows->GetChecked();
    defaults.ContextMenu = cbCntxMn->GetChecked();
    const TStoredChoices stored = ReadStoredChoices(defaults);
    LangManager()->SelectLanguage(stored.Language);
    cbAlgorithm->SetItemIndex(stored.EraseMethod);
    lbllutime->SetCaption(AnsiToWide(stored.LastApply));
    cbRunWindows->SetChecked(stored.AutoRun);
    // Checking the box from here registers the Explorer verb through its click handler.
    cbCntxMn->SetChecked(stored.ContextMenu);
}

void TfrmMain::ClearLastApply()
{
    if (cbdellastapply->GetChecked())
        EmptyLastApply();
}

void TfrmMain::SaveRegistrySettings()
{
    TRegistryMirror mirror;
    mirror.EraseMethod = cbAlgorithm->GetItemIndex();
    mirror.ProgVers = WideToAnsi(lblver->GetCaption());
    mirror.Language = LangManager()->GetCurrentLangID();
    mirror.ShowSplash = cbSplash->GetChecked();
    mirror.ContextMenu = cbCntxMn->GetChecked();
    WriteRegistryMirror(mirror);
}

void TfrmMain::UpdateRunEntry()
{
    if (cbRunWindows->GetChecked())
        AddRunEntry(ProgramName, ProgramFileName());
    else
        RemoveRunEntry(ProgramName);
}

void TfrmMain::cbLanguageClick(TObject*)
{
    EnsureDataFolders();
    WriteMethodChoice(cbAlgorithm->GetItemIndex());
    // The log of the last run is in the language it was written in.
    DeleteFile(LogFileName());
}

void TfrmMain::cbLanguageChange(TObject*)
{
    LangManager()->SelectLanguage(LangManager()->GetLanguageIDByIndex(cbLanguage->GetItemIndex()));
    EnsureDataFolders();
    lblprogdate->SetCaption(AnsiToWide(ProgramDate));
    // Retranslating rewrites the method box's entries; the stored method comes back.
    cbAlgorithm->SetItemIndex(ReadEraseMethod(cbAlgorithm->GetItemIndex()));
    ImageFlag->SetEnabled(true);
    LoadLanguageFlag();
    ShowMethodInfo();
    // ShowListTotals: the list's count and size in the new language.
}

void TfrmMain::cbAlgorithmClick(TObject*)
{
    EnsureDataFolders();
    WriteMethodChoice(cbAlgorithm->GetItemIndex());
    WriteMirrorEraseMethod(cbAlgorithm->GetItemIndex());
    ShowMethodInfo();
}

void TfrmMain::cbCntxMnClick(TObject*)
{
    if (cbCntxMn->GetChecked())
        RegisterContextMenu();
    else
        UnregisterContextMenu();
}

void TfrmMain::cbShutdownClick(TObject*)
{
    TFont* font = cbShutdown->GetFont();
    if (cbShutdown->GetChecked()) {
        ShowMessageConstant("sTurnoff", MB_ICONINFORMATION);
        font->SetName("Times New Roman");
        font->SetSize(9);
        font->SetStyle(TFontStyles{fsBold});
    } else {
        font->SetName("Tahoma");
        font->SetSize(8);
        font->SetStyle(TFontStyles{});
    }
}

void TfrmMain::StopLanguageTune()
{
    if (const AnsiString tune = TuneFileName(cbLanguage->GetItemIndex()); !tune.empty()) {
        const AnsiString fileName = ScratchFolder() + tune;
        SendTuneCommand("stop", fileName);
        SendTuneCommand("close", fileName);
        DeleteFile(fileName);
    }
}

void TfrmMain::btnOKClick(TObject*)
{
    EnsureDataFolders();
    ExeDir = ProgramFolder();
    DeleteFolderTree(ScratchFolder());
    ClearLastApply();
    UpdateRunEntry();
    ShowMessageConstant("sSaveSettings", MB_ICONINFORMATION);
    StopLanguageTune();
    updateimg->SetEnabled(true);
    cbLanguage->SetEnabled(true);
    cbShutdown->SetEnabled(true);
    RemoveDir(ScratchFolder());
    WriteConfigFile();
    SaveRegistrySettings();
    RestartProgram();
}
