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
    // Starts the program anew through the shell and closes this window.
    void RestartProgram();
    // The description of the chosen erase method on the Settings, Files and Wiping pages.
    void ShowMethodInfo();

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
};
