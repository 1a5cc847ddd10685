// The main window: side menu, pages, start-up and shut-down.
#pragma once

#include <cstdint>

#include "classlib/ComCtrls.h"
#include "classlib/Dialogs.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/StdCtrls.h"
#include "engine/variruvu.h"
#include "lang/quonoslanguage.h"

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
    TOpenDialog* od = nullptr;
    TPageControl* PageControl = nullptr;
    TLabel* btnhome = nullptr;
    TLabel* btnfilesfolders = nullptr;
    TLabel* btnsettings = nullptr;
    TLabel* btnhelp = nullptr;
    TLabel* btnabout = nullptr;
    TLabel* btndonate = nullptr;
    TLabel* btnrecommendation = nullptr;
    TLabel* btnexit = nullptr;
    TImage* mppimg = nullptr;
    TLabel* lblver = nullptr;
    TLabel* lblvers = nullptr;
    TLabel* lblprogdate = nullptr;
    TComboBox* cbLanguage = nullptr;
    TComboBox* cbAlgorithm = nullptr;
    TImage* ImageFlag = nullptr;
    TCheckBox* cbShutdown = nullptr;
    TCheckBox* cbSplash = nullptr;
    TCheckBox* cbLicRun = nullptr;
    TCheckBox* cbdellastapply = nullptr;
    TCheckBox* cbCntxMn = nullptr;
    TCheckBox* cbRunWindows = nullptr;
    TLabel* lbllutime = nullptr;
    TLabel* lblaboutinfo = nullptr;
    TLabel* UniLabel30 = nullptr;
    TLabel* UniLabel23 = nullptr;
    TLabel* UniLabel24 = nullptr;
    TLabel* lblAuthor = nullptr;
    TLabel* UniLabel18 = nullptr;
    TLabel* UniLabel20 = nullptr;
    TImage* updateimg = nullptr;
    TLabel* lblcbAlgorithminfo = nullptr;
    TLabel* lblcbalgorithmethod = nullptr;
    TLabel* lblalgorithminfo2 = nullptr;

    AnsiString StartPath;
    bool StartAsFolder = false;
    int32_t FileCount = 0;
    int64_t TotalSize = 0;

private:
    template <class T>
    T* Part(const char* name);
    void BindComponents();
    // `entry` alone in bold; null leaves every entry normal.
    void SetMenuBold(TLabel* entry);
    void ShowMenuPage(TLabel* entry, const char* page);
    void ShowLinksForSystemLanguage();
    void SetRecommendedLinkVisible(const char* picture, const char* title, const char* author, bool visible);
    void DeleteUpdateLeftovers();
    // The flag picture of the language box's entry; none for an entry without one.
    void LoadLanguageFlag();
};
