// The common dialogs and message dialogs.
#pragma once

#include "classlib/Forms.h"

class TCommonDialog : public TComponent {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}
    // Shows the dialog; true when the user confirmed it.
    virtual bool Execute() = 0;

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

protected:
    // Runs the system dialog with every other window of the program disabled
    // (the owner is the active window, else the application window).
    bool TaskModalDialog(const std::function<bool(HWND owner)>& dialog);
};

enum TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
    ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
    ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks,
    ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent, ofForceShowHidden
};
VARIRUVU_ENUM_INFO(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp,
                   ofNoValidate, ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist,
                   ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton,
                   ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing,
                   ofDontAddToRecent, ofForceShowHidden);
using TOpenOptions = TSet<TOpenOption>;

// The platform's open-file function (GetOpenFileNameA or a stand-in).
using TOpenFileFunc = BOOL(WINAPI*)(OPENFILENAMEA*);

class TOpenDialog : public TCommonDialog {
public:
    VARIRUVU_DECLARE_CLASS_INFO
    explicit TOpenDialog(TComponent* AOwner);
    ~TOpenDialog() override;

    TOpenOptions GetOptions() const { return FOptions; }
    void SetOptions(TOpenOptions value) { FOptions = value; }
    // Pairs of description and pattern separated by '|'.
    const AnsiString& GetFilter() const { return FFilter; }
    void SetFilter(const AnsiString& value) { FFilter = value; }
    int GetFilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int value) { FFilterIndex = value; }
    const AnsiString& GetInitialDir() const { return FInitialDir; }
    void SetInitialDir(const AnsiString& value);
    const AnsiString& GetFileName() const { return FFileName; }
    void SetFileName(const AnsiString& value) { FFileName = value; }
    const AnsiString& GetTitle() const { return FTitle; }
    void SetTitle(const AnsiString& value) { FTitle = value; }
    const AnsiString& GetDefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const AnsiString& value) { FDefaultExt = value; }
    // The chosen files, full paths, in the dialog's order.
    TStrings* GetFiles() const { return FFiles.get(); }

    bool Execute() override { return RunDialog(); }

protected:
    // The dialog-run slot; the base runs the 8-bit dialog.
    virtual bool RunDialog() { return DoExecute(&GetOpenFileNameA); }
    // Fills the record from the properties, calls `func` as a task-modal
    // dialog and reads the names back.
    bool DoExecute(TOpenFileFunc func);
    // Splits the returned buffer into FileName and Files.
    void ReadFileNames(const char* buffer, DWORD flags);

private:
    TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
    AnsiString FFilter;
    int FFilterIndex = 1;
    AnsiString FInitialDir;
    AnsiString FFileName;
    AnsiString FTitle;
    AnsiString FDefaultExt;
    std::unique_ptr<TStringList> FFiles;
};

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
VARIRUVU_ENUM_INFO(TMsgDlgType, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom);
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
VARIRUVU_ENUM_INFO(TMsgDlgBtn, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll,
                   mbYesToAll, mbHelp);
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
constexpr TMsgDlgButtons mbYesNo{mbYes, mbNo};
constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// The title a message dialog of this type carries ("Warning", "Information", ...;
// the application's title for mtCustom).
AnsiString MessageDlgTitle(TMsgDlgType type);
// A modal message box with the type's icon and title and the nearest system
// set of the buttons; gives the mr... of the button pressed.
int MessageDlg(const AnsiString& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
void ShowMessage(const AnsiString& msg);
