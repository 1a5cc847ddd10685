#include "app/erasedlg.h"

#include "app/commandline.h"
#include "app/datafolders.h"
#include "app/formclasses.h"
#include "app/linktargets.h"
#include "app/messageboxes.h"
#include "app/productinfo.h"
#include "app/programfolder.h"
#include "app/programversion.h"
#include "app/restarthandover.h"
#include "app/specialfolders.h"
#include "app/systemops.h"
#include "classlib/ImgList.h"
#include "classlib/SysUtils.h"
#include "lang/LangManager.h"
#include "unicode_controls/UniForms.h"
#include <shellapi.h>
#include <shlobj.h>

VARIRUVU_CLASS_INFO(TfrmMain, TForm)
{
    info.Method("FormCreate", &TfrmMain::FormCreate);
    info.Method("FormShow", &TfrmMain::FormShow);
    info.Method("FormClose", &TfrmMain::FormClose);
    info.Method("btnhomeClick", &TfrmMain::btnhomeClick);
    info.Method("btnfilesfoldersClick", &TfrmMain::btnfilesfoldersClick);
    info.Method("btnsettingsClick", &TfrmMain::btnsettingsClick);
    info.Method("btnhelpClick", &TfrmMain::btnhelpClick);
    info.Method("btnaboutClick", &TfrmMain::btnaboutClick);
    info.Method("btndonateClick", &TfrmMain::btndonateClick);
    info.Method("btnrecommendationClick", &TfrmMain::btnrecommendationClick);
    info.Method("btnexitClick", &TfrmMain::btnexitClick);
    info.Method("cbLanguageClick", &TfrmMain::cbLanguageClick);
    info.Method("cbLanguageChange", &TfrmMain::cbLanguageChange);
    info.Method("cbAlgorithmClick", &TfrmMain::cbAlgorithmClick);
    info.Method("cbCntxMnClick", &TfrmMain::cbCntxMnClick);
    info.Method("cbShutdownClick", &TfrmMain::cbShutdownClick);
    info.Method("btnOKClick", &TfrmMain::btnOKClick);
    info.Method("btnLogFileClick", &TfrmMain::btnLogFileClick);
    info.Method("btnHelpMainClick", &TfrmMain::btnHelpMainClick);
    info.Method("btnlicenseClick", &TfrmMain::btnlicenseClick);
    info.Method("btnbighelpClick", &TfrmMain::btnbighelpClick);
    info.Method("FormCloseQuery", &TfrmMain::FormCloseQuery);
    info.Method("btnAddFilesClick", &TfrmMain::btnAddFilesClick);
    info.Method("btnAddFoldersClick", &TfrmMain::btnAddFoldersClick);
    info.Method("btnRemoveClick", &TfrmMain::btnRemoveClick);
    info.Method("lvChange", &TfrmMain::lvChange);
    info.Method("btnShredClick", &TfrmMain::btnShredClick);
    info.Method("btnAbortClick", &TfrmMain::btnAbortClick);
    info.Method("SafetyDeleteProgress", &TfrmMain::SafetyDeleteProgress);
    info.Method("SafetyDeleteCompleted", &TfrmMain::SafetyDeleteCompleted);
    info.Method("ImageFlagClick", &TfrmMain::ImageFlagClick);
    info.Method("fspantopimgClick", &TfrmMain::fspantopimgClick);
    info.Method("contactimgClick", &TfrmMain::contactimgClick);
    info.Method("likeimgClick", &TfrmMain::likeimgClick);
    info.Method("BackgLinkedInClick", &TfrmMain::BackgLinkedInClick);
    info.Method("BackgFacebookClick", &TfrmMain::BackgFacebookClick);
    info.Method("BackgMySpaceClick", &TfrmMain::BackgMySpaceClick);
    info.Method("BackgTwitterClick", &TfrmMain::BackgTwitterClick);
    info.Method("pbimgClick", &TfrmMain::pbimgClick);
    info.Method("pspadimgClick", &TfrmMain::pspadimgClick);
    info.Method("btnpaypalClick", &TfrmMain::btnpaypalClick);
    info.Method("mailimgClick", &TfrmMain::mailimgClick);
    info.Method("btnbankClick", &TfrmMain::btnbankClick);
}

