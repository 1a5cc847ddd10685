#include "app/erasedlg.h"

#include "app/commandline.h"
#include "app/programfolder.h"
#include "app/specialfolders.h"
#include "app/systemops.h"
#include "classlib/SysUtils.h"
#include "lang/LangManager.h"
#include <shellapi.h>
#include <shlobj.h>

VARIRUVU_CLASS_INFO(TfrmMain, TForm)
{
    info.Method("FormCreate", &TfrmMain::FormCreate);
    info.Method("FormShow", &TfrmMain::FormShow);
    info.Method("FormClose", &TfrmMain::FormClose);
}

TfrmMain::TfrmMain(TComponent* AOwner) : TForm(AOwner)
{
    RegisterClasses({&TSafetyDelete::ClassInfo(), &Tquonoslang::ClassInfo()});
    LoadForm();
}

// A component the form resource must hold; a missing one is a broken build.
namespace {

// German, English, Hungarian, Ukrainian and Czech: the languages the program ships.
bool IsExpectedSystemLanguage(uint16_t langID)
{
    return langID == 1031 || langID == 1033 || langID == 1038 || langID == 1058 || langID == 1029;
}

}  // namespace

template <class T>
T* TfrmMain::Part(const char* name)
{
    T* part = dynamic_cast<T*>(FindComponent(name));
    if (!part)
        throw Exception(L"The main window lacks its component " + AnsiToWide(name));
    return part;
}

void TfrmMain::FormCreate(TObject*)
{
    SafetyDelete = Part<TSafetyDelete>("SafetyDelete");
    oslang = Part<Tquonoslang>("oslang");

    const TStartRequest request = ParseCommandLine(ProgramArguments());
    StartPath = request.StartPath;
    StartAsFolder = request.StartAsFolder;
    ExeDir = ProgramFolder();
    // The open dialog starts in GetSpecialFolderPath(CSIDL_APPDATA), and lblver and
    // lblvers show GetProgramVersion(), once the form holds od and the labels.
    LangManager()->AddLangFilesFromFolder(AnsiToWide(ExeDir + "languages"), L"*.lng", false);
    // cbLanguage lists the manager's languages here, once the form holds it.
    if (IsExpectedSystemLanguage(oslang->GetLangID()))
        LangManager()->SelectLanguage(GetSystemDefaultLangID());
    // With one of the expected languages cbAlgorithm also starts on sdmDoD.
    // CloseSplashIfShown: the splash window's five-second pause ends here.
    // ReadConfigFile: the stored language, method, last use and boxes override the defaults above.
    DeleteUpdateLeftovers();
    FileCount = 0;
    TotalSize = 0;
    CheckProgramFiles();
    // SaveRegistrySettings: the registry mirror of the settings.
}

void TfrmMain::FormShow(TObject*)
{
    DeleteFolderTree(ScratchFolder());
    // ShowAgreementIfChosen: the licence viewer, when the settings ask for it.
    // LoadSkin: the pictures and icons of the images and icons folders.
    // ShowMethodInfo fills the method descriptions, once the form holds their labels.
    Application->SetTitle("Clearvane");
    SetCaption("QUON Variruvu");
    // lblprogdate := " - 12.08.2014"; TabSheet1 with btnhome in bold; cbLanguage on the current
    // language; Donate and the recommended links by system language: once the form holds them.
    ExeDir = ProgramFolder();
    // ImageFlag of the language index, once the form holds it.
    // The update check of the language index (OfferUpdateEn ... OfferUpdateUk).
    // A path from the command line: AddFolderEntry or AddFileEntry, then btnShredClick; then ShowListTotals.
}

void TfrmMain::FormClose(TObject*, TCloseAction&)
{
    // ShutdownWindows(EWX_SHUTDOWN) when cbShutdown is checked, once the form holds it.
    // EnsureDataFolders, WriteConfigFile, SaveRegistrySettings: the settings store.
}

void TfrmMain::RestartProgram()
{
    ShellExecuteA(GetHandle(), "open", ProgramFileName().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    Close();
}

// The update component's settings and log live in the application-data folder;
// an older layout kept config.ini in the documents folder.
void TfrmMain::DeleteUpdateLeftovers()
{
    const AnsiString appData = GetShellFolderPath(CSIDL_APPDATA);
    DeleteFile(appData + "nupdate.ini");
    DeleteFile(appData + "nupdate.log");
    DeleteFile(GetShellFolderPath(CSIDL_PERSONAL) + "Clearvane\\AppData\\config.ini");
}
