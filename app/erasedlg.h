// The main window: side menu, pages, start-up and shut-down, the file list and the erase run.
#pragma once

#include <cstdint>

#include "classlib/ComCtrls.h"
#include "classlib/Dialogs.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/StdCtrls.h"
#include "classlib/SysUtils.h"
#include "components/KitTabs.h"
#include "engine/variruvu.h"
#include "lang/LanguageController.h"
#include "lang/quonoslanguage.h"
#include "unicode_controls/UniButtons.h"
#include "unicode_controls/UniComCtrls.h"
#include "unicode_controls/UniDialogs.h"
#include "unicode_controls/UniExtCtrls.h"
#include "unicode_controls/UniStdCtrls.h"
#include "update/NUpdate.h"

class TfrmMain : public TForm {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TfrmMain(TComponent* AOwner);

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void btnhomeClick(TObject* Sender);
    void btnfilesfoldersClick(TObject* Sender);
    void btnsettingsClick(TObject* Sender);
    void btnhelpClick(TObject* Sender);
    void btnaboutClick(TObject* Sender);
    void btndonateClick(TObject* Sender);
    void btnrecommendationClick(TObject* Sender);
    void btnexitClick(TObject* Sender);
    void cbLanguageClick(TObject* Sender);
    void cbLanguageChange(TObject* Sender);
    void cbAlgorithmClick(TObject* Sender);
    void cbCntxMnClick(TObject* Sender);
    void cbShutdownClick(TObject* Sender);
    void btnOKClick(TObject* Sender);
    void btnLogFileClick(TObject* Sender);
    // Help (Files page), the licence agreement (About page) and the whole help file (Help page).
    void btnHelpMainClick(TObject* Sender);
    void btnlicenseClick(TObject* Sender);
    void btnbighelpClick(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void WndProc(TMessage& message) override;

    // The file list (Files page).
    void btnAddFilesClick(TObject* Sender);
    void btnAddFoldersClick(TObject* Sender);
    void btnRemoveClick(TObject* Sender);
    void lvChange(TObject* Sender, TListItem* Item, TItemChange Change);
    void AddFilesFromDialog();
    void AddFolderFromDialog();
    void AddFileEntry(const AnsiString& path);
    void AddFolderEntry(const AnsiString& path);
    void ShowListTotals();

    // The erase run (Wiping, Error, Aborted and Finished pages).
    void btnShredClick(TObject* Sender);
    void btnAbortClick(TObject* Sender);
    void SafetyDeleteProgress(TObject* Sender, uint8_t PassCount, uint8_t PercentWritten);
    void SafetyDeleteCompleted(TObject* Sender);
    // Erases the folder's files, walks its sub-folders and removes it (Path without a trailing backslash).
    void ShredFolder(const AnsiString& Path);

    // The skin: the pictures of the images folder and the icons of the icons
    // folder into the window's pictures; a missing file leaves the form's
    // picture, one that cannot be read is reported and ends the loading there.
    void LoadSkin();
    // The flag on the Settings page plays the language's tune.
    void ImageFlagClick(TObject* Sender);
    // Settings OK's end of the tune: the selected language's tune stopped and
    // closed, and its scratch file deleted.
    void StopLanguageTune();

    // The links: each hands its page or mail address to the shell.
    void fspantopimgClick(TObject* Sender);
    void contactimgClick(TObject* Sender);
    void likeimgClick(TObject* Sender);
    void BackgLinkedInClick(TObject* Sender);
    void BackgFacebookClick(TObject* Sender);
    void BackgMySpaceClick(TObject* Sender);
    void BackgTwitterClick(TObject* Sender);
    void pbimgClick(TObject* Sender);
    void pspadimgClick(TObject* Sender);
    void btnpaypalClick(TObject* Sender);
    void mailimgClick(TObject* Sender);
    // The bank details for a direct transfer, in a message dialog.
    void btnbankClick(TObject* Sender);
    // With the splash window on at start: the five-second pause, then the splash window goes.
    void CloseSplashIfShown();
    // With the licence agreement on at start: the viewer, modally.
    void ShowAgreementIfChosen();

    // Starts the program anew through the shell and closes this window.
    void RestartProgram();
    // The description of the chosen erase method on the Settings, Files and Wiping pages.
    void ShowMethodInfo();

    // The settings in config.ini and the registry, as the controls show them.
    void WriteConfigFile();
    // The stored language, method, last use and the hidden boxes; a method
    // is always selected afterwards.
    void ReadConfigFile();
    // With "Do not display date of last use" checked, the stored last use is emptied.
    void ClearLastApply();
    void SaveRegistrySettings();
    // The autorun value written or deleted as the hidden autorun box says.
    void UpdateRunEntry();
    // The log of the list with the captions on show; false when it could not be written.
    bool WriteHtmlLog(TCustomListView* list, const AnsiString& fileName, bool centerHeaders);

    TSafetyDelete* SafetyDelete = nullptr;
    Tquonoslang* oslang = nullptr;
    TNetUpdate* NetUpdate1 = nullptr;
    TLanguageController* icMain = nullptr;
    TUniOpenDialog* od = nullptr;
    TKitPageControl* PageControl = nullptr;
    TUniLabel* btnhome = nullptr;
    TUniLabel* btnfilesfolders = nullptr;
    TUniLabel* btnsettings = nullptr;
    TUniLabel* btnhelp = nullptr;
    TUniLabel* btnabout = nullptr;
    TUniLabel* btndonate = nullptr;
    TUniLabel* btnrecommendation = nullptr;
    TUniLabel* btnexit = nullptr;
    TUniPanel* panLeft = nullptr;
    TUniImage* mppimg = nullptr;
    TUniLabel* lblver = nullptr;
    TUniLabel* lblvers = nullptr;
    TUniLabel* lblprogdate = nullptr;
    TUniComboBox* cbLanguage = nullptr;
    TUniComboBox* cbAlgorithm = nullptr;
    TUniImage* ImageFlag = nullptr;
    TUniCheckBox* cbShutdown = nullptr;
    TUniCheckBox* cbSplash = nullptr;
    TUniCheckBox* cbLicRun = nullptr;
    TUniCheckBox* cbdellastapply = nullptr;
    TUniCheckBox* cbCntxMn = nullptr;
    TUniCheckBox* cbRunWindows = nullptr;
    TUniLabel* lbllutime = nullptr;
    TUniLabel* lblaboutinfo = nullptr;
    TUniLabel* UniLabel30 = nullptr;
    TUniLabel* UniLabel23 = nullptr;
    TUniLabel* UniLabel24 = nullptr;
    TUniLabel* lblAuthor = nullptr;
    TUniLabel* UniLabel18 = nullptr;
    TUniLabel* UniLabel20 = nullptr;
    TUniImage* updateimg = nullptr;
    TUniLabel* lblcbAlgorithminfo = nullptr;
    TUniLabel* lblcbalgorithmethod = nullptr;
    TUniLabel* lblalgorithminfo2 = nullptr;
    TUniImage* meimg = nullptr;
    TUniButton* btnOK = nullptr;
    TUniListView* lv = nullptr;
    TUniLabel* laFiles = nullptr;
    TUniLabel* laSize = nullptr;
    TUniBitBtn* btnAddFiles = nullptr;
    TUniBitBtn* btnAddFolders = nullptr;
    TUniBitBtn* btnRemove = nullptr;
    TUniBitBtn* btnShred = nullptr;
    TKitTabSheet* TabSheet8 = nullptr;
    TKitTabSheet* TabSheet9 = nullptr;
    TKitTabSheet* TabSheet10 = nullptr;
    TKitTabSheet* TabSheet11 = nullptr;
    TUniLabel* lblSelectMethod = nullptr;
    TUniLabel* lblShredFile = nullptr;
    TUniProgressBar* cpProgBar = nullptr;
    TUniProgressBar* tpProgBar = nullptr;
    TUniLabel* lblcppercent = nullptr;
    TUniLabel* lbltppercent = nullptr;
    TUniBitBtn* btnAbort = nullptr;
    TUniLabel* lblec = nullptr;
    TUniLabel* lblfailedfile = nullptr;

    AnsiString StartPath;
    bool StartAsFolder = false;
    int32_t FileCount = 0;
    int64_t TotalSize = 0;
    // The engine's result for the last file row erased directly in this run.
    int32_t LastFileResult = 0;
    // True while an erase run walks the list.
    bool RunInProgress = false;

private:
    template <class T>
    T* Part(const char* name);
    void BindComponents();
    // `entry` alone in bold; null leaves every entry normal.
    void SetMenuBold(TUniLabel* entry);
    void ShowMenuPage(TUniLabel* entry, const char* page);
    void ShowLinksForSystemLanguage();
    void SetRecommendedLinkVisible(const char* picture, const char* title, const char* author, bool visible);
    void DeleteUpdateLeftovers();
    // WriteConfigFile on the way out: a config.ini that refuses the write is
    // reported once and the program still ends. False when it was not written.
    bool WriteConfigFileBeforeLeaving();
    // The flag picture of the language box's entry; none for an entry without one.
    void LoadLanguageFlag();
    // The method index the run uses.
    int RunMethodIndex() const;
    // False when the folder could not be listed.
    bool ShredFolderEntries(const AnsiString& Path);
    void RemoveWalkedFolder(const AnsiString& Path);
    void ReportFolderLeft(const AnsiString& Path);
    void ReportLeft(const AnsiString& text);
    // The help file of the language box's entry in the program folder; empty when the entry has none
    // or when one of the help files is missing, which has been reported then.
    AnsiString LanguageHelpFile();
    void ShowHelpTopic(const char* topic);
    // The command line's path is erased once the window is on screen, where the run can be watched and aborted.
    void StartRunWhenShown();
};

// A component the form resource must hold; a missing one is a broken build.
template <class T>
T* TfrmMain::Part(const char* name)
{
    T* part = dynamic_cast<T*>(FindComponent(name));
    if (!part)
        throw Exception(L"The main window lacks its component " + AnsiToWide(name));
    return part;
}