TfrmMain::TfrmMain(TComponent* AOwner) : TForm(AOwner)
{
    RegisterFormClasses();
    LoadForm();
}

namespace {

// German, English, Hungarian, Ukrainian and Czech: the languages the program ships.
bool IsExpectedSystemLanguage(uint16_t langID)
{
    return langID == 1031 || langID == 1033 || langID == 1038 || langID == 1058 || langID == 1029;
}

// The flag of a language box index; null for an index without one.
const char* FlagFile(int languageIndex)
{
    static constexpr const char* flags[] = {"us.png", "cz.png", "de.png", "hu.png", "uk.png"};
    return languageIndex >= 0 && languageIndex < 5 ? flags[languageIndex] : nullptr;
}

}  // namespace

void TfrmMain::BindComponents()
{
    SafetyDelete = Part<TSafetyDelete>("SafetyDelete");
    oslang = Part<Tquonoslang>("oslang");
    NetUpdate1 = Part<TNetUpdate>("NetUpdate1");
    icMain = Part<TLanguageController>("icMain");
    od = Part<TUniOpenDialog>("od");
    PageControl = Part<TKitPageControl>("PageControl");
    btnhome = Part<TUniLabel>("btnhome");
    btnfilesfolders = Part<TUniLabel>("btnfilesfolders");
    btnsettings = Part<TUniLabel>("btnsettings");
    btnhelp = Part<TUniLabel>("btnhelp");
    btnabout = Part<TUniLabel>("btnabout");
    btndonate = Part<TUniLabel>("btndonate");
    btnrecommendation = Part<TUniLabel>("btnrecommendation");
    btnexit = Part<TUniLabel>("btnexit");
    panLeft = Part<TUniPanel>("panLeft");
    mppimg = Part<TUniImage>("mppimg");
    lblver = Part<TUniLabel>("lblver");
    lblvers = Part<TUniLabel>("lblvers");
    lblprogdate = Part<TUniLabel>("lblprogdate");
    cbLanguage = Part<TUniComboBox>("cbLanguage");
    cbAlgorithm = Part<TUniComboBox>("cbAlgorithm");
    ImageFlag = Part<TUniImage>("ImageFlag");
    cbShutdown = Part<TUniCheckBox>("cbShutdown");
    cbSplash = Part<TUniCheckBox>("cbSplash");
    cbLicRun = Part<TUniCheckBox>("cbLicRun");
    cbdellastapply = Part<TUniCheckBox>("cbdellastapply");
    cbCntxMn = Part<TUniCheckBox>("cbCntxMn");
    cbRunWindows = Part<TUniCheckBox>("cbRunWindows");
    lbllutime = Part<TUniLabel>("lbllutime");
    lblaboutinfo = Part<TUniLabel>("lblaboutinfo");
    UniLabel30 = Part<TUniLabel>("UniLabel30");
    UniLabel23 = Part<TUniLabel>("UniLabel23");
    UniLabel24 = Part<TUniLabel>("UniLabel24");
    lblAuthor = Part<TUniLabel>("lblAuthor");
    UniLabel18 = Part<TUniLabel>("UniLabel18");
    UniLabel20 = Part<TUniLabel>("UniLabel20");
    updateimg = Part<TUniImage>("updateimg");
    lblcbAlgorithminfo = Part<TUniLabel>("lblcbAlgorithminfo");
    lblcbalgorithmethod = Part<TUniLabel>("lblcbalgorithmethod");
    lblalgorithminfo2 = Part<TUniLabel>("lblalgorithminfo2");
    meimg = Part<TUniImage>("meimg");
    btnOK = Part<TUniButton>("btnOK");
    lv = Part<TUniListView>("lv");
    laFiles = Part<TUniLabel>("laFiles");
    laSize = Part<TUniLabel>("laSize");
    btnAddFiles = Part<TUniBitBtn>("btnAddFiles");
    btnAddFolders = Part<TUniBitBtn>("btnAddFolders");
    btnRemove = Part<TUniBitBtn>("btnRemove");
    btnShred = Part<TUniBitBtn>("btnShred");
    TabSheet8 = Part<TKitTabSheet>("TabSheet8");
    TabSheet9 = Part<TKitTabSheet>("TabSheet9");
    TabSheet10 = Part<TKitTabSheet>("TabSheet10");
    TabSheet11 = Part<TKitTabSheet>("TabSheet11");
    lblSelectMethod = Part<TUniLabel>("lblSelectMethod");
    lblShredFile = Part<TUniLabel>("lblShredFile");
    cpProgBar = Part<TUniProgressBar>("cpProgBar");
    tpProgBar = Part<TUniProgressBar>("tpProgBar");
    lblcppercent = Part<TUniLabel>("lblcppercent");
    lbltppercent = Part<TUniLabel>("lbltppercent");
    btnAbort = Part<TUniBitBtn>("btnAbort");
    lblec = Part<TUniLabel>("lblec");
    lblfailedfile = Part<TUniLabel>("lblfailedfile");
}

void TfrmMain::FormCreate(TObject*)
{
    BindComponents();
    const TStartRequest request = ParseCommandLine(ProgramArguments());
    StartPath = request.StartPath;
    StartAsFolder = request.StartAsFolder;
    ExeDir = ProgramFolder();
    od->SetInitialDir(AnsiToWide(GetSpecialFolderPath(CSIDL_APPDATA)));
    lblver->SetCaption(AnsiToWide(GetProgramVersion()));
    lblvers->SetCaption(AnsiToWide(GetProgramVersion()));
    TLanguageManager* languages = LangManager();
    languages->AddLangFilesFromFolder(AnsiToWide(ExeDir + "languages"), L"*.lng", false);
    for (int i = 0; i < languages->CountLanguages(); ++i)
        cbLanguage->GetItems()->Add(languages->GetLanguageNameByIndex(i));
    if (IsExpectedSystemLanguage(oslang->GetLangID())) {
        languages->SelectLanguage(GetSystemDefaultLangID());
        cbAlgorithm->SetItemIndex(static_cast<int>(sdmDoD));
    }
    CloseSplashIfShown();
    // The stored language, method, last use and boxes override the defaults above.
    ReadConfigFile();
    DeleteUpdateLeftovers();
    FileCount = 0;
    TotalSize = 0;
    CheckProgramFiles();
    SaveRegistrySettings();
}

void TfrmMain::FormShow(TObject*)
{
    DeleteFolderTree(ScratchFolder());
    ShowAgreementIfChosen();
    LoadSkin();
    ShowMethodInfo();
    UniApplication()->SetTitle(L"Clearvane");
    SetCaption("QUON Variruvu");
    lblprogdate->SetCaption(AnsiToWide(ProgramDate));
    ShowMenuPage(btnhome, "TabSheet1");
    if (cbLanguage->GetItemIndex() < 0)
        cbLanguage->SetItemIndex(LangManager()->FindLanguageIndex(LangManager()->GetCurrentLangID()));
    ShowLinksForSystemLanguage();
    ExeDir = ProgramFolder();
    LoadLanguageFlag();
    // The update check of the language index (OfferUpdateEn ... OfferUpdateUk).
    if (!StartPath.empty()) {
        if (StartAsFolder)
            AddFolderEntry(StartPath);
        else
            AddFileEntry(StartPath);
        StartRunWhenShown();
    }
    ShowListTotals();
}

void TfrmMain::FormClose(TObject*, TCloseAction&)
{
    if (cbShutdown->GetChecked())
        ShutdownWindows(EWX_SHUTDOWN);
    EnsureDataFolders();
    WriteConfigFileBeforeLeaving();
    SaveRegistrySettings();
}

void TfrmMain::SetMenuBold(TUniLabel* entry)
{
    for (TUniLabel* each : {btnhome, btnfilesfolders, btnsettings, btnhelp, btnabout, btndonate, btnrecommendation,
                         btnexit})
        each->GetFont()->SetStyle(each == entry ? TFontStyles{fsBold} : TFontStyles{});
}

void TfrmMain::ShowMenuPage(TUniLabel* entry, const char* page)
{
    SetMenuBold(entry);
    PageControl->SetActivePage(Part<TKitTabSheet>(page));
}

void TfrmMain::btnhomeClick(TObject*) { ShowMenuPage(btnhome, "TabSheet1"); }
void TfrmMain::btnfilesfoldersClick(TObject*) { ShowMenuPage(btnfilesfolders, "TabSheet2"); }
void TfrmMain::btnsettingsClick(TObject*) { ShowMenuPage(btnsettings, "TabSheet3"); }
void TfrmMain::btnhelpClick(TObject*) { ShowMenuPage(btnhelp, "TabSheet4"); }
void TfrmMain::btnaboutClick(TObject*) { ShowMenuPage(btnabout, "TabSheet5"); }
void TfrmMain::btnrecommendationClick(TObject*) { ShowMenuPage(btnrecommendation, "TabSheet7"); }

void TfrmMain::btndonateClick(TObject*)
{
    ShowMenuPage(btndonate, "TabSheet6");
    if (!IsInternetConnected()) {
        MessageDlg(MessageText("sTheprogramupdatercouldconnecttotheupdaterserver"), mtWarning,
                   TMsgDlgButtons{mbOK});
        return;
    }
    OpenLink(MakerDonationPage(cbLanguage->GetItemIndex()));
}

void TfrmMain::btnexitClick(TObject*)
{
    SetMenuBold(btnexit);
    if (ConfirmedByUser("sApplicationClose")) {
        EnsureDataFolders();
        const bool configWritten = WriteConfigFileBeforeLeaving();
        SaveRegistrySettings();
        // A file that refused the settings refuses the emptied date too, with a second box.
        if (configWritten)
            ClearLastApply();
        UpdateRunEntry();
        if (cbShutdown->GetChecked())
            ShutdownWindows(EWX_SHUTDOWN);
        else
            Sleep(1500);
        Application->ProcessMessages();
        Application->Terminate();
    } else {
        SetMenuBold(nullptr);
    }
    cbShutdown->SetChecked(false);
}

void TfrmMain::ShowMethodInfo()
{
    static constexpr const char* descriptions[] = {"sZero1Passes", "sDoD7Passes", "sGutmann35Passes"};
    const int index = cbAlgorithm->GetItemIndex();
    if (index < 0 || index > 2)
        return;
    const WideString text = GetLangConstant(descriptions[index]);
    for (TUniLabel* label : {lblcbAlgorithminfo, lblcbalgorithmethod, lblalgorithminfo2}) {
        label->Repaint();
        label->SetCaption(text);
    }
}

// Hungarian hides Donate and both recommended programs; Czech recommends the editor and
// German the backup program; every other language keeps the links as the form has them.
void TfrmMain::ShowLinksForSystemLanguage()
{
    const bool hungarian = oslang->GetLangIDHex() == "$040E";
    btndonate->SetVisible(!hungarian);
    mppimg->SetVisible(!hungarian);
    if (hungarian) {
        SetRecommendedLinkVisible("pspadimg", "lblpspad", "lblpspadauthor", false);
        SetRecommendedLinkVisible("pbimg", "lblpersbackup", "lblpersbackupauthor", false);
    } else if (oslang->GetLangID() == 1029 || oslang->GetLangID() == 1031) {
        const bool czech = oslang->GetLangID() == 1029;
        SetRecommendedLinkVisible("pspadimg", "lblpspad", "lblpspadauthor", czech);
        SetRecommendedLinkVisible("pbimg", "lblpersbackup", "lblpersbackupauthor", !czech);
    }
}

void TfrmMain::SetRecommendedLinkVisible(const char* picture, const char* title, const char* author, bool visible)
{
    Part<TUniImage>(picture)->SetVisible(visible);
    Part<TUniLabel>(title)->SetVisible(visible);
    Part<TUniLabel>(author)->SetVisible(visible);
}

void TfrmMain::LoadLanguageFlag()
{
    if (const char* flag = FlagFile(cbLanguage->GetItemIndex()))
        ImageFlag->GetPicture()->LoadFromFile(AnsiToWide(ExeDir + "images\\" + flag));
}

void TfrmMain::RestartProgram()
{
    HandOverToNewInstance();
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
    DeleteFile(LogFolder() + "config.ini");
}
